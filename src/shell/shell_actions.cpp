// Toolbar visibility rules and the sponsor window's placement.
#include "shell/shell_actions.h"

#include <QAction>

#include "platform/form.h"
#include "shell/main_window.h"
#include "state/suite_state.h"

namespace orr {

void setToolbarButtonVisible(int button, bool visible)
{
    if (MainWindow* m = MainWindow::instance(); m && button >= 1 && button <= 7)
        m->toolbarButton(button)->setVisible(visible);
}

bool toolbarButtonVisible(int button)
{
    MainWindow* m = MainWindow::instance();
    return m && button >= 1 && button <= 7 && m->toolbarButton(button)->isVisible();
}

void hideAllToolbarButtons()
{
    suite().drawingScale = 1.0f;
    for (int b = 1; b <= 7; ++b)
        setToolbarButtonVisible(b, false);
}

void toolbarHideCheck()
{
    if (FormRegistry::instance().loadedCount() <= suite().openWindowCount)
        for (int b = 1; b <= 7; ++b)
            setToolbarButtonVisible(b, false);
}

bool isToolWindow()
{
    Form* w = suite().currentWindow;
    if (!w)
        return false;
    static const char* const tools[] = {"Plotform", "Programming", "GraphEditor", "StatsEditor", "LogicEditor",
                                        "EquationEditor"};
    bool match = false;
    for (const char* t : tools)
        if (w->name() == QLatin1String(t)) {
            toolbarHideCheck();
            match = true;
        }
    return match;
}

void placeSponsorWindow()
{
    MainWindow* m = MainWindow::instance();
    Form* sponsor = FormRegistry::instance().loadedForm(QStringLiteral("Sponsor"));
    if (!m || !sponsor)
        return;
    sponsor->setLeft(-60);
    sponsor->setTop(-60);
    sponsor->setSize(m->widthTwips() - 100, m->heightTwips() - 1200);
}

}  // namespace orr
