// Floating point numbers: decimal standard form and the binary fields.
#include "topics/numbers/floating_point.h"

#include <cmath>

namespace orr::numbers {

namespace {
constexpr int kFractionBits = 9;
constexpr int kLowestExponent = -32;
constexpr int kHighestExponent = 31;
}  // namespace

DecimalFloat decimalFloat(double mantissa, int exponent)
{
    DecimalFloat d;
    if (!std::isfinite(mantissa))
        mantissa = 0;
    d.value = mantissa * std::pow(10.0, exponent);
    if (mantissa == 0)
        return d;
    int k = int(std::floor(std::log10(std::fabs(mantissa))));
    double m = mantissa / std::pow(10.0, k);
    // log10 can land a hair off at exact powers of ten.
    if (std::fabs(m) >= 10 - 1e-12) {
        m /= 10;
        ++k;
    } else if (std::fabs(m) < 1) {
        m *= 10;
        --k;
    }
    d.standardMantissa = m;
    d.standardExponent = k + exponent;
    return d;
}

QString sixBitTwos(int value)
{
    const int v = value < 0 ? 64 + value : value;
    return QString::number(v & 63, 2).rightJustified(6, QLatin1Char('0'));
}

BinaryFloat binaryFloat(double value)
{
    BinaryFloat f;
    if (!std::isfinite(value))
        value = 0;
    f.negative = value < 0;
    const double mag = std::fabs(value);
    int e = 0;
    // frexp gives mag = fraction x 2^e with the fraction in [0.5, 1).
    const double fraction = mag > 0 ? std::frexp(mag, &e) : 0.0;
    int bits = int(std::floor(std::ldexp(fraction, kFractionBits)));
    if (mag == 0 || e < kLowestExponent) {
        f.underflow = mag != 0;
        f.mantissa = QString(kFractionBits + 1, QLatin1Char('0'));
        f.magnitudeBits = f.mantissa.mid(1);
        f.exponentBits = sixBitTwos(0);
        f.negative = false;
        return f;
    }
    f.magnitudeBits = QString::number(bits, 2).rightJustified(kFractionBits, QLatin1Char('0'));
    int field = bits;  // the ten-bit field as an unsigned number
    if (f.negative) {
        field = (1 << (kFractionBits + 1)) - bits;
        // -0.5 x 2^e has the unnormalised field 1.100000000: use -1 x 2^(e-1).
        if (bits == 1 << (kFractionBits - 1) && e - 1 >= kLowestExponent) {
            field = 1 << kFractionBits;
            --e;
        }
    }
    e = std::min(e, kHighestExponent);
    f.exponent = e;
    f.exponentBits = sixBitTwos(e);
    f.mantissa = QString::number(field, 2).rightJustified(kFractionBits + 1, QLatin1Char('0'));
    const int signedField = f.negative ? field - (1 << (kFractionBits + 1)) : field;
    f.fieldValue = std::ldexp(double(signedField), -kFractionBits);
    f.held = std::ldexp(f.fieldValue, e);
    return f;
}

}  // namespace orr::numbers
