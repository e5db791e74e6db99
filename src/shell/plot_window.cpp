// Plotform: the graph window, showing the current chart at a fixed size; the
// toolbar's Show graph opens it, and Copy takes its chart.
#include "platform/chart.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "shell/chart_procedure.h"
#include "shell/chart_source.h"
#include "shell/companion_windows.h"
#include "shell/main_window.h"
#include "state/suite_state.h"

namespace orr {

namespace {

// The window's design size in twips, and the narrower width for a main
// window too small to hold it.
constexpr int kWideWidth = 9310;
constexpr int kNarrowWidth = 7990;
constexpr int kHeight = 6450;
// What the window frame takes from the design size, in pixels.
constexpr int kFrameWidth = 12;
constexpr int kFrameHeight = 36;

class PlotWindow : public Form, public ChartSource {
public:
    PlotWindow() : Form(QStringLiteral("Plotform"))
    {
        setCaption(QStringLiteral("Graph."));
        Picture1 = new PictureBox(this, QStringLiteral("Picture1"));
        Picture2 = new PictureBox(this, QStringLiteral("Picture2"));
        Picture2->hide();
        MSChart1 = new ChartControl(Picture1, QStringLiteral("MSChart1"));
    }

    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    ChartControl* MSChart1 = nullptr;

    void formLoad() override { suite().openWindowCount += 1; }
    void formUnload() override { suite().openWindowCount -= 1; }

    void formActivate() override
    {
        suite().copySource = 3;
        const MainWindow* m = MainWindow::instance();
        const int width = m && m->widthTwips() < kWideWidth + 600 ? kNarrowWidth : kWideWidth;
        setSize(width, kHeight);
        const int w = std::max(50, twipsToPixels(width) - kFrameWidth);
        const int h = std::max(50, twipsToPixels(kHeight) - kFrameHeight);
        Picture1->setGeometry(0, 0, w, h);
        Picture1->setScaleWidth(w);
        Picture1->setScaleHeight(h);
        Picture2->setGeometry(0, 0, w, h);
        MSChart1->setGeometry(0, 0, w, h);
        MSChart1->setState(currentChart());
        centreInMainWindow(this);
    }

    bool showsChart() const override { return MSChart1->state().rows > 0; }
    void copyChartToClipboard() override { MSChart1->editCopy(); }
};

RegisterForm<PlotWindow> reg(QStringLiteral("Plotform"));

}  // namespace

}  // namespace orr
