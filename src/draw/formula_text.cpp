// Formula lines: a fraction, a square root and the root of a fraction, each
// after a left text and an optional " = ".
#include <algorithm>

#include "draw/kit.h"
#include "draw/primitives.h"

namespace orr {

namespace {

// Font of the formula procedures: "Verdana" at size + zoom level + 1.
void formulaFont(PictureBox& pic, int size, int bold)
{
    kit::setFont(pic, QStringLiteral("Verdana"), kit::zoomRounded() + size + 1, bold != 0);
}

QString leftPart(const QString& left, bool equals)
{
    return equals ? left + QStringLiteral(" = ") : left;
}

// Bar length and the indents that centre the shorter of two texts over it.
struct Stack {
    int bar = 0;
    int numeratorIndent = 0;
    int denominatorIndent = 0;
};

Stack stackOf(int wn, int wd)
{
    Stack s;
    s.bar = std::max(wn, wd);
    if (wn > wd)
        s.denominatorIndent = kit::cint((wn - wd) / 2.0);
    else
        s.numeratorIndent = kit::cint((wd - wn) / 2.0);
    return s;
}

QString num(long v) { return QString::number(v); }

}  // namespace

void printFraction(int x, int y, int size, const QString& left, long colour, bool equals, const QString& numerator,
                   const QString& denominator, int& bold)
{
    PictureBox* pic = kit::target();
    if (!pic)
        return;
    formulaFont(*pic, size, bold);
    int wn = 0;
    int wd = 0;
    if (!kit::toInt16(kit::widthOf(*pic, numerator), wn) || !kit::toInt16(kit::widthOf(*pic, denominator), wd))
        return;
    const int d = kit::cint(size - kit::zoomRounded() * 0.5);

    int wl = bold;
    printMarkedUp(x, y, leftPart(left, equals), colour, size, wl);

    const Stack s = stackOf(wn, wd);
    int xf = 0;
    if (!kit::toInt16(double(x) + wl + d, xf))
        return;
    boxOrLine(0, xf, y + d - 1, 0, s.bar, 0, colour, QString());

    const float k = float(kit::drawingScale());
    if (k == 0)
        return;
    // The numerator's top stands 2d picture units above the bar level, whatever
    // the scale. Worked in single precision, so that halves round as the scale's
    // own precision makes them.
    const float lift = float(2 * d) / k;
    int b = bold;
    printAt(xf + s.numeratorIndent, kit::cint(float(y + d - 2) - lift), numerator, colour, size, b, 0);
    b = bold;
    printAt(xf + s.denominatorIndent, y + d, denominator, colour, size, b, 0);

    pic->currentX = xf + s.bar;
    bold = xf + s.bar;
}

void printSquareRoot(int x, int y, int size, const QString& left, long colour, bool equals,
                     const QString& radicand, int bold)
{
    PictureBox* pic = kit::target();
    if (!pic)
        return;
    formulaFont(*pic, size, bold);
    const int yc = kit::cint(y + size / 2.0);
    const int top = yc - kit::cint(size / 2.0);
    int wl = bold;
    printMarkedUp(x, top, leftPart(left, equals), colour, size, wl);

    int wr = bold;
    printAt(x + wl + 2 * size, top, radicand, colour, size, wr, 0);

    // Tick down, stroke up 2.5 sizes, bar over the radicand.
    const QString sign = QStringLiteral("c") + num(colour) + QStringLiteral("f5 m+5,-") + num(kit::cint(2.5 * size)) +
                         QStringLiteral("r") + num(wr + size);
    draw(x + wl + size / 4.0, yc + size, sign);
}

void printRootOfFraction(RootLayout layout, int x, int y, int size, const QString& left, long colour, bool equals,
                         const QString& numerator, const QString& denominator, int& bold)
{
    PictureBox* pic = kit::target();
    if (!pic)
        return;
    const int givenBold = bold;
    formulaFont(*pic, size, givenBold);
    int wn = 0;
    int wd = 0;
    if (!kit::toInt16(kit::widthOf(*pic, numerator), wn) || !kit::toInt16(kit::widthOf(*pic, denominator), wd))
        return;
    const int h = kit::cint(pic->textHeight(left));

    const int yc = kit::cint(y + h / 2.0);
    int wl = givenBold;
    printAt(x, yc - kit::cint(h / 2.0), leftPart(left, equals), colour, size, wl, 0);
    bold = wl;

    const Stack s = stackOf(wn, wd);
    const int xf = x + wl + h;
    boxOrLine(0, xf, yc, 0, s.bar, 0, colour, QString());

    int b = givenBold;
    if (layout == RootLayout::A) {
        printAt(xf + s.numeratorIndent, yc - h + 2, numerator, colour, size, b, 0);
        b = givenBold;
        printAt(xf + s.denominatorIndent, yc + 1, denominator, colour, size, b, 0);
        draw(x + wl, yc + h / 2.0,
             QStringLiteral("c") + num(colour) + QStringLiteral("f5 m+5,-") + num(kit::cint(1.8 * h)) +
                 QStringLiteral("r") + num(s.bar + 5));
    } else {
        printAt(xf + s.numeratorIndent, yc - h, numerator, colour, size, b, 0);
        b = givenBold;
        printAt(xf + s.denominatorIndent, yc + kit::cint(h / 3.0), denominator, colour, size, b, 0);
        draw(x + wl + h / 3.0, yc + h, QStringLiteral("c") + num(colour) + QStringLiteral(" f5 m+5,-18 r") + num(s.bar));
    }
}

}  // namespace orr
