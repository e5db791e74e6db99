// Theory texts of the addressing-modes topic.
#include "topics/micro/addressing_modes.h"
#include "topics/micro/micro_theory.h"

namespace orr::micro {

void addressingModesTheory(Mode m, std::array<QString, 4>& p)
{
    switch (m) {
    case Mode::Immediate:
        setParagraphs(p,
            "An addressing mode is the rule by which an instruction finds its data. In immediate addressing the "
            "data is part of the instruction itself: the byte after the op code is the value to be used, so no "
            "memory location has to be looked up. The assembler marks it with a hash sign, as in LDA #20h.",
            "LDA #20h is two bytes, the op code A9h followed by 20h. When it runs, 20h goes straight into the "
            "accumulator. LDX #FFh and LDY #1Ch load the index registers the same way. Only registers can be "
            "loaded like this; there is no immediate form of a store, since a store needs a place to put data.",
            "Immediate addressing is the fastest way to set a register to a known value, for example a count "
            "or a mask, because the processor reads nothing beyond the instruction.",
            "Try it: enter a value with LDA #??h, LDX #??h or LDY #??h and watch the register panel and the "
            "flags. The accumulator loaded here stays loaded as you move to the other examples of this window; "
            "the relative example tests it with BEQ.");
        break;
    case Mode::Implied:
        setParagraphs(p,
            "In implied addressing the instruction names no operand at all: the op code itself says what to "
            "work on. PHA (push accumulator, op code 48h) always copies the accumulator onto the stack, and "
            "the stack pointer says where the stack is. The instruction is a single byte.",
            "The stack lives in page one of memory, addresses 0100h to 01FFh; the high byte 01 is fixed and the "
            "stack pointer holds the low byte. In this example the first push puts the top of the stack at "
            "01FFh, and each push after it moves the stack address down by one before storing, so pushing ABh "
            "three times fills 01FFh, 01FEh and 01FDh.",
            "Other implied instructions are INX, DEY, TAX, CLC and RTS: each acts on a register or flag that "
            "its op code already names.",
            "The accumulator pushed here is the one set in the immediate example; load a new value there and "
            "come back to push it.");
        break;
    case Mode::Absolute:
        setParagraphs(p,
            "Absolute addressing gives the full 16-bit address of the data in the two bytes after the op code, "
            "low byte first. STA 01CDh is stored as 8Dh, CDh, 01h and copies the accumulator into location "
            "01CDh.",
            "Any location in the memory map can be reached this way, which is why absolute addressing is used "
            "for memory-mapped peripherals: a port or display controller that appears at a fixed address is "
            "read and written like any other location.",
            "This simulator has memory from 0000h to 2710h (10000 locations); an address above that is refused "
            "and the effective address stays where it was.",
            "Try it: enter a RAM address, then press STA and watch the accumulator's value appear in the "
            "highlighted row of the memory panel.");
        break;
    case Mode::Relative:
        setParagraphs(p,
            "Relative, or offset, addressing is used by the branch instructions. Instead of a full address the "
            "instruction carries a one-byte displacement that is added to the current address when the branch "
            "is taken, so a program can be moved anywhere in memory and its branches still work.",
            "In this simulator the displacement is held in sign and magnitude form: bit 7 is the sign and bits "
            "6 to 0 the size, so 06h means 6 forward and 86h means 6 back. With address 1234h (4660d) and "
            "displacement 86h the new location is 4660 + -6 = 4654d = 122Eh. A result below zero stops at 0.",
            "BEQ branches only when the zero flag Z is set, that is when the accumulator holds 00h. This example "
            "has no accumulator selector: load 00h (or any other value) with LDA #??h in the immediate example "
            "first. If Z = 0 nothing moves and the program counter simply follows the current address.",
            "Try it: enter the RAM address and a displacement, then press BEQ and compare the effective address "
            "and the program counter before and after.");
        break;
    case Mode::ZeroPage:
        setParagraphs(p,
            "Zero-page addressing is a short form of absolute addressing. Only the low byte of the address is "
            "given; the high byte is taken as 00, so the instruction reaches the first 256 locations, 0000h to "
            "00FFh, called page zero.",
            "LDA 90h in zero-page form is two bytes (A5h, 90h) instead of three, and runs a cycle faster. "
            "Programs keep their most used variables and pointers in page zero for that reason.",
            "When this example opens, page zero is filled with random bytes so that every location has "
            "something to load. An address above FFh is refused.",
            "Try it: enter a zero-page address and press LDA zpage; the accumulator takes the value in the "
            "highlighted memory row.");
        break;
    case Mode::AbsoluteIndexed:
        setParagraphs(p,
            "In absolute indexed addressing the instruction gives a 16-bit base address, and the processor adds "
            "the contents of an index register, X or Y, to it. The sum is the effective address.",
            "STA 0400h, Y with Y = 10h stores the accumulator at 0400h + 10h = 0410h. Stepping the index "
            "register with INY in a loop walks through a table or a buffer one location at a time while the "
            "instruction stays the same.",
            "Click the X or Y register panel to choose which index register is used; the loader selector changes "
            "to LDX #??h or LDY #??h to match. Then enter a base address with STA ????h and read the effective "
            "address in the working lines.");
        break;
    case Mode::ZeroPageIndexed:
        setParagraphs(p,
            "Zero-page indexed addressing adds an index register to a zero-page base address. The sum is kept "
            "to eight bits, so the result always lies in page zero: the upper byte of the resultant address is "
            "always 00.",
            "With base F0h and X = 20h the sum is 110h, but the carry out of the low byte is dropped and the "
            "address used is 0010h. The index wraps round within page zero instead of running into page one.",
            "Page zero is filled with random bytes when the example opens. Enter a base address with Zero Addr "
            "(00h to FFh); the X register is the one set in the immediate example.");
        break;
    case Mode::Indirect:
        setParagraphs(p,
            "In indirect addressing the instruction gives the address of a pointer rather than the address of "
            "the data. The location named holds the low byte of the real address and the next location holds "
            "the high byte. On this processor only JMP uses plain indirect addressing.",
            "With 00h stored at 0400h and 05h at 0401h, JMP (0400h) reads the pointer 0500h and continues the "
            "program there. Changing the two pointer bytes changes where the jump goes without changing the "
            "jump instruction, which is how jump tables and vectors work.",
            "Try it: set the pointer address with L byte addr, store the two bytes with L byte #??h and "
            "U byte #??h, store a data byte at the target with STA #??h, then enter the pointer address into "
            "JMP (????h): the jump is made at once and the program counter shows the target.");
        break;
    case Mode::IndexedIndirect:
        setParagraphs(p,
            "Indexed indirect addressing, written LDA (90h, X), first adds X to the zero-page operand and then "
            "uses the two locations found there as a pointer to the data.",
            "With X = 06h, LDA (90h, X) looks at 90h + 6h = 96h. Locations 0096h and 0097h hold 00h and 05h, "
            "so the pointer is 0500h, and the accumulator is loaded with the contents of 0500h, 34h in the "
            "worked example.",
            "The mode suits a table of pointers in page zero: X picks the pointer. Use Ram Addr and Change ? to "
            "set up the pointer bytes and the data, then enter the operand into LDA (??h, X); the instruction "
            "runs at once.");
        break;
    case Mode::IndirectIndexed:
        setParagraphs(p,
            "Indirect indexed addressing, written LDA (90h), Y, takes a pointer from the two zero-page locations "
            "named and then adds Y to it: the index is applied after the pointer has been read.",
            "With 00h at 0090h and 05h at 0091h the pointer is 0500h; with Y = 04h the effective address is "
            "0504h, and the accumulator is loaded with its contents, 56h in the worked example.",
            "This is the usual way to step through a block of data anywhere in memory: the pointer in page zero "
            "gives the start of the block and Y counts through it. Set Y with LDY #??h, prepare the cells with "
            "Ram Addr and Change ?, then enter the operand into LDA (??h), Y.");
        break;
    }
}

}  // namespace orr::micro
