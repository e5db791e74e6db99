// Worked-example texts: caption with value, right-aligned digit rows.
#include "draw/board_text.h"

#include "draw/kit.h"
#include "draw/palette.h"
#include "draw/primitives.h"

namespace orr {

int printMeasured(int x, int y, const QString& text, long colour, int size, bool bold)
{
    int w = bold ? 1 : 0;
    printAt(x, y, text, colour, size, w);
    return w;
}

int printCaptioned(int x, int y, const QString& caption, const QString& value, int size, long valueColour,
                   bool valueBold, int valueSize)
{
    const int w = printMeasured(x, y, caption, colour::Black, size);
    const int gap = caption.endsWith(QLatin1Char('.')) ? 0 : 5;
    return x + w + gap +
           printMeasured(x + w + gap, y, value, valueColour, valueSize ? valueSize : size, valueBold);
}

int printDigitRow(int right, int y, const QString& digits, long colour, int size, bool bold)
{
    int w = bold ? 1 : 0;
    printRightAligned(right, y, digits, colour, size, w);
    return w;
}

int measuredWidth(const QString& text, int size, bool bold)
{
    PictureBox* pic = kit::target();
    if (!pic)
        return 0;
    kit::setFont(*pic, QStringLiteral("Verdana"), size + kit::zoomRounded() + 1, bold);
    return int(kit::widthOf(*pic, kit::trimBlanks(text)));
}

}  // namespace orr
