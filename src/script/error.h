// Script errors: the exception that carries a run-time or syntax error, and the standard messages.
#pragma once
#include <stdexcept>
#include <string>

namespace orr::script {

// Error numbers the engine raises. Run-time numbers match the language's own;
// the 1000 range is for errors found while reading the program text.
enum ErrorNumber : int {
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrOutOfMemory = 7,
    ErrSubscript = 9,
    ErrArrayFixed = 10,
    ErrDivByZero = 11,
    ErrTypeMismatch = 13,
    ErrOutOfStack = 28,
    ErrSubNotDefined = 35,
    ErrObjectNotSet = 91,
    ErrInvalidNull = 94,
    ErrObjectRequired = 424,
    ErrCannotCreate = 429,
    ErrNoSuchMember = 438,
    ErrWrongArgs = 450,
    ErrNotCollection = 451,
    ErrUndefined = 500,
    ErrIllegalAssign = 501,
    ErrUndefinedClass = 506,
    ErrSyntax = 1002,
    ErrExpectedColon = 1003,
    ErrExpectedLParen = 1005,
    ErrExpectedRParen = 1006,
    ErrExpectedIdent = 1010,
    ErrExpectedEquals = 1011,
    ErrExpectedIf = 1012,
    ErrExpectedTo = 1013,
    ErrExpectedEnd = 1014,
    ErrExpectedFunction = 1015,
    ErrExpectedSub = 1016,
    ErrExpectedThen = 1017,
    ErrExpectedWend = 1018,
    ErrExpectedLoop = 1019,
    ErrExpectedNext = 1020,
    ErrExpectedCase = 1021,
    ErrExpectedSelect = 1022,
    ErrExpectedExpression = 1023,
    ErrExpectedStatement = 1024,
    ErrExpectedEndOfStatement = 1025,
    ErrExpectedInteger = 1026,
    ErrExpectedWhileUntil = 1028,
    ErrInvalidCharacter = 1032,
    ErrUnterminatedString = 1033,
    ErrInvalidExit = 1039,
    ErrNameRedefined = 1041,
    ErrParensOnSub = 1044,
    ErrExpectedLiteral = 1045,
    ErrExpectedIn = 1046,
    ErrTimeout = 6002,
    ErrInterrupted = 6003,
};

// The standard description for an error number ("" when there is none).
std::string errorDescription(int number);

// A script error in flight. line and column are 1-based; 0 means "not known yet",
// and the virtual machine fills them from the instruction that failed.
struct ScriptError : std::runtime_error {
    int number;
    std::string description;
    std::string source;
    int line = 0;
    int column = 0;

    ScriptError(int num, std::string desc, int ln = 0, int col = 0)
        : std::runtime_error(desc), number(num), description(std::move(desc)), line(ln), column(col) {}
    explicit ScriptError(int num) : ScriptError(num, errorDescription(num)) {}
};

[[noreturn]] void raise(int number);
[[noreturn]] void raise(int number, const std::string& detail);  // "Type mismatch: 'foo'"

} // namespace orr::script
