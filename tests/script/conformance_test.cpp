// The conformance cases: every case of conformance.txt runs in a fresh engine
// and must show the expected lines or end in the expected error number.
#include <fstream>
#include <sstream>

#include "script_fixture.h"

namespace orr::script::test {
namespace {

struct Case {
    std::string area;
    std::string name;
    std::string program;
    std::vector<std::string> output;
    int error = 0;  // expected error number; 0 when the program must succeed
    int line = 0;   // line of the case in the data file
};

// The data file: "## area" starts an area, "=== name" a case, then the program,
// then "--- output" with the expected lines or "--- error N".
std::vector<Case> loadCases()
{
    std::string path = ORR_SCRIPT_TESTS_DIR "/conformance.txt";
    std::ifstream in(path, std::ios::binary);
    std::vector<Case> cases;
    std::string area, line;
    enum { None, Program, Output } part = None;
    int n = 0;
    while (std::getline(in, line)) {
        ++n;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("## ", 0) == 0) {
            area = line.substr(3);
            part = None;
        } else if (line.rfind("=== ", 0) == 0) {
            cases.push_back({area, line.substr(4), {}, {}, 0, n});
            part = Program;
        } else if (line == "--- output" && !cases.empty()) {
            part = Output;
        } else if (line.rfind("--- error ", 0) == 0 && !cases.empty()) {
            cases.back().error = std::stoi(line.substr(10));
            part = None;
        } else if (part == Program) {
            cases.back().program += line + "\n";
        } else if (part == Output) {
            cases.back().output.push_back(line);
        }
    }
    for (Case& c : cases)
        while (!c.output.empty() && c.output.back().empty()) c.output.pop_back();
    return cases;
}

TEST(Conformance, EveryCaseBehavesAsDocumented)
{
    std::vector<Case> cases = loadCases();
    ASSERT_GT(cases.size(), 100u);
    int passed = 0;
    for (const Case& c : cases) {
        Engine engine;
        engine.setPollHook([] {}, 4096);
        auto out = std::make_shared<OutputObject>();
        engine.addObject("Output", out, true);
        engine.addObject("WScript", out, false);
        int error = 0;
        std::string message;
        try {
            engine.addCode(c.program);
        } catch (const ScriptError& e) {
            error = e.number;
            message = e.description;
        }
        bool ok = error == c.error && (c.error != 0 || out->lines == c.output);
        if (ok) ++passed;
        std::string shown;
        for (const std::string& l : out->lines) shown += "\n  " + l;
        EXPECT_TRUE(ok) << c.area << " / " << c.name << " (line " << c.line << "): error " << error << " " << message
                        << ", shown:" << shown;
    }
    std::printf("conformance: %d of %zu cases pass\n", passed, cases.size());
}

} // namespace
} // namespace orr::script::test
