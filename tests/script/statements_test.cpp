// Statements and procedures: each program's Show output, line by line.
#include "script_fixture.h"

namespace orr::script::test {
namespace {

struct Program {
    const char* name;
    const char* source;
    std::vector<std::string> shown;
};

class Programs : public ScriptTest, public ::testing::WithParamInterface<Program> {};

TEST_P(Programs, ShowWhatTheyShould)
{
    const Program& p = GetParam();
    EXPECT_EQ(run(p.source), p.shown) << p.name;
}

const Program kPrograms[] = {
    {"counting sample, translated",
     "REM Counting.\r\nSub Main()\r\nCONST MAXCOUNT  = 12\r\nFOR  J = 1 TO MAXCOUNT\r\n"
     "SHOW  \"J   =   \" & J\r\nNEXT\r\nEnd Sub\r\n"
     "REM A single program loop that increments j from 1 to MAXCOUNT times and prints a line indicating the value of j.\r\n"
     "Main\r\n",
     {"J   =   1", "J   =   2", "J   =   3", "J   =   4", "J   =   5", "J   =   6", "J   =   7",
      "J   =   8", "J   =   9", "J   =   10", "J   =   11", "J   =   12"}},
    {"members reached three ways", "Show 1\nOutput.Show 2\nSHOW(3)\nCall Output.Show(4)", {"1", "2", "3", "4"}},
    {"for leaves the counter one step past", "For i = 1 To 3: Next\nShow i", {"4"}},
    {"for with negative step", "For i = 10 To 1 Step -3: Show i: Next", {"10", "7", "4", "1"}},
    {"for bounds evaluated once", "n = 3\nFor i = 1 To n: n = 10: Show i: Next", {"1", "2", "3"}},
    {"for with fractional step", "For x = 0 To 1 Step 0.25: Show x: Next", {"0", "0.25", "0.5", "0.75", "1"}},
    {"for that never runs", "For i = 5 To 1: Show i: Next\nShow i", {"5"}},
    {"exit for", "For i = 1 To 10\nIf i = 3 Then Exit For\nNext\nShow i", {"3"}},
    {"nested for", "For i = 1 To 2\nFor j = 1 To 2\nShow i & j\nNext\nNext", {"11", "12", "21", "22"}},
    {"do while", "i = 0\nDo While i < 3\ni = i + 1\nLoop\nShow i", {"3"}},
    {"do until", "i = 0\nDo Until i >= 3\ni = i + 1\nLoop\nShow i", {"3"}},
    {"do loop while runs once", "i = 10\nDo\ni = i + 1\nLoop While i < 3\nShow i", {"11"}},
    {"do loop until", "i = 0\nDo\ni = i + 2\nLoop Until i > 5\nShow i", {"6"}},
    {"exit do", "Do\ni = i + 1\nIf i = 4 Then Exit Do\nLoop\nShow i", {"4"}},
    {"while wend", "i = 1\nWhile i < 100\ni = i * 2\nWend\nShow i", {"128"}},
    {"if elseif else",
     "For i = 1 To 3\nIf i = 1 Then\nShow \"one\"\nElseIf i = 2 Then\nShow \"two\"\nElse\nShow \"many\"\nEnd If\nNext",
     {"one", "two", "many"}},
    {"single-line if", "x = 5\nIf x > 3 Then Show \"big\" Else Show \"small\"\nIf x < 3 Then Show \"no\"", {"big"}},
    {"single-line if with several statements", "If True Then a = 1: b = 2: Show a + b Else Show 0", {"3"}},
    {"select case",
     "For Each v In Array(1, 5, 7, 12)\nSelect Case v\nCase 1, 2\nShow \"small\"\nCase 3 To 6\nShow \"middle\"\n"
     "Case Is >= 10\nShow \"large\"\nCase Else\nShow \"other\"\nEnd Select\nNext",
     {"small", "middle", "other", "large"}},
    {"select case on text", "Select Case LCase(\"B\")\nCase \"a\": Show 1\nCase \"b\": Show 2\nEnd Select", {"2"}},
    {"sub with byref and byval",
     "Sub Change(ByRef a, ByVal b)\na = a + 1\nb = b + 1\nEnd Sub\nx = 1: y = 1\nChange x, y\nShow x & \",\" & y", {"2,1"}},
    {"byref is the default", "Sub Twice(n)\nn = n * 2\nEnd Sub\nv = 4\nTwice v\nShow v", {"8"}},
    {"parentheses pass by value", "Sub Twice(n)\nn = n * 2\nEnd Sub\nv = 4\nTwice (v)\nShow v\nCall Twice(v)\nShow v", {"4", "8"}},
    {"function result and recursion",
     "Function Fact(n)\nIf n <= 1 Then\nFact = 1\nElse\nFact = n * Fact(n - 1)\nEnd If\nEnd Function\nShow Fact(10)", {"3628800"}},
    {"exit function", "Function F(x)\nF = 1\nIf x Then Exit Function\nF = 2\nEnd Function\nShow F(True) & F(False)", {"12"}},
    {"procedure defined after use", "Show Twice(21)\nFunction Twice(x)\nTwice = x * 2\nEnd Function", {"42"}},
    {"locals are separate from globals",
     "x = 1\nSub S()\nDim x\nx = 5\nEnd Sub\nS\nShow x", {"1"}},
    {"globals reached from procedures", "Dim total\nSub Add(n)\ntotal = total + n\nEnd Sub\nAdd 2: Add 3\nShow total", {"5"}},
    {"arrays", "Dim a(3)\nFor i = 0 To 3: a(i) = i * i: Next\nShow a(3) & \" \" & UBound(a)", {"9 3"}},
    {"two-dimensional arrays", "Dim m(2, 3)\nm(1, 2) = 7\nShow m(1, 2) & UBound(m, 2)", {"73"}},
    {"redim preserve", "Dim a()\nReDim a(2)\na(2) = \"z\"\nReDim Preserve a(5)\nShow a(2) & UBound(a)", {"z5"}},
    {"array assignment copies", "a = Array(1, 2)\nb = a\nb(0) = 9\nShow a(0) & b(0)", {"19"}},
    {"arrays passed by reference", "Sub Fill(arr)\narr(0) = \"x\"\nEnd Sub\nDim a(1)\nFill a\nShow a(0)", {"x"}},
    {"for each over an array", "For Each w In Split(\"a b c\")\ns = s & w\nNext\nShow s", {"abc"}},
    {"string building", "s = \"\"\nFor i = 1 To 5: s = s & i: Next\nShow s", {"12345"}},
    {"constants", "Const Pi = 3.14159, Name = \"circle\"\nShow Name & \" \" & Pi * 2", {"circle 6.28318"}},
    {"line continuation", "x = 1 + _\n  2\nShow x", {"3"}},
    {"comments", "' a comment\nx = 1 ' trailing\nRem another\nShow x : Rem after a colon", {"1"}},
    {"on error resume next",
     "On Error Resume Next\nx = 1 / 0\nShow Err.Number & \" \" & Err.Description\nErr.Clear\nShow Err.Number", {"11 Division by zero", "0"}},
    {"errors in procedures resume in the caller",
     "Sub Bad()\nx = CInt(\"abc\")\nShow \"not here\"\nEnd Sub\nOn Error Resume Next\nBad\nShow Err.Number", {"13"}},
    {"err raise", "On Error Resume Next\nErr.Raise 1000, \"me\", \"custom\"\nShow Err.Number & Err.Source & Err.Description", {"1000mecustom"}},
    {"on error goto 0 clears", "On Error Resume Next\nx = 1 / 0\nOn Error GoTo 0\nShow Err.Number", {"0"}},
    {"case-insensitive names", "Dim Total\ntotal = 3\nSHOW TOTAL", {"3"}},
    {"empty variables", "Show IsEmpty(q) & \"|\" & q & \"|\" & (q + 1)", {"True||1"}},
    {"show a boolean", "Show 1 < 2", {"True"}},
    {"output clear", "Show 1\nClear\nShow 2", {"2"}},
    {"nested function calls as arguments", "Function Sq(x)\nSq = x * x\nEnd Function\nShow Sq(Sq(2) + 1)", {"25"}},
    {"call with first argument in parentheses", "Sub P(a, b)\nShow a + b\nEnd Sub\nP (1), 2\nP (1) + 2, 3", {"3", "6"}},
};

INSTANTIATE_TEST_SUITE_P(All, Programs, ::testing::ValuesIn(kPrograms));

TEST_F(ScriptTest, RunCallsANamedProcedure)
{
    engine.addCode("Function Add(a, b)\nAdd = a + b\nEnd Function\nSub Main()\nShow \"main\"\nEnd Sub");
    EXPECT_EQ(toString(engine.run("add", {Variant::integer(2), Variant::integer(3)})), "5");
    engine.run("Main", {});
    EXPECT_EQ(out->lines, std::vector<std::string>{"main"});
}

TEST_F(ScriptTest, AddingCodeAgainReplacesAProcedure)
{
    engine.addCode("Sub Main()\nShow 1\nEnd Sub");
    engine.addCode("Sub Main()\nShow 2\nEnd Sub");
    engine.run("Main", {});
    EXPECT_EQ(out->lines, std::vector<std::string>{"2"});
}

} // namespace
} // namespace orr::script::test

namespace orr::script::test {
namespace {

// The graph editor declares its variables once, pushes values as statements and evaluates.
TEST_F(ScriptTest, DeclaredArraysTakeValuesPushedAsStatements)
{
    engine.addCode("Public a, b, c, d, m, n, x1, x2, k(6), q(2)");
    engine.addCode("k(0) = 2");
    engine.addCode("k(6) = 3.5");
    engine.addCode("x = 4");
    EXPECT_EQ(evalText("k(0) * x ^ 2 + k(6)"), "35.5");
    EXPECT_EQ(evalText("Sin(0) + Abs(-x)"), "4");
}

// Objects still held by global variables are terminated when the engine goes.
TEST(ScriptEngine, TerminatesObjectsAtTheEnd)
{
    auto out = std::make_shared<OutputObject>();
    {
        Engine engine;
        engine.addObject("Output", out, true);
        engine.addCode("Class T\nPrivate Sub Class_Terminate()\nShow \"bye\"\nEnd Sub\nEnd Class\n"
                       "Set a = New T\nDim list(1)\nSet list(0) = New T\nShow \"end\"");
    }
    EXPECT_EQ(out->lines, (std::vector<std::string>{"end", "bye", "bye"}));
}

} // namespace
} // namespace orr::script::test
