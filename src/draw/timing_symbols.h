// Symbols of the clocked-logic diagrams: the flip-flop block with its pins
// and the logic waveform of a timing diagram. Drawn in design units like the
// rest of the symbol library; none keeps state.
#pragma once

#include <QString>
#include <vector>

namespace orr {

// A pin of a flip-flop block: dy below the block's top; a name starting with
// "O" is printed without it and barred (Q with a bar); a clock pin carries the
// edge-trigger wedge instead of a name when its name is empty.
struct BlockPin {
    int dy = 0;
    QString name;
    bool clock = false;
};

// A flip-flop block w x h with its top left at (x, y), filled in fill and
// outlined in black; input leads enter from x - lead, output leads leave to
// x + w + lead. The pin names are printed inside the block in purple (pins on
// the left) and red (pins on the right).
void DrawFlipFlopBlock(int x, int y, int w, int h, const std::vector<BlockPin>& inputs,
                       const std::vector<BlockPin>& outputs, long fill, int lead = 25);

// A logic waveform: one level per character of levels ('1' high, anything else
// low), each step wide, high at y and low at y + height, from x.
void DrawWaveform(int x, int y, const QString& levels, int step, int height, long colour);

}  // namespace orr
