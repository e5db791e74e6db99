// Parser: tokens to a syntax tree, reporting the first syntax error with its line and column.
#pragma once
#include <string_view>

#include "script/ast.h"

namespace orr::script {

ScriptAst parseScript(std::string_view text);
// A single expression, as the expression evaluator takes it.
ExprPtr parseExpression(std::string_view text);

} // namespace orr::script
