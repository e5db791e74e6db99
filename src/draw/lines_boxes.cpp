// Lines and boxes: box or line with its styles, options and modes, labelled
// lines, arrow lines and the horizontal rule.
#include <algorithm>

#include "draw/kit.h"
#include "draw/primitives.h"

#include "state/suite_state.h"

namespace orr {

namespace {

void setPenStyle(PictureBox& pic, int style)
{
    if (style >= 0 && style <= 6)
        pic.drawStyle = style;
}

}  // namespace

void boxOrLine(int style, double x, double y, int option, double width, double height, long colour,
               const QString& mode)
{
    PictureBox* pic = kit::target();
    if (!pic)
        return;
    pic->drawStyle = 0;
    setDrawingColour(colour);
    const QColor c = pic->foreColor;
    const double offset = kit::textOffset();
    const double k = kit::drawingScale();
    const double X = x + offset;
    const double Y = y * k;
    const double H = height * k;
    if (style >= 11) {
        pic->drawWidth = style - 10;
        style = 0;
    } else {
        pic->drawWidth = 1;
    }

    const bool line = mode.isEmpty();
    const bool outline = mode == QLatin1String("B");
    const bool filled = mode == QLatin1String("BF");

    // Styles -3..-1 with option 0 draw and leave pen, fill and colour as they are.
    if (option == 0 && style >= -3 && style <= -1) {
        if (style == -3) {
            pic->line(pic->currentX, pic->currentY, width + offset, H, c);
        } else if (style == -2) {
            pic->line(pic->currentX, pic->currentY, pic->currentX + width, pic->currentY + H, c);
        } else if (line || outline || filled) {
            pic->line(X, Y, X + width, Y + H, c, !line, filled);
        }
        return;
    }

    if (option != -1) {
        const auto shadow = [&] { pic->line(X + 2, Y + 2, X + 2 + width, Y + 2 + H, Qt::black, true, true); };
        if (line || outline) {
            setPenStyle(*pic, style);
            pic->line(X, Y, X + width, Y + H, c, outline, false);
        } else if (filled) {
            pic->line(X, Y, X + width, Y + H, c, true, true);
        } else if (mode == QLatin1String("BS")) {
            shadow();
            pic->line(X, Y, X + width, Y + H, c, true, false);
        } else if (mode == QLatin1String("BFS")) {
            shadow();
            pic->line(X, Y, X + width, Y + H, c, true, true);
        }
    } else if (line || outline || filled) {
        // Option -1: (width, height) is the opposite corner.
        if (!filled)
            setPenStyle(*pic, style);
        pic->line(X, Y, width + offset, H, c, !line, filled);
    }
    kit::restoreDefaults(*pic);
}

void labelledLine(double x, double y, int halfLength, long colour, const QString& label, bool leftArrow,
                  bool rightArrow)
{
    PictureBox* pic = kit::target();
    if (!pic)
        return;
    const int w = kit::markedUpWidth(*pic, label, 8, false);
    const int s = kit::cint(halfLength - w / 2.0);
    boxOrLine(0, x, y, 0, s, 0, colour, QString());
    int bold = 0;
    printMarkedUp(x + s + 2, y - 6, label, colour, 8, bold);
    boxOrLine(0, x + s + w + 4, y, 0, s - 2, 0, colour, QString());
    if (leftArrow)
        arrowheadLeft(x, y, colour, 5);
    if (rightArrow)
        arrowheadRight(x + s + w + 4 + s - 2, y, colour, 5);
    pic->currentX -= kit::textOffset();
}

void verticalLabelledLine(double x, double y, double halfLength, long colour, bool centred, const QString& label,
                          bool upArrow, bool downArrow)
{
    PictureBox* pic = kit::target();
    if (!pic)
        return;
    const double h = halfLength;
    boxOrLine(0, x, y, 0, 0, -h, colour, QString());
    boxOrLine(0, x, y - h - 15, 0, 0, -h, colour, QString());
    double left = x;
    if (centred) {
        kit::setFont(*pic, QStringLiteral("Verdana"), suite().zoomLevel + 9, false);
        left = x - kit::widthOf(*pic, label) / 2;
    }
    int bold = 0;
    printMarkedUp(left, y - h - 13, label, colour, 8, bold);
    if (upArrow)
        arrowheadUp(x, y - 2 * h - 15, colour, 7);
    if (downArrow)
        arrowheadDown(x, y, colour, 7);
}

void arrowLine(int x, int y, int length, long colour, bool bothEnds)
{
    boxOrLine(0, x, y, 0, length, 0, colour, QString());
    arrowheadLeft(x, y, colour, 6);
    if (bothEnds)
        arrowheadRight(x + length, y, colour, 6);
}

void horizontalRule(int y, long colour)
{
    draw(30 - kit::textOffset(), y, QStringLiteral("w3 c") + QString::number(colour) + QStringLiteral("r640 "));
}

}  // namespace orr
