// The theory window shown again after it was hidden: caption, text, width,
// face and copy source always follow what was last asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <functional>
#include <vector>

#include "shell/companion_windows.h"
#include "fresh_topic.h"

using namespace orr;

namespace {

const QString kNotesStart = QStringLiteral("The Data Bus in this example is just eight bits wide.");
const QString kPrintingStart = QStringLiteral("Select the Printing toolbar button.");

class TheoryShowings : public test::FreshTopic {
protected:
    TheoryShowings() : FreshTopic({"Theory"}) {}
    void TearDown() override
    {
        main->Toolbar1_ButtonClick(6);
        FormRegistry::instance().unload(QStringLiteral("Theory"));
    }
    static TheoryWindow* theory()
    {
        return dynamic_cast<TheoryWindow*>(FormRegistry::instance().loadedForm(QStringLiteral("Theory")));
    }
};

TEST_F(TheoryShowings, EveryShowingRenewsTheWindow)
{
    using Step = std::function<void(MainWindow*, TopicForm*)>;
    const Step notes = [](MainWindow* m, TopicForm*) { m->Toolbar1_ButtonClick(3); };
    const Step pictureClick = [](MainWindow*, TopicForm* t) { t->Picture1_Click(10, 10); };
    const Step printingPage = [](MainWindow* m, TopicForm*) { m->InfoSubMenu_Click(8); };
    const Step scaleUp = [](MainWindow* m, TopicForm*) { m->Toolbar1_ButtonClick(7); };
    const Step scaleDown = [](MainWindow* m, TopicForm*) { m->Toolbar1_ButtonClick(6); };
    const Step otherExample = [](MainWindow*, TopicForm*) {
        test::openTopic(QStringLiteral("DataAddressBus"), 1);
    };
    const struct {
        const char* what;
        std::vector<Step> steps;
        const char* caption;
        QString textStart;
        bool wide;
    } cases[] = {
        {"notes, picture click, information page", {notes, pictureClick, printingPage}, "PRINTING",
         kPrintingStart, false},
        {"information page, picture click, notes", {printingPage, pictureClick, notes}, "DATA/ADDRESS BUS",
         kNotesStart, false},
        {"notes at zoom 0, picture click, Scale Up, notes", {notes, pictureClick, scaleUp, notes},
         "DATA/ADDRESS BUS", kNotesStart, true},
        {"Scale Up, notes, picture click, Scale Down, notes", {scaleUp, notes, pictureClick, scaleDown, notes},
         "DATA/ADDRESS BUS", kNotesStart, false},
        {"notes, picture click, another example, notes", {notes, pictureClick, otherExample, notes},
         "DATA/ADDRESS BUS", QStringLiteral("The other type of microprocessor bus"), false},
        {"notes shown twice", {notes, notes}, "DATA/ADDRESS BUS", kNotesStart, false},
    };
    for (const auto& c : cases) {
        SetUp();
        for (const Step& s : c.steps)
            s(main, topic);
        TheoryWindow* w = theory();
        ASSERT_NE(w, nullptr) << c.what;
        EXPECT_TRUE(w->isShown()) << c.what;
        EXPECT_EQ(w->caption(), QString::fromUtf8(c.caption)) << c.what;
        EXPECT_TRUE(w->Theorylabel->caption().startsWith(c.textStart))
            << c.what << ": " << w->Theorylabel->caption().left(60).toStdString();
        EXPECT_EQ(suite().copySource, 2) << c.what;
        const int labelTwips = c.wide ? TextWindow::kWideLabel : TextWindow::kNarrowLabel;
        EXPECT_NEAR(pixelsToTwips(w->Theorylabel->width()), labelTwips, 15) << c.what;
        EXPECT_EQ(w->Theorylabel->font().pointSize(), c.wide ? TextWindow::kWideFont : TextWindow::kNarrowFont)
            << c.what;
        TearDown();
    }
}

}  // namespace
