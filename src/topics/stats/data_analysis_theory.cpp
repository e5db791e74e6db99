// DataAnalysis: the notes of each example.
#include "topics/stats/data_analysis.h"

namespace orr {

void DataAnalysis::theoryParagraphs(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral("A frequency distribution counts how often each value occurs in a set of data. Here one "
                              "hundred whole numbers from 0 to 9 are drawn at random and the count of each value, its "
                              "frequency f, is shown as a bar chart. The frequencies always add up to the number of "
                              "values, 100.");
        p[1] = QStringLiteral("The mean is the sum of every value times its frequency divided by the sum of the "
                              "frequencies. The mode is the value that occurs most often, and the median is the "
                              "middle value once the data are sorted into order.");
        p[2] = QStringLiteral("When the data are symmetrical the median is the mean of the two middle values. When "
                              "the distribution is skewed a useful estimate is (mode + 2 \u00D7 mean) / 3.");
        break;
    case 1:
        p[0] = QStringLiteral("The standard deviation measures how far values are spread about their mean. Find the "
                              "mean, subtract it from every value, square the deviations, add them up and divide by "
                              "the number of values: this is the variance, and its square root is the standard "
                              "deviation.");
        p[1] = QStringLiteral("Many measurements follow the bell-shaped normal distribution. About 68% of values lie "
                              "within one standard deviation of the mean, 95% within two and 99.7% within three.");
        p[2] = QStringLiteral("Twelve equal values have no spread at all, so their standard deviation is 0.");
        break;
    case 2:
        p[0] = QStringLiteral("A pie chart shows how a whole is shared out. Each value gets a slice whose angle is "
                              "in proportion to its share of the total.");
        p[1] = QStringLiteral("The slice factor is 360 divided by the total of all the values; each slice angle is "
                              "the value times the slice factor. The slices together make the full 360 degrees.");
        break;
    case 3:
        p[0] = QStringLiteral("A probability tree shows every possible outcome of a sequence of events. A tossed coin "
                              "lands heads or tails, each with probability 0.5, so each coin doubles the number of "
                              "branches: 2 outcomes for one coin, 4 for two and 8 for three.");
        p[1] = QStringLiteral("The probability along one branch is found by multiplying the probabilities on it; the "
                              "probability of an event with several branches is the sum of their probabilities.");
        break;
    case 4:
        p[0] = QStringLiteral("The addition law: when events cannot happen together, the probability that one or "
                              "other happens is the sum of their probabilities. With eight balls, each red ball adds "
                              "1/8 to the chance of the pointer picking a red one.");
        p[1] = QStringLiteral("Spin the pointer many times and keep the score: the fraction of hits comes closer to "
                              "the calculated probability as the number of tries grows.");
        break;
    case 5:
        p[0] = QStringLiteral("The multiplication law: the probability that independent events all happen is the "
                              "product of their probabilities. One die shows a chosen number with probability 1/6, so "
                              "n dice all show it with probability (1/6) to the power n.");
        p[1] = QStringLiteral("Probabilities run from 0, an event that can never occur, to 1, a certainty. With six "
                              "dice the chance is 1 in 46656, so successes are very rare.");
        break;
    case 6:
        p[0] = QStringLiteral("Quartiles divide data sorted into order into four groups of equal size. Each group "
                              "holds a quarter of the values.");
        p[1] = QStringLiteral("The range of each quarter, from its first to its last value, shows how the data are "
                              "spread: the middle two quarters make the inter-quartile range, which ignores the "
                              "extreme values.");
        break;
    case 7:
        p[0] = QStringLiteral("Cumulative frequency is the running total of the frequencies of the classes. Plotted "
                              "against the class ends it gives a cumulative frequency polygon rising to the total "
                              "number of values.");
        p[1] = QStringLiteral("A box plot draws five values of the sorted data: the lowest, the lower quartile (a "
                              "quarter of the way along), the median, the upper quartile and the highest.");
        break;
    case 8:
        p[0] = QStringLiteral("In a continuous even (uniform) distribution every value between the lower and upper "
                              "limits is equally likely. A random number RND between 0 and 1 is scaled to the range "
                              "by (upper - lower) \u00D7 RND + lower.");
        p[1] = QStringLiteral("For whole numbers that include both end points the range is widened by one and the "
                              "result rounded down.");
        break;
    case 9:
        p[0] = QStringLiteral("Sampling theory asks how well a sample represents the whole population. The larger the "
                              "sample and the smaller its spread, the more likely it is that the sample mean lies "
                              "within a chosen tolerance of the true mean.");
        p[1] = QStringLiteral("P = tolerance \u00D7 square root of N / standard deviation is looked up in the table of "
                              "the normal distribution; the area under the curve within P standard deviations of the "
                              "mean is the probability.");
        break;
    case 10:
        p[0] = QStringLiteral("Correlation measures how closely two variables move together. The coefficient r is 1 "
                              "for a perfect straight-line relationship and near 0 when the values are random.");
        p[1] = QStringLiteral("The table lists each pair with X \u00D7 Y, X\u00B2, Y\u00B2 and their sums, from which r "
                              "is calculated; the check rows confirm the sums. The scatter graph shows the pairs as "
                              "points.");
        break;
    case 11:
        p[0] = QStringLiteral("A moving average smooths out short-term changes in data taken over time so that the "
                              "trend shows. Each average is the mean of a fixed number of consecutive values.");
        p[1] = QStringLiteral("To move on one week, take the oldest value off the sum and add the newest, then divide "
                              "by the number of points. The graph shows the data and the smoother moving average.");
        break;
    case 12:
        p[0] = QStringLiteral("Seasonal data, such as sales each quarter, rise and fall in a pattern that repeats each "
                              "year on top of a longer trend.");
        p[1] = QStringLiteral("The trend line t = mx + c is fitted by least squares. The deviations of the data from "
                              "the trend, averaged for each quarter, are the seasonal correction factors.");
        break;
    default: break;
    }
}

}  // namespace orr
