// Programming workbench benchmark: a RUN as the button does it (translate,
// fresh script state, add the code, run Main, output in the run pane) for
// the Counting sample and for a program looping a million times.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>

#include "platform/form.h"
#include "platform/msgbox.h"
#include "shell/main_window.h"
#include "tools/programming.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orr::setMessageBoxesSilent(true);
    orr::MainWindow::create(true);
    orr::MainWindow::instance()->editor_Click(8);
    auto* w = orr::formAs<orr::Programming>(QStringLiteral("Programming"));
    if (!w)
        return 1;
    w->Combo1_Click(w->Combo1->findText(QStringLiteral("Counting.")));
    const QString counting = w->Program->toPlainText();
    const QString loop = QStringLiteral("START\nLET T = 0\nFOR J = 1 TO 1000000\nLET T = T + J\nNEXT\nPRINT T\nFINISH");
    const auto runOf = [w](const QString& program) {
        return [w, program](benchmark::State& st) {
            w->Program->setPlainText(program);
            for (auto _ : st)
                w->RunButton_Click();
            if (orr::takeMessages().size() != 0)
                st.SkipWithError("the program reported an error");
        };
    };
    benchmark::RegisterBenchmark("workbench/Counting", runOf(counting))
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("workbench/Loop1e6", runOf(loop))
        ->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3)->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
