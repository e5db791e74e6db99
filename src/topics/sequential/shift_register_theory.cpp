// Theory paragraphs of the ShiftRegister examples.
#include "topics/sequential/sequential_theory.h"

namespace orr::seq {

void shiftRegisterTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "A shift register is a row of D flip-flops on one clock, each stage's Q feeding the next stage's D. "
            "On every clock pulse each bit moves one stage along, and a new bit enters the first stage from the "
            "serial input.");
        p[1] = QStringLiteral(
            "In this right shift register the data enters at Q0 and moves towards Q3. The last digit of the word "
            "enters first, so after four pulses the register holds the last four digits of the word, and the "
            "digits that leave Q3 are the right shifted data out.");
        p[2] = QStringLiteral(
            "Shift registers turn serial data, one bit after another on a single wire, into parallel data and "
            "back. They are found in serial ports, keyboards, network interfaces and the data paths of "
            "processors.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "A left shift register moves its data the other way: the serial input feeds Q3 and each pulse moves "
            "every bit one stage towards Q0, from where it leaves as the left shifted data out.");
        p[1] = QStringLiteral(
            "The last digit of the word enters Q3 on the first pulse and reaches Q0 after four. Shifting a binary "
            "number one place to the left doubles it, as shifting it to the right halves it, which is how "
            "processors multiply and divide by two.");
        p[2] = QStringLiteral(
            "Registers that can shift either way are called bidirectional or universal shift registers; a "
            "control input chooses the direction for each pulse.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "Data is loaded as a 4-bit parallel word. Each stage's D input comes from an OR gate that combines a "
            "parallel input with the output of the stage before it, so on the first clock pulse all four bits are "
            "loaded into Q0 to Q3 at once.");
        p[1] = QStringLiteral(
            "On every later pulse the word shifts one stage towards Q3 and a 0 enters Q0, so the bits leave one "
            "after another as the right shifted data out. Each parallel input must be set to 0 again after "
            "loading, or the word reloads on every clock pulse and mixes with the shifted bits.");
        p[2] = QStringLiteral(
            "Parallel-in, serial-out registers send the bytes of a computer's parallel data bus down a single "
            "serial line, as a serial port or a USB interface does.");
        break;
    default:
        break;
    }
}

}  // namespace orr::seq
