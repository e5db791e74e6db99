// The statistics editor's scale, class and box plot rules.
#include "tools/stats_editor_model.h"

#include <algorithm>
#include <cmath>

namespace orr::stats {

Scale verticalScale(double largest)
{
    // Whole values move up to the next multiple of 10; a fraction (a
    // frequency density) first to the next whole number.
    double m = std::ceil(std::max(0.0, largest));
    while (std::fmod(m, 10) != 0)
        m += 1;
    Scale s;
    s.top = m == 0 ? 1 : m;
    s.step = int(std::nearbyint(m / 10));
    return s;
}

int classWidth(int x1, int x2) { return x2 - x1 + 1; }

double frequencyDensity(int f, int x1, int x2)
{
    const int w = classWidth(x1, x2);
    return w == 0 ? 0 : double(f) / w;
}

std::vector<double> boxPlotValues(const std::vector<int>& x1, const std::vector<int>& f, double halfWidth)
{
    std::vector<double> copies;
    for (size_t k = 0; k < x1.size() && k < f.size(); ++k)
        for (int i = 0; i < f[k]; ++i)
            copies.push_back(x1[k] + halfWidth);
    if (copies.empty())
        return {};
    const double n = double(copies.size());
    auto at = [&](double pos) {
        const int p = std::clamp(int(std::nearbyint(pos)), 1, int(copies.size()));
        return copies[size_t(p - 1)];
    };
    return {copies.front(), at(0.25 * n), at(0.5 * n), at(0.75 * n), copies.back()};
}

}  // namespace orr::stats
