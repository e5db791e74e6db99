// Theory texts of the combinational logic, arithmetic and logic unit and
// memory cell windows.
#include "topics/logic/circuit_theory.h"

namespace orr {

namespace {

void set(std::array<QString, 4>& p, const char* a, const char* b, const char* c = "", const char* d = "")
{
    p = {QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c), QString::fromUtf8(d)};
}

}  // namespace

void combinationalTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        set(p,
            "The half-adder is a circuit that can produce a SUM and generate a CARRY through the addition of one "
            "pair of logic bits. It has two inputs, A and B, and two outputs: the SUM and the CARRY.",
            "Binary addition follows four rules: 0 + 0 = 0, 0 + 1 = 1, 1 + 0 = 1 and 1 + 1 = 0 carry 1. The SUM is "
            "therefore 1 when exactly one input is 1, which is the exclusive OR of A and B, and the CARRY is 1 only "
            "when both inputs are 1, which is the AND of A and B.",
            "Press the A and B buttons to try all four combinations and compare the outputs with the Addition "
            "Table. The half-adder cannot accept a carry from a previous column, so on its own it can only add the "
            "least significant pair of bits of two numbers.");
        break;
    case 1:
        set(p,
            "A full adder adds three bits: A, B and the carry coming in from the column to its right. It gives a "
            "Sum and a Carry out, so that full adders can be joined to add numbers of any length.",
            "It is built from two half adders and an OR gate. The first half adder adds A and B; the second adds "
            "their sum to the carry in and gives the final Sum. A carry from either half adder becomes the Carry "
            "out, so the OR gate joins the two carries.",
            "The Full Adder Table lists all eight combinations: the Sum is 1 when an odd number of inputs are 1, and "
            "the Carry out is 1 when two or three of them are 1. With A, B and Carry in all at 1 both outputs are 1, "
            "because 1 + 1 + 1 = 11 in binary.");
        break;
    case 2:
        set(p,
            "A parallel adder adds two binary numbers in one step by giving each pair of bits its own full adder. "
            "Here four full adders add two 4-bit numbers; the carry out of each stage feeds the carry in of the "
            "stage to its left.",
            "The addition works exactly like the written addition beside the diagram: the rightmost stage adds the "
            "least significant bits, any carry is passed on, and the leftmost stage handles the most significant "
            "bits. A carry out of the leftmost stage becomes an extra, fifth bit of the result.",
            "Because each carry has to pass through every stage in turn this is called a ripple-carry adder; the "
            "result is only ready when the carry has rippled through. Faster adders look ahead at the carries, but "
            "the principle inside a microprocessor's arithmetic unit is the same.",
            "Enter two binary numbers with the buttons below. Only the four least significant bits of each are "
            "used as inputs in this example.");
        break;
    case 3:
        set(p,
            "A decoder turns a binary code into the selection of one line out of several. This 2-to-4 line "
            "decoder takes a two-bit address, A1 and A0, and sets exactly one of its four output lines to 1.",
            "Each output line comes from an AND gate. The gates receive A0 or its inverse and A1 or its inverse, "
            "so that each gate recognises one address only: line 0 for 0 0, line 1 for 0 1, line 2 for 1 0 and "
            "line 3 for 1 1.",
            "Decoders select memory chips and input/output devices from the address bus, and inside the "
            "processor they decode instructions. Larger decoders, such as 3-to-8 or 4-to-16, work in the same way "
            "with more inputs and gates.");
        break;
    case 4:
        set(p,
            "An encoder does the opposite of a decoder: one active input line out of several is turned into a "
            "binary code. The decimal-to-BCD encoder has ten inputs, one for each decimal digit 0 to 9, and four "
            "outputs weighted 8, 4, 2 and 1.",
            "BCD, binary coded decimal, writes each decimal digit as its own four-bit binary number, so 6 becomes "
            "0110 and 9 becomes 1001. Inside the encoder each output is an OR gate fed by the inputs whose code "
            "has a 1 in that position: the 1's output by 1, 3, 5, 7 and 9, the 8's output by 8 and 9.",
            "Keypads use encoders of this kind to turn a pressed key into a code. Enter a digit from 0 to 9; a "
            "larger value is limited to 9.");
        break;
    case 5:
        set(p,
            "A multiplexer is a data selector: it connects one of several data inputs to a single output. The "
            "address inputs decide which input is chosen, much as a rotary switch would.",
            "This 4-to-1 multiplexer has data inputs D0 to D3 and address lines A1 and A0. Address 0 0 passes D0 "
            "to the output, 0 1 passes D1, 1 0 passes D2 and 1 1 passes D3. Inside, a decoder enables one of four "
            "AND gates and an OR gate collects their outputs.",
            "Multiplexers let several signals share one line or bus, and in a computer they choose which register "
            "or source feeds a unit. Only the four least significant bits of the data byte are used here.");
        break;
    case 6:
        set(p,
            "Data masking picks out chosen bits of a byte and clears the others. Each data bit is fed to an AND "
            "gate together with the matching bit of a mask.",
            "Where the mask holds a 1 the data bit passes through unchanged; where the mask holds a 0 the output "
            "bit is 0 whatever the data. Masking 10011011 with 11001111 therefore gives 10001011.",
            "Programs do the same with the processor's AND instruction, for example to test a single status bit or "
            "to keep only the low four bits of a character code.");
        break;
    case 7:
        set(p,
            "A parity bit is an extra bit sent with data so that the receiver can detect a single bit error. For "
            "even parity the bit is chosen to make the total number of 1s even; for odd parity to make it odd.",
            "Exclusive OR gates generate the parity bit: the exclusive OR of all the data bits is 1 when the data "
            "holds an odd number of 1s. That result is the even parity bit, and its inverse is the odd parity bit. "
            "For 1011 the even parity bit is 1 and the odd parity bit is 0.",
            "The receiver checks the parity of everything it receives; if one bit has been changed on the way the "
            "parity is wrong and the data is rejected. Two changed bits cancel out, so parity is a simple check "
            "rather than a complete one. Serial links and memory systems use it widely.");
        break;
    default: break;
    }
}

void aluTheory(int e, std::array<QString, 4>& p)
{
    if (e == 0)
        set(p,
            "The arithmetic and logic unit, the ALU, is the part of the processor that calculates. Its logic unit "
            "combines two words bit by bit, each pair of bits through its own gate.",
            "A two-bit operation code selects the function: 00 gives A AND B, 01 gives A OR B, 10 gives A XOR B and "
            "11 gives NOT A. With A = 1010 and B = 0011 the results are 0010, 1011, 1001 and 0101.",
            "The operation code comes from the instruction decoder, so each logic instruction of a program simply "
            "sets the code, and the result is placed in the output register. A complete ALU also includes binary "
            "adder and subtractor functions and sets status flags such as zero and carry.");
    else if (e == 1)
        set(p,
            "The Accumulator is the central register within the microprocessor. Most arithmetic and logic results "
            "pass through it: one operand is taken from it and the result is stored back into it.",
            "Adding two numbers takes four steps. The accumulator is loaded from the data bus, register A is loaded "
            "with the second number, the adder adds register A to the accumulator, and the result is stored in the "
            "accumulator, replacing what it held.",
            "The accumulator holds eight bits, so the largest value is 255. When the sum is larger, the ninth bit "
            "is a carry: the accumulator keeps only the low eight bits and the carry flag records the overflow. "
            "200 + 100 = 300 leaves 44 in the accumulator with the carry set.",
            "The instruction decoder controls each step, opening the right register to the data bus at the right "
            "moment. Try the steps in order, then press Store again to see the accumulator add register A once "
            "more.");
}

void memoryCellTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        set(p,
            "The transistor can act as a switch. With its base biased on, it conducts when its emitter is at 0V: "
            "the base-emitter junction is forward biased at about 0.6V, a collector current of about 5mA flows "
            "through the 1k resistor, and the collector falls almost to 0V.",
            "When the emitter is raised to 5V the junction has no forward bias, the transistor is cut off, no "
            "current flows and the collector rises to Vcc. The collector therefore follows the emitter: 0V gives "
            "logic 0 and 5V gives logic 1.",
            "A transistor used this way is either fully saturated or fully cut off, never in between, which is "
            "what makes it suitable for storing and passing logic levels.");
        break;
    case 1:
        set(p,
            "A multi-emitter transistor has one base and collector but two or more emitters. It is the input stage "
            "of TTL logic and the heart of the bipolar memory cell.",
            "The transistor conducts when either or both emitters are at 0V, since either can carry the emitter "
            "current; the collector then falls to logic 0. Only with both emitters at 5V is it cut off, and the "
            "collector rises to logic 1.",
            "In a memory cell one emitter is joined to the select line and the other to a bitline, so the cell can "
            "be switched by either.");
        break;
    case 2:
        set(p,
            "The read/write sense amplifier connects the data line of a memory to the bitlines of its cells. In "
            "write mode it drives the bitlines from the input data; in read mode it senses the level the selected "
            "cell puts on the bitline and passes it to the data output.",
            "When writing low data, T1 turns on, so D1 and T2 are off, while T4 is off and D2 and T3 conduct: the "
            "bitlines are driven to write a 0. High data reverses every transistor and diode and writes a 1.",
            "When reading, T1 and T4 are on and the diodes D1 and D2 are off, isolating the write drivers. The "
            "level on the bitline, low or high, comes from the memory cell and appears at the data output.");
        break;
    case 3:
        set(p,
            "A bipolar Memory Cell is based on the transistor configured as a switch, where it has two states fully "
            "saturated and cut off. Two multi-emitter transistors, T1 and T2, are cross-coupled: the collector of "
            "each drives the base of the other, so when one is on the other is held off.",
            "This latch holds one bit for as long as power is applied: T1 on and T2 off store a 1, T1 off and T2 "
            "on store a 0. One emitter of each transistor goes to the select line, the other to bitline 1 or "
            "bitline 2.",
            "To write, the cell is selected and the bitlines are driven with the data; the cell takes the bitline's "
            "value. To read, the cell is selected and its stored bit appears on the bitline. A cell that is not "
            "selected ignores the bitlines, so its bit is unchanged.",
            "Thousands of such cells in rows and columns make a static RAM; the address decoder selects one row at "
            "a time. Bipolar cells are fast but use more power than MOS cells.");
        break;
    default: break;
    }
}

}  // namespace orr
