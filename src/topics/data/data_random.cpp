// Uniform draws for the data topics, from one generator seeded from the clock.
#include "topics/data/data_random.h"

#include <chrono>
#include <cstdlib>
#include <random>

namespace orr::data {

namespace {
std::mt19937& engine()
{
    static std::mt19937 e(1u);
    return e;
}
unsigned seedCount = 0;
}  // namespace

void randomize()
{
    ++seedCount;
    if (const char* fixed = std::getenv("ORR_DATA_SEED")) {
        engine().seed(unsigned(std::atoi(fixed)) + seedCount);
        return;
    }
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    engine().seed(unsigned(now) ^ (seedCount * 2654435761u));
}

double rnd()
{
    static bool seeded = (randomize(), true);
    (void)seeded;
    return double(engine()()) / 4294967296.0;
}

}  // namespace orr::data
