// The runtime library: each function's result as text, for typical and edge arguments.
#include "script_fixture.h"

namespace orr::script::test {
namespace {

struct Call {
    const char* expr;
    const char* text;
};

class Library : public ScriptTest, public ::testing::WithParamInterface<Call> {};

TEST_P(Library, Returns)
{
    Variant v = engine.eval(GetParam().expr);
    EXPECT_EQ(v.isNull() ? std::string("<Null>") : toString(v), GetParam().text) << GetParam().expr;
}

const Call kCalls[] = {
    // Mathematics.
    {"Abs(-3.5)", "3.5"}, {"Abs(-32768)", "32768"}, {"Atn(1) * 4", "3.14159265358979"},
    {"Cos(0)", "1"}, {"Exp(1)", "2.71828182845905"}, {"Log(Exp(2))", "2"}, {"Sqr(16)", "4"},
    {"Sin(0)", "0"}, {"Tan(0)", "0"}, {"Sgn(-7)", "-1"}, {"Sgn(0)", "0"}, {"Int(2.7)", "2"},
    {"Fix(2.7)", "2"}, {"Int(-0.5)", "-1"}, {"Round(2.567, 2)", "2.57"}, {"Round(0.125, 2)", "0.12"},
    {"Round(1.5)", "2"}, {"Round(-1.5)", "-2"}, {"Abs(Null)", "<Null>"},
    {"Rnd >= 0 And Rnd < 1", "True"},
    // Text.
    {"Left(\"Hello\", 2)", "He"}, {"Right(\"Hello\", 3)", "llo"}, {"Mid(\"Hello\", 2, 3)", "ell"},
    {"Mid(\"Hello\", 4)", "lo"}, {"Mid(\"Hello\", 9)", ""}, {"Left(\"Hi\", 10)", "Hi"},
    {"Len(\"Hello\")", "5"}, {"Len(12345)", "5"}, {"Len(Null)", "<Null>"},
    {"InStr(\"Hello\", \"l\")", "3"}, {"InStr(4, \"Hello\", \"l\")", "4"}, {"InStr(\"Hello\", \"z\")", "0"},
    {"InStr(1, \"Hello\", \"L\", 1)", "3"}, {"InStrRev(\"Hello\", \"l\")", "4"},
    {"LCase(\"MiXed\")", "mixed"}, {"UCase(\"MiXed\")", "MIXED"},
    {"\"[\" & Trim(\"  a b  \") & \"]\"", "[a b]"}, {"\"[\" & LTrim(\"  a \") & \"]\"", "[a ]"},
    {"\"[\" & RTrim(\"  a \") & \"]\"", "[  a]"}, {"\"[\" & Space(3) & \"]\"", "[   ]"},
    {"String(3, \"ab\")", "aaa"}, {"String(2, 65)", "AA"},
    {"Replace(\"a-b-c\", \"-\", \"+\")", "a+b+c"}, {"Replace(\"a-b-c\", \"-\", \"\", 1, 1)", "ab-c"},
    {"Replace(\"aXbxc\", \"x\", \"_\", 1, -1, 1)", "a_b_c"},
    {"Join(Split(\"a,b,c\", \",\"), \"+\")", "a+b+c"}, {"UBound(Split(\"\"))", "-1"},
    {"UBound(Split(\"a b  c\"))", "3"}, {"Join(Array(1, 2, 3))", "1 2 3"},
    {"StrComp(\"a\", \"b\")", "-1"}, {"StrComp(\"A\", \"a\", 1)", "0"}, {"StrReverse(\"abc\")", "cba"},
    {"Chr(65)", "A"}, {"Asc(\"A\")", "65"}, {"Asc(Chr(200))", "200"},
    // Conversion.
    {"CInt(2.5)", "2"}, {"CInt(3.5)", "4"}, {"CInt(\"12\")", "12"}, {"CLng(\"123456\")", "123456"},
    {"CSng(0.1)", "0.1"}, {"CDbl(\"1.5\")", "1.5"}, {"CBool(5)", "True"}, {"CBool(\"false\")", "False"},
    {"CStr(True)", "True"}, {"CStr(1E+20)", "1E+20"}, {"CStr(-0.5)", "-0.5"},
    {"Hex(255)", "FF"}, {"Hex(-1)", "FFFF"}, {"Hex(65536)", "10000"}, {"Oct(8)", "10"},
    {"Str(5)", " 5"}, {"Str(-5)", "-5"}, {"Val(\"12abc\")", "12"}, {"Val(\" 1 2 \")", "12"},
    {"CDate(\"1/2/2003\")", "1/2/2003"}, {"CDate(\"2003-01-02 13:05:00\")", "1/2/2003 1:05:00 PM"},
    // Inspection and arrays.
    {"IsNumeric(\"12.5\")", "True"}, {"IsNumeric(\"abc\")", "False"}, {"IsNumeric(Empty)", "True"},
    {"IsEmpty(Empty)", "True"}, {"IsNull(Null)", "True"}, {"IsArray(Array())", "True"},
    {"IsDate(\"1/1/2000\")", "True"}, {"IsDate(\"nope\")", "False"},
    {"VarType(1)", "2"}, {"VarType(100000)", "3"}, {"VarType(1.5)", "5"}, {"VarType(\"s\")", "8"},
    {"VarType(Array(1))", "8204"}, {"VarType(Null)", "1"}, {"VarType(True)", "11"},
    {"TypeName(1)", "Integer"}, {"TypeName(\"s\")", "String"}, {"TypeName(Empty)", "Empty"},
    {"TypeName(Nothing)", "Nothing"}, {"TypeName(Array())", "Variant()"},
    {"LBound(Array(1, 2))", "0"}, {"UBound(Array(1, 2))", "1"}, {"UBound(Array())", "-1"},
    // Dates.
    {"Year(#3/15/2024#)", "2024"}, {"Month(#3/15/2024#)", "3"}, {"Day(#3/15/2024#)", "15"},
    {"Weekday(#3/15/2024#)", "6"}, {"Hour(#1:02:03 PM#)", "13"}, {"Minute(#1:02:03 PM#)", "2"},
    {"Second(#1:02:03 PM#)", "3"}, {"DateAdd(\"d\", 20, #1/15/2024#)", "2/4/2024"},
    {"DateAdd(\"m\", 1, #1/31/2024#)", "2/29/2024"}, {"DateAdd(\"yyyy\", -1, #2/29/2024#)", "2/28/2023"},
    {"DateAdd(\"h\", 25, #1/1/2024#)", "1/2/2024 1:00:00 AM"},
    {"DateDiff(\"d\", #1/1/2024#, #3/1/2024#)", "60"}, {"DateDiff(\"m\", #1/31/2024#, #2/1/2024#)", "1"},
    {"DateDiff(\"yyyy\", #12/31/2023#, #1/1/2024#)", "1"}, {"DateSerial(2024, 13, 1)", "1/1/2025"},
    {"TimeSerial(14, 30, 0)", "2:30:00 PM"}, {"CDate(0)", "12:00:00 AM"}, {"CDate(1)", "12/31/1899"},
    {"Year(Now) >= 2024", "True"}, {"Date = Int(Now)", "True"},
    // Formatting.
    {"FormatNumber(1234.5)", "1,234.50"}, {"FormatNumber(1234.5678, 3)", "1,234.568"},
    {"FormatNumber(-0.5, 1)", "-0.5"}, {"FormatNumber(0.5, 0)", "1"}, {"FormatNumber(1234567, 0)", "1,234,567"},
    {"FormatNumber(-3, 2, -1, -1)", "(3.00)"},
    // Dialogs without a host answer with their defaults.
    {"MsgBox(\"hi\")", "1"}, {"InputBox(\"name?\", \"t\", \"Ann\")", "Ann"},
};

INSTANTIATE_TEST_SUITE_P(All, Library, ::testing::ValuesIn(kCalls));

class ScriptedDialogs : public DialogHost {
public:
    std::vector<std::string> prompts;
    int msgBox(const std::string& p, int, const std::string&) override
    {
        prompts.push_back(p);
        return 6;
    }
    bool inputBox(const std::string& p, const std::string&, const std::string&, std::string& answer) override
    {
        prompts.push_back(p);
        answer = "21";
        return true;
    }
};

TEST_F(ScriptTest, DialogsGoThroughTheHost)
{
    ScriptedDialogs dialogs;
    engine.setDialogHost(&dialogs);
    // Input arrives as text; "+ 0 +" makes "+" add it as a number.
    EXPECT_EQ(run("a = InputBox(\"first\")\nb = InputBox(\"second\")\nShow a + b\nShow a + 0 + b\nShow MsgBox(\"ok?\", vbYesNo)"),
              (std::vector<std::string>{"2121", "42", "6"}));
    EXPECT_EQ(dialogs.prompts, (std::vector<std::string>{"first", "second", "ok?"}));
}

TEST_F(ScriptTest, LibraryErrors)
{
    EXPECT_EQ(errorOf("x = Left(\"a\", -1)"), "5 1:5");
    EXPECT_EQ(errorOf("x = Chr(300)"), "5 1:5");
    EXPECT_EQ(errorOf("x = Log(0)"), "5 1:5");
    EXPECT_EQ(errorOf("x = UBound(5)"), "13 1:5");
    EXPECT_EQ(errorOf("x = Len()"), "450 1:5");
    EXPECT_EQ(errorOf("x = CDate(\"nonsense\")"), "13 1:5");
}

} // namespace
} // namespace orr::script::test
