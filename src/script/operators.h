// The language's operators on Variants: arithmetic, joining, comparison and the logical family.
#pragma once
#include "script/variant.h"

namespace orr::script {

Variant opAdd(const Variant& a, const Variant& b);
Variant opSub(const Variant& a, const Variant& b);
Variant opMul(const Variant& a, const Variant& b);
Variant opDiv(const Variant& a, const Variant& b);
Variant opIntDiv(const Variant& a, const Variant& b);
Variant opMod(const Variant& a, const Variant& b);
Variant opPow(const Variant& a, const Variant& b);
Variant opNeg(const Variant& a);
Variant opConcat(const Variant& a, const Variant& b);

enum class LogicOp { And, Or, Xor, Eqv, Imp };
Variant opLogic(LogicOp op, const Variant& a, const Variant& b);
Variant opNot(const Variant& a);

// Comparison flags: which side was written as a literal number or string in
// the program, since a literal is converted to the type of the other side.
enum CompareFlags { LeftLiteral = 1, RightLiteral = 2 };
enum class CompareOp { Eq, Ne, Lt, Le, Gt, Ge };
Variant opCompare(CompareOp op, const Variant& a, const Variant& b, int flags = 0);
// -1, 0 or 1; raises Invalid use of Null for Null operands. textCompare ignores letter case.
int compareValues(const Variant& a, const Variant& b, bool textCompare = false, int flags = 0);
Variant opIs(const Variant& a, const Variant& b);

// Compares two byte strings, ignoring letter case when textCompare is set.
int compareStrings(const std::string& a, const std::string& b, bool textCompare);

} // namespace orr::script
