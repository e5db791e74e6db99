// Printing: a window that is never shown. Print page holds the graph picture
// in its Picture1 on the way to the printer.
#include "shell/companion_windows.h"
#include "state/suite_state.h"

namespace orr {

PrintingWindow::PrintingWindow() : Form(QStringLiteral("Printing"))
{
    Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
}

void PrintingWindow::formLoad() { suite().openWindowCount += 1; }
void PrintingWindow::formUnload() { suite().openWindowCount -= 1; }

namespace {
RegisterForm<PrintingWindow> reg(QStringLiteral("Printing"));
}

}  // namespace orr
