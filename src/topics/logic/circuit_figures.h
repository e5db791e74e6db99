// Figure pieces shared by the combinational logic, arithmetic and logic unit
// and memory cell windows: plain labels, wires with junction dots, logic level
// boxes that remember where they were printed, titled tables and function
// blocks.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "draw/palette.h"

namespace orr::logic {

// A text at (x, y), in Verdana of the given size.
void label(int x, int y, const QString& text, long colour = colour::Black, int size = 8, bool bold = false);
// A wire from (x, y) over (dx, dy), and a junction dot.
void wire(int x, int y, int dx, int dy, long colour = colour::Black);
void junction(int x, int y);

// A logic level shown where a wire meets a label: the level box at (x, y - 6),
// so that it sits on a wire at height y.
struct LevelProbe {
    QString name;
    bool value = false;
};
class LevelLog {
public:
    void clear() { levels_.clear(); }
    void show(const QString& name, int x, int wireY, long colour, bool value);
    const std::vector<LevelProbe>& levels() const { return levels_; }
    // The level last shown under the name, or -1 when none was.
    int level(const QString& name) const;

private:
    std::vector<LevelProbe> levels_;
};

// A table with a title strip: the header row in bold and one row per entry,
// each row's cells separated by "-" and centred in columns of columnWidth.
// The row whose index is highlight (or none, -1) is shaded white on yellow.
struct TitledTable {
    int left = 0;
    int top = 0;
    int columnWidth = 36;
    int rowHeight = 13;
};
void drawTitledTable(const TitledTable& t, const QString& title, const QString& header, const QStringList& rows,
                     int highlight);

// A function block: a filled box with an outline and up to three centred
// lines of text.
void block(int x, int y, int width, int height, long fill, const QStringList& lines, long textColour = colour::Navy);

}  // namespace orr::logic
