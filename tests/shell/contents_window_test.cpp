// The contents window: position table, index file fields, tree, search list
// and the Contents lookup with its tree and list clicks.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "fake_topic.h"
#include "topics/framework/topic_table.h"

namespace orr {
namespace {

using testing::contentsWindow;
using testing::currentName;
using testing::FakeTopic;

class ContentsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"ComputerHardware", "DataStructures", "Instr_3"})
            testing::registerFakeTopic(QString::fromLatin1(name));
        ContentsIndex::instance().load(testing::sourceIndexPath());
        reset();
        ASSERT_NE(window, nullptr);
    }
    // Closes every window, the contents window too, and opens the contents window again.
    void reset()
    {
        testing::resetWindows();
        window = contentsWindow();
    }
    void TearDown() override { testing::resetWindows(); }

    QList<int> listedPositions() const
    {
        QList<int> positions;
        for (int i = 0; i < window->List1->count(); ++i)
            positions << window->List1->item(i)->data(Qt::UserRole).toInt();
        return positions;
    }

    // A topic of the table that no form has been built for yet, or none when all are.
    static const TopicInfo* unbuiltTopic()
    {
        for (const auto& t : topicTable())
            if (!FormRegistry::instance().hasFactory(QString::fromLatin1(t.name)))
                return &t;
        return nullptr;
    }

    ComputingTreeIndex* window = nullptr;
};

TEST(ContentsPositions, EveryTopicRangeHoldsItsExamples)
{
    ASSERT_EQ(int(topicTable().size()), contents::kTopicCount);
    for (int k = 1; k <= contents::kTopicCount; ++k) {
        const TopicInfo& t = topicTable()[size_t(k - 1)];
        EXPECT_EQ(contents::lastPosition(k) - contents::firstPosition(k) + 1, t.examples) << t.name;
    }
}

TEST(ContentsPositions, TopicOwningAPosition)
{
    const struct {
        int position, topic;
    } cases[] = {
        {2, 0}, {3, 0}, {4, 0}, {5, 0},  // roots and the first topic node
        {6, 1}, {16, 1}, {17, 0}, {18, 2}, {196, 23}, {197, 23}, {198, 0}, {199, 24}, {270, 33}, {271, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(contents::topicAt(c.position), c.topic) << "position " << c.position;
}

TEST(IndexFields, SplitRules)
{
    const struct {
        const char* data;
        QStringList fields;
    } cases[] = {
        {"one\ntwo\n", {"one", "two"}},
        {"one\r\ntwo", {"one", "two"}},
        {"one,two\nthree", {"one", "two", "three"}},
        {"\"Clocked R,S Flip Flop\"\nnext", {"Clocked R,S Flip Flop", "next"}},
        {"  padded  \n", {"padded"}},
        {"\"  kept  \"", {"  kept  "}},
        {"\"quoted\" ignored,after", {"quoted", "after"}},
        {"end,\nnext", {"end", "next"}},
        {"\n\nthird", {"", "", "third"}},
        {"\xEF\xBB\xBFwith mark", {"with mark"}},
        {"I\xC2\xB2L", {QStringLiteral("I\u00B2L")}},
        {"\"never closed", {"never closed"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitIndexFields(QByteArray(c.data)), c.fields) << c.data;
}

TEST_F(ContentsWindowTest, TreeHasThreeRootsAndEveryTopicAtItsHeading)
{
    ASSERT_EQ(window->nodeCount(), 269);  // positions 2 to 270
    EXPECT_EQ(window->TreeView1->topLevelItemCount(), 3);
    EXPECT_EQ(window->node(2)->text(0), "Digital Techniques");
    for (int k = 1; k <= contents::kTopicCount; ++k) {
        QTreeWidgetItem* topic = window->node(contents::headingPosition(k));
        QString expected = QString::fromLatin1(topicTable()[size_t(k - 1)].name);
        if (expected == "SystemDevelopment")
            expected = "SystemsDevelopment";
        EXPECT_EQ(topic->data(0, Qt::UserRole + 1).toString(), expected);
        EXPECT_EQ(topic->childCount(), topicTable()[size_t(k - 1)].examples) << expected.toStdString();
    }
    EXPECT_EQ(window->node(5)->text(0), "Character Codes");
    EXPECT_EQ(window->node(139)->text(0), QStringLiteral("I\u00B2L (Integrated Injection Logic)"));
}

TEST_F(ContentsWindowTest, IndexFileMatchesTheTreeCaptions)
{
    QFile file(testing::sourceIndexPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList fields = splitIndexFields(file.readAll());
    ASSERT_EQ(fields.size(), 268);
    for (int k = 1; k <= fields.size(); ++k)
        EXPECT_EQ(fields[k - 1], window->node(k + 1)->text(0)) << "entry " << k;
    EXPECT_EQ(ContentsIndex::instance().entry(6), "Character Codes");
}

TEST_F(ContentsWindowTest, SearchFiltersIgnoringCase)
{
    const struct {
        const char* text;
        QList<int> positions;
    } cases[] = {
        {"bus", {195, 196, 197}},
        {"ADDRESS BUS", {195, 197}},
        {"i\u00B2l", {140}},
        {"flip-flop", {144, 145, 146, 147, 148, 149, 150}},
        {"no such topic", {}},
    };
    for (const auto& c : cases) {
        window->Text1->setText(QString::fromUtf8(c.text));
        EXPECT_EQ(listedPositions(), c.positions) << c.text;
    }
    window->Text1->setText(QString());
    EXPECT_EQ(window->List1->count(), 268);
    EXPECT_EQ(window->List1->item(0)->text(), "Digital Techniques");
}

TEST_F(ContentsWindowTest, MissingOrShortFileLeavesEntriesEmpty)
{
    QTemporaryDir dir;
    const QString shortFile = dir.filePath("short.txt");
    QFile f(shortFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("First\nSecond\n");
    f.close();

    ContentsIndex::instance().load(shortFile);
    window->Text1_Change();
    EXPECT_EQ(listedPositions(), (QList<int>{3, 4}));

    ContentsIndex::instance().load(dir.filePath("missing.txt"));
    EXPECT_TRUE(ContentsIndex::instance().isLoaded());
    window->Text1_Change();
    EXPECT_EQ(window->List1->count(), 0);
    // The tree does not depend on the file.
    EXPECT_EQ(window->nodeCount(), 269);
}

TEST_F(ContentsWindowTest, LookupOpensTheOwningTopicAtItsExample)
{
    const struct {
        int position;
        const char* window;  // nullptr: no topic owns the position
        int example;
    } cases[] = {
        {6, "ComputerHardware", 0},  {16, "ComputerHardware", 10}, {18, "DataStructures", 0},
        {270, "Instr_3", 12},        {17, nullptr, 0},             {5, nullptr, 0},
        {3, nullptr, 0},
    };
    for (const auto& c : cases) {
        reset();
        int position = c.position;
        bool skip = false, enable = true;
        window->Contents(position, skip, enable);
        EXPECT_EQ(suite().contentsPosition, c.position);
        EXPECT_EQ(position, c.position);
        if (!c.window) {
            EXPECT_TRUE(skip) << c.position;
            EXPECT_EQ(suite().currentWindow, nullptr);
            continue;
        }
        EXPECT_FALSE(skip) << c.position;
        ASSERT_EQ(currentName(), c.window);
        EXPECT_TRUE(suite().currentWindow->isShown());
        EXPECT_EQ(suite().selectedExample[size_t(topicByName(c.window)->id)], c.example);
    }
}

TEST_F(ContentsWindowTest, DisabledLookupChangesNothing)
{
    suite().contentsPosition = 42;
    int position = 6;
    bool skip = false, enable = false;
    window->Contents(position, skip, enable);
    EXPECT_EQ(suite().contentsPosition, 42);
    EXPECT_FALSE(skip);
    EXPECT_EQ(suite().currentWindow, nullptr);
    EXPECT_FALSE(FormRegistry::instance().isLoaded("ComputerHardware"));
}

TEST_F(ContentsWindowTest, TopicNotBuiltOpensNothing)
{
    const TopicInfo* topic = unbuiltTopic();
    if (!topic)
        GTEST_SKIP() << "every topic is built";
    const int k = int(topic - topicTable().data()) + 1;
    window->openPosition(6);
    ASSERT_EQ(currentName(), "ComputerHardware");

    window->openPosition(contents::firstPosition(k) + 1);
    EXPECT_EQ(suite().contentsPosition, contents::firstPosition(k) + 1);
    EXPECT_EQ(suite().selectedExample[size_t(topic->id)], 1);
    EXPECT_EQ(suite().currentWindow, nullptr);
    EXPECT_FALSE(FormRegistry::instance().isLoaded(QString::fromLatin1(topic->name)));
    // The topic shown before is left as it was: not redrawn, not closed.
    EXPECT_EQ(FakeTopic::proc1Calls()["ComputerHardware"], 1);
    EXPECT_TRUE(FormRegistry::instance().isLoaded("ComputerHardware"));
}

TEST_F(ContentsWindowTest, TreeClickOpensExamplesOnly)
{
    const struct {
        int node;
        const char* window;  // nullptr: opens nothing
        int example;
    } cases[] = {
        {5, "ComputerHardware", 0}, {15, "ComputerHardware", 10}, {269, "Instr_3", 12},
        {4, nullptr, 0},            {1, nullptr, 0},              {3, nullptr, 0},
    };
    for (const auto& c : cases) {
        reset();
        window->TreeView1_NodeClick(window->node(c.node));
        EXPECT_EQ(suite().contentsPosition, c.node + 1);
        if (!c.window) {
            EXPECT_EQ(suite().currentWindow, nullptr) << c.node;
            EXPECT_TRUE(FakeTopic::proc1Calls().empty()) << c.node;
            continue;
        }
        ASSERT_EQ(currentName(), c.window) << c.node;
        EXPECT_EQ(FakeTopic::proc1Calls()[c.window], 1);
        EXPECT_EQ(suite().selectedExample[size_t(topicByName(c.window)->id)], c.example);
    }
}

TEST_F(ContentsWindowTest, ListClickOpensTheItemsPositionAndKeepsTheFixedSize)
{
    window->Text1->setText("character codes");
    ASSERT_EQ(listedPositions(), (QList<int>{6}));
    window->setSize(3000, 2000);
    window->List1_Click(window->List1->item(0));
    EXPECT_EQ(currentName(), "ComputerHardware");
    EXPECT_EQ(FakeTopic::proc1Calls()["ComputerHardware"], 1);
    EXPECT_EQ(window->width(), ComputingTreeIndex::kFixedWidth);
    EXPECT_EQ(window->height(), ComputingTreeIndex::kFixedHeight);

    // A heading in the list opens nothing new but redraws the current window.
    window->openPosition(17);
    EXPECT_EQ(suite().contentsPosition, 17);
    EXPECT_EQ(currentName(), "ComputerHardware");
    EXPECT_EQ(FakeTopic::proc1Calls()["ComputerHardware"], 2);
}

TEST_F(ContentsWindowTest, ActivationRestoresSizeAndHidesTheToolbar)
{
    suite().drawingScale = 2.5f;
    window->setSize(3000, 2000);
    window->formActivate();
    EXPECT_EQ(window->width(), ComputingTreeIndex::kFixedWidth);
    EXPECT_EQ(window->height(), ComputingTreeIndex::kFixedHeight);
    EXPECT_EQ(suite().drawingScale, 1.0f);
}

}  // namespace
}  // namespace orr
