// Counter model: up, down, up/down and divide-by-7 counting rules.
#include "topics/sequential/counter_model.h"

namespace orr::seq {

int countUp4(int count)
{
    const int next = count + 1;
    return next > 15 || next < 0 ? 0 : next;
}

int countDown4(int count)
{
    const int next = count - 1;
    return next < 0 || next > 15 ? 15 : next;
}

int countUpDown8(int count, bool up)
{
    const int next = up ? count + 1 : count - 1;
    if (next > 255)
        return 0;
    if (next < 0)
        return 255;
    return next;
}

DivideBy7 divideBy7Pulse(DivideBy7 s)
{
    if (s.resetPending)
        return DivideBy7{0, false};
    int next = s.count + 1;
    if (next < 0 || next > 7)
        next = 0;
    return DivideBy7{next, divideBy7Out(next)};
}

bool divideBy7Gate(int count) { return stage(count, 1) && stage(count, 2); }

bool divideBy7Out(int count) { return stage(count, 0) && divideBy7Gate(count); }

}  // namespace orr::seq
