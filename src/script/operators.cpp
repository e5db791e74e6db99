// Operators: the type rules that decide what Integer + String or Null And False give.
#include "script/operators.h"

#include <cctype>
#include <cmath>

#include "script/error.h"
#include "script/host.h"

namespace orr::script {
namespace {

// A number on its way through an arithmetic operator.
enum Kind { KByte, KInt, KLong, KSingle, KDouble, KCurrency, KDate };
struct Num {
    Kind kind;
    int64_t i;  // integer kinds and Currency (scaled)
    double d;   // Single, Double, Date
};

Num toNum(const Variant& v0)
{
    const Variant& v = v0.deref();
    switch (v.tag()) {
    case TEmpty: return {KInt, 0, 0};
    case TBool: case TInt: return {KInt, v.rawInt(), 0};
    case TByte: return {KByte, v.rawInt(), 0};
    case TLong: return {KLong, v.rawInt(), 0};
    case TSingle: return {KSingle, 0, v.rawSingle()};
    case TDouble: return {KDouble, 0, v.rawDouble()};
    case TDate: return {KDate, 0, v.rawDouble()};
    case TCurrency: return {KCurrency, v.rawCurrency(), 0};
    case TString: return {KDouble, 0, toDouble(v)};
    case TObject: return toNum(valueOf(v));
    default: raise(ErrTypeMismatch);
    }
}

double asDouble(const Num& n)
{
    switch (n.kind) {
    case KByte: case KInt: case KLong: return static_cast<double>(n.i);
    case KCurrency: return static_cast<double>(n.i) / 10000.0;
    default: return n.d;
    }
}

bool isInt(Kind k) { return k <= KLong; }

// Integer result in the smallest kind at least `kind` that holds it, else a Double.
Variant fitInt(int64_t r, Kind kind)
{
    if (kind == KByte && r >= 0 && r <= 255) return Variant::byte(static_cast<int>(r));
    if (kind <= KInt && r >= -32768 && r <= 32767) return Variant::integer(static_cast<int>(r));
    if (r >= INT32_MIN && r <= INT32_MAX) return Variant::lng(static_cast<int32_t>(r));
    return Variant::dbl(static_cast<double>(r));
}

Variant checkedDouble(double r)
{
    if (std::isinf(r)) raise(ErrOverflow);
    if (std::isnan(r)) raise(ErrInvalidCall);
    return Variant::dbl(r);
}

Variant checkedDate(double r)
{
    if (!(r >= -657434.0 && r < 2958466.0)) raise(ErrOverflow);
    return Variant::date(r);
}

Variant checkedCurrency(long double r)
{
    if (!(std::fabs(r) < 9.2233720368547e18L)) raise(ErrOverflow);
    return Variant::currency(static_cast<int64_t>(std::nearbyint(static_cast<double>(r))));
}

enum class Arith { Add, Sub, Mul };

Variant arith(Arith op, const Variant& a, const Variant& b)
{
    if (a.deref().isNull() || b.deref().isNull()) return Variant::null();
    Num x = toNum(a), y = toNum(b);
    if (isInt(x.kind) && isInt(y.kind)) {
        int64_t r = op == Arith::Add ? x.i + y.i : op == Arith::Sub ? x.i - y.i : x.i * y.i;
        return fitInt(r, std::max(x.kind, y.kind));
    }
    if (x.kind == KDate || y.kind == KDate) {
        double r = op == Arith::Add ? asDouble(x) + asDouble(y)
                 : op == Arith::Sub ? asDouble(x) - asDouble(y) : asDouble(x) * asDouble(y);
        if (op == Arith::Mul || (op == Arith::Sub && x.kind == KDate && y.kind == KDate))
            return checkedDouble(r);
        return checkedDate(r);
    }
    if ((x.kind == KCurrency || isInt(x.kind)) && (y.kind == KCurrency || isInt(y.kind))) {
        long double cx = x.kind == KCurrency ? x.i : x.i * 10000.0L;
        long double cy = y.kind == KCurrency ? y.i : y.i * 10000.0L;
        long double r = op == Arith::Add ? cx + cy : op == Arith::Sub ? cx - cy : cx * cy / 10000.0L;
        return checkedCurrency(r);
    }
    double dx = asDouble(x), dy = asDouble(y);
    double r = op == Arith::Add ? dx + dy : op == Arith::Sub ? dx - dy : dx * dy;
    bool single = (x.kind == KSingle || x.kind <= KInt) && (y.kind == KSingle || y.kind <= KInt);
    if (single) {
        if (std::fabs(r) > 3.402823466e38) raise(ErrOverflow);
        return Variant::single(static_cast<float>(r));
    }
    return checkedDouble(r);
}

// Operand of \, Mod and the logical operators: a whole number and the kind it keeps.
struct IntOperand {
    int64_t v;
    Kind kind;
    bool isBool;
};

IntOperand toIntOperand(const Variant& v0)
{
    const Variant& v = v0.deref();
    switch (v.tag()) {
    case TEmpty: return {0, KInt, false};
    case TBool: return {v.rawInt(), KInt, true};
    case TByte: return {v.rawInt(), KByte, false};
    case TInt: return {v.rawInt(), KInt, false};
    case TLong: return {v.rawInt(), KLong, false};
    default: return {toLong(v), KLong, false};
    }
}

} // namespace

Variant opAdd(const Variant& a0, const Variant& b0)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    bool sa = a.isString(), sb = b.isString();
    if ((sa && sb) || (sa && b.isEmpty()) || (sb && a.isEmpty()))
        return Variant::str(a.rawString() + b.rawString());
    return arith(Arith::Add, a, b);
}

Variant opSub(const Variant& a, const Variant& b) { return arith(Arith::Sub, a, b); }
Variant opMul(const Variant& a, const Variant& b) { return arith(Arith::Mul, a, b); }

Variant opDiv(const Variant& a, const Variant& b)
{
    if (a.deref().isNull() || b.deref().isNull()) return Variant::null();
    Num x = toNum(a), y = toNum(b);
    double dx = asDouble(x), dy = asDouble(y);
    if (dy == 0) raise(dx == 0 ? ErrOverflow : ErrDivByZero);
    double r = dx / dy;
    bool single = (x.kind == KSingle || x.kind <= KInt) && (y.kind == KSingle || y.kind <= KInt) &&
                  (x.kind == KSingle || y.kind == KSingle);
    if (single) return Variant::single(static_cast<float>(r));
    return checkedDouble(r);
}

Variant opIntDiv(const Variant& a, const Variant& b)
{
    if (a.deref().isNull() || b.deref().isNull()) return Variant::null();
    IntOperand x = toIntOperand(a), y = toIntOperand(b);
    if (y.v == 0) raise(ErrDivByZero);
    return fitInt(x.v / y.v, std::max(x.kind, y.kind));
}

Variant opMod(const Variant& a, const Variant& b)
{
    if (a.deref().isNull() || b.deref().isNull()) return Variant::null();
    IntOperand x = toIntOperand(a), y = toIntOperand(b);
    if (y.v == 0) raise(ErrDivByZero);
    return fitInt(x.v % y.v, std::max(x.kind, y.kind));
}

Variant opPow(const Variant& a, const Variant& b)
{
    if (a.deref().isNull() || b.deref().isNull()) return Variant::null();
    double x = toDouble(a), y = toDouble(b);
    if (x == 0 && y < 0) raise(ErrDivByZero);
    if (x < 0 && y != std::trunc(y)) raise(ErrInvalidCall);
    return checkedDouble(std::pow(x, y));
}

Variant opNeg(const Variant& a0)
{
    const Variant& a = a0.deref();
    switch (a.tag()) {
    case TNull: return Variant::null();
    case TEmpty: return Variant::integer(0);
    case TBool: case TByte: case TInt: return fitInt(-static_cast<int64_t>(a.rawInt()), KInt);
    case TLong: return fitInt(-static_cast<int64_t>(a.rawInt()), KLong);
    case TSingle: return Variant::single(-a.rawSingle());
    case TDouble: return Variant::dbl(-a.rawDouble());
    case TDate: return Variant::date(-a.rawDouble());
    case TCurrency: return Variant::currency(-a.rawCurrency());
    case TString: return Variant::dbl(-toDouble(a));
    case TObject: return opNeg(valueOf(a));
    default: raise(ErrTypeMismatch);
    }
}

Variant opConcat(const Variant& a0, const Variant& b0)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    if (a.isNull() && b.isNull()) return Variant::null();
    std::string s = a.isNull() ? std::string() : toString(a);
    if (!b.isNull() && s.size() + (b.isString() ? b.rawString().size() : 0) > (size_t{1} << 28)) raise(14);
    if (!b.isNull()) {
        if (b.isString()) s += b.rawString();
        else s += toString(b);
    }
    return Variant::str(std::move(s));
}

Variant opNot(const Variant& a0)
{
    const Variant& a = a0.deref();
    if (a.isNull()) return Variant::null();
    if (a.tag() == TBool) return Variant::boolean(!a.rawInt());
    if (a.tag() == TString) {
        double d;
        if (!parseNumber(a.rawString(), d)) return Variant::boolean(!toBool(a));
    }
    IntOperand x = toIntOperand(a);
    if (x.kind == KByte) return Variant::byte(static_cast<int>(~x.v & 0xFF));
    return fitInt(~x.v, x.kind);
}

Variant opLogic(LogicOp op, const Variant& a0, const Variant& b0)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    if (a.isNull() || b.isNull()) {
        const Variant& other = a.isNull() ? b : a;
        if (other.isNull()) return Variant::null();
        bool truth = toBool(other);
        switch (op) {
        case LogicOp::And: return truth ? Variant::null() : (other.tag() == TBool ? Variant::boolean(false) : Variant::integer(0));
        case LogicOp::Or: return truth ? (other.tag() == TBool ? Variant::boolean(true) : other) : Variant::null();
        case LogicOp::Imp:
            if (a.isNull()) return truth ? Variant::boolean(true) : Variant::null();
            return truth ? Variant::null() : Variant::boolean(true);
        default: return Variant::null();
        }
    }
    IntOperand x = toIntOperand(a), y = toIntOperand(b);
    if (a.tag() == TString && !x.isBool) { x.isBool = false; }
    int64_t r = 0;
    switch (op) {
    case LogicOp::And: r = x.v & y.v; break;
    case LogicOp::Or: r = x.v | y.v; break;
    case LogicOp::Xor: r = x.v ^ y.v; break;
    case LogicOp::Eqv: r = ~(x.v ^ y.v); break;
    case LogicOp::Imp: r = ~x.v | y.v; break;
    }
    if (x.isBool && y.isBool) return Variant::boolean(r != 0);
    Kind k = std::max(x.kind, y.kind);
    if (k == KByte) return Variant::byte(static_cast<int>(r & 0xFF));
    if (k <= KInt) return Variant::integer(static_cast<int16_t>(r));
    return Variant::lng(static_cast<int32_t>(r));
}

int compareStrings(const std::string& a, const std::string& b, bool text)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if (text) {
            ca = std::tolower(ca);
            cb = std::tolower(cb);
        }
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int compareValues(const Variant& a0, const Variant& b0, bool text, int flags)
{
    Variant ao, bo;
    const Variant* pa = &a0.deref();
    const Variant* pb = &b0.deref();
    if (pa->isObject()) { ao = valueOf(*pa); pa = &ao; }
    if (pb->isObject()) { bo = valueOf(*pb); pb = &bo; }
    const Variant& a = *pa;
    const Variant& b = *pb;
    if (a.isNull() || b.isNull()) raise(ErrInvalidNull);
    if (a.isArray() || b.isArray()) raise(ErrTypeMismatch);
    bool sa = a.isString(), sb = b.isString();
    if (sa && sb) return compareStrings(a.rawString(), b.rawString(), text);
    if (sa || sb) {
        const Variant& other = sa ? b : a;
        if (other.isEmpty()) return compareStrings(a.isEmpty() ? std::string() : a.rawString(),
                                                   b.isEmpty() ? std::string() : b.rawString(), text);
        // A literal number meets a string: the string is read as a number.
        bool numLiteral = sa ? (flags & RightLiteral) : (flags & LeftLiteral);
        bool strLiteral = sa ? (flags & LeftLiteral) : (flags & RightLiteral);
        if (numLiteral) {
            double x = toDouble(a), y = toDouble(b);
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        if (strLiteral)
            return compareStrings(toString(a), toString(b), text);
        return sa ? 1 : -1;  // a number sorts before any string
    }
    if (a.isIntegral() && b.isIntegral()) {
        int32_t x = a.rawInt(), y = b.rawInt();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (a.tag() == TCurrency && b.tag() == TCurrency) {
        return a.rawCurrency() < b.rawCurrency() ? -1 : (a.rawCurrency() > b.rawCurrency() ? 1 : 0);
    }
    double x = toDouble(a), y = toDouble(b);
    if (a.tag() == TSingle || b.tag() == TSingle) {
        // Compare at Single precision when one side is a Single.
        if ((a.tag() == TSingle || a.tag() != TDouble) && (b.tag() == TSingle || b.tag() != TDouble)) {
            x = static_cast<float>(x);
            y = static_cast<float>(y);
        }
    }
    return x < y ? -1 : (x > y ? 1 : 0);
}

Variant opCompare(CompareOp op, const Variant& a, const Variant& b, int flags)
{
    if (a.deref().isNull() || b.deref().isNull()) return Variant::null();
    int c = compareValues(a, b, false, flags);
    bool r = false;
    switch (op) {
    case CompareOp::Eq: r = c == 0; break;
    case CompareOp::Ne: r = c != 0; break;
    case CompareOp::Lt: r = c < 0; break;
    case CompareOp::Le: r = c <= 0; break;
    case CompareOp::Gt: r = c > 0; break;
    case CompareOp::Ge: r = c >= 0; break;
    }
    return Variant::boolean(r);
}

Variant opIs(const Variant& a0, const Variant& b0)
{
    const Variant& a = a0.deref();
    const Variant& b = b0.deref();
    if (!a.isObject() || !b.isObject()) raise(ErrObjectRequired);
    return Variant::boolean(a.rawObject() == b.rawObject());
}

} // namespace orr::script
