// LogicFamilies: diode logic, DTL, TTL, ECL, I²L, MOS and CMOS gates drawn
// from their components over the family node model.
#include "topics/families/logic_families.h"

#include "draw/primitives.h"
#include "draw/symbols.h"
#include "topics/families/families_theory.h"
#include "topics/families/family_figures.h"
#include "topics/logic/circuit_figures.h"

namespace orr {

namespace {

using namespace families;
using logic::junction;
using logic::label;
using logic::wire;

QString node(const FamilyState& s, const char* key)
{
    const auto it = s.nodes.find(QLatin1String(key));
    return it == s.nodes.end() ? QString() : it->second;
}

}  // namespace

LogicFamilies::LogicFamilies() : TopicForm(QStringLiteral("LogicFamilies"), 0, 2)
{
    title = QStringLiteral("LOGIC FAMILIES");
    setTopicId(115);
    setDrawingFrame(50, 1.28f);
}

QString LogicFamilies::exampleCaption(int e)
{
    switch (e) {
    case 0: return QStringLiteral("DL (Diode Logic).");
    case 1: return QStringLiteral("DTL (Diode-Transistor Logic).");
    case 2: return QStringLiteral("TTL (Transistor-Transistor Logic).");
    case 3: return QStringLiteral("ECL (Emitter Coupled Logic).");
    case 4: return QStringLiteral("I\u00B2L (Integrated Injection Logic).");
    case 5: return QStringLiteral("MOS (Metal Oxide Semiconductor Logic).");
    case 6: return QStringLiteral("CMOS (Complementary MOS).");
    default: return QString();
    }
}

// Opening an example starts its circuit from both inputs low.
void LogicFamilies::setDefaults()
{
    A = false;
    B = false;
}

void LogicFamilies::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void LogicFamilies::configureExample(int)
{
    triggerSetup(true, true, false);
    Trigger[0]->setCaption(QStringLiteral("Input A"));
    Trigger[1]->setCaption(QStringLiteral("Input B"));
    suite().selectorCount = -1;
}

void LogicFamilies::Trigger_Click(int index)
{
    if (index == 0)
        A = !A;
    else if (index == 1)
        B = !B;
    else
        return;
    results();
}

void LogicFamilies::theoryParagraphs(int e, std::array<QString, 4>& p) { familiesTheory(e, p); }

void LogicFamilies::drawExample(int e)
{
    if (e < 0 || e >= kFamilyCount)
        return;
    setCaption(title + QStringLiteral(":   ") + exampleCaption(e));
    label(0, 4, exampleCaption(e), colour::Title, 11, true);
    const FamilyState s = familyState(Family(e), A, B);
    switch (Family(e)) {
    case Family::Diode: drawDiodeLogic(s); break;
    case Family::Dtl: drawDtl(s); break;
    case Family::Ttl: drawTtl(s); break;
    case Family::Ecl: drawEcl(s); break;
    case Family::I2l: drawI2l(s); break;
    case Family::Mos: drawMos(s); break;
    case Family::Cmos: drawCmos(s); break;
    }
}

// Two diode gates side by side: the AND half with its pull-up and load, the
// OR half with its pull-down; below, how stray capacitance rounds the edges.
void LogicFamilies::drawDiodeLogic(const FamilyState& s)
{
    const auto half = [&](int ox, bool andGate) {
        inputTerminal(ox + 60, 100, QStringLiteral("A"), s.inputA);
        inputTerminal(ox + 60, 150, QStringLiteral("B"), s.inputB);
        const int direction = andGate ? 1 : 0;
        for (const int y : {100, 150}) {
            wire(ox + 63, y, 37, 0);
            wire(ox + 134, y, 36, 0);
        }
        DrawDiodes(ox + 100, 100, andGate ? QStringLiteral("D1") : QStringLiteral("D3"), direction);
        DrawDiodes(ox + 100, 150, andGate ? QStringLiteral("D2") : QStringLiteral("D4"), direction);
        wire(ox + 170, 100, 0, 50);
        junction(ox + 170, 125);
        wire(ox + 170, 125, 90, 0);
        if (andGate) {
            rail(ox + 150, 44, 40, QStringLiteral("+5V"));
            DrawResistorVertical(ox + 170, 44, QStringLiteral("1"), colour::White, 5000);
            junction(ox + 215, 125);
            DrawResistorVertical(ox + 215, 125, QStringLiteral("load"), colour::White, 10000);
            DrawEarth(ox + 215, 181);
            outputTerminal(ox + 263, 125, QStringLiteral("AND"), s.outputLevel);
            int x = 0;
            if (s.output) {
                printFraction(ox, 210, 8, node(s, "and"), colour::Red, false, node(s, "andNumerator"),
                              node(s, "andDenominator"), x);
                label(x + 4, 210, node(s, "andResult"), colour::Red, 8, true);
            } else {
                nodeText(ox, 210, node(s, "and"));
            }
            DrawAndGateSmall(ox + 240, 62);
            symbolCaption(ox + 215, 78, QStringLiteral("AND Gate Symbol."));
        } else {
            DrawResistorVertical(ox + 170, 150, QStringLiteral("2"), colour::White, 5000);
            DrawEarth(ox + 170, 206);
            junction(ox + 215, 125);
            DrawCapacitor(ox + 215, 125, QStringLiteral("stray"), colour::White, 20e-12f);
            DrawEarth(ox + 215, 184);
            outputTerminal(ox + 263, 125, QStringLiteral("OR"), s.secondOutputLevel);
            nodeText(ox, 210, node(s, "or"));
            DrawOrGateSmall(ox + 240, 62);
            symbolCaption(ox + 215, 78, QStringLiteral("OR Gate Symbol."));
        }
    };
    half(0, true);
    half(320, false);

    // An ideal input edge and the output it gives through the stray capacitance.
    label(0, 234, QStringLiteral("Effect of stray capacitance on switching waveform."), colour::Title, 8, true);
    label(0, 258, QStringLiteral("Input"), colour::Black, 7);
    draw(60, 270, QStringLiteral("c9 r30 u20 r60 d20 r60 u20 r60 d20 r30"));
    label(330, 258, QStringLiteral("Output"), colour::Black, 7);
    for (int pulse = 0; pulse < 2; ++pulse) {
        const int x0 = 420 + 120 * pulse;
        wire(x0 - (pulse == 0 ? 30 : 0), 270, pulse == 0 ? 30 : 0, 0, colour::Red);
        float v = 0;
        for (int step = 0; step < 60; ++step) {  // charging through the resistor
            const float next = v + (1 - v) * 0.08f;
            wire(x0 + step, 270 - int(20 * v), 1, int(20 * v) - int(20 * next), colour::Red);
            v = next;
        }
        for (int step = 0; step < 60; ++step) {  // discharging
            const float next = v - v * 0.08f;
            wire(x0 + 60 + step, 270 - int(20 * v), 1, int(20 * v) - int(20 * next), colour::Red);
            v = next;
        }
    }
}

// DTL NAND: input diodes to a junction, two level-shift diodes to the base
// of T1, whose collector is the output.
void LogicFamilies::drawDtl(const FamilyState& s)
{
    inputTerminal(60, 120, QStringLiteral("A"), s.inputA);
    inputTerminal(60, 170, QStringLiteral("B"), s.inputB);
    for (const int y : {120, 170}) {
        wire(63, y, 37, 0);
        wire(134, y, 36, 0);
    }
    DrawDiodes(100, 120, QStringLiteral("D1"), 1);
    DrawDiodes(100, 170, QStringLiteral("D2"), 1);
    rail(170, 44, 169, QStringLiteral("+5V"));
    DrawResistorVertical(170, 44, QStringLiteral("1"), colour::White, 4000);
    wire(170, 100, 0, 70);
    junction(170, 145);
    wire(170, 145, 20, 0);
    DrawDiodes(190, 145, QStringLiteral("D3"), 0);
    DrawDiodes(224, 145, QStringLiteral("D4"), 0);
    wire(258, 145, 12, 0);
    junction(270, 145);
    DrawResistorVertical(270, 145, QStringLiteral("2"), colour::White, 5000);
    DrawEarth(270, 201);
    DrawNpnTransistor(270, 145, QStringLiteral("T1"));
    stateText(364, 152, s.on[0]);
    wire(339, 186, 0, 10);
    DrawEarth(339, 196);
    DrawResistorVertical(339, 44, QStringLiteral("3"), colour::White, 2000);
    wire(339, 100, 0, 6);
    junction(339, 100);
    wire(339, 100, 100, 0);
    outputTerminal(442, 100, QStringLiteral("Output"), s.outputLevel);
    nodeText(176, 104, node(s, "junction"));
    nodeText(234, 178, node(s, "base"));
    label(300, 210, QStringLiteral("T1 base-emitter junction"), colour::Black, 7);
    label(300, 222, node(s, "bias"), stateColour(s.on[0]), 8, true);
    DrawNandGate(500, 250);
    symbolCaption(490, 280, QStringLiteral("NAND Gate Symbol."));
}

// TTL NAND: multi-emitter input transistor T1, phase splitter T2 and the
// totem-pole output T3, D3, T4 between the +5V and 0V rails.
void LogicFamilies::drawTtl(const FamilyState& s)
{
    rail(40, 22, 289, QStringLiteral("+5V"));
    rail(20, 300, 320, QStringLiteral("0V"));
    DrawResistorVertical(40, 22, QStringLiteral("1"), colour::White, 4000);
    wire(40, 78, 0, 127);
    DrawMultiEmitterTransistor(40, 205, QStringLiteral("T1"));
    stateText(134, 212, s.on[0]);
    wire(109, 166, 41, 0);
    DrawResistorVertical(219, 22, QStringLiteral("2"), colour::White, 1600);
    wire(219, 78, 0, 49);
    DrawNpnTransistor(150, 166, QStringLiteral("T2"));
    stateText(244, 176, s.on[1]);
    junction(219, 117);
    wire(219, 117, 41, 0);
    DrawResistorVertical(329, 22, QStringLiteral("4"), colour::White, 130);
    DrawNpnTransistor(260, 117, QStringLiteral("T3"));
    stateText(354, 127, s.on[2]);
    DrawDiodes(329, 158, QStringLiteral("D3"), 2);
    wire(329, 192, 0, 5);
    junction(329, 197);
    wire(329, 197, 101, 0);
    outputTerminal(433, 197, QStringLiteral("Output"), s.outputLevel);
    wire(219, 207, 0, 29);
    junction(219, 236);
    wire(219, 236, 41, 0);
    DrawResistorVertical(219, 236, QStringLiteral("3"), colour::White, 1000);
    wire(219, 292, 0, 8);
    DrawNpnTransistor(260, 236, QStringLiteral("T4"));
    stateText(354, 246, s.on[3]);
    wire(329, 277, 0, 23);
    // Inputs to the emitters, each clamped by a diode to 0V.
    wire(103, 246, 0, 6);
    wire(23, 252, 80, 0);
    inputTerminal(20, 252, QStringLiteral("A"), QString());
    label(30, 236, s.inputA, colour::InputLevel, 8, true);
    DrawDiodes(40, 252, QStringLiteral("D1"), 3);
    wire(40, 286, 0, 14);
    wire(123, 246, 0, 18);
    wire(73, 264, 50, 0);
    inputTerminal(70, 264, QString(), QString());
    label(104, 272, QStringLiteral("B"), colour::Black, 8, true);
    label(116, 272, s.inputB, colour::InputLevel, 8, true);
    wire(84, 264, 0, 2);
    DrawDiodes(84, 266, QStringLiteral("D2"), 3);
    nodeText(46, 150, node(s, "t1Base"));
    nodeText(116, 150, node(s, "t2Base"));
    nodeText(226, 98, node(s, "t2Collector"));
    nodeText(226, 220, node(s, "t4Base"));
    DrawNandGate(500, 60);
    symbolCaption(490, 90, QStringLiteral("NAND Gate Symbol."));
    label(395, 112, QStringLiteral("Voltages are approximate to show transistor"), colour::Title, 6);
    label(395, 124, QStringLiteral("ON/OFF conditions when 0.6V forward biases a"), colour::Title, 6);
    label(395, 136, QStringLiteral("semiconductor junction, causing it to conduct."), colour::Title, 6);
}

// ECL NOR: input transistors T1, T2 against the reference transistor T3 over
// a shared emitter resistor, with the emitter follower T4 at the output.
void LogicFamilies::drawEcl(const FamilyState& s)
{
    rail(79, 30, 440, QStringLiteral("0V"));
    rail(239, 290, 280, QStringLiteral("-5V"));
    // A base terminal left of its transistor, its level below the lead.
    const auto base = [&](int x, const QString& name, const QString& level) {
        wire(x - 17, 150, 17, 0);
        inputTerminal(x - 20, 150, name, QString());
        label(x - 24, 164, level, colour::InputLevel, 8, true);
    };
    // Reference side.
    base(10, QString(), QString());
    label(0, 170, QStringLiteral("Vref = -1V"), colour::Black, 8, true);
    DrawNpnTransistor(10, 150, QStringLiteral("T3"));
    stateText(104, 128, s.on[2]);
    DrawResistorVertical(79, 30, QStringLiteral("3"), colour::White, 330);
    wire(79, 86, 0, 25);
    // Inputs.
    base(170, QStringLiteral("A"), s.inputA);
    DrawNpnTransistor(170, 150, QStringLiteral("T1"));
    stateText(264, 128, s.on[0]);
    base(320, QStringLiteral("B"), s.inputB);
    DrawNpnTransistor(320, 150, QStringLiteral("T2"));
    stateText(414, 128, s.on[1]);
    wire(239, 100, 150, 0);
    wire(239, 100, 0, 11);
    wire(389, 100, 0, 11);
    DrawResistorVertical(314, 30, QStringLiteral("1"), colour::White, 330);
    wire(314, 86, 0, 14);
    junction(314, 100);
    nodeText(330, 86, node(s, "collector"));
    // Shared emitters and R2.
    wire(79, 191, 0, 14);
    wire(239, 191, 0, 14);
    wire(389, 191, 0, 14);
    wire(79, 205, 310, 0);
    junction(239, 205);
    DrawResistorVertical(239, 205, QStringLiteral("2"), colour::White, 1300);
    wire(239, 261, 0, 29);
    label(300, 226, node(s, "vr2"), colour::Red, 8, true);
    label(0, 214, node(s, "t3"), stateColour(s.on[2]), 8, true);
    // Emitter follower.
    wire(389, 100, 41, 0);
    wire(430, 100, 0, -31);
    wire(430, 69, 20, 0);
    DrawNpnTransistor(450, 69, QStringLiteral("T4"));
    wire(519, 110, 0, 14);
    junction(519, 117);
    wire(519, 117, 51, 0);
    DrawResistorVertical(519, 124, QStringLiteral("4"), colour::White, 1500);
    wire(519, 180, 0, 110);
    outputTerminal(573, 117, QStringLiteral("Output"), s.outputLevel);
    label(0, 250, QStringLiteral("Logic 0 = -1.6V"), colour::Title, 8, true);
    label(0, 264, QStringLiteral("Logic 1 = -0.6V"), colour::Title, 8, true);
    DrawNorGateSmall(585, 200);
    symbolCaption(528, 216, QStringLiteral("NOR Gate Symbol."));
}

// I²L NOR: injector transistors T1, T2 feed the bases of T3, T4, whose
// collectors share the output; a closed switch holds its input LOW.
void LogicFamilies::drawI2l(const FamilyState& s)
{
    rail(61, 275, 220, QStringLiteral("Injector"));
    label(466, 14, QStringLiteral("+5V"), colour::Maroon, 8, true);
    DrawResistorVertical(480, 34, QStringLiteral("external"), colour::White, 5000);
    wire(229, 90, 331, 0);
    junction(480, 90);
    outputTerminal(563, 90, QStringLiteral("Output"), s.outputLevel);
    label(250, 64, node(s, "output"), colour::Red, 8, true);
    const auto cell = [&](int dx, const QString& injector, const QString& driver, const QString& sw, bool on,
                          bool input, const QString& name, const QString& level, const QString& state) {
        DrawPnpTransistor(130 + dx, 215, injector);
        wire(130 + dx, 215, 0, 15);
        DrawEarth(130 + dx, 230);
        wire(61 + dx, 256, 0, 19);
        wire(61 + dx, 176, 0, -36);
        wire(61 + dx, 140, 99, 0);
        junction(120 + dx, 140);
        DrawNpnTransistor(160 + dx, 140, driver);
        stateText(254 + dx, 150, on);
        wire(229 + dx, 101, 0, -11);
        wire(229 + dx, 181, 0, 10);
        DrawEarth(229 + dx, 191);
        // The input: a closed switch grounds the base (LOW).
        DrawPushSwitch(120 + dx, 140, sw, !input);
        wire(120 + dx, 163, 0, 12);
        DrawEarth(120 + dx, 175);
        label(80 + dx, 100, name, colour::Black, 8, true);
        label(80 + dx, 114, level, colour::InputLevel, 8, true);
        label(96 + dx, 100, state, colour::Red, 8, true);
    };
    cell(0, QStringLiteral("T1"), QStringLiteral("T3"), QStringLiteral("S1"), s.on[2], s.on[2], QStringLiteral("A"),
         s.inputA, node(s, "a"));
    cell(220, QStringLiteral("T2"), QStringLiteral("T4"), QStringLiteral("S2"), s.on[3], s.on[3], QStringLiteral("B"),
         s.inputB, node(s, "b"));
    DrawNorGateSmall(585, 200);
    symbolCaption(528, 216, QStringLiteral("NOR Gate Symbol."));
}

// NMOS NAND and NOR stages, each with a depletion load to +5V.
void LogicFamilies::drawMos(const FamilyState& s)
{
    rail(155, 40, 360, QStringLiteral("+5V"));
    // NAND: T2 and T3 in series.
    fet(130, 70, QStringLiteral("T1"), s.on[0], true);
    wire(155, 50, 0, -10);
    wire(100, 90, 0, 30);
    wire(100, 120, 55, 0);
    wire(155, 110, 0, 10);
    junction(155, 120);
    wire(155, 120, 75, 0);
    outputTerminal(233, 120, QStringLiteral("NAND"), s.outputLevel);
    fet(130, 140, QStringLiteral("T2"), s.on[1]);
    fet(130, 200, QStringLiteral("T3"), s.on[2]);
    DrawEarth(155, 240);
    inputTerminal(97, 160, QStringLiteral("A"), s.inputA);
    inputTerminal(97, 220, QStringLiteral("B"), s.inputB);
    // NOR: T5 and T6 in parallel.
    fet(400, 70, QStringLiteral("T4"), s.on[3], true);
    wire(425, 50, 0, -10);
    wire(370, 90, 0, 30);
    wire(370, 120, 55, 0);
    wire(425, 110, 0, 30);
    junction(425, 125);
    wire(425, 125, 135, 0);
    junction(535, 125);
    wire(535, 125, 0, 15);
    outputTerminal(563, 125, QStringLiteral("NOR"), s.secondOutputLevel);
    fet(400, 160, QStringLiteral("T5"), s.on[4]);
    fet(510, 160, QStringLiteral("T6"), s.on[5]);
    DrawEarth(425, 200);
    DrawEarth(535, 200);
    inputTerminal(367, 180, QStringLiteral("A"), s.inputA);
    inputTerminal(477, 180, QStringLiteral("B"), QString());
    label(0, 262, node(s, "nand"), colour::Red, 8, true);
    label(0, 276, node(s, "nor"), colour::Red, 8, true);
    DrawNandGateSmall(420, 262);
    symbolCaption(400, 278, QStringLiteral("NAND Gate Symbol."));
    DrawNorGateSmall(550, 262);
    symbolCaption(530, 278, QStringLiteral("NOR Gate Symbol."));
}

// CMOS AND: a NAND of P-channel T1, T2 in parallel and N-channel T3, T4 in
// series, then the inverter and buffer T5, T6.
void LogicFamilies::drawCmos(const FamilyState& s)
{
    rail(125, 40, 290, QStringLiteral("+5V"));
    fet(100, 70, QStringLiteral("T1"), s.on[0]);
    fet(230, 70, QStringLiteral("T2"), s.on[1]);
    wire(125, 50, 0, -10);
    wire(255, 50, 0, -10);
    wire(125, 110, 0, 10);
    wire(255, 110, 0, 10);
    wire(125, 120, 235, 0);
    junction(125, 120);
    fet(100, 140, QStringLiteral("T3"), s.on[2]);
    fet(100, 200, QStringLiteral("T4"), s.on[3]);
    DrawEarth(125, 240);
    // A to T1 and T3, B to T2 and T4.
    wire(70, 90, 0, 70);
    junction(70, 125);
    wire(45, 125, 25, 0);
    inputTerminal(42, 125, QStringLiteral("A"), s.inputA);
    inputTerminal(42, 220, QStringLiteral("B"), s.inputB);
    wire(45, 220, 25, 0);
    wire(200, 90, 0, -16);
    wire(200, 74, -20, 0);
    inputTerminal(177, 74, QStringLiteral("B"), QString());
    label(200, 220, QStringLiteral("P-channel: T1, T2, T5"), colour::Black, 7);
    label(200, 232, QStringLiteral("N-channel: T3, T4, T6"), colour::Black, 7);
    nodeText(270, 126, s.secondOutputLevel);
    // Inverter and buffer.
    junction(360, 120);
    wire(360, 90, 0, 100);
    fet(390, 70, QStringLiteral("T5"), s.on[4]);
    fet(390, 170, QStringLiteral("T6"), s.on[5]);
    wire(415, 50, 0, -10);
    wire(415, 110, 0, 40);
    junction(415, 130);
    wire(415, 130, 90, 0);
    DrawEarth(415, 210);
    outputTerminal(508, 130, QStringLiteral("Output"), s.outputLevel);
    symbolCaption(60, 262, QStringLiteral("NAND function"));
    symbolCaption(350, 262, QStringLiteral("Inverter and Buffer"));
    DrawAndGate(530, 230);
    symbolCaption(520, 260, QStringLiteral("AND Gate Symbol."));
}

namespace {
RegisterForm<LogicFamilies> reg(QStringLiteral("LogicFamilies"));
}

}  // namespace orr
