// Theory paragraphs of the Counters examples.
#include "topics/sequential/sequential_theory.h"

namespace orr::seq {

void countersTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "A ripple counter is a chain of toggle flip-flops. The first stage is clocked by the input pulses and "
            "each later stage is clocked by the output of the stage before it, so every stage divides its own "
            "clock by two.");
        p[1] = QStringLiteral(
            "The outputs Q0 to Q3 carry the weights 1, 2, 4 and 8 and together show the number of pulses counted "
            "in binary. After fifteen the next pulse returns all four stages to 0 and the count starts again.");
        p[2] = QStringLiteral(
            "The change ripples along the chain: each stage waits for the one before it, so the outputs settle a "
            "few gate delays apart and wrong counts appear briefly. This limits ripple counters to slower work "
            "such as clocks, timers and frequency division.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "An up/down counter counts in either direction. A control input selects counting up, where each clock "
            "pulse adds one, or counting down, where each pulse subtracts one.");
        p[1] = QStringLiteral(
            "This counter has eight stages, Q0 to Q7, so it holds values from 0 to 255. Counting up from 255 "
            "gives 0 and counting down from 0 gives 255: the count wraps round like a car's mileometer. The reset "
            "input clears every stage to 0 at once.");
        p[2] = QStringLiteral(
            "Up/down counters keep track of positions and quantities that can rise and fall, such as the position "
            "of a shaft read by an encoder, the number of items in a store or the stack pointer of a "
            "microprocessor.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "A counter can be made to divide by any number by detecting one count and resetting. This one counts "
            "from 0 with three JK flip-flops clocked together, and decode gates watch the outputs.");
        p[1] = QStringLiteral(
            "The first gate gives Q1 AND Q2; the second adds Q0, so Count Out goes to 1 when all three outputs "
            "are 1, at a count of 7. Count Out makes a master reset pending, and the next clock pulse returns the "
            "count to 0 instead of counting on, so Count Out gives one pulse for every seven clock pulses.");
        p[2] = QStringLiteral(
            "The Master Reset button forces the same reset by hand. Dividers of this kind derive slower timing "
            "signals from a crystal clock, for example the seconds and days of a digital clock or calendar.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "In a synchronous counter every stage is clocked by the same clock pulse, so all the outputs change "
            "together and there is no ripple delay.");
        p[1] = QStringLiteral(
            "Each stage is a JK flip-flop with J and K joined. The first stage always toggles; each later stage "
            "toggles only when all the stages below it are 1, which AND gates detect. The counter counts 0 to 15 "
            "and then returns to 0.");
        p[2] = QStringLiteral(
            "Because the outputs change at the same moment, synchronous counters run at much higher clock "
            "frequencies than ripple counters and their outputs can be decoded without glitches. They are used in "
            "program counters, address generators and frequency synthesisers.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "A synchronous down counter subtracts one on every clock pulse. It is built like the up counter, but "
            "each stage toggles when all the stages below it are 0, so the AND gates are fed from the NOT Q "
            "outputs.");
        p[1] = QStringLiteral(
            "Counting down from 0 gives 15, and the counter then counts 15, 14, 13 and so on back to 0. A second "
            "counter beside it counts the clock pulses, so the two always add up to a whole number of sixteens.");
        p[2] = QStringLiteral(
            "Down counters measure time remaining or items still to come: a value is loaded and the counter "
            "signals when it reaches zero, as in timers, programmable dividers and the delay loops of a "
            "processor.");
        break;
    default:
        break;
    }
}

}  // namespace orr::seq
