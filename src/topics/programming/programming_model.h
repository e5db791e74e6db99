// The rules behind the computer programming topic's live examples: the
// Select Case interest, the For...Next count on a seven-segment digit and
// the Do...Until light running round a ring of LEDs. No Qt.
#pragma once

#include <optional>

namespace orr::programming {

// The case a principal falls in (0: 0 to 9, 1: 10 to 19, 2: 20 and over, in
// thousands) and its interest; none between the cases or below zero.
struct InterestCase {
    int row;
    double interest;
};
std::optional<InterestCase> interestFor(double principal);

// The count after one turn of the loop; it wraps to 0 (and the loop ends)
// once it reaches 10 or more.
struct LoopStep {
    int next;
    bool finished;
};
LoopStep nextCount(int count, bool stepTwo);

// The lit LED's next position: 45 degrees on, 360 after 0 or less.
double nextLedAngle(double angle);

// Segments a to g (bit 0 is a, the top; then clockwise; g the middle) lit for a digit.
int segmentsFor(int digit);

}  // namespace orr::programming
