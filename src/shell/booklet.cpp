// The handout booklet: each example of the topic is opened as the contents
// window opens it, redrawn at the design size and printed on a page of its
// own through the same page layout as the Print action.
#include "shell/booklet.h"

#include <QApplication>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

#include "platform/form.h"
#include "platform/msgbox.h"
#include "shell/main_window.h"
#include "shell/print_copy.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "topics/framework/members.h"
#include "topics/framework/topic_table.h"

namespace orr {

namespace {

// The example table entry of a topic window, or none for a tool window.
const TopicInfo* topicOf(const Form* w)
{
    const TopicInfo* topic = w ? topicByName(w->name()) : nullptr;
    if (!topic || topic->id < 0 || topic->id >= int(suite().selectedExample.size()) || topic->examples < 1)
        return nullptr;
    return topic;
}

void paintCurrentPage(Form* w, QPainter& painter, const QPrinter& printer)
{
    // The graph window's chart reaches the page through the clipboard, which
    // holds one chart: a booklet prints the examples without it.
    atDesignSize(w, [&] {
        callByName(w, QStringLiteral("TheoryButton"));
        paintPage(painter, printer, PageParts::WithoutGraph);
    });
}

}  // namespace

int printBooklet(QPrinter& printer, const BookletProgress& progress)
{
    SuiteState& s = suite();
    Form* w = s.currentWindow;
    const TopicInfo* topic = topicOf(w);
    QPainter painter;
    if (!topic)
        return 0;
    if (!painter.begin(&printer)) {
        reportPrinterFailure(printer);
        return 0;
    }
    const int total = topic->examples;
    const int shown = s.selectedExample[size_t(topic->id)];
    int pages = 0;
    for (; pages < total; ++pages) {
        if (progress && !progress(pages, total))
            break;
        if (pages > 0)
            printer.newPage();
        s.selectedExample[size_t(topic->id)] = pages;
        callByName(w, QStringLiteral("Proc_1"));
        paintCurrentPage(w, painter, printer);
    }
    painter.end();
    s.selectedExample[size_t(topic->id)] = shown;
    s.currentWindow = w;
    callByName(w, QStringLiteral("Proc_1"));
    callByName(w, QStringLiteral("TheoryButton"));
    if (progress)
        progress(pages, total);
    return pages;
}

void printAllExamples()
{
    Form* w = suite().currentWindow;
    if (!topicOf(w) || messageBoxesSilent())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(w->caption());
    QPrintDialog dialog(&printer, MainWindow::instance());
    dialog.setWindowTitle(QStringLiteral("Print All Examples"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QProgressDialog bar(QStringLiteral("Printing the examples of %1…").arg(w->caption()), QStringLiteral("Cancel"), 0,
                        1, MainWindow::instance());
    bar.setWindowTitle(QStringLiteral("Print All Examples"));
    bar.setWindowModality(Qt::WindowModal);
    bar.setMinimumDuration(300);
    printBooklet(printer, [&bar](int done, int total) {
        bar.setMaximum(total);
        bar.setValue(done);
        QApplication::processEvents();
        return !bar.wasCanceled();
    });
}

}  // namespace orr
