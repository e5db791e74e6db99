// The window every instruction set is shown in: registers, flags, memory or
// stack, the addressing-mode table of the current instruction and its worked
// example; a press on the table picks the row, the selectors enter operands
// and registers, the trigger executes. A set is a table of instructions.
#pragma once

#include "topics/framework/topic_form.h"
#include "topics/micro/instruction_set.h"

namespace orr::micro {

class InstructionWindow : public TopicForm {
    Q_OBJECT
public:
    // set: 1, 2 or 3; selectors and triggers: the sizes of the control arrays.
    InstructionWindow(const QString& name, int set, int topicId, const QString& title, int selectors, int triggers);

    void formLoad() override;
    void Picture1_MouseDown(double x, double y) override;
    void SelectButton_Click(int index) override;
    void InputLabel_Change(int index) override;
    void Trigger_Click(int index) override;

    const InstructionInfo& instruction() const { return table_.at(example()); }

protected:
    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;
    QString quantityTypeFor(int, int) const override { return QStringLiteral("HEX."); }
    void takeValue(int, int, double) override {}

    // The state the window sets when it loads.
    virtual void loadState();
    // How many hexadecimal digits selector index asks for in the selected row.
    virtual int entryWidth(int index) const;
    // What a typed value does to the state; shows what it changed.
    virtual void enterValue(int index, const QString& typed);
    // The number of rows a press on the table can choose from (8: the
    // addressing-mode rows, an unavailable one replaced when drawn).
    virtual int tableRows() const { return 8; }
    // Draws the table and its strip; returns the selected row.
    virtual int drawTable(const InstructionInfo& info);

    // Executes op and draws each step on the picture.
    void run(Op op);
    bool redrawing() const { return redrawing_; }

private:
    InstructionTable table_;
    bool redrawing_ = false;
};

}  // namespace orr::micro
