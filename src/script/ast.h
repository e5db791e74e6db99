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
enum class ExprKind { Literal, Name, Call, Member, Neg, Not, Binary, Paren };

struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

struct Expr {
    ExprKind kind;
    Pos pos;
    Variant value;              // Literal
    std::string name;           // Name; Member's member name (lower case)
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
    OnErrorResumeNext, OnErrorGoto0, Erase, OptionExplicit
};

struct DimItem {
    std::string name;
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

enum class ExitKind { Do, For, Sub, Function };

struct Stmt {
    StmtKind kind;
    Pos pos;
    ExprPtr target;                 // Assign/Set target; Call callee; For counter; Select subject
    ExprPtr value;                  // Assign/Set value; For start; ForEach collection; If/Do/While condition
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
};

struct Param {
    std::string name;
    bool byVal = false;
    bool isArray = false;
};

struct ProcDef {
    std::string name;
    Pos pos;
    bool isFunction = false;
    std::vector<Param> params;
    Block body;
};

// A parsed script: procedures are defined before the top-level code runs.
struct ScriptAst {
    Block top;
    std::vector<ProcDef> procs;
    bool optionExplicit = false;
};

} // namespace orr::script
