// Opcodes: every instruction of the virtual machine, declared in one table.
#pragma once
#include <cstdint>

namespace orr::script {

class Variant;

// X(name, operands). Operand fields: a (int32), b / g (int64 or global pointer),
// x (8 bits), y (16 bits). "slot" is a frame slot, "g" a global variable.
#define ORR_OPCODES(X)                                                                  \
    X(PushK, "a = constant index")                                                      \
    X(PushEmpty, "")                                                                    \
    X(Pop, "")                                                                          \
    X(LoadL, "a = slot")                                                                \
    X(StoreL, "a = slot; pops the value")                                               \
    X(LoadG, "g = global")                                                              \
    X(StoreG, "g = global")                                                             \
    X(LoadR, "a = slot of a by-reference parameter")                                    \
    X(StoreR, "a = slot of a by-reference parameter")                                   \
    X(RefL, "a = slot; pushes a reference for a by-reference argument")                 \
    X(RefG, "g = global")                                                               \
    X(AppendL, "a = slot; joins the popped value onto the variable, in place when unshared") \
    X(AppendG, "g = global")                                                            \
    X(AddK, "a = constant index: adds a literal") X(SubK, "a") X(MulK, "a") X(ModK, "a")   \
    X(Add, "") X(Sub, "") X(Mul, "") X(Div, "") X(IntDiv, "") X(Mod, "") X(Pow, "")     \
    X(Neg, "") X(Concat, "") X(Not, "")                                                 \
    X(And, "") X(Or, "") X(Xor, "") X(Eqv, "") X(Imp, "")                               \
    X(Eq, "x = literal flags") X(Ne, "x") X(Lt, "x") X(Le, "x") X(Gt, "x") X(Ge, "x")   \
    X(Is, "")                                                                           \
    X(Jmp, "a = target")                                                                \
    X(JmpFalse, "a = target; pops the condition")                                       \
    X(JmpTrue, "a = target; pops the condition")                                        \
    X(CallProc, "a = procedure index, y = argument count, x = 1 to drop the result")    \
    X(CallBuiltin, "a = library function, y = argument count, x = 1 to drop the result")\
    X(CallName, "a = name constant, y = argument count, x = 1 to drop the result")      \
    X(CallMember, "a = name constant, y = argument count, x = 1 inside the class; object below the arguments") \
    X(SetMember, "a = name constant, y = argument count, x = 1 inside the class | 2 Set; object, arguments, value") \
    X(LetValue, "an object on top of the stack becomes its default value")             \
    X(NewObject, "a = class index, or -1 with b = class name constant")                 \
    X(Index, "y = argument count; array or object below the arguments")                 \
    X(StoreIndexL, "a = slot, y = index count; indexes then value on the stack")        \
    X(StoreIndexG, "g = global, y = index count")                                       \
    X(StoreIndexR, "a = slot of a by-reference parameter, y = index count")             \
    X(DimL, "a = slot, y = dimension count: a fixed array")                             \
    X(DimG, "g = global, y = dimension count")                                          \
    X(ReDimL, "a = slot, y = dimension count, x = 1 to preserve")                       \
    X(ReDimG, "g = global, y = dimension count, x = 1 to preserve")                     \
    X(ReDimR, "a = slot of a by-reference parameter, y, x")                             \
    X(EraseL, "a = slot") X(EraseG, "g = global") X(EraseR, "a = slot")                 \
    X(CheckObject, "raises Object required unless the top is an object")               \
    X(ForPrep, "a = exit target, y = hidden slot (limit, step), x = counter kind, b = counter") \
    X(ForNext, "a = body target, y = hidden slot, x = counter kind, b = counter")      \
    X(ForEachPrep, "a = exit target, y = hidden slot (items, position); pops the group")\
    X(ForEachNext, "a = body target, y = hidden slot, x = counter kind, b = counter")  \
    X(OnError, "x = 1 resume next, 0 stop on errors")                                   \
    X(Undefined, "a = name constant: Variable is undefined")                            \
    X(Return, "ends the procedure or script")                                           \
    X(ReturnValue, "ends an expression, returning the top of the stack")

enum class Op : uint8_t {
#define ORR_OP_ENUM(name, doc) name,
    ORR_OPCODES(ORR_OP_ENUM)
#undef ORR_OP_ENUM
};

const char* opName(Op op);

// Where a counter of For and For Each lives.
enum CounterKind : uint8_t { CounterLocal, CounterGlobal, CounterRef };

struct Instr {
    Op op;
    uint8_t x = 0;
    uint16_t y = 0;
    int32_t a = 0;
    union {
        int64_t b = 0;
        Variant* g;
    };
};

} // namespace orr::script
