// The settings kept between runs: each value checked on its own when read,
// written back as read, applied to the suite, and a corrupt file replaced.
#include <gtest/gtest.h>

#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "fake_topic.h"
#include "suite_fixture.h"
#include "shell/settings.h"

namespace orr {
namespace {

// A kept set as one line, "-" for a value not kept, so a table row shows all of it.
std::string describe(const KeptSettings& k)
{
    auto size = [](const std::optional<QSize>& s) {
        return s ? QStringLiteral("%1x%2").arg(s->width()).arg(s->height()) : QStringLiteral("-");
    };
    auto number = [](const auto& v) { return v ? QString::number(*v) : QStringLiteral("-"); };
    const QString max = k.maximised ? (*k.maximised ? QStringLiteral("yes") : QStringLiteral("no")) : QStringLiteral("-");
    return QStringLiteral("main=%1 max=%2 topic=%3 zoom=%4 pos=%5")
        .arg(size(k.mainWindowSize), max, size(k.topicSize), number(k.zoomLevel), number(k.contentsPosition))
        .toStdString();
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Reads a settings file holding exactly these bytes.
    KeptSettings readFile(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("case%1.ini").arg(++files));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QSettings store(path, QSettings::IniFormat);
        return readSettings(store);
    }

    QTemporaryDir dir;
    int files = 0;
};

const QByteArray kGoodMain = "[MainWindow]\nwidth=1024\nheight=768\nmaximised=false\n";
const QByteArray kGoodTopic = "[Topic]\nwidth=13050\nheight=9505\nzoom=2\n";
const QByteArray kGoodContents = "[Contents]\nposition=116\n";

TEST_F(SettingsTest, EachValueIsCheckedOnItsOwn)
{
    const char* const all = "main=1024x768 max=no topic=13050x9505 zoom=2 pos=116";
    const struct {
        const char* what;
        QByteArray file;
        const char* kept;
    } cases[] = {
        {"every value sound", kGoodMain + kGoodTopic + kGoodContents, all},
        {"no file content", "", "main=- max=- topic=- zoom=- pos=-"},
        {"width not a number", "[MainWindow]\nwidth=wide\nheight=768\n", "main=- max=- topic=- zoom=- pos=-"},
        {"negative height", "[MainWindow]\nwidth=1024\nheight=-768\n", "main=- max=- topic=- zoom=- pos=-"},
        {"huge width", "[MainWindow]\nwidth=99999999\nheight=768\n", "main=- max=- topic=- zoom=- pos=-"},
        {"too small to use", "[MainWindow]\nwidth=20\nheight=10\n", "main=- max=- topic=- zoom=- pos=-"},
        {"fraction where pixels belong", "[MainWindow]\nwidth=1024.5\nheight=768\n", "main=- max=- topic=- zoom=- pos=-"},
        {"a list where a number belongs", "[MainWindow]\nwidth=1024, 2\nheight=768\n", "main=- max=- topic=- zoom=- pos=-"},
        {"a stored size object", "[MainWindow]\nwidth=@Size(1024 768)\nheight=768\n", "main=- max=- topic=- zoom=- pos=-"},
        {"a corrupt stored variant", "[MainWindow]\nwidth=@Variant(\\0\\0\\0\\x7f\\xff)\nheight=768\n",
         "main=- max=- topic=- zoom=- pos=-"},
        {"maximised is yes", "[MainWindow]\nmaximised=yes\n", "main=- max=- topic=- zoom=- pos=-"},
        {"maximised is TRUE", "[MainWindow]\nmaximised=TRUE\n", "main=- max=yes topic=- zoom=- pos=-"},
        {"topic below its design size", "[Topic]\nwidth=5000\nheight=9505\nzoom=0\n",
         "main=- max=- topic=- zoom=0 pos=-"},
        {"zoom without a kept topic size", "[Topic]\nzoom=3\n", "main=- max=- topic=- zoom=- pos=-"},
        {"zoom 1 is never a step", "[Topic]\nwidth=13050\nheight=9505\nzoom=1\n", "main=- max=- topic=13050x9505 zoom=- pos=-"},
        {"zoom below 0", "[Topic]\nwidth=13050\nheight=9505\nzoom=-2\n", "main=- max=- topic=13050x9505 zoom=- pos=-"},
        {"zoom between steps", "[Topic]\nwidth=13050\nheight=9505\nzoom=2.5\n",
         "main=- max=- topic=13050x9505 zoom=- pos=-"},
        {"zoom far past the last step", "[Topic]\nwidth=13050\nheight=9505\nzoom=25\n",
         "main=- max=- topic=13050x9505 zoom=- pos=-"},
        {"zoom not a number", "[Topic]\nwidth=13050\nheight=9505\nzoom=nan\n",
         "main=- max=- topic=13050x9505 zoom=- pos=-"},
        {"position before the first", "[Contents]\nposition=2\n", "main=- max=- topic=- zoom=- pos=-"},
        {"position past the last", "[Contents]\nposition=271\n", "main=- max=- topic=- zoom=- pos=-"},
        {"nonsense beside sound values", kGoodMain + kGoodTopic + "[Contents]\nposition=x\n[Other]\nkey=1\n",
         "main=1024x768 max=no topic=13050x9505 zoom=2 pos=-"},
        {"binary bytes", QByteArray("\x00\xff\xfe[\x01=\x80\n\x7f", 9), "main=- max=- topic=- zoom=- pos=-"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describe(readFile(c.file)), c.kept) << c.what;
}

TEST_F(SettingsTest, WrittenValuesReadBackAndOthersStay)
{
    const QString path = dir.filePath(QStringLiteral("kept.ini"));
    {
        QSettings store(path, QSettings::IniFormat);
        KeptSettings k;
        k.mainWindowSize = QSize(1280, 900);
        k.maximised = false;
        k.topicSize = QSize(15660, 11200);
        k.zoomLevel = 3;
        k.contentsPosition = 200;
        writeSettings(store, k);
        // A later save that keeps only the maximised state leaves the size that was kept.
        writeSettings(store, KeptSettings{std::nullopt, true, std::nullopt, std::nullopt, std::nullopt});
    }
    QSettings store(path, QSettings::IniFormat);
    EXPECT_EQ(describe(readSettings(store)), "main=1280x900 max=yes topic=15660x11200 zoom=3 pos=200");
}

TEST_F(SettingsTest, AppliedToTheSuiteAndTakenFromIt)
{
    testing::registerFakeTopic(QStringLiteral("LogicGates1"));
    testing::resetWindows();
    ComputingTreeIndex* contents = testing::contentsWindow();
    ASSERT_NE(contents, nullptr);
    SuiteState& s = suite();
    const SuiteState before = s;

    // A topic size kept on a larger screen than this one is not applied, nor is its zoom.
    const QSize screen = test::mainWindow()->screen()->availableGeometry().size();
    s.zoomLevel = 0;
    KeptSettings k;
    k.topicSize = QSize(11400, (screen.height() + 1) * kTwipsPerPixel);
    k.zoomLevel = 3;
    applySettings(k);
    EXPECT_EQ(s.savedWidth, before.savedWidth);
    EXPECT_EQ(s.zoomLevel, 0.0f);

    k.topicSize = QSize(11400, 8400);
    k.contentsPosition = 116;
    applySettings(k);
    EXPECT_EQ(s.savedWidth, 11400);
    EXPECT_EQ(s.savedHeight, 8400);
    EXPECT_EQ(s.zoomLevel, 3.0f);
    EXPECT_EQ(s.contentsPosition, 116);
    // The tree shows the entry (tree node n is position n + 1) and opens nothing.
    EXPECT_EQ(contents->TreeView1->currentItem(), contents->node(115));
    EXPECT_EQ(contents->TreeView1->currentItem()->text(0), QStringLiteral("AND Gate Function"));
    EXPECT_EQ(s.currentWindow, nullptr);
    EXPECT_EQ(describe(currentSettings()).substr(describe(currentSettings()).find("topic=")),
              "topic=11400x8400 zoom=3 pos=116");

    s.savedWidth = before.savedWidth;
    s.savedHeight = before.savedHeight;
    s.zoomLevel = before.zoomLevel;
    testing::resetWindows();
}

TEST_F(SettingsTest, CorruptUserFileIsIgnoredThenReplaced)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    const QString path = dir.filePath(QStringLiteral("Orrinvale/Orrinvale V10.ini"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        static const char bytes[] = "\x00\xff[Topic\nzoom=\x80\x81";
        f.write(bytes, sizeof bytes - 1);  // the leading zero byte included
    }
    SuiteState& s = suite();
    const SuiteState before = s;
    restoreSettings();
    EXPECT_EQ(s.zoomLevel, before.zoomLevel);
    EXPECT_EQ(s.savedWidth, before.savedWidth);

    s.savedWidth = 13050;
    s.savedHeight = 9505;
    s.zoomLevel = 2;
    s.contentsPosition = 120;
    saveSettings();
    QSettings store(path, QSettings::IniFormat);
    EXPECT_EQ(describe(readSettings(store)).substr(describe(readSettings(store)).find("topic=")),
              "topic=13050x9505 zoom=2 pos=120");

    s.savedWidth = before.savedWidth;
    s.savedHeight = before.savedHeight;
    s.zoomLevel = before.zoomLevel;
    s.contentsPosition = before.contentsPosition;
}

}  // namespace
}  // namespace orr
