// The texts of the computer-systems and system-development topics: the two
// explanation paragraphs of every unit that can be clicked, and the notes.
#pragma once

#include <QString>
#include <array>

#include "topics/framework/click_items.h"

namespace orr {

// A click item for a unit of these diagrams, its explanation found by its caption.
ClickItem systemsItem(const QString& caption, double x, double y, double w, double h);
void computerSystemsTheory(int e, std::array<QString, 4>& p);
void systemDevelopmentTheory(int e, std::array<QString, 4>& p);

// The stages of the system life cycle, in order, with a line describing each.
QString lifeCycleStage(int stage);
QString lifeCycleDescription(int stage);

}  // namespace orr
