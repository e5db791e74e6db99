// The data windows end to end: entries limited, buttons refused, click items,
// and the order form's key filters and date checks with a fixed today.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QApplication>

#include "platform/msgbox.h"
#include "shell/companion_windows.h"
#include "suite_fixture.h"
#include "topics/data/data_files.h"
#include "topics/data/data_handling.h"
#include "topics/data/data_structures.h"
#include "topics/data/order_form_rules.h"

namespace orr {
namespace {

using test::texts;

TEST(DataWindows, StructuresButtonsAndLimits)
{
    auto* w = test::openTopic<DataStructures>(QStringLiteral("DataStructures"), 4);
    ASSERT_NE(w, nullptr);
    takeMessages();
    const struct {
        int example, trigger, times;
        const char* title;  // of the last message box, "" none
        const char* line;   // a text drawn afterwards
    } cases[] = {
        {4, 0, 8, "", "Stacked data items = 8"},
        {4, 0, 1, "Stack Full.", "Stacked data items = 8"},
        {4, 1, 8, "", "Stacked data items = 0"},
        {4, 1, 1, "Stack Empty.", "Stacked data items = 0"},
        {5, 0, 9, "Buffer Full.", "Queued data items = 8"},
        {5, 1, 9, "Buffer Empty.", "Queued data items = 0"},
        {7, 0, 3, "", "Visited:"},
        {7, 1, 2, "", "Visited: 54, 12"},
    };
    for (const auto& c : cases) {
        if (w->example() != c.example)
            w = test::openTopic<DataStructures>(QStringLiteral("DataStructures"), c.example);
        for (int k = 0; k < c.times; ++k)
            w->Trigger_Click(c.trigger);
        const auto m = takeMessages();
        EXPECT_EQ(m.empty() ? QString() : m.back().title, QString::fromUtf8(c.title)) << c.line;
        EXPECT_TRUE(texts(w).contains(QString::fromUtf8(c.line))) << c.line;
    }
    // A search for a value that is not held ends with " not found.".
    w = test::openTopic<DataStructures>(QStringLiteral("DataStructures"), 2);
    w->in.searchFor = 5;
    w->results();
    EXPECT_TRUE(texts(w).contains(QStringLiteral("5.00 not found.")));
}

TEST(DataWindows, FilesWorkings)
{
    auto* w = test::openTopic<DataFiles>(QStringLiteral("DataFiles"), 4);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(texts(w).contains(QStringLiteral("Record is No. 6 in Bucket 219")));
    w = test::openTopic<DataFiles>(QStringLiteral("DataFiles"), 2);
    EXPECT_TRUE(texts(w).contains(QStringLiteral("Record '452' found in cylinder 2, surface 2, sector 4.")));
    w = test::openTopic<DataFiles>(QStringLiteral("DataFiles"), 6);
    const struct {
        int trigger;
        const char* line;
    } steps[] = {
        {-1, "For Even Parity, Parity Bit set to 1"},
        {0, "For Odd Parity, Parity Bit set to 0"},
        {0, "No Parity Selected."},
        {0, "Even Parity Selected."},
        {1, "Data Error."},
        {1, "Data Correct."},
    };
    for (const auto& s : steps) {
        if (s.trigger >= 0)
            w->Trigger_Click(s.trigger);
        EXPECT_TRUE(texts(w).contains(QString::fromUtf8(s.line))) << s.line;
    }
    // Check digits: the operator's entry against the stored number.
    w = test::openTopic<DataFiles>(QStringLiteral("DataFiles"), 5);
    const struct {
        int64_t stored;
        float entered;
        const char* verdict;
    } checks[] = {
        {12345, 12345, "Same check digit. Valid data."},
        {12345, 12354, "Data entry invalid (re-key)."},  // swapped digits change the weighted sum
        {12345, 912345, "Same check digit. Valid data."},  // only the stored number's length is read
    };
    for (const auto& c : checks) {
        w->customerNumber = c.stored;
        w->customerDrawn = true;
        w->operatorEntry = c.entered;
        w->results();
        EXPECT_TRUE(texts(w).contains(QStringLiteral("Check digit = 2")));
        EXPECT_TRUE(texts(w).contains(QString::fromUtf8(c.verdict))) << c.entered;
    }
    // Hashing: a duplicate address goes to the overflow table, and the next redraw has none.
    w = test::openTopic<DataFiles>(QStringLiteral("DataFiles"), 3);
    w->Trigger_Click(1);
    EXPECT_EQ(texts(w).filter(QStringLiteral("Duplicate address")).size(), 1);
    w->Trigger_Click(0);
    EXPECT_TRUE(texts(w).contains(QStringLiteral("(empty: no address is shared)")));

    // The sequential search stops at its key.
    w = test::openTopic<DataFiles>(QStringLiteral("DataFiles"), 1);
    w->UpDown1->setValue(3);
    w->Trigger_Click(0);
    for (int k = 0; k < 10 && w->Timer2->isActive(); ++k)
        w->Timer2_Timer();
    EXPECT_FALSE(w->Timer2->isActive());
    EXPECT_EQ(w->searchPosition, 3);
    EXPECT_TRUE(texts(w).contains(QStringLiteral("Record 3 found.")));
}

TEST(DataWindows, ClickItemsCoverTheirUnits)
{
    auto* w = test::openTopic<DataHandling>(QStringLiteral("DataHandling"), 0);
    ASSERT_NE(w, nullptr);
    for (int e = 0; e <= 5; ++e) {
        w = test::openTopic<DataHandling>(QStringLiteral("DataHandling"), e);
        const ClickItems items = w->currentItems();
        ASSERT_FALSE(items.empty()) << e;
        for (const ClickItem& it : items) {
            EXPECT_FALSE(it.paragraph1.isEmpty() || it.paragraph2.isEmpty()) << it.caption.toStdString();
            // The middle of each unit shows that unit (no earlier item covers it).
            w->Picture1_MouseDown(it.x + it.w / 2, (it.y + it.h / 2) * 1.28);
            auto* sub = formAs<SubTextWindow>(QStringLiteral("SubText"));
            ASSERT_NE(sub, nullptr);
            EXPECT_TRUE(sub->SubTextLabel->caption().startsWith(it.caption.toUpper() + QStringLiteral("  ")))
                << it.caption.toStdString();
        }
    }
}

TEST(DataWindows, OrderFormKeysAndDates)
{
    const struct {
        int field;
        const char* keys;
        bool allowed;
    } keys[] = {
        {0, "M Jones", true}, {0, "7", false}, {0, ".", false},
        {1, "25 Sycamore Drive", true}, {1, ",", false},
        {2, "0123 456789", true}, {2, "a", false},
        {3, "COMP-2469", true}, {3, "c", false}, {3, " ", false},
        {4, "12/06/2030", true}, {4, "-", false}, {4, " ", false},
    };
    for (const auto& k : keys)
        for (QChar c : QString::fromUtf8(k.keys))
            EXPECT_EQ(data::orderKeyAllowed(k.field, c), k.allowed) << k.field << " " << c.toLatin1();
    EXPECT_TRUE(data::orderKeyAllowed(0, QChar(8)));

    const QDate today(2026, 12, 6);
    const struct {
        const char* text;
        data::DateCheck check;
    } dates[] = {
        {"06/12/2026", data::DateCheck::TooSoon},  {"07/12/2026", data::DateCheck::TooSoon},
        {"08/12/2026", data::DateCheck::TooSoon},  {"09/12/2026", data::DateCheck::Accepted},
        {"12/25/2026", data::DateCheck::Accepted},  // mm/dd/yyyy when dd/mm/yyyy is no date
        {"31/02/2027", data::DateCheck::NotADate}, {"", data::DateCheck::NotADate},
        {"1/1/2001", data::DateCheck::TooSoon},
    };
    for (const auto& d : dates)
        EXPECT_EQ(data::checkDeliveryDate(QString::fromLatin1(d.text), today), d.check) << d.text;

    // Through the window: a refused key leaves the text as it was and shows the message.
    auto* w = test::openTopic<DataHandling>(QStringLiteral("DataHandling"), 4);
    ASSERT_NE(w, nullptr);
    w->fixedToday = today;
    DataEntryBox* name = w->DataEntryBoxes[0];
    for (QChar c : QStringLiteral("Jo7e")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(name, &press);
    }
    EXPECT_EQ(name->text(), QStringLiteral("Joe"));
    EXPECT_TRUE(texts(w).contains(QStringLiteral("Last operator key press   '7'")));
    w->DataEntryBoxes[4]->setText(QStringLiteral("08/12/2026"));
    w->DataEntryBox_LostFocus(4);
    EXPECT_EQ(w->Label1->text(), data::dateMessage(data::DateCheck::TooSoon));
}

}  // namespace
}  // namespace orr
