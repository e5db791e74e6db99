// Equation editor benchmark: one evaluation as Enter runs it (script Eval,
// result label and picture redraw), and the script control's Eval alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "platform/form.h"
#include "platform/msgbox.h"
#include "shell/main_window.h"
#include "tools/equation_editor.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orr::setMessageBoxesSilent(true);
    orr::MainWindow::create(true);
    orr::MainWindow::instance()->editor_Click(0);
    auto* editor = orr::formAs<orr::EquationEditor>(QStringLiteral("EquationEditor"));
    if (!editor)
        return 1;
    editor->EquationTextBox->setText(QStringLiteral("a / b = a * b / c"));
    benchmark::RegisterBenchmark("equation/Enter", [editor](benchmark::State& st) {
        for (auto _ : st)
            editor->Enter_Click();
    })->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("equation/Eval", [editor](benchmark::State& st) {
        for (auto _ : st)
            benchmark::DoNotOptimize(editor->ScriptControl1().Eval(QStringLiteral("a / b = a * b / c")));
    })->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
