// The logic editor driven as a learner drives it: opened from the Editors
// menu, keypad clicks, variable buttons, typed expressions and Enter, with the
// real script control behind it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <initializer_list>
#include <ostream>
#include <vector>

#include "platform/controls.h"
#include "platform/msgbox.h"
#include "shell/shell_actions.h"
#include "suite_fixture.h"
#include "tools/logic_editor.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

using namespace orr;

namespace {

// A freshly opened editor, as the Editors menu opens it.
LogicEditor* openEditor()
{
    MainWindow* m = test::mainWindow();
    FormRegistry::instance().unload(QStringLiteral("LogicEditor"));
    QCoreApplication::processEvents();
    takeMessages();
    m->editor_Click(6);
    return dynamic_cast<LogicEditor*>(FormRegistry::instance().loadedForm(QStringLiteral("LogicEditor")));
}

// What the learner sees in the box after typing it and what the editor took from it.
void typeInto(LogicEditor* e, const QString& text)
{
    e->EquationTextBox->setText(text);
    emit e->EquationTextBox->textEdited(text);
}

void clickKeys(LogicEditor* e, std::initializer_list<int> keys)
{
    for (int k : keys)
        e->Digits(k)->click();
}

const QString kErrorTitle = QStringLiteral("Logic evaluation error.");

TEST(LogicEditor, OpensFromTheMenuPlacedWithEveryVariableAtZeroAndNoMessage)
{
    LogicEditor* e = openEditor();
    ASSERT_TRUE(e);
    EXPECT_TRUE(takeMessages().empty());  // six label changes evaluated an empty box
    EXPECT_EQ(e->caption(), QStringLiteral("Logic Editor"));
    MainWindow* m = MainWindow::instance();
    EXPECT_NEAR(e->left(), m->widthTwips() / 2 - 4500, 15);
    EXPECT_NEAR(e->top(), m->heightTwips() / 5, 15);
    EXPECT_EQ(suite().currentWindow, e);
    EXPECT_EQ(suite().currentPicture, e->Picture1);
    for (int b = 1; b <= 7; ++b)
        EXPECT_FALSE(toolbarButtonVisible(b)) << b;
    const char* names[] = {"A", "B", "C", "D", "X", "Y"};
    for (int i = 0; i < LogicEditor::kVariables; ++i) {
        EXPECT_EQ(e->SelectButton[size_t(i)]->caption(), QLatin1String(names[i]));
        EXPECT_EQ(e->InputLabel[size_t(i)]->caption(), QStringLiteral("0"));
    }
    EXPECT_EQ(e->Label4->caption(), QString());
    // J and K are declared and keep their empty value.
    const auto declared = e->ScriptControl1().Eval(QStringLiteral("VarType(J) & VarType(K) & A"));
    EXPECT_EQ(QString::fromStdString(script::toString(declared)), QStringLiteral("000"));
}

TEST(LogicEditor, KeypadSequencesEditTheBox)
{
    const int Del = LogicEditor::kDelete, Clr = LogicEditor::kClear, Sp = LogicEditor::kSpace;
    struct Case {
        std::vector<int> keys;
        QString box;
    } cases[] = {
        {{2}, QStringLiteral("AND ")},  // leading blank removed, trailing blank kept
        {{Del}, QString()},
        {{Del, Del, 10}, QStringLiteral("A")},
        {{10, 2, Del}, QStringLiteral("A AND")},  // only the trailing blank goes
        {{Sp, 10}, QStringLiteral("A")},
        {{10, Sp, Sp}, QStringLiteral("A  ")},
        {{4, Del, 30, 30, 10, 3, 11, 31, 2, 12, 31}, QStringLiteral("NOT((A OR B) AND C)")},
        {{1, 5, 0, 13, 15, 16}, QStringLiteral("-1 XOR 0DXY")},
        {{10, 2, 11, Clr}, QString()},
        {{10, Clr, 11}, QStringLiteral("B")},
    };
    for (const Case& c : cases) {
        LogicEditor* e = openEditor();
        ASSERT_TRUE(e);
        for (int k : c.keys)
            e->Digits(k)->click();
        EXPECT_EQ(e->EquationTextBox->text(), c.box) << c.box.toStdString();
        EXPECT_EQ(e->equationText(), c.box);
        EXPECT_EQ(e->Label4->caption(), QString()) << "no key evaluates";
    }
}

TEST(LogicEditor, ExpressionsGiveQAndNotQOrTheErrorBox)
{
    // Variables clicked once each (so at -1), the expression, then Q and NOT Q;
    // an empty Q means the error box, with Q and NOT Q left as they were.
    struct Case {
        std::vector<int> clicked;
        QString expression;
        QString q;
        QString notQ;
    } cases[] = {
        {{}, QStringLiteral("NOT((A OR B) AND C)"), QStringLiteral("-1"), QStringLiteral("0")},
        {{0, 1, 2}, QStringLiteral("NOT((A OR B) AND C)"), QStringLiteral("0"), QStringLiteral("-1")},
        {{0, 2}, QStringLiteral("NOT((A OR B) AND C)"), QStringLiteral("0"), QStringLiteral("-1")},
        {{3}, QStringLiteral("A AND B AND C AND D OR NOT( X OR Y)"), QStringLiteral("-1"), QStringLiteral("0")},
        {{3, 5}, QStringLiteral("A AND B AND C AND D OR NOT( X OR Y)"), QStringLiteral("0"), QStringLiteral("-1")},
        {{0}, QStringLiteral("a and not b"), QStringLiteral("-1"), QStringLiteral("0")},  // any letter case
        {{4}, QStringLiteral("X XOR Y"), QStringLiteral("-1"), QStringLiteral("0")},
        {{}, QStringLiteral("1"), QStringLiteral("-1"), QStringLiteral("0")},
        {{}, QStringLiteral("NOT 1"), QStringLiteral("-1"), QStringLiteral("0")},  // -2 is still true
        {{}, QStringLiteral("A = B"), QStringLiteral("-1"), QStringLiteral("0")},
        {{}, QStringLiteral("J OR K"), QStringLiteral("0"), QStringLiteral("-1")},
        {{}, QStringLiteral("2 * 3 - 6"), QStringLiteral("0"), QStringLiteral("-1")},
        {{}, QStringLiteral("NOT((A OR B) AND C"), QString(), QString()},  // unbalanced bracket
        {{}, QStringLiteral("A AND"), QString(), QString()},
        {{}, QStringLiteral("\"yes\""), QString(), QString()},  // no Boolean value
        {{}, QStringLiteral("1 / 0"), QString(), QString()},
        {{}, QStringLiteral("Null"), QString(), QString()},
        {{}, QStringLiteral("Q"), QStringLiteral("0"), QStringLiteral("-1")},  // an undeclared name is empty
    };
    for (const Case& c : cases) {
        LogicEditor* e = openEditor();
        ASSERT_TRUE(e);
        // A known result first, so that an error can be seen to leave it.
        typeInto(e, QStringLiteral("-1"));
        e->Enter->click();
        for (int i : c.clicked)
            e->SelectButton[size_t(i)]->click();
        typeInto(e, c.expression);
        e->Enter->click();
        const auto messages = takeMessages();
        const std::string what = c.expression.toStdString();
        if (c.q.isEmpty()) {
            ASSERT_EQ(messages.size(), 1u) << what;
            EXPECT_EQ(messages[0].title, kErrorTitle);
            EXPECT_EQ(messages[0].text, QStringLiteral("Please re-check your entry"));
            EXPECT_EQ(e->Label4->caption(), QStringLiteral("-1")) << what;
            EXPECT_EQ(e->Label6->caption(), QStringLiteral("0")) << what;
        } else {
            EXPECT_TRUE(messages.empty()) << what;
            EXPECT_EQ(e->Label4->caption(), c.q) << what;
            EXPECT_EQ(e->Label6->caption(), c.notQ) << what;
        }
    }
}

TEST(LogicEditor, VariableClicksToggleLabelScriptValueAndReevaluate)
{
    LogicEditor* e = openEditor();
    ASSERT_TRUE(e);
    clickKeys(e, {10});  // "A"
    e->Enter->click();
    EXPECT_EQ(e->Label4->caption(), QStringLiteral("0"));
    e->SelectButton[0]->click();
    EXPECT_EQ(e->InputLabel[0]->caption(), QStringLiteral("-1"));
    EXPECT_EQ(e->Label4->caption(), QStringLiteral("-1")) << "a click evaluates";
    EXPECT_EQ(e->Label6->caption(), QStringLiteral("0"));
    e->SelectButton[0]->click();
    EXPECT_EQ(e->InputLabel[0]->caption(), QStringLiteral("0"));
    EXPECT_FALSE(e->variableState(0));
    EXPECT_EQ(e->Label4->caption(), QStringLiteral("0"));
    EXPECT_EQ(script::toLong(e->ScriptControl1().Eval(QStringLiteral("A"))), 0);
    EXPECT_FALSE(suite().entryLock) << "a variable click leaves the entry open";
    EXPECT_TRUE(takeMessages().empty());
}

TEST(LogicEditor, ClearAndEmptyExpressionsRaiseNoMessage)
{
    LogicEditor* e = openEditor();
    ASSERT_TRUE(e);
    clickKeys(e, {1});  // "-1"
    e->Enter->click();
    EXPECT_EQ(e->Label6->caption(), QStringLiteral("0"));
    clickKeys(e, {LogicEditor::kClear});
    EXPECT_EQ(e->EquationTextBox->text(), QString());
    EXPECT_EQ(e->Label4->caption(), QString());
    EXPECT_EQ(e->Label6->caption(), QStringLiteral("0")) << "NOT Q keeps its value";
    e->Enter->click();
    e->SelectButton[1]->click();
    typeInto(e, QStringLiteral("   "));
    e->Enter->click();
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(e->Label4->caption(), QString());
    EXPECT_EQ(e->Label6->caption(), QStringLiteral("0"));
}

TEST(LogicEditor, TypedExpressionIsEvaluatedAndKeysAppendToIt)
{
    LogicEditor* e = openEditor();
    ASSERT_TRUE(e);
    typeInto(e, QStringLiteral("NOT A"));
    e->Enter->click();
    EXPECT_EQ(e->Label4->caption(), QStringLiteral("-1"));
    clickKeys(e, {2, 11});
    EXPECT_EQ(e->EquationTextBox->text(), QStringLiteral("NOT A AND B"));
    e->Enter->click();
    EXPECT_EQ(e->Label4->caption(), QStringLiteral("0"));
}

TEST(LogicEditor, AnEvaluationPastTheTimeOutEndsInTheErrorBoxAndTheWindowGoesOn)
{
    LogicEditor* e = openEditor();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->ScriptControl1().Timeout(), 10000);
    e->ScriptControl1().setTimeout(200);
    e->ScriptControl1().AddCode(QStringLiteral("Function Spin()\nDo\nLoop\nEnd Function"));
    typeInto(e, QStringLiteral("1"));
    e->Enter->click();
    typeInto(e, QStringLiteral("Spin()"));
    e->Enter->click();
    const auto messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, kErrorTitle);
    EXPECT_EQ(e->Label4->caption(), QStringLiteral("-1"));
    typeInto(e, QStringLiteral("NOT A"));
    e->SelectButton[0]->click();
    EXPECT_EQ(e->Label4->caption(), QStringLiteral("0"));
    EXPECT_TRUE(takeMessages().empty());
}

TEST(LogicEditor, ClosingTheWindowDuringAnEvaluationStopsItWithoutAMessage)
{
    LogicEditor* e = openEditor();
    ASSERT_TRUE(e);
    e->ScriptControl1().AddCode(QStringLiteral("Function Spin()\nDo\nLoop\nEnd Function"));
    typeInto(e, QStringLiteral("Spin()"));
    QTimer::singleShot(100, [] { FormRegistry::instance().unload(QStringLiteral("LogicEditor")); });
    QElapsedTimer clock;
    clock.start();
    e->Enter->click();
    EXPECT_LT(clock.elapsed(), 5000) << "stopped, not run to the time-out";
    EXPECT_FALSE(FormRegistry::instance().isLoaded(QStringLiteral("LogicEditor")));
    EXPECT_TRUE(takeMessages().empty());
    QCoreApplication::processEvents();
}

}  // namespace
