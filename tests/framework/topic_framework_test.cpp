// The topic-window skeleton: toolbar sets, window size, layout variants,
// entry lock, defaults on reopening, Scale Up / Scale Down.
#include <gtest/gtest.h>

#include <QApplication>

#include "shell/shell_actions.h"
#include "suite_fixture.h"
#include "topics/framework/topic_form.h"

using namespace orr;

namespace {

QString visibleButtons()
{
    QStringList shown;
    for (int b = 1; b <= 7; ++b)
        if (toolbarButtonVisible(b))
            shown << QString::number(b);
    return shown.join(QLatin1Char(' '));
}

class TopicFramework : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::mainWindow();
        FormRegistry::instance().unload(QStringLiteral("DataAddressBus"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        suite().zoomLevel = 0;
        suite().savedWidth = suite().savedHeight = 0;
        topic = test::openTopic<TopicForm>(QStringLiteral("DataAddressBus"), 0);
        ASSERT_NE(topic, nullptr);
    }
    TopicForm* topic = nullptr;
};

TEST_F(TopicFramework, OpeningShowsTheTopicsToolbarSetAtDesignSize)
{
    EXPECT_EQ(visibleButtons(), QStringLiteral("1 2 3 6 7"));
    EXPECT_EQ(suite().toolbarSets[94], 7);
    EXPECT_EQ(topic->width(), 10875);
    EXPECT_EQ(topic->height(), 8055);
    EXPECT_EQ(topic->Picture1->scaleWidth(), 701);
    EXPECT_EQ(topic->Picture1->scaleHeight(), 405);
    EXPECT_EQ(suite().currentWindow, topic);
    EXPECT_TRUE(suite().entryLock);
    EXPECT_EQ(topic->SSPanel1->caption(), QStringLiteral("DATA/ADDRESS BUS"));
}

TEST_F(TopicFramework, HiddenSelectorRowGivesTheTallerPicture)
{
    const int before = topic->Picture1->height();
    topic->Panel3D1->hide();
    windowLayout();
    EXPECT_EQ(topic->Picture1->scaleHeight(), 420);
    EXPECT_EQ(topic->Picture1->height(), before + 80);
    topic->Panel3D1->show();
    windowLayout();
    EXPECT_EQ(topic->Picture1->height(), before);
}

TEST_F(TopicFramework, CaptionWrittenUnderTheEntryLockDoesNotRedraw)
{
    topic->Picture1->cls();
    suite().entryLock = true;
    topic->InputLabel[0]->setCaption(QStringLiteral("99"));
    EXPECT_TRUE(topic->Picture1->printedTexts().empty());
}

TEST_F(TopicFramework, ReopeningResetsTheInputsToTheirDefaults)
{
    topic->Picture1->cls();
    test::openTopic(QStringLiteral("DataAddressBus"), 1);
    EXPECT_EQ(topic->SelectButton[0]->caption(), QStringLiteral("Range 0-65535"));
    EXPECT_EQ(topic->InputLabel[0]->caption(), QStringLiteral("63222"));
    EXPECT_FALSE(topic->Picture1->printedTexts().empty());
}

TEST_F(TopicFramework, ScaleUpStepsZoomZeroTwoThreeAndStopsAtThreeQuartersOfTheMainWindow)
{
    MainWindow* m = test::mainWindow();
    m->Toolbar1_ButtonClick(7);
    EXPECT_EQ(suite().zoomLevel, 2);
    EXPECT_EQ(suite().savedWidth, topic->width());
    m->Toolbar1_ButtonClick(7);
    EXPECT_EQ(suite().zoomLevel, 3);
    // The window is laid out as it is resized, before the zoom level moves on.
    EXPECT_EQ(topic->Picture1->scaleHeight(), 405 + 4 * 2);
    int guard = 0;
    while (m->heightTwips() * 0.75 >= topic->height() && ++guard < 20)
        m->Toolbar1_ButtonClick(7);
    const float zoom = suite().zoomLevel;
    const int height = topic->height();
    m->Toolbar1_ButtonClick(7);  // refused: the window is taller than three quarters
    EXPECT_EQ(suite().zoomLevel, zoom);
    EXPECT_EQ(topic->height(), height);

    m->Toolbar1_ButtonClick(6);
    EXPECT_EQ(suite().zoomLevel, 0);
    EXPECT_EQ(topic->width(), 10875);
    EXPECT_EQ(topic->height(), 8055);
    EXPECT_EQ(suite().savedHeight, 8055);
    EXPECT_EQ(topic->Calcbox->height(), 346);
}

TEST_F(TopicFramework, ToolbarHideCheckEmptiesTheToolbarWhenTheLastTopicCloses)
{
    FormRegistry::instance().unload(topic);
    EXPECT_EQ(visibleButtons(), QString());
}

}  // namespace
