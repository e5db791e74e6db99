// The shared uniform random number generator.
#include "platform/uniform_random.h"

#include <QTime>
#include <algorithm>
#include <random>

namespace orr {

namespace {
std::mt19937& engine()
{
    static std::mt19937 e(uint32_t(QTime::currentTime().msecsSinceStartOfDay()));
    return e;
}
}  // namespace

double uniformRandom() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine()); }

int uniformRandomBelow(int n)
{
    if (n <= 0)
        return 0;
    return std::min(n - 1, int(uniformRandom() * n));
}

void seedUniformRandom(uint32_t seed) { engine().seed(seed); }

}  // namespace orr
