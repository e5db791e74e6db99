// Draw strings: every command, the prefixes, scaling and the end state.
#include <QPalette>
#include <QGuiApplication>

#include "draw/primitives.h"
#include "draw_fixture.h"

namespace orr::test {
namespace {

struct Segment {
    double x1, y1, x2, y2;
};

struct DrawCase {
    const char* commands;
    double scale;
    std::vector<Segment> lines;
    double finalY;  // logical
};

class DrawStringTest : public DrawTest {};

TEST_F(DrawStringTest, CommandsDrawTheExpectedLines)
{
    const std::vector<DrawCase> cases = {
        {"u10 r5", 1, {{100, 100, 100, 90}, {100, 90, 105, 90}}, 90},
        {"U10 R5", 1, {{100, 100, 100, 90}, {100, 90, 105, 90}}, 90},
        {"l3 d7", 1, {{100, 100, 97, 100}, {97, 100, 97, 107}}, 107},
        // b holds until the blank: the move up is not drawn.
        {"bu10 r5", 1, {{100, 90, 105, 90}}, 90},
        // n holds until the blank: the pen stays at the start.
        {"nr10 d5", 1, {{100, 100, 110, 100}, {100, 100, 100, 105}}, 105},
        {"e5 f5 g5", 1, {{100, 100, 105, 95}, {105, 95, 110, 100}, {110, 100, 105, 105}}, 105},
        // h is one unit short.
        {"h5", 1, {{100, 100, 96, 96}}, 96},
        {"s2 r10", 1, {{100, 100, 120, 100}}, 100},
        {"s0 r10 d4", 1, {}, 100},
        {"d10 r10", 1.28, {{100, 128, 100, 140.8}, {100, 140.8, 110, 140.8}}, 110},
        {"e5", 1.28, {{100, 128, 105, 121.6}}, 95},
        {"m+5,-18 m-1,2", 1, {{100, 100, 105, 82}, {105, 82, 104, 84}}, 84},
        {"s3 m2,1", 2, {{100, 200, 106, 206}}, 103},
        // A colour number directly followed by a command: the colour reads only its digits.
        {"c4r7", 1, {{100, 100, 107, 100}}, 100},
        // No comma at all: the number up to the blank moves right, nothing down.
        {"m5 d2", 1, {{100, 100, 105, 100}, {105, 100, 105, 102}}, 102},
        {"r x7 u.5", 1, {{100, 100, 100, 99.5}}, 99.5},
        {"   ", 1, {}, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commands);
        shapes.clear();
        suite().drawingScale = float(c.scale);
        draw(100, 100, QString::fromLatin1(c.commands));
        ASSERT_EQ(shapes.size(), c.lines.size());
        for (size_t i = 0; i < shapes.size(); ++i) {
            EXPECT_NEAR(shapes[i].x1, c.lines[i].x1, 1e-4);
            EXPECT_NEAR(shapes[i].y1, c.lines[i].y1, 1e-4);
            EXPECT_NEAR(shapes[i].x2, c.lines[i].x2, 1e-4);
            EXPECT_NEAR(shapes[i].y2, c.lines[i].y2, 1e-4);
        }
        EXPECT_NEAR(pic.currentY, c.finalY, 1e-3);
    }
}

TEST_F(DrawStringTest, TextOffsetMovesXOnly)
{
    suite().textOffset = 60;
    draw(10, 20, "r5");
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].x1, 70);
    EXPECT_EQ(shapes[0].y1, 20);
}

TEST_F(DrawStringTest, SettingsApplyWithinTheCallAndAreResetAfter)
{
    draw(30, 50, "w3 c12r640 ");
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].width, 3);
    EXPECT_EQ(shapes[0].colour, QColor(255, 0, 0));
    EXPECT_EQ(shapes[0].x2 - shapes[0].x1, 640);
    expectKnownState();

    shapes.clear();
    draw(0, 0, "y2 c7 r10");
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].style, 2);
    EXPECT_EQ(shapes[0].colour, QGuiApplication::palette().color(QPalette::Active, QPalette::Button));

    pic.drawWidth = 4;
    pic.drawStyle = 3;
    pic.foreColor = Qt::red;
    draw(0, 0, "  ");
    expectKnownState();
}

TEST_F(DrawStringTest, MalformedTextNeverFails)
{
    for (const char* junk : {"m", "m,", ",,m-,-", "c", "s", "w", "y99", "--..", "u-", "r1.2.3", "m+,+ d", "nbnbn",
                             "r99999999999999999999999", "s99999999999 r5", "w30000 r10 d10", "c-1 r3"})
        draw(5, 5, QString::fromLatin1(junk));
    draw(5, 5, QString());
    expectKnownState();

    // Random texts over the command alphabet.
    const QString alphabet = QStringLiteral("udlrefghmbncswyUDLR0123456789+-.,  x");
    uint32_t seed = 12345;
    for (int i = 0; i < 500; ++i) {
        QString text;
        for (int j = 0; j < 24; ++j) {
            seed = seed * 1103515245u + 12345u;
            text += alphabet[int((seed >> 16) % uint32_t(alphabet.size()))];
        }
        draw(300, 200, text);
    }
    expectKnownState();
}

}  // namespace
}  // namespace orr::test
