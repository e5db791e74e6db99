// LogicGates2: each gate with its inputs, its truth table and an equivalent
// circuit below it, all evaluated from the inputs A and B.
#pragma once

#include "topics/framework/topic_form.h"
#include "topics/logic/logic_figures.h"

namespace orr {

class LogicGates2 : public TopicForm {
public:
    LogicGates2();

    // The inputs, set by the Logic A and Logic B buttons.
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
    void nodeValue(const QString& name, int x, int y, long colour, bool value);
    void drawMainGate(int e);
    void drawSeriesSwitches();
    void drawParallelSwitches();
    void drawNotSymbol();
    void drawGateThenInverter(int e);
    void drawEquivalentXor();
    void drawInvertedInputs(int e);

    logic::ProbeLog probes_;
};

}  // namespace orr
