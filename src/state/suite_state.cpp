// The one instance of the shared suite state.
#include "state/suite_state.h"

namespace orr {
SuiteState& suite()
{
    static SuiteState state;
    return state;
}
}  // namespace orr
