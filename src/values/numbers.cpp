// Locale-independent number texts: the general conversion, the "0.00" and
// "0.0#######" patterns, "Scientific", rounding, and FormatNumber /
// FormatDecimal built on them.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "values/formatters.h"

namespace orr {

namespace {

// A finite number as decimal digits: |value| = d0.d1d2... x 10^exp.
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zeros; "0" for zero
    int exp = 0;
};

void stripTrailingZeros(std::string& s)
{
    while (s.size() > 1 && s.back() == '0')
        s.pop_back();
}

// Parses the output of std::to_chars in scientific form: "-4.7e+00".
Decimal fromScientific(const char* first, const char* last)
{
    Decimal d;
    const char* p = first;
    if (p < last && *p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p < last && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
    if (p < last && *p == 'e')
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), last, d.exp);
    stripTrailingZeros(d.digits);
    if (d.digits.empty() || d.digits == "0") {
        d.digits = "0";
        d.exp = 0;
    }
    return d;
}

float finiteSingle(float v)
{
    if (std::isnan(v))
        return 0.0f;
    if (std::isinf(v))
        return v < 0 ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
    return v;
}

double finiteDouble(double v)
{
    if (std::isnan(v))
        return 0.0;
    if (std::isinf(v))
        return v < 0 ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    return v;
}

// The digits a single shows: the shortest that read back as the same value.
Decimal decimalOf(float v)
{
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, finiteSingle(v), std::chars_format::scientific);
    Decimal d = fromScientific(buf, r.ptr);
    if (d.digits.size() > 7) {  // more than a single's seven significant digits
        r = std::to_chars(buf, buf + sizeof buf, finiteSingle(v), std::chars_format::scientific, 6);
        d = fromScientific(buf, r.ptr);
    }
    return d;
}

// The digits of a double to fifteen significant digits, hiding the noise of
// binary fractions (4.7 * 1000 reads 4700).
Decimal decimalOf(double v)
{
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, finiteDouble(v), std::chars_format::scientific, 14);
    return fromScientific(buf, r.ptr);
}

// round(|value| x 10^places) as a digit string, ties away from zero or to even.
std::string roundedScaled(const Decimal& d, int places, bool tiesToEven)
{
    // Digit i has the place value 10^(exp - i); keep those with exp - i >= -places.
    const int keep = d.exp + places + 1;
    std::string kept;
    std::string dropped;
    if (keep <= 0) {
        kept = "0";
        dropped = std::string(size_t(-keep), '0') + d.digits;
    } else if (size_t(keep) >= d.digits.size()) {
        kept = d.digits + std::string(size_t(keep) - d.digits.size(), '0');
    } else {
        kept = d.digits.substr(0, size_t(keep));
        dropped = d.digits.substr(size_t(keep));
    }
    bool up = false;
    if (!dropped.empty() && dropped[0] >= '5') {
        const bool tie = dropped[0] == '5' && dropped.find_first_not_of('0', 1) == std::string::npos;
        up = !(tie && tiesToEven && (kept.back() - '0') % 2 == 0);
    }
    if (up) {
        int i = int(kept.size()) - 1;
        while (i >= 0 && kept[size_t(i)] == '9')
            kept[size_t(i--)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[size_t(i)];
    }
    kept.erase(0, std::min(kept.find_first_not_of('0'), kept.size() - 1));
    return kept;
}

bool allZero(const std::string& s) { return s.find_first_not_of('0') == std::string::npos; }

// "0.00"-style text of a rounded digit string with `places` decimals.
std::string withPoint(std::string scaled, int places, int minDecimals)
{
    if (scaled.size() < size_t(places) + 1)
        scaled.insert(0, size_t(places) + 1 - scaled.size(), '0');
    std::string intPart = scaled.substr(0, scaled.size() - size_t(places));
    std::string frac = scaled.substr(scaled.size() - size_t(places));
    while (frac.size() > size_t(minDecimals) && frac.back() == '0')
        frac.pop_back();
    return frac.empty() ? intPart : intPart + "." + frac;
}

QString fixedText(const Decimal& d, int minDecimals, int maxDecimals)
{
    const std::string scaled = roundedScaled(d, maxDecimals, false);
    std::string s = withPoint(scaled, maxDecimals, minDecimals);
    if (d.negative && !allZero(scaled))
        s.insert(s.begin(), '-');
    return QString::fromStdString(s);
}

// Positional text up to `maxExp`, exponent form (1.5E+08, 5E-05) outside.
QString generalText(const Decimal& d, int maxExp)
{
    std::string s;
    if (d.digits == "0")
        return QStringLiteral("0");
    if (d.exp < -4 || d.exp >= maxExp) {
        s = d.digits.substr(0, 1);
        if (d.digits.size() > 1)
            s += "." + d.digits.substr(1);
        const int e = std::abs(d.exp);
        s += d.exp < 0 ? "E-" : "E+";
        if (e < 10)
            s += '0';
        s += std::to_string(e);
    } else if (d.exp < 0) {
        s = "0." + std::string(size_t(-d.exp - 1), '0') + d.digits;
    } else if (size_t(d.exp) + 1 >= d.digits.size()) {
        s = d.digits + std::string(size_t(d.exp) + 1 - d.digits.size(), '0');
    } else {
        s = d.digits.substr(0, size_t(d.exp) + 1) + "." + d.digits.substr(size_t(d.exp) + 1);
    }
    if (d.negative)
        s.insert(s.begin(), '-');
    return QString::fromStdString(s);
}

// Numeric value of a text this file wrote (plain digits, ".", "-", "E").
double readBack(const QString& t)
{
    const std::string s = t.toStdString();
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

}  // namespace

namespace numtext {

QString general(float value) { return generalText(decimalOf(value), 7); }
QString general(double value) { return generalText(decimalOf(value), 15); }

QString fixed(float value, int decimals) { return fixedText(decimalOf(value), decimals, decimals); }
QString fixed(double value, int decimals) { return fixedText(decimalOf(value), decimals, decimals); }

QString fixedTrim(float value, int minDecimals, int maxDecimals)
{
    return fixedText(decimalOf(value), minDecimals, maxDecimals);
}

QString scientific(float value)
{
    Decimal d = decimalOf(value);
    if (d.digits == "0")
        return QStringLiteral("0.00E+00");
    // Three significant digits, rounded half away from zero; 9.995 becomes 1.00E+01.
    Decimal m = d;
    m.exp = 0;
    std::string scaled = roundedScaled(m, 2, false);
    int exp = d.exp;
    if (scaled.size() > 3) {
        scaled = scaled.substr(0, 3);
        ++exp;
    }
    std::string s = (d.negative ? "-" : "") + scaled.substr(0, 1) + "." + scaled.substr(1);
    s += exp < 0 ? "E-" : "E+";
    if (std::abs(exp) < 10)
        s += '0';
    s += std::to_string(std::abs(exp));
    return QString::fromStdString(s);
}

float toSingle(double value)
{
    constexpr double kMax = std::numeric_limits<float>::max();
    if (std::isnan(value))
        return 0.0f;
    return float(std::clamp(value, -kMax, kMax));
}

double roundHalfEven(float value, int decimals)
{
    const Decimal d = decimalOf(value);
    std::string s = withPoint(roundedScaled(d, decimals, true), decimals, 0);
    if (d.negative)
        s.insert(s.begin(), '-');
    return readBack(QString::fromStdString(s));
}

}  // namespace numtext

QString FormatNumber(float value, bool wholeOnly)
{
    const bool negative = value < 0;
    const float x = negative ? -value : value;
    QString t;
    if (wholeOnly) {
        t = numtext::general(x);
    } else {
        t = numtext::fixed(x, 2);
        if (t.endsWith(QLatin1String(".00")))
            t.chop(3);
        if (readBack(t) < 0.1) {
            t = numtext::general(float(numtext::roundHalfEven(x, 3)));
            // Very small values keep their significant digits.
            if (readBack(t) < 0.0001)
                t = numtext::general(x);
        }
    }
    return negative ? QStringLiteral("(-") + t + QLatin1Char(')') : t;
}

QString FormatDecimal(float value, bool integerOnly)
{
    const bool negative = value < 0;
    const float x = negative ? -value : value;
    QString t;
    if (x == std::floor(x) || integerOnly)
        t = FormatNumber(x, false);
    else
        t = numtext::fixedTrim(x, 1, 8);
    return negative ? QStringLiteral("(-") + t + QLatin1Char(')') : t;
}

}  // namespace orr
