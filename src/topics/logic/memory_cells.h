// MemoryCells: the bipolar memory cell explained from the transistor switch
// upwards: the switch, the multi-emitter transistor, the read/write sense
// amplifier and the cell itself.
#pragma once

#include "topics/framework/topic_form.h"
#include "topics/logic/memory_cell_model.h"

namespace orr {

class MemoryCells : public TopicForm {
public:
    MemoryCells();

    bool emitterHigh = false;       // transistor switch
    bool firstEmitterHigh = false;  // multi-emitter transistor
    bool secondEmitterHigh = false;
    bool senseWriting = true;       // sense amplifier
    bool senseDataHigh = false;
    logic::MemoryCell cell;

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
    void drawSwitch(bool multiEmitter);
    void drawSenseAmplifier();
    void drawCell();
};

}  // namespace orr
