// Base conversion arithmetic: the workings checked against known answers, and
// conversions to a base and back checked on many values.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "../values/qstring_print.h"
#include "topics/numbers/base_conversion.h"

using namespace orr;
using namespace orr::numbers;

TEST(BaseConversion, RepeatedDivisionReadsRemaindersBottomToTop)
{
    struct Case {
        double n;
        const char* bits;
        size_t rows;
    };
    for (const Case& c : {Case{125, "1111101", 7}, Case{0, "0", 1}, Case{1, "1", 1}, Case{255, "11111111", 8},
                          Case{256, "100000000", 9}, Case{25.9, "11001", 5}}) {
        const DivisionWorking w = repeatedDivision(c.n);
        EXPECT_EQ(w.bits, QString::fromLatin1(c.bits)) << c.n;
        EXPECT_EQ(w.rows.size(), c.rows) << c.n;
        // Each quotient is the dividend of the next row.
        for (size_t i = 0; i + 1 < w.rows.size(); ++i)
            EXPECT_EQ(w.rows[i].quotient, w.rows[i + 1].dividend);
    }
    EXPECT_EQ(repeatedDivision(1000, 3).rows.size(), 3u);
}

TEST(BaseConversion, RepeatedDoublingStopsWhenTheFractionIsUsedUp)
{
    struct Case {
        double x;
        int maxRows;
        const char* bits;
    };
    for (const Case& c : {Case{0.5, 0, "1"}, Case{0.625, 0, "101"}, Case{25.0, 0, ""}, Case{0.1, 8, "00011001"},
                          Case{double(25.479f), 12, "011110101001"}, Case{0.75, 1, "1"}}) {
        EXPECT_EQ(repeatedDoubling(c.x, c.maxRows).bits, QString::fromLatin1(c.bits)) << c.x;
    }
    // A single's fraction has finitely many bits: the doubling ends by itself.
    const DoublingWorking w = repeatedDoubling(double(25.479f));
    EXPECT_LE(w.bits.size(), 19);  // 24 significant bits, five of them before the point
    EXPECT_EQ(fromBase(QStringLiteral(".") + w.bits, 2), double(25.479f) - 25);
    EXPECT_EQ(w.rows.front().fraction, double(25.479f) - 25);
    EXPECT_EQ(w.rows.front().doubled, 2 * (double(25.479f) - 25));
}

TEST(BaseConversion, GroupingThroughBinary)
{
    struct Case {
        float value;
        int group;
        const char* integerGroups;
        const char* integerDigits;
        const char* fractionBits;
        const char* fractionDigits;
    };
    for (const Case& c : {
             Case{25.479f, 4, "0001 1001", "19", "011110101001", "7A9"},
             Case{25.479f, 3, "011 001", "31", "011110101001", "3651"},
             Case{1000, 4, "0011 1110 1000", "3E8", "", ""},
             Case{0.5f, 3, "000", "0", "1", "4"},
             Case{255.5f, 4, "1111 1111", "FF", "1", "8"},
         }) {
        const GroupedConversion g = groupedConversion(c.value, c.group);
        EXPECT_EQ(g.integerGroups.join(QLatin1Char(' ')), QString::fromLatin1(c.integerGroups)) << c.value;
        EXPECT_EQ(g.integerDigits, QString::fromLatin1(c.integerDigits)) << c.value;
        EXPECT_EQ(g.fractionBits, QString::fromLatin1(c.fractionBits)) << c.value;
        EXPECT_EQ(g.fractionDigits, QString::fromLatin1(c.fractionDigits)) << c.value;
    }
}

TEST(BaseConversion, DigitTableLooksUpOctalByItsLastThreeBits)
{
    EXPECT_EQ(digitOfGroup(QStringLiteral("1010")), QLatin1Char('A'));
    EXPECT_EQ(digitOfGroup(QStringLiteral("1111")), QLatin1Char('F'));
    EXPECT_EQ(digitOfGroup(QStringLiteral("111")), QLatin1Char('7'));
    EXPECT_EQ(digitOfGroup(QStringLiteral("000")), QLatin1Char('0'));
}

TEST(BaseConversion, WeightedSums)
{
    struct Case {
        const char* text;
        int base;
        int maxChars;
        int maxFraction;
        const char* terms;
        double total;
    };
    for (const Case& c : {
             Case{"AA23.16", 16, 15, 3, "40960 2560 32 3 1/16 6/256", 43555 + 1.0 / 16 + 6.0 / 256},
             Case{"AA23.16789", 16, 15, 3, "40960 2560 32 3 1/16 6/256 7/4096", 43555 + 1.0 / 16 + 6.0 / 256 + 7.0 / 4096},
             Case{"1101.101", 2, 15, -1, "8 4 0 1 1/2 0/4 1/8", 13.625},
             Case{"127.521", 8, 15, -1, "64 16 7 5/8 2/64 1/512", 87.658203125},
             Case{".1", 2, 0, -1, "0 1/2", 0.5},
             Case{"11011011", 2, 8, -1, "128 64 0 16 8 0 2 1", 219},
             Case{"1111111111111111", 2, 15, -1, "16384 8192 4096 2048 1024 512 256 128 64 32 16 8 4 2 1", 32767},
         }) {
        const WeightedSum s = weightedSum(QString::fromLatin1(c.text), c.base, c.maxChars, c.maxFraction);
        QStringList terms;
        for (const WeightedDigit& d : s.digits)
            terms << d.weightedText;
        EXPECT_EQ(terms.join(QLatin1Char(' ')), QString::fromLatin1(c.terms)) << c.text;
        EXPECT_DOUBLE_EQ(s.total(), c.total) << c.text;
    }
}

TEST(BaseConversion, HexadecimalEntryKeepsFourIntegerDigits)
{
    struct Case {
        const char* typed;
        const char* kept;
    };
    for (const Case& c : {Case{"aa23.16", "AA23.16"}, Case{"12345.6", "1234.6"}, Case{"ABCDEF.12", "ABCD.12"},
                          Case{"123.4", "123.4"}, Case{"12345", "12345"}, Case{".5", ".5"}}) {
        EXPECT_EQ(hexEntryText(QString::fromLatin1(c.typed)), QString::fromLatin1(c.kept)) << c.typed;
    }
}

TEST(BaseConversion, PlainTextOfSinglesHasNoExponent)
{
    EXPECT_EQ(plainText(111.11111111f), QStringLiteral("111.1111"));
    EXPECT_EQ(plainText(1101.101f), QStringLiteral("1101.101"));
    EXPECT_EQ(plainText(1e9f), QStringLiteral("1000000000"));
    EXPECT_EQ(plainText(0.00001f), QStringLiteral("0.00001"));
}

// Converting a single to binary, octal or hexadecimal with every bit the
// doubling gives, then back by weighted sums, gives the same single again.
TEST(BaseConversion, ToABaseAndBackGivesTheNumberAgain)
{
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<float> magnitude(0.0f, 1000.0f);
    std::uniform_int_distribution<int> decimals(0, 4);
    for (int i = 0; i < 3000; ++i) {
        // Values as a learner types them: a few decimals, held as a single.
        const double scale = std::pow(10.0, decimals(rng));
        const float x = float(std::round(magnitude(rng) * scale) / scale);
        for (int base : {2, 8, 16}) {
            const QString text = toBase(x, base);
            const double back = fromBase(text, base);
            ASSERT_EQ(float(back), x) << x << " base " << base << " " << text.toStdString();
        }
    }
}

// The grouped conversion keeps three bits per fractional character: the
// value read back is below the decimal one by less than its last kept bit.
TEST(BaseConversion, GroupedFractionIsTruncatedToTheBitsKept)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> thousandths(0, 999999);
    for (int i = 0; i < 2000; ++i) {
        const float x = float(thousandths(rng) / 1000.0);
        for (int group : {3, 4}) {
            const GroupedConversion g = groupedConversion(x, group);
            const QString digits = g.fractionDigits.isEmpty() ? g.integerDigits
                                                              : g.integerDigits + QLatin1Char('.') + g.fractionDigits;
            const double back = fromBase(digits, group == 3 ? 8 : 16);
            const double step = std::ldexp(1.0, -int(g.fractionBits.size()));
            EXPECT_LE(back, double(x)) << x;
            EXPECT_LT(double(x) - back, step) << x << " " << digits.toStdString();
        }
    }
}
