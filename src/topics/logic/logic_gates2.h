// LogicGates2: each gate with its inputs, its truth table and an equivalent
// circuit below it, all evaluated from the inputs A and B.
#pragma once

#include "topics/logic/two_input_form.h"

namespace orr {

class LogicGates2 : public TwoInputForm {
public:
    LogicGates2();

protected:
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;

private:
    void nodeValue(const QString& name, int x, int y, long colour, bool value);
    void drawMainGate(int e);
    void drawSeriesSwitches();
    void drawParallelSwitches();
    void drawLampOutput(int gapTop, int gapBottom, bool lit, int valueY, int noteY);
    void drawNotSymbol();
    void drawGateThenInverter(int e);
    void drawEquivalentXor();
    void drawInvertedInputs(int e);
};

}  // namespace orr
