// Click items: hit testing and showing an item's explanation in the sub-text window.
#include "topics/framework/click_items.h"

#include "platform/form.h"
#include "shell/companion_windows.h"
#include "state/suite_state.h"

namespace orr {

bool clickItemHit(const ClickItem& item, double mouseX, double mouseY, int textOffset, double scale)
{
    return item.x <= mouseX && mouseX < item.x + item.w + textOffset && item.y * scale <= mouseY &&
           mouseY < (item.y + item.h) * scale;
}

QString clickItemText(const ClickItem& item)
{
    return item.caption.toUpper() + QStringLiteral("  ") + item.paragraph1 + suite().paragraphBreak +
           item.paragraph2;
}

int pressClickItems(const ClickItems& items, double mouseX, double mouseY, const QString& windowCaption)
{
    SuiteState& s = suite();
    if (Form* sub = FormRegistry::instance().loadedForm(QStringLiteral("SubText")))
        sub->hideForm();
    s.drawingScale = 1.28f;
    for (int i = 0; i < int(items.size()); ++i) {
        if (!clickItemHit(items[i], mouseX, mouseY, s.textOffset, s.drawingScale))
            continue;
        showSubText(windowCaption, clickItemText(items[i]));
        return i;
    }
    return -1;
}

}  // namespace orr
