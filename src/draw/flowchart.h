// Program flowchart symbols: terminal (start and end), input and output,
// process and decision, each outlined in black with its text centred inside;
// and the line that joins one symbol to the next. Design units.
#pragma once

#include <QString>

namespace orr {

enum class FlowShape { Terminal, InputOutput, Process, Decision };

// The symbol in the w x h area with its top left at (x, y); lines of text are
// separated by '\n'.
void DrawFlowSymbol(FlowShape shape, double x, double y, double w, double h, const QString& text, long ink,
                    int size = 7);

// A downward flow line from (x, y1) to (x, y2) with its arrowhead at the end.
void DrawFlowLine(double x, double y1, double y2, long colour);

// A loop's way back: from a decision's right corner at (x, fromY) out by
// `reach`, up to toY and back with an arrow into the symbol's right side.
void DrawFlowReturn(double x, double fromY, double toY, double reach, long colour);

}  // namespace orr

namespace orr {

// A seven-segment digit in a 90 x 100 panel with its top left at (x, y):
// segments a to g (bit 0 a, the top, clockwise to f; bit 6 g, the middle)
// lit in `lit`, the others in `unlit`, on a `panel` background.
void DrawSevenSegmentDigit(double x, double y, int segments, long lit, long unlit, long panel);

}  // namespace orr
