// The BASIC translator as a table of programs and the VBScript they become.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/basic_translator.h"

using orr::basic::translate;

namespace {

struct Case {
    const char* basic;
    const char* script;
};

const Case kCases[] = {
    // START and FINISH replace the whole line, comments included.
    {"START\nFINISH", "Sub Main()\r\nEnd Sub\r\n"},
    {"REM the START of it", "Sub Main()\r\n"},
    {"REM FINISH here", "End Sub\r\n"},
    // INPUT message, variable: the message needs no quotes.
    {"INPUT Enter first number, A", " A = InputBox(\"Enter first number\")\r\n"},
    {"INPUT Enter a value,X", "X = InputBox(\"Enter a value\")\r\n"},
    {"INPUT nothing to read", "INPUT nothing to read\r\n"},
    // PRINT: the keyword goes, "+" adds as numbers, SHOW shows.
    {"PRINT A + B", "SHOW A  + 0 + B\r\n"},
    {"  PRINT  \"J   =   \" & J", "SHOW  \"J   =   \" & J\r\n"},
    {"PRINT \"1+1\"", "SHOW \"1 + 0 +1\"\r\n"},
    // LET name = expression.
    {"LET X = 5", "X =  5\r\n"},
    {"LET Total = A + B", "Total =  A  + 0 + B\r\n"},
    {"LET nothing assigned", "LET nothing assigned\r\n"},
    // Case-sensitive: lower-case keywords are plain VBScript.
    {"print x\nlet y = 1", "print x\r\nlet y = 1\r\n"},
    // A line matching several keywords goes through each rule in turn.
    {"REM PRINT then LET = 2", " =  2\r\n"},
    {"REM START and PRINT", "Sub Main()\r\n"},
    // Blank lines, leading ones too, keep their rows.
    {"\n\nSTART\n\nFINISH\n", "\r\n\r\nSub Main()\r\n\r\nEnd Sub\r\n"},
    {"START\r\nPRINT 1\r\nFINISH", "Sub Main()\r\nSHOW 1\r\nEnd Sub\r\n"},
    // Anything holding "Main()" is VBScript and left alone.
    {"Sub Main()\nPRINT START\nEnd Sub", "Sub Main()\nPRINT START\nEnd Sub"},
};

}  // namespace

TEST(BasicTranslator, TableOfPrograms)
{
    for (const Case& c : kCases)
        EXPECT_EQ(translate(c.basic), c.script) << "program: " << c.basic;
}

TEST(BasicTranslator, EveryLearnerRowKeepsItsRow)
{
    const std::string out = translate("\n REM rows\nSTART\nINPUT a, A\n\nPRINT A\nFINISH\n");
    std::vector<std::string> rows;
    for (size_t at = 0, next; (next = out.find("\r\n", at)) != std::string::npos; at = next + 2)
        rows.push_back(out.substr(at, next - at));
    const std::vector<std::string> expected = {"", "REM rows", "Sub Main()", " A = InputBox(\"a\")", "", "SHOW A",
                                               "End Sub"};
    EXPECT_EQ(rows, expected);
}
