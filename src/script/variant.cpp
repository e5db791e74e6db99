// Variant values: construction, arrays, conversions between types and number-to-text.
#include "script/variant.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "script/datetime.h"
#include "script/error.h"
#include "script/host.h"

namespace orr::script {

static const std::string kEmptyString;

Variant Variant::str(std::string s)
{
    Variant v;
    v.tag_ = TString;
    v.p_ = s.empty() ? nullptr : new StrObj(std::move(s));
    return v;
}

Variant Variant::object(std::shared_ptr<HostObject> o)
{
    Variant v;
    v.tag_ = TObject;
    if (o) {
        auto* box = new ObjBox;
        box->obj = std::move(o);
        v.p_ = box;
    } else {
        v.p_ = nullptr;
    }
    return v;
}

Variant Variant::array(ArrObj* a)
{
    Variant v;
    v.tag_ = TArray;
    v.p_ = a;
    return v;
}

Variant Variant::fromInt64(int64_t n)
{
    if (n >= -32768 && n <= 32767) return integer(static_cast<int>(n));
    if (n >= INT32_MIN && n <= INT32_MAX) return lng(static_cast<int32_t>(n));
    return dbl(static_cast<double>(n));
}

const std::string& Variant::rawString() const
{
    return p_ ? static_cast<StrObj*>(p_)->s : kEmptyString;
}

HostObject* Variant::rawObject() const
{
    return p_ ? static_cast<ObjBox*>(p_)->obj.get() : nullptr;
}

std::shared_ptr<HostObject> Variant::objectPtr() const
{
    return tag_ == TObject && p_ ? static_cast<ObjBox*>(p_)->obj : nullptr;
}

ArrObj* Variant::mutableArray()
{
    auto* a = reinterpret_cast<ArrObj*>(p_);
    if (a->refs > 1) {
        auto* copy = new ArrObj(*a);
        copy->refs = 1;
        --a->refs;
        p_ = copy;
        a = copy;
    }
    return a;
}

void Variant::appendString(std::string_view more)
{
    if (!p_) {
        if (!more.empty()) p_ = new StrObj(std::string(more));
        return;
    }
    auto* so = static_cast<StrObj*>(p_);
    if (so->refs > 1) {
        auto* copy = new StrObj(so->s);
        --so->refs;
        p_ = so = copy;
    }
    so->s.append(more);
}

VarType Variant::varType() const
{
    switch (tag_) {
    case TEmpty: return VarType::Empty;
    case TNull: return VarType::Null;
    case TBool: return VarType::Boolean;
    case TByte: return VarType::Byte;
    case TInt: return VarType::Integer;
    case TLong: return VarType::Long;
    case TSingle: return VarType::Single;
    case TDouble: return VarType::Double;
    case TCurrency: return VarType::Currency;
    case TDate: return VarType::Date;
    case TString: return VarType::String;
    case TArray: return static_cast<VarType>(static_cast<int>(VarType::Array) | static_cast<int>(VarType::Variant));
    case TObject: return VarType::Object;
    case TRef: return ref_->varType();
    }
    return VarType::Empty;
}

ArrObj::ArrObj(std::vector<int32_t> ub) : ubounds(std::move(ub))
{
    size_t n = 1;
    for (int32_t u : ubounds) {
        if (u < -1) raise(ErrSubscript);
        n *= static_cast<size_t>(u + 1);
        if (n > 50'000'000) raise(ErrOutOfMemory);
    }
    data.resize(n);
}

size_t ArrObj::offset(const Variant* idx, size_t n) const
{
    if (n != ubounds.size()) raise(ErrSubscript);
    // The first index varies fastest, as the language stores arrays.
    size_t off = 0;
    for (size_t k = n; k-- > 0;) {
        int32_t i = toLong(idx[k]);
        if (i < 0 || i > ubounds[k]) raise(ErrSubscript);
        off = off * static_cast<size_t>(ubounds[k] + 1) + static_cast<size_t>(i);
    }
    return off;
}

void ArrObj::resize(const std::vector<int32_t>& ub, bool preserve)
{
    ArrObj fresh(ub);
    if (preserve && !data.empty()) {
        if (ub.size() != ubounds.size()) raise(ErrSubscript);
        for (size_t k = 0; k + 1 < ub.size(); ++k)
            if (ub[k] != ubounds[k]) raise(ErrSubscript);
        // Walk the old elements, copying those whose indexes exist in the new shape.
        std::vector<int32_t> idx(ubounds.size(), 0);
        for (size_t off = 0; off < data.size(); ++off) {
            bool fits = true;
            size_t newOff = 0;
            for (size_t k = idx.size(); k-- > 0;) {
                if (idx[k] > ub[k]) fits = false;
                newOff = newOff * static_cast<size_t>(ub[k] + 1) + static_cast<size_t>(idx[k]);
            }
            if (fits) fresh.data[newOff] = std::move(data[off]);
            for (size_t k = 0; k < idx.size(); ++k) {
                if (++idx[k] <= ubounds[k]) break;
                idx[k] = 0;
            }
        }
    }
    ubounds = std::move(fresh.ubounds);
    data = std::move(fresh.data);
}

// ---- conversions ----

double roundHalfEven(double d) { return std::nearbyint(d); }

Variant valueOf(const Variant& v)
{
    const Variant& d = v.deref();
    if (d.tag() != TObject) return d;
    HostObject* o = d.rawObject();
    if (!o) raise(ErrObjectNotSet);
    return o->defaultValue();
}

bool parseNumber(std::string_view s, double& out)
{
    size_t i = 0, n = s.size();
    while (i < n && (s[i] == ' ' || s[i] == '\t')) ++i;
    while (n > i && (s[n - 1] == ' ' || s[n - 1] == '\t')) --n;
    if (i >= n) return false;
    bool neg = false;
    if (s[i] == '+' || s[i] == '-') {
        neg = s[i] == '-';
        ++i;
        while (i < n && s[i] == ' ') ++i;
    }
    if (i + 1 < n && s[i] == '&') {
        char k = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i + 1])));
        int base = k == 'h' ? 16 : (k == 'o' ? 8 : 0);
        if (!base) return false;
        i += 2;
        if (i >= n) return false;
        uint64_t v = 0;
        size_t ndigits = 0;
        for (; i < n; ++i, ++ndigits) {
            int dgt;
            char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
            if (c >= '0' && c <= '9') dgt = c - '0';
            else if (c >= 'a' && c <= 'f') dgt = c - 'a' + 10;
            else return false;
            if (dgt >= base) return false;
            v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(dgt);
            if (v > 0xFFFFFFFFull) return false;
        }
        // Up to four hex digits read as a signed Integer, more as a signed Long.
        bool shortForm = base == 16 ? ndigits <= 4 : v <= 0xFFFF;
        double r = shortForm ? static_cast<double>(static_cast<int16_t>(static_cast<uint16_t>(v)))
                             : static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(v)));
        out = neg ? -r : r;
        return true;
    }
    std::string buf;
    bool digits = false;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) { buf += s[i++]; digits = true; }
    if (i < n && s[i] == '.') {
        buf += s[i++];
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) { buf += s[i++]; digits = true; }
    }
    if (!digits) return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        buf += 'e';
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) buf += s[i++];
        bool expDigits = false;
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) { buf += s[i++]; expDigits = true; }
        if (!expDigits) return false;
    }
    if (i != n) return false;
    double r = std::strtod(buf.c_str(), nullptr);
    if (std::isinf(r)) return false;
    out = neg ? -r : r;
    return true;
}

double toDouble(const Variant& v0)
{
    const Variant& v = v0.deref();
    switch (v.tag()) {
    case TEmpty: return 0;
    case TNull: raise(ErrInvalidNull);
    case TBool: case TByte: case TInt: case TLong: return v.rawInt();
    case TSingle: return v.rawSingle();
    case TDouble: case TDate: return v.rawDouble();
    case TCurrency: return static_cast<double>(v.rawCurrency()) / 10000.0;
    case TString: {
        double d;
        if (!parseNumber(v.rawString(), d)) raise(ErrTypeMismatch);
        return d;
    }
    case TObject: return toDouble(valueOf(v));
    default: raise(ErrTypeMismatch);
    }
}

int32_t toLong(const Variant& v0)
{
    const Variant& v = v0.deref();
    if (v.isIntegral()) return v.rawInt();
    double d = roundHalfEven(toDouble(v));
    if (!(d >= -2147483648.0 && d <= 2147483647.0)) raise(ErrOverflow);
    return static_cast<int32_t>(d);
}

int16_t toInteger(const Variant& v)
{
    int32_t l;
    const Variant& d = v.deref();
    if (d.isIntegral()) l = d.rawInt();
    else {
        double x = roundHalfEven(toDouble(d));
        if (!(x >= -32768.0 && x <= 32767.0)) raise(ErrOverflow);
        l = static_cast<int32_t>(x);
    }
    if (l < -32768 || l > 32767) raise(ErrOverflow);
    return static_cast<int16_t>(l);
}

int64_t toCurrency(const Variant& v0)
{
    const Variant& v = v0.deref();
    if (v.tag() == TCurrency) return v.rawCurrency();
    double d = toDouble(v) * 10000.0;
    if (!(std::fabs(d) < 9.2233720368547e18)) raise(ErrOverflow);
    return static_cast<int64_t>(roundHalfEven(d));
}

double toDate(const Variant& v0)
{
    const Variant& v = v0.deref();
    if (v.tag() == TString) {
        double d;
        if (parseDate(v.rawString(), d)) return d;
        if (parseNumber(v.rawString(), d)) return d;
        raise(ErrTypeMismatch);
    }
    double d = toDouble(v);
    if (d < -657434.0 || d >= 2958466.0) raise(ErrOverflow);
    return d;
}

bool toBool(const Variant& v0)
{
    const Variant& v = v0.deref();
    switch (v.tag()) {
    case TEmpty: return false;
    case TNull: raise(ErrInvalidNull);
    case TBool: case TByte: case TInt: case TLong: return v.rawInt() != 0;
    case TString: {
        std::string l = toLower(v.rawString());
        size_t a = l.find_first_not_of(" \t"), b = l.find_last_not_of(" \t");
        if (a != std::string::npos) l = l.substr(a, b - a + 1);
        if (l == "true" || l == "#true#") return true;
        if (l == "false" || l == "#false#") return false;
        double d;
        if (!parseNumber(l, d)) raise(ErrTypeMismatch);
        return d != 0;
    }
    case TObject: return toBool(valueOf(v));
    case TArray: raise(ErrTypeMismatch);
    default: return toDouble(v) != 0;
    }
}

std::string toString(const Variant& v0)
{
    const Variant& v = v0.deref();
    switch (v.tag()) {
    case TEmpty: return {};
    case TNull: raise(ErrInvalidNull);
    case TBool: return v.rawInt() ? "True" : "False";
    case TByte: case TInt: case TLong: return std::to_string(v.rawInt());
    case TSingle: return formatSingle(v.rawSingle());
    case TDouble: return formatDouble(v.rawDouble());
    case TCurrency: return formatCurrency(v.rawCurrency());
    case TDate: return formatDate(v.rawDouble());
    case TString: return v.rawString();
    case TObject: return toString(valueOf(v));
    default: raise(ErrTypeMismatch);
    }
}

static std::string formatG(double d, int digits)
{
    if (d == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, d);
    std::string s = buf;
    // A leading "0." before the point is written; the exponent keeps at least two digits, as %G does.
    return s;
}

std::string formatDouble(double d) { return formatG(d, 15); }
std::string formatSingle(float f) { return formatG(static_cast<double>(f), 7); }

std::string formatCurrency(int64_t c)
{
    bool neg = c < 0;
    uint64_t u = neg ? static_cast<uint64_t>(-(c + 1)) + 1 : static_cast<uint64_t>(c);
    std::string s = std::to_string(u / 10000);
    uint64_t frac = u % 10000;
    if (frac) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%04llu", static_cast<unsigned long long>(frac));
        std::string f = buf;
        while (!f.empty() && f.back() == '0') f.pop_back();
        s += "." + f;
    }
    return neg ? "-" + s : s;
}

std::string formatDate(double d)
{
    DateParts p = splitDate(d);
    double whole = std::trunc(d);
    bool hasTime = d != whole;
    char buf[64];
    std::string out;
    if (whole != 0 || !hasTime) {
        if (whole != 0) {
            std::snprintf(buf, sizeof buf, "%d/%d/%d", p.month, p.day, p.year);
            out = buf;
        }
    }
    if (hasTime || whole == 0) {
        int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
        std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", h12, p.minute, p.second, p.hour < 12 ? "AM" : "PM");
        if (!out.empty()) out += ' ';
        out += buf;
    }
    return out;
}

std::string toLower(std::string_view s)
{
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

std::string typeName(const Variant& v0)
{
    const Variant& v = v0.deref();
    switch (v.tag()) {
    case TEmpty: return "Empty";
    case TNull: return "Null";
    case TBool: return "Boolean";
    case TByte: return "Byte";
    case TInt: return "Integer";
    case TLong: return "Long";
    case TSingle: return "Single";
    case TDouble: return "Double";
    case TCurrency: return "Currency";
    case TDate: return "Date";
    case TString: return "String";
    case TArray: return "Variant()";
    case TObject: return v.rawObject() ? v.rawObject()->typeName() : "Nothing";
    default: return "Unknown";
    }
}

} // namespace orr::script
