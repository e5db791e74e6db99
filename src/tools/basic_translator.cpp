// The BASIC translator: keyword rules applied line by line, with no Qt.
#include "tools/basic_translator.h"

#include <vector>

namespace orr::basic {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string trim(const std::string& s)
{
    size_t a = 0, b = s.size();
    while (a < b && isBlank(s[a]))
        ++a;
    while (b > a && isBlank(s[b - 1]))
        --b;
    return s.substr(a, b - a);
}

bool contains(const std::string& s, const char* word) { return s.find(word) != std::string::npos; }

// Text read by InputBox is a string; "+ 0" in front of the next operand makes
// "+" add the two as numbers.
std::string numericPlus(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '+')
            out += " + 0 +";
        else
            out += c;
    }
    return out;
}

// INPUT message, variable  ->   variable = InputBox("message")
std::string inputRule(const std::string& line)
{
    const size_t s = line.find(' ');
    if (s == std::string::npos)
        return line;
    const size_t c = line.find(',', s);
    if (c == std::string::npos)
        return line;  // no variable: left for the script to report on this row
    return line.substr(c + 1) + " = InputBox(\"" + line.substr(s + 1, c - s - 1) + "\")";
}

// PRINT expression  ->  SHOW expression
std::string printRule(const std::string& line)
{
    const std::string t = trim(line);
    const size_t s = t.find(' ');
    const std::string rest = s == std::string::npos ? std::string() : t.substr(s + 1);
    return "SHOW " + numericPlus(rest);
}

// LET name = expression  ->  name = expression
std::string letRule(const std::string& line)
{
    const size_t eq = line.find('=');
    if (eq == std::string::npos)
        return line;
    const size_t keyword = line.find("LET");
    size_t s = line.find(' ', keyword);
    if (s == std::string::npos || s > eq)
        s = keyword + 2;  // "LETX=1": the name starts right after the keyword
    std::string name = line.substr(s + 1, eq - s - 1);
    while (!name.empty() && isBlank(name.back()))
        name.pop_back();
    return name + " = " + numericPlus(line.substr(eq + 1));
}

}  // namespace

std::string translateLine(std::string line)
{
    line = trim(line);
    if (contains(line, "START"))
        line = "Sub Main()";
    if (contains(line, "FINISH"))
        line = "End Sub";
    if (contains(line, "INPUT"))
        line = inputRule(line);
    if (contains(line, "PRINT"))
        line = printRule(line);
    if (contains(line, "LET"))
        line = letRule(line);
    return line;
}

std::string translate(const std::string& program)
{
    if (contains(program, "Main()"))
        return program;
    // Blank lines trimmed off the top are put back empty, so rows keep their numbers.
    size_t first = 0;
    std::string lead;
    for (size_t i = 0; i < program.size() && isBlank(program[i]); ++i) {
        if (program[i] == '\n') {
            lead += "\r\n";
            first = i + 1;
        }
    }
    const std::string text = trim(program.substr(first));
    std::string out = lead;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        out += translateLine(text.substr(start, end - start)) + "\r\n";
        start = end + 1;
    }
    return out;
}

}  // namespace orr::basic
