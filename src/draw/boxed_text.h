// Texts in boxes: a cell, a record field or a labelled unit of a block
// diagram, drawn as a filled box with an outline and its text centred.
#pragma once

#include <QString>

namespace orr {

// A box at (x, y), w by h picture units, filled with fill (or left clear when
// fill is negative), outlined in black, with text centred in ink.
void boxedText(double x, double y, double w, double h, const QString& text, long fill, long ink, int size,
               bool bold = false);

// A line from (x1, y1) to (x2, y2) with an arrowhead at the second end.
void arrowTo(double x1, double y1, double x2, double y2, long colour);

}  // namespace orr
