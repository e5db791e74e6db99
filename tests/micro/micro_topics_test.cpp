// The memory-addressing, memory and micro-computer models.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include "topics/micro/micro_topics_model.h"

using namespace orr::micro;

TEST(MicroTopicsModel, AddressSplit)
{
    struct Case {
        int address;
        QStringList lines;
    } cases[] = {
        {0x7B0,
         {"Hexadecimal A0 - A11 = 07B0", "Decimal A0 - A11 = 1968", "A11 A10 = 01", "A0 - A9 1110110000",
          "Decimal = 944", "HEX = 3B0"}},
        {0xFFF,
         {"Hexadecimal A0 - A11 = 0FFF", "Decimal A0 - A11 = 4095", "A11 A10 = 11", "A0 - A9 1111111111",
          "Decimal = 1023", "HEX = 3FF"}},
        {0x000,
         {"Hexadecimal A0 - A11 = 0000", "Decimal A0 - A11 = 0", "A11 A10 = 00", "A0 - A9 0000000000",
          "Decimal = 0", "HEX = 0"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(addressLines(c.address), c.lines) << c.address;
}

TEST(MicroTopicsModel, FourBitEntries)
{
    struct Case {
        double typed;
        const char* bits;
        bool cut;
    } cases[] = {{110, "0110", false}, {1111, "1111", false}, {110110, "0110", true}, {0, "0000", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(fourBits(c.typed), QString::fromLatin1(c.bits)) << c.typed;
        EXPECT_EQ(beyondFourBits(c.typed), c.cut) << c.typed;
    }
    EXPECT_EQ(freshRom().rows, (std::array<QString, 4>{"0001", "0010", "0100", "1000"}));
    EXPECT_FALSE(freshRom().write);
    EXPECT_TRUE(freshRam().write);
}

TEST(MicroTopicsModel, ArithmeticProgramFlagsFromAddUntilRestart)
{
    struct Case {
        int a, b;
        bool carry, zero;
    } cases[] = {{9, 9, true, false}, {0, 0, false, true}, {5, 9, false, false}, {15, 1, true, false}};
    for (const Case& c : cases) {
        ArithmeticProgram p;
        p.a = c.a;
        p.b = c.b;
        for (int pulse = 1; pulse <= 9; ++pulse) {
            p.clock();
            const bool shown = pulse >= 6 && pulse <= 8;
            EXPECT_EQ(p.carry(), shown && c.carry) << c.a << "+" << c.b << " pulse " << pulse;
            EXPECT_EQ(p.zero(), shown && c.zero) << c.a << "+" << c.b << " pulse " << pulse;
        }
        EXPECT_EQ(p.pulse, 1);  // started again after OUT
    }
    const char* mnemonics[] = {"RUN", "INP", "STA", "INP", "STA", "ADD", "STA", "OUT"};
    const char* operands[] = {"", "A", "", "B", "", "5", "", "P"};
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(programMnemonic(k), QString::fromLatin1(mnemonics[k - 1]));
        EXPECT_EQ(programOperand(k), QString::fromLatin1(operands[k - 1]));
    }
}

// The timing window's two timers run only while the window is active.
#include <QTimer>

#include "suite_fixture.h"
#include "topics/framework/topic_form.h"

TEST(MicroTimingWindow, TimersRunOnlyWhileActive)
{
    auto* w = orr::test::openTopic<orr::TopicForm>(QStringLiteral("MicroTiming"), 1);
    ASSERT_NE(w, nullptr);
    const QList<QTimer*> timers = w->findChildren<QTimer*>();
    ASSERT_GE(timers.size(), 2);
    w->formActivate();
    for (QTimer* t : timers)
        if (t->interval() == 1000)
            EXPECT_TRUE(t->isActive());
    w->formDeactivate();
    for (QTimer* t : timers)
        EXPECT_FALSE(t->isActive() && t->interval() == 1000);
    // Set / Reset toggles the trigger's caption.
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("Set"));
    w->Trigger_Click(0);
    EXPECT_EQ(w->Trigger[0]->caption(), QStringLiteral("Reset"));
    w->Trigger_Click(0);
}
