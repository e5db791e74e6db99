// The text-entry dialog against a stand-in statement label.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QThread>

#include "platform/controls.h"
#include "qstring_print.h"
#include "values/input_text_form.h"
#include "values/value_entry.h"

using namespace orr;

namespace {

class InputTextFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = new QWidget;
        window->setObjectName(QStringLiteral("Programming"));
        statement = new Label(window, QStringLiteral("Statement"));
        QObject::connect(statement, &Label::changed, [this](int) { ++handbacks; });
        window->show();
    }
    void TearDown() override
    {
        FormRegistry::instance().unload(QStringLiteral("InputTextForm"));
        delete window;
        QApplication::processEvents();
    }
    static InputTextForm* dialog()
    {
        return dynamic_cast<InputTextForm*>(FormRegistry::instance().loadedForm(QStringLiteral("InputTextForm")));
    }
    static void keys(std::initializer_list<int> indexes)
    {
        for (int i : indexes)
            dialog()->findChild<QAbstractButton*>(controlName(QStringLiteral("Digits"), i))->click();
    }
    static QString line() { return dialog()->inputValue()->text(); }

    QWidget* window = nullptr;
    Label* statement = nullptr;
    int handbacks = 0;
};

constexpr int P = 28, R = 30, I = 21, N = 26, T = 32, A = 10, B = 11, X = 36;

}  // namespace

TEST_F(InputTextFormTest, KeypadBuildsALine)
{
    OpenTextEntry(statement);
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(dialog()->caption(), "Program line entry.");
    EXPECT_EQ(dialog()->digits(46)->text(), "&&");
    EXPECT_EQ(dialog()->digits(49)->text(), "\"");
    EXPECT_EQ(dialog()->digits(40)->text(), "Space");
    EXPECT_EQ(dialog()->lowerCase()->text(), "Lower Case");

    const struct {
        bool lower;
        std::vector<int> keys;
        QString line;
    } cases[] = {
        {false, {P, R, I, N, T}, "PRINT"},
        {true, {P, R, I, N, T}, "print"},
        {false, {A, 44, B}, "A = B"},
        {false, {A, 39, B}, "A, B"},
        {false, {P, R, I, N, T, 40, 49, 1, 49, 46, X}, "PRINT \"1\" & X"},
        {false, {43, 1, 45, 2, 47, 3, 48, 4, 50, 41, 42, 16, 17}, "(1 + 2 * 3 / 4)><.-"},
        {false, {A, 18, 18, B}, "B"},  // Delete past the start stays empty
    };
    for (const auto& c : cases) {
        OpenTextEntry(statement);
        dialog()->lowerCase()->setChecked(c.lower);
        for (int k : c.keys)
            keys({k});
        EXPECT_EQ(line(), c.line);
    }
}

TEST_F(InputTextFormTest, KeysAppendToWhatWasTyped)
{
    OpenTextEntry(statement);
    QKeyEvent k(QEvent::KeyPress, Qt::Key_L, Qt::NoModifier, QStringLiteral("let x"));
    QApplication::sendEvent(dialog()->inputValue(), &k);
    keys({44, 1});
    EXPECT_EQ(line(), "let x = 1");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(dialog()->inputValue(), &enter);
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(statement->caption(), "let x = 1");
    EXPECT_EQ(handbacks, 1);
}

TEST_F(InputTextFormTest, OkHandsBackOnlyALine)
{
    OpenTextEntry(statement);
    dialog()->okClick();
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(handbacks, 0);

    OpenTextEntry(statement);
    keys({A});
    dialog()->cancelClick();
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(handbacks, 0);

    // A fresh box on every opening.
    OpenTextEntry(statement);
    EXPECT_EQ(line(), "");
    keys({B});
    dialog()->findChild<QAbstractButton*>(QStringLiteral("OK"))->click();
    EXPECT_EQ(statement->caption(), "B");
}

TEST_F(InputTextFormTest, ClickingElsewhereClosesWithoutHandingBack)
{
    window->activateWindow();
    OpenTextEntry(statement);
    InputTextForm* f = dialog();
    for (int i = 0; i < 200 && !f->isActiveWindow(); ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    ASSERT_TRUE(f->isActiveWindow());
    keys({A});
    QApplication::processEvents();
    ASSERT_EQ(dialog(), f);
    window->activateWindow();
    for (int i = 0; i < 200 && dialog(); ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(handbacks, 0);
}
