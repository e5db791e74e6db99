// The drawing primitives every diagram is drawn with. They draw on the
// current picture in logical units: the horizontal text offset is added to x,
// the drawing scale multiplies y, and the zoom level enlarges the fonts. Each
// leaves the picture with a solid pen of width 1, transparent fill, black fore
// colour and no underline.
#pragma once

#include <QColor>
#include <QString>

namespace orr {

// Colour numbers: 0..15 the 16-colour palette, 7 the button-face colour when
// used to draw, anything else an RGB value (0x00BBGGRR).
QColor paletteColour(long colour);
void setDrawingColour(long colour);

void printAt(int x, int y, const QString& text, long colour, int size, int& bold, int style = 0);
void printMarkedUp(double x, double y, const QString& text, long colour, int size, int& bold);
void printCentred(int x, int y, const QString& text, long colour, int size, int bold, int style = 0);
// Prints like printAt, in a face shrunk as far as the text needs to fit within
// maxWidth units (a fixed box that would otherwise clip it).
void printFitted(int x, int y, const QString& text, long colour, int size, int bold, double maxWidth);
void printRightAligned(int x, int y, const QString& text, long colour, int size, int& bold);
void printRightAlignedArial(int x, int y, const QString& text, long colour, int size, int& bold);
void printFraction(int x, int y, int size, const QString& left, long colour, bool equals, const QString& numerator,
                   const QString& denominator, int& bold);
void printSquareRoot(int x, int y, int size, const QString& left, long colour, bool equals,
                     const QString& radicand, int bold);
enum class RootLayout { A, B };
void printRootOfFraction(RootLayout layout, int x, int y, int size, const QString& left, long colour, bool equals,
                         const QString& numerator, const QString& denominator, int& bold);

void labelledLine(double x, double y, int halfLength, long colour, const QString& label, bool leftArrow,
                  bool rightArrow);
void verticalLabelledLine(double x, double y, double halfLength, long colour, bool centred, const QString& label,
                          bool upArrow, bool downArrow);
void arrowLine(int x, int y, int length, long colour, bool bothEnds);
void verticalText(int x, int& y, const QString& text, long colour, int bold);
void horizontalRule(int y, long colour);

void boxOrLine(int style, double x, double y, int option, double width, double height, long colour,
               const QString& mode);
void circle(double style, double x, double y, double radius, long colour, double start = 0, double end = 0,
            double aspect = 1.0);
void dot(double x, double y, long colour);
void largeDot(double x, double y, long colour);
void arrowheadUp(double x, double y, long colour, double size);
void arrowheadDown(double x, double y, long colour, double size);
void arrowheadLeft(double x, double y, long colour, double size);
void arrowheadRight(double x, double y, long colour, double size);
void rotatedArrowhead(double x, double y, double angleDegrees, long colour, double size);

// Interprets a draw string from (x, y) on the current picture.
void draw(double x, double y, const QString& commands);

}  // namespace orr
