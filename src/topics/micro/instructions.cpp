// Instructions: instruction register, decoder, control signals, chip select.
#include "topics/micro/instructions.h"

#include <QPoint>
#include <algorithm>

#include "batch/batch_state.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "topics/micro/micro_theory.h"
#include "topics/micro/register_panels.h"

namespace orr::micro {

namespace {

constexpr int kOffset = 50;

const char* const kCaptions[4] = {"Instruction Register.", "Instruction Decoder.", "Control Signals.",
                                  "Chip Select."};
const char* const kOperations[4] = {"AND", "OR", "XOR", "NOT"};
const char* const kDevices[4] = {"Output Register.", "Read Only Memory.", "Input Register.",
                                 "Random Access Memory."};
const char* const kCodes[4] = {"00", "01", "10", "11"};

int text(int x, int y, const QString& t, long colour, int size, bool bold = false)
{
    int b = bold ? 1 : 0;
    printAt(x, y, t, colour, size, b);
    return b;
}

void box(double x, double y, double w, double h, long fill, long outline)
{
    boxOrLine(0, x, y, 0, w, h, fill, QStringLiteral("BFS"));
    boxOrLine(0, x, y, 0, w, h, outline, QStringLiteral("B"));
}

void line(double x, double y, double w, double h, long colour, int width = 1)
{
    boxOrLine(width > 1 ? 10 + width : 0, x, y, 0, w, h, colour, QString());
}

int codeIndex(const QString& code) { return code.toInt(nullptr, 2) & 3; }

}  // namespace

QString aluResult(const QString& code, const QString& registerA, const QString& operand)
{
    QString r;
    for (int i = 0; i < 8; ++i) {
        const bool a = i < registerA.size() && registerA.at(i) == QLatin1Char('1');
        const bool b = i < operand.size() && operand.at(i) == QLatin1Char('1');
        bool bit = false;
        if (code == QLatin1String("00"))
            bit = a && b;
        else if (code == QLatin1String("01"))
            bit = a || b;
        else if (code == QLatin1String("10"))
            bit = a != b;
        else
            bit = !a;
        r += QLatin1Char(bit ? '1' : '0');
    }
    return r;
}

Instructions::Instructions() : TopicForm(QStringLiteral("Instructions"), 2, 4)
{
    title = QStringLiteral("INSTRUCTIONS and CONTROL");
    setTopicId(98);
    setDrawingFrame(kOffset, 1.28f);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Instructions::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &Instructions::Timer2_Timer);
}

void Instructions::formLoad()
{
    registerA = QStringLiteral("10101111");
    operand = QStringLiteral("11010001");
    code = QStringLiteral("00");
    result = QStringLiteral("00000000");
    address = QStringLiteral("10110101");
    writing = false;
    inputOutput = false;
    TopicForm::formLoad();
}

void Instructions::formActivate()
{
    TopicForm::formActivate();
    Timer1->start();
    Timer2->start();
}

void Instructions::formDeactivate()
{
    Timer1->stop();
    Timer2->stop();
    TopicForm::formDeactivate();
}

void Instructions::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void Instructions::configureExample(int e)
{
    setDrawingFrame(kOffset, scaleFor(e));
    static const char* const triggers[4][4] = {
        {"Code 00", "Code 01", "Code 10", "Code 11"},
        {"Code 00", "Code 01", "Code 10", "Code 11"},
        {"Read/Write", "Select Chip", "Clock", ""},
        {"Code 00", "Code 01", "Code 10", "Code 11"},
    };
    const int p = std::clamp(e, 0, 3);
    for (int i = 0; i < 4; ++i) {
        Trigger[size_t(i)]->setCaption(QLatin1String(triggers[p][i]));
        Trigger[size_t(i)]->setShown(triggers[p][i][0] != 0);
    }
    if (p == 0) {
        SelectButton[0]->setCaption(QStringLiteral("Register A"));
        SelectButton[1]->setCaption(QStringLiteral("Operand"));
        setLabelQuietly(0, registerA);
        setLabelQuietly(1, operand);
        suite().selectorCount = 1;
    } else if (p == 3) {
        SelectButton[0]->setCaption(QStringLiteral("8-bit Address"));
        setLabelQuietly(0, address);
        suite().selectorCount = 0;
    } else {
        suite().selectorCount = -1;
    }
}

void Instructions::takeValue(int e, int index, double value)
{
    const QString bits = QString::number(qint64(value)).rightJustified(8, QLatin1Char('0')).right(8);
    if (e == 0 && index == 0)
        registerA = bits;
    else if (e == 0 && index == 1)
        operand = bits;
    else if (e == 3)
        address = bits;
    // The unit's output follows its inputs: a new register or operand value
    // gives a new result for the operation already chosen.
    if (e == 0)
        result = aluResult(code, registerA, operand);
}

void Instructions::Trigger_Click(int index)
{
    const int e = example();
    if (e == 2) {
        if (index == 0) {
            writing = !writing;
        } else if (index == 1) {
            inputOutput = !inputOutput;
        } else {
            clockPhase ^= 1;
            PanelFrame frame(Picture1, kOffset, scaleFor(e));
            drawClock();
            return;
        }
    } else if (e == 3) {
        address = QLatin1String(kCodes[index & 3]) + address.mid(2);
    } else {
        code = QLatin1String(kCodes[index & 3]);
        result = aluResult(code, registerA, operand);
    }
    results();
}

void Instructions::drawExample(int e)
{
    clockTicks = 0;
    setCaption(title + QStringLiteral(":   ") + QLatin1String(kCaptions[std::clamp(e, 0, 3)]));
    switch (e) {
    case 1: drawDecoder(); break;
    case 2: drawControlSignals(); break;
    case 3: drawChipSelect(); break;
    default: drawRegisterAndAlu(); break;
    }
}

void Instructions::theoryParagraphs(int e, std::array<QString, 4>& p) { instructionsTopicTheory(e, p); }

// ---- position 0: instruction register and arithmetic and logic unit ----

void Instructions::drawRegisterAndAlu()
{
    text(120, 2, QStringLiteral("Instruction Register and A.L.U."), colour::Navy, 12, true);

    box(0, 30, 290, 58, colour::Cyan, colour::Navy);
    text(10, 32, QStringLiteral("Program Instruction Register."), colour::Navy, 8);
    box(10, 50, 70, 30, colour::White, colour::Navy);
    text(16, 51, QStringLiteral("Operation"), colour::Navy, 7);
    text(33, 62, code, colour::Red, 10, true);
    box(90, 50, 190, 30, colour::White, colour::Navy);
    text(100, 51, QStringLiteral("Operand"), colour::Navy, 7);
    text(140, 62, operand, colour::Red, 10, true);

    box(330, 30, 190, 58, colour::Cyan, colour::Navy);
    text(340, 32, QStringLiteral("Register A."), colour::Navy, 8);
    box(340, 50, 170, 30, colour::White, colour::Navy);
    text(375, 58, registerA, colour::Red, 10, true);

    // Both operands go down into the unit; the operation code selects its function.
    line(185, 80, 0, 52, colour::Navy);
    arrowheadDown(185, 132, colour::Navy, 6);
    line(425, 80, 0, 52, colour::Navy);
    arrowheadDown(425, 132, colour::Navy, 6);
    line(45, 80, 0, 82, colour::Maroon);
    line(45, 162, 105, 0, colour::Maroon);
    arrowheadRight(150, 162, colour::Maroon, 6);
    text(50, 148, QStringLiteral("Op. code"), colour::Maroon, 7);

    box(150, 132, 310, 56, colour::Yellow, colour::Maroon);
    text(200, 136, QStringLiteral("Arithmetic and Logic Unit."), colour::Maroon, 9, true);
    text(240, 160, QStringLiteral("Operation = ") + QLatin1String(kOperations[codeIndex(code)]), colour::Maroon, 9);

    line(305, 188, 0, 27, colour::Navy);
    arrowheadDown(305, 215, colour::Navy, 6);
    box(205, 215, 200, 30, colour::White, colour::Navy);
    text(215, 217, QStringLiteral("Result."), colour::Navy, 7);
    text(260, 226, result, colour::Red, 10, true);

    // The operations table with the current code marked.
    box(478, 110, 165, 80, colour::White, colour::Navy);
    text(484, 112, QStringLiteral("Typical  ALU Operations."), colour::Navy, 7, true);
    for (int i = 0; i < 4; ++i) {
        const long c = i == codeIndex(code) ? colour::Red : colour::Navy;
        text(515, 130 + 14 * i, QLatin1String(kCodes[i]), c, 8, i == codeIndex(code));
        text(555, 130 + 14 * i, QLatin1String(kOperations[i]), c, 8, i == codeIndex(code));
    }

    text(0, 258, QStringLiteral("Example:  Register A = 00001010   Operand = 00011111"), colour::Purple, 8);
    text(0, 272, QStringLiteral("AND = 00001010     OR = 00011111     XOR = 00010101     NOT = 11110101"),
         colour::Purple, 8);
}

// ---- position 1: the 2-to-4 line decoder ----

void Instructions::drawDecoder()
{
    text(150, 2, QStringLiteral("Instruction Decoder."), colour::Navy, 12, true);
    box(0, 90, 110, 80, colour::Cyan, colour::Navy);
    text(8, 92, QStringLiteral("Operation"), colour::Navy, 8);
    text(8, 104, QStringLiteral("Code."), colour::Navy, 8);
    text(40, 130, code, colour::Red, 12, true);

    for (int i = 0; i < 2; ++i) {
        const int y = 115 + 30 * i;
        line(110, y, 90, 0, colour::Navy);
        arrowheadRight(200, y, colour::Navy, 5);
        text(150, y - 14, QStringLiteral("A") + QString::number(1 - i), colour::Navy, 7);
        DrawLogicBit(130, y - 6, colour::Red, code.at(i) == QLatin1Char('1'));
    }
    box(200, 70, 120, 140, colour::Yellow, colour::Maroon);
    text(215, 120, QStringLiteral("2 to 4 Line"), colour::Maroon, 9, true);
    text(225, 136, QStringLiteral("Decoder."), colour::Maroon, 9, true);

    box(480, 60, 150, 160, colour::Cyan, colour::Navy);
    text(495, 62, QStringLiteral("Arithmetic and"), colour::Navy, 8, true);
    text(495, 74, QStringLiteral("Logic Unit."), colour::Navy, 8, true);
    const int current = codeIndex(code);
    for (int i = 0; i < 4; ++i) {
        const int y = 100 + 30 * i;
        const bool on = i == current;
        line(320, y, 160, 0, on ? colour::Red : colour::Grey, on ? 3 : 1);
        arrowheadRight(480, y, on ? colour::Red : colour::Grey, 6);
        text(330, y - 14, QLatin1String(kCodes[i]), on ? colour::Red : colour::Grey, 8, on);
        text(500, y - 6, QLatin1String(kOperations[i]), on ? colour::Red : colour::Navy, 9, on);
    }
    text(0, 250, QStringLiteral("Only one output line of the decoder is active for each operation code;"),
         colour::Purple, 8);
    text(0, 264, QStringLiteral("it enables the matching function of the arithmetic and logic unit."), colour::Purple,
         8);
}

// ---- position 2: control bus and clock ----

void Instructions::drawControlSignals()
{
    text(170, 2, QStringLiteral("Control Signals."), colour::Navy, 12, true);
    box(0, 40, 130, 190, colour::Cyan, colour::Navy);
    text(15, 110, QStringLiteral("Micro-"), colour::Navy, 10, true);
    text(15, 125, QStringLiteral("processor."), colour::Navy, 10, true);

    const bool ram = !inputOutput;
    box(440, 30, 180, 80, ram ? colour::Yellow : colour::White, colour::Navy);
    // Each device's name is centred in its box, clear of the frame even in bold.
    printCentred(530, 60, QStringLiteral("Random Access Memory."), colour::Navy, 8, ram ? 1 : 0);
    box(440, 140, 180, 80, ram ? colour::White : colour::Yellow, colour::Navy);
    printCentred(530, 170, QStringLiteral("Input/Output Port."), colour::Navy, 8, ram ? 0 : 1);

    // Read and write go to both devices; each chip enable to one device.
    const long rd = writing ? colour::Grey : colour::Red;
    const long wr = writing ? colour::Red : colour::Grey;
    line(130, 55, 280, 0, rd, writing ? 1 : 2);
    line(410, 55, 30, 0, rd, writing ? 1 : 2);
    line(410, 55, 0, 110, rd, writing ? 1 : 2);
    line(410, 165, 30, 0, rd, writing ? 1 : 2);
    line(130, 80, 290, 0, wr, writing ? 2 : 1);
    line(420, 80, 20, 0, wr, writing ? 2 : 1);
    line(420, 80, 0, 105, wr, writing ? 2 : 1);
    line(420, 185, 20, 0, wr, writing ? 2 : 1);
    line(130, 100, 310, 0, ram ? colour::Red : colour::Grey, ram ? 2 : 1);
    line(130, 205, 310, 0, ram ? colour::Grey : colour::Red, ram ? 1 : 2);
    text(145, 44, QStringLiteral("RD"), rd, 8, true);
    text(145, 69, QStringLiteral("WR"), wr, 8, true);
    text(145, 89, QStringLiteral("CE1"), ram ? colour::Red : colour::Grey, 8, true);
    text(145, 194, QStringLiteral("CE2"), ram ? colour::Grey : colour::Red, 8, true);

    text(145, 236, QStringLiteral("Clock"), colour::Navy, 8, true);
    drawClock();
    text(470, 240, QStringLiteral("Action clocked on falling"), colour::Maroon, 8);
    text(470, 252, QStringLiteral("edge of waveform."), colour::Maroon, 8);
    drawReadWriteStatus();
}

void Instructions::drawClock()
{
    // The lit half alternates: the high part of each cycle, then the low part.
    boxOrLine(0, 130, 248, 0, 300, 30, colour::White, QStringLiteral("BF"));
    const QString wave = clockPhase == 0 ? QStringLiteral("c9 r25 u25 c7 r25 d25 r25")
                                         : QStringLiteral("c7 r25 u25 c9 r25 d25 r25");
    for (int i = 0; i < 4; ++i)
        draw(130 + 75 * i, 275, wave);
}

void Instructions::drawReadWriteStatus()
{
    boxOrLine(0, 0, 285, 0, 440, 22, colour::White, QStringLiteral("BF"));
    text(0, 288, writing ? QStringLiteral("Writing") : QStringLiteral("Reading"), colour::Red, 10, true);
    text(80, 288, inputOutput ? QStringLiteral(" Input/Output Port.") : QStringLiteral("   Random Access Memory."),
         colour::Navy, 10, true);
}

// ---- position 3: chip select ----

void Instructions::drawLegend(int highlighted)
{
    // The bars first, then every line over them: a bar reaches 2 units into
    // the line below it and must not hide that line's top.
    const auto place = [](int i) { return QPoint(i < 2 ? 155 : 365, i % 2 == 0 ? 8 : 23); };
    for (int i = 0; i < 4; ++i)
        boxOrLine(0, place(i).x(), place(i).y(), 0, 200, 17, colour::White, QStringLiteral("BF"));
    for (int i = 0; i < 4; ++i) {
        const QString t = QString(QLatin1Char(kCodes[i][0])) + QStringLiteral("  ") + QLatin1Char(kCodes[i][1]) +
                          QStringLiteral(" = ") + QLatin1String(kDevices[i]);
        const bool on = i == highlighted;
        text(place(i).x() + 5, place(i).y() + 1, t, on ? colour::Red : colour::Navy, 8, on);
    }
}

void Instructions::drawChipSelect()
{
    text(0, 4, QStringLiteral("Chip Select."), colour::Navy, 12, true);
    const int selected = codeIndex(address.left(2));
    drawLegend(selected);

    // The address lines, A7 on the left.
    text(0, 52, QStringLiteral("Address"), colour::Navy, 8, true);
    for (int i = 0; i < 8; ++i) {
        const int x = 90 + 30 * i;
        text(x - 4, 50, QStringLiteral("A") + QString::number(7 - i), colour::Navy, 8);
        DrawLogicBit(x, 64, colour::Red, address.at(i) == QLatin1Char('1'));
        line(x + 4, 78, 0, i < 2 ? 32 : 192, i < 2 ? colour::Maroon : colour::Grey);
    }
    // The decoder takes A7 and A6 only; its right edge stays clear of A5.
    constexpr int decoderLeft = 40, decoderRight = 146;
    box(decoderLeft, 110, decoderRight - decoderLeft, 110, colour::Yellow, colour::Maroon);
    printCentred((decoderLeft + decoderRight) / 2, 140, QStringLiteral("Chip Select"), colour::Maroon, 8, 1);
    printCentred((decoderLeft + decoderRight) / 2, 154, QStringLiteral("Decoder."), colour::Maroon, 8, 1);

    // The low six lines run on to every device along a common bus.
    line(154, 270, 456, 0, colour::Grey);
    line(610, 116, 0, 154, colour::Grey);
    text(330, 274, QStringLiteral("A5 - A0 to every device."), colour::Grey, 8);

    for (int i = 0; i < 4; ++i) {
        const int y = 90 + 45 * i;
        const int out = 127 + 25 * i;  // decoder output; the second is level with its device's input
        const int route = 330 + 15 * i;
        const bool on = i == selected;
        const long c = on ? colour::Red : colour::Grey;
        box(400, y, 190, 34, on ? colour::Yellow : colour::White, colour::Navy);
        text(412, y + 10, QLatin1String(kDevices[i]), colour::Navy, 8, on);
        line(decoderRight, out, route - decoderRight, 0, c, on ? 2 : 1);
        if (y + 17 != out)
            line(route, out, 0, y + 17 - out, c, on ? 2 : 1);
        line(route, y + 17, 400 - route, 0, c, on ? 2 : 1);
        text(382, y + 3, QStringLiteral("CE"), c, 6);
        line(590, y + 26, 20, 0, colour::Grey);
    }
    text(0, 300, QStringLiteral("Example addresses:"), colour::Purple, 8, true);
    text(0, 314, QStringLiteral("00110101 : 01110101 : 10110101 :11110101"), colour::Purple, 8);
}

// ---- timers ----

void Instructions::Timer1_Timer()
{
    if (example() != 3 || !isShown())
        return;
    // The decoded device stays highlighted on every tick.
    PanelFrame frame(Picture1, kOffset, scaleFor(3));
    drawLegend(codeIndex(address.left(2)));
}

void Instructions::Timer2_Timer()
{
    if (example() != 2 || !isShown())
        return;
    clockPhase ^= 1;
    ++clockTicks;
    PanelFrame frame(Picture1, kOffset, scaleFor(2));
    drawClock();
    drawReadWriteStatus();
}

namespace {
RegisterForm<Instructions> reg(QStringLiteral("Instructions"));

// The page's switches for the batch driver; the clock reads "ticking" once
// its timer has redrawn the waveform since the page was drawn.
BatchState state(QStringLiteral("instructions"), [] {
    auto* w = dynamic_cast<Instructions*>(FormRegistry::instance().loadedForm(QStringLiteral("Instructions")));
    if (!w)
        return QStringLiteral("not loaded");
    return QStringLiteral("code=%1 result=%2 address=%3 %4 %5 clock=%6")
        .arg(w->code, w->result, w->address, w->writing ? QStringLiteral("writing") : QStringLiteral("reading"),
             w->inputOutput ? QStringLiteral("port") : QStringLiteral("memory"),
             w->clockTicks > 0 ? QStringLiteral("ticking") : QStringLiteral("still"));
});
}

}  // namespace orr::micro
