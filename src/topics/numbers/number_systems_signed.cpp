// NumberSystems examples 5 to 10: decimals and signs, directed numbers and
// arithmetic sequences.
#include <algorithm>
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

QString num(double v) { return FormatNumber(float(v)); }

struct Mark {
    double value;
    QString label;
    long colour;
};

// A number line from -n to +n at y with the marks above it.
void numberLine(int y, const std::vector<Mark>& marks, const QString& leftEnd, const QString& rightEnd)
{
    double n = 1;
    for (const Mark& m : marks)
        n = std::max(n, std::fabs(m.value));
    const double step = std::pow(10.0, std::floor(std::log10(n)));
    n = std::ceil(n / step) * step;
    constexpr int left = 60, right = 600, mid = (left + right) / 2;
    const auto xOf = [&](double v) { return int(mid + v / n * (right - left) / 2); };
    boxOrLine(0, left, y, 0, right - left, 0, Black, QString());
    arrowheadLeft(left, y, Black, 6);
    arrowheadRight(right, y, Black, 6);
    for (int k = -2; k <= 2; ++k)
        boxOrLine(0, xOf(k * n / 2), y - 3, 0, 0, 6, Black, QString());
    printCentred(xOf(-n), y + 8, QStringLiteral("-n"), Black, 8, 0);
    printCentred(mid, y + 8, QStringLiteral("0"), Black, 8, 0);
    printCentred(xOf(n), y + 8, QStringLiteral("+n"), Black, 8, 0);
    printCentred(mid, y + 22, QStringLiteral("n = ") + num(n), Grey, 7, 0);
    printMeasured(left, y + 22, leftEnd, Grey, 8);
    printDigitRow(right, y + 22, rightEnd, Grey, 8);
    int lift = 14;
    for (const Mark& m : marks) {
        const int x = xOf(m.value);
        boxOrLine(0, x, y - lift, 0, 0, lift, m.colour, QString());
        printCentred(x, y - lift - 12, m.label, m.colour, 8, 1);
        lift += 14;
    }
}

}  // namespace

void drawFurtherSum(double x, double y, bool subtraction)
{
    const double r = subtraction ? x - y : x + y;
    printCaptioned(0, 2, QStringLiteral("Value x = "), num(x), 11, Blue);
    printCaptioned(0, 22, QStringLiteral("Value y = "), num(y), 11, Blue);
    printCaptioned(0, 48,
                   subtraction ? QStringLiteral("Difference x - y = ") : QStringLiteral("Sum = "),
                   num(x) + (subtraction ? QStringLiteral(" - ") : QStringLiteral(" + ")) + num(y) +
                       QStringLiteral(" = ") + num(r),
                   11, Red);
    if (subtraction)
        printCaptioned(0, 70, QStringLiteral("Check   "),
                       num(r) + QStringLiteral(" + ") + num(y) + QStringLiteral(" = ") + num(r + y), 10, Green);
    numberLine(170, {{x, QStringLiteral("x"), Blue}, {y, QStringLiteral("y"), Navy},
                     {r, subtraction ? QStringLiteral("x - y") : QStringLiteral("x + y"), Red}},
               QString(), QString());
    const QStringList rules = subtraction ? QStringList{QStringLiteral("x - (-y) = n"), QStringLiteral("(-x) - y = -n"),
                                                        QStringLiteral("(-x) - (-y) same as (-x) + y")}
                                          : QStringList{QStringLiteral("x + y = n"), QStringLiteral("(-x) + (-y) = -n"),
                                                        QStringLiteral("(-x) + y same as (-x) - (-y)")};
    printMeasured(0, 220, QStringLiteral("Rules."), Navy, 9, true);
    for (int i = 0; i < rules.size(); ++i)
        printMeasured(10, 236 + i * 16, rules[i], Black, 9);
}

void drawFurtherMultiplication(double a, double b)
{
    const numbers::DecimalMultiplication m = numbers::decimalMultiplication(a, b);
    printMeasured(0, 2,
                  QStringLiteral("a = ") + num(a) + QStringLiteral(" (") + QString::number(m.aPlaces) +
                      QStringLiteral(", decimal places) "),
                  Black, 10);
    printMeasured(0, 20,
                  QStringLiteral("b = ") + num(b) + QStringLiteral(" (") + QString::number(m.bPlaces) +
                      QStringLiteral(", decimal places) "),
                  Black, 10);
    printCaptioned(0, 46, QStringLiteral("Multiply "),
                   QString::number(m.aDigits) + QLatin1Char(' ') + kTimes + QLatin1Char(' ') + QString::number(m.bDigits) +
                       QStringLiteral(" = ") + QString::number(m.digitProduct),
                   10, Blue);
    printMeasured(0, 66,
                  QStringLiteral("The answer has ") + QString::number(m.places()) +
                      QStringLiteral(" decimal places, as many as a and b together."),
                  Grey, 8);
    printCaptioned(0, 86, QStringLiteral("Insert decimal point = "), numtext::general(m.product), 12, Red);
    printMeasured(0, 118, QStringLiteral("Like signs answer (+). Unlike signs answer (-)."), Navy, 9, true);
    printCaptioned(0, 140, QStringLiteral("Check."),
                   QStringLiteral(" ") + num(a) + QLatin1Char(' ') + kTimes + QLatin1Char(' ') + num(b) +
                       QStringLiteral(" = ") + numtext::general(a * b),
                   10, Green);
}

void drawFurtherDivision(double a, double b)
{
    const numbers::DecimalDivision d = numbers::decimalDivision(a, b);
    printMeasured(0, 2, QStringLiteral("Simplified method."), Navy, 10, true);
    printCaptioned(0, 24, QStringLiteral("a = "), num(a) + QStringLiteral(",   b = ") + num(b), 10, Blue);
    if (d.divideByZero) {
        printMeasured(0, 60, QStringLiteral("Dividing by zero has resulted in an error."), Red, 11, true);
        return;
    }
    int w = 0;
    printFraction(0, 70, 10, QString(), Black, true, num(a), num(b), w);
    printMeasured(0, 110, QStringLiteral("Numerator and denominator multiplied"), Black, 9);
    w = 0;
    printMarkedUp(0, 124, QStringLiteral("by 10sup(") + QString::number(d.power) + QLatin1Char(')'), Black, 9, w);
    printMeasured(0, 140, QStringLiteral("to make numerator a whole number."), Black, 9);
    w = 0;
    printFraction(300, 110, 10, QString(), Black, true, numtext::general(d.scaledA), numtext::general(d.scaledB), w);
    printCaptioned(0, 176, QStringLiteral("Answer c = "), numtext::general(d.answer), 12, Red);
    printMeasured(0, 204,
                  QStringLiteral("Put another way, ") + num(b) + QStringLiteral(" can be divided into ") + num(a) +
                      QStringLiteral("   '") + QString::number(d.wholeTimes) +
                      QStringLiteral("'   times leaving a remainder of   '") + numtext::general(d.remainder) +
                      QStringLiteral("'."),
                  Black, 9);
}

void drawDirected(double x, double y, bool subtraction)
{
    const double r = numbers::directedResult(x, y, subtraction);
    printCaptioned(0, 2, QStringLiteral("Value x = "), num(x), 11, Blue);
    printCaptioned(0, 22, QStringLiteral("Value y = "), num(y), 11, Blue);
    printCaptioned(330, 2, QStringLiteral("Operation: "),
                   subtraction ? QStringLiteral("Subtraction") : QStringLiteral("Addition"), 11, Navy);
    printCaptioned(330, 22, QStringLiteral("Answer = "),
                   num(x) + (subtraction ? QStringLiteral(" - ") : QStringLiteral(" + ")) + num(y) +
                       QStringLiteral(" = ") + num(r),
                   11, Red);
    numberLine(130, {{x, QStringLiteral("x"), Blue}, {y, QStringLiteral("y"), Navy}, {r, QStringLiteral("Answer"), Red}},
               QStringLiteral("More Negative."), QStringLiteral("More Positive."));
    printMeasured(0, 190, QStringLiteral("Rules."), Navy, 9, true);
    const char* const rules[] = {"x + (+y) = x + y", "x - (+y) = x - y", "x + (-y) = x - y", "x - (-y) = x + y"};
    for (int i = 0; i < 4; ++i)
        printMeasured(10 + (i % 2) * 200, 206 + (i / 2) * 16, QLatin1String(rules[i]), Black, 9);
    printMeasured(0, 250, QStringLiteral("Adding moves right along the line, subtracting moves left;"), Grey, 8);
    printMeasured(0, 262, QStringLiteral("taking away a negative number moves right."), Grey, 8);
}

void drawSequence(double first, double difference, int count)
{
    const numbers::Sequence s = numbers::arithmeticSequence(first, difference, count);
    printCaptioned(0, 2, QStringLiteral("First Term = "), num(first) + QStringLiteral(",   Difference = ") +
                                                             num(difference) + QStringLiteral(",   No. Terms = ") +
                                                             QString::number(count),
                   10, Blue);
    int x = 10;
    for (double t : s.terms) {
        printMeasured(x, 30, num(t), Red, 13, true);
        x += 80;
    }
    printMeasured(x - 20, 30, QStringLiteral("..."), Red, 13, true);
    int y = 60;
    for (size_t i = 0; i + 1 < s.terms.size(); ++i) {
        printMeasured(10, y,
                      num(s.terms[i]) + QStringLiteral(" + ") + num(difference) + QStringLiteral(" = ") +
                          num(s.terms[i + 1]),
                      Black, 9);
        y += 14;
    }
    printCaptioned(0, y + 6, QStringLiteral("Sum of the terms = "), num(s.sum), 11, Red);
    printMeasured(360, 60, QStringLiteral("A.  3, 6, 9, 12, 15 ..."), Black, 9);
    printMeasured(360, 76, QStringLiteral("B.  9, 5, 1, (-3),(-7) ..."), Black, 9);
    printMeasured(360, 92, QStringLiteral("C.  (-5), (-10), (-15), (-20), (-25) ..."), Black, 9);
    printMeasured(360, 108, QStringLiteral("D.  0.5, 0.7, 0.9, 1.1, 1.3 ..."), Black, 9);
    printMeasured(0, 210, QStringLiteral("Known sequences of numbers."), Navy, 9, true);
    printMeasured(10, 226, QStringLiteral("Square numbers 1, 4, 9, 16, 25 ..."), Black, 9);
    printMeasured(10, 240, QStringLiteral("Cube numbers 1, 8, 27, 64, 125 ..."), Black, 9);
    printMeasured(10, 254, QStringLiteral("Triangle numbers 1, 3, 6, 10, 15 ..."), Black, 9);
    printMeasured(10, 268, QStringLiteral("Prime numbers 2, 3, 5, 7, 11, 13 ..."), Black, 9);
}

}  // namespace orr::number_systems
