// Counters "COUNTERS": the ripple counter, the eight-stage up/down counter,
// the divide-by-7 counter with its decode gates and master reset, and the
// synchronous up and down counters. Trigger(0) is the clock; the count
// changes when the animated pulse ends.
#pragma once

#include "topics/sequential/counter_model.h"
#include "topics/sequential/sequential_form.h"

namespace orr::seq {

class Counters : public SequentialForm {
public:
    Counters();

    int count = 0;
    bool up = true;               // up/down counter direction
    bool resetShown = false;      // "Counter Reset" until the next pulse
    bool masterReset = false;     // divide-by-7: reset pending
    int pulseCount = 0;           // down counter: pulses counted

    void formLoad() override;
    void Trigger_Click(int index) override;

protected:
    void configureExample(int e) override;
    void drawExample(int e) override;
    void pulseEnded(int e) override;

private:
    void drawRipple();
    void drawUpDown();
    void drawDivideBy7();
    void drawSynchronous(bool down);
    void drawClockIndicator(int e);
    void drawStageBits(int count, int stages, int x, int y, int dx, int dy);
};

}  // namespace orr::seq
