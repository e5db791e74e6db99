// ClockPulse: the animated clock pulse of the sequential windows. A press
// starts Timer1 (200 ms), which raises the clock and hands over to Timer2
// (500 ms), which lowers it; the window is told at each step and applies the
// state change only at the end of the pulse, on the trailing edge. One pulse
// runs at a time: a press while a pulse is in flight is ignored.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace orr::seq {

class ClockPulse : public QObject {
    Q_OBJECT
public:
    enum class Phase { Idle, Waiting, High };

    explicit ClockPulse(QObject* parent);

    QTimer* Timer1 = nullptr;  // pulse start
    QTimer* Timer2 = nullptr;  // pulse end

    // Called when the clock rises and when it falls (the trailing edge).
    std::function<void()> onRise;
    std::function<void()> onFall;

    // Starts a pulse; false when one is already in flight.
    bool start();
    // Stops both timers. A pulse in flight is dropped whole: the trailing edge
    // never comes, so no state changes. Returns whether one was dropped.
    bool cancel();

    Phase phase() const { return phase_; }
    bool inFlight() const { return phase_ != Phase::Idle; }
    bool high() const { return phase_ == Phase::High; }

    // The timer handlers; tests call them to step a pulse without waiting.
    void Timer1_Timer();
    void Timer2_Timer();

private:
    Phase phase_ = Phase::Idle;
};

}  // namespace orr::seq
