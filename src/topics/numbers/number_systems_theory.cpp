// The theory paragraphs of the NumberSystems examples.
#include "topics/numbers/number_systems.h"

namespace orr {

void numberSystemsTheory(int e, std::array<QString, 4>& p)
{
    Q_UNUSED(e)
    for (QString& s : p)
        s.clear();
}

}  // namespace orr
