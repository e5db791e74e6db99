// DataAnalysis: thirteen examples of descriptive statistics and probability,
// each drawn from random data with its worked calculation on the calculation box.
#pragma once

#include <QImage>
#include <array>
#include <vector>

#include "platform/chart.h"
#include "topics/framework/topic_form.h"

namespace orr {

class DataAnalysis : public TopicForm {
    Q_OBJECT
public:
    DataAnalysis();

    // Form state kept while the window is open.
    std::vector<int> values = std::vector<int>(1001);   // shared value array
    std::array<int, 10> freq{};                          // frequency of 0 to 9
    std::vector<double> X = std::vector<double>(25), Y = std::vector<double>(25);
    double diceValue = 1;
    int numberDice = 1;
    double minRange = 25, maxRange = 480;
    double lowerValue = -25, upperValue = 50;
    double numberValues = 24;
    double tolerance = 0.8;
    double weeks = 20, points = 5, quarters = 12;
    int page = 1;              // frequency calculations: 1 mean, 2 median, 3 mode
    int throws = 0, successes = 0;
    bool arranged = false, rounded = false, scatter = false;
    int coins = 1;
    std::array<int, 3> toss{};
    std::array<int, 8> balls{};
    int pointer = -1, tries = 0, hits = 0;
    std::array<int, 6> dice{};
    std::vector<double> raw = std::vector<double>(21);
    ChartControl* MSChart1 = nullptr;

    void Trigger_Click(int index) override;

    // New data for the examples that keep theirs.
    void newFrequencyData();
    void newQuartileData();
    void newCumulativeData();
    void newEvenData();
    void newCorrelationData();

protected:
    void setDefaults() override;
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;
    QString quantityTypeFor(int e, int index) const override;
    void takeValue(int e, int index, double value) override;
    bool takesMagnitude() const override { return false; }

private:
    void drawFrequency();
    void drawStandardDeviation();
    void drawPie();
    void drawTree();
    void drawAddition();
    void drawMultiplication();
    void drawQuartiles();
    void drawCumulative();
    void drawEven();
    void drawSampling();
    void drawCorrelation();
    void drawMovingAverage();
    void drawSeasonality();
    void normalCurve(double sdSteps);
    void showChartOnce(const ChartTable& table, const std::vector<int>& codes, int rows, int series,
                       const QString& xTitle, const QString& yTitle);
    // Data of the moving-average or seasonality example, kept until New Values.
    std::vector<double> series_;
    int seriesFor_ = -1;
    int pick_ = 0;
    bool chartCurrent_ = false;
    QImage chartImage_;
    bool started_ = false;
    int quartileCount_ = 0, cumulativeCount_ = 0, evenCount_ = 0;
};

}  // namespace orr
