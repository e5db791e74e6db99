// Figure pieces the logic family and interfacing circuits share: terminals
// with their level labels, supply rails, node texts and transistor states.
#pragma once

#include <QString>

#include "draw/palette.h"

namespace orr::families {

// An input terminal at (x, y) with its name above and its level beside it.
void inputTerminal(int x, int y, const QString& name, const QString& level);
// An output terminal at (x, y) with its name and level to the right.
void outputTerminal(int x, int y, const QString& name, const QString& level);
// A supply rail from (x, y) over length, with its name at its left end.
void rail(int x, int y, int length, const QString& name);
// A node text in the output-level colour.
void nodeText(int x, int y, const QString& text);
// "ON" in red or "OFF" in grey.
void stateText(int x, int y, bool on);
inline long stateColour(bool on) { return on ? colour::Red : colour::Grey; }
// A gate symbol's caption under it.
void symbolCaption(int x, int y, const QString& text);
// A field-effect transistor whose envelope shows whether it conducts.
void fet(int x, int y, const QString& label, bool on, bool depletion = false);

}  // namespace orr::families
