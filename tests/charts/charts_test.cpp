// Charts and statistics: the chart procedure's settings, the statistics
// formulas, the statistics editor's rules and the graph editor's evaluation.
#include <QLineEdit>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include "platform/rng.h"
#include "shell/chart_procedure.h"
#include "suite_fixture.h"
#include "tools/graph_editor.h"
#include "tools/stats_editor_model.h"
#include "topics/stats/data_analysis_model.h"

namespace orr {
namespace {

TEST(ChartProcedure, SettingsForRowsAndColourCodes)
{
    struct Case {
        int rows, spacing;
    } cases[] = {{1, 1}, {11, 1}, {20, 1}, {21, 2}, {200, 20}, {359, 35}, {360, 90}, {361, 36}, {7200, 720}};
    for (const Case& c : cases)
        EXPECT_EQ(chartLabelSpacing(c.rows), c.spacing) << c.rows;

    struct Colour {
        int code;
        QColor colour;
    } colours[] = {{0, QColor(0, 0, 0)},       {1, QColor(5, 13, 168)},  {4, QColor(137, 3, 17)},
                   {9, QColor(38, 53, 242)},   {12, QColor(255, 0, 0)},  {15, QColor(255, 255, 255)},
                   {7, QColor()},              {10, QColor()}};
    for (const Colour& c : colours)
        EXPECT_EQ(chartColourForCode(c.code), c.colour) << c.code;

    // The procedure leaves the chart with scaling off, labels and ticks at the spacing, and
    // the chart as the current one; an unlisted code leaves the pen as it was.
    test::mainWindow();
    ChartControl chart;
    ChartTable table;
    table.resize(360, 2);
    for (int r = 0; r < 360; ++r)
        table.values[size_t(r)][0] = r;
    ShowChart(chart, table, {12, 7}, 360, 2, QStringLiteral("Range"), QStringLiteral("y"));
    const ChartState& s = currentChart();
    EXPECT_FALSE(s.autoScale);
    EXPECT_EQ(s.divisionsPerLabel, 90);
    EXPECT_EQ(s.divisionsPerTick, 90);
    EXPECT_EQ(s.series[0].pen, QColor(255, 0, 0));
    EXPECT_FALSE(s.series[1].pen.isValid());
    EXPECT_EQ(s.seriesWithData(), 1);
    EXPECT_EQ(s.xTitle, QStringLiteral("Range"));
}

TEST(ChartControl, StatisticLines)
{
    const std::vector<std::optional<double>> v = {1.0, 3.0, std::nullopt, 7.0, 9.0};
    struct Case {
        int flags;
        std::vector<std::pair<double, double>> lines;
    } cases[] = {
        {StatNone, {}},
        {StatMinimum, {{1, 1}}},
        {StatMaximum, {{9, 9}}},
        {StatMean, {{5, 5}}},
        {StatStdDev, {{5 + std::sqrt(10.0), 5 + std::sqrt(10.0)}, {5 - std::sqrt(10.0), 5 - std::sqrt(10.0)}}},
        {StatTrend, {{1, 9}}},  // the points lie on y = 2 x + 1 over rows 0, 1, 3, 4
    };
    for (const Case& c : cases) {
        const auto lines = statisticLines(v, c.flags);
        ASSERT_EQ(lines.size(), c.lines.size()) << c.flags;
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_NEAR(lines[i].y0, c.lines[i].first, 1e-9) << c.flags;
            EXPECT_NEAR(lines[i].y1, c.lines[i].second, 1e-9) << c.flags;
        }
    }
    EXPECT_TRUE(statisticLines({std::nullopt}, StatMean).empty());
}

TEST(DataAnalysisModel, FrequencyMeanModeMedian)
{
    using namespace stats;
    struct Case {
        std::array<int, 10> f;
        int mode;
        double mean;
    } cases[] = {
        {{0, 0, 0, 5, 0, 0, 0, 5, 0, 0}, 7, 5.0},          // a tie reports the highest value
        {{10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 9, 4.5},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 9, 0.0},           // zero total counts as 1
        {{1, 9, 0, 0, 0, 0, 0, 0, 0, 0}, 1, 0.9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(frequencyMode(c.f), c.mode);
        EXPECT_DOUBLE_EQ(frequencyMean(c.f), c.mean);
    }
    std::vector<int> data(100);
    for (int i = 0; i < 100; ++i)
        data[size_t(i)] = i % 10;
    const auto f = frequencies(data);
    int total = 0;
    for (int v : f)
        total += v;
    EXPECT_EQ(total, 100);
    std::sort(data.begin(), data.end());
    EXPECT_DOUBLE_EQ(simpleMedian(data), 4.5);
    EXPECT_DOUBLE_EQ(skewMedian(7, 4.5), 16.0 / 3);
    EXPECT_EQ(nearestEven(2.5), 2);
    EXPECT_EQ(nearestEven(3.5), 4);
    EXPECT_DOUBLE_EQ(roundTo(1.005, 2), 1.0);  // 1.005 is stored just below, rounds down
}

TEST(DataAnalysisModel, SpreadPieSamplingCorrelationTrend)
{
    using namespace stats;
    EXPECT_DOUBLE_EQ(spread(std::vector<double>(12, 6.0)).sd, 0);
    const Spread s = spread({2, 4, 4, 4, 5, 5, 7, 9});
    EXPECT_DOUBLE_EQ(s.variance, 4);  // divides by N
    EXPECT_DOUBLE_EQ(s.sd, 2);

    for (const auto& values : std::vector<std::vector<int>>{{1, 1, 1}, {33, 33, 34}, {100, 1, 7, 50, 99, 3, 12, 45, 66, 2}})
        EXPECT_EQ(pieEnds(values).back(), 360);

    struct Sampling {
        double p, percent;
    } sampling[] = {{0, 0}, {0.55, 2 * (0.5 - 0.3085) * 100}, {1.0, 2 * (0.5 - 0.1587) * 100},
                    {3.0, 2 * (0.5 - 0.00135) * 100}, {3.1, 100}, {12, 100}};
    for (const Sampling& c : sampling)
        EXPECT_NEAR(samplingProbability(c.p), c.percent, 1e-9) << c.p;

    const std::vector<double> x = {1, 2, 3, 4, 5, 100}, up = {2, 4, 6, 8, 10, -50}, down = {10, 8, 6, 4, 2, 0};
    EXPECT_NEAR(correlation(x, up, 5), 1, 1e-12);  // only the first five pairs
    EXPECT_LT(correlation(x, up, 6), 1);
    EXPECT_EQ(correlation(x, down, 5), 0);         // a negative r shows 0

    const Line t = trendLine({1, 2, 3, 4}, {3, 5, 7, 9});
    EXPECT_DOUBLE_EQ(t.m, 2);
    EXPECT_DOUBLE_EQ(t.c, 1);
    EXPECT_EQ(movingAverages({1, 2, 3, 4, 5}, 3), (std::vector<double>{2, 3, 4}));
}

TEST(StatsEditorModel, ScaleWidthAndQuartiles)
{
    using namespace stats;
    struct Case {
        double largest, top;
        int step;
    } cases[] = {{64, 70, 7}, {70, 70, 7}, {0, 1, 0}, {1, 10, 1}, {101, 110, 11}, {4.2, 10, 1}};
    for (const Case& c : cases) {
        const Scale s = verticalScale(c.largest);
        EXPECT_EQ(s.top, c.top) << c.largest;
        EXPECT_EQ(s.step, c.step) << c.largest;
    }
    EXPECT_EQ(classWidth(1, 10), 10);
    EXPECT_DOUBLE_EQ(frequencyDensity(20, 1, 10), 2);
    EXPECT_EQ(frequencyDensity(5, 3, 2), 0);  // an empty class never divides by zero

    // Six copies 10, 20, 30, 40, 50, 60: quartiles at positions 2, 3 and 4.
    const auto box = boxPlotValues({5, 15, 25, 35, 45, 55}, {1, 1, 1, 1, 1, 1}, 5);
    EXPECT_EQ(box, (std::vector<double>{10, 20, 30, 40, 60}));
    EXPECT_TRUE(boxPlotValues({1, 2}, {0, 0}, 1).empty());
}

TEST(Random, FixedSeedsRepeatAndReseedsDiffer)
{
    setFixedSeed(42);
    Randomize();
    const double a = Rnd();
    Randomize();
    const double b = Rnd();
    EXPECT_NE(a, b);  // two batches in a row never repeat
    setFixedSeed(42);
    Randomize();
    EXPECT_EQ(Rnd(), a);
    clearFixedSeed();
    Randomize();
    const double c = Rnd();
    Randomize();
    EXPECT_NE(c, Rnd());
}

TEST(GraphEditor, EvaluationThroughTheScriptControl)
{
    test::mainWindow();
    auto* g = formAs<GraphEditor>(QStringLiteral("GraphEditor"));
    ASSERT_TRUE(g);
    g->ReFreshButton_Click();
    EXPECT_EQ(currentChart().rows, 200);
    EXPECT_EQ(currentChart().seriesWithData(), 3);
    EXPECT_EQ(currentChart().xTitle, QStringLiteral("Range x = -100 to 100"));
    // Row 1 plots x = -100: expression 1 is k(5) * x * q(2) = 32 * -100 * 8.
    EXPECT_DOUBLE_EQ(*currentChart().data.values[0][0], -25600);

    // The single value, and a rejected expression ending the evaluation silently.
    g->Check2->setChecked(true);
    g->EquationTextBox[1]->setText(QStringLiteral("Sin(x / r"));
    g->ReFreshButton_Click();
    EXPECT_EQ(g->Label4[0]->caption(), QStringLiteral(" No. 1 = 2560"));
    EXPECT_EQ(currentChart().rows, 200);

    // An empty box gives no series and no result; the sine sample labels every 90th row.
    g->EquationTextBox[1]->clear();
    g->ReFreshButton_Click();
    EXPECT_EQ(currentChart().seriesWithData(), 2);
    EXPECT_EQ(g->Label4[1]->caption(), QString());
    g->Combo2->setCurrentIndex(5);
    g->Combo2_Click();
    EXPECT_EQ(currentChart().rows, 360);
    EXPECT_EQ(currentChart().divisionsPerLabel, 90);
    EXPECT_EQ(g->EquationTextBox[1]->text(), QString());
    EXPECT_NEAR(*currentChart().data.values[90][0], 1, 1e-12);  // x = 90 degrees

    // Fine steps cover the same range in tenths.
    g->Check1->setChecked(true);
    g->ReFreshButton_Click();
    EXPECT_EQ(currentChart().rows, 3600);
    EXPECT_NEAR(*currentChart().data.values[900][0], 1, 1e-12);

    g->Combo1->setCurrentIndex(3);
    g->Combo1_Click();
    EXPECT_EQ(currentChart().series[0].statFlags, StatMean);
    g->Combo1->setCurrentIndex(0);
    g->Combo1_Click();
    for (const auto& s : currentChart().series)
        EXPECT_EQ(s.statFlags, 0);

    // Keypad: items go to the end of the target box and Cut takes the last one off.
    g->Clear_Click(1);
    for (const char* key : {"Sin(", "x", " / ", "r", ")"})
        for (int i = 0; i < int(g->Digits.size()); ++i)
            if (g->Digits[size_t(i)]->caption() == QLatin1String(key)) {
                g->Digits_Click(i);
                break;
            }
    EXPECT_EQ(g->EquationTextBox[0]->text(), QStringLiteral("Sin(x / r)"));
    for (int i = 0; i < int(g->Digits.size()); ++i)
        if (g->Digits[size_t(i)]->caption() == QLatin1String("Cut"))
            g->Digits_Click(i);
    EXPECT_EQ(g->EquationTextBox[0]->text(), QStringLiteral("Sin(x / r"));
    g->MoveTo_Click();
    EXPECT_EQ(g->editTarget(), 1);
    EXPECT_EQ(g->MoveTo->caption(), QStringLiteral("Move to Equ. 3."));
}

TEST(GraphEditor, EnormousRangeStopsAtTheTimeOut)
{
    test::mainWindow();
    auto* g = formAs<GraphEditor>(QStringLiteral("GraphEditor"));
    ASSERT_TRUE(g);
    g->ScriptControl1.setTimeout(300);
    g->Check2->setChecked(false);
    g->EquationTextBox[0]->setText(QStringLiteral("x"));
    g->setValue(7, -1e12);
    g->setValue(8, 1e12);
    QElapsedTimer t;
    t.start();
    g->ReFreshButton_Click();
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_GT(g->plottedRows(), 0);
    g->ScriptControl1.setTimeout(10000);
}

}  // namespace
}  // namespace orr
