// Shared test helpers: an engine with an Output object whose Show collects lines.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "script/engine.h"

namespace orr::script::test {

class OutputObject : public HostObject {
public:
    std::vector<std::string> lines;
    bool hasMember(std::string_view n) const override { return n == "show" || n == "clear" || n == "echo"; }
    Variant invoke(std::string_view n, std::vector<Variant>& args) override
    {
        if (n == "clear") lines.clear();
        else lines.push_back(args.empty() ? std::string() : toString(args[0]));
        return {};
    }
};

struct ScriptTest : ::testing::Test {
    Engine engine;
    std::shared_ptr<OutputObject> out = std::make_shared<OutputObject>();
    ScriptTest() { engine.addObject("Output", out, true); }

    // Runs a program and returns what it showed, one entry per Show.
    std::vector<std::string> run(const std::string& program)
    {
        out->lines.clear();
        engine.addCode(program);
        return out->lines;
    }
    std::string evalText(const std::string& expr) { return toString(engine.eval(expr)); }
    // The error a program raises, as "number line:column".
    std::string errorOf(const std::string& program)
    {
        try {
            engine.addCode(program);
        } catch (const ScriptError& e) {
            return std::to_string(e.number) + " " + std::to_string(e.line) + ":" + std::to_string(e.column);
        }
        return "no error";
    }
};

} // namespace orr::script::test
