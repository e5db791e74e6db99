// Labelled boxes, arrows and box chains.
#include "draw/block_diagram.h"

#include <QStringList>
#include <cmath>

#include "draw/primitives.h"

namespace orr {

namespace {
constexpr double kHead = 6;
constexpr int kLinePitch = 10;  // design units between the lines of a box's text
}  // namespace

void DrawLabelledBox(int x, int y, int w, int h, const QString& text, long fill, long ink, int size, bool bold)
{
    boxOrLine(0, x, y, 0, w, h, fill, QStringLiteral("BF"));
    boxOrLine(0, x, y, 0, w, h, ink, QStringLiteral("B"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    // The block of lines is centred in the box; a line is about 8 units high.
    const int top = y + (h - int(lines.size()) * kLinePitch) / 2 + 1;
    for (int i = 0; i < lines.size(); ++i)
        printCentred(x + w / 2, top + i * kLinePitch, lines[i], ink, size, bold ? 1 : 0);
}

void DrawArrow(int x1, int y1, int x2, int y2, long colour)
{
    boxOrLine(0, x1, y1, 0, x2 - x1, y2 - y1, colour, QString());
    if (y1 == y2)
        x2 > x1 ? arrowheadRight(x2, y2, colour, kHead) : arrowheadLeft(x2, y2, colour, kHead);
    else if (x1 == x2)
        y2 > y1 ? arrowheadDown(x2, y2, colour, kHead) : arrowheadUp(x2, y2, colour, kHead);
    else {
        // The sector opens back along the line, centred on its direction.
        const double back = std::atan2(-(y1 - y2), x1 - x2) * 180.0 / M_PI;
        rotatedArrowhead(x2, y2, back - 22.5, colour, kHead);
    }
}

void DrawBoxChain(int x, int y, int w, int h, int gap, const std::vector<ChainBox>& boxes, long fill, long ink,
                  long captionColour)
{
    for (size_t i = 0; i < boxes.size(); ++i) {
        const int left = x + int(i) * (w + gap);
        printCentred(left + w / 2, y - 11, boxes[i].caption, captionColour, 7, 0);
        DrawLabelledBox(left, y, w, h, boxes[i].text, fill, ink, 8, true);
        if (i + 1 < boxes.size())
            DrawArrow(left + w, y + h / 2, left + w + gap, y + h / 2, ink);
    }
}

}  // namespace orr
