// The second and third instruction-set windows: what opening each example
// shows on the buttons, presses on every table row, and the window state that
// the examples set when they open.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QCoreApplication>
#include <QEvent>

#include "suite_fixture.h"
#include "value_keys.h"
#include "topics/micro/instr_2.h"
#include "topics/micro/instr_3.h"
#include "topics/micro/stack_interrupts.h"

using namespace orr;
using namespace orr::micro;

namespace {

constexpr double kScale = 1.28;
double rowY(int r) { return (221 + 10 * (r - 1)) * kScale; }

template <class W> W* fresh(const char* name, int example)
{
    test::mainWindow();
    FormRegistry::instance().unload(QLatin1String(name));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return test::openTopic<W>(QLatin1String(name), example);
}

}  // namespace

TEST(InstructionWindows, EveryExampleOpensWithItsButtons)
{
    struct Case {
        int example;
        const char* heading;
        const char* trigger0;
        const char* trigger1;  // "" when hidden
        const char* selector0;
    } set3[] = {
        {0, "Branching.", "BCC", "Reset Carry", "addr."},
        {1, "Clear Flags.", "CLC", "Reset Carry", ""},
        {2, "BRK Break.", "BRK", "Reset Break", "Prog Counter"},
        {3, "DEX Decrement X Register.", "DEX", "DEX", "LDX ??h"},
        {6, "INY Increment Y Register.", "INY", "INY", "LDY ??h"},
        {7, "RTI Return from Interrupt.", "RTI", "", "Prog Counter"},
        {8, "Push Register Contents.", "PHA", "Push", "LDA #data."},
        {10, "RTS Return from Subroutine.", "RTS", "RTS", "Subroutine ?"},
        {11, "Set Status Register Flags.", "SEC", "Reset Carry", "Status Reg."},
        {12, "Transfer between Registers.", "TAX", "", "LDA #data."},
    };
    for (const Case& c : set3) {
        Instr_3* w = fresh<Instr_3>("Instr_3", c.example);
        EXPECT_EQ(w->caption(), QStringLiteral("INSTRUCTION SET 3:   ") + QLatin1String(c.heading));
        EXPECT_EQ(w->Trigger[0]->caption(), QLatin1String(c.trigger0)) << c.example;
        EXPECT_EQ(w->Trigger[1]->isHidden() ? QString() : w->Trigger[1]->caption(), QLatin1String(c.trigger1))
            << c.example;
        EXPECT_EQ(w->SelectButton[0]->isHidden() ? QString() : w->SelectButton[0]->caption(),
                  QLatin1String(c.selector0))
            << c.example;
        EXPECT_EQ(w->SelectButton[3]->caption(), QStringLiteral("Select Addr."));
    }
    for (int e = 0; e < 12; ++e) {
        Instr_2* w = fresh<Instr_2>("Instr_2", e);
        EXPECT_EQ(w->Trigger[0]->caption(), w->instruction().mnemonic);
        EXPECT_TRUE(w->caption().endsWith(w->instruction().heading));
    }
}

TEST(InstructionWindows, PressesReachEveryRowOfEveryTable)
{
    for (int e = 0; e < 13; ++e) {
        Instr_3* w = fresh<Instr_3>("Instr_3", e);
        const auto rows = groupedRows(w->instruction().op);
        for (int r = 1; r <= int(rows.size()); ++r) {
            w->Picture1_MouseDown(100, rowY(r));
            EXPECT_EQ(cpu().selectedRow, r) << e;
            EXPECT_EQ(w->Trigger[0]->caption(), rows[size_t(r - 1)].mnemonic);
        }
    }
    // The shifts: every row with an op code, the accumulator row included.
    Instr_2* w = fresh<Instr_2>("Instr_2", 4);
    for (int r : {1, 2, 4, 5, 8}) {
        w->Picture1_MouseDown(100, rowY(r));
        EXPECT_EQ(cpu().selectedRow, r);
    }
    EXPECT_EQ(w->SelectButton[0]->caption(), QStringLiteral("zpage, X"));
    w->Picture1_MouseDown(100, rowY(3));  // no immediate form: the next row with a code
    EXPECT_EQ(cpu().selectedRow, 4);
}

TEST(InstructionWindows, OpeningStatesAndTheBreakSelector)
{
    Instr_3* w = fresh<Instr_3>("Instr_3", 7);
    EXPECT_EQ(cpu().summary().right(27), QStringLiteral("N=1 V=0 B=1 D=1 I=1 Z=0 C=1"));
    w->Trigger_Click(0);
    EXPECT_EQ(cpu().programCounter, 0x3EA);

    w = fresh<Instr_3>("Instr_3", 2);
    EXPECT_TRUE(w->SelectButton[0]->isEnabled());
    w->Trigger_Click(0);
    EXPECT_FALSE(w->SelectButton[0]->isEnabled());
    w->results();
    EXPECT_FALSE(w->SelectButton[0]->isEnabled());
    w->Trigger_Click(1);
    EXPECT_TRUE(w->SelectButton[0]->isEnabled());

    cpu().stackPointer = 0x1234;
    fresh<Instr_2>("Instr_2", 10);
    EXPECT_EQ(cpu().stackPointer, 0x1FF);
}

TEST(InstructionWindows, EntryWidthsFollowSelectorAndRow)
{
    struct Case {
        int example, row, index, width;
    } set2[] = {{4, 5, 0, 2}, {4, 1, 0, 4}, {9, 2, 0, 4}, {9, 1, 0, 4}, {0, 3, 0, 2}, {0, 1, 3, 4}, {0, 2, 1, 2}};
    for (const Case& c : set2) {
        Instr_2* w = fresh<Instr_2>("Instr_2", c.example);
        cpu().selectedRow = c.row;
        w->SelectButton_Click(c.index);
        EXPECT_EQ(suite().entryWidth, c.width) << c.example << "/" << c.row << "/" << c.index;
        FormRegistry::instance().unload(QStringLiteral("InputForm"));
    }
    const Case set3[] = {{0, 1, 0, 4}, {0, 1, 1, 2}, {2, 1, 0, 4}, {3, 1, 0, 2}, {10, 1, 0, 4}, {12, 1, 2, 2}};
    for (const Case& c : set3) {
        Instr_3* w = fresh<Instr_3>("Instr_3", c.example);
        w->SelectButton_Click(c.index);
        EXPECT_EQ(suite().entryWidth, c.width) << c.example << "/" << c.index;
        FormRegistry::instance().unload(QStringLiteral("InputForm"));
    }
}

// Every row of every example of the three sets, each shown selector given a
// value and both buttons pressed twice: nothing crashes and the state keeps
// its shape (two-digit registers after a redraw, memory within bounds).
TEST(InstructionWindows, NoSequenceOfPressesCorruptsTheState)
{
    const auto sweep = [](TopicForm* w, InstructionWindow* iw) {
        for (int r = 1; r <= 8; ++r) {
            w->Picture1_MouseDown(100, rowY(r));
            for (size_t i = 0; i < w->SelectButton.size(); ++i)
                if (!w->SelectButton[i]->isHidden() && w->SelectButton[i]->isEnabled())
                    test::typeIntoSelector(w, int(i), i == 0 && iw->instruction().op == Op::SetFlags
                                                          ? QStringLiteral("10100101")
                                                          : QStringLiteral("FF8F"));
            for (int k = 0; k < 2; ++k)
                for (CommandButton* b : w->Trigger)
                    if (!b->isHidden())
                        iw->Trigger_Click(b->index());
            w->results();
            ASSERT_EQ(cpu().a.size(), 2) << iw->instruction().heading.toStdString() << " row " << r;
            ASSERT_EQ(cpu().x.size(), 2);
            ASSERT_EQ(cpu().y.size(), 2);
        }
    };
    for (int e = 0; e < 12; ++e) {
        auto* w = fresh<Instr_2>("Instr_2", e);
        sweep(w, w);
    }
    for (int e = 0; e < 13; ++e) {
        auto* w = fresh<Instr_3>("Instr_3", e);
        sweep(w, w);
    }
}
