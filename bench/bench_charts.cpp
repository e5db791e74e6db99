// Charts benchmark: the graph editor's fine-step plot of three expressions
// over -360 to 360 (7200 rows through the script control and the chart
// procedure), and the redraw of every statistics example.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/startup.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "platform/rng.h"
#include "shell/main_window.h"
#include "state/suite_state.h"
#include "tools/graph_editor.h"
#include "topics/stats/data_analysis.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orr::registerFontSubstitutes();
    orr::setMessageBoxesSilent(true);
    orr::MainWindow::create(true)->editor_Click(2);
    QCoreApplication::processEvents();
    orr::setFixedSeed(1);
    auto* editor = orr::formAs<orr::GraphEditor>(QStringLiteral("GraphEditor"));
    editor->Combo2->setCurrentIndex(8);
    editor->Combo2_Click();
    editor->Check1->setChecked(true);

    auto timed = [](auto&& f, int runs) {
        std::vector<double> ms;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            f();
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        return std::pair(ms[ms.size() / 2], ms.back());
    };
    const auto [plotMedian, plotWorst] = timed([&] { editor->ReFreshButton_Click(); }, 10);
    std::printf("fine-step plot, 3 expressions, %d rows: median %.1f ms, worst %.1f ms\n", editor->plottedRows(),
                plotMedian, plotWorst);

    auto* topic = orr::formAs<orr::DataAnalysis>(QStringLiteral("DataAnalysis"));
    for (int e = 0; e < 13; ++e) {
        orr::suite().selectedExample[size_t(topic->topicId())] = e;
        topic->Proc_1();
        const auto [median, worst] = timed([&] { topic->results(); }, 50);
        std::printf("DataAnalysis example %2d redraw: median %.2f ms, worst %.2f ms\n", e, median, worst);
    }

    benchmark::RegisterBenchmark("GraphEditor/fine-step plot", [editor](benchmark::State& st) {
        for (auto _ : st)
            editor->ReFreshButton_Click();
    })->Unit(benchmark::kMillisecond)->Iterations(5);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
