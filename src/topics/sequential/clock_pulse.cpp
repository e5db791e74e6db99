// ClockPulse: two single-shot timers stepping a clock pulse.
#include "topics/sequential/clock_pulse.h"

namespace orr::seq {

namespace {
constexpr int kRiseDelayMs = 200;
constexpr int kHighTimeMs = 500;

QTimer* makeTimer(QObject* parent, int interval)
{
    auto* t = new QTimer(parent);
    t->setInterval(interval);
    t->setSingleShot(true);
    return t;
}
}  // namespace

ClockPulse::ClockPulse(QObject* parent) : QObject(parent)
{
    Timer1 = makeTimer(this, kRiseDelayMs);
    Timer2 = makeTimer(this, kHighTimeMs);
    connect(Timer1, &QTimer::timeout, this, &ClockPulse::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &ClockPulse::Timer2_Timer);
}

bool ClockPulse::start()
{
    if (inFlight())
        return false;
    phase_ = Phase::Waiting;
    Timer1->start();
    return true;
}

bool ClockPulse::cancel()
{
    Timer1->stop();
    Timer2->stop();
    const bool dropped = inFlight();
    phase_ = Phase::Idle;
    return dropped;
}

void ClockPulse::Timer1_Timer()
{
    Timer1->stop();
    if (phase_ != Phase::Waiting)
        return;
    phase_ = Phase::High;
    Timer2->start();
    if (onRise)
        onRise();
}

void ClockPulse::Timer2_Timer()
{
    Timer2->stop();
    if (phase_ != Phase::High)
        return;
    phase_ = Phase::Idle;
    if (onFall)
        onFall();
}

}  // namespace orr::seq
