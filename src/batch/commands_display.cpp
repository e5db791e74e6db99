// The batch driver's display commands: where a control sits and how finely
// the screen draws, so a run on a real display can be checked pixel by pixel.
#include <QWidget>

#include "batch/batch_command.h"
#include "batch/batch_driver.h"
#include "shell/main_window.h"

namespace orr {

namespace {

// `geometry NAME`: the control's left, top, width and height in the main
// window's logical pixels (a grab of the main window is these times
// `pixelratio`). NAME is a control of the active window, or MDIForm1 itself.
BatchCommand cmdGeometry(QStringLiteral("geometry"), [](BatchContext& c, const QString& a) {
    MainWindow* main = MainWindow::instance();
    QWidget* w = main->objectName().compare(a.trimmed(), Qt::CaseInsensitive) == 0 ? main
                                                                                   : batchFindControl(a.trimmed());
    if (!w)
        throw BatchError(QStringLiteral("no control '%1' in the active window").arg(a.trimmed()));
    const QPoint topLeft = w == main ? QPoint(0, 0) : w->mapTo(main, QPoint(0, 0));
    c.out << topLeft.x() << ' ' << topLeft.y() << ' ' << w->width() << ' ' << w->height() << '\n';
});

// `pixelratio`: device pixels per logical pixel of the main window's screen.
BatchCommand cmdPixelRatio(QStringLiteral("pixelratio"), [](BatchContext& c, const QString&) {
    c.out << MainWindow::instance()->devicePixelRatioF() << '\n';
});

}  // namespace
}  // namespace orr
