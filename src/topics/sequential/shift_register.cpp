// ShiftRegister: four D stages on one clock rail. The serial registers read
// their stages from the word and the pulse count; the parallel-load register
// loads its word through OR gates on the first pulse and then shifts it.
#include "topics/sequential/shift_register.h"

#include <algorithm>

#include "batch/batch_state.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "draw/timing_symbols.h"
#include "topics/sequential/sequential_theory.h"
#include "values/formatters.h"
#include "values/limit_value.h"

namespace orr::seq {

namespace {

constexpr int kExamples = 3;
// Stage k's body spans stageX(k) .. + kBody; D and Q at y = kDataY, the clock
// pin at y = 166 on the rail drawn from (45, 221).
constexpr int kBody = 72, kTop = 115, kHeight = 65, kDataY = 130;
int stageX(int k) { return 70 + 140 * k; }

QString captionOf(int e)
{
    static const char* const captions[kExamples] = {"Right Shift Register.", "Left Shift Register.",
                                                    "Parallel Load Shift Register."};
    return e >= 0 && e < kExamples ? QString::fromLatin1(captions[e]) : QString();
}

void wire(int x, int y, int w, int h, long c = colour::Black) { boxOrLine(0, x, y, 0, w, h, c, QString()); }

}  // namespace

ShiftRegister::ShiftRegister() : SequentialForm(QStringLiteral("ShiftRegister"), 1, 3, shiftRegisterTheory)
{
    title = QStringLiteral("SHIFT REGISTERS");
    setTopicId(85);
}

void ShiftRegister::formLoad()
{
    serialWord = 11101011;
    parallelWord = 1101;
    shiftPosition = 0;
    lastLoadedWord = 0;
    SequentialForm::formLoad();
}

void ShiftRegister::Proc_1()
{
    shiftPosition = 0;
    SequentialForm::Proc_1();
}

void ShiftRegister::configureExample(int e)
{
    triggerSetup(true, false, false);
    Trigger[0]->setCaption(QStringLiteral("Clock Pulse"));
    SelectButton[0]->setCaption(QStringLiteral("8 bit word"));
    const float word = e == 2 ? parallelWord : serialWord;
    setLabelQuietly(0, FormatBinary(int32_t(word)));
    suite().selectorCount = 0;
}

void ShiftRegister::takeValue(int e, int, double value)
{
    if (e == 2) {
        parallelWord = float(value);
        LimitValue(parallelWord, 1111, -1);
    } else {
        serialWord = float(value);
        LimitValue(serialWord, 11111111, -1);
    }
}

void ShiftRegister::Trigger_Click(int index)
{
    if (index != 0 || pulse()->inFlight())
        return;
    clockPress();
    results();
}

void ShiftRegister::pulseEnded(int) { shiftPosition = std::min(shiftPosition + 1, kLastShift); }

void ShiftRegister::drawExample(int e)
{
    heading(captionOf(e));
    // The clock rail and its four pins.
    draw(45, 221, QStringLiteral("C6 R425 U55 R20 BL140 L20 D55 BL140 U55 R20 BL140 L20 D55 L15"));
    label(0, 198, QStringLiteral("Clock"), colour::Black, 8, true);
    DrawLogicBit(30, 215, colour::Olive, clockHigh());
    label(200, 240, QStringLiteral("Clock Pulse. %1").arg(shiftPosition), colour::Olive, 9, true);
    label(420, 240, QStringLiteral("D-type Flip flop."), colour::Grey, 8, true);
    if (e == 2)
        drawParallel();
    else
        drawSerial(e == 1);
    drawClockWaveform(20, 300);
}

// Four D blocks; mirrored blocks take D on the right and give Q on the left,
// so a left shift flows right to left through the same links.
void ShiftRegister::drawStages(bool mirrored)
{
    const std::vector<BlockPin> left = {{kDataY - kTop, mirrored ? QStringLiteral("Q") : QStringLiteral("D")},
                                        {51, QString(), true}};
    const std::vector<BlockPin> right = {{kDataY - kTop, mirrored ? QStringLiteral("D") : QStringLiteral("Q")}};
    for (int k = 0; k < 4; ++k)
        DrawFlipFlopBlock(stageX(k), kTop, kBody, kHeight, left, right, colour::Yellow, 0);
}

// The incoming word at (20, 60): the digits still to enter, then the digits
// already entered.
void ShiftRegister::drawIncomingWord()
{
    const QString digits = wordDigits(serialWord);
    const int entered = std::clamp(shiftPosition, 0, 8);
    label(20, 44, QStringLiteral("Incoming Data Stream."), colour::Title, 8, true);
    int width = 1;  // printAt hands back the printed width here
    printAt(20, 60, digits.left(8 - entered), colour::Maroon, 10, width);
    int b = 1;
    printAt(20 + (entered < 8 ? width : 0), 60, digits.right(entered), colour::Grey, 10, b);
}

// Examples 0 and 1: the serial word enters box 1 (right shift) or box 4 (left
// shift) and moves one box per pulse.
void ShiftRegister::drawSerial(bool left)
{
    const QString digits = wordDigits(serialWord);
    const Stages boxes = left ? leftShift(digits, shiftPosition) : rightShift(digits, shiftPosition);
    drawStages(left);
    drawIncomingWord();
    // Links between the stages, and each stage's output down to its box.
    if (left)
        draw(49, 130, QStringLiteral("C4 R21 BR72 R68 BR72 R68 BR72 R68"));
    else
        draw(49, 107, QStringLiteral("C4 D23 R21 BR72 R68 BR72 R68 BR72 R68"));
    draw(176, 130, QStringLiteral("c4 D50 BR140 U50 BR140 D50 BR140 U50"));
    if (left) {
        // The data comes over the top into the D of the last stage.
        wire(100, 76, 540, 0, colour::Red);
        wire(640, 76, 0, 54, colour::Red);
        wire(562, 130, 78, 0, colour::Red);
        wire(40, 130, 30, 0);
        label(430, 84, QStringLiteral("Data in."), colour::Red, 7, true);
        label(0, 100, QStringLiteral("Left Shifted Data out."), colour::Maroon, 8, true);
        DrawLogicBit(36, 136, colour::InputLevel, boxes[0]);
    } else {
        wire(49, 80, 0, 27, colour::Maroon);
        wire(562, 130, 60, 0);
        label(470, 100, QStringLiteral("Right Shifted Data out."), colour::Maroon, 8, true);
        DrawLogicBit(36, 116, colour::InputLevel, boxes[0]);
    }
    for (int k = 0; k < 4; ++k) {
        DrawLogicBit(172 + 140 * k, 182, colour::OutputLevel, boxes[size_t(k)]);
        label(stageX(k) + 4, 184, QStringLiteral("Q%1").arg(k), colour::Black, 8, true);
    }
}

// Example 2: OR gates merge the parallel inputs with the previous stage.
void ShiftRegister::drawParallel()
{
    const Stages bits = parallelBits(parallelWord);
    const int word = int(parallelWord);
    // The inputs show the word once, on the redraw after it changed, and
    // before the first pulse while it waits to be loaded.
    const bool showInputs = shiftPosition == 0 || word != lastLoadedWord;
    lastLoadedWord = word;
    const Stages q = parallelShift(bits, shiftPosition);
    const std::vector<BlockPin> left = {{22, QStringLiteral("D")}, {51, QString(), true}};
    const std::vector<BlockPin> right = {{29, QStringLiteral("Q")}};
    label(160, 34, QStringLiteral("Parallel Loaded Data"), colour::Title, 8, true);
    draw(33, 52, QStringLiteral("c4 f5 r175 f5 e5 r175 e5"));
    // The serial input of the first stage, held at 0.
    draw(0, 48, QStringLiteral("C4 D96 R20"));
    DrawLogicBit(-4, 36, colour::InputLevel, false);
    label(380, 270, QStringLiteral("Only least significant four bits"), colour::Grey, 7);
    label(380, 282, QStringLiteral("are used in this example."), colour::Grey, 7);
    for (int k = 0; k < 4; ++k) {
        const int x = stageX(k);
        DrawFlipFlopBlock(x, kTop, kBody, kHeight, left, right, colour::Yellow, 0);
        DrawOrGateSmall(x - 55, 137);
        wire(x - 17, 137, 17, 0);
        // Parallel input from the top into the upper input of the OR gate;
        // the previous stage's Q meets its lower input.
        wire(x - 62, 78, 0, 52);
        const bool in = showInputs && bits[size_t(k)];
        DrawLogicBit(x - 66, 72, colour::InputLevel, in);
        DrawLogicBit(x - 66, 100, colour::InputLevel, in);
        label(x + 24, 184, QStringLiteral("Q%1").arg(k), colour::Black, 8, true);
        DrawLogicBit(x + 30, 198, colour::OutputLevel, q[size_t(k)]);
    }
    wire(stageX(3) + kBody, 144, 60, 0);
    label(470, 100, QStringLiteral("Right Shifted Data Out."), colour::Maroon, 8, true);
}

namespace {
RegisterForm<ShiftRegister> reg(QStringLiteral("ShiftRegister"));

BatchState state(QStringLiteral("shiftregister"), [] {
    auto* w = dynamic_cast<ShiftRegister*>(FormRegistry::instance().loadedForm(QStringLiteral("ShiftRegister")));
    if (!w)
        return QStringLiteral("not loaded");
    const int n = w->shiftPosition;
    const QString digits = wordDigits(w->serialWord);
    const int e = w->example();
    const Stages boxes = e == 2 ? parallelShift(parallelBits(w->parallelWord), n)
                                : (e == 1 ? leftShift(digits, n) : rightShift(digits, n));
    QString b;
    for (bool v : boxes)
        b += bitText(v);
    return QStringLiteral("serial=%1 parallel=%2 position=%3 boxes=%4 pulse=%5")
        .arg(digits, wordDigits(w->parallelWord).right(4))
        .arg(n)
        .arg(b)
        .arg(w->pulse()->high() ? QStringLiteral("high")
                                : (w->pulse()->inFlight() ? QStringLiteral("wait") : QStringLiteral("idle")));
});
}  // namespace

}  // namespace orr::seq
