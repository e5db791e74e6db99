// Compiler: syntax tree to bytecode, with every variable resolved to a slot or global cell.
#pragma once
#include <memory>

#include "script/ast.h"
#include "script/program.h"

namespace orr::script {

class Engine;

// Defines the script's procedures in the engine and returns its top-level code.
// With `callerLocals` (a procedure's slot names), the code also sees that
// procedure's variables: it takes references to them as its arguments.
std::unique_ptr<Proc> compileScript(Engine& engine, const ScriptAst& ast,
                                    const std::vector<std::string>* callerLocals = nullptr);
// Code that evaluates one expression and returns its value.
std::unique_ptr<Proc> compileExpression(Engine& engine, const Expr& expr,
                                        const std::vector<std::string>* callerLocals = nullptr);

} // namespace orr::script
