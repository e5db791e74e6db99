// The contents batch commands refuse arguments they cannot act on.
#include <gtest/gtest.h>

#include <QTextStream>

#include "batch/batch_command.h"
#include "fake_topic.h"

namespace orr {
namespace {

TEST(ContentsCommands, BadArgumentsAreRefused)
{
    testing::resetWindows();
    const struct {
        const char* command;
        const char* argument;
    } cases[] = {
        {"open", ""},    {"open", "bus"}, {"open", "2"},     {"open", "271"}, {"tree", "0"},
        {"tree", "270"}, {"tree", "x"},   {"list", "extra"}, {"back", "1"},   {"forward", "1"},
    };
    QString out;
    QTextStream stream(&out);
    BatchContext context{stream};
    for (const auto& c : cases) {
        BatchHandler handler = findBatchCommand(QString::fromLatin1(c.command));
        ASSERT_TRUE(handler) << c.command;
        EXPECT_THROW(handler(context, QString::fromLatin1(c.argument)), BatchError)
            << c.command << " " << c.argument;
    }
    EXPECT_EQ(suite().contentsPosition, 0);
    testing::resetWindows();
}

}  // namespace
}  // namespace orr
