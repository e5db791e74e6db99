// The hardware and systems windows end to end: disk entries through the
// value-entry dialog, key presses on the picture, the sliders, the stepped
// diagrams and the timers that stop when a window is left.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "platform/msgbox.h"
#include "suite_fixture.h"
#include "topics/hardware/computer_hardware.h"
#include "topics/systems/descriptive_topic.h"
#include "value_keys.h"

namespace orr {
namespace {

using test::texts;

bool shows(const TopicForm* t, const QString& line) { return texts(t).contains(line); }

void press(QWidget* target, int key, const QString& text)
{
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &e);
}

TEST(HardwareWindows, DiskEntriesRecomputeWithTheirLimits)
{
    auto* w = test::openTopic<ComputerHardware>(QStringLiteral("ComputerHardware"), 7);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(shows(w, QStringLiteral("= 12.50ms")));
    EXPECT_TRUE(shows(w, QStringLiteral("Data Access Time = Average rotation delay + seek time = 62.50ms")));
    EXPECT_TRUE(shows(w, QStringLiteral("Data Transfer Rate = bytes per sector × Sectors × 2400 / 60 = 163.84Kbytes/sec")));
    EXPECT_TRUE(shows(w, QStringLiteral("Disk Capacity = Surfaces × Sectors × Tracks × Bytes/Sector = 8.19Mbytes")));
    takeMessages();
    const struct {
        int index;
        const char* typed;
        bool limited;   // an "Input range limited." message
        const char* label;
        const char* line;  // a line drawn afterwards
    } cases[] = {
        {0, "20000", true, "10000", "= 3ms"},
        {1, "2", true, "1000ms", "Data Access Time = Average rotation delay + seek time = 1s"},
        {0, "0", true, "1", "= 30s"},
        {0, "3000", false, "3000", "= 10ms"},
        {2, "13", true, "12", "Disk Capacity = Surfaces × Sectors × Tracks × Bytes/Sector = 9.83Mbytes"},
        {4, "600", true, "500", "Disk Capacity = Surfaces × Sectors × Tracks × Bytes/Sector = 24.58Mbytes"},
    };
    for (const auto& c : cases) {
        test::typeIntoSelector(w, c.index, QString::fromUtf8(c.typed));
        const auto m = takeMessages();
        EXPECT_EQ(!m.empty() && m.back().title == QLatin1String("Input range limited."), c.limited) << c.typed;
        EXPECT_EQ(w->InputLabel[std::size_t(c.index)]->caption(), QString::fromUtf8(c.label)) << c.typed;
        EXPECT_TRUE(shows(w, QString::fromUtf8(c.line))) << c.line;
    }
}

TEST(HardwareWindows, KeysGiveCodesAndFrames)
{
    auto* w = test::openTopic<ComputerHardware>(QStringLiteral("ComputerHardware"), 9);
    ASSERT_NE(w, nullptr);
    const struct {
        int key;
        QString text;
        const char* keyLine;
        const char* frame;
    } cases[] = {
        {Qt::Key_A, QStringLiteral("A"), "Key-press = Character 'A' = 65", "Frame = 0 10000010 1 1"},
        {Qt::Key_C, QStringLiteral("C"), "Key-press = Character 'C' = 67", "Frame = 0 11000010 0 1"},
        {Qt::Key_Return, QString(), "Key-press = Character 'CR' = 13", "Frame = 0 10110000 0 1"},
        {0, QString(QChar(0xE9)), "Key-press = Character 'é' = 233", "Frame = 0 10010111 0 1"},
        {Qt::Key_Left, QString(), "Key-press = Character 'é' = 233", "Frame = 0 10010111 0 1"},  // no code: ignored
        {0, QString(QChar(0x20AC)), "Key-press = Character 'é' = 233", "Frame = 0 10010111 0 1"},  // above 255
    };
    for (const auto& c : cases) {
        press(w->Picture1, c.key, c.text);
        EXPECT_TRUE(shows(w, QString::fromUtf8(c.keyLine))) << c.keyLine;
        EXPECT_TRUE(shows(w, QString::fromUtf8(c.frame))) << c.frame;
    }
    // The serial-and-parallel example shows the same last key.
    w = test::openTopic<ComputerHardware>(QStringLiteral("ComputerHardware"), 10);
    EXPECT_TRUE(shows(w, QStringLiteral("Last key press. Character 'é' = 233")));
    // The encoder example types onto its screen and scans to the key.
    w = test::openTopic<ComputerHardware>(QStringLiteral("ComputerHardware"), 0);
    w->Trigger_Click(0);
    for (QChar ch : QStringLiteral("Hi"))
        press(w->Picture1, 0, QString(ch));
    EXPECT_TRUE(shows(w, QStringLiteral("Key-press = Character 'i' = 105")));
    EXPECT_TRUE(shows(w, QStringLiteral("Hi")));
    EXPECT_TRUE(w->Timer1->isActive());
    for (int tick = 0; tick < 30 && w->Timer1->isActive(); ++tick)
        w->Timer1_Timer();
    EXPECT_TRUE(shows(w, QStringLiteral("Row Count = 6")));
    EXPECT_TRUE(shows(w, QStringLiteral("Column Count = 9")));
}

TEST(HardwareWindows, SlidersColourIndexAndTimers)
{
    auto* w = test::openTopic<ComputerHardware>(QStringLiteral("ComputerHardware"), 2);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(shows(w, QStringLiteral("RGB(125, 200, 50)")));
    w->Slider1[0]->setValue(255);
    w->Slider1[2]->setValue(0);
    EXPECT_TRUE(shows(w, QStringLiteral("RGB(255, 200, 0)")));

    w = test::openTopic<ComputerHardware>(QStringLiteral("ComputerHardware"), 5);
    EXPECT_TRUE(shows(w, QStringLiteral("Colour = Blue")));
    for (int k = 0; k < 7; ++k)
        w->Trigger_Click(1);
    EXPECT_TRUE(shows(w, QStringLiteral("Colour = Blue")));

    // The optical disk turns from the moment it is shown; the flat panel only after Start Scan.
    w = test::openTopic<ComputerHardware>(QStringLiteral("ComputerHardware"), 8);
    EXPECT_TRUE(w->Timer2->isActive());
    w->formDeactivate();
    EXPECT_FALSE(w->Timer2->isActive());
    w = test::openTopic<ComputerHardware>(QStringLiteral("ComputerHardware"), 3);
    EXPECT_FALSE(w->Timer1->isActive());
    w->Trigger_Click(0);
    EXPECT_TRUE(w->Timer1->isActive());
    w->Trigger_Click(1);
    EXPECT_FALSE(w->Timer1->isActive());
    w->Trigger_Click(0);
    w->formDeactivate();
    EXPECT_FALSE(w->Timer1->isActive());
}

TEST(SystemsWindows, SteppedDiagramsWrapAndUnitsExplain)
{
    const struct {
        const char* name;
        int example, steps;
        const char* first;
        const char* second;
    } cases[] = {
        {"SystemDevelopment", 0, 6, "Current stage: Feasibility Study.", "Current stage: Analysis."},
        {"SystemDevelopment", 2, 3, "Batch Processing.", "Online Processing."},
        {"ComputerSystems", 2, 3, "Topology: Bus Network.", "Topology: Star Network."},
    };
    for (const auto& c : cases) {
        auto* w = test::openTopic<DescriptiveTopic>(QString::fromLatin1(c.name), c.example);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_TRUE(shows(w, QString::fromUtf8(c.first))) << c.first;
        w->Trigger_Click(0);
        EXPECT_TRUE(shows(w, QString::fromUtf8(c.second))) << c.second;
        for (int k = 1; k < c.steps; ++k)
            w->Trigger_Click(0);
        EXPECT_TRUE(shows(w, QString::fromUtf8(c.first))) << "wraps " << c.first;
    }
    // Every unit of every example has its two paragraphs.
    for (const auto& [name, count] : {std::pair{"ComputerSystems", 5}, std::pair{"SystemDevelopment", 6}}) {
        for (int e = 0; e < count; ++e) {
            auto* w = test::openTopic<DescriptiveTopic>(QString::fromLatin1(name), e);
            for (int panel = 0; panel < w->stepCount(e); ++panel)
            {
                const ClickItems its = w->items(e, panel);
                for (int i = 0; i < int(its.size()); ++i) {
                    const ClickItem& it = its[std::size_t(i)];
                    EXPECT_FALSE(it.paragraph1.isEmpty()) << name << ' ' << it.caption.toStdString();
                    EXPECT_FALSE(it.paragraph2.isEmpty()) << name << ' ' << it.caption.toStdString();
                    // A press on the middle of a unit opens that unit: no unit hides another.
                    EXPECT_EQ(pressClickItems(its, it.x + it.w / 2, (it.y + it.h / 2) * 1.28, w->caption()), i)
                        << name << ' ' << it.caption.toStdString();
                }
            }
        }
    }
    // Every example has its notes: four paragraphs for the hardware, at least two for the others.
    for (const auto& [name, count, least] :
         {std::tuple{"ComputerHardware", 11, 4}, std::tuple{"ComputerSystems", 5, 2}, std::tuple{"SystemDevelopment", 6, 2}})
        for (int e = 0; e < count; ++e) {
            auto* w = test::openTopic<TopicForm>(QString::fromLatin1(name), e);
            w->TheoryButton();
            const auto& p = suite().theory;
            EXPECT_GE(std::count_if(p.begin(), p.end(), [](const QString& t) { return !t.isEmpty(); }), least)
                << name << ' ' << e;
        }
    // The LAN packet moves only while the window is active.
    auto* lan = test::openTopic<DescriptiveTopic>(QStringLiteral("ComputerSystems"), 2);
    EXPECT_TRUE(lan->Timer1->isActive());
    lan->formDeactivate();
    EXPECT_FALSE(lan->Timer1->isActive());
    lan = test::openTopic<DescriptiveTopic>(QStringLiteral("ComputerSystems"), 0);
    EXPECT_FALSE(lan->Timer1->isActive());
}

}  // namespace
}  // namespace orr
