// The instructions-and-control topic: the ALU rule, the code buttons and the
// clock and chip-select timers.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <cmath>

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

// The chip-select picture: the decoder box is crossed by no address line,
// no wire has a step of a pixel or two, and the decoded device's legend line
// stays highlighted (in red) on every tick of the timer.
TEST_F(InstructionsWindow, ChipSelectWiresAndHighlight)
{
    for (int code = 0; code < 4; ++code) {
        Instructions* w = open(3);
        ASSERT_NE(w, nullptr);
        std::vector<DrawnShape> shapes;
        w->Picture1->shapeLog = &shapes;
        w->Trigger_Click(code);
        w->Picture1->shapeLog = nullptr;
        const DrawnShape* decoder = nullptr;
        for (const DrawnShape& s : shapes)
            if (s.kind == DrawnShape::FilledBox && s.colour.rgb() == qRgb(255, 255, 0) && s.x1 < 200)
                decoder = &s;
        ASSERT_NE(decoder, nullptr);
        const double left = std::min(decoder->x1, decoder->x2), right = std::max(decoder->x1, decoder->x2);
        const double top = std::min(decoder->y1, decoder->y2), bottom = std::max(decoder->y1, decoder->y2);
        for (const DrawnShape& s : shapes) {
            if (s.kind != DrawnShape::Line)
                continue;
            const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
            EXPECT_FALSE(length > 0 && length < 4) << "code " << code << ": a step of " << length << " at " << s.x1
                                                   << "," << s.y1;
            if (s.x1 == s.x2 && s.x1 > left && s.x1 < right)
                EXPECT_FALSE(std::max(s.y1, s.y2) > top && std::min(s.y1, s.y2) < bottom)
                    << "code " << code << ": line at x " << s.x1 << " crosses the decoder";
        }
        for (int tick = 0; tick < 3; ++tick) {
            w->Timer1_Timer();
            const QImage image = w->Picture1->image();
            // The legend line of the device: (155, 8), (155, 23), (365, 8), (365, 23), offset 50, scale 1.21.
            const double k = image.width() / w->Picture1->scaleWidth();
            const int x0 = int((50 + (code < 2 ? 155 : 365)) * k);
            const int y0 = int((code % 2 == 0 ? 8 : 23) * 1.21 * k);
            int red = 0;
            for (int y = y0; y < y0 + int(17 * 1.21 * k); ++y)
                for (int x = x0; x < x0 + int(200 * k); ++x)
                    red += image.pixel(x, y) == qRgb(255, 0, 0);
            EXPECT_GT(red, 20) << "code " << code << " tick " << tick;
        }
    }
}

