// Alu: the logic unit and the accumulator over the arithmetic and logic unit model.
#include "topics/logic/alu.h"

#include <cmath>

#include "draw/primitives.h"
#include "topics/logic/alu_model.h"
#include "topics/logic/circuit_figures.h"
#include "topics/logic/circuit_theory.h"
#include "values/formatters.h"
#include "values/limit_value.h"

namespace orr {

namespace {

using namespace logic;

const QString kCodes[] = {QStringLiteral("00"), QStringLiteral("01"), QStringLiteral("10"), QStringLiteral("11")};

// A register drawn as a box holding its digits as one text.
void registerBox(int x, int y, int width, const QString& name, const QString& digits, long digitColour)
{
    block(x, y, width, 34, colour::White, {});
    printCentred(x + width / 2, y - 13, name, colour::Title, 8, 1);
    printCentred(x + width / 2, y + 9, digits, digitColour, 12, 1);
}

// Four parallel bus lines from (x, y) to the right, 8 apart.
void busLines(int x, int y, int length)
{
    for (int i = 0; i < 4; ++i)
        wire(x, y + 8 * i, length, 0, colour::Maroon);
}

// A register's value in decimal and, beside it, its eight bits.
void registerValue(int x, int y, int v)
{
    label(x + 6, y, QString::number(v), colour::InputLevel, 9, true);
    label(x + 70, y, eightBits(v), colour::InputLevel, 9, true);
}

}  // namespace

Alu::Alu() : TopicForm(QStringLiteral("Alu"), 2, 4)
{
    title = QStringLiteral("ARITHMETIC AND LOGIC UNIT");
    setTopicId(96);
    setDrawingFrame(50, 1.28f);
}

void Alu::setDefaults()
{
    opCode = QStringLiteral("01");
    wordA = QStringLiteral("1010");
    wordB = QStringLiteral("0011");
    accumulator = 16;
    registerA = 24;
    lastStep = 0;
    storedSum_ = 0;
}

void Alu::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void Alu::configureExample(int e)
{
    triggerSetup(true, true, true, true);
    if (e == 1) {
        const char* const steps[] = {"1. Load Acc", "2. Load Reg A", "3. Add Reg A", "4. Store Result"};
        for (int i = 0; i < 4; ++i)
            Trigger[i]->setCaption(QLatin1String(steps[i]));
        SelectButton[0]->setCaption(QStringLiteral("Accum 0 - 255"));
        SelectButton[1]->setCaption(QStringLiteral("Reg A 0 - 255"));
        setLabelQuietly(0, FormatDecimal(accumulator, false));
        setLabelQuietly(1, FormatDecimal(registerA, false));
    } else {
        for (int i = 0; i < 4; ++i)
            Trigger[i]->setCaption(QStringLiteral("Code ") + kCodes[i]);
        SelectButton[0]->setCaption(QStringLiteral("Word A"));
        SelectButton[1]->setCaption(QStringLiteral("Word B"));
        setLabelQuietly(0, wordA);
        setLabelQuietly(1, wordB);
    }
    suite().selectorCount = 1;
}

void Alu::Trigger_Click(int index)
{
    if (index < 0 || index > 3)
        return;
    if (example() == 1) {
        lastStep = index + 1;
        if (lastStep == 4) {
            const AccumulatorAdd add = accumulatorAdd(accumulator, registerA);
            storedSum_ = add.sum;
            accumulator = int16_t(add.stored);
            setLabelQuietly(0, FormatDecimal(accumulator, false));
        }
    } else {
        opCode = kCodes[index];
    }
    results();
}

QString Alu::quantityTypeFor(int e, int) const
{
    return e == 1 ? QStringLiteral("Positive Integer No.") : QStringLiteral("Binary No.");
}

void Alu::takeValue(int e, int index, double value)
{
    if (e == 1) {
        int16_t& target = index == 0 ? accumulator : registerA;
        target = limit_detail::convert<int16_t>(value);
        LimitValue(target, 255, -1);
        if (double(target) != value && value <= 255)
            setLabelQuietly(index, FormatDecimal(target, false));
        return;
    }
    // The logic unit simulates four bits: the label shows the four it holds.
    QString& word = index == 0 ? wordA : wordB;
    word = fourBitWord(value);
    setLabelQuietly(index, word);
}

void Alu::drawExample(int e)
{
    if (e == 1)
        drawAccumulator();
    else if (e == 0)
        drawLogicUnit();
}

void Alu::theoryParagraphs(int e, std::array<QString, 4>& p) { aluTheory(e, p); }

void Alu::drawLogicUnit()
{
    label(0, 4, QStringLiteral("Logic Unit."), colour::Title, 11, true);
    const QString out = logicUnit(opCode, wordA, wordB);
    registerBox(30, 60, 110, QStringLiteral("Word A"), wordA, colour::InputLevel);
    registerBox(30, 150, 110, QStringLiteral("Word B"), wordB, colour::InputLevel);
    busLines(140, 65, 110);
    busLines(140, 155, 110);
    block(250, 50, 130, 150, colour::Cyan, {QStringLiteral("Logic"), QStringLiteral("Unit")});
    busLines(380, 110, 90);
    registerBox(470, 105, 110, QStringLiteral("Output"), out, colour::OutputLevel);
    printCentred(525, 144, QStringLiteral("Register."), colour::Title, 8, 1);

    // The operation code enters from below.
    wire(300, 200, 0, 30, colour::Maroon);
    wire(330, 200, 0, 30, colour::Maroon);
    label(190, 240, QStringLiteral("2 bit Op Code."), colour::Title, 8, true);
    label(296, 240, opCode.left(1), colour::InputLevel, 10, true);
    label(326, 240, opCode.right(1), colour::InputLevel, 10, true);

    const char* const names[] = {" = AND", " = OR", " = XOR", " = NOT"};
    for (int i = 0; i < 4; ++i) {
        const int y = 190 + 15 * i;
        const bool selected = kCodes[i] == opCode;
        const long c = selected ? colour::Red : colour::Black;
        label(470, y, kCodes[i], c, 8, selected);
        label(488, y, QLatin1String(names[i]), c, 8, selected);
    }
    label(30, 282, QStringLiteral("Only the least significant four bits are used in this example."), colour::Grey, 7);
    label(30, 294, QStringLiteral("ALU would normally also include binary Adder and Subtractor functions."),
          colour::Grey, 7);
}

void Alu::drawAccumulator()
{
    label(0, 4, QStringLiteral("Accumulator."), colour::Title, 11, true);
    // The data bus on the right with its arrows to the three units.
    constexpr int busX = 575, busY = 30;
    draw(busX, busY, QStringLiteral("c2 d30 l50 u10 g15 d10 f15 u10 r50 d70 l50 u10 g15 d10 f15 u10 r50 d70 l50 "
                                    "u10 g15 d10 f15 u10 r50 d20 r20 u250 l20 br5 bd5 p2,2"));
    label(busX - 4, busY - 16, QStringLiteral("Data Bus"), colour::Green, 8, true);

    const int unitX = 330, unitW = busX - 65 - unitX;
    const int accY = busY + 20, regY = busY + 110, decY = busY + 200;
    block(unitX, accY, unitW, 40, colour::Yellow, {});
    label(unitX + 6, accY + 3, QStringLiteral("Accumulator"), colour::Title, 8, true);
    registerValue(unitX, accY + 20, accumulator);
    block(unitX, regY, unitW, 40, colour::Yellow, {});
    label(unitX + 6, regY + 3, QStringLiteral("Register A."), colour::Title, 8, true);
    registerValue(unitX, regY + 20, registerA);
    block(unitX + 80, decY, unitW - 80, 40, colour::Yellow, {QStringLiteral("Instruction"), QStringLiteral("Decoder")});

    // The adder takes both registers and feeds its sum back into the accumulator.
    constexpr int addX = 150, addY = 85, addW = 110, addH = 70;
    block(addX, addY, addW, addH, colour::Cyan, {QStringLiteral("Adder.")});
    wire(unitX, accY + 30, addX + addW - unitX + 30, 0);
    wire(addX + addW + 30 - unitX + unitX, accY + 30, 0, addY + 20 - accY - 30);
    wire(addX + addW + 30, addY + 20, -30, 0);
    wire(unitX, regY + 20, addX + addW + 30 - unitX, 0);
    wire(addX + addW + 30, regY + 20, 0, addY + 50 - regY - 20);
    wire(addX + addW + 30, addY + 50, -30, 0);
    wire(addX + addW / 2, addY, 0, accY + 10 - addY);
    wire(addX + addW / 2, accY + 10, unitX - addX - addW / 2, 0);
    arrowheadRight(unitX, accY + 10, colour::Black, 5);
    label(addX - 20, accY - 2, QStringLiteral("Sum to accumulator"), colour::Grey, 7);

    drawStep();
}

// The text of the step last run, below the adder.
void Alu::drawStep()
{
    constexpr int x = 10, y = 190;
    switch (lastStep) {
    case 1:
        label(x, y, QStringLiteral("1. Load Accumulator."), colour::Title, 9, true);
        label(x, y + 20, QStringLiteral("Accumulator = ") + QString::number(accumulator), colour::Black, 9);
        break;
    case 2:
        label(x, y, QStringLiteral("2. Load Register A."), colour::Title, 9, true);
        label(x, y + 20,
              QStringLiteral("Register A = ") + QString::number(registerA) + QStringLiteral("  ") +
                  eightBits(registerA),
              colour::Black, 9);
        break;
    case 3: {
        const AccumulatorAdd add = accumulatorAdd(accumulator, registerA);
        label(x, y, QStringLiteral("3. Add Register A"), colour::Title, 9, true);
        label(x, y + 14, QStringLiteral("to Accumulator."), colour::Title, 9, true);
        label(x, y + 34,
              QStringLiteral("Result of Addition. = ") + QString::number(add.sum) + QStringLiteral("  ") +
                  eightBits(add.sum),
              colour::Black, 9);
        if (add.carry)
            label(x + 165, y + 50, QStringLiteral("(1)"), colour::Red, 9, true);
        break;
    }
    case 4: {
        label(x, y, QStringLiteral("4. Store result in"), colour::Title, 9, true);
        label(x, y + 14, QStringLiteral("Accumulator."), colour::Title, 9, true);
        if (storedSum_ > 255) {
            label(388, 70, QStringLiteral("1"), colour::Red, 9, true);
            label(150, y + 14, QStringLiteral("Overflow."), colour::Red, 9, true);
        }
        label(x, y + 36, QStringLiteral("Check."), colour::Title, 8, true);
        label(x, y + 52,
              QStringLiteral("Accumulator Contents  = Decimal ") + QString::number(accumulator) +
                  QStringLiteral(" or Binary ") + eightBits(accumulator),
              colour::Black, 8);
        label(x, y + 66,
              QStringLiteral("Register A Contents    = Decimal ") + QString::number(registerA) +
                  QStringLiteral(" or Binary ") + eightBits(registerA),
              colour::Black, 8);
        break;
    }
    default:
        label(x, y, QStringLiteral("Press the step buttons 1 to 4 to add"), colour::Grey, 8);
        label(x, y + 13, QStringLiteral("Register A into the Accumulator."), colour::Grey, 8);
        break;
    }
}

namespace {
RegisterForm<Alu> reg(QStringLiteral("Alu"));
}

}  // namespace orr
