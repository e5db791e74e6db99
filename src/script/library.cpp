// The runtime library: mathematics, text, conversion, array, date and dialog functions.
#include "script/library.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <unordered_map>

#include "script/datetime.h"
#include "script/engine.h"
#include "script/error.h"
#include "script/library_more.h"
#include "script/operators.h"
#include "script/text.h"

namespace orr::script {
namespace {

using Args = Variant*;

const Variant& arg(Args a, int i) { return a[i].deref(); }
bool isNull(Args a, int i) { return a[i].deref().isNull(); }
std::string text(Args a, int i) { return toString(a[i]); }
int32_t whole(Args a, int i) { return toLong(a[i]); }
int32_t optWhole(Args a, int argc, int i, int32_t def)
{
    return i < argc && !a[i].deref().isEmpty() ? toLong(a[i]) : def;
}

Variant ok(bool b) { return Variant::boolean(b); }
Variant strv(std::string s) { return Variant::str(std::move(s)); }

// ---- mathematics ----
Variant mathResult(double r)
{
    if (std::isinf(r)) raise(ErrOverflow);
    if (std::isnan(r)) raise(ErrInvalidCall);
    return Variant::dbl(r);
}

Variant fnAbs(Engine&, Args a, int)
{
    const Variant v = valueOf(a[0]);
    switch (v.tag()) {
    case TNull: return Variant::null();
    case TEmpty: return Variant::integer(0);
    case TBool: case TInt: return Variant::fromInt64(std::abs(static_cast<int64_t>(v.rawInt())));
    case TByte: return v;
    case TLong: {
        int64_t r = std::abs(static_cast<int64_t>(v.rawInt()));
        return r > INT32_MAX ? Variant::dbl(static_cast<double>(r)) : Variant::lng(static_cast<int32_t>(r));
    }
    case TSingle: return Variant::single(std::fabs(v.rawSingle()));
    case TCurrency: return Variant::currency(v.rawCurrency() < 0 ? -v.rawCurrency() : v.rawCurrency());
    default: return Variant::dbl(std::fabs(toDouble(v)));
    }
}

// Int and Fix keep the argument's type; text becomes a Double.
Variant intOrFix(const Variant& v0, bool floorIt)
{
    const Variant v = valueOf(v0);
    switch (v.tag()) {
    case TNull: return Variant::null();
    case TEmpty: return Variant::integer(0);
    case TBool: return Variant::integer(v.rawInt());
    case TByte: case TInt: case TLong: return v;
    case TSingle: return Variant::single(floorIt ? std::floor(v.rawSingle()) : std::trunc(v.rawSingle()));
    case TCurrency: {
        double d = static_cast<double>(v.rawCurrency()) / 10000.0;
        return Variant::currency(static_cast<int64_t>(floorIt ? std::floor(d) : std::trunc(d)) * 10000);
    }
    case TDate: return Variant::date(floorIt ? std::floor(v.rawDouble()) : std::trunc(v.rawDouble()));
    default: {
        double d = toDouble(v);
        return Variant::dbl(floorIt ? std::floor(d) : std::trunc(d));
    }
    }
}
Variant fnInt(Engine&, Args a, int) { return intOrFix(a[0], true); }
Variant fnFix(Engine&, Args a, int) { return intOrFix(a[0], false); }

Variant fnRound(Engine&, Args a, int argc)
{
    const Variant v = valueOf(a[0]);
    if (v.isNull()) return Variant::null();
    int places = optWhole(a, argc, 1, 0);
    if (places < 0) raise(ErrInvalidCall);
    if (v.isIntegral()) return v;
    double d = toDouble(v);
    double scale = std::pow(10.0, places);
    double r = places == 0 ? std::nearbyint(d) : std::nearbyint(d * scale) / scale;
    if (places > 0 && std::isinf(d * scale)) r = d;
    if (v.tag() == TSingle) return Variant::single(static_cast<float>(r));
    if (v.tag() == TCurrency) return Variant::currency(static_cast<int64_t>(std::nearbyint(r * 10000.0)));
    return Variant::dbl(r);
}

Variant fnSgn(Engine&, Args a, int)
{
    if (isNull(a, 0)) return Variant::null();
    double d = toDouble(a[0]);
    return Variant::integer(d > 0 ? 1 : (d < 0 ? -1 : 0));
}

template <double (*F)(double)>
Variant unaryMath(Engine&, Args a, int)
{
    if (isNull(a, 0)) return Variant::null();
    return mathResult(F(toDouble(a[0])));
}
double dAtn(double x) { return std::atan(x); }
double dCos(double x) { return std::cos(x); }
double dSin(double x) { return std::sin(x); }
double dTan(double x) { return std::tan(x); }
double dExp(double x) { return std::exp(x); }
double dLog(double x)
{
    if (x <= 0) raise(ErrInvalidCall);
    return std::log(x);
}
double dSqr(double x)
{
    if (x < 0) raise(ErrInvalidCall);
    return std::sqrt(x);
}

// The classic 24-bit linear congruential generator the language uses.
uint32_t& rndSeed(Engine& e) { return e.randomSeed(); }

Variant fnRnd(Engine& e, Args a, int argc)
{
    uint32_t& seed = rndSeed(e);
    if (argc > 0) {
        float n = static_cast<float>(toDouble(a[0]));
        if (n == 0) return Variant::single(static_cast<float>(seed) / 16777216.0f);
        if (n < 0) {
            uint32_t bits;
            std::memcpy(&bits, &n, sizeof bits);
            seed = (bits + (bits >> 24)) & 0xFFFFFF;
        }
    }
    seed = (seed * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return Variant::single(static_cast<float>(seed) / 16777216.0f);
}

Variant fnRandomize(Engine& e, Args a, int argc)
{
    double n;
    if (argc > 0) n = toDouble(a[0]);
    else {
        auto now = std::chrono::system_clock::now().time_since_epoch();
        n = static_cast<double>(std::chrono::duration_cast<std::chrono::microseconds>(now).count() % 86400000000LL) / 1e6;
    }
    uint64_t bits;
    std::memcpy(&bits, &n, sizeof bits);
    uint32_t mix = static_cast<uint32_t>(bits >> 32) ^ static_cast<uint32_t>(bits);
    uint32_t& seed = rndSeed(e);
    seed = ((mix & 0xFFFF) << 8 ^ (seed & 0xFF) ^ (mix >> 16)) & 0xFFFFFF;
    return {};
}

// ---- text ----
// Text positions and lengths count UTF-16 code units; texts of plain ASCII
// (the usual case) are worked on directly.
std::string unitSlice(const std::string& s, size_t start, size_t n)
{
    if (isAscii(s)) return start >= s.size() ? std::string() : s.substr(start, n);
    std::u16string u = toUtf16(s);
    if (start >= u.size()) return {};
    return fromUtf16(std::u16string_view(u).substr(start, n));
}

Variant fnLen(Engine&, Args a, int)
{
    const Variant v = valueOf(a[0]);
    if (v.isNull()) return Variant::null();
    return Variant::lng(static_cast<int32_t>(unitCount(toString(v))));
}

Variant fnLeft(Engine&, Args a, int)
{
    if (isNull(a, 0)) return Variant::null();
    if (isNull(a, 1)) raise(ErrInvalidNull);
    int32_t n = whole(a, 1);
    if (n < 0) raise(ErrInvalidCall);
    return strv(unitSlice(text(a, 0), 0, static_cast<size_t>(n)));
}

Variant fnRight(Engine&, Args a, int)
{
    if (isNull(a, 0)) return Variant::null();
    if (isNull(a, 1)) raise(ErrInvalidNull);
    int32_t n = whole(a, 1);
    if (n < 0) raise(ErrInvalidCall);
    std::string s = text(a, 0);
    size_t len = unitCount(s);
    size_t k = std::min(len, static_cast<size_t>(n));
    return strv(unitSlice(s, len - k, k));
}

Variant fnMid(Engine&, Args a, int argc)
{
    if (isNull(a, 0)) return Variant::null();
    if (isNull(a, 1) || (argc > 2 && isNull(a, 2))) raise(ErrInvalidNull);
    int32_t start = whole(a, 1);
    if (start < 1) raise(ErrInvalidCall);
    int32_t n = argc > 2 && !arg(a, 2).isEmpty() ? whole(a, 2) : INT32_MAX;
    if (n < 0) raise(ErrInvalidCall);
    return strv(unitSlice(text(a, 0), static_cast<size_t>(start - 1), static_cast<size_t>(n)));
}

std::u16string foldedUnits(const std::string& s, bool textCmp)
{
    std::u16string u = toUtf16(s);
    if (textCmp)
        for (char16_t& c : u) c = lowerUnit(c);
    return u;
}

// Position (0-based, in code units) of needle in hay at or after `from`, or npos.
size_t findText(const std::string& hay, const std::string& needle, size_t from, bool textCmp)
{
    if (isAscii(hay) && isAscii(needle)) {
        if (!textCmp) return hay.find(needle, from);
        return toLower(hay).find(toLower(needle), from);
    }
    return foldedUnits(hay, textCmp).find(foldedUnits(needle, textCmp), from);
}

// The compare argument: Null is an invalid use of Null, other values must be 0 or 1.
bool compareMode(Args a, int argc, int i)
{
    if (i >= argc || arg(a, i).isEmpty()) return false;
    if (isNull(a, i)) raise(ErrInvalidNull);
    int32_t m = whole(a, i);
    if (m < 0 || m > 1) raise(ErrInvalidCall);
    return m == 1;
}

Variant fnInStr(Engine&, Args a, int argc)
{
    int32_t start = 1;
    int i = 0;
    if (argc >= 3) {
        if (isNull(a, 0)) raise(ErrInvalidNull);
        start = whole(a, 0);
        if (start < 1) raise(ErrInvalidCall);
        i = 1;
    }
    bool tc = compareMode(a, argc, i + 2);
    if (isNull(a, i) || isNull(a, i + 1)) return Variant::null();
    std::string s1 = text(a, i), s2 = text(a, i + 1);
    if (s1.empty()) return Variant::lng(0);
    size_t len = unitCount(s1);
    if (static_cast<size_t>(start) > len) return Variant::lng(s2.empty() && static_cast<size_t>(start) == len + 1 ? start : 0);
    if (s2.empty()) return Variant::lng(start);
    size_t p = findText(s1, s2, static_cast<size_t>(start - 1), tc);
    return Variant::lng(p == std::string::npos ? 0 : static_cast<int32_t>(p + 1));
}

Variant fnInStrRev(Engine&, Args a, int argc)
{
    if (argc > 2 && isNull(a, 2)) raise(ErrInvalidNull);
    bool tc = compareMode(a, argc, 3);
    if (isNull(a, 0) || isNull(a, 1)) return Variant::null();
    std::u16string s1 = foldedUnits(text(a, 0), tc), s2 = foldedUnits(text(a, 1), tc);
    int32_t start = optWhole(a, argc, 2, -1);
    if (start == 0 || start < -1) raise(ErrInvalidCall);
    if (start == -1) start = static_cast<int32_t>(s1.size());
    if (static_cast<size_t>(start) > s1.size()) return Variant::lng(0);
    if (s2.empty()) return Variant::lng(start);
    if (s2.size() > static_cast<size_t>(start)) return Variant::lng(0);
    size_t p = s1.rfind(s2, static_cast<size_t>(start) - s2.size());
    return Variant::lng(p == std::string::npos ? 0 : static_cast<int32_t>(p + 1));
}

Variant caseMap(const Variant& v0, bool upper)
{
    const Variant v = valueOf(v0);
    if (v.isNull()) return Variant::null();
    std::string s = toString(v);
    if (isAscii(s)) {
        for (char& c : s) c = static_cast<char>(upper ? std::toupper(static_cast<unsigned char>(c)) : std::tolower(static_cast<unsigned char>(c)));
        return strv(std::move(s));
    }
    std::u16string u = toUtf16(s);
    for (char16_t& c : u) c = upper ? upperUnit(c) : lowerUnit(c);
    return strv(fromUtf16(u));
}
Variant fnLCase(Engine&, Args a, int) { return caseMap(a[0], false); }
Variant fnUCase(Engine&, Args a, int) { return caseMap(a[0], true); }

Variant trimmed(const Variant& v0, bool left, bool right)
{
    const Variant v = valueOf(v0);
    if (v.isNull()) return Variant::null();
    std::string s = toString(v);
    size_t b = 0, e = s.size();
    if (left) while (b < e && s[b] == ' ') ++b;
    if (right) while (e > b && s[e - 1] == ' ') --e;
    return strv(s.substr(b, e - b));
}
Variant fnTrim(Engine&, Args a, int) { return trimmed(a[0], true, true); }
Variant fnLTrim(Engine&, Args a, int) { return trimmed(a[0], true, false); }
Variant fnRTrim(Engine&, Args a, int) { return trimmed(a[0], false, true); }

Variant fnSpace(Engine&, Args a, int)
{
    int32_t n = whole(a, 0);
    if (n < 0 || n > 100'000'000) raise(ErrInvalidCall);
    return strv(std::string(static_cast<size_t>(n), ' '));
}

Variant fnString(Engine&, Args a, int)
{
    if (isNull(a, 1)) return Variant::null();
    int32_t n = whole(a, 0);
    if (n < 0 || n > 100'000'000) raise(ErrInvalidCall);
    const Variant& c = arg(a, 1);
    std::string unit;
    if (c.isString()) {
        if (c.rawString().empty()) raise(ErrInvalidCall);
        unit = unitText(toUtf16(c.rawString())[0]);
    } else {
        unit = unitText(fromCodePage(toLong(c) & 0xFF));
    }
    if (unit.size() == 1) return strv(std::string(static_cast<size_t>(n), unit[0]));
    std::string out;
    out.reserve(unit.size() * static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) out += unit;
    return strv(std::move(out));
}

// Replaces up to `count` (-1: all) occurrences of needle, found in `hay` (the
// text as compared), in `text` (the same text as kept).
template <typename Str>
Str replaceAll(Engine& e, std::basic_string_view<typename Str::value_type> hay, const Str& text, const Str& needle,
               const Str& repl, int32_t count)
{
    Str out;
    size_t pos = 0;
    for (int32_t done = 0; count < 0 || done < count; ++done) {
        if ((done & 1023) == 1023) e.pollAfter(1024);
        size_t hit = hay.find(needle, pos);
        if (hit == Str::npos) break;
        out.append(text, pos, hit - pos);
        out += repl;
        pos = hit + needle.size();
    }
    out.append(text, pos, Str::npos);
    return out;
}

Variant fnReplace(Engine& e, Args a, int argc)
{
    if (isNull(a, 0)) return Variant::null();
    for (int i = 1; i < argc; ++i)
        if (isNull(a, i)) raise(ErrInvalidNull);
    std::string s = text(a, 0), find = text(a, 1), repl = text(a, 2);
    int32_t start = optWhole(a, argc, 3, 1);
    int32_t count = optWhole(a, argc, 4, -1);
    if (start < 1 || count < -1) raise(ErrInvalidCall);
    bool tc = compareMode(a, argc, 5);
    if (static_cast<size_t>(start) > unitCount(s)) return strv("");
    s = unitSlice(s, static_cast<size_t>(start - 1), std::string::npos);
    if (find.empty() || count == 0) return strv(s);
    if (tc && !(isAscii(s) && isAscii(find))) {
        // Text comparison beyond ASCII: work on code units.
        std::u16string folded = foldedUnits(s, true);
        return strv(fromUtf16(replaceAll(e, std::u16string_view(folded), toUtf16(s), foldedUnits(find, true), toUtf16(repl), count)));
    }
    std::string lowered = tc ? toLower(s) : std::string();
    return strv(replaceAll(e, std::string_view(tc ? lowered : s), s, tc ? toLower(find) : find, repl, count));
}

Variant stringArray(const std::vector<std::string>& parts)
{
    auto* arr = new ArrObj(std::vector<int32_t>{static_cast<int32_t>(parts.size()) - 1});
    for (size_t i = 0; i < parts.size(); ++i) arr->data[i] = Variant::str(parts[i]);
    return Variant::array(arr);
}

Variant fnSplit(Engine& e, Args a, int argc)
{
    if (isNull(a, 0)) return Variant::null();
    for (int i = 1; i < argc; ++i)
        if (isNull(a, i)) raise(ErrInvalidNull);
    std::string s = text(a, 0);
    std::string delim = argc > 1 && !arg(a, 1).isEmpty() ? text(a, 1) : " ";
    int32_t count = optWhole(a, argc, 2, -1);
    if (count < -1) raise(ErrInvalidCall);
    bool tc = compareMode(a, argc, 3);
    std::vector<std::string> parts;
    if (s.empty()) return stringArray(parts);
    if (delim.empty()) return stringArray({s});
    // Byte positions: letter case folds only in the ASCII range, which keeps them.
    std::string hay = tc ? toLower(s) : s, needle = tc ? toLower(delim) : delim;
    size_t pos = 0;
    for (;;) {
        if (count > 0 && static_cast<int32_t>(parts.size()) == count - 1) break;
        if ((parts.size() & 1023) == 1023) e.pollAfter(1024);
        size_t hit = hay.find(needle, pos);
        if (hit == std::string::npos) break;
        parts.push_back(s.substr(pos, hit - pos));
        pos = hit + delim.size();
    }
    parts.push_back(s.substr(pos));
    return stringArray(parts);
}

const ArrObj& arrayArg(Args a, int i)
{
    const Variant& v = arg(a, i);
    if (!v.isArray()) raise(ErrTypeMismatch);
    return *v.rawArray();
}

Variant fnJoin(Engine&, Args a, int argc)
{
    const ArrObj& arr = arrayArg(a, 0);
    if (arr.ubounds.size() > 1) raise(ErrSubscript);
    std::string delim = argc > 1 ? text(a, 1) : " ";
    std::string out;
    for (size_t i = 0; i < arr.data.size(); ++i) {
        if (i) out += delim;
        if (!arr.data[i].isNull()) out += toString(arr.data[i]);
    }
    return strv(std::move(out));
}

Variant fnStrComp(Engine&, Args a, int argc)
{
    if (isNull(a, 0) || isNull(a, 1)) return Variant::null();
    return Variant::integer(compareStrings(text(a, 0), text(a, 1), compareMode(a, argc, 2)));
}

Variant fnStrReverse(Engine&, Args a, int)
{
    if (isNull(a, 0)) raise(ErrInvalidNull);
    std::string s = text(a, 0);
    if (isAscii(s)) {
        std::reverse(s.begin(), s.end());
        return strv(std::move(s));
    }
    std::u16string u = toUtf16(s);
    std::reverse(u.begin(), u.end());
    return strv(fromUtf16(u));
}

// Chr and Asc use the Windows-1252 code page; ChrW and AscW take code units.
Variant fnChr(Engine&, Args a, int)
{
    int32_t n = whole(a, 0);
    if (n < 0 || n > 255) raise(ErrInvalidCall);
    return strv(unitText(fromCodePage(n)));
}

Variant fnChrW(Engine&, Args a, int)
{
    int32_t n = whole(a, 0);
    if (n < -32768 || n > 65535) raise(ErrInvalidCall);
    return strv(unitText(static_cast<char16_t>(n & 0xFFFF)));
}

char16_t firstUnit(Args a)
{
    if (isNull(a, 0)) raise(ErrInvalidNull);
    std::string s = text(a, 0);
    if (s.empty()) raise(ErrInvalidCall);
    if (static_cast<unsigned char>(s[0]) < 0x80) return static_cast<char16_t>(s[0]);
    return toUtf16(s)[0];
}

Variant fnAsc(Engine&, Args a, int)
{
    int code = toCodePage(firstUnit(a));
    return Variant::integer(code < 0 ? '?' : code);
}

Variant fnAscW(Engine&, Args a, int) { return Variant::integer(static_cast<int16_t>(firstUnit(a))); }

// ---- conversion ----
Variant fnCInt(Engine&, Args a, int) { return Variant::integer(toInteger(valueOf(a[0]))); }
Variant fnCLng(Engine&, Args a, int) { return Variant::lng(toLong(valueOf(a[0]))); }
Variant fnCByte(Engine&, Args a, int)
{
    int32_t v = toLong(valueOf(a[0]));
    if (v < 0 || v > 255) raise(ErrOverflow);
    return Variant::byte(v);
}
Variant fnCSng(Engine&, Args a, int)
{
    double d = toDouble(valueOf(a[0]));
    if (std::fabs(d) > 3.402823466e38) raise(ErrOverflow);
    return Variant::single(static_cast<float>(d));
}
Variant fnCDbl(Engine&, Args a, int) { return Variant::dbl(toDouble(valueOf(a[0]))); }
Variant fnCCur(Engine&, Args a, int) { return Variant::currency(toCurrency(valueOf(a[0]))); }
Variant fnCBool(Engine&, Args a, int) { return Variant::boolean(toBool(valueOf(a[0]))); }
Variant fnCStr(Engine&, Args a, int) { return strv(toString(valueOf(a[0]))); }
Variant fnCDate(Engine&, Args a, int) { return Variant::date(toDate(valueOf(a[0]))); }

Variant radix(const Variant& v0, bool hex)
{
    const Variant v = valueOf(v0);
    if (v.isNull()) return Variant::null();
    if (v.isEmpty()) return strv("0");
    int32_t n = toLong(v);
    bool shortForm = (v.tag() == TInt || v.tag() == TByte || v.tag() == TBool) ||
                     (!v.isIntegral() && n >= -32768 && n <= 32767 && n < 0 && false);
    uint32_t u = shortForm ? static_cast<uint16_t>(n) : static_cast<uint32_t>(n);
    char buf[24];
    std::snprintf(buf, sizeof buf, hex ? "%X" : "%o", u);
    return strv(buf);
}
Variant fnHex(Engine&, Args a, int) { return radix(a[0], true); }
Variant fnOct(Engine&, Args a, int) { return radix(a[0], false); }

Variant fnStr(Engine&, Args a, int)
{
    const Variant v = valueOf(a[0]);
    if (v.isNull()) return Variant::null();
    std::string s = toString(Variant::dbl(toDouble(v)));
    if (v.isIntegral()) s = std::to_string(v.rawInt());
    return strv(toDouble(v) >= 0 ? " " + s : s);
}

Variant fnVal(Engine&, Args a, int)
{
    std::string s = text(a, 0), digits;
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) digits += s[i++];
    bool dot = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c == ' ' || c == '\t') continue;
        if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
        else if (c == '.' && !dot) { dot = true; digits += c; }
        else break;
    }
    double d = 0;
    if (!parseNumber(digits, d)) d = 0;
    return Variant::dbl(d);
}

// ---- inspection and arrays ----
Variant fnIsNumeric(Engine&, Args a, int)
{
    const Variant& v = arg(a, 0);
    switch (v.tag()) {
    case TEmpty: case TBool: case TByte: case TInt: case TLong: case TSingle: case TDouble: case TCurrency: return ok(true);
    case TString: {
        double d;
        return ok(parseNumber(v.rawString(), d));
    }
    default: return ok(false);
    }
}
Variant fnIsEmpty(Engine&, Args a, int) { return ok(arg(a, 0).isEmpty()); }
Variant fnIsNull(Engine&, Args a, int) { return ok(arg(a, 0).isNull()); }
Variant fnIsArray(Engine&, Args a, int) { return ok(arg(a, 0).isArray()); }
Variant fnIsObject(Engine&, Args a, int) { return ok(arg(a, 0).isObject()); }
Variant fnIsDate(Engine&, Args a, int)
{
    const Variant& v = arg(a, 0);
    if (v.tag() == TDate) return ok(true);
    double d;
    return ok(v.isString() && parseDate(v.rawString(), d));
}
Variant fnVarType(Engine&, Args a, int) { return Variant::integer(static_cast<int>(arg(a, 0).varType())); }
Variant fnTypeName(Engine&, Args a, int) { return strv(typeName(arg(a, 0))); }

Variant bound(Args a, int argc, bool upper)
{
    const ArrObj& arr = arrayArg(a, 0);
    int32_t dim = optWhole(a, argc, 1, 1);
    if (arr.ubounds.empty() || dim < 1 || static_cast<size_t>(dim) > arr.ubounds.size()) raise(ErrSubscript);
    return Variant::lng(upper ? arr.ubounds[static_cast<size_t>(dim - 1)] : 0);
}
Variant fnLBound(Engine&, Args a, int argc) { return bound(a, argc, false); }
Variant fnUBound(Engine&, Args a, int argc) { return bound(a, argc, true); }

Variant fnArray(Engine&, Args a, int argc)
{
    auto* arr = new ArrObj(std::vector<int32_t>{argc - 1});
    for (int i = 0; i < argc; ++i) arr->data[static_cast<size_t>(i)] = arg(a, i);
    return Variant::array(arr);
}

// ---- dates ----
Variant fnNow(Engine&, Args, int) { return Variant::date(nowSerial()); }
Variant fnDate(Engine&, Args, int) { return Variant::date(std::trunc(nowSerial())); }
Variant fnTime(Engine&, Args, int)
{
    double n = nowSerial();
    return Variant::date(n - std::trunc(n));
}
Variant fnTimer(Engine&, Args, int)
{
    auto now = std::chrono::system_clock::now();
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm lt{};
    localtime_r(&t, &lt);
    double frac = static_cast<double>(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000) / 1000.0;
    return Variant::single(static_cast<float>(lt.tm_hour * 3600 + lt.tm_min * 60 + lt.tm_sec + frac));
}

template <int DateParts::*Field>
Variant datePart(Engine&, Args a, int)
{
    if (isNull(a, 0)) return Variant::null();
    DateParts p = splitDate(toDate(a[0]));
    return Variant::integer(p.*Field);
}

Variant fnWeekday(Engine&, Args a, int argc)
{
    if (isNull(a, 0)) return Variant::null();
    int first = optWhole(a, argc, 1, 1);
    if (first < 0 || first > 7) raise(ErrInvalidCall);
    if (first == 0) first = 1;
    int wd = splitDate(toDate(a[0])).weekday;
    return Variant::integer((wd - first + 7) % 7 + 1);
}

Variant fnDateSerial(Engine&, Args a, int) { return Variant::date(dateSerial(whole(a, 0), whole(a, 1), whole(a, 2))); }
Variant fnTimeSerial(Engine&, Args a, int)
{
    double t = timeSerial(whole(a, 0), whole(a, 1), whole(a, 2));
    return Variant::date(t);
}
Variant fnDateValue(Engine&, Args a, int) { return Variant::date(std::trunc(toDate(a[0]))); }
Variant fnTimeValue(Engine&, Args a, int)
{
    double d = toDate(a[0]);
    return Variant::date(std::fabs(d - std::trunc(d)));
}

// Seconds and day counts for the DateAdd / DateDiff intervals; months and years are handled apart.
bool intervalSeconds(const std::string& iv, double& secs)
{
    if (iv == "d" || iv == "y" || iv == "w") secs = 86400;
    else if (iv == "ww") secs = 7 * 86400;
    else if (iv == "h") secs = 3600;
    else if (iv == "n") secs = 60;
    else if (iv == "s") secs = 1;
    else return false;
    return true;
}

Variant fnDateAdd(Engine&, Args a, int)
{
    std::string iv = toLower(text(a, 0));
    double n = std::trunc(toDouble(a[1]));
    if (isNull(a, 2)) return Variant::null();
    double d = toDate(a[2]);
    double secs;
    if (intervalSeconds(iv, secs)) {
        DateParts p = splitDate(d);
        double day = std::trunc(d);
        double t = p.hour * 3600.0 + p.minute * 60.0 + p.second + n * secs;
        double days = std::floor(t / 86400.0);
        t -= days * 86400.0;
        return Variant::date(combineDate(day + days, t / 86400.0));
    }
    int months;
    if (iv == "m") months = 1;
    else if (iv == "q") months = 3;
    else if (iv == "yyyy") months = 12;
    else raise(ErrInvalidCall);
    DateParts p = splitDate(d);
    int total = p.month - 1 + static_cast<int>(n) * months;
    int y = p.year + (total >= 0 ? total / 12 : (total - 11) / 12);
    int m = ((total % 12) + 12) % 12 + 1;
    int last = static_cast<int>(dateSerial(y, m + 1, 1) - dateSerial(y, m, 1));
    double day = dateSerial(y, m, std::min(p.day, last));
    return Variant::date(combineDate(day, timeSerial(p.hour, p.minute, p.second)));
}

Variant fnDateDiff(Engine&, Args a, int)
{
    std::string iv = toLower(text(a, 0));
    if (isNull(a, 1) || isNull(a, 2)) return Variant::null();
    double d1 = toDate(a[1]), d2 = toDate(a[2]);
    DateParts p1 = splitDate(d1), p2 = splitDate(d2);
    auto secondsOf = [](double d, const DateParts& p) {
        return std::trunc(d) * 86400.0 + (d < 0 ? -1 : 1) * (p.hour * 3600.0 + p.minute * 60.0 + p.second);
    };
    double s1 = secondsOf(d1, p1), s2 = secondsOf(d2, p2);
    if (iv == "yyyy") return Variant::lng(p2.year - p1.year);
    if (iv == "q") return Variant::lng((p2.year - p1.year) * 4 + (p2.month - 1) / 3 - (p1.month - 1) / 3);
    if (iv == "m") return Variant::lng((p2.year - p1.year) * 12 + p2.month - p1.month);
    if (iv == "d" || iv == "y") return Variant::lng(static_cast<int32_t>(std::trunc(d2) - std::trunc(d1)));
    if (iv == "w") return Variant::lng(static_cast<int32_t>((std::trunc(d2) - std::trunc(d1)) / 7));
    if (iv == "ww") {
        double w1 = std::floor((std::trunc(d1) - (p1.weekday - 1)) / 7), w2 = std::floor((std::trunc(d2) - (p2.weekday - 1)) / 7);
        return Variant::lng(static_cast<int32_t>(w2 - w1));
    }
    if (iv == "h") return Variant::lng(static_cast<int32_t>(std::floor(s2 / 3600) - std::floor(s1 / 3600)));
    if (iv == "n") return Variant::lng(static_cast<int32_t>(std::floor(s2 / 60) - std::floor(s1 / 60)));
    if (iv == "s") return Variant::fromInt64(static_cast<int64_t>(s2 - s1));
    raise(ErrInvalidCall);
}

Variant fnMonthName(Engine&, Args a, int argc)
{
    static const char* const names[] = {"January", "February", "March", "April", "May", "June", "July",
                                        "August", "September", "October", "November", "December"};
    int m = whole(a, 0);
    if (m < 1 || m > 12) raise(ErrInvalidCall);
    std::string s = names[m - 1];
    if (argc > 1 && toBool(a[1])) s = s.substr(0, 3);
    return strv(s);
}

Variant fnWeekdayName(Engine&, Args a, int argc)
{
    static const char* const names[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    int d = whole(a, 0);
    int first = optWhole(a, argc, 2, 1);
    if (first == 0) first = 1;
    if (d < 1 || d > 7 || first < 1 || first > 7) raise(ErrInvalidCall);
    std::string s = names[(d - 1 + first - 1) % 7];
    if (argc > 1 && toBool(a[1])) s = s.substr(0, 3);
    return strv(s);
}

// ---- formatting ----
std::string groupThousands(const std::string& digits)
{
    std::string out;
    int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[static_cast<size_t>(i)];
    }
    return out;
}

std::string formatFixed(double d, int places, int leading, int parens, int group)
{
    bool neg = d < 0;
    // Round half away from zero at the requested place.
    double scale = std::pow(10.0, places);
    double r = std::round(std::fabs(d) * scale) / scale;
    if (std::isinf(r) || r > 1e300) r = std::fabs(d);
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", places, r);
    std::string s = buf;
    size_t dot = s.find('.');
    std::string ip = s.substr(0, dot), fp = dot == std::string::npos ? "" : s.substr(dot);
    if (group != 0) ip = groupThousands(ip);
    if (ip == "0" && leading == 0) ip.clear();
    s = ip + fp;
    if (neg && r != 0) s = parens == -1 ? "(" + s + ")" : "-" + s;
    return s;
}

Variant fnFormatNumber(Engine&, Args a, int argc)
{
    if (isNull(a, 0)) return Variant::null();
    double d = toDouble(valueOf(a[0]));
    int places = optWhole(a, argc, 1, -1);
    if (places == -1) places = 2;
    if (places < 0 || places > 100) raise(ErrInvalidCall);
    return strv(formatFixed(d, places, optWhole(a, argc, 2, -2), optWhole(a, argc, 3, -2), optWhole(a, argc, 4, -2)));
}

Variant fnFormatCurrency(Engine& e, Args a, int argc)
{
    Variant v = fnFormatNumber(e, a, argc);
    if (v.isNull()) return v;
    std::string s = v.rawString();
    if (!s.empty() && s[0] == '-') return strv("-$" + s.substr(1));
    if (!s.empty() && s[0] == '(') return strv("($" + s.substr(1));
    return strv("$" + s);
}

Variant fnFormatPercent(Engine&, Args a, int argc)
{
    if (isNull(a, 0)) return Variant::null();
    double d = toDouble(valueOf(a[0])) * 100.0;
    int places = optWhole(a, argc, 1, -1);
    if (places == -1) places = 2;
    if (places < 0 || places > 100) raise(ErrInvalidCall);
    return strv(formatFixed(d, places, optWhole(a, argc, 2, -2), optWhole(a, argc, 3, -2), optWhole(a, argc, 4, -2)) + "%");
}

// ---- dialogs ----
Variant fnMsgBox(Engine& e, Args a, int argc)
{
    std::string prompt = isNull(a, 0) ? std::string() : text(a, 0);
    int buttons = optWhole(a, argc, 1, 0);
    std::string title = argc > 2 && !arg(a, 2).isEmpty() ? text(a, 2) : "VBScript";
    if (!e.dialogHost()) return Variant::integer(1);
    return Variant::integer(e.dialogHost()->msgBox(prompt, buttons, title));
}

Variant fnInputBox(Engine& e, Args a, int argc)
{
    std::string prompt = text(a, 0);
    std::string title = argc > 1 && !arg(a, 1).isEmpty() ? text(a, 1) : "VBScript";
    std::string def = argc > 2 ? text(a, 2) : std::string();
    if (!e.dialogHost()) return strv(def);
    std::string answer;
    if (!e.dialogHost()->inputBox(prompt, title, def, answer)) return strv("");
    return strv(answer);
}


Variant fnEval(Engine& e, Args a, int) { return e.evalHere(text(a, 0)); }
Variant fnExecute(Engine& e, Args a, int)
{
    e.executeHere(text(a, 0));
    return {};
}
Variant fnExecuteGlobal(Engine& e, Args a, int)
{
    e.addCode(text(a, 0));
    return {};
}

const Builtin kBuiltins[] = {
    {"abs", fnAbs, 1, 1}, {"atn", unaryMath<dAtn>, 1, 1}, {"cos", unaryMath<dCos>, 1, 1},
    {"exp", unaryMath<dExp>, 1, 1}, {"fix", fnFix, 1, 1}, {"int", fnInt, 1, 1},
    {"log", unaryMath<dLog>, 1, 1}, {"rnd", fnRnd, 0, 1}, {"randomize", fnRandomize, 0, 1},
    {"round", fnRound, 1, 2}, {"sgn", fnSgn, 1, 1}, {"sin", unaryMath<dSin>, 1, 1},
    {"sqr", unaryMath<dSqr>, 1, 1}, {"tan", unaryMath<dTan>, 1, 1},
    {"left", fnLeft, 2, 2}, {"right", fnRight, 2, 2}, {"mid", fnMid, 2, 3}, {"len", fnLen, 1, 1},
    {"instr", fnInStr, 2, 4}, {"instrrev", fnInStrRev, 2, 4}, {"lcase", fnLCase, 1, 1},
    {"ucase", fnUCase, 1, 1}, {"trim", fnTrim, 1, 1}, {"ltrim", fnLTrim, 1, 1}, {"rtrim", fnRTrim, 1, 1},
    {"space", fnSpace, 1, 1}, {"string", fnString, 2, 2}, {"replace", fnReplace, 3, 6},
    {"split", fnSplit, 1, 4}, {"join", fnJoin, 1, 2}, {"strcomp", fnStrComp, 2, 3},
    {"strreverse", fnStrReverse, 1, 1}, {"chr", fnChr, 1, 1}, {"chrw", fnChrW, 1, 1},
    {"asc", fnAsc, 1, 1}, {"ascw", fnAscW, 1, 1},
    {"cint", fnCInt, 1, 1}, {"clng", fnCLng, 1, 1}, {"cbyte", fnCByte, 1, 1}, {"csng", fnCSng, 1, 1},
    {"cdbl", fnCDbl, 1, 1}, {"ccur", fnCCur, 1, 1}, {"cbool", fnCBool, 1, 1}, {"cstr", fnCStr, 1, 1},
    {"cdate", fnCDate, 1, 1}, {"hex", fnHex, 1, 1}, {"oct", fnOct, 1, 1}, {"str", fnStr, 1, 1},
    {"val", fnVal, 1, 1},
    {"isnumeric", fnIsNumeric, 1, 1}, {"isempty", fnIsEmpty, 1, 1}, {"isnull", fnIsNull, 1, 1},
    {"isarray", fnIsArray, 1, 1}, {"isobject", fnIsObject, 1, 1}, {"isdate", fnIsDate, 1, 1},
    {"vartype", fnVarType, 1, 1}, {"typename", fnTypeName, 1, 1}, {"lbound", fnLBound, 1, 2},
    {"ubound", fnUBound, 1, 2}, {"array", fnArray, 0, 1000},
    {"now", fnNow, 0, 0}, {"date", fnDate, 0, 0}, {"time", fnTime, 0, 0}, {"timer", fnTimer, 0, 0},
    {"year", datePart<&DateParts::year>, 1, 1}, {"month", datePart<&DateParts::month>, 1, 1},
    {"day", datePart<&DateParts::day>, 1, 1}, {"hour", datePart<&DateParts::hour>, 1, 1},
    {"minute", datePart<&DateParts::minute>, 1, 1}, {"second", datePart<&DateParts::second>, 1, 1},
    {"weekday", fnWeekday, 1, 2}, {"dateadd", fnDateAdd, 3, 3}, {"datediff", fnDateDiff, 3, 5},
    {"dateserial", fnDateSerial, 3, 3}, {"timeserial", fnTimeSerial, 3, 3},
    {"datevalue", fnDateValue, 1, 1}, {"timevalue", fnTimeValue, 1, 1},
    {"monthname", fnMonthName, 1, 2}, {"weekdayname", fnWeekdayName, 1, 3},
    {"formatnumber", fnFormatNumber, 1, 5}, {"formatcurrency", fnFormatCurrency, 1, 5},
    {"formatpercent", fnFormatPercent, 1, 5},
    {"msgbox", fnMsgBox, 1, 5}, {"inputbox", fnInputBox, 1, 7}, {"createobject", more::fnCreateObject, 1, 2},
    {"formatdatetime", more::fnFormatDateTime, 1, 2}, {"datepart", more::fnDatePart, 2, 4},
    {"filter", more::fnFilter, 2, 4}, {"rgb", more::fnRGB, 3, 3}, {"escape", more::fnEscape, 1, 1},
    {"unescape", more::fnUnescape, 1, 1}, {"scriptengine", more::fnScriptEngine, 0, 0},
    {"scriptenginemajorversion", more::fnScriptEngineMajor, 0, 0},
    {"scriptengineminorversion", more::fnScriptEngineMinor, 0, 0},
    {"scriptenginebuildversion", more::fnScriptEngineBuild, 0, 0}, {"getref", more::fnGetRef, 1, 1},
    {"eval", fnEval, 1, 1}, {"execute", fnExecute, 1, 1}, {"executeglobal", fnExecuteGlobal, 1, 1},
};

} // namespace

int findBuiltin(std::string_view name)
{
    static const std::unordered_map<std::string_view, int> index = [] {
        std::unordered_map<std::string_view, int> m;
        for (size_t i = 0; i < std::size(kBuiltins); ++i) m[kBuiltins[i].name] = static_cast<int>(i);
        return m;
    }();
    auto it = index.find(name);
    return it == index.end() ? -1 : it->second;
}

const Builtin& builtin(int index) { return kBuiltins[index]; }

bool findConstant(std::string_view name, Variant& out)
{
    static const std::unordered_map<std::string_view, Variant> table = [] {
        std::unordered_map<std::string_view, Variant> m;
        m["vbcrlf"] = Variant::str("\r\n");
        m["vbnewline"] = Variant::str("\r\n");
        m["vbcr"] = Variant::str("\r");
        m["vblf"] = Variant::str("\n");
        m["vbtab"] = Variant::str("\t");
        m["vbnullstring"] = Variant::str("");
        m["vbnullchar"] = Variant::str(std::string(1, '\0'));
        m["vbformfeed"] = Variant::str("\f");
        m["vbverticaltab"] = Variant::str("\v");
        m["vbtrue"] = Variant::integer(-1);
        m["vbfalse"] = Variant::integer(0);
        m["vbusedefault"] = Variant::integer(-2);
        m["vbbinarycompare"] = Variant::integer(0);
        m["vbtextcompare"] = Variant::integer(1);
        const std::pair<const char*, int> ints[] = {
            {"vbokonly", 0}, {"vbokcancel", 1}, {"vbabortretryignore", 2}, {"vbyesnocancel", 3},
            {"vbyesno", 4}, {"vbretrycancel", 5}, {"vbcritical", 16}, {"vbquestion", 32},
            {"vbexclamation", 48}, {"vbinformation", 64}, {"vbdefaultbutton1", 0},
            {"vbdefaultbutton2", 256}, {"vbdefaultbutton3", 512}, {"vbok", 1}, {"vbcancel", 2},
            {"vbabort", 3}, {"vbretry", 4}, {"vbignore", 5}, {"vbyes", 6}, {"vbno", 7},
            {"vbempty", 0}, {"vbnull", 1}, {"vbinteger", 2}, {"vblong", 3}, {"vbsingle", 4},
            {"vbdouble", 5}, {"vbcurrency", 6}, {"vbdate", 7}, {"vbstring", 8}, {"vbobject", 9},
            {"vberror", 10}, {"vbboolean", 11}, {"vbvariant", 12}, {"vbbyte", 17}, {"vbarray", 8192},
            {"vbsunday", 1}, {"vbmonday", 2}, {"vbtuesday", 3}, {"vbwednesday", 4}, {"vbthursday", 5},
            {"vbfriday", 6}, {"vbsaturday", 7}, {"vbusesystemdayofweek", 0}, {"vbfirstjan1", 1},
            {"vbfirstfourdays", 2}, {"vbfirstfullweek", 3}, {"vbusesystem", 0}, {"vbdataobject", 13},
            {"vbgeneraldate", 0}, {"vblongdate", 1}, {"vbshortdate", 2}, {"vblongtime", 3}, {"vbshorttime", 4},
            {"vbdefaultbutton4", 768}, {"vbapplicationmodal", 0}, {"vbsystemmodal", 4096},
            {"vbmsgboxhelpbutton", 16384}, {"vbmsgboxsetforeground", 65536}, {"vbmsgboxright", 524288},
            {"vbmsgboxrtlreading", 1048576},
            {"vbblack", 0}, {"vbred", 255}, {"vbgreen", 65280}, {"vbyellow", 65535},
            {"vbblue", 16711680}, {"vbmagenta", 16711935}, {"vbcyan", 16776960},
        };
        // Values beyond the Integer range are Long, as are all the colours.
        for (const auto& [n, v] : ints) m[n] = v > 32767 ? Variant::lng(v) : Variant::integer(v);
        m["vbblack"] = Variant::lng(0);
        m["vbred"] = Variant::lng(255);
        m["vbblue"] = Variant::lng(16711680);
        m["vbmagenta"] = Variant::lng(16711935);
        m["vbcyan"] = Variant::lng(16776960);
        m["vbgreen"] = Variant::lng(65280);
        m["vbyellow"] = Variant::lng(65535);
        m["vbwhite"] = Variant::lng(16777215);
        m["vbobjecterror"] = Variant::lng(-2147221504);
        return m;
    }();
    auto it = table.find(name);
    if (it == table.end()) return false;
    out = it->second;
    return true;
}

} // namespace orr::script
