// The value-entry dialog: keypad, keyboard filter, multipliers, corrections
// on confirmation, and unloading on OK, Cancel or loss of the activation.
#include "values/input_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "platform/controls.h"
#include "platform/msgbox.h"
#include "state/suite_state.h"
#include "values/floating_dialog.h"
#include "values/formatters.h"
#include "values/quantities.h"
#include "values/value_entry.h"

namespace orr {

namespace {

const RegisterForm<InputForm> registerInputForm(QStringLiteral("InputForm"));

QString keyCaption(int i)
{
    if (i <= 9)
        return QString::number(i);
    if (i <= 15)
        return QString(QChar('A' + (i - 10)));
    if (i == 16)
        return QStringLiteral(".");
    if (i == 17)
        return QStringLiteral("-");
    if (i == InputForm::kDelete)
        return QStringLiteral("Delete");
    if (i <= 23)
        return QString(QChar('G' + (i - 19)));
    return QString(QChar('L' + (i - 24)));
}

QRect keyRect(int i)
{
    if (i <= 9)
        return twips(120 + 360 * i, 720, 255, 255);
    if (i <= 17)
        return twips(120 + 360 * (i - 10), 1080, 255, 255);
    if (i == InputForm::kDelete)
        return twips(3000, 1080, 615, 255);
    if (i <= 23)
        return twips(3720 + 360 * (i - 19), 1080, 255, 255);
    return twips(120 + 360 * (i - 24), 1440, 255, 255);
}

// Marks a handler of the dialog as running, so that a message box it shows
// is not taken for the learner clicking elsewhere.
class BusyFlag {
public:
    explicit BusyFlag(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~BusyFlag() { flag_ = old_; }
private:
    bool& flag_;
    bool old_;
};

const QString kChangedTitle = QStringLiteral("Input changed.");

}  // namespace

InputForm::InputForm() : Form(QStringLiteral("InputForm"))
{
    setUpEntryDialog(this, QStringLiteral("Parameters."), 5775, 3435);

    frame_ = new QGroupBox(this);
    frame_->setObjectName(QStringLiteral("Input_Value_Box"));
    frame_->setGeometry(twips(120, 60, 5535, 3300));

    auto label = [this](const QString& name, const QRect& r, const QString& text) {
        auto* l = new QLabel(text, frame_);
        l->setObjectName(name);
        l->setGeometry(r);
        l->setWordWrap(true);
        return l;
    };
    heading_ = label(QStringLiteral("Heading"), twips(2880, 360, 1935, 255), QString());
    message_ = label(QStringLiteral("Message"), twips(480, 240, 2295, 375), QString());
    QFont small = font();
    small.setPixelSize(9);
    message_->setFont(small);
    // The two captions share 49 pixels of width: a smaller face keeps "Formatted" whole.
    QFont captionFont = font();
    captionFont.setPixelSize(10);
    label(QStringLiteral("Label1"), twips(360, 1800, 735, 375), QStringLiteral("Actual Value"))->setFont(captionFont);
    label(QStringLiteral("Label2"), twips(360, 2280, 735, 375), QStringLiteral("Formatted Value"))
        ->setFont(captionFont);

    inputValue_ = new QLineEdit(frame_);
    inputValue_->setObjectName(QStringLiteral("InputValue"));
    inputValue_->setGeometry(twips(1200, 1800, 1935, 375));
    inputValue_->setContextMenuPolicy(Qt::NoContextMenu);
    inputValue_->setDragEnabled(false);
    inputValue_->setAcceptDrops(false);
    inputValue_->installEventFilter(this);
    // Every character goes through the key filter; an edit that bypassed it
    // (pasting, dropping) is undone.
    connect(inputValue_, &QLineEdit::textEdited, this, [this] { inputValue_->setText(shownText_); });

    outputValue_ = label(QStringLiteral("OutputValue"), twips(1200, 2280, 1935, 375), QString());
    outputValue_->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    for (int i = 0; i < kKeys; ++i) {
        auto* b = new CommandButton(frame_, QStringLiteral("Digits"), i);
        b->setCaption(keyCaption(i));
        b->setGeometry(keyRect(i));
        b->setFocusPolicy(Qt::NoFocus);
        b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
        connect(b, &CommandButton::clickedIndex, this, &InputForm::digitsClick);
        digits_[size_t(i)] = b;
    }
    for (int i = 1; i <= 3; ++i) {
        auto* b = new CommandButton(frame_, QStringLiteral("MultOption"), i);
        b->setGeometry(twips(3240, 1800 + 480 * (i - 1), 2175, 375));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &CommandButton::clickedIndex, this, &InputForm::multOptionClick);
        mult_[size_t(i - 1)] = b;
    }
    ok_ = new CommandButton(frame_, QStringLiteral("OK"));
    ok_->setCaption(QStringLiteral("OK"));
    ok_->setGeometry(twips(1200, 2760, 1935, 375));
    connect(ok_, &QPushButton::clicked, this, &InputForm::confirmEntry);
    cancel_ = new CommandButton(frame_, QStringLiteral("Cancel"));
    cancel_->setCaption(QStringLiteral("Cancel"));
    cancel_->setGeometry(twips(240, 2760, 855, 375));
    connect(cancel_, &QPushButton::clicked, this, &InputForm::cancel);
}

void InputForm::formLoad()
{
    typed_.clear();
    showValue(QString());
    outputValue_->clear();
    enableMultipliers(false);
    ++suite().openWindowCount;
    // Only the digits, "." and "-" until a quantity type asks for more.
    for (int i = 0; i < kKeys; ++i)
        digits_[size_t(i)]->setEnabled(i <= 9 || i == 16 || i == 17);
}

void InputForm::formUnload() { --suite().openWindowCount; }

void InputForm::formActivate() { raiseWindow(this); }

QString InputForm::heading() const { return heading_->text(); }

void InputForm::setHeading(const QString& type)
{
    heading_->setText(type);
    for (CommandButton* b : mult_)
        b->setVisible(true);
    const QuantityEntry* q = findQuantity(type);
    if (!q)
        return;  // an unlisted type keeps the buttons as they are
    for (size_t i = 0; i < 3; ++i) {
        const auto& m = q->multipliers[i];
        mult_[i]->setCaption(m ? m->caption : QString());
        mult_[i]->setVisible(m.has_value());
    }
}

void InputForm::configureKeypad()
{
    const QuantityEntry* q = findQuantity(heading());
    if (!q)
        return;
    if (!q->message.isEmpty())
        message_->setText(q->message);
    for (int k : q->keysOn)
        digits_[size_t(k)]->setEnabled(true);
    for (int k : q->keysOff)
        digits_[size_t(k)]->setEnabled(false);
    if (q->allKeysOn)
        for (CommandButton* b : digits_)
            b->setEnabled(true);
}

void InputForm::open(const QString& quantityType, const QString& frameCaption)
{
    frame_->setTitle(frameCaption);
    outputValue_->clear();
    setHeading(quantityType);
    configureKeypad();
    typed_.clear();
    showValue(QString());
    inputValue_->setFocus();
}

void InputForm::showValue(const QString& text)
{
    shownText_ = text;
    inputValue_->setText(text);
}

void InputForm::enableMultipliers(bool enabled)
{
    for (int i = 2; i >= 0; --i)
        mult_[size_t(i)]->setEnabled(enabled);
    if (enabled)
        inputValue_->setFocus();
}

void InputForm::keyPress(QChar c)
{
    if (!isLoaded())
        return;
    if (c == QLatin1Char('\r')) {
        confirmEntry();
        return;
    }
    BusyFlag busy(busy_);
    enableMultipliers(true);
    const QString type = heading();
    if (c == QLatin1Char('\b')) {
        typed_.chop(1);
    } else {
        const QuantityEntry* q = findQuantity(type);
        const bool allowed = q ? q->keyboard.contains(c) : c.unicode() >= 32;
        if (!allowed)
            return;  // swallowed
        if (q && q->capitalHexLetters && c >= QLatin1Char('a') && c <= QLatin1Char('f'))
            c = c.toUpper();
        if (q && q->capitalExponent && c == QLatin1Char('e'))
            c = QLatin1Char('E');
        typed_ += c;
    }
    // The box always shows what the keyboard built, so after a multiplier
    // typing carries on from the typed text without the factor.
    showValue(typed_);
    current_ = entryValue(type, typed_);
    formatted_ = formatEntry(type, current_, typed_);
    raw_ = current_;
    outputValue_->setText(typed_.isEmpty() ? QString() : formatted_);
    if (mult_[0]->isEnabled())
        inputValue_->setFocus();
}

void InputForm::digitsClick(int index)
{
    if (!isLoaded() || index < 0 || index >= kKeys || !digits_[size_t(index)]->isEnabled())
        return;
    BusyFlag busy(busy_);
    const QString type = heading();
    if (index != kDelete)
        enableMultipliers(true);
    digits_[kDelete]->setEnabled(true);
    QString text = inputValue_->text();
    if (index == 17) {
        // A sign toggle, except in an exponent where it is the exponent's sign.
        if (type == QLatin1String("Exponent No."))
            text += QLatin1Char('-');
        else
            text = Str(-Val(text));
    } else if (index == kDelete) {
        text.chop(1);
    } else {
        text += digits_[size_t(index)]->caption();
    }
    showValue(text);
    // Keyboard input continues from what the box now shows.
    typed_ = text;
    current_ = entryValue(type, text);
    formatted_ = formatEntry(type, current_, text);
    raw_ = current_;
    outputValue_->setText(formatted_);
    if (text.isEmpty()) {
        outputValue_->clear();
        digits_[kDelete]->setEnabled(false);
    }
    if (mult_[0]->isEnabled())
        inputValue_->setFocus();
}

void InputForm::multOptionClick(int index)
{
    if (!isLoaded() || index < 1 || index > 3 || !mult_[size_t(index - 1)]->isEnabled())
        return;
    BusyFlag busy(busy_);
    const QString type = heading();
    if (type == QLatin1String("Octal.") && index == 1) {
        showValue(inputValue_->text() + QLatin1Char('o'));
        return;
    }
    const QuantityEntry* q = findQuantity(type);
    if (!q || !q->multipliers[size_t(index - 1)])
        return;
    // The factor applies to the raw value: pressing "kOhms" twice is pressing it once.
    current_ = raw_ * q->multipliers[size_t(index - 1)]->factor;
    formatted_ = formatEntry(type, current_, typed_);
    showValue(Str(current_));
    outputValue_->setText(formatted_);
    if (mult_[0]->isEnabled())
        inputValue_->setFocus();
}

void InputForm::confirmEntry()
{
    if (!isLoaded())
        return;
    {
        BusyFlag busy(busy_);
        QString text = inputValue_->text();
        if (!text.isEmpty()) {
            BusyCursor hourglass;
            const QString type = heading();
            const double v = Val(text);
            QString message;
            auto zero = [&](const QString& sentence, const QString& formatted) {
                message = sentence;
                text = QStringLiteral("1");
                formatted_ = formatted;
            };
            if (type == QLatin1String("Resistance.") && v == 0) {
                zero(QStringLiteral("Zero resistance is a short-circuit and has been adjusted to 1 Ohm."),
                     FormatOhms(1));
            } else if ((type == QLatin1String("Voltage.") || type == QLatin1String("Positive Voltage.")) && v == 0) {
                zero(QStringLiteral("To avoid calculation errors 0V is not allowed and has been adjusted to 1V."),
                     FormatVolts(1));
            } else if (type == QLatin1String("Inductance.") && v == 0) {
                zero(QStringLiteral("Zero inductance is a short-circuit and has been adjusted to 1H."),
                     FormatHenrys(1));
            } else if (type == QLatin1String("Frequency.") && v == 0) {
                zero(QStringLiteral("Zero frequency is DC. To avoid inaccurate calculations this has been "
                                    "adjusted to 1Hz."),
                     FormatHertz(1, false));
            } else if (type == QLatin1String("Capacitance.")) {
                if (v == 0)
                    zero(QStringLiteral("Zero capacitance is an open-circuit and has been adjusted to 1\u00B5F."),
                         FormatFarads(1e-6f));
                // The topic reads farads; the learner typed microfarads.
                text = Str(Val(text) * 1e-6);
            } else if (type == QLatin1String("Angle.") || type == QLatin1String("Positive Angle.")) {
                if (v > 360)
                    text = QStringLiteral("360");
                else if (v < -360 && type == QLatin1String("Angle."))
                    text = QStringLiteral("-360");
            }
            showValue(text);
            if (!message.isEmpty())
                msgBox(message + suite().paragraphBreak +
                           QStringLiteral("See CHANGING VALUES in 'Additional Information' from Window Menu."),
                       MsgButtons::Ok, kChangedTitle);
            // The topic takes the value now, reading InputValue while the dialog is loaded.
            if (Label* target = suite().editedInputLabel)
                target->setCaption(formatted_);
        }
    }
    unloadSelf();
}

void InputForm::cancel()
{
    if (!isLoaded())
        return;
    suite().entryLock = true;
    unloadSelf();
}

void InputForm::unloadSelf()
{
    wasActive_ = false;
    FormRegistry::instance().unload(this);
}

bool InputForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        wasActive_ = true;
        formActivate();
    } else if (e->type() == QEvent::WindowDeactivate && isLoaded() && wasActive_ && !busy_) {
        // Decide once the activation has settled: which window took it over?
        QTimer::singleShot(0, this, &InputForm::loseActivation);
    }
    return Form::event(e);
}

void InputForm::loseActivation()
{
    if (!isLoaded() || busy_ || !activationMovedElsewhere(this))
        return;
    suite().entryLock = true;
    unloadSelf();
}

void InputForm::closeEvent(QCloseEvent* e)
{
    // The title bar's close button is Cancel.
    e->ignore();
    cancel();
}

bool InputForm::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != inputValue_ || e->type() != QEvent::KeyPress)
        return Form::eventFilter(watched, e);
    auto* k = static_cast<QKeyEvent*>(e);
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: keyPress(QLatin1Char('\r')); return true;
    case Qt::Key_Backspace: keyPress(QLatin1Char('\b')); return true;
    case Qt::Key_Escape: cancel(); return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return false;
    default: break;
    }
    const QString text = k->text();
    if (!text.isEmpty() && text[0].unicode() >= 32 && !(k->modifiers() & Qt::ControlModifier))
        for (QChar c : text)
            if (isLoaded())
                keyPress(c);
    return true;  // nothing reaches the box unfiltered
}

void OpenValueEntry(const QString& quantityType, int index)
{
    auto& registry = FormRegistry::instance();
    // Each entry starts from a freshly loaded dialog.
    if (registry.isLoaded(QStringLiteral("InputForm")))
        registry.unload(QStringLiteral("InputForm"));
    auto* f = dynamic_cast<InputForm*>(registry.form(QStringLiteral("InputForm")));
    if (!f)
        return;
    // The window served is the one whose label the entry goes to.
    Form* served = owningForm(suite().editedInputLabel);
    if (!served)
        served = suite().currentWindow;
    // The frame carries the caption of the button that asked for the value.
    QString caption;
    if (served) {
        if (auto* b = served->findChild<QAbstractButton*>(controlName(QStringLiteral("SelectButton"), index)))
            caption = b->text();
        // An entry for a window that closes meanwhile is dropped, as Cancel does.
        QObject::connect(served, &Form::unloaded, f, &InputForm::cancel);
        QObject::connect(served, &QObject::destroyed, f, &InputForm::cancel);
    }
    placeOverMainWindow(f);
    f->showForm();
    f->open(quantityType, caption);
    raiseWindow(f);
    f->activateWindow();
}

QString InputValueText()
{
    if (auto* f = dynamic_cast<InputForm*>(FormRegistry::instance().loadedForm(QStringLiteral("InputForm"))))
        return f->inputValue()->text();
    return QString();
}

}  // namespace orr
