// Flip-flop blocks and logic waveforms.
#include "draw/timing_symbols.h"

#include "draw/palette.h"
#include "draw/symbol_parts.h"

namespace orr {

using namespace parts;

namespace {
void pinName(double x, double y, QString name, long colour)
{
    int style = 0;
    if (name.startsWith(QLatin1Char('O'))) {
        name.remove(0, 1);
        style = 2;
    }
    text(x, y, name, colour, style);
}
}  // namespace

void DrawFlipFlopBlock(int x, int y, int w, int h, const std::vector<BlockPin>& inputs,
                       const std::vector<BlockPin>& outputs, long fill, int lead)
{
    for (const BlockPin& p : inputs)
        if (lead > 0)
            line(x, y, -lead, p.dy, lead, 0);
    for (const BlockPin& p : outputs)
        if (lead > 0)
            line(x, y, w, p.dy, lead, 0);
    framedBox(x, y, 0, 0, w, h, fill);
    for (const BlockPin& p : inputs) {
        if (p.clock) {
            // The edge-trigger wedge on the clock input.
            line(x, y, 0, p.dy - 5, 8, 5);
            line(x, y, 0, p.dy + 5, 8, -5);
            if (!p.name.isEmpty())
                pinName(x + 11, y + p.dy - 6, p.name, colour::Purple);
        } else {
            pinName(x + 5, y + p.dy - 6, p.name, colour::Purple);
        }
    }
    for (const BlockPin& p : outputs)
        pinName(x + w - 16, y + p.dy - 6, p.name, colour::Red);
}

void DrawWaveform(int x, int y, const QString& levels, int step, int height, long colour)
{
    bool previous = false;
    for (int i = 0; i < levels.size(); ++i) {
        const bool high = levels.at(i) == QLatin1Char('1');
        const double left = x + i * step;
        if (i > 0 && high != previous)
            line(left, y, 0, 0, 0, height, colour);
        line(left, y, 0, high ? 0 : height, step, 0, colour);
        previous = high;
    }
}

}  // namespace orr
