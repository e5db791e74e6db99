// The statistics topic's calculations.
#include "topics/stats/data_analysis_model.h"

#include <algorithm>
#include <cmath>

namespace orr::stats {

double nearestEven(double v) { return std::nearbyint(v); }

double roundTo(double v, int d)
{
    const double k = std::pow(10.0, d);
    return std::nearbyint(v * k) / k;
}

std::array<int, 10> frequencies(const std::vector<int>& data)
{
    std::array<int, 10> f{};
    for (int v : data)
        if (v >= 0 && v <= 9)
            f[size_t(v)] += 1;
    return f;
}

double frequencyMean(const std::array<int, 10>& f)
{
    double sumFx = 0, sumF = 0;
    for (int x = 0; x < 10; ++x) {
        sumFx += double(x) * f[size_t(x)];
        sumF += f[size_t(x)];
    }
    return sumFx / (sumF == 0 ? 1 : sumF);
}

int frequencyMode(const std::array<int, 10>& f)
{
    int best = 0, mode = 0;
    for (int x = 0; x < 10; ++x)
        if (f[size_t(x)] >= best) {
            best = f[size_t(x)];
            mode = x;
        }
    return mode;
}

double simpleMedian(const std::vector<int>& sorted)
{
    if (sorted.empty())
        return 0;
    const size_t n = sorted.size();
    if (n % 2)
        return sorted[n / 2];
    return (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
}

double skewMedian(int mode, double mean) { return (mode + 2 * mean) / 3; }

Spread spread(const std::vector<double>& values)
{
    Spread s;
    if (values.empty())
        return s;
    for (double v : values)
        s.total += v;
    s.mean = s.total / double(values.size());
    double sq = 0;
    for (double v : values)
        sq += (v - s.mean) * (v - s.mean);
    s.variance = sq / double(values.size());
    s.sd = std::sqrt(s.variance);
    return s;
}

std::vector<int> pieEnds(const std::vector<int>& values)
{
    std::vector<int> ends;
    double total = 0;
    for (int v : values)
        total += v;
    const double factor = total == 0 ? 0 : 360 / total;
    double start = 0;
    for (size_t k = 0; k < values.size(); ++k) {
        const int end = int(nearestEven(start + values[k] * factor));
        ends.push_back(k + 1 == values.size() ? 360 : std::min(end, 360));
        start = ends.back();
    }
    return ends;
}

double normalTail(int k)
{
    static const double table[31] = {0.5,    0.4602, 0.4207, 0.3821, 0.3446, 0.3085, 0.2743, 0.242,
                                     0.2119, 0.1841, 0.1587, 0.1357, 0.1151, 0.0968, 0.0808, 0.0668,
                                     0.0548, 0.0446, 0.0359, 0.0287, 0.0228, 0.0179, 0.0139, 0.0107,
                                     0.0082, 0.0062, 0.0047, 0.0035, 0.0026, 0.0019, 0.00135};
    return k >= 0 && k <= 30 ? table[k] : 0;
}

double samplingProbability(double p)
{
    const double k = std::floor(10 * p);
    const double t = k >= 0 && k <= 30 ? normalTail(int(k)) : 0;
    return 2 * (0.5 - t) * 100;
}

double correlation(const std::vector<double>& x, const std::vector<double>& y, int n)
{
    n = std::min({n, int(x.size()), int(y.size())});
    if (n <= 0)
        return 0;
    double sx = 0, sy = 0, sxy = 0, sxx = 0, syy = 0;
    for (int i = 0; i < n; ++i) {
        sx += x[size_t(i)];
        sy += y[size_t(i)];
        sxy += x[size_t(i)] * y[size_t(i)];
        sxx += x[size_t(i)] * x[size_t(i)];
        syy += y[size_t(i)] * y[size_t(i)];
    }
    const double d = (n * sxx - sx * sx) * (n * syy - sy * sy);
    if (d <= 0)
        return 0;
    const double r = (n * sxy - sx * sy) / std::sqrt(d);
    return r < 0 ? 0 : r;
}

Line trendLine(const std::vector<double>& x, const std::vector<double>& y)
{
    const size_t n = std::min(x.size(), y.size());
    Line l;
    if (n == 0)
        return l;
    double sx = 0, sy = 0, sxy = 0, sxx = 0;
    for (size_t i = 0; i < n; ++i) {
        sx += x[i];
        sy += y[i];
        sxy += x[i] * y[i];
        sxx += x[i] * x[i];
    }
    const double d = double(n) * sxx - sx * sx;
    l.m = d == 0 ? 0 : (double(n) * sxy - sx * sy) / d;
    l.c = (sy - l.m * sx) / double(n);
    return l;
}

std::vector<double> movingAverages(const std::vector<double>& values, int points)
{
    std::vector<double> out;
    if (points <= 0)
        return out;
    for (size_t i = 0; i + size_t(points) <= values.size(); ++i) {
        double s = 0;
        for (int k = 0; k < points; ++k)
            s += values[i + size_t(k)];
        out.push_back(s / points);
    }
    return out;
}

}  // namespace orr::stats
