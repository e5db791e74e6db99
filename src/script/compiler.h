// Compiler: syntax tree to bytecode, with every variable resolved to a slot or global cell.
#pragma once
#include <memory>

#include "script/ast.h"
#include "script/program.h"

namespace orr::script {

class Engine;

// Defines the script's procedures in the engine and returns its top-level code.
std::unique_ptr<Proc> compileScript(Engine& engine, const ScriptAst& ast);
// Code that evaluates one expression in the global scope and returns its value.
std::unique_ptr<Proc> compileExpression(Engine& engine, const Expr& expr);

} // namespace orr::script
