// The instruction set of the simulated microprocessor: the addressing-mode
// rows, each instruction's headings and op codes, the selector captions per
// row, and what executing an instruction does to the CPU state.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "topics/micro/cpu_state.h"

namespace orr::micro {

// One row of the addressing-mode table.
struct ModeRow {
    QString operandForm;  // "addr", "zpage", ..., "*" when the instruction lacks the mode
    QString modeName;
    QString opCode;
    QString byte2;
    QString byte3;
    QString mnemonic;
    bool available() const { return !opCode.isEmpty(); }
};
using ModeTable = std::array<ModeRow, 8>;

// The eight rows for an instruction (recognised by the first three
// characters of its title line) with its op codes, as the table prints them.
ModeTable buildModeTable(const QString& titleLine1, const std::array<QString, 8>& opCodes);

// The stored row, or the next available row after it (8 wraps to 1).
int selectAvailableRow(const ModeTable& table, int storedRow);

// Captions of the three configurable selectors for an instruction and row.
// False when the instruction and row are not listed (captions stay as they were).
bool selectorCaptions(const QString& mnemonic, int row, const QString& operandForm,
                      std::array<QString, 3>& captions);

// The worked example printed under the table for row 1..8.
QString workedExample(int row);

// The instructions of the three sets, each set in example order. The last
// seven are the grouped examples of the third set, one per table of related
// instructions.
enum class Op {
    LDA, STA, ADC, AND, ORA, EOR, CMP, SBC, LDX, LDY, STX, STY,
    CPX, CPY, DEC, INC, ASL, LSR, ROL, ROR, BIT, JMP, JSR, NOP,
    BRK, DEX, INX, DEY, INY, RTI,
    Branch, ClearFlags, Push, Pull, RTS, SetFlags, Transfer,
};

struct InstructionInfo {
    Op op;
    QString mnemonic;
    QString heading;
    QString title1;
    QString title2;
    std::array<QString, 8> opCodes;
    QString strip;       // worked example under the table; empty: the selected row's own
    bool stack = false;  // the stack panel stands where the memory panel would
    bool grouped = false;  // a table of related instructions instead of the addressing modes
    bool vector = false;   // the interrupt-vector box is shown
};

// The examples of instruction set 1, 2 or 3.
struct InstructionTable {
    const InstructionInfo* items;
    int count;
    const InstructionInfo& at(int example) const { return items[example >= 0 && example < count ? example : 0]; }
};
InstructionTable instructionTable(int set);
InstructionTable secondSetTable();
InstructionTable thirdSetTable();
// Eight op codes from a list of up to eight ("" where the mode is missing).
std::array<QString, 8> opCodeList(std::initializer_list<const char*> list);
const InstructionInfo& instructionInfo(int example);  // of the first set
constexpr int kInstructionCount = 12;

// The operand of an instruction: the typed operand in the immediate row,
// otherwise the memory cell at the effective address.
QString operandM(const CpuState& s);

// Executes op in the selected row; returns the panels to redraw afterwards.
Redraws execute(CpuState& s, Op op);
// Executes op in the selected row, showing each step on the view as it goes
// (any instruction of the first two sets and the third set's single ones).
void execute(CpuState& s, Op op, CpuView& view);
// The compare, increment, shift, rotate and jump instructions of the second set.
void executeSecondSet(CpuState& s, Op op, CpuView& view);

// Compares register r with operand m: N from the magnitude of r - m, Z when
// equal, C when r >= m. Flag cells in the order N, Z, C.
Redraws compare(CpuState& s, int32_t r, int32_t m);

// first op second as hexadecimal texts; an empty second is the memory cell
// at the effective address.
QString andCalc(const CpuState& s, const QString& first, const QString& second);
QString orCalc(const CpuState& s, const QString& first, const QString& second);
QString eorCalc(const CpuState& s, const QString& first, const QString& second);

// Loading state of the first instruction set window.
void loadInstructionSetState(CpuState& s);

}  // namespace orr::micro
