// MDIForm1: start-up, menus, toolbar actions, click, resize and close.
#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include "platform/controls.h"
#include "platform/form.h"
#include "shell/companion_windows.h"
#include "shell/info_texts.h"
#include "shell/output_menus.h"
#include "shell/print_copy.h"
#include "shell/search_steps.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "topics/framework/members.h"

namespace orr {

namespace {
MainWindow* g_main = nullptr;

QIcon toolbarIcon(int button)
{
    // Simple drawn images: a printer, two pages, a note, a calculator, a graph, minus and plus.
    // Drawn three times finer than their 24-pixel size, so they stay sharp on HiDPI screens.
    QPixmap pm(24 * 3, 24 * 3);
    pm.setDevicePixelRatio(3);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 30, 90), 1.5));
    switch (button) {
    case 1:
        p.setBrush(QColor(220, 220, 230));
        p.drawRect(3, 9, 18, 9);
        p.setBrush(Qt::white);
        p.drawRect(7, 3, 10, 6);
        p.drawRect(7, 15, 10, 7);
        break;
    case 2:
        p.setBrush(Qt::white);
        p.drawRect(3, 3, 11, 14);
        p.drawRect(9, 7, 11, 14);
        break;
    case 3:
        p.setBrush(QColor(255, 250, 200));
        p.drawRect(5, 3, 14, 18);
        for (int y = 7; y < 19; y += 3)
            p.drawLine(8, y, 16, y);
        break;
    case 4:
        p.setBrush(QColor(210, 230, 210));
        p.drawRect(5, 2, 14, 20);
        p.drawRect(7, 4, 10, 4);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawRect(7 + c * 4, 10 + r * 4, 2, 2);
        break;
    case 5:
        p.drawLine(4, 20, 20, 20);
        p.drawLine(4, 20, 4, 4);
        p.setPen(QPen(Qt::red, 2));
        p.drawPolyline(QPolygon({QPoint(5, 17), QPoint(9, 10), QPoint(13, 14), QPoint(19, 5)}));
        break;
    case 6:
    case 7:
        p.setPen(QPen(QColor(30, 30, 90), 3));
        p.drawLine(5, 12, 19, 12);
        if (button == 7)
            p.drawLine(12, 5, 12, 19);
        break;
    }
    return QIcon(pm);
}

// How far each cascaded window stands from the one behind it, in pixels.
constexpr int kCascadeStep = 24;

const char* const kToolTips[7] = {"Print.", "Copy graphics or text to clipboard.", "Topic notes.",
                                  "Show calculations.", "Show graph.", "Scale Down", "Scale Up"};

void showTheoryPage(const InfoPage& page)
{
    suite().theoryCaption = page.caption;
    suite().theory = page.paragraphs;
    if (Form* t = form(QStringLiteral("Theory"))) {
        t->setCaption(page.caption);
        t->bringToFront();
    }
    showTheoryWindow();
}

void unloadIfLoaded(const char* name) { FormRegistry::instance().unload(QLatin1String(name)); }
void hideIfLoaded(const char* name)
{
    if (Form* f = FormRegistry::instance().loadedForm(QLatin1String(name)))
        f->hideForm();
}
}  // namespace

MainWindow* MainWindow::instance() { return g_main; }

MainWindow* MainWindow::create(bool batchMode)
{
    auto* w = new MainWindow(batchMode);
    g_main = w;
    w->MDIForm_Load();
    return w;
}

MainWindow::MainWindow(bool batchMode) : batch_(batchMode)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Orrinvale V10 Sponsor"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("MDIClient"));
    area_->setBackground(QColor(128, 128, 128));
    area_->viewport()->installEventFilter(this);
    setCentralWidget(area_);
    FormRegistry::instance().setMdiArea(area_);
    buildMenus();
    buildToolbar();
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        static QPointer<QMdiSubWindow> previous;
        if (previous && previous != sub)
            if (auto* f = qobject_cast<Form*>(previous->widget()); f && f->isLoaded())
                f->formDeactivate();
        previous = sub;
        if (sub)
            if (auto* f = qobject_cast<Form*>(sub->widget()); f && f->isLoaded())
                f->formActivate();
        rebuildWindowList();
    });
}

int MainWindow::widthTwips() const { return pixelsToTwips(width()); }
int MainWindow::heightTwips() const { return pixelsToTwips(height()); }

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* editors = bar->addMenu(QStringLiteral("Editors and Programming"));
    editors->setObjectName(QStringLiteral("EditorsMenu"));
    const char* editorItems[] = {"Equation Editor", "-", "Graph Editor", "-", "Statistics Editor", "-",
                                 "Logic Editor", "-", "BASIC Programming"};
    for (int i = 0; i < 9; ++i) {
        if (QLatin1String(editorItems[i]) == QLatin1String("-")) {
            editors->addSeparator();
            continue;
        }
        QAction* a = editors->addAction(QLatin1String(editorItems[i]));
        a->setObjectName(controlName(QStringLiteral("editor"), i));
        connect(a, &QAction::triggered, this, [this, i] { editor_Click(i); });
    }
    QAction* toolbox = bar->addAction(QStringLiteral("Toolbox"));
    toolbox->setObjectName(QStringLiteral("ToolboxMenu"));
    QAction* contents = bar->addAction(QStringLiteral("Contents"));
    contents->setObjectName(QStringLiteral("ContentsMenu"));
    connect(contents, &QAction::triggered, this, [this] { ContentsMenu_Click(); });

    winMenu_ = bar->addMenu(QStringLiteral("Window"));
    winMenu_->setObjectName(QStringLiteral("WinMenu"));
    auto addWin = [this](int index, const char* caption) {
        if (QLatin1String(caption) == QLatin1String("-")) {
            winMenu_->addSeparator();
            return;
        }
        QAction* a = winMenu_->addAction(QLatin1String(caption));
        a->setObjectName(controlName(QStringLiteral("CasWindows"), index));
        connect(a, &QAction::triggered, this, [this, index] { CasWindows_Click(index); });
    };
    addWin(2, "Cascade Windows");
    addWin(3, "-");
    addWin(4, "About Orrinvale V10 : FREE Download");
    addWin(5, "-");
    QMenu* info = winMenu_->addMenu(QStringLiteral("Additional Information"));
    info->setObjectName(QStringLiteral("CasWindows(9)"));
    const std::pair<int, const char*> infoItems[] = {
        {2, "Selecting Topics"}, {3, "Open Window List"}, {4, "Changing Values"},
        {5, "Output Results"},   {7, "Closing Windows"},  {8, "Printing"},
        {11, "Display and Whiteboard Settings"}, {12, "Overseas Users"}, {13, "Disclaimer"}};
    for (const auto& [index, caption] : infoItems) {
        QAction* a = info->addAction(QLatin1String(caption));
        a->setObjectName(controlName(QStringLiteral("InfoSubMenu"), index));
        connect(a, &QAction::triggered, this, [this, index] { InfoSubMenu_Click(index); });
    }
    addWin(10, "-");
    addWin(11, "Acknowledgement");
    winMenu_->addSeparator();
    connect(winMenu_, &QMenu::aboutToShow, this, [this] { rebuildWindowList(); });

    QAction* back = bar->addAction(QStringLiteral("<"));
    back->setObjectName(QStringLiteral("SearchBack"));
    connect(back, &QAction::triggered, this, [] { searchBack(); });
    QAction* fwd = bar->addAction(QStringLiteral("Search   >"));
    fwd->setObjectName(QStringLiteral("SearchForward"));
    connect(fwd, &QAction::triggered, this, [] { searchForward(); });
    addOutputMenus(this, bar);
}

void MainWindow::rebuildWindowList()
{
    // The window list at the bottom of the Window menu: one checkable item per open child window.
    for (QAction* a : windowListActions_) {
        winMenu_->removeAction(a);
        a->deleteLater();
    }
    windowListActions_.clear();
    int n = 0;
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (!sub->isVisible())
            continue;
        QAction* a = winMenu_->addAction(QStringLiteral("&%1 %2").arg(++n).arg(sub->windowTitle()));
        a->setCheckable(true);
        a->setChecked(sub == area_->activeSubWindow());
        // The item may outlive its window until the list is rebuilt.
        connect(a, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(sub)] {
            if (window)
                area_->setActiveSubWindow(window);
        });
        windowListActions_.push_back(a);
    }
}

void MainWindow::buildToolbar()
{
    toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));
    for (int b = 1; b <= 7; ++b) {
        QAction* a = toolbar_->addAction(toolbarIcon(b), QLatin1String(kToolTips[b - 1]));
        a->setToolTip(QLatin1String(kToolTips[b - 1]));
        a->setObjectName(QStringLiteral("Button%1").arg(b));
        connect(a, &QAction::triggered, this, [this, b] { Toolbar1_ButtonClick(b); });
        buttons_[b - 1] = a;
    }
}

QAction* MainWindow::menuItem(const QStringList& path) const
{
    QList<QAction*> actions = menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& caption : path) {
        found = nullptr;
        for (QAction* a : actions) {
            QString text = a->text();
            text.remove(QLatin1Char('&'));
            if (text.compare(caption, Qt::CaseInsensitive) == 0) {
                found = a;
                break;
            }
        }
        if (!found)
            return nullptr;
        actions = found->menu() ? found->menu()->actions() : QList<QAction*>();
    }
    return found;
}

void MainWindow::MDIForm_Load()
{
    SuiteState& s = suite();
    s.applicationTitle = QStringLiteral("Orrinvale V10");
    s.drawingScale = 1.0f;
    setWindowTitle(s.applicationTitle + QStringLiteral(" : FREE download software."));
    LoadContentsList();
    s.paragraphBreak = QStringLiteral("\n\n");
    s.openWindowCount = 3;
    for (int b = 1; b <= 7; ++b)
        setToolbarButtonVisible(b, false);
    if (batch_) {
        resize(1600, 1200);
        show();
    } else {
        showMaximized();
    }
    if (Form* sponsor = form(QStringLiteral("Sponsor"))) {
        placeSponsorWindow();  // sized before it shows, so its page is laid out once
        sponsor->showForm();
        sponsor->bringToFront();
    }
    if (Form* c = FormRegistry::instance().loadedForm(QStringLiteral("ComputingTreeIndex")))
        c->bringToFront();
    if (Form* notice = form(QStringLiteral("Copy_right"))) {
        notice->showForm();
        notice->centreInMdiArea();
        notice->bringToFront();
    }
    // A window manager settles the maximised size a moment after showing; those
    // resizes are not the learner's and must not close the start-up notice.
    QTimer::singleShot(batch_ ? 0 : 1500, this, [this] { settled_ = true; });
}

void MainWindow::LoadContentsList()
{
    if (Form* c = form(QStringLiteral("ComputingTreeIndex"))) {
        c->showForm();
        c->bringToFront();
        c->setCaption(QStringLiteral("Contents : ") + suite().applicationTitle);
    }
}

void MainWindow::editor_Click(int index)
{
    static const char* const names[] = {"EquationEditor", nullptr, "GraphEditor", nullptr, "StatsEditor",
                                        nullptr, "LogicEditor", nullptr, "Programming"};
    if (index < 0 || index > 8 || !names[index])
        return;
    if (Form* f = form(QLatin1String(names[index]))) {
        f->showForm();
        f->bringToFront();
    }
    placeSponsorWindow();
}

void MainWindow::ContentsMenu_Click()
{
    if (Form* c = form(QStringLiteral("ComputingTreeIndex"))) {
        c->showForm();
        c->bringToFront();
    }
    placeSponsorWindow();
}

void MainWindow::CasWindows_Click(int index)
{
    switch (index) {
    case 2:
        cascadeWindows();
        break;
    case 4:
        if (Form* notice = form(QStringLiteral("Copy_right"))) {
            notice->showForm();
            notice->centreInMdiArea();
            notice->bringToFront();
            // Opened from the menu the notice stays until the learner closes it.
            if (auto* t = notice->findChild<QTimer*>(QStringLiteral("Timer1")))
                t->stop();
        }
        break;
    case 11:
        showTheoryPage(acknowledgementPage());
        break;
    default:
        break;
    }
}

void MainWindow::cascadeWindows()
{
    // Each window steps one title bar down and right of the one behind it and
    // keeps its size: a topic is laid out for its size, and QMdiArea's own
    // cascade shrinks windows to fit the area.
    const auto subs = area_->subWindowList(QMdiArea::StackingOrder);
    QMdiSubWindow* active = area_->activeSubWindow();
    int step = 0;
    for (QMdiSubWindow* sub : subs) {
        if (!sub->isVisible())
            continue;
        const int offset = kCascadeStep * step++;
        sub->move(offset, offset);
        sub->raise();
    }
    if (active)
        active->raise();
}

void MainWindow::InfoSubMenu_Click(int index)
{
    suite().theory = {};
    InfoPage page = infoPage(index);
    if (page.caption.isEmpty())
        return;
    showTheoryPage(page);
}

void MainWindow::unloadCompanions(bool includingValueEntry)
{
    if (includingValueEntry)
        unloadIfLoaded("InputForm");
    unloadIfLoaded("Copy_right");
    unloadIfLoaded("Theory");
    unloadIfLoaded("CalcForm");
    hideIfLoaded("Plotform");
    unloadIfLoaded("SubText");
}

void MainWindow::MDIForm_Click() { unloadCompanions(false); }

void MainWindow::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    if (settled_)
        unloadCompanions(true);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == area_->viewport() && event->type() == QEvent::MouseButtonPress)
        MDIForm_Click();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    for (const char* name : {"CalcForm", "Copy_right", "SubText", "Plotform", "InputForm", "Theory", "SubText"})
        unloadIfLoaded(name);
    FormRegistry::instance().unloadAll();
    e->accept();
    QApplication::quit();
}

}  // namespace orr
