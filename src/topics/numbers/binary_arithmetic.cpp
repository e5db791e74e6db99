// BinaryArithmetic: the window, its values and the board layouts of the
// signed numbers, BCD and the column sums.
#include "topics/numbers/binary_arithmetic.h"

#include <cmath>

#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "topics/numbers/base_conversion.h"
#include "topics/numbers/binary_working.h"
#include "values/formatters.h"
#include "values/limit_value.h"

namespace orr {

using namespace colour;

namespace {

const QChar kDivide(0x00F7);
const QChar kTimes(0x00D7);

// A decimal value as the working shows it: up to fifteen significant digits.
QString decimalText(double v) { return numtext::general(v); }

// The addition rules beside a column sum; withThree adds the rule for three ones.
void drawAdditionRules(int x, int y, bool withThree)
{
    const int rows = withThree ? 5 : 4;
    boxOrLine(0, x - 8, y - 6, 0, 150, 24 + rows * 16, Grey, QStringLiteral("B"));
    printMeasured(x, y, QStringLiteral("Binary Addition Rules."), Navy, 9, true);
    const char* const rules[] = {"0 + 0 = 0", "0 + 1 = 1", "1 + 0 = 1", "1 + 1 = 0 carry 1", "1 + 1 + 1 = 1 carry 1"};
    for (int i = 0; i < rows; ++i)
        printMeasured(x + 6, y + 20 + i * 16, QLatin1String(rules[i]), Black, 9);
}

// A rule under a column of digits ending at right.
void sumRule(int right, int width, int y, bool twice)
{
    boxOrLine(0, right - width, y, 0, width, 0, Black, QString());
    if (twice)
        boxOrLine(0, right - width, y + 3, 0, width, 0, Black, QString());
}

// The repeated division and doubling of a magnitude, compactly, from (x, y).
void drawMagnitudeWorking(int x, int y, double magnitude, int fractionRows)
{
    printMeasured(x, y, QStringLiteral("Integer part: divide by 2."), Navy, 8, true);
    const numbers::DivisionWorking d = numbers::repeatedDivision(std::floor(magnitude), 12);
    y += 14;
    for (const numbers::DivisionRow& r : d.rows) {
        printDigitRow(x + 40, y, QString::number(r.dividend), Black, 8);
        printMeasured(x + 44, y, kDivide + QStringLiteral(" 2 = ") + QString::number(r.quotient), Black, 8);
        printMeasured(x + 130, y, QStringLiteral("r ") + QString::number(r.remainder), Red, 8, true);
        y += 11;
    }
    const numbers::DoublingWorking f = numbers::repeatedDoubling(magnitude, fractionRows);
    if (f.rows.empty())
        return;
    y += 5;
    printMeasured(x, y, QStringLiteral("Fraction: multiply by 2."), Navy, 8, true);
    y += 14;
    for (const numbers::DoublingRow& r : f.rows) {
        printMeasured(x, y, decimalText(r.fraction).left(9) + QLatin1Char(' ') + kTimes + QStringLiteral(" 2"), Black,
                      8);
        printMeasured(x + 130, y, QString::number(r.bit), Red, 8, true);
        y += 11;
    }
}

// A field of binary digits in a box, the digits right-aligned at right.
void boxedDigits(int right, int y, const QString& digits, long colour, int size, int& left)
{
    const int w = printDigitRow(right, y, digits, colour, size, true);
    left = right - w;
    boxOrLine(0, left - 5, y - 3, 0, w + 10, size + 10, Grey, QStringLiteral("B"));
}

}  // namespace

BinaryArithmetic::BinaryArithmetic() : TopicForm(QStringLiteral("BinaryArithmetic"), 2, 0)
{
    title = QStringLiteral("BINARY ARITHMETIC");
    setTopicId(90);
    setDrawingFrame(20, 1.28f);
}

QString BinaryArithmetic::exampleCaption(int e)
{
    static const char* const captions[] = {
        "Sign and Magnitude.", "Ones Complement Numbers.", "Twos Complement Numbers.", "Decimal to BCD.",
        "Binary Addition.",    "Binary Subtraction.",      "Floating Point Binary Numbers.",
    };
    return e >= 0 && e < 7 ? QLatin1String(captions[e]) : QString();
}

void BinaryArithmetic::setDefaults()
{
    decimalNumber = -56.125;
    signedInteger = -87;
    bcdInteger = 45679;
    integerA = 251;
    integerB = 37;
    mantissa = 233.678;
    exponent = 9;
}

void BinaryArithmetic::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void BinaryArithmetic::configureExample(int e)
{
    switch (e) {
    case 0:
    case 1:
        SelectButton[0]->setCaption(QStringLiteral("Decimal No."));
        setLabelQuietly(0, FormatDecimal(float(decimalNumber), false));
        suite().selectorCount = 0;
        break;
    case 2:
    case 3:
        SelectButton[0]->setCaption(QStringLiteral("Integer No."));
        setLabelQuietly(0, FormatDecimal(e == 2 ? signedInteger : bcdInteger, true));
        suite().selectorCount = 0;
        break;
    case 4:
    case 5:
        SelectButton[0]->setCaption(QStringLiteral("Integer No. A"));
        SelectButton[1]->setCaption(QStringLiteral("Integer No. B"));
        setLabelQuietly(0, FormatDecimal(integerA, true));
        setLabelQuietly(1, FormatDecimal(integerB, true));
        suite().selectorCount = 1;
        break;
    default:
        SelectButton[0]->setCaption(QStringLiteral("Mantissa"));
        SelectButton[1]->setCaption(QStringLiteral("Exponent"));
        setLabelQuietly(0, decimalText(mantissa));
        setLabelQuietly(1, FormatDecimal(exponent, true));
        suite().selectorCount = 1;
        break;
    }
}

QString BinaryArithmetic::quantityTypeFor(int e, int index) const
{
    switch (e) {
    case 0:
    case 1: return QStringLiteral("Decimal No.");
    case 2: return QStringLiteral("Integer No.");
    case 6: return index == 0 ? QStringLiteral("Decimal No.") : QStringLiteral("Integer No.");
    default: return QStringLiteral("Positive Integer No.");
    }
}

void BinaryArithmetic::takeValue(int e, int index, double value)
{
    if (!std::isfinite(value))
        value = 0;
    switch (e) {
    case 0:
    case 1: decimalNumber = value; break;
    case 2:
        signedInteger = float(std::trunc(value));
        LimitValue(signedInteger, 255, -1);
        break;
    case 3:
        bcdInteger = float(std::floor(std::fabs(value)));
        LimitValue(bcdInteger, 99999, -1);
        break;
    case 4:
    case 5: {
        float& v = index == 0 ? integerA : integerB;
        v = float(std::floor(std::fabs(value)));
        LimitValue(v, 1, 2);
        LimitValue(v, 1000, -1);
        break;
    }
    default:
        if (index == 0) {
            mantissa = value;
            LimitValue(mantissa, 2147483647.0, -1);
        } else {
            exponent = float(std::trunc(value));
            LimitValue(exponent, 12, -1);
        }
        break;
    }
}

void BinaryArithmetic::drawExample(int e)
{
    setCaption(title + QStringLiteral(":   ") + exampleCaption(e));
    switch (e) {
    case 0: drawSignAndMagnitude(false); break;
    case 1: drawSignAndMagnitude(true); break;
    case 2: drawTwosComplement(); break;
    case 3: drawBcd(); break;
    case 4: drawAddition(); break;
    case 5: drawSubtraction(); break;
    case 6: drawBinaryFloatingPoint(mantissa, int(exponent)); break;
    default: break;
    }
}

void BinaryArithmetic::theoryParagraphs(int e, std::array<QString, 4>& p) { binaryArithmeticTheory(e, p); }

// Examples 0 and 1: the sign bit and the magnitude in binary; the ones
// complement inverts the magnitude of a negative number.
void BinaryArithmetic::drawSignAndMagnitude(bool onesComplement)
{
    const numbers::SignMagnitude m = numbers::signAndMagnitude(decimalNumber);
    printCaptioned(0, 2, QStringLiteral("Decimal Value = "), decimalText(decimalNumber), 12, Red);
    printMeasured(0, 22,
                  m.negative ? QStringLiteral("(Negative Decimal Number)") : QStringLiteral("(Positive Decimal Number)"),
                  Navy, 9);
    if (m.tooLong) {
        printMeasured(0, 60, QStringLiteral("The integer part is too long to show in binary on this board."), Maroon,
                      9);
        return;
    }
    drawMagnitudeWorking(470, 2, std::fabs(decimalNumber), 12);

    printMeasured(0, 50, QStringLiteral("Integer part = ") + m.integerBits, Black, 11);
    const QString fraction = m.fractionBits.isEmpty() ? QStringLiteral("0") : m.fractionBits;
    printMeasured(0, 70, QStringLiteral("Fractional part = 0.") + fraction + (m.fractionCut ? QStringLiteral("...") : QString()),
                  Black, 11);

    // The two fields: the sign bit, then the magnitude with its binary point.
    const auto magnitudeText = [](const QString& integer, const QString& frac) {
        return frac.isEmpty() ? integer : integer + QLatin1Char('.') + frac;
    };
    constexpr int signX = 170, digitsRight = 440;
    const int rowA = 130;
    printMeasured(signX - 20, 100, QStringLiteral("Sign Bit"), Navy, 8, true);
    printMeasured(digitsRight - 80, 100, QStringLiteral("Magnitude"), Navy, 8, true);
    const int size = 13;
    int left = 0;
    const auto row = [&](int y, const QString& label, int sign, const QString& digits, long colour) {
        printMeasured(0, y + 3, label, Black, 9);
        boxedDigits(signX + 14, y, QString::number(sign), Red, size, left);
        boxedDigits(digitsRight, y, digits, colour, size, left);
    };
    row(rowA, onesComplement ? QStringLiteral("Sign and Magnitude") : QStringLiteral("Binary Equivalent ="), m.signBit,
        magnitudeText(m.integerBits, m.fractionBits), Blue);
    if (onesComplement) {
        row(rowA + 40, QStringLiteral("1's Complement"), m.signBit, magnitudeText(m.onesInteger, m.onesFraction), Red);
        printMeasured(0, rowA + 80,
                      m.negative ? QStringLiteral("Negative: every magnitude digit is inverted, the sign bit stays 1.")
                                 : QStringLiteral("Positive: the number is shown unchanged."),
                      Navy, 9);
    }
    const int resultY = onesComplement ? rowA + 110 : rowA + 50;
    const QString sign = QString::number(m.signBit);
    const QString digits = onesComplement ? magnitudeText(m.onesInteger, m.onesFraction)
                                          : magnitudeText(m.integerBits, m.fractionBits);
    printCaptioned(0, resultY, QStringLiteral("Binary Equivalent = "), sign + QLatin1Char(' ') + digits, 11, Red);
    if (m.fractionCut)
        printMeasured(0, resultY + 22, QStringLiteral("The fraction does not end in binary: twelve bits are shown."),
                      Grey, 8);
}

// Example 2: eight digits, inverted and one added for a negative number.
void BinaryArithmetic::drawTwosComplement()
{
    const int value = int(signedInteger);
    const numbers::TwosComplement t = numbers::twosComplement(value);
    printCaptioned(0, 2, QStringLiteral("Integer Number = "), FormatDecimal(signedInteger, true), 12, Red);
    printMeasured(0, 22,
                  t.negative ? QStringLiteral("(Negative Integer Number)") : QStringLiteral("(Positive Integer Number)"),
                  Navy, 9);
    drawAdditionRules(500, 6, false);

    constexpr int right = 400, size = 13;
    const int width = measuredWidth(QStringLiteral("00000000"), size);
    const int signX = right - width - 85;
    const auto row = [&](int y, const QString& label, const QString& sign, const QString& digits, long colour,
                         bool bold = false) {
        printMeasured(0, y + 3, label, Black, 9);
        if (!sign.isEmpty())
            printDigitRow(signX, y, sign, Red, size, true);
            printDigitRow(right, y, digits, colour, size, bold);
    };
    printMeasured(signX - 30, 42, QStringLiteral("Sign Bit"), Navy, 8, true);
    row(60, QStringLiteral("Binary String"), QString(), t.binary, Black);
    row(84, QStringLiteral("Sign and Magnitude"), QString::number(t.signBit), t.binary, Blue);
    int y = 108;
    if (t.negative) {
        row(y, QStringLiteral("1's Complement"), QString::number(t.signBit), t.ones, Blue);
        y += 24;
        printMeasured(0, y + 3, QStringLiteral("Ignore sign bit"), Grey, 9);
        printMeasured(right - width - 40, y + 3, QStringLiteral("Add 1"), Black, 9);
        printDigitRow(right, y, QStringLiteral("1"), Black, size);
        printDigitRow(right, y + 18, t.addOne.carries.right(8), Grey, 8);
        printMeasured(right + 10, y + 18, QStringLiteral("carries"), Grey, 7);
        sumRule(right, width + 6, y + 32, false);
        y += 40;
        row(y, QStringLiteral("2's Complement"), QString(), t.twos, Red, true);
        printMeasured(right + 14, y + 3, QStringLiteral("Sum of above two rows."), Navy, 8);
    } else {
        printMeasured(0, y + 3,
                      QStringLiteral("A positive number: its 1's and 2's complements are the number itself."), Navy, 9);
        y += 24;
        row(y, QStringLiteral("2's Complement"), QString(), t.twos, Red, true);
    }
    y += 30;
    row(y, QStringLiteral("Restore sign bit"), QString::number(t.signBit), QString(), Black);
    printMeasured(signX + 14, y + 3, QStringLiteral("<- Sign Bit"), Navy, 8);
    y += 36;
    sumRule(right, right - signX + 16, y - 8, true);
    row(y, QStringLiteral("2's Complement Number"), QString::number(t.signBit), t.twos, Red, true);
}

// Example 3: each decimal digit coded in four bits from the digit table.
void BinaryArithmetic::drawBcd()
{
    const numbers::BcdWorking w = numbers::bcd(std::llround(bcdInteger));
    printCaptioned(0, 2, QStringLiteral("Decimal Number = "), w.digits, 12, Red);
    printCaptioned(0, 24, QStringLiteral("Binary Equivalent = "), w.binary, 10, Blue, false);
    printMeasured(0, 44, QStringLiteral("Pure binary codes the whole number; BCD codes each digit on its own."), Grey,
                  8);

    static const char* const places[] = {"(10000's)", "(1000's)", "(100's)", "(10's)", "(1's)"};
    const int n = int(w.digits.size());
    constexpr int pitch = 88, x0 = 10;
    for (int i = 0; i < n; ++i) {
        const int cx = x0 + (5 - n + i) * pitch + 36;
        printCentred(cx, 70, QLatin1String(places[5 - n + i]), Navy, 8, 1);
        printCentred(cx, 90, w.digits.mid(i, 1), Red, 16, 1);
        boxOrLine(0, cx, 116, 0, 0, 14, Grey, QString());
        arrowheadDown(cx, 130, Grey, 5);
        printCentred(cx, 136, w.groups[i], Blue, 12, 1);
    }
    printCaptioned(0, 176, QStringLiteral("BCD coded = "), w.coded(), 12, Red);
    printMeasured(0, 204, QStringLiteral("Binary for each decimal digit 0 - 9 found from table."), Navy, 9);

    // The digit table; the digits the number uses stand out.
    constexpr int tx = 520, ty = 4, rowPitch = 16;
    boxOrLine(0, tx - 8, ty - 4, 0, 120, 22 + 16 * rowPitch, Grey, QStringLiteral("B"));
    printMeasured(tx, ty, QStringLiteral("Dec"), Navy, 8, true);
    printMeasured(tx + 50, ty, QStringLiteral("Binary"), Navy, 8, true);
    boxOrLine(0, tx - 8, ty + 15, 0, 120, 0, Grey, QString());
    for (int i = 0; i < 16; ++i) {
        const QString bits = numbers::digitTable()[i].mid(1);
        const long c = i >= 10 ? Grey : w.digits.contains(QChar(u'0' + i)) ? Red : Black;
        const int y = ty + 20 + i * rowPitch;
        printDigitRow(tx + 22, y, QString::number(i), c, 9);
        printMeasured(tx + 50, y, bits, c, 9, i < 10 && c == Red);
    }
    printMeasured(tx - 130, ty + 20 + 11 * rowPitch, QStringLiteral("Decimal 10 - 15 are"), Grey, 8);
    printMeasured(tx - 130, ty + 32 + 11 * rowPitch, QStringLiteral("redundant states."), Grey, 8);
}

// Example 4: column addition with the carry row.
void BinaryArithmetic::drawAddition()
{
    const numbers::BinaryAddition w = numbers::binaryAddition(std::llround(integerA), std::llround(integerB));
    const QString a = QString::number(w.a), b = QString::number(w.b);
    printCaptioned(0, 2, QStringLiteral("Decimal Addition   "), a + QStringLiteral(" + ") + b, 12, Red);
    printMeasured(0, 26, QStringLiteral("Binary ") + w.sum.a + QStringLiteral(" (") + a + QLatin1Char(')'), Blue, 9);
    printMeasured(0, 42, QStringLiteral("Binary ") + w.sum.b + QStringLiteral(" (") + b + QLatin1Char(')'), Blue, 9);
    drawAdditionRules(500, 6, true);

    constexpr int right = 420, size = 13;
    const int width = printDigitRow(right, 76, w.sum.a, Black, size);
    printMeasured(0, 79, QStringLiteral("1st Binary number."), Black, 9);
    printMeasured(0, 103, QStringLiteral("2nd Binary number."), Black, 9);
    printDigitRow(right, 100, w.sum.b, Black, size);
    printMeasured(right - width - 40, 100, QStringLiteral("+"), Black, size, true);
    printMeasured(0, 127, QStringLiteral("Carry digits."), Grey, 9);
    printDigitRow(right, 126, w.sum.carries, Maroon, 10);
    const int sumWidth = printDigitRow(right, 156, w.sum.sum, Red, size, true);
    sumRule(right, sumWidth + 8, 148, false);
    sumRule(right, sumWidth + 8, 178, true);
    printMeasured(0, 159, QStringLiteral("Addition Result."), Black, 9, true);
    if (w.sum.carryOut)
        printMeasured(right + 12, 159, QStringLiteral("The last carry is a new leftmost digit."), Navy, 8);
    printCaptioned(0, 200, QStringLiteral("Decimal Check"),
                   a + QStringLiteral(" + ") + b + QStringLiteral(" = ") + QString::number(w.total()), 11, Red);
}

// Example 5: subtraction by adding the twos complement of B.
void BinaryArithmetic::drawSubtraction()
{
    const numbers::BinarySubtraction w = numbers::binarySubtraction(std::llround(integerA), std::llround(integerB));
    const QString a = QString::number(w.a), b = QString::number(w.b);
    printCaptioned(0, 2, QStringLiteral("Decimal Subtraction  "), a + QStringLiteral(" - ") + b, 12, Red);
    printMeasured(0, 26, QStringLiteral("Binary ") + w.aBits + QStringLiteral(" (") + a + QLatin1Char(')'), Blue, 9);
    printMeasured(0, 42, QStringLiteral("Binary ") + w.bBits + QStringLiteral(" (") + b + QLatin1Char(')'), Blue, 9);

    // The twos complement of B, worked on the right.
    constexpr int cr = 670, cs = 11;
    printMeasured(470, 4, QStringLiteral("2's Complement.   of ") + b, Navy, 9, true);
    printMeasured(470, 24, QStringLiteral("B"), Black, 9);
    printDigitRow(cr, 22, w.bBits, Black, cs);
    printMeasured(470, 42, QStringLiteral("Invert"), Black, 9);
    printDigitRow(cr, 40, w.bOnes, Blue, cs);
    printMeasured(470, 60, QStringLiteral("Add 1"), Black, 9);
    printDigitRow(cr, 58, QStringLiteral("1"), Black, cs);
    const int tw = printDigitRow(cr, 82, w.bTwos, Red, cs, true);
    sumRule(cr, tw + 6, 76, false);
    printMeasured(470, 86, QStringLiteral("2's Complement."), Black, 8);

    constexpr int right = 420, size = 13;
    const int width = printDigitRow(right, 100, w.aBits, Black, size);
    printMeasured(0, 103, QStringLiteral("1st Binary number."), Black, 9);
    printMeasured(0, 127, QStringLiteral("Add 2's Complement."), Black, 9);
    printDigitRow(right, 124, w.bTwos, Red, size);
    printMeasured(right - width - 40, 124, QStringLiteral("+"), Black, size, true);
    printMeasured(0, 151, QStringLiteral("Carry digits."), Grey, 9);
    printDigitRow(right, 150, w.sum.carries, Maroon, 10);
    const int sumWidth = printDigitRow(right, 180, w.sum.sum, Black, size);
    sumRule(right, sumWidth + 8, 172, false);
    printMeasured(0, 183, QStringLiteral("Addition Result."), Black, 9, true);
    if (w.discardCarry) {
        printMeasured(right + 12, 183, QStringLiteral("Discard carry bit."), Maroon, 9, true);
        // The carry out struck through.
        boxOrLine(0, right - sumWidth - 2, 189, 0, sumWidth - measuredWidth(w.difference, size) + 2,
                  0, Maroon, QString());
        const int dw = printDigitRow(right, 212, w.difference, Red, size, true);
        sumRule(right, dw + 8, 234, true);
        printMeasured(0, 215, QStringLiteral("Binary.  "), Black, 9, true);
        printMeasured(right + 12, 215, QStringLiteral("(") + QString::number(numbers::bitsValue(w.difference)) +
                                           QLatin1Char(')'),
                      Blue, 9);
    } else {
        printMeasured(right + 12, 183, QStringLiteral("No carry out: the answer is negative."), Maroon, 8, true);
        printMeasured(0, 215, QStringLiteral("2's complement of the result gives its size:"), Black, 9);
        printDigitRow(right, 232, w.magnitude, Red, size, true);
        printMeasured(right + 12, 235, QStringLiteral("(-") + QString::number(numbers::bitsValue(w.magnitude)) +
                                           QLatin1Char(')'),
                      Blue, 9);
    }
    printCaptioned(0, 262, QStringLiteral("Decimal Check"),
                   a + QStringLiteral(" - ") + b + QStringLiteral(" = ") + FormatDecimal(float(w.total()), true), 11,
                   Red);
}

namespace {
RegisterForm<BinaryArithmetic> reg(QStringLiteral("BinaryArithmetic"));
}  // namespace

}  // namespace orr
