// EquationEditor: evaluates an expression of the six variables a, b, c, d, x
// and y through the script control, typed or built on a keypad; "=" inside
// an expression compares, so an equation shows whether it holds.
#pragma once

#include <QMdiSubWindow>  // complete type for Form's QPointer member

#include <array>

#include "platform/form.h"
#include "platform/script_control.h"
#include "topics/framework/members.h"
#include "tools/equation_keypad.h"

class QLineEdit;

namespace orr {

class CommandButton;
class Label;
class PictureBox;

class EquationEditor : public Form, public WindowMembers {
    Q_OBJECT
public:
    static constexpr int kVariables = 6;  // a, b, c, d, x, y

    EquationEditor();

    QLineEdit* EquationTextBox = nullptr;
    Label* Label4 = nullptr;  // the result
    Label* Label1 = nullptr;  // the two notes
    Label* Label2 = nullptr;
    PictureBox* Picture1 = nullptr;
    CommandButton* Enter = nullptr;
    CommandButton* Rounding = nullptr;
    std::array<CommandButton*, kVariables> SelectButton{};
    std::array<Label*, kVariables> InputLabel{};
    std::array<CommandButton*, equation::kKeyCount> Digits{};

    ScriptControl& ScriptControl1() { return script_; }

    void formLoad() override;
    void formActivate() override;
    void formQueryUnload() override;

    void Enter_Click();
    void Rounding_Click();
    void Digits_Click(int index);
    void SelectButton_Click(int index);
    void InputLabel_Change(int index);

    // Puts the value into the script variable and its label; false (and
    // nothing changed) when the script does not take it.
    bool setVariable(int index, double value);
    double variable(int index) const { return values_.at(size_t(index)); }
    void setExpression(const QString& text);

    // Redraws the picture: the last expression checked, its result and the variables.
    void results() override;

    // Opens the editor, or brings it forward, with an expression and the values of a, b and c.
    static EquationEditor* openWith(const QString& expression, double a, double b, double c);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildControls();
    void showVariable(int index);

    ScriptControl script_;
    std::array<double, kVariables> values_{1, 2, 3, 4, 5, 6};
    QString checkedExpression_;  // what the picture shows
    bool evaluating_ = false;
    bool closeAfterEvaluation_ = false;
};

}  // namespace orr
