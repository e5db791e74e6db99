// The logic family and interfacing windows driven through their buttons: the
// captions, the texts each picture prints and the reset of the inputs when an
// example is opened from the contents.
#include <gtest/gtest.h>

#include <QStringList>

#include "suite_fixture.h"
#include "topics/families/logic_families.h"
#include "topics/families/logic_interfacing.h"

using namespace orr;

namespace {

QStringList texts(TopicForm* f)
{
    QStringList out;
    for (const PrintedText& t : f->Picture1->printedTexts())
        out << t.text;
    return out;
}

}  // namespace

TEST(LogicFamiliesWindow, EveryExampleRedrawsForEveryInputPair)
{
    for (int e = 0; e < families::kFamilyCount; ++e) {
        auto* w = test::openTopic<LogicFamilies>(QStringLiteral("LogicFamilies"), e);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->caption(), "LOGIC FAMILIES:   " + LogicFamilies::exampleCaption(e));
        EXPECT_EQ(w->Trigger[0]->caption(), "Input A");
        EXPECT_EQ(w->Trigger[1]->caption(), "Input B");
        for (int n = 0; n < 4; ++n) {
            if (n == 1 || n == 3)
                w->Trigger_Click(1);
            if (n == 2) {
                w->Trigger_Click(0);
                w->Trigger_Click(1);
            }
            const bool a = n >= 2, b = n & 1;
            ASSERT_EQ(w->A, a);
            ASSERT_EQ(w->B, b);
            const families::FamilyState s = families::familyState(families::Family(e), a, b);
            const QStringList printed = texts(w);
            EXPECT_TRUE(printed.contains(s.outputLevel)) << e << n << s.outputLevel.toStdString();
            EXPECT_TRUE(printed.contains(s.inputA)) << e << n;
        }
        // Opening the example again starts from both inputs low.
        w = test::openTopic<LogicFamilies>(QStringLiteral("LogicFamilies"), e);
        EXPECT_FALSE(w->A);
        EXPECT_FALSE(w->B);
    }
}

TEST(LogicFamiliesWindow, EdgeCasesPrintTheirTexts)
{
    auto* w = test::openTopic<LogicFamilies>(QStringLiteral("LogicFamilies"), 0);
    w->Trigger_Click(0);
    w->Trigger_Click(1);
    EXPECT_TRUE(texts(w).contains("Vout = 5V - 0.6V = 4.4V"));
    EXPECT_TRUE(texts(w).contains("= 3.33V"));
    w = test::openTopic<LogicFamilies>(QStringLiteral("LogicFamilies"), 3);
    w->Trigger_Click(1);
    EXPECT_TRUE(texts(w).contains("-1.6V '0'"));
    EXPECT_TRUE(texts(w).contains("T3 biased OFF"));
    w = test::openTopic<LogicFamilies>(QStringLiteral("LogicFamilies"), 4);
    EXPECT_EQ(w->caption(), QStringLiteral("LOGIC FAMILIES:   I\u00B2L (Integrated Injection Logic)."));
    EXPECT_TRUE(texts(w).contains("pulled HIGH by external R"));
}

TEST(LogicInterfacingWindow, InputsGiveCaptionsAndTexts)
{
    // Example, clicks on Trigger(0) and Trigger(1), then the trigger captions
    // and texts the picture must print.
    const struct {
        int e, clicksA, clicksB;
        const char *trigger0, *trigger1;
        QStringList printed;
    } rows[] = {
        {0, 0, 0, "Schmitt Input 1", "", {"1.40V", "5V - 1.4V = 3.6V", "Voltage across R1 = 3.60V",
                                          "'Sound would continue for as long as transistor conducts.'"}},
        {0, 1, 0, "Schmitt Input 0", "", {"WD1 OFF"}},
        {1, 1, 1, "Input A", "Input B", {"Relay Contacts.", "Open"}},
        {1, 1, 0, "Input A", "Input B", {"Closed"}},
        {2, 0, 0, "15V Input", "", {"3V", "2.40V", "= 2.40mA"}},
        {2, 1, 0, "3V Input", "", {"15V", "14.40V", "= 14.40mA"}},
        {3, 0, 0, "R1 = 10MOhms", "C1 = 1\u00B5F",
         {"R1 = 56k", "C1 = 250nF", "Frequency = 71.43Hz", "Capacitor Charging Waveform.",
          "1.5V Schmitt inverter threshold."}},
        {3, 1, 1, "R1 = 56kOhms", "C1 = 250nF", {"R1 = 10M", "C1 = 1\u00B5F", "Frequency = 0.10Hz"}},
    };
    for (const auto& r : rows) {
        auto* w = test::openTopic<LogicInterfacing>(QStringLiteral("LogicInterfacing"), r.e);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->A, "0");
        EXPECT_EQ(w->caption(), "LOGIC INTERFACING:   " + LogicInterfacing::exampleCaption(r.e));
        for (int i = 0; i < r.clicksA; ++i)
            w->Trigger_Click(0);
        for (int i = 0; i < r.clicksB; ++i)
            w->Trigger_Click(1);
        EXPECT_EQ(w->Trigger[0]->caption(), QString::fromUtf8(r.trigger0)) << r.e;
        if (*r.trigger1)
            EXPECT_EQ(w->Trigger[1]->caption(), QString::fromUtf8(r.trigger1)) << r.e;
        const QStringList printed = texts(w);
        for (const QString& t : r.printed)
            EXPECT_TRUE(printed.contains(t)) << r.e << " " << t.toStdString() << "\n"
                                             << printed.join(QLatin1Char('|')).toStdString();
    }
}
