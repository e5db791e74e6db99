// The value-entry dialog driven as a learner drives it: keys into the focused
// box, clicks on the keypad and multipliers, OK, Cancel, clicking elsewhere.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QThread>
#include <functional>

#include "platform/controls.h"
#include "platform/msgbox.h"
#include "qstring_print.h"
#include "state/suite_state.h"
#include "values/input_form.h"
#include "values/limit_value.h"
#include "values/value_entry.h"

using namespace orr;

namespace {

const QString mu = QStringLiteral("\u00B5");

// A topic window reduced to one selector: SelectButton(0), InputLabel(0) and
// the change handler that takes the value, as the topic framework does.
class StandInTopic : public Form {
public:
    StandInTopic() : Form(QStringLiteral("StandInTopic"))
    {
        button = new CommandButton(this, QStringLiteral("SelectButton"), 0);
        button->setCaption(QStringLiteral("Range 0-255"));
        label = new Label(this, QStringLiteral("InputLabel"), 0);
        label->setCaption(QStringLiteral("old"));
        QObject::connect(label, &Label::changed, [this](int) { inputLabelChange(); });
        resize(300, 200);
    }
    void selectButtonClick(const QString& type)
    {
        suite().currentWindow = this;
        suite().entryLock = true;
        suite().editedInputLabel = label;
        suite().quantityType = type;
        OpenValueEntry(type, 0);
        suite().entryLock = false;
    }
    void inputLabelChange()
    {
        if (suite().entryLock)
            return;
        ++changes;
        value = Val(InputValueText());
        if (limit > 0)
            LimitValue(value, limit, -1);
    }
    CommandButton* button;
    Label* label;
    double value = -1;
    double limit = 0;
    int changes = 0;
};

class InputFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setMessageBoxesSilent(true);
        takeMessages();
        suite().openWindowCount = 0;
        topic = new StandInTopic;
        topic->show();
    }
    void TearDown() override
    {
        FormRegistry::instance().unload(QStringLiteral("InputForm"));
        suite().editedInputLabel = nullptr;
        suite().currentWindow = nullptr;
        delete topic;
        QApplication::processEvents();
    }
    InputForm* open(const QString& type)
    {
        topic->selectButtonClick(type);
        return dialog();
    }
    static InputForm* dialog()
    {
        return dynamic_cast<InputForm*>(FormRegistry::instance().loadedForm(QStringLiteral("InputForm")));
    }
    // One key press per character into the dialog's focused control.
    static void type(const QString& text)
    {
        for (QChar c : text) {
            int key = c.toUpper().unicode();
            if (c == QLatin1Char('\r'))
                key = Qt::Key_Return;
            else if (c == QLatin1Char('\b'))
                key = Qt::Key_Backspace;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            InputForm* f = dialog();
            ASSERT_NE(f, nullptr);
            ASSERT_EQ(f->focusWidget(), f->inputValue());
            QApplication::sendEvent(f->focusWidget(), &press);
        }
    }
    static void click(const QString& name)
    {
        InputForm* f = dialog();
        ASSERT_NE(f, nullptr);
        auto* b = f->findChild<QAbstractButton*>(name);
        ASSERT_NE(b, nullptr) << name.toStdString();
        b->click();
    }
    static QString box() { return dialog() ? dialog()->inputValue()->text() : QStringLiteral("<unloaded>"); }
    static QString output() { return dialog() ? dialog()->outputValue()->text() : QStringLiteral("<unloaded>"); }

    StandInTopic* topic = nullptr;
};

}  // namespace

TEST_F(InputFormTest, OpensFreshWithHeadingFrameAndCount)
{
    InputForm* f = open(QStringLiteral("Resistance."));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->caption(), "Parameters.");
    EXPECT_EQ(f->frame()->title(), "Range 0-255");
    EXPECT_EQ(f->heading(), "Resistance.");
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(suite().openWindowCount, 1);
    EXPECT_FALSE(suite().entryLock);
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(f->multOption(i)->isEnabled());
    EXPECT_EQ(f->multOption(2)->caption(), "kOhms");
    EXPECT_FALSE(f->digits(17)->isEnabled());  // no sign for a resistance
    EXPECT_FALSE(f->digits(InputForm::kDelete)->isEnabled());
    EXPECT_FALSE(f->digits(10)->isEnabled());
    EXPECT_EQ(f->digits(18)->caption(), "Delete");
    EXPECT_EQ(f->digits(23)->caption(), "K");
    EXPECT_EQ(f->digits(38)->caption(), "Z");
    EXPECT_EQ(f->digits(18)->geometry().width(), twipsToPixels(615));
    EXPECT_EQ(f->digits(19)->geometry().left(), twipsToPixels(3720));
    // Reopening starts again from scratch and is still one window.
    type("12");
    open(QStringLiteral("Voltage."));
    QApplication::processEvents();
    EXPECT_EQ(box(), "");
    EXPECT_EQ(suite().openWindowCount, 1);
}

TEST_F(InputFormTest, KiloOhmsOnTheRawValue)
{
    open(QStringLiteral("Resistance."));
    type("4.7");
    EXPECT_EQ(output(), "4.70R");
    click("MultOption(2)");
    EXPECT_EQ(box(), "4700");
    EXPECT_EQ(output(), "4.70k");
    click("MultOption(2)");
    EXPECT_EQ(box(), "4700");
    EXPECT_EQ(output(), "4.70k");
    click("MultOption(3)");
    EXPECT_EQ(output(), "4.70M");
    click("MultOption(1)");
    EXPECT_EQ(box(), "4.7");
    type("\r");
    EXPECT_EQ(topic->label->caption(), "4.70R");
    EXPECT_DOUBLE_EQ(topic->value, 4.7);
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(suite().openWindowCount, 0);
}

TEST_F(InputFormTest, TypingAfterAMultiplierStartsFromTheTypedText)
{
    open(QStringLiteral("Resistance."));
    type("4.7");
    click("MultOption(2)");
    type("1");
    EXPECT_EQ(box(), "4.71");
    EXPECT_EQ(output(), "4.71R");
    click("OK");
    EXPECT_EQ(topic->label->caption(), "4.71R");
}

TEST_F(InputFormTest, CapacitanceIsTypedInMicrofaradsAndHandedBackInFarads)
{
    open(QStringLiteral("Capacitance."));
    type("10");
    EXPECT_EQ(output(), "10" + mu + "F");
    click("MultOption(2)");
    EXPECT_EQ(box(), "0.01");
    EXPECT_EQ(output(), "10nF");
    click("OK");
    EXPECT_EQ(topic->label->caption(), "10nF");
    EXPECT_DOUBLE_EQ(topic->value, 1e-08);
}

TEST_F(InputFormTest, ZeroCorrectionsOnConfirmation)
{
    const QString see = QStringLiteral("\n\nSee CHANGING VALUES in 'Additional Information' from Window Menu.");
    const struct {
        const char* type;
        QString sentence, label;
        double value;
    } cases[] = {
        {"Voltage.", "To avoid calculation errors 0V is not allowed and has been adjusted to 1V.", "1V", 1},
        {"Resistance.", "Zero resistance is a short-circuit and has been adjusted to 1 Ohm.", "1R", 1},
        {"Inductance.", "Zero inductance is a short-circuit and has been adjusted to 1H.", "1H", 1},
        {"Frequency.",
         "Zero frequency is DC. To avoid inaccurate calculations this has been adjusted to 1Hz.", "1Hz", 1},
        {"Capacitance.", "Zero capacitance is an open-circuit and has been adjusted to 1" + mu + "F.",
         "1" + mu + "F", 1e-6},
    };
    for (const auto& c : cases) {
        open(QString::fromUtf8(c.type));
        type("0\r");
        const auto boxes = takeMessages();
        ASSERT_EQ(boxes.size(), 1u) << c.type;
        EXPECT_EQ(boxes[0].title, "Input changed.");
        EXPECT_EQ(boxes[0].text, c.sentence + see);
        EXPECT_EQ(topic->label->caption(), c.label);
        EXPECT_DOUBLE_EQ(topic->value, c.value) << c.type;
    }
    // A zero that other types accept passes without a word.
    open(QStringLiteral("Positive Integer No."));
    type("0\r");
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(topic->label->caption(), "0");
}

TEST_F(InputFormTest, AnglesAreCutTo360)
{
    open(QStringLiteral("Angle."));
    type("400");
    EXPECT_EQ(box(), "400");
    EXPECT_EQ(output(), "360\u00B0");
    click("OK");
    EXPECT_DOUBLE_EQ(topic->value, 360);
    open(QStringLiteral("Angle."));
    type("-720\r");
    EXPECT_DOUBLE_EQ(topic->value, -360);
    EXPECT_EQ(topic->label->caption(), "-360\u00B0");
    open(QStringLiteral("Positive Angle."));
    type("-45");
    EXPECT_EQ(box(), "45");  // no sign for a positive angle
    click("OK");
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(InputFormTest, KeyboardFiltersAndConversions)
{
    const struct {
        const char* type;
        const char* keys;
        QString box, output;
    } cases[] = {
        {"Binary No.", "1021x", "101", "00000101"},
        {"Hexadecimal.", "a.fG", "A.F", "A.Fh"},
        {"Exponent No.", "1.5e+3x", "1.5E+3", "1.50E+03"},
        {"Positive Integer No.", "12.5-a", "125", "125"},
        {"Integer No.", "-12.", "-12", "(-12)"},
        {"Octal.", "1789", "17", "17o"},
        {"Mixed Binary No.", "10.012", "10.01", "10.01"},
        {"Voltage.", "-4.7\b\b", "-4", "-4V"},
        {"Money.", "3.5", "3.5", "\u00A33.50"},
        {"Alpha Numeric.", "1-2.x", "1-2.", "1-2."},
        {"Time.", "90", "90", "1.50mins"},
        {"Bytes.", "1024", "1024", "1.02Kbytes"},
        {"Temperature C.", "-12.5", "-12.5", "(-12.50)\u00B0C"},
    };
    for (const auto& c : cases) {
        open(QString::fromUtf8(c.type));
        type(QString::fromUtf8(c.keys));
        EXPECT_EQ(box(), c.box) << c.type;
        EXPECT_EQ(output(), c.output) << c.type;
    }
    suite().entryWidth = 4;
    open(QStringLiteral("HEX."));
    type("1a.");
    EXPECT_EQ(output(), "001Ah");
    // Backspace past the start changes nothing and costs nothing.
    open(QStringLiteral("Resistance."));
    type("\b\b5\b");
    EXPECT_EQ(box(), "");
    EXPECT_EQ(output(), "");
    click("OK");
    EXPECT_EQ(topic->changes, 0);
    EXPECT_EQ(topic->label->caption(), "old");
}

TEST_F(InputFormTest, KeypadEnablingPerQuantity)
{
    auto enabled = [](InputForm* f) {
        QString s;
        for (int i = 0; i < InputForm::kKeys; ++i)
            s += f->digits(i)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    //                       0123456789ABCDEF.-DGHIJKLMNOPQRSTUVWXYZ
    const struct {
        const char* type;
        QString keys;
    } cases[] = {
        {"Voltage.", "111111111100000011000000000000000000000"},
        {"Resistance.", "111111111100000010000000000000000000000"},
        {"Positive Integer No.", "111111111100000000000000000000000000000"},
        {"Integer No.", "111111111100000001000000000000000000000"},
        {"Binary No.", "110000000000000000000000000000000000000"},
        {"Mixed Binary No.", "110000000000000010000000000000000000000"},
        {"Octal.", "111111110000000010000000000000000000000"},
        {"Exponent No.", "111111111100001011000000000000000000000"},
        {"Hexadecimal.", "111111111111111110000000000000000000000"},
        {"HEX.", "111111111111111100000000000000000000000"},
        {"Alpha Numeric.", "111111111111111111111111111111111111111"},
        {"No such type.", "111111111100000011000000000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(enabled(open(QString::fromUtf8(c.type))), c.keys) << c.type;
}

TEST_F(InputFormTest, KeypadTypesAppendsTogglesAndDeletes)
{
    InputForm* f = open(QStringLiteral("Voltage."));
    EXPECT_FALSE(f->digits(InputForm::kDelete)->isEnabled());
    click("Digits(1)");
    EXPECT_TRUE(f->digits(InputForm::kDelete)->isEnabled());
    EXPECT_TRUE(f->multOption(1)->isEnabled());
    click("Digits(2)");
    EXPECT_EQ(output(), "12V");
    click("Digits(17)");
    EXPECT_EQ(box(), "-12");
    EXPECT_EQ(output(), "-12V");
    click("Digits(17)");
    EXPECT_EQ(box(), "12");
    // The keyboard carries on from what the keypad built.
    type("5");
    EXPECT_EQ(box(), "125");
    click("Digits(18)");
    click("Digits(18)");
    click("Digits(18)");
    EXPECT_EQ(box(), "");
    EXPECT_EQ(output(), "");
    EXPECT_FALSE(f->digits(InputForm::kDelete)->isEnabled());
    // A disabled key does nothing.
    click("Digits(12)");
    EXPECT_EQ(box(), "");

    open(QStringLiteral("Exponent No."));
    click("Digits(1)");
    click("Digits(14)");
    click("Digits(17)");
    click("Digits(3)");
    EXPECT_EQ(box(), "1E-3");
    EXPECT_EQ(output(), "1.00E-03");
}

TEST_F(InputFormTest, MultiplierCaptionsAndFactors)
{
    const QString x = QStringLiteral(" \u00D7 ");
    const struct {
        const char* type;
        QString captions[3];
        QString boxes[3];  // what a typed 5 becomes under each button
    } cases[] = {
        {"Amp Hours.", {"Ah", "mAh", mu + "Ah"}, {"5", "0.005", "5E-06"}},
        {"Frequency.", {"Hz", "kHz", "MHz"}, {"5", "5000", "5000000"}},
        {"Joules.", {"Decimal No." + x + "1", "Decimal No." + x + ".1", "Decimal No." + x + ".01"},
         {"5", "0.5", "0.05"}},
        {"Money.", {"Currency" + x + "1", "Currency" + x + "10", "Currency" + x + "100"}, {"5", "50", "500"}},
        {"Length.",
         {"Positive Decimal No." + x + "1", "Positive Decimal No." + x + "10", "Positive Decimal No." + x + "100"},
         {"5", "50", "500"}},
        {"Velocity.", {"cm/s", "m/s", ""}, {"5", "500", ""}},
    };
    for (const auto& c : cases) {
        InputForm* f = open(QString::fromUtf8(c.type));
        type("5");
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(f->multOption(i)->caption(), c.captions[i - 1]) << c.type << i;
            EXPECT_EQ(f->multOption(i)->isVisibleTo(f), !c.captions[i - 1].isEmpty()) << c.type << i;
            if (c.boxes[i - 1].isEmpty())
                continue;
            click(QStringLiteral("MultOption(%1)").arg(i));
            EXPECT_EQ(box(), c.boxes[i - 1]) << c.type << i;
        }
    }
    InputForm* f = open(QStringLiteral("Time."));
    EXPECT_EQ(f->findChild<QLabel*>(QStringLiteral("Message"))->text(),
              "1 minute = 60 seconds\n1 hour = 3600 seconds.");
    f = open(QStringLiteral("Binary No."));
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(f->multOption(i)->isVisibleTo(f));
}

TEST_F(InputFormTest, CancelAndEmptyEntryLeaveTheTopicAlone)
{
    open(QStringLiteral("Resistance."));
    type("47");
    click("Cancel");
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_TRUE(suite().entryLock);
    EXPECT_EQ(topic->label->caption(), "old");
    EXPECT_EQ(suite().openWindowCount, 0);

    open(QStringLiteral("Resistance."));
    click("OK");
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(topic->changes, 0);

    open(QStringLiteral("Resistance."));
    type("47");
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog()->inputValue(), &escape);
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(topic->label->caption(), "old");
}

TEST_F(InputFormTest, RangeLimitOfTheTopic)
{
    topic->limit = 255;
    open(QStringLiteral("Positive Integer No."));
    type("300\r");
    EXPECT_DOUBLE_EQ(topic->value, 255);
    EXPECT_EQ(topic->label->caption(), "255");
    const auto boxes = takeMessages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Input range limited.");
    EXPECT_EQ(boxes[0].text, "Your input value is out of range and has been restricted to 255");
    EXPECT_TRUE(suite().entryLock);
}

TEST_F(InputFormTest, PastedTextIsUndone)
{
    open(QStringLiteral("Positive Integer No."));
    type("12");
    QApplication::clipboard()->setText(QStringLiteral("x9"));
    dialog()->inputValue()->paste();
    EXPECT_EQ(box(), "12");
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    QApplication::sendEvent(dialog()->inputValue(), &paste);
    EXPECT_EQ(box(), "12");
}

namespace {
bool waitFor(const std::function<bool()>& done)
{
    for (int i = 0; i < 200 && !done(); ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    return done();
}
}  // namespace

TEST_F(InputFormTest, ClickingElsewhereClosesLikeCancel)
{
    topic->activateWindow();
    ASSERT_TRUE(waitFor([this] { return topic->isActiveWindow(); }));
    InputForm* f = open(QStringLiteral("Resistance."));
    ASSERT_TRUE(waitFor([f] { return f->isActiveWindow(); }));
    // Working in the dialog does not close it.
    type("47");
    click("MultOption(2)");
    click("Digits(1)");
    QApplication::processEvents();
    ASSERT_EQ(dialog(), f);
    EXPECT_EQ(box(), "470001");
    // The learner clicks into the topic window.
    topic->activateWindow();
    EXPECT_TRUE(waitFor([] { return dialog() == nullptr; }));
    EXPECT_TRUE(suite().entryLock);
    EXPECT_EQ(topic->label->caption(), "old");
    EXPECT_EQ(suite().openWindowCount, 0);
}

TEST_F(InputFormTest, AMessageBoxOverTheDialogDoesNotCloseIt)
{
    InputForm* f = open(QStringLiteral("Resistance."));
    ASSERT_TRUE(waitFor([f] { return f->isActiveWindow(); }));
    type("47");
    QMessageBox note(QMessageBox::Information, QStringLiteral("Input range limited."), QStringLiteral("text"),
                    QMessageBox::Ok, topic);
    note.setWindowModality(Qt::ApplicationModal);
    note.show();
    note.activateWindow();
    ASSERT_TRUE(waitFor([&note] { return note.isActiveWindow(); }));
    QApplication::processEvents();
    ASSERT_EQ(dialog(), f);
    note.close();
    f->activateWindow();
    ASSERT_TRUE(waitFor([f] { return f->isActiveWindow(); }));
    EXPECT_EQ(dialog(), f);
    EXPECT_EQ(box(), "47");
}
