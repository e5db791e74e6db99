// The texts of the Window menu's information items.
#pragma once

#include <QString>
#include <array>

namespace orr {

struct InfoPage {
    QString caption;
    std::array<QString, 4> paragraphs;
};

// The "Additional Information" page for a submenu index; an empty caption
// for an index that has no page.
InfoPage infoPage(int index);
InfoPage acknowledgementPage();

}  // namespace orr
