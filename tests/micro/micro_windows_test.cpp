// The memory-addressing, memory and micro-computer windows driven through
// the value-entry dialog and their buttons: what each prints afterwards.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "suite_fixture.h"
#include "topics/framework/topic_form.h"
#include "values/input_form.h"

using namespace orr;

namespace {

void typeInto(TopicForm* w, int index, const QString& text)
{
    w->SelectButton_Click(index);
    auto* f = dynamic_cast<InputForm*>(FormRegistry::instance().loadedForm(QStringLiteral("InputForm")));
    ASSERT_NE(f, nullptr);
    f->inputValue()->setText(text);
    auto* ok = f->findChild<QAbstractButton*>(QStringLiteral("OK"));
    ASSERT_NE(ok, nullptr);
    ok->click();
}

bool printed(TopicForm* w, const QString& text)
{
    for (const PrintedText& t : w->Picture1->printedTexts())
        if (t.text == text)
            return true;
    return false;
}

}  // namespace

TEST(MicroWindows, EntriesAndButtonsGiveTheirTexts)
{
    struct Step {
        int selector;     // -1: press Trigger(trigger)
        const char* typed;
        int trigger;
    };
    struct Case {
        const char* topic;
        int example;
        std::vector<Step> steps;
        std::vector<const char*> texts;
        const char* message;  // expected message text, or nullptr
        const char* label0;   // InputLabel(0) afterwards, or nullptr
    } cases[] = {
        {"MemoryAddressing", 0, {{0, "1000", 0}}, {"A11 A10 = 11", "HEX = 3FF", "Hexadecimal A0 - A11 = 0FFF"},
         "Your input value is out of range and has been restricted to 0FFFh", "0FFFh"},
        {"MemoryAddressing", 1, {{0, "07B0", 0}}, {"A11 A10 = 01", "HEX = 3B0", "Decimal = 944"}, nullptr, "07B0h"},
        {"MicroMemory", 1, {{0, "10", 0}, {1, "110110", 0}}, {"Data written = 0110"}, nullptr, nullptr},
        {"MicroMemory", 1, {{0, "10", 0}, {1, "0110", 0}, {-1, "", 0}, {0, "01", 0}}, {"Data read = 0000"}, nullptr,
         nullptr},
        {"MicroMemory", 0, {{0, "10", 0}}, {"Data read = 0100"}, nullptr, nullptr},
        {"MicroComputers", 1, {{0, "0", 0}, {1, "0", 0}, {-1, "", 0}, {-1, "", 0}, {-1, "", 0}, {-1, "", 0},
                               {-1, "", 0}, {-1, "", 0}},
         {"Result = Zero.", "Check. 0 + 0 = 0"}, nullptr, nullptr},
        {"MicroComputers", 1, {{1, "20", 0}}, {}, "Your input value is out of range and has been restricted to 15",
         nullptr},
        {"MicroComputers", 0, {{0, "110101", 0}, {-1, "", 0}, {-1, "", 0}, {-1, "", 0}, {-1, "", 0}, {-1, "", 0}},
         {"OUTPUT.", "Step: Copy loc. 5. to O/P."}, nullptr, "0101"},
    };
    for (const Case& c : cases) {
        FormRegistry::instance().unload(QString::fromLatin1(c.topic));
        auto* w = test::openTopic<TopicForm>(QString::fromLatin1(c.topic), c.example);
        ASSERT_NE(w, nullptr) << c.topic;
        takeMessages();
        for (const Step& s : c.steps) {
            if (s.selector < 0)
                w->Trigger_Click(s.trigger);
            else
                typeInto(w, s.selector, QString::fromLatin1(s.typed));
        }
        for (const char* t : c.texts)
            EXPECT_TRUE(printed(w, QString::fromUtf8(t))) << c.topic << " " << c.example << ": " << t;
        const auto messages = takeMessages();
        if (c.message) {
            ASSERT_EQ(messages.size(), 1u) << c.topic;
            EXPECT_EQ(messages[0].title, QStringLiteral("Input range limited."));
            EXPECT_EQ(messages[0].text, QString::fromLatin1(c.message));
        } else {
            EXPECT_TRUE(messages.empty()) << c.topic << " " << c.example;
        }
        if (c.label0)
            EXPECT_EQ(w->InputLabel[0]->caption(), QString::fromLatin1(c.label0)) << c.topic;
    }
}
