// Parser: tokens to a syntax tree, reporting the first syntax error with its line and column.
#pragma once
#include <functional>
#include <string_view>

#include "script/ast.h"

namespace orr::script {

// `progress`, when given, is told of the work done now and then, so that a very
// large program can still be stopped by the time-out.
ScriptAst parseScript(std::string_view text, const std::function<void(int)>& progress = {});
// A single expression, as the expression evaluator takes it.
ExprPtr parseExpression(std::string_view text);

} // namespace orr::script
