// The suite's uniform random number generator: one stream shared by every
// window that makes random data, seeded from the time of day when first used.
#pragma once

#include <cstdint>

namespace orr {

// The next number of the stream, at least 0 and below 1.
double uniformRandom();
// A whole number from 0 to n - 1 (0 when n is not positive).
int uniformRandomBelow(int n);
// Restarts the stream from a fixed seed, so that a run can be repeated.
void seedUniformRandom(uint32_t seed);

}  // namespace orr
