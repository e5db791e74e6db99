// The three logic gate windows driven as a learner drives them: every example
// is opened, every input combination is set with the Trigger buttons, and each
// value the picture prints is read back from its text log and checked against
// the gate rules written out here, independently of the gate model.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineF>
#include <QRectF>
#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "shell/contents_window.h"
#include "suite_fixture.h"
#include "topics/logic/boolean_algebra.h"
#include "topics/logic/logic_gates1.h"
#include "topics/logic/logic_gates2.h"

using namespace orr;

namespace {

using Fn = std::function<bool(bool, bool)>;
using Fn3 = std::function<bool(bool, bool, bool)>;
using Oracle = std::map<QString, Fn>;

const Fn kA = [](bool a, bool) { return a; };
const Fn kB = [](bool, bool b) { return b; };
const Fn kAnd = [](bool a, bool b) { return a && b; };
const Fn kOr = [](bool a, bool b) { return a || b; };
const Fn kNand = [](bool a, bool b) { return !(a && b); };
const Fn kNor = [](bool a, bool b) { return !(a || b); };
const Fn kXor = [](bool a, bool b) { return a != b; };
const Fn kNotA = [](bool a, bool) { return !a; };
const Fn kNotB = [](bool, bool b) { return !b; };

// The text printed nearest to (x, y) in picture units, or "" when none is there.
QString textAt(const PictureBox* pic, double x, double y)
{
    QString found;
    for (const PrintedText& t : pic->printedTexts())
        if (std::fabs(t.x - x) < 0.6 && std::fabs(t.y - y) < 0.6)
            found = t.text;
    return found;
}

bool printed(const PictureBox* pic, const QString& text)
{
    for (const PrintedText& t : pic->printedTexts())
        if (t.text == text)
            return true;
    return false;
}

QString bit(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }

// Sets two Boolean inputs by pressing the buttons that toggle them.
template <class W> void setInputs(W* w, bool a, bool b)
{
    if (w->A != a)
        w->Trigger[0]->click();
    if (w->B != b)
        w->Trigger[1]->click();
    ASSERT_EQ(w->A, a);
    ASSERT_EQ(w->B, b);
}

// Checks every probe of the last redraw against the oracle, and that the
// picture printed a value for every node the oracle names.
void checkNodes(const PictureBox* pic, const std::vector<logic::NodeProbe>& probes, const Oracle& oracle, bool a,
                bool b, const std::string& where)
{
    std::set<QString> seen;
    for (const logic::NodeProbe& p : probes) {
        const auto it = oracle.find(p.name);
        if (it == oracle.end()) {
            ADD_FAILURE() << where << ": node " << p.name.toStdString() << " has no rule";
            continue;
        }
        seen.insert(p.name);
        EXPECT_EQ(textAt(pic, p.x, p.y), bit(it->second(a, b)))
            << where << " node " << p.name.toStdString() << " A=" << a << " B=" << b;
    }
    for (const auto& [name, fn] : oracle)
        EXPECT_TRUE(seen.count(name)) << where << ": node " << name.toStdString() << " not printed";
}

class LogicWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::mainWindow();
        for (const char* name : {"LogicGates1", "LogicGates2", "BooleanAlgebra"})
            FormRegistry::instance().unload(QString::fromLatin1(name));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// ---- the table-driven walk over every example and input combination ----

TEST_F(LogicWindows, LogicGates1EveryNodeFollowsTheGateRules)
{
    const Oracle oracles[12] = {
        {{"A", kA}, {"B", kB}, {"Q", kOr}},
        {{"A", kA}, {"B", kB}, {"Q", kAnd}},
        {{"A", kA}, {"B", kB}, {"Q", kAnd}},
        {{"A", kA}, {"B", kB}, {"Q", kOr}},
        {{"A", kA}, {"B", kB}, {"Q", kNand}},
        {{"A", kA}, {"B", kB}, {"Q", kNor}},
        {{"A", kA}, {"Q", kNotA}, {"Q =", kNotA}},
        {{"A", kA}, {"B", kB}, {"Q", kXor}},
        {{"A", kA}, {"B", kB}, {"C", kOr}, {"D", kNand}, {"Q", kXor}},
        {{"A", kA}, {"B", kB}, {"C", kNotA}, {"D", kNotB}, {"Q", kOr}},
        {{"A", kA}, {"B", kB}, {"C", kAnd}, {"D", kNotB}, {"Q", [](bool a, bool b) { return a || !b; }}},
        {{"A", kA}, {"B", kB}, {"C", kNotA}, {"D", kNotB}, {"E", kOr}, {"F", kNand},
         {"G", [](bool a, bool b) { return a == b; }}, {"Q", kXor}},
    };
    for (int e = 0; e < 12; ++e) {
        auto* w = test::openTopic<LogicGates1>(QStringLiteral("LogicGates1"), e);
        ASSERT_NE(w, nullptr);
        for (int row = 0; row < 4; ++row) {
            const bool a = row & 1;
            if (e == 6 && row >= 2)
                continue;  // one input only; B is left as it is
            const bool b = e == 6 ? w->B : bool(row & 2);
            setInputs(w, a, b);
            checkNodes(w->Picture1, w->nodeProbes(), oracles[e], a, b, "LogicGates1 example " + std::to_string(e));
        }
    }
}

TEST_F(LogicWindows, LogicGates2GateAndEquivalentAgreeWithTheRules)
{
    const Fn kNorAB = [](bool a, bool b) { return !a && !b; };
    const Oracle oracles[8] = {
        {{"A", kA}, {"B", kB}, {"X", kAnd}, {"Xeq", kAnd}},
        {{"A", kA}, {"B", kB}, {"X", kOr}, {"Xeq", kOr}},
        {{"A", kA}, {"X", kNotA}, {"Xeq", kNotA}},
        {{"A", kA}, {"B", kB}, {"X", kNand}, {"Xeq", kNand}, {"A.B", kAnd}},
        {{"A", kA}, {"B", kB}, {"X", kNor}, {"Xeq", kNor}, {"A+B", kOr}},
        {{"A", kA}, {"B", kB}, {"X", kXor}, {"Xeq", kXor}, {"notA", kNotA}, {"notB", kNotB}},
        {{"A", kA}, {"B", kB}, {"X", kOr}, {"Xeq", kOr}, {"notA", kNotA}, {"notB", kNotB}, {"inner", kNorAB}},
        {{"A", kA}, {"B", kB}, {"X", kNand}, {"Xeq", kNand}, {"notA", kNotA}, {"notB", kNotB}},
    };
    for (int e = 0; e < 8; ++e) {
        auto* w = test::openTopic<LogicGates2>(QStringLiteral("LogicGates2"), e);
        ASSERT_NE(w, nullptr);
        for (int row = 0; row < 4; ++row) {
            const bool a = row & 1;
            if (e == 2 && row >= 2)
                continue;
            const bool b = e == 2 ? w->B : bool(row & 2);
            setInputs(w, a, b);
            checkNodes(w->Picture1, w->nodeProbes(), oracles[e], a, b, "LogicGates2 example " + std::to_string(e));
        }
    }
}

bool gateRule(logic::GateKind kind, const std::vector<bool>& in)
{
    const bool a = in.at(0), b = in.size() > 1 && in[1];
    switch (kind) {
    case logic::GateKind::And: return a && b;
    case logic::GateKind::Or: return a || b;
    case logic::GateKind::Nand: return !(a && b);
    case logic::GateKind::Nor: return !(a || b);
    case logic::GateKind::Xor: return a != b;
    case logic::GateKind::Not: return !a;
    }
    return false;
}

// What each labelled gate output stands for, by its expression ("~" is NOT).
const std::map<QString, Fn3>& expressionOracle()
{
    static const std::map<QString, Fn3> m = {
        {"A . B", [](bool a, bool b, bool) { return a && b; }},
        {"B . A", [](bool a, bool b, bool) { return a && b; }},
        {"A + B", [](bool a, bool b, bool) { return a || b; }},
        {"B + A", [](bool a, bool b, bool) { return a || b; }},
        {"(A . B)", [](bool a, bool b, bool) { return a && b; }},
        {"(A . B) . C", [](bool a, bool b, bool c) { return a && b && c; }},
        {"(B . C)", [](bool, bool b, bool c) { return b && c; }},
        {"A . (B . C)", [](bool a, bool b, bool c) { return a && b && c; }},
        {"(A + B)", [](bool a, bool b, bool) { return a || b; }},
        {"(A + B) + C", [](bool a, bool b, bool c) { return a || b || c; }},
        {"(B + C)", [](bool, bool b, bool c) { return b || c; }},
        {"A + (B + C)", [](bool a, bool b, bool c) { return a || b || c; }},
        {"A . A", [](bool a, bool, bool) { return a; }},
        {"A + A", [](bool a, bool, bool) { return a; }},
        {"A . 1", [](bool a, bool, bool) { return a; }},
        {"A + 0", [](bool a, bool, bool) { return a; }},
        {"A . 0", [](bool, bool, bool) { return false; }},
        {"A + 1", [](bool, bool, bool) { return true; }},
        {"A . ~A", [](bool, bool, bool) { return false; }},
        {"A + ~A", [](bool, bool, bool) { return true; }},
        {"A + (A . B)", [](bool a, bool, bool) { return a; }},
        {"A . (A + B)", [](bool a, bool, bool) { return a; }},
        {"~~A", [](bool a, bool, bool) { return a; }},
        {"A . (B + C)", [](bool a, bool b, bool c) { return a && (b || c); }},
        {"(A . C)", [](bool a, bool, bool c) { return a && c; }},
        {"(A . B) + (A . C)", [](bool a, bool b, bool c) { return a && (b || c); }},
        {"(A + C)", [](bool a, bool, bool c) { return a || c; }},
        {"(A + B) . (A + C)", [](bool a, bool b, bool c) { return a || (b && c); }},
        {"A + (B . C)", [](bool a, bool b, bool c) { return a || (b && c); }},
        {"~(A . B)", [](bool a, bool b, bool) { return !(a && b); }},
        {"~A + ~B", [](bool a, bool b, bool) { return !(a && b); }},
        {"~(A + B)", [](bool a, bool b, bool) { return !(a || b); }},
        {"~A . ~B", [](bool a, bool b, bool) { return !(a || b); }},
        {"(A + ~A)", [](bool, bool, bool) { return true; }},
        {"(A + ~A) . B", [](bool, bool b, bool) { return b; }},
        {"~(~A + ~B)", [](bool a, bool b, bool) { return a && b; }},
        {"~(~A + B)", [](bool a, bool b, bool) { return a && !b; }},
        {"X", [](bool, bool, bool) { return false; }},  // ~(~A + ~B) . ~B
        {"Y", [](bool a, bool, bool) { return a; }},    // ~(~A + ~B) + ~(~A + B)
    };
    return m;
}

void checkBooleanGates(const BooleanAlgebra* w, bool a, bool b, bool c, const std::string& where)
{
    for (const BooleanAlgebra::DrawnGate& g : w->drawnGates()) {
        std::vector<bool> ins;
        for (const logic::NodeProbe& p : g.inputs) {
            const QString t = textAt(w->Picture1, p.x, p.y);
            ASSERT_TRUE(t == QLatin1String("0") || t == QLatin1String("1")) << where << ": input text '"
                                                                            << t.toStdString() << "'";
            ins.push_back(t == QLatin1String("1"));
        }
        const QString out = textAt(w->Picture1, g.output.x, g.output.y);
        EXPECT_EQ(out, bit(gateRule(g.kind, ins))) << where << " gate " << g.label.toStdString();
        if (g.label.isEmpty())
            continue;
        const auto it = expressionOracle().find(g.label);
        if (it == expressionOracle().end()) {
            ADD_FAILURE() << where << ": no rule for " << g.label.toStdString();
            continue;
        }
        EXPECT_EQ(out, bit(it->second(a, b, c)))
            << where << " " << g.label.toStdString() << " A=" << a << " B=" << b << " C=" << c;
    }
}

TEST_F(LogicWindows, BooleanAlgebraBothSidesOfEveryRuleFollowTheInputs)
{
    const int inputs[8] = {0, 3, 1, 2, 3, 2, 3, 2};  // how many of A, B, C each example uses
    for (int e = 1; e < 8; ++e) {
        auto* w = test::openTopic<BooleanAlgebra>(QStringLiteral("BooleanAlgebra"), e);
        ASSERT_NE(w, nullptr);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(w->Trigger[i]->isVisibleTo(w), i < inputs[e]) << "example " << e << " button " << i;
        int labelled = 0;
        for (const auto& g : w->drawnGates())
            labelled += g.label.isEmpty() ? 0 : 1;
        EXPECT_GE(labelled, 2) << "example " << e;
        for (int row = 0; row < (1 << inputs[e]); ++row) {
            const bool want[3] = {bool(row & 1), bool(row & 2), bool(row & 4)};
            QString* fields[3] = {&w->A, &w->B, &w->C};
            for (int i = 0; i < inputs[e]; ++i)
                if ((*fields[i] == QLatin1String("1")) != want[i])
                    w->Trigger[i]->click();
            ASSERT_EQ(w->A == QLatin1String("1"), want[0]);
            checkBooleanGates(w, w->A == QLatin1String("1"), w->B == QLatin1String("1"), w->C == QLatin1String("1"),
                              "BooleanAlgebra example " + std::to_string(e));
        }
    }
}

TEST_F(LogicWindows, BooleanPostulateGatesShowOnRequest)
{
    auto* w = test::openTopic<BooleanAlgebra>(QStringLiteral("BooleanAlgebra"), 0);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("Show Gates"));
    EXPECT_FALSE(w->Trigger[1]->isVisibleTo(w));
    EXPECT_TRUE(w->drawnGates().empty());
    EXPECT_TRUE(printed(w->Picture1, QStringLiteral("Postulate 5a.     0 = 1")));
    w->Trigger[0]->click();
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("Clear Gates"));
    EXPECT_EQ(w->A, QStringLiteral("1"));  // the button shows gates here, A is untouched
    ASSERT_EQ(w->drawnGates().size(), 10u);
    checkBooleanGates(w, true, false, false, "postulates");
    w->Trigger[0]->click();
    EXPECT_TRUE(w->drawnGates().empty());
}

// Every level digit of the Boolean gates stands clear above its wire: no
// horizontal wire runs through the rows a digit's glyph covers.
TEST_F(LogicWindows, BooleanDigitsStandClearOfTheirWires)
{
    for (int e = 0; e < 8; ++e) {
        auto* w = test::openTopic<BooleanAlgebra>(QStringLiteral("BooleanAlgebra"), e);
        ASSERT_NE(w, nullptr);
        if (e == 0 && !w->gatesShown)
            w->Trigger[0]->click();
        std::vector<DrawnShape> shapes;
        w->Picture1->shapeLog = &shapes;
        w->results();
        w->Picture1->shapeLog = nullptr;
        std::vector<logic::NodeProbe> digits;
        for (const auto& g : w->drawnGates()) {
            digits.insert(digits.end(), g.inputs.begin(), g.inputs.end());
            digits.push_back(g.output);
        }
        ASSERT_FALSE(digits.empty()) << e;
        for (const logic::NodeProbe& d : digits)
            for (const DrawnShape& s : shapes) {
                if (s.kind != DrawnShape::Line || s.y1 != s.y2)
                    continue;
                const bool under = std::min(s.x1, s.x2) < d.x + 7 && std::max(s.x1, s.x2) > d.x;
                const double below = s.y1 - d.y;  // the glyph of a size-8 digit covers about 2 to 10
                EXPECT_FALSE(under && below > 1 && below < 10.5)
                    << "example " << e << ": digit at " << d.x << "," << d.y << " struck by the wire at " << s.y1;
            }
    }
}

// ---- behaviour the learner sees ----

TEST_F(LogicWindows, AndGateFunctionFollowsTheSwitchButtons)
{
    auto* w = test::openTopic<LogicGates1>(QStringLiteral("LogicGates1"), 2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("Close S1"));
    EXPECT_EQ(w->Trigger[1]->caption(), QStringLiteral("Close S2"));
    const auto value = [&](const char* node) {
        for (const auto& p : w->nodeProbes())
            if (p.name == QLatin1String(node))
                return textAt(w->Picture1, p.x, p.y);
        return QString();
    };
    w->Trigger[0]->click();
    w->Trigger[1]->click();
    EXPECT_EQ(value("A"), QStringLiteral("1"));
    EXPECT_EQ(value("B"), QStringLiteral("1"));
    EXPECT_EQ(value("Q"), QStringLiteral("1"));
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("Open S1"));
    EXPECT_EQ(w->Trigger[1]->caption(), QStringLiteral("Open S2"));
    w->Trigger[0]->click();
    EXPECT_EQ(value("Q"), QStringLiteral("0"));
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("Close S1"));
}

TEST_F(LogicWindows, LampIsDrawnLitOrUnlitByTheSwitchRule)
{
    for (int e = 0; e < 2; ++e) {
        auto* w = test::openTopic<LogicGates1>(QStringLiteral("LogicGates1"), e);
        ASSERT_NE(w, nullptr);
        for (int row = 0; row < 4; ++row) {
            const bool a = row & 1, b = row & 2;
            setInputs(w, a, b);
            std::vector<DrawnShape> shapes;
            w->Picture1->shapeLog = &shapes;
            w->results();
            w->Picture1->shapeLog = nullptr;
            const bool lit = e == 0 ? (a || b) : (a && b);
            int lamps = 0;
            for (const DrawnShape& s : shapes)
                if (s.kind == DrawnShape::Circle && s.radius == 14 && s.fill) {
                    ++lamps;
                    EXPECT_EQ(s.fillColour.rgb(), lit ? qRgb(255, 255, 0) : qRgb(255, 255, 255))
                        << "example " << e << " row " << row;
                }
            EXPECT_EQ(lamps, 1) << "example " << e;
            EXPECT_TRUE(printed(w->Picture1, lit ? QStringLiteral("Lamp lit.") : QStringLiteral("Lamp off.")));
        }
    }
}

// Wherever an example draws a truth table (a yellow box) with the present
// inputs' row marked (a white box inside it), notes that speak of the marked
// row call it white, never shaded.
TEST_F(LogicWindows, NotesNameTheMarkedTruthTableRowAsDrawn)
{
    const struct {
        const char* name;
        int examples;
    } topics[] = {{"LogicGates1", 12}, {"LogicGates2", 8}};
    const auto inside = [](const DrawnShape& in, const DrawnShape& box) {
        return in.x1 >= box.x1 && in.x2 <= box.x2 && in.y1 >= box.y1 && in.y2 <= box.y2;
    };
    int tables = 0;
    for (const auto& t : topics)
        for (int e = 0; e < t.examples; ++e) {
            auto* w = test::openTopic<TopicForm>(QString::fromLatin1(t.name), e);
            ASSERT_NE(w, nullptr);
            std::vector<DrawnShape> shapes;
            w->Picture1->shapeLog = &shapes;
            w->results();
            w->Picture1->shapeLog = nullptr;
            int marked = 0;
            for (const DrawnShape& table : shapes)
                if (table.kind == DrawnShape::FilledBox && table.colour.rgb() == qRgb(255, 255, 0))
                    for (const DrawnShape& row : shapes)
                        if (row.kind == DrawnShape::FilledBox && row.colour.rgb() == qRgb(255, 255, 255) &&
                            inside(row, table))
                            ++marked;
            if (marked == 0)
                continue;
            ++tables;
            w->TheoryButton();
            QString notes;
            for (const QString& paragraph : suite().theory)
                notes += paragraph + QLatin1Char(' ');
            EXPECT_FALSE(notes.contains(QStringLiteral("shaded"))) << t.name << " " << e;
            const bool andExample = (QLatin1String(t.name) == QLatin1String("LogicGates1") && e == 2) ||
                                    (QLatin1String(t.name) == QLatin1String("LogicGates2") && e == 0);
            if (andExample)
                EXPECT_TRUE(notes.contains(QStringLiteral("row left white"))) << t.name << " " << e;
        }
    EXPECT_GE(tables, 9);
}

// The gate networks of LogicGates1: gate bodies stand apart, a wire running
// on from one line to the next has no pixel-wide break, and no vertical wire
// runs past the horizontal wire it turns into by a unit or two.
TEST_F(LogicWindows, GateNetworksHaveSeparateGatesAndUnbrokenWires)
{
    for (int e : {8, 9, 10, 11}) {
        auto* w = test::openTopic<LogicGates1>(QStringLiteral("LogicGates1"), e);
        ASSERT_NE(w, nullptr);
        std::vector<DrawnShape> shapes;
        w->Picture1->shapeLog = &shapes;
        w->results();
        w->Picture1->shapeLog = nullptr;
        std::vector<QRectF> bodies;
        std::vector<QLineF> across, down;
        for (const DrawnShape& s : shapes) {
            const QRectF r = QRectF(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2)).normalized();
            if (s.kind == DrawnShape::FilledBox && r.height() > 40 && s.colour != QColor(Qt::white))
                bodies.push_back(r);
            else if (s.kind == DrawnShape::Line && s.y1 == s.y2 && s.x1 != s.x2)
                across.push_back(QLineF(std::min(s.x1, s.x2), s.y1, std::max(s.x1, s.x2), s.y1));
            else if (s.kind == DrawnShape::Line && s.x1 == s.x2 && s.y1 != s.y2)
                down.push_back(QLineF(s.x1, std::min(s.y1, s.y2), s.x1, std::max(s.y1, s.y2)));
        }
        for (size_t i = 0; i < bodies.size(); ++i)
            for (size_t j = i + 1; j < bodies.size(); ++j)
                EXPECT_FALSE(bodies[i].adjusted(-3, -3, 3, 3).intersects(bodies[j]))
                    << "example " << e << ": gates at " << bodies[i].top() << " and " << bodies[j].top() << " touch";
        for (const QLineF& a : across)
            for (const QLineF& b : across) {
                const double gap = b.x1() - a.x2();
                EXPECT_FALSE(std::fabs(a.y1() - b.y1()) < 0.01 && gap > 0 && gap < 2.5)
                    << "example " << e << ": break of " << gap << " at " << a.x2() << "," << a.y1();
            }
        for (const QLineF& d : down)
            for (const QLineF& a : across) {
                const bool turns = std::fabs(a.x1() - d.x1()) < 0.01 || std::fabs(a.x2() - d.x1()) < 0.01;
                const double past = d.y2() - a.y1();
                EXPECT_FALSE(turns && past > 0 && past < 3 && d.y1() < a.y1())
                    << "example " << e << ": wire at x " << d.x1() << " runs " << past << " past " << a.y1();
            }
    }
}

TEST_F(LogicWindows, ButtonCaptionsAndVisibilityPerExample)
{
    auto* g1 = test::openTopic<LogicGates1>(QStringLiteral("LogicGates1"), 6);
    ASSERT_NE(g1, nullptr);
    EXPECT_FALSE(g1->Trigger[1]->isVisibleTo(g1));
    EXPECT_EQ(g1->Trigger[0]->caption(), QStringLiteral("S1 = High"));
    g1->Trigger[0]->click();
    EXPECT_EQ(g1->Trigger[0]->caption(), QStringLiteral("S1 = Low"));
    test::openTopic(QStringLiteral("LogicGates1"), 9);
    EXPECT_TRUE(g1->Trigger[1]->isVisibleTo(g1));
    EXPECT_EQ(g1->Trigger[0]->caption(), QStringLiteral("Logic A"));
    EXPECT_EQ(g1->Trigger[1]->caption(), QStringLiteral("Logic B"));

    auto* g2 = test::openTopic<LogicGates2>(QStringLiteral("LogicGates2"), 2);
    ASSERT_NE(g2, nullptr);
    EXPECT_TRUE(g2->Trigger[0]->isVisibleTo(g2));
    EXPECT_FALSE(g2->Trigger[1]->isVisibleTo(g2));
    EXPECT_TRUE(printed(g2->Picture1, QStringLiteral("Not A")));
    EXPECT_FALSE(printed(g2->Picture1, QStringLiteral("Input B")));
    test::openTopic(QStringLiteral("LogicGates2"), 0);
    EXPECT_TRUE(g2->Trigger[1]->isVisibleTo(g2));
    for (const char* t : {"Input A", "Input B", "Output X", "Truth Table", "B", "A", "X"})
        EXPECT_TRUE(printed(g2->Picture1, QString::fromLatin1(t))) << t;
}

TEST_F(LogicWindows, BooleanInputsStartAtOneZeroZero)
{
    auto* w = test::openTopic<BooleanAlgebra>(QStringLiteral("BooleanAlgebra"), 1);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->A, QStringLiteral("1"));
    EXPECT_EQ(w->B, QStringLiteral("0"));
    EXPECT_EQ(w->C, QStringLiteral("0"));
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("A = 1"));
    w->Trigger[0]->click();
    EXPECT_EQ(w->A, QStringLiteral("0"));
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("A = 1"));
    EXPECT_EQ(w->B, QStringLiteral("0"));
}

TEST_F(LogicWindows, InputsStayAcrossExamplesAndResetOnLoad)
{
    auto* w = test::openTopic<LogicGates1>(QStringLiteral("LogicGates1"), 2);
    ASSERT_NE(w, nullptr);
    w->Trigger[0]->click();
    test::openTopic(QStringLiteral("LogicGates1"), 3);
    EXPECT_TRUE(w->A);
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("Open S1"));
    FormRegistry::instance().unload(QStringLiteral("LogicGates1"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* again = test::openTopic<LogicGates1>(QStringLiteral("LogicGates1"), 3);
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(again->A);
    EXPECT_FALSE(again->B);
}

TEST_F(LogicWindows, RedrawUsesTheTopicFrameAndRestoresIt)
{
    auto* w = test::openTopic<LogicGates1>(QStringLiteral("LogicGates1"), 2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(suite().textOffset, 0);
    EXPECT_FLOAT_EQ(suite().drawingScale, 1.28f);
    // The caption is printed at logical x 0: with the offset of 50 it starts at 50.
    bool found = false;
    for (const PrintedText& t : w->Picture1->printedTexts())
        if (t.text == QLatin1String("AND Gate Function.")) {
            EXPECT_DOUBLE_EQ(t.x, 50);
            found = true;
        }
    EXPECT_TRUE(found);
    // The six-gate network is drawn without the offset.
    test::openTopic(QStringLiteral("LogicGates1"), 11);
    for (const PrintedText& t : w->Picture1->printedTexts())
        if (t.text == QLatin1String("Logic Analysis 2."))
            EXPECT_DOUBLE_EQ(t.x, 45);
    EXPECT_EQ(suite().textOffset, 0);
}

TEST_F(LogicWindows, ContentsPositionsOpenEachExample)
{
    auto* contents = formAs<ComputingTreeIndex>(QStringLiteral("ComputingTreeIndex"));
    ASSERT_NE(contents, nullptr);
    const struct {
        const char* name;
        int examples;
        const char* firstCaption;
    } topics[] = {{"LogicGates1", 12, "Simple OR Logic Function."},
                  {"LogicGates2", 8, "AND Gate."},
                  {"BooleanAlgebra", 8, "Boolean Postulates in logic 0 and 1."}};
    for (const auto& t : topics) {
        int k = 0;
        for (size_t i = 0; i < topicTable().size(); ++i)
            if (QLatin1String(topicTable()[i].name) == QLatin1String(t.name))
                k = int(i) + 1;
        ASSERT_GT(k, 0);
        EXPECT_EQ(contents::lastPosition(k) - contents::firstPosition(k) + 1, t.examples) << t.name;
        for (int e = 0; e < t.examples; ++e) {
            int position = contents::firstPosition(k) + e;
            bool skip = false, enable = true;
            contents->Contents(position, skip, enable);
            ASSERT_FALSE(skip);
            Form* w = suite().currentWindow;
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->name(), QLatin1String(t.name));
            ASSERT_TRUE(callByName(w, QStringLiteral("Proc_1")));
            auto* topic = dynamic_cast<TopicForm*>(w);
            ASSERT_NE(topic, nullptr);
            EXPECT_EQ(topic->example(), e);
            EXPECT_FALSE(topic->Picture1->printedTexts().empty()) << t.name << " " << e;
            if (e == 0)
                EXPECT_TRUE(printed(topic->Picture1, QString::fromLatin1(t.firstCaption))) << t.name;
        }
    }
}

TEST_F(LogicWindows, TheoryTextsForEveryExample)
{
    const struct {
        const char* name;
        int examples;
    } topics[] = {{"LogicGates1", 12}, {"LogicGates2", 8}, {"BooleanAlgebra", 8}};
    for (const auto& t : topics)
        for (int e = 0; e < t.examples; ++e) {
            auto* w = test::openTopic<TopicForm>(QString::fromLatin1(t.name), e);
            ASSERT_NE(w, nullptr);
            w->TheoryButton();
            int paragraphs = 0;
            for (const QString& p : suite().theory)
                paragraphs += p.trimmed().isEmpty() ? 0 : 1;
            EXPECT_GE(paragraphs, 2) << t.name << " " << e;
            EXPECT_FALSE(suite().theory[0].isEmpty()) << t.name << " " << e;
        }
    test::openTopic<TopicForm>(QStringLiteral("LogicGates2"), 0)->TheoryButton();
    EXPECT_TRUE(suite().theory[0].startsWith(
        QStringLiteral("As shown before the AND gate can be considered as two switches connected in series.")));
    test::openTopic<TopicForm>(QStringLiteral("LogicGates1"), 0)->TheoryButton();
    EXPECT_TRUE(suite().theory[0].startsWith(
        QStringLiteral("The OR logic function can be clearly demonstrated using two push switches connect in "
                       "parallel. Press S1 OR S2 and the lamp is lit.")));
}

}  // namespace
