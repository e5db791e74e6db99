// Lexical analyser: program text to a list of tokens with their line and column.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "script/variant.h"

namespace orr::script {

enum class TokKind {
    End, Newline, Colon, Ident, Number, String, DateLit,
    Plus, Minus, Star, Slash, Backslash, Caret, Amp, Eq, Ne, Lt, Le, Gt, Ge,
    LParen, RParen, Comma, Dot
};

// Reserved words; identifiers that are not reserved carry Kw::None.
enum class Kw {
    None, And, ByRef, ByVal, Call, Case, Class, Const, Dim, Do, Each, Else, ElseIf, Empty, End,
    Eqv, Erase, Exit, False, For, Function, If, Imp, In, Is, Loop, Mod, New, Next, Not, Nothing,
    Null, On, Or, Preserve, Private, Public, ReDim, Select, Set, Sub, Then, To, True, Until,
    Wend, While, With, Xor
};

struct Token {
    TokKind kind = TokKind::End;
    Kw kw = Kw::None;
    std::string text;  // identifiers in lower case; string literal contents
    std::string written;  // identifiers as the program wrote them, for messages
    Variant value;     // number and date literals
    int line = 1;
    int col = 1;
    bool spaceBefore = false;
};

// Program text as UTF-8: a UTF-16 text with its byte-order mark is converted,
// a UTF-8 byte-order mark dropped, anything else kept as it is.
std::string sourceText(std::string_view text);

// Splits the text; raises a ScriptError with position on an invalid character
// or unterminated string.
// or unterminated string. `progress`, when given, hears of the work done now and
// then (it may throw to stop a very long text).
std::vector<Token> tokenize(std::string_view text, const std::function<void(int)>* progress = nullptr);

} // namespace orr::script
