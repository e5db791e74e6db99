// Theory paragraphs wrapped into printed lines: where lines break and how far
// each paragraph moves the page down.
#include <gtest/gtest.h>

#include <QStringList>

#include "shell/page_layout.h"

namespace orr {
namespace {

// n words of nine letters, one blank between them: blanks at 9, 19, 29, ...
QString words(int n, QChar letter = QLatin1Char('w'))
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << QString(9, letter);
    return list.join(QLatin1Char(' '));
}

TEST(WrapParagraph, LinesAndPositions)
{
    const QString ninetyNine = words(10);                                        // 99 characters
    const QString lateBlank = QStringLiteral("W") + words(10);                   // blanks at 10, 20, ... 90: 100 characters
    const QString eighty = words(8);                                             // 79 characters
    const QString eightyExact = QStringLiteral("a") + words(8);                 // 80 characters
    const QString eightyOne = QStringLiteral("ab") + words(8);                   // 81 characters
    const QString longWord = QString(120, QLatin1Char('x')) + QStringLiteral(" tail");
    const struct {
        const char* what;
        QString text;
        int startY;
        std::vector<PrintedLine> lines;
        int endY;
    } cases[] = {
        {"empty paragraph still takes the gap", QString(), 8000, {{QString(), 8000}}, 8400},
        {"short paragraph", QStringLiteral("A short note."), 8400, {{QStringLiteral("A short note."), 8400}}, 8800},
        {"79 characters", eighty, 0, {{eighty, 0}}, 400},
        // The appended blanks end exactly at the limit: nothing to cut at.
        {"80 characters", eightyExact, 0, {{eightyExact, 0}}, 400},
        // From 81 characters the appended blanks reach the limit: the text is
        // cut once after the paragraph and an empty line follows.
        {"81 characters", eightyOne, 0, {{eightyOne, 0}, {QString(), 200}}, 600},
        {"99 characters fit one line", ninetyNine, 0, {{ninetyNine, 0}, {QString(), 200}}, 600},
        {"100 characters break at the blank before character 100", lateBlank, 1000,
         {{lateBlank.left(90), 1000}, {words(1), 1200}}, 1600},
        {"a word longer than a line stands alone", longWord, 0,
         {{QString(120, QLatin1Char('x')), 0}, {QStringLiteral("tail"), 200}}, 600},
    };
    for (const auto& c : cases) {
        int y = c.startY;
        EXPECT_EQ(wrapParagraph(c.text, page::kLineLimit, y), c.lines) << c.what;
        EXPECT_EQ(y, c.endY) << c.what;
    }
}

TEST(WrapParagraph, LongParagraphFillsLinesUpTo99Characters)
{
    // 25 words: 249 characters, cut after word 10 and word 20.
    QString text = words(10, QLatin1Char('a')) + QLatin1Char(' ') + words(10, QLatin1Char('b')) + QLatin1Char(' ') +
                   words(5, QLatin1Char('c'));
    int y = 8000;
    const auto lines = wrapParagraph(text, page::kLineLimit, y);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, words(10, QLatin1Char('a')));
    EXPECT_EQ(lines[1].text, words(10, QLatin1Char('b')));
    EXPECT_EQ(lines[2].text, words(5, QLatin1Char('c')));
    EXPECT_EQ(lines[2].y, 8400);
    EXPECT_EQ(y, 8800);
}

TEST(WrapParagraph, FourEmptyParagraphsAdvanceThePage)
{
    int y = page::kTheoryY;
    for (int i = 0; i < 4; ++i)
        wrapParagraph(QString(), page::kLineLimit, y);
    EXPECT_EQ(y, page::kTheoryY + 4 * 400);
}

}  // namespace
}  // namespace orr
