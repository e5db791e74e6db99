// Counters: the counting circuits drawn as flip-flop blocks with the count's
// bits on the stage outputs. The count advances when the clock pulse ends.
#include "topics/sequential/counters.h"

#include <algorithm>

#include "batch/batch_state.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "draw/timing_symbols.h"
#include "topics/sequential/sequential_theory.h"

namespace orr::seq {

namespace {

constexpr int kExamples = 5;

QString captionOf(int e)
{
    static const char* const captions[kExamples] = {"Ripple Counter.", "Up/Down Counter.", "Divide by 7 Counter.",
                                                    "Synchronous Up Counter.", "Synchronous Down Counter."};
    return e >= 0 && e < kExamples ? QString::fromLatin1(captions[e]) : QString();
}

void wire(int x, int y, int w, int h, long c = colour::Black) { boxOrLine(0, x, y, 0, w, h, c, QString()); }

QString qName(int k) { return QStringLiteral("Q%1").arg(k); }

// The synchronous stages: JK blocks on the clock rail of the outline
// "C6 R425 ...", drawn from (45, 221), so the clock pins are at y = 166. J and
// K are joined and fed together from the left at y = 120; the block's top
// output sits at 120 too, so each stage can feed the next one straight on.
constexpr int kRailX = 45, kRailY = 221;
constexpr int kBlockTop = 108, kBlockW = 60, kBlockH = 70;
constexpr int kFeedY = 120, kLowerY = 144, kClockY = 166;
int stageX(int k) { return 70 + 140 * k; }
int joinerX(int k) { return stageX(k) - 12; }

// One JK stage; down counters take their feed from NOT Q, so that output is
// the upper one.
void jkStage(int k, bool feedFromNotQ)
{
    const int x = stageX(k);
    const QString upper = feedFromNotQ ? QStringLiteral("OQ") : QStringLiteral("Q");
    const QString lower = feedFromNotQ ? QStringLiteral("Q") : QStringLiteral("OQ");
    DrawFlipFlopBlock(x, kBlockTop, kBlockW, kBlockH,
                      {{kFeedY - kBlockTop, QStringLiteral("J")},
                       {kLowerY - kBlockTop, QStringLiteral("K")},
                       {kClockY - kBlockTop, QString(), true}},
                      {{kFeedY - kBlockTop, upper}, {kLowerY - kBlockTop, lower}}, colour::Yellow, 12);
    wire(joinerX(k), kFeedY, 0, kLowerY - kFeedY);
    label(x + 20, kBlockTop + kBlockH + 4, qName(k), colour::Black, 8, true);
}

// The stages' J-K feeds: logic 1 into the first; each later stage is fed by
// the previous stage's upper output, ANDed with the feed of the stage before
// it from the third stage on (one small AND gate per stage).
void synchronousFeeds(int stages)
{
    label(joinerX(0) - 40, kFeedY - 6, QStringLiteral("1"), colour::Red, 8, true);
    wire(joinerX(0) - 28, kFeedY, 28, 0);
    for (int k = 0; k + 1 < stages; ++k) {
        const int out = stageX(k) + kBlockW + 12;  // end of the upper output lead
        if (k == 0) {
            wire(out, kFeedY, joinerX(1) - out, 0);
            continue;
        }
        // AND of the previous feed and this stage's output, above the blocks.
        const int gy = 96 - 22 * (k - 1);
        const int gx = joinerX(k + 1) - 38;
        DrawAndGateSmall(gx, gy);
        wire(joinerX(k + 1), gy, 0, kFeedY - gy);
        // This stage's output up into the lower gate input.
        wire(out, gy + 7, 0, kFeedY - gy - 7);
        wire(out, gy + 7, gx - 15 - out, 0);
        // The previous feed up into the upper gate input: from the first
        // stage's output line, or from the top of the previous joiner.
        const int feedX = k == 1 ? stageX(0) + kBlockW + 40 : joinerX(k);
        const int feedY = k == 1 ? kFeedY : gy + 22;
        dot(feedX, feedY, colour::Black);
        wire(feedX, gy - 7, 0, feedY - gy + 7);
        wire(feedX, gy - 7, gx - 15 - feedX, 0);
    }
}

}  // namespace

Counters::Counters() : SequentialForm(QStringLiteral("Counters"), 0, 3, countersTheory)
{
    title = QStringLiteral("COUNTERS");
    setTopicId(84);
}

void Counters::formLoad()
{
    count = 0;
    up = true;
    resetShown = false;
    masterReset = false;
    pulseCount = 0;
    SequentialForm::formLoad();
}

void Counters::configureExample(int e)
{
    if (e == 1) {
        triggerSetup(true, true, true);
        Trigger[0]->setCaption(QStringLiteral("Count"));
        Trigger[1]->setCaption(QStringLiteral("Up/Down"));
        Trigger[2]->setCaption(QStringLiteral("Reset"));
    } else {
        triggerSetup(true, e == 2, false);
        Trigger[0]->setCaption(QStringLiteral("Clock Pulse"));
        Trigger[1]->setCaption(QStringLiteral("Master Reset"));
    }
}

void Counters::Trigger_Click(int index)
{
    const int e = example();
    if (index == 0) {
        if (!pulse()->inFlight()) {
            clockPress();
            results();
        }
        return;
    }
    if (e == 1 && index == 1) {
        up = !up;
    } else if (e == 1 && index == 2) {
        count = 0;
        resetShown = true;
    } else if (e == 2 && index == 1) {
        masterReset = true;
    } else {
        return;
    }
    results();
}

void Counters::pulseEnded(int e)
{
    resetShown = false;
    switch (e) {
    case 0: case 3: count = countUp4(count); break;
    case 1: count = countUpDown8(count, up); break;
    case 2: {
        const DivideBy7 next = divideBy7Pulse(DivideBy7{count, masterReset});
        count = next.count;
        masterReset = next.resetPending;
        break;
    }
    case 4:
        count = countDown4(count);
        ++pulseCount;
        break;
    default: break;
    }
}

void Counters::drawExample(int e)
{
    heading(captionOf(e));
    switch (e) {
    case 0: drawRipple(); break;
    case 1: drawUpDown(); break;
    case 2: drawDivideBy7(); break;
    case 3: drawSynchronous(false); break;
    case 4: drawSynchronous(true); break;
    default: break;
    }
    drawClockIndicator(e);
}

// The clock indicator of each example, high while the pulse is high.
void Counters::drawClockIndicator(int e)
{
    const bool high = clockHigh();
    if (e == 0)
        DrawLogicBit(5, 170, colour::Blue, high);
    else if (e == 1)
        DrawLogicBit(125, 188, colour::Maroon, high);
    else
        DrawLogicBit(30, 215, colour::Olive, high);
}

// Example 0: four toggle stages, each clocked by the previous stage's Q.
void Counters::drawRipple()
{
    label(20, 88, QStringLiteral("Logic 1"), colour::Red, 8, true);
    wire(20, 104, 505, 0);
    for (int k = 0; k < 4; ++k) {
        const int x = 60 + 140 * k;
        DrawFlipFlopBlock(x, 120, 70, 80, {{20, QStringLiteral("T")}, {56, QString(), true}},
                          {{20, QStringLiteral("Q")}}, colour::Yellow);
        wire(x - 25, 104, 0, 36);
        dot(x - 25, 104, colour::Black);
        // Q to the next stage's clock, or to the output.
        if (k < 3) {
            wire(x + 95, 140, 10, 0);
            wire(x + 105, 140, 0, 36);
            wire(x + 105, 176, 10, 0);
        }
        DrawLogicBit(x + 80, 124, colour::OutputLevel, stage(count, k));
        label(x + 22, 206, qName(k), colour::Black, 8, true);
        static const char* const weights[4] = {"1's", "2's", "4's", "8's"};
        label(x + 22, 220, QLatin1String(weights[k]), colour::Maroon, 8, true);
    }
    wire(17, 176, 18, 0);
    label(0, 150, QStringLiteral("Clock"), colour::Black, 8, true);
    label(250, 250, QStringLiteral("Count = %1").arg(count), colour::Title, 10, true);
    drawClockWaveform(20, 300);
}

// Example 1: an eight-stage counter block with its direction input.
void Counters::drawUpDown()
{
    constexpr int x = 105, y = 100;
    boxOrLine(0, x + 50, y - 30, 0, 100, 151, colour::Yellow, QStringLiteral("BF"));
    boxOrLine(0, x + 50, y - 30, 0, 100, 151, colour::Black, QStringLiteral("B"));
    draw(x, y, QStringLiteral("c0 R50 BR100 BU17 R30 BD18 L30 BD18 R30 BD18 L30 BD18 R30 BD18 L30 BD18 R30 BD18 "
                              "L30 BL150 BU15 R40 br10 U5 F5 G5 C0 BR48 BD22 D15"));
    label(x + 62, y + 20, QStringLiteral("8-bit"), colour::Grey, 8, true);
    label(x + 62, y + 34, QStringLiteral("counter"), colour::Grey, 8, true);
    label(x - 40, y - 28, QStringLiteral("UP/"), colour::Black, 8, true);
    label(x - 40, y - 16, QStringLiteral("DOWN"), colour::Black, 8, true);
    DrawLogicBit(x + 20, y - 6, colour::InputLevel, up);
    label(x - 60, y + 88, QStringLiteral("CLOCK."), colour::Black, 8, true);
    label(x + 80, y + 140, QStringLiteral("Reset"), colour::Black, 8, true);
    for (int k = 0; k < 8; ++k) {
        const int qy = y - 17 + 18 * k;
        DrawLogicBit(x + 186, qy - 6, colour::OutputLevel, stage(count, k));
        label(x + 200, qy - 6, qName(k), colour::Black, 8, true);
    }
    label(380, 90, up ? QStringLiteral("Counting Up") : QStringLiteral("Counting Down"), colour::Maroon, 10, true);
    DrawLogicBit(500, 92, colour::InputLevel, up);
    label(380, 130, QStringLiteral("Count = %1").arg(count), colour::Title, 10, true);
    if (resetShown)
        label(380, 170, QStringLiteral("Counter Reset"), colour::Red, 10, true);
    drawClockWaveform(380, 290);
}

// Examples 3 and 4: four stages on one clock; each stage toggles when every
// stage below it is 1 (up) or 0 (down).
void Counters::drawSynchronous(bool down)
{
    draw(kRailX, kRailY, QStringLiteral("C6 R425 U55 R20 BL140 L20 D55 BL140 U55 R20 BL140 L20 D55 L15"));
    label(0, 200, QStringLiteral("Clock"), colour::Black, 8, true);
    for (int k = 0; k < 4; ++k) {
        jkStage(k, down);
        const int x = stageX(k);
        DrawLogicBit(x + kBlockW + 2, down ? kLowerY + 2 : kFeedY - 14, colour::OutputLevel, stage(count, k));
    }
    synchronousFeeds(4);
    if (down) {
        label(100, 232, QStringLiteral("Each stage toggles when all the stages below it are 0."), colour::Grey, 8);
        label(400, 250, QStringLiteral("Count = %1").arg(count), colour::Title, 10, true);
        label(400, 270, QStringLiteral("Clock pulses = %1").arg(pulseCount), colour::Maroon, 9, true);
    } else {
        label(100, 232, QStringLiteral("Each stage toggles when all the stages below it are 1."), colour::Grey, 8);
        label(400, 250, QStringLiteral("Count = %1").arg(count), colour::Title, 10, true);
    }
    drawClockWaveform(30, 310);
}

// Example 2: three JK stages counting on one clock and two decode gates; at
// 7 "Count Out." goes to 1 and makes a master reset pending, which clears the
// stages on the next pulse.
void Counters::drawDivideBy7()
{
    draw(kRailX, kRailY, QStringLiteral("C6 R285 U55 R20 BL140 L20 D55 BL140 U55 R20 BL140 L20 D55 L15"));
    label(0, 200, QStringLiteral("Clock"), colour::Black, 8, true);
    for (int k = 0; k < 3; ++k) {
        jkStage(k, false);
        DrawLogicBit(stageX(k) + kBlockW + 2, kFeedY - 14, colour::OutputLevel, stage(count, k));
    }
    synchronousFeeds(3);
    label(100, 232, QStringLiteral("JK Flip flop."), colour::Grey, 8, true);
    // Decode gates: Q1 AND Q2, then with Q0; Count Out drives the reset line.
    const int q2 = stageX(2) + kBlockW + 12;
    wire(q2, kFeedY, 18, 0);
    wire(q2 + 18, 107, 0, kFeedY - 107);
    wire(q2 + 18, 107, 465 - 15 - q2 - 18, 0);
    label(430, 87, QStringLiteral("Q1"), colour::Navy, 7, true);
    DrawAndGateSmall(465, 100);
    wire(503, 100, 22, 0);
    DrawLogicBit(507, 86, colour::Green, divideBy7Gate(count));
    label(507, 109, QStringLiteral("Q0"), colour::Navy, 7, true);
    DrawAndGateSmall(540, 107);
    DrawLogicBit(584, 101, colour::Purple, divideBy7Out(count));
    label(545, 124, QStringLiteral("Count Out."), colour::Black, 8, true);
    boxOrLine(0, 578, 107, 0, 4, 0, colour::Purple, QString());
    boxOrLine(0, 582, 107, 0, 0, 89, colour::Purple, QString());
    boxOrLine(0, stageX(0) + 30, 196, 0, 552 - stageX(0), 0, colour::Purple, QString());
    for (int k = 0; k < 3; ++k)
        boxOrLine(0, stageX(k) + 30, kBlockTop + kBlockH, 0, 0, 18, colour::Purple, QString());
    label(stageX(2) + 50, 199, QStringLiteral("Master  Reset."), colour::Purple, 8, true);
    if (masterReset) {
        boxOrLine(0, 290, 277, 0, 130, 20, colour::ButtonFace, QStringLiteral("BF"));
        boxOrLine(0, 290, 277, 0, 130, 20, colour::Blue, QStringLiteral("B"));
        label(310, 281, QStringLiteral("Master Reset."), colour::Red, 8, true);
    }
    label(500, 250, QStringLiteral("Count = %1").arg(count), colour::Title, 10, true);
    drawClockWaveform(30, 310);
}

namespace {
RegisterForm<Counters> reg(QStringLiteral("Counters"));

BatchState state(QStringLiteral("counters"), [] {
    auto* w = dynamic_cast<Counters*>(FormRegistry::instance().loadedForm(QStringLiteral("Counters")));
    if (!w)
        return QStringLiteral("not loaded");
    return QStringLiteral("count=%1 up=%2 reset=%3 pending=%4 pulses=%5 pulse=%6")
        .arg(w->count)
        .arg(bitText(w->up), bitText(w->resetShown), bitText(w->masterReset))
        .arg(w->pulseCount)
        .arg(w->pulse()->high() ? QStringLiteral("high")
                                : (w->pulse()->inFlight() ? QStringLiteral("wait") : QStringLiteral("idle")));
});
}  // namespace

}  // namespace orr::seq
