// The random data of the data topics: uniform draws in [0, 1), re-seeded from
// the time of day. ORR_DATA_SEED fixes the seed so that a run repeats.
#pragma once

namespace orr::data {

double rnd();
void randomize();

}  // namespace orr::data
