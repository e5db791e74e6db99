// The circuit models as truth tables: adders, decoder, encoder, multiplexer,
// mask, parity, logic unit, accumulator add and the memory cell.
#include <gtest/gtest.h>

#include "topics/logic/alu_model.h"
#include "topics/logic/combinational_model.h"
#include "topics/logic/memory_cell_model.h"

using namespace orr::logic;

TEST(CircuitModels, AddersFollowTheAdditionRules)
{
    for (int n = 0; n < 8; ++n) {
        const bool a = n & 4, b = n & 2, c = n & 1;
        const int count = a + b + c;
        const FullAdderOut f = fullAdder(a, b, c);
        EXPECT_EQ(f.sum, count % 2 == 1) << n;
        EXPECT_EQ(f.carryOut, count >= 2) << n;
        EXPECT_EQ(f.sum1, a != b) << n;
        if (!c) {
            EXPECT_EQ(halfAdder(a, b).sum, f.sum) << n;
            EXPECT_EQ(halfAdder(a, b).carry, f.carryOut) << n;
        }
    }
}

TEST(CircuitModels, RippleAdderMatchesIntegerAddition)
{
    const auto bits = [](int v, int n) {
        QString s;
        for (int i = n - 1; i >= 0; --i)
            s += (v >> i) & 1 ? u'1' : u'0';
        return s;
    };
    for (int a = 0; a < 16; ++a)
        for (int b = 0; b < 16; ++b) {
            const RippleAdd r = rippleAdd4(bits(a, 4), bits(b, 4));
            EXPECT_EQ(r.result(), a + b > 15 ? bits(a + b, 5) : bits(a + b, 4)) << a << "+" << b;
            EXPECT_EQ(r.carryOut, a + b > 15);
            // Each column's carry in is the carry out of the column to its right.
            for (int col = 0; col < 4; ++col) {
                const int low = (a & ((1 << (3 - col)) - 1)) + (b & ((1 << (3 - col)) - 1));
                EXPECT_EQ(r.carryIn[col] == u'1', low >= (1 << (3 - col))) << a << "+" << b << " col " << col;
            }
        }
    const RippleAdd r = rippleAdd4(QStringLiteral("1101"), QStringLiteral("1100"));
    EXPECT_EQ(r.result(), QStringLiteral("11001"));
    EXPECT_EQ(r.carryRow(), QStringLiteral("11000"));
}

TEST(CircuitModels, StoredBinaryNumbers)
{
    struct Row { double stored; int n; const char* bits; double digitsOnly; };
    const Row rows[] = {
        {1101, 4, "1101", 1101},          {10011011, 8, "10011011", 10011011},
        {101, 8, "00000101", 101},        {1020, 4, "1010", 1010},
        {12345678, 8, "11111111", 11111111}, {-11, 4, "0011", 11},
        {0, 4, "0000", 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(lastBits(binaryDigitsOnly(r.stored), r.n), QLatin1String(r.bits)) << r.stored;
        EXPECT_EQ(binaryDigitsOnly(r.stored), r.digitsOnly) << r.stored;
    }
}

TEST(CircuitModels, DecoderEncoderMultiplexerMaskParity)
{
    for (int addr = 0; addr < 4; ++addr) {
        const bool a0 = addr & 1, a1 = addr & 2;
        EXPECT_EQ(decoderLine(a0, a1), addr);
        const auto lines = decoderOutputs(a0, a1);
        for (int l = 0; l < 4; ++l)
            EXPECT_EQ(lines[l], l == addr);
        // D3..D0 = 0001 << addr selects the only 1.
        QString d(4, u'0');
        d[3 - addr] = u'1';
        for (int other = 0; other < 4; ++other)
            EXPECT_EQ(multiplex(d, other & 1, other & 2), other == addr) << d.toStdString() << other;
    }
    const char* bcd[] = {"0000", "0001", "0010", "0011", "0100", "0101", "0110", "0111", "1000", "1001"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(bcdOf(i), QLatin1String(bcd[i]));
    EXPECT_EQ(bcdOf(12), QStringLiteral("1001"));
    EXPECT_EQ(maskBits(QStringLiteral("10011011"), QStringLiteral("11001111")), QStringLiteral("10001011"));
    struct P { const char* d; bool even; };
    for (const P& p : {P{"1011", true}, P{"0000", false}, P{"1111", false}, P{"0100", true}, P{"0110", false}}) {
        EXPECT_EQ(evenParity(QLatin1String(p.d)), p.even) << p.d;
        EXPECT_EQ(oddParity(QLatin1String(p.d)), !p.even) << p.d;
    }
}

TEST(CircuitModels, LogicUnitAndAccumulator)
{
    struct Row { const char* code; const char* out; };
    for (const Row& r : {Row{"00", "0010"}, Row{"01", "1011"}, Row{"10", "1001"}, Row{"11", "0101"}})
        EXPECT_EQ(logicUnit(QLatin1String(r.code), QStringLiteral("1010"), QStringLiteral("0011")),
                  QLatin1String(r.out)) << r.code;
    struct Word { double entered; const char* word; };
    for (const Word& w : {Word{101, "0101"}, Word{1, "0001"}, Word{10110011, "0011"}, Word{1234, "1111"},
                          Word{0, "0000"}, Word{1e20, "0000"}})
        EXPECT_EQ(fourBitWord(w.entered), QLatin1String(w.word)) << w.entered;

    const AccumulatorAdd over = accumulatorAdd(200, 100);
    EXPECT_EQ(over.sum, 300);
    EXPECT_TRUE(over.carry);
    EXPECT_EQ(over.stored, 44);
    EXPECT_EQ(eightBits(over.stored), QStringLiteral("00101100"));
    const AccumulatorAdd plain = accumulatorAdd(16, 24);
    EXPECT_EQ(plain.stored, 40);
    EXPECT_FALSE(plain.carry);
}

TEST(CircuitModels, MemoryCellWritesAndReadsOnlyWhenSelected)
{
    MemoryCell cell;  // stores 0, selected, bitline 1, write
    EXPECT_TRUE(cell.status().isEmpty());
    cell.operate();
    EXPECT_TRUE(cell.stored);
    EXPECT_EQ(cell.status(), QStringLiteral("Written to  Logic 1 cell via Bitline"));
    cell.selected = false;
    cell.bitline = false;
    cell.operate();
    EXPECT_TRUE(cell.stored);
    EXPECT_TRUE(cell.status().startsWith(QStringLiteral("(Cell disabled). Not ")));
    cell.selected = true;
    cell.writing = false;
    cell.operate();
    EXPECT_TRUE(cell.bitline);
    EXPECT_EQ(cell.status(), QStringLiteral("Read from Logic 1 cell via Bitline"));
    EXPECT_EQ(senseAmplifierNotes(true, false).first(), QStringLiteral("Input Data Low"));
    EXPECT_EQ(senseAmplifierNotes(false, true).first(), QStringLiteral("Bitline High"));
}
