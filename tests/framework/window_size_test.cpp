// Window sizes: Cascade Windows keeps every window's size, and the saved size
// that later topics open with never falls below the design size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <map>

#include "fresh_topic.h"

using namespace orr;

namespace {

class WindowSizes : public test::FreshTopic {
protected:
    WindowSizes() : FreshTopic({"LogicGates1"}) {}
};

TEST_F(WindowSizes, CascadeKeepsEverySizeAndStepsThePlaces)
{
    ASSERT_NE(test::openTopic(QStringLiteral("LogicGates1"), 0), nullptr);
    std::map<QMdiSubWindow*, QSize> before;
    for (QMdiSubWindow* sub : main->mdiArea()->subWindowList())
        if (sub->isVisible())
            before[sub] = sub->size();
    ASSERT_GE(before.size(), 3u);

    main->CasWindows_Click(2);

    std::map<int, int> lefts;
    for (const auto& [sub, size] : before) {
        EXPECT_EQ(sub->size(), size) << sub->objectName().toStdString();
        EXPECT_EQ(sub->x(), sub->y()) << sub->objectName().toStdString();
        ++lefts[sub->x()];
    }
    EXPECT_EQ(lefts.size(), before.size()) << "each window one step from the next";
    EXPECT_EQ(topic->Picture1->scaleWidth(), 701);
    EXPECT_GT(topic->Picture1->height(), 300);
}

TEST_F(WindowSizes, SavedSizeNeverFallsBelowTheDesignSize)
{
    const struct {
        const char* what;
        void (*shrink)(MainWindow*, TopicForm*);
        int button;  // the toolbar button that saves the size
    } cases[] = {
        {"cascaded, then notes", [](MainWindow* m, TopicForm*) { m->CasWindows_Click(2); }, 3},
        {"shrunk by hand, then notes", [](MainWindow*, TopicForm* t) { t->setSize(1500, 400); }, 3},
        {"shrunk by hand, then copy", [](MainWindow*, TopicForm* t) { t->setSize(1500, 400); }, 2},
        {"shrunk by hand, then print", [](MainWindow*, TopicForm* t) { t->setSize(3000, 2000); }, 1},
    };
    for (const auto& c : cases) {
        SetUp();
        c.shrink(main, topic);
        main->Toolbar1_ButtonClick(c.button);
        EXPECT_GE(suite().savedWidth, 10875) << c.what;
        EXPECT_GE(suite().savedHeight, 8055) << c.what;
        // The next topic opened gets a whole window.
        auto* next = test::openTopic<TopicForm>(QStringLiteral("LogicGates1"), 0);
        ASSERT_NE(next, nullptr) << c.what;
        EXPECT_GE(next->width(), 10875) << c.what;
        EXPECT_GE(next->height(), 8055) << c.what;
        FormRegistry::instance().unload(next);
    }
}

}  // namespace
