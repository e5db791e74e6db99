// Keyboard shortcuts: each key belongs to exactly one action, the action is
// the menu item that shows it, and pressing it does what the item does.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>
#include <functional>

#include "platform/dialog_answers.h"
#include "shell/print_copy.h"
#include "suite_fixture.h"

namespace orr {
namespace {

// The one action of the main window that answers `key`; null when none or several do.
QAction* actionFor(const QKeySequence& key)
{
    QAction* found = nullptr;
    for (QAction* a : test::mainWindow()->findChildren<QAction*>())
        if (a->shortcuts().contains(key)) {
            if (found && found != a)
                return nullptr;
            found = a;
        }
    return found;
}

TEST(Shortcuts, EachKeyRunsItsMenuItem)
{
    MainWindow* main = test::mainWindow();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    const QString png = dir.filePath(QStringLiteral("picture.png"));
    auto gates = [] { return test::openTopic<TopicForm>(QStringLiteral("LogicGates2"), 0); };
    auto heading = [] {
        auto* t = dynamic_cast<TopicForm*>(suite().currentWindow.data());
        return t && !t->Picture1->printedTexts().empty() ? t->Picture1->printedTexts().front().text : QString();
    };

    const struct {
        QKeySequence key;
        QStringList menu;
        std::function<void()> before;
        std::function<bool()> done;
    } table[] = {
        // Scale Up starts from the design size, whatever earlier tests left.
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), {"View", "Scale Up"},
         [main, gates] {
             gates();
             main->Toolbar1_ButtonClick(6);
         },
         [] { return suite().zoomLevel == 2; }},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), {"View", "Scale Down"}, {}, [] { return suite().zoomLevel == 0; }},
        {QKeySequence(Qt::Key_F1), {"View", "Topic Notes"}, {},
         [] { return FormRegistry::instance().loadedForm(QStringLiteral("Theory")) != nullptr; }},
        // The notes window was the last companion active: the picture is the copy source again.
        {QKeySequence(Qt::CTRL | Qt::Key_C), {"File", "Copy"}, [gates] { gates(); suite().copySource = 0; },
         [heading] {
             const QMimeData* data = QApplication::clipboard()->mimeData();
             // The image, and as text the picture's heading and the first theory paragraph.
             return data && data->hasImage() && !suite().theory[0].isEmpty() && !heading().isEmpty() &&
                    data->text().startsWith(heading()) &&
                    data->text().contains(suite().theory[0]);
         }},
        {QKeySequence(Qt::CTRL | Qt::Key_S), {"File", "Save Picture As…"}, [png] { pushDialogAnswer(png); },
         [png] { return QFile::exists(png); }},
        {QKeySequence(Qt::CTRL | Qt::Key_P), {"File", "Print…"}, {}, [pdf] { return QFile::exists(pdf); }},
        {QKeySequence(Qt::ALT | Qt::Key_Right), {"View", "Search Forward"}, [] { suite().contentsPosition = 116; },
         [] { return suite().contentsPosition == 117; }},
        {QKeySequence(Qt::ALT | Qt::Key_Left), {"View", "Search Back"}, {},
         [] { return suite().contentsPosition == 116; }},
        {QKeySequence(Qt::CTRL | Qt::Key_F), {"View", "Find in Contents"}, {},
         [] {
             Form* c = FormRegistry::instance().loadedForm(QStringLiteral("ComputingTreeIndex"));
             return c && c->isShown();
         }},
        {QKeySequence(Qt::CTRL | Qt::Key_W), {"File", "Close Window"}, gates,
         [] { return !FormRegistry::instance().isLoaded(QStringLiteral("LogicGates2")); }},
    };

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    setPrinterOverride(&printer);
    for (const auto& row : table) {
        SCOPED_TRACE(row.key.toString().toStdString());
        QAction* item = main->menuItem(row.menu);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(actionFor(row.key), item);
        if (row.before)
            row.before();
        item->trigger();
        EXPECT_TRUE(row.done());
    }
    setPrinterOverride(nullptr);
}

}  // namespace
}  // namespace orr
