// LogicGates2: each gate with its inputs and output, its truth table, and an
// equivalent circuit (switches, or other gates) that gives the same output.
#include "topics/logic/logic_gates2.h"

#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "topics/logic/gate_model.h"

namespace orr {

namespace {

using logic::GateKind;


// The main gate: inputs enter from x = 60, output X leaves to the right.
constexpr int kGateX = 150, kGateY = 75;

QString captionOf(int e)
{
    static const char* const captions[logic::kLg2Examples] = {
        "AND Gate.", "OR Gate.", "NOT Gate.", "NAND Gate.", "NOR Gate.", "EXCLUSIVE OR Gate.",
        "Equivalent OR Gate.", "Equivalent NAND Gate.",
    };
    return (e >= 0 && e < logic::kLg2Examples) ? QString::fromLatin1(captions[e]) : QString();
}

GateKind gateOf(int e)
{
    switch (e) {
    case 1: case 6: return GateKind::Or;
    case 2: return GateKind::Not;
    case 3: case 7: return GateKind::Nand;
    case 4: return GateKind::Nor;
    case 5: return GateKind::Xor;
    default: return GateKind::And;
    }
}

void label(int x, int y, const QString& text, long colour = colour::Black, int size = 8)
{
    int w = 1;
    printAt(x, y, text, colour, size, w);
}

void line(int x, int y, int w, int h) { boxOrLine(0, x, y, 0, w, h, colour::Black, QString()); }

void terminal(int x, int y) { circle(-3, x, y, 3, colour::White); }

// The supply between two terminals on a vertical gap.
void supply(int x, int top, int bottom)
{
    terminal(x, top);
    terminal(x, bottom);
    label(x - 14, top - 12, QStringLiteral("+"), colour::Maroon);
    label(x - 32, (top + bottom) / 2 - 5, QStringLiteral("5V"), colour::Maroon);
}

// A lamp across a vertical gap of a wire at x.
void lampInGap(int x, int top, int bottom, bool lit)
{
    const int y = (top + bottom) / 2;
    line(x, top, 0, y - 11 - top);
    line(x, y + 11, 0, bottom - y - 11);
    DrawLamp(x, y, lit ? colour::LampLit : colour::LampOff);
}

void logicBox(int x, int y, long colour, bool value)
{
    if (value)
        DrawLogic1(x, y, colour);
    else
        DrawLogic0(x, y, colour);
}

}  // namespace

LogicGates2::LogicGates2() : TwoInputForm(QStringLiteral("LogicGates2"), 0, 2)
{
    title = QStringLiteral("LOGIC GATES 2");
    setTopicId(80);
    setDrawingFrame(50, 1.28f);
}

void LogicGates2::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void LogicGates2::configureExample(int e)
{
    triggerSetup(true, logic::logicGates2HasB(e), false);
    Trigger[0]->setCaption(QStringLiteral("Logic A"));
    Trigger[1]->setCaption(QStringLiteral("Logic B"));
}

void LogicGates2::nodeValue(const QString& name, int x, int y, long colour, bool value)
{
    logicBox(x, y, colour, value);
    probes_.record(name, x, y);
}

void LogicGates2::drawExample(int e)
{
    probes_.clear();
    drawMainGate(e);
    switch (e) {
    case 0: drawSeriesSwitches(); break;
    case 1: drawParallelSwitches(); break;
    case 2: drawNotSymbol(); break;
    case 3: case 4: drawGateThenInverter(e); break;
    case 5: drawEquivalentXor(); break;
    case 6: case 7: drawInvertedInputs(e); break;
    default: break;
    }
}

// The gate with its inputs, output and truth table.
void LogicGates2::drawMainGate(int e)
{
    int w = 1;
    printAt(0, 4, captionOf(e), colour::Title, 11, w);
    const bool hasB = logic::logicGates2HasB(e);
    const bool x = logic::logicGates2Output(e, A, B);
    const int yA = hasB ? kGateY + kGateInputUpper : kGateY;
    const int yB = kGateY + kGateInputLower;
    logic::drawLargeGate(gateOf(e), kGateX, kGateY);
    label(2, yA - 5, QStringLiteral("Input A"));
    line(80, yA, kGateX - 40 - 80 + (hasB ? 10 : 0), 0);
    nodeValue(QStringLiteral("A"), 64, yA - 5, colour::InputLevel, A);
    if (hasB) {
        label(2, yB - 5, QStringLiteral("Input B"));
        line(80, yB, kGateX - 30 - 80, 0);
        nodeValue(QStringLiteral("B"), 64, yB - 5, colour::InputLevel, B);
    }
    const int outEnd = hasB ? kGateX + kGateOutputEnd : kGateX + 63;
    line(outEnd, kGateY, 265 - outEnd, 0);
    nodeValue(QStringLiteral("X"), 266, kGateY - 5, colour::OutputLevel, x);
    label(288, kGateY - 5, QStringLiteral("Output X"));

    const QStringList rows = logic::logicGates2Rows(e);
    if (hasB)
        logic::drawTruthTable({440, 25, 108, 36, 14}, QStringLiteral("B-A-X"), rows, (B ? 2 : 0) + (A ? 1 : 0));
    else
        logic::drawTruthTable({440, 25, 90, 36, 14}, QStringLiteral("A- Not A"), rows, A ? 1 : 0);
}

// Example 0: the AND gate as two switches in series feeding a lamp.
void LogicGates2::drawSeriesSwitches()
{
    const bool lit = logic::logicGates2Equivalent(0, A, B);
    label(0, 160, QStringLiteral("Equivalent circuit: two switches in series."), colour::Title, 9);
    draw(150, 220, QStringLiteral("c0 U20 R51 BR30 R80 BR30 R59 D10 BD50 D10 L250 U20"));
    supply(150, 220, 250);
    DrawToggleSwitch(201, 200, A, QStringLiteral("Switch A"));
    DrawToggleSwitch(311, 200, B, QStringLiteral("Switch B"));
    drawLampOutput(210, 260, lit, 232, 280);
}

// Example 1: the OR gate as two switches in parallel feeding a lamp.
void LogicGates2::drawParallelSwitches()
{
    const bool lit = logic::logicGates2Equivalent(1, A, B);
    label(0, 146, QStringLiteral("Equivalent circuit: two switches in parallel."), colour::Title, 9);
    draw(150, 220, QStringLiteral("U15 R50 U25 R43 bD50 L43 U25 BU25 BR75 R45 D50 L45 BU25 BR45 R80 D15 BD50 D10 "
                                  "L250 U30"));
    dot(200, 205, colour::Black);
    dot(320, 205, colour::Black);
    supply(150, 220, 250);
    DrawToggleSwitch(243, 180, A, QStringLiteral("Switch A"));
    DrawToggleSwitch(243, 230, B, QStringLiteral("Switch B"));
    drawLampOutput(220, 270, lit, 242, 292);
}

// The lamp that shows X in the switch circuits, its value and the reading rule.
void LogicGates2::drawLampOutput(int gapTop, int gapBottom, bool lit, int valueY, int noteY)
{
    lampInGap(400, gapTop, gapBottom, lit);
    nodeValue(QStringLiteral("Xeq"), 424, valueY, colour::OutputLevel, lit);
    label(444, valueY, QStringLiteral("X"));
    label(200, noteY, QStringLiteral("A closed switch is logic 1, a lit lamp is X = 1."), colour::Grey, 7);
}

// Example 2: the inverter symbol on its own, with its Boolean form.
void LogicGates2::drawNotSymbol()
{
    const bool x = logic::logicGates2Equivalent(2, A, B);
    label(0, 160, QStringLiteral("The inverter: the circle at the output means NOT."), colour::Title, 9);
    DrawNotGate(200, 230);
    line(136, 230, 24, 0);
    line(263, 230, 40, 0);
    label(108, 214, QStringLiteral("A"));
    logicBox(120, 225, colour::InputLevel, A);
    nodeValue(QStringLiteral("Xeq"), 304, 225, colour::OutputLevel, x);
    logic::printExpression(330, 225, QStringLiteral("= ~A"), colour::Black, 9, 1, colour::Black);
    label(170, 256, QStringLiteral("Symbol for Not A."), colour::Title, 9);
}

// Examples 3 and 4: the AND or OR gate followed by an inverter.
void LogicGates2::drawGateThenInverter(int e)
{
    const GateKind first = e == 3 ? GateKind::And : GateKind::Or;
    const bool inner = logic::gate(first, A, B);
    const bool x = logic::logicGates2Equivalent(e, A, B);
    label(0, 165, e == 3 ? QStringLiteral("Equivalent NAND gate.") : QStringLiteral("Equivalent NOR gate."),
          colour::Title, 9);
    const int y = 235;
    line(80, y - 13, 40, 0);
    line(80, y + 12, 40, 0);
    logicBox(64, y - 18, colour::InputLevel, A);
    logicBox(64, y + 7, colour::InputLevel, B);
    label(40, y - 18, QStringLiteral("A"));
    label(40, y + 7, QStringLiteral("B"));
    logic::drawLargeGate(first, 150, y);
    DrawNotGate(289, y);
    nodeValue(e == 3 ? QStringLiteral("A.B") : QStringLiteral("A+B"), 254, y - 16, colour::OutputLevel, inner);
    label(236, y + 6, e == 3 ? QStringLiteral("A . B") : QStringLiteral("A + B"), colour::Grey, 7);
    line(352, y, 16, 0);
    nodeValue(QStringLiteral("Xeq"), 369, y - 5, colour::OutputLevel, x);
    logic::printExpression(395, y - 5, e == 3 ? QStringLiteral("X = ~(A . B)") : QStringLiteral("X = ~(A + B)"),
                           colour::Black, 9, 1, colour::Black);
}

// Example 5: X = A . NOT B + NOT A . B, from two inverters, two AND gates and an OR gate.
void LogicGates2::drawEquivalentXor()
{
    const bool na = logic::gate(GateKind::Not, A), nb = logic::gate(GateKind::Not, B);
    const bool x = logic::logicGates2Equivalent(5, A, B);
    label(0, 158, QStringLiteral("Equivalent Exclusive OR Gate."), colour::Title, 9);
    // Input rails, and the taps to the inverters (B's tap crosses A's without joining).
    line(82, 190, 138, 0);
    line(82, 275, 138, 0);
    draw(100, 190, QStringLiteral("c0 d60 r10"));
    draw(90, 275, QStringLiteral("c0 u60 r20"));
    dot(100, 190, colour::Black);
    dot(90, 275, colour::Black);
    logicBox(64, 185, colour::InputLevel, A);
    logicBox(64, 270, colour::InputLevel, B);
    label(44, 185, QStringLiteral("A"));
    label(44, 270, QStringLiteral("B"));
    DrawNotGate(150, 215);
    DrawNotGate(150, 250);
    line(213, 215, 7, 0);
    line(213, 250, 7, 0);
    DrawAndGate(250, 203);
    DrawAndGate(250, 263);
    logic::wire(349, 203, 370, 220, 356);
    logic::wire(349, 263, 370, 245, 363);
    DrawOrGate(400, 233);
    nodeValue(QStringLiteral("notB"), 192, 202, colour::OutputLevel, nb);
    nodeValue(QStringLiteral("notA"), 192, 237, colour::OutputLevel, na);
    nodeValue(QStringLiteral("Xeq"), 503, 228, colour::OutputLevel, x);
    label(523, 228, QStringLiteral("X"));
    logic::printExpression(400, 285, QStringLiteral("X = A . ~B + ~A . B"), colour::Black, 9, 1, colour::Black);
}

// Examples 6 and 7: inverted inputs into the other kind of gate (De Morgan's
// theorem). The OR gate is an AND gate with inverted inputs and output; the
// NAND gate is an OR gate with inverted inputs.
void LogicGates2::drawInvertedInputs(int e)
{
    const bool na = logic::gate(GateKind::Not, A), nb = logic::gate(GateKind::Not, B);
    const bool x = logic::logicGates2Equivalent(e, A, B);
    label(0, 160, e == 6 ? QStringLiteral("AND gate with inverted inputs and output.")
                         : QStringLiteral("OR gate with inverted inputs."),
          colour::Title, 9);
    logicBox(20, 195, colour::InputLevel, A);
    logicBox(20, 220, colour::InputLevel, B);
    label(2, 195, QStringLiteral("A"));
    label(2, 220, QStringLiteral("B"));
    line(36, 200, 34, 0);
    line(36, 225, 74, 0);
    DrawNotGate(110, 200);
    DrawNotGate(150, 225);
    line(173, 200, 37, 0);
    nodeValue(QStringLiteral("notA"), 180, 186, colour::OutputLevel, na);
    nodeValue(QStringLiteral("notB"), 180, 229, colour::OutputLevel, nb);
    if (e == 6) {
        const bool inner = logic::gate(GateKind::And, na, nb);
        DrawAndGate(240, 213);
        DrawNotGate(379, 213);
        nodeValue(QStringLiteral("inner"), 344, 197, colour::OutputLevel, inner);
        line(442, 213, 12, 0);
        nodeValue(QStringLiteral("Xeq"), 455, 208, colour::OutputLevel, x);
        label(475, 208, QStringLiteral("X"));
        logic::printExpression(300, 260, QStringLiteral("X = ~(~A . ~B) = A + B"), colour::Black, 9, 1, colour::Black);
    } else {
        DrawOrGate(240, 213);
        line(339, 213, 12, 0);
        nodeValue(QStringLiteral("Xeq"), 352, 208, colour::OutputLevel, x);
        label(372, 208, QStringLiteral("X"));
        logic::printExpression(300, 260, QStringLiteral("X = ~A + ~B = ~(A . B)"), colour::Black, 9, 1, colour::Black);
    }
}

void LogicGates2::theoryParagraphs(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "As shown before the AND gate can be considered as two switches connected in series. The lamp lights only "
            "when Switch A and Switch B are both closed, just as the output X of the gate is 1 only when input A "
            "and input B are both 1.");
        p[1] = QStringLiteral(
            "The truth table lists every combination of the inputs. With two inputs there are four rows, counting "
            "in binary from 00 to 11. Only the last row, B = 1 and A = 1, gives X = 1. The row left white in the "
            "yellow table is the combination set with the Logic A and Logic B buttons.");
        p[2] = QStringLiteral(
            "In Boolean algebra the AND function is written X = A . B. It behaves like multiplication of the "
            "digits 0 and 1: any 0 among the inputs makes the result 0.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "The OR gate can be considered as two switches connected in parallel. Closing either switch, or both, "
            "completes the circuit and the lamp lights.");
        p[1] = QStringLiteral(
            "The truth table shows X = 0 only in the first row, where both inputs are 0. Every other row gives "
            "X = 1. In Boolean algebra this is written X = A + B, where the plus sign is read as OR.");
        p[2] = QStringLiteral(
            "Note that in Boolean algebra 1 + 1 = 1: the output cannot be more than fully on. Gates with more "
            "inputs follow the same rule, giving 1 whenever any input is 1.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "The NOT gate has just one input, so its truth table has only two rows. The output is always the "
            "opposite of the input: A = 0 gives X = 1 and A = 1 gives X = 0. That is why only one button is "
            "needed here.");
        p[1] = QStringLiteral(
            "The output is written as A with a bar over it, read as \"not A\" or \"A bar\", and called the "
            "complement of A. Applying the NOT function twice gives back the original value.");
        p[2] = QStringLiteral(
            "On its own the triangle of the symbol stands for a buffer, which passes the signal unchanged. It is "
            "the small circle at the output that means inversion, and the same circle turns an AND gate into a "
            "NAND gate and an OR gate into a NOR gate.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "The NAND gate gives the opposite output to the AND gate. X is 0 only when A and B are both 1; every "
            "other combination gives X = 1.");
        p[1] = QStringLiteral(
            "The equivalent circuit below shows exactly that: an AND gate followed by an inverter. The value "
            "between the two gates is A . B, and the inverter turns it over, so X is A . B with a bar over the "
            "whole term. Compare the two outputs as you change the inputs: they always agree.");
        p[2] = QStringLiteral(
            "In practice NAND gates are simpler to build in transistor logic than AND gates, so the AND gate is "
            "often made the other way round, as a NAND gate followed by an inverter.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "The NOR gate gives the opposite output to the OR gate. X is 1 only when neither A nor B is 1, that is "
            "in the first row of the truth table.");
        p[1] = QStringLiteral(
            "The equivalent circuit is an OR gate followed by an inverter. The OR gate gives A + B and the "
            "inverter complements it, so X is A + B with a bar over the whole term.");
        p[2] = QStringLiteral(
            "Note that a bar over a whole term is not the same as separate bars over each variable. A + B with one "
            "long bar equals NOT A AND NOT B, as De Morgan's theorem shows; the Boolean algebra topic explores this "
            "further.");
        break;
    case 5:
        p[0] = QStringLiteral(
            "The exclusive OR gate gives X = 1 when its inputs differ and X = 0 when they are the same. Its truth "
            "table is that of the OR gate with the last row changed to 0.");
        p[1] = QStringLiteral(
            "The equivalent circuit follows the Boolean form X = A . NOT B + NOT A . B. The upper AND gate detects "
            "A = 1 with B = 0, the lower one detects A = 0 with B = 1, and the OR gate combines the two cases. The "
            "two inverters supply the complements of the inputs.");
        p[2] = QStringLiteral(
            "The exclusive OR gate is the heart of binary addition: adding two bits gives a sum bit of A \u2295 B and "
            "a carry of A . B. It is also used to compare two values bit by bit and to calculate parity.");
        break;
    case 6:
        p[0] = QStringLiteral(
            "An OR gate can be made from an AND gate by inverting both inputs and the output. The AND gate of the "
            "inverted inputs is 1 only when A and B are both 0; inverting that gives 0 only when both are 0, which "
            "is the OR function.");
        p[1] = QStringLiteral(
            "In Boolean algebra this is De Morgan's theorem: A + B equals NOT (NOT A . NOT B). Follow the node "
            "values of the equivalent circuit as you change the inputs and compare X with the output of the OR "
            "gate above it.");
        p[2] = QStringLiteral(
            "Designers use this to build a circuit from whichever gates are at hand, and to read circuit diagrams "
            "where a gate is drawn with circles on its inputs: such a symbol means the same as the plain gate of "
            "the other kind.");
        break;
    case 7:
        p[0] = QStringLiteral(
            "A NAND gate can be replaced by an OR gate with both inputs inverted. The OR gate of NOT A and NOT B is "
            "0 only when both inverted inputs are 0, that is when A and B are both 1, which is the NAND function.");
        p[1] = QStringLiteral(
            "This is the second form of De Morgan's theorem: NOT (A . B) equals NOT A + NOT B. Breaking a long bar "
            "over a term changes AND into OR, and each variable keeps a bar of its own.");
        p[2] = QStringLiteral(
            "The OR symbol with circles on its inputs is often drawn for a NAND gate when the circuit is active "
            "low, that is when a 0 means \"on\": it reads naturally as \"the output goes high when A or B is low\".");
        break;
    default:
        break;
    }
}

namespace {
RegisterForm<LogicGates2> reg(QStringLiteral("LogicGates2"));
}

}  // namespace orr
