// Where the program finds its contents index: installed in share/orrinvale
// beside bin, or beside the program as in the build tree.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "shell/contents_window.h"

namespace orr {
namespace {

TEST(IndexPath, InstalledFirstThenBesideTheProgram)
{
    const struct {
        const char* what;
        bool installed, beside;
        const char* found;  // relative to the prefix
    } cases[] = {
        {"installed", true, false, "share/orrinvale/ComputingIndex.txt"},
        {"installed with a stray copy beside", true, true, "share/orrinvale/ComputingIndex.txt"},
        {"build tree", false, true, "bin/ComputingIndex.txt"},
        // With neither, the path beside the program is read and gives an empty index.
        {"nowhere", false, false, "bin/ComputingIndex.txt"},
    };
    for (const auto& c : cases) {
        QTemporaryDir prefix;
        ASSERT_TRUE(prefix.isValid());
        const QDir root(prefix.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("bin")) && root.mkpath(QStringLiteral("share/orrinvale")));
        auto touch = [&](const char* path) {
            QFile f(root.filePath(QLatin1String(path)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        };
        if (c.installed)
            touch("share/orrinvale/ComputingIndex.txt");
        if (c.beside)
            touch("bin/ComputingIndex.txt");
        EXPECT_EQ(ContentsIndex::indexPathFor(root.filePath(QStringLiteral("bin"))),
                  root.filePath(QLatin1String(c.found)))
            << c.what;
    }
}

}  // namespace
}  // namespace orr
