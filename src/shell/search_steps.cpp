// Search back and forward through the contents positions.
#include "shell/search_steps.h"

#include "platform/form.h"
#include "shell/contents_window.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "topics/framework/members.h"

namespace orr {

namespace {

ComputingTreeIndex* contentsWindow()
{
    return formAs<ComputingTreeIndex>(QStringLiteral("ComputingTreeIndex"));
}

}  // namespace

void searchForward()
{
    ComputingTreeIndex* index = contentsWindow();
    if (!index)
        return;
    auto& s = suite();
    bool skip = false;
    bool enable = true;
    do {
        skip = false;
        s.contentsPosition += 1;
        if (s.contentsPosition > s.indexLast)
            s.contentsPosition = s.indexFirst;
        index->Contents(s.contentsPosition, skip, enable);
    } while (skip);
    // The current window is none when the position's topic is not in this build.
    if (Form* window = s.currentWindow) {
        window->bringToFront();
        callByName(window, QStringLiteral("Proc_1"));
    }
    placeSponsorWindow();
}

void searchBack()
{
    ComputingTreeIndex* index = contentsWindow();
    if (!index)
        return;
    auto& s = suite();
    bool skip = false;
    bool enable = true;
    for (;;) {
        s.contentsPosition -= 1;
        if (s.contentsPosition < s.indexFirst)
            searchForward();
        index->Contents(s.contentsPosition, skip, enable);
        if (!skip)
            break;
        skip = false;
        // Crossing a heading leaves the topic behind; the hardware topic stays open.
        Form* leaving = s.currentWindow;
        if (leaving && leaving->name() != QLatin1String("ComputerHardware"))
            FormRegistry::instance().unload(leaving);
    }
    if (Form* window = s.currentWindow) {
        window->setLeft(0);
        window->setTop(0);
        window->bringToFront();
        callByName(window, QStringLiteral("Proc_1"));
    }
    placeSponsorWindow();
}

}  // namespace orr
