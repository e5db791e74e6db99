// The draw-string interpreter: turtle-graphics commands moving a pen over the
// current picture (u d l r e f g h m, prefixes b and n, settings c s w y).
#include <algorithm>

#include "draw/kit.h"
#include "draw/primitives.h"

namespace orr {

namespace {

// The number at the start of text: an optional sign, digits and one decimal
// point; it stops at the first character that cannot continue the number.
// Anything else gives 0.
double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    double sign = 1;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            sign = -1;
        ++i;
    }
    double value = 0;
    double scale = 0;  // 0 before the decimal point, then 0.1, 0.01, ...
    for (; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isDigit() && ch.unicode() < 128) {
            const int digit = ch.unicode() - '0';
            if (scale == 0) {
                value = value * 10 + digit;
            } else {
                value += digit * scale;
                scale /= 10;
            }
        } else if (ch == QLatin1Char('.') && scale == 0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    return sign * value;
}

// Text from position `from` up to (not including) the next blank.
QStringView upToBlank(const QString& text, qsizetype from)
{
    qsizetype end = text.indexOf(QLatin1Char(' '), from);
    if (end < 0)
        end = text.size();
    return QStringView(text).mid(from, end - from);
}

}  // namespace

void draw(double x, double y, const QString& commands)
{
    PictureBox* pic = kit::target();
    if (!pic)
        return;
    const QString text = QLatin1Char(' ') + kit::trimBlanks(commands).toLower() + QLatin1Char(' ');
    const double k = kit::drawingScale();
    double penX = x + kit::textOffset();
    double penY = y * k;
    long factor = 1;
    bool drawing = true;  // cleared by "b" until the next blank
    bool moving = true;   // cleared by "n" until the next blank

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('b'))
            drawing = false;
        else if (c == QLatin1Char('n'))
            moving = false;
        else if (c == QLatin1Char(' '))
            drawing = moving = true;

        double dx = 0;
        double dy = 0;
        bool stroke = true;
        switch (c.unicode()) {
        case 'u': dy = -(leadingNumber(upToBlank(text, i + 1)) * k * factor); break;
        case 'd': dy = leadingNumber(upToBlank(text, i + 1)) * k * factor; break;
        case 'l': dx = -(leadingNumber(upToBlank(text, i + 1)) * factor); break;
        case 'r': dx = leadingNumber(upToBlank(text, i + 1)) * factor; break;
        case 'e': {
            const double n = leadingNumber(upToBlank(text, i + 1));
            dx = n * factor;
            dy = -(n * factor * k);
            break;
        }
        case 'f': {
            const double n = leadingNumber(upToBlank(text, i + 1));
            dx = n * factor;
            dy = n * factor * k;
            break;
        }
        case 'g': {
            const double n = leadingNumber(upToBlank(text, i + 1));
            dx = -(n * factor);
            dy = n * factor * k;
            break;
        }
        case 'h': {
            // One unit short of the other diagonals.
            const double n = leadingNumber(upToBlank(text, i + 1)) - 1;
            dx = -(n * factor);
            dy = -(n * factor * k);
            break;
        }
        case 'm': {
            // "m a,b": a up to the next ",", b after it up to the next blank.
            const qsizetype comma = text.indexOf(QLatin1Char(','), i + 1);
            double a = 0;
            double b = 0;
            if (comma < 0) {
                a = leadingNumber(upToBlank(text, i + 1));
            } else {
                a = leadingNumber(QStringView(text).mid(i + 1, comma - i - 1));
                b = leadingNumber(upToBlank(text, comma + 1));
            }
            dx = a * factor;
            dy = b * factor * k;
            break;
        }
        case 'c': setDrawingColour(kit::cint(leadingNumber(upToBlank(text, i + 1)))); stroke = false; break;
        case 's': factor = kit::cint(leadingNumber(upToBlank(text, i + 1))); stroke = false; break;
        case 'w': pic->drawWidth = std::max(0, kit::cint(leadingNumber(upToBlank(text, i + 1)))); stroke = false; break;
        case 'y': {
            const int style = kit::cint(leadingNumber(upToBlank(text, i + 1)));
            if (style >= 0 && style <= 6)
                pic->drawStyle = style;
            stroke = false;
            break;
        }
        default: stroke = false; break;
        }
        // A stroke of length 0 (a zero or missing number) draws nothing.
        if (!stroke || (dx == 0 && dy == 0))
            continue;
        if (drawing)
            pic->line(penX, penY, penX + dx, penY + dy, pic->foreColor);
        if (moving) {
            penX += dx;
            penY += dy;
        }
    }

    if (k != 0)
        pic->currentY = penY / k;
    pic->drawStyle = 0;
    pic->drawWidth = 1;
    pic->foreColor = Qt::black;
}

}  // namespace orr
