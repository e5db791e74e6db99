// The instructions-and-control topic: the ALU rule, the code buttons and the
// clock and chip-select timers.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QCoreApplication>
#include <QEvent>

#include "suite_fixture.h"
#include "value_keys.h"
#include "topics/micro/instructions.h"

using namespace orr;
using namespace orr::micro;

TEST(InstructionsAlu, ResultPerCode)
{
    struct Case {
        const char* code;
        const char* a;
        const char* operand;
        const char* result;
    } cases[] = {
        {"00", "00001010", "00011111", "00001010"}, {"01", "00001010", "00011111", "00011111"},
        {"10", "00001010", "00011111", "00010101"}, {"11", "00001010", "00011111", "11110101"},
        {"11", "00001010", "11111111", "11110101"},  // NOT ignores the operand
        {"00", "10101111", "11010001", "10000001"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(aluResult(QLatin1String(c.code), QLatin1String(c.a), QLatin1String(c.operand)),
                  QLatin1String(c.result))
            << c.code;
}

namespace {
class InstructionsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::mainWindow();
        FormRegistry::instance().unload(QStringLiteral("Instructions"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Instructions* open(int position)
    {
        return test::openTopic<Instructions>(QStringLiteral("Instructions"), position);
    }
    static bool printed(const Instructions* w, const QString& text)
    {
        for (const PrintedText& t : w->Picture1->printedTexts())
            if (t.text == text)
                return true;
        return false;
    }
};
}  // namespace

TEST_F(InstructionsWindow, CodeButtonsComputeTheResult)
{
    Instructions* w = open(0);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->result, QStringLiteral("00000000"));
    EXPECT_EQ(w->caption(), QStringLiteral("INSTRUCTIONS and CONTROL:   Instruction Register."));
    EXPECT_EQ(w->SelectButton[0]->caption(), QStringLiteral("Register A"));
    EXPECT_EQ(w->InputLabel[0]->caption(), QStringLiteral("10101111"));
    w->registerA = QStringLiteral("00001010");
    w->Trigger_Click(3);
    EXPECT_EQ(w->code, QStringLiteral("11"));
    EXPECT_EQ(w->result, QStringLiteral("11110101"));
    EXPECT_TRUE(printed(w, QStringLiteral("11110101")));
    EXPECT_TRUE(printed(w, QStringLiteral("Operation = NOT")));
}

// The result is the unit's output: it follows a new Register A or Operand
// entry for the operation already chosen, as well as a new code.
TEST_F(InstructionsWindow, ResultFollowsEveryChangeOfItsInputs)
{
    struct Step {
        int button;         // code button pressed, or -1
        int selector;       // selector whose value is typed, or -1
        const char* typed;  // digits typed into the dialog
        const char* result;
    };
    const Step steps[] = {
        {3, -1, "", "01010000"},         // NOT 10101111
        {-1, 0, "1111", "11110000"},     // Register A 00001111
        {-1, 1, "11111111", "11110000"}, // NOT ignores the operand
        {0, -1, "", "00001111"},         // AND
        {-1, 1, "101", "00000101"},      // Operand 00000101
        {2, -1, "", "00001010"},         // XOR
        {-1, 0, "0", "00000101"},        // Register A 00000000
    };
    Instructions* w = open(0);
    ASSERT_NE(w, nullptr);
    for (const Step& s : steps) {
        if (s.button >= 0)
            w->Trigger_Click(s.button);
        else
            test::typeIntoSelector(w, s.selector, QLatin1String(s.typed));
        EXPECT_EQ(w->result, QLatin1String(s.result)) << s.button << " " << s.selector << " " << s.typed;
        EXPECT_TRUE(printed(w, QLatin1String(s.result))) << s.result;
    }
}

TEST_F(InstructionsWindow, ControlSignalsClockAlternatesEachTick)
{
    Instructions* w = open(2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("Read/Write"));
    EXPECT_TRUE(w->Trigger[3]->isHidden());
    EXPECT_TRUE(printed(w, QStringLiteral("Reading")));
    const int phase = w->clockPhase;
    w->Timer2_Timer();
    EXPECT_NE(w->clockPhase, phase);
    w->Trigger_Click(0);
    EXPECT_TRUE(w->writing);
    EXPECT_TRUE(printed(w, QStringLiteral("Writing")));
    w->Trigger_Click(1);
    EXPECT_TRUE(w->inputOutput);
    // The clock timer draws only on its own page.
    Instructions* other = open(0);
    const int kept = other->clockPhase;
    other->Timer2_Timer();
    EXPECT_EQ(other->clockPhase, kept);
}

TEST_F(InstructionsWindow, ChipSelectCodeSetsTheTopAddressBits)
{
    Instructions* w = open(3);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(suite().drawingScale, 1.21f);
    EXPECT_EQ(w->address, QStringLiteral("10110101"));
    w->Trigger_Click(1);
    EXPECT_EQ(w->address, QStringLiteral("01110101"));
    EXPECT_TRUE(printed(w, QStringLiteral("0  1 = Read Only Memory.")));
}

TEST_F(InstructionsWindow, TimersRunOnlyWhileActive)
{
    Instructions* w = open(2);
    ASSERT_NE(w, nullptr);
    w->formActivate();
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_TRUE(w->Timer2->isActive());
    w->formDeactivate();
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_FALSE(w->Timer2->isActive());
}
