// CombinationalLogic: the half adder, full adder, parallel adder, decoder,
// BCD encoder, multiplexer, data masking and parity generator, each drawn
// with every signal its circuit model gives for the present inputs.
#pragma once

#include "topics/framework/topic_form.h"
#include "topics/logic/circuit_figures.h"

namespace orr {

class CombinationalLogic : public TopicForm {
public:
    CombinationalLogic();

    // Single-bit inputs: A (A0), B (A1) and C (carry in).
    bool A = true;
    bool B = false;
    bool C = false;
    // Binary numbers are held with their bits as decimal digits (1101).
    double firstNumber = 1101;
    double secondNumber = 1100;
    double decimalDigit = 6;
    double dataByte = 10011011;
    double maskByte = 11001111;

    // The logic levels the last redraw showed, by signal name.
    const logic::LevelLog& levels() const { return levels_; }

    void Trigger_Click(int index) override;

protected:
    void setDefaults() override;
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;
    QString quantityTypeFor(int e, int index) const override;
    void takeValue(int e, int index, double value) override;

private:
    void setTriggerCaptions(int e);
    void drawHalfAdder();
    void drawFullAdder();
    void drawParallelAdder();
    void drawDecoder();
    void drawEncoder();
    void drawMultiplexer();
    void drawMasking();
    void drawParity();

    logic::LevelLog levels_;
};

}  // namespace orr
