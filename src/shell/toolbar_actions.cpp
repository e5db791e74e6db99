// The seven toolbar actions: print, copy, notes, calculations, graph, scale down, scale up.
#include <algorithm>
#include <exception>

#include "draw/primitives.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "shell/companion_windows.h"
#include "shell/main_window.h"
#include "shell/print_copy.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "topics/framework/members.h"
#include "topics/framework/topic_form.h"

namespace orr {

namespace {
// The design size of a topic window, in twips: what its layout is made for.
constexpr int kDesignWidth = 10875;
constexpr int kDesignHeight = 8055;

template <class F> void step(F&& f)
{
    try {
        f();
    } catch (...) {
    }
}

void bringLoadedToFront(const char* name)
{
    if (Form* f = FormRegistry::instance().loadedForm(QLatin1String(name)))
        f->bringToFront();
}

void showForm(const char* name)
{
    if (Form* f = form(QLatin1String(name))) {
        f->showForm();
        f->bringToFront();
    }
}

}  // namespace

void atDesignSize(Form* w, const std::function<void()>& action)
{
    SuiteState& s = suite();
    BusyCursor busy;
    const float zoom = s.zoomLevel;
    step([&] { w->setSize(kDesignWidth, kDesignHeight); });
    s.zoomLevel = 0;
    step([&] { callByName(w, QStringLiteral("results")); });
    step(action);
    s.zoomLevel = zoom;
    step([&] { w->setSize(s.savedWidth, s.savedHeight); });
    step([&] { callByName(w, QStringLiteral("results")); });
}

void MainWindow::Toolbar1_ButtonClick(int button)
{
    SuiteState& s = suite();
    Form* w = s.currentWindow;
    step([&] {
        if (w)
            if (Form* calc = form(QStringLiteral("CalcForm")))
                calc->setCaption(w->caption());
    });
    step([&] { callByName(w, QStringLiteral("TheoryButton")); });
    if (!w)
        return;

    // Every topic opened later gets the saved size, so it never falls below the
    // design size (a window shrunk by hand would make every later one a stub).
    auto saveSize = [&] {
        s.savedWidth = std::max(w->width(), kDesignWidth);
        s.savedHeight = std::max(w->height(), kDesignHeight);
    };
    switch (button) {
    case 1:
        atDesignSize(w, [] { printPage(); });
        break;
    case 2:
        atDesignSize(w, [] {
            int width = 0;
            printAt(620, 1, makersNotice(), 0, 7, width);
            copyToClipboard();
        });
        break;
    case 3:
        bringLoadedToFront("Theory");
        bringLoadedToFront("CalcForm");
        showTheoryWindow();
        break;
    case 4:
        bringLoadedToFront("Theory");
        showForm("CalcForm");
        break;
    case 5:
        bringLoadedToFront("Theory");
        bringLoadedToFront("CalcForm");
        showForm("Plotform");
        break;
    case 6:
        if (isToolWindow())
            return;
        step([&] { w->setSize(kDesignWidth, kDesignHeight); });
        s.zoomLevel = 0;
        saveSize();
        if (auto* t = dynamic_cast<TopicForm*>(w)) {
            t->Calcbox->resize(t->Calcbox->width(), 346);
            t->Calcbox->setScaleHeight(346);
            t->Calcbox->setScaleWidth(417);
        }
        step([&] { callByName(w, QStringLiteral("results")); });
        return;
    case 7:
        if (heightTwips() * 0.75 < w->height())
            return;
        step([&] { w->setSize(int(w->width() * 1.2), int(w->height() * 1.18)); });
        s.zoomLevel += 1;
        if (s.zoomLevel == 1)
            s.zoomLevel = 2;
        step([&] {
            w->setLeft(0);
            w->setTop(0);
        });
        step([&] { callByName(w, QStringLiteral("results")); });
        break;
    default:
        return;
    }
    saveSize();
}

}  // namespace orr
