// Counting "COUNTING": the gentle introduction to counting circuits that
// comes before the Counters topic — a bistable that remembers, the clocked RS
// flip-flop and the D latch with a timing strip of their last changes, the
// divide-by-two and divide-by-four counters with their waveforms, and a 4-bit
// binary counter.
#pragma once

#include <deque>

#include "topics/sequential/flip_flop_model.h"
#include "topics/sequential/sequential_form.h"

namespace orr::seq {

class Counting : public SequentialForm {
public:
    Counting();

    // One column of a timing strip: the inputs and Q after a change.
    struct Column {
        bool a = false, b = false, clock = false, q = false;
    };
    static constexpr int kStripColumns = 8;

    RsState bistable;
    QString lastInput;        // "Set" or "Reset" once a button was pressed
    bool set = false, reset = false, data = false, clock = false;
    RsState clockedRsState;
    bool dQ = false;
    std::deque<Column> rsStrip, dStrip;
    int pulses = 0;           // clock pulses of the counters since the last reset

    void formLoad() override;
    void Trigger_Click(int index) override;

protected:
    void configureExample(int e) override;
    void drawExample(int e) override;
    void pulseEnded(int e) override;

private:
    void recordColumn(int e);
    void drawBistable();
    void drawLatchWithStrip(bool dType);
    void drawStrip(const std::deque<Column>& strip, const QStringList& names, int x, int y);
    void drawDivider(int stages);
    void drawBinaryCounter();
    void drawCounterWaveforms(int stages, int x, int y);
};

}  // namespace orr::seq
