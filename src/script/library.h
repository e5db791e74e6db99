// The runtime library: the language's built-in functions and named constants.
#pragma once
#include <string_view>

#include "script/variant.h"

namespace orr::script {

class Engine;

using BuiltinFn = Variant (*)(Engine& engine, Variant* args, int argc);

struct Builtin {
    const char* name;  // lower case
    BuiltinFn fn;
    int minArgs;
    int maxArgs;
};

// Index of the library function with this lower-case name, or -1.
int findBuiltin(std::string_view name);
const Builtin& builtin(int index);
// The value of a named constant such as vbCrLf; false when there is none.
bool findConstant(std::string_view name, Variant& out);

} // namespace orr::script
