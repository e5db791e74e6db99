// The computer programming topic: its interest and loop rules as tables, the
// principal entered through the value entry, the two animations, and clicks
// on listing lines and symbols.
#include <gtest/gtest.h>

#include <algorithm>

#include "../values/qstring_print.h"
#include "platform/controls.h"
#include "suite_fixture.h"
#include "topics/programming/computer_programming.h"
#include "topics/programming/programming_model.h"
#include "value_keys.h"

using namespace orr;
using namespace orr::programming;

TEST(ProgrammingModel, InterestCases)
{
    struct Case {
        double principal;
        int row;  // -1: no case
        double interest;
    };
    const Case cases[] = {{34000, 2, 5100}, {5000, 0, 250},   {15000, 1, 1500}, {0, 0, 0},
                          {9000, 0, 450},   {9500, -1, 0},    {10000, 1, 1000}, {19000, 1, 1900},
                          {19500, -1, 0},   {19999, -1, 0},   {20000, 2, 3000}, {-5, -1, 0}};
    for (const Case& c : cases) {
        const auto got = interestFor(c.principal);
        ASSERT_EQ(got.has_value(), c.row >= 0) << c.principal;
        if (got) {
            EXPECT_EQ(got->row, c.row) << c.principal;
            EXPECT_DOUBLE_EQ(got->interest, c.interest) << c.principal;
        }
    }
}

TEST(ProgrammingModel, LoopsAndRing)
{
    // The digits a loop shows before it stops, from 0, for each step.
    for (const auto& [stepTwo, expected] :
         {std::pair{false, std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}, std::pair{true, std::vector<int>{0, 2, 4, 6, 8}}}) {
        std::vector<int> shown;
        int count = 0;
        for (bool finished = false; !finished && shown.size() < 20;) {
            shown.push_back(count);
            const LoopStep s = nextCount(count, stepTwo);
            count = s.next;
            finished = s.finished;
        }
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(count, 0);
    }
    std::vector<double> angles;
    for (double a = 360; angles.size() < 9; a = nextLedAngle(a))
        angles.push_back(a);
    EXPECT_EQ(angles, (std::vector<double>{360, 315, 270, 225, 180, 135, 90, 45, 360}));
    EXPECT_EQ(segmentsFor(8), 0x7F);
    EXPECT_EQ(segmentsFor(1), 0x06);
}

TEST(ComputerProgramming, PrincipalEnteredThroughTheValueEntry)
{
    auto* t = test::openTopic<ComputerProgramming>(QStringLiteral("ComputerProgramming"), 6);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption(), "COMPUTER PROGRAMMING:   Select...Case Statement Block.");
    EXPECT_DOUBLE_EQ(t->interest, 1000);
    struct Step {
        const char* typed;
        int row;
        double interest;
    };
    // 9500 and 19500 fall between the cases: no row, the interest kept.
    const Step steps[] = {{"34000", 2, 5100}, {"9500", -1, 5100}, {"5000", 0, 250}, {"19500", -1, 250}, {"15000", 1, 1500}};
    for (const Step& s : steps) {
        test::typeIntoSelector(t, 0, QLatin1String(s.typed));
        EXPECT_EQ(t->highlightedRow, s.row) << s.typed;
        EXPECT_DOUBLE_EQ(t->interest, s.interest) << s.typed;
    }
    bool shown = false;
    for (const PrintedText& p : t->Picture1->printedTexts())
        shown = shown || p.text == QStringLiteral("Interest Added to £15000.00 = £1500.00");
    EXPECT_TRUE(shown);
}

TEST(ComputerProgramming, LedDigitAndRingRun)
{
    auto* t = test::openTopic<ComputerProgramming>(QStringLiteral("ComputerProgramming"), 7);
    ASSERT_NE(t, nullptr);
    t->Trigger_Click(1);  // step 2
    t->Trigger_Click(0);
    EXPECT_TRUE(t->Timer1->isActive());
    EXPECT_FALSE(t->Trigger[1]->isEnabled());
    std::vector<int> shown;
    while (t->Timer1->isActive() && shown.size() < 20) {
        shown.push_back(t->count);
        t->Timer1_Timer();
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 2, 4, 6, 8}));
    EXPECT_TRUE(t->Trigger[1]->isEnabled());

    t = test::openTopic<ComputerProgramming>(QStringLiteral("ComputerProgramming"), 8);
    t->Trigger_Click(0);
    for (int i = 0; i < 3; ++i)
        t->Timer1_Timer();
    EXPECT_DOUBLE_EQ(t->ledAngle, 225);
    t->Trigger_Click(1);
    EXPECT_FALSE(t->Timer1->isActive());
    EXPECT_DOUBLE_EQ(t->ledAngle, 360);  // the next RUN starts at the top again
    EXPECT_TRUE(t->Trigger[0]->isVisible());
}

TEST(ComputerProgramming, ClickItemsOfEveryExample)
{
    auto* t = test::openTopic<ComputerProgramming>(QStringLiteral("ComputerProgramming"), 0);
    ASSERT_NE(t, nullptr);
    size_t total = 0;
    for (int e = 0; e < 10; ++e) {
        const auto items = computerProgrammingItems(e, false, false);
        EXPECT_GE(items.size(), 5u) << e;
        total += items.size();
        for (const ProgramItem& p : items) {
            EXPECT_FALSE(p.item.paragraph1.isEmpty()) << e << " " << p.item.caption.toStdString();
            EXPECT_FALSE(p.item.paragraph2.isEmpty()) << e << " " << p.item.caption.toStdString();
            EXPECT_LE(p.item.x + p.item.w, 701) << e << " " << p.item.caption.toStdString();
        }
    }
    EXPECT_GE(total, 90u);
    // The telling rows.
    const auto first = computerProgrammingItems(0, false, false);
    const auto input = std::find_if(first.begin(), first.end(), [](const ProgramItem& p) { return p.shown == "INPUT FIRST_NUMBER"; });
    ASSERT_NE(input, first.end());
    EXPECT_EQ(input->item.x, 300);
    EXPECT_EQ(input->item.y, 60);
    EXPECT_EQ(computerProgrammingItems(2, false, false)[0].item.caption, "Byte Data Type");
    // The listing follows the loop switch.
    const auto loop = computerProgrammingItems(0, true, false);
    EXPECT_TRUE(std::any_of(loop.begin(), loop.end(), [](const ProgramItem& p) { return p.shown == "GOTO START"; }));
    // A click on a line shows its explanation; a click on nothing shows nothing.
    t->Picture1_MouseDown(310, 65 * 1.28);
    Form* sub = FormRegistry::instance().loadedForm(QStringLiteral("SubText"));
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isShown());
    t->Picture1_MouseDown(690, 400);
    EXPECT_FALSE(sub->isShown());
}
