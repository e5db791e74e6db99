// Texts in boxes and plain arrows between two points.
#include "draw/boxed_text.h"

#include <cmath>

#include "draw/kit.h"
#include "draw/palette.h"
#include "draw/primitives.h"

namespace orr {

void boxedText(double x, double y, double w, double h, const QString& text, long fill, long ink, int size, bool bold)
{
    if (fill >= 0)
        boxOrLine(0, x, y, 0, w, h, fill, QStringLiteral("BF"));
    boxOrLine(0, x, y, 0, w, h, colour::Black, QStringLiteral("B"));
    if (text.isEmpty())
        return;
    // The face is about 1.6 points of height per point of size in picture units at scale 1.
    const double textHeight = (size + kit::zoomRounded() + 1) * 1.45 / kit::drawingScale();
    printCentred(int(x + w / 2), int(y + (h - textHeight) / 2 + 0.5), text, ink, size, bold ? 1 : 0);
}

void arrowTo(double x1, double y1, double x2, double y2, long colour)
{
    boxOrLine(0, x1, y1, 0, x2 - x1, y2 - y1, colour, QString());
    const double s = kit::drawingScale();
    if (x1 == x2)
        (y2 > y1 ? arrowheadDown : arrowheadUp)(x2, y2, colour, 6);
    else if (y1 == y2)
        (x2 > x1 ? arrowheadRight : arrowheadLeft)(x2, y2, colour, 6);
    else {
        // A wedge about the direction back along the line, angles counter-clockwise from 0 to 360.
        const double back = std::atan2((y2 - y1) * s, x1 - x2) * 180 / M_PI;
        const auto norm = [](double a) { return std::fmod(a + 720.0, 360.0) * M_PI / 180; };
        circle(-4, x2, y2, 7, colour, norm(back - 20), norm(back + 20));
    }
}

}  // namespace orr
