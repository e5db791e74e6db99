// ComputerProgramming: program listings beside flow diagrams and tables in
// ten examples, every line and symbol explaining itself on a click, with
// live loops on a seven-segment digit and a ring of LEDs.
#pragma once

#include <QTimer>

#include "topics/framework/click_items.h"
#include "topics/framework/topic_form.h"

namespace orr {

// One drawn piece of an example that also explains itself: a listing line,
// a flowchart symbol or a labelled box.
struct ProgramItem {
    enum Kind { Code, Terminal, InputOutput, Process, Decision, Box } kind;
    ClickItem item;
    QString shown;  // what is drawn (the listing text or the symbol's lines)
};

class ComputerProgramming : public TopicForm {
    Q_OBJECT
public:
    ComputerProgramming();

    QTimer* Timer1 = nullptr;
    bool toggle = false;
    double principal = 10000;
    double interest = 0;
    int highlightedRow = -1;  // example 6: the case taken, -1 for none
    double ledAngle = 360;
    int count = 0;
    bool stepTwo = false;
    int A = 1, B = 1;
    std::array<QString, 12> exampleValues;  // example 2's third column

    void Trigger_Click(int index) override;
    void Picture1_MouseDown(double x, double y) override;
    void Timer1_Timer();
    // The example's pieces as shown now.
    std::vector<ProgramItem> currentItems() const;
    void newExampleValues();

protected:
    void setDefaults() override;
    void setToolbarFlags(SuiteState::ToolbarFlags& f) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& p) override;
    QString quantityTypeFor(int, int) const override { return QStringLiteral("Positive Decimal No."); }
    void takeValue(int e, int index, double value) override;
    void formDeactivate() override;

private:
    void drawDigit();
    void drawRing();
};

QString computerProgrammingHeading(int e);
std::vector<ProgramItem> computerProgrammingItems(int e, bool toggle, bool stepTwo);
void computerProgrammingTheory(int e, std::array<QString, 4>& p);

}  // namespace orr
