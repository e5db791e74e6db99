// A walk over the whole suite as a curious learner would take it: every
// contents position opened in turn, every visible selector and trigger
// clicked (a value-entry dialog that opens is cancelled), the picture saved,
// the window closed. Nothing may fail, hang or leave a window behind; under
// the sanitizer build this also proves the walk free of memory faults.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "batch/batch_driver.h"
#include "platform/picture.h"
#include "suite_fixture.h"

namespace orr {
namespace {

// Runs one batch command and fails the test with the driver's reason if it cannot run.
void run(const QString& command, const QString& where)
{
    QString out, errors;
    EXPECT_EQ(runBatchText(command, out, errors), 0) << where.toStdString() << ": " << command.toStdString()
                                                     << " -> " << errors.toStdString();
}

bool dialogOpen() { return batchActiveWindow() && batchActiveWindow() != suite().currentWindow; }

// The selectors and triggers the learner sees on the window, in order.
QStringList visibleButtons(Form* window)
{
    QStringList names;
    for (const char* kind : {"SelectButton", "Trigger"})
        for (int i = 0; i < 16; ++i) {
            const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(kind)).arg(i);
            QWidget* c = window->findChild<QWidget*>(name);
            if (c && c->isVisibleTo(c->window()) && c->isEnabled())
                names << name;
        }
    return names;
}

TEST(ContentsWalk, EveryPositionOpensTakesEveryClickAndCloses)
{
    test::mainWindow();
    QTemporaryDir pictures;
    ASSERT_TRUE(pictures.isValid());
    int windowsOpened = 0, clicks = 0;
    for (int position = 3; position <= 270; ++position) {
        const QString where = QStringLiteral("position %1").arg(position);
        run(QStringLiteral("open %1").arg(position), where);
        Form* window = suite().currentWindow;
        if (!window)
            continue;  // a heading: nothing opens
        ++windowsOpened;
        const QString name = window->name();
        for (const QString& button : visibleButtons(window)) {
            QWidget* c = window->findChild<QWidget*>(button);
            if (!c || !c->isVisibleTo(c->window()) || !c->isEnabled())
                continue;  // an earlier click hid or disabled it
            run(QStringLiteral("click ") + button, where + QLatin1Char(' ') + name);
            ++clicks;
            if (dialogOpen())
                run(QStringLiteral("click Cancel"), where + QLatin1String(" dialog of ") + button);
            EXPECT_FALSE(dialogOpen()) << where.toStdString() << " " << button.toStdString();
            if (suite().currentWindow != window)
                break;  // the click moved on to another window
        }
        if (suite().currentWindow == window && window->findChild<PictureBox*>(QStringLiteral("Picture1")))
            run(QStringLiteral("save ") + pictures.filePath(QStringLiteral("%1.png").arg(position)), where);
        if (FormRegistry::instance().isLoaded(name)) {
            window->frameWidget()->close();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_FALSE(FormRegistry::instance().isLoaded(name)) << where.toStdString() << " " << name.toStdString();
    }
    EXPECT_GT(windowsOpened, 0);
    EXPECT_GT(clicks, windowsOpened);
    EXPECT_FALSE(QDir(pictures.path()).isEmpty());
}

}  // namespace
}  // namespace orr
