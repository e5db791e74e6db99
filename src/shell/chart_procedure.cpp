// The shared chart procedure and the current chart.
#include "shell/chart_procedure.h"

namespace orr {

namespace {
ChartState& current()
{
    static ChartState s;
    return s;
}
}  // namespace

QColor chartColourForCode(int code)
{
    switch (code) {
    case 0: return QColor(0, 0, 0);
    case 1: return QColor(5, 13, 168);
    case 2: return QColor(65, 196, 57);
    case 3: return QColor(75, 129, 95);
    case 4: return QColor(137, 3, 17);
    case 5: return QColor(139, 48, 169);
    case 6: return QColor(132, 134, 51);
    case 9: return QColor(38, 53, 242);
    case 12: return QColor(255, 0, 0);
    case 15: return QColor(255, 255, 255);
    default: return QColor();
    }
}

int chartLabelSpacing(int rows)
{
    if (rows == 360)
        return 90;
    return rows > 20 ? rows / 10 : 1;
}

void ShowChart(ChartControl& chart, const ChartTable& data, const std::vector<int>& colourCodes, int rows,
               int series, const QString& xTitle, const QString& yTitle)
{
    chart.setRowCount(rows);
    chart.setColumnCount(series);
    chart.setAxisTitle(0, xTitle);
    chart.setAxisTitle(1, yTitle);
    for (int i = 1; i <= series && i <= int(colourCodes.size()); ++i) {
        const QColor c = chartColourForCode(colourCodes[size_t(i - 1)]);
        if (c.isValid())
            chart.setSeriesPen(i, c);
    }
    const int spacing = chartLabelSpacing(rows);
    chart.setCategoryScale(false, spacing, spacing, true);
    chart.setChartData(data);
    chart.editCopy();
    setCurrentChart(chart.state());
}

void setCurrentChart(const ChartState& state) { current() = state; }

const ChartState& currentChart() { return current(); }

}  // namespace orr
