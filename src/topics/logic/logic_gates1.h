// LogicGates1: switch circuits, the six gate functions and four small gate
// networks, each a live circuit whose switches the learner presses.
#pragma once

#include "topics/framework/topic_form.h"
#include "topics/logic/logic_figures.h"

namespace orr {

class LogicGates1 : public TopicForm {
public:
    LogicGates1();

    // The switch states: S1 gives input A, S2 input B (closed = logic 1).
    bool A = false;
    bool B = false;

    // The node values printed by the last redraw and where they stand.
    const std::vector<logic::NodeProbe>& nodeProbes() const { return probes_.probes(); }

    void Trigger_Click(int index) override;

protected:
    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;
    QString quantityTypeFor(int, int) const override { return QString(); }
    void takeValue(int, int, double) override {}

private:
    void setTriggerCaptions(int e);
    void nodeValue(const QString& name, int x, int y, long colour, bool value);
    void drawSwitchCircuit(int e);
    void drawGateFunction(int e);
    void drawNotFunction();
    void drawEquivalentXor();
    void drawOrFromNand();
    void drawMixedAnalysis();
    void drawSixNand();
    void drawNetworkTable(int e, int left, int top);

    logic::ProbeLog probes_;
};

}  // namespace orr
