// The chart control: a line chart of a table of values over QtCharts, with
// the settings the windows program against (row and column counts, axis
// titles, the category axis spacing, series pens, statistic lines) and a copy
// of the chart to the clipboard as an image.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QChartView;

namespace orr {

// The chart's data: one category label per row and one value per series;
// an empty cell leaves a gap, and a series with no value at all is not drawn.
struct ChartTable {
    std::vector<QString> labels;
    std::vector<std::vector<std::optional<double>>> values;  // [row][series]
    // Legend names of the series; no names, no legend.
    std::vector<QString> seriesNames;

    void resize(int rows, int series);
    int rows() const { return int(labels.size()); }
};

// Statistic-line flags of a series; they may be combined.
enum ChartStat : int {
    StatNone = 0,
    StatMinimum = 1,
    StatMaximum = 2,
    StatMean = 4,
    StatStdDev = 8,
    StatTrend = 16,
};

// A statistic line to draw across the rows: from (first row, y0) to (last row, y1).
struct StatLineValue {
    int flag = 0;
    double y0 = 0, y1 = 0;
};

// The lines a series' flags ask for, from its values (empty cells skipped):
// minimum, maximum and mean flat, the standard deviation as two flat lines at
// the mean plus and minus it (divisor N), the trend the least-squares line
// over the row numbers. No values, no lines.
std::vector<StatLineValue> statisticLines(const std::vector<std::optional<double>>& values, int flags);

// Everything the chart shows; the batch driver and the graph window read it back.
struct ChartState {
    struct Series {
        QColor pen;      // invalid: the chart's own colour
        int statFlags = 0;
        QColor statColour = Qt::red;
        int statStyle = 1;  // the pen styles of the control: 1 solid, 2 dashed, 3 dotted, 4 dash-dot, 5 dash-dot-dot
    };
    int rows = 0;
    int columns = 0;
    QString xTitle;
    QString yTitle;
    bool autoScale = true;
    int divisionsPerLabel = 1;
    int divisionsPerTick = 1;
    bool labelTicks = false;
    std::vector<Series> series;
    ChartTable data;

    // Series holding at least one value.
    int seriesWithData() const;
};

class ChartControl : public QWidget {
    Q_OBJECT
public:
    explicit ChartControl(QWidget* parent = nullptr, const QString& name = QString());
    ~ChartControl() override;

    void setRowCount(int rows);
    void setColumnCount(int columns);
    // Axis 0 is the category (x) axis, axis 1 the value (y) axis.
    void setAxisTitle(int axis, const QString& title);
    // Series are numbered from 1.
    void setSeriesPen(int series, const QColor& colour);
    void setCategoryScale(bool automatic, int divisionsPerLabel, int divisionsPerTick, bool labelTicks);
    void setStatLine(int series, int flags, const QColor& colour, int style);
    void setChartData(const ChartTable& data);

    const ChartState& state() const { return state_; }
    void setState(const ChartState& state);

    // The chart drawn at the control's size (or size, when given).
    QImage image(QSize size = QSize()) const;
    // The chart as an image on the clipboard.
    void editCopy() const;

protected:
    void resizeEvent(QResizeEvent*) override;
    void showEvent(QShowEvent*) override;

private:
    void changed();
    void ensureSeries(int series);
    void rebuild() const;
    ChartState state_;
    QChartView* view_ = nullptr;
    mutable bool dirty_ = true;
    bool pending_ = false;
};

}  // namespace orr
