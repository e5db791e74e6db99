// Errors: numbers and positions of run-time and syntax errors, limits on loops and recursion.
#include "script_fixture.h"

namespace orr::script::test {
namespace {

struct ErrorCase {
    const char* source;
    const char* expected;  // "number line:column"
};

class Errors : public ScriptTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(Errors, CarryNumberAndPosition)
{
    EXPECT_EQ(errorOf(GetParam().source), GetParam().expected) << GetParam().source;
}

const ErrorCase kErrors[] = {
    // Run-time errors.
    {"a = 1\nb = 0\nc = a / b", "11 3:7"},
    {"x = 0 / 0", "6 1:7"},
    {"x = 5 Mod 0", "11 1:7"},
    {"x = \"abc\" * 2", "13 1:11"},
    {"x = CInt(40000)", "6 1:5"},
    {"x = CLng(3E+9)", "6 1:5"},
    {"Dim a(2)\na(3) = 1", "9 2:1"},
    {"Dim a(2)\nx = a(-1)", "9 2:5"},
    {"x = 1\ny = x(0)", "13 2:5"},
    {"Dim a(2)\nReDim a(5)", "10 2:7"},
    {"x = Mid(\"abc\", 0)", "5 1:5"},
    {"x = Sqr(-1)", "5 1:5"},
    {"x = Null\nIf x + 1 > CInt(x) Then y = 1", "94 2:12"},
    {"NoSuchSub 1", "13 1:1"},
    {"Set x = 5", "424 1:9"},
    {"Set x = Nothing\ny = x.Foo", "91 2:7"},
    {"Err.Raise 1234", "1234 1:1"},
    {"Function F(a)\nEnd Function\nx = F(1, 2)", "450 3:5"},
    {"Option Explicit\nDim a\na = b", "500 3:5"},
    {"Sub Two(a, b)\nEnd Sub\nTwo(1, 2)", "1044 3:4"},
    {"Dim a, b, A", "1041 1:11"},
    {"x = UndefinedFunc(1)", "13 1:5"},
    {"Class C\nEnd Class\nSet o = New C\no.Nope", "438 4:1"},
    // Syntax errors.
    {"x = (1 + 2", "1006 1:11"},
    {"x = 1 +", "1023 1:8"},
    {"If x Then\ny = 1", "1014 2:6"},
    {"For i = 1 To\nNext", "1023 1:13"},
    {"x = \"abc", "1033 1:5"},
    {"x = 1 $ 2", "1032 1:7"},
    {"Do\nx = 1", "1019 2:6"},
    {"While x\nx = 1", "1018 2:6"},
    {"Sub S(\nEnd Sub", "1010 1:7"},
    {"Select Case x\nCase 1\nx = 2", "1014 3:6"},
    {"x = = 2", "1023 1:5"},
    {"Exit For", "1039 1:1"},
    {"For i = 1 To 3\nNext\nNext", "1024 3:1"},
    {"x y z", "1025 1:5"},
    {"Sub A()\nSub B()\nEnd Sub", "1002 2:1"},
};

INSTANTIATE_TEST_SUITE_P(All, Errors, ::testing::ValuesIn(kErrors));

TEST_F(ScriptTest, EndlessLoopEndsThroughThePollHook)
{
    int polls = 0;
    engine.setPollHook([&] {
        if (++polls == 50) throw ScriptError(ErrTimeout);
    }, 1000);
    EXPECT_EQ(errorOf("Do\nx = x + 1\nLoop"), "6002 1:1");
    EXPECT_EQ(polls, 50);
}

// Every kind of endless loop reaches the poll hook, which stands for the time-out.
TEST_F(ScriptTest, EveryEndlessLoopReachesThePollHook)
{
    const char* loops[] = {
        "Do\nx = x + 1\nLoop Until False",
        "Do\nLoop While True",
        "Do Until False\nLoop",
        "While True\nWend",
        "Do\nx = Eval(\"1 + 1\")\nLoop",
        "Do\nExecute \"y = 1\"\nLoop",
        "Sub S\nS2\nEnd Sub\nSub S2\nS\nEnd Sub\nDo\nx = 1\nLoop Until False",
    };
    for (const char* program : loops) {
        int polls = 0;
        engine.setPollHook([&] {
            if (++polls == 20) throw ScriptError(ErrTimeout);
        }, 100);
        EXPECT_EQ(errorOf(program).substr(0, 4), "6002") << program;
    }
}

TEST_F(ScriptTest, TimeOutInsideAFunctionNamesItsLine)
{
    engine.setPollHook([] { throw ScriptError(ErrTimeout); }, 50);
    EXPECT_EQ(errorOf("Function F()\nDo\nLoop\nEnd Function\nx = F()"), "6002 2:1");
}

TEST_F(ScriptTest, LongLibraryCallsAndHugeProgramsPoll)
{
    int polls = 0;
    engine.setPollHook([&] { ++polls; }, 4096);
    run("s = Space(1000000)\nx = Replace(s, \" \", \"ab\")\ny = Split(s, \" \")");
    EXPECT_GT(polls, 20);
    polls = 0;
    std::string big;
    for (int i = 0; i < 100000; ++i) big += "x = 1\n";
    run(big);
    EXPECT_GT(polls, 10);
}

TEST_F(ScriptTest, TimeOutIsNotSwallowedByResumeNext)
{
    engine.setPollHook([] { throw ScriptError(ErrTimeout); }, 10);
    EXPECT_EQ(errorOf("On Error Resume Next\nWhile True\nWend\nShow 1").substr(0, 4), "6002");
    EXPECT_TRUE(out->lines.empty());
}

TEST_F(ScriptTest, RunawayRecursionIsOutOfStackSpace)
{
    EXPECT_EQ(errorOf("Function F(n)\nF = F(n + 1)\nEnd Function\nx = F(1)"), "28 2:5");
    // The engine is usable afterwards.
    EXPECT_EQ(run("Show 1"), std::vector<std::string>{"1"});
}

TEST_F(ScriptTest, DeepNestingIsAnErrorNotACrash)
{
    std::string deep(5000, '(');
    EXPECT_NE(errorOf("x = " + deep), "no error");
    std::string nots;
    for (int i = 0; i < 5000; ++i) nots += "Not ";
    EXPECT_NE(errorOf("x = " + nots + "1"), "no error");
    std::string ifs;
    for (int i = 0; i < 3000; ++i) ifs += "If 1 Then\n";
    EXPECT_NE(errorOf(ifs), "no error");
}

// Generated programs may nest deeply: a few thousand levels work, beyond the
// limit the error is Out of stack space.
TEST_F(ScriptTest, NestingInTheThousandsWorks)
{
    const int depth = 2900;
    EXPECT_EQ(toString(engine.eval(std::string(depth, '(') + "7" + std::string(depth, ')'))), "7");
    std::string negs;
    for (int i = 0; i < depth; ++i) negs += "-";
    EXPECT_EQ(toString(engine.eval(negs + "1")), "1");
    std::string blocks;
    for (int i = 0; i < depth; ++i) blocks += "If True Then\n";
    blocks += "Show 1\n";
    for (int i = 0; i < depth; ++i) blocks += "End If\n";
    EXPECT_EQ(run(blocks), std::vector<std::string>{"1"});
    EXPECT_EQ(errorOf("x = " + std::string(3100, '(') + "1" + std::string(3100, ')')).substr(0, 2), "28");
}

TEST_F(ScriptTest, ManyArgumentsFitTheStack)
{
    std::string args = "1";
    for (int i = 0; i < 999; ++i) args += ",1";
    EXPECT_EQ(errorOf("x = Array(" + args + ")"), "no error");
    EXPECT_EQ(toString(engine.eval("UBound(x)")), "999");
}

TEST_F(ScriptTest, ErrorsLeaveEarlierOutputInPlace)
{
    EXPECT_EQ(errorOf("Show 1\nShow 1 / 0"), "11 2:8");
    EXPECT_EQ(out->lines, std::vector<std::string>{"1"});
}

TEST_F(ScriptTest, MessagesNameThingsAsWritten)
{
    try {
        engine.addCode("x = UndefinedFunc(1)");
        FAIL();
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.description, "Type mismatch: 'UndefinedFunc'");
    }
    try {
        engine.addCode("Class Box\nEnd Class\nSet b = New Box\nb.SetSize 3");
        FAIL();
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.description, "Object doesn't support this property or method: 'SetSize'");
    }
}

TEST_F(ScriptTest, EvalReportsSyntaxErrors)
{
    try {
        engine.eval("(1 + ");
        FAIL();
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.number, 1023);
        EXPECT_EQ(e.line, 1);
    }
}

} // namespace
} // namespace orr::script::test
