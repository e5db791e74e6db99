// The printed outputs: the preview shows the one page Print prints, and the
// booklet prints one page per example and leaves the topic on its example.
#include <gtest/gtest.h>

#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include "shell/booklet.h"
#include "shell/print_copy.h"
#include "suite_fixture.h"

namespace orr {
namespace {

TEST(PrintOutput, PreviewShowsThePage)
{
    test::openTopic(QStringLiteral("LogicGates2"), 1);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const auto preview = pagePreview(printer, nullptr);
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    pages->updatePreview();
    EXPECT_EQ(pages->pageCount(), 1);
}

TEST(PrintOutput, BookletHasAPagePerExampleAndKeepsTheExample)
{
    QTemporaryDir dir;
    for (const char* name : {"LogicGates2", "DataAnalysis", "Instr_1", "ComputerHardware", "Programming"}) {
        SCOPED_TRACE(name);
        const QString topic = QLatin1String(name);
        const TopicInfo* info = topicByName(topic);
        const bool isTopic = info != nullptr;
        Form* w = isTopic ? test::openTopic(topic, 1) : form(topic);
        ASSERT_NE(w, nullptr);
        suite().currentWindow = w;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(dir.filePath(topic + QStringLiteral(".pdf")));
        int seen = 0;
        const int pages = printBooklet(pdf, [&seen](int done, int) {
            seen = done;
            return true;
        });
        // A tool window has no examples and prints none.
        EXPECT_EQ(pages, isTopic ? info->examples : 0);
        EXPECT_EQ(seen, pages);
        if (isTopic)
            EXPECT_EQ(suite().selectedExample[size_t(info->id)], 1);
        EXPECT_EQ(suite().currentWindow, w);
    }
}

TEST(PrintOutput, CancelledBookletStopsAfterThePagesDone)
{
    test::openTopic(QStringLiteral("LogicGates2"), 0);
    QTemporaryDir dir;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath(QStringLiteral("cancelled.pdf")));
    EXPECT_EQ(printBooklet(pdf, [](int done, int) { return done < 3; }), 3);
}

TEST(PrintOutput, PictureTextsReadAsLines)
{
    const struct {
        const char* what;
        std::vector<PrintedText> texts;
        QStringList lines;
    } cases[] = {
        {"nothing", {}, {}},
        {"blank texts are left out", {{5, 5, QStringLiteral("  ")}, {9, 9, QStringLiteral(" Q ")}}, {"Q"}},
        // Drawn column by column, read row by row.
        {"a table",
         {{10, 20, "A"}, {10, 30, "0"}, {10, 40, "1"}, {30, 20, "Q"}, {30, 30, "1"}, {30, 40, "0"}},
         {"A\tQ", "0\t1", "1\t0"}},
        // A larger face starts a little higher on the same line.
        {"small offsets stay on one line", {{50, 101, "0"}, {20, 98, "A"}, {80, 103, "1"}}, {"A\t0\t1"}},
        {"a gap of more than the tolerance starts a line", {{0, 0, "Heading"}, {0, 6, "Body"}}, {"Heading", "Body"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readingLines(c.texts, 5), c.lines);
    }
}

}  // namespace
}  // namespace orr
