// The text-entry dialog: an on-screen keyboard for one line of program text.
#include "values/input_text_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "platform/controls.h"
#include "values/floating_dialog.h"
#include "values/value_entry.h"

namespace orr {

namespace {

const RegisterForm<InputTextForm> registerInputTextForm(QStringLiteral("InputTextForm"));

QString keyCaption(int i)
{
    if (i == InputTextForm::kDelete)
        return QStringLiteral("Delete");
    if (i == 40)
        return QStringLiteral("Space");
    if (i == 46)
        return QStringLiteral("&&");  // shows one ampersand
    return InputTextForm::insertText(i).trimmed();
}

// Four rows: digits; A to F, ".", "-", Delete, G to K; L to Z; punctuation.
QRect keyRect(int i)
{
    if (i <= 9)
        return twips(120 + 360 * i, 360, 255, 255);
    if (i <= 17)
        return twips(120 + 360 * (i - 10), 720, 255, 255);
    if (i == InputTextForm::kDelete)
        return twips(3000, 720, 615, 255);
    if (i <= 23)
        return twips(3720 + 360 * (i - 19), 720, 255, 255);
    if (i <= 38)
        return twips(120 + 360 * (i - 24), 1080, 255, 255);
    if (i == 39)
        return twips(120, 1440, 255, 255);
    if (i == 40)
        return twips(480, 1440, 975, 255);
    return twips(1560 + 360 * (i - 41), 1440, 255, 255);
}

}  // namespace

QString InputTextForm::insertText(int i)
{
    if (i < 0 || i >= kKeys || i == kDelete)
        return QString();
    if (i <= 9)
        return QString::number(i);
    if (i <= 15)
        return QString(QChar('A' + (i - 10)));
    if (i >= 19 && i <= 38)
        return QString(QChar('G' + (i - 19)));
    static const char* const others[] = {".", "-", nullptr, ", ", " ", ">", "<", "(", " = ", " + ", " && ",
                                         " * ", " / ", "\"", ")"};
    return QString::fromLatin1(others[i <= 17 ? i - 16 : i - 39 + 3]);
}

InputTextForm::InputTextForm() : Form(QStringLiteral("InputTextForm"))
{
    setUpEntryDialog(this, QStringLiteral("Program line entry."), 5775, 3000);

    inputValue_ = new QLineEdit(this);
    inputValue_->setObjectName(QStringLiteral("InputValue"));
    inputValue_->setGeometry(twips(240, 120, 5295, 375));
    inputValue_->installEventFilter(this);

    frame_ = new QGroupBox(this);
    frame_->setObjectName(QStringLiteral("Input_Value_Box"));
    frame_->setGeometry(twips(120, 540, 5535, 1860));
    auto* label1 = new QLabel(QStringLiteral("Message"), frame_);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(twips(120, 60, 1200, 255));

    for (int i = 0; i < kKeys; ++i) {
        auto* b = new CommandButton(frame_, QStringLiteral("Digits"), i);
        b->setCaption(keyCaption(i));
        b->setGeometry(keyRect(i));
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
        connect(b, &CommandButton::clickedIndex, this, &InputTextForm::digitsClick);
        digits_[size_t(i)] = b;
    }

    check1_ = new QCheckBox(QStringLiteral("Lower Case"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setFocusPolicy(Qt::NoFocus);
    check1_->setGeometry(twips(240, 2520, 1335, 375));
    auto* cancel = new CommandButton(this, QStringLiteral("Cancel"));
    cancel->setCaption(QStringLiteral("Cancel"));
    cancel->setGeometry(twips(1800, 2520, 1095, 375));
    connect(cancel, &QPushButton::clicked, this, &InputTextForm::cancelClick);
    auto* ok = new CommandButton(this, QStringLiteral("OK"));
    ok->setCaption(QStringLiteral("OK"));
    ok->setGeometry(twips(3120, 2520, 2415, 375));
    connect(ok, &QPushButton::clicked, this, &InputTextForm::okClick);
}

void InputTextForm::open(Label* statementLabel)
{
    target_ = statementLabel;
    // A line for a window that closes meanwhile is dropped, as Cancel does.
    disconnect(ownerUnloaded_);
    if (Form* owner = owningForm(statementLabel))
        ownerUnloaded_ = connect(owner, &Form::unloaded, this, &InputTextForm::cancelClick);
    inputValue_->clear();
    inputValue_->setFocus();
}

void InputTextForm::digitsClick(int index)
{
    if (!isLoaded() || index < 0 || index >= kKeys)
        return;
    QString text = inputValue_->text();
    if (index == kDelete)
        text.chop(1);  // nothing to remove leaves the box empty
    QString insert = insertText(index);
    if (check1_->isChecked())
        insert = insert.toLower();
    insert.replace(QStringLiteral("&&"), QStringLiteral("&"));
    inputValue_->setText(text + insert);
    inputValue_->setFocus();
}

void InputTextForm::okClick()
{
    if (!isLoaded())
        return;
    const QString line = inputValue_->text();
    if (!line.isEmpty() && target_) {
        BusyCursor hourglass;
        target_->setCaption(line);
    }
    FormRegistry::instance().unload(this);
}

void InputTextForm::cancelClick()
{
    disconnect(ownerUnloaded_);
    FormRegistry::instance().unload(this);
}

void InputTextForm::formActivate() { raiseWindow(this); }

bool InputTextForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        wasActive_ = true;
        formActivate();
    } else if (e->type() == QEvent::WindowDeactivate && isLoaded() && wasActive_) {
        QTimer::singleShot(0, this, &InputTextForm::loseActivation);
    }
    return Form::event(e);
}

void InputTextForm::loseActivation()
{
    // Clicking into another window closes the dialog; the line is not handed back.
    if (isLoaded() && activationMovedElsewhere(this))
        FormRegistry::instance().unload(this);
}

void InputTextForm::closeEvent(QCloseEvent* e)
{
    e->ignore();
    cancelClick();
}

bool InputTextForm::eventFilter(QObject* watched, QEvent* e)
{
    // Enter confirms and Escape cancels; every other key edits the line.
    if (watched == inputValue_ && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            okClick();
            return true;
        }
        if (key == Qt::Key_Escape) {
            cancelClick();
            return true;
        }
    }
    return Form::eventFilter(watched, e);
}

void OpenTextEntry(Label* statementLabel)
{
    auto& registry = FormRegistry::instance();
    auto* f = dynamic_cast<InputTextForm*>(registry.form(QStringLiteral("InputTextForm")));
    if (!f)
        return;
    placeOverMainWindow(f);
    f->showForm();
    f->open(statementLabel);
    raiseWindow(f);
    f->activateWindow();
}

}  // namespace orr
