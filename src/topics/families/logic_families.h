// LogicFamilies: one gate per logic family built from diodes, resistors and
// transistors, with the node voltages and transistor states its two inputs
// give.
#pragma once

#include "topics/families/family_model.h"
#include "topics/framework/topic_form.h"

namespace orr {

class LogicFamilies : public TopicForm {
public:
    LogicFamilies();

    bool A = false;
    bool B = false;

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
    void drawDiodeLogic(const families::FamilyState& s);
    void drawDtl(const families::FamilyState& s);
    void drawTtl(const families::FamilyState& s);
    void drawEcl(const families::FamilyState& s);
    void drawI2l(const families::FamilyState& s);
    void drawMos(const families::FamilyState& s);
    void drawCmos(const families::FamilyState& s);
};

}  // namespace orr
