// LimitValue: corrections per mode, the message, the label and the entry lock.
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/msgbox.h"
#include "qstring_print.h"
#include "state/suite_state.h"
#include "values/limit_value.h"

using namespace orr;

namespace {

const QString restricted = QStringLiteral("Your input value is out of range and has been restricted to ");
const QString greater = QStringLiteral("Your input value is out of range and must be greater than ");
const QString greaterEq = QStringLiteral("Your input value is out of range and must be greater than or equal to ");

class LimitValueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setMessageBoxesSilent(true);
        takeMessages();
        label.setCaption(QStringLiteral("typed"));
        suite().editedInputLabel = &label;
        suite().entryLock = false;
        suite().quantityType = QStringLiteral("Positive Integer No.");
    }
    void TearDown() override { suite().editedInputLabel = nullptr; }
    Label label{nullptr, QStringLiteral("InputLabel"), 0};
};

}  // namespace

TEST_F(LimitValueTest, ModesAndCorrections)
{
    const struct {
        double value, limit;
        int16_t mode;
        double expected;
        QString message;  // empty: no box; "-": nothing happens at all
    } cases[] = {
        {300, 255, -1, 255, restricted + "255"},
        {200, 255, -1, 200, "-"},
        {255, 255, -1, 255, "-"},
        {-300, 255, 1, -255, restricted + "(-255)"},
        {0, 1, 0, 1, greater + "1"},
        {0.5, 1, 0, 1, greater + "1"},
        {-0.5, 1, 0, -1, greater + "(-1)"},
        {-2, 1, 0, -2, "-"},
        {0, 0, 0, 0, greater + "0"},  // zero is never at least a magnitude
        {3, 5, 2, 5, greaterEq + "5"},
        {-7, 5, 2, -7, "-"},
        {-3, 0, 4, 0, ""},
        {-3, 5, 4, -3, ""},  // out of range, but above the floor: only the label is rewritten
        {7, 5, 4, 7, "-"},
        {1e9, 5, 3, 1e9, "-"},  // unknown mode
    };
    for (const auto& c : cases) {
        SetUp();
        double v = c.value;
        LimitValue(v, c.limit, c.mode);
        const auto boxes = takeMessages();
        EXPECT_DOUBLE_EQ(v, c.expected) << c.value << " mode " << c.mode;
        if (c.message == "-") {
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(label.caption(), "typed") << c.value << " mode " << c.mode;
            EXPECT_FALSE(suite().entryLock);
            continue;
        }
        EXPECT_TRUE(suite().entryLock);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(boxes.empty()) << c.value << " mode " << c.mode;
        } else {
            ASSERT_EQ(boxes.size(), 1u) << c.value << " mode " << c.mode;
            EXPECT_EQ(boxes[0].title, "Input range limited.");
            EXPECT_EQ(boxes[0].text, c.message);
            EXPECT_EQ(label.caption(), c.message.mid(c.message.lastIndexOf(' ') + 1));
        }
    }
}

TEST_F(LimitValueTest, SixteenBitVariable)
{
    int16_t v = 300;
    LimitValue(v, 255, -1);
    EXPECT_EQ(v, 255);
    EXPECT_EQ(label.caption(), "255");
    int16_t w = 200;
    LimitValue(w, 255, -1);
    EXPECT_EQ(w, 200);
    EXPECT_TRUE(takeMessages().size() == 1);
}

TEST_F(LimitValueTest, IntegerTargetsRoundHalfToEven)
{
    int32_t a = 0;
    LimitValue(a, 2.5, 0);
    EXPECT_EQ(a, 2);
    int32_t b = 0;
    LimitValue(b, 3.5, 0);
    EXPECT_EQ(b, 4);
    float f = 0;
    LimitValue(f, 0.1, 0);
    EXPECT_EQ(f, 0.1f);
}

TEST_F(LimitValueTest, FormatsWithTheQuantityType)
{
    const struct {
        const char* type;
        double value;
        QString text;
    } cases[] = {
        {"Resistance.", 4700, "4.70k"},
        {"Bytes.", 1500000, "1.50Mbytes"},
        {"Positive Voltage.", 5, "5V"},
        {"Capacitance.", 1e-6, "1\u00B5F"},
        {"Frequency.", 1500, "1.50kHz"},
        {"Positive Angle.", 360, "360\u00B0"},
        {"Time.", 1, "1000ms"},
        {"Positive Decimal No.", 12.5, "12.5"},
        {"Integer No.", 12.5, "12.50"},
        {"Currency.", 3.5, "\u00A33.50"},
        {"Money.", 3.5, ""},  // the dialog's money type is not known here
        {"Binary No.", 1010.6, "00001011"},
        {"Mixed Binary No.", 10.01, "10.01"},
        {"Octal.", 17, "17o"},
        {"Hexadecimal.", 12, "12h"},
        {"Exponent No.", 1234, "1.23E+03"},
        {"Temperature F.", -12.5, "(-12.50)\u00B0F"},
        {"Nonsense.", 5, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LimitFormat(QString::fromUtf8(c.type), c.value), c.text) << c.type;
}

TEST_F(LimitValueTest, UnknownTypeStillCorrects)
{
    suite().quantityType = QStringLiteral("Nonsense.");
    double v = 300;
    LimitValue(v, 255, -1);
    EXPECT_EQ(v, 255);
    const auto boxes = takeMessages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, restricted);
    EXPECT_EQ(label.caption(), "");
}
