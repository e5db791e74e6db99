// The companion windows (theory, sub-text, calculations, printing), copying to
// the clipboard by copy source, and the printed page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "platform/form.h"
#include "platform/picture.h"
#include "shell/companion_windows.h"
#include "shell/print_copy.h"
#include "state/suite_state.h"

namespace orr {
namespace {

// A window with what print and copy look for: a drawn Picture1 and a hidden Calcbox.
class PrintableWindow : public Form {
public:
    PrintableWindow() : Form(QStringLiteral("PrintableWindow"))
    {
        setCaption(QStringLiteral("Data and address bus."));
        Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
        Picture1->resize(300, 150);
        Picture1->setScaleWidth(300);
        Picture1->setScaleHeight(150);
        Picture1->cls();
        Picture1->line(10, 10, 290, 140, Qt::red, true);
        Calcbox = new PictureBox(this, QStringLiteral("Calcbox"));
        Calcbox->resize(120, 80);
        Calcbox->hide();
    }
    PictureBox* Picture1;
    PictureBox* Calcbox;
};

const RegisterForm<PrintableWindow> registerPrintable(QStringLiteral("PrintableWindow"));

// What the clipboard holds, as the batch driver reports it.
QString clipboardContents()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data && data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        return QStringLiteral("image %1x%2").arg(image.width()).arg(image.height());
    }
    if (data && data->hasText())
        return QStringLiteral("text ") + data->text();
    return QStringLiteral("empty");
}

class CompanionWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset();
        window = formAs<PrintableWindow>(QStringLiteral("PrintableWindow"));
        ASSERT_NE(window, nullptr);
        suite().currentWindow = window;
        suite().theoryCaption = window->caption();
        suite().theory = {QStringLiteral("First."), QStringLiteral("Second."), QString(), QString()};
    }
    void TearDown() override { reset(); }

    static void reset()
    {
        FormRegistry::instance().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SuiteState& s = suite();
        s.currentWindow = nullptr;
        s.copySource = 0;
        s.zoomLevel = 0;
        s.openWindowCount = 0;
        s.theory = {};
        s.theoryCaption.clear();
        s.toolbarFlags = {};
        QApplication::clipboard()->clear();
    }

    // The MDI area activates a window as it comes to the front; here it is done directly.
    template <class T> static T* activated(const char* name)
    {
        auto* f = formAs<T>(QLatin1String(name));
        if (f)
            f->formActivate();
        return f;
    }

    PrintableWindow* window = nullptr;
};

TEST_F(CompanionWindowsTest, EachCountsItselfInTheOpenWindowsWhileLoaded)
{
    for (const char* name : {"Theory", "SubText", "CalcForm", "Printing"}) {
        ASSERT_NE(form(QLatin1String(name)), nullptr) << name;
        EXPECT_EQ(suite().openWindowCount, 1) << name;
        form(QLatin1String(name));
        EXPECT_EQ(suite().openWindowCount, 1) << name << " loaded once only";
        FormRegistry::instance().unload(QLatin1String(name));
        EXPECT_EQ(suite().openWindowCount, 0) << name;
    }
}

TEST_F(CompanionWindowsTest, TextWindowsSizeToTheZoomLevel)
{
    const struct {
        float zoom;
        int labelTwips;
        int fontSize;
    } cases[] = {{0, 7935, 10}, {1, 10000, 14}, {2, 10000, 14}, {3, 10000, 14}};
    for (const char* name : {"Theory", "SubText"})
        for (const auto& c : cases) {
            suite().zoomLevel = c.zoom;
            auto* w = activated<TextWindow>(name);
            ASSERT_NE(w, nullptr);
            const QLabel* label = w->label();
            const int labelWidth = pixelsToTwips(label->width());
            const int labelHeight = pixelsToTwips(label->height());
            EXPECT_NEAR(labelWidth, c.labelTwips, 15) << name << " zoom " << c.zoom;
            EXPECT_EQ(label->font().pointSize(), c.fontSize) << name << " zoom " << c.zoom;
            EXPECT_EQ(label->font().family(), QStringLiteral("Verdana")) << name;
            EXPECT_NEAR(pixelsToTwips(w->Picture1->width()), c.labelTwips + 250, 15) << name;
            EXPECT_NEAR(pixelsToTwips(w->Picture1->height()), labelHeight + 400, 15) << name;
            EXPECT_NEAR(w->width(), c.labelTwips + 250 + 300, 15) << name;
            EXPECT_NEAR(w->height(), labelHeight + 400 + 700, 30) << name;
            FormRegistry::instance().unload(QLatin1String(name));
        }
}

TEST_F(CompanionWindowsTest, TheoryLabelGrowsWithItsText)
{
    auto* w = activated<TheoryWindow>("Theory");
    const int shortHeight = w->Theorylabel->height();
    suite().theory[2] = QString(40, QLatin1Char(' ')).replace(QLatin1Char(' '), QStringLiteral("longer text "));
    w->formActivate();
    EXPECT_GT(w->Theorylabel->height(), shortHeight + 3 * w->Theorylabel->fontMetrics().height());
}

TEST_F(CompanionWindowsTest, ActivationSetsTheCopySourceAndContent)
{
    auto* theory = activated<TheoryWindow>("Theory");
    EXPECT_EQ(suite().copySource, 2);
    EXPECT_EQ(theory->caption(), QStringLiteral("Data and address bus."));
    EXPECT_EQ(theory->Theorylabel->caption(), QStringLiteral("First.\n\nSecond.\n\n\n\n"));

    auto* sub = formAs<SubTextWindow>(QStringLiteral("SubText"));
    sub->SubTextLabel->setCaption(QStringLiteral("Why the bus is shared."));
    sub->formActivate();
    EXPECT_EQ(suite().copySource, 4);

    auto* calc = activated<CalcWindow>("CalcForm");
    EXPECT_EQ(suite().copySource, 1);
    EXPECT_EQ(calc->caption(), QStringLiteral("Calculations."));
    EXPECT_EQ(calc->CalcPicture->pixmap().size(), QSize(120, 80));
    EXPECT_NEAR(calc->width(), 120 * 15 + 350, 15);
    EXPECT_NEAR(calc->height(), 80 * 15 + 750, 15);
}

TEST_F(CompanionWindowsTest, ShowingTheActiveTheoryWindowAgainRenewsItsText)
{
    QMdiArea area;
    area.resize(1200, 900);
    area.show();
    FormRegistry::instance().setMdiArea(&area);
    auto* theory = formAs<TheoryWindow>(QStringLiteral("Theory"));
    showTheoryWindow();
    theory->formActivate();  // as the main window does when a child becomes active
    ASSERT_TRUE(isActiveChild(theory));
    suite().theory = {QStringLiteral("Use main dropdown menus or the Contents Window."), QString(), QString(),
                      QString()};
    suite().copySource = 0;
    showTheoryWindow();
    EXPECT_EQ(theory->Theorylabel->caption(), QStringLiteral("Use main dropdown menus or the Contents Window.\n\n\n\n\n\n"));
    EXPECT_EQ(suite().copySource, 2);
    reset();
    FormRegistry::instance().setMdiArea(nullptr);
}

TEST_F(CompanionWindowsTest, CopyTakesTheCopySourceThenFallsBackToThePicture)
{
    activated<TheoryWindow>("Theory");
    auto* sub = formAs<SubTextWindow>(QStringLiteral("SubText"));
    sub->setCaption(QStringLiteral("Bus."));
    sub->SubTextLabel->setCaption(QStringLiteral("Shared lines."));
    const struct {
        int source;
        const char* clipboard;
    } cases[] = {
        {0, "image 300x150"},
        {1, "image 120x80"},
        {2, "text Data and address bus.\n\nFirst.\n\nSecond.\n\n\n\n"},
        {3, "empty"},  // no graph window
        {4, "text Bus.\n\nShared lines."},
    };
    for (const auto& c : cases) {
        suite().copySource = c.source;
        copyToClipboard();
        EXPECT_EQ(clipboardContents(), QString::fromUtf8(c.clipboard)) << c.source;
        EXPECT_EQ(suite().copySource, 0) << c.source;
    }
}

TEST_F(CompanionWindowsTest, CopyAfterTheTheoryWindowIsTextAndTheNextOneThePicture)
{
    activated<TheoryWindow>("Theory");
    copyToClipboard();
    EXPECT_TRUE(clipboardContents().startsWith(QStringLiteral("text Data and address bus.")));
    copyToClipboard();
    EXPECT_EQ(clipboardContents(), QStringLiteral("image 300x150"));
    EXPECT_EQ(suite().currentPicture, window->Picture1);
}

TEST_F(CompanionWindowsTest, CopyWithNothingSuitableLeavesTheClipboardEmpty)
{
    QApplication::clipboard()->setText(QStringLiteral("old"));
    suite().copySource = 2;  // the theory window was closed since
    copyToClipboard();
    EXPECT_EQ(clipboardContents(), QStringLiteral("empty"));
    suite().currentWindow = nullptr;
    copyToClipboard();
    EXPECT_EQ(clipboardContents(), QStringLiteral("empty"));
}

int pdfPageCount(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = f.readAll();
    return int(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
}

TEST_F(CompanionWindowsTest, PrintPageMakesOnePageAndClearsTheClipboard)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(file);
    suite().toolbarFlags.calcs = true;
    suite().toolbarFlags.graph = true;
    QImage chart(400, 200, QImage::Format_RGB32);
    chart.fill(Qt::blue);
    QApplication::clipboard()->setImage(chart);

    setPrinterOverride(&pdf);
    printPage();
    setPrinterOverride(nullptr);

    EXPECT_EQ(pdfPageCount(file), 1);
    EXPECT_EQ(clipboardContents(), QStringLiteral("empty"));
    // The graph went through the hidden printing window, which counts itself.
    EXPECT_TRUE(FormRegistry::instance().isLoaded(QStringLiteral("Printing")));
    EXPECT_EQ(suite().openWindowCount, 1);
    if (const QByteArray keep = qgetenv("ORR_KEEP_PRINTED_PAGE"); !keep.isEmpty())
        QFile::copy(file, QString::fromLocal8Bit(keep));
}

TEST_F(CompanionWindowsTest, PrintWithoutAPrinterPrintsNothing)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer is configured here";
    QApplication::clipboard()->setText(QStringLiteral("old"));
    printPage();
    EXPECT_EQ(clipboardContents(), QStringLiteral("empty"));
}

}  // namespace
}  // namespace orr
