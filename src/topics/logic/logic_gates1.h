// LogicGates1: switch circuits, the six gate functions and four small gate
// networks, each a live circuit whose switches the learner presses. Switch S1
// gives input A and S2 input B (closed = logic 1).
#pragma once

#include "topics/logic/two_input_form.h"

namespace orr {

class LogicGates1 : public TwoInputForm {
public:
    LogicGates1();

protected:
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;

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
};

}  // namespace orr
