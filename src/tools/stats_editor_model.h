// The statistics editor's rules, free of any window: the vertical scale, the
// class widths and the five values of the box plot.
#pragma once

#include <vector>

namespace orr::stats {

struct Scale {
    double top = 1;   // the value drawn at the top of the axis
    int step = 0;     // the label step: labels are 0, step, ..., 10 × step
};
// The largest value raised to the next multiple of 10 (0 becomes 1), with a
// label step of a tenth of it rounded halves to even.
Scale verticalScale(double largest);

// Width of the class x1 to x2, counting both end values.
int classWidth(int x1, int x2);
// Frequency density f / width; 0 for an empty class.
double frequencyDensity(int f, int x1, int x2);

// Lowest, lower quartile, median, upper quartile and highest of the expanded
// data: each class gives f copies of its midpoint x1 + halfWidth in class
// order; the quartiles are the copies at positions nearest 0.25 N, 0.5 N and
// 0.75 N (halves to even, 1-based). Empty data gives an empty list.
std::vector<double> boxPlotValues(const std::vector<int>& x1, const std::vector<int>& f, double halfWidth);

}  // namespace orr::stats
