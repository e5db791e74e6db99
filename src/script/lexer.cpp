// Lexical analyser: turns program text into tokens, dropping comments and line continuations.
#include "script/lexer.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "script/datetime.h"
#include "script/error.h"
#include "script/text.h"

namespace orr::script {
namespace {

const std::unordered_map<std::string, Kw>& keywords()
{
    static const std::unordered_map<std::string, Kw> table = {
        {"and", Kw::And}, {"byref", Kw::ByRef}, {"byval", Kw::ByVal}, {"call", Kw::Call},
        {"case", Kw::Case}, {"class", Kw::Class}, {"const", Kw::Const}, {"dim", Kw::Dim},
        {"do", Kw::Do}, {"each", Kw::Each}, {"else", Kw::Else}, {"elseif", Kw::ElseIf},
        {"empty", Kw::Empty}, {"end", Kw::End}, {"eqv", Kw::Eqv}, {"erase", Kw::Erase},
        {"exit", Kw::Exit}, {"false", Kw::False}, {"for", Kw::For}, {"function", Kw::Function},
        {"if", Kw::If}, {"imp", Kw::Imp}, {"in", Kw::In}, {"is", Kw::Is}, {"loop", Kw::Loop},
        {"mod", Kw::Mod}, {"new", Kw::New}, {"next", Kw::Next}, {"not", Kw::Not},
        {"nothing", Kw::Nothing}, {"null", Kw::Null}, {"on", Kw::On}, {"or", Kw::Or},
        {"preserve", Kw::Preserve}, {"private", Kw::Private}, {"public", Kw::Public},
        {"redim", Kw::ReDim}, {"select", Kw::Select}, {"set", Kw::Set}, {"sub", Kw::Sub},
        {"then", Kw::Then}, {"to", Kw::To}, {"true", Kw::True}, {"until", Kw::Until},
        {"wend", Kw::Wend}, {"while", Kw::While}, {"with", Kw::With}, {"xor", Kw::Xor},
    };
    return table;
}

bool identStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80; }
bool identChar(char c) { return identStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '_'; }

class Lexer {
public:
    explicit Lexer(std::string_view t, const std::function<void(int)>* progress = nullptr) : s_(t), progress_(progress)
    {
        if (s_.substr(0, 3) == "\xEF\xBB\xBF") s_.remove_prefix(3);  // a UTF-8 byte-order mark
    }

    std::vector<Token> run()
    {
        bool space = false;
        while (i_ < s_.size()) {
            char c = s_[i_];
            if (c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\0') { advance(); space = true; continue; }
            if (c == '\'') { skipLine(); continue; }
            if (c == '_' && lineContinues()) { space = true; continue; }
            Token t;
            t.line = line_;
            t.col = col_;
            t.spaceBefore = space;
            space = false;
            if (c == '\r' || c == '\n') {
                if (c == '\r' && i_ + 1 < s_.size() && s_[i_ + 1] == '\n') advance();
                advance();
                newline();
                t.kind = TokKind::Newline;
            } else if (identStart(c)) {
                size_t start = i_;
                while (i_ < s_.size() && identChar(s_[i_])) advance();
                t.written = std::string(s_.substr(start, i_ - start));
                t.text = toLower(t.written);
                if (t.text == "rem") {
                    skipLine();
                    continue;
                }
                t.kind = TokKind::Ident;
                auto k = keywords().find(t.text);
                if (k != keywords().end()) t.kw = k->second;
            } else if (c == '[') {
                advance();
                size_t start = i_;
                while (i_ < s_.size() && s_[i_] != ']' && s_[i_] != '\n') advance();
                if (i_ >= s_.size() || s_[i_] != ']') fail(ErrExpectedIdent, t);
                t.written = std::string(s_.substr(start, i_ - start));
                t.text = toLower(t.written);
                advance();
                t.kind = TokKind::Ident;
            } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                       (c == '.' && i_ + 1 < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_ + 1])) && !afterOperand())) {
                number(t);
            } else if (c == '&' && i_ + 1 < s_.size() && (s_[i_ + 1] == 'h' || s_[i_ + 1] == 'H' || s_[i_ + 1] == 'o' || s_[i_ + 1] == 'O' ||
                                                         std::isdigit(static_cast<unsigned char>(s_[i_ + 1])))) {
                radixNumber(t);
            } else if (c == '"') {
                str(t);
            } else if (c == '#') {
                dateLiteral(t);
            } else {
                punct(t);
            }
            toks_.push_back(std::move(t));
            if (progress_ && *progress_ && (toks_.size() & 1023) == 0) report();
        }
        Token end;
        end.line = line_;
        end.col = col_;
        end.kind = TokKind::End;
        toks_.push_back(end);
        return std::move(toks_);
    }

private:
    [[noreturn]] void fail(int num, const Token& t) { throw ScriptError(num, errorDescription(num), t.line, t.col); }

    void advance()
    {
        ++i_;
        ++col_;
    }
    void newline()
    {
        ++line_;
        col_ = 1;
    }
    void skipLine()
    {
        while (i_ < s_.size() && s_[i_] != '\n' && s_[i_] != '\r') advance();
    }
    // "_" at the end of a line joins it to the next.
    bool lineContinues()
    {
        size_t j = i_ + 1;
        while (j < s_.size() && (s_[j] == ' ' || s_[j] == '\t')) ++j;
        if (j < s_.size() && s_[j] != '\r' && s_[j] != '\n') return false;
        if (i_ > 0 && identChar(s_[i_ - 1])) return false;
        while (i_ < j) advance();
        if (i_ < s_.size()) {
            if (s_[i_] == '\r' && i_ + 1 < s_.size() && s_[i_ + 1] == '\n') advance();
            advance();
            newline();
        }
        return true;
    }
    bool afterOperand() const
    {
        if (toks_.empty() || i_ == 0) return false;
        char p = s_[i_ - 1];
        return identChar(p) || p == ')';
    }

    void number(Token& t)
    {
        size_t start = i_;
        bool isFloat = false;
        while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) advance();
        if (i_ < s_.size() && s_[i_] == '.') {
            isFloat = true;
            advance();
            while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) advance();
        }
        if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
            size_t j = i_ + 1;
            if (j < s_.size() && (s_[j] == '+' || s_[j] == '-')) ++j;
            if (j < s_.size() && std::isdigit(static_cast<unsigned char>(s_[j]))) {
                isFloat = true;
                while (i_ < j) advance();
                while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) advance();
            }
        }
        std::string txt(s_.substr(start, i_ - start));
        double d = std::strtod(txt.c_str(), nullptr);
        if (std::isinf(d)) fail(ErrOverflow, t);
        t.kind = TokKind::Number;
        if (!isFloat && d <= 2147483647.0) t.value = Variant::fromInt64(static_cast<int64_t>(d));
        else t.value = Variant::dbl(d);
        if (i_ < s_.size() && identChar(s_[i_])) fail(ErrExpectedEndOfStatement, t);
    }

    void radixNumber(Token& t)
    {
        advance();  // &
        int base = 8;
        if (s_[i_] == 'h' || s_[i_] == 'H') { base = 16; advance(); }
        else if (s_[i_] == 'o' || s_[i_] == 'O') advance();
        uint64_t v = 0;
        int ndigits = 0;
        while (i_ < s_.size()) {
            char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s_[i_])));
            int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : 99;
            if (d >= base) break;
            v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
            if (v > 0xFFFFFFFFull) fail(ErrOverflow, t);
            ++ndigits;
            advance();
        }
        if (ndigits == 0) fail(ErrSyntax, t);
        bool forceLong = i_ < s_.size() && s_[i_] == '&';
        if (forceLong) advance();
        t.kind = TokKind::Number;
        if (!forceLong && v <= 0xFFFF) t.value = Variant::integer(static_cast<int16_t>(static_cast<uint16_t>(v)));
        else t.value = Variant::lng(static_cast<int32_t>(static_cast<uint32_t>(v)));
    }

    void str(Token& t)
    {
        advance();
        std::string out;
        for (;;) {
            if (i_ >= s_.size() || s_[i_] == '\n' || s_[i_] == '\r') fail(ErrUnterminatedString, t);
            if (s_[i_] == '"') {
                if (i_ + 1 < s_.size() && s_[i_ + 1] == '"') {
                    out += '"';
                    advance();
                    advance();
                    continue;
                }
                advance();
                break;
            }
            out += s_[i_];
            advance();
        }
        t.kind = TokKind::String;
        t.text = std::move(out);
    }

    void dateLiteral(Token& t)
    {
        advance();
        size_t start = i_;
        while (i_ < s_.size() && s_[i_] != '#' && s_[i_] != '\n' && s_[i_] != '\r') advance();
        if (i_ >= s_.size() || s_[i_] != '#') fail(ErrSyntax, t);
        double d;
        if (!parseDate(s_.substr(start, i_ - start), d)) fail(ErrSyntax, t);
        advance();
        t.kind = TokKind::DateLit;
        t.value = Variant::date(d);
    }

    void punct(Token& t)
    {
        char c = s_[i_];
        char n = i_ + 1 < s_.size() ? s_[i_ + 1] : '\0';
        advance();
        switch (c) {
        case ':': t.kind = TokKind::Colon; return;
        case '+': t.kind = TokKind::Plus; return;
        case '-': t.kind = TokKind::Minus; return;
        case '*': t.kind = TokKind::Star; return;
        case '/': t.kind = TokKind::Slash; return;
        case '\\': t.kind = TokKind::Backslash; return;
        case '^': t.kind = TokKind::Caret; return;
        case '&': t.kind = TokKind::Amp; return;
        case '=':
            // "=<" and "=>" are the other spellings of "<=" and ">=".
            if (n == '<') { advance(); t.kind = TokKind::Le; }
            else if (n == '>') { advance(); t.kind = TokKind::Ge; }
            else t.kind = TokKind::Eq;
            return;
        case '(': t.kind = TokKind::LParen; return;
        case ')': t.kind = TokKind::RParen; return;
        case ',': t.kind = TokKind::Comma; return;
        case '.': t.kind = TokKind::Dot; return;
        case '<':
            if (n == '>') { advance(); t.kind = TokKind::Ne; }
            else if (n == '=') { advance(); t.kind = TokKind::Le; }
            else t.kind = TokKind::Lt;
            return;
        case '>':
            if (n == '=') { advance(); t.kind = TokKind::Ge; }
            else if (n == '<') { advance(); t.kind = TokKind::Ne; }
            else t.kind = TokKind::Gt;
            return;
        default: fail(ErrInvalidCharacter, t);
        }
    }

    // Tells the listener of the work done; a time-out it raises names the line reached.
    void report()
    {
        try {
            (*progress_)(16);
        } catch (ScriptError& e) {
            if (e.line == 0) {
                e.line = line_;
                e.column = col_;
            }
            throw;
        }
    }

    std::string_view s_;
    const std::function<void(int)>* progress_ = nullptr;
    size_t i_ = 0;
    int line_ = 1, col_ = 1;
    std::vector<Token> toks_;
};

} // namespace

std::string sourceText(std::string_view text)
{
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    bool le = text.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE;
    bool be = text.size() >= 2 && byte(0) == 0xFE && byte(1) == 0xFF;
    if (!le && !be) {
        if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
        return std::string(text);
    }
    std::u16string units;
    units.reserve(text.size() / 2);
    for (size_t i = 2; i + 1 < text.size(); i += 2)
        units.push_back(static_cast<char16_t>(le ? byte(i) | byte(i + 1) << 8 : byte(i) << 8 | byte(i + 1)));
    return fromUtf16(units);
}

std::vector<Token> tokenize(std::string_view text, const std::function<void(int)>* progress)
{
    auto b = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    if (text.size() >= 2 && ((b(0) == 0xFF && b(1) == 0xFE) || (b(0) == 0xFE && b(1) == 0xFF))) {
        std::string utf8 = sourceText(text);
        return Lexer(utf8, progress).run();
    }
    return Lexer(text, progress).run();
}

} // namespace orr::script
