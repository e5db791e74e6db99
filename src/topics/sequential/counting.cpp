// Counting: small clocked circuits with live levels, a timing strip of the
// last changes, and counters whose waveforms grow pulse by pulse.
#include "topics/sequential/counting.h"

#include <algorithm>

#include "batch/batch_state.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "draw/timing_symbols.h"
#include "topics/sequential/counter_model.h"
#include "topics/sequential/sequential_theory.h"

namespace orr::seq {

namespace {

constexpr int kExamples = 6;
constexpr int kStep = 15;        // half a clock pulse in a counter waveform
constexpr int kStripStep = 30;   // one column of a timing strip
constexpr int kLevel = 16;       // height of a waveform

QString captionOf(int e)
{
    static const char* const captions[kExamples] = {"Bistable or Flip Flop.", "Clocked R,S Flip Flop.",
                                                    "D Type Data Latch.",     "Divide by Two Counter.",
                                                    "Divide-by-Four Counter.", "4-Bit Binary Counter."};
    return e >= 0 && e < kExamples ? QString::fromLatin1(captions[e]) : QString();
}

void wire(int x, int y, int w, int h) { boxOrLine(0, x, y, 0, w, h, colour::Black, QString()); }

}  // namespace

Counting::Counting() : SequentialForm(QStringLiteral("Counting"), 0, 3, countingTheory)
{
    title = QStringLiteral("COUNTING");
    setTopicId(83);
}

void Counting::formLoad()
{
    bistable = RsState{};
    lastInput.clear();
    set = reset = data = clock = false;
    clockedRsState = RsState{};
    dQ = false;
    rsStrip.clear();
    dStrip.clear();
    pulses = 0;
    SequentialForm::formLoad();
}

void Counting::configureExample(int e)
{
    static const char* const buttons[kExamples][3] = {
        {"Set", "Reset", ""},         {"Set", "Reset", "Clock"},    {"Data", "Clock", ""},
        {"Clock Pulse", "Reset", ""}, {"Clock Pulse", "Reset", ""}, {"Clock Pulse", "Reset", ""},
    };
    const int p = std::clamp(e, 0, kExamples - 1);
    triggerSetup(true, true, buttons[p][2][0] != 0);
    for (int i = 0; i < 3; ++i)
        Trigger[size_t(i)]->setCaption(QLatin1String(buttons[p][i]));
}

void Counting::Trigger_Click(int index)
{
    const int e = example();
    if (e == 0) {
        // A push button: the input is active only while it is pressed, and the
        // latch keeps what the press left behind.
        const bool s = index == 0, r = index == 1;
        bistable = rsLatch(LatchKind::Nand, bistable, s, r);
        bistable = rsLatch(LatchKind::Nand, bistable, false, false);
        lastInput = s ? QStringLiteral("Set") : QStringLiteral("Reset");
    } else if (e == 1) {
        if (index == 0)
            set = !set;
        else if (index == 1)
            reset = !reset;
        else
            clock = !clock;
        clockedRsState = clockedRs(clockedRsState, clock, set, reset);
        recordColumn(e);
    } else if (e == 2) {
        if (index == 0)
            data = !data;
        else
            clock = !clock;
        dQ = dLatch(dQ, clock, data);
        recordColumn(e);
    } else if (index == 0) {
        if (pulse()->inFlight())
            return;
        clockPress();
    } else if (index == 1) {
        pulses = 0;
    }
    results();
}

void Counting::recordColumn(int e)
{
    std::deque<Column>& strip = e == 1 ? rsStrip : dStrip;
    strip.push_back(e == 1 ? Column{set, reset, clock, clockedRsState.q} : Column{data, false, clock, dQ});
    while (int(strip.size()) > kStripColumns)
        strip.pop_front();
}

void Counting::pulseEnded(int) { ++pulses; }

void Counting::drawExample(int e)
{
    heading(captionOf(e));
    switch (e) {
    case 0: drawBistable(); break;
    case 1: drawLatchWithStrip(false); break;
    case 2: drawLatchWithStrip(true); break;
    case 3: drawDivider(1); break;
    case 4: drawDivider(2); break;
    case 5: drawBinaryCounter(); break;
    default: break;
    }
}

// Example 0: a NAND bistable with two push buttons to 0 V and a lamp on Q.
void Counting::drawBistable()
{
    constexpr int x0 = 300, y0 = 90;
    drawCrossCoupledGates(true, x0, y0);
    // Each input is held at 1 through a resistor; its push button pulls it to 0.
    for (int i = 0; i < 2; ++i) {
        const int y = i == 0 ? y0 - 13 : y0 + 112;
        const QString name = i == 0 ? QStringLiteral("Set") : QStringLiteral("Reset");
        wire(120, y, 60, 0);
        dot(120, y, colour::Black);
        DrawResistor(40, y, QString::number(i + 1), colour::Cyan, 10000);
        label(0, y - 6, QStringLiteral("+5V"), colour::Red, 8, true);
        wire(140, y, 0, 10);
        DrawPushSwitch(140, y + 10, name, false);
        wire(140, y + 33, 0, 10);
        DrawEarth(140, y + 43);
    }
    DrawLogicBit(x0 + 110, y0 - 6, colour::OutputLevel, bistable.q);
    label(x0 + 124, y0 - 6, QStringLiteral("Q"), colour::Black, 8, true);
    DrawLogicBit(x0 + 110, y0 + 94, colour::OutputLevel, bistable.notQ);
    int b = 1;
    printAt(x0 + 124, y0 + 94, QStringLiteral("Q"), colour::Black, 8, b, 2);
    // The lamp on Q.
    wire(x0 + 140, y0, 60, 0);
    wire(x0 + 200, y0, 0, 26);
    DrawLamp(x0 + 200, y0 + 40, bistable.q ? colour::Yellow : colour::White);
    DrawEarth(x0 + 200, y0 + 54);
    label(x0 + 222, y0 + 34, bistable.q ? QStringLiteral("Lamp lit.") : QStringLiteral("Lamp off."),
          bistable.q ? colour::Red : colour::Grey, 8, true);
    const QString last = lastInput.isEmpty() ? QStringLiteral("none yet") : lastInput;
    label(150, 268, QStringLiteral("Last button pressed: ") + last, colour::Maroon, 9, true);
    label(150, 286, QStringLiteral("The buttons are released at once, yet Q stays: the circuit remembers."),
          colour::Grey, 8);
}

// Examples 1 and 2: a level-triggered flip-flop with its inputs, and the
// strip of its last eight changes.
void Counting::drawLatchWithStrip(bool dType)
{
    const QString first = dType ? QStringLiteral("D") : QStringLiteral("S");
    std::vector<BlockPin> in = {{20, first}, {50, QStringLiteral("CLK")}};
    if (!dType)
        in.push_back({80, QStringLiteral("R")});
    DrawFlipFlopBlock(100, 60, 70, 100, in, {{20, QStringLiteral("Q")}, {80, QStringLiteral("OQ")}},
                      colour::Yellow);
    DrawLogicBit(50, 74, colour::InputLevel, dType ? data : set);
    DrawLogicBit(50, 104, colour::InputLevel, clock);
    label(0, 74, dType ? QStringLiteral("Data") : QStringLiteral("Set"), colour::Black, 8, true);
    label(0, 104, QStringLiteral("Clock"), colour::Black, 8, true);
    if (!dType) {
        DrawLogicBit(50, 134, colour::InputLevel, reset);
        label(0, 134, QStringLiteral("Reset"), colour::Black, 8, true);
    }
    const RsState q = dType ? RsState{dQ, !dQ, false} : clockedRsState;
    if (q.undefined) {
        label(200, 74, QStringLiteral("?"), colour::OutputLevel, 9, true);
        label(200, 134, QStringLiteral("?"), colour::OutputLevel, 9, true);
    } else {
        DrawLogicBit(200, 74, colour::OutputLevel, q.q);
        DrawLogicBit(200, 134, colour::OutputLevel, q.notQ);
    }
    label(20, 190,
          clock ? (dType ? QStringLiteral("Clock 1: Q copies D.") : QStringLiteral("Clock 1: S sets Q, R resets it."))
                : QStringLiteral("Clock 0: Q is held."),
          colour::Maroon, 9, true);
    const QStringList names = dType ? QStringList{QStringLiteral("D"), QStringLiteral("Clock"), QStringLiteral("Q")}
                                    : QStringList{QStringLiteral("S"), QStringLiteral("R"), QStringLiteral("Clock"),
                                                  QStringLiteral("Q")};
    drawStrip(dType ? dStrip : rsStrip, names, 340, 60);
}

// The timing strip: one row per signal, one column per change, oldest first.
void Counting::drawStrip(const std::deque<Column>& strip, const QStringList& names, int x, int y)
{
    label(x, y - 22, QStringLiteral("Last eight changes:"), colour::Title, 8, true);
    for (int row = 0; row < names.size(); ++row) {
        const int ry = y + row * 40;
        label(x - 10 - 8 * int(names[row].size()), ry + 2, names[row], colour::Black, 8, true);
        QString levels;
        for (const Column& c : strip) {
            const QString& n = names[row];
            const bool v = n == QLatin1String("Q") ? c.q
                           : n == QLatin1String("Clock") ? c.clock
                           : n == QLatin1String("R") ? c.b
                                                      : c.a;
            levels += v ? QLatin1Char('1') : QLatin1Char('0');
        }
        boxOrLine(0, x, ry + kLevel + 4, 0, kStripStep * kStripColumns, 0, colour::ButtonFace, QString());
        DrawWaveform(x, ry, levels, kStripStep, kLevel, row + 1 == names.size() ? colour::Blue : colour::Red);
    }
    if (strip.empty())
        label(x, y + names.size() * 40, QStringLiteral("Press a button to add a column."), colour::Grey, 8);
}

// Examples 3 and 4: toggle stages in a ripple; each divides its clock by two.
void Counting::drawDivider(int stages)
{
    for (int k = 0; k < stages; ++k) {
        const int x = 110 + 170 * k;
        DrawFlipFlopBlock(x, 70, 70, 80, {{20, QStringLiteral("T")}, {56, QString(), true}},
                          {{20, QStringLiteral("Q")}}, colour::Yellow);
        wire(x - 25, 50, 0, 40);
        if (k + 1 < stages) {
            wire(x + 95, 90, 30, 0);
            wire(x + 125, 90, 0, 36);
            wire(x + 125, 126, 20, 0);
        }
        DrawLogicBit(x + 78, 74, colour::OutputLevel, stage(pulses, k));
        label(x + 25, 156, QStringLiteral("Q%1").arg(k), colour::Black, 8, true);
    }
    wire(85, 50, 170 * (stages - 1), 0);
    label(40, 36, QStringLiteral("T = 1"), colour::Red, 8, true);
    wire(40, 126, 45, 0);
    label(0, 110, QStringLiteral("Clock"), colour::Black, 8, true);
    DrawLogicBit(20, 120, colour::InputLevel, clockHigh());
    const int divisor = stages == 1 ? 2 : 4;
    label(460, 70, QStringLiteral("Clock pulses = %1").arg(pulses), colour::Title, 9, true);
    label(460, 90, QStringLiteral("Output pulses = %1").arg(pulses / divisor), colour::Maroon, 9, true);
    drawCounterWaveforms(stages, 100, 190);
}

// Example 5: four ripple stages and their weights.
void Counting::drawBinaryCounter()
{
    const int count = pulses % 16;
    for (int k = 0; k < 4; ++k) {
        const int x = 90 + 140 * k;
        DrawFlipFlopBlock(x, 80, 70, 80, {{20, QStringLiteral("T")}, {56, QString(), true}},
                          {{20, QStringLiteral("Q")}}, colour::Yellow);
        wire(x - 25, 60, 0, 40);
        if (k < 3) {
            wire(x + 95, 100, 10, 0);
            wire(x + 105, 100, 0, 36);
            wire(x + 105, 136, 10, 0);
        }
        DrawLogicBit(x + 80, 84, colour::OutputLevel, stage(count, k));
        label(x + 24, 166, QStringLiteral("Q%1").arg(k), colour::Black, 8, true);
        static const char* const weights[4] = {"1's", "2's", "4's", "8's"};
        label(x + 22, 180, QLatin1String(weights[k]), colour::Maroon, 8, true);
    }
    wire(65, 60, 420, 0);
    label(20, 46, QStringLiteral("T = 1"), colour::Red, 8, true);
    wire(30, 136, 35, 0);
    label(0, 118, QStringLiteral("Clock"), colour::Black, 8, true);
    DrawLogicBit(10, 130, colour::InputLevel, clockHigh());
    label(230, 214, QStringLiteral("Count = %1").arg(count), colour::Title, 11, true);
    label(200, 236, QStringLiteral("Binary %1%2%3%4").arg(int(stage(count, 3))).arg(int(stage(count, 2)))
                        .arg(int(stage(count, 1))).arg(int(stage(count, 0))),
          colour::Grey, 9, true);
    drawClockWaveform(20, 300);
}

// The clock and each stage's output over the last eight pulses (the present
// pulse drawn only to its rising half while the clock is high).
void Counting::drawCounterWaveforms(int stages, int x, int y)
{
    const int first = std::max(0, pulses - 7);
    QString clk;
    std::vector<QString> q(static_cast<size_t>(stages));
    for (int j = first; j < pulses; ++j) {
        clk += QStringLiteral("10");
        for (int k = 0; k < stages; ++k) {
            q[size_t(k)] += stage(j, k) ? QLatin1Char('1') : QLatin1Char('0');
            q[size_t(k)] += stage(j + 1, k) ? QLatin1Char('1') : QLatin1Char('0');
        }
    }
    if (clockHigh()) {
        clk += QLatin1Char('1');
        for (int k = 0; k < stages; ++k)
            q[size_t(k)] += stage(pulses, k) ? QLatin1Char('1') : QLatin1Char('0');
    }
    label(x - 80, y + 2, QStringLiteral("Clock"), colour::Black, 8, true);
    DrawWaveform(x, y, clk, kStep, kLevel, colour::Red);
    for (int k = 0; k < stages; ++k) {
        const int ry = y + 36 * (k + 1);
        label(x - 80, ry + 2, QStringLiteral("Q%1").arg(k), colour::Black, 8, true);
        DrawWaveform(x, ry, q[size_t(k)], kStep, kLevel, colour::Blue);
    }
    if (pulses == 0 && !clockHigh())
        label(x, y + 4, QStringLiteral("Press Clock Pulse to start."), colour::Grey, 8);
}

namespace {
RegisterForm<Counting> reg(QStringLiteral("Counting"));

BatchState state(QStringLiteral("counting"), [] {
    auto* w = dynamic_cast<Counting*>(FormRegistry::instance().loadedForm(QStringLiteral("Counting")));
    if (!w)
        return QStringLiteral("not loaded");
    return QStringLiteral("bistable=%1 rs=%2 d=%3 strips=%4/%5 pulses=%6 pulse=%7")
        .arg(bitText(w->bistable.q), w->clockedRsState.undefined ? QStringLiteral("?") : bitText(w->clockedRsState.q),
             bitText(w->dQ))
        .arg(w->rsStrip.size())
        .arg(w->dStrip.size())
        .arg(w->pulses)
        .arg(w->pulse()->high() ? QStringLiteral("high")
                                : (w->pulse()->inFlight() ? QStringLiteral("wait") : QStringLiteral("idle")));
});
}  // namespace

}  // namespace orr::seq
