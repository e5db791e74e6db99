// Error descriptions: the messages that go with the engine's error numbers.
#include "script/error.h"

namespace orr::script {

std::string errorDescription(int number)
{
    switch (number) {
    case 3: return "Return without GoSub";
    case ErrInvalidCall: return "Invalid procedure call or argument";
    case ErrOverflow: return "Overflow";
    case ErrOutOfMemory: return "Out of memory";
    case ErrSubscript: return "Subscript out of range";
    case ErrArrayFixed: return "This array is fixed or temporarily locked";
    case ErrDivByZero: return "Division by zero";
    case ErrTypeMismatch: return "Type mismatch";
    case 14: return "Out of string space";
    case ErrOutOfStack: return "Out of stack space";
    case ErrSubNotDefined: return "Sub or Function not defined";
    case 48: return "Error in loading DLL";
    case 51: return "Internal error";
    case 53: return "File not found";
    case 70: return "Permission denied";
    case ErrObjectNotSet: return "Object variable not set";
    case 92: return "For loop not initialized";
    case ErrInvalidNull: return "Invalid use of Null";
    case ErrObjectRequired: return "Object required";
    case 429: return "ActiveX component can't create object";
    case ErrNoSuchMember: return "Object doesn't support this property or method";
    case ErrWrongArgs: return "Wrong number of arguments or invalid property assignment";
    case ErrNotCollection: return "Object not a collection";
    case ErrUndefined: return "Variable is undefined";
    case ErrIllegalAssign: return "Illegal assignment";
    case ErrUndefinedClass: return "Class not defined";
    case 5018: return "Unexpected quantifier";
    case 32811: return "Element not found";
    case 457: return "This key is already associated with an element of this collection";
    case 458: return "Variable uses an Automation type not supported in VBScript";
    case 1001: return "Out of memory";
    case ErrSyntax: return "Syntax error";
    case ErrExpectedColon: return "Expected ':'";
    case ErrExpectedLParen: return "Expected '('";
    case ErrExpectedRParen: return "Expected ')'";
    case ErrExpectedIdent: return "Expected identifier";
    case ErrExpectedEquals: return "Expected '='";
    case ErrExpectedIf: return "Expected 'If'";
    case ErrExpectedTo: return "Expected 'To'";
    case ErrExpectedEnd: return "Expected 'End'";
    case ErrExpectedFunction: return "Expected 'Function'";
    case ErrExpectedSub: return "Expected 'Sub'";
    case ErrExpectedThen: return "Expected 'Then'";
    case ErrExpectedWend: return "Expected 'Wend'";
    case ErrExpectedLoop: return "Expected 'Loop'";
    case ErrExpectedNext: return "Expected 'Next'";
    case ErrExpectedCase: return "Expected 'Case'";
    case ErrExpectedSelect: return "Expected 'Select'";
    case ErrExpectedExpression: return "Expected expression";
    case ErrExpectedStatement: return "Expected statement";
    case ErrExpectedEndOfStatement: return "Expected end of statement";
    case ErrExpectedInteger: return "Expected integer constant";
    case ErrExpectedWhileUntil: return "Expected 'While', 'Until' or end of statement";
    case ErrInvalidCharacter: return "Invalid character";
    case ErrUnterminatedString: return "Unterminated string constant";
    case ErrInvalidExit: return "Invalid 'exit' statement";
    case ErrNameRedefined: return "Name redefined";
    case ErrParensOnSub: return "Cannot use parentheses when calling a Sub";
    case ErrExpectedLiteral: return "Expected literal constant";
    case ErrExpectedIn: return "Expected 'In'";
    case ErrTimeout: return "Script timed out";
    case ErrInterrupted: return "Script interrupted";
    default: return "";
    }
}

void raise(int number) { throw ScriptError(number); }

void raise(int number, const std::string& detail)
{
    throw ScriptError(number, errorDescription(number) + ": '" + detail + "'");
}

} // namespace orr::script
