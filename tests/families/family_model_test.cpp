// Logic family and interfacing models: each family walked through the four
// input combinations against the gate it implements and the node texts its
// diagram prints; the interfacing circuits from their inputs to their values.
#include <gtest/gtest.h>

#include <functional>

#include "topics/families/family_model.h"

using namespace orr::families;

namespace {

using Gate = std::function<bool(bool, bool)>;
const Gate kAnd = [](bool a, bool b) { return a && b; };
const Gate kOr = [](bool a, bool b) { return a || b; };
const Gate kNand = [](bool a, bool b) { return !(a && b); };
const Gate kNor = [](bool a, bool b) { return !(a || b); };

QString nodeOf(const FamilyState& s, const char* key)
{
    const auto it = s.nodes.find(QLatin1String(key));
    return it == s.nodes.end() ? QStringLiteral("<none>") : it->second;
}

// One row: a family, its gate(s), and the node texts with both inputs high
// (first) and in every other case (second), or texts that depend on A or B.
struct FamilyCase {
    Family family;
    Gate gate;
    Gate second;  // null when the family has one output
    std::vector<std::tuple<const char*, QString, QString>> nodesHighLow;
    bool highMeansAny = false;  // the first text holds when A or B is high
};

}  // namespace

TEST(FamilyModel, EveryFamilyImplementsItsGateAndPrintsItsNodeTexts)
{
    const std::vector<FamilyCase> cases = {
        {Family::Diode, kAnd, kOr, {{"or", "Vout = 5V - 0.6V = 4.4V", "Vout = 0V"}}, true},
        {Family::Dtl, kNand, nullptr,
         {{"junction", "3.2V", "0.6V"}, {"base", "0.6V", "0V"}, {"bias", "Forward Biased", "Reverse Biased"}}},
        {Family::Ttl, kNand, nullptr,
         {{"t1Base", "1.8V", "0.6V"}, {"t2Base", "1.2V", "0V"}, {"t2Collector", "1V", "5V"}, {"t4Base", "0.6V", "0V"},
          {"T4", "ON", "OFF"}, {"T3", "OFF", "ON"}}},
        {Family::Ecl, kNor, nullptr,
         {{"collector", "-1V", "0V"}, {"t3", "T3 biased OFF", "T3 biased ON"},
          {"vr2", "VR2 = 3mA× 1300 = -1.10V", "VR2 = 2.60mA× 1300 = -1.62V"}},
         true},
        {Family::I2l, kNor, nullptr, {{"output", "pulled LOW by T3 OR T4", "pulled HIGH by external R"}}, true},
        {Family::Mos, kNand, kNor, {}},
        {Family::Cmos, kAnd, nullptr, {{"T6", "OFF", "ON"}, {"T5", "ON", "OFF"}}},
    };
    for (const FamilyCase& c : cases) {
        for (int n = 0; n < 4; ++n) {
            const bool a = n & 2, b = n & 1;
            SCOPED_TRACE(testing::Message() << "family " << int(c.family) << " A=" << a << " B=" << b);
            const FamilyState s = familyState(c.family, a, b);
            EXPECT_EQ(s.output, c.gate(a, b));
            if (c.second)
                EXPECT_EQ(s.secondOutput, c.second(a, b));
            const bool high = c.highMeansAny ? (a || b) : (a && b);
            for (const auto& [key, whenHigh, otherwise] : c.nodesHighLow)
                EXPECT_EQ(nodeOf(s, key), high ? whenHigh : otherwise) << key;
            // Inputs and the output are labelled in the family's own levels.
            const bool ecl = c.family == Family::Ecl;
            EXPECT_EQ(s.inputA, a ? (ecl ? "-0.6V '1'" : "5V '1'") : (ecl ? "-1.6V '0'" : "0V '0'"));
            EXPECT_EQ(s.inputB, b ? (ecl ? "-0.6V '1'" : "5V '1'") : (ecl ? "-1.6V '0'" : "0V '0'"));
            EXPECT_TRUE(s.outputLevel.endsWith(s.output ? "'1'" : "'0'")) << s.outputLevel.toStdString();
        }
    }
}

TEST(FamilyModel, DiodeAndHalfDividesOrDropsOneDiode)
{
    const FamilyState both = familyState(Family::Diode, true, true);
    EXPECT_EQ(nodeOf(both, "and"), "Vout = 5V ×");
    EXPECT_EQ(nodeOf(both, "andNumerator"), "10k");
    EXPECT_EQ(nodeOf(both, "andDenominator"), "5k + 10k");
    EXPECT_EQ(nodeOf(both, "andResult"), " = 3.33V");
    EXPECT_EQ(both.secondOutputLevel, "4.40V '1'");
    for (const auto& [a, b] : {std::pair{false, false}, {true, false}, {false, true}})
        EXPECT_EQ(nodeOf(familyState(Family::Diode, a, b), "and"), "Vout = 600mV");
    EXPECT_EQ(familyState(Family::Diode, false, false).secondOutputLevel, "0V '0'");
}

TEST(FamilyModel, MosAndCmosConductionFollowsTheInputs)
{
    // Conducting transistors by input pair (A, B): MOS T1..T6, CMOS T1..T6.
    const struct { bool a, b; std::vector<bool> mos, cmos; } rows[] = {
        {false, false, {1, 0, 0, 1, 0, 0}, {1, 1, 0, 0, 0, 1}},
        {true, false, {1, 1, 0, 1, 1, 0}, {0, 1, 1, 0, 0, 1}},
        {false, true, {1, 0, 1, 1, 0, 1}, {1, 0, 0, 1, 0, 1}},
        {true, true, {1, 1, 1, 1, 1, 1}, {0, 0, 1, 1, 1, 0}},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(familyState(Family::Mos, r.a, r.b).on, r.mos) << r.a << r.b;
        EXPECT_EQ(familyState(Family::Cmos, r.a, r.b).on, r.cmos) << r.a << r.b;
    }
}

TEST(InterfacingModel, InputsGiveTheirValues)
{
    // Relay driver: the gate output and the contacts follow NAND of the texts.
    const struct { const char *a, *b; bool out; } relay[] = {
        {"0", "0", true}, {"1", "0", true}, {"0", "1", true}, {"1", "1", false}};
    for (const auto& r : relay) {
        const RelayDriver d = relayDriver(QLatin1String(r.a), QLatin1String(r.b));
        EXPECT_EQ(d.gateOutput, r.out) << r.a << r.b;
        EXPECT_EQ(d.contactsClosed, r.out) << r.a << r.b;
    }
    // Buffer stage conducts with the Schmitt input at 0.
    EXPECT_TRUE(bufferStage(QStringLiteral("0")).conducting);
    EXPECT_FLOAT_EQ(bufferStage(QStringLiteral("0")).resistorVolts, 3.6f);
    EXPECT_FALSE(bufferStage(QStringLiteral("1")).conducting);
    // Level shifter and clock generator, read through the formatters.
    const struct { const char* a; float in, vr1, amps; } shift[] = {{"0", 3, 2.4f, 0.0024f}, {"1", 15, 14.4f, 0.0144f}};
    for (const auto& r : shift) {
        const LevelShifter s = levelShifter(QLatin1String(r.a));
        EXPECT_FLOAT_EQ(s.inputVolts, r.in);
        EXPECT_NEAR(s.resistorVolts, r.vr1, 1e-5);
        EXPECT_NEAR(s.baseCurrent, r.amps, 1e-7);
    }
    const struct { const char *a, *b; float r1, c1; double hz; } clocks[] = {
        {"0", "0", 56000, 250e-9f, 71.43}, {"1", "1", 10e6f, 1e-6f, 0.1}, {"1", "0", 10e6f, 250e-9f, 0.4},
        {"0", "1", 56000, 1e-6f, 17.857}};
    for (const auto& c : clocks) {
        const ClockGenerator g = clockGenerator(QLatin1String(c.a), QLatin1String(c.b));
        EXPECT_FLOAT_EQ(g.r1, c.r1);
        EXPECT_FLOAT_EQ(g.c1, c.c1);
        EXPECT_NEAR(g.frequency, c.hz, c.hz * 1e-3);
    }
    EXPECT_EQ(toggled(QStringLiteral("1")), "0");
    EXPECT_EQ(toggled(QStringLiteral("x")), "1");
}

TEST(InterfacingModel, ChargingCurveRampsBetweenTheThresholds)
{
    const std::vector<float> v = chargingCurve(400);
    ASSERT_EQ(v.size(), 400u);
    EXPECT_EQ(v.front(), 0.0f);
    int turns = 0;
    for (size_t i = 60; i + 1 < v.size(); ++i) {
        EXPECT_GT(v[i], kLowerThreshold - 0.05f);
        EXPECT_LT(v[i], kUpperThreshold + 0.05f);
        if ((v[i] - v[i - 1]) * (v[i + 1] - v[i]) < 0)
            ++turns;
    }
    EXPECT_GE(turns, 4);
}
