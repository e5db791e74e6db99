// BinaryNumbers: the eight conversion examples and their board layouts.
#include "topics/numbers/binary_numbers.h"

#include <QStringList>
#include <cmath>

#include "draw/palette.h"
#include "draw/primitives.h"
#include "topics/numbers/base_conversion.h"
#include "values/formatters.h"
#include "values/limit_value.h"
#include "values/value_entry.h"

namespace orr {

namespace {

const QChar kDivide(0x00F7);
const QChar kTimes(0x00D7);

// The lowest row the fractional working may start; below it the result lines.
constexpr int kFractionStop = 260;
constexpr int kRowPitch = 12;

// Prints text and returns its width.
int put(int x, int y, const QString& text, long colour, int size, bool bold = false)
{
    int w = bold ? 1 : 0;
    printAt(x, y, text, colour, size, w);
    return w;
}

// A caption in black followed by its value; returns where the value ends.
int captionValue(int x, int y, const QString& caption, const QString& value, int size,
                 long valueColour = colour::Maroon, bool valueBold = true, int valueSize = 0)
{
    const int w = put(x, y, caption, colour::Black, size);
    // A caption ending in "0." runs straight on into its digits.
    const int gap = caption.endsWith(QLatin1Char('.')) ? 0 : 5;
    return x + w + gap + put(x + w + gap, y, value, valueColour, valueSize ? valueSize : size, valueBold);
}

// A vertical arrow from y1 to y2 (pointing at y2).
void verticalArrow(int x, int y1, int y2, long colour)
{
    boxOrLine(0, x, y1, 0, 0, y2 - y1, colour, QString());
    if (y2 < y1)
        arrowheadUp(x, y2, colour, 7);
    else
        arrowheadDown(x, y2, colour, 7);
}

QString baseName(int base)
{
    return base == 2 ? QStringLiteral("Binary") : base == 8 ? QStringLiteral("Octal") : QStringLiteral("Hexadecimal");
}

// The weighted terms joined with " + ", broken into lines of at most width characters.
QStringList sumLines(const std::vector<numbers::WeightedDigit>& digits, int width)
{
    QStringList lines;
    QString line;
    for (size_t i = 0; i < digits.size(); ++i) {
        const QString term = digits[i].weightedText + (i + 1 < digits.size() ? QStringLiteral(" +") : QString());
        if (!line.isEmpty() && line.size() + 1 + term.size() > width) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + term;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

// A double as the working shows it: up to fifteen significant digits.
QString decimalText(double v) { return numtext::general(v); }

}  // namespace

BinaryNumbers::BinaryNumbers() : TopicForm(QStringLiteral("BinaryNumbers"), 1, 0)
{
    title = QStringLiteral("BINARY NUMBERS");
    setTopicId(89);
    setDrawingFrame(20, 1.28f);
}

QString BinaryNumbers::exampleCaption(int e)
{
    static const char* const captions[] = {
        "Simple Decimal To Binary.", "Simple Binary to Decimal.", "Decimal To Binary.",   "Binary to Decimal.",
        "Decimal to Octal.",         "Octal to Decimal.",         "Decimal to Hexadecimal.", "Hexadecimal to Decimal.",
    };
    return e >= 0 && e < 8 ? QLatin1String(captions[e]) : QString();
}

QString BinaryNumbers::inputCaption(int e) const
{
    static const char* const selectors[] = {
        "Integer <= 255", "Binary Value", "Decimal No.", "Binary No.",
        "Decimal No.",    "Octal No.",    "Decimal No.", "Hex No.",
    };
    return e >= 0 && e < 8 ? QLatin1String(selectors[e]) : QString();
}

void BinaryNumbers::setDefaults()
{
    smallInteger = 125;
    binaryInteger = QStringLiteral("11011011");
    decimalNumber = 25.479f;
    binaryFraction = 1101.101f;
    octalNumber = 127.521f;
    hexNumber = QStringLiteral("AA23.16");
}

void BinaryNumbers::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void BinaryNumbers::configureExample(int e)
{
    SelectButton[0]->setCaption(inputCaption(e));
    QString shown;
    switch (e) {
    case 0: shown = FormatDecimal(smallInteger, true); break;
    case 1: shown = FormatBinary(binaryInteger.toInt()); break;
    case 3: shown = FormatMixedBinary(numbers::plainText(binaryFraction)); break;
    case 5: shown = FormatOctal(octalNumber); break;
    case 7: shown = FormatHex(hexNumber); break;
    default: shown = FormatDecimal(decimalNumber, false); break;
    }
    setLabelQuietly(0, shown);
    suite().selectorCount = 0;
}

QString BinaryNumbers::quantityTypeFor(int e, int) const
{
    switch (e) {
    case 0: return QStringLiteral("Positive Integer No.");
    case 1: return QStringLiteral("Binary No.");
    case 3: return QStringLiteral("Mixed Binary No.");
    case 5: return QStringLiteral("Octal.");
    case 7: return QStringLiteral("Hexadecimal.");
    default: return QStringLiteral("Positive Decimal No.");
    }
}

void BinaryNumbers::takeValue(int e, int, double value)
{
    switch (e) {
    case 0:
        smallInteger = float(std::floor(value));
        LimitValue(smallInteger, 255, -1);
        break;
    case 1: {
        // The typed digits themselves: leading zeros count, the first eight are used.
        QString digits;
        for (QChar c : InputValueText())
            if (c == QLatin1Char('0') || c == QLatin1Char('1'))
                digits += c;
        binaryInteger = digits.isEmpty() ? QStringLiteral("0") : digits.left(8);
        // The label shows the number the picture works with, not the last
        // eight digits the dialog's formatting keeps.
        setLabelQuietly(0, FormatBinary(binaryInteger.toInt()));
        break;
    }
    case 3:
        // Held as a single: only about seven significant digits survive.
        binaryFraction = float(value);
        LimitValue(binaryFraction, 1e9, -1);
        setLabelQuietly(0, FormatMixedBinary(numbers::plainText(binaryFraction)));
        break;
    case 5:
        octalNumber = float(value);
        LimitValue(octalNumber, 1e6, -1);
        break;
    case 7: {
        const QString typed = InputValueText().trimmed();
        if (!typed.isEmpty())
            hexNumber = numbers::hexEntryText(typed);
        setLabelQuietly(0, FormatHex(hexNumber));
        break;
    }
    default:
        decimalNumber = float(value);
        LimitValue(decimalNumber, 1000, -1);
        break;
    }
}

void BinaryNumbers::drawExample(int e)
{
    setCaption(title + QStringLiteral(":   ") + exampleCaption(e));
    switch (e) {
    case 0: drawSimpleDecimalToBinary(); break;
    case 1: drawToDecimal(binaryInteger, 2, 8, -1, false, 8); break;
    case 2: drawDecimalToBinary(); break;
    case 3: drawToDecimal(numbers::plainText(binaryFraction), 2, 15, -1, false, 0); break;
    case 4: drawDecimalToGroups(3); break;
    case 5: drawToDecimal(numbers::plainText(octalNumber), 8, 15, -1, true, 0); break;
    case 6: drawDecimalToGroups(4); break;
    case 7: drawToDecimal(hexNumber, 16, 15, 3, true, 0); break;
    default: break;
    }
}

void BinaryNumbers::theoryParagraphs(int e, std::array<QString, 4>& p) { binaryNumbersTheory(e, p); }

// Example 0: short division by 2, one row per step, each quotient carried
// down by an arrow to become the next dividend.
void BinaryNumbers::drawSimpleDecimalToBinary()
{
    put(0, 2, QStringLiteral("Divide decimal No. by 2 and note remainder."), colour::Navy, 11, true);
    const numbers::DivisionWorking w = numbers::repeatedDivision(smallInteger);
    constexpr int top = 34, pitch = 35;
    const int rows = int(w.rows.size());
    for (int i = 0; i < rows; ++i) {
        const numbers::DivisionRow& r = w.rows[i];
        const int y = top + i * pitch;
        put(30, y, QStringLiteral("2"), colour::Navy, 12, true);
        // The short-division bracket: a bar down beside the dividend and a rule over it.
        boxOrLine(11, 50, y - 2, 0, 0, 17, colour::Navy, QString());
        boxOrLine(11, 50, y - 2, 0, 58, 0, colour::Navy, QString());
        int b = 0;
        printRightAligned(102, y, QString::number(r.dividend), colour::Black, 12, b);
        put(114, y, QStringLiteral("="), colour::Black, 12);
        put(136, y, QString::number(r.quotient), colour::Black, 12);
        put(200, y, QStringLiteral("Remainder"), colour::Grey, 11);
        put(294, y, QString::number(r.remainder), colour::Maroon, 13, true);
        if (i + 1 < rows) {
            // The quotient moves down to be divided again.
            const double x1 = 150, y1 = y + 17, x2 = 94, y2 = y + pitch - 4;
            boxOrLine(0, x1, y1, 0, x2 - x1, y2 - y1, colour::Green, QString());
            const double angle = std::atan2((y2 - y1) * 1.28, x1 - x2) * 180 / M_PI;
            rotatedArrowhead(x2, y2, angle - 22.5, colour::Green, 9);
        }
    }
    const int last = top + (rows - 1) * pitch;
    verticalArrow(325, last + 16, top - 2, colour::Maroon);

    const QString bits = w.bits.rightJustified(8, QLatin1Char('0'));
    put(345, 52, QStringLiteral("Read binary equivalent from bottom to top."), colour::Navy, 9);
    captionValue(345, 80, QStringLiteral("Binary Equivalent = "), bits, 11, colour::Maroon, true, 14);

    // The eight places with their weights, and the sum of the weights of the ones as a check.
    put(345, 126, QStringLiteral("Place values:"), colour::Black, 9);
    QStringList terms;
    for (int i = 0; i < 8; ++i) {
        const int x = 345 + i * 40;
        const int weight = 1 << (7 - i);
        printCentred(x + 17, 144, QString::number(weight), colour::Navy, 9, 0);
        boxOrLine(0, x + 4, 160, 0, 26, 18, colour::Black, QStringLiteral("B"));
        const bool one = bits.at(i) == QLatin1Char('1');
        printCentred(x + 17, 162, bits.mid(i, 1), one ? colour::Maroon : colour::Grey, 12, 1);
        if (one)
            terms << QString::number(weight);
    }
    const QString check = (terms.isEmpty() ? QStringLiteral("0") : terms.join(QStringLiteral(" + "))) +
                          QStringLiteral(" = ") + FormatDecimal(smallInteger, true);
    captionValue(345, 196, QStringLiteral("Check:"), check, 8, colour::Navy, false);
}

// The division-sign rows of examples 2, 4 and 6 from row top, with the
// reading arrow beside them.
void BinaryNumbers::drawDivisionRows(double n, int top, int maxRows)
{
    const numbers::DivisionWorking w = numbers::repeatedDivision(n, maxRows);
    for (size_t i = 0; i < w.rows.size(); ++i) {
        const numbers::DivisionRow& r = w.rows[i];
        const int y = top + int(i) * kRowPitch;
        // Dividends right-aligned, so that the division signs stand in one column.
        int w = 0;
        printRightAligned(40, y, QString::number(r.dividend), colour::Black, 8, w);
        put(45, y, kDivide + QStringLiteral(" 2 = ") + QString::number(r.quotient), colour::Black, 8);
        put(140, y, QStringLiteral("Remainder"), colour::Grey, 8);
        put(212, y, QString::number(r.remainder), colour::Maroon, 9, true);
    }
    const int bottom = top + int(w.rows.size()) * kRowPitch;
    verticalArrow(240, bottom, top, colour::Maroon);
    put(252, top + (bottom - top) / 2 - 12, QStringLiteral("(Read bottom to top)"), colour::Navy, 8);
}

// Example 2: the integer part by repeated division, the fractional part by
// repeated doubling until the fraction is used up or the board is full.
void BinaryNumbers::drawDecimalToBinary()
{
    const double x = std::fabs(double(decimalNumber));
    const double whole = std::floor(x);
    captionValue(0, 2, QStringLiteral("Decimal No. = "), FormatDecimal(decimalNumber, false), 11);

    put(0, 24, QStringLiteral("Divide the integer part by 2 and note each remainder."), colour::Navy, 9);
    constexpr int intTop = 40;
    drawDivisionRows(whole, intTop, 0);
    const numbers::DivisionWorking iw = numbers::repeatedDivision(whole);
    const int intBottom = intTop + int(iw.rows.size()) * kRowPitch;
    const int resultX = 390;
    captionValue(resultX, intTop + (intBottom - intTop) / 2 - 12, QStringLiteral("Integer part = "), iw.bits, 10);

    const int fracHead = intBottom + 10;
    put(0, fracHead, QStringLiteral("Multiply the fractional part by 2, values rounded to two decimal places."),
        colour::Navy, 9);
    const int fracTop = fracHead + 16;
    int rowsThatFit = 0;
    while (fracTop + rowsThatFit * kRowPitch < kFractionStop)
        ++rowsThatFit;
    const numbers::DoublingWorking fw = numbers::repeatedDoubling(x, rowsThatFit);
    for (size_t i = 0; i < fw.rows.size(); ++i) {
        const numbers::DoublingRow& r = fw.rows[i];
        const int y = fracTop + int(i) * kRowPitch;
        put(10, y, numtext::fixed(r.fraction, 2) + QLatin1Char(' ') + kTimes + QStringLiteral(" 2 = ") +
                       numtext::fixed(r.doubled, 2), colour::Black, 8);
        put(140, y, QStringLiteral("Binary"), colour::Grey, 8);
        put(212, y, QString::number(r.bit), colour::Maroon, 9, true);
    }
    const QString fraction = fw.bits.isEmpty() ? QStringLiteral("0") : fw.bits;
    if (!fw.rows.empty()) {
        const int bottom = fracTop + int(fw.rows.size()) * kRowPitch;
        verticalArrow(240, fracTop, bottom, colour::Maroon);
        put(252, fracTop + (bottom - fracTop) / 2 - 12, QStringLiteral("(Read top to bottom)"), colour::Navy, 8);
        captionValue(resultX, fracTop + (bottom - fracTop) / 2 - 12, QStringLiteral("Fractional Part = "),
                     QLatin1Char('.') + fraction, 10);
    } else {
        captionValue(resultX, fracTop, QStringLiteral("Fractional Part = "), fraction, 10);
    }

    const QString result = fw.bits.isEmpty() ? iw.bits : iw.bits + QLatin1Char('.') + fw.bits;
    boxOrLine(0, 0, 272, 0, 660, 0, colour::Grey, QString());
    captionValue(0, 280, QStringLiteral("Binary Equivalent = "), result, 11, colour::Maroon, true, 13);
}

// Examples 4 and 6: through binary, the bits grouped in threes (octal) or
// fours (hexadecimal), each group looked up in the digit table.
void BinaryNumbers::drawDecimalToGroups(int group)
{
    const bool hex = group == 4;
    const numbers::GroupedConversion c = numbers::groupedConversion(decimalNumber, group);
    captionValue(0, 2, QStringLiteral("Decimal No. = "), FormatDecimal(decimalNumber, false), 11);
    put(0, 22, QStringLiteral("Divide the integer part by 2 and note each remainder."), colour::Navy, 9);
    constexpr int top = 38;
    drawDivisionRows(std::floor(std::fabs(double(decimalNumber))), top, 14);
    int y = top + int(c.integer.rows.size()) * kRowPitch + 10;

    const int size = 9;
    const int pitch = 16;
    const QString kind = hex ? QStringLiteral("Hex") : QStringLiteral("Oct");
    const QString name = hex ? QStringLiteral("Hexadecimal") : QStringLiteral("Octal");
    captionValue(0, y, QStringLiteral("Integer Binary = "), c.integer.bits, size, colour::Black, false);
    y += pitch;
    captionValue(0, y, QStringLiteral("Integer ") + kind + QStringLiteral(" Groups = "),
                 c.integerGroups.join(QLatin1Char(' ')), size, colour::Navy, true);
    y += pitch;
    captionValue(0, y, name + QStringLiteral(" (Integer part) = "), c.integerDigits, size);
    y += pitch + 6;

    // The note is kept short so that it ends before the digit table.
    if (c.fractionText.isEmpty())
        put(0, y, QStringLiteral("There is no fractional part to convert."), colour::Navy, 8);
    else
        put(0, y,
            QStringLiteral("Double the fraction %1 until used up; at most %2 bits (3 per character).")
                .arg(c.fractionText)
                .arg(3 * c.fractionText.size()),
            colour::Navy, 8);
    y += pitch;
    captionValue(0, y, hex ? QStringLiteral("Fractional Binary = 0.") : QStringLiteral("Fractional Binary = "),
                 c.fractionGroups.join(QLatin1Char(' ')), size, colour::Navy, true);
    y += pitch;
    captionValue(
        0, y,
        hex ? QStringLiteral("Hexadecimal (fractonal part) = 0.") : QStringLiteral("Octal (fractional part) = 0."),
        c.fractionDigits, size);
    y += pitch + 6;

    const QString result =
        c.fractionDigits.isEmpty() ? c.integerDigits : c.integerDigits + QLatin1Char('.') + c.fractionDigits;
    captionValue(0, y, name + QStringLiteral(" Equivalent = "), result, 11, colour::Maroon, true, 13);
    y += pitch + 4;
    captionValue(0, y, name + QStringLiteral(" string = "), result + (hex ? QLatin1Char('h') : QLatin1Char('o')),
                 size, colour::Navy, false);

    drawDigitTable(530, 20, group, c.integerDigits + c.fractionDigits);
}

// The digit table beside the working; the digits the working used stand out in red.
void BinaryNumbers::drawDigitTable(int x, int y, int group, const QString& usedDigits)
{
    const bool hex = group == 4;
    const int rows = hex ? 16 : 8;
    const int pitch = hex ? 13 : 16;
    boxOrLine(0, x - 6, y - 4, 0, 146, 20 + rows * pitch, colour::Grey, QStringLiteral("B"));
    put(x, y, QStringLiteral("Dec."), colour::Navy, 8, true);
    put(x + 42, y, hex ? QStringLiteral("Hex.") : QStringLiteral("Octal."), colour::Navy, 8, true);
    put(x + 88, y, QStringLiteral("Binary."), colour::Navy, 8, true);
    boxOrLine(0, x - 6, y + 14, 0, 146, 0, colour::Grey, QString());
    for (int i = 0; i < rows; ++i) {
        const QString row = numbers::digitTable()[i];
        const int ry = y + 18 + i * pitch;
        const long colour = usedDigits.contains(row.at(0)) ? colour::Maroon : colour::Black;
        put(x + 4, ry, QString::number(i), colour, 8);
        put(x + 50, ry, row.left(1), colour, 8, true);
        put(x + 92, ry, row.right(hex ? 4 : 3), colour, 8);
    }
}

// Examples 1, 3, 5 and 7: each digit under its place weighting, the weighted
// digits added up.
void BinaryNumbers::drawToDecimal(const QString& input, int base, int maxChars, int maxFractionDigits,
                                  bool withTable, int padTo)
{
    QString text = input;
    if (padTo > 0 && !text.contains(QLatin1Char('.')))
        text = text.rightJustified(padTo, QLatin1Char('0'));
    const numbers::WeightedSum s = numbers::weightedSum(text, base, maxChars, maxFractionDigits);
    const QString name = baseName(base);
    const QString shown = s.fractionText.isEmpty() ? s.integerText : s.integerText + QLatin1Char('.') + s.fractionText;

    captionValue(0, 2, name + QStringLiteral(" No. = "), shown, 11);
    put(0, 22, QStringLiteral("Multiply each digit by its position weighting, then add."), colour::Navy, 9);

    // Columns: the integer places, the point "(.)", the fractional places.
    const int places = int(s.integerText.size());
    const bool point = !s.fractionText.isEmpty();
    const int columns = int(s.digits.size()) + (point ? 1 : 0);
    const int left = base == 16 ? 140 : 110;
    const int right = withTable ? 515 : 680;
    const int pitch = std::max(20, std::min(50, (right - left) / std::max(1, columns)));
    const auto columnX = [&](int c) { return left + c * pitch + pitch / 2; };
    const auto columnOf = [&](int i) { return i < places ? i : i + 1; };

    constexpr int rowHead = 38, rowN = 58, rowPower = 76, rowValue = 94, rowInput = 114;
    put(0, rowHead, name + QStringLiteral(" position Weighting = ") + QString::number(base), colour::Navy, 9);
    put(0, rowN, QStringLiteral("n = "), colour::Black, 9);
    const QString baseText = QString::number(base);
    int labelWidth = 0;
    printMarkedUp(0, rowPower, baseText + QStringLiteral("sup(n)"), colour::Navy, 9, labelWidth);
    put(0, rowValue, QStringLiteral("Weighting"), colour::Black, 9);
    put(0, rowInput, name + QStringLiteral(" input"), colour::Black, 9);
    const int tableWidth = columns * pitch;
    boxOrLine(0, left, rowN - 3, 0, tableWidth, rowInput + 18 - (rowN - 3), colour::Grey, QStringLiteral("B"));
    boxOrLine(0, left, rowN + 14, 0, tableWidth, 0, colour::Grey, QString());
    boxOrLine(0, left, rowInput - 3, 0, tableWidth, 0, colour::Grey, QString());
    for (size_t i = 0; i < s.digits.size(); ++i) {
        const numbers::WeightedDigit& d = s.digits[i];
        const int cx = columnX(columnOf(int(i)));
        printCentred(cx, rowN, QString::number(d.position), colour::Black, 8, 0);
        // base to the power n, the power raised; centred by its estimated width.
        const QString power = QString::number(d.position);
        const int estimate = int(baseText.size()) * 8 + int(power.size()) * 6;
        int b = 0;
        printMarkedUp(cx - estimate / 2, rowPower, baseText + QStringLiteral("sup(") + power + QLatin1Char(')'),
                      colour::Navy, 9, b);
        const QString weight = d.position >= 0
                                   ? numtext::general(std::pow(double(base), d.position))
                                   : QStringLiteral("1/") + numtext::general(std::pow(double(base), -d.position));
        printCentred(cx, rowValue, weight, colour::Black, weight.size() > 5 ? 6 : 8, 0);
        printCentred(cx, rowInput, QString(d.digit), colour::Maroon, 11, 1);
    }
    if (point)
        printCentred(columnX(places), rowInput, QStringLiteral("(.)"), colour::Black, 10, 1);

    int y = 146;
    put(0, y, QStringLiteral("Weighted ") + name + QStringLiteral(" Nos."), colour::Black, 9);
    y += 16;
    for (const QString& line : sumLines(s.digits, withTable ? 66 : 88)) {
        put(10, y, line, colour::Navy, 9);
        y += 15;
    }
    y += 6;
    captionValue(0, y, QStringLiteral("Added = "), decimalText(s.total()), 9, colour::Black, false);
    y += 18;
    captionValue(0, y, QStringLiteral("Integer part = "), decimalText(s.integerPart), 9, colour::Black, false);
    y += 16;
    captionValue(0, y, QStringLiteral("Fractional part = "), decimalText(s.fractionalPart), 9, colour::Black, false);
    y += 22;
    captionValue(0, y, QStringLiteral("Decimal Equivalent = "), decimalText(s.total()), 11, colour::Maroon, true, 13);

    if (base == 16)
        put(0, 292, QStringLiteral("Note. Very large or very small numbers will be truncated."), colour::Grey, 8);
    if (withTable) {
        QString used;
        for (const numbers::WeightedDigit& d : s.digits)
            used += d.digit;
        drawDigitTable(530, 20, base == 8 ? 3 : 4, used);
    }
}

namespace {
RegisterForm<BinaryNumbers> reg(QStringLiteral("BinaryNumbers"));
}  // namespace

}  // namespace orr
