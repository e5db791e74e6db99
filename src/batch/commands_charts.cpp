// The batch driver's commands for charts and chosen data: `chart` prints the
// chart last filled, `seed N` fixes the random generator, `choose NAME TEXT`
// picks a combo-box item by its text as a click on it does.
#include <QComboBox>

#include "batch/batch_command.h"
#include "batch/batch_driver.h"
#include "platform/rng.h"
#include "shell/chart_procedure.h"

namespace orr {

namespace {

// With a file name the current chart is also saved there as a PNG image.
const BatchCommand chartCommand(QStringLiteral("chart"), [](BatchContext& c, const QString& arg) {
    const ChartState& s = currentChart();
    if (!arg.trimmed().isEmpty()) {
        ChartControl chart;
        chart.setState(s);
        if (!chart.image(QSize(620, 430)).save(arg.trimmed(), "PNG"))
            throw BatchError(QStringLiteral("cannot write '%1'").arg(arg.trimmed()));
    }
    int flags = 0;
    for (const ChartState::Series& series : s.series)
        flags |= series.statFlags;
    c.out << "rows\t" << s.rows << '\n'
          << "series\t" << s.seriesWithData() << '\n'
          << "xtitle\t" << s.xTitle << '\n'
          << "ytitle\t" << s.yTitle << '\n'
          << "labelevery\t" << (s.autoScale ? 0 : s.divisionsPerLabel) << '\n'
          << "stat\t" << flags << '\n';
});

const BatchCommand seedCommand(QStringLiteral("seed"), [](BatchContext&, const QString& arg) {
    bool ok = false;
    const uint n = arg.trimmed().toUInt(&ok);
    if (!ok)
        throw BatchError(QStringLiteral("seed needs a whole number"));
    setFixedSeed(n);
});

const BatchCommand chooseCommand(QStringLiteral("choose"), [](BatchContext&, const QString& arg) {
    const int space = arg.indexOf(QLatin1Char(' '));
    const QString name = space < 0 ? arg.trimmed() : arg.left(space);
    const QString text = space < 0 ? QString() : arg.mid(space + 1);
    auto* box = qobject_cast<QComboBox*>(batchFindControl(name));
    if (!box)
        throw BatchError(QStringLiteral("no combo box '%1' in the active window").arg(name));
    if (!box->isVisibleTo(box->window()) || !box->isEnabled())
        throw BatchError(QStringLiteral("'%1' is not shown or not enabled").arg(name));
    const int index = box->findText(text, Qt::MatchExactly);
    if (index < 0)
        throw BatchError(QStringLiteral("'%1' has no item '%2'").arg(name, text));
    box->setCurrentIndex(index);
    emit box->activated(index);
});

}  // namespace

}  // namespace orr
