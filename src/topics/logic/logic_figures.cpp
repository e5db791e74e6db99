// Truth-table boxes, Boolean expressions with negation bars, node records and
// bent wires for the logic gate windows.
#include "topics/logic/logic_figures.h"

#include <algorithm>
#include <cmath>

#include "draw/kit.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "state/suite_state.h"

namespace orr::logic {

namespace {

constexpr int kTitleRow = 16;
constexpr int kRowHeight = 14;

struct Bar {
    qsizetype from = 0;
    qsizetype to = 0;
    int level = 1;
};

void parseSequence(const QString& m, qsizetype& i, bool untilClose, QString& plain, std::vector<Bar>& bars);

// One negated unit after a "~": a bracketed group, another negation or one character.
void parseUnit(const QString& m, qsizetype& i, QString& plain, std::vector<Bar>& bars)
{
    if (i >= m.size())
        return;
    if (m[i] == u'(') {
        ++i;
        parseSequence(m, i, true, plain, bars);
    } else if (m[i] == u'~') {
        ++i;
        const qsizetype start = plain.size();
        parseUnit(m, i, plain, bars);
        bars.push_back({start, plain.size(), 1});
    } else {
        plain += m[i++];
    }
}

void parseSequence(const QString& m, qsizetype& i, bool untilClose, QString& plain, std::vector<Bar>& bars)
{
    while (i < m.size()) {
        const QChar c = m[i];
        if (c == u')' && untilClose) {
            ++i;
            return;
        }
        if (c == u'~') {
            ++i;
            const qsizetype start = plain.size();
            parseUnit(m, i, plain, bars);
            bars.push_back({start, plain.size(), 1});
        } else if (c == u'(') {
            plain += c;
            ++i;
            parseSequence(m, i, true, plain, bars);
            plain += u')';
        } else {
            plain += c;
            ++i;
        }
    }
}

// A bar stands one step above every bar under it.
void levelBars(std::vector<Bar>& bars)
{
    std::sort(bars.begin(), bars.end(), [](const Bar& a, const Bar& b) { return a.to - a.from < b.to - b.from; });
    for (size_t k = 0; k < bars.size(); ++k)
        for (size_t j = 0; j < k; ++j)
            if (bars[j].from >= bars[k].from && bars[j].to <= bars[k].to)
                bars[k].level = std::max(bars[k].level, bars[j].level + 1);
}

QString parse(const QString& markup, std::vector<Bar>& bars)
{
    QString plain;
    qsizetype i = 0;
    parseSequence(markup, i, false, plain, bars);
    return plain;
}

void line(double x, double y, double w, double h) { boxOrLine(0, x, y, 0, w, h, colour::Black, QString()); }

}  // namespace

void ProbeLog::record(const QString& name, int x, int y)
{
    const SuiteState& s = suite();
    probes_.push_back({name, double(s.textOffset + x), double(std::lround(y * double(s.drawingScale)))});
}

void drawTruthTable(const TruthTableBox& b, const QString& header, const QStringList& rows, int highlight)
{
    const int rowsTop = b.top + kTitleRow;
    const int height = kTitleRow + kRowHeight * int(rows.size() + 1) + 2;
    boxOrLine(0, b.left, b.top, 0, b.width, height, colour::Yellow, QStringLiteral("BF"));
    if (highlight >= 0 && highlight < rows.size())
        boxOrLine(0, b.left, rowsTop + kRowHeight * (highlight + 1), 0, b.width, kRowHeight, colour::White,
                  QStringLiteral("BF"));
    boxOrLine(0, b.left, b.top, 0, b.width, height, colour::Black, QStringLiteral("B"));
    printCentred(b.left + b.width / 2, b.top + 3, QStringLiteral("Truth Table"), colour::Title, 8, 1);
    for (int r = 0; r <= rows.size(); ++r)
        line(b.left, rowsTop + kRowHeight * r, b.width, 0);
    const int columns = int(header.count(QLatin1Char('-'))) + 1;
    for (int c = 1; c < columns; ++c)
        line(b.left + b.columnWidth * c, rowsTop, 0, height - kTitleRow);
    int x = b.left + b.textInset;
    DrawTruthRow(x, rowsTop + 2, header, 8, 1, 0);
    for (int r = 0; r < rows.size(); ++r) {
        x = b.left + b.textInset;
        DrawTruthRow(x, rowsTop + kRowHeight * (r + 1) + 2, rows[r], 8, 0, 0);
    }
}

QString plainExpression(const QString& markup)
{
    std::vector<Bar> bars;
    return parse(markup, bars);
}

int expressionWidth(const QString& markup, int size, int bold)
{
    PictureBox* pic = kit::target();
    return pic ? kit::markedUpWidth(*pic, plainExpression(markup), size, bold != 0) : 0;
}

int printExpression(int x, int y, const QString& markup, long colour, int size, int bold, long barColour)
{
    std::vector<Bar> bars;
    const QString plain = parse(markup, bars);
    levelBars(bars);
    int width = bold;
    printAt(x, y, plain, colour, size, width);
    PictureBox* pic = kit::target();
    if (!pic)
        return x + width;
    // Widths of the text before a position, measured with a sentinel so that
    // blanks at the end of the part count.
    const QString sentinel = QStringLiteral("|");
    const int sentinelWidth = kit::markedUpWidth(*pic, sentinel, size, bold != 0);
    const auto before = [&](qsizetype at) {
        if (at <= 0)
            return 0;
        return kit::markedUpWidth(*pic, plain.left(at) + sentinel, size, bold != 0) - sentinelWidth;
    };
    const double k = suite().drawingScale > 0 ? suite().drawingScale : 1.0;
    for (const Bar& bar : bars) {
        const int x1 = x + before(bar.from) + 1;
        const int length = std::max(3, x + before(bar.to) - x1 - 1);
        const double yBar = y + 0.5 - 4.0 * (bar.level - 1) / k;
        draw(x1, yBar, QStringLiteral("c%1 r%2").arg(barColour).arg(length));
    }
    return x + width;
}

void drawLargeGate(GateKind kind, int x, int y)
{
    switch (kind) {
    case GateKind::And: DrawAndGate(x, y); break;
    case GateKind::Or: DrawOrGate(x, y); break;
    case GateKind::Nand: DrawNandGate(x, y); break;
    case GateKind::Nor: DrawNorGate(x, y); break;
    case GateKind::Xor: DrawXorGate(x, y); break;
    case GateKind::Not: DrawNotGate(x, y); break;
    }
}

void drawSmallGate(GateKind kind, int x, int y)
{
    switch (kind) {
    case GateKind::And: DrawAndGateSmall(x, y); break;
    case GateKind::Or: DrawOrGateSmall(x, y); break;
    case GateKind::Nand: DrawNandGateSmall(x, y); break;
    case GateKind::Nor: DrawNorGateSmall(x, y); break;
    case GateKind::Xor: DrawOrGateSmall(x, y); break;  // no small exclusive-OR symbol: not used
    case GateKind::Not: DrawNotGateSmall(x, y); break;
    }
}

void gateName(int x, int y, const QString& name)
{
    int w = 1;
    printAt(x, y, name, colour::Black, 6, w);
}

void wire(int x1, int y1, int x2, int y2, int bendX)
{
    if (y1 == y2) {
        line(x1, y1, x2 - x1, 0);
        return;
    }
    line(x1, y1, bendX - x1, 0);
    line(bendX, y1, 0, y2 - y1);
    line(bendX, y2, x2 - bendX, 0);
}

}  // namespace orr::logic
