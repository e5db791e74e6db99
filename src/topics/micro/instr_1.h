// Instr_1 "INSTRUCTION SET 1": load, store, arithmetic and logic
// instructions of the simulated microprocessor, one example per instruction,
// executed one at a time on the shared CPU state.
#pragma once

#include "topics/micro/instruction_window.h"

namespace orr::micro {

class Instr_1 : public InstructionWindow {
    Q_OBJECT
public:
    Instr_1();

    // Execute one instruction in the selected row and redraw what it changed.
    void LDAsub() { run(Op::LDA); }
    void STAsub() { run(Op::STA); }
    void ADCsub() { run(Op::ADC); }
    void ANDsub() { run(Op::AND); }
    void ORAsub() { run(Op::ORA); }
    void EORsub() { run(Op::EOR); }
    void CMPsub() { run(Op::CMP); }
    void SBCsub() { run(Op::SBC); }
    void LDXsub() { run(Op::LDX); }
    void LDYsub() { run(Op::LDY); }
    void STXsub() { run(Op::STX); }
    void STYsub() { run(Op::STY); }
};

}  // namespace orr::micro
