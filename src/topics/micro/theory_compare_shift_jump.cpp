// Theory texts of the second instruction set.
#include "topics/micro/micro_theory.h"

namespace orr::micro {

namespace {

const char* const kShiftRows =
    "The shifts and rotates work either on a memory location (absolute, zero page and their X-indexed forms) or "
    "on the accumulator itself, the row marked A. In the accumulator row the selector loads the accumulator "
    "(LDA ??h) and the accumulator display then recomputes C, Z, V and N before the instruction puts the bit "
    "that left the byte into C. In the memory rows only C changes.";

}  // namespace

void secondSetTheory(Op op, std::array<QString, 4>& p)
{
    switch (op) {
    case Op::CPX:
    case Op::CPY: {
        const bool x = op == Op::CPX;
        setParagraphs(p,
            x ? "CPX compares the X register with a byte of data or memory. Neither is changed: the processor "
                "works out X minus the operand only to set the flags."
              : "CPY compares the Y register with a byte of data or memory. Neither is changed: the processor "
                "works out Y minus the operand only to set the flags.",
            "Z is set when the two are equal and C when the register is the larger or equal; N shows bit 7 of "
            "the size of the difference. So X = 04h compared with 05h clears C, Z and N, and equal values set Z "
            "and C.",
            "A compare is nearly always followed by a branch: BEQ to act on equal values, BCC or BCS to act on "
            "smaller or larger ones. Compares are used to end counting loops that run an index register up to "
            "a limit.",
            "Try it: load the register through its selector, choose immediate data or an address, and press the "
            "button to see the three flags.");
        break;
    }
    case Op::DEC:
    case Op::INC:
        setParagraphs(p,
            op == Op::DEC ? "DEC takes one from the byte at the selected address and writes the result back to the "
                            "same place. The accumulator and the index registers are not involved."
                          : "INC adds one to the byte at the selected address and writes the result back to the "
                            "same place. The accumulator and the index registers are not involved.",
            "The count wraps round inside one byte: decrementing 00h gives FFh and incrementing FFh gives 00h. "
            "In this simulator the flags stay as they were; watch the memory panel, where the highlighted cell "
            "shows the new value.",
            "Memory counters like this keep a count without tying up a register, for example the number of "
            "times a key has been pressed.");
        break;
    case Op::ASL:
        setParagraphs(p,
            "ASL, arithmetic shift left, moves every bit of a byte one place to the left. Bit 7 drops out into "
            "the carry flag and a 0 comes in at bit 0, so the value is doubled.",
            "Example: 81h (10000001) shifted left gives 02h (00000010) with C = 1. With the accumulator at 40h "
            "one ASL A gives 80h and N = 1; a second gives 00h with C = 1, and Z stays 0 because the display "
            "tests the full doubled value 100h before it drops the ninth bit.",
            kShiftRows);
        break;
    case Op::LSR:
        setParagraphs(p,
            "LSR, logical shift right, moves every bit one place to the right. Bit 0 drops out into the carry "
            "flag and a 0 comes in at bit 7, so the value is halved and any remainder goes to C.",
            "Example: LSR A with the accumulator at 01h leaves 00h with Z = 1 and C = 1; 03h in memory becomes "
            "01h with C = 1.",
            kShiftRows);
        break;
    case Op::ROL:
    case Op::ROR: {
        const bool left = op == Op::ROL;
        setParagraphs(p,
            left ? "ROL rotates a byte one place to the left through the carry: the old carry comes in at bit 0 "
                   "and bit 7 goes out into the carry. Nine bits, the byte and C, turn round like a ring."
                 : "ROR rotates a byte one place to the right through the carry: the old carry comes in at bit "
                   "7 and bit 0 goes out into the carry. Nine bits, the byte and C, turn round like a ring.",
            left ? "Example: ROL A with 0Fh and C = 0 gives 1Eh with C = 0; with 80h and C = 1 it gives 01h and "
                   "C stays 1, since bit 7 was set."
                 : "Example: a memory cell holding 02h with C = 1 becomes 81h and C becomes 0. In this simulator "
                   "the memory form of ROR also copies the result into the accumulator, which shows it at the "
                   "next redraw.",
            kShiftRows,
            "Rotates let a program shift numbers longer than one byte: the bit that leaves one byte enters the "
            "next through the carry.");
        break;
    }
    case Op::BIT:
        setParagraphs(p,
            "BIT tests the bits of a memory location against the accumulator. Neither is changed; only the "
            "flags report the result.",
            "In this simulator the test compares the two bytes as a whole. When the memory byte differs from the "
            "accumulator Z is set and the N and V cells show X (both stored as 0). When they are the same Z is "
            "cleared, N takes bit 7 and V bit 6 of the memory byte: 34h against 34h leaves Z, N and V all 0.",
            "BIT has only the absolute and zero page forms. Load the accumulator through its selector, choose "
            "the address and set its contents, then press BIT.");
        break;
    case Op::JMP:
        setParagraphs(p,
            "JMP puts a new address in the program counter, so the next instruction is fetched from there. "
            "Nothing else changes: no flags, no stack.",
            "In the absolute row the address is given in the instruction. In the indirect row, (addr), the "
            "instruction gives the address of a pointer: the processor reads the low byte at that address and "
            "the high byte at the next one. With 00h at 0400h and 05h at 0401h, JMP (0400h) jumps to 0500h.",
            "Indirect jumps let a program choose where to go while it runs, by changing the pointer in memory.");
        break;
    case Op::JSR:
        setParagraphs(p,
            "JSR calls a subroutine: it saves a return address on the stack and then jumps to the address given. "
            "A later RTS takes the address back off the stack and carries on after the call.",
            "In this simulator the value pushed is the program counter itself: its low byte goes to the cell at "
            "the stack pointer and its high byte to the cell below, and the stack pointer goes down by two. With "
            "the program counter at 1234h and the stack pointer at 01FFh, cell 01FFh gets 34h, 01FEh gets 12h and "
            "the stack pointer ends at 01FDh.",
            "Opening this example sets the stack pointer to 01FFh, the top of the stack in page 1. Enter the "
            "subroutine address with the addr selector (the program counter moves on past the three-byte "
            "instruction) and press JSR; the stack panel shows where the return address went.");
        break;
    default:
        setParagraphs(p,
            "NOP, no operation, does nothing except take time and move the program counter on by one to the "
            "next instruction. Registers, memory and flags are unchanged.",
            "Programmers use NOP to fill a short delay, to leave room for a later patch, or to blank out an "
            "instruction while testing. Press NOP and watch only the program counter change.");
        break;
    }
}

}  // namespace orr::micro
