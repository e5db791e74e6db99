// Val: the leading number of a text.
#include <gtest/gtest.h>

#include "values/value_entry.h"

using orr::Val;

TEST(Val, LeadingNumber)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},       {"12", 12},          {"4.7", 4.7},        {"-12", -12},      {"+3", 3},
        {" 1 2 ", 12}, {"12abc", 12},       {"abc", 0},          {".5", 0.5},       {"1.2.3", 1.2},
        {"1E3", 1000}, {"1e-3", 0.001},     {"1E", 1},           {"1E+", 1},        {"2D2", 200},
        {"&HFF", 255}, {"&O17", 15},        {"-", 0},            {"1E-08", 1e-08},  {"0.01", 0.01},
        {"1e999", 0},  {"\u00B5F", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(Str, MatchesWhatTheBoxShows)
{
    EXPECT_EQ(orr::Str(4700.000000000001), "4700");
    EXPECT_EQ(orr::Str(-12), "-12");
    EXPECT_EQ(orr::Str(0.000005), "5E-06");
}
