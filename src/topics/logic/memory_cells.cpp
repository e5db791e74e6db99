// MemoryCells: transistor switch, multi-emitter transistor, sense amplifier
// and bipolar memory cell over the memory cell model.
#include "topics/logic/memory_cells.h"

#include "draw/primitives.h"
#include "draw/symbols.h"
#include "topics/logic/circuit_figures.h"
#include "topics/logic/circuit_theory.h"

namespace orr {

namespace {

using namespace logic;

QString bit(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }
QString volts(bool high) { return high ? QStringLiteral("5V") : QStringLiteral("0V"); }
// The caption of a button that switches an emitter: the level a press selects.
QString emitterCaption(const QString& name, bool high) { return name + (high ? QStringLiteral(" = 0V") : QStringLiteral(" = 5V")); }

void terminal(int x, int y) { circle(-3, x, y, 3, colour::White); }

// A collector resistor from (x, y) down over 50, with its value beside it.
void collectorResistor(int x, int y)
{
    wire(x, y, 0, 10);
    boxOrLine(0, x - 7, y + 10, 0, 14, 30, colour::White, QStringLiteral("BF"));
    boxOrLine(0, x - 7, y + 10, 0, 14, 30, colour::Black, QStringLiteral("B"));
    wire(x, y + 40, 0, 10);
    label(x + 12, y + 18, QStringLiteral("1kOhms"), colour::Black, 7);
}

}  // namespace

MemoryCells::MemoryCells() : TopicForm(QStringLiteral("MemoryCells"), 0, 4)
{
    title = QStringLiteral("MEMORY CELLS");
    setTopicId(99);
    setDrawingFrame(50, 1.28f);
}

void MemoryCells::setDefaults()
{
    emitterHigh = false;
    firstEmitterHigh = false;
    secondEmitterHigh = false;
    senseWriting = true;
    senseDataHigh = false;
    cell = logic::MemoryCell();
}

void MemoryCells::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void MemoryCells::configureExample(int e)
{
    switch (e) {
    case 0: triggerSetup(true, false, false, false); break;
    case 1: case 2: triggerSetup(true, true, false, false); break;
    default: triggerSetup(true, true, true, true); break;
    }
    setTriggerCaptions(e);
    suite().selectorCount = -1;
}

void MemoryCells::setTriggerCaptions(int e)
{
    switch (e) {
    case 0:
        Trigger[0]->setCaption(emitterCaption(QStringLiteral("Emitter"), emitterHigh));
        break;
    case 1:
        Trigger[0]->setCaption(emitterCaption(QStringLiteral("1st Emitter"), firstEmitterHigh));
        Trigger[1]->setCaption(emitterCaption(QStringLiteral("2nd Emitter"), secondEmitterHigh));
        break;
    case 2:
        Trigger[0]->setCaption(senseWriting ? QStringLiteral("Read") : QStringLiteral("Write"));
        Trigger[1]->setCaption(senseDataHigh ? QStringLiteral("Data = 0") : QStringLiteral("Data = 1"));
        break;
    default:
        Trigger[0]->setCaption(cell.writing ? QStringLiteral("Write Cell") : QStringLiteral("Read Cell"));
        Trigger[1]->setCaption(cell.selected ? QStringLiteral("Select (enabled)") : QStringLiteral("Select (disabled)"));
        Trigger[2]->setCaption(cell.bitline ? QStringLiteral("Bitline 1") : QStringLiteral("Bitline 0"));
        Trigger[3]->setCaption(cell.writing ? QStringLiteral("Write to Cell") : QStringLiteral("Read from Cell"));
        break;
    }
}

void MemoryCells::Trigger_Click(int index)
{
    const int e = example();
    if (e == 0 && index == 0)
        emitterHigh = !emitterHigh;
    else if (e == 1 && index == 0)
        firstEmitterHigh = !firstEmitterHigh;
    else if (e == 1 && index == 1)
        secondEmitterHigh = !secondEmitterHigh;
    else if (e == 2 && index == 0)
        senseWriting = !senseWriting;
    else if (e == 2 && index == 1)
        senseDataHigh = !senseDataHigh;
    else if (e == 3 && index == 0)
        cell.writing = !cell.writing;
    else if (e == 3 && index == 1)
        cell.selected = !cell.selected;
    else if (e == 3 && index == 2)
        cell.bitline = !cell.bitline;
    else if (e == 3 && index == 3)
        cell.operate();
    else
        return;
    setTriggerCaptions(e);
    results();
}

void MemoryCells::drawExample(int e)
{
    switch (e) {
    case 0: drawSwitch(false); break;
    case 1: drawSwitch(true); break;
    case 2: drawSenseAmplifier(); break;
    case 3: drawCell(); break;
    default: break;
    }
}

void MemoryCells::theoryParagraphs(int e, std::array<QString, 4>& p) { memoryCellTheory(e, p); }

// Examples 0 and 1: a transistor with its base biased on and its collector
// fed through 1k from 5V; an emitter at 0V lets it conduct.
void MemoryCells::drawSwitch(bool multiEmitter)
{
    const bool on = multiEmitter ? multiEmitterConducts(firstEmitterHigh, secondEmitterHigh)
                                 : switchConducts(emitterHigh);
    label(0, 4, multiEmitter ? QStringLiteral("Multi-Emitter Transistor.") : QStringLiteral("Transistor Switch."),
          colour::Title, 11, true);
    if (!multiEmitter)
        label(0, 24, QStringLiteral("Emitter = 0V transistor biased ON. : Emitter = 5V transistor biased OFF."),
              colour::Title, 8);
    constexpr int tx = 160, ty = 160, cx = tx + 69;
    label(cx - 20, 44, QStringLiteral("Vcc 5V"), colour::Red, 8, true);
    terminal(cx, 58);
    collectorResistor(cx, 61);
    wire(cx, 111, 0, 10);
    if (multiEmitter)
        DrawMultiEmitterTransistor(tx, ty, QStringLiteral("T1"));
    else
        DrawNpnTransistor(tx, ty, QStringLiteral("T1"));
    // Base bias and its level.
    wire(tx - 50, ty, 50, 0);
    terminal(tx - 53, ty);
    label(tx - 90, ty - 20, QStringLiteral("Base"), colour::Black, 8);
    if (on)
        label(tx - 45, ty + 6, QStringLiteral("0.6V"), colour::Red, 8, true);
    // The collector output.
    junction(cx, 116);
    wire(cx, 116, 120, 0);
    terminal(cx + 123, 116);
    label(cx + 130, 104, QStringLiteral("Collector"), colour::Black, 8, true);
    label(cx + 130, 120, on ? QStringLiteral("0V or logic 0") : QStringLiteral("5V or logic 1"), colour::OutputLevel,
          8, true);
    label(cx - 110, 66, QStringLiteral("Collector Current"), colour::Black, 7);
    label(cx - 110, 78, on ? QStringLiteral("= 5mA") : QStringLiteral("= 0mA"), colour::Red, 8, true);
    label(tx + 100, ty + 6, on ? QStringLiteral("Transistor ON") : QStringLiteral("Transistor OFF"),
          on ? colour::Red : colour::Grey, 9, true);

    // The emitters and their levels.
    const auto emitter = [&](int x, const QString& name, bool high, int labelX) {
        wire(x, ty + 41, 0, 40);
        terminal(x, ty + 84);
        label(labelX, ty + 92, name, colour::Black, 8, true);
        label(labelX, ty + 106, volts(high), colour::InputLevel, 8, true);
        DrawLogicBit(labelX + 30, ty + 106, colour::InputLevel, high);
    };
    if (multiEmitter) {
        emitter(tx + 63, QStringLiteral("1st Emitter."), firstEmitterHigh, tx - 40);
        emitter(tx + 83, QStringLiteral("2nd Emitter."), secondEmitterHigh, tx + 90);
        label(0, 282, QStringLiteral("Transistor conducts when either or both emitters = 0V."), colour::Title, 8, true);
        QStringList rows;
        for (int n = 0; n < 4; ++n)
            rows << QStringLiteral("%1-%2-%3").arg(bit(n & 2), bit(n & 1), bit(!multiEmitterConducts(n & 2, n & 1)));
        drawTitledTable({460, 150, 58, 13}, QStringLiteral("Table of States."), QStringLiteral("1st-2nd-Collector"),
                        rows, (firstEmitterHigh ? 2 : 0) + (secondEmitterHigh ? 1 : 0));
    } else {
        emitter(cx, QStringLiteral("Emitter"), emitterHigh, cx + 12);
        label(0, 282,
              on ? QStringLiteral("(Forward biased transistor conducts. Collector volts fall, almost to zero.)")
                 : QStringLiteral("(Zero biased transistor cut-off. Collector volts rise to Vcc.)"),
              colour::Title, 8);
        drawTitledTable({470, 160, 160, 13}, QStringLiteral("Truth Table."), QStringLiteral("Emitter      Collector"),
                        {QStringLiteral("0            0"), QStringLiteral("1            1")}, emitterHigh ? 1 : 0);
    }
}

// Example 2: the write path drives the bitlines from the data input through
// G1, G2, T1 to T4 and the diodes; the read path senses the bitline level.
void MemoryCells::drawSenseAmplifier()
{
    label(0, 4, QStringLiteral("Read/Write Sense Amplifier."), colour::Title, 11, true);
    label(0, 24, QStringLiteral("Operation:- Write to cell via bit lines. : Data = 0 or 1. : Read cell via bit lines."),
          colour::Title, 7);
    const QStringList notes = senseAmplifierNotes(senseWriting, senseDataHigh);
    const bool t1On = notes.contains(QStringLiteral("T1 ON."));
    const bool t2On = notes.contains(QStringLiteral("D1 and T2 ON."));
    const bool t3On = notes.contains(QStringLiteral("D2 and T3 ON."));
    const bool t4On = notes.contains(QStringLiteral("T4 ON."));

    // Inputs and the two gates.
    label(0, 60, QStringLiteral("Data"), colour::Black, 8, true);
    DrawLogicBit(40, 60, colour::InputLevel, senseDataHigh);
    label(0, 140, QStringLiteral("R"), colour::Black, 8, true);
    label(12, 140, QStringLiteral("/W"), colour::Black, 8, true);
    DrawLogicBit(40, 140, colour::InputLevel, !senseWriting);
    DrawAndGateSmall(95, 80);
    DrawAndGateSmall(95, 160);
    label(97, 76, QStringLiteral("G1"), colour::Black, 6);
    label(97, 156, QStringLiteral("G2"), colour::Black, 6);
    wire(52, 66, 28, 0);
    wire(80, 66, 0, 7);
    junction(66, 66);
    wire(66, 66, 0, 87);
    wire(66, 153, 14, 0);
    wire(52, 146, 20, 0);
    wire(72, 146, 0, -59);
    wire(72, 87, 8, 0);
    junction(72, 146);
    wire(72, 146, 0, 21);
    wire(72, 167, 8, 0);
    wire(133, 80, 27, 0);
    wire(133, 160, 12, 0);
    wire(145, 160, 0, 40);
    wire(145, 200, 15, 0);

    // Write drivers T1 to T4 and the diodes to the bitline.
    const struct { int x, y; const char* name; bool on; } ts[] = {
        {160, 80, "T1", t1On}, {330, 80, "T2", t2On}, {160, 200, "T3", t3On}, {330, 200, "T4", t4On}};
    for (const auto& t : ts) {
        DrawNpnTransistor(t.x, t.y, QLatin1String(t.name));
        label(t.x + 94, t.y + 8, t.on ? QStringLiteral("ON") : QStringLiteral("OFF"), t.on ? colour::Red : colour::Grey,
              7, true);
        wire(t.x + 69, t.y + 41, 0, 8);
        DrawEarth(t.x + 69, t.y + 49);
    }
    wire(229, 41, 0, -6);
    wire(229, 35, 101, 0);
    wire(330, 35, 0, 45);
    wire(229, 161, 0, -6);
    wire(229, 155, 101, 0);
    wire(330, 155, 0, 45);
    wire(399, 41, 0, -6);
    wire(399, 35, 40, 0);
    DrawDiodes(439, 35, QStringLiteral("D1"), 0);
    wire(399, 161, 0, -6);
    wire(399, 155, 40, 0);
    DrawDiodes(439, 155, QStringLiteral("D2"), 0);
    wire(473, 35, 47, 0);
    wire(473, 155, 47, 0);
    wire(520, 35, 0, 215, colour::Maroon);
    label(528, 40, QStringLiteral("Bitline"), colour::Maroon, 8, true);
    label(528, 54, senseWriting ? QStringLiteral("To memory cell.") : QStringLiteral("From memory cell."),
          colour::Title, 7);
    wire(520, 250, 60, 0);
    label(540, 256, QStringLiteral("Data Output"), colour::Black, 8, true);
    DrawLogicBit(590, 245, colour::OutputLevel, senseDataHigh);

    // The sequence in words.
    label(0, 268, senseWriting ? QStringLiteral("Writing to Memory Cell.") : QStringLiteral("Reading Memory Cell."),
          colour::Red, 8, true);
    // The level first, then the transistors it switches in pairs, then where the data goes.
    const int xs[] = {200, 330, 330, 470, 470, 200};
    const int ys[] = {268, 268, 282, 268, 282, 282};
    for (int i = 0; i < notes.size() && i < 6; ++i)
        label(xs[i], ys[i], notes[i], i == 0 ? colour::OutputLevel : colour::Black, 8, i == 0);
}

// Example 3: two cross-coupled multi-emitter transistors holding one bit.
void MemoryCells::drawCell()
{
    label(0, 4, QStringLiteral("Bipolar Memory Cell"), colour::Title, 11, true);
    if (!cell.status().isEmpty())
        label(0, 24, cell.status(), cell.selected ? colour::Red : colour::Grey, 9, true);
    constexpr int t1x = 150, t2x = 350, ty = 150, railY = 55;
    const bool t1 = cell.t1On();
    label(t1x + 30, railY - 6, QStringLiteral("Vcc"), colour::Red, 8, true);
    wire(t1x + 69, railY, 200, 0, colour::Red);
    collectorResistor(t1x + 69, railY);
    collectorResistor(t2x + 69, railY);
    wire(t1x + 69, railY + 50, 0, 6);
    wire(t2x + 69, railY + 50, 0, 6);
    DrawMultiEmitterTransistor(t1x, ty, QStringLiteral("T1"));
    DrawMultiEmitterTransistor(t2x, ty, QStringLiteral("T2"));
    label(t1x + 94, ty + 8, t1 ? QStringLiteral("ON") : QStringLiteral("OFF "), t1 ? colour::Red : colour::Grey, 8, true);
    label(t2x + 94, ty + 8, t1 ? QStringLiteral("OFF") : QStringLiteral("ON"), t1 ? colour::Grey : colour::Red, 8, true);
    // Cross coupling: each collector drives the other transistor's base.
    junction(t1x + 69, 108);
    draw(t1x + 69, 108, QStringLiteral("R81 D42 R50"));
    junction(t2x + 69, 108);
    draw(t2x + 69, 108, QStringLiteral("R40 U73 L299 D115 R40"));
    // Inner emitters on the select line, outer ones on the bitlines.
    constexpr int eY = ty + 41, selY = 235;
    wire(t1x + 83, eY, 0, selY - eY);
    wire(t2x + 63, eY, 0, selY - eY);
    wire(t1x + 83, selY, t2x - t1x - 20, 0, colour::Green);
    wire(t1x + 133, selY, 0, 30, colour::Green);
    label(t1x + 110, selY + 36, QStringLiteral("Select"), colour::Green, 8, true);
    DrawLogicBit(t1x + 162, selY + 36, colour::InputLevel, cell.selected);
    wire(t1x + 63, eY, 0, 95, colour::Maroon);
    wire(t2x + 83, eY, 0, 95, colour::Maroon);
    label(t1x + 20, 292, QStringLiteral("Bitline"), colour::Maroon, 8, true);
    label(t1x + 67, 292, QStringLiteral("1"), colour::Maroon, 8, true);
    DrawLogicBit(t1x + 59, 272, colour::InputLevel, cell.bitline);
    label(t2x + 52, 292, QStringLiteral("Bitline"), colour::Maroon, 8, true);
    label(t2x + 99, 292, QStringLiteral("2"), colour::Maroon, 8, true);
    DrawLogicBit(t2x + 79, 272, colour::InputLevel, !cell.bitline);
    label(t1x + 20, 266, QStringLiteral("Data"), colour::Black, 8, true);

    // The cell's state.
    constexpr int px = 480;
    label(px, 90, QStringLiteral("Stored bit"), colour::Title, 8, true);
    DrawLogicBit(px + 80, 90, colour::OutputLevel, cell.stored);
    label(px, 106, t1 ? QStringLiteral("stored by T1, ON and T2, OFF") : QStringLiteral("stored by T1, OFF and T2, ON"),
          colour::Black, 7);
    label(px, 140, cell.selected ? QStringLiteral("Cell selected.") : QStringLiteral("Cell not selected."),
          colour::Black, 8);
    label(px, 156, cell.writing ? QStringLiteral("Operation: write.") : QStringLiteral("Operation: read."),
          colour::Black, 8);
}

namespace {
RegisterForm<MemoryCells> reg(QStringLiteral("MemoryCells"));
}

}  // namespace orr
