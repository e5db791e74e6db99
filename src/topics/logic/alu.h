// Alu: the 4-bit logic unit driven by a 2-bit operation code, and the
// accumulator with its four-step add sequence.
#pragma once

#include "topics/framework/topic_form.h"

namespace orr {

class Alu : public TopicForm {
public:
    Alu();

    QString opCode = QStringLiteral("01");
    QString wordA = QStringLiteral("1010");
    QString wordB = QStringLiteral("0011");
    int16_t accumulator = 16;
    int16_t registerA = 24;
    // The accumulator step last run (1 to 4), 0 before the first.
    int lastStep = 0;

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
    void drawLogicUnit();
    void drawAccumulator();
    void drawStep();
    // What step 4 found when it last ran: the full sum and whether it overflowed.
    int storedSum_ = 0;
};

}  // namespace orr
