// The first instruction-set window and the panels it draws: what the learner
// sees after opening an example, pressing a table row and executing.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QCoreApplication>
#include <QEvent>

#include "suite_fixture.h"
#include "topics/micro/conversions.h"
#include "topics/micro/instr_1.h"
#include "topics/micro/register_panels.h"

using namespace orr;
using namespace orr::micro;

namespace {

constexpr double kScale = 1.28;

class Instr1Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::mainWindow();
        FormRegistry::instance().unload(QStringLiteral("Instr_1"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w = test::openTopic<Instr_1>(QStringLiteral("Instr_1"), 0);
        ASSERT_NE(w, nullptr);
    }

    void open(int example) { w = test::openTopic<Instr_1>(QStringLiteral("Instr_1"), example); }

    // Texts printed at design position (x, y) since the last clear, latest last.
    QStringList textsAt(int x, int y, int offset = 30) const
    {
        QStringList found;
        for (const PrintedText& t : w->Picture1->printedTexts())
            if (qRound(t.x) == x + offset && qAbs(t.y - y * kScale) < 1)
                found << t.text;
        return found;
    }
    QString lastAt(int x, int y) const
    {
        const QStringList all = textsAt(x, y);
        return all.isEmpty() ? QString() : all.last();
    }
    // Middle of table row r in picture units.
    static double rowY(int r) { return (221 + 10 * (r - 1)) * kScale; }

    // Draws one panel on a cleared picture, as the window's handlers do.
    template <class F> void drawFresh(F&& f)
    {
        w->Picture1->cls();
        PanelFrame frame(w->Picture1, 30, float(kScale));
        f();
    }

    Instr_1* w = nullptr;
};

}  // namespace

TEST_F(Instr1Window, OpensWithTheLoadingStateAndTheLdaTable)
{
    EXPECT_EQ(w->caption(), QStringLiteral("INSTRUCTION SET 1:   LDA Load the Accumulator."));
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("LDA"));
    EXPECT_EQ(cpu().a, QStringLiteral("05"));
    EXPECT_EQ(cpu().selectedRow, 1);
    EXPECT_EQ(lastAt(80, 37), QStringLiteral("05h"));
    EXPECT_EQ(lastAt(230, 167), QStringLiteral("LDA. Data replaces previous"));
    EXPECT_EQ(lastAt(6, 305), QStringLiteral("addr(0504h) = 56h : LDA = C2h : addr(1234h)."));
    EXPECT_EQ(w->Picture1->toolTip(), QStringLiteral("Click mouse over instruction Op-Code."));
    // LDA absolute needs no configurable selector: only the address pair shows.
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(w->SelectButton[size_t(i)]->isHidden()) << i;
    EXPECT_FALSE(w->SelectButton[3]->isHidden());
    EXPECT_EQ(w->SelectButton[3]->caption(), QStringLiteral("Select Addr."));
    EXPECT_EQ(w->SelectButton[4]->caption(), QStringLiteral("Addr. Contents"));
}

TEST_F(Instr1Window, PressingATableRowSelectsItsBand)
{
    struct Case {
        int example;
        double x, y;
        int rowAfter;
    } cases[] = {
        {2, 100, rowY(3), 3},
        {2, 455, rowY(7), 7},
        {2, 100, 226.5 * kScale, 7},  // between two bands: nothing changes
        {2, 20, rowY(2), 7},          // left of the table
        {1, 100, rowY(3), 4},         // STA has no immediate row: the next one is taken
        {10, 100, rowY(4), 8},        // STX row 4 is empty: row 8 is taken
    };
    for (const Case& c : cases) {
        open(c.example);
        w->Picture1_MouseDown(c.x, c.y);
        EXPECT_EQ(cpu().selectedRow, c.rowAfter) << c.example << " at " << c.y;
    }
}

TEST_F(Instr1Window, SelectorsFollowTheRow)
{
    open(2);
    w->Picture1_MouseDown(100, rowY(3));
    EXPECT_EQ(w->SelectButton[0]->caption(), QStringLiteral("data"));
    EXPECT_EQ(w->SelectButton[1]->caption(), QStringLiteral("LDA data"));
    EXPECT_TRUE(w->SelectButton[2]->isHidden());
    EXPECT_EQ(cpu().selectorCount, 1);
    w->Picture1_MouseDown(100, rowY(6));
    EXPECT_EQ(w->SelectButton[2]->caption(), QStringLiteral("LDX ??h"));
    EXPECT_FALSE(w->SelectButton[2]->isHidden());
    EXPECT_EQ(cpu().selectorCount, 2);
}

TEST_F(Instr1Window, AdcOfSevenFAndOneSetsOverflowAndNegative)
{
    open(2);
    w->Picture1_MouseDown(100, rowY(3));
    cpu().a = QStringLiteral("7F");
    cpu().operand = QStringLiteral("01");
    cpu().c = 0;
    w->Trigger_Click(0);
    EXPECT_EQ(cpu().a, QStringLiteral("80"));
    EXPECT_EQ(lastAt(80, 37), QStringLiteral("80h"));
    EXPECT_EQ(lastAt(40, 53), QStringLiteral("Decimal =  128"));
    EXPECT_EQ(lastAt(273, 137), QStringLiteral("1"));  // N
    EXPECT_EQ(lastAt(293, 137), QStringLiteral("1"));  // V
    EXPECT_EQ(lastAt(413, 137), QStringLiteral("0"));  // C
}

TEST_F(Instr1Window, StaInTheImmediateRowCannotBeReached)
{
    open(1);
    cpu().selectedRow = 3;
    w->results();
    EXPECT_EQ(cpu().selectedRow, 4);
}

TEST_F(Instr1Window, MemoryPanelWindowAroundTheEffectiveAddress)
{
    struct Case {
        int ea;
        const char* firstRow;
        int highlightedRow;  // 0-based
    } cases[] = {{5, "0000", 5}, {16, "0006", 10}, {0x504, "04FA", 10}, {0, "0000", 0}};
    for (const Case& c : cases) {
        cpu().effectiveAddress = c.ea;
        drawFresh([] { drawMemoryPanel(cpu()); });
        EXPECT_EQ(lastAt(520, 50), QLatin1String(c.firstRow)) << c.ea;
        EXPECT_EQ(lastAt(520, 50 + 11 * c.highlightedRow), padHex(numberToHex(c.ea), 4)) << c.ea;
    }
    // At the top of memory the rows past 2710h have an address but no content.
    cpu().effectiveAddress = 10000;
    drawFresh([] { drawMemoryPanel(cpu()); });
    EXPECT_EQ(lastAt(520, 50 + 11 * 10), QStringLiteral("2710"));
    EXPECT_EQ(lastAt(570, 50 + 11 * 10), QStringLiteral("00h"));
    EXPECT_EQ(lastAt(520, 50 + 11 * 11), QStringLiteral("2711"));
    EXPECT_TRUE(textsAt(570, 50 + 11 * 11).isEmpty());
}

TEST_F(Instr1Window, StackPanelAroundTheStackPointer)
{
    cpu().stackPointer = 0x1FF;
    drawFresh([] { drawStackPanel(cpu()); });
    EXPECT_EQ(lastAt(513, 17), QStringLiteral("FEh"));
    EXPECT_EQ(lastAt(473, 43), QStringLiteral("Binary = 11111110"));
    EXPECT_EQ(lastAt(520, 150), QStringLiteral("01FC"));
    EXPECT_EQ(lastAt(520, 150 + 33), QStringLiteral("01FF"));
    EXPECT_EQ(lastAt(520, 150 + 11 * 11), QStringLiteral("0207"));
}

TEST_F(Instr1Window, IndexPanelsShowValuesAboveFFAsZero)
{
    cpu().x = QStringLiteral("1FF");
    drawFresh([] { drawXRegisterPanel(cpu()); });
    EXPECT_EQ(cpu().x, QStringLiteral("00"));
    EXPECT_EQ(lastAt(80, 96), QStringLiteral("00h"));
    EXPECT_EQ(lastAt(393, 137), QStringLiteral("1"));  // Z
    EXPECT_EQ(lastAt(273, 137), QStringLiteral("0"));  // N
}

TEST_F(Instr1Window, EntryWidthFollowsTheSelectorAndRow)
{
    struct Case {
        int row, index, width;
    } cases[] = {{1, 0, 4}, {4, 0, 4}, {5, 0, 4}, {2, 0, 2}, {3, 0, 2}, {6, 0, 2}, {3, 3, 4}, {1, 4, 2}, {4, 1, 2}};
    open(2);
    for (const Case& c : cases) {
        cpu().selectedRow = c.row;
        w->SelectButton_Click(c.index);
        EXPECT_EQ(suite().entryWidth, c.width) << c.row << "/" << c.index;
        FormRegistry::instance().unload(QStringLiteral("InputForm"));
    }
}

TEST_F(Instr1Window, ChangingRowClearsTheOldEntries)
{
    open(2);
    w->Picture1_MouseDown(100, rowY(3));
    w->InputLabel[1]->setCaption(QStringLiteral("7Fh"));
    w->Picture1_MouseDown(100, rowY(3));  // same row: kept
    EXPECT_EQ(w->InputLabel[1]->caption(), QStringLiteral("7Fh"));
    w->Picture1_MouseDown(100, rowY(6));
    EXPECT_EQ(w->InputLabel[1]->caption(), QString());
}

TEST_F(Instr1Window, EveryInstructionHasTheory)
{
    for (int e = 0; e < kInstructionCount; ++e) {
        open(e);
        w->TheoryButton();
        EXPECT_FALSE(suite().theory[0].isEmpty()) << e;
        EXPECT_FALSE(suite().theory[1].isEmpty()) << e;
        EXPECT_TRUE(suite().theory[0].contains(instructionInfo(e).mnemonic)) << e;
        EXPECT_EQ(suite().theoryCaption, w->caption());
    }
}
