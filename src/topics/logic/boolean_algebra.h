// BooleanAlgebra: the postulates and theorems of Boolean algebra, each side of
// a rule drawn as small gates whose inputs A, B and C the learner sets.
#pragma once

#include "topics/framework/topic_form.h"
#include "topics/logic/logic_figures.h"

namespace orr {

class BooleanAlgebra : public TopicForm {
public:
    BooleanAlgebra();

    // The inputs as the texts "1" and "0".
    QString A = QStringLiteral("1");
    QString B = QStringLiteral("0");
    QString C = QStringLiteral("0");
    // Whether the postulates example shows its gates.
    bool gatesShown = false;

    // One gate drawn by the last redraw: its kind, where its input and output
    // texts were printed (picture scale units, where the text log holds them)
    // and the expression its output stands for ("~" marks a negation), empty
    // for an unlabelled gate.
    struct DrawnGate {
        logic::GateKind kind = logic::GateKind::And;
        std::vector<logic::NodeProbe> inputs;
        logic::NodeProbe output;
        QString label;
    };
    const std::vector<DrawnGate>& drawnGates() const { return gates_; }

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
    // A signal passed from gate to gate: its text and whether a gate made it
    // (gate outputs are printed in the output colour, inputs in the input colour).
    struct Signal {
        QString text;
        bool fromGate = false;
    };
    Signal in(const QString& text) const { return {text, false}; }

    // The five gate procedures: draw the small gate at (x, y), print the input
    // texts to its left (75 units, or 53 without a label) at the heights of its
    // inputs and the output text 40 units right, 6 above the centre line.
    Signal andGate(int x, int y, const Signal& a, const Signal& b, const QString& label = QString());
    Signal orGate(int x, int y, const Signal& a, const Signal& b, const QString& label = QString());
    Signal nandGate(int x, int y, const Signal& a, const Signal& b, const QString& label = QString());
    Signal norGate(int x, int y, const Signal& a, const Signal& b, const QString& label = QString());
    Signal notGate(int x, int y, const Signal& a, const QString& label = QString());
    Signal twoInputGate(logic::GateKind kind, int x, int y, const Signal& a, const Signal& b, const QString& label);
    void printSignal(int x, int y, const Signal& s, logic::NodeProbe& probe);
    void printLabel(int x, int y, const QString& label);

    void setButtons(int e);
    void drawInputs(int e);
    void drawPostulates();
    void drawCommutative();
    void drawIdentity();
    void drawAbsorption();
    void drawDistributive();
    void drawDeMorgan();
    void drawSimplifying();
    void drawSimplifyingDeMorgan();

    std::vector<DrawnGate> gates_;
};

}  // namespace orr
