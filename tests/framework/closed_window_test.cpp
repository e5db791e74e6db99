// A topic window that goes away while a value or program line is being
// entered for it: the entry dialogs close and nothing writes into it after.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>

#include "shell/search_steps.h"
#include "suite_fixture.h"
#include "topics/framework/topic_form.h"
#include "values/input_form.h"
#include "values/value_entry.h"

using namespace orr;

namespace {

void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool loaded(const char* name) { return FormRegistry::instance().isLoaded(QLatin1String(name)); }

void pressEnter(QWidget* target)
{
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(target, &enter);
}

// The ways a topic window goes away while the learner is still typing.
const struct Going {
    const char* what;
    void (*go)(TopicForm* topic);
} kGoings[] = {
    {"closed", [](TopicForm* t) { FormRegistry::instance().unload(t); }},
    {"closed by its title bar", [](TopicForm* t) { t->subWindow()->close(); }},
    // Position 196 is the data bus example; 195 is the topic's heading.
    {"left by search back over its heading", [](TopicForm*) {
         suite().contentsPosition = 196;
         searchBack();
     }},
};

class ClosedWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::mainWindow();
        FormRegistry::instance().unload(QStringLiteral("DataAddressBus"));
        settle();
        topic = test::openTopic<TopicForm>(QStringLiteral("DataAddressBus"), 0);
        ASSERT_NE(topic, nullptr);
    }
    void TearDown() override
    {
        for (const char* name : {"InputForm", "InputTextForm", "DataAddressBus"})
            FormRegistry::instance().unload(QLatin1String(name));
        settle();
    }
    TopicForm* topic = nullptr;
};

TEST_F(ClosedWindow, ValueEntryClosesAndWritesNothing)
{
    for (const Going& g : kGoings) {
        topic = test::openTopic<TopicForm>(QStringLiteral("DataAddressBus"), 0);
        ASSERT_NE(topic, nullptr) << g.what;
        QPointer<TopicForm> guard(topic);
        topic->SelectButton_Click(0);
        auto* dialog = dynamic_cast<InputForm*>(FormRegistry::instance().loadedForm(QStringLiteral("InputForm")));
        ASSERT_NE(dialog, nullptr) << g.what;
        dialog->keyPress(QLatin1Char('5'));

        g.go(topic);

        EXPECT_FALSE(loaded("InputForm")) << g.what;
        EXPECT_TRUE(suite().entryLock) << g.what;
        EXPECT_EQ(suite().editedInputLabel, nullptr) << g.what;
        // What the learner typed next reaches no dialog, and nothing is written.
        if (auto* still = FormRegistry::instance().loadedForm(QStringLiteral("InputForm")))
            pressEnter(static_cast<InputForm*>(still)->inputValue());
        settle();
        EXPECT_TRUE(guard.isNull()) << g.what;
        EXPECT_FALSE(loaded("DataAddressBus")) << g.what;
    }
}

TEST_F(ClosedWindow, TextEntryClosesAndWritesNothing)
{
    for (const Going& g : kGoings) {
        topic = test::openTopic<TopicForm>(QStringLiteral("DataAddressBus"), 0);
        ASSERT_NE(topic, nullptr) << g.what;
        OpenTextEntry(topic->InputLabel[0]);
        ASSERT_TRUE(loaded("InputTextForm")) << g.what;

        g.go(topic);

        EXPECT_FALSE(loaded("InputTextForm")) << g.what;
        settle();
    }
}

TEST_F(ClosedWindow, EntryForAnotherWindowStaysOpen)
{
    // Closing some other window leaves the learner's entry alone.
    topic->SelectButton_Click(0);
    ASSERT_TRUE(loaded("InputForm"));
    FormRegistry::instance().unload(QStringLiteral("Copy_right"));
    EXPECT_TRUE(loaded("InputForm"));
    EXPECT_EQ(suite().editedInputLabel, topic->InputLabel[0]);
}

}  // namespace
