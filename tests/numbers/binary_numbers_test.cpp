// The BinaryNumbers window: values entered through the value-entry dialog
// as a learner enters them, and the working read back from the picture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <map>

#include "../values/qstring_print.h"
#include "draw/kit.h"
#include "platform/msgbox.h"
#include "suite_fixture.h"
#include "value_keys.h"
#include "topics/numbers/binary_numbers.h"
#include "values/input_form.h"

using namespace orr;

namespace {

// The picture's texts gathered into lines: texts at the same height joined by
// a space, in drawing order, the lines from top to bottom. The digit table at
// the right-hand side is left out.
QStringList boardLines(const TopicForm* t)
{
    std::map<int, QStringList> rows;
    for (const PrintedText& p : t->Picture1->printedTexts())
        if (p.x < 545)
            rows[int(std::lround(p.y))] << p.text;
    QStringList lines;
    for (auto& [y, texts] : rows)
        lines << texts.join(QLatin1Char(' '));
    return lines;
}

// The line that starts with caption, or "<none>".
QString lineStarting(const QStringList& lines, const QString& caption)
{
    for (const QString& l : lines)
        if (l.startsWith(caption))
            return l;
    return QStringLiteral("<none>");
}

class BinaryNumbersWindow : public ::testing::Test {
protected:
    BinaryNumbers* open(int e)
    {
        takeMessages();
        auto* t = test::openTopic<BinaryNumbers>(QStringLiteral("BinaryNumbers"), e);
        EXPECT_NE(t, nullptr);
        return t;
    }
    // SelectButton(0), the typed keys and Enter, through the real dialog.
    static void enter(BinaryNumbers* t, const QString& typed) { test::typeIntoSelector(t, 0, typed); }
};

}  // namespace

// Each example with a value typed into the dialog: the lines of the working
// that must appear on the board.
TEST_F(BinaryNumbersWindow, WorkingOnTheBoard)
{
    struct Case {
        int example;
        const char* typed;  // nullptr: the default value
        std::vector<const char*> lines;
    };
    const std::vector<Case> cases = {
        {0, nullptr, {"Binary Equivalent = 01111101", "2 125 = 62 Remainder 1", "Check: 64 + 32 + 16 + 8 + 4 + 1 = 125"}},
        {0, "0", {"Binary Equivalent = 00000000", "2 0 = 0 Remainder 0", "Check: 0 = 0"}},
        {0, "300", {"Binary Equivalent = 11111111"}},
        {1, nullptr, {"Binary No. = 11011011", "Weighted Binary Nos.", "128 + 64 + 0 + 16 + 8 + 0 + 2 + 1",
                      "Decimal Equivalent = 219"}},
        {1, "101", {"Binary No. = 00000101", "Decimal Equivalent = 5"}},
        {2, nullptr, {"Decimal No. = 25.479", "25 \u00F7 2 = 12 Remainder 1", "0.48 \u00D7 2 = 0.96 Binary 0",
                      "0.96 \u00D7 2 = 1.92 Binary 1", "Binary Equivalent = 11001.011110101001"}},
        {2, "0.5", {"Binary Equivalent = 0.1", "0.50 \u00D7 2 = 1.00 Binary 1"}},
        {3, nullptr, {"Binary No. = 1101.101", "8 + 4 + 0 + 1 + 1/2 + 0/4 + 1/8", "Added = 13.625",
                      "Integer part = 13", "Fractional part = 0.625", "Decimal Equivalent = 13.625"}},
        {3, "111.11111111", {"Binary No. = 111.1111", "Decimal Equivalent = 7.9375"}},
        {4, nullptr, {"Integer Binary = 11001", "Integer Oct Groups = 011 001", "Octal (Integer part) = 31",
                      "Fractional Binary = 011 110 101 001", "Octal (fractional part) = 0. 3651",
                      "Octal Equivalent = 31.3651", "Octal string = 31.3651o"}},
        {5, nullptr, {"Octal No. = 127.521", "64 + 16 + 7 + 5/8 + 2/64 + 1/512", "Decimal Equivalent = 87.658203125"}},
        {6, nullptr, {"Integer Hex Groups = 0001 1001", "Hexadecimal (Integer part) = 19",
                      "Fractional Binary = 0. 0111 1010 1001", "Hexadecimal (fractonal part) = 0. 7A9",
                      "Hexadecimal Equivalent = 19.7A9", "Hexadecimal string = 19.7A9h"}},
        {6, "1000", {"Integer Hex Groups = 0011 1110 1000", "Hexadecimal Equivalent = 3E8"}},
        {7, nullptr, {"Hexadecimal No. = AA23.16", "40960 + 2560 + 32 + 3 + 1/16 + 6/256",
                      "Decimal Equivalent = 43555.0859375",
                      "Note. Very large or very small numbers will be truncated."}},
        {7, "12345.6789", {"Hexadecimal No. = 1234.678", "Integer part = 4660"}},
    };
    for (const Case& c : cases) {
        BinaryNumbers* t = open(c.example);
        ASSERT_NE(t, nullptr);
        if (c.typed)
            enter(t, QString::fromUtf8(c.typed));
        const QStringList lines = boardLines(t);
        for (const char* expected : c.lines) {
            const QString e = QString::fromUtf8(expected);
            EXPECT_TRUE(lines.contains(e)) << "example " << c.example << " typed " << (c.typed ? c.typed : "-")
                                           << ": no line \"" << e.toStdString() << "\" in\n"
                                           << lines.join(QLatin1Char('\n')).toStdString();
        }
    }
}

// More than eight binary digits typed: the first eight are the number, and
// the label and the picture show that same number.
TEST_F(BinaryNumbersWindow, SimpleBinaryLabelAndPictureShowOneNumber)
{
    const struct {
        const char* typed;
        const char* number;
    } cases[] = {
        {"1000000001", "10000000"}, {"0011111111", "00111111"}, {"111100001111", "11110000"},
        {"101", "00000101"},        {"11011011", "11011011"},
    };
    for (const auto& c : cases) {
        BinaryNumbers* t = open(1);
        enter(t, QLatin1String(c.typed));
        EXPECT_EQ(t->InputLabel[0]->caption(), QLatin1String(c.number)) << c.typed;
        EXPECT_EQ(lineStarting(boardLines(t), QStringLiteral("Binary No. = ")),
                  QStringLiteral("Binary No. = ") + QLatin1String(c.number))
            << c.typed;
    }
}

// The note on the fraction, the widest line of the grouping working, ends
// before the digit table's frame begins.
TEST_F(BinaryNumbersWindow, GroupingNoteEndsBeforeTheDigitTable)
{
    constexpr double kTableLeft = 20 + 530 - 6;
    for (int e : {4, 6})
        for (const char* typed : {"25.479", "999.9999", "0.0625"}) {
            BinaryNumbers* t = open(e);
            enter(t, QLatin1String(typed));
            int notes = 0;
            for (const PrintedText& p : t->Picture1->printedTexts())
                if (p.text.startsWith(QStringLiteral("Double the fraction"))) {
                    ++notes;
                    const int width = kit::markedUpWidth(*t->Picture1, p.text, 8, false);
                    EXPECT_LT(p.x + width, kTableLeft) << e << " " << typed << " " << p.text.toStdString();
                }
            EXPECT_EQ(notes, 1) << e << " " << typed;
        }
}

TEST_F(BinaryNumbersWindow, ValuesAboveTheLimitAreRestrictedWithTheRangeMessage)
{
    struct Case {
        int example;
        const char* typed;
        const char* label;
        const char* message;
    };
    for (const Case& c : {Case{0, "300", "255", "255"}, Case{2, "1500", "1000", "1000"},
                          Case{5, "7777777", "1000000o", "1000000o"}}) {
        BinaryNumbers* t = open(c.example);
        enter(t, QString::fromLatin1(c.typed));
        EXPECT_EQ(t->InputLabel[0]->caption(), QString::fromLatin1(c.label));
        const auto messages = takeMessages();
        ASSERT_EQ(messages.size(), 1u) << c.typed;
        EXPECT_EQ(messages[0].title, QStringLiteral("Input range limited."));
        EXPECT_EQ(messages[0].text,
                  QStringLiteral("Your input value is out of range and has been restricted to ") +
                      QString::fromLatin1(c.message));
    }
}

TEST_F(BinaryNumbersWindow, ExampleZeroDividesOnceForZero)
{
    BinaryNumbers* t = open(0);
    enter(t, QStringLiteral("0"));
    int remainders = 0;
    for (const PrintedText& p : t->Picture1->printedTexts())
        remainders += p.text == QStringLiteral("Remainder");
    EXPECT_EQ(remainders, 1);
}

// The fractional rows of example 2 fill the space below the integer working
// and stop before the result line.
TEST_F(BinaryNumbersWindow, FractionRowsStopWhereTheBoardEnds)
{
    for (const char* typed : {"25.479", "999.1", "0.1"}) {
        BinaryNumbers* t = open(2);
        enter(t, QString::fromLatin1(typed));
        int rows = 0;
        double lowest = 0;
        for (const PrintedText& p : t->Picture1->printedTexts())
            if (p.text == QStringLiteral("Binary")) {
                ++rows;
                lowest = std::max(lowest, p.y);
            }
        EXPECT_GE(rows, 5) << typed;
        EXPECT_LT(lowest, 260 * 1.28) << typed;
        const QString result = lineStarting(boardLines(t), QStringLiteral("Binary Equivalent = "));
        EXPECT_EQ(result.section(QLatin1Char('.'), 1).size(), rows) << typed << " " << result.toStdString();
    }
}

TEST_F(BinaryNumbersWindow, CaptionSelectorAndQuantityFollowTheExample)
{
    const char* selectors[] = {"Integer <= 255", "Binary Value", "Decimal No.", "Binary No.",
                               "Decimal No.",    "Octal No.",    "Decimal No.", "Hex No."};
    const char* labels[] = {"125", "11011011", "25.479", "1101.101", "25.479", "127.521o", "25.479", "AA23.16h"};
    for (int e = 0; e < 8; ++e) {
        BinaryNumbers* t = open(e);
        EXPECT_EQ(t->caption(), QStringLiteral("BINARY NUMBERS:   ") + BinaryNumbers::exampleCaption(e));
        EXPECT_EQ(t->SelectButton[0]->caption(), QString::fromLatin1(selectors[e]));
        EXPECT_EQ(t->InputLabel[0]->caption(), QString::fromLatin1(labels[e]));
        t->TheoryButton();
        int paragraphs = 0;
        for (const QString& p : suite().theory)
            paragraphs += !p.isEmpty();
        EXPECT_GE(paragraphs, 2) << e;
    }
}
