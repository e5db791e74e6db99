// The simulated microprocessor: registers, flags, memory and the addressing
// state shared by every instruction-set window. A plain model: the panels
// that show it live in register_panels.h; here are only the rules that change
// it, including the side effects the panels have when they are redrawn.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace orr::micro {

constexpr int kLastAddress = 10000;  // 2710h: the highest memory cell

// What an entry handler or an instruction asks to be redrawn, in order.
enum class Panel {
    ProgramCounter,
    Memory,
    Accumulator,
    XRegister,
    YRegister,
    StackPointer,
    Stack,
    Status,
    FlagN,
    FlagV,
    FlagB,
    FlagD,
    FlagI,
    FlagZ,
    FlagC,
    InterruptVector,  // the interrupt-vector box (FFFEh, FFFFh)
};
using Redraws = std::vector<Panel>;

struct CpuState {
    QString a = QStringLiteral("00");  // hexadecimal texts, upper case
    QString x = QStringLiteral("00");
    QString y = QStringLiteral("00");
    int32_t stackPointer = 0x1FF;  // full address in page 01xxh
    int32_t effectiveAddress = 0;
    int32_t programCounter = 0;
    QString operand;  // four digits for the absolute forms, two otherwise
    int32_t displacement = 0;
    int32_t n = 0, v = 0, b = 0, d = 0, i = 0, z = 0, c = 0;
    int32_t selectedRow = 1;  // 1..8 in the addressing-mode table
    int32_t entryWidth = 2;
    int16_t selectorCount = 0;

    CpuState();

    // Memory cells 0..10000, two characters each. Reads beyond the range give
    // an empty text; writes beyond it are skipped.
    bool inRange(int64_t address) const { return address >= 0 && address <= kLastAddress; }
    QString cell(int64_t address) const;
    // Stored left-aligned in two characters: "5" becomes "5 ", "1A3" becomes "1A".
    void setCell(int64_t address, const QString& text);
    // The cell with trailing blanks removed, stored back (what showing it does).
    QString trimCell(int64_t address);
    void clearMemory();

    // N·128 + V·64 + B·16 + D·8 + I·4 + Z·2 + C.
    int statusValue() const;
    int32_t& flag(Panel cell);

    // One line for the batch driver: A X Y SP PC EA and the flags.
    QString summary() const;

private:
    std::vector<QString> memory_;
};

CpuState& cpu();

// ---- side effects of redrawing a panel ----

// Accumulator panel: C and Z from the value before it is cut to two digits,
// then V and N from the two digits kept.
void settleAccumulator(CpuState& s);
// X and Y panels: a value above FFh becomes "00"; Z and N from what is kept.
void settleX(CpuState& s);
void settleY(CpuState& s);
// Whatever redrawing panel p changes in the state (nothing for most).
void settle(CpuState& s, Panel p);

// Flags from an eight-character binary text (bits 7..0; bit 5 ignored).
void setFlagsFromBinary(CpuState& s, const QString& bits);
// Flips one flag and returns its new value as "1" or "0".
QString toggleFlag(CpuState& s, Panel flag);

// ---- entry handlers: what a typed value does ----
// `typed` is the text of the value-entry dialog's input box.

enum class Entry {
    Absolute,
    AbsoluteX,
    AbsoluteY,
    ZeroPage,
    ZeroPageX,
    ZeroPageY,
    IndexedIndirect,
    IndirectIndexed,
    Immediate,
    LoadAccumulator,
    LoadX,
    LoadY,
    SetProgramCounter,
    SelectAddress,
    SetAddressContents,
    Displacement,
};

Redraws enter(CpuState& s, Entry handler, const QString& typed);

// Where an instruction shows its steps while it runs. A panel redraw has a
// side effect on the state (see settle), and some instructions change the
// state again after it, so the redraw has to happen at its place in the
// sequence. This base applies the side effects only (the model as tests run
// it); the windows draw the panels as well.
class CpuView {
public:
    virtual ~CpuView() = default;
    virtual void show(CpuState& s, Panel p) { settle(s, p); }
    // A flag cell given a text: "1" sets the flag, any other text ("0", "X") clears it.
    virtual void setFlagCell(CpuState& s, Panel flag, const QString& text)
    {
        s.flag(flag) = text == QLatin1String("1") ? 1 : 0;
    }
    void show(CpuState& s, const Redraws& panels)
    {
        for (Panel p : panels)
            show(s, p);
    }
};

}  // namespace orr::micro
