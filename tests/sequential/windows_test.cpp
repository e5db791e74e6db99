// The four clocked-logic windows driven as a learner drives them: each row
// opens a freshly loaded window at an example, presses a sequence of buttons
// and checks what the picture printed. Clock pulses are stepped through their
// two timers by hand (the test clock); one test runs them on the event loop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <cmath>

#include "suite_fixture.h"
#include "topics/sequential/counters.h"
#include "topics/sequential/counting.h"
#include "topics/sequential/flip_flop.h"
#include "topics/sequential/shift_register.h"

using namespace orr;
using namespace orr::seq;

namespace {

int occurrences(const PictureBox* pic, const QString& text)
{
    int n = 0;
    for (const PrintedText& t : pic->printedTexts())
        n += t.text == text ? 1 : 0;
    return n;
}

// Whether the picture printed the pieces of a truth-table row one after the
// other (DrawTruthRow prints each piece on its own).
bool printedRow(const PictureBox* pic, const QString& row)
{
    const QStringList pieces = row.split(QLatin1Char('-'));
    const auto& texts = pic->printedTexts();
    for (size_t i = 0; i + pieces.size() <= texts.size(); ++i) {
        bool all = true;
        for (int k = 0; k < pieces.size() && all; ++k)
            all = texts[i + size_t(k)].text == pieces[k];
        if (all)
            return true;
    }
    return false;
}

// Loads the window afresh (state resets on load) at example e.
template <class W> W* fresh(const char* name, int e)
{
    FormRegistry::instance().unload(QString::fromLatin1(name));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return test::openTopic<W>(QString::fromLatin1(name), e);
}

// One whole clock pulse, stepped through the two timers.
void stepPulse(SequentialForm* w)
{
    ASSERT_TRUE(w->pulse()->Timer1->isActive());
    w->pulse()->Timer1_Timer();
    ASSERT_TRUE(w->pulse()->high());
    ASSERT_TRUE(w->pulse()->Timer2->isActive());
    w->pulse()->Timer2_Timer();
    ASSERT_FALSE(w->pulse()->inFlight());
}

// Presses: a digit presses that Trigger; "p" presses the clock trigger given
// and runs the pulse to its end.
void press(SequentialForm* w, const char* keys, int clockIndex)
{
    for (const char* k = keys; *k; ++k) {
        if (*k == 'p') {
            w->Trigger[size_t(clockIndex)]->click();
            stepPulse(w);
        } else {
            w->Trigger[size_t(*k - '0')]->click();
        }
    }
}

struct Row {
    int example;
    const char* keys;
    std::vector<std::pair<const char*, int>> texts;  // text and how often it is printed
    const char* row = nullptr;                       // the Table of States row shown
};

TEST(SequentialWindows, FlipFlop)
{
    const int clockOf[7] = {0, 0, 2, 1, 0, 2, 2};
    const Row rows[] = {
        {0, "", {{"No change", 1}, {"Opposite to Q output", 1}}, "0-0-no-change"},
        {0, "0", {{"No change", 0}}, "1-0-1-0"},
        {0, "01", {{"Forced logic 1", 2}}, "1-1-1-1"},
        {0, "1", {}, "0-1-0-1"},
        {1, "01", {{"Forced logic 0", 2}}, "1-1-0-0"},
        {1, "", {{"Opposite to Q", 1}}},
        {2, "0", {{"No change both AND gates inhibited.", 1}, {"Clk-R-S symbol.", 1}}},
        {2, "01", {{"No change both AND gates inhibited.", 1}, {"?", 0}}},
        {2, "012", {{"No change both AND gates inhibited.", 0}, {"?", 2}}},
        {3, "01", {{"Clock 1: Q follows the D input.", 1}, {"D Type symbol.", 1}}},
        {4, "p", {{"Toggle Clock Pulse.", 1}, {"Output Toggles.", 1}, {"T Type symbol.", 1}}},
        {5, "0p", {{"Master isolated", 1}, {"(0,0 and 1,1 are disallowed states.)", 1}, {"Inverted clock pulse.", 1}}},
        {6, "01p", {{"J = 1 : K = 1 Output Toggles.", 1}, {"J - K input conditions.", 1}}},
    };
    for (const Row& r : rows) {
        auto* w = fresh<FlipFlop>("FlipFlop", r.example);
        ASSERT_NE(w, nullptr);
        press(w, r.keys, clockOf[r.example]);
        for (const auto& [text, n] : r.texts)
            EXPECT_EQ(occurrences(w->Picture1, QString::fromUtf8(text)), n)
                << "example " << r.example << " keys " << r.keys << ": " << text;
        if (r.row)
            EXPECT_TRUE(printedRow(w->Picture1, QString::fromLatin1(r.row))) << r.row;
    }
    // The edge-triggered outputs after a number of pulses.
    auto* w = fresh<FlipFlop>("FlipFlop", 4);
    press(w, "ppp", 0);
    EXPECT_TRUE(w->tQ);
    w = fresh<FlipFlop>("FlipFlop", 6);
    press(w, "0p", 2);  // J = 1 sets
    EXPECT_TRUE(w->jk.slave.q);
    press(w, "1pp", 2);  // J = K = 1 toggles twice
    EXPECT_TRUE(w->jk.slave.q);
    press(w, "0p", 2);  // K alone resets
    EXPECT_FALSE(w->jk.slave.q);
}

TEST(SequentialWindows, Counters)
{
    struct CountRow {
        int example;
        const char* keys;
        int count;
        const char* text;
    };
    const CountRow rows[] = {
        {0, "ppp", 3, "Count = 3"},
        {0, "pppppppppppppppp", 0, "Count = 0"},
        {1, "1p", 255, "Counting Down"},
        {1, "pp2", 0, "Counter Reset"},
        {1, "", 0, "Counting Up"},
        {2, "ppppppp", 7, "Count Out."},
        {2, "pppppppp", 0, "Count = 0"},
        {2, "pp1", 2, "Master Reset."},
        {2, "pp1p", 0, "Count = 0"},
        {3, "pppppppppppppppp", 0, "Count = 0"},
        {4, "p", 15, "Clock pulses = 1"},
    };
    for (const CountRow& r : rows) {
        auto* w = fresh<Counters>("Counters", r.example);
        press(w, r.keys, 0);
        EXPECT_EQ(w->count, r.count) << r.example << " " << r.keys;
        EXPECT_GE(occurrences(w->Picture1, QString::fromLatin1(r.text)), 1) << r.example << " " << r.keys;
    }
    // Count Out at (461, 125) shows 1 at 7.
    auto* w = fresh<Counters>("Counters", 2);
    press(w, "ppppppp", 0);
    EXPECT_TRUE(w->masterReset);
}

TEST(SequentialWindows, ShiftRegister)
{
    auto* w = fresh<ShiftRegister>("ShiftRegister", 0);
    EXPECT_EQ(w->InputLabel[0]->caption(), QStringLiteral("11101011"));
    w->serialWord = 10110001;
    press(w, "p", 0);
    EXPECT_EQ(w->shiftPosition, 1);
    EXPECT_EQ(occurrences(w->Picture1, QStringLiteral("Clock Pulse. 1")), 1);
    for (int i = 0; i < 15; ++i)
        press(w, "p", 0);
    EXPECT_EQ(w->shiftPosition, kLastShift);
    // Opening another example starts the count again; the word is kept.
    w = test::openTopic<ShiftRegister>(QStringLiteral("ShiftRegister"), 2);
    EXPECT_EQ(w->shiftPosition, 0);
    EXPECT_EQ(w->InputLabel[0]->caption(), QStringLiteral("00001101"));
}

TEST(SequentialWindows, Counting)
{
    auto* w = fresh<Counting>("Counting", 0);
    press(w, "0", 0);
    EXPECT_TRUE(w->bistable.q);
    EXPECT_EQ(occurrences(w->Picture1, QStringLiteral("Lamp lit.")), 1);
    w = fresh<Counting>("Counting", 1);
    press(w, "0212121212", 0);
    EXPECT_EQ(w->rsStrip.size(), size_t(Counting::kStripColumns));
    struct DivRow {
        int example;
        int pulses;
        const char* text;
    };
    const DivRow rows[] = {{3, 3, "Output pulses = 1"}, {4, 5, "Output pulses = 1"}, {4, 3, "Output pulses = 0"},
                           {5, 5, "Count = 5"},         {5, 16, "Count = 0"}};
    for (const DivRow& r : rows) {
        w = fresh<Counting>("Counting", r.example);
        for (int i = 0; i < r.pulses; ++i)
            press(w, "p", 0);
        EXPECT_EQ(occurrences(w->Picture1, QString::fromLatin1(r.text)), 1) << r.example << " " << r.pulses;
    }
}

TEST(SequentialWindows, PulseIsOneAtATimeAndDropsCleanly)
{
    auto* w = fresh<Counters>("Counters", 0);
    // Presses during a pulse are ignored: one pulse, one count.
    w->Trigger[0]->click();
    w->Trigger[0]->click();
    w->pulse()->Timer1_Timer();
    w->Trigger[0]->click();
    w->pulse()->Timer2_Timer();
    EXPECT_EQ(w->count, 1);
    EXPECT_FALSE(w->pulse()->inFlight());
    // Deactivation mid-pulse drops it whole; the clock button starts a new one.
    w->Trigger[0]->click();
    w->pulse()->Timer1_Timer();
    w->formDeactivate();
    EXPECT_FALSE(w->pulse()->Timer2->isActive());
    EXPECT_EQ(w->count, 1);
    w->Trigger[0]->click();
    EXPECT_TRUE(w->pulse()->Timer1->isActive());
    // Switching example mid-pulse drops it too.
    w = test::openTopic<Counters>(QStringLiteral("Counters"), 3);
    EXPECT_FALSE(w->pulse()->inFlight());
    // Closing mid-pulse leaves no timer behind.
    w->Trigger[0]->click();
    QPointer<QTimer> t1 = w->pulse()->Timer1;
    FormRegistry::instance().unload(w);
    EXPECT_FALSE(t1 && t1->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(t1.isNull());
}

TEST(SequentialWindows, PulseRunsOnTheEventLoop)
{
    auto* w = fresh<Counting>("Counting", 5);
    QCoreApplication::processEvents();  // let the window settle as the active one
    w->Trigger[0]->click();
    QElapsedTimer guard;
    guard.start();
    while (w->pulse()->inFlight() && guard.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(w->pulses, 1);
}

}  // namespace

namespace {

TEST(SequentialWindows, EveryExampleHasTheory)
{
    const std::pair<const char*, int> windows[] = {
        {"FlipFlop", 7}, {"Counters", 5}, {"ShiftRegister", 3}, {"Counting", 6}};
    for (const auto& [name, examples] : windows)
        for (int e = 0; e < examples; ++e) {
            Form* f = test::openTopic(QString::fromLatin1(name), e);
            ASSERT_NE(f, nullptr);
            callByName(f, QStringLiteral("TheoryButton"));
            EXPECT_FALSE(suite().theory[0].isEmpty()) << name << " " << e;
            EXPECT_FALSE(suite().theory[1].isEmpty()) << name << " " << e;
        }
    test::openTopic(QStringLiteral("ShiftRegister"), 2);
    callByName(suite().currentWindow, QStringLiteral("TheoryButton"));
    EXPECT_TRUE(suite().theory[0].startsWith(QStringLiteral("Data is loaded as a 4-bit parallel word.")));
}

}  // namespace

namespace {

// The text printed at design position (x, y) of a window drawn with offset 50
// and scale 1.28, or "" when none is there.
QString textAtDesign(const PictureBox* pic, int x, int y)
{
    QString found;
    for (const PrintedText& t : pic->printedTexts())
        if (std::abs(t.x - (x + 50)) < 0.6 && std::abs(t.y - y * 1.28) < 0.6)
            found = t.text;
    return found;
}

TEST(SequentialWindows, ParallelInputsShowTheWordOnce)
{
    auto* w = fresh<ShiftRegister>("ShiftRegister", 2);
    const auto inputs = [w] {
        QString s;
        for (int k = 0; k < 4; ++k)
            s += textAtDesign(w->Picture1, 70 + 140 * k - 66, 72);
        return s;
    };
    EXPECT_EQ(inputs(), QStringLiteral("1011"));  // waiting to be loaded
    press(w, "p", 0);
    EXPECT_EQ(inputs(), QStringLiteral("0000"));
    w->parallelWord = 110;
    w->results();
    EXPECT_EQ(inputs(), QStringLiteral("0110"));  // the new word, once
    w->results();
    EXPECT_EQ(inputs(), QStringLiteral("0000"));
}

TEST(SequentialWindows, MasterFollowsOnlyWhileTheClockIsHigh)
{
    auto* w = fresh<FlipFlop>("FlipFlop", 5);
    w->Trigger[0]->click();  // S = 1
    w->Trigger[2]->click();
    w->pulse()->Timer1_Timer();
    // High: the picture shows the master set, but nothing is stored yet.
    EXPECT_EQ(textAtDesign(w->Picture1, 225 + 90, 68), QStringLiteral("1"));
    EXPECT_FALSE(w->masterSlave.slave.q);
    // Dropped mid-pulse: the stored state is untouched and the clock is low again.
    w->formDeactivate();
    EXPECT_FALSE(w->masterSlave.master.q);
    EXPECT_EQ(textAtDesign(w->Picture1, 225 + 90, 68), QStringLiteral("0"));
}

}  // namespace
