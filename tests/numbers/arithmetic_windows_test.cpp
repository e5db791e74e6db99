// BinaryArithmetic and NumberSystems: values set, the picture redrawn, and the
// working rows read back from the picture's text log.
#include <gtest/gtest.h>

#include <functional>

#include "../values/qstring_print.h"
#include "suite_fixture.h"
#include "topics/numbers/binary_arithmetic.h"
#include "topics/numbers/number_systems.h"

using namespace orr;

namespace {

bool printed(const TopicForm* t, const QString& text)
{
    for (const PrintedText& p : t->Picture1->printedTexts())
        if (p.text == text)
            return true;
    return false;
}

template <class T> struct Case {
    int example;
    std::function<void(T&)> set;
    std::vector<const char*> texts;
};

template <class T> void check(const char* name, const std::vector<Case<T>>& cases)
{
    for (const Case<T>& c : cases) {
        auto* t = test::openTopic<T>(QLatin1String(name), c.example);
        ASSERT_NE(t, nullptr);
        if (c.set) {
            c.set(*t);
            t->results();
        }
        for (const char* text : c.texts)
            EXPECT_TRUE(printed(t, QString::fromUtf8(text))) << name << " example " << c.example << ": " << text;
    }
}

}  // namespace

TEST(ArithmeticWindows, BinaryArithmeticRows)
{
    using W = BinaryArithmetic;
    check<W>("BinaryArithmetic",
             {
                 {0, nullptr, {"Integer part = 111000", "Fractional part = 0.001", "1 111000.001"}},
                 {1, nullptr, {"000111.110"}},
                 {2, nullptr, {"01010111", "10101000", "10101001"}},
                 {2, [](W& w) { w.signedInteger = 0; }, {"00000000", "(Positive Integer Number)"}},
                 {3, nullptr, {"0100 0101 0110 0111 1001"}},
                 {4, nullptr, {"11111011", "00100101", "100100000", "251 + 37 = 288"}},
                 {5, nullptr, {"11010110", "Discard carry bit.", "251 - 37 = 214"}},
                 {6, nullptr, {"0", "111010011", "001000"}},
                 {6, [](W& w) { w.mantissa = 0; }, {"000000000", "000000", "Zero: every bit of both fields is 0."}},
             });
}

TEST(ArithmeticWindows, NumberSystemsRows)
{
    using W = NumberSystems;
    check<W>("NumberSystems",
             {
                 {2, [](W& w) { w.a = 115; w.b = 9999; },
                  {"1035", "10350", "103500", "1035000", "[Sum of 4 rows above.]"}},
                 {8, [](W& w) { w.b = 0; }, {"Dividing by zero has resulted in an error."}},
                 {10, nullptr, {"(-7)", "(-4)", "(-1)", "2", "5", "(-5)"}},
                 {11, nullptr, {"212°F"}},
                 {11, [](W& w) { w.celsius = false; w.temperature = 32; }, {"0°C"}},
             });
}
