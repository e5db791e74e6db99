// Booklet benchmark: every example of each topic printed one page each into
// a PDF file, as "Print All Examples…" does, timed per topic.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include "app/startup.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "shell/booklet.h"
#include "shell/main_window.h"
#include "state/suite_state.h"
#include "topics/framework/members.h"
#include "topics/framework/topic_table.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    orr::registerFontSubstitutes();
    orr::setMessageBoxesSilent(true);
    orr::MainWindow::create(true);
    static QTemporaryDir dir;
    for (const orr::TopicInfo& topic : orr::topicTable()) {
        const QString name = QString::fromLatin1(topic.name);
        if (!orr::FormRegistry::instance().hasFactory(name))
            continue;
        const QString label = QStringLiteral("booklet/%1/%2_examples").arg(name).arg(topic.examples);
        benchmark::RegisterBenchmark(label.toUtf8().constData(), [name](benchmark::State& st) {
            orr::Form* w = orr::form(name);
            orr::suite().currentWindow = w;
            w->bringToFront();
            orr::callByName(w, QStringLiteral("Proc_1"));
            for (auto _ : st) {
                QPrinter pdf(QPrinter::HighResolution);
                pdf.setOutputFormat(QPrinter::PdfFormat);
                pdf.setOutputFileName(dir.filePath(name + QStringLiteral(".pdf")));
                pdf.setPageSize(QPageSize(QPageSize::A4));
                benchmark::DoNotOptimize(orr::printBooklet(pdf));
            }
            orr::FormRegistry::instance().unload(w);
        })->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
