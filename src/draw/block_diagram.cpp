// Labelled boxes, arrows and box chains.
#include "draw/block_diagram.h"

#include <QStringList>

#include "draw/board_text.h"
#include "draw/kit.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbol_parts.h"

namespace orr {

namespace {
constexpr double kHead = 6;
constexpr int kLinePitch = 10;  // design units between the lines of a box's text
}  // namespace

void DrawLabelledBox(double x, double y, double w, double h, const QString& text, long fill, long ink, int size,
                     bool bold)
{
    if (fill >= 0)
        boxOrLine(0, x, y, 0, w, h, fill, QStringLiteral("BF"));
    boxOrLine(0, x, y, 0, w, h, colour::Black, QStringLiteral("B"));
    if (text.isEmpty())
        return;
    const QStringList lines = text.split(QLatin1Char('\n'));
    // The block of lines is centred in the box: lines kLinePitch apart, the
    // last one a full text height (about 1.45 units per point of size at
    // scale 1, growing with the zoom).
    const double textHeight = (size + kit::zoomRounded() + 1) * 1.45 / kit::drawingScale();
    const double block = double(lines.size() - 1) * kLinePitch + textHeight;
    const int top = int(y + (h - block) / 2 + 0.5);
    for (int i = 0; i < lines.size(); ++i)
        printCentred(int(x + w / 2), top + i * kLinePitch, lines[i], ink, size, bold ? 1 : 0);
}

QString twoLineCaption(const QString& caption, double width, int size, bool bold)
{
    if (measuredWidth(caption, size, bold) <= width || !caption.contains(QLatin1Char(' ')))
        return caption;
    const int half = int(caption.size()) / 2;
    int cut = int(caption.indexOf(QLatin1Char(' '), half));
    const int before = int(caption.lastIndexOf(QLatin1Char(' '), half));
    if (cut < 0 || (before >= 0 && half - before < cut - half))
        cut = before;
    return caption.left(cut) + QLatin1Char('\n') + caption.mid(cut + 1);
}

void DrawArrow(double x1, double y1, double x2, double y2, long colour)
{
    boxOrLine(0, x1, y1, 0, x2 - x1, y2 - y1, colour, QString());
    if (y1 == y2)
        x2 > x1 ? arrowheadRight(x2, y2, colour, kHead) : arrowheadLeft(x2, y2, colour, kHead);
    else if (x1 == x2)
        y2 > y1 ? arrowheadDown(x2, y2, colour, kHead) : arrowheadUp(x2, y2, colour, kHead);
    else
        parts::arrowTowards(x1, y1, x2, y2, kHead, colour);
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
