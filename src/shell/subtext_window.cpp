// SubText: a short explanation a topic pops up, sized and centred as the
// theory window is.
#include "shell/companion_windows.h"
#include "state/suite_state.h"

namespace orr {

SubTextWindow::SubTextWindow() : TextWindow(QStringLiteral("SubText"), QStringLiteral("SubTextLabel"))
{
    SubTextLabel = label();
}

void SubTextWindow::formActivate()
{
    suite().copySource = 4;
    arrange();
}

void showSubText(const QString& caption, const QString& text)
{
    auto* w = formAs<SubTextWindow>(QStringLiteral("SubText"));
    if (!w)
        return;
    w->SubTextLabel->setCaption(text);
    w->setCaption(caption);
    // Already the active window, it is not activated again: only its size follows the new text.
    const bool active = isActiveChild(w);
    w->showForm();
    w->bringToFront();
    if (active)
        w->arrange();
}

namespace {
RegisterForm<SubTextWindow> reg(QStringLiteral("SubText"));
}

}  // namespace orr
