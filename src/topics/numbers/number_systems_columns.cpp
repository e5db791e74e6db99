// NumberSystems examples 0 to 4: place value, column addition and
// subtraction, long multiplication and long division.
#include <cmath>

#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "topics/numbers/decimal_working.h"
#include "topics/numbers/number_systems.h"
#include "values/formatters.h"

namespace orr::number_systems {

using namespace colour;

namespace {

const QChar kTimes(0x00D7);
const QChar kDivide(0x00F7);

// Place-value columns from the right: their headings (two lines) and pitch.
constexpr int kPitch = 58;
const char* const kHeads[7][2] = {{"Units", ""},           {"Tens", ""},       {"Hundreds", ""}, {"Thousands", ""},
                                  {"Ten", "Thousands"},    {"Hundred", "Thousands"}, {"Millions", ""}};

int columnX(int right, int k) { return right - k * kPitch - kPitch / 2; }

void placeHeadings(int right, int y, int columns, int height)
{
    for (int k = 0; k < columns && k < 7; ++k) {
        printCentred(columnX(right, k), y, QLatin1String(kHeads[k][0]), Navy, 6, 1);
        printCentred(columnX(right, k), y + 11, QLatin1String(kHeads[k][1]), Navy, 6, 1);
        boxOrLine(0, right - (k + 1) * kPitch, y - 3, 0, 0, height, ButtonFace, QString());
    }
}

// One number's digits, each centred in its place-value column.
void placeRow(int right, int y, long long value, long colour, bool bold = false)
{
    const QString digits = QString::number(value);
    for (int k = 0; k < digits.size() && k < 7; ++k)
        printCentred(columnX(right, k), y, digits.mid(digits.size() - 1 - k, 1), colour, 13, bold ? 1 : 0);
}

}  // namespace

void drawEquationHint(int e)
{
    static const char* const expressions[] = {"a + b + c", "a - b", "a \u00D7 b", "b / a"};
    printMeasured(560, 2, QStringLiteral("Equation Editor."), Grey, 8, true);
    printMeasured(560, 14, QString::fromUtf8(expressions[e]), Grey, 8);
}

void drawAddition(double a, double b, double c)
{
    const numbers::ColumnAddition w = numbers::columnAddition({(long long)a, (long long)b, (long long)c});
    printMeasured(0, 2, QStringLiteral("Place Value."), Navy, 10, true);
    constexpr int right = 520;
    placeHeadings(right, 20, 7, 145);
    const char* const names[] = {"a", "b", "c"};
    for (int i = 0; i < 3; ++i) {
        printMeasured(0, 52 + i * 24, QLatin1String(names[i]) + QStringLiteral(" = ") + QString::number(w.values[i]),
                      Black, 9);
        placeRow(right, 50 + i * 24, w.values[i], Black);
    }
    printMeasured(right - 7 * kPitch - 14, 74, QStringLiteral("+"), Black, 13, true);
    // Carries written small over the column they are carried into.
    for (size_t k = 1; k < w.carries.size() && k < 7; ++k)
        if (w.carries[k])
            printCentred(columnX(right, int(k)) + 14, 122, QString::number(w.carries[k]), Maroon, 7, 1);
    boxOrLine(0, right - 7 * kPitch, 134, 0, 7 * kPitch, 0, Black, QString());
    placeRow(right, 140, w.total, Red, true);
    boxOrLine(0, right - 7 * kPitch, 162, 0, 7 * kPitch, 0, Black, QString());
    printMeasured(0, 142, QStringLiteral("Sum"), Black, 9, true);
    printCaptioned(0, 190, QStringLiteral("a + b + c = "),
                   QString::number(w.values[0]) + QStringLiteral(" + ") + QString::number(w.values[1]) +
                       QStringLiteral(" + ") + QString::number(w.values[2]) + QStringLiteral(" = ") +
                       QString::number(w.total),
                   11, Red);
    printMeasured(0, 216, QStringLiteral("Add each column from the units; a column total of ten or more carries 1 to the next."),
                  Grey, 8);
    printMeasured(0, 250, QStringLiteral("Examples."), Navy, 9, true);
    printMeasured(0, 266, QStringLiteral("a = 56 : b = 125 : c = 1000"), Black, 9);
    printMeasured(0, 282, QStringLiteral("a = 1 : b = 263 : c = 9999999"), Black, 9);
}

void drawSubtraction(double a, double b)
{
    const numbers::ColumnSubtraction w = numbers::columnSubtraction((long long)a, (long long)b);
    printMeasured(0, 2, QStringLiteral("Place Value."), Navy, 10, true);
    constexpr int right = 520;
    placeHeadings(right, 20, 7, 121);
    printMeasured(0, 52, QStringLiteral("a = ") + QString::number(w.a), Black, 9);
    printMeasured(0, 76, QStringLiteral("b = ") + QString::number(w.b), Black, 9);
    placeRow(right, 50, w.top, Black);
    placeRow(right, 74, w.bottom, Black);
    if (w.b > w.a)
        printMeasured(0, 100, QStringLiteral("b is larger: take a from b, the answer is negative."), Maroon, 8);
    for (size_t k = 1; k < w.borrows.size() && k < 7; ++k)
        if (w.borrows[k])
            printCentred(columnX(right, int(k)) + 16, 44, QStringLiteral("-1"), Maroon, 7, 1);
    printMeasured(right - 7 * kPitch - 14, 74, QStringLiteral("-"), Black, 13, true);
    boxOrLine(0, right - 7 * kPitch, 110, 0, 7 * kPitch, 0, Black, QString());
    placeRow(right, 116, std::llabs(w.difference), Red, true);
    boxOrLine(0, right - 7 * kPitch, 138, 0, 7 * kPitch, 0, Black, QString());
    printCaptioned(0, 168, QStringLiteral("a - b = "),
                   QString::number(w.a) + QStringLiteral(" - ") + QString::number(w.b) + QStringLiteral(" = ") +
                       FormatNumber(float(w.difference)),
                   11, Red);
    printMeasured(0, 192, QStringLiteral("Where a top digit is too small, borrow ten from the column on its left (-1 marks it)."),
                  Grey, 8);
    printMeasured(0, 222, QStringLiteral("Examples."), Navy, 9, true);
    printMeasured(0, 238, QStringLiteral("a = 2256 : b = 39"), Black, 9);
    printMeasured(0, 252, QStringLiteral("a = 9999999 : b = 1"), Black, 9);
    printMeasured(230, 222, QStringLiteral("Applications."), Navy, 9, true);
    printMeasured(230, 238, QStringLiteral("From 1235426 subtract 251835"), Black, 9);
    printMeasured(230, 252, QStringLiteral("Subtract 1215 from 5427"), Black, 9);
    printMeasured(230, 266, QStringLiteral("What is the difference between 1254 and 279?"), Black, 9);
}

void drawMultiplication(double a, double b)
{
    const numbers::LongMultiplication w = numbers::longMultiplication((long long)a, (long long)b);
    constexpr int right = 250, size = 12;
    printMeasured(0, 2, QStringLiteral("Long Multiplication."), Navy, 10, true);
    printDigitRow(right, 26, QString::number(w.a), Black, size);
    const int bw = printDigitRow(right, 46, QString::number(w.b), Black, size);
    printMeasured(right - bw - 24, 46, QString(kTimes), Black, size, true);
    boxOrLine(0, right - 110, 66, 0, 112, 0, Black, QString());
    int y = 72;
    for (const numbers::PartialProduct& p : w.rows) {
        printDigitRow(right, y, QString::number(p.value), Blue, size);
        printMeasured(right + 16, y + 2,
                      QStringLiteral("[") + QString::number(w.a) + QLatin1Char(' ') + kTimes + QLatin1Char(' ') +
                          QString::number(p.digit) + QStringLiteral(" = ") + QString::number(p.digitProduct) +
                          QStringLiteral(" ] No. zeros r.h.s ") + QString::number(p.zeros),
                      Grey, 8);
        y += 20;
    }
    boxOrLine(0, right - 110, y - 2, 0, 112, 0, Black, QString());
    printDigitRow(right, y + 4, QString::number(w.total), Red, size, true);
    boxOrLine(0, right - 110, y + 24, 0, 112, 0, Black, QString());
    printMeasured(right + 16, y + 6,
                  QStringLiteral("[Sum of ") + QString::number(w.rows.size()) + QStringLiteral(" rows above.]"), Grey,
                  8);
    printMeasured(0, 290, QStringLiteral("Examples.   a = 5160 : b = 12      a = 115 : b = 9999"), Black, 9);
}

void drawDivision(double divisor, double dividend)
{
    const numbers::LongDivision w = numbers::longDivision((long long)dividend, (long long)divisor);
    printMeasured(0, 2, QStringLiteral("Long Division."), Navy, 10, true);
    // The bus stop: divisor, bracket, dividend, quotient above it.
    constexpr int size = 13;
    const QString dividendText = QString::number(w.dividend);
    const int dw = measuredWidth(dividendText, size);
    constexpr int left = 60;
    const int digit = measuredWidth(QStringLiteral("0"), size);
    printDigitRow(left - 6, 50, QString::number(w.divisor), Black, size);
    boxOrLine(0, left, 46, 0, 0, 22, Black, QString());
    boxOrLine(0, left, 46, 0, dw + 12, 0, Black, QString());
    printMeasured(left + 6, 50, dividendText, Black, size);
    // Quotient digits over the dividend digit each step ends on.
    for (const numbers::DivisionStep& s : w.steps)
        printDigitRow(left + 6 + (s.digitIndex + 1) * digit, 26, QString::number(s.quotientDigit), Red, size, true);

    // The steps, one line each.
    int y = 84;
    printMeasured(0, y, QStringLiteral("Steps."), Navy, 9, true);
    for (size_t i = 0; i < w.steps.size(); ++i) {
        const numbers::DivisionStep& s = w.steps[i];
        y += 16;
        printMeasured(10, y,
                      QString::number(w.divisor) + QStringLiteral(" into ") + QString::number(s.part) +
                          QStringLiteral(" goes ") + QString::number(s.quotientDigit) + QStringLiteral(" times: ") +
                          QString::number(s.quotientDigit) + QLatin1Char(' ') + kTimes + QLatin1Char(' ') +
                          QString::number(w.divisor) + QStringLiteral(" = ") + QString::number(s.product) +
                          QStringLiteral(", leaving ") + QString::number(s.remainder) +
                          (i + 1 < w.steps.size() ? QStringLiteral("; bring down the next digit.") : QString()),
                      Black, 8);
    }
    y += 26;
    printCaptioned(0, y, QString::number(w.dividend) + QLatin1Char(' ') + kDivide + QLatin1Char(' ') +
                             QString::number(w.divisor),
                   QStringLiteral("= ") + QString::number(w.quotient) + QStringLiteral(" remainder ") +
                       QString::number(w.remainder),
                   11, Red);
    printMeasured(330, 230, QStringLiteral("Applications."), Navy, 9, true);
    printMeasured(330, 246, QStringLiteral("8235426 divided by 12"), Black, 9);
    printMeasured(330, 260, QStringLiteral("How many times will 11 go into 8546279?"), Black, 9);
    printMeasured(330, 280, QStringLiteral("Examples.   a = 16 : b = 128536      a = 2 : b = 88888"), Black, 8);
}

void drawPlaceValue(double count)
{
    const long long n = std::llabs((long long)count);
    printMeasured(0, 2, QStringLiteral("Place Value."), Navy, 10, true);
    constexpr int right = 520;
    placeHeadings(right, 20, 7, 95);
    // The decimal parts to the right of the point.
    const char* const parts[] = {"Decimal Parts (tenths)", "(hundredths)", "(thousandths)"};
    for (int i = 0; i < 3; ++i)
        printMeasured(right + 14, 20 + i * 12, QLatin1String(parts[i]), Navy, 7, true);
    printMeasured(0, 56, QStringLiteral("Counting in Positive Integers."), Black, 8);
    placeRow(right, 54, n, Blue, true);
    printMeasured(right + 14, 56, QStringLiteral(".  0  0  0"), Grey, 9);
    printMeasured(0, 90, QStringLiteral("Counting in Negative Integers."), Black, 8);
    placeRow(right, 88, n, Red, true);
    printCentred(columnX(right, int(QString::number(n).size())), 88, QStringLiteral("-"), Red, 13, 1);
    printCaptioned(0, 130, QStringLiteral("Integer count value = "), QString::number(n), 10, Blue);
    printCaptioned(0, 150, QStringLiteral("Integer Count value = (-"), QString::number(n) + QLatin1Char(')'), 10, Red);
    printMeasured(0, 190, QStringLiteral("Units,    Tens,    Hundreds, .....Millions"), Black, 9);
    printMeasured(0, 210, QStringLiteral("Decimal Numbers 0,  1.1,  3.25,  5.625,  9.4,.....n"), Black, 9);
    printMeasured(0, 230, QStringLiteral("Positive Integers 1,  2,  3,  4,  ......n"), Black, 9);
    printMeasured(0, 250, QStringLiteral("Negative Integers -1,  -2,  -3,  -4,  ......-n"), Black, 9);
}

}  // namespace orr::number_systems
