// FlipFlop "FLIP FLOPS": the NAND and NOR latches, the clocked RS and D
// flip-flops (the clock button sets the level directly), and the T,
// master-slave and JK flip-flops, which change on the trailing edge of an
// animated clock pulse.
#pragma once

#include "topics/sequential/flip_flop_model.h"
#include "topics/sequential/sequential_form.h"

namespace orr::seq {

class FlipFlop : public SequentialForm {
public:
    FlipFlop();

    // Inputs shared by the examples: S, D, T or J; R or K; the clock level of
    // the clocked RS and D examples.
    bool input1 = false;
    bool input2 = false;
    bool clock = false;
    int lastButton = -1;

    // The stored state of each circuit.
    RsState nandLatch, norLatch, clockedLatch;
    bool dQ = false;
    bool tQ = false;
    MasterSlave masterSlave, jk;

    void formLoad() override;
    void Trigger_Click(int index) override;

protected:
    void configureExample(int e) override;
    void drawExample(int e) override;
    void pulseEnded(int e) override;

private:
    void settleLevelCircuits(int e);
    void drawLatch(LatchKind kind);
    void drawClockedRs();
    void drawDType();
    void drawTType();
    void drawMasterSlave(bool jkFeedback);
    void drawOutputs(int x, int yQ, int yNotQ, const RsState& s);
    void drawTableOfStates(int x, int y, LatchKind kind);
};

}  // namespace orr::seq
