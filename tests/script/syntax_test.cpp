// Reading program text: literals, separators, continuations, comments and the forms of calls.
#include "script_fixture.h"

namespace orr::script::test {
namespace {

struct Snippet {
    const char* source;
    const char* shown;  // all Show output joined with "|"
};

class Syntax : public ScriptTest, public ::testing::WithParamInterface<Snippet> {};

TEST_P(Syntax, Reads)
{
    std::string joined;
    for (const std::string& s : run(GetParam().source)) joined += (joined.empty() ? "" : "|") + s;
    EXPECT_EQ(joined, GetParam().shown) << GetParam().source;
}

const Snippet kSnippets[] = {
    {"Show \"say \"\"hi\"\"\"", "say \"hi\""},
    {"Show \"it's\" ' a comment with \"quotes\"", "it's"},
    {"Show &H1F + &O10", "39"},
    {"Show &HFFFF&", "65535"},
    {"Show 1.5e2 + .5", "150.5"},
    {"Show #1/2/2003#", "1/2/2003"},
    {"Show #12:30:00 PM#", "12:30:00 PM"},
    {"[my var] = 3: Show [my var]", "3"},
    {"a = 1: b = 2: Show a: Show b", "1|2"},
    {"x = \"a\" & _\n   \"b\" & _\n   \"c\"\nShow x", "abc"},
    {"Show 1\r\nShow 2\rShow 3\n", "1|2|3"},
    {"\n\n  \t Show 1  \n\n", "1"},
    {"REM whole line\nShow 1 : REM after colon", "1"},
    {"reM lower case rem\nShow 2", "2"},
    {"Show Len(\"\")", "0"},
    {"Show (1 + 2) * 3", "9"},
    {"Show -(-3)", "3"},
    {"Show - 3 + 5", "2"},
    {"Show Not True = False", "True"},
    {"Show 2 + 3 & 4", "54"},
    {"Show 1 & 2 + 3", "15"},
    {"Show 3 > 2 = True", "True"},
    {"Output.Show(\"parenthesised\")", "parenthesised"},
    {"Call Output.Show(\"called\")", "called"},
    {"Sub S: Show \"s\": End Sub\nS\nCall S\nCall S()", "s|s|s"},
    {"Function F()\nF = 7\nEnd Function\nShow F + F()", "14"},
    {"Public Sub P(x)\nShow x\nEnd Sub\nPrivate Function Q(y)\nQ = y * 2\nEnd Function\nP Q(4)", "8"},
    {"Dim a, b(2), c()\nb(1) = 5\nShow b(1) & IsArray(c) & IsEmpty(a)", "5TrueTrue"},
    {"Const A = -5, B = \"t\"\nShow A & B", "-5t"},
    {"If True Then Show 1 Else Show 2\nIf False Then Show 3 Else Show 4", "1|4"},
    {"If 1 Then\nShow \"one\"\nEnd If", "one"},
    {"If \"\" = Empty Then Show \"same\"", "same"},
    {"For i = 1 To 3 Step 1: Show i: Next i", "1|2|3"},
    {"For Each x In Array(\"a\", 1, True): Show x: Next", "a|1|True"},
    {"Do: n = n + 1: Loop Until n = 3: Show n", "3"},
    {"Select Case 2: Case 1: Show 1: Case 2: Show 2: End Select", "2"},
    {"Select Case \"b\"\nCase \"a\", \"b\"\nShow \"ab\"\nEnd Select", "ab"},
    {"Select Case 9\nCase 1\nShow 1\nEnd Select\nShow \"none\"", "none"},
    {"While n < 2: n = n + 1: Wend: Show n", "2"},
    {"x = Array(Array(1, 2), Array(3, 4))\nShow x(1)(0)", "3"},
    {"Set o = Output\no.Show \"via variable\"\nShow o Is Output", "via variable|True"},
    {"Set n = Nothing\nShow (n Is Nothing) & TypeName(n)", "TrueNothing"},
    {"Show Err.Number & Err", "00"},
    {"Option Explicit\nDim q\nq = 1\nShow q", "1"},
};

INSTANTIATE_TEST_SUITE_P(All, Syntax, ::testing::ValuesIn(kSnippets));

// The same variable names in different procedures and at script level stay apart.
TEST_F(ScriptTest, ScopesStayApart)
{
    EXPECT_EQ(run("Dim n\nn = 100\n"
                  "Function Count(k)\nDim n\nFor n = 1 To k: Next\nCount = n\nEnd Function\n"
                  "Sub Bump()\nn = n + 1\nEnd Sub\n"
                  "Show Count(3)\nBump\nShow n"),
              (std::vector<std::string>{"4", "101"}));
}

TEST_F(ScriptTest, ImplicitVariablesInProceduresAreLocal)
{
    EXPECT_EQ(run("Sub S()\nt = 5\nEnd Sub\nS\nShow IsEmpty(t)"), std::vector<std::string>{"True"});
}

TEST_F(ScriptTest, ResumeNextContinuesIntoTheGuardedBlock)
{
    // An error in a condition resumes with the next statement, which is inside the block.
    EXPECT_EQ(run("On Error Resume Next\nIf 1 / 0 > 1 Then\nShow \"inside\"\nEnd If\nShow Err.Number"),
              (std::vector<std::string>{"inside", "11"}));
}

TEST_F(ScriptTest, ErrIsClearedByOnErrorStatements)
{
    EXPECT_EQ(run("On Error Resume Next\nx = 1 / 0\nOn Error Resume Next\nShow Err.Number"),
              std::vector<std::string>{"0"});
}

} // namespace
} // namespace orr::script::test

namespace orr::script::test {
namespace {

TEST_F(ScriptTest, ByteOrderMarkIsIgnored)
{
    EXPECT_EQ(run("\xEF\xBB\xBFShow 1"), std::vector<std::string>{"1"});
}

} // namespace
} // namespace orr::script::test
