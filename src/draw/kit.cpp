// Helpers of the drawing kit: target picture, integer conversions, fonts.
#include "draw/kit.h"

#include <cmath>

#include "state/suite_state.h"

namespace orr::kit {

PictureBox* target() { return suite().currentPicture; }

double roundEven(double v) { return std::nearbyint(v); }  // default rounding mode: to nearest, ties to even

int cint(double v)
{
    const double r = roundEven(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        return 0;
    return int(r);
}

bool toInt16(double v, int& out)
{
    const double r = roundEven(v);
    if (!(r >= -32768.0 && r <= 32767.0))
        return false;
    out = int(r);
    return true;
}

int zoomRounded() { return cint(suite().zoomLevel); }
double drawingScale() { return suite().drawingScale; }
int textOffset() { return suite().textOffset; }

void setFont(PictureBox& pic, const QString& family, double size, bool bold)
{
    QFont f(family);
    f.setPointSizeF(size > 0.5 ? size : 0.5);
    f.setBold(bold);
    f.setItalic(false);
    pic.font = f;
    pic.fontUnderline = false;
}

double widthOf(const PictureBox& pic, const QString& text) { return pic.textWidth(text); }

QString trimBlanks(const QString& text)
{
    qsizetype a = 0;
    qsizetype b = text.size();
    while (a < b && text.at(a) == QLatin1Char(' '))
        ++a;
    while (b > a && text.at(b - 1) == QLatin1Char(' '))
        --b;
    return text.mid(a, b - a);
}

void restoreDefaults(PictureBox& pic)
{
    pic.drawStyle = 0;
    pic.drawWidth = 1;
    pic.fillStyle = FillStyle::Transparent;
    pic.foreColor = Qt::black;
    pic.fontUnderline = false;
}

}  // namespace orr::kit
