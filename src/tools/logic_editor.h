// LogicEditor: the learner builds a Boolean expression in A, B, C, D, X and Y
// on a keypad or by typing, sets each variable to 0 or -1 with a button and
// reads Q and NOT Q. The script control evaluates; the editor has no parser.
#pragma once

#include <QMdiSubWindow>  // complete type for Form's QPointer member

#include <array>

#include "platform/form.h"
#include "platform/script_control.h"

class QFrame;
class QLineEdit;

namespace orr {

class CommandButton;
class Label;
class Panel3D;
class PictureBox;

class LogicEditor : public Form {
    Q_OBJECT
public:
    static constexpr int kVariables = 6;  // A, B, C, D, X, Y
    static constexpr int kDelete = 52;
    static constexpr int kClear = 53;
    static constexpr int kSpace = 54;
    static constexpr int kLastKey = 54;

    LogicEditor();

    void formLoad() override;
    void formActivate() override;
    void formResize() override;
    void formUnload() override;

    // The learner's actions, as the controls' handlers run them.
    void SelectButton_Click(int index);
    void InputLabel_Change(int index);
    void EquationTextBox_Change();
    void Digits_Click(int index);
    void Enter_Click();

    // The keypad key at that index, or nullptr where the keypad has none.
    CommandButton* Digits(int index) const;
    const QString& equationText() const { return equation_; }
    bool variableState(int index) const { return state_.at(size_t(index)); }
    ScriptControl& ScriptControl1() { return script_; }

    QLineEdit* EquationTextBox = nullptr;
    CommandButton* Enter = nullptr;
    std::array<CommandButton*, kVariables> SelectButton{};
    std::array<Label*, kVariables> InputLabel{};
    Label* Label1 = nullptr;  // notes
    Label* Label2 = nullptr;  // "Variables"
    Label* Label3 = nullptr;  // "Q"
    Label* Label4 = nullptr;  // Q value
    Label* Label5 = nullptr;  // examples
    Label* Label6 = nullptr;  // NOT Q value
    Label* Label7 = nullptr;  // "NOT Q"
    PictureBox* Picture1 = nullptr;
    QFrame* Frame = nullptr;
    Panel3D* Panel3D1 = nullptr;

private:
    void buildKeypad();
    void buildVariables();
    void layoutControls();
    void evaluate();

    ScriptControl script_;
    std::array<CommandButton*, kLastKey + 1> digits_{};
    std::array<bool, 7> state_{};  // index 6 has no button
    QString equation_;
    bool result_ = false;
    bool evaluating_ = false;  // the script control is running an evaluation
};

}  // namespace orr
