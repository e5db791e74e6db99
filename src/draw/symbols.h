// The component symbol library: logic-level indicators, truth-table rows,
// gate symbols in two sizes and the analogue components of the circuit
// diagrams. Every symbol is drawn whole on the current picture with the
// drawing primitives, in design units (the kit adds the horizontal text offset
// and multiplies y by the drawing scale); none keeps state. Outlines are
// shaped for the drawing scale of the logic topics (1.28), at which circles,
// whose radii are not scaled, meet the scaled straight parts.
#pragma once

#include <QString>

namespace orr {

// Logic indicators: a white box with the digit at (x, y) in colour.
void DrawLogic0(int x, int y, long colour);  // box 16 x 10
void DrawLogic1(int x, int y, long colour);
void DrawLogicBit(int x, int y, long colour, bool value);  // box 10 x 12 from x - 1

// Prints the pieces of text between "-" at x, x + 36, x + 72, ...; a piece
// starting with "O" is printed without it and with a bar over it. x advances by
// 36 per piece. italic is passed on as the text style of the other pieces.
constexpr int kTruthColumn = 36;
void DrawTruthRow(int& x, int y, const QString& text, int size, int bold, int italic);

// Earth bar below a lead going down 10 from (x, y).
void DrawEarth(int x, int y);

// Gates. (x, y): left edge of the body, vertical centre. Large gates take
// their inputs at y - 13 and y + 12 from leads starting at x - 30 and give
// their output at x + 99; small gates at y - 7 and y + 7 from x - 15, output at
// x + 38. The NOT gates take their input at y from x - 40 (small: x - 27) and
// give their output at x + 63 (small: x + 45).
constexpr int kGateInputUpper = -13;
constexpr int kGateInputLower = 12;
constexpr int kGateInputStart = -30;
constexpr int kGateOutputEnd = 99;
constexpr int kSmallGateInputUpper = -7;
constexpr int kSmallGateInputLower = 7;
constexpr int kSmallGateInputStart = -15;
constexpr int kSmallGateOutputEnd = 38;
void DrawAndGate(int x, int y);
void DrawAndGateSmall(int x, int y);
void DrawNandGate(int x, int y);
void DrawNandGateSmall(int x, int y);
void DrawOrGate(int x, int y);
void DrawOrGateSmall(int x, int y);
void DrawNorGate(int x, int y);
void DrawNorGateSmall(int x, int y);
void DrawXorGate(int x, int y);
void DrawNotGate(int x, int y);
void DrawNotGateSmall(int x, int y);

// RS flip-flop block 65 x 80 with its top left at (x, y); inputs S and R
// enter at y + 16 and y + 63 from x - 32, outputs leave to x + 98.
void DrawRsFlipFlopSymbol(int x, int y);

// Resistors: horizontal from the left lead end (x, y) to x + 69; vertical from
// the top lead end (x, y) down to y + 56. The text is "R" and label, the value
// in ohms below it.
void DrawResistor(int x, int y, const QString& label, long colour, float value);
void DrawResistorVertical(int x, int y, const QString& label, long colour, float value);
// Capacitors: vertical from the top lead end (x, y) to y + 59 (the "+" by the
// upper plate); horizontal from the left lead end to x + 59, the "+" shown when
// polarised is true.
void DrawCapacitor(int x, int y, const QString& label, long colour, float value);
void DrawCapacitorHorizontal(int x, int y, const QString& label, long colour, float value, bool polarised);
// Inductor of four half-turns from the left lead end (x, y) to x + 79.
void DrawInductor(int x, int y, const QString& label, float value);

// Transistors. NPN: base lead from (x, y) to the right, collector lead top at
// (x + 69, y - 39), emitter lead bottom at (x + 69, y + 41). PNP: the mirror
// image, base lead to the left, collector and emitter at x - 69.
void DrawNpnTransistor(int x, int y, const QString& label);
void DrawPnpTransistor(int x, int y, const QString& label);
// Darlington pair: base lead from (x + 20, y); collectors joined at
// (x + 180, y - 20); output emitter at (x + 140, y + 61).
void DrawTransistorPair(int x, int y, const QString& label);
// Multi-emitter NPN transistor: base lead from (x, y), collector lead top at
// (x + 69, y - 39), emitter leads bottom at (x + 63, y + 41) and (x + 83, y + 41).
void DrawMultiEmitterTransistor(int x, int y, const QString& label);
// Field-effect transistor: gate plate from (x, y) to (x, y + 20), gate lead to
// x - 30, drain lead top at (x + 25, y - 20), source lead bottom at (x + 25, y + 40).
void DrawFet(int x, int y, bool enhancement, const QString& label);

// Battery of cells from the lead end (x, y), to the right (orientation 0) or
// downwards (orientation 1); each cell adds 20.
void DrawBattery(int x, int y, int cells, int orientation);
// Lamp centred at (x, y), its glass in colour.
void DrawLamp(int x, int y, long colour);
// Light-emitting diode conducting downwards from the anode lead end (x, y) to
// the cathode lead end (x, y + 32), its body in colour.
void DrawLed(int x, int y, long colour, const QString& label = QString());
// Operational amplifier: (x, y) the top of the input side; inputs "-" at
// (x - 30, y + 15) and "+" at (x - 30, y + 55), output at (x + 95, y + 35),
// supplies at x + 45.
void DrawOpAmp(int x, int y);

// Push-to-make switch in a vertical wire, contacts at (x, y) and (x, y + 23).
void DrawPushSwitch(int x, int y, const QString& label, bool closed);
// Changeover switch: pivot contact at (x, y), contacts at (x + 30, y - 10) and
// (x + 30, y + 10) (the left-hand one at x - 30); position 0 selects the upper
// contact, any other the lower.
void DrawChangeoverSwitch(int x, int y, int position);
void DrawChangeoverSwitchLeft(int x, int y, int position);
// Supply terminal: terminal at (x, y), a line 40 to the right and 20 down.
void DrawSupplyTerminal(int x, int y, const QString& label, long colour);
// Toggle switch across a gap of 30 in a horizontal wire from (x, y).
void DrawToggleSwitch(int x, int y, bool closed, const QString& label);
// Diode from the lead end (x, y) over 34 units: direction 0 conducts to the
// right, 1 to the left, 2 downwards, 3 upwards; anode "A", cathode "K".
void DrawDiodes(int x, int y, const QString& label, int direction);

}  // namespace orr
