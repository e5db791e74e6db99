// InputForm: the value-entry dialog "Parameters.". The learner types or
// clicks a value, picks a multiplier and sees it formatted with its unit; OK
// or Enter writes the formatted text into the edited input label, which is
// the moment the topic window takes the value.
#pragma once

#include <QMdiSubWindow>  // complete type for Form's QPointer member

#include <array>

#include "platform/form.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace orr {

class CommandButton;
struct QuantityEntry;

class InputForm : public Form {
    Q_OBJECT
public:
    static constexpr int kKeys = 39;
    static constexpr int kDelete = 18;

    InputForm();
    bool isFloating() const override { return true; }

    // Everything OpenValueEntry does once the dialog is loaded and shown.
    void open(const QString& quantityType, const QString& frameCaption);

    // The learner's actions, as the controls' handlers run them.
    void keyPress(QChar c);  // one character typed into InputValue; '\r' is Enter
    void digitsClick(int index);
    void multOptionClick(int index);
    void confirmEntry();
    void cancel();

    QString heading() const;
    void setHeading(const QString& type);
    QLineEdit* inputValue() const { return inputValue_; }
    QLabel* outputValue() const { return outputValue_; }
    CommandButton* digits(int index) const { return digits_.at(size_t(index)); }
    CommandButton* multOption(int index) const { return mult_.at(size_t(index - 1)); }
    QGroupBox* frame() const { return frame_; }

    void formLoad() override;
    void formActivate() override;
    void formUnload() override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void enableMultipliers(bool enabled);
    void configureKeypad();
    void showValue(const QString& text);
    void loseActivation();
    void unloadSelf();

    QGroupBox* frame_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* message_ = nullptr;
    QLineEdit* inputValue_ = nullptr;
    QLabel* outputValue_ = nullptr;
    std::array<CommandButton*, kKeys> digits_{};
    std::array<CommandButton*, 3> mult_{};
    CommandButton* ok_ = nullptr;
    CommandButton* cancel_ = nullptr;

    QString typed_;      // what the keyboard let through, in order
    QString shownText_;  // what the box is meant to show
    double raw_ = 0;     // the value before any multiplier
    double current_ = 0; // raw value times the chosen multiplier
    QString formatted_;
    bool busy_ = false;       // a handler of ours is running (message boxes may take the activation)
    bool wasActive_ = false;  // deactivation counts only after the dialog has been active
};

}  // namespace orr
