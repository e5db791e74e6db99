// Late-bound calls of a window's public members.
#include "topics/framework/members.h"

#include "platform/form.h"

namespace orr {

bool callByName(Form* window, const QString& member)
{
    auto* m = dynamic_cast<WindowMembers*>(window);
    if (!m || !window->isLoaded())
        return false;
    if (member == QLatin1String("Proc_1"))
        m->Proc_1();
    else if (member == QLatin1String("results"))
        m->results();
    else if (member == QLatin1String("TheoryButton"))
        m->TheoryButton();
    else
        return false;
    return true;
}

}  // namespace orr
