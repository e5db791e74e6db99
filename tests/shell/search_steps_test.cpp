// The main window's search back and forward steps over the contents positions.
#include <gtest/gtest.h>

#include "fake_topic.h"
#include "shell/search_steps.h"

namespace orr {
namespace {

using testing::currentName;
using testing::FakeTopic;

class SearchStepsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"ComputerHardware", "DataStructures", "Instr_3"})
            testing::registerFakeTopic(QString::fromLatin1(name));
        testing::resetWindows();
        ASSERT_NE(testing::contentsWindow(), nullptr);
    }
    void TearDown() override { testing::resetWindows(); }

    // Opens the example at the position as a list click would.
    static void openAt(int position) { testing::contentsWindow()->openPosition(position); }
    static bool loaded(const char* name) { return FormRegistry::instance().isLoaded(QString::fromLatin1(name)); }
};

TEST_F(SearchStepsTest, Steps)
{
    const struct {
        const char* what;
        int from;           // 0: nothing opened yet
        void (*step)();
        int to;
        const char* window;
        int proc1Calls;     // of the window arrived at, since the step began
    } cases[] = {
        {"forward from the start", 0, searchForward, 6, "ComputerHardware", 1},
        {"forward within a topic", 6, searchForward, 7, "ComputerHardware", 1},
        {"forward over a heading", 16, searchForward, 18, "DataStructures", 1},
        {"forward past the end wraps", 270, searchForward, 6, "ComputerHardware", 1},
        {"back within a topic", 270, searchBack, 269, "Instr_3", 1},
        {"back over a heading", 18, searchBack, 16, "ComputerHardware", 1},
        // The forward step brings the position back into range and opens it,
        // then the back step opens the same example again.
        {"back from the first example", 6, searchBack, 6, "ComputerHardware", 2},
        {"back from below the first", 3, searchBack, 6, "ComputerHardware", 2},
    };
    for (const auto& c : cases) {
        testing::resetWindows();
        if (c.from >= 6)
            openAt(c.from);
        else
            suite().contentsPosition = c.from;
        FakeTopic::proc1Calls().clear();
        c.step();
        EXPECT_EQ(suite().contentsPosition, c.to) << c.what;
        EXPECT_EQ(currentName(), c.window) << c.what;
        EXPECT_EQ(FakeTopic::proc1Calls()[c.window], c.proc1Calls) << c.what;
    }
}

TEST_F(SearchStepsTest, BackOverAHeadingClosesTheTopicLeftExceptHardware)
{
    openAt(18);
    searchBack();
    EXPECT_FALSE(loaded("DataStructures"));
    EXPECT_TRUE(loaded("ComputerHardware"));

    testing::resetWindows();
    openAt(6);
    searchBack();
    EXPECT_TRUE(loaded("ComputerHardware"));
}

TEST_F(SearchStepsTest, ForwardNeverClosesAWindow)
{
    openAt(16);
    searchForward();
    EXPECT_EQ(currentName(), "DataStructures");
    EXPECT_TRUE(loaded("ComputerHardware"));
}

TEST_F(SearchStepsTest, BackPlacesTheWindowTopLeft)
{
    openAt(8);
    suite().currentWindow->setLeft(900);
    suite().currentWindow->setTop(600);
    searchBack();
    ASSERT_EQ(currentName(), "ComputerHardware");
    EXPECT_EQ(suite().currentWindow->left(), 0);
    EXPECT_EQ(suite().currentWindow->top(), 0);
}

}  // namespace
}  // namespace orr
