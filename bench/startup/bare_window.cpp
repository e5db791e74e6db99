// The yardstick for start-up: a bare Qt main window with an MDI area, shown
// maximised the way the suite's main window is, quitting once the first show
// has been handled. bench/compare_startup.sh times it against the suite.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea(&window));
    window.showMaximized();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
