// Theory paragraphs of the window's examples.
#include "topics/sequential/sequential_theory.h"

namespace orr::seq {

void countingTheory(int e, std::array<QString, 4>& p)
{
    Q_UNUSED(e)
    Q_UNUSED(p)
}

}  // namespace orr::seq
