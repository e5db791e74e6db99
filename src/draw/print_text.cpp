// Text primitives: print at, marked-up (sub/superscript), centred,
// right-aligned, and vertical text.
#include "draw/kit.h"
#include "draw/primitives.h"

#include "state/suite_state.h"

namespace orr {

namespace {

const QString kVerdana = QStringLiteral("Verdana");
const QString kArial = QStringLiteral("Arial");

// A text placed as print at places it: X with the text offset, Y scaled, both
// 16-bit; the text trimmed and measured in its font.
struct Placed {
    int X = 0;
    int Y = 0;
    QString text;
    int w = 0;
};

// Colour, position, text and font of a plain text. False when X, Y or the
// width overflow 16 bits: the print fails at that step.
bool place(PictureBox& pic, double x, double y, const QString& text, long colour, int size, bool bold,
           const QString& family, Placed& out)
{
    setDrawingColour(colour);
    if (!kit::toInt16(kit::textOffset() + x, out.X) || !kit::toInt16(y * kit::drawingScale(), out.Y))
        return false;
    out.text = kit::trimBlanks(text);
    kit::setFont(pic, family, size + kit::zoomRounded() + 1, bold);
    return kit::toInt16(kit::widthOf(pic, out.text), out.w);
}

// Underline (1), negation bar (2) or double bar (3) for a text at (x, y) of width w.
void styleMarks(PictureBox& pic, double x, double y, int w, int style, long colour)
{
    if (style == 1) {
        pic.fontUnderline = true;
    } else if (style == 2 || style == 3) {
        const QColor c = paletteColour(colour);
        const auto bar = [&](double top) { pic.line(x, top, x + w - 2, top + 1, c, true, true); };
        if (style == 2) {
            bar(y);
        } else {
            bar(y - 2);
            bar(y + 1);
        }
    }
}

void put(PictureBox& pic, double x, double y, const QString& text)
{
    pic.currentX = x;
    pic.currentY = y;
    if (!text.isEmpty())
        pic.print(text);
}

void finishText(PictureBox& pic, double currentX)
{
    pic.currentX = currentX;
    pic.foreColor = Qt::black;
    pic.fontUnderline = false;
}

void rightAligned(int x, int y, const QString& text, long colour, int size, int& bold, const QString& family)
{
    PictureBox* pic = kit::target();
    Placed p;
    if (!pic || !place(*pic, x, y, text, colour, size, bold != 0, family, p))
        return;
    bold = p.w;
    put(*pic, p.X - p.w, p.Y, p.text);
    finishText(*pic, p.X);
}

}  // namespace

void printAt(int x, int y, const QString& text, long colour, int size, int& bold, int style)
{
    PictureBox* pic = kit::target();
    Placed p;
    if (!pic || !place(*pic, x, y, text, colour, size, bold != 0, kVerdana, p))
        return;
    bold = p.w;
    styleMarks(*pic, p.X, p.Y, p.w, style, colour);
    put(*pic, p.X, p.Y, p.text);
    finishText(*pic, p.X + p.w - kit::textOffset());
}

void printFitted(int x, int y, const QString& text, long colour, int size, int bold, double maxWidth)
{
    PictureBox* pic = kit::target();
    Placed p;
    if (!pic || !place(*pic, x, y, text, colour, size, bold != 0, kVerdana, p))
        return;
    // Half a point at a time, down to half the asked size at most.
    const double asked = size + kit::zoomRounded() + 1;
    for (double face = asked - 0.5; p.w > maxWidth && face >= asked / 2; face -= 0.5) {
        kit::setFont(*pic, kVerdana, face, bold != 0);
        p.w = int(kit::widthOf(*pic, p.text) + 0.5);
    }
    put(*pic, p.X, p.Y, p.text);
    finishText(*pic, p.X + p.w - kit::textOffset());
}

void printCentred(int x, int y, const QString& text, long colour, int size, int bold, int style)
{
    PictureBox* pic = kit::target();
    Placed p;
    if (!pic || !place(*pic, x, y, text, colour, size, bold != 0, kVerdana, p))
        return;
    const double left = p.X - p.w / 2.0;
    styleMarks(*pic, left, p.Y, p.w, style, colour);
    put(*pic, left, p.Y, p.text);
    finishText(*pic, p.X);
}

void printRightAligned(int x, int y, const QString& text, long colour, int size, int& bold)
{
    rightAligned(x, y, text, colour, size, bold, kVerdana);
}

void printRightAlignedArial(int x, int y, const QString& text, long colour, int size, int& bold)
{
    rightAligned(x, y, text, colour, size, bold, kArial);
}

namespace {

// Lays out a marked-up text from (X, Y): the part before the first "sub(" (or
// "sup("), the inner part one size smaller and shifted, the rest. Prints the
// parts when pic is to paint; returns the total width.
int markedUp(PictureBox& pic, int X, int Y, const QString& text, int size, bool bold, bool paint)
{
    const QString t = kit::trimBlanks(text);
    QString before = t;
    QString inner;
    QString after;
    double shift = 0;
    double direction = 1;  // sub lowers
    qsizetype at = t.indexOf(QLatin1String("sub("));
    if (at < 0) {
        at = t.indexOf(QLatin1String("sup("));
        direction = -1;
    }
    if (at >= 0) {
        before = t.left(at);
        const qsizetype close = t.indexOf(QLatin1Char(')'), at + 4);
        if (close < 0) {
            inner = t.mid(at + 4);
        } else {
            inner = t.mid(at + 4, close - at - 4);
            after = t.mid(close + 1);
        }
        shift = direction * size * 0.25 * kit::drawingScale();
    }

    const double zoom = suite().zoomLevel;
    int total = 0;
    const auto part = [&](const QString& s, double fontSize, double top) {
        kit::setFont(pic, kVerdana, fontSize, bold);
        int w = 0;
        kit::toInt16(kit::widthOf(pic, s), w);
        if (paint)
            put(pic, X + total, top, s);
        total += w;
    };
    part(before, zoom + size + 1, Y);
    if (at >= 0) {
        part(inner, zoom + size, Y + shift);
        part(after, zoom + size + 1, Y);
    }
    return total;
}

}  // namespace

int kit::markedUpWidth(PictureBox& pic, const QString& text, int size, bool bold)
{
    return markedUp(pic, 0, 0, text, size, bold, false);
}

void printMarkedUp(double x, double y, const QString& text, long colour, int size, int& bold)
{
    PictureBox* pic = kit::target();
    if (!pic)
        return;
    setDrawingColour(colour);
    int X = 0;
    int Y = 0;
    if (!kit::toInt16(kit::textOffset() + x, X) || !kit::toInt16(y * kit::drawingScale(), Y))
        return;
    const int total = markedUp(*pic, X, Y, text, size, bold != 0, true);
    bold = total;
    pic->currentY = Y;
    finishText(*pic, X + total);
}

void verticalText(int x, int& y, const QString& text, long colour, int bold)
{
    for (const QChar ch : text) {
        int b = bold;
        printAt(x, y, QString(ch), colour, 8, b, 0);
        y += 9;
    }
}

}  // namespace orr
