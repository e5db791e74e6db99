// Analogue components: resistors, capacitors, inductor, transistors, FET,
// battery, lamp, LED, operational amplifier, switches, supply terminal and
// diodes.
#include <algorithm>

#include "draw/primitives.h"
#include "draw/symbol_parts.h"
#include "draw/symbols.h"
#include "values/formatters.h"

namespace orr {

using namespace parts;

void DrawResistor(int x, int y, const QString& label, long colour, float value)
{
    line(x, y, 0, 0, 14, 0);
    framedBox(x, y, 14, -6, 42, 12, colour, 8);
    line(x, y, 56, 0, 13, 0);
    text(x + 20, y - 20, QStringLiteral("R") + label);
    text(x + 18, y + 8, FormatOhms(value));
}

void DrawResistorVertical(int x, int y, const QString& label, long colour, float value)
{
    line(x, y, 0, 0, 0, 12);
    framedBox(x, y, -8, 12, 16, 32, colour, 8);
    line(x, y, 0, 44, 0, 12);
    text(x + 12, y + 14, QStringLiteral("R") + label);
    text(x + 12, y + 27, FormatOhms(value));
}

void DrawCapacitor(int x, int y, const QString& label, long colour, float value)
{
    line(x, y, 0, 0, 0, 22);
    framedBox(x, y, -10, 22, 20, 4, 15);
    framedBox(x, y, -10, 32, 20, 4, colour);
    line(x, y, 0, 36, 0, 23);
    text(x - 22, y + 11, QStringLiteral("+"));
    text(x + 15, y + 17, QStringLiteral("C") + label);
    text(x + 15, y + 30, FormatFarads(value));
}

void DrawCapacitorHorizontal(int x, int y, const QString& label, long colour, float value, bool polarised)
{
    line(x, y, 0, 0, 22, 0);
    framedBox(x, y, 22, -10, 4, 20, 15);
    framedBox(x, y, 32, -10, 4, 20, colour);
    line(x, y, 36, 0, 23, 0);
    if (polarised)
        text(x + 11, y - 15, QStringLiteral("+"));
    text(x + 20, y - 27, QStringLiteral("C") + label);
    text(x + 12, y + 12, FormatFarads(value));
}

void DrawInductor(int x, int y, const QString& label, float value)
{
    line(x, y, 0, 0, 12, 0);
    for (int turn = 0; turn < 4; ++turn)
        arc(x + 19 + 14 * turn, y, 7, 0, 180);
    line(x, y, 68, 0, 11, 0);
    text(x + 30, y - 22, QStringLiteral("L") + label);
    text(x + 22, y + 4, FormatHenrys(value));
}

void DrawNpnTransistor(int x, int y, const QString& label)
{
    circle(-3, x + 60, y, 30, 14);
    draw(x, y, QStringLiteral("c0 r50 M+19,-19 U20 BD80 U20 M-19,-19 "));
    box(x, y, 50, -10, 5, 20, 0);
    arrowTowards(x + 50, y + 2, x + 66, y + 18, 10);  // emitter: current flows out
    text(x + 6, y - 17, QStringLiteral("b"));
    text(x + 74, y - 40, QStringLiteral("c"));
    text(x + 74, y + 28, QStringLiteral("e"));
    text(x + 94, y - 6, label);
}

void DrawPnpTransistor(int x, int y, const QString& label)
{
    circle(-3, x - 60, y, 30, 14);
    draw(x, y, QStringLiteral("c0 l50 M-19,-19 U20 BD80 U20 M+19,-19 Bl14 "));
    box(x, y, -55, -10, 5, 20, 0);
    arrowTowards(x - 69, y + 21, x - 56, y + 8, 10);  // emitter: current flows in
    text(x - 14, y - 17, QStringLiteral("b"));
    text(x - 82, y - 40, QStringLiteral("c"));
    text(x - 82, y + 28, QStringLiteral("e"));
    text(x - 124, y - 6, label);
}

void DrawTransistorPair(int x, int y, const QString& label)
{
    draw(x, y, QStringLiteral("C0 br20 R20 U13 D26 U13 M+20,-20 U20 BD80 U20 M-20,-20"));
    // The second transistor's base lead meets the first one's emitter lead.
    draw(x + 80, y + 40, QStringLiteral("C0 nl20 R40 U13 D26 U13 M+20,-20 U0 r40 nu40 d5 bl40 bu5 BD41 M-20,-20"));
    arrowTowards(x + 40, y, x + 57, y + 17, 8);
    arrowTowards(x + 120, y + 41, x + 137, y + 58, 8);
    text(x + 22, y - 16, QStringLiteral("b"));
    text(x + 186, y - 36, QStringLiteral("c"));
    text(x + 146, y + 50, QStringLiteral("e"));
    text(x + 70, y - 36, label);
}

void DrawFet(int x, int y, bool enhancement, const QString& label)
{
    draw(x, y, QStringLiteral("c0 d20 l30 br35 r20 d20 bu60 d20 l20 bd10"));
    for (int segment = 0; segment < 3; ++segment)
        box(x, y, 4, -4 + 10 * segment, 3, 8, 0);
    draw(x + 8, y + 10, enhancement ? QStringLiteral("c0 r17 d20") : QStringLiteral("c0 r17 u20"));
    arrowheadLeft(x + 8, y + 10, 0, 7);
    text(x - 24, y + 6, QStringLiteral("G"), 6);
    text(x + 30, y - 22, QStringLiteral("D"), 6);
    text(x + 30, y + 28, QStringLiteral("S"), 6);
    text(x + 36, y + 4, label);
}

void DrawBattery(int x, int y, int cells, int orientation)
{
    cells = std::max(1, cells);
    const int length = 20 * cells + 20;
    const bool across = orientation == 0;
    // Positions along the battery become (along, side) offsets by orientation.
    const auto seg = [&](double along, double side, double a, double s, long colour, bool filled) {
        if (across) {
            if (filled)
                box(x, y, along, side, a, s, colour);
            else
                line(x, y, along, side, a, s, colour);
        } else {
            if (filled)
                box(x, y, side, along, s, a, colour);
            else
                line(x, y, side, along, s, a, colour);
        }
    };
    seg(0, 0, 10, 0, 0, false);
    for (int cell = 0; cell < cells; ++cell) {
        const double p = 10 + 20 * cell;
        seg(p, -13, 2, 26, 5, true);  // long plate, positive
        seg(p + 10, -8, 3, 16, 8, true);  // short plate, negative
        seg(p + 13, 0, cell + 1 < cells ? 7 : length - p - 13, 0, 0, false);
    }
    if (across) {
        text(x + 2, y - 26, QStringLiteral("+"), 12);
        text(x + length - 12, y - 26, QStringLiteral("-"));
    } else {
        text(x + 16, y, QStringLiteral("+"), 12);
        text(x + 16, y + length - 14, QStringLiteral("-"));
    }
}

void DrawLamp(int x, int y, long colour)
{
    circle(-3, x, y, 14, colour);
    line(x, y, -8, -8, 16, 16, 9);
    line(x, y, -8, 8, 16, -16, 9);
    text(x + 18, y - 18, QStringLiteral("LP1"));
}

void DrawLed(int x, int y, long colour, const QString& label)
{
    line(x, y, 0, 0, 0, 10);
    fillTriangle(x - 8, y + 10, x + 8, y + 10, x, y + 22, colour);
    triangle(x - 8, y + 10, x + 8, y + 10, x, y + 22);
    line(x, y, -8, 22, 17, 0);
    line(x, y, 0, 22, 0, 10);
    text(x - 18, y + 2, QStringLiteral("a"));
    text(x - 18, y + 20, QStringLiteral("k"));
    // Light leaving the diode.
    for (const double dy : {12.0, 19.0}) {
        line(x, y, 10, dy, 10, -8);
        arrowTowards(x + 10, y + dy, x + 20, y + dy - 8, 5);
    }
    text(x + 26, y + 8, label);
}

void DrawOpAmp(int x, int y)
{
    fillTriangle(x, y, x + 65, y + 35, x, y + 70, 15);
    draw(x, y, QStringLiteral("c0 m+65,35 m-65,35 u70 d15 l30 bd40 r30 u20 br65 r30"));
    text(x + 4, y + 7, QStringLiteral("-"));
    text(x + 4, y + 47, QStringLiteral("+"));
    draw(x + 45, y - 6, QStringLiteral("c8 d30 bd21 d30"));
    text(x + 50, y - 14, QStringLiteral("+V"));
    text(x + 50, y + 66, QStringLiteral("-V"));
}

void DrawPushSwitch(int x, int y, const QString& label, bool closed)
{
    // The contact bar rests on both contacts when closed and stands off them
    // when open; the push button's stem sticks out to the right.
    const double bar = closed ? 3 : 10;
    thickLine(x, y, bar, -3, 0, 29, 2);
    line(x, y, bar, 11, 12, 0);
    thickLine(x, y, bar + 12, 7, 0, 9, 3);
    ring(x, y, 2);
    ring(x, y + 23, 2);
    text(x - 24, y + 5, label);
}

namespace {
void changeover(int x, int y, int position, int side)
{
    ring(x, y, 2);
    ring(x + 30 * side, y - 10, 2);
    ring(x + 30 * side, y + 10, 2);
    thickLine(x, y, 2 * side, 0, 26 * side, position == 0 ? -9 : 9, 2);
}
}  // namespace

void DrawChangeoverSwitch(int x, int y, int position) { changeover(x, y, position, 1); }
void DrawChangeoverSwitchLeft(int x, int y, int position) { changeover(x, y, position, -1); }

void DrawSupplyTerminal(int x, int y, const QString& label, long colour)
{
    line(x, y, 3, 0, 37, 0);
    line(x, y, 40, 0, 0, 20);
    ring(x, y, 3);
    text(x - 8, y - 18, label, colour);
}

void DrawToggleSwitch(int x, int y, bool closed, const QString& label)
{
    if (closed) {
        framedBox(x, y, 0, -1, 30, 2, 15);
        box(x, y, 8, -4, 14, 3, 12);
    } else {
        framedBox(x, y, 0, -16, 4, 16, 15);
        box(x, y, -5, -19, 14, 3, 12);
    }
    box(x, y, -1, -3, 2, 6, 8);
    dot(x + 30, y, 0);
    text(x - 8, y + 6, label);
}

void DrawDiodes(int x, int y, const QString& label, int direction)
{
    const bool vertical = direction == 2 || direction == 3;
    const bool reversed = direction == 1 || direction == 3;
    // Along the diode: anode-side lead 0..10, body 10..24, lead 24..34.
    const double base = reversed ? 24 : 10;  // the triangle's flat side
    const double point = reversed ? 10 : 24;  // its point, where the bar is
    if (vertical) {
        line(x, y, 0, 0, 0, 10);
        fillTriangle(x - 7, y + base, x + 7, y + base, x, y + point, 0);
        line(x, y, -7, point, 15, 0);
        line(x, y, 0, 24, 0, 10);
        text(x + 10, y + (reversed ? 20 : 0), QStringLiteral("A"));
        text(x + 10, y + (reversed ? 0 : 20), QStringLiteral("K"));
        text(x - 12 - 8 * label.size(), y + 10, label);
    } else {
        line(x, y, 0, 0, 10, 0);
        fillTriangle(x + base, y - 7, x + base, y + 7, x + point, y, 0);
        line(x, y, point, -7, 0, 15);
        line(x, y, 24, 0, 10, 0);
        text(x + (reversed ? 26 : 0), y - 20, QStringLiteral("A"));
        text(x + (reversed ? 0 : 26), y - 20, QStringLiteral("K"));
        text(x + 8, y + 9, label);
    }
}

}  // namespace orr
