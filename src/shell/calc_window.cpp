// CalcForm: the current window's calculation box shown in a window of its own.
#include <QLabel>

#include "shell/companion_windows.h"
#include "state/suite_state.h"

namespace orr {

namespace {
// What the window's frame adds around the calculation box, in twips.
constexpr int kExtraWidth = 350;
constexpr int kExtraHeight = 750;
// Where the image stands in the window, in pixels.
constexpr int kImageMargin = 4;
}  // namespace

CalcWindow::CalcWindow() : Form(QStringLiteral("CalcForm"))
{
    setCaption(QStringLiteral("Calculations."));
    CalcPicture = new QLabel(this);
    CalcPicture->setObjectName(QStringLiteral("CalcPicture"));
    CalcPicture->move(kImageMargin, kImageMargin);
}

void CalcWindow::formLoad() { suite().openWindowCount += 1; }
void CalcWindow::formUnload() { suite().openWindowCount -= 1; }

void CalcWindow::formActivate()
{
    suite().copySource = 1;
    Form* current = suite().currentWindow;
    auto* calcbox = current ? current->findChild<PictureBox*>(QStringLiteral("Calcbox")) : nullptr;
    if (!calcbox)
        return;
    const QImage image = calcbox->image();
    CalcPicture->setPixmap(QPixmap::fromImage(image));
    CalcPicture->resize(image.size());
    setSize(calcbox->width() * kTwipsPerPixel + kExtraWidth, calcbox->height() * kTwipsPerPixel + kExtraHeight);
    centreInMainWindow(this);
}

namespace {
RegisterForm<CalcWindow> reg(QStringLiteral("CalcForm"));
}

}  // namespace orr
