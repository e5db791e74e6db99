// Floating point numbers two ways: the decimal value in ordinary and standard
// form, and the mantissa held as a ten-bit fractional twos-complement
// mantissa (sign bit, binary point, nine bits) with a six-bit twos-complement
// exponent. Nothing here draws.
#pragma once

#include <QString>

namespace orr::numbers {

// mantissa x 10^exponent written out, and as m x 10^k with 1 <= |m| < 10.
struct DecimalFloat {
    double value = 0;            // mantissa x 10^exponent
    double standardMantissa = 0;
    int standardExponent = 0;
};
DecimalFloat decimalFloat(double mantissa, int exponent);

// The binary fields. The magnitude is normalised so that it lies in
// [0.5, 1) times 2^exponent and truncated to nine fraction bits; a negative
// value is the twos complement of that field (its first bit after the point
// is 0, the exact halves taking 1.000000000 with the exponent one lower).
struct BinaryFloat {
    bool negative = false;
    QString magnitudeBits;  // the nine bits of the magnitude, before any complement
    QString mantissa;       // ten bits: sign bit then nine fraction bits
    int exponent = 0;       // -32 .. 31
    QString exponentBits;   // six bits, twos complement
    double fieldValue = 0;  // the mantissa field as a fraction, -1 .. < 1
    double held = 0;        // fieldValue x 2^exponent
    bool underflow = false; // too small for the exponent: held as 0
    QString pointed() const { return mantissa.left(1) + QLatin1Char('.') + mantissa.mid(1); }
};
BinaryFloat binaryFloat(double value);

// Six-bit twos complement text of -32 .. 31.
QString sixBitTwos(int value);

}  // namespace orr::numbers
