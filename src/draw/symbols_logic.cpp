// Logic symbols: level indicators, truth-table rows, the earth bar, the gate
// symbols in two sizes and the RS flip-flop block.
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "draw/primitives.h"
#include "draw/symbol_parts.h"
#include "draw/symbols.h"
#include "state/suite_state.h"

namespace orr {

using namespace parts;

namespace {

constexpr double kPi = 3.14159265358979;

double scale()
{
    const double k = suite().drawingScale;
    return k > 0 ? k : 1.0;
}

void indicator(int x, int y, long colour, const QString& digit)
{
    box(x, y, 0, 0, 16, 10, 15);
    text(x, y, digit, colour);
}

// A filled box covers one pixel more than its height, so that the fill of a
// gate body would stand a pixel below its bottom line: the fill is one pixel
// shorter and the outline drawn over it closes the shape.
double bodyFillHeight(double half) { return 2 * half - 1 / scale(); }

// The AND outline (front half-disc, body, outline, input leads) in fill,
// with the front of the given radius centred at x + body; lead sizes by size.
struct AndShape {
    double body;       // body width = centre of the front
    double half;       // half the body height
    double radius;     // front radius
    double upper, lower, leadStart;
};

void andOutline(int x, int y, const AndShape& s, long fill)
{
    circle(-7, x + s.body, y, s.radius, fill, 3 * kPi / 2, kPi / 2);
    box(x, y, 0, -s.half, s.body, bodyFillHeight(s.half), fill);
    line(x, y, 0, -s.half, s.body + 1, 0);
    line(x, y, 0, s.half, s.body + 1, 0);
    line(x, y, 0, -s.half + 1, 0, 2 * s.half - 1);
    line(x, y, s.leadStart, s.upper, -s.leadStart + 1, 0);
    line(x, y, s.leadStart, s.lower, -s.leadStart + 1, 0);
}

const AndShape kLargeAnd{35, 24, 30, kGateInputUpper, kGateInputLower, kGateInputStart};
const AndShape kSmallAnd{16, 11, 14, kSmallGateInputUpper, kSmallGateInputLower, kSmallGateInputStart};

// The OR outline: a pointed front of two filled sectors and a concave back,
// cut out of the body as a white half-ellipse (the circle primitive's arc shape
// with an aspect) from corner to corner. Returns the x offset of the tip.
struct OrShape {
    double straight;  // straight part of the top and bottom before the front curves
    double half;      // half the body height
    double front;     // radius of the front curves
    double back;      // radius of the back curve
    double depth;     // how far the back curves into the body
    double upper, lower, leadStart;
};

const OrShape kLargeOr{10, 24, 60, 30, 8, kGateInputUpper, kGateInputLower, kGateInputStart};
const OrShape kSmallOr{5, 11, 28, 15, 4, kSmallGateInputUpper, kSmallGateInputLower, kSmallGateInputStart};

// x offset, relative to the centre of a circle of radius r, where it crosses
// the height dy (design units).
double crossing(double r, double dy)
{
    const double h = dy * scale();
    return h >= r ? 0 : std::sqrt(r * r - h * h);
}

// The back curve: half an ellipse, `depth` wide, as tall as the body allows.
struct BackCurve {
    double radius;  // the longer (vertical) axis, picture units
    double aspect;
    double depth;
    // x offset of the curve at height dy (design units).
    double at(double dy) const
    {
        const double h = dy * scale() / radius;
        return h >= 1 ? 0 : depth * std::sqrt(1 - h * h);
    }
};

BackCurve backOf(const OrShape& s)
{
    const double radius = std::min(s.back, s.half * scale());
    return {radius, radius / s.depth, s.depth};
}

void backArc(double x, double y, const BackCurve& b, long fill)
{
    if (fill >= 0)
        circle(-5, x, y, b.radius, fill, 3 * kPi / 2, kPi / 2, b.aspect);
    else
        circle(0, x, y, b.radius, 0, 3 * kPi / 2, kPi / 2, b.aspect);
}

// Draws the outline with the inputs ending on a back curve `behind` units
// behind the body (0, or the exclusive-OR's second curve).
double orOutline(int x, int y, const OrShape& s, long fill, double behind)
{
    const double k = scale();
    const double tip = s.straight + crossing(s.front, s.half);
    const double alpha = std::atan2(s.half * k, tip - s.straight) * 180 / kPi;

    circle(-4, x + s.straight, y + s.half, s.front, fill, alpha * kPi / 180, kPi / 2);
    circle(-4, x + s.straight, y - s.half, s.front, fill, 3 * kPi / 2, (360 - alpha) * kPi / 180);
    box(x, y, 0, -s.half, s.straight, bodyFillHeight(s.half), fill);

    const BackCurve back = backOf(s);
    backArc(x, y, back, 15);
    if (behind > 0)
        backArc(x - behind, y, back, -1);

    arc(x + s.straight, y + s.half, s.front, alpha, 90);
    arc(x + s.straight, y - s.half, s.front, 270, 360 - alpha);
    line(x, y, 0, -s.half, s.straight, 0);
    line(x, y, 0, s.half, s.straight, 0);
    const double corner = back.radius / k;  // where the back curve meets the corners
    if (corner < s.half) {
        line(x, y, 0, -s.half, 0, s.half - corner);
        line(x, y, 0, corner, 0, s.half - corner);
    }
    for (const double dy : {s.upper, s.lower}) {
        const double end = back.at(dy) - behind;
        line(x, y, s.leadStart, dy, end - s.leadStart, 0);
    }
    return tip;
}

}  // namespace

void DrawLogic0(int x, int y, long colour) { indicator(x, y, colour, QStringLiteral("0")); }
void DrawLogic1(int x, int y, long colour) { indicator(x, y, colour, QStringLiteral("1")); }

void DrawLogicBit(int x, int y, long colour, bool value)
{
    box(x, y, -1, 0, 10, 12, 15);
    text(x, y, value ? QStringLiteral("1") : QStringLiteral("0"), colour);
}

void DrawTruthRow(int& x, int y, const QString& text, int size, int bold, int italic)
{
    for (QString piece : text.split(QLatin1Char('-'))) {
        int style = italic;
        if (piece.startsWith(QLatin1Char('O'))) {
            piece.remove(0, 1);
            style = 2;
        }
        int b = bold;
        printAt(x, y, piece, 0, size, b, style);
        x += kTruthColumn;
    }
}

void DrawEarth(int x, int y)
{
    line(x, y, 0, 0, 0, 10);
    box(x, y, -12, 10, 24, 4, 0);
}

void DrawAndGate(int x, int y)
{
    line(x, y, 66, 0, 33, 0);
    andOutline(x, y, kLargeAnd, 14);
}

void DrawAndGateSmall(int x, int y)
{
    line(x, y, 31, 0, kSmallGateOutputEnd - 31, 0);
    andOutline(x, y, kSmallAnd, 14);
}

void DrawNandGate(int x, int y)
{
    line(x, y, 75, 0, kGateOutputEnd - 75, 0);
    andOutline(x, y, kLargeAnd, 10);
    ring(x + 70, y, 5);
}

void DrawNandGateSmall(int x, int y)
{
    line(x, y, 36, 0, kSmallGateOutputEnd - 36, 0);
    andOutline(x, y, kSmallAnd, 10);
    ring(x + 33, y, 3);
}

void DrawOrGate(int x, int y)
{
    const double tip = orOutline(x, y, kLargeOr, 13, 0);
    line(x, y, tip, 0, kGateOutputEnd - tip, 0);
}

void DrawOrGateSmall(int x, int y)
{
    const double tip = orOutline(x, y, kSmallOr, 13, 0);
    line(x, y, tip, 0, kSmallGateOutputEnd - tip, 0);
}

void DrawNorGate(int x, int y)
{
    const double tip = orOutline(x, y, kLargeOr, 11, 0);
    line(x, y, tip + 10, 0, kGateOutputEnd - tip - 10, 0);
    ring(x + tip + 5, y, 5);
}

void DrawNorGateSmall(int x, int y)
{
    const double tip = orOutline(x, y, kSmallOr, 11, 0);
    line(x, y, tip + 6, 0, kSmallGateOutputEnd - tip - 6, 0);
    ring(x + tip + 3, y, 3);
}

void DrawXorGate(int x, int y)
{
    // The second back curve stands 8 behind the first; the inputs end on it.
    const double tip = orOutline(x, y, kLargeOr, 12, 8);
    line(x, y, tip, 0, kGateOutputEnd - tip, 0);
}

void DrawNotGate(int x, int y)
{
    fillTriangle(x, y - 13, x + 23, y, x, y + 13, 15);
    draw(x - 40, y, QStringLiteral("c0 R40 U13 M+23,+13 M-23,+13 U13 BR33 R30"));
    ring(x + 28, y, 4);
}

void DrawNotGateSmall(int x, int y)
{
    fillTriangle(x, y - 9, x + 17, y, x, y + 9, 15);
    draw(x - 27, y, QStringLiteral("c0 R27 U9 M+17,+9 M-17,+9 U13 br25 bd4 r20"));
    ring(x + 21, y, 3);
}

void DrawRsFlipFlopSymbol(int x, int y)
{
    draw(x - 32, y + 16, QStringLiteral("R130 BD47 L130"));
    framedBox(x, y, 0, 0, 65, 80, 14);
    text(x + 5, y + 10, QStringLiteral("S"), 5);
    text(x + 5, y + 57, QStringLiteral("R"), 5);
    text(x + 48, y + 10, QStringLiteral("Q"), 12);
    text(x + 48, y + 57, QStringLiteral("Q"), 12, 2);
    text(x - 20, y + 92, QStringLiteral("The RS flip-flop symbol."), 8);
}

}  // namespace orr
