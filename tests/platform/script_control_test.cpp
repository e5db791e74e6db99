// The script control facade: errors as the tools read them, time-out, interrupt and live events.
#include <gtest/gtest.h>

#include <QTimer>

#include <functional>

#include "platform/script_control.h"

namespace orr {
namespace {

using script::Variant;

class Shown : public script::HostObject {
public:
    std::vector<std::string> lines;
    bool hasMember(std::string_view n) const override { return n == "show" || n == "clear"; }
    Variant invoke(std::string_view n, std::vector<Variant>& args) override
    {
        if (n == "show") lines.push_back(script::toString(args.at(0)));
        else lines.clear();
        return {};
    }
};

int errorNumberOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const ScriptFailure& f) {
        return f.info.Number;
    }
    return 0;
}

TEST(ScriptControl, EvaluatesWithVariablesThatPersist)
{
    ScriptControl sc;
    sc.setTimeout(10000);
    EXPECT_EQ(sc.Language(), "VBScript");
    sc.ExecuteStatement("Public a, b, c, d, y, x");
    sc.ExecuteStatement("A = 4");
    EXPECT_EQ(script::toString(sc.Eval("a * 2")), "8");
    EXPECT_EQ(script::toString(sc.Eval("1 + 2 = 2 + 1")), "True");
    EXPECT_EQ(sc.Error().Number, 0);
}

TEST(ScriptControl, ErrorObjectHoldsNumberDescriptionAndPosition)
{
    ScriptControl sc;
    EXPECT_EQ(errorNumberOf([&] { sc.AddCode("Sub Main()\nx = 1\ny = x / 0\nEnd Sub"); sc.Run("Main"); }), 11);
    EXPECT_EQ(sc.Error().Description, "Division by zero");
    EXPECT_EQ(sc.Error().Line, 3);
    EXPECT_EQ(sc.Error().Column, 7);
    EXPECT_EQ(errorNumberOf([&] { sc.Eval("(1 + "); }), 1023);
    EXPECT_EQ(sc.Error().Line, 1);
    sc.Eval("1");
    EXPECT_EQ(sc.Error().Number, 0);
}

TEST(ScriptControl, MembersOfAGlobalObjectAreGlobal)
{
    ScriptControl sc;
    auto out = std::make_shared<Shown>();
    sc.AddObject("Output", out, true);
    sc.AddCode("Sub Main()\nSHOW 1\nOutput.Show 2\nEnd Sub");
    sc.Run("Main");
    EXPECT_EQ(out->lines, (std::vector<std::string>{"1", "2"}));
}

TEST(ScriptControl, EndlessLoopTimesOutWhileEventsStillRun)
{
    ScriptControl sc;
    sc.setTimeout(300);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    EXPECT_EQ(errorNumberOf([&] { sc.AddCode("Do\nLoop"); }), script::ErrTimeout);
    EXPECT_GT(ticks, 3);
    EXPECT_NE(sc.Error().Description.indexOf("timed out"), -1);
}

TEST(ScriptControl, InterruptStopsARun)
{
    ScriptControl sc;
    sc.setTimeout(-1);
    QTimer::singleShot(50, [] { ScriptControl::interrupt(); });
    EXPECT_EQ(errorNumberOf([&] { sc.AddCode("While True\nWend"); }), script::ErrInterrupted);
}

TEST(ScriptControl, RunawayRecursionIsOutOfStackSpace)
{
    ScriptControl sc;
    sc.AddCode("Function F(n)\nF = F(n + 1)\nEnd Function");
    EXPECT_EQ(errorNumberOf([&] { sc.Run("F", {Variant::integer(1)}); }), 28);
}

TEST(ScriptControl, ResetForgetsCode)
{
    ScriptControl sc;
    sc.AddCode("Sub Main()\nEnd Sub\nx = 5");
    sc.Reset();
    EXPECT_NE(errorNumberOf([&] { sc.Run("Main"); }), 0);
    EXPECT_TRUE(sc.Eval("x").isEmpty());
}

} // namespace
} // namespace orr
