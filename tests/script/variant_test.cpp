// Variant conversions: reading numbers and dates from text, writing numbers and dates as text.
#include <gtest/gtest.h>

#include <cmath>

#include "script/datetime.h"
#include "script/error.h"
#include "script/operators.h"
#include "script/variant.h"

namespace orr::script {
namespace {

TEST(Variant, ParsesNumbersFromText)
{
    struct Row {
        const char* text;
        bool ok;
        double value;
    };
    const Row rows[] = {
        {"12", true, 12}, {"  -3.5  ", true, -3.5}, {"+7", true, 7}, {".5", true, 0.5}, {"5.", true, 5},
        {"1e3", true, 1000}, {"1.5E-2", true, 0.015}, {"2D2", true, 200}, {"&HFF", true, 255},
        {"&hffff", true, -1}, {"&H10000", true, 65536}, {"&O777", true, 511}, {"- 4", true, -4},
        {"", false, 0}, {"   ", false, 0}, {"abc", false, 0}, {"1e", false, 0}, {"12abc", false, 0},
        {"1.2.3", false, 0}, {"&H", false, 0}, {"&HG", false, 0}, {".", false, 0}, {"--1", false, 0},
    };
    for (const Row& r : rows) {
        double d = 0;
        EXPECT_EQ(parseNumber(r.text, d), r.ok) << r.text;
        if (r.ok) EXPECT_DOUBLE_EQ(d, r.value) << r.text;
    }
}

TEST(Variant, WritesNumbersWithFifteenSignificantDigits)
{
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {0, "0"}, {-0.0, "0"}, {1, "1"}, {-1.5, "-1.5"}, {0.1 + 0.2, "0.3"}, {1.0 / 3, "0.333333333333333"},
        {1e15, "1E+15"}, {1e14, "100000000000000"}, {123456789012345678.0, "1.23456789012346E+17"},
        {1e-5, "1E-05"}, {0.0001, "0.0001"}, {1e100, "1E+100"}, {-2.5e-10, "-2.5E-10"},
        {3.14159265358979, "3.14159265358979"}, {1e20, "1E+20"},
    };
    for (const Row& r : rows) EXPECT_EQ(formatDouble(r.value), r.text) << r.value;
    EXPECT_EQ(formatSingle(0.1f), "0.1");
    EXPECT_EQ(formatSingle(1.0f / 3), "0.3333333");
    EXPECT_EQ(formatCurrency(12345), "1.2345");
    EXPECT_EQ(formatCurrency(-10000), "-1");
    EXPECT_EQ(formatCurrency(15000), "1.5");
}

TEST(Variant, DatesRoundTripThroughText)
{
    struct Row {
        const char* in;
        const char* out;
    };
    const Row rows[] = {
        {"1/2/2003", "1/2/2003"}, {"2003-01-02", "1/2/2003"}, {"12/31/1899", "12/31/1899"},
        {"15 March 2024", "3/15/2024"}, {"March 15, 2024", "3/15/2024"}, {"13:45", "1:45:00 PM"},
        {"1:45 PM", "1:45:00 PM"}, {"12:00 AM", "12:00:00 AM"}, {"1/2/2003 6:30:15 AM", "1/2/2003 6:30:15 AM"},
        {"2/29/2024", "2/29/2024"}, {"31/12/2024", "12/31/2024"},
    };
    for (const Row& r : rows) {
        double d = 0;
        ASSERT_TRUE(parseDate(r.in, d)) << r.in;
        EXPECT_EQ(formatDate(d), r.out) << r.in;
    }
    const char* bad[] = {"", "hello", "13/13/2020", "1:99", "25:00", "1/2/3/4"};
    for (const char* b : bad) {
        double d;
        EXPECT_FALSE(parseDate(b, d)) << b;
    }
    EXPECT_EQ(dateSerial(1899, 12, 30), 0);
    EXPECT_EQ(dateSerial(1900, 1, 1), 2);
    EXPECT_EQ(dateSerial(2024, 0, 1), dateSerial(2023, 12, 1));
    EXPECT_EQ(splitDate(dateSerial(2024, 3, 15)).weekday, 6);  // a Friday
    EXPECT_EQ(formatDate(-1.25), "12/29/1899 6:00:00 AM");
}

TEST(Variant, ConversionsRaiseTheLanguagesErrors)
{
    auto errorOf = [](auto fn) {
        try {
            fn();
        } catch (const ScriptError& e) {
            return e.number;
        }
        return 0;
    };
    EXPECT_EQ(errorOf([] { toDouble(Variant::str("x")); }), ErrTypeMismatch);
    EXPECT_EQ(errorOf([] { toDouble(Variant::null()); }), ErrInvalidNull);
    EXPECT_EQ(errorOf([] { toInteger(Variant::lng(40000)); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { toLong(Variant::dbl(3e9)); }), ErrOverflow);
    EXPECT_EQ(errorOf([] { toBool(Variant::str("maybe")); }), ErrTypeMismatch);
    EXPECT_EQ(errorOf([] { toString(Variant::array(new ArrObj())); }), ErrTypeMismatch);
    EXPECT_EQ(toLong(Variant::dbl(2.5)), 2);
    EXPECT_EQ(toLong(Variant::dbl(-3.5)), -4);
    EXPECT_EQ(toLong(Variant::str("  7 ")), 7);
    EXPECT_TRUE(toBool(Variant::str("TRUE")));
    EXPECT_FALSE(toBool(Variant()));
    EXPECT_EQ(toString(Variant::boolean(false)), "False");
}

TEST(Variant, ArraysCopyOnWriteAndResize)
{
    Variant a = Variant::array(new ArrObj({2}));
    a.mutableArray()->data[0] = Variant::integer(1);
    Variant b = a;
    b.mutableArray()->data[0] = Variant::integer(9);
    EXPECT_EQ(a.rawArray()->data[0].rawInt(), 1);
    EXPECT_EQ(b.rawArray()->data[0].rawInt(), 9);

    ArrObj m({1, 2});  // 2 x 3
    m.data[m.offset(std::vector<Variant>{Variant::integer(1), Variant::integer(2)}.data(), 2)] = Variant::integer(5);
    m.resize({1, 4}, true);
    EXPECT_EQ(m.data.size(), 10u);
    EXPECT_EQ(m.data[m.offset(std::vector<Variant>{Variant::integer(1), Variant::integer(2)}.data(), 2)].rawInt(), 5);
    EXPECT_THROW(m.resize({3, 4}, true), ScriptError);  // only the last bound may change
}

TEST(Operators, NullAndEmptyFollowTheLanguage)
{
    EXPECT_TRUE(opAdd(Variant::null(), Variant::integer(1)).isNull());
    EXPECT_TRUE(opCompare(CompareOp::Eq, Variant::null(), Variant::integer(1)).isNull());
    EXPECT_EQ(toString(opConcat(Variant::null(), Variant::str("a"))), "a");
    EXPECT_TRUE(opConcat(Variant::null(), Variant::null()).isNull());
    EXPECT_TRUE(opNot(Variant::null()).isNull());
    EXPECT_EQ(toString(opLogic(LogicOp::And, Variant::null(), Variant::boolean(false))), "False");
    EXPECT_TRUE(opLogic(LogicOp::And, Variant::null(), Variant::boolean(true)).isNull());
    EXPECT_EQ(typeName(opAdd(Variant(), Variant())), "Integer");
    EXPECT_EQ(typeName(opAdd(Variant(), Variant::str("x"))), "String");
    EXPECT_EQ(typeName(opSub(Variant::date(10), Variant::date(3))), "Double");
    EXPECT_EQ(typeName(opAdd(Variant::date(10), Variant::integer(3))), "Date");
    EXPECT_EQ(typeName(opMul(Variant::currency(10000), Variant::integer(3))), "Currency");
    EXPECT_EQ(typeName(opAdd(Variant::byte(200), Variant::byte(100))), "Integer");
    // A string variable and a number variable: the number sorts first.
    EXPECT_EQ(compareValues(Variant::integer(5), Variant::str("10")), -1);
    // With a literal number the text is read as a number.
    EXPECT_EQ(compareValues(Variant::integer(5), Variant::str("10"), false, LeftLiteral), -1);
    EXPECT_EQ(compareValues(Variant::str("10"), Variant::integer(5), false, RightLiteral), 1);
    EXPECT_EQ(compareStrings("abc", "ABC", true), 0);
    EXPECT_EQ(compareStrings("abc", "ABC", false), 1);
}

} // namespace
} // namespace orr::script
