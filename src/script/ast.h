// Syntax tree: what the parser builds and the compiler turns into bytecode.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "script/lexer.h"
#include "script/variant.h"

namespace orr::script {

struct Pos {
    int line = 0;
    int col = 0;
};

enum class BinOp { Add, Sub, Mul, Div, IntDiv, Mod, Pow, Concat, Eq, Ne, Lt, Le, Gt, Ge, Is, And, Or, Xor, Eqv, Imp };
// WithObject is the object of the innermost With block (".name" reads a member
// of it); New creates an instance of the class `name`.
enum class ExprKind { Literal, Name, Call, Member, Neg, Not, Binary, Paren, WithObject, New };

struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

struct Expr {
    Expr() = default;
    Expr(const Expr&) = delete;
    Expr& operator=(const Expr&) = delete;
    // Frees a long chain of left operands without recursing once per link.
    ~Expr()
    {
        ExprPtr next = std::move(base);
        while (next) {
            ExprPtr after = std::move(next->base);
            next.reset();
            next = std::move(after);
        }
    }

    ExprKind kind = ExprKind::Literal;
    Pos pos;
    Variant value;              // Literal
    std::string name;           // Name; Member's member name (lower case); New's class
    std::string written;        // the name as the program spelt it
    ExprPtr base;               // Member's object, Call's callee, Neg/Not/Paren operand, Binary left
    ExprPtr rhs;                // Binary right
    std::vector<ExprPtr> args;  // Call
    BinOp op = BinOp::Add;      // Binary
};

struct Stmt;
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

enum class StmtKind {
    Assign, Set, Call, Dim, ReDim, Const, If, Select, For, ForEach, Do, While, Exit,
    OnErrorResumeNext, OnErrorGoto0, Erase, OptionExplicit, With, NoOp
};

struct DimItem {
    std::string name;
    std::string written;
    Pos pos;
    bool isArray = false;          // written with parentheses
    std::vector<ExprPtr> bounds;   // upper bounds; empty for a dynamic array "a()"
};

struct CaseItem {
    enum Kind { Value, Range, Compare } kind = Value;
    BinOp op = BinOp::Eq;  // Compare: "Is <op> expr"
    ExprPtr a, b;
};

struct CaseClause {
    bool isElse = false;
    std::vector<CaseItem> items;
    Block body;
};

enum class ExitKind { Do, For, Sub, Function, Property };

struct Stmt {
    StmtKind kind;
    Pos pos;
    ExprPtr target;                 // Assign/Set target; Call callee; For counter; Select subject
    ExprPtr value;                  // Assign/Set value; For start; ForEach collection; If/Do/While condition; With object
    ExprPtr limit, step;            // For
    std::vector<ExprPtr> args;      // Call arguments
    std::vector<DimItem> dims;      // Dim, ReDim, Erase
    bool preserve = false;          // ReDim Preserve
    std::vector<std::pair<DimItem, ExprPtr>> consts;
    std::vector<std::pair<ExprPtr, Block>> branches;  // If / ElseIf
    Block body;                     // loop body; If's Else part
    bool hasElse = false;
    std::vector<CaseClause> cases;  // Select
    bool condAtTop = true, until = false, hasCond = false;  // Do loops
    ExitKind exit = ExitKind::Do;
    bool parenCall = false;         // Call written "name(args)" without Call
};

struct Param {
    std::string name;
    bool byVal = false;
    bool isArray = false;
};

enum class ProcKind { Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct ProcDef {
    std::string name;
    std::string written;
    Pos pos;
    bool isFunction = false;  // Function and Property Get: assigning to the name sets the result
    ProcKind kind = ProcKind::Sub;
    bool isPublic = true;
    bool isDefault = false;
    std::vector<Param> params;
    Block body;
};

struct FieldDef {
    DimItem item;
    bool isPublic = true;
};

struct ClassDef {
    std::string name;
    std::string written;
    Pos pos;
    std::vector<FieldDef> fields;
    std::vector<ProcDef> methods;
};

// A parsed script: procedures and classes are defined before the top-level code runs.
struct ScriptAst {
    Block top;
    std::vector<ProcDef> procs;
    std::vector<ClassDef> classes;
    bool optionExplicit = false;
};

} // namespace orr::script
