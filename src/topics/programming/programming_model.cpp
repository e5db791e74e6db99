// The computer programming topic's live rules.
#include "topics/programming/programming_model.h"

namespace orr::programming {

std::optional<InterestCase> interestFor(double principal)
{
    const double q = principal / 1000;
    if (q >= 0 && q <= 9)
        return InterestCase{0, principal * 0.05};
    if (q >= 10 && q <= 19)
        return InterestCase{1, principal * 0.10};
    if (q >= 20)
        return InterestCase{2, principal * 0.15};
    return std::nullopt;
}

LoopStep nextCount(int count, bool stepTwo)
{
    const int next = count + 1 + (stepTwo ? 1 : 0);
    if (next >= 10)
        return {0, true};
    return {next, false};
}

double nextLedAngle(double angle)
{
    const double next = angle - 45;
    return next <= 0 ? 360 : next;
}

int segmentsFor(int digit)
{
    //                      0     1     2     3     4     5     6     7     8     9
    static const int kLit[] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    return digit >= 0 && digit <= 9 ? kLit[digit] : 0;
}

}  // namespace orr::programming
