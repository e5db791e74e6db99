// The chart control over QtCharts: line series from the table, a category
// axis labelled every so many rows, statistic lines computed here and drawn
// as extra dashed line series.
#include "platform/chart.h"

#include <QApplication>
#include <QBrush>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QSet>
#include <QTimer>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace orr {

void ChartTable::resize(int rows, int series)
{
    rows = std::max(0, rows);
    series = std::max(0, series);
    labels.assign(size_t(rows), QString());
    values.assign(size_t(rows), std::vector<std::optional<double>>(size_t(series)));
}

int ChartState::seriesWithData() const
{
    int n = 0;
    for (int s = 0; s < columns; ++s) {
        for (const auto& row : data.values)
            if (s < int(row.size()) && row[size_t(s)]) {
                ++n;
                break;
            }
    }
    return n;
}

std::vector<StatLineValue> statisticLines(const std::vector<std::optional<double>>& values, int flags)
{
    std::vector<StatLineValue> lines;
    double n = 0, sum = 0, sumSq = 0, sumX = 0, sumXX = 0, sumXY = 0;
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (size_t i = 0; i < values.size(); ++i) {
        if (!values[i])
            continue;
        const double y = *values[i], x = double(i);
        n += 1;
        sum += y;
        sumSq += y * y;
        sumX += x;
        sumXX += x * x;
        sumXY += x * y;
        lo = std::min(lo, y);
        hi = std::max(hi, y);
    }
    if (n == 0 || flags == 0)
        return lines;
    const double mean = sum / n;
    const double sd = std::sqrt(std::max(0.0, sumSq / n - mean * mean));
    const double last = double(values.size() - 1);
    if (flags & StatMinimum)
        lines.push_back({StatMinimum, lo, lo});
    if (flags & StatMaximum)
        lines.push_back({StatMaximum, hi, hi});
    if (flags & StatMean)
        lines.push_back({StatMean, mean, mean});
    if (flags & StatStdDev) {
        lines.push_back({StatStdDev, mean + sd, mean + sd});
        lines.push_back({StatStdDev, mean - sd, mean - sd});
    }
    if (flags & StatTrend) {
        const double d = n * sumXX - sumX * sumX;
        const double m = d == 0 ? 0 : (n * sumXY - sumX * sum) / d;
        const double c = (sum - m * sumX) / n;
        lines.push_back({StatTrend, c, m * last + c});
    }
    return lines;
}

namespace {

Qt::PenStyle penStyle(int style)
{
    switch (style) {
    case 2: return Qt::DashLine;
    case 3: return Qt::DotLine;
    case 4: return Qt::DashDotLine;
    case 5: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

// Category labels must differ from each other; a repeated text gets invisible
// zero-width marks until it is unique.
QString uniqueLabel(QString text, QSet<QString>& used)
{
    if (text.isEmpty())
        text = QStringLiteral(" ");
    while (used.contains(text))
        text += QChar(0x200B);
    used.insert(text);
    return text;
}

}  // namespace

ChartControl::ChartControl(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    view_ = new QChartView(this);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->chart()->setBackgroundBrush(Qt::white);
    view_->chart()->legend()->setAlignment(Qt::AlignBottom);
}

ChartControl::~ChartControl() = default;

void ChartControl::resizeEvent(QResizeEvent*) { view_->setGeometry(rect()); }

void ChartControl::showEvent(QShowEvent*)
{
    if (dirty_)
        rebuild();
}

// A shown chart is rebuilt once the settings of one handler are all made.
void ChartControl::changed()
{
    dirty_ = true;
    if (!isVisible() || pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        pending_ = false;
        if (dirty_)
            rebuild();
    });
}

void ChartControl::ensureSeries(int series)
{
    if (int(state_.series.size()) < series)
        state_.series.resize(size_t(series));
}

void ChartControl::setRowCount(int rows)
{
    state_.rows = std::max(0, rows);
    changed();
}

void ChartControl::setColumnCount(int columns)
{
    state_.columns = std::max(0, columns);
    ensureSeries(state_.columns);
    changed();
}

void ChartControl::setAxisTitle(int axis, const QString& title)
{
    (axis == 0 ? state_.xTitle : state_.yTitle) = title;
    changed();
}

void ChartControl::setSeriesPen(int series, const QColor& colour)
{
    if (series < 1)
        return;
    ensureSeries(series);
    state_.series[size_t(series - 1)].pen = colour;
    changed();
}

void ChartControl::setCategoryScale(bool automatic, int divisionsPerLabel, int divisionsPerTick, bool labelTicks)
{
    state_.autoScale = automatic;
    state_.divisionsPerLabel = std::max(1, divisionsPerLabel);
    state_.divisionsPerTick = std::max(1, divisionsPerTick);
    state_.labelTicks = labelTicks;
    changed();
}

void ChartControl::setStatLine(int series, int flags, const QColor& colour, int style)
{
    if (series < 1)
        return;
    ensureSeries(series);
    ChartState::Series& s = state_.series[size_t(series - 1)];
    s.statFlags = flags;
    s.statColour = colour;
    s.statStyle = style;
    changed();
}

void ChartControl::setChartData(const ChartTable& data)
{
    state_.data = data;
    changed();
}

void ChartControl::setState(const ChartState& state)
{
    state_ = state;
    changed();
}

void ChartControl::rebuild() const
{
    dirty_ = false;
    QChart* chart = view_->chart();
    chart->removeAllSeries();
    // removeAxis hands the axis back to the caller, so it is deleted here.
    for (QAbstractAxis* a : chart->axes()) {
        chart->removeAxis(a);
        delete a;
    }

    const ChartState& st = state_;
    const int rows = std::min(st.rows, st.data.rows());
    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setTitleText(st.xTitle);
    const int every = st.autoScale ? std::max(1, (rows + 9) / 10) : std::max(1, st.divisionsPerLabel);
    QSet<QString> used;
    for (int r = 0; r < rows; r += every)
        x->append(uniqueLabel(st.data.labels[size_t(r)], used), r);
    x->setRange(0, std::max(1, rows - 1));
    x->setGridLineVisible(st.labelTicks);
    auto* y = new QValueAxis;
    y->setTitleText(st.yTitle);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    double lo = HUGE_VAL, hi = -HUGE_VAL;
    auto addLine = [&](QLineSeries* s) {
        chart->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
    };
    bool named = false;
    for (int c = 0; c < st.columns; ++c) {
        std::vector<std::optional<double>> column(static_cast<size_t>(rows));
        QList<QPointF> points;
        for (int r = 0; r < rows; ++r) {
            const auto& row = st.data.values[size_t(r)];
            if (c < int(row.size()) && row[size_t(c)] && std::isfinite(*row[size_t(c)])) {
                column[size_t(r)] = row[size_t(c)];
                points.append(QPointF(r, *row[size_t(c)]));
                lo = std::min(lo, *row[size_t(c)]);
                hi = std::max(hi, *row[size_t(c)]);
            }
        }
        if (points.isEmpty())
            continue;
        auto* s = new QLineSeries;
        s->replace(points);
        const QString name = c < int(st.data.seriesNames.size()) ? st.data.seriesNames[size_t(c)] : QString();
        s->setName(name);
        named = named || !name.isEmpty();
        addLine(s);
        if (c < int(st.series.size()) && st.series[size_t(c)].pen.isValid()) {
            QPen pen = s->pen();
            pen.setColor(st.series[size_t(c)].pen);
            pen.setWidth(2);
            s->setPen(pen);
        }
        if (c >= int(st.series.size()))
            continue;
        const ChartState::Series& info = st.series[size_t(c)];
        for (const StatLineValue& v : statisticLines(column, info.statFlags)) {
            auto* line = new QLineSeries;
            line->append(0, v.y0);
            line->append(std::max(1, rows - 1), v.y1);
            QPen pen(info.statColour, 2, penStyle(info.statStyle));
            line->setPen(pen);
            addLine(line);
            for (QLegendMarker* m : chart->legend()->markers(line))
                m->setVisible(false);
            lo = std::min({lo, v.y0, v.y1});
            hi = std::max({hi, v.y0, v.y1});
        }
    }
    chart->legend()->setVisible(named);
    if (!(lo <= hi)) {
        lo = 0;
        hi = 1;
    } else if (lo == hi) {
        lo -= 1;
        hi += 1;
    }
    y->setRange(lo, hi);
    y->applyNiceNumbers();
}

QImage ChartControl::image(QSize size) const
{
    if (dirty_)
        rebuild();
    if (!size.isValid() || size.width() < 50 || size.height() < 50)
        size = (width() >= 50 && height() >= 50) ? QWidget::size() : QSize(620, 430);
    QChart* chart = view_->chart();
    const QSizeF old = chart->size();
    chart->resize(size);
    if (chart->layout())
        chart->layout()->activate();
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        chart->scene()->render(&p, QRectF(QPointF(0, 0), size), QRectF(chart->pos(), size));
    }
    chart->resize(old);
    return img;
}

void ChartControl::editCopy() const
{
    if (QClipboard* cb = QApplication::clipboard())
        cb->setImage(image());
}

}  // namespace orr
