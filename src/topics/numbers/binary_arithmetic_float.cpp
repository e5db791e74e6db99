// BinaryArithmetic example 6: the decimal value in ordinary and standard
// form, and the mantissa as a ten-bit fractional twos-complement field with
// a six-bit exponent, converted back as a check.
#include <cmath>

#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "topics/numbers/base_conversion.h"
#include "topics/numbers/binary_arithmetic.h"
#include "topics/numbers/floating_point.h"
#include "values/formatters.h"

namespace orr {

using namespace colour;

namespace {

const QString kTimesTen = QStringLiteral(" \u00D7 10");

QString text(double v) { return numtext::general(v); }

// A field of digits in a box from x; returns its right edge.
int field(int x, int y, const QString& digits, long colour)
{
    const int w = printMeasured(x + 5, y, digits, colour, 13, true);
    boxOrLine(0, x, y - 3, 0, w + 10, 23, Black, QStringLiteral("B"));
    return x + w + 10;
}

// Labels under a field with a short arrow up to it.
void pointer(int x, int yField, const QString& label)
{
    boxOrLine(0, x, yField + 22, 0, 0, 14, Navy, QString());
    arrowheadUp(x, yField + 22, Navy, 5);
    printCentred(x, yField + 38, label, Navy, 8, 0);
}

}  // namespace

void drawBinaryFloatingPoint(double mantissa, int exponent)
{
    const numbers::DecimalFloat d = numbers::decimalFloat(mantissa, exponent);
    printMeasured(0, 2,
                  QStringLiteral("Decimal floating point mantissa = ") + text(mantissa) + QStringLiteral(", exponent = ") +
                      QString::number(exponent),
                  Black, 10);
    printCaptioned(0, 22, QStringLiteral("Ordinary form = "), text(d.value), 10, Red);
    int w = 0;
    printMarkedUp(0, 40,
                  QStringLiteral("Standard form = ") + text(d.standardMantissa) + kTimesTen + QStringLiteral("sup(") +
                      QString::number(d.standardExponent) + QLatin1Char(')'),
                  Black, 10, w);

    // The fractional weights a learner converts the mantissa's fraction with.
    constexpr int tx = 470;
    printMeasured(tx, 2, QStringLiteral("Decimal to Fractional Binary."), Navy, 8, true);
    const char* const weights[] = {"0.5", "0.25", "0.125", "0.0625", "0.03125"};
    const char* const bits[] = {"= .1", "= .01", "= .001", "= .0001", "= .00001"};
    for (int i = 0; i < 5; ++i) {
        printDigitRow(tx + 50, 18 + i * 13, QLatin1String(weights[i]), Black, 8);
        printMeasured(tx + 58, 18 + i * 13, QLatin1String(bits[i]), Blue, 8);
    }

    printMeasured(0, 66, QStringLiteral("Convert mantissa and exponent to binary and add sign bits."), Navy, 9, true);
    const numbers::BinaryFloat f = numbers::binaryFloat(mantissa);
    const double mag = std::fabs(mantissa);
    const QString whole = numbers::repeatedDivision(std::floor(mag), 40).bits;
    const QString frac = numbers::repeatedDoubling(mag, 10).bits;
    printCaptioned(0, 86, QStringLiteral("Mantissa = "),
                   text(mantissa) + QStringLiteral("  =  ") + (f.negative ? QStringLiteral("-") : QString()) + whole +
                       (frac.isEmpty() ? QString() : QLatin1Char('.') + frac + QStringLiteral("...")),
                   9, Blue, false);
    if (f.underflow || mantissa == 0) {
        printMeasured(0, 104,
                      f.underflow ? QStringLiteral("Too small for a six-bit exponent: the number is held as 0.")
                                  : QStringLiteral("Zero: every bit of both fields is 0."),
                      Maroon, 9);
    } else {
        int magnitudeExponent = 0;
        std::frexp(mag, &magnitudeExponent);
        w = 0;
        printMarkedUp(0, 104,
                      QStringLiteral("Normalised.   0.") + f.magnitudeBits + QStringLiteral(" \u00D7 2sup(") +
                          QString::number(magnitudeExponent) +
                          QStringLiteral(")   (point moved until the first bit after it is 1)"),
                      Black, 9, w);
        if (f.negative)
            printCaptioned(0, 120, QStringLiteral("Negative: 2's complement of the fraction = "), f.pointed(), 9, Red);
    }
    printCaptioned(0, 138, QStringLiteral("Exponent = "),
                   QString::number(f.exponent) + QStringLiteral("  =  ") + f.exponentBits, 9, Blue, false);

    // The two fields.
    constexpr int y = 200;
    printMeasured(20, y - 34, QStringLiteral("Mantissa 10-bits"), Black, 9, true);
    printMeasured(20, y - 20, QStringLiteral("(Fractional 2's complement)"), Grey, 8);
    const int signRight = field(40, y, f.mantissa.left(1), Red);
    printMeasured(signRight + 3, y, QStringLiteral("."), Black, 13, true);
    const int fracRight = field(signRight + 14, y, f.mantissa.mid(1), Blue);
    pointer((40 + signRight) / 2, y, QStringLiteral("Sign bit"));
    pointer(signRight + 7, y + 26, QStringLiteral("Binary point"));
    printMeasured(fracRight + 40, y - 34, QStringLiteral("Exponent 6-bits"), Black, 9, true);
    printMeasured(fracRight + 40, y - 20, QStringLiteral("(Integer 2's complement)"), Grey, 8);
    const int expRight = field(fracRight + 50, y, f.exponentBits, Blue);
    pointer(fracRight + 61, y, QStringLiteral("Sign bit"));
    Q_UNUSED(expRight)

    w = 0;

    printMarkedUp(0, 284,
                  QStringLiteral("Check   ") + text(f.fieldValue) + QStringLiteral(" \u00D7 2sup(") +
                      QString::number(f.exponent) + QStringLiteral(") = ") + text(f.held) + QStringLiteral("   (entered ") +
                      text(mantissa) + QLatin1Char(')'),
                  Red, 10, w);
    printMeasured(0, 302, QStringLiteral("Nine fraction bits keep about three significant figures; the rest is lost."),
                  Grey, 8);
}

}  // namespace orr
