// The uniform generator: a 64-bit mixing generator seeded from the clock and a re-seed counter.
#include "platform/rng.h"

#include <QTime>
#include <optional>

namespace orr {

namespace {

struct Generator {
    std::uint64_t state = 0x853c49e6748fea9bULL;
    std::uint64_t reseeds = 0;
    std::optional<std::uint32_t> fixed;
};

Generator& gen()
{
    static Generator g;
    return g;
}

// splitmix64: a full-period generator whose outputs are well mixed even from
// neighbouring seeds, which the time-of-day seeds are.
std::uint64_t next(std::uint64_t& s)
{
    std::uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

double Rnd()
{
    // 53 random bits scaled into [0, 1).
    return double(next(gen().state) >> 11) * (1.0 / 9007199254740992.0);
}

void Randomize()
{
    Generator& g = gen();
    g.reseeds += 1;
    const std::uint64_t base = g.fixed ? std::uint64_t(*g.fixed)
                                       : std::uint64_t(QTime::currentTime().msecsSinceStartOfDay());
    std::uint64_t s = base * 0x100000001b3ULL ^ (g.reseeds << 32 | g.reseeds);
    g.state = next(s);
}

void setFixedSeed(std::uint32_t seed)
{
    Generator& g = gen();
    g.fixed = seed;
    g.reseeds = 0;
    std::uint64_t s = seed;
    g.state = next(s);
}

void clearFixedSeed() { gen().fixed.reset(); }

}  // namespace orr
