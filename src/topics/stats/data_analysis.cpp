// DataAnalysis: the examples' data, drawings and worked calculations.
#include "topics/stats/data_analysis.h"

#include <QApplication>
#include <QClipboard>
#include <QString>
#include <algorithm>
#include <cmath>

#include "draw/palette.h"
#include "draw/primitives.h"
#include "platform/rng.h"
#include "shell/chart_procedure.h"
#include "topics/stats/data_analysis_model.h"
#include "values/formatters.h"
#include "values/limit_value.h"

namespace orr {

using namespace stats;

namespace {

const QString kTimes = QString(QChar(0x00D7));
const QString kSquared = QString(QChar(0x00B2));
const QString kDivide = QString(QChar(0x00F7));

const char* const kTitles[13] = {"Frequency Distribution.",
                                 "Standard Deviation.",
                                 "Pie Chart.",
                                 "Probability Tree.",
                                 "Probability Addition Law.",
                                 "Probability Multiplication Law.",
                                 "Quartiles.",
                                 "Cumulative Frequency, Box Plot.",
                                 "Continuous Even Distribution.",
                                 "Sampling Theory.",
                                 "Correlation Analysis.",
                                 "Moving Average.",
                                 "Seasonality."};

int text(double x, double y, const QString& s, long c = colour::Black, int size = 8, bool bold = false)
{
    int b = bold ? 1 : 0;
    printAt(int(x), int(y), s, c, size, b);
    return b;
}

QString num(double v) { return FormatNumber(float(v)); }
QString whole(double v) { return FormatNumber(float(v), true); }

// Bars, dots and sectors take their colours in turn from these.
constexpr long kSeriesColours[] = {colour::Blue, colour::Red, colour::Green, colour::Magenta, colour::Teal,
                                   colour::Olive, colour::Purple, colour::Cyan, colour::Maroon, colour::Yellow};

}  // namespace

DataAnalysis::DataAnalysis() : TopicForm(QStringLiteral("DataAnalysis"), 2, 4)
{
    title = QStringLiteral("DATA ANALYSIS");
    setTopicId(78);
    setDrawingFrame(0, 1.0f);
    MSChart1 = new ChartControl(this, QStringLiteral("MSChart1"));
    MSChart1->hide();
    numberDice = int(nearestEven(5 * Rnd() + 1));
    newCorrelationData();
    newFrequencyData();
}

void DataAnalysis::setDefaults()
{
    const int e = example();
    const QString caption = title + QStringLiteral(":   ") + QLatin1String(kTitles[std::clamp(e, 0, 12)]);
    setCaption(caption);
    if (e == 9)
        numberValues = 24;
    if (e == 10)
        numberValues = 5;
}

void DataAnalysis::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = f.copy = f.notes = f.calcs = true;
    const int e = example();
    f.graph = e == 11 || e == 12;
}

void DataAnalysis::configureExample(int e)
{
    auto selector = [&](int i, const char* caption, double v) {
        SelectButton[size_t(i)]->setCaption(QLatin1String(caption));
        setLabelQuietly(i, num(v));
    };
    int count = -1;
    switch (e) {
    case 5: selector(0, "Dice Value", diceValue); selector(1, "No. Dice 1-6", numberDice); count = 1; break;
    case 6: selector(0, "Min range", minRange); selector(1, "Max range", maxRange); count = 1; break;
    case 7: selector(0, "Select Range", maxRange); count = 0; break;
    case 8: selector(0, "Lower Value", lowerValue); selector(1, "Upper Value", upperValue); count = 1; break;
    case 9: selector(0, "No. Values", numberValues); selector(1, "Tolerance", tolerance); count = 1; break;
    case 10: selector(0, "No. Values", numberValues); count = 0; break;
    case 11: selector(0, "Weeks", weeks); selector(1, "No points", points); count = 1; break;
    case 12: selector(0, "No. Quarters", quarters); count = 0; break;
    default: break;
    }
    suite().selectorCount = count;
    auto captions = [&](std::initializer_list<const char*> list) {
        int i = 0;
        for (const char* c : list)
            Trigger[size_t(i++)]->setCaption(QLatin1String(c));
        triggerSetup(i > 0, i > 1, i > 2, i > 3);
    };
    const char* pages[] = {"Calculate Median", "Calculate Mode", "Calculate Mean"};
    switch (e) {
    case 0: captions({"Random Values", pages[(page - 1) % 3]}); break;
    case 1:
    case 2: captions({"Random Values"}); break;
    case 3: captions({"Toss Coins", "One Coin", "Two Coins", "Three Coins"}); break;
    case 4: captions({"New Balls", "Pointer"}); break;
    case 5: captions({"Throw Dice", "Reset Score"}); break;
    case 6: captions({arranged ? "Random values" : "Arrange Values"}); break;
    case 8: captions({"New Values", rounded ? "Actual Values" : "Rounded Values"}); break;
    case 10: captions({"New Values", scatter ? "Clear Scatter" : "Show Scatter"}); break;
    default: captions({"New Values"}); break;
    }
}

QString DataAnalysis::quantityTypeFor(int e, int index) const
{
    if (e == 8)
        return QStringLiteral("Decimal No.");
    if (e == 9 && index == 1)
        return QStringLiteral("Positive Decimal No.");
    return QStringLiteral("Positive Integer No.");
}

void DataAnalysis::takeValue(int e, int index, double v)
{
    chartCurrent_ = false;
    if (e != 8)
        v = std::fabs(v);
    switch (e) {
    case 5:
        if (index == 0) {
            diceValue = v < 1 ? 1 : v;
            LimitValue(diceValue, 6, -1);
        } else {
            numberDice = std::max(1, limit_detail::convert<int>(v));
            LimitValue(numberDice, 6, -1);
        }
        break;
    case 6:
        if (index == 0) {
            minRange = v;
            LimitValue(minRange, maxRange, -1);
        } else {
            maxRange = v;
            LimitValue(maxRange, 999, -1);
        }
        newQuartileData();
        break;
    case 7:
        maxRange = v;
        LimitValue(maxRange, 999, -1);
        newCumulativeData();
        break;
    case 8:
        (index == 0 ? lowerValue : upperValue) = v;
        LimitValue(index == 0 ? lowerValue : upperValue, 50, -1);
        break;
    case 9:
        if (index == 0) {
            numberValues = v;
            LimitValue(numberValues, 24, -1);
            LimitValue(numberValues, 5, 2);
        } else {
            tolerance = v;
            LimitValue(tolerance, 1, -1);
            LimitValue(tolerance, 0.3, 2);
        }
        break;
    case 10:
        numberValues = v;
        LimitValue(numberValues, 24, -1);
        LimitValue(numberValues, 5, 2);
        break;
    case 11:
        if (index == 0) {
            weeks = v;
            LimitValue(weeks, 50, -1);
            LimitValue(weeks, 10 + points, 2);
        } else {
            points = v;
            LimitValue(points, weeks, -1);
            LimitValue(points, 5, 2);
        }
        break;
    case 12:
        quarters = v;
        LimitValue(quarters, 16, -1);
        LimitValue(quarters, 4, 2);
        break;
    default: break;
    }
}

void DataAnalysis::Trigger_Click(int index)
{
    const int e = example();
    switch (e) {
    case 0:
        if (index == 0)
            newFrequencyData();
        else
            page = page % 3 + 1;
        break;
    case 3:
        if (index == 0) {
            Randomize();
            for (int& t : toss)
                t = int(2 * Rnd());
        } else {
            coins = index;
        }
        break;
    case 4:
        if (index == 0) {
            Randomize();
            for (int& b : balls)
                b = int(3 * Rnd()) + 1;
            pointer = -1;
        } else {
            Randomize();
            pointer = int(8 * Rnd());
            tries += 1;
            if (balls[size_t(pointer)] == 2)
                hits += 1;
        }
        break;
    case 5:
        if (index == 0) {
            Randomize();
            bool all = true;
            for (int i = 0; i < numberDice; ++i) {
                dice[size_t(i)] = int(6 * Rnd()) + 1;
                all = all && dice[size_t(i)] == int(diceValue);
            }
            throws += 1;
            if (all)
                successes += 1;
        } else {
            throws = successes = 0;
        }
        break;
    case 6:
        if (arranged)
            newQuartileData();
        arranged = !arranged;
        break;
    case 7: newCumulativeData(); break;
    case 11:
    case 12: seriesFor_ = -1; break;
    case 8:
        if (index == 0)
            newEvenData();
        else
            rounded = !rounded;
        break;
    case 10:
        if (index == 0)
            newCorrelationData();
        else
            scatter = !scatter;
        break;
    default: break;
    }
    configureExample(e);
    selectorLayout(int(SelectButton.size()));
    results();
}

void DataAnalysis::newFrequencyData()
{
    Randomize();
    for (int i = 1; i <= 100; ++i)
        values[size_t(i)] = int(nearestEven(9 * Rnd()));
    freq = frequencies(std::vector<int>(values.begin() + 1, values.begin() + 101));
    quartileCount_ = cumulativeCount_ = 0;
}

void DataAnalysis::newQuartileData()
{
    Randomize();
    for (int i = 1; i <= 48; ++i)
        values[size_t(i)] = int((maxRange - minRange) * Rnd()) + int(minRange);
    quartileCount_ = 48;
    cumulativeCount_ = 0;
    arranged = false;
}

void DataAnalysis::newCumulativeData()
{
    Randomize();
    for (int i = 1; i <= 1000; ++i)
        values[size_t(i)] = int(nearestEven(maxRange * Rnd()));
    std::sort(values.begin() + 1, values.begin() + 1001);
    cumulativeCount_ = 1000;
    quartileCount_ = 0;
}

void DataAnalysis::newEvenData()
{
    Randomize();
    for (int i = 1; i <= 20; ++i)
        raw[size_t(i)] = Rnd();
    evenCount_ = 20;
}

void DataAnalysis::newCorrelationData()
{
    Randomize();
    for (int i = 1; i <= 24; ++i)
        X[size_t(i)] = roundTo(10 * Rnd() + i, 2);
    Randomize();
    for (int i = 1; i <= 24; ++i)
        Y[size_t(i)] = roundTo(10 * Rnd() + i, 2);
}

void DataAnalysis::drawExample(int e)
{
    Calcbox->cls();
    int b = 1;
    printAt(10, 4, QLatin1String(kTitles[std::clamp(e, 0, 12)]), colour::Title, 12, b);
    switch (e) {
    case 0: drawFrequency(); break;
    case 1: drawStandardDeviation(); break;
    case 2: drawPie(); break;
    case 3: drawTree(); break;
    case 4: drawAddition(); break;
    case 5: drawMultiplication(); break;
    case 6: drawQuartiles(); break;
    case 7: drawCumulative(); break;
    case 8: drawEven(); break;
    case 9: drawSampling(); break;
    case 10: drawCorrelation(); break;
    case 11: drawMovingAverage(); break;
    case 12: drawSeasonality(); break;
    default: break;
    }
    suite().currentPicture = Picture1;
}

// Runs f with the calculation box as the picture drawn on.
template <class F> static void onCalcbox(DataAnalysis* t, F&& f)
{
    suite().currentPicture = t->Calcbox;
    f();
    suite().currentPicture = t->Picture1;
}

void DataAnalysis::drawFrequency()
{
    // Bar chart of the frequencies with the axis 240 units high.
    const int top = *std::max_element(freq.begin(), freq.end());
    const double scale = top > 0 ? 220.0 / top : 0;
    text(90, 30, QStringLiteral("Random Data Values 0 - 9"), colour::Navy, 10, true);
    boxOrLine(0, 60, 60, 0, 0, 260, colour::Black, QString());
    boxOrLine(0, 60, 320, 0, 350, 0, colour::Black, QString());
    text(4, 50, QStringLiteral("Frequency (f)"), colour::Maroon, 7);
    text(300, 356, QStringLiteral("Values (x)"), colour::Maroon, 7);
    for (int x = 0; x < 10; ++x) {
        const double h = freq[size_t(x)] * scale;
        boxOrLine(0, 70 + x * 34, 320 - h, 0, 26, h, colour::Blue, QStringLiteral("BF"));
        boxOrLine(0, 70 + x * 34, 320 - h, 0, 26, h, colour::Black, QStringLiteral("B"));
        printCentred(83 + x * 34, 324, QString::number(x), colour::Black, 7, 0);
        printCentred(83 + x * 34, 338, QString::number(freq[size_t(x)]), colour::Red, 7, 0);
    }
    text(6, 324, QStringLiteral("Values (x)"), colour::Black, 6);
    text(6, 338, QStringLiteral("Frequency  (f)"), colour::Red, 6);
    const double mean = frequencyMean(freq);
    const int mode = frequencyMode(freq);
    text(440, 60, QStringLiteral("Mean = ") + num(mean), colour::Navy, 10, true);
    text(440, 84, QStringLiteral("Median = ") + num(skewMedian(mode, mean)), colour::Navy, 10, true);
    text(440, 108, QStringLiteral("Mode = ") + QString::number(mode), colour::Navy, 10, true);
    int sumF = 0;
    for (int f : freq)
        sumF += f;
    text(440, 140, QStringLiteral("Total frequency = ") + QString::number(sumF), colour::Black, 8);
    text(420, 360, QStringLiteral("Click 'Calculations Toolbar' button"), colour::Maroon, 7);
    text(420, 374, QStringLiteral("for each method."), colour::Maroon, 7);

    std::vector<int> sorted(values.begin() + 1, values.begin() + 101);
    std::sort(sorted.begin(), sorted.end());  // the same order as the exchange sort gives
    onCalcbox(this, [&] {
        if (page == 1) {
            text(5, 4, QStringLiteral("Arithmetic Mean."), colour::Navy, 9, true);
            text(5, 24, QStringLiteral("Values x        Frequency         Values ") + kTimes +
                            QStringLiteral(" Frequency"), colour::Black, 7, true);
            double sumFx = 0;
            for (int x = 0; x < 10; ++x) {
                const int y = 42 + x * 16;
                printCentred(30, y, QString::number(x), colour::Black, 7, 0);
                printCentred(110, y, QString::number(freq[size_t(x)]), colour::Black, 7, 0);
                printCentred(220, y, QString::number(x * freq[size_t(x)]), colour::Black, 7, 0);
                sumFx += x * freq[size_t(x)];
            }
            text(60, 206, QStringLiteral("Sum f = ") + QString::number(sumF), colour::Red, 7);
            text(170, 206, QStringLiteral("Sum fx = ") + whole(sumFx), colour::Red, 7);
            int bb = 0;
            printFraction(5, 250, 7, QStringLiteral("Mean"), colour::Black, true,
                          QStringLiteral("Sum (x1 ") + kTimes + QStringLiteral(" f1) + (x2 ") + kTimes +
                              QStringLiteral(" f2) + ... etc."),
                          QStringLiteral("Sum  f1 + f2 + ... etc."), bb);
            text(5, 300, QStringLiteral("Mean = ") + whole(sumFx) + QStringLiteral(" / ") + QString::number(sumF) +
                             QStringLiteral(" = ") + num(mean), colour::Navy, 8, true);
        } else if (page == 2) {
            text(5, 4, QStringLiteral("Median (data is symmetrical about mean)."), colour::Navy, 8, true);
            for (int i = 0; i < 100; ++i) {
                const int col = i / 10, row = i % 10;
                const long c = (i == 49 || i == 50) ? colour::Red : colour::Black;
                printCentred(20 + col * 40, 24 + row * 14, QString::number(sorted[size_t(i)]), c, 7, 0);
            }
            boxOrLine(0, 168, 101, 0, 64, 34, colour::Red, QStringLiteral("B"));
            text(240, 110, QStringLiteral("Middle values."), colour::Red, 7);
            text(5, 172, QStringLiteral("Median = ") + num(simpleMedian(sorted)), colour::Black, 8, true);
            text(5, 196, QStringLiteral("or when some skew shows in the distribution."), colour::Navy, 8, true);
            int bb = 0;
            printFraction(5, 226, 7, QStringLiteral("Median"), colour::Black, true,
                          QStringLiteral("Mode + (2 ") + kTimes + QStringLiteral(" Mean)"), QStringLiteral("3"), bb);
            text(5, 276, QStringLiteral("Median = (") + QString::number(mode) + QStringLiteral(" + 2 ") + kTimes +
                             QStringLiteral(" ") + num(mean) + QStringLiteral(") / 3 = ") +
                             num(skewMedian(mode, mean)),
                 colour::Navy, 8, true);
        } else {
            text(5, 4, QStringLiteral("Mode."), colour::Navy, 9, true);
            text(5, 24, QStringLiteral("Value  Frequency."), colour::Black, 7, true);
            for (int x = 0; x < 10; ++x) {
                const long c = x == mode ? colour::Red : colour::Black;
                printCentred(22, 42 + x * 16, QString::number(x), c, 7, 0);
                printCentred(80, 42 + x * 16, QString::number(freq[size_t(x)]), c, 7, 0);
            }
            text(5, 210, QStringLiteral("Mode = ") + QString::number(mode), colour::Navy, 9, true);
            text(5, 230, QStringLiteral("The value that occurs most often; among equal"), colour::Black, 7);
            text(5, 244, QStringLiteral("frequencies the highest value is taken."), colour::Black, 7);
        }
    });
}

// The normal curve of mean 50 and SD 14 on the base line y = 150, 300 units
// wide; steps within sdSteps of the mean on each side filled blue, the rest
// green (sdSteps < 0: outline only, in red).
void DataAnalysis::normalCurve(double sdSteps)
{
    const double M = 50, s = 14, pi = 3.1415927;
    auto y = [&](double x) { return 3500 * std::exp(-(x - M) * (x - M) / (2 * s * s)) / std::sqrt(2 * pi * s * s); };
    for (int x = 1; x <= 50; ++x) {
        const double x0 = x - 1;
        if (sdSteps >= 0) {
            const long c = x >= 50 - (50.0 / 30) * 10 * sdSteps ? colour::Blue : colour::Green;
            for (int side = 0; side < 2; ++side) {
                const double px = side == 0 ? 228 + 3 * x0 : 528 - 3 * x;
                boxOrLine(0, px, 150 - y(x), 0, 3, y(x), c, QStringLiteral("BF"));
            }
        }
        boxOrLine(0, 228 + 3 * x0, 150 - y(x0), 0, 3, y(x0) - y(x), colour::Red, QString());
        boxOrLine(0, 528 - 3 * x0, 150 - y(x0), 0, -3, y(x0) - y(x), colour::Red, QString());
    }
    boxOrLine(0, 218, 150, 0, 320, 0, colour::Black, QString());
    for (int k = 1; k <= 3; ++k) {
        const double dx = k * 50.0 / 3;  // one SD is 50 / 3 steps of 3 units
        for (int side = -1; side <= 1; side += 2)
            boxOrLine(1, 378 + side * 3 * dx, 150, 0, 0, 6, colour::Grey, QString());
        printCentred(int(378 + 3 * dx - 25), 154, QString::number(k), colour::Black, 7, 0);
        printCentred(int(378 - 3 * dx + 25), 154, QString::number(k), colour::Black, 7, 0);
    }
}

void DataAnalysis::drawStandardDeviation()
{
    text(270, 26, QStringLiteral("Normal Distribution Curve"), colour::Navy, 9, true);
    normalCurve(-1);
    text(200, 40, QStringLiteral("Y"), colour::Black, 8);
    text(330, 168, QStringLiteral("Values of  X"), colour::Black, 8);
    Randomize();
    std::vector<double> data(12);
    for (double& v : data)
        v = roundTo(9 * Rnd() + 1, 0);
    text(10, 196, QStringLiteral("Random Data Values."), colour::Navy, 8, true);
    for (int i = 0; i < 12; ++i)
        printCentred(20 + i * 30, 214, whole(data[size_t(i)]), colour::Red, 8, 1);
    int bb = 0;
    printRootOfFraction(RootLayout::A, 10, 244, 8, QStringLiteral("Y = "), colour::Black, false, QStringLiteral("1"),
                        QStringLiteral("2 ") + kTimes + QStringLiteral(" pi ") + kTimes + QStringLiteral(" sigma") +
                            kSquared,
                        bb);
    text(180, 250, kTimes + QStringLiteral(" e  to the power  -(X - M)") + kSquared + QStringLiteral(" / 2 sigma") +
                       kSquared, colour::Black, 8);
    text(10, 290, QStringLiteral("Formula to derive the normal distribution curve."), colour::Navy, 7);
    text(10, 306, QStringLiteral("Other Symbols used"), colour::Black, 7, true);
    text(10, 320, QStringLiteral("sigma (sigma) standard deviation."), colour::Black, 7);
    text(10, 334, QStringLiteral("N number of values  :  M mean : SUM sum of values."), colour::Black, 7);
    const char* steps[] = {"1. SUM(X)  Sum values.",       "2. M = SUM(X) / N  Find mean.",
                           "3. X - M  Deviations.",        "4. (X - M)\u00B2  Square deviations.",
                           "5. SUM(X - M)\u00B2  Total.",  "6. Variance = SUM(X - M)\u00B2 / N",
                           "7. SD = square root of variance."};
    for (int i = 0; i < 7; ++i)
        text(420, 240 + i * 15, QString::fromUtf8(steps[i]), colour::Black, 7);
    const Spread s = spread(data);
    onCalcbox(this, [&] {
        text(5, 4, QStringLiteral("1. Total Values   Total = ") + whole(s.total), colour::Black, 8);
        text(5, 22, QStringLiteral("2. Find mean   ") + whole(s.total) + QStringLiteral(" / 12 = ") +
                        num(roundTo(s.mean, 2)), colour::Black, 8);
        text(5, 42, QStringLiteral("3. Deviations"), colour::Navy, 8, true);
        text(210, 42, QStringLiteral("4. Deviations") + kSquared, colour::Navy, 8, true);
        double total = 0;
        for (int i = 0; i < 12; ++i) {
            const double d = data[size_t(i)] - s.mean;
            total += d * d;
            text(15, 60 + i * 16, whole(data[size_t(i)]) + QStringLiteral(" - ") + num(roundTo(s.mean, 2)) +
                                      QStringLiteral(" = ") + num(roundTo(d, 2)), colour::Black, 7);
            text(220, 60 + i * 16, num(roundTo(d * d, 2)), colour::Black, 7);
        }
        text(5, 258, QStringLiteral("5. Totaled = ") + num(roundTo(total, 2)), colour::Black, 8);
        text(5, 278, QStringLiteral("6. Variance = ") + num(roundTo(total, 2)) + QStringLiteral(" / 12 = ") +
                         num(roundTo(s.variance, 2)), colour::Black, 8);
        text(5, 298, QStringLiteral("7. Standard Deviation = ") + num(roundTo(s.sd, 2)), colour::Red, 8, true);
    });
}

void DataAnalysis::drawPie()
{
    Randomize();
    std::vector<int> data(10);
    for (int& v : data)
        v = int(100 * Rnd() + 1);
    int total = 0;
    for (int v : data)
        total += v;
    const std::vector<int> ends = pieEnds(data);
    const double factor = total == 0 ? 0 : 360.0 / total;
    text(10, 30, QStringLiteral("Random values 1 to 100."), colour::Navy, 8, true);
    for (int k = 0; k < 10; ++k)
        printCentred(20 + k * 32, 48, QString::number(data[size_t(k)]), kSeriesColours[k], 8, 1);
    double start = 0.001;
    for (int k = 0; k < 10; ++k) {
        const double end = ends[size_t(k)];
        if (end > start)
            circle(-7, 180, 220, 110, kSeriesColours[k], start * 0.017453292, end * 0.017453292);
        start = std::max(end, 0.001);
    }
    text(380, 30, QStringLiteral("Total values = ") + QString::number(total), colour::Black, 8);
    text(380, 48, QStringLiteral("Slice factor = ") + FormatNumber(float(factor)), colour::Black, 8);
    text(380, 74, QStringLiteral("Individual slice angles "), colour::Navy, 8, true);
    double from = 0;
    for (int k = 0; k < 10; ++k) {
        text(390, 94 + k * 18, QString::number(data[size_t(k)]) + QStringLiteral(" ") + kTimes +
                                   QStringLiteral(" ") + FormatNumber(float(factor)) + QStringLiteral(" = ") +
                                   QString::number(ends[size_t(k)] - int(from)) + QStringLiteral("\u00B0  (to ") +
                                   QString::number(ends[size_t(k)]) + QStringLiteral("\u00B0)"),
             kSeriesColours[k], 8);
        from = ends[size_t(k)];
    }
    onCalcbox(this, [&] {
        int bb = 0;
        printFraction(5, 20, 8, QStringLiteral("Slice factor"), colour::Black, true, QStringLiteral("360"),
                      QStringLiteral("Total of all values"), bb);
        text(5, 80, QStringLiteral("= 360 / ") + QString::number(total) + QStringLiteral(" = ") +
                        FormatNumber(float(factor)), colour::Navy, 8, true);
        text(5, 120, QStringLiteral("Individual slice angle  = slice value ") + kTimes + QStringLiteral(" slice factor"),
             colour::Black, 8);
        text(5, 150, QStringLiteral("The last slice ends at 360\u00B0 so the circle closes."), colour::Black, 7);
    });
}

void DataAnalysis::drawTree()
{
    const char* columns[] = {"1st Coin.", "2nd Coin.", "3rd Coin."};
    const int n = std::clamp(coins, 1, 3);
    for (int c = 0; c < n; ++c)
        text(110 + c * 130, 30, QLatin1String(columns[c]), colour::Navy, 8, true);
    // Leaves of level L sit at equal spacing; each node joins its two children.
    const double top = 60, height = 280;
    for (int level = 1; level <= n; ++level) {
        const int nodes = 1 << level;
        for (int i = 0; i < nodes; ++i) {
            const double y = top + (i + 0.5) * height / nodes;
            const double parentY = level == 1 ? top + height / 2 : top + ((i / 2) + 0.5) * height / (nodes / 2);
            const double x = 120 + (level - 1) * 130, px = level == 1 ? 40 : x - 110;
            bool onPath = true;
            for (int l = 0; l < level; ++l)
                onPath = onPath && ((i >> (level - 1 - l)) & 1) == (toss[size_t(l)] == 1 ? 0 : 1);
            boxOrLine(onPath ? 12 : 0, px + 20, parentY, 0, x - px - 24, y - parentY,
                      onPath ? colour::Red : colour::Grey, QString());
            const bool head = (i & 1) == 0;
            text(x, y - 7, head ? QStringLiteral("H") : QStringLiteral("T"), head ? colour::Navy : colour::Maroon, 9,
                 true);
        }
    }
    text(20, top + height / 2 - 7, QStringLiteral("Toss"), colour::Black, 8);
    // The outcomes at the leaves.
    const int leaves = 1 << n;
    for (int i = 0; i < leaves; ++i) {
        QString s;
        for (int l = n - 1; l >= 0; --l)
            s += QString((i >> l) & 1 ? QStringLiteral("T") : QStringLiteral("H")) + (l ? QStringLiteral(" ") : QString());
        text(180 + (n - 1) * 130, top + (i + 0.5) * height / leaves - 7, s, colour::Black, 8);
    }
    text(470, 40, QStringLiteral("Combinations = ") + QString::number(leaves), colour::Red, 9, true);
    QString result;
    for (int l = 0; l < n; ++l)
        result += toss[size_t(l)] == 1 ? QStringLiteral("H ") : QStringLiteral("T ");
    text(470, 64, QStringLiteral("Toss result: ") + result.trimmed(), colour::Navy, 9, true);
    text(420, 300, QStringLiteral("The probability of tossing one, two or three"), colour::Black, 7);
    text(420, 314, QStringLiteral("heads is 0.5, 0.25 and 0.125."), colour::Black, 7);
    onCalcbox(this, [&] {
        text(5, 10, QStringLiteral("One Head, with three coins = .125 + .125 + .125 = .375"), colour::Black, 7);
        text(5, 30, QStringLiteral("Two Heads, with three coins = .25 + .25 = .5"), colour::Black, 7);
        text(5, 50, QStringLiteral("Three Heads, with three coins = .5 ") + kTimes + QStringLiteral(" .5 ") + kTimes +
                        QStringLiteral(" .5 = .125"), colour::Black, 7);
    });
}

void DataAnalysis::drawAddition()
{
    if (balls[0] == 0)
        for (int& b : balls)
            b = int(3 * Rnd()) + 1;
    int red = 0;
    const double cx = 200, cy = 200, R = 120;
    for (int i = 0; i < 8; ++i) {
        const double a = i * 45 * 0.017453292;
        const long c = balls[size_t(i)] == 2 ? colour::Red : (balls[size_t(i)] == 3 ? colour::Lime : colour::Navy);
        red += balls[size_t(i)] == 2;
        circle(-3, cx + R * std::cos(a), cy - R * std::sin(a), 18, c);
    }
    if (pointer >= 0) {
        const double a = pointer * 45 * 0.017453292;
        boxOrLine(12, cx, cy, 0, 0.7 * R * std::cos(a), -0.7 * R * std::sin(a), colour::Black, QString());
        largeDot(cx, cy, colour::Black);
        text(cx - 20, cy + 20, balls[size_t(pointer)] == 2 ? QStringLiteral("Hit.") : QStringLiteral("Miss."),
             colour::Red, 10, true);
    }
    QString sum;
    for (int i = 0; i < red; ++i)
        sum += (i ? QStringLiteral(" + ") : QString()) + QStringLiteral("1/8");
    text(380, 40, QStringLiteral("Probability of selecting a red ball"), colour::Navy, 8, true);
    text(380, 60, (red ? sum : QStringLiteral("0")) + QStringLiteral(" ... N(red balls)"), colour::Black, 8);
    text(380, 80, QStringLiteral("Probability is ") + QString::number(red) + QStringLiteral("/8 = ") +
                      num(red / 8.0), colour::Red, 9, true);
    text(380, 104, QStringLiteral("Probability increases with the number of opportunities"), colour::Black, 6);
    text(380, 150, QStringLiteral("Actual Score ") + QString::number(hits) + QStringLiteral(" / ") +
                       QString::number(tries), colour::Navy, 9, true);
    text(380, 170, QStringLiteral("Note the score and average over a number of tries."), colour::Black, 6);
}

void DataAnalysis::drawMultiplication()
{
    const int n = std::clamp(numberDice, 1, 6);
    const int v = int(diceValue);
    for (int i = 0; i < n; ++i) {
        const double x = 20 + i * 80, y = 40;
        boxOrLine(0, x, y, 0, 60, 60, colour::White, QStringLiteral("BFS"));
        boxOrLine(0, x, y, 0, 60, 60, colour::Black, QStringLiteral("B"));
        const int face = dice[size_t(i)];
        static const int spots[7][7][2] = {{},
                                           {{1, 1}},
                                           {{0, 0}, {2, 2}},
                                           {{0, 0}, {1, 1}, {2, 2}},
                                           {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
                                           {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
                                           {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}}};
        for (int k = 0; k < face && face <= 6; ++k)
            circle(-2, x + 14 + 16 * spots[face][k][0], y + 14 + 16 * spots[face][k][1], 5,
                   face == v ? colour::Red : colour::Black);
    }
    text(20, 120, QStringLiteral("Calculate the probability of ") + QString::number(n) + QStringLiteral(", ") +
                      QString::number(v) + QStringLiteral("'s. or any other single number."), colour::Navy, 9, true);
    text(20, 150, QStringLiteral("Throws = ") + QString::number(throws), colour::Black, 9);
    text(200, 150, QStringLiteral("Success = ") + QString::number(successes), colour::Red, 9);
    text(20, 176, QStringLiteral("Probability = (1/6)^") + QString::number(n) + QStringLiteral(" = ") +
                      QString::number(std::pow(1.0 / 6, n), 'g', 6), colour::Black, 9);
    text(20, 200, QStringLiteral("Actual = ") + QString::number(throws ? double(successes) / throws : 0, 'g', 6),
         colour::Black, 9);
    text(20, 240, QStringLiteral("Probability of any number on a single dice throw is 1 ") + kDivide +
                      QStringLiteral(" 6"), colour::Black, 8);
    int bb = 0;
    text(20, 270, QStringLiteral("Of the same selected number on all six dice = "), colour::Black, 8);
    printFraction(360, 262, 8, QString(), colour::Black, false, QStringLiteral("1"), QStringLiteral("6"), bb);
    text(382, 260, QStringLiteral("6"), colour::Black, 6);
    text(400, 270, QStringLiteral("= 1 / 46656 = 2.14337E-05"), colour::Black, 8);
    text(20, 310, QStringLiteral("Probability range.  0 can never occur to 1 certainty."), colour::Navy, 8);
}

void DataAnalysis::drawQuartiles()
{
    if (quartileCount_ != 48)
        newQuartileData();
    std::vector<int> data(values.begin() + 1, values.begin() + 49);
    if (arranged)
        std::sort(data.begin(), data.end(), std::greater<int>());
    text(10, 26, arranged ? QStringLiteral("Data sorted into descending order.")
                          : QStringLiteral("Random data values. Range ") + whole(minRange) + QStringLiteral(" to ") +
                                whole(maxRange) + QStringLiteral("."),
         colour::Navy, 9, true);
    const long quarterColours[] = {colour::Red, colour::Blue, colour::Green, colour::Purple};
    for (int i = 0; i < 48; ++i) {
        const int row = i / 16, col = i % 16;
        const long c = arranged ? quarterColours[i / 12] : colour::Black;
        printCentred(30 + col * 42, 60 + row * 30, QString::number(data[size_t(i)]), c, 8, arranged ? 1 : 0);
    }
    if (arranged) {
        text(10, 150, QStringLiteral("Largest value."), colour::Red, 7);
        text(590, 150, QStringLiteral("Smallest value."), colour::Purple, 7);
        const char* names[] = {"Upper quartile.", "Upper middle quartile.", "Lower middle quartile.",
                               "Lower quartile."};
        for (int q = 0; q < 4; ++q)
            text(10 + q * 175, 180, QLatin1String(names[q]), quarterColours[q], 8, true);
    }
    const char* steps[] = {"1. Determine range of statistical values.", "2. Arrange values in order of size.",
                           "3. Divide into four equal groups.", "4. Position quartile divisions from lower number end."};
    for (int i = 0; i < 4; ++i)
        text(10, 230 + i * 18, QLatin1String(steps[i]), colour::Black, 8);
    std::vector<int> sorted(data);
    std::sort(sorted.begin(), sorted.end(), std::greater<int>());
    onCalcbox(this, [&] {
        const char* names[] = {"Upper inter-quartile range ", "Upper middle inter-quartile range ",
                               "Lower middle inter-quartile range ", "Lower inter-quartile range "};
        for (int q = 0; q < 4; ++q)
            text(5, 10 + q * 22, QLatin1String(names[q]) + QString::number(sorted[size_t(q * 12)]) +
                                     QStringLiteral(" to ") + QString::number(sorted[size_t(q * 12 + 11)]),
                 quarterColours[q], 8);
    });
}

void DataAnalysis::drawCumulative()
{
    if (cumulativeCount_ != 1000)
        newCumulativeData();
    const int R = int(maxRange);
    text(10, 24, QStringLiteral("Total of 1000 random values between 0 and ") + QString::number(R), colour::Navy, 8,
         true);
    text(10, 42, QStringLiteral("Statistical Values"), colour::Black, 7, true);
    for (int i = 0; i < 40; ++i)  // every 25th sorted value
        printCentred(22 + (i % 10) * 30, 58 + (i / 10) * 13, QString::number(values[size_t(1 + i * 25)]),
                     colour::Black, 6, 0);
    // Ten equal class intervals over 0 to R.
    const double width = (R + 1) / 10.0;
    std::array<int, 10> f{};
    for (int i = 1; i <= 1000; ++i)
        f[size_t(std::clamp(int(values[size_t(i)] / width), 0, 9))] += 1;
    text(10, 116, QStringLiteral("Class Interval.   Frequency.   Cumulative Frequency."), colour::Navy, 7, true);
    int cum = 0;
    std::array<int, 10> cumulative{};
    for (int k = 0; k < 10; ++k) {
        const int lo = int(std::ceil(k * width)), hi = int(std::ceil((k + 1) * width)) - 1;
        const int y = 132 + k * 14;
        text(10, y, QString::number(lo) + QStringLiteral("  to ") + QString::number(hi), colour::Black, 7);
        printCentred(130, y, QString::number(f[size_t(k)]), colour::Black, 7, 0);
        text(170, y, QString::number(cum) + QStringLiteral(" + ") + QString::number(f[size_t(k)]) +
                         QStringLiteral(" = ") + QString::number(cum + f[size_t(k)]), colour::Black, 7);
        cum += f[size_t(k)];
        cumulative[size_t(k)] = cum;
    }
    // The cumulative polygon: 0 to 1000 over 250 units.
    const double ox = 400, oy = 300, w = 280, h = 250;
    text(400, 24, QStringLiteral("Cumulative Frequency Polygon."), colour::Navy, 8, true);
    boxOrLine(0, ox, oy - h, 0, 0, h, colour::Black, QString());
    boxOrLine(0, ox, oy, 0, w, 0, colour::Black, QString());
    text(ox - 14, oy - 6, QStringLiteral("0"), colour::Black, 6);
    text(ox - 24, oy - h - 6, QStringLiteral("999"), colour::Black, 6);
    double px = ox, py = oy;
    for (int k = 0; k < 10; ++k) {
        const double x = ox + (k + 1) * w / 10, y = oy - cumulative[size_t(k)] * h / 1000;
        boxOrLine(0, px, py, 0, x - px, y - py, colour::Red, QString());
        dot(x, y, colour::Red);
        px = x;
        py = y;
    }
    // The box plot from the five sorted positions.
    const int pos[] = {1, 250, 500, 750, 1000};
    const char* names[] = {"Lowest value", "Lower Quartile", "Median", "Upper Quartile", "Highest value"};
    const double bx = 10, by = 300, bw = 340;
    auto at = [&](int p) { return bx + bw * values[size_t(p)] / std::max(1, R); };
    text(10, 284, QStringLiteral("Box Plot diagram"), colour::Navy, 8, true);
    boxOrLine(0, at(1), by + 20, 0, at(250) - at(1), 0, colour::Black, QString());
    boxOrLine(0, at(250), by + 8, 0, at(750) - at(250), 24, colour::Cyan, QStringLiteral("BF"));
    boxOrLine(0, at(250), by + 8, 0, at(750) - at(250), 24, colour::Black, QStringLiteral("B"));
    boxOrLine(12, at(500), by + 8, 0, 0, 24, colour::Red, QString());
    boxOrLine(0, at(750), by + 20, 0, at(1000) - at(750), 0, colour::Black, QString());
    onCalcbox(this, [&] {
        for (int i = 0; i < 5; ++i)
            text(5, 10 + i * 20, QLatin1String(names[i]) + QStringLiteral(" (position ") + QString::number(pos[i]) +
                                     QStringLiteral(") = ") + QString::number(values[size_t(pos[i])]),
                 colour::Black, 8);
    });
}

void DataAnalysis::drawEven()
{
    if (evenCount_ != 20)
        newEvenData();
    const double L = lowerValue, U = upperValue;
    text(10, 26, QStringLiteral("20 Random Data Values"), colour::Navy, 9, true);
    text(10, 46, QStringLiteral("Lower Value = ") + num(L) + QStringLiteral("    Upper Value = ") + num(U),
         colour::Black, 8);
    text(10, 66, rounded ? QStringLiteral("Rounded Values") : QStringLiteral("Actual Values"), colour::Red, 8, true);
    for (int i = 1; i <= 20; ++i) {
        const double r = raw[size_t(i)];
        const double v = rounded ? std::floor((U + 1 - L) * r + L) : (U - L) * r + L;
        const int col = (i - 1) / 10, row = (i - 1) % 10;
        text(20 + col * 340, 90 + row * 20, QString::number(r, 'f', 4) + QStringLiteral("  ->  ") +
                                                (rounded ? whole(v) : num(v)),
             colour::Black, 8);
    }
    if (rounded) {
        text(10, 310, QStringLiteral("(upper value + 1 - lower value) ") + kTimes + QStringLiteral(" RND + lower value = n"),
             colour::Navy, 8);
        text(10, 330, QStringLiteral("Includes both end points for rounded down values."), colour::Black, 8);
    } else {
        text(10, 310, QStringLiteral("(upper value - lower value) ") + kTimes + QStringLiteral(" RND + lower value = n"),
             colour::Navy, 8);
    }
}

void DataAnalysis::drawSampling()
{
    const int N = std::clamp(int(numberValues), 5, 24);
    Randomize();
    std::vector<double> sold(static_cast<size_t>(N));
    for (double& s : sold)
        s = nearestEven(10 * Rnd() + 1);
    text(10, 190, QStringLiteral("Sales at each shop."), colour::Navy, 8, true);
    text(10, 208, QStringLiteral("Shop No."), colour::Black, 7, true);
    text(10, 222, QStringLiteral("sold"), colour::Black, 7, true);
    const int shown = std::min(N, 12);
    for (int i = 0; i < shown; ++i) {
        printCentred(80 + i * 30, 208, QString::number(i + 1), colour::Black, 7, 0);
        printCentred(80 + i * 30, 222, whole(sold[size_t(i)]), colour::Red, 7, 0);
    }
    if (N > shown)
        text(440, 222, QStringLiteral("more ..."), colour::Black, 7);
    const Spread s = spread(sold);
    const double P = s.sd == 0 ? 31 : FormatNumber(float(tolerance * std::sqrt(double(N)) / s.sd)).toDouble();
    const double k = std::floor(10 * P);
    const double T = k <= 30 ? normalTail(int(k)) : 0;
    const double prob = samplingProbability(P);
    normalCurve(P);
    text(210, 40, QStringLiteral("N"), colour::Black, 8);
    text(560, 140, QStringLiteral("P"), colour::Black, 8);
    text(10, 246, QStringLiteral("average sales = ") + num(s.mean), colour::Black, 8);
    text(10, 264, QStringLiteral("Standard Deviation of sample = ") + num(s.sd), colour::Black, 8);
    text(10, 282, QStringLiteral("Probability (fractional area under curve) = ") + num(P), colour::Black, 8);
    text(10, 300, QStringLiteral("Using table data for 'P' = 2 ") + kTimes + QStringLiteral(" (0.5 - ") +
                      QString::number(T) + QStringLiteral(") ") + kTimes + QStringLiteral(" 100 = ") + num(prob),
         colour::Navy, 8);
    text(10, 322, QStringLiteral("Probability of sample same as population. = ") + num(prob) + QStringLiteral("%"),
         colour::Red, 9, true);
    onCalcbox(this, [&] {
        text(5, 10, QStringLiteral("P = tolerance ") + kTimes + QStringLiteral(" square root of N / SD"), colour::Black,
             8);
        text(5, 30, QStringLiteral("P = ") + num(tolerance) + QStringLiteral(" ") + kTimes + QStringLiteral(" ") +
                        num(std::sqrt(double(N))) + QStringLiteral(" / ") + num(s.sd) + QStringLiteral(" = ") + num(P),
             colour::Navy, 8);
    });
}

void DataAnalysis::drawCorrelation()
{
    const int N = std::clamp(int(numberValues), 5, 24);
    const char* heads[] = {"Variable Pair", "X", "Y"};
    for (int i = 0; i < 3; ++i)
        text(10 + i * 70, 26, QLatin1String(heads[i]), colour::Navy, 7, true);
    text(220, 26, QStringLiteral("X ") + kTimes + QStringLiteral(" Y"), colour::Navy, 7, true);
    text(280, 26, QStringLiteral("X") + kSquared, colour::Navy, 7, true);
    text(330, 26, QStringLiteral("Y") + kSquared, colour::Navy, 7, true);
    text(380, 26, QStringLiteral("X + Y"), colour::Navy, 7, true);
    text(440, 26, QStringLiteral("(X + Y)") + kSquared, colour::Navy, 7, true);
    double sx = 0, sy = 0, sxy = 0, sxx = 0, syy = 0, ss = 0, sss = 0;
    for (int i = 1; i <= N; ++i) {
        const double x = X[size_t(i)], y = Y[size_t(i)];
        sx += x, sy += y, sxy += x * y, sxx += x * x, syy += y * y, ss += x + y, sss += (x + y) * (x + y);
        if (i <= 10) {
            const int row = 42 + (i - 1) * 14;
            const double cells[] = {x, y, x * y, x * x, y * y, x + y, (x + y) * (x + y)};
            printCentred(40, row, QString::number(i), colour::Black, 7, 0);
            const int xs[] = {80, 150, 235, 290, 340, 395, 465};
            for (int c = 0; c < 7; ++c)
                printCentred(xs[c], row, num(cells[c]), colour::Black, 7, 0);
        }
    }
    if (N > 10)
        text(10, 42 + 10 * 14, QStringLiteral("more ..."), colour::Black, 7);
    const double r = correlation(std::vector<double>(X.begin() + 1, X.end()),
                                 std::vector<double>(Y.begin() + 1, Y.end()), N);
    text(10, 210, QStringLiteral("r = ") + QString::number(roundTo(r, 4)), colour::Red, 10, true);
    text(10, 232, QStringLiteral("r is the correlation coefficient"), colour::Black, 7);
    text(10, 246, QStringLiteral("when r = 1 there is a linear relationship,"), colour::Black, 7);
    text(10, 260, QStringLiteral("and where r = 0 the values are random."), colour::Black, 7);
    text(10, 282, QStringLiteral("To best see 'X,Y' relationships make N = 5 "), colour::Navy, 7);
    text(10, 304, QStringLiteral("Check.  ") + num(sx) + QStringLiteral(" + ") + num(sy) + QStringLiteral(" = ") +
                      num(ss), colour::Black, 7);
    text(10, 320, num(sxx) + QStringLiteral(" + ") + num(syy) + QStringLiteral(" + 2 ") + kTimes +
                      QStringLiteral(" ") + num(sxy) + QStringLiteral(" = ") + num(sss), colour::Black, 7);
    if (scatter) {
        const double ox = 520, oy = 380;
        boxOrLine(0, ox, oy - 180, 0, 0, 180, colour::Black, QString());
        boxOrLine(0, ox, oy, 0, 175, 0, colour::Black, QString());
        text(ox + 160, oy - 14, QStringLiteral("X"), colour::Black, 7);
        text(ox - 12, oy - 184, QStringLiteral("Y"), colour::Black, 7);
        for (int i = 1; i <= N; ++i)
            largeDot(ox + X[size_t(i)] * 5, oy - Y[size_t(i)] * 5, colour::Red);
    }
    onCalcbox(this, [&] {
        text(5, 10, QStringLiteral("r = (N SUM(X") + kTimes + QStringLiteral("Y) - SUM(X) SUM(Y)) /"), colour::Black, 8);
        text(5, 26, QStringLiteral("sqrt((N SUM(X") + kSquared + QStringLiteral(") - SUM(X)") + kSquared +
                        QStringLiteral(") (N SUM(Y") + kSquared + QStringLiteral(") - SUM(Y)") + kSquared +
                        QStringLiteral("))"), colour::Black, 8);
        text(5, 50, QStringLiteral("N = ") + QString::number(N) + QStringLiteral("  SUM(X) = ") + num(sx) +
                        QStringLiteral("  SUM(Y) = ") + num(sy), colour::Navy, 8);
        text(5, 68, QStringLiteral("r = ") + QString::number(roundTo(r, 4)), colour::Red, 9, true);
    });
}

// The chart procedure runs when the data or its settings change; a plain
// redraw puts the same chart back on the clipboard and makes it current again.
void DataAnalysis::showChartOnce(const ChartTable& table, const std::vector<int>& codes, int rows, int series,
                                 const QString& xTitle, const QString& yTitle)
{
    QClipboard* clipboard = QApplication::clipboard();
    if (!chartCurrent_ || chartImage_.isNull()) {
        ShowChart(*MSChart1, table, codes, rows, series, xTitle, yTitle);
        chartImage_ = clipboard->image();
        chartCurrent_ = true;
    } else {
        clipboard->setImage(chartImage_);
        setCurrentChart(MSChart1->state());
    }
}

void DataAnalysis::drawMovingAverage()
{
    const int W = int(weeks), P = std::clamp(int(points), 1, std::max(1, W));
    if (seriesFor_ != 11 || int(series_.size()) != W + 1) {
        Randomize();
        series_.assign(size_t(W + 1), 0);
        for (int k = 0; k <= W; ++k)
            series_[size_t(k)] = roundTo(25 * Rnd() + double(k) / W, 2);
        pick_ = int(nearestEven((W - P) * Rnd() + P));
        seriesFor_ = 11;
        chartCurrent_ = false;
    }
    const std::vector<double>& data = series_;
    const std::vector<double> avg = movingAverages(data, P);
    const char* heads[] = {"Week", "Data", "Sum", "Moving"};
    for (int i = 0; i < 4; ++i)
        text(10 + i * 60, 26, QLatin1String(heads[i]), colour::Navy, 7, true);
    text(190, 38, QStringLiteral("average"), colour::Navy, 7, true);
    const int rows = std::min(W + 1, 24);
    for (int k = 0; k < rows; ++k) {
        const int y = 52 + k * 14;
        printCentred(24, y, QString::number(k), colour::Black, 7, 0);
        printCentred(84, y, num(data[size_t(k)]), colour::Black, 7, 0);
        const int g = k - P / 2;  // the group whose middle is week k
        if (g >= 0 && g < int(avg.size())) {
            printCentred(144, y, num(roundTo(avg[size_t(g)] * P, 2)), colour::Black, 7, 0);
            printCentred(210, y, num(roundTo(avg[size_t(g)], 2)), colour::Red, 7, 0);
        }
    }
    if (W + 1 > rows)
        text(10, 52 + rows * 14, QStringLiteral("more ..."), colour::Black, 7);
    const int n = std::clamp(pick_, P, W);
    text(300, 40, QStringLiteral("Example."), colour::Navy, 8, true);
    if (n >= P && n <= W) {
        double prev = 0, next = 0;
        for (int k = n - P; k < n; ++k)
            prev += data[size_t(k)];
        next = prev - data[size_t(n - P)] + data[size_t(n)];
        text(300, 58, QStringLiteral("Sum for week ") + QString::number(n) + QStringLiteral(" = ") + num(prev) +
                          QStringLiteral(" - Data wk. ") + QString::number(n - P), colour::Black, 7);
        text(300, 72, QStringLiteral("+ (Data wk. ") + QString::number(n) + QStringLiteral(") = ") + num(next),
             colour::Black, 7);
        text(300, 86, QStringLiteral("Average = ") + num(next) + QStringLiteral(" / ") + QString::number(P) +
                          QStringLiteral(" = ") + num(next / P), colour::Red, 7);
    }
    text(300, 120, QStringLiteral("Show the graph for the weekly data and its moving average."), colour::Black, 7);
    ChartTable table;
    table.resize(W + 1, 2);
    table.seriesNames = {QStringLiteral("Weekly data"), QStringLiteral("Moving average")};
    for (int k = 0; k <= W; ++k) {
        table.labels[size_t(k)] = QString::number(k);
        table.values[size_t(k)][0] = data[size_t(k)];
        const int g = k - P / 2;
        if (g >= 0 && g < int(avg.size()))
            table.values[size_t(k)][1] = avg[size_t(g)];
    }
    showChartOnce(table, {9, 12}, W + 1, 2, QStringLiteral("Weeks"), QStringLiteral("Data"));
    onCalcbox(this, [&] {
        text(5, 10, QStringLiteral("Moving average = Sum of ") + QString::number(P) + QStringLiteral(" points / ") +
                        QString::number(P), colour::Black, 8);
        text(5, 30, QStringLiteral("Each average is written opposite the middle of its group."), colour::Black, 7);
    });
}

void DataAnalysis::drawSeasonality()
{
    const int Q = std::clamp(int(quarters), 4, 16);
    if (seriesFor_ != 12 || int(series_.size()) != Q) {
        Randomize();
        series_.assign(size_t(Q), 0);
        for (int k = 0; k < Q; ++k)
            series_[size_t(k)] = roundTo((k % 4 + 1) * Rnd(), 2);
        pick_ = int(Rnd() * Q);
        seriesFor_ = 12;
        chartCurrent_ = false;
    }
    std::vector<double> x(static_cast<size_t>(Q));
    for (int k = 0; k < Q; ++k)
        x[size_t(k)] = k + 1;
    const std::vector<double>& y = series_;
    const Line t = trendLine(x, y);
    const char* heads[] = {"Year", "Qtr.", "Data 'Y'", "Quarters 'X'", "", "", "Trend 't'", "Deviations 'Y - t'"};
    const int xs[] = {10, 70, 110, 170, 250, 300, 360, 430};
    for (int i = 0; i < 8; ++i)
        text(xs[i], 26, QLatin1String(heads[i]), colour::Navy, 7, true);
    text(xs[4], 26, QStringLiteral("X ") + kTimes + QStringLiteral(" Y"), colour::Navy, 7, true);
    text(xs[5], 26, QStringLiteral("X") + kSquared, colour::Navy, 7, true);
    std::array<double, 4> devSum{};
    std::array<int, 4> devCount{};
    ChartTable table;
    table.resize(Q, 3);
    table.seriesNames = {QStringLiteral("Data"), QStringLiteral("Trend line"), QStringLiteral("Deviations")};
    for (int k = 0; k < Q; ++k) {
        const double tk = t.m * x[size_t(k)] + t.c, dev = y[size_t(k)] - tk;
        devSum[size_t(k % 4)] += dev;
        devCount[size_t(k % 4)] += 1;
        const int row = 42 + k * 14;
        if (k % 4 == 0)
            text(10, row, QStringLiteral("Year ") + QString::number(2000 + k / 4) + QStringLiteral(", Qrt."),
                 colour::Black, 7);
        printCentred(80, row, QString::number(k % 4 + 1), colour::Black, 7, 0);
        printCentred(130, row, num(y[size_t(k)]), colour::Black, 7, 0);
        printCentred(200, row, QString::number(k + 1), colour::Black, 7, 0);
        printCentred(270, row, num(x[size_t(k)] * y[size_t(k)]), colour::Black, 7, 0);
        printCentred(312, row, QString::number(int(x[size_t(k)] * x[size_t(k)])), colour::Black, 7, 0);
        printCentred(385, row, num(tk), colour::Black, 7, 0);
        printCentred(470, row, num(dev), colour::Red, 7, 0);
        table.labels[size_t(k)] = QString::number(k + 1);
        table.values[size_t(k)] = {y[size_t(k)], tk, dev};
    }
    const int below = 42 + Q * 14 + 10;
    text(10, below, QStringLiteral("Trend line 't' = mx + c   m = ") + QString::number(roundTo(t.m, 4)) +
                        QStringLiteral("   c = ") + QString::number(roundTo(t.c, 4)), colour::Navy, 8, true);
    QString avgs = QStringLiteral("Qrt. Avg. ");
    for (int q = 0; q < 4; ++q)
        avgs += QStringLiteral("  Q") + QString::number(q + 1) + QStringLiteral(" = ") +
                num(devCount[size_t(q)] ? devSum[size_t(q)] / devCount[size_t(q)] : 0);
    text(10, below + 18, avgs + QStringLiteral("  (seasonal correction factors)"), colour::Black, 7);
    text(10, below + 34, QStringLiteral("Deviations 'Y - t' are the quarterly correction factors."), colour::Black, 7);
    showChartOnce(table, {9, 12, 2}, Q, 3, QStringLiteral("Quarters"), QStringLiteral("Data"));
    onCalcbox(this, [&] {
        text(5, 10, QStringLiteral("m = (N SUM(X") + kTimes + QStringLiteral("Y) - SUM(X) SUM(Y)) / (N SUM(X") +
                        kSquared + QStringLiteral(") - SUM(X)") + kSquared + QStringLiteral(")"), colour::Black, 7);
        text(5, 28, QStringLiteral("c = (SUM(Y) - m SUM(X)) / N"), colour::Black, 7);
        const int k = std::clamp(pick_, 0, Q - 1);
        text(5, 54, QStringLiteral("Example.  Quarter ") + QString::number(k + 1) + QStringLiteral(": t = ") +
                        QString::number(roundTo(t.m, 4)) + QStringLiteral(" ") + kTimes + QStringLiteral(" ") +
                        QString::number(k + 1) + QStringLiteral(" + ") + QString::number(roundTo(t.c, 4)) +
                        QStringLiteral(" = ") + num(t.m * (k + 1) + t.c), colour::Navy, 7);
    });
}

namespace {
RegisterForm<DataAnalysis> reg(QStringLiteral("DataAnalysis"));
}

}  // namespace orr
