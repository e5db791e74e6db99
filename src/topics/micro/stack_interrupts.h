// The third instruction set as a model: branches, flag instructions, BRK,
// index increments and decrements, the stack pushes and pulls, RTS, RTI and
// the register transfers, with the grouped tables their examples show.
#pragma once

#include <QString>
#include <vector>

#include "topics/micro/cpu_state.h"
#include "topics/micro/instruction_set.h"

namespace orr::micro {

// One row of a grouped table.
struct GroupedRow {
    QString mnemonic;
    QString opCode;
    QString description;
    QString group;  // "BRANCH", "CLEAR", "PUSH", "PULL", "RTS", "SETFLAGS", "TRANSREGS"
    QString byte2;  // "disp." for the branches, blank otherwise
    QString mode;   // "Relative." or "Implied."
};

// The rows of a grouped example (empty for the single-instruction ones).
std::vector<GroupedRow> groupedRows(Op example);
// The group a mnemonic belongs to, as the grouped table derives it.
QString groupOf(const QString& mnemonic);
// The stored row, or row 1 when the table has fewer rows.
int groupedRow(Op example, int storedRow);

// Selector captions 0..2 of an example of the third set.
std::array<QString, 3> thirdSetCaptions(Op example, int row);
// The caption of the manual-change button, empty where it is hidden.
QString manualCaption(Op example, int row);

// Whether the branch of mnemonic is taken with the flags as they are.
bool branchTaken(const CpuState& s, const QString& mnemonic);

// Executes the example's instruction in the selected row (the execute
// button). pcSelectable is whether the program-counter selector of the BRK
// example is enabled: BRK advances the program counter only then, and clears it.
void executeThirdSet(CpuState& s, Op example, CpuView& view, bool& pcSelectable);
// The manual-change button: a flag toggled, the break reset, or the
// instruction executed again.
void manualChange(CpuState& s, Op example, CpuView& view, bool& pcSelectable);

// Return from interrupt through the stack: program counter from the cells at
// SP+2 (high) and SP+1 (low), flags from the cell at SP. The pointer stays.
void rtiFromStack(CpuState& s, CpuView& view);

// An entry of the third set's windows: InputLabel(index) for the example.
void enterThirdSet(CpuState& s, Op example, int index, const QString& typed, CpuView& view);

// Loading state of the third instruction set window.
void loadStackSetState(CpuState& s);

}  // namespace orr::micro
