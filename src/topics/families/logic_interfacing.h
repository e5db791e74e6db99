// LogicInterfacing: logic outputs driving real loads: a Schmitt buffer and
// Darlington driving a warning device, a transistor relay driver, a CMOS to
// TTL level shifter and a Schmitt-trigger clock pulse generator.
#pragma once

#include "topics/framework/topic_form.h"

namespace orr {

class LogicInterfacing : public TopicForm {
public:
    LogicInterfacing();

    // The inputs as the texts "1" or "0".
    QString A = QStringLiteral("0");
    QString B = QStringLiteral("0");

    static QString exampleCaption(int e);
    void Trigger_Click(int index) override;

protected:
    void setDefaults() override;
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;
    QString quantityTypeFor(int, int) const override { return QString(); }
    void takeValue(int, int, double) override {}

private:
    void setTriggerCaptions(int e);
    void drawBufferStage();
    void drawRelayDriver();
    void drawLevelShifter();
    void drawClockGenerator();
};

}  // namespace orr
