// The register, flag, memory and stack panels of the simulated
// microprocessor, the addressing-mode table and its worked-example strip.
// Each panel is drawn from the CPU state on the current picture (horizontal
// text offset 30 while the instruction-set windows draw) and first applies
// the side effect its redraw has on the state (see cpu_state.h).
#pragma once

#include <QString>
#include <array>

#include "topics/micro/cpu_state.h"
#include "topics/micro/instruction_set.h"

namespace orr {
class PictureBox;
class TopicForm;
}  // namespace orr

namespace orr::micro {

// Sets the picture, offset and scale the panels draw with, and puts the
// previous ones back when it goes: for redraws outside the window's own redraw.
class PanelFrame {
public:
    PanelFrame(PictureBox* picture, int textOffset, float drawingScale);
    ~PanelFrame();
    PanelFrame(const PanelFrame&) = delete;
    PanelFrame& operator=(const PanelFrame&) = delete;

private:
    PictureBox* picture_;
    int offset_;
    float scale_;
};

void drawProgramCounterPanel(CpuState& s);
void drawMemoryPanel(CpuState& s);
void drawAccumulatorPanel(CpuState& s);
void drawXRegisterPanel(CpuState& s);
void drawYRegisterPanel(CpuState& s);
void drawStackPointerPanel(CpuState& s);
void drawStackPanel(CpuState& s);
void drawStatusRegisterPanel(CpuState& s);
// Redraws one flag's cell from the state.
void drawFlagCell(CpuState& s, Panel flag);
// Stores "1" as 1, anything else as 0, and shows the text in the flag's cell.
void setFlagCell(CpuState& s, Panel flag, const QString& text);
// X, Y, accumulator, status register and program counter, offset 30.
void drawAllRegisters(CpuState& s);
// Any panel by name, as entry handlers and instructions ask.
void drawPanel(CpuState& s, Panel p);
void drawPanels(CpuState& s, const Redraws& panels);

void showWorkedExample(int row);
// The strip under the table with a text of its own (an empty text: the bare strip).
void showStrip(const QString& text);
// Memory panel, title box, table, highlight and worked example (the row's
// own, or strip when one is given); configures selectors 0..2 of the
// window; returns (and stores) the selected row. Without the memory panel
// when the window shows something else in its place.
int showAddressingModeTable(CpuState& s, TopicForm& window, const QString& title1, const QString& title2,
                            const std::array<QString, 8>& opCodes, const QString& strip = QString(),
                            bool memoryPanel = true);
// Parts of the table for windows that fill it with rows of their own: the two
// title lines in their box, the frame with its heading, the inverted bar over
// row 1..8.
void printTitleLines(const QString& title1, const QString& title2);
void drawTableFrame();
void highlightTableRow(int row);
// The interrupt-vector box under the stack: FFFEh and FFFFh hold 40h and 1Fh.
void drawInterruptVector();
// Clears the memory panel's place and draws the stack panel there.
void replaceMemoryByStack(CpuState& s);

// Shows each step of an instruction by drawing the panel on the current picture.
// In a window whose stack stands in the memory panel's place, a memory redraw
// draws the stack there instead, so the display stays one stack.
class PanelView : public CpuView {
public:
    explicit PanelView(bool stackInPlaceOfMemory = false, bool vectorBox = false)
        : stack_(stackInPlaceOfMemory), vector_(vectorBox)
    {
    }
    void show(CpuState& s, Panel p) override;
    void setFlagCell(CpuState& s, Panel flag, const QString& text) override;
    using CpuView::show;

private:
    bool stack_;
    bool vector_;  // the interrupt-vector box under the stack is drawn again with it
};
// Sets the captions of SelectButton 0..2, the selector count, and lays out
// the selectors that have captions (with any further fixed selectors).
void configureSelectors(CpuState& s, TopicForm& window, const std::array<QString, 3>& captions);

// The selected table row for a press at picture units (x, y), or 0 when the
// press is outside the table's rows (scale: the drawing scale).
int rowAtPress(double x, double y, double scale);

}  // namespace orr::micro
