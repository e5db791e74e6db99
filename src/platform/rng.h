// The uniform random number generator the topics draw their data from: one
// draw in [0, 1), re-seeded from the time of day before each batch of data.
#pragma once

#include <cstdint>

namespace orr {

// One draw in [0, 1).
double Rnd();

// Re-seeds from the time of day. Two re-seeds in the same second still give
// different sequences: the clock is mixed with a count of re-seeds, so two
// batches drawn one after the other never repeat each other.
void Randomize();

// Fixes the seed (tests, the batch driver's `seed N`): from now on every
// re-seed is derived from N and the count of re-seeds since, not the clock,
// so a run repeats exactly.
void setFixedSeed(std::uint32_t seed);
// Back to seeding from the clock.
void clearFixedSeed();

}  // namespace orr
