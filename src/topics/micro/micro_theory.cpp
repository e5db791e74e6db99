// Theory texts of the microprocessor topics.
#include "topics/micro/micro_theory.h"

namespace orr::micro {

namespace {

// The addressing-mode paragraph shared by the instructions that read memory.
const QString kModes = QStringLiteral(
    "The operand can be reached in several ways. Immediate mode puts the data itself in byte 2 of the instruction. "
    "Absolute mode gives a full sixteen-bit address in bytes 2 and 3 (low byte first), zero page a one-byte address "
    "in the first 256 locations. The indexed forms add the X or Y register to the address; a zero page address plus "
    "X wraps round inside page zero. (Indirect, X) adds X to a zero page address and reads the real address from "
    "that location and the next; (Indirect), Y reads the address from the zero page location first and then adds Y.");

void set(std::array<QString, 4>& p, const char* a, const char* b, const QString& c = QString(), const char* d = "")
{
    p[0] = QString::fromUtf8(a);
    p[1] = QString::fromUtf8(b);
    p[2] = c;
    p[3] = QString::fromUtf8(d);
}

}  // namespace

void setParagraphs(std::array<QString, 4>& p, const char* a, const char* b, const char* c, const char* d)
{
    p = {QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c), QString::fromUtf8(d)};
}

void instructionTheory(Op op, std::array<QString, 4>& p)
{
    switch (op) {
    case Op::LDA:
        set(p,
            "LDA copies one byte into the accumulator. Whatever the accumulator held before is lost; the memory "
            "location it was read from keeps its value.",
            "After the load the flags describe the new value: Z is set when the byte is 00h and N copies bit 7. In "
            "this simulator the accumulator display also works out C and V from the loaded byte, so C is cleared "
            "and V shows whether bits 7 and 6 differ (F0h gives V = 0, 40h gives V = 1).",
            kModes,
            "Try it: select the immediate row, enter a data byte, press LDA and watch the accumulator and the N and "
            "Z flags change.");
        break;
    case Op::STA:
        set(p,
            "STA writes a copy of the accumulator into the selected memory location. The accumulator is unchanged "
            "and so are the flags; only the memory cell at the effective address takes the new value.",
            "There is no immediate form: an instruction has to store its result somewhere in memory, so STA always "
            "needs an address. The table shows that row without an op code and it cannot be selected.",
            kModes,
            "Load the accumulator with a value, choose an address mode and enter the address, then press STA and "
            "look for the highlighted cell in the memory panel.");
        break;
    case Op::ADC:
        set(p,
            "ADC adds the operand and the carry flag to the accumulator and leaves the sum in the accumulator. The "
            "carry is added as 0 or 1, which lets a program add numbers longer than one byte: the carry out of the "
            "low bytes goes into the addition of the next ones.",
            "A sum above FFh keeps only its low byte and sets C. Z is decided from the full sum before the ninth bit "
            "is dropped, so FFh + 01h gives 00h with C set and Z clear. N copies bit 7 of the result, and V is set "
            "when bits 7 and 6 of the result differ: 7Fh + 01h gives 80h with V = 1 and N = 1.",
            kModes,
            "A carry left over from the last sum is added in, so start a new addition with C clear. Loading the "
            "accumulator through its selector redraws it, and a value of FFh or less leaves C clear.");
        break;
    case Op::AND:
        set(p,
            "AND combines the accumulator with the operand bit by bit: a result bit is 1 only where both bits are "
            "1. The result replaces the accumulator.",
            "AND is used to mask: ANDing with 0Fh keeps the low four bits and clears the high four. Z is set when no "
            "bit survives, N copies bit 7 of the result; here the accumulator display also clears C and sets V when "
            "bits 7 and 6 of the result differ.",
            kModes);
        break;
    case Op::ORA:
        set(p,
            "ORA combines the accumulator with the operand bit by bit: a result bit is 1 where either bit (or both) "
            "is 1. The result replaces the accumulator.",
            "ORA is used to set chosen bits without disturbing the others: ORing with 80h sets bit 7. Z is set only "
            "when both bytes were 00h, N copies bit 7; C is cleared and V shows whether bits 7 and 6 differ.",
            kModes);
        break;
    case Op::EOR:
        set(p,
            "EOR, exclusive OR, combines the accumulator with the operand bit by bit: a result bit is 1 where the "
            "two bits differ. The result replaces the accumulator.",
            "EOR with FFh inverts every bit; EOR of a byte with itself gives 00h and sets Z. N copies bit 7 of the "
            "result, C is cleared and V shows whether bits 7 and 6 of the result differ.",
            kModes);
        break;
    case Op::CMP:
        set(p,
            "CMP compares the accumulator with the operand by subtracting the operand, but throws the difference "
            "away: the accumulator keeps its value and only the flags change.",
            "Z is set when the two are equal and C when the accumulator is equal to or greater than the operand. N "
            "is taken from bit 7 of the size of the difference, so 00h compared with 80h sets N while 01h compared "
            "with 02h leaves it clear. A branch instruction after CMP then decides what the program does next.",
            kModes);
        break;
    case Op::SBC:
        set(p,
            "SBC subtracts the operand and the carry flag from the accumulator and leaves the difference in the "
            "accumulator. In this simulator the carry acts as a borrow: with C = 1 one more is taken away.",
            "A difference from 00h to FFh clears C. A negative difference leaves the low byte of its two's "
            "complement in the accumulator and sets C, so 05h - 05h with C = 1 gives FFh with C and N set, and "
            "00h - 01h with C = 0 also gives FFh.",
            kModes);
        break;
    case Op::LDX:
        set(p,
            "LDX copies one byte into the X index register. The previous contents are lost and the memory location "
            "is unchanged. Z is set when the byte is 00h and N copies bit 7.",
            "X is mostly used as a counter or as an offset added to an address. LDX cannot use X to form its own "
            "address, so its indexed forms use Y instead: addr, Y and, in this simulator, the row labelled "
            "(zpage), Y, which reads the address from page zero and adds Y.");
        break;
    case Op::LDY:
        set(p,
            "LDY copies one byte into the Y index register. The previous contents are lost and the memory location "
            "is unchanged. Z is set when the byte is 00h and N copies bit 7.",
            "Like X, Y serves as a counter or offset. LDY's indexed forms add X: addr, X and zpage, X.");
        break;
    case Op::STX:
        set(p,
            "STX writes a copy of the X register into the selected memory location. X and the flags are unchanged.",
            "STX has absolute and zero page forms and one indexed form, zpage, Y, because X cannot index its own "
            "store. The zero page address plus Y wraps round inside page zero.");
        break;
    case Op::STY:
        set(p,
            "STY writes a copy of the Y register into the selected memory location. Y and the flags are unchanged.",
            "STY has absolute and zero page forms and one indexed form, zpage, X. The zero page address plus X wraps "
            "round inside page zero.");
        break;
    default:
        if (int(op) <= int(Op::NOP))
            secondSetTheory(op, p);
        else
            thirdSetTheory(op, p);
        break;
    }
}

void instructionsTopicTheory(int position, std::array<QString, 4>& p)
{
    switch (position) {
    case 0:
        set(p,
            "Each instruction fetched from memory is held in the instruction register while it is carried out. "
            "Part of it is the operation code, which says what to do; the rest is the operand, the data or address "
            "to do it with.",
            "In this example a two-bit operation code chooses one of four operations of the arithmetic and logic "
            "unit: 00 AND, 01 OR, 10 exclusive OR and 11 NOT. The unit works on Register A and the operand bit by "
            "bit and puts the result on its output; NOT uses Register A alone.",
            QStringLiteral("Enter your own Register A and operand in binary and press the code buttons to see each "
                           "result."));
        break;
    case 1:
        set(p,
            "The operation code cannot drive the arithmetic and logic unit directly: it has to be decoded. A "
            "2-to-4 line decoder turns the two code bits into four separate lines, exactly one of which is active "
            "for each code.",
            "Each output line enables one function of the unit. A real processor decodes an eight-bit operation "
            "code in the same way, into the many control lines that open and close the paths between registers, "
            "the unit and the buses.");
        break;
    case 2:
        set(p,
            "The control bus carries the signals that tell the other devices what the processor is doing. RD (read) "
            "and WR (write) say whether data is going into or out of the processor; CE1 and CE2 enable the one "
            "device, memory or input/output port, that is to answer.",
            "All of this is timed by the clock. The address and the control signals are set up while the clock is "
            "high, and the action, reading or writing, happens on the falling edge of the clock waveform, so every "
            "device sees stable signals when it acts.");
        break;
    default:
        set(p,
            "Several devices share the same address and data buses, so each must know when it is being addressed. "
            "A chip-select decoder looks at the top address lines and enables one device only.",
            "Here the two highest address bits A7 and A6 choose among four devices: 00 the output register, 01 the "
            "read only memory, 10 the input register and 11 the random access memory. The remaining six bits, A5 to "
            "A0, choose one of 64 locations inside the selected device.",
            QStringLiteral("So addresses 00110101, 01110101, 10110101 and 11110101 all select location 110101 but "
                           "each in a different device."));
        break;
    }
}

}  // namespace orr::micro
