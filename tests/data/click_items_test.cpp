// Click items: the hit rule at its edges and the sub-text shown for a hit.
#include <gtest/gtest.h>

#include "platform/form.h"
#include "shell/companion_windows.h"
#include "suite_fixture.h"
#include "topics/framework/click_items.h"

namespace orr {
namespace {

TEST(ClickItems, HitRule)
{
    const ClickItem item{QStringLiteral("RUN"), {}, {}, 300, 161, 25, 11};
    const struct {
        double x, y;
        int offset;
        bool hit;
    } cases[] = {
        {300, 161 * 1.28, 0, true},          // top left corner is inside
        {324.9, 171.9 * 1.28, 0, true},
        {325, 165 * 1.28, 0, false},         // right edge is outside
        {325, 165 * 1.28, 10, true},         // ... unless the text offset widens it
        {299.9, 165 * 1.28, 0, false},
        {310, 161 * 1.28 - 0.1, 0, false},
        {310, 172 * 1.28, 0, false},         // bottom edge is outside
        {310, 165, 0, false},                // y is compared scaled
    };
    for (const auto& c : cases)
        EXPECT_EQ(clickItemHit(item, c.x, c.y, c.offset, 1.28), c.hit) << c.x << ", " << c.y;
}

TEST(ClickItems, PressShowsTheFirstHitInTheSubTextWindow)
{
    test::mainWindow();
    const ClickItems items = {
        {QStringLiteral("In tray"), QStringLiteral("One."), QStringLiteral("Two."), 10, 10, 50, 20},
        {QStringLiteral("Second"), QStringLiteral("A."), QStringLiteral("B."), 10, 10, 50, 20},
    };
    suite().drawingScale = 1.0f;
    suite().textOffset = 0;
    EXPECT_EQ(pressClickItems(items, 20, 20, QStringLiteral("DATA HANDLING:   x")), 0);
    EXPECT_FLOAT_EQ(suite().drawingScale, 1.28f);
    auto* w = formAs<SubTextWindow>(QStringLiteral("SubText"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isShown());
    EXPECT_EQ(w->caption(), QStringLiteral("DATA HANDLING:   x"));
    EXPECT_EQ(w->SubTextLabel->caption(), QStringLiteral("IN TRAY  One.\n\nTwo."));
    // A miss hides the window and shows nothing.
    EXPECT_EQ(pressClickItems(items, 200, 200, QStringLiteral("c")), -1);
    EXPECT_FALSE(w->isShown());
}

}  // namespace
}  // namespace orr
