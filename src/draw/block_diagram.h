// Block-diagram symbols: labelled boxes, arrows between them and a chain of
// boxes joined by arrows, as the microprocessor diagrams draw registers,
// buses and address calculations and the data topics draw cells, records
// and lists. Design units, like the rest of the kit.
#pragma once

#include <QString>
#include <vector>

namespace orr {

// A box w x h with its top left at (x, y), filled with fill (left clear when
// fill is negative) and outlined in black, with text centred in it in ink;
// lines of text are separated by '\n'. A cell, a record field and a unit of
// a block diagram are all drawn this way.
void DrawLabelledBox(double x, double y, double w, double h, const QString& text, long fill, long ink, int size = 8,
                     bool bold = false);

// The caption as it fits a box of the given inner width at size (bold): as it
// stands when it fits or has no blank, otherwise broken into two lines at the
// blank nearest its middle, ready for DrawLabelledBox.
QString twoLineCaption(const QString& caption, double width, int size = 8, bool bold = true);

// A straight arrow from (x1, y1) to (x2, y2), its head at the second point.
// Horizontal and vertical arrows take the kit's arrowheads; any other
// direction a rotated one.
void DrawArrow(double x1, double y1, double x2, double y2, long colour);

// One box of a chain: a caption printed above the box and the box's text.
struct ChainBox {
    QString caption;
    QString text;
};

// Boxes w x h side by side from (x, y), gap apart, each captioned above and
// joined to the next by an arrow across the gap.
void DrawBoxChain(int x, int y, int w, int h, int gap, const std::vector<ChainBox>& boxes, long fill, long ink,
                  long captionColour);

}  // namespace orr
