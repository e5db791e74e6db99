// The equation editor through its real window and script control: results
// and error messages for a table of expressions, keypad sequences, values
// entered through the dialog, and the NumberSystems button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QKeyEvent>
#include <QLineEdit>

#include <utility>
#include <vector>

#include "../values/qstring_print.h"
#include "platform/controls.h"
#include "platform/msgbox.h"
#include "shell/shell_actions.h"
#include "suite_fixture.h"
#include "tools/equation_editor.h"
#include "topics/numbers/number_systems.h"
#include "values/input_form.h"

using namespace orr;

namespace {

const QString kError = QStringLiteral("<error>");

// A freshly loaded editor, as the Editors menu opens it (a = 1 ... y = 6).
EquationEditor* freshEditor()
{
    MainWindow* m = test::mainWindow();
    FormRegistry::instance().unload(QStringLiteral("EquationEditor"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m->editor_Click(0);
    return dynamic_cast<EquationEditor*>(FormRegistry::instance().loadedForm(QStringLiteral("EquationEditor")));
}

// The result shown after Enter, or kError when the error message came up
// (the previous result must then stay).
QString evaluate(EquationEditor* ed, const QString& expression)
{
    takeMessages();
    const QString before = ed->Label4->text();
    ed->EquationTextBox->setText(expression);
    ed->Enter_Click();
    const auto shown = takeMessages();
    if (shown.empty())
        return ed->Label4->text();
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Equation evaluation error.");
    EXPECT_EQ(shown[0].text, "Please re-check your entry");
    EXPECT_EQ(ed->Label4->text(), before) << "an error leaves the previous result";
    return kError;
}

// A value typed into the dialog that the variable's button opens, then Enter.
void enterValue(EquationEditor* ed, int index, const QString& typed)
{
    ed->SelectButton_Click(index);
    auto* f = dynamic_cast<InputForm*>(FormRegistry::instance().loadedForm(QStringLiteral("InputForm")));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->heading(), "Decimal No.");
    for (QChar c : typed + QLatin1Char('\r')) {
        const int key = c == QLatin1Char('\r') ? int(Qt::Key_Return) : int(c.unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(f->inputValue(), &press);
    }
    QApplication::processEvents();
}

}  // namespace

TEST(EquationEditor, OpensWithTheVariablesSetAndTheToolbarHidden)
{
    EquationEditor* ed = freshEditor();
    ASSERT_NE(ed, nullptr);
    EXPECT_EQ(ed->caption(), "EQUATION EDITOR");
    for (int b = 1; b <= 7; ++b)
        EXPECT_FALSE(toolbarButtonVisible(b));
    const char* names[] = {"a", "b", "c", "d", "x", "y"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(ed->SelectButton[size_t(i)]->caption(), names[i]);
        EXPECT_EQ(ed->InputLabel[size_t(i)]->caption(), QString::number(i + 1));
        EXPECT_EQ(evaluate(ed, QLatin1String(names[i])), QString::number(i + 1));
    }
}

TEST(EquationEditor, ResultsAndErrorsFollowTheScriptLanguage)
{
    struct Case {
        std::vector<std::pair<int, double>> values;  // variable index, value
        const char* expression;
        QString shown;
    };
    const std::vector<Case> cases = {
        {{}, "1 + 2 = 2 + 1", "True"},
        {{}, "1 + 2 = 5", "False"},
        {{}, "a / b = a * b / c", "False"},
        {{{0, 3}, {1, 6}, {2, 36}}, "a / b = a * b / c", "True"},
        {{}, "A + B + C + D + X + Y", "21"},
        {{}, "b / a", "2"},
        {{}, "d / c", "1.33333333333333"},
        {{}, "y \\ d", "1"},
        {{}, "5 Mod 2", "1"},
        {{}, "2 ^ 10", "1024"},
        {{}, "1E-08 * 2", "2E-08"},
        {{}, "10 ^ 20", "1E+20"},
        {{}, "Sqr(x - 1)", "2"},
        {{}, "Abs(-4.5) + Int(-1.5) + Fix(-1.5)", "1.5"},
        {{{0, -4.5}}, "a * 2", "-9"},
        {{{1, 0}}, "a / b", kError},
        {{}, "1 +", kError},
        {{}, "(a + b", kError},
        {{}, "a + \"x\"", kError},
        {{}, "10 ^ 400", kError},
        {{}, "Sqr(-1)", kError},
        {{}, "q(1)", kError},
        {{}, "   ", QString()},  // not evaluated, no message
    };
    for (const Case& c : cases) {
        EquationEditor* ed = freshEditor();
        ASSERT_NE(ed, nullptr);
        for (const auto& [index, value] : c.values)
            ASSERT_TRUE(ed->setVariable(index, value));
        EXPECT_EQ(evaluate(ed, QString::fromUtf8(c.expression)), c.shown) << c.expression;
    }
}

TEST(EquationEditor, RoundingReadsTheResultAsANumber)
{
    EquationEditor* ed = freshEditor();
    ASSERT_NE(ed, nullptr);
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"2 ^ 0.5", "1.41"}, {"-d / c", "-1.33"}, {"1 + 2 = 2 + 1", "0"}, {"1 = 2", "0"},
        {"1E-08", "0"},     {"7", "7"},          {"2.675 * 2", "5.35"},
    };
    for (const auto& [expression, rounded] : cases) {
        ASSERT_NE(evaluate(ed, QLatin1String(expression)), kError) << expression;
        ed->Rounding_Click();
        EXPECT_EQ(ed->Label4->text(), rounded) << expression;
    }
}

TEST(EquationEditor, KeypadSequencesBuildTheExpression)
{
    using namespace equation;
    const std::vector<std::pair<std::vector<int>, const char*>> cases = {
        {{1, kPlus, 2, kEquals, 2, kPlus, 1}, "1 + 2 = 2 + 1"},
        {{5, kMod, 2}, "5 Mod 2"},
        {{5, kSpace, kSpace, kMod, kSpace, 2}, "5 Mod  2"},
        {{kFirstVariable, kDivide, kFirstVariable + 1, kTimes, kOpenBracket, kFirstVariable + 4, kMinus,
          kFirstVariable + 5, kCloseBracket},
         "a / b * (x - y)"},
        {{7, kIntegerDivide, 2, kPower, 3}, "7 \\ 2 ^ 3"},
        {{kFirstFunction + 10, 1, 6, kCloseBracket}, "Sqr(16)"},
        {{1, kPoint, 5, kExponent, kMinus, 3, kTimes, 2}, "1.5E-3 * 2"},
        {{kFirstVariable + 3, kExponent, kMinus, 1}, "dE - 1"},
        {{kMinus, 4}, "- 4"},
        {{kSpace, kSpace, 4}, "4"},
        {{1, kPlus, kDelete}, "1 "},
        {{1, kPlus, kDelete, kDelete}, ""},
        {{kDelete}, ""},
        {{1, 2, kClear}, ""},
        {{kClear, kDelete, 3}, "3"},
    };
    for (const auto& [keys, expected] : cases) {
        QString text;
        for (int k : keys)
            text = pressKey(text, k);
        EXPECT_EQ(text, QLatin1String(expected));
    }
    // Through the window: the keys write into the box, Clear also empties the result.
    EquationEditor* ed = freshEditor();
    ASSERT_NE(ed, nullptr);
    for (int k : {1, int(kPlus), 2, int(kEquals), 3})
        ed->Digits_Click(k);
    ed->Enter_Click();
    EXPECT_EQ(ed->Label4->text(), "True");
    ed->Digits_Click(kClear);
    EXPECT_EQ(ed->EquationTextBox->text(), "");
    EXPECT_EQ(ed->Label4->text(), "");
    EXPECT_EQ(ed->Digits[size_t(kFirstVariable + 3)]->toolTip(), "variable d");
    EXPECT_EQ(ed->Digits[size_t(kIntegerDivide)]->caption(), " \\ ");
}

TEST(EquationEditor, ValuesFromTheDialogReachTheScriptExactly)
{
    EquationEditor* ed = freshEditor();
    ASSERT_NE(ed, nullptr);
    const std::vector<std::tuple<int, const char*, const char*>> cases = {
        {0, "-4.5", "-4.5"}, {1, "0", "0"}, {4, "0.00000001", "1E-08"}, {5, "123456.789", "123456.789"},
        {2, "-0.25", "-0.25"},
    };
    for (const auto& [index, typed, inScript] : cases) {
        enterValue(ed, index, QLatin1String(typed));
        const char* names[] = {"a", "b", "c", "d", "x", "y"};
        EXPECT_EQ(evaluate(ed, QLatin1String(names[index])), inScript) << typed;
        EXPECT_FALSE(ed->InputLabel[size_t(index)]->caption().isEmpty());
    }
    // b is now 0: the division fails with the message.
    EXPECT_EQ(evaluate(ed, QStringLiteral("a / b")), kError);
}

TEST(EquationEditor, ALongEvaluationEndsInTheMessageAtTheTimeOut)
{
    EquationEditor* ed = freshEditor();
    ASSERT_NE(ed, nullptr);
    ed->ScriptControl1().setTimeout(200);
    EXPECT_EQ(evaluate(ed, QStringLiteral("Len(Join(Split(Space(5000000), \" \"), \"xy\"))")), kError);
    EXPECT_TRUE(ed->Enter->isEnabled());
    EXPECT_EQ(evaluate(ed, QStringLiteral("a + 1")), "2");
}

TEST(EquationEditor, ClosingWhileAnEvaluationRunsStopsItAndCloses)
{
    EquationEditor* ed = freshEditor();
    ASSERT_NE(ed, nullptr);
    QPointer<EquationEditor> guard(ed);
    QTimer::singleShot(50, ed, [ed] { ed->subWindow()->close(); });
    QElapsedTimer clock;
    clock.start();
    takeMessages();
    ed->EquationTextBox->setText(QStringLiteral("Len(Join(Split(Space(50000000), \" \"), \"xy\"))"));
    ed->Enter_Click();
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_FALSE(FormRegistry::instance().isLoaded(QStringLiteral("EquationEditor")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}

TEST(EquationEditor, NumberSystemsButtonOpensTheExampleExpression)
{
    const std::vector<std::tuple<int, int, const char*, const char*>> cases = {
        {0, 3, "a + b + c", "1181"},
        {1, 2, "a - b", "2568"},
        {2, 2, "a * b", "3118318"},
        {3, 2, "b / a", "7560.94117647059"},
    };
    for (const auto& [example, button, expression, result] : cases) {
        auto* t = test::openTopic<NumberSystems>(QStringLiteral("NumberSystems"), example);
        ASSERT_NE(t, nullptr);
        ASSERT_TRUE(t->SelectButton[size_t(button)]->isEnabled());
        t->SelectButton_Click(button);
        auto* ed = dynamic_cast<EquationEditor*>(FormRegistry::instance().loadedForm(QStringLiteral("EquationEditor")));
        ASSERT_NE(ed, nullptr);
        EXPECT_EQ(ed->EquationTextBox->text(), expression);
        EXPECT_EQ(ed->variable(0), t->a);
        EXPECT_EQ(ed->InputLabel[1]->caption(), QString::number(t->b));
        ed->Enter_Click();
        EXPECT_EQ(ed->Label4->text(), result) << expression;
    }
}
