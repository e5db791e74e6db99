// Redraw and start-up benchmark: the time to a visible main window with the
// contents loaded, then one results() redraw for every contents position that
// opens a topic window. Run it with QT_SCALE_FACTOR=2 for a HiDPI screen: the
// pictures then draw into backing images of twice the pixels.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/startup.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "shell/contents_window.h"
#include "shell/main_window.h"
#include "state/suite_state.h"
#include "topics/framework/members.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    orr::registerFontSubstitutes();
    orr::setMessageBoxesSilent(true);
    orr::MainWindow::create(true);
    QCoreApplication::processEvents();
    std::printf("start-up to a visible main window with the contents loaded: %.1f ms\n",
                clock.nsecsElapsed() / 1e6);
    std::printf("screen device pixel ratio: %.2f\n", app.devicePixelRatio());

    auto* contents = orr::formAs<orr::ComputingTreeIndex>(QStringLiteral("ComputingTreeIndex"));
    for (int position = 3; position <= 270; ++position) {
        int p = position;
        bool skip = false, enable = true;
        contents->Contents(p, skip, enable);
        orr::Form* w = orr::suite().currentWindow;
        if (skip || !w || !orr::callByName(w, QStringLiteral("Proc_1")))
            continue;
        const QString name = QStringLiteral("results/%1/%2").arg(position).arg(w->name());
        benchmark::RegisterBenchmark(name.toUtf8().constData(), [position, contents](benchmark::State& st) {
            int p = position;
            bool skip = false, enable = true;
            contents->Contents(p, skip, enable);
            orr::Form* w = orr::suite().currentWindow;
            orr::callByName(w, QStringLiteral("Proc_1"));
            for (auto _ : st)
                orr::callByName(w, QStringLiteral("results"));
        })
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ComputeStatistics("worst", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
            ->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
