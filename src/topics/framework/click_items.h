// Click items: labelled areas of a diagram that explain themselves. A press on
// a topic's picture tests the current example's items in turn and shows the
// first one hit in the sub-text window, caption in capitals followed by its
// two explanation paragraphs.
#pragma once

#include <QString>
#include <vector>

namespace orr {

struct ClickItem {
    QString caption;
    QString paragraph1;
    QString paragraph2;
    // The area in picture units: left, top, width, height (y before scaling).
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
};

using ClickItems = std::vector<ClickItem>;

// Whether a press at (mouseX, mouseY), in picture units, hits the item:
// x <= mouseX < x + w + textOffset and y * scale <= mouseY < (y + h) * scale.
bool clickItemHit(const ClickItem& item, double mouseX, double mouseY, int textOffset, double scale);

// The sub-text of an item: the caption in capitals, two blanks, paragraph 1,
// the paragraph break and paragraph 2.
QString clickItemText(const ClickItem& item);

// The whole press handler: hides the sub-text window, sets the drawing scale
// to 1.28 and tests the items in turn; the first hit is shown in the sub-text
// window under windowCaption. Returns the index of the item shown, or -1.
int pressClickItems(const ClickItems& items, double mouseX, double mouseY, const QString& windowCaption);

}  // namespace orr
