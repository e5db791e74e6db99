// NumberSystems examples 11 to 13: the temperature flowchart and the matrices.
#include <cmath>

#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "topics/numbers/decimal_working.h"
#include "topics/numbers/matrices.h"
#include "topics/numbers/number_systems.h"
#include "values/formatters.h"

namespace orr::number_systems {

using namespace colour;

namespace {

QString num(double v) { return FormatNumber(float(v)); }

// A flowchart process box centred on cx from top, with its name and operation.
constexpr int kBoxW = 120, kBoxH = 30;
void processBox(int cx, int top, const QString& name, const QString& operation, const QString& value, long colour)
{
    boxOrLine(0, cx - kBoxW / 2, top, 0, kBoxW, kBoxH, colour, QStringLiteral("B"));
    printMeasured(cx - kBoxW / 2 + 6, top + 8, name, Black, 9, true);
    printMeasured(cx + 14, top + 8, operation, colour, 10, true);
    if (!value.isEmpty())
        printMeasured(cx + kBoxW / 2 + 8, top + 8, value, colour, 9);
}

// A flow line drawn from (x, y) by a draw string, ending in an arrowhead down.
void flow(double x, double y, const QString& path, double endX, double endY, long colour)
{
    draw(x, y, QStringLiteral("c%1 ").arg(colour) + path);
    arrowheadDown(endX, endY, colour, 6);
}

// A matrix with brackets, its numbers right-aligned in columns; optional
// row and column headings. Returns the right edge.
int drawMatrix(int x, int y, const numbers::Matrix& m, long colour, const QStringList& rowHeads = {},
               const QStringList& columnHeads = {})
{
    constexpr int pitchX = 44, pitchY = 18;
    const int left = x + (rowHeads.isEmpty() ? 0 : 56);
    for (int j = 0; j < int(columnHeads.size()); ++j)
        printCentred(left + 8 + j * pitchX + pitchX / 2, y - 16, columnHeads[j], Navy, 8, 1);
    for (int i = 0; i < numbers::rows(m); ++i) {
        if (i < rowHeads.size())
            printMeasured(x, y + 2 + i * pitchY, rowHeads[i], Navy, 8, true);
        for (int j = 0; j < numbers::columns(m); ++j)
            printDigitRow(left + 8 + (j + 1) * pitchX - 6, y + i * pitchY, num(m[i][j]), colour, 10);
    }
    const int right = left + 16 + numbers::columns(m) * pitchX;
    const int height = numbers::rows(m) * pitchY + 4;
    // Square brackets either side.
    draw(left + 6, y - 2, QStringLiteral("l5 d%1 r5").arg(height));
    draw(right - 6, y - 2, QStringLiteral("r5 d%1 l5").arg(height));
    return right;
}

}  // namespace

void drawTemperature(double value, bool celsius)
{
    const numbers::TemperatureSteps t = numbers::convertTemperature(value, celsius);
    const long onC = celsius ? Red : Grey, onF = celsius ? Grey : Red;
    if (celsius)
        printMeasured(0, 2,
                      QStringLiteral("F = ") + num(value) + QStringLiteral("C ") + QStringLiteral("\u00D7 9 / 5 ") +
                          QStringLiteral("+ 32 = ") + FormatTemperature(float(t.result), false),
                      Black, 10);
    else
        printMeasured(0, 2,
                      QStringLiteral("C = (") + num(value) + QStringLiteral("F - 32 ") + QStringLiteral(") \u00D7 5 / 9 = ") +
                          FormatTemperature(float(t.result), true),
                      Black, 10);

    constexpr int mid = 330, leftCol = 150, rightCol = 510;
    // Input.
    boxOrLine(0, mid - 70, 24, 0, 140, 26, Navy, QStringLiteral("B"));
    printCentred(mid, 30, QStringLiteral("Input ") + FormatTemperature(float(value), celsius), Navy, 9, 1);
    flow(mid, 50, QStringLiteral("d10"), mid, 60, Black);
    // Decision diamond from its top corner at (mid, 60): 30 across each way.
    draw(mid, 60, QStringLiteral("f30 g30 h31 e30"));
    printMeasured(mid + 40, 60, QStringLiteral("Decision"), Black, 8, true);
    printCentred(mid, 84, QStringLiteral("C or F?"), Black, 7, 0);
    // YES (Celsius) to the left column, NO to the right one.
    printMeasured(mid - 64, 78, QStringLiteral("YES"), onC, 8, true);
    printMeasured(mid + 36, 78, QStringLiteral("NO"), onF, 8, true);
    flow(mid - 30, 90, QStringLiteral("l") + QString::number(mid - 30 - leftCol) + QStringLiteral(" d20"), leftCol, 110,
         onC);
    flow(mid + 30, 90, QStringLiteral("r") + QString::number(rightCol - mid - 30) + QStringLiteral(" d20"), rightCol,
         110, onF);

    const QString c1 = celsius ? num(t.step1) : QString(), c2 = celsius ? num(t.step2) : QString();
    const QString f1 = celsius ? QString() : num(t.step1), f2 = celsius ? QString() : num(t.step2);
    processBox(leftCol, 110, QStringLiteral("Multiply"), QStringLiteral("\u00D7 9"), c1, onC);
    processBox(leftCol, 160, QStringLiteral("Divide"), QStringLiteral("\u00F7 5"), c2, onC);
    processBox(leftCol, 210, QStringLiteral("Add"), QStringLiteral("+ 32"), celsius ? num(t.result) : QString(), onC);
    processBox(rightCol, 110, QStringLiteral("Subtract"), QStringLiteral("- 32"), f1, onF);
    processBox(rightCol, 160, QStringLiteral("Multiply"), QStringLiteral("\u00D7 5"), f2, onF);
    processBox(rightCol, 210, QStringLiteral("Divide"), QStringLiteral("\u00F7 9"), celsius ? QString() : num(t.result),
               onF);
    for (int top : {140, 190}) {
        flow(leftCol, top, QStringLiteral("d20"), leftCol, top + 20, onC);
        flow(rightCol, top, QStringLiteral("d20"), rightCol, top + 20, onF);
    }
    // Both columns meet at the display.
    draw(leftCol, 240, QStringLiteral("c%1 d15 r%2").arg(onC).arg(mid - 60 - leftCol));
    arrowheadRight(mid - 60, 255, onC, 6);
    draw(rightCol, 240, QStringLiteral("c%1 d15 l%2").arg(onF).arg(rightCol - mid - 60));
    arrowheadLeft(mid + 60, 255, onF, 6);
    boxOrLine(0, mid - 60, 244, 0, 120, 40, Red, QStringLiteral("B"));
    printCentred(mid, 248, QStringLiteral("visual display"), Grey, 7, 0);
    printCentred(mid, 262, FormatTemperature(float(t.result), !celsius), Red, 12, 1);
}

void drawMatrixAddition(int set)
{
    const numbers::MatrixPair& p = numbers::additionSets()[size_t(set) % numbers::additionSets().size()];
    const numbers::Matrix c = numbers::addMatrices(p.a, p.b);
    const QStringList days = {QStringLiteral("Mon"), QStringLiteral("Tues"), QStringLiteral("Wed")};
    const QStringList shops = {QStringLiteral("Shop 1."), QStringLiteral("Shop 2.")};
    printMeasured(0, 2, QStringLiteral("Sales figures for two shops over three days."), Navy, 10, true);
    printMeasured(0, 26, QStringLiteral("Week 1   (matrix A)"), Black, 8, true);
    int r = drawMatrix(0, 56, p.a, Blue, shops, days);
    printMeasured(r + 10, 62, QStringLiteral("+"), Black, 14, true);
    printMeasured(r + 40, 26, QStringLiteral("Week 2   (matrix B)"), Black, 8, true);
    r = drawMatrix(r + 40, 56, p.b, Blue, {}, days);
    printMeasured(r + 10, 62, QStringLiteral("="), Black, 14, true);
    printMeasured(r + 40, 26, QStringLiteral("Totals for both shops."), Black, 8, true);
    drawMatrix(r + 40, 56, c, Red, {}, days);
    printMeasured(0, 120, QStringLiteral("Add each row and column position for matrix A"), Black, 9);
    printMeasured(0, 134, QStringLiteral("to matrix B to obtain matrix C"), Black, 9);
    int y = 160;
    for (int i = 0; i < numbers::rows(c); ++i)
        for (int j = 0; j < numbers::columns(c); ++j) {
            printMeasured(10 + j * 200, y + i * 16,
                          shops[i].left(6) + QLatin1Char(' ') + days[j] + QStringLiteral(": ") + num(p.a[i][j]) +
                              QStringLiteral(" + ") + num(p.b[i][j]) + QStringLiteral(" = ") + num(c[i][j]),
                          Black, 8);
        }
    printMeasured(0, 290, QStringLiteral("Data set %1 of %2: press Next Set? for another.")
                              .arg(set % int(numbers::additionSets().size()) + 1)
                              .arg(numbers::additionSets().size()),
                  Grey, 8);
}

void drawMatrixMultiplication(int set)
{
    const numbers::MatrixPair& p = numbers::multiplicationSets()[size_t(set) % numbers::multiplicationSets().size()];
    const numbers::Matrix c = numbers::multiplyMatrices(p.a, p.b);
    printMeasured(0, 2, QStringLiteral("Matrix A has as many columns as matrix B has rows."), Navy, 10, true);
    printMeasured(0, 26, QStringLiteral("A"), Black, 9, true);
    int r = drawMatrix(0, 44, p.a, Blue);
    printMeasured(r + 8, 50, QStringLiteral("\u00D7"), Black, 14, true);
    printMeasured(r + 30, 26, QStringLiteral("B"), Black, 9, true);
    r = drawMatrix(r + 30, 44, p.b, Blue);
    printMeasured(r + 8, 50, QStringLiteral("="), Black, 14, true);
    printMeasured(r + 30, 26, QStringLiteral("C"), Black, 9, true);
    drawMatrix(r + 30, 44, c, Red);
    printMeasured(0, 116, QStringLiteral("Showing how the resulting matrix figures are calculated."), Navy, 9, true);
    int y = 134;
    for (int i = 0; i < numbers::rows(c); ++i)
        for (int j = 0; j < numbers::columns(c); ++j) {
            printMeasured(10, y,
                          QStringLiteral("c(%1, %2) = a(%1, 1) \u00D7 b(1, %2) + a(%1, 2) \u00D7 b(2, %2) = ")
                                  .arg(i + 1)
                                  .arg(j + 1) +
                              numbers::productTerms(p.a, p.b, i, j) + QStringLiteral(" = ") + num(c[i][j]),
                          Black, 8);
            y += 14;
        }
    printMeasured(0, 290, QStringLiteral("Data set %1 of %2: press Next Set? for another.")
                              .arg(set % int(numbers::multiplicationSets().size()) + 1)
                              .arg(numbers::multiplicationSets().size()),
                  Grey, 8);
}

}  // namespace orr::number_systems
