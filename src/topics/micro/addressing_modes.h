// AddressingModes "ADDRESSING MODES": the ten addressing modes of the
// simulated microprocessor, one example each, on the shared CPU state.
#pragma once

#include <array>

#include "topics/framework/topic_form.h"
#include "topics/micro/addressing_model.h"

namespace orr::micro {

class AddressingModes : public TopicForm {
    Q_OBJECT
public:
    AddressingModes();

    AddressingState window;

    void formLoad() override;
    void SelectButton_Click(int index) override;
    void InputLabel_Change(int index) override;
    void Trigger_Click(int index) override;
    void Picture1_MouseDown(double x, double y) override;

    Mode mode() const;

protected:
    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;
    QString quantityTypeFor(int, int) const override { return QStringLiteral("HEX."); }
    void takeValue(int, int, double) override {}

private:
    void enterValue(int index, const QString& typed);
    void refreshLabels();
    void drawDiagram(Mode m);
};

// The theory paragraphs of each example.
void addressingModesTheory(Mode m, std::array<QString, 4>& paragraphs);

}  // namespace orr::micro
