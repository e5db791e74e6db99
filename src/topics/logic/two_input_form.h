// TwoInputForm: the common ground of the logic-gate windows whose circuits
// are driven by two inputs A and B toggled by the two trigger buttons, and
// which keep a record of every node value they print.
#pragma once

#include "topics/framework/topic_form.h"
#include "topics/logic/logic_figures.h"

namespace orr {

class TwoInputForm : public TopicForm {
public:
    using TopicForm::TopicForm;

    // The inputs; Trigger(0) toggles A and Trigger(1) toggles B.
    bool A = false;
    bool B = false;

    // The node values printed by the last redraw and where they stand.
    const std::vector<logic::NodeProbe>& nodeProbes() const { return probes_.probes(); }

    void Trigger_Click(int index) override;

protected:
    // The inputs are kept across examples while the window is open.
    void setDefaults() override {}
    QString quantityTypeFor(int, int) const override { return QString(); }
    void takeValue(int, int, double) override {}

    logic::ProbeLog probes_;
};

}  // namespace orr
