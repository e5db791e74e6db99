// Terminals, rails, node texts and transistor states of the family circuits.
#include "topics/families/family_figures.h"

#include "draw/primitives.h"
#include "draw/symbols.h"
#include "topics/logic/circuit_figures.h"

namespace orr::families {

using logic::label;

void inputTerminal(int x, int y, const QString& name, const QString& level)
{
    circle(-3, x, y, 3, colour::White);
    label(x - 4, y - 20, name, colour::Black, 8, true);
    int w = 0;
    printRightAligned(x - 6, y - 6, level, colour::InputLevel, 8, w);
}

void outputTerminal(int x, int y, const QString& name, const QString& level)
{
    circle(-3, x, y, 3, colour::White);
    label(x + 6, y - 20, name, colour::Black, 8, true);
    label(x + 6, y - 6, level, colour::OutputLevel, 8, true);
}

void rail(int x, int y, int length, const QString& name)
{
    logic::wire(x, y, length, 0, colour::Maroon);
    int w = 0;
    printRightAligned(x - 4, y - 6, name, colour::Maroon, 8, w);
}

void nodeText(int x, int y, const QString& text) { label(x, y, text, colour::Red, 8, true); }

void stateText(int x, int y, bool on)
{
    label(x, y, on ? QStringLiteral("ON") : QStringLiteral("OFF"), stateColour(on), 7, true);
}

void symbolCaption(int x, int y, const QString& text) { label(x, y, text, colour::Title, 7, true); }

void fet(int x, int y, const QString& label, bool on, bool depletion)
{
    circle(-2, x + 13, y + 10, 22, on ? colour::Red : colour::Grey);
    DrawFet(x, y, !depletion, label);
    stateText(x + 36, y + 16, on);
}

}  // namespace orr::families
