// Start-up: registers the font substitutes, builds the main window and runs
// either the event loop or a batch file.
#include "app/startup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "batch/batch_driver.h"
#include "platform/msgbox.h"
#include "platform/title_bar_icons.h"
#include "shell/main_window.h"
#include "shell/settings.h"

namespace orr {

void registerFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
}

int runSuite(int argc, char** argv)
{
    const char* batchFile = nullptr;
    bool benchStartup = false;
    for (int i = 1; i < argc; ++i) {
        if (i + 1 < argc && std::strcmp(argv[i], "--batch") == 0)
            batchFile = argv[i + 1];
        benchStartup = benchStartup || std::strcmp(argv[i], "--bench-startup") == 0;
    }
    if (batchFile && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orrinvale V10"));
    registerFontSubstitutes();
    QApplication::setFont(QFont(QStringLiteral("Verdana"), 8));
    cacheTitleBarIcons();
    useSuiteIcon();

    if (batchFile) {
        setMessageBoxesSilent(true);
        MainWindow::create(true);
        return runBatchFile(QString::fromLocal8Bit(batchFile));
    }
    MainWindow::create(false);
    // --bench-startup: quit as soon as the first show of the main window and
    // the contents has been handled, so start-up can be timed as a whole process.
    // It leaves the learner's settings alone, like the batch mode.
    if (benchStartup) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    } else {
        restoreSettings();
        QObject::connect(&app, &QCoreApplication::aboutToQuit, [] { saveSettings(); });
    }
    return app.exec();
}

}  // namespace orr
