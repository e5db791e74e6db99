// LogicGates1: switch circuits, the gate functions with switches and pull-down
// resistors, and four gate networks analysed node by node. Every redraw
// computes the nodes from the switch states A and B through the gate model.
#include "topics/logic/logic_gates1.h"

#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "topics/logic/gate_model.h"

namespace orr {

namespace {

using logic::GateKind;

constexpr float kPullDown = 10000;

QString captionOf(int e)
{
    static const char* const captions[logic::kLg1Examples] = {
        "Simple OR Logic Function.",   "Simple AND Logic Function.",      "AND Gate Function.",
        "OR Gate Function.",           "NAND Gate Function.",             "NOR Gate Function.",
        "NOT Gate Function.",          "Exclusive OR Gate Function.",     "Equivalent Exclusive OR Circuit.",
        "OR Function from NAND Gates.", "Mixed Logic Analysis 1.",        "Logic Analysis 2.",
    };
    return (e >= 0 && e < logic::kLg1Examples) ? QString::fromLatin1(captions[e]) : QString();
}

void label(int x, int y, const QString& text, long colour = colour::Black, int size = 8)
{
    int w = 1;
    printAt(x, y, text, colour, size, w);
}

void heading(int x, const QString& text)
{
    int w = 1;
    printAt(x, 4, text, colour::Title, 11, w);
}

void expression(int x, int y, const QString& markup, long colour = colour::Black)
{
    logic::printExpression(x, y, markup, colour, 9, 1, colour);
}

// Index of the truth-table row for the inputs (A changes fastest).
int rowOf(bool a, bool b) { return (a ? 1 : 0) + (b ? 2 : 0); }

}  // namespace

LogicGates1::LogicGates1() : TwoInputForm(QStringLiteral("LogicGates1"), 0, 2)
{
    title = QStringLiteral("LOGIC GATES 1");
    setTopicId(79);
    setDrawingFrame(50, 1.28f);
}

void LogicGates1::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void LogicGates1::configureExample(int e)
{
    triggerSetup(true, e != 6, false);
    setTriggerCaptions(e);
}

void LogicGates1::setTriggerCaptions(int e)
{
    if (e >= 8) {
        Trigger[0]->setCaption(QStringLiteral("Logic A"));
        Trigger[1]->setCaption(QStringLiteral("Logic B"));
    } else if (e == 6) {
        // Pressing drives the input to the level the caption names.
        Trigger[0]->setCaption(A ? QStringLiteral("S1 = Low") : QStringLiteral("S1 = High"));
    } else {
        Trigger[0]->setCaption(A ? QStringLiteral("Open S1") : QStringLiteral("Close S1"));
        Trigger[1]->setCaption(B ? QStringLiteral("Open S2") : QStringLiteral("Close S2"));
    }
}

void LogicGates1::nodeValue(const QString& name, int x, int y, long colour, bool value)
{
    DrawLogicBit(x, y, colour, value);
    probes_.record(name, x, y);
}

void LogicGates1::drawExample(int e)
{
    probes_.clear();
    setTriggerCaptions(e);
    if (e == 11)
        suite().textOffset = 0;  // the six-gate network needs the full width
    switch (e) {
    case 0: case 1: drawSwitchCircuit(e); break;
    case 2: case 3: case 4: case 5: case 7: drawGateFunction(e); break;
    case 6: drawNotFunction(); break;
    case 8: drawEquivalentXor(); break;
    case 9: drawOrFromNand(); break;
    case 10: drawMixedAnalysis(); break;
    case 11: drawSixNand(); break;
    default: break;
    }
}

// Examples 0 and 1: two push switches feeding a lamp, in parallel (OR) or in
// series (AND), with the gate symbol that does the same job beside them.
void LogicGates1::drawSwitchCircuit(int e)
{
    const logic::Lg1Signals s = logic::logicGates1(e, A, B);
    heading(0, captionOf(e));
    int lampY = 0;
    if (e == 0) {
        // The switches stand 70 apart so that S2's name is clear of S1's push button.
        draw(90, 50, QStringLiteral("r20 nd25 r70 nr20 d25 bd25 d20 l70 u20 d20 r35 d28 bd25 d30"));
        dot(110, 50, colour::Black);
        dot(145, 120, colour::Black);
        DrawPushSwitch(110, 77, QStringLiteral("S1"), A);
        DrawPushSwitch(180, 77, QStringLiteral("S2"), B);
        lampY = 160;
        label(54, 44, QStringLiteral("+5V"), colour::Maroon);
    } else {
        draw(95, 30, QStringLiteral("c0 r50 nr50 d25 bd25 d35 bd25 d28 bd25 d30"));
        DrawPushSwitch(145, 57, QStringLiteral("S1"), A);
        DrawPushSwitch(145, 117, QStringLiteral("S2"), B);
        lampY = 180;
        label(59, 24, QStringLiteral("+5V"), colour::Maroon);
    }
    DrawLamp(145, lampY, s.lampLit ? colour::LampLit : colour::LampOff);
    DrawEarth(145, lampY + 43);
    label(165, lampY + 2, s.lampLit ? QStringLiteral("Lamp lit.") : QStringLiteral("Lamp off."),
          s.lampLit ? colour::Maroon : colour::Grey);

    const GateKind kind = e == 0 ? GateKind::Or : GateKind::And;
    logic::drawLargeGate(kind, 350, 130);
    label(330, 170, e == 0 ? QStringLiteral("OR Gate Symbol") : QStringLiteral("AND Gate Symbol"), colour::Title, 9);
    label(305, 112, QStringLiteral("A"));
    label(305, 137, QStringLiteral("B"));
    nodeValue(QStringLiteral("A"), 322, 103, colour::InputLevel, A);
    nodeValue(QStringLiteral("B"), 322, 146, colour::InputLevel, B);
    nodeValue(QStringLiteral("Q"), 452, 124, colour::OutputLevel, s.q);
    label(466, 124, QStringLiteral("Q"));
    label(300, 200, QStringLiteral("S1 closed gives A = 1, S2 closed gives B = 1,"), colour::Grey, 7);
    label(300, 212, QStringLiteral("and the lamp lit is Q = 1."), colour::Grey, 7);
}

// Examples 2 to 7 (not 6): two switches with pull-down resistors drive the
// gate inputs; the gate output and its truth table.
void LogicGates1::drawGateFunction(int e)
{
    const logic::Lg1Signals s = logic::logicGates1(e, A, B);
    heading(0, captionOf(e));
    draw(90, 50, QStringLiteral("c0 r30 nd40 r80 nd40 r160 bd210 l160 u20 bu40 u28 nr45 u60 bl80 d35 nr120 d50 "
                                "bd40 d23 nr100 l30"));
    dot(120, 50, colour::Black);
    dot(200, 50, colour::Black);
    dot(120, 147, colour::Black);
    dot(200, 172, colour::Black);
    dot(120, 260, colour::Black);
    dot(200, 260, colour::Black);
    DrawResistorVertical(120, 190, QStringLiteral("1"), colour::Cyan, kPullDown);
    DrawResistorVertical(200, 190, QStringLiteral("2"), colour::Cyan, kPullDown);
    DrawPushSwitch(120, 90, QStringLiteral("S1"), A);
    DrawPushSwitch(200, 90, QStringLiteral("S2"), B);
    label(52, 44, QStringLiteral("+5V"), colour::Maroon);
    label(62, 254, QStringLiteral("0V"));

    const GateKind gate = logic::logicGates1Gate(e);
    logic::drawLargeGate(gate, 270, 160);
    // The exclusive OR's second curve stands 8 behind the body: its pin
    // numbers move left with it.
    const int pinX = gate == GateKind::Xor ? 251 : 258;
    label(pinX, 136, QStringLiteral("1"), colour::Grey, 7);
    label(pinX, 174, QStringLiteral("2"), colour::Grey, 7);
    boxOrLine(0, 369, 160, 0, 20, 0, colour::Black, QString());
    label(226, 133, QStringLiteral("A"));
    label(226, 176, QStringLiteral("B"));
    nodeValue(QStringLiteral("A"), 240, 132, colour::InputLevel, A);
    nodeValue(QStringLiteral("B"), 240, 175, colour::InputLevel, B);
    nodeValue(QStringLiteral("Q"), 390, 150, colour::OutputLevel, s.q);
    label(404, 150, QStringLiteral("Q"));

    logic::drawTruthTable({425, 67, 100, 33, 10}, QStringLiteral("A-B-Q"), logic::logicGates1Rows(e),
                          rowOf(A, B));
}

// Example 6: one switch with its pull-down resistor drives an inverter.
void LogicGates1::drawNotFunction()
{
    const logic::Lg1Signals s = logic::logicGates1(6, A, B);
    heading(0, captionOf(6));
    draw(90, 50, QStringLiteral("c0 r30 nd93 r80 r160 bd210 l240 nl30 u83 br30 bu17 r70 u12 d24"));
    // From the switch to the node above the resistor, and on to the inverter.
    boxOrLine(0, 120, 166, 0, 0, 11, colour::Black, QString());
    draw(120, 177, QStringLiteral("c0 r30 u17"));
    dot(120, 50, colour::Black);
    dot(120, 177, colour::Black);
    DrawPushSwitch(120, 143, QStringLiteral("S1"), A);
    DrawResistorVertical(120, 190, QStringLiteral("1"), colour::Cyan, kPullDown);
    label(52, 44, QStringLiteral("+5V"), colour::Maroon);
    label(62, 254, QStringLiteral("0V"));

    DrawNotGate(220, 160);
    label(157, 146, QStringLiteral("A"));
    nodeValue(QStringLiteral("A"), 170, 146, colour::InputLevel, A);
    nodeValue(QStringLiteral("Q"), 290, 150, colour::OutputLevel, s.q);
    label(304, 150, QStringLiteral("Q"));

    int w = 1;
    printAt(500, 95, QStringLiteral("Q = "), colour::Black, 9, w);
    nodeValue(QStringLiteral("Q ="), 500 + w + 6, 95, colour::OutputLevel, s.q);
    logic::drawTruthTable({500, 120, 84, 42, 16}, QStringLiteral("A-Q"), logic::logicGates1Rows(6), A ? 1 : 0);
}

// The truth table of a gate network: every node for the four input pairs.
void LogicGates1::drawNetworkTable(int e, int left, int top)
{
    QStringList rows;
    for (const bool b : {false, true})
        for (const bool a : {false, true}) {
            const logic::Lg1Signals s = logic::logicGates1(e, a, b);
            rows << QStringList{logic::bitText(a), logic::bitText(b), logic::bitText(s.c), logic::bitText(s.d),
                                logic::bitText(s.q)}
                        .join(QLatin1Char('-'));
        }
    logic::drawTruthTable({left, top, 180, 36, 14}, QStringLiteral("A-B-C-D-Q"), rows, rowOf(A, B));
}

// Example 8: (A + B) . NOT (A . B), the exclusive OR built from OR, NAND and AND.
void LogicGates1::drawEquivalentXor()
{
    const logic::Lg1Signals s = logic::logicGates1(8, A, B);
    heading(0, captionOf(8));
    draw(40, 60, QStringLiteral("c0 r25 nr50 d107 r90 bu25 l60 u57 nr20 l55 br180 bu12 r90 bd25 l25 d57 l35"));
    dot(65, 60, colour::Black);
    dot(95, 85, colour::Black);
    DrawOrGate(145, 73);
    DrawNandGate(185, 155);
    DrawAndGate(340, 86);
    logic::gateName(160, 67, QStringLiteral("OR"));
    logic::gateName(190, 149, QStringLiteral("NAND"));
    logic::gateName(348, 80, QStringLiteral("AND"));

    label(24, 55, QStringLiteral("A"));
    label(24, 80, QStringLiteral("B"));
    nodeValue(QStringLiteral("A"), 44, 46, colour::InputLevel, A);
    nodeValue(QStringLiteral("B"), 44, 88, colour::InputLevel, B);
    nodeValue(QStringLiteral("C"), 270, 59, colour::OutputLevel, s.c);
    label(282, 59, QStringLiteral("C"));
    nodeValue(QStringLiteral("D"), 262, 141, colour::OutputLevel, s.d);
    label(274, 141, QStringLiteral("D"));
    nodeValue(QStringLiteral("Q"), 442, 80, colour::OutputLevel, s.q);
    label(456, 80, QStringLiteral("Q"));

    expression(0, 200, QStringLiteral("C = A + B"));
    expression(0, 218, QStringLiteral("D = ~(A . B)"));
    int w = 1;
    printAt(0, 236, QStringLiteral("Q = C . D"), colour::Black, 9, w);
    expression(w + 12, 236, QStringLiteral("= A \u2295 B"), colour::Maroon);
    drawNetworkTable(8, 468, 140);
}

// Example 9: two NAND gates with strapped inputs invert A and B; a third
// NAND of the inverted inputs gives A OR B.
void LogicGates1::drawOrFromNand()
{
    const logic::Lg1Signals s = logic::logicGates1(9, A, B);
    heading(0, captionOf(9));
    draw(40, 80, QStringLiteral("c0 r60 u12 nr20 d25 r20 bu12 br120 r69 bd25 l59 d61 bl120 bd11 l30 u25 nr10 d11 l60"));
    dot(100, 80, colour::Black);
    dot(100, 164, colour::Black);
    boxOrLine(0, 110, 153, 0, 10, 0, colour::Black, QString());  // the strap's upper stub meets the gate lead
    DrawNandGate(150, 81);
    DrawNandGate(150, 166);
    DrawNandGate(339, 94);
    logic::gateName(155, 75, QStringLiteral("NAND"));
    logic::gateName(155, 160, QStringLiteral("NAND"));
    logic::gateName(344, 88, QStringLiteral("NAND"));

    label(24, 74, QStringLiteral("A"));
    label(24, 158, QStringLiteral("B"));
    nodeValue(QStringLiteral("A"), 44, 66, colour::InputLevel, A);
    nodeValue(QStringLiteral("B"), 44, 150, colour::InputLevel, B);
    nodeValue(QStringLiteral("C"), 262, 67, colour::OutputLevel, s.c);
    label(274, 67, QStringLiteral("C"));
    nodeValue(QStringLiteral("D"), 226, 150, colour::OutputLevel, s.d);
    label(238, 150, QStringLiteral("D"));
    nodeValue(QStringLiteral("Q"), 442, 88, colour::OutputLevel, s.q);
    label(456, 88, QStringLiteral("Q"));

    expression(0, 210, QStringLiteral("C = ~A"));
    expression(0, 228, QStringLiteral("D = ~B"));
    int w = 1;
    printAt(0, 246, QStringLiteral("Q = "), colour::Black, 9, w);
    const int after =
        logic::printExpression(w + 4, 246, QStringLiteral("~(C . D)"), colour::Black, 9, 1, colour::Black);
    expression(after + 10, 246, QStringLiteral("= A + B"), colour::Maroon);
    drawNetworkTable(9, 468, 140);
}

// Example 10: C = A . B, D = NOT B from a NAND inverter, Q = C XOR D.
void LogicGates1::drawMixedAnalysis()
{
    const logic::Lg1Signals s = logic::logicGates1(10, A, B);
    heading(0, captionOf(10));
    draw(40, 80, QStringLiteral("c0 r80 bd25 l50 nd71 bu12 br171 r69 bd25 l59 d61 bl120 bd11 l30 u25 nr20 d11 l60"));
    dot(70, 176, colour::Black);
    dot(101, 176, colour::Black);
    DrawAndGate(150, 93);
    DrawXorGate(340, 106);
    DrawNandGate(151, 178);
    logic::gateName(158, 87, QStringLiteral("AND"));
    logic::gateName(357, 100, QStringLiteral("EXOR"));
    label(112, 206, QStringLiteral("NOT / INVERTER"), colour::Title, 7);

    label(24, 74, QStringLiteral("A"));
    label(24, 170, QStringLiteral("B"));
    nodeValue(QStringLiteral("A"), 44, 66, colour::InputLevel, A);
    nodeValue(QStringLiteral("B"), 44, 162, colour::InputLevel, B);
    nodeValue(QStringLiteral("C"), 262, 79, colour::OutputLevel, s.c);
    label(274, 79, QStringLiteral("C"));
    nodeValue(QStringLiteral("D"), 226, 162, colour::OutputLevel, s.d);
    label(238, 162, QStringLiteral("D"));
    nodeValue(QStringLiteral("Q"), 442, 100, colour::OutputLevel, s.q);
    label(456, 100, QStringLiteral("Q"));

    expression(0, 232, QStringLiteral("C = A . B"));
    expression(0, 250, QStringLiteral("D = ~B"));
    int w = 1;
    printAt(0, 268, QStringLiteral("Q = C \u2295 D"), colour::Black, 9, w);
    expression(w + 12, 268, QStringLiteral("= A + ~B"), colour::Maroon);
    drawNetworkTable(10, 468, 140);
}

// Example 11: six NAND gates. C and D invert A and B, E = A + B, F = NOT
// (A . B), G = NOT (E . F) and the last gate inverts G: Q = A XOR B.
void LogicGates1::drawSixNand()
{
    const logic::Lg1Signals s = logic::logicGates1(11, A, B);
    heading(45, captionOf(11));
    // The inverters C and D stand 8 apart; every wire ends on a gate input
    // (13 above and 12 below a gate's centre line) or output, without steps.
    draw(45, 83, QStringLiteral("c0 r50 nu13 nd12 l20 d99 r40 bd25 l50 u68 r30 nu13 nd12 l50"));
    draw(224, 83, QStringLiteral("c0 d18 r10 bd25 l10 d13 bd56 r110 u56 r40 br118 bu12 r40 nu13 nd12"));
    dot(75, 83, colour::Black);
    dot(65, 139, colour::Black);
    DrawNandGate(125, 83);
    DrawNandGate(125, 139);
    DrawNandGate(145, 195);
    DrawNandGate(264, 114);
    DrawNandGate(393, 127);
    DrawNandGate(562, 127);
    label(240, 22, QStringLiteral("6 NAND Gates "), colour::Title, 9);

    label(30, 77, QStringLiteral("A"));
    label(30, 133, QStringLiteral("B"));
    nodeValue(QStringLiteral("A"), 50, 69, colour::InputLevel, A);
    nodeValue(QStringLiteral("B"), 50, 125, colour::InputLevel, B);
    nodeValue(QStringLiteral("C"), 201, 69, colour::OutputLevel, s.c);
    label(213, 69, QStringLiteral("C"));
    nodeValue(QStringLiteral("D"), 201, 143, colour::OutputLevel, s.d);
    label(213, 143, QStringLiteral("D"));
    nodeValue(QStringLiteral("E"), 380, 100, colour::Purple, s.e);
    label(367, 100, QStringLiteral("E"));
    nodeValue(QStringLiteral("F"), 380, 145, colour::Green, s.f);
    label(367, 145, QStringLiteral("F"));
    nodeValue(QStringLiteral("G"), 510, 110, colour::Title, s.g);
    label(498, 110, QStringLiteral("G"));
    nodeValue(QStringLiteral("Q"), 670, 110, colour::Maroon, s.q);
    label(684, 110, QStringLiteral("Q"));

    expression(45, 232, QStringLiteral("C = ~A      D = ~B      F = ~(A . B)"));
    expression(45, 250, QStringLiteral("E = ~(C . D) = ~(~A . ~B) = A + B"));
    expression(45, 268, QStringLiteral("G = ~(E . F)      Q = ~G = E . F"));
    expression(45, 286, QStringLiteral("Q = (A + B) . ~(A . B) = A \u2295 B"), colour::Maroon);
}

void LogicGates1::theoryParagraphs(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "The OR logic function can be clearly demonstrated using two push switches connect in parallel. Press S1 "
            "OR S2 and the lamp is lit. Closing both switches together also lights the lamp: either path is enough "
            "to carry current from the +5V supply through the lamp to earth.");
        p[1] = QStringLiteral(
            "Treat a closed switch as logic 1 and an open switch as logic 0, and a lit lamp as logic 1. The lamp is "
            "then off for only one of the four switch combinations, when S1 and S2 are both open. That is the rule "
            "of the OR function: the output is 1 when at least one input is 1.");
        p[2] = QStringLiteral(
            "The OR gate symbol beside the circuit performs the same function electronically. Its inputs A and B "
            "take the place of the switches and its output Q the place of the lamp. In Boolean algebra the OR "
            "function is written with a plus sign, Q = A + B, read as \"A or B\".");
        break;
    case 1:
        p[0] = QStringLiteral(
            "The AND function is shown by two push switches connected in series with the lamp. Current can only flow "
            "when S1 AND S2 are both closed, so pressing one switch on its own leaves the lamp off.");
        p[1] = QStringLiteral(
            "With a closed switch taken as logic 1 and a lit lamp as logic 1, the lamp is lit for only one of the "
            "four combinations: S1 = 1 and S2 = 1. Every other combination gives 0. That is the rule of the AND "
            "function: the output is 1 only when all of its inputs are 1.");
        p[2] = QStringLiteral(
            "The AND gate symbol beside the circuit does the same job with transistors instead of switches. In "
            "Boolean algebra the AND function is written with a dot, Q = A . B, read as \"A and B\". Series "
            "switches are used in the same way in practice, for example a machine guard switch in series with a "
            "start button so that the machine only runs when the guard is closed.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "Here the switches drive the inputs of a real AND gate. Each input is held at 0V (logic 0) by a pull-down "
            "resistor while its switch is open; pressing the switch connects the input to +5V (logic 1). The "
            "resistors matter: an input left floating may be read as either level.");
        p[1] = QStringLiteral(
            "The output Q is 1 only when input A AND input B are both 1. The truth table lists all four input "
            "combinations; the row left white in the yellow table is the one the switches are set to now. Try each "
            "row in turn with the Close and Open buttons.");
        p[2] = QStringLiteral(
            "Because a gate input draws almost no current, the gate can be driven by switches, sensors or the "
            "outputs of other gates. An AND gate is often used as an enable: one input carries a signal and the "
            "other decides whether that signal is allowed through.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "The OR gate gives a 1 at its output when input A OR input B, or both, are at logic 1. The only way to "
            "get a 0 output is to have both inputs at 0, that is both switches open so the pull-down resistors hold "
            "the inputs low.");
        p[1] = QStringLiteral(
            "Compare the truth table with the AND gate: the OR gate has three rows giving 1 where the AND gate has "
            "only one. Written in Boolean algebra, Q = A + B.");
        p[2] = QStringLiteral(
            "OR gates are used wherever any one of several conditions should cause an action, for example an alarm "
            "that sounds when any door or window sensor is triggered.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "NAND means NOT AND. The gate is an AND gate followed by an inverter, shown by the small circle on its "
            "output. Q is 0 only when A and B are both 1; for the other three combinations Q is 1.");
        p[1] = QStringLiteral(
            "Each row of the NAND truth table is the opposite of the same row for the AND gate. In Boolean algebra "
            "the output is written as A . B with a bar over the whole expression.");
        p[2] = QStringLiteral(
            "The NAND gate is called a universal gate because any other logic function can be built from NAND gates "
            "alone. With its two inputs joined it becomes an inverter; later examples build an OR gate and an "
            "exclusive OR from NAND gates. Many integrated circuit families were designed around it.");
        break;
    case 5:
        p[0] = QStringLiteral(
            "NOR means NOT OR: an OR gate followed by an inverter. The output Q is 1 only when neither A nor B is 1, "
            "that is when both switches are open. Any input at 1 forces the output to 0.");
        p[1] = QStringLiteral(
            "Each row of the NOR truth table is the opposite of the OR gate's row. In Boolean algebra the output is "
            "A + B with a bar over the whole expression.");
        p[2] = QStringLiteral(
            "Like the NAND gate, the NOR gate is universal: any logic function can be made from NOR gates alone. Two "
            "NOR gates cross-coupled form the simplest memory element, the RS flip-flop.");
        break;
    case 6:
        p[0] = QStringLiteral(
            "The NOT gate, or inverter, has one input and one output. The output is always the opposite of the input: "
            "a 1 in gives a 0 out and a 0 in gives a 1 out.");
        p[1] = QStringLiteral(
            "With S1 open the pull-down resistor holds the input low, so the output Q is high. Pressing S1 takes the "
            "input to +5V and the output falls to 0. In Boolean algebra the output is written as A with a bar over "
            "it, read as \"not A\".");
        p[2] = QStringLiteral(
            "The small circle at the output of the symbol is the sign of inversion; the same circle on a NAND or NOR "
            "gate means the same thing. Inverters are used to provide the complement of a signal and, chained in "
            "pairs, as buffers that restore a weak signal to full logic levels.");
        break;
    case 7:
        p[0] = QStringLiteral(
            "The exclusive OR gate gives a 1 when one input or the other is 1, but not both. Q is 1 when A and B "
            "are different and 0 when they are the same.");
        p[1] = QStringLiteral(
            "The truth table differs from the OR gate only in the last row: with both inputs at 1 the exclusive OR "
            "output is 0. The function is written A \u2295 B, with a circled plus sign.");
        p[2] = QStringLiteral(
            "Because its output shows whether two bits differ, the exclusive OR gate is used to compare binary "
            "numbers, to add two bits (it gives the sum bit of a half adder) and to generate and check parity bits. "
            "With one input held at 1 it acts as a controlled inverter.");
        break;
    case 8:
        p[0] = QStringLiteral(
            "An exclusive OR function can be built from three ordinary gates. The OR gate gives C = A + B, which is "
            "1 when at least one input is 1. The NAND gate gives D, which is 1 unless both inputs are 1.");
        p[1] = QStringLiteral(
            "The AND gate combines them: Q = C . D is 1 only when at least one input is 1 and they are not both 1. "
            "That is exactly the exclusive OR rule, so Q = A \u2295 B.");
        p[2] = QStringLiteral(
            "Check the table of node values row by row with the Logic A and Logic B buttons. Working through a "
            "circuit one node at a time like this is the usual way to analyse a gate network: each gate only has to "
            "be evaluated from the values already found at its inputs.");
        break;
    case 9:
        p[0] = QStringLiteral(
            "This circuit shows why the NAND gate is called universal. The first two NAND gates have their inputs "
            "joined, so each acts as an inverter: C is NOT A and D is NOT B.");
        p[1] = QStringLiteral(
            "The third NAND gate gives Q = NOT (C . D). By De Morgan's theorem NOT (C . D) equals NOT C + NOT D, and "
            "since C and D are themselves the inverses of A and B, the double inversions cancel and Q = A + B.");
        p[2] = QStringLiteral(
            "The node table confirms it: Q is 0 only when A and B are both 0, the same as an OR gate. Manufacturers "
            "make good use of this, as a board built from a single type of gate needs fewer different parts.");
        break;
    case 10:
        p[0] = QStringLiteral(
            "A mixed circuit is analysed in the same way as any other: find each node in turn. The AND gate gives "
            "C = A . B. The NAND gate has its inputs joined and acts as an inverter, so D = NOT B.");
        p[1] = QStringLiteral(
            "The exclusive OR gate compares C and D: Q is 1 when they differ. Working through the four rows shows "
            "that Q is 0 only when A = 0 and B = 1, so the whole circuit simplifies to Q = A + NOT B.");
        p[2] = QStringLiteral(
            "Simplifying a network like this is worth doing: the same output could be produced by an inverter and "
            "one OR gate. Boolean algebra gives a systematic way of finding such simpler forms.");
        break;
    case 11:
        p[0] = QStringLiteral(
            "Six NAND gates make an exclusive OR. The two gates on the left invert the inputs: C = NOT A and D = "
            "NOT B. The gate fed by C and D gives E = NOT (C . D), which is A + B.");
        p[1] = QStringLiteral(
            "The lower gate gives F = NOT (A . B), which is 0 only when both inputs are 1. The gate fed by E and F "
            "gives G = NOT (E . F), and the last gate, with its inputs joined, inverts G so that Q = E . F.");
        p[2] = QStringLiteral(
            "Q is therefore (A + B) . NOT (A . B): it is 1 when at least one input is 1 but not both, so Q = 1 "
            "exactly when A and B differ. Step through the four input combinations and follow the coloured node "
            "values E, F, G and Q to see each stage at work.");
        break;
    default:
        break;
    }
}

namespace {
RegisterForm<LogicGates1> reg(QStringLiteral("LogicGates1"));
}

}  // namespace orr
