// Small drawing steps the symbol procedures are built from, in design units
// relative to an anchor (x, y).
#pragma once

#include <QString>

namespace orr::parts {

// A line from (x + dx, y + dy) over (w, h), in colour.
void line(double x, double y, double dx, double dy, double w, double h, long colour = 0);
// A thick line (pen width 2 or more).
void thickLine(double x, double y, double dx, double dy, double w, double h, int width, long colour = 0);
// A filled box and a box outline.
void box(double x, double y, double dx, double dy, double w, double h, long colour);
void frame(double x, double y, double dx, double dy, double w, double h, long colour = 0);
// A box filled in fill and outlined in outline.
void framedBox(double x, double y, double dx, double dy, double w, double h, long fill, long outline = 0);
// Text at size 8, bold; style 2 bars it.
void text(double x, double y, const QString& s, long colour = 0, int style = 0);
// A triangle filled in colour (no outline).
void fillTriangle(double x1, double y1, double x2, double y2, double x3, double y3, long colour);
// Outline of a triangle.
void triangle(double x1, double y1, double x2, double y2, double x3, double y3, long colour = 0);
// An arrowhead with its point at (x2, y2), pointing from (x1, y1) towards it.
void arrowTowards(double x1, double y1, double x2, double y2, double size, long colour = 0);
// A white disk with a black outline: inversion circles and terminals.
void ring(double x, double y, double radius);
// Outline arc from start to end degrees (counter-clockwise), in colour.
void arc(double x, double y, double radius, double startDegrees, double endDegrees, long colour = 0);

}  // namespace orr::parts
