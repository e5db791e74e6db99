// The sequential models as tables: (state, inputs) to the next state, one
// table per rule, with the expectations written out from the circuits'
// behaviour rather than from the code.
#include <gtest/gtest.h>

#include "topics/sequential/counter_model.h"
#include "topics/sequential/flip_flop_model.h"
#include "topics/sequential/shift_model.h"

using namespace orr::seq;

namespace {

const RsState kSet{true, false, false};
const RsState kReset{false, true, false};

TEST(SequentialModel, RsLatches)
{
    struct Row {
        LatchKind kind;
        RsState before;
        bool s, r;
        RsState after;
        const char* row;
    };
    const Row rows[] = {
        {LatchKind::Nand, kSet, false, false, kSet, "0-0-no-change"},
        {LatchKind::Nand, kReset, false, false, kReset, "0-0-no-change"},
        {LatchKind::Nand, kReset, true, false, kSet, "1-0-1-0"},
        {LatchKind::Nand, kSet, false, true, kReset, "0-1-0-1"},
        {LatchKind::Nand, kReset, true, true, {true, true, false}, "1-1-1-1"},
        {LatchKind::Nor, kSet, false, false, kSet, "0-0-no-change"},
        {LatchKind::Nor, kReset, true, false, kSet, "1-0-1-0"},
        {LatchKind::Nor, kSet, false, true, kReset, "0-1-0-1"},
        {LatchKind::Nor, kSet, true, true, {false, false, false}, "1-1-0-0"},
    };
    for (const Row& t : rows) {
        EXPECT_EQ(rsLatch(t.kind, t.before, t.s, t.r), t.after) << t.row;
        EXPECT_EQ(latchRow(t.kind, t.s, t.r), QString::fromLatin1(t.row));
    }
}

TEST(SequentialModel, LevelTriggeredFlipFlops)
{
    struct Row {
        RsState before;
        bool clock, s, r;
        bool q, undefined;
    };
    const Row rs[] = {
        {kReset, false, true, false, false, false},  // inhibited: set ignored
        {kSet, false, false, true, true, false},     // inhibited: reset ignored
        {kSet, false, true, true, true, false},
        {kReset, true, true, false, true, false},
        {kSet, true, false, true, false, false},
        {kSet, true, false, false, true, false},
        {kReset, true, true, true, false, true},
    };
    for (const Row& t : rs) {
        const RsState after = clockedRs(t.before, t.clock, t.s, t.r);
        EXPECT_EQ(after.undefined, t.undefined);
        if (!t.undefined) {
            EXPECT_EQ(after.q, t.q);
            EXPECT_EQ(after.notQ, !t.q);
        }
    }
    // D latch: (q, clock, d) -> q
    const bool d[][4] = {{false, false, true, false}, {true, false, false, true},
                         {false, true, true, true},   {true, true, false, false}};
    for (const auto& t : d)
        EXPECT_EQ(dLatch(t[0], t[1], t[2]), t[3]);
}

TEST(SequentialModel, EdgeTriggeredFlipFlops)
{
    EXPECT_TRUE(tEdge(false, true));
    EXPECT_FALSE(tEdge(true, true));
    EXPECT_TRUE(tEdge(true, false));

    // Master-slave RS: the master follows while the clock is high; the slave
    // only changes when the pulse ends.
    const MasterSlave reset{kReset, kReset};
    EXPECT_EQ(masterFollows(reset.master, true, false), kSet);
    EXPECT_EQ(masterSlavePulse(reset, true, false), (MasterSlave{kSet, kSet}));
    EXPECT_EQ(masterSlavePulse(MasterSlave{kSet, kSet}, false, true), reset);
    EXPECT_EQ(masterSlavePulse(reset, false, false), reset);

    // JK: (Q, J, K) -> Q after one pulse.
    const bool jk[][4] = {{false, false, false, false}, {true, false, false, true},  {false, true, false, true},
                          {true, true, false, true},    {true, false, true, false},  {false, false, true, false},
                          {false, true, true, true},    {true, true, true, false}};
    for (const auto& t : jk) {
        const MasterSlave ff{t[0] ? kSet : kReset, t[0] ? kSet : kReset};
        const MasterSlave after = jkPulse(ff, t[1], t[2]);
        EXPECT_EQ(after.slave.q, t[3]) << t[0] << t[1] << t[2];
        EXPECT_EQ(after.master, after.slave);
        // While the clock is high only the master has moved.
        EXPECT_EQ(jkMasterFollows(ff, t[1], t[2]).q, t[3]);
    }
}

TEST(SequentialModel, Counters)
{
    struct Row {
        int (*rule)(int);
        int from, to;
    };
    const Row rows[] = {{countUp4, 0, 1}, {countUp4, 14, 15}, {countUp4, 15, 0}, {countUp4, 200, 0},
                        {countDown4, 1, 0}, {countDown4, 0, 15}, {countDown4, 9, 8}};
    for (const Row& t : rows)
        EXPECT_EQ(t.rule(t.from), t.to) << t.from;
    EXPECT_EQ(countUpDown8(255, true), 0);
    EXPECT_EQ(countUpDown8(0, false), 255);
    EXPECT_EQ(countUpDown8(7, true), 8);
    EXPECT_EQ(countUpDown8(7, false), 6);
    for (int k = 0; k < 8; ++k)
        EXPECT_TRUE(stage(255, k));
}

TEST(SequentialModel, DivideBySeven)
{
    // Eight pulses from 0: 1..7, then the pending reset clears the count.
    DivideBy7 s;
    const int expected[] = {1, 2, 3, 4, 5, 6, 7, 0, 1};
    for (int want : expected) {
        s = divideBy7Pulse(s);
        EXPECT_EQ(s.count, want);
        EXPECT_EQ(s.resetPending, want == 7);
        EXPECT_EQ(divideBy7Out(s.count), want == 7);
    }
    // A reset pressed by hand: the next pulse clears and does not count.
    EXPECT_EQ(divideBy7Pulse(DivideBy7{3, true}), (DivideBy7{0, false}));
    EXPECT_EQ(divideBy7Pulse(DivideBy7{12, false}).count, 0);
    EXPECT_TRUE(divideBy7Gate(6));
    EXPECT_FALSE(divideBy7Gate(5));
}

// Boxes as "1000" texts, box 1 first.
QString boxes(const Stages& s)
{
    QString t;
    for (bool b : s)
        t += b ? QLatin1Char('1') : QLatin1Char('0');
    return t;
}

TEST(SequentialModel, SerialShift)
{
    const QString w = QStringLiteral("10110001");
    struct Row {
        int n;
        const char* right;
        const char* left;
    };
    // Right: box p = d(8 - n + p); left: box p = d(13 - n - p).
    const Row rows[] = {{0, "0000", "0000"},  {1, "1000", "0001"},  {2, "0100", "0010"},  {3, "0010", "0100"},
                        {4, "0001", "1000"},  {5, "1000", "0001"},  {8, "1011", "1101"},  {12, "0000", "0000"},
                        {13, "0000", "0000"}};
    for (const Row& t : rows) {
        EXPECT_EQ(boxes(rightShift(w, t.n)), QLatin1String(t.right)) << t.n;
        EXPECT_EQ(boxes(leftShift(w, t.n)), QLatin1String(t.left)) << t.n;
    }
    EXPECT_EQ(shiftWindow(w, 13), QStringLiteral("0000"));
}

TEST(SequentialModel, WordsAndParallelLoad)
{
    EXPECT_EQ(wordDigits(11101011), QStringLiteral("11101011"));
    EXPECT_EQ(wordDigits(101), QStringLiteral("00000101"));
    EXPECT_EQ(wordDigits(1201), QStringLiteral("00001101"));  // a pasted 2 counts as 1
    const Stages w = parallelBits(1101);
    EXPECT_EQ(boxes(w), QStringLiteral("1011"));
    const char* expected[] = {"0000", "1011", "0101", "0010", "0001", "0000"};
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(boxes(parallelShift(w, n)), QLatin1String(expected[n])) << n;
}

}  // namespace
