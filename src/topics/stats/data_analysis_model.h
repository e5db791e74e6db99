// The calculations of the statistics topic, free of any window: frequency
// mean, mode and median, standard deviation, pie angles, the sampling
// look-up, correlation, least-squares trend and moving averages.
#pragma once

#include <array>
#include <vector>

namespace orr::stats {

// Rounding to the nearest whole number with halves to the even neighbour.
double nearestEven(double v);
// Rounding to d decimals, halves to even.
double roundTo(double v, int d);

// Frequencies of the values 0 to 9 among data.
std::array<int, 10> frequencies(const std::vector<int>& data);
// Σ(x × f) / Σf over the values 0 to 9; a zero Σf counts as 1.
double frequencyMean(const std::array<int, 10>& f);
// The value with the largest frequency; among ties the highest value.
int frequencyMode(const std::array<int, 10>& f);
// Mean of the two middle values of sorted data (the 50th and 51st of 100).
double simpleMedian(const std::vector<int>& sorted);
// (mode + 2 × mean) / 3.
double skewMedian(int mode, double mean);

struct Spread {
    double total = 0, mean = 0, variance = 0, sd = 0;
};
// Total, mean, variance (divisor N) and standard deviation.
Spread spread(const std::vector<double>& values);

// End angle of each pie sector in degrees: each spans value × 360 / Σ, the
// end made whole, the last forced to 360.
std::vector<int> pieEnds(const std::vector<int>& values);

// The upper tail of the standard normal distribution at z = k / 10, k 0 to 30.
double normalTail(int k);
// Probability in per cent that a sample is like its population, for
// P = tolerance × √N / SD: 2 × (0.5 − T) × 100 with T read at the whole part of 10 P
// (0 from 31 on).
double samplingProbability(double p);

// Correlation coefficient of the first n pairs; a negative r gives 0.
double correlation(const std::vector<double>& x, const std::vector<double>& y, int n);

struct Line {
    double m = 0, c = 0;
};
// Least-squares line y = m x + c.
Line trendLine(const std::vector<double>& x, const std::vector<double>& y);

// Mean of each run of `points` consecutive values (values.size() − points + 1 of them).
std::vector<double> movingAverages(const std::vector<double>& values, int points);

}  // namespace orr::stats
