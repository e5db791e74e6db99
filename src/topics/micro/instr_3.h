// Instr_3 "INSTRUCTION SET 3": branches, flag instructions, BRK, the index
// increments and decrements, the stack, RTS, RTI and the register transfers.
// Related instructions share one example with a table of their own; a second
// button changes a flag by hand or repeats the instruction.
#pragma once

#include "topics/micro/instruction_window.h"

namespace orr::micro {

class Instr_3 : public InstructionWindow {
    Q_OBJECT
public:
    Instr_3();

    // Return from interrupt through the stack as it stands.
    void RTIsub();
    // Draws the table of a grouped example; returns the selected row.
    int oddinst();
    // Draws the interrupt-vector box.
    void IntAddr();

    void Trigger_Click(int index) override;

protected:
    void loadState() override;
    void configureExample(int e) override;
    int drawTable(const InstructionInfo& info) override;
    int tableRows() const override;
    int entryWidth(int index) const override;
    void enterValue(int index, const QString& typed) override;
    QString quantityTypeFor(int e, int index) const override;

private:
    // Captions and visibility of the two buttons for the example and row.
    void captionTriggers();
    // Whether the BRK example's program-counter selector is enabled.
    bool pcSelectable_ = true;
    // The RTI example was just opened: its flags are set once it is drawn.
    bool openingRti_ = false;
};

}  // namespace orr::micro
