// CombinationalLogic: eight combinational circuits over the circuit model.
#include "topics/logic/combinational_logic.h"

#include <algorithm>
#include <cmath>

#include "draw/primitives.h"
#include "draw/symbols.h"
#include "topics/logic/circuit_theory.h"
#include "topics/logic/combinational_model.h"
#include "values/formatters.h"
#include "values/limit_value.h"

namespace orr {

namespace {

using namespace logic;

const char* const kCaptions[] = {
    "Half Adder.", "Full Adder.", "Parallel Adder.", "2-4 Line Binary Decoder.", "Decimal to BCD Encoder.",
    "Binary Multiplexer.", "Data Masking.", "Adding a Data Parity Bit.",
};

QString bit(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }

void drawCaption(int e) { label(0, 4, QLatin1String(kCaptions[e]), colour::Title, 11, true); }

void note(int x, int y, const QString& text) { label(x, y, text, colour::Grey, 7); }

// "A = 1" when a press will set the input to 1.
QString nextValueCaption(const char* name, bool now)
{
    return QLatin1String(name) + (now ? QStringLiteral(" = 0") : QStringLiteral(" = 1"));
}

// An input: its name, its level box and a wire from the box to endX.
void inputLine(LevelLog& levels, const QString& name, int y, int endX, bool value)
{
    label(2, y - 6, name);
    levels.show(name, 32, y, colour::InputLevel, value);
    wire(43, y, endX - 43, 0);
}

}  // namespace

CombinationalLogic::CombinationalLogic() : TopicForm(QStringLiteral("CombinationalLogic"), 2, 3)
{
    title = QStringLiteral("COMBINATIONAL LOGIC");
    setTopicId(82);
    setDrawingFrame(50, 1.28f);
}

void CombinationalLogic::setDefaults()
{
    A = true;
    B = false;
    C = false;
    firstNumber = 1101;
    secondNumber = 1100;
    decimalDigit = 6;
    dataByte = 10011011;
    maskByte = 11001111;
}

void CombinationalLogic::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void CombinationalLogic::configureExample(int e)
{
    switch (e) {
    case 0: case 3: case 5: triggerSetup(true, true, false); break;
    case 1: triggerSetup(true, true, true); break;
    default: triggerSetup(false, false, false); break;
    }
    setTriggerCaptions(e);
    const QString byteData = QStringLiteral("1 Byte Data");
    switch (e) {
    case 2:
        SelectButton[0]->setCaption(QStringLiteral("1st Binary No."));
        SelectButton[1]->setCaption(QStringLiteral("2nd Binary No."));
        setLabelQuietly(0, FormatBinary(int32_t(firstNumber)));
        setLabelQuietly(1, FormatBinary(int32_t(secondNumber)));
        suite().selectorCount = 1;
        break;
    case 4:
        SelectButton[0]->setCaption(QStringLiteral("No. 0 - 9"));
        setLabelQuietly(0, FormatDecimal(float(decimalDigit), false));
        suite().selectorCount = 0;
        break;
    case 5: case 7:
        SelectButton[0]->setCaption(byteData);
        setLabelQuietly(0, FormatBinary(int32_t(dataByte)));
        suite().selectorCount = 0;
        break;
    case 6:
        SelectButton[0]->setCaption(byteData);
        SelectButton[1]->setCaption(QStringLiteral("1 Byte Mask"));
        setLabelQuietly(0, FormatBinary(int32_t(dataByte)));
        setLabelQuietly(1, FormatBinary(int32_t(maskByte)));
        suite().selectorCount = 1;
        break;
    default: suite().selectorCount = -1; break;
    }
}

void CombinationalLogic::setTriggerCaptions(int e)
{
    if (e == 5) {
        Trigger[0]->setCaption(QStringLiteral("A0"));
        Trigger[1]->setCaption(QStringLiteral("A1"));
    } else if (e == 3) {
        Trigger[0]->setCaption(nextValueCaption("A0", A));
        Trigger[1]->setCaption(nextValueCaption("A1", B));
    } else {
        Trigger[0]->setCaption(nextValueCaption("A", A));
        Trigger[1]->setCaption(nextValueCaption("B", B));
    }
    Trigger[2]->setCaption(nextValueCaption("Carry in", C));
}

void CombinationalLogic::Trigger_Click(int index)
{
    if (index == 0)
        A = !A;
    else if (index == 1)
        B = !B;
    else if (index == 2)
        C = !C;
    else
        return;
    setTriggerCaptions(example());
    results();
}

QString CombinationalLogic::quantityTypeFor(int e, int) const
{
    return e == 4 ? QStringLiteral("Positive Integer No.") : QStringLiteral("Binary No.");
}

void CombinationalLogic::takeValue(int e, int index, double value)
{
    if (e == 4) {
        decimalDigit = value;
        LimitValue(decimalDigit, 9, -1);
        const double whole = std::floor(decimalDigit);
        if (whole != decimalDigit) {
            decimalDigit = whole;
            setLabelQuietly(index, FormatDecimal(float(whole), false));
        }
        return;
    }
    double* target = &dataByte;
    double limit = 11111111;
    if (e == 2) {
        target = index == 0 ? &firstNumber : &secondNumber;
        limit = 1111;
    } else if (e == 6 && index == 1) {
        target = &maskByte;
    } else if (e != 5 && e != 6 && e != 7) {
        return;
    }
    *target = value;
    LimitValue(*target, limit, -1);
    // A pasted digit above 1 is simulated as 1; the label shows the bits simulated.
    const double bits = binaryDigitsOnly(*target);
    if (bits != *target) {
        *target = bits;
        setLabelQuietly(index, FormatBinary(int32_t(bits)));
    }
}

void CombinationalLogic::drawExample(int e)
{
    levels_.clear();
    if (e < 0 || e > 7)
        return;
    drawCaption(e);
    switch (e) {
    case 0: drawHalfAdder(); break;
    case 1: drawFullAdder(); break;
    case 2: drawParallelAdder(); break;
    case 3: drawDecoder(); break;
    case 4: drawEncoder(); break;
    case 5: drawMultiplexer(); break;
    case 6: drawMasking(); break;
    case 7: drawParity(); break;
    default: break;
    }
}

void CombinationalLogic::theoryParagraphs(int e, std::array<QString, 4>& p) { combinationalTheory(e, p); }

// ---- the adders ----

void CombinationalLogic::drawHalfAdder()
{
    const HalfAdderOut h = halfAdder(A, B);
    constexpr int gx = 170, xorY = 80, andY = 160;
    DrawXorGate(gx, xorY);
    DrawAndGate(gx, andY);
    inputLine(levels_, QStringLiteral("A"), xorY + kGateInputUpper, gx - 30, A);
    inputLine(levels_, QStringLiteral("B"), xorY + kGateInputLower, gx - 30, B);
    junction(90, xorY + kGateInputUpper);
    wire(90, xorY + kGateInputUpper, 0, andY - xorY);
    wire(90, andY + kGateInputUpper, gx - 30 - 90, 0);
    junction(110, xorY + kGateInputLower);
    wire(110, xorY + kGateInputLower, 0, andY - xorY);
    wire(110, andY + kGateInputLower, gx - 30 - 110, 0);
    wire(gx + kGateOutputEnd, xorY, 35, 0);
    levels_.show(QStringLiteral("SUM"), gx + 135, xorY, colour::OutputLevel, h.sum);
    label(gx + 152, xorY - 6, QStringLiteral("SUM"), colour::Black, 8, true);
    wire(gx + kGateOutputEnd, andY, 35, 0);
    levels_.show(QStringLiteral("CARRY"), gx + 135, andY, colour::OutputLevel, h.carry);
    label(gx + 152, andY - 6, QStringLiteral("CARRY"), colour::Black, 8, true);
    note(gx - 10, xorY - 40, QStringLiteral("Exclusive OR gate gives the SUM."));
    note(gx - 10, andY + 30, QStringLiteral("AND gate gives the CARRY."));

    label(440, 30, QStringLiteral("Binary Addition Rules."), colour::Title, 8, true);
    const char* const rules[] = {"0 + 0 = 0", "0 + 1 = 1", "1 + 0 = 1", "1 + 1 = 0   carry 1"};
    for (int i = 0; i < 4; ++i)
        label(450, 46 + 13 * i, QLatin1String(rules[i]));
    drawTitledTable({440, 110, 44, 13}, QStringLiteral("Addition Table"), QStringLiteral("A-B-Sum-Carry"),
                    {QStringLiteral("0-0-0-0"), QStringLiteral("0-1-1-0"), QStringLiteral("1-0-1-0"),
                     QStringLiteral("1-1-0-1")},
                    (A ? 2 : 0) + (B ? 1 : 0));
}

void CombinationalLogic::drawFullAdder()
{
    const FullAdderOut f = fullAdder(A, B, C);
    // First half adder: XOR and AND on A and B; second: XOR and AND on its
    // sum and the carry in; the OR gate joins the two carries.
    constexpr int x1 = 110, xor1 = 75, and1 = 145, x2 = 280, xor2 = 88, and2 = 165, orX = 450, orY = 178;
    DrawXorGate(x1, xor1);
    DrawAndGate(x1, and1);
    DrawXorGate(x2, xor2);
    DrawAndGate(x2, and2);
    DrawOrGate(orX, orY);
    note(x1 - 25, 36, QStringLiteral("1st Half Adder."));
    note(x2 - 25, 48, QStringLiteral("2nd Half Adder."));

    inputLine(levels_, QStringLiteral("A"), xor1 + kGateInputUpper, x1 - 30, A);
    inputLine(levels_, QStringLiteral("B"), xor1 + kGateInputLower, x1 - 30, B);
    junction(60, xor1 + kGateInputUpper);
    wire(60, xor1 + kGateInputUpper, 0, and1 - xor1);
    wire(60, and1 + kGateInputUpper, x1 - 90, 0);
    junction(75, xor1 + kGateInputLower);
    wire(75, xor1 + kGateInputLower, 0, and1 - xor1);
    wire(75, and1 + kGateInputLower, x1 - 105, 0);

    // Carry in enters below and rises to the second half adder.
    constexpr int cinY = 235, cinX = 238;
    label(2, cinY - 18, QStringLiteral("Carry in"));
    levels_.show(QStringLiteral("Carry in"), 32, cinY, colour::InputLevel, C);
    wire(43, cinY, cinX - 43, 0);
    wire(cinX, cinY, 0, xor2 + kGateInputLower - cinY);
    wire(cinX, xor2 + kGateInputLower, x2 - 30 - cinX, 0);
    junction(cinX, and2 + kGateInputLower);
    wire(cinX, and2 + kGateInputLower, x2 - 30 - cinX, 0);

    // The first sum runs straight into the second exclusive OR, with a branch to the second AND.
    wire(x1 + kGateOutputEnd, xor1, x2 - 30 - x1 - kGateOutputEnd, 0);
    levels_.show(QStringLiteral("S1"), 256, xor1, colour::OutputLevel, f.sum1);
    junction(225, xor1);
    wire(225, xor1, 0, and2 + kGateInputUpper - xor1);
    wire(225, and2 + kGateInputUpper, x2 - 30 - 225, 0);

    // The first carry goes under the second half adder to the OR gate.
    constexpr int c1Y = 215;
    wire(x1 + kGateOutputEnd, and1, 8, 0);
    wire(x1 + kGateOutputEnd + 8, and1, 0, c1Y - and1);
    wire(x1 + kGateOutputEnd + 8, c1Y, 410 - x1 - kGateOutputEnd - 8, 0);
    wire(410, c1Y, 0, orY + kGateInputLower - c1Y);
    wire(410, orY + kGateInputLower, orX - 30 - 410, 0);
    levels_.show(QStringLiteral("C1"), 320, c1Y, colour::OutputLevel, f.carry1);

    wire(x2 + kGateOutputEnd, and2, orX - 30 - x2 - kGateOutputEnd, 0);
    levels_.show(QStringLiteral("C2"), 400, and2, colour::OutputLevel, f.carry2);

    wire(x2 + kGateOutputEnd, xor2, 22, 0);
    levels_.show(QStringLiteral("Sum"), x2 + 122, xor2, colour::OutputLevel, f.sum);
    label(x2 + 138, xor2 - 6, QStringLiteral("Sum"), colour::Black, 8, true);
    wire(orX + kGateOutputEnd, orY, 12, 0);
    levels_.show(QStringLiteral("Carry out"), orX + 112, orY, colour::OutputLevel, f.carryOut);
    label(orX + 128, orY - 6, QStringLiteral("Carry out"), colour::Black, 8, true);

    QStringList rows;
    for (int n = 0; n < 8; ++n) {
        const FullAdderOut r = fullAdder(n & 4, n & 2, n & 1);
        rows << QStringLiteral("%1-%2-%3-%4-%5").arg(bit(n & 4), bit(n & 2), bit(n & 1), bit(r.sum), bit(r.carryOut));
    }
    drawTitledTable({465, 16, 34, 11}, QStringLiteral("Full Adder Table"), QStringLiteral("A-B-Cin-Sum-Cout"), rows,
                    (A ? 4 : 0) + (B ? 2 : 0) + (C ? 1 : 0));
}

void CombinationalLogic::drawParallelAdder()
{
    const RippleAdd r = rippleAdd4(lastBits(firstNumber, 4), lastBits(secondNumber, 4));
    constexpr int top = 68, width = 75, height = 74, pitch = 105, left = 40;
    constexpr int carryY = top + 54;
    for (int col = 0; col < 4; ++col) {
        const int x = left + col * pitch;
        const QString n = QString::number(4 - col);
        block(x, top, width, 48, colour::Cyan, {QStringLiteral("Full"), QStringLiteral("Adder")});
        block(x, top + 47, width, height - 47, colour::Cyan, {});
        label(x + 3, top + 48, QStringLiteral("Cout"), colour::Black, 6);
        label(x + width - 20, top + 48, QStringLiteral("Cin"), colour::Black, 6);
        label(x + 27, top + height - 12, QStringLiteral("Sum"), colour::Black, 6);
        printCentred(x + width / 2, 20, QStringLiteral("D") + n, colour::Title, 8, 1);
        // The two input bits come from above.
        levels_.show(QStringLiteral("A") + n, x + 16, 40, colour::InputLevel, bitAt(r.a, col));
        levels_.show(QStringLiteral("B") + n, x + 54, 40, colour::InputLevel, bitAt(r.b, col));
        wire(x + 20, 47, 0, top - 47);
        wire(x + 58, 47, 0, top - 47);
        // The sum bit below the stage.
        wire(x + width / 2, top + height, 0, 12);
        levels_.show(QStringLiteral("S") + n, x + width / 2 - 4, top + height + 18, colour::OutputLevel,
                     bitAt(r.sum, col));
        // The carry into this stage, from the stage on its right (0 into the first).
        wire(x + width, carryY, pitch - width, 0);
        if (col < 3)
            levels_.show(QStringLiteral("C") + n, x + width + 11, carryY, colour::OutputLevel, bitAt(r.carryIn, col));
    }
    levels_.show(QStringLiteral("C1"), left + 3 * pitch + width + 20, carryY, colour::InputLevel, false);
    wire(left, carryY, -20, 0);
    levels_.show(QStringLiteral("Cout"), left - 30, carryY, colour::OutputLevel, r.carryOut);
    label(left + 3 * pitch - 10, 172, QStringLiteral("Least significant bits."), colour::Grey, 7);
    label(left - 30, 172, QStringLiteral("Most significant bits."), colour::Grey, 7);

    // The written column addition beside the blocks; the digits share one width.
    constexpr int rowsLeft = 470, digitsRight = 640;
    const auto row = [](int y, const QString& caption, const QString& digits, long colour) {
        label(rowsLeft, y, caption);
        int b = 1;
        printRightAligned(digitsRight, y - 1, digits, colour, 9, b);
    };
    row(30, QStringLiteral("1st Binary number."), r.a, colour::InputLevel);
    row(46, QStringLiteral("2nd Binary number."), r.b, colour::InputLevel);
    row(62, QStringLiteral("Carry digits."), r.carryRow(), colour::Maroon);
    wire(590, 78, 52, 0);
    row(84, QStringLiteral("Addition Result."), r.result(), colour::OutputLevel);
    if (r.carryOut)
        label(rowsLeft, 102, QStringLiteral("MSB added in result."), colour::Red, 8, true);

    label(40, 190, QStringLiteral("Binary Addition Rules."), colour::Title, 8, true);
    const char* const rules[] = {"0 + 0 = 0", "0 + 1 = 1", "1 + 0 = 1",
                                 "1 + 1 = 0 carry 1", "1 + 1 + 0 = 0 carry 1", "1 + 1 + 1 = 1 carry 1"};
    for (int i = 0; i < 6; ++i)
        label(50 + (i / 3) * 150, 206 + 13 * (i % 3), QLatin1String(rules[i]));
    note(400, 200, QStringLiteral("Only four least significant bits"));
    note(400, 212, QStringLiteral("are used as inputs in this example."));
}

// ---- decoder, encoder, multiplexer ----

void CombinationalLogic::drawDecoder()
{
    const auto lines = decoderOutputs(A, B);
    // Four AND gates 50 apart; A0 and its complement feed the upper inputs,
    // A1 and its complement the lower ones.
    constexpr int gx = 300, y0 = 90;
    for (int i = 0; i < 4; ++i)
        DrawAndGate(gx, y0 + 50 * i);
    constexpr int a0Y = y0 - 37, a1Y = y0 - 5;
    inputLine(levels_, QStringLiteral("A0"), a0Y, gx - 165, A);
    inputLine(levels_, QStringLiteral("A1"), a1Y, gx - 193, B);
    DrawNotGateSmall(gx - 138, a0Y);
    DrawNotGateSmall(gx - 166, a1Y);
    junction(gx - 194, a0Y);
    junction(gx - 214, a1Y);
    draw(gx - 93, a0Y, QStringLiteral("C2 R33 D24 R30 L30 D100 R30"));
    draw(gx - 121, a1Y, QStringLiteral("C2 r41 D17 R50 L50 D50 R50"));
    draw(gx - 194, a0Y, QStringLiteral("C4 D74 R164 L164 D100 R164"));
    draw(gx - 214, a1Y, QStringLiteral("C4 D117 R184 L184 D50 R184"));
    draw(gx + kGateOutputEnd, y0, QStringLiteral("C5 R100 BD50 L100 BD50 R100 BD50 L100"));
    levels_.show(QStringLiteral("/A0"), gx - 72, a0Y, colour::OutputLevel, !A);
    levels_.show(QStringLiteral("/A1"), gx - 105, a1Y, colour::OutputLevel, !B);
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i);
        levels_.show(QStringLiteral("Line ") + n, gx + kGateOutputEnd + 104, y0 + 50 * i, colour::OutputLevel,
                     lines[i]);
        label(gx + kGateOutputEnd + 120, y0 + 50 * i - 6, QStringLiteral("Line ") + n, colour::Black, 8, true);
    }
    label(160, 290,
          QStringLiteral("Selected line... Address = %1 %2").arg(bit(B), bit(A)), colour::Title, 9, true);
}

void CombinationalLogic::drawEncoder()
{
    const int digit = int(std::clamp(decimalDigit, 0.0, 9.0));
    const QString bcd = bcdOf(digit);
    constexpr int boxX = 200, boxY = 40, boxW = 120, boxH = 180;
    label(20, 24, QStringLiteral("Decimal Input."), colour::Title, 8, true);
    for (int i = 0; i < 10; ++i) {
        const int y = boxY + 12 + 17 * i;
        label(45, y - 6, QString::number(i));
        levels_.show(QStringLiteral("In ") + QString::number(i), 70, y, colour::InputLevel, i == digit);
        wire(81, y, boxX - 81, 0);
    }
    block(boxX, boxY, boxW, boxH, colour::Cyan,
          {QStringLiteral("Decimal"), QStringLiteral("to BCD"), QStringLiteral("Encoder")});
    label(400, 24, QStringLiteral("BCD Output"), colour::Title, 8, true);
    const char* const names[] = {"1's", "2's", "4's", "8's"};
    for (int i = 0; i < 4; ++i) {
        const int y = boxY + 35 + 37 * i;
        wire(boxX + boxW, y, 100, 0);
        levels_.show(QLatin1String(names[i]), boxX + boxW + 104, y, colour::OutputLevel, bitAt(bcd, 3 - i));
        label(boxX + boxW + 122, y - 6, QLatin1String(names[i]), colour::Black, 8, true);
    }
    label(20, 250, QStringLiteral("Decimal No 0 - 9."), colour::Title, 9, true);
    label(170, 250, QStringLiteral("= ") + QString::number(digit), colour::InputLevel, 9, true);
    label(300, 250, QStringLiteral("BCD equiv. ") + bcd, colour::OutputLevel, 9, true);
}

void CombinationalLogic::drawMultiplexer()
{
    const QString d = lastBits(dataByte, 4);
    const bool out = multiplex(d, A, B);
    constexpr int boxX = 250, boxY = 50;
    block(boxX, boxY, 100, 150, colour::Cyan, {QStringLiteral("4 to 1"), QStringLiteral("Multiplexer")});
    for (int i = 0; i < 4; ++i) {
        const int y = boxY + 22 + 35 * i;
        const QString n = QStringLiteral("D") + QString::number(i);
        label(40, y - 6, n);
        levels_.show(n, 70, y, colour::InputLevel, bitAt(d, 3 - i));
        wire(81, y, boxX - 81, 0);
    }
    // Address lines enter from below.
    const QString names[] = {QStringLiteral("A0"), QStringLiteral("A1")};
    const bool values[] = {A, B};
    for (int i = 0; i < 2; ++i) {
        const int x = boxX + 30 + 40 * i;
        wire(x, boxY + 150, 0, 45);
        levels_.show(names[i], x - 4, boxY + 210, colour::InputLevel, values[i]);
        label(x - 6, boxY + 220, names[i], colour::Black, 8, true);
    }
    draw(boxX + 100, boxY + 75, QStringLiteral("R90"));
    levels_.show(QStringLiteral("Data out."), boxX + 194, boxY + 75, colour::OutputLevel, out);
    label(boxX + 210, boxY + 69, QStringLiteral("Data out."), colour::Black, 8, true);
    label(boxX + 120, boxY + 95, QStringLiteral("= D") + QString::number(decoderLine(A, B)), colour::Title, 8);
    note(20, 285, QStringLiteral("Only least significant four of eight bits"));
    note(20, 297, QStringLiteral("are used in this example D3 - D0."));
}

// ---- masking and parity ----

void CombinationalLogic::drawMasking()
{
    const QString data = lastBits(dataByte, 8);
    const QString mask = lastBits(maskByte, 8);
    const QString out = maskBits(data, mask);
    printCentred(62, 22, QStringLiteral("Data Input"), colour::Title, 7, 1);
    printCentred(150, 22, QStringLiteral("Data Mask"), colour::Title, 7, 1);
    printCentred(265, 22, QStringLiteral("Selected Data Output"), colour::Title, 7, 1);
    for (int i = 0; i < 8; ++i) {
        const int y = 48 + 32 * i;
        const QString n = QStringLiteral("D") + QString::number(7 - i);
        label(20, y - 6, n, colour::Black, 8, true);
        DrawAndGateSmall(200, y);
        levels_.show(n + QStringLiteral(" data"), 70, y - 7, colour::InputLevel, bitAt(data, i));
        wire(81, y - 7, 104, 0);
        levels_.show(n + QStringLiteral(" mask"), 130, y + 7, colour::InputLevel, bitAt(mask, i));
        wire(141, y + 7, 44, 0);
        wire(200 + kSmallGateOutputEnd, y, 22, 0);
        levels_.show(n, 264, y, colour::OutputLevel, bitAt(out, i));
    }
    const auto row = [](int y, const QString& caption, const QString& digits, long colour) {
        label(360, y, caption);
        int b = 1;
        printRightAligned(620, y - 1, digits, colour, 10, b);
    };
    row(90, QStringLiteral("Data Input"), data, colour::InputLevel);
    row(110, QStringLiteral("Data Mask"), mask, colour::InputLevel);
    wire(535, 127, 87, 0);
    row(134, QStringLiteral("Selected Data Output"), out, colour::OutputLevel);
    note(360, 170, QStringLiteral("A 1 in the mask passes the data bit,"));
    note(360, 182, QStringLiteral("a 0 blocks it."));
}

void CombinationalLogic::drawParity()
{
    const QString d = lastBits(dataByte, 4);
    const bool even = evenParity(d);
    constexpr int g1 = 72, g2 = 152, gx = 150, g3x = 310, g3 = 112;
    const int ys[] = {g1 + kGateInputUpper, g1 + kGateInputLower, g2 + kGateInputUpper, g2 + kGateInputLower};
    for (int i = 0; i < 4; ++i)
        inputLine(levels_, QStringLiteral("D") + QString::number(3 - i), ys[i], gx - 30, bitAt(d, i));
    DrawXorGate(gx, g1);
    DrawXorGate(gx, g2);
    DrawXorGate(g3x, g3);
    wire(gx + kGateOutputEnd, g1, 16, 0);
    wire(gx + kGateOutputEnd + 16, g1, 0, g3 + kGateInputUpper - g1);
    wire(gx + kGateOutputEnd + 16, g3 + kGateInputUpper, g3x - 30 - gx - kGateOutputEnd - 16, 0);
    wire(gx + kGateOutputEnd, g2, 26, 0);
    wire(gx + kGateOutputEnd + 26, g2, 0, g3 + kGateInputLower - g2);
    wire(gx + kGateOutputEnd + 26, g3 + kGateInputLower, g3x - 30 - gx - kGateOutputEnd - 26, 0);
    levels_.show(QStringLiteral("D3 XOR D2"), gx + kGateOutputEnd + 2, g1, colour::OutputLevel,
                 bitAt(d, 0) != bitAt(d, 1));
    levels_.show(QStringLiteral("D1 XOR D0"), gx + kGateOutputEnd + 2, g2, colour::OutputLevel,
                 bitAt(d, 2) != bitAt(d, 3));
    // Even parity straight out; odd parity through an inverter.
    constexpr int outX = g3x + kGateOutputEnd;
    wire(outX, g3, 60, 0);
    levels_.show(QStringLiteral("Even"), outX + 64, g3, colour::OutputLevel, even);
    label(outX + 80, g3 - 6, QStringLiteral("Even Parity Added."), colour::Black, 8, true);
    junction(outX + 15, g3);
    wire(outX + 15, g3, 0, 50);
    wire(outX + 15, g3 + 50, 4, 0);
    DrawNotGateSmall(outX + 46, g3 + 50);
    levels_.show(QStringLiteral("Odd"), outX + 94, g3 + 50, colour::OutputLevel, !even);
    label(outX + 110, g3 + 44, QStringLiteral("Odd Parity Added."), colour::Black, 8, true);

    label(20, 215, QStringLiteral("Transmitted Data."), colour::Title, 9, true);
    const auto row = [&](int y, const QString& caption, bool parity) {
        label(40, y, caption);
        int b = 1;
        printAt(170, y - 1, d, colour::InputLevel, 10, b);
        b = 1;
        printAt(215, y - 1, QStringLiteral("(") + bit(parity) + QStringLiteral(")"), colour::OutputLevel, 10, b);
    };
    row(235, QStringLiteral("For Even Parity."), even);
    row(253, QStringLiteral("For Odd Parity."), !even);
    note(330, 235, QStringLiteral("Only least significant D3 - D0"));
    note(330, 247, QStringLiteral("are used in this example."));
}

namespace {
RegisterForm<CombinationalLogic> reg(QStringLiteral("CombinationalLogic"));
}

}  // namespace orr
