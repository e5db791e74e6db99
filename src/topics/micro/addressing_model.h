// The addressing-modes topic as a model: what its entries and instruction
// buttons do to the shared CPU state, and the worked lines it prints beside
// the panels. No drawing here; the window in addressing_modes.cpp shows it.
#pragma once

#include <QString>
#include <QStringList>

#include "topics/micro/cpu_state.h"

namespace orr::micro {

// The examples, in contents order.
enum class Mode {
    Immediate,
    Implied,
    Absolute,
    Relative,
    ZeroPage,
    AbsoluteIndexed,
    ZeroPageIndexed,
    Indirect,
    IndexedIndirect,
    IndirectIndexed,
};
constexpr int kModeCount = 10;

// The window's own state beside the CPU state.
struct AddressingState {
    bool stackStarted = false;  // the first push puts the stack pointer at 01FFh
    bool indexY = true;         // the absolute-indexed example indexes with Y (else X)
    int32_t zeroPageBase = 0xF0;
    int32_t pointer = 0x400;    // where the indirect jump's address is stored
};

// The state the window sets when it loads.
void loadAddressingState(CpuState& s, AddressingState& w);

// The highest address an address entry of the example may give.
int32_t addressBound(Mode m);
// The refusal for an address above the bound: the message box's text.
QString addressRefusal(Mode m);

// PHA: the first press puts the stack pointer at 01FFh, later ones move it
// down one; the accumulator is stored at the stack pointer.
void pushAccumulator(CpuState& s, AddressingState& w);
// BEQ: Z from the accumulator; when set the program counter moves on two and
// the effective address by the displacement (never below 0). The program
// counter then follows the effective address.
void branchIfEqual(CpuState& s);
// LDA zpage: the accumulator from the cell at the effective address.
void loadFromEffectiveAddress(CpuState& s);
// JMP (pointer): the program counter and the effective address from the two
// cells at the pointer (low byte first). False, and nothing changed, when
// the pointer's cells are not both in memory.
bool jumpIndirect(CpuState& s, int32_t pointer);
// LDA (zp, X) and LDA (zp), Y with the operand typed: the effective address
// through the pointer, then the accumulator from it. False, and nothing
// loaded, when the pointer is outside memory.
bool loadIndexedIndirect(CpuState& s, const QString& operand);
bool loadIndirectIndexed(CpuState& s, const QString& operand);

// Fills cells 0000h to 00FFh with random bytes from the shared generator.
void fillZeroPageRandomly(CpuState& s);

// The worked lines printed beside the panels, one text each.
QStringList relativeLines(const CpuState& s);
QStringList absoluteIndexedLines(const CpuState& s, const AddressingState& w);
QStringList zeroPageIndexedLines(const CpuState& s, const AddressingState& w);
// The resultant address of the zero-page indexed example (upper byte 00).
int32_t zeroPageIndexedAddress(const CpuState& s, const AddressingState& w);
// Where the branch goes: effective address + displacement, never below 0.
int32_t branchTarget(const CpuState& s);

}  // namespace orr::micro
