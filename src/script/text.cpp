// Text helpers: UTF-8 to UTF-16 code units and back, the Windows-1252 table and letter case.
#include "script/text.h"

namespace orr::script {
namespace {

// Windows-1252 codes 0x80-0x9F; the rest of 0-255 is Latin-1.
const char16_t kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Decodes one sequence at s[i]; bytes that do not start a valid sequence are
// read as Windows-1252 characters, so that texts in that code page still work.
char32_t decode(std::string_view s, size_t& i)
{
    auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = b(i);
    auto cont = [&](size_t k) { return k < s.size() && (b(k) & 0xC0) == 0x80; };
    if (c < 0x80) {
        ++i;
        return c;
    }
    if (c >= 0xC2 && c < 0xE0 && cont(i + 1)) {
        char32_t r = (c & 0x1Fu) << 6 | (b(i + 1) & 0x3Fu);
        i += 2;
        return r;
    }
    if (c >= 0xE0 && c < 0xF0 && cont(i + 1) && cont(i + 2)) {
        char32_t r = (c & 0x0Fu) << 12 | (b(i + 1) & 0x3Fu) << 6 | (b(i + 2) & 0x3Fu);
        if (r >= 0x800) {
            i += 3;
            return r;
        }
    }
    if (c >= 0xF0 && c < 0xF5 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
        char32_t r = (c & 0x07u) << 18 | (b(i + 1) & 0x3Fu) << 12 | (b(i + 2) & 0x3Fu) << 6 | (b(i + 3) & 0x3Fu);
        if (r >= 0x10000 && r < 0x110000) {
            i += 4;
            return r;
        }
    }
    ++i;
    return fromCodePage(c);
}

void encode(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

bool isAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::u16string toUtf16(std::string_view s)
{
    std::u16string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        char32_t c = decode(s, i);
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string fromUtf16(std::u16string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        encode(out, c);
    }
    return out;
}

size_t unitCount(std::string_view s)
{
    if (isAscii(s)) return s.size();
    size_t n = 0;
    for (size_t i = 0; i < s.size();) n += decode(s, i) >= 0x10000 ? 2 : 1;
    return n;
}

std::string unitText(char16_t c)
{
    std::string out;
    encode(out, c);
    return out;
}

char16_t fromCodePage(int code)
{
    if (code >= 0x80 && code < 0xA0) return kHigh1252[code - 0x80];
    return static_cast<char16_t>(code & 0xFF);
}

int toCodePage(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit < 0x100)) return unit;
    for (int i = 0; i < 32; ++i)
        if (kHigh1252[i] == unit) return 0x80 + i;
    return -1;
}

char16_t upperUnit(char16_t c)
{
    if (c >= 'a' && c <= 'z') return static_cast<char16_t>(c - 32);
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<char16_t>(c - 32);
    if (c == 0xFF) return 0x178;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return static_cast<char16_t>(c - 32);
    if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 32);
    if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 80);
    if (c >= 0x100 && c <= 0x17F && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddUpper ? (c % 2 == 0) : (c % 2 == 1)) return static_cast<char16_t>(c - 1);
    }
    return c;
}

char16_t lowerUnit(char16_t c)
{
    if (c >= 'A' && c <= 'Z') return static_cast<char16_t>(c + 32);
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char16_t>(c + 32);
    if (c == 0x178) return 0xFF;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return static_cast<char16_t>(c + 32);
    if (c >= 0x410 && c <= 0x42F) return static_cast<char16_t>(c + 32);
    if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 80);
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x138 && c != 0x149 && c != 0x17F) {
        bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddUpper ? (c % 2 == 1) : (c % 2 == 0)) return static_cast<char16_t>(c + 1);
    }
    return c;
}

} // namespace orr::script
