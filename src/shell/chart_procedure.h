// The shared chart procedure: fills a chart control from a table of values
// (colours by code, category label spacing, the data) and copies the chart to
// the clipboard. The chart it last filled is the current chart, which the
// graph window shows and the batch driver reads back.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "platform/chart.h"

namespace orr {

// The pen colour of a series colour code; invalid for a code that leaves the
// series colour as it is.
QColor chartColourForCode(int code);

// Divisions per label (and per tick) on the category axis for a row count:
// more than 20 rows: rows / 10, whole part; exactly 360 rows: 90; else 1.
int chartLabelSpacing(int rows);

// Fills the chart: row and column counts, axis titles, series pens from
// colourCodes (series i takes colourCodes[i - 1]), the label spacing with
// automatic scaling off and label ticks on, the data; then copies the chart
// to the clipboard and keeps it as the current chart.
void ShowChart(ChartControl& chart, const ChartTable& data, const std::vector<int>& colourCodes, int rows,
               int series, const QString& xTitle, const QString& yTitle);

// Records a chart's settings as the current chart (after statistic lines or
// other settings made once the procedure has run).
void setCurrentChart(const ChartState& state);
// The chart last filled; rows 0 when none has been.
const ChartState& currentChart();

}  // namespace orr
