// InputTextForm: the text-entry dialog "Program line entry.". The learner
// types or clicks together one line of program text; OK writes it into the
// caption of the statement label that opened the dialog.
#pragma once

#include <QMdiSubWindow>  // complete type for Form's QPointer member
#include <QPointer>

#include <array>

#include "platform/form.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace orr {

class CommandButton;
class Label;

class InputTextForm : public Form {
    Q_OBJECT
public:
    static constexpr int kKeys = 51;
    static constexpr int kDelete = 18;

    InputTextForm();
    bool isFloating() const override { return true; }

    // Opening: the label that receives the line, an empty box, focus in it.
    void open(Label* statementLabel);

    void digitsClick(int index);
    void okClick();
    void cancelClick();

    QLineEdit* inputValue() const { return inputValue_; }
    QCheckBox* lowerCase() const { return check1_; }
    CommandButton* digits(int index) const { return digits_.at(size_t(index)); }
    // What key `index` inserts, before the lower-case rule.
    static QString insertText(int index);

    void formActivate() override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void loseActivation();

    QGroupBox* frame_ = nullptr;
    QLineEdit* inputValue_ = nullptr;
    QCheckBox* check1_ = nullptr;
    std::array<CommandButton*, kKeys> digits_{};
    QPointer<Label> target_;
    QMetaObject::Connection ownerUnloaded_;
    bool wasActive_ = false;
};

}  // namespace orr
