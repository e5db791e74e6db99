// Circles, arcs, disks and sectors; dots and arrowheads drawn as sectors.
#include <cmath>

#include "draw/kit.h"
#include "draw/primitives.h"

namespace orr {

namespace {
constexpr double kRadiansPerDegree = 0.017453292;
constexpr double kFullTurn = 6.2831853 + 1e-6;

void sector(double x, double y, double fromDegrees, double toDegrees, long colour, double size)
{
    circle(-4, x, y, size, colour, fromDegrees * kRadiansPerDegree, toDegrees * kRadiansPerDegree);
}
}  // namespace

void circle(double style, double x, double y, double radius, long colour, double start, double end, double aspect)
{
    PictureBox* pic = kit::target();
    if (!pic)
        return;
    const double k = kit::drawingScale();
    const double X = x + kit::textOffset();
    const double Y = y * k;
    if (aspect == 0)
        aspect = 1.0;
    setDrawingColour(colour);
    const QColor c = pic->foreColor;
    if (style > 10) {
        pic->drawWidth = std::max(1, kit::cint(style - 10));
        style = 0;
    } else {
        pic->drawWidth = 1;
    }

    // Angles beyond a full turn are refused: nothing is drawn.
    if (std::fabs(start) <= kFullTurn && std::fabs(end) <= kFullTurn) {
        const auto filledWith = [&](const QColor& fill) {
            pic->fillStyle = FillStyle::Solid;
            pic->fillColor = fill;
        };
        if (style == -1 || style == -6 || style == -8) {
            // Relative to the current point, without the text offset.
            if (style != -1)
                pic->drawWidth = 2;
            pic->circle(pic->currentX + x, pic->currentY + y * k, radius, c, start, end, aspect);
        } else if (style == -2) {
            filledWith(c);
            pic->circle(X, Y, radius, c);
        } else if (style == -3) {
            filledWith(c);
            pic->circle(X, Y, radius, Qt::black);
        } else if (style == -4) {
            filledWith(c);
            pic->circle(X, Y, radius, c, -start, -end, aspect);
        } else if (style == -5) {
            filledWith(c);
            pic->circle(X, Y, radius, c, start, end, aspect);
            pic->fillStyle = FillStyle::Transparent;
            pic->circle(X, Y, radius, Qt::black, start, end, aspect);
        } else if (style == -7) {
            filledWith(c);
            pic->circle(X, Y, radius, Qt::black, -start, -end, aspect);
        } else if (style == -9) {
            pic->circle(X, Y, radius, Qt::black, start, end, aspect);
        } else if (style >= 0) {
            const int penStyle = kit::cint(style);
            if (penStyle <= 6)
                pic->drawStyle = penStyle;
            if (start != 0)
                pic->circle(X, Y, radius, c, start, end, aspect);
            else
                pic->circle(X, Y, radius, c, 0, 0, aspect);
        }
    }
    kit::restoreDefaults(*pic);
}

void dot(double x, double y, long colour) { circle(-2, x, y, 2, colour); }
void largeDot(double x, double y, long colour) { circle(-2, x, y, 3, colour); }

void arrowheadUp(double x, double y, long colour, double size) { sector(x, y, 250, 290, colour, size); }
void arrowheadDown(double x, double y, long colour, double size) { sector(x, y, 70, 110, colour, size); }
void arrowheadLeft(double x, double y, long colour, double size) { sector(x, y, 340, 20, colour, size); }
void arrowheadRight(double x, double y, long colour, double size) { sector(x, y, 160, 200, colour, size); }

void rotatedArrowhead(double x, double y, double angleDegrees, long colour, double size)
{
    sector(x, y, angleDegrees, angleDegrees + 45, colour, size);
}

}  // namespace orr
