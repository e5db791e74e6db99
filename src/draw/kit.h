// Internal helpers shared by the drawing primitives: the target picture, the
// integer conversions the primitives' arithmetic is defined with, fonts and
// the state every primitive leaves behind.
#pragma once

#include <QFont>
#include <QString>

#include "platform/picture.h"

namespace orr::kit {

// The picture the drawing kit draws on, or null when there is none.
PictureBox* target();

// Round to the nearest whole number, halves to the even neighbour.
double roundEven(double v);
int cint(double v);
// Convert to a 16-bit integer (halves to even); false when it does not fit.
bool toInt16(double v, int& out);

int zoomRounded();
double drawingScale();
int textOffset();

// Sets the picture's font: family, point size, bold; italic and underline off.
void setFont(PictureBox& pic, const QString& family, double size, bool bold);
// Width of text in the picture's current font, in its scale units.
double widthOf(const PictureBox& pic, const QString& text);

// Width that print marked-up returns for text at size, without printing it.
int markedUpWidth(PictureBox& pic, const QString& text, int size, bool bold);

// Trims blanks (only spaces) from both ends.
QString trimBlanks(const QString& text);

// Solid pen of width 1, transparent fill, black fore colour, no underline.
void restoreDefaults(PictureBox& pic);

}  // namespace orr::kit
