// The hardware rules as tables: disk timing and capacity, the odd-parity frame
// over every byte, the colour index and the mouse's quadrature decoder.
#include <gtest/gtest.h>

#include <bit>

#include "topics/hardware/hardware_model.h"

namespace orr::hardware {
namespace {

TEST(HardwareModel, DiskFormulas)
{
    const struct {
        DiskParams in;
        float delay, access, rate, capacity;
    } cases[] = {
        {{}, 0.0125f, 0.0625f, 163840.0f, 8192000.0f},
        {{10000, 1, 12, 100, 500, 1000000}, 0.003f, 1.003f, 1.6667e10f, 6e11f},
        {{7200, 0.009f, 4, 63, 1024, 512}, 0.0041667f, 0.0131667f, 3870720.0f, 132120576.0f},
        {{0, 0.05f, 10, 8, 200, 512}, 30.0f, 30.05f, 68.2667f, 8192000.0f},  // a stopped disk counts as 1 r.p.m.
    };
    for (const auto& c : cases) {
        const DiskResults r = diskResults(c.in);
        EXPECT_NEAR(r.rotationDelay, c.delay, c.delay * 1e-4) << c.in.rpm;
        EXPECT_NEAR(r.accessTime, c.access, c.access * 1e-4) << c.in.rpm;
        EXPECT_NEAR(r.transferRate, c.rate, c.rate * 1e-4) << c.in.rpm;
        EXPECT_NEAR(r.capacity, c.capacity, c.capacity * 1e-6) << c.in.rpm;
    }
}

TEST(HardwareModel, ParityAndFrameOverEveryByte)
{
    for (int code = 0; code < 256; ++code) {
        const std::string frame = rs232Frame(code);
        const std::string levels = rs232Levels(code);
        ASSERT_EQ(frame.size(), 14u);
        ASSERT_EQ(levels.size(), 11u);
        // Data and parity together always hold an odd number of 1s.
        EXPECT_EQ((std::popcount(unsigned(code)) + oddParityBit(code)) % 2, 1) << code;
        EXPECT_EQ(levels.front(), '0');
        EXPECT_EQ(levels.back(), '1');
        // The line carries the data least significant bit first.
        int back = 0;
        for (int b = 0; b < 8; ++b)
            back |= (levels[std::size_t(1 + b)] - '0') << b;
        EXPECT_EQ(back, code);
        std::string joined = frame;
        std::erase(joined, ' ');
        EXPECT_EQ(joined, levels);
        EXPECT_EQ(serialLevels(code), levels.substr(0, 9) + '1');
        EXPECT_EQ(encoderPosition(code).row * 16 + encoderPosition(code).column, code);
    }
    const struct {
        int code;
        const char* bits;
        const char* frame;
        int parity;
    } known[] = {
        {'A', "01000001", "0 10000010 1 1", 1},
        {'C', "01000011", "0 11000010 0 1", 0},
        {0, "00000000", "0 00000000 1 1", 1},
        {255, "11111111", "0 11111111 1 1", 1},
    };
    for (const auto& k : known) {
        EXPECT_EQ(dataBits(k.code), k.bits);
        EXPECT_EQ(rs232Frame(k.code), k.frame);
        EXPECT_EQ(oddParityBit(k.code), k.parity);
    }
}

TEST(HardwareModel, WaveformDrawString)
{
    const struct {
        const char* levels;
        const char* commands;
    } cases[] = {
        {"0", "r10"},
        {"01", "r10 u20 r10"},
        {"1001", "r10 d20 r10 r10 u20 r10"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(waveformDrawString(c.levels, 10, 20), c.commands) << c.levels;
}

TEST(HardwareModel, ColourIndexCyclesThroughTheSevenColours)
{
    const char* const names[] = {"Blue", "Green", "Cyan", "Red", "Magenta", "Yellow", "White"};
    int index = 1;
    for (int press = 0; press < 7; ++press) {
        EXPECT_EQ(colourName(index), names[press]);
        const auto ch = shadeChannels(index, 200);
        EXPECT_EQ(ch[0], index & 4 ? 200 : 0);
        EXPECT_EQ(ch[2], index & 1 ? 200 : 0);
        index = nextColourIndex(index);
    }
    EXPECT_EQ(index, 1);  // seven presses come back to the first colour
    EXPECT_EQ(nextColourIndex(0), 1);
}

TEST(HardwareModel, QuadratureDecoder)
{
    for (int phase = 0; phase < 8; ++phase) {
        EXPECT_EQ(decodeDirection(sensorLevels(phase), sensorLevels(phase + 1)), 1) << phase;
        EXPECT_EQ(decodeDirection(sensorLevels(phase), sensorLevels(phase - 1)), -1) << phase;
        EXPECT_EQ(decodeDirection(sensorLevels(phase), sensorLevels(phase)), 0) << phase;
    }
    // Exactly one sensor changes between neighbouring phases.
    for (int phase = 0; phase < 4; ++phase) {
        const auto a = sensorLevels(phase), b = sensorLevels(phase + 1);
        EXPECT_EQ((a[0] != b[0]) + (a[1] != b[1]), 1);
    }
    EXPECT_EQ(pitsToBits("LLPPPLLP"), "0100101");
}

}  // namespace
}  // namespace orr::hardware
