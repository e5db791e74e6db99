// Number conversions of the simulated microprocessor.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include "topics/micro/conversions.h"

using namespace orr::micro;

TEST(MicroConversions, HexToNumber)
{
    struct Case {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"", 0},         {" a5 ", 165},     {"FF", 255},     {"ff", 255},   {"1A3", 0x1A3},
        {"0010", 16},    {"2710", 10000},   {"FFFFFFF", 0xFFFFFFF},
        // A character that is no digit keeps its place but adds nothing.
        {"5 05", 0x5005}, {"G1", 1},
        // Cells as the indirect modes join them: high cell then low cell.
        {"05" "00", 0x500},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hexToNumber(QString::fromLatin1(c.text)), c.expected) << c.text;
    // The eight-digit two's complement of a negative number reads as "above 255".
    EXPECT_GT(hexToNumber(QStringLiteral("FFFFFFFF")), 255);
    EXPECT_GT(hexToNumber(QStringLiteral("80000000")), 255);
}

TEST(MicroConversions, NumberToBinary)
{
    struct Case {
        const char* decimal;
        int digits;
        const char* expected;
    } cases[] = {
        {"300", 8, "00101100"}, {"-5", 8, "00000101"}, {"0", 8, "00000000"}, {"255", 8, "11111111"},
        {"256", 8, "00000000"}, {"2.6", 4, "0011"},    {"65535", 16, "1111111111111111"}, {"5", 1, "1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(numberToBinary(QString::fromLatin1(c.decimal), c.digits), QLatin1String(c.expected)) << c.decimal;
}

TEST(MicroConversions, HexAndDecimalTexts)
{
    EXPECT_EQ(numberToHex(0), QStringLiteral("0"));
    EXPECT_EQ(numberToHex(4), QStringLiteral("4"));
    EXPECT_EQ(numberToHex(0x1A3), QStringLiteral("1A3"));
    EXPECT_EQ(numberToHex(-1), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(numberToHex(-256), QStringLiteral("FFFFFF00"));
    EXPECT_EQ(decimalText(128), QStringLiteral(" 128"));
    EXPECT_EQ(decimalText(0), QStringLiteral(" 0"));
    EXPECT_EQ(decimalText(-6), QStringLiteral("-6"));
    EXPECT_EQ(padHex(QStringLiteral("7F"), 4), QStringLiteral("007F"));
    EXPECT_EQ(padHex(QStringLiteral("12345"), 2), QStringLiteral("45"));
}

TEST(MicroConversions, DisplacementIsSignAndMagnitude)
{
    struct Case {
        const char* operand;
        int32_t expected;
    } cases[] = {{"06", 6}, {"86", -6}, {"80", 0}, {"7F", 127}, {"FF", -127}, {"00", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(displacementFrom(QLatin1String(c.operand)), c.expected) << c.operand;
}
