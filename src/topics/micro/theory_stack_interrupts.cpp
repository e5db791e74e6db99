// Theory texts of the third instruction set.
#include "topics/micro/micro_theory.h"

namespace orr::micro {

namespace {

const char* const kSelectFirst =
    "Every redraw of the window, a press on the table or a change of example, works out C, Z, V and N again from "
    "the registers. So select the row first, then set the flag with the second button, then press the "
    "instruction: a flag set by hand lasts only until the next full redraw.";

}  // namespace

void thirdSetTheory(Op op, std::array<QString, 4>& p)
{
    switch (op) {
    case Op::Branch:
        setParagraphs(p,
            "A branch instruction tests one flag and, when the condition holds, moves on by a displacement "
            "given in byte 2 of the instruction. BCC and BCS test the carry, BEQ and BNE the zero flag, BMI and "
            "BPL the sign flag N, BVC and BVS the overflow flag.",
            "The displacement is one byte in sign and magnitude form: bit 7 is the sign and bits 6 to 0 the "
            "size, so 06h means six forward and 86h six back. In this simulator the branch moves the effective "
            "address, which the memory panel highlights, and leaves the program counter where it is. With "
            "Z = 1, BEQ from 1234h with displacement 86h lands on 122Eh; with Z = 0 nothing moves.",
            kSelectFirst,
            "Try it: enter the address 1234h and a displacement, select a row, set or reset its flag with the "
            "second button and press the branch.");
        break;
    case Op::ClearFlags:
    case Op::SetFlags: {
        const bool clear = op == Op::ClearFlags;
        setParagraphs(p,
            clear ? "CLC, CLD, CLI and CLV clear one flag each: carry, decimal mode, interrupt disable and "
                    "overflow. Each is a one-byte instruction with implied addressing, and the program counter "
                    "moves on by one."
                  : "SEC, SED and SEI set one flag each: carry, decimal mode and interrupt disable. There is no "
                    "instruction to set overflow; it is set only by arithmetic.",
            clear ? "A program clears the carry before an addition (CLC then ADC) so that no stale carry is "
                    "added in, and clears the interrupt flag (CLI) to let interrupts in."
                  : "A program sets the carry before a subtraction (SEC then SBC), since here the carry acts as "
                    "the borrow, and sets the interrupt flag (SEI) to keep interrupts out during a critical task. "
                    "The Status Reg. selector sets all the flags at once from eight binary digits, bit 7 (N) "
                    "first; bit 5 has no flag and is ignored.",
            kSelectFirst);
        break;
    }
    case Op::BRK:
        setParagraphs(p,
            "BRK forces a break, a software interrupt. It sets the B flag so that the interrupt routine can tell "
            "a break from a hardware interrupt, and in this simulator it moves the program counter on by two.",
            "A second BRK leaves the program counter alone until Reset Break clears B and frees the program "
            "counter selector again. Starting from 1234h, BRK shows 1236h and B = 1.");
        break;
    case Op::DEX:
    case Op::INX:
    case Op::DEY:
    case Op::INY: {
        const bool dec = op == Op::DEX || op == Op::DEY;
        const bool x = op == Op::DEX || op == Op::INX;
        setParagraphs(p,
            dec ? (x ? "DEX takes one from the X register." : "DEY takes one from the Y register.")
                : (x ? "INX adds one to the X register." : "INY adds one to the Y register."),
            "The count wraps round inside one byte (00h less one is FFh, FFh plus one is 00h) and the register "
            "display sets Z when the result is 00h and N from bit 7. DEX from 01h gives 00h with Z = 1, and "
            "again gives FFh with N = 1. The program counter moves on by one.",
            "Index registers count the passes of a loop: load the register, do the work, step the register and "
            "branch back until Z says it has reached zero.",
            x ? "Load X with the LDX ??h selector (the strip's example is LDX #7Ah or #55h) and press the button."
              : "Load Y with the LDY ??h selector (the strip's example is LDY #CBh or #DCh) and press the button.");
        p[0] += QStringLiteral(" It is a one-byte instruction with implied addressing: the op code alone says which "
                               "register and what to do, and memory is not touched.");
        break;
    }
    case Op::RTI:
        setParagraphs(p,
            "An interrupt saves the program counter and the status register on the stack before it runs its "
            "routine; RTI, return from interrupt, takes them back so the interrupted program carries on as if "
            "nothing had happened.",
            "Here the stack holds 86h at 01FDh (the status register) and the return address 03EAh at 01FEh and "
            "01FFh. RTI sets the stack pointer to 01FDh, the program counter to 03EAh and the flags from "
            "10000110: N, I and Z set, the rest clear.",
            "The interrupt-vector box shows where the processor finds its interrupt routine: the low byte at "
            "FFFEh (40h) and the high byte at FFFFh (1Fh).");
        break;
    case Op::Push:
        setParagraphs(p,
            "PHA pushes the accumulator onto the stack and PHP pushes the status register. The byte is stored at "
            "the stack pointer and the stack pointer then moves down by one, ready for the next push.",
            "With the stack pointer at 01FFh, PHA stores the accumulator at 01FFh and leaves the pointer at "
            "01FEh; the stack pointer display shows the low byte of the pointer less one. With N and C set, PHP "
            "pushes 81h.",
            "Opening this example starts the stack at 01FFh. Load the accumulator with LDA #data. (the strip's "
            "example is #ABh), select a row and press the button.");
        break;
    case Op::Pull:
        setParagraphs(p,
            "PLA pulls a byte from the stack into the accumulator and PLP pulls it into the status register, "
            "one flag for each bit.",
            "In this simulator a pull reads the cell at the stack pointer and then, like a push, moves the "
            "pointer down by one. The accumulator display sets the flags from the pulled value; PLP sets N, V, "
            "B, D, I, Z and C from bits 7 to 0 (bit 5 is ignored).",
            "Push a value in the push example first, then pull it back here and compare.");
        break;
    case Op::RTS:
        setParagraphs(p,
            "RTS returns from a subroutine: it takes the return address that JSR left on the stack and puts it "
            "back in the program counter.",
            "Enter the subroutine's return address with Subroutine ?: 034Ah puts 03h at 01FFh and 4Ah at 01FEh "
            "and sets the stack pointer to 01FFh. RTS reads the high byte from 01FFh and the low byte from 01FEh, "
            "so the program counter becomes 034Ah, and the stack pointer ends at 01FEh.");
        break;
    default:
        setParagraphs(p,
            "The transfer instructions copy one register into another: TAX and TAY copy the accumulator into X "
            "or Y, TXA and TYA copy X or Y into the accumulator. The source is unchanged and the register "
            "display of the destination sets Z and N.",
            "In this simulator TSX copies the status register into X and sets the stack pointer to 01FDh, and "
            "TXS copies X into the flags, bit 7 to N down to bit 0 to C: with X = 81h, N and C are set and the "
            "rest cleared. With N and Z set, TSX gives X = 82h.",
            "Load the registers with the three selectors (the strip's example is LDA #22h, LDX #8Ch, LDY #34h), "
            "select a row and press the button. Each transfer moves the program counter on by one.");
        break;
    }
}

}  // namespace orr::micro
