// The second instruction set: compare with an index register, increment and
// decrement memory, shifts and rotates, BIT, jumps and NOP.
#include "topics/micro/conversions.h"
#include "topics/micro/instruction_set.h"

namespace orr::micro {

InstructionTable secondSetTable()
{
    static const InstructionInfo table[] = {
        {Op::CPX, "CPX", "CPX Compare to X Register.", "CPX. Compares X Register with", "specified data, sets flags.",
         opCodeList({"EC", "E4", "E0"})},
        {Op::CPY, "CPY", "CPY Compare to Y Register.", "CPY. Compares Y Register with", "specified data, sets flags.",
         opCodeList({"CC", "C4", "C0"})},
        {Op::DEC, "DEC", "DEC Decrement Memory.", "DEC. Decrements contents of", "specified address by one.",
         opCodeList({"CE", "C6", "", "DE", "", "", "", "D6"})},
        {Op::INC, "INC", "INC Increment Memory.", "INC. Increments contents of", "specified address by one.",
         opCodeList({"EE", "E6", "", "FE", "", "", "", "F6"})},
        {Op::ASL, "ASL", "ASL Arithmetic Shift Left.", "ASL. Left by one bit shift", "of address or Accumulator.",
         opCodeList({"0E", "06", "", "1E", "0A", "", "", "16"})},
        {Op::LSR, "LSR", "LSR Logical Shift Right.", "LSR. Logical shift right by one",
         "bit of address or Accumulator.", opCodeList({"4E", "46", "", "5E", "4A", "", "", "56"})},
        {Op::ROL, "ROL", "ROL Rotate Left One Bit.", "ROL. Rotate left by one bit content of",
         "addr or Accumulator through carry.", opCodeList({"2E", "26", "", "3E", "2A", "", "", "36"})},
        {Op::ROR, "ROR", "ROR Rotate Right One Bit.", "ROR. Rotate right by one bit content of",
         "addr or Accumulator through carry.", opCodeList({"6E", "66", "", "7E", "6A", "", "", "76"})},
        {Op::BIT, "BIT", "BIT Test Accumulator With Memory Bits.", "BIT. Logical AND accumulator",
         "and address, set flags.", opCodeList({"2C", "24"})},
        {Op::JMP, "JMP", "JMP Jump to Address.", "JMP. Specified address placed in",
         "program counter. Jumps to addr.", opCodeList({"4C", "6C"})},
        {Op::JSR, "JSR", "JSR Jump to Subroutine.", "JSR. Next instr addr placed on stack.",
         "Address specified to prog count.", opCodeList({"20"}), QString(), true},
        {Op::NOP, "NOP", "NOP No Operation Performed.", "NOP. No operation performed.",
         "Program Counter Incremented.", opCodeList({"EA"})},
    };
    return {table, int(std::size(table))};
}

namespace {

// Rotation through the carry as text: the eight binary digits with the carry
// put in front (right) or behind (left); the digit pushed out at the other
// end becomes the new carry.
int32_t rotated(int32_t value, int32_t& carry, bool left)
{
    const QString b = numberToBinary(int64_t(value), 8);
    const QString c = carry == 1 ? QStringLiteral("1") : QStringLiteral("0");
    const QString t = left ? b + c : c + b;
    carry = (left ? t.front() : t.back()) == QLatin1Char('1') ? 1 : 0;
    return (left ? t.right(8) : t.left(8)).toInt(nullptr, 2);
}

// The shifts and rotates on one value: the new value, and the bit that left
// the byte in carry (which the rotates also take in).
int32_t shifted(Op op, int32_t value, int32_t& carry)
{
    switch (op) {
    case Op::ASL: carry = value >= 0x80 ? 1 : 0; return value * 2;
    case Op::LSR: carry = value & 1; return value / 2;
    default: return rotated(value, carry, op == Op::ROL);
    }
}

// BIT: the cell's text against the accumulator's, both as two digits.
void bitTest(CpuState& s, CpuView& view)
{
    const QString cell = padHex(s.trimCell(s.effectiveAddress), 2);
    const int32_t m = hexToNumber(cell);
    if (cell != padHex(s.a, 2)) {
        view.setFlagCell(s, Panel::FlagZ, QStringLiteral("1"));
        view.setFlagCell(s, Panel::FlagN, QStringLiteral("X"));
        view.setFlagCell(s, Panel::FlagV, QStringLiteral("X"));
    } else {
        view.setFlagCell(s, Panel::FlagZ, QStringLiteral("0"));
        view.setFlagCell(s, Panel::FlagN, QString::number((m >> 7) & 1));
        view.setFlagCell(s, Panel::FlagV, QString::number((m >> 6) & 1));
    }
    view.show(s, Panel::Memory);
}

// JSR: the program counter itself goes on the stack, low byte at the stack
// pointer and high byte below it; then the jump.
void jumpToSubroutine(CpuState& s, CpuView& view)
{
    const QString t = padHex(numberToHex(s.programCounter), 4);
    s.setCell(s.stackPointer, t.right(2));
    s.setCell(int64_t(s.stackPointer) - 1, t.left(2));
    view.show(s, Panel::Stack);
    s.stackPointer -= 2;
    s.programCounter = s.effectiveAddress;
    view.show(s, Redraws{Panel::StackPointer, Panel::ProgramCounter});
}

}  // namespace

void executeSecondSet(CpuState& s, Op op, CpuView& view)
{
    const int row = s.selectedRow;
    const int64_t ea = s.effectiveAddress;
    const int32_t m = hexToNumber(operandM(s));
    switch (op) {
    case Op::CPX:
    case Op::CPY:
        view.show(s, compare(s, hexToNumber(op == Op::CPX ? s.x : s.y), m));
        view.show(s, Panel::Memory);
        return;
    case Op::DEC:
    case Op::INC:
        s.setCell(ea, numberToHex((m + (op == Op::INC ? 1 : -1)) & 0xFF));
        view.show(s, Panel::Memory);
        return;
    case Op::ASL:
    case Op::LSR:
    case Op::ROL:
    case Op::ROR: {
        int32_t carry = s.c;
        if (row == 5) {
            // The accumulator redraw first takes C from the raw result; the
            // instruction then puts the bit that left the byte there.
            s.a = numberToHex(shifted(op, hexToNumber(s.a), carry));
            view.show(s, Panel::Accumulator);
            s.c = carry;
            view.show(s, Panel::FlagC);
            return;
        }
        const int32_t result = shifted(op, m, s.c);
        s.setCell(ea, numberToHex(result & 0xFF));
        if (op == Op::ROR)
            s.a = s.trimCell(ea);  // shown with the next accumulator redraw
        view.show(s, Redraws{Panel::FlagC, Panel::Memory});
        return;
    }
    case Op::BIT: bitTest(s, view); return;
    case Op::JMP:
        if (row == 2) {
            if (!s.inRange(ea) || !s.inRange(ea + 1))
                return;
            s.programCounter = hexToNumber(s.cell(ea + 1).trimmed() + padHex(s.cell(ea).trimmed(), 2));
            s.effectiveAddress = s.programCounter;
        } else {
            s.programCounter = s.effectiveAddress;
        }
        view.show(s, Redraws{Panel::Memory, Panel::ProgramCounter});
        return;
    case Op::JSR: jumpToSubroutine(s, view); return;
    case Op::NOP:
        s.programCounter += 1;
        view.show(s, Panel::ProgramCounter);
        return;
    default: return;
    }
}

}  // namespace orr::micro
