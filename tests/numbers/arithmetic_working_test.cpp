// The arithmetic workings as tables: input, expected rows.
#include <gtest/gtest.h>

#include <cmath>

#include "../values/qstring_print.h"
#include "topics/numbers/binary_working.h"
#include "topics/numbers/decimal_working.h"
#include "topics/numbers/floating_point.h"
#include "topics/numbers/matrices.h"

using namespace orr::numbers;

TEST(SignedBinary, SignMagnitudeAndOnesComplement)
{
    struct Case {
        double value;
        int sign;
        const char *integer, *fraction, *onesInteger, *onesFraction;
    };
    const Case cases[] = {
        {-56.125, 1, "111000", "001", "000111", "110"},
        {56.125, 0, "111000", "001", "111000", "001"},
        {0, 0, "0", "", "0", ""},
        {-0.5, 1, "0", "1", "1", "0"},
    };
    for (const Case& c : cases) {
        const SignMagnitude m = signAndMagnitude(c.value);
        EXPECT_EQ(m.signBit, c.sign) << c.value;
        EXPECT_EQ(m.integerBits, c.integer) << c.value;
        EXPECT_EQ(m.fractionBits, c.fraction) << c.value;
        EXPECT_EQ(m.onesInteger, c.onesInteger) << c.value;
        EXPECT_EQ(m.onesFraction, c.onesFraction) << c.value;
    }
    // A fraction that never ends is cut; a huge value is not expanded at all.
    EXPECT_TRUE(signAndMagnitude(0.1).fractionCut);
    EXPECT_EQ(signAndMagnitude(0.1).fractionBits.size(), 12);
    EXPECT_TRUE(signAndMagnitude(-1e30).tooLong);
}

TEST(SignedBinary, TwosComplementRows)
{
    struct Case {
        int value;
        const char *binary, *ones, *twos;
        int sign;
    };
    const Case cases[] = {
        {-87, "01010111", "10101000", "10101001", 1},
        {87, "01010111", "01010111", "01010111", 0},
        {0, "00000000", "00000000", "00000000", 0},
        {-1, "00000001", "11111110", "11111111", 1},
        {-255, "11111111", "00000000", "00000001", 1},
        {-128, "10000000", "01111111", "10000000", 1},
    };
    for (const Case& c : cases) {
        const TwosComplement t = twosComplement(c.value);
        EXPECT_EQ(t.binary, c.binary) << c.value;
        EXPECT_EQ(t.ones, c.ones) << c.value;
        EXPECT_EQ(t.twos, c.twos) << c.value;
        EXPECT_EQ(t.signBit, c.sign) << c.value;
    }
}

// A number plus its twos complement is zero in eight digits, for every byte.
TEST(SignedBinary, NumberPlusItsTwosComplementIsZero)
{
    for (int v = 0; v < 256; ++v) {
        const QString bits = twosComplement(v).binary;
        const BinarySum s = addBinary(bits, twosComplementOf(bits));
        EXPECT_EQ(s.sum.right(8), QStringLiteral("00000000")) << v;
    }
}

TEST(SignedBinary, BcdGroups)
{
    EXPECT_EQ(bcd(45679).coded(), QStringLiteral("0100 0101 0110 0111 1001"));
    EXPECT_EQ(bcd(45679).binary, QStringLiteral("1011001001101111"));
    EXPECT_EQ(bcd(0).coded(), QStringLiteral("0000"));
    EXPECT_EQ(bcd(99999).groups.size(), 5);
}

TEST(BinaryColumns, AdditionAndSubtraction)
{
    struct Case {
        long long a, b;
        const char *sum, *carries, *difference;
        bool discard;
    };
    const Case cases[] = {
        {251, 37, "100100000", "111111110", "11010110", true},
        {1, 1, "0010", "00010", "0000", true},
        {5, 3, "1000", "01110", "0010", true},
        {37, 251, "100100000", "111111110", "00101010", false},
        {1000, 1000, "11111010000", "11111010000", "0000000000", true},
    };
    for (const Case& c : cases) {
        const BinaryAddition add = binaryAddition(c.a, c.b);
        EXPECT_EQ(add.sum.sum, c.sum) << c.a << "+" << c.b;
        EXPECT_EQ(add.sum.carries, c.carries) << c.a << "+" << c.b;
        EXPECT_EQ(bitsValue(add.sum.sum), c.a + c.b);
        const BinarySubtraction sub = binarySubtraction(c.a, c.b);
        EXPECT_EQ(sub.difference, c.difference) << c.a << "-" << c.b;
        EXPECT_EQ(sub.discardCarry, c.discard) << c.a << "-" << c.b;
        if (c.discard)
            EXPECT_EQ(bitsValue(sub.difference), c.a - c.b);
        else
            EXPECT_EQ(bitsValue(sub.magnitude), c.b - c.a);
    }
    EXPECT_EQ(columnBinary(0), QStringLiteral("0000"));
    EXPECT_EQ(binarySubtraction(251, 37).bTwos, QStringLiteral("11011011"));
}

TEST(FloatingPoint, Fields)
{
    struct Case {
        double value;
        const char* mantissa;
        const char* exponent;
        double held;
    };
    const Case cases[] = {
        {233.678, "0111010011", "001000", 233.5},
        {-233.678, "1000101101", "001000", -233.5},
        {0.75, "0110000000", "000000", 0.75},
        {-0.5, "1000000000", "111111", -0.5},
        {1, "0100000000", "000001", 1},
        {0, "0000000000", "000000", 0},
        {2147483647, "0111111111", "011111", 2143289344},
    };
    for (const Case& c : cases) {
        const BinaryFloat f = binaryFloat(c.value);
        EXPECT_EQ(f.mantissa, c.mantissa) << c.value;
        EXPECT_EQ(f.exponentBits, c.exponent) << c.value;
        EXPECT_DOUBLE_EQ(f.held, c.held) << c.value;
    }
    EXPECT_TRUE(binaryFloat(1e-12).underflow);
    EXPECT_EQ(binaryFloat(1e-12).held, 0);
    EXPECT_EQ(binaryFloat(233.678).pointed(), QStringLiteral("0.111010011"));
}

// The fields give back the mantissa within one unit of their last bit, and a
// normalised field starts 0.1 (positive) or 1.0 (negative).
TEST(FloatingPoint, FieldsReproduceTheMantissa)
{
    for (double v = -3000; v <= 3000; v += 0.37) {
        const BinaryFloat f = binaryFloat(v);
        if (v == 0 || f.underflow)
            continue;
        // The unit of the ninth bit of the magnitude (a negative exact half
        // moves to the exponent one lower without losing anything).
        int e = 0;
        std::frexp(v, &e);
        EXPECT_LT(std::fabs(f.held - v), std::ldexp(1.0, e - 9)) << v;
        EXPECT_NE(f.mantissa.at(0), f.mantissa.at(1)) << v;
    }
}

TEST(FloatingPoint, StandardForm)
{
    const DecimalFloat d = decimalFloat(233.678, 9);
    EXPECT_NEAR(d.standardMantissa, 2.33678, 1e-12);
    EXPECT_EQ(d.standardExponent, 11);
    EXPECT_EQ(decimalFloat(1000, 0).standardExponent, 3);
    EXPECT_EQ(decimalFloat(-0.05, 2).standardExponent, -0);
    EXPECT_NEAR(decimalFloat(-0.05, 2).standardMantissa, -5, 1e-12);
}

TEST(DecimalColumns, AdditionSubtractionMultiplicationDivision)
{
    const ColumnAddition add = columnAddition({56, 125, 1000});
    EXPECT_EQ(add.total, 1181);
    EXPECT_EQ(add.carries, (std::vector<int>{0, 1, 0, 0, 0}));
    const ColumnSubtraction sub = columnSubtraction(2700, 132);
    EXPECT_EQ(sub.difference, 2568);
    EXPECT_EQ(sub.borrows, (std::vector<int>{0, 1, 1, 0}));
    EXPECT_EQ(columnSubtraction(132, 2700).difference, -2568);

    struct Mult {
        long long a, b;
        std::vector<long long> rows;
    };
    const Mult mults[] = {
        {115, 9999, {1035, 10350, 103500, 1035000}},
        {5160, 12, {10320, 51600}},
        {2527, 0, {0}},
        {2527, 1204, {10108, 0, 505400, 2527000}},
    };
    for (const Mult& m : mults) {
        const LongMultiplication w = longMultiplication(m.a, m.b);
        ASSERT_EQ(w.rows.size(), m.rows.size()) << m.b;
        for (size_t i = 0; i < w.rows.size(); ++i) {
            EXPECT_EQ(w.rows[i].value, m.rows[i]) << m.b << " row " << i;
            EXPECT_EQ(w.rows[i].zeros, int(i));
        }
        EXPECT_EQ(w.total, m.a * m.b);
    }

    struct Div {
        long long dividend, divisor, quotient, remainder;
        size_t steps;
    };
    const Div divs[] = {
        {128536, 17, 7560, 16, 4}, {128536, 16, 8033, 8, 4}, {88888, 2, 44444, 0, 5}, {5, 17, 0, 5, 1}, {0, 3, 0, 0, 1},
    };
    for (const Div& d : divs) {
        const LongDivision w = longDivision(d.dividend, d.divisor);
        EXPECT_EQ(w.quotient, d.quotient) << d.dividend;
        EXPECT_EQ(w.remainder, d.remainder) << d.dividend;
        EXPECT_EQ(w.steps.size(), d.steps) << d.dividend;
    }
}

TEST(DecimalColumns, FurtherMultiplicationAndDivision)
{
    const DecimalMultiplication m = decimalMultiplication(2.5, -1.25);
    EXPECT_EQ(m.aPlaces + m.bPlaces, 3);
    EXPECT_EQ(m.digitProduct, 3125);
    EXPECT_DOUBLE_EQ(m.product, -3.125);
    EXPECT_TRUE(m.negative);

    const DecimalDivision d = decimalDivision(12.75, 2.5);
    EXPECT_EQ(d.power, 2);
    EXPECT_DOUBLE_EQ(d.scaledA, 1275);
    EXPECT_DOUBLE_EQ(d.scaledB, 250);
    EXPECT_DOUBLE_EQ(d.answer, 5.1);
    EXPECT_EQ(d.wholeTimes, 5);
    EXPECT_NEAR(d.remainder, 0.25, 1e-9);
    EXPECT_TRUE(decimalDivision(3, 0).divideByZero);
}

TEST(DecimalColumns, SequencesTemperaturesMatrices)
{
    const Sequence s = arithmeticSequence(-7, 3, 5);
    EXPECT_EQ(s.terms, (std::vector<double>{-7, -4, -1, 2, 5}));
    EXPECT_EQ(s.sum, -5);

    EXPECT_DOUBLE_EQ(convertTemperature(100, true).result, 212);
    EXPECT_DOUBLE_EQ(convertTemperature(32, false).result, 0);
    EXPECT_DOUBLE_EQ(convertTemperature(212, false).result, 100);
    EXPECT_DOUBLE_EQ(convertTemperature(-40, true).result, -40);

    for (const MatrixPair& p : additionSets())
        EXPECT_EQ(rows(addMatrices(p.a, p.b)), 2);
    for (const MatrixPair& p : multiplicationSets())
        EXPECT_EQ(columns(multiplyMatrices(p.a, p.b)), columns(p.b));
    const MatrixPair& p = multiplicationSets().front();
    EXPECT_EQ(multiplyMatrices(p.a, p.b), (Matrix{{16, 20}, {13, 25}}));
    EXPECT_EQ(productTerms(p.a, p.b, 0, 0), QStringLiteral("2 \u00D7 5 + 3 \u00D7 2"));
    EXPECT_TRUE(multiplyMatrices(p.b, Matrix{{1, 2, 3}}).empty());
}
