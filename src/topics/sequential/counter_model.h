// Counter model: the counting rules of the counter windows as pure functions
// of the count. Each returns the count after one clock pulse; the stage
// outputs are the bits of the count, Q0 the least significant.
#pragma once

namespace orr::seq {

// Bit k of a count (stage Qk).
inline bool stage(int count, int k) { return ((count >> k) & 1) != 0; }

// Four-stage ripple or synchronous up counter: + 1, after 15 back to 0.
int countUp4(int count);
// Four-stage synchronous down counter: - 1, below 0 back to 15.
int countDown4(int count);
// Eight-stage up/down counter: up past 255 gives 0, down past 0 gives 255.
int countUpDown8(int count, bool up);

// Divide-by-7 counter: three JK stages whose decode gates raise "Count Out"
// at 7 and make a master reset pending, so the next pulse clears the count.
struct DivideBy7 {
    int count = 0;
    bool resetPending = false;
    bool operator==(const DivideBy7&) const = default;
};
DivideBy7 divideBy7Pulse(DivideBy7 s);
// The first decode gate: Q1 AND Q2.
bool divideBy7Gate(int count);
// Count Out: Q0, Q1 and Q2 all 1.
bool divideBy7Out(int count);

}  // namespace orr::seq
