// Building steps of the symbols: lines, boxes, texts, filled triangles, arcs
// and arrowheads in design units.
#include "draw/symbol_parts.h"

#include <algorithm>
#include <cmath>

#include "draw/primitives.h"
#include "state/suite_state.h"

namespace orr::parts {

namespace {
constexpr double kDegrees = 0.017453292;

double scale()
{
    const double k = suite().drawingScale;
    return k > 0 ? k : 1.0;
}
}  // namespace

void line(double x, double y, double dx, double dy, double w, double h, long colour)
{
    boxOrLine(0, x + dx, y + dy, 0, w, h, colour, QString());
}

void thickLine(double x, double y, double dx, double dy, double w, double h, int width, long colour)
{
    boxOrLine(10 + width, x + dx, y + dy, 0, w, h, colour, QString());
}

void box(double x, double y, double dx, double dy, double w, double h, long colour)
{
    boxOrLine(0, x + dx, y + dy, 0, w, h, colour, QStringLiteral("BF"));
}

void frame(double x, double y, double dx, double dy, double w, double h, long colour)
{
    boxOrLine(0, x + dx, y + dy, 0, w, h, colour, QStringLiteral("B"));
}

void framedBox(double x, double y, double dx, double dy, double w, double h, long fill, long outline)
{
    box(x, y, dx, dy, w, h, fill);
    frame(x, y, dx, dy, w, h, outline);
}

void text(double x, double y, const QString& s, long colour, int style)
{
    int bold = 1;
    printAt(int(std::lround(x)), int(std::lround(y)), s, colour, 8, bold, style);
}

void fillTriangle(double x1, double y1, double x2, double y2, double x3, double y3, long colour)
{
    // Horizontal spans, one per picture unit of height.
    const double k = scale();
    const double top = std::min({y1, y2, y3}) * k;
    const double bottom = std::max({y1, y2, y3}) * k;
    const double xs[3] = {x1, x2, x3};
    const double ys[3] = {y1 * k, y2 * k, y3 * k};
    for (double row = std::ceil(top); row <= bottom; row += 1) {
        double left = 1e9;
        double right = -1e9;
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            const double ya = ys[i];
            const double yb = ys[j];
            if ((row < std::min(ya, yb)) || (row > std::max(ya, yb)))
                continue;
            const double xAt = ya == yb ? std::min(xs[i], xs[j]) : xs[i] + (row - ya) * (xs[j] - xs[i]) / (yb - ya);
            const double xOther = ya == yb ? std::max(xs[i], xs[j]) : xAt;
            left = std::min(left, xAt);
            right = std::max(right, xOther);
        }
        if (left <= right)
            boxOrLine(0, left, row / k, 0, right - left, 0, colour, QString());
    }
}

void triangle(double x1, double y1, double x2, double y2, double x3, double y3, long colour)
{
    boxOrLine(0, x1, y1, 0, x2 - x1, y2 - y1, colour, QString());
    boxOrLine(0, x2, y2, 0, x3 - x2, y3 - y2, colour, QString());
    boxOrLine(0, x3, y3, 0, x1 - x3, y1 - y3, colour, QString());
}

void arrowTowards(double x1, double y1, double x2, double y2, double size, long colour)
{
    const double k = scale();
    const double heading = std::atan2(-(y2 - y1) * k, x2 - x1) / kDegrees;
    // The sector opens backwards from the point, 45 degrees wide.
    double start = heading + 180 - 22.5;
    while (start >= 360)
        start -= 360;
    while (start < 0)
        start += 360;
    double end = start + 45;
    if (end >= 360)
        end -= 360;
    circle(-4, x2, y2, size, colour, std::max(start, 0.01) * kDegrees, std::max(end, 0.01) * kDegrees);
}

void ring(double x, double y, double radius) { circle(-3, x, y, radius, 15); }

void arc(double x, double y, double radius, double startDegrees, double endDegrees, long colour)
{
    // A start of 0 would mean the whole circle: start just past it.
    circle(0, x, y, radius, colour, std::max(startDegrees, 0.01) * kDegrees, std::max(endDegrees, 0.01) * kDegrees);
}

}  // namespace orr::parts
