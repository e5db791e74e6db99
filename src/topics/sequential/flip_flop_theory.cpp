// Theory paragraphs of the FlipFlop examples.
#include "topics/sequential/sequential_theory.h"

namespace orr::seq {

void flipFlopTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "A flip-flop is a circuit with two stable states, so it can store one binary digit. The simplest is the "
            "RS (Set-Reset) latch made from two NAND gates, each gate's output fed back to an input of the other. "
            "Once set or reset the feedback holds the outputs in place, and the circuit remembers its last state "
            "for as long as power is applied.");
        p[1] = QStringLiteral(
            "A NAND gate gives 0 only when both its inputs are 1, so a bare NAND latch is set and reset by a 0 on "
            "its inputs. Here the Set and Reset inputs pass through inverters, so S = 1 makes Q = 1 and R = 1 makes "
            "Q = 0. With both inputs at 0 the outputs do not change: Q keeps its value and NOT Q stays its "
            "opposite.");
        p[2] = QStringLiteral(
            "With S and R both at 1 the two gates are each driven to 1, so Q and NOT Q are both forced to logic 1. "
            "This breaks the rule that the outputs are opposites, and when both inputs return to 0 together the "
            "final state cannot be predicted, so this input condition is avoided.");
        p[3] = QStringLiteral(
            "Latches like this remove switch bounce from push buttons and keyboard contacts and are the basic "
            "storage cell from which registers and static memory are built.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "The RS latch can also be made from two cross-coupled NOR gates. A NOR gate gives 1 only when both "
            "its inputs are 0, so this latch is set and reset by a 1: S = 1 makes Q = 1, R = 1 makes Q = 0, and "
            "with both at 0 the feedback keeps the last state.");
        p[1] = QStringLiteral(
            "When S and R are both 1 each NOR gate has a 1 on an input and both outputs are forced to logic 0. "
            "As with the NAND latch this is a forbidden condition: the outputs are no longer complements and the "
            "state after both inputs are released is uncertain.");
        p[2] = QStringLiteral(
            "The NAND and NOR latches behave alike apart from the active level of their inputs and the value both "
            "outputs take in the forbidden state. Which one a designer uses depends on whether the signals that "
            "drive it are active high or active low.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "A clocked RS flip-flop adds two AND gates in front of the latch. S and R reach the latch only while "
            "the clock input is 1; while it is 0 both AND gates are inhibited, their outputs stay at 0 and the "
            "latch keeps its state whatever S and R do.");
        p[1] = QStringLiteral(
            "This is level triggering: during the whole time the clock is high the outputs follow S and R, so "
            "S = 1 sets Q, R = 1 resets it and both at 0 leave it unchanged. S and R both 1 with the clock high "
            "leaves the outputs undefined.");
        p[2] = QStringLiteral(
            "The clock lets many flip-flops change together at a time chosen by the system rather than whenever "
            "an input happens to change, which is the basis of synchronous logic. In circuit diagrams the clocked "
            "RS flip-flop is drawn as a block with S, R and Clk inputs.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "The D (Data) type flip-flop has a single data input. D drives the set side directly and the reset "
            "side through an inverter, so S and R are always opposite and the forbidden state can never occur.");
        p[1] = QStringLiteral(
            "While the clock is 1 the output Q takes the value of D; while the clock is 0 Q keeps the value D had "
            "when the clock last fell. The circuit therefore samples the data line and holds the sample, which is "
            "why it is also called a data latch.");
        p[2] = QStringLiteral(
            "D flip-flops hold the bits of registers, input and output ports and pipeline stages, where a value "
            "must be captured at one moment and kept steady while the rest of the system uses it.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "The T (Toggle) flip-flop has one input, T. When T is 1 each clock pulse makes the output change to "
            "its opposite; when T is 0 the clock has no effect and Q keeps its value.");
        p[1] = QStringLiteral(
            "The change happens on the trailing (falling) edge of the clock pulse, not while the clock is high. "
            "Because the output changes only once per pulse it cannot race round and toggle again, however long "
            "the pulse lasts. A JK flip-flop with J and K joined works as a T flip-flop.");
        p[2] = QStringLiteral(
            "Two clock pulses give one complete cycle of the output, so a toggling flip-flop divides the clock "
            "frequency by two. Chains of T flip-flops are the basis of binary counters and frequency dividers.");
        break;
    case 5:
        p[0] = QStringLiteral(
            "A master-slave flip-flop is made of two clocked RS stages in series. The master is clocked by the "
            "incoming clock pulse and the slave by the inverted clock, so the two stages are never open at the "
            "same time.");
        p[1] = QStringLiteral(
            "While the clock is high the master follows the S and R inputs and the slave is isolated, so the "
            "outputs do not change. When the clock falls the master is isolated from the inputs and its state is "
            "passed to the slave, which drives the outputs.");
        p[2] = QStringLiteral(
            "The outputs therefore change only on the falling edge, and an input change during the high part of "
            "the pulse cannot pass straight through to the output. Equal inputs are not wanted here: 0,0 does not "
            "load a new value and 1,1 leaves the master undefined.");
        break;
    case 6:
        p[0] = QStringLiteral(
            "The JK flip-flop is a master-slave flip-flop with feedback: J is gated with the slave's NOT Q output "
            "and K with its Q output. The feedback removes the forbidden state of the RS flip-flop.");
        p[1] = QStringLiteral(
            "With J = 0 and K = 0 nothing changes. With J = 1 and K = 0 the next clock pulse sets Q to 1; with "
            "J = 0 and K = 1 it resets Q to 0, so with unequal inputs the JK behaves as an RS device. With J = 1 "
            "and K = 1 the output toggles on every pulse.");
        p[2] = QStringLiteral(
            "The master takes its new state while the clock is high and the slave shows it when the clock falls, "
            "so the new Q appears on the falling edge. Because the feedback comes from the slave, which does not "
            "change while the clock is high, the toggle happens exactly once per pulse.");
        p[3] = QStringLiteral(
            "Its flexibility makes the JK the usual building block of counters, dividers and sequence "
            "generators.");
        break;
    default:
        break;
    }
}

}  // namespace orr::seq
