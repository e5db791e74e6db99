// DataAnalysis windows: what each example shows on its picture and calculation
// box, the data each keeps between redraws, and the charts it hands over.
#include <gtest/gtest.h>

#include "platform/rng.h"
#include "shell/chart_procedure.h"
#include "suite_fixture.h"
#include "topics/stats/data_analysis.h"

namespace orr {
namespace {

bool shows(const PictureBox* p, const QString& text)
{
    for (const PrintedText& t : p->printedTexts())
        if (t.text.contains(text))
            return true;
    return false;
}

std::vector<QString> texts(const PictureBox* p)
{
    std::vector<QString> out;
    for (const PrintedText& t : p->printedTexts())
        out.push_back(t.text);
    return out;
}

TEST(DataAnalysisWindow, EveryExampleShowsItsResults)
{
    setFixedSeed(11);
    struct Case {
        int example;
        const char* picture;  // a text the picture always shows
        const char* calcbox;  // and the calculation box ("" for none)
    } cases[] = {
        {0, "Total frequency = 100", "Arithmetic Mean."},
        {1, "Normal Distribution Curve", "7. Standard Deviation = "},
        {2, "(to 360\u00B0)", "Slice factor"},
        {3, "Combinations = 2", "Three Heads, with three coins"},
        {4, "Probability of selecting a red ball", ""},
        {5, "Probability range.  0 can never occur to 1 certainty.", ""},
        {6, "Random data values. Range 25 to 480.", "Lower inter-quartile range "},
        {7, "Total of 1000 random values between 0 and 480", "Median (position 500) = "},
        {8, "20 Random Data Values", ""},
        {9, "Probability of sample same as population. = ", "P = "},
        {10, "r is the correlation coefficient", "r = "},
        {11, "Example.", "Moving average = "},
        {12, "Trend line 't' = mx + c", "c = (SUM(Y) - m SUM(X)) / N"},
    };
    for (const Case& c : cases) {
        auto* t = test::openTopic<DataAnalysis>(QStringLiteral("DataAnalysis"), c.example);
        ASSERT_TRUE(t);
        EXPECT_TRUE(shows(t->Picture1, QString::fromUtf8(c.picture))) << c.example;
        if (*c.calcbox)
            EXPECT_TRUE(shows(t->Calcbox, QString::fromUtf8(c.calcbox))) << c.example;
    }
    clearFixedSeed();
}

TEST(DataAnalysisWindow, DataKeptOrRedrawnAndPagesCycled)
{
    setFixedSeed(5);
    auto* t = test::openTopic<DataAnalysis>(QStringLiteral("DataAnalysis"), 0);
    ASSERT_TRUE(t);
    const auto before = texts(t->Picture1);
    t->results();
    EXPECT_EQ(texts(t->Picture1), before);  // the frequency data stays until Random Values
    EXPECT_EQ(t->Trigger[1]->caption(), QStringLiteral("Calculate Median"));
    for (const char* next : {"Calculate Mode", "Calculate Mean", "Calculate Median"}) {
        t->Trigger_Click(1);
        EXPECT_EQ(t->Trigger[1]->caption(), QLatin1String(next));
    }

    t = test::openTopic<DataAnalysis>(QStringLiteral("DataAnalysis"), 2);
    const auto pie = texts(t->Picture1);
    t->results();
    EXPECT_NE(texts(t->Picture1), pie);  // the pie draws fresh values every time

    // The moving average and seasonality charts through the shared procedure.
    t = test::openTopic<DataAnalysis>(QStringLiteral("DataAnalysis"), 11);
    EXPECT_EQ(currentChart().rows, 21);
    EXPECT_EQ(currentChart().seriesWithData(), 2);
    EXPECT_EQ(currentChart().xTitle, QStringLiteral("Weeks"));
    const double first = *currentChart().data.values[0][0];
    t->results();
    EXPECT_EQ(*currentChart().data.values[0][0], first);  // kept until New Values
    t->Trigger_Click(0);
    EXPECT_NE(*currentChart().data.values[0][0], first);
    t = test::openTopic<DataAnalysis>(QStringLiteral("DataAnalysis"), 12);
    EXPECT_EQ(currentChart().rows, 12);
    EXPECT_EQ(currentChart().seriesWithData(), 3);
    clearFixedSeed();
}

}  // namespace
}  // namespace orr
