// Instr_2 "INSTRUCTION SET 2": compare with an index register, increment and
// decrement memory, shifts and rotates, BIT, JMP, JSR and NOP.
#pragma once

#include "topics/micro/instruction_window.h"

namespace orr::micro {

class Instr_2 : public InstructionWindow {
    Q_OBJECT
public:
    Instr_2();

    void CPXsub() { run(Op::CPX); }
    void CPYsub() { run(Op::CPY); }
    void DECsub() { run(Op::DEC); }
    void INCsub() { run(Op::INC); }
    void ASLsub() { run(Op::ASL); }
    void LSRsub() { run(Op::LSR); }
    void ROLsub() { run(Op::ROL); }
    void RORsub() { run(Op::ROR); }
    void BITsub() { run(Op::BIT); }
    void JMPsub() { run(Op::JMP); }
    void JSRsub() { run(Op::JSR); }
    void NOPsub() { run(Op::NOP); }

protected:
    void configureExample(int e) override;
};

}  // namespace orr::micro
