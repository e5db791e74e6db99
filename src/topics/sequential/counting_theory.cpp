// Theory paragraphs of the Counting examples.
#include "topics/sequential/sequential_theory.h"

namespace orr::seq {

void countingTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "Counting needs memory: a circuit that counts must remember how far it has got. The simplest memory "
            "is the bistable, or flip-flop, made from two NAND gates with each output fed back to the other "
            "gate.");
        p[1] = QStringLiteral(
            "Each input is held at 1 through a resistor. Pressing Set pulls the upper input to 0 and the lamp on "
            "Q lights; pressing Reset pulls the lower input to 0 and the lamp goes out. When a button is "
            "released the feedback holds the outputs where they are, so the circuit remembers which button was "
            "pressed last.");
        p[2] = QStringLiteral(
            "A bistable stores one binary digit. Counters, registers and memories are all built from many of "
            "them.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "Adding a clock input to the bistable decides when it may change. While the clock is 0 the Set and "
            "Reset inputs are ignored and Q is held; while the clock is 1, Set makes Q = 1 and Reset makes "
            "Q = 0.");
        p[1] = QStringLiteral(
            "The timing strip records each change you make: one column shows S, R, the clock and Q after every "
            "button press, and the last eight are kept. Reading across, Q only moves while the clock is high.");
        p[2] = QStringLiteral(
            "Set and Reset both at 1 with the clock high is not allowed: the outputs are then undefined and shown "
            "as \"?\" until a valid input sets or resets the flip-flop.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "The D type data latch has a single data input, D, and a clock. While the clock is 1 the output Q "
            "copies D; when the clock goes to 0, Q holds the last value of D.");
        p[1] = QStringLiteral(
            "The timing strip shows the data, the clock and Q after each change. Changes of D while the clock is "
            "0 do not reach Q; the value is latched, which is how a register captures a byte from a data bus.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "A toggle flip-flop with its T input held at 1 changes state on the falling edge of every clock "
            "pulse. Its output goes high on one pulse and low on the next.");
        p[1] = QStringLiteral(
            "The output therefore completes one pulse for every two clock pulses: the circuit divides by two. "
            "The waveforms show the clock and Q0 for the last eight pulses, with Q0 changing as each clock pulse "
            "ends.");
        p[2] = QStringLiteral(
            "Dividing by two is the first step of counting in binary: Q0 is the units bit of the number of pulses "
            "counted.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "Connecting the output of one toggle stage to the clock of a second gives a divide-by-four counter. "
            "The second stage changes only when the first stage's output falls, which happens every second "
            "pulse.");
        p[1] = QStringLiteral(
            "Q0 divides the clock by two and Q1 divides it by four. Read together, Q1 and Q0 count 0, 1, 2, 3 in "
            "binary and then start again at 0, so one output pulse appears for every four clock pulses.");
        p[2] = QStringLiteral(
            "Each stage added to the chain divides by two again, so n stages divide by 2 to the power n.");
        break;
    case 5:
        p[0] = QStringLiteral(
            "Four toggle stages in a chain make a 4-bit binary counter. The outputs Q0 to Q3 have the weights 1, 2, "
            "4 and 8, and the count is the sum of the weights of the outputs that are 1.");
        p[1] = QStringLiteral(
            "Each clock pulse adds one. After 15 (binary 1111) the next pulse returns every stage to 0, because "
            "four bits cannot hold 16; the counter has sixteen states, 0 to 15.");
        p[2] = QStringLiteral(
            "Counters like this count events, divide frequencies and step through addresses. The Counters topic "
            "goes on to up/down, divide-by-7 and synchronous counters.");
        break;
    default:
        break;
    }
}

}  // namespace orr::seq
