// FlipFlop: latches and flip-flops drawn as gate circuits and block symbols,
// with the live input and output levels. The level-triggered circuits settle
// as soon as an input changes; the edge-triggered ones change when the clock
// pulse ends.
#include "topics/sequential/flip_flop.h"

#include <algorithm>

#include "batch/batch_state.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "draw/timing_symbols.h"
#include "topics/sequential/sequential_theory.h"

namespace orr::seq {

namespace {

constexpr int kExamples = 7;

QString captionOf(int e)
{
    static const char* const captions[kExamples] = {
        "NAND RS Flip-flop.",  "NOR RS Flip-flop.",       "Clocked RS Flip-flop.", "D Type Flip-flop.",
        "T Type Flip-flop.",   "Master Slave Flip-flop.", "JK Flip-flop.",
    };
    return e >= 0 && e < kExamples ? QString::fromLatin1(captions[e]) : QString();
}

void wire(int x, int y, int w, int h) { boxOrLine(0, x, y, 0, w, h, colour::Black, QString()); }

void input(int x, int y, const QString& name, bool value)
{
    label(x, y - 16, name, colour::Black, 8, true);
    DrawLogicBit(x + 4, y - 6, colour::InputLevel, value);
}

// The small block symbol of a clocked flip-flop with its caption below.
void smallSymbol(int x, int y, const QString& in, const QString& caption)
{
    DrawFlipFlopBlock(x, y, 50, 50, {{12, in, false}, {38, QString(), true}},
                      {{12, QStringLiteral("Q"), false}, {38, QStringLiteral("OQ"), false}}, colour::Yellow);
    label(x - 20, y + 58, caption, colour::Grey, 8, true);
}

}  // namespace

FlipFlop::FlipFlop() : SequentialForm(QStringLiteral("FlipFlop"), 0, 3, flipFlopTheory)
{
    title = QStringLiteral("FLIP FLOPS");
    setTopicId(81);
}

void FlipFlop::formLoad()
{
    input1 = input2 = clock = false;
    lastButton = -1;
    nandLatch = norLatch = clockedLatch = RsState{};
    dQ = tQ = false;
    masterSlave = jk = MasterSlave{};
    SequentialForm::formLoad();
}

void FlipFlop::configureExample(int e)
{
    static const char* const buttons[kExamples][3] = {
        {"Set", "Reset", ""},         {"Set", "Reset", ""},         {"Set", "Reset", "Clock"},
        {"Data", "Clock", ""},        {"Toggle", "", ""},           {"Set", "Reset", "Clock"},
        {"J input", "K input", "Clock"},
    };
    const int p = std::clamp(e, 0, kExamples - 1);
    triggerSetup(buttons[p][0][0] != 0, buttons[p][1][0] != 0, buttons[p][2][0] != 0);
    for (int i = 0; i < 3; ++i)
        Trigger[size_t(i)]->setCaption(QLatin1String(buttons[p][i]));
}

void FlipFlop::Trigger_Click(int index)
{
    const int e = example();
    lastButton = index;
    // The clock buttons: the level itself in the clocked RS and D examples, an
    // animated pulse in the edge-triggered ones.
    const bool clockButton = (e == 2 && index == 2) || (e == 3 && index == 1);
    const bool pulseButton = (e == 4 && index == 0) || ((e == 5 || e == 6) && index == 2);
    if (clockButton) {
        clock = !clock;
    } else if (pulseButton) {
        if (e == 4)
            input1 = true;
        if (!pulse()->inFlight()) {
            clockPress();
            results();
        }
        return;
    } else if (index == 0) {
        input1 = !input1;
    } else if (index == 1) {
        input2 = !input2;
    } else {
        return;
    }
    results();
}

void FlipFlop::pulseEnded(int e)
{
    if (e == 4)
        tQ = tEdge(tQ, input1);
    else if (e == 5)
        masterSlave = masterSlavePulse(masterSlave, input1, input2);
    else if (e == 6)
        jk = jkPulse(jk, input1, input2);
}

void FlipFlop::settleLevelCircuits(int e)
{
    if (e == 0)
        nandLatch = rsLatch(LatchKind::Nand, nandLatch, input1, input2);
    else if (e == 1)
        norLatch = rsLatch(LatchKind::Nor, norLatch, input1, input2);
    else if (e == 2)
        clockedLatch = clockedRs(clockedLatch, clock, input1, input2);
    else if (e == 3)
        dQ = dLatch(dQ, clock, input1);
}

void FlipFlop::drawExample(int e)
{
    settleLevelCircuits(e);
    heading(captionOf(e));
    switch (e) {
    case 0: drawLatch(LatchKind::Nand); break;
    case 1: drawLatch(LatchKind::Nor); break;
    case 2: drawClockedRs(); break;
    case 3: drawDType(); break;
    case 4: drawTType(); break;
    case 5: drawMasterSlave(false); break;
    case 6: drawMasterSlave(true); break;
    default: break;
    }
}

// Output indicators and their names at the ends of the Q and NOT Q leads; an
// undefined state shows "?".
void FlipFlop::drawOutputs(int x, int yQ, int yNotQ, const RsState& s)
{
    if (s.undefined) {
        label(x, yQ - 6, QStringLiteral("?"), colour::OutputLevel, 9, true);
        label(x, yNotQ - 6, QStringLiteral("?"), colour::OutputLevel, 9, true);
    } else {
        DrawLogicBit(x, yQ - 6, colour::OutputLevel, s.q);
        DrawLogicBit(x, yNotQ - 6, colour::OutputLevel, s.notQ);
    }
    int b = 1;
    printAt(x + 14, yQ - 6, QStringLiteral("Q"), colour::Black, 8, b);
    printAt(x + 14, yNotQ - 6, QStringLiteral("Q"), colour::Black, 8, b, 2);
}

// Examples 0 and 1: two cross-coupled gates. The NAND latch's inputs pass
// through inverters, so Set and Reset act when they are 1.
void FlipFlop::drawLatch(LatchKind kind)
{
    const bool nand = kind == LatchKind::Nand;
    const RsState& s = nand ? nandLatch : norLatch;
    const bool set = input1, reset = input2;
    constexpr int x0 = 280, y0 = 100;
    drawCrossCoupledGates(nand, x0, y0);
    // Q comes from the upper gate. The NAND latch is set from the upper gate,
    // the NOR latch from the lower one.
    const int setY = nand ? y0 - 13 : y0 + 112;
    const int resetY = nand ? y0 + 112 : y0 - 13;
    if (nand) {
        DrawNotGateSmall(x0 - 165, setY);
        DrawNotGateSmall(x0 - 165, resetY);
        wire(40, setY, 48, 0);
        wire(40, resetY, 48, 0);
    } else {
        wire(40, setY, 120, 0);
        wire(40, resetY, 120, 0);
    }
    input(20, setY, QStringLiteral("S"), set);
    input(20, resetY, QStringLiteral("R"), reset);
    label(0, setY + 8, QStringLiteral("Set"), colour::Grey, 7);
    label(0, resetY + 8, QStringLiteral("Reset"), colour::Grey, 7);

    drawOutputs(x0 + 106, y0, y0 + 100, s);
    QString qText, notQText;
    if (set && reset) {
        qText = notQText = nand ? QStringLiteral("Forced logic 1") : QStringLiteral("Forced logic 0");
    } else if (!set && !reset) {
        qText = QStringLiteral("No change");
        notQText = nand ? QStringLiteral("Opposite to Q output") : QStringLiteral("Opposite to Q");
    }
    label(x0 + 140, y0 - 6, qText, colour::Maroon, 8, true);
    label(x0 + 140, y0 + 94, notQText, colour::Maroon, 8, true);
    if (nand) {
        label(0, 244, QStringLiteral("A NAND latch is set and reset by a 0,"), colour::Grey, 7);
        label(0, 256, QStringLiteral("so S and R pass through inverters here."), colour::Grey, 7);
    } else {
        label(0, 244, QStringLiteral("A NOR latch is set and reset by a 1."), colour::Grey, 7);
    }
    drawTableOfStates(450, 214, kind);
}

// The "Table of States": the header and, at its own row, the row of the
// present inputs.
void FlipFlop::drawTableOfStates(int x, int y, LatchKind kind)
{
    boxOrLine(0, x, y, 0, 190, 90, colour::White, QStringLiteral("BF"));
    boxOrLine(0, x, y, 0, 190, 90, colour::Grey, QStringLiteral("B"));
    label(x + 45, y + 2, QStringLiteral("Table of States"), colour::Title, 8, true);
    wire(x, y + 16, 190, 0);
    int hx = x + 12;
    DrawTruthRow(hx, y + 19, QStringLiteral("S-R-Q-OQ"), 8, 1, 0);
    wire(x, y + 33, 190, 0);
    // Rows in the order 0-0, 1-0, 0-1, 1-1.
    const int slot = (input1 ? 1 : 0) + (input2 ? 2 : 0);
    for (int i = 1; i < 4; ++i)
        boxOrLine(0, x + 4, y + 33 + i * 14, 0, 182, 0, colour::ButtonFace, QString());
    int rx = x + 12;
    DrawTruthRow(rx, y + 36 + slot * 14, latchRow(kind, input1, input2), 8, 1, 0);
}

// Example 2: the clock gates S and R through two AND gates into a latch.
void FlipFlop::drawClockedRs()
{
    DrawAndGate(190, 92);
    DrawAndGate(190, 188);
    wire(40, 79, 120, 0);
    wire(40, 200, 120, 0);
    wire(40, 140, 100, 0);
    wire(140, 104, 0, 71);
    wire(140, 104, 20, 0);
    wire(140, 175, 20, 0);
    dot(140, 140, colour::Black);
    input(20, 79, QStringLiteral("S"), input1);
    input(20, 200, QStringLiteral("R"), input2);
    label(0, 112, QStringLiteral("Clock Input"), colour::Black, 8, true);
    DrawLogicBit(24, 134, colour::InputLevel, clock);
    // The gated inputs of the latch.
    wire(289, 92, 26, 0);
    wire(289, 188, 26, 0);
    DrawLogicBit(300, 78, colour::OutputLevel, input1 && clock);
    DrawLogicBit(300, 174, colour::OutputLevel, input2 && clock);
    DrawFlipFlopBlock(340, 62, 80, 156, {{30, QStringLiteral("S")}, {126, QStringLiteral("R")}},
                      {{30, QStringLiteral("Q")}, {126, QStringLiteral("OQ")}}, colour::Yellow);
    label(352, 132, QStringLiteral("Latch"), colour::Grey, 8);
    drawOutputs(452, 92, 188, clockedLatch);
    if (!clock)
        label(40, 236, QStringLiteral("No change both AND gates inhibited."), colour::Red, 9, true);
    else if (input1 && input2)
        label(40, 236, QStringLiteral("S = R = 1 with the clock high: outputs undefined."), colour::Red, 8, true);

    draw(520, 246, QStringLiteral("c0 R15 BR50 R15 BD27 L15 BL50 L15 BU14 R15 BU4 F4 G4"));
    boxOrLine(0, 535, 239, 0, 50, 40, colour::Black, QStringLiteral("B"));
    label(538, 240, QStringLiteral("S"), colour::Purple, 7, true);
    label(538, 267, QStringLiteral("R"), colour::Purple, 7, true);
    label(541, 253, QStringLiteral("Clk"), colour::Purple, 6);
    label(572, 240, QStringLiteral("Q"), colour::Red, 7, true);
    int b = 1;
    printAt(572, 267, QStringLiteral("Q"), colour::Red, 7, b, 2);
    label(515, 290, QStringLiteral("Clk-R-S symbol."), colour::Grey, 8, true);
}

// Example 3: D feeds the set gate directly and the reset gate inverted.
void FlipFlop::drawDType()
{
    DrawAndGate(190, 92);
    DrawAndGate(190, 188);
    wire(40, 79, 120, 0);
    wire(60, 79, 0, 121);
    dot(60, 79, colour::Black);
    DrawNotGateSmall(87, 200);
    wire(132, 200, 28, 0);
    wire(40, 140, 100, 0);
    wire(140, 104, 0, 71);
    wire(140, 104, 20, 0);
    wire(140, 175, 20, 0);
    dot(140, 140, colour::Black);
    label(0, 56, QStringLiteral("D input"), colour::Black, 8, true);
    DrawLogicBit(24, 73, colour::InputLevel, input1);
    label(62, 122, QStringLiteral("Clock Input"), colour::Black, 8, true);
    DrawLogicBit(24, 134, colour::InputLevel, clock);
    wire(289, 92, 26, 0);
    wire(289, 188, 26, 0);
    DrawFlipFlopBlock(340, 62, 80, 156, {{30, QStringLiteral("S")}, {126, QStringLiteral("R")}},
                      {{30, QStringLiteral("Q")}, {126, QStringLiteral("OQ")}}, colour::Yellow);
    label(352, 132, QStringLiteral("Latch"), colour::Grey, 8);
    drawOutputs(452, 92, 188, RsState{dQ, !dQ, false});
    label(40, 236,
          clock ? QStringLiteral("Clock 1: Q follows the D input.") : QStringLiteral("Clock 0: Q keeps its value."),
          colour::Maroon, 9, true);
    smallSymbol(540, 226, QStringLiteral("D"), QStringLiteral("D Type symbol."));
}

// Example 4: each pulse with T = 1 toggles Q on the trailing edge.
void FlipFlop::drawTType()
{
    // Built here from a JK flip-flop with J and K joined as the T input.
    DrawFlipFlopBlock(250, 60, 100, 140,
                      {{30, QStringLiteral("J")}, {80, QStringLiteral("K")}, {120, QStringLiteral("CLK"), true}},
                      {{30, QStringLiteral("Q")}, {80, QStringLiteral("OQ")}}, colour::Yellow);
    wire(60, 90, 165, 0);
    wire(205, 90, 0, 50);
    wire(205, 140, 20, 0);
    dot(205, 90, colour::Black);
    wire(60, 180, 165, 0);
    label(20, 70, QStringLiteral("T input"), colour::Black, 8, true);
    DrawLogicBit(100, 84, colour::InputLevel, input1);
    label(20, 160, QStringLiteral("Clock"), colour::Black, 8, true);
    DrawLogicBit(100, 174, colour::InputLevel, clockHigh());
    drawOutputs(390, 90, 140, RsState{tQ, !tQ, false});
    label(255, 206, QStringLiteral("J and K joined"), colour::Grey, 7);
    drawPulseWaveform(60, 290, QStringLiteral("Toggle Clock Pulse."), QStringLiteral("c9 r15 u25 d10"),
                      QStringLiteral("c9 r15 u25 r15 d25 u15"), colour::Blue);
    label(250, 222, QStringLiteral("Output Toggles."), colour::Maroon, 9, true);
    label(250, 240, QStringLiteral("On next clock pulse"), colour::Black, 8);
    label(250, 256, QStringLiteral("On clock trailing edge."), colour::Black, 8);
    smallSymbol(540, 226, QStringLiteral("T"), QStringLiteral("T Type symbol."));
}

// Examples 5 and 6: a master and a slave stage; the slave is clocked by the
// inverted clock, so it takes the master's state when the clock falls. The
// JK version gates J and K with the slave's outputs.
void FlipFlop::drawMasterSlave(bool jkFeedback)
{
    const MasterSlave& ff = jkFeedback ? jk : masterSlave;
    const bool high = clockHigh();
    const RsState master =
        high ? (jkFeedback ? jkMasterFollows(ff, input1, input2) : masterFollows(ff.master, input1, input2))
             : ff.master;
    const int dx = jkFeedback ? 40 : 0;  // room on the left for the JK gates
    const int mx = 225 + dx, sx = 400 + dx;
    const std::vector<BlockPin> in = {{30, QStringLiteral("S")}, {80, QString(), true}, {130, QStringLiteral("R")}};
    const std::vector<BlockPin> out = {{30, QStringLiteral("Q")}, {130, QStringLiteral("OQ")}};
    DrawFlipFlopBlock(mx, 50, 80, 160, in, out, colour::Yellow);
    DrawFlipFlopBlock(sx, 50, 80, 160, in, out, colour::Lime);
    label(mx + 16, 34, QStringLiteral("Master"), colour::Title, 9, true);
    label(sx + 22, 34, QStringLiteral("Slave"), colour::Title, 9, true);
    // Master to slave.
    wire(mx + 105, 80, sx - 25 - mx - 105, 0);
    wire(mx + 105, 180, sx - 25 - mx - 105, 0);
    if (master.undefined) {
        label(mx + 88, 68, QStringLiteral("?"), colour::OutputLevel, 8, true);
        label(mx + 88, 168, QStringLiteral("?"), colour::OutputLevel, 8, true);
    } else {
        DrawLogicBit(mx + 90, 68, colour::OutputLevel, master.q);
        DrawLogicBit(mx + 90, 168, colour::OutputLevel, master.notQ);
    }
    // The clock, and the inverted clock to the slave.
    const int branch = mx - 40;
    wire(10 + dx, 130, mx - 35 - dx, 0);
    dot(branch, 130, colour::Black);
    wire(branch, 130, 0, 105);
    wire(branch, 235, 263 + dx - branch, 0);
    DrawNotGateSmall(290 + dx, 235);
    wire(335 + dx, 235, 20, 0);
    wire(355 + dx, 130, 0, 105);
    wire(355 + dx, 130, 20, 0);
    label(10 + dx, 112, jkFeedback ? QStringLiteral("Clock") : QStringLiteral("Incoming clock pulse"),
          colour::Black, 8, true);
    DrawLogicBit(60 + dx, 124, colour::InputLevel, high);
    DrawLogicBit(356 + dx, 200, colour::InputLevel, !high);
    // Slave outputs.
    const int ox = sx + 105;
    wire(ox, 80, 55, 0);
    wire(ox, 180, 55, 0);
    drawOutputs(ox + 60, 80, 180, ff.slave);

    // What the two stages are doing, on the top line.
    const int ty = jkFeedback ? 12 : 20;
    if (high) {
        label(mx - 10, ty, QStringLiteral("Master clocked,"), colour::Maroon, 8, true);
        label(sx, ty, QStringLiteral("slave isolated"), colour::Maroon, 8, true);
    } else {
        label(mx - 10, ty, QStringLiteral("Master isolated"), colour::Maroon, 8, true);
        label(mx + 100, ty, QStringLiteral("from inputs"), colour::Maroon, 8, true);
        label(mx + 98, 108, QStringLiteral("to slave"), colour::Maroon, 7, true);
    }

    if (!jkFeedback) {
        wire(40, 80, mx - 65, 0);
        wire(40, 180, mx - 65, 0);
        input(20, 80, QStringLiteral("S"), input1);
        input(20, 180, QStringLiteral("R"), input2);
        label(380, 290, QStringLiteral("(0,0 and 1,1 are disallowed states.)"), colour::Grey, 8, true);
        drawClockWaveform(20, 300);
        drawInvertedClockWaveform(150, 300);
        return;
    }

    // JK: AND gates gate J with NOT Q and K with Q.
    DrawAndGate(140, 80);
    DrawAndGate(140, 180);
    wire(239, 80, mx - 25 - 239, 0);
    wire(239, 180, mx - 25 - 239, 0);
    label(242, 64, QStringLiteral("Set"), colour::Grey, 7);
    label(242, 164, QStringLiteral("Reset"), colour::Grey, 7);
    wire(20, 92, 90, 0);
    wire(20, 167, 90, 0);
    label(10, 74, QStringLiteral("J input"), colour::Black, 8, true);
    label(10, 149, QStringLiteral("K input"), colour::Black, 8, true);
    DrawLogicBit(66, 86, colour::InputLevel, input1);
    DrawLogicBit(66, 161, colour::InputLevel, input2);
    // Feedback: NOT Q over the top to the J gate, Q under the bottom to the K gate.
    const int notQx = ox + 40, qx = ox + 20;
    dot(notQx, 180, colour::Black);
    wire(notQx, 30, 0, 150);
    wire(90, 30, notQx - 90, 0);
    wire(90, 30, 0, 37);
    wire(90, 67, 20, 0);
    dot(qx, 80, colour::Black);
    wire(qx, 80, 0, 170);
    wire(90, 250, qx - 90, 0);
    wire(90, 192, 0, 58);
    wire(90, 192, 20, 0);
    label(150, 262, QStringLiteral("J - K input conditions."), colour::Title, 8, true);
    label(150, 276, QStringLiteral("J = 0 : K = 0 No change."), colour::Black, 8);
    label(150, 290, QStringLiteral("J = 1 : K = 1 Output Toggles."), colour::Black, 8);
    label(150, 304, QStringLiteral("J = 0 or 1 : K = 0 or 1 R,S device."), colour::Black, 8);
    drawClockWaveform(10, 305);
}

namespace {
RegisterForm<FlipFlop> reg(QStringLiteral("FlipFlop"));

BatchState state(QStringLiteral("flipflop"), [] {
    auto* w = dynamic_cast<FlipFlop*>(FormRegistry::instance().loadedForm(QStringLiteral("FlipFlop")));
    if (!w)
        return QStringLiteral("not loaded");
    const auto q = [](const RsState& s) { return s.undefined ? QStringLiteral("?") : bitText(s.q); };
    return QStringLiteral("in1=%1 in2=%2 clock=%3 pulse=%4 nand=%5 nor=%6 clocked=%7 d=%8 t=%9 ms=%10/%11 jk=%12/%13")
        .arg(bitText(w->input1), bitText(w->input2), bitText(w->clock),
             w->pulse()->high() ? QStringLiteral("high") : (w->pulse()->inFlight() ? QStringLiteral("wait")
                                                                                    : QStringLiteral("idle")),
             q(w->nandLatch), q(w->norLatch), q(w->clockedLatch), bitText(w->dQ), bitText(w->tQ))
        .arg(q(w->masterSlave.master), q(w->masterSlave.slave), q(w->jk.master), q(w->jk.slave));
});
}  // namespace

}  // namespace orr::seq
