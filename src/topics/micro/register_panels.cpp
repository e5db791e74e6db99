// Register, flag, memory and stack panels; the addressing-mode table.
#include "topics/micro/register_panels.h"

#include "draw/palette.h"
#include "draw/primitives.h"
#include "platform/picture.h"
#include "state/suite_state.h"
#include "topics/framework/topic_form.h"
#include "topics/micro/conversions.h"

namespace orr::micro {

namespace {

void filledBox(double x, double y, double w, double h, long fill, long outline)
{
    boxOrLine(0, x, y, 0, w, h, fill, QStringLiteral("BFS"));
    boxOrLine(0, x, y, 0, w, h, outline, QStringLiteral("B"));
}

void line(double x, double y, double w, double h, long colour) { boxOrLine(0, x, y, 0, w, h, colour, QString()); }

// Prints a text and returns its width.
int text(int x, int y, const QString& t, long colour, int size, bool bold = false)
{
    int b = bold ? 1 : 0;
    printAt(x, y, t, colour, size, b);
    return b;
}

// "Binary = " followed by the binary digits 10 units after it, in one piece.
void binaryLine(int x, int y, int32_t value, int digits, long colour, int size)
{
    const int w = text(x, y, QStringLiteral("Binary = "), colour, size);
    text(x + w + 10, y, numberToBinary(value, digits), colour, size);
}

struct FlagCellPlace {
    Panel flag;
    int x;
    int w;
};
constexpr FlagCellPlace kFlagCells[] = {
    {Panel::FlagN, 268, 20}, {Panel::FlagV, 288, 20}, {Panel::FlagB, 328, 20}, {Panel::FlagD, 348, 20},
    {Panel::FlagI, 368, 20}, {Panel::FlagZ, 388, 20}, {Panel::FlagC, 408, 23},
};

void flagCell(Panel flag, const QString& t)
{
    for (const FlagCellPlace& p : kFlagCells)
        if (p.flag == flag) {
            // A cell sits inside the value strip: filled and outlined, with no
            // shadow to fall across its neighbour.
            boxOrLine(0, p.x, 136, 0, p.w, 18, colour::Magenta, QStringLiteral("BF"));
            boxOrLine(0, p.x, 136, 0, p.w, 18, colour::Purple, QStringLiteral("B"));
            text(p.x + 5, 137, t, colour::Cyan, 8, true);
        }
}

// Register panels of the index registers: box, title, value, decimal, binary.
void indexPanel(const QString& reg, int top, long fill, long ink, const QString& title)
{
    const int32_t v = hexToNumber(reg);
    filledBox(30, top, 180, 55, fill, ink);
    text(40, top + 3, title, ink, 8);
    text(80, top + 14, (QStringLiteral("00") + reg).right(2) + QLatin1Char('h'), ink, 10, true);
    text(40, top + 30, QStringLiteral("Decimal = ") + decimalText(v), ink, 8);
    binaryLine(40, top + 40, v, 8, ink, 8);
}

}  // namespace

PanelFrame::PanelFrame(PictureBox* picture, int textOffset, float drawingScale)
    : picture_(suite().currentPicture), offset_(suite().textOffset), scale_(suite().drawingScale)
{
    suite().currentPicture = picture;
    suite().textOffset = textOffset;
    suite().drawingScale = drawingScale;
}

PanelFrame::~PanelFrame()
{
    suite().currentPicture = picture_;
    suite().textOffset = offset_;
    suite().drawingScale = scale_;
}

void drawFlagCell(CpuState& s, Panel flag) { flagCell(flag, QString::number(s.flag(flag))); }

void setFlagCell(CpuState& s, Panel flag, const QString& t)
{
    s.flag(flag) = t == QLatin1String("1") ? 1 : 0;
    flagCell(flag, t);
}

void drawProgramCounterPanel(CpuState& s)
{
    filledBox(260, 30, 180, 55, colour::Red, colour::Purple);
    text(270, 33, QStringLiteral("Program Counter."), colour::White, 8);
    text(310, 44, padHex(numberToHex(s.programCounter), 4) + QLatin1Char('h'), colour::White, 10, true);
    text(263, 60, QStringLiteral("Decimal = ") + decimalText(s.programCounter), colour::White, 7);
    binaryLine(263, 70, s.programCounter, 16, colour::White, 7);
}

void drawMemoryPanel(CpuState& s)
{
    filledBox(505, 10, 110, 283, colour::Blue, colour::Navy);
    line(565, 50, 0, 240, colour::Navy);
    for (int y = 50; y <= 281; y += 11)
        line(505, y, 105, 0, colour::Navy);
    text(515, 12, QStringLiteral("Random Access"), colour::White, 8);
    text(533, 22, QStringLiteral("Memory."), colour::White, 8);
    text(510, 36, QStringLiteral("Address."), colour::White, 8);
    printFitted(565, 36, QStringLiteral("Content."), colour::White, 8, 0, 615 - 565 - 3);
    const int64_t ea = s.effectiveAddress;
    const int64_t first = ea - (ea < 16 ? ea : 10);
    for (int row = 0; row < 22; ++row) {
        const int y = 50 + 11 * row;
        const int64_t a = first + row;
        const long colour = a == ea ? colour::Yellow : colour::Cyan;
        text(520, y, padHex(numberToHex(a), 4), colour, 8);
        if (s.inRange(a))
            text(570, y, (QStringLiteral("00") + s.trimCell(a)).right(2) + QLatin1Char('h'), colour, 8);
    }
}

void drawAccumulatorPanel(CpuState& s)
{
    settleAccumulator(s);
    drawFlagCell(s, Panel::FlagC);
    drawFlagCell(s, Panel::FlagZ);
    filledBox(30, 23, 180, 55, colour::Yellow, colour::Maroon);
    const int32_t v = hexToNumber(s.a);
    text(40, 26, QStringLiteral("Accumulator."), colour::Maroon, 8);
    text(80, 37, s.a + QLatin1Char('h'), colour::Maroon, 10, true);
    text(40, 53, QStringLiteral("Decimal = ") + decimalText(v), colour::Maroon, 8);
    binaryLine(40, 63, v, 8, colour::Maroon, 8);
    drawFlagCell(s, Panel::FlagV);
    drawFlagCell(s, Panel::FlagN);
}

void drawXRegisterPanel(CpuState& s)
{
    settleX(s);
    indexPanel(s.x, 82, colour::Cyan, colour::Red, QStringLiteral("X Index Register."));
    drawFlagCell(s, Panel::FlagZ);
    drawFlagCell(s, Panel::FlagN);
}

void drawYRegisterPanel(CpuState& s)
{
    settleY(s);
    indexPanel(s.y, 141, colour::Lime, colour::Green, QStringLiteral("Y Index Register."));
    drawFlagCell(s, Panel::FlagZ);
    drawFlagCell(s, Panel::FlagN);
}

void drawStackPointerPanel(CpuState& s)
{
    const QString sp = (QStringLiteral("00") + numberToHex(s.stackPointer - 1)).right(2);
    const int32_t v = hexToNumber(sp);
    filledBox(463, 3, 160, 55, colour::White, colour::Navy);
    text(473, 6, QStringLiteral("Stack Pointer."), colour::Navy, 8);
    text(513, 17, sp + QLatin1Char('h'), colour::Navy, 10, true);
    text(473, 33, QStringLiteral("Decimal = ") + decimalText(v), colour::Navy, 8);
    text(473, 43, QStringLiteral("Binary = ") + numberToBinary(v, 8), colour::Navy, 8);
}

void drawStackPanel(CpuState& s)
{
    drawStackPointerPanel(s);
    filledBox(505, 110, 110, 172, colour::Red, colour::Maroon);
    line(565, 150, 0, 130, colour::Maroon);
    for (int y = 150; y <= 271; y += 11)
        line(505, y, 110, 0, colour::Maroon);
    text(520, 112, QStringLiteral("Microprocessor"), colour::White, 8);
    text(548, 124, QStringLiteral("Stack."), colour::White, 8);
    text(510, 136, QStringLiteral("Address."), colour::White, 8);
    printFitted(565, 136, QStringLiteral("Content."), colour::White, 8, 0, 615 - 565 - 3);
    for (int k = -3; k <= 8; ++k) {
        const int y = 150 + 11 * (k + 3);
        const int64_t a = int64_t(s.stackPointer) + k;
        const long colour = k == 0 ? colour::Yellow : colour::Cyan;
        text(520, y, padHex(numberToHex(a), 4), colour, 8);
        if (s.inRange(a))
            text(570, y, (QStringLiteral("00") + s.trimCell(a)).right(2) + QLatin1Char('h'), colour, 8);
    }
}

void drawStatusRegisterPanel(CpuState& s)
{
    filledBox(260, 100, 180, 60, colour::Magenta, colour::Purple);
    text(270, 102, QStringLiteral("Status Register."), colour::Purple, 8);
    for (int top : {116, 136}) {
        filledBox(268, top, 163, 18, colour::Magenta, colour::Purple);
        for (int x = 288; x <= 408; x += 20)
            line(x, top, 0, 18, colour::Purple);
    }
    static const char* const letters[8] = {"N", "V", "_", "B", "D", "I", "Z", "C"};
    static const int xs[8] = {272, 292, 312, 332, 352, 376, 392, 413};
    for (int i = 0; i < 8; ++i)
        text(xs[i], 117, QLatin1String(letters[i]), colour::Yellow, 8, true);
    text(313, 137, QStringLiteral("0"), colour::Purple, 8, true);
    for (const FlagCellPlace& p : kFlagCells)
        drawFlagCell(s, p.flag);
}

void drawAllRegisters(CpuState& s)
{
    suite().textOffset = 30;
    drawXRegisterPanel(s);
    drawYRegisterPanel(s);
    drawAccumulatorPanel(s);
    drawStatusRegisterPanel(s);
    drawProgramCounterPanel(s);
}

void drawPanel(CpuState& s, Panel p)
{
    switch (p) {
    case Panel::ProgramCounter: drawProgramCounterPanel(s); break;
    case Panel::Memory: drawMemoryPanel(s); break;
    case Panel::Accumulator: drawAccumulatorPanel(s); break;
    case Panel::XRegister: drawXRegisterPanel(s); break;
    case Panel::YRegister: drawYRegisterPanel(s); break;
    case Panel::StackPointer: drawStackPointerPanel(s); break;
    case Panel::Stack: drawStackPanel(s); break;
    case Panel::Status: drawStatusRegisterPanel(s); break;
    case Panel::InterruptVector: drawInterruptVector(); break;
    default: drawFlagCell(s, p); break;
    }
}

void drawPanels(CpuState& s, const Redraws& panels)
{
    for (Panel p : panels)
        drawPanel(s, p);
}

void showWorkedExample(int row) { showStrip(workedExample(row)); }

void printTitleLines(const QString& title1, const QString& title2)
{
    // The box is 230 wide from x = 225: a line too long for it gets a smaller face.
    printFitted(230, 167, title1, colour::White, 8, 0, 455 - 230 - 3);
    printFitted(264, 177, title2, colour::White, 8, 0, 455 - 264 - 3);
}

void drawTableFrame()
{
    filledBox(30, 200, 420, 100, colour::Purple, colour::Yellow);
    line(30, 215, 420, 0, colour::Yellow);
    printFitted(40, 202, QStringLiteral("Mnemonic     OP Code (Byte 1)      Byte 2.      Byte 3.       Address Mode"),
                colour::Yellow, 8, 0, 450 - 40 - 4);
}

void highlightTableRow(int row)
{
    // The bar is drawn inverted over the row so that its text stays readable.
    if (PictureBox* pic = suite().currentPicture) {
        pic->drawMode = DrawMode::NotXorPen;
        boxOrLine(0, 32, 208 + 10 * row, 0, 417, 10, colour::Magenta, QStringLiteral("BF"));
        pic->drawMode = DrawMode::Copy;
    }
}

void showStrip(const QString& t)
{
    boxOrLine(0, 5, 305, -1, 640, 334, colour::White, QStringLiteral("BF"));
    if (!t.isEmpty())
        text(6, 305, t, colour::Navy, 8);
}

void drawInterruptVector()
{
    filledBox(475, 283, 110, 33, colour::Olive, colour::Navy);
    text(480, 286, QStringLiteral("Interrupt Addr."), colour::White, 8);
    printFitted(480, 300, QStringLiteral("FFFE = 40h  FFFF = 1Fh"), colour::Yellow, 8, 0, 100);
}

void replaceMemoryByStack(CpuState& s)
{
    // The memory panel's place (with its shadow) is cleared first.
    boxOrLine(0, 503, 10, 0, 117, 287, colour::White, QStringLiteral("BF"));
    drawStackPanel(s);
}

void PanelView::show(CpuState& s, Panel p)
{
    if (stack_ && p == Panel::Memory) {
        settle(s, p);
        replaceMemoryByStack(s);
        if (vector_)
            drawInterruptVector();
    } else {
        drawPanel(s, p);
    }
}

void PanelView::setFlagCell(CpuState& s, Panel flag, const QString& t) { micro::setFlagCell(s, flag, t); }

int showAddressingModeTable(CpuState& s, TopicForm& window, const QString& title1, const QString& title2,
                            const std::array<QString, 8>& opCodes, const QString& strip, bool memoryPanel)
{
    if (memoryPanel)
        drawMemoryPanel(s);
    filledBox(225, 165, 230, 25, colour::Black, colour::White);
    printTitleLines(title1, title2);

    const ModeTable table = buildModeTable(title1, opCodes);
    drawTableFrame();
    for (int i = 0; i < 8; ++i) {
        const ModeRow& r = table[size_t(i)];
        const int y = 217 + 10 * i;
        text(40, y, r.mnemonic, colour::Yellow, 8);
        text(70, y, r.operandForm, colour::Yellow, 8);
        text(150, y, r.opCode, colour::Yellow, 8);
        text(235, y, r.byte2, colour::Yellow, 8);
        text(295, y, r.byte3, colour::Yellow, 8);
        text(370, y, r.modeName, colour::Yellow, 8);
    }

    s.selectedRow = selectAvailableRow(table, s.selectedRow);
    const int row = s.selectedRow;
    if (strip.isNull())
        showWorkedExample(row);
    else
        showStrip(strip);
    highlightTableRow(row);

    std::array<QString, 3> captions;
    for (int i = 0; i < 3 && i < int(window.SelectButton.size()); ++i)
        captions[size_t(i)] = window.SelectButton[size_t(i)]->caption();
    selectorCaptions(title1.left(3), row, table[size_t(row - 1)].operandForm, captions);
    configureSelectors(s, window, captions);
    return row;
}

void configureSelectors(CpuState& s, TopicForm& window, const std::array<QString, 3>& captions)
{
    int count = 0;
    for (int i = 0; i < 3 && i < int(window.SelectButton.size()); ++i) {
        window.SelectButton[size_t(i)]->setCaption(captions[size_t(i)]);
        if (!captions[size_t(i)].isEmpty())
            ++count;
    }
    s.selectorCount = int16_t(count - 1);

    // Selectors with captions are shown side by side, the triggers after them;
    // the selectors beyond the three configurable ones keep their captions.
    constexpr int kPairWidth = 112, kTriggerWidth = 100, kPanelHeight = 64;
    int x = 6;
    for (size_t i = 0; i < window.SelectButton.size(); ++i) {
        const bool on = !window.SelectButton[i]->caption().isEmpty();
        window.SelectButton[i]->setShown(on);
        window.InputLabel[i]->setVisible(on);
        if (on) {
            window.SelectButton[i]->move(x, 6);
            window.InputLabel[i]->move(x, 34);
            x += kPairWidth;
        }
    }
    int visibleTriggers = 0;
    for (CommandButton* b : window.Trigger)
        if (!b->isHidden()) {
            b->move(x + (visibleTriggers / 2) * kTriggerWidth, 6 + (visibleTriggers % 2) * 28);
            ++visibleTriggers;
        }
    x += ((visibleTriggers + 1) / 2) * kTriggerWidth;
    window.Panel3D1->resize(std::max(60, x), kPanelHeight);
    suite().selectorCount = 0;
    windowLayout();
}

int rowAtPress(double x, double y, double scale)
{
    if (x < 32 || x > 456 || y < 217 * scale || y > 297 * scale)
        return 0;
    const double d = y / scale;
    for (int i = 1; i <= 8; ++i)
        if (d >= 217 + 10 * (i - 1) && d <= 226 + 10 * (i - 1))
            return i;
    return 0;
}

}  // namespace orr::micro
