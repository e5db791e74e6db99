// The gate model on its own: gate rules, the text rules of the Boolean
// algebra gates, the truth-table rows the windows print, and the equivalent
// circuits of LogicGates2 against the gates they stand for.
#include <gtest/gtest.h>

#include "topics/logic/gate_model.h"
#include "topics/logic/logic_figures.h"

using namespace orr::logic;

namespace {

struct GateCase {
    GateKind kind;
    const char* outputs;  // for (a, b) = 00, 01, 10, 11
};

TEST(GateModel, EveryGateFollowsItsTruthTable)
{
    const GateCase cases[] = {
        {GateKind::And, "0001"}, {GateKind::Or, "0111"}, {GateKind::Nand, "1110"},
        {GateKind::Nor, "1000"}, {GateKind::Xor, "0110"}, {GateKind::Not, "1100"},
    };
    for (const GateCase& c : cases)
        for (int row = 0; row < 4; ++row) {
            const bool a = row & 2, b = row & 1;
            const bool want = c.outputs[row] == '1';
            EXPECT_EQ(gate(c.kind, a, b), want) << int(c.kind) << " row " << row;
            EXPECT_EQ(gateText(c.kind, bitText(a), bitText(b)), bitText(want)) << int(c.kind) << " row " << row;
        }
}

TEST(GateModel, TextGatesTreatAnythingButOneAsZero)
{
    EXPECT_EQ(gateText(GateKind::Not, QString()), QStringLiteral("1"));
    EXPECT_EQ(gateText(GateKind::Not, QStringLiteral(" 1")), QStringLiteral("1"));
    EXPECT_EQ(gateText(GateKind::Or, QStringLiteral("x"), QStringLiteral("")), QStringLiteral("0"));
    EXPECT_EQ(gateText(GateKind::Nand, QStringLiteral("1"), QStringLiteral("1")), QStringLiteral("0"));
}

TEST(GateModel, TruthRowsAreTheTextbookTables)
{
    const struct {
        int example;
        QStringList rows;
    } lg1[] = {
        {2, {"0-0-0", "1-0-0", "0-1-0", "1-1-1"}}, {3, {"0-0-0", "1-0-1", "0-1-1", "1-1-1"}},
        {4, {"0-0-1", "1-0-1", "0-1-1", "1-1-0"}}, {5, {"0-0-1", "1-0-0", "0-1-0", "1-1-0"}},
        {7, {"0-0-0", "1-0-1", "0-1-1", "1-1-0"}}, {6, {"0-1", "1-0"}},
    };
    for (const auto& c : lg1)
        EXPECT_EQ(logicGates1Rows(c.example), c.rows) << "LogicGates1 example " << c.example;

    const QStringList lg2[kLg2Examples] = {
        {"0-0-0", "0-1-0", "1-0-0", "1-1-1"}, {"0-0-0", "0-1-1", "1-0-1", "1-1-1"}, {"0-1", "1-0"},
        {"0-0-1", "0-1-1", "1-0-1", "1-1-0"}, {"0-0-1", "0-1-0", "1-0-0", "1-1-0"}, {"0-0-0", "0-1-1", "1-0-1", "1-1-0"},
        {"0-0-0", "0-1-1", "1-0-1", "1-1-1"}, {"0-0-1", "0-1-1", "1-0-1", "1-1-0"},
    };
    for (int e = 0; e < kLg2Examples; ++e)
        EXPECT_EQ(logicGates2Rows(e), lg2[e]) << "LogicGates2 example " << e;
}

TEST(GateModel, EquivalentCircuitsGiveTheGateOutput)
{
    for (int e = 0; e < kLg2Examples; ++e)
        for (int row = 0; row < 4; ++row) {
            const bool a = row & 1, b = row & 2;
            EXPECT_EQ(logicGates2Equivalent(e, a, b), logicGates2Output(e, a, b)) << "example " << e << " row " << row;
        }
}

TEST(GateModel, SixNandNetworkIsAnExclusiveOr)
{
    for (int row = 0; row < 4; ++row) {
        const bool a = row & 1, b = row & 2;
        const Lg1Signals s = logicGates1(11, a, b);
        EXPECT_EQ(s.q, a != b) << row;
        EXPECT_EQ(s.e, a || b) << row;
        EXPECT_EQ(s.f, !(a && b)) << row;
    }
}

TEST(ExpressionMarkup, BarsAreLeftOutOfThePrintedText)
{
    EXPECT_EQ(plainExpression(QStringLiteral("D = ~(A . B)")), QStringLiteral("D = A . B"));
    EXPECT_EQ(plainExpression(QStringLiteral("~(~A + ~B) . ~B")), QStringLiteral("A + B . B"));
    EXPECT_EQ(plainExpression(QStringLiteral("A . (A + B)")), QStringLiteral("A . (A + B)"));
    EXPECT_EQ(plainExpression(QStringLiteral("~((A . B) + C)")), QStringLiteral("(A . B) + C"));
    EXPECT_EQ(plainExpression(QStringLiteral("A = ~~A")), QStringLiteral("A = A"));
}

}  // namespace
