// Instr_1 "INSTRUCTION SET 1": load, store, arithmetic and logic
// instructions of the simulated microprocessor, one example per instruction,
// executed one at a time on the shared CPU state.
#pragma once

#include "topics/framework/topic_form.h"
#include "topics/micro/instruction_set.h"

namespace orr::micro {

class Instr_1 : public TopicForm {
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

    void formLoad() override;
    void Picture1_MouseDown(double x, double y) override;
    void SelectButton_Click(int index) override;
    void InputLabel_Change(int index) override;
    void Trigger_Click(int index) override;

protected:
    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;
    QString quantityTypeFor(int, int) const override { return QStringLiteral("HEX."); }
    void takeValue(int, int, double) override {}

private:
    void run(Op op);
    bool redrawing_ = false;
};

}  // namespace orr::micro
