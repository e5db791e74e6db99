// Program flowchart symbols drawn from lines, arcs and centred text.
#include "draw/flowchart.h"

#include <QStringList>

#include "draw/kit.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbol_parts.h"

namespace orr {

namespace {
constexpr int kLinePitch = 10;  // design units between the lines of a symbol's text
constexpr double kSlant = 10;   // how far an input/output symbol leans
}  // namespace

void DrawFlowSymbol(FlowShape shape, double x, double y, double w, double h, const QString& text, long ink, int size)
{
    using parts::line;
    const long edge = colour::Black;
    switch (shape) {
    case FlowShape::Terminal: {
        const double r = h / 2;
        line(x, y, r, 0, w - 2 * r, 0, edge);
        line(x, y, r, h, w - 2 * r, 0, edge);
        // The ends are half ellipses, h high after scaling and r wide.
        const double k = kit::drawingScale();
        constexpr double kRad = 3.14159265358979 / 180;
        circle(0, x + r, y + r, r * k, edge, 90 * kRad, 270 * kRad, k);
        circle(0, x + w - r, y + r, r * k, edge, 270 * kRad, 359.99 * kRad, k);
        circle(0, x + w - r, y + r, r * k, edge, 0.01 * kRad, 90 * kRad, k);
        break;
    }
    case FlowShape::InputOutput:
        line(x, y, kSlant, 0, w - kSlant, 0, edge);
        line(x, y, 0, h, w - kSlant, 0, edge);
        line(x, y, kSlant, 0, -kSlant, h, edge);
        line(x, y, w, 0, -kSlant, h, edge);
        break;
    case FlowShape::Process:
        boxOrLine(0, x, y, 0, w, h, edge, QStringLiteral("B"));
        break;
    case FlowShape::Decision:
        line(x, y, w / 2, 0, w / 2, h / 2, edge);
        line(x, y, w, h / 2, -w / 2, h / 2, edge);
        line(x, y, w / 2, h, -w / 2, -h / 2, edge);
        line(x, y, 0, h / 2, w / 2, -h / 2, edge);
        break;
    }
    if (text.isEmpty())
        return;
    const QStringList lines = text.split(QLatin1Char('\n'));
    const int top = int(y + (h - double(lines.size()) * kLinePitch) / 2) + 1;
    for (int i = 0; i < lines.size(); ++i)
        printCentred(int(x + w / 2), top + i * kLinePitch, lines[i], ink, size, 1);
}

void DrawFlowLine(double x, double y1, double y2, long colour)
{
    boxOrLine(0, x, y1, 0, 0, y2 - y1, colour, QString());
    arrowheadDown(x, y2, colour, 5);
}

void DrawFlowReturn(double x, double fromY, double toY, double reach, long colour)
{
    boxOrLine(0, x, fromY, 0, reach, 0, colour, QString());
    boxOrLine(0, x + reach, toY, 0, 0, fromY - toY, colour, QString());
    boxOrLine(0, x, toY, 0, reach, 0, colour, QString());
    arrowheadLeft(x, toY, colour, 5);
}

}  // namespace orr

namespace orr {

void DrawSevenSegmentDigit(double x, double y, int segments, long lit, long unlit, long panel)
{
    boxOrLine(0, x, y, 0, 90, 100, panel, QStringLiteral("BF"));
    // Left, top, width and height of segments a to g inside the panel.
    static const double kSegments[7][4] = {{20, 8, 50, 8},  {70, 16, 8, 30}, {70, 54, 8, 30}, {20, 84, 50, 8},
                                           {12, 54, 8, 30}, {12, 16, 8, 30}, {20, 46, 50, 8}};
    for (int s = 0; s < 7; ++s) {
        const double* r = kSegments[s];
        boxOrLine(0, x + r[0], y + r[1], 0, r[2], r[3], (segments >> s) & 1 ? lit : unlit, QStringLiteral("BF"));
    }
}

}  // namespace orr
