// BooleanAlgebra: postulates, the laws of Boolean algebra, De Morgan's
// theorems and two worked simplifications. Both sides of every rule are built
// from small gates fed by the inputs, so that each side's value is computed,
// gate by gate, from the present A, B and C.
#include "topics/logic/boolean_algebra.h"

#include <algorithm>

#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "topics/logic/gate_model.h"

namespace orr {

namespace {

using logic::GateKind;

constexpr int kLabelled = 75, kUnlabelled = 53;
// A level's digit stands above the wire it names with its foot clear of the
// line, even where the wire runs on under it to the next gate.
constexpr int kOutputDx = 40, kOutputDy = 10;
constexpr int kTextDy = 10;  // texts stand this far above the line they name
constexpr int kRight = 648;  // right edge of the drawing, in logical units

QString captionOf(int e)
{
    static const char* const captions[8] = {
        "Boolean Postulates in logic 0 and 1.",
        "Commutative and Associative Rules.",
        "Identity.",
        "Absorption and Negating Rules.",
        "Distributive Rules.",
        "De Morgan's Theorems.",
        "Simplifying using Boolean Theorem's.",
        "Simplifying using DeMorgan's Theorem's.",
    };
    return (e >= 0 && e < 8) ? QString::fromLatin1(captions[e]) : QString();
}

void text(int x, int y, const QString& s, long colour = colour::Black, int size = 8, int bold = 0)
{
    int w = bold;
    printAt(x, y, s, colour, size, w);
}

// A rule written with "~" negations; the bars in the rule's colour.
void rule(int x, int y, const QString& markup, long barColour = colour::Black, int size = 8)
{
    logic::printExpression(x, y, markup, colour::Black, size, 0, barColour);
}

void equalsSign(int x, int y) { text(x, y - 9, QStringLiteral("="), colour::Maroon, 12, 1); }

void line(int x, int y, int w, int h) { boxOrLine(0, x, y, 0, w, h, colour::Black, QString()); }

}  // namespace

BooleanAlgebra::BooleanAlgebra() : TopicForm(QStringLiteral("BooleanAlgebra"), 0, 3)
{
    title = QStringLiteral("BOOLEAN ALGEBRA");
    setTopicId(88);
    setDrawingFrame(50, 1.28f);
}

void BooleanAlgebra::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void BooleanAlgebra::configureExample(int e)
{
    const bool two = !(e == 0 || e == 2);
    const bool three = e == 1 || e == 4 || e == 6;
    triggerSetup(true, two, three);
    setButtons(e);
}

void BooleanAlgebra::setButtons(int e)
{
    if (e == 0)
        Trigger[0]->setCaption(gatesShown ? QStringLiteral("Clear Gates") : QStringLiteral("Show Gates"));
    else
        Trigger[0]->setCaption(QStringLiteral("A = 1"));
    Trigger[1]->setCaption(QStringLiteral("B = 1"));
    Trigger[2]->setCaption(QStringLiteral("C = 1"));
}

void BooleanAlgebra::Trigger_Click(int index)
{
    const auto toggle = [](QString& v) { v = logic::isOne(v) ? QStringLiteral("0") : QStringLiteral("1"); };
    if (index == 0 && example() == 0)
        gatesShown = !gatesShown;
    else if (index == 0)
        toggle(A);
    else if (index == 1)
        toggle(B);
    else if (index == 2)
        toggle(C);
    else
        return;
    results();
}

// ---- the gate procedures ----

void BooleanAlgebra::printSignal(int x, int y, const Signal& s, logic::NodeProbe& probe)
{
    int w = 1;
    printAt(x, y, s.text, s.fromGate ? colour::OutputLevel : colour::InputLevel, 8, w);
    logic::ProbeLog log;
    log.record(QString(), x, y);
    probe = log.probes().front();
}

void BooleanAlgebra::printLabel(int x, int y, const QString& label)
{
    const int w = logic::expressionWidth(label, 7, 0);
    const int left = std::clamp(x - w / 2, -48, kRight - w);
    logic::printExpression(left, y, label, colour::Grey, 7, 0, colour::Grey);
}

BooleanAlgebra::Signal BooleanAlgebra::twoInputGate(GateKind kind, int x, int y, const Signal& a, const Signal& b,
                                                    const QString& label)
{
    logic::drawSmallGate(kind, x, y);
    const int tx = x - (label.isEmpty() ? kUnlabelled : kLabelled);
    DrawnGate g;
    g.kind = kind;
    g.label = label;
    const int heights[2] = {y + kSmallGateInputUpper, y + kSmallGateInputLower};
    const Signal* ins[2] = {&a, &b};
    for (int i = 0; i < 2; ++i) {
        line(tx + 10, heights[i], x + kSmallGateInputStart - tx - 10, 0);
        logic::NodeProbe p;
        printSignal(tx, heights[i] - kTextDy, *ins[i], p);
        g.inputs.push_back(p);
    }
    const Signal out{logic::gateText(kind, a.text, b.text), true};
    printSignal(x + kOutputDx, y - kOutputDy, out, g.output);
    if (!label.isEmpty())
        printLabel(x + 19, y + 13, label);
    gates_.push_back(g);
    return out;
}

BooleanAlgebra::Signal BooleanAlgebra::andGate(int x, int y, const Signal& a, const Signal& b, const QString& label)
{
    return twoInputGate(GateKind::And, x, y, a, b, label);
}

BooleanAlgebra::Signal BooleanAlgebra::orGate(int x, int y, const Signal& a, const Signal& b, const QString& label)
{
    return twoInputGate(GateKind::Or, x, y, a, b, label);
}

BooleanAlgebra::Signal BooleanAlgebra::nandGate(int x, int y, const Signal& a, const Signal& b, const QString& label)
{
    return twoInputGate(GateKind::Nand, x, y, a, b, label);
}

BooleanAlgebra::Signal BooleanAlgebra::norGate(int x, int y, const Signal& a, const Signal& b, const QString& label)
{
    return twoInputGate(GateKind::Nor, x, y, a, b, label);
}

BooleanAlgebra::Signal BooleanAlgebra::notGate(int x, int y, const Signal& a, const QString& label)
{
    DrawNotGateSmall(x, y);
    const int tx = x - (label.isEmpty() ? kUnlabelled : kLabelled);
    DrawnGate g;
    g.kind = GateKind::Not;
    g.label = label;
    line(tx + 10, y, x - 27 - tx - 10, 0);
    logic::NodeProbe p;
    printSignal(tx, y - kTextDy, a, p);
    g.inputs.push_back(p);
    const Signal out{logic::gateText(GateKind::Not, a.text), true};
    printSignal(x + kOutputDx, y - kOutputDy, out, g.output);
    if (!label.isEmpty())
        printLabel(x + 19, y + 13, label);
    gates_.push_back(g);
    return out;
}

// ---- the examples ----

void BooleanAlgebra::drawInputs(int e)
{
    int w = 1;
    printAt(-45, 4, captionOf(e), colour::Title, 11, w);
    const bool two = !(e == 0 || e == 2);
    const bool three = e == 1 || e == 4 || e == 6;
    if (e == 0)
        return;
    struct Item {
        const char* name;
        const QString* value;
        bool shown;
    };
    const Item items[3] = {{"A = ", &A, true}, {"B = ", &B, two}, {"C = ", &C, three}};
    int x = 440;
    for (const Item& it : items) {
        if (!it.shown)
            continue;
        w = 1;
        printAt(x, 6, QString::fromLatin1(it.name), colour::Black, 9, w);
        int v = 1;
        printAt(x + w + 5, 6, *it.value, colour::InputLevel, 9, v);
        x += 70;
    }
}

void BooleanAlgebra::drawExample(int e)
{
    gates_.clear();
    setButtons(e);
    drawInputs(e);
    switch (e) {
    case 0: drawPostulates(); break;
    case 1: drawCommutative(); break;
    case 2: drawIdentity(); break;
    case 3: drawAbsorption(); break;
    case 4: drawDistributive(); break;
    case 5: drawDeMorgan(); break;
    case 6: drawSimplifying(); break;
    case 7: drawSimplifyingDeMorgan(); break;
    default: break;
    }
}

// Example 0: the operators and the ten postulates, each as a gate with fixed
// inputs once the learner asks for the gates.
void BooleanAlgebra::drawPostulates()
{
    text(-45, 28, QStringLiteral("Boolean Gate Operators"), colour::Title, 9, 1);
    text(-45, 46, QStringLiteral("AND Gate.   [.]"));
    DrawAndGateSmall(110, 51);
    text(-45, 72, QStringLiteral("OR Gate.    [+]"));
    DrawOrGateSmall(110, 77);
    text(300, 28, QStringLiteral("Logic Inversion"), colour::Title, 9, 1);
    text(300, 46, QStringLiteral("NOT Gate."));
    DrawNotGateSmall(410, 51);

    struct Postulate {
        const char* text;
        GateKind kind;
        const char* a;
        const char* b;
    };
    static const Postulate left[5] = {
        {"Postulate 1a.     0 . 0 = 0", GateKind::And, "0", "0"},
        {"Postulate 2a.     0 . 1 = 0", GateKind::And, "0", "1"},
        {"Postulate 3a.     1 . 0 = 0", GateKind::And, "1", "0"},
        {"Postulate 4a.     1 . 1 = 1", GateKind::And, "1", "1"},
        {"Postulate 5a.     0 = ~1", GateKind::Not, "1", nullptr},
    };
    static const Postulate right[5] = {
        {"Postulate 1b.     1 + 1 = 1", GateKind::Or, "1", "1"},
        {"Postulate 2b.     1 + 0 = 1", GateKind::Or, "1", "0"},
        {"Postulate 3b.     0 + 1 = 1", GateKind::Or, "0", "1"},
        {"Postulate 4b.     0 + 0 = 0", GateKind::Or, "0", "0"},
        {"Postulate 5b.     1 = ~0", GateKind::Not, "0", nullptr},
    };
    for (int row = 0; row < 5; ++row) {
        const int y = 100 + 42 * row;
        const Postulate* pair[2] = {&left[row], &right[row]};
        const int columns[2] = {-45, 300};
        for (int side = 0; side < 2; ++side) {
            const Postulate& p = *pair[side];
            rule(columns[side], y, QString::fromLatin1(p.text), colour::Maroon, 9);
            if (!gatesShown)
                continue;
            const int gx = columns[side] + 270;
            const Signal a = in(QString::fromLatin1(p.a));
            if (p.kind == GateKind::Not)
                notGate(gx, y + 5, a);
            else
                twoInputGate(p.kind, gx, y + 5, a, in(QString::fromLatin1(p.b)), QString());
        }
    }
    if (!gatesShown)
        text(-45, 300, QStringLiteral("Press Show Gates to see each postulate worked by a gate."), colour::Grey, 7);
}

// Example 1: the inputs of AND and OR can be swapped and regrouped.
void BooleanAlgebra::drawCommutative()
{
    const Signal a = in(A), b = in(B), c = in(C);
    rule(-45, 28, QStringLiteral("Commutative 1a.    A . B = B . A"));
    andGate(60, 58, a, b, QStringLiteral("A . B"));
    equalsSign(160, 58);
    andGate(270, 58, b, a, QStringLiteral("B . A"));
    text(380, 72, QStringLiteral("Inputs are interchangeable."), colour::Title, 8);

    rule(-45, 90, QStringLiteral("Commutative 1b.    A + B = B + A"));
    orGate(60, 120, a, b, QStringLiteral("A + B"));
    equalsSign(160, 120);
    orGate(270, 120, b, a, QStringLiteral("B + A"));

    // Associative rules: the left chain groups A with B, the right chain B with C.
    const auto chains = [&](int top, GateKind kind, const QString& op) {
        const QString ab = QStringLiteral("(A %1 B)").arg(op), bc = QStringLiteral("(B %1 C)").arg(op);
        const Signal s1 = twoInputGate(kind, 30, top, a, b, ab);
        twoInputGate(kind, 30 + kOutputDx + kLabelled, top + 7, s1, c, ab + QStringLiteral(" %1 C").arg(op));
        equalsSign(232, top + 7);
        const Signal s3 = twoInputGate(kind, 330, top + 14, b, c, bc);
        twoInputGate(kind, 330 + kOutputDx + kLabelled, top + 7, a, s3, QStringLiteral("A %1 ").arg(op) + bc);
    };
    rule(-45, 152, QStringLiteral("Associative 2a.   (A . B) . C = A . (B . C)"));
    chains(180, GateKind::And, QStringLiteral("."));
    rule(-45, 224, QStringLiteral("Associative 2b.   (A + B) + C = A + (B + C)"));
    chains(252, GateKind::Or, QStringLiteral("+"));
    text(-45, 296, QStringLiteral("Inputs can be in any order."), colour::Title, 8);
}

// Example 2: identity, the defining rules with a fixed 0 or 1, and the complement rules.
void BooleanAlgebra::drawIdentity()
{
    const Signal a = in(A), one = in(QStringLiteral("1")), zero = in(QStringLiteral("0"));
    const int cols[2] = {-45, 300};
    const auto row = [&](int k, const QString& ruleA, const QString& ruleB, const QString& comment) {
        const int y = 26 + 70 * k;
        rule(cols[0], y, ruleA);
        rule(cols[1], y, ruleB);
        text(cols[0], y + 54, comment, colour::Title, 8);
        return y + 28;
    };
    int gy = row(0, QStringLiteral("Identity 3a.    A.A = A"), QStringLiteral("Identity 3b.    A + A = A"),
                 QStringLiteral("Output identical to inputs."));
    andGate(cols[0] + 125, gy, a, a, QStringLiteral("A . A"));
    orGate(cols[1] + 125, gy, a, a, QStringLiteral("A + A"));
    gy = row(1, QStringLiteral("Defining 4a.    A.1 = A"), QStringLiteral("Defining 4b.    A + 0 = A"),
             QStringLiteral("Output reflects state of A."));
    andGate(cols[0] + 125, gy, a, one, QStringLiteral("A . 1"));
    orGate(cols[1] + 125, gy, a, zero, QStringLiteral("A + 0"));
    gy = row(2, QStringLiteral("Defining 5a.    A . 0 = 0"), QStringLiteral("Defining 5b.    A + 1 = 1"),
             QStringLiteral("Output inhibited by fixed logic state."));
    andGate(cols[0] + 125, gy, a, zero, QStringLiteral("A . 0"));
    orGate(cols[1] + 125, gy, a, one, QStringLiteral("A + 1"));
    gy = row(3, QStringLiteral("Complementary 6a.    A . ~A = 0"), QStringLiteral("Complementary 6b.    A + ~A = 1"),
             QStringLiteral("Output fixed as inputs reversed."));
    for (int side = 0; side < 2; ++side) {
        const int x = cols[side] + 65;
        const Signal na = notGate(x, gy + 7, a);
        const int gx = x + kOutputDx + kLabelled;
        if (side == 0)
            andGate(gx, gy, a, na, QStringLiteral("A . ~A"));
        else
            orGate(gx, gy, a, na, QStringLiteral("A + ~A"));
    }
}

// Example 3: absorption (B makes no difference) and double negation.
void BooleanAlgebra::drawAbsorption()
{
    const Signal a = in(A), b = in(B);
    rule(-45, 28, QStringLiteral("Absorption 7a,b.   A + A . B = A  :  A . (A + B) = A"));
    text(-45, 46, QStringLiteral("Output is dependent only on A."), colour::Title, 8);
    text(300, 46, QStringLiteral("B is don't care."), colour::Title, 8);
    const Signal ab = andGate(30, 97, a, b, QStringLiteral("(A . B)"));
    orGate(30 + kOutputDx + kLabelled, 90, a, ab, QStringLiteral("A + (A . B)"));
    const Signal aob = orGate(360, 97, a, b, QStringLiteral("(A + B)"));
    andGate(360 + kOutputDx + kLabelled, 90, a, aob, QStringLiteral("A . (A + B)"));

    rule(-45, 150, QStringLiteral("Negate 8.   A = ~~A"), colour::Maroon);
    text(-45, 168, QStringLiteral("Double Negation Rule."), colour::Title, 8);
    const Signal na = notGate(60, 210, a);
    notGate(60 + kOutputDx + kLabelled, 210, na, QStringLiteral("~~A"));
}

// Example 4: AND distributes over OR, and OR over AND.
void BooleanAlgebra::drawDistributive()
{
    const Signal a = in(A), b = in(B), c = in(C);
    rule(-45, 28, QStringLiteral("Distributive 9a.   A . (B + C) = (A . B) + (A . C)"));
    const Signal bc = orGate(30, 72, b, c, QStringLiteral("(B + C)"));
    andGate(30 + kOutputDx + kLabelled, 65, a, bc, QStringLiteral("A . (B + C)"));
    equalsSign(218, 70);
    const Signal ab = andGate(330, 58, a, b, QStringLiteral("(A . B)"));
    const Signal ac = andGate(330, 100, a, c, QStringLiteral("(A . C)"));
    logic::wire(379, 58, 403, 72, 390);
    logic::wire(379, 100, 403, 86, 390);
    orGate(480, 79, ab, ac, QStringLiteral("(A . B) + (A . C)"));

    rule(-45, 150, QStringLiteral("Distributive 9b.   (A + B) . (A + C) = A + (B . C)"));
    const Signal aob = orGate(30, 180, a, b, QStringLiteral("(A + B)"));
    const Signal aoc = orGate(30, 222, a, c, QStringLiteral("(A + C)"));
    logic::wire(79, 180, 103, 194, 90);
    logic::wire(79, 222, 103, 208, 90);
    andGate(180, 201, aob, aoc, QStringLiteral("(A + B) . (A + C)"));
    equalsSign(280, 201);
    const Signal bac = andGate(380, 208, b, c, QStringLiteral("(B . C)"));
    orGate(380 + kOutputDx + kLabelled, 201, a, bac, QStringLiteral("A + (B . C)"));
}

// Example 5: De Morgan's theorems, a NAND against an OR of inverted inputs and
// a NOR against an AND of inverted inputs.
void BooleanAlgebra::drawDeMorgan()
{
    const Signal a = in(A), b = in(B);
    const auto theorem = [&](int top, bool first) {
        text(-45, top, first ? QStringLiteral("Dualisation 10a.") : QStringLiteral("Dualisation 10b."), colour::Black,
             9, 1);
        const long bar = first ? colour::InputLevel : colour::OutputLevel;
        rule(110, top, first ? QStringLiteral("~(A . B) = ~A + ~B") : QStringLiteral("~(A + B) = ~A . ~B"), bar, 10);
        text(-45, top + 18,
             first ? QStringLiteral("Change AND to OR and invert the variables.")
                   : QStringLiteral("Change OR to AND and invert the variables."),
             colour::Title, 8);
        const int y = top + 70;
        if (first)
            nandGate(40, y, a, b, QStringLiteral("~(A . B)"));
        else
            norGate(40, y, a, b, QStringLiteral("~(A + B)"));
        equalsSign(170, y);
        const Signal na = notGate(290, y - 20, a);
        const Signal nb = notGate(290, y + 20, b);
        logic::wire(339, y - 20, 373, y - 7, 355);
        logic::wire(339, y + 20, 373, y + 7, 355);
        if (first)
            orGate(450, y, na, nb, QStringLiteral("~A + ~B"));
        else
            andGate(450, y, na, nb, QStringLiteral("~A . ~B"));
    };
    theorem(30, true);
    theorem(165, false);
}

// Example 6: two simplifications worked step by step, with the gates of the
// original expression and of the result.
void BooleanAlgebra::drawSimplifying()
{
    const Signal a = in(A), b = in(B), c = in(C);
    text(-45, 28, QStringLiteral("Example 1."), colour::Black, 9, 1);
    const QString steps1[] = {
        QStringLiteral("(A + ~A) . B"), QStringLiteral("A + ~A = 1 : Theorem 6b"), QStringLiteral("= 1 . B"),
        QStringLiteral("1 . B = B  : Theorem 4a"), QStringLiteral("= B"),
    };
    int y = 46;
    for (const QString& s : steps1) {
        rule(-25, y, s, colour::Maroon);
        y += 14;
    }
    const Signal na = notGate(280, 69, a);
    const Signal either = orGate(280 + kOutputDx + kLabelled, 62, a, na, QStringLiteral("(A + ~A)"));
    andGate(280 + 2 * (kOutputDx + kLabelled), 69, either, b, QStringLiteral("(A + ~A) . B"));

    text(-45, 130, QStringLiteral("Example 2."), colour::Black, 9, 1);
    const QString steps2[] = {
        QStringLiteral("(A + B) . (A + C)"),
        QStringLiteral("= A . A + A . C + B . A + B . C"),
        QStringLiteral("A . A = A : Theorem 3a"),
        QStringLiteral("= A + A . C + A . B + B . C"),
        QStringLiteral("Reduce variable A by factorising."),
        QStringLiteral("= A . (1 + C + B) + B . C"),
        QStringLiteral("= A + (B . C)"),
    };
    y = 148;
    for (const QString& s : steps2) {
        rule(-25, y, s, colour::Maroon);
        y += 14;
    }
    const Signal aob = orGate(330, 150, a, b, QStringLiteral("(A + B)"));
    const Signal aoc = orGate(330, 192, a, c, QStringLiteral("(A + C)"));
    logic::wire(379, 150, 403, 164, 390);
    logic::wire(379, 192, 403, 178, 390);
    andGate(480, 171, aob, aoc, QStringLiteral("(A + B) . (A + C)"));
    const Signal bc = andGate(330, 264, b, c, QStringLiteral("(B . C)"));
    orGate(330 + kOutputDx + kLabelled, 257, a, bc, QStringLiteral("A + (B . C)"));
}

// Example 7: two simplifications that start with De Morgan's theorem. The
// inverted B of the first is shared by two gates.
void BooleanAlgebra::drawSimplifyingDeMorgan()
{
    const Signal a = in(A), b = in(B);
    text(-45, 28, QStringLiteral("Example 1."), colour::Black, 9, 1);
    const QString steps1[] = {
        QStringLiteral("X = ~(~A + ~B) . ~B"),
        QStringLiteral("Change NOR to NAND invert variables : DeMorgan's Theorem."),
        QStringLiteral("= ~~A . ~~B . ~B"),
        QStringLiteral("Cancel double negation. : Theorem 8."),
        QStringLiteral("= A . B . ~B"),
        QStringLiteral("B . ~B  = 0 : Theorem 6a."),
        QStringLiteral("= A . 0"),
        QStringLiteral("A . 0  = 0 : Theorem 5a."),
        QStringLiteral("= 0"),
    };
    int y = 44;
    for (const QString& s : steps1) {
        // A double bar stands two levels high: the line gets room above it
        // so that the bars clear the text of the line before.
        if (s.contains(QLatin1String("~~")))
            y += 5;
        rule(-40, y, s, colour::Maroon, 7);
        y += 12;
    }
    const Signal na = notGate(353, 50, a);
    const Signal nb = notGate(353, 100, b);
    const Signal nor = norGate(468, 57, na, nb, QStringLiteral("~(~A + ~B)"));
    line(402, 100, 138, 0);
    line(420, 100, 0, -36);
    line(540, 100, 0, -29);
    dot(420, 100, colour::Black);
    dot(420, 64, colour::Black);
    dot(540, 71, colour::Black);
    andGate(583, 64, nor, nb, QStringLiteral("X"));

    text(-45, 160, QStringLiteral("Example 2."), colour::Black, 9, 1);
    const QString steps2[] = {
        QStringLiteral("Y = ~(~A + ~B) + ~(~A + B)"),
        QStringLiteral("DeMorgan's Theorem."),
        QStringLiteral("= A . B + A . ~B"),
        QStringLiteral("Distribution rule: Theorem 9."),
        QStringLiteral("= A . (B + ~B)"),
        QStringLiteral("= A . 1"),
        QStringLiteral("= A"),
    };
    y = 176;
    for (const QString& s : steps2) {
        rule(-40, y, s, colour::Maroon, 7);
        y += 12;
    }
    const Signal na2 = notGate(353, 190, a);
    const Signal nb2 = notGate(353, 232, b);
    const Signal both = norGate(468, 197, na2, nb2, QStringLiteral("~(~A + ~B)"));
    line(402, 232, 18, 0);
    line(420, 232, 0, -28);
    dot(420, 204, colour::Black);
    const Signal onlyA = norGate(468, 257, na2, b, QStringLiteral("~(~A + B)"));
    line(430, 190, 0, 60);
    dot(430, 190, colour::Black);
    dot(430, 250, colour::Black);
    line(517, 197, 13, 0);
    line(530, 197, 0, 23);
    line(517, 257, 13, 0);
    line(530, 257, 0, -23);
    dot(530, 220, colour::Black);
    dot(530, 234, colour::Black);
    orGate(583, 227, both, onlyA, QStringLiteral("Y"));
}

void BooleanAlgebra::theoryParagraphs(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "Boolean algebra works with just two values, 0 and 1, and three basic operations: AND, written with a "
            "dot (A . B), OR, written with a plus sign (A + B), and NOT, written with a bar over the variable. The "
            "postulates are the results of these operations on the constants 0 and 1.");
        p[1] = QStringLiteral(
            "The AND postulates give 1 only for 1 . 1; any 0 makes the result 0. The OR postulates give 0 only for "
            "0 + 0; any 1 makes the result 1, so 1 + 1 = 1 in Boolean algebra, not 2. The NOT postulates say that "
            "the complement of 1 is 0 and the complement of 0 is 1.");
        p[2] = QStringLiteral(
            "Press Show Gates to see each postulate worked by a gate with fixed inputs; the value at the output of "
            "each gate is the right-hand side of the postulate. Every rule in the following examples can be proved "
            "from these postulates by trying all possible values of the variables.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "The commutative rules state that the order of the inputs does not matter: A . B = B . A and "
            "A + B = B + A. In a circuit the two input wires of an AND or OR gate can be swapped without changing "
            "the output.");
        p[1] = QStringLiteral(
            "The associative rules state that the grouping does not matter when the same operation is repeated: "
            "(A . B) . C = A . (B . C), and likewise for OR. Each side is built here from two gates, grouped "
            "differently; set A, B and C to any values and both sides always agree.");
        p[2] = QStringLiteral(
            "Because of these rules a three-input AND gate can be made from two two-input gates connected in "
            "either order, and expressions such as A . B . C can be written without brackets.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "These rules describe what happens when a variable meets itself or a constant. A . A = A and A + A = A: "
            "feeding the same signal to both inputs of an AND or OR gate just passes it through.");
        p[1] = QStringLiteral(
            "With one input fixed the result depends on the constant. A . 1 = A and A + 0 = A, so a 1 on an AND "
            "gate or a 0 on an OR gate lets A through unchanged. A . 0 = 0 and A + 1 = 1, so a 0 on an AND gate or a "
            "1 on an OR gate fixes the output whatever A does. This is how a gate is used to enable or inhibit a "
            "signal.");
        p[2] = QStringLiteral(
            "The complementary rules combine a variable with its own inverse: A . NOT A = 0, because A and its "
            "complement are never both 1, and A + NOT A = 1, because one of them is always 1. Change A with its "
            "button: the outputs of these gates never move.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "The absorption rules show that a term can swallow a larger term that contains it. In A + A . B, if A "
            "is 1 the whole expression is 1, and if A is 0 the term A . B is 0 too, so the result is always A. In "
            "the same way A . (A + B) = A.");
        p[1] = QStringLiteral(
            "B makes no difference to either output, so it is called a don't care input. Spotting absorption is one "
            "of the quickest ways of removing unnecessary gates from a circuit.");
        p[2] = QStringLiteral(
            "The double negation rule says that inverting a signal twice gives back the original: A with two bars "
            "equals A. Two inverters in a row therefore change nothing in the logic, though they are sometimes used "
            "to buffer or delay a signal.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "The first distributive rule, A . (B + C) = (A . B) + (A . C), works like multiplying out brackets in "
            "ordinary algebra. The left side needs two gates and the right side three, yet both give the same "
            "output for every combination of A, B and C.");
        p[1] = QStringLiteral(
            "The second rule, (A + B) . (A + C) = A + (B . C), has no counterpart in ordinary arithmetic: OR "
            "distributes over AND as well. It is easily checked with the buttons, and it is useful because the "
            "right-hand side needs one gate fewer.");
        p[2] = QStringLiteral(
            "Used from right to left, the distributive rules let a common variable be taken outside a bracket, "
            "which is called factorising. This is the main step in simplifying a logic expression.");
        break;
    case 5:
        p[0] = QStringLiteral(
            "De Morgan's theorems show how to break a bar over a whole term. The first states that NOT (A . B) = "
            "NOT A + NOT B: a NAND gate gives the same output as an OR gate fed with the inverted inputs.");
        p[1] = QStringLiteral(
            "The second states that NOT (A + B) = NOT A . NOT B: a NOR gate is equivalent to an AND gate of the "
            "inverted inputs. In both cases the rule is the same: change AND to OR (or OR to AND) and invert each "
            "variable. This process is called dualisation.");
        p[2] = QStringLiteral(
            "The theorems hold for any number of variables and are used constantly in design, both to simplify "
            "expressions and to convert a circuit so that it can be built entirely from NAND gates or entirely "
            "from NOR gates.");
        break;
    case 6:
        p[0] = QStringLiteral(
            "The rules of Boolean algebra are used to reduce an expression to a simpler one that needs fewer gates. "
            "In Example 1, A + NOT A is always 1 (theorem 6b), so (A + NOT A) . B becomes 1 . B, and by theorem 4a "
            "that is simply B. Three gates reduce to a plain wire from input B.");
        p[1] = QStringLiteral(
            "In Example 2 the brackets are multiplied out, A . A is replaced by A (theorem 3a) and A is then taken "
            "out as a common factor. The bracket (1 + C + B) is always 1, which leaves A + (B . C).");
        p[2] = QStringLiteral(
            "The gates drawn on the right show both the original and the simplified forms. Try all eight "
            "combinations of A, B and C: the outputs always agree, which is the practical proof that the "
            "simplification is correct.");
        break;
    case 7:
        p[0] = QStringLiteral(
            "Expressions with long bars are often simplified by applying De Morgan's theorem first. In Example 1 the "
            "NOR term is changed to an AND of the inverted variables; the double bars then cancel (theorem 8), "
            "leaving A . B . NOT B.");
        p[1] = QStringLiteral(
            "Since B . NOT B is always 0 (theorem 6a), the expression becomes A . 0, which is 0 (theorem 5a). The "
            "whole circuit always gives 0, whatever the inputs: it could be replaced by a connection to 0V.");
        p[2] = QStringLiteral(
            "In Example 2 De Morgan's theorem turns both NOR terms into AND terms, A . B + A . NOT B. Taking A out "
            "by the distribution rule leaves A . (B + NOT B), which is A . 1, or just A. The five gates do nothing "
            "more than pass input A to the output, as the buttons show.");
        break;
    default:
        break;
    }
}

namespace {
RegisterForm<BooleanAlgebra> reg(QStringLiteral("BooleanAlgebra"));
}

}  // namespace orr
