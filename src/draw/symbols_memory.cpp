// Memory-cell symbols: the multi-emitter transistor of bipolar memory cells
// and TTL inputs.
#include "draw/primitives.h"
#include "draw/symbol_parts.h"
#include "draw/symbols.h"

namespace orr {

using namespace parts;

void DrawMultiEmitterTransistor(int x, int y, const QString& label)
{
    circle(-3, x + 60, y, 30, 14);
    draw(x, y, QStringLiteral("c0 r50 M+19,-19 U20"));
    box(x, y, 50, -12, 5, 24, 0);
    // Two emitters leave the base bar side by side and run down in parallel.
    line(x, y, 55, 3, 8, 17);
    line(x, y, 63, 20, 0, 21);
    line(x, y, 55, 8, 28, 12);
    line(x, y, 83, 20, 0, 21);
    arrowTowards(x + 55, y + 3, x + 63, y + 20, 8);
    arrowTowards(x + 55, y + 8, x + 83, y + 20, 8);
    text(x + 6, y - 17, QStringLiteral("b"));
    text(x + 74, y - 40, QStringLiteral("c"));
    text(x + 94, y - 6, label);
}

}  // namespace orr
