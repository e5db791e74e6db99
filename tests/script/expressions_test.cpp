// Expression semantics: operators, conversions, precedence and number-to-text.
#include "script_fixture.h"

namespace orr::script::test {
namespace {

struct Case {
    const char* expr;
    const char* text;      // CStr of the result
    const char* typeName;  // TypeName of the result, or "" to skip
};

class Expressions : public ScriptTest, public ::testing::WithParamInterface<Case> {};

TEST_P(Expressions, EvaluateAsTheLanguageDoes)
{
    const Case& c = GetParam();
    engine.addCode("Public A, B, C");
    Variant v = engine.eval(c.expr);
    EXPECT_EQ(v.isNull() ? std::string() : toString(v), c.text) << c.expr;
    if (*c.typeName) EXPECT_EQ(typeName(v), c.typeName) << c.expr;
}

const Case kCases[] = {
    // The required cases.
    {"NOT((A OR B) AND C)", "-1", "Integer"},
    {"1 + 2 = 2 + 1", "True", "Boolean"},
    {"1 + 2 = 5", "False", "Boolean"},
    {"CStr(0.1 + 0.2)", "0.3", "String"},
    {"5 \\ 2", "2", "Integer"},
    {"-7 Mod 3", "-1", "Integer"},
    {"\"3\" + 4", "7", "Double"},
    {"\"3\" & 4", "34", "String"},
    {"Int(-2.5)", "-3", "Double"},
    {"Fix(-2.5)", "-2", "Double"},
    {"Round(2.5)", "2", "Double"},
    {"Round(3.5)", "4", "Double"},
    {"Round(-2.5)", "-2", "Double"},
    // Arithmetic types and promotion.
    {"32767 + 1", "32768", "Long"},
    {"2147483647 + 1", "2147483648", "Double"},
    {"-32768 - 1", "-32769", "Long"},
    {"7 / 2", "3.5", "Double"},
    {"6 / 3", "2", "Double"},
    {"2 ^ 10", "1024", "Double"},
    {"-2 ^ 2", "-4", "Double"},
    {"2 ^ -1", "0.5", "Double"},
    {"2 ^ 3 ^ 2", "64", "Double"},
    {"7.5 \\ 2", "4", "Long"},
    {"8.5 Mod 3", "2", "Long"},
    {"1 + 2 * 3 - 4 / 2", "5", "Double"},
    {"10 - 2 - 3", "5", "Integer"},
    {"2 * 3 Mod 4", "2", "Integer"},
    {"7 Mod 4 + 1", "4", "Integer"},
    {"Empty + 1", "1", "Integer"},
    {"Empty & \"x\"", "x", "String"},
    {"\"a\" + \"b\"", "ab", "String"},
    {"True + True", "-2", "Integer"},
    {"Null + 1", "", "Null"},
    {"1 & Null", "1", "String"},
    {"1.5 * 2", "3", "Double"},
    // Number to text.
    {"1 / 3", "0.333333333333333", ""},
    {"2 / 3", "0.666666666666667", ""},
    {"1E+20", "1E+20", "Double"},
    {"1E15", "1E+15", ""},
    {"123456789012345", "123456789012345", ""},
    {"0.0001", "0.0001", ""},
    {"0.00001", "1E-05", ""},
    {"1.5E-07", "1.5E-07", ""},
    {"-1.25", "-1.25", ""},
    {"100000 * 100000", "10000000000", "Double"},
    {"CSng(1) / 3", "0.3333333", "Single"},
    {"CCur(1.23456)", "1.2346", "Currency"},
    // Comparison.
    {"\"abc\" < \"abd\"", "True", ""},
    {"\"B\" < \"a\"", "True", ""},
    {"2 < 10", "True", ""},
    {"\"2\" < \"10\"", "False", ""},
    {"Empty = 0", "True", ""},
    {"Empty = \"\"", "True", ""},
    {"1 = 1.0", "True", ""},
    {"Null = Null", "", "Null"},
    {"\"10\" > 5", "True", ""},
    // Logical operators: bitwise on numbers, Boolean on Booleans.
    {"True And False", "False", "Boolean"},
    {"True Or False", "True", "Boolean"},
    {"True Xor True", "False", "Boolean"},
    {"12 And 10", "8", "Integer"},
    {"12 Or 3", "15", "Integer"},
    {"5 Xor 3", "6", "Integer"},
    {"Not 0", "-1", "Integer"},
    {"Not -1", "0", "Integer"},
    {"Not True", "False", "Boolean"},
    {"True Eqv True", "True", ""},
    {"False Imp False", "True", ""},
    {"Not 1 = 2", "True", ""},
    {"1 < 2 And 3 < 4", "True", ""},
    {"-1 And -1", "-1", "Integer"},
    {"Null And False", "False", ""},
    {"Null Or True", "True", ""},
    {"&HFF", "255", "Integer"},
    {"&HFFFF", "-1", "Integer"},
    {"&H10000", "65536", "Long"},
    {"&O17", "15", "Integer"},
};

INSTANTIATE_TEST_SUITE_P(All, Expressions, ::testing::ValuesIn(kCases));

TEST_F(ScriptTest, LogicValuesFollowTheVariables)
{
    engine.addCode("Public A, B, C, D, Y, X, J, K");
    engine.addCode("A = -1");
    engine.addCode("B = -1");
    engine.addCode("C = -1");
    EXPECT_EQ(evalText("NOT((A OR B) AND C)"), "0");
    engine.addCode("a = 0");  // names ignore letter case
    engine.addCode("b = 0");
    EXPECT_EQ(evalText("NOT((A OR B) AND C)"), "-1");
}

TEST_F(ScriptTest, VariablesKeepTheirValuesBetweenCalls)
{
    engine.addCode("Public a, b, c, d, y, x");
    engine.addCode("x = 3");
    engine.addCode("A = 2");
    EXPECT_EQ(evalText("a * x + 1"), "7");
    EXPECT_EQ(evalText("a * x = 6"), "True");
}

} // namespace
} // namespace orr::script::test
