// Labels, wires, logic levels, titled tables and blocks of the circuit windows.
#include "topics/logic/circuit_figures.h"

#include "draw/primitives.h"
#include "draw/symbols.h"

namespace orr::logic {

void label(int x, int y, const QString& text, long colour, int size, bool bold)
{
    int b = bold ? 1 : 0;
    printAt(x, y, text, colour, size, b);
}

void wire(int x, int y, int dx, int dy, long colour) { boxOrLine(0, x, y, 0, dx, dy, colour, QString()); }

void junction(int x, int y) { largeDot(x, y, colour::Black); }

void LevelLog::show(const QString& name, int x, int wireY, long colour, bool value)
{
    DrawLogicBit(x, wireY - 6, colour, value);
    levels_.push_back({name, value});
}

int LevelLog::level(const QString& name) const
{
    int found = -1;
    for (const LevelProbe& p : levels_)
        if (p.name == name)
            found = p.value ? 1 : 0;
    return found;
}

void drawTitledTable(const TitledTable& t, const QString& title, const QString& header, const QStringList& rows,
                     int highlight)
{
    const int columns = int(header.count(QLatin1Char('-'))) + 1;
    const int width = columns * t.columnWidth;
    const int titleHeight = t.rowHeight + 2;
    const int rowsTop = t.top + titleHeight;
    const int height = titleHeight + t.rowHeight * int(rows.size() + 1) + 2;
    boxOrLine(0, t.left, t.top, 0, width, height, colour::Yellow, QStringLiteral("BF"));
    if (highlight >= 0 && highlight < rows.size())
        boxOrLine(0, t.left, rowsTop + t.rowHeight * (highlight + 1), 0, width, t.rowHeight, colour::White,
                  QStringLiteral("BF"));
    boxOrLine(0, t.left, t.top, 0, width, height, colour::Black, QStringLiteral("B"));
    printCentred(t.left + width / 2, t.top + 2, title, colour::Title, 8, 1);
    for (int r = 0; r <= rows.size(); ++r)
        wire(t.left, rowsTop + t.rowHeight * r, width, 0);
    for (int c = 1; c < columns; ++c)
        wire(t.left + t.columnWidth * c, rowsTop, 0, height - titleHeight);
    const auto row = [&](const QString& text, int y, int bold) {
        const QStringList cells = text.split(QLatin1Char('-'));
        for (int c = 0; c < cells.size(); ++c)
            printCentred(t.left + t.columnWidth * c + t.columnWidth / 2, y, cells[c], colour::Black, 8, bold);
    };
    row(header, rowsTop + 1, 1);
    for (int r = 0; r < rows.size(); ++r)
        row(rows[r], rowsTop + t.rowHeight * (r + 1) + 1, 0);
}

void block(int x, int y, int width, int height, long fill, const QStringList& lines, long textColour)
{
    boxOrLine(0, x, y, 0, width, height, fill, QStringLiteral("BF"));
    boxOrLine(0, x, y, 0, width, height, colour::Black, QStringLiteral("B"));
    const int lineHeight = 11;
    int top = y + height / 2 - int(lines.size()) * lineHeight / 2;
    for (const QString& l : lines) {
        printCentred(x + width / 2, top, l, textColour, 8, 1);
        top += lineHeight;
    }
}

}  // namespace orr::logic
