// Drawing primitives: colours, text placement and widths, formula lines,
// boxes and lines, circles and arrowheads, and the state each leaves behind.
#include <QGuiApplication>
#include <QPalette>
#include <cmath>

#include "draw/primitives.h"
#include "draw_fixture.h"

namespace orr::test {
namespace {

using Prims = DrawTest;

int rounded(double v) { return int(std::nearbyint(v)); }

TEST_F(Prims, ColourNumbers)
{
    // Palette entries, RGB values as 0x00BBGGRR, and 7: palette grey as a
    // colour value but the button face when drawing.
    EXPECT_EQ(paletteColour(4), QColor(128, 0, 0));
    EXPECT_EQ(paletteColour(12), QColor(255, 0, 0));
    EXPECT_EQ(paletteColour(0x0080FF), QColor(255, 128, 0));
    EXPECT_EQ(paletteColour(7), QColor(192, 192, 192));
    setDrawingColour(16);
    EXPECT_EQ(pic.foreColor, QColor(16, 0, 0));
    setDrawingColour(7);
    EXPECT_EQ(pic.foreColor, QGuiApplication::palette().color(QPalette::Active, QPalette::Button));
}

TEST_F(Prims, PrintAtPlacesWithOffsetAndReturnsWidth)
{
    suite().textOffset = 60;
    int bold = 1;
    printAt(0, 20, "  Data bus  ", 4, 8, bold);
    ASSERT_EQ(pic.printedTexts().size(), 1u);
    EXPECT_EQ(pic.printedTexts()[0].text, "Data bus");
    EXPECT_EQ(pic.printedTexts()[0].x, 60);
    EXPECT_EQ(pic.printedTexts()[0].y, 20);
    const int w = rounded(widthIn("Data bus", 9, true));
    EXPECT_EQ(bold, w);
    EXPECT_EQ(pic.currentX, w);  // logical: the offset taken off
    EXPECT_TRUE(pic.font.bold());
    EXPECT_EQ(pic.font.pointSizeF(), 9);
    expectKnownState();
}

TEST_F(Prims, PrintAtFontSizeFollowsZoomAndYIsScaledHalfToEven)
{
    struct Case {
        float zoom, scale;
        int y, size;
        double pointSize, Y;
    } cases[] = {
        {0, 1, 10, 8, 9, 10}, {2, 1, 10, 8, 11, 10}, {2.5f, 1, 10, 8, 11, 10},
        {0, 1.5f, 5, 10, 11, 8},  // 7.5 -> 8
        {0, 1.5f, 7, 10, 11, 10},  // 10.5 -> 10
    };
    for (const auto& c : cases) {
        pic.cls();
        suite().zoomLevel = c.zoom;
        suite().drawingScale = c.scale;
        int bold = 0;
        printAt(3, c.y, "A", 0, c.size, bold);
        EXPECT_EQ(pic.font.pointSizeF(), c.pointSize);
        ASSERT_EQ(pic.printedTexts().size(), 1u);
        EXPECT_EQ(pic.printedTexts()[0].y, c.Y);
    }
}

TEST_F(Prims, PrintAtOverflowPrintsNothing)
{
    suite().textOffset = 60;
    int bold = 0;
    printAt(32760, 5, "x", 0, 8, bold);
    EXPECT_TRUE(pic.printedTexts().empty());
    EXPECT_EQ(bold, 0);
}

TEST_F(Prims, PrintAtStyleMarks)
{
    int bold = 0;
    printAt(100, 50, "Q", 12, 8, bold, 2);
    const int w = bold;
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].kind, DrawnShape::FilledBox);
    EXPECT_EQ(shapes[0].colour, QColor(255, 0, 0));
    EXPECT_EQ(shapes[0].x1, 100);
    EXPECT_EQ(shapes[0].y1, 50);
    EXPECT_EQ(shapes[0].x2, 100 + w - 2);
    EXPECT_EQ(shapes[0].y2, 51);

    shapes.clear();
    bold = 0;
    printAt(100, 50, "Q", 12, 8, bold, 3);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].y1, 48);
    EXPECT_EQ(shapes[1].y1, 51);

    // Colour 7 in the bar is the palette's grey, not the button face.
    shapes.clear();
    printAt(100, 50, "Q", 7, 8, bold, 2);
    EXPECT_EQ(shapes.at(0).colour, QColor(192, 192, 192));
}

TEST_F(Prims, CentredAndRightAlignedText)
{
    suite().textOffset = 50;
    printCentred(100, 30, "Centre", 0, 10, 0);
    const int w = rounded(widthIn("Centre", 11));
    ASSERT_EQ(pic.printedTexts().size(), 1u);
    EXPECT_DOUBLE_EQ(pic.printedTexts()[0].x, 150 - w / 2.0);
    EXPECT_EQ(pic.currentX, 150);

    int bold = 0;
    printRightAligned(100, 30, "End", 0, 10, bold);
    const int we = rounded(widthIn("End", 11));
    EXPECT_EQ(bold, we);
    EXPECT_EQ(pic.printedTexts()[1].x, 150 - we);
    EXPECT_EQ(pic.currentX, 150);

    bold = 0;
    printRightAlignedArial(100, 30, "End", 0, 10, bold);
    EXPECT_EQ(bold, rounded(widthIn("End", 11, false, "Arial")));
    EXPECT_EQ(pic.font.family(), "Arial");
    expectKnownState();
}

TEST_F(Prims, MarkedUpSubscriptAndSuperscript)
{
    suite().drawingScale = 2;
    int bold = 0;
    printMarkedUp(10, 20, "Vsub(out) = 5", 0, 8, bold);
    const auto& t = pic.printedTexts();
    ASSERT_EQ(t.size(), 3u);
    const int wV = rounded(widthIn("V", 9));
    const int wOut = rounded(widthIn("out", 8));
    const int wRest = rounded(widthIn(" = 5", 9));
    EXPECT_EQ(t[0].text, "V");
    EXPECT_EQ(t[1].text, "out");
    EXPECT_EQ(t[1].x, 10 + wV);
    EXPECT_EQ(t[1].y, 40 + 8 * 0.25 * 2);
    EXPECT_EQ(t[2].x, 10 + wV + wOut);
    EXPECT_EQ(t[2].y, 40);
    EXPECT_EQ(bold, wV + wOut + wRest);

    pic.cls();
    bold = 0;
    printMarkedUp(10, 20, "xsup(2)", 0, 8, bold);
    ASSERT_EQ(pic.printedTexts().size(), 2u);
    EXPECT_EQ(pic.printedTexts()[1].y, 40 - 4);
}

TEST_F(Prims, FractionIndentsBarAndReturnsTheXAfterIt)
{
    int last = 0;
    printFraction(100, 100, 10, "", 0, false, "1", "100", last);
    const int wn = rounded(widthIn("1", 11));
    const int wd = rounded(widthIn("100", 11));
    const int d = 10;  // size - zoom / 2
    const int xf = 100 + d;
    const auto& t = pic.printedTexts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "1");
    EXPECT_EQ(t[0].x, xf + rounded((wd - wn) / 2.0));
    EXPECT_EQ(t[0].y, 100 + d - 2 - 2 * d);
    EXPECT_EQ(t[1].x, xf);
    EXPECT_EQ(t[1].y, 100 + d);
    const auto bars = linesAndBoxes();
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].x1, xf);
    EXPECT_EQ(bars[0].x2, xf + wd);
    EXPECT_EQ(bars[0].y1, 100 + d - 1);
    EXPECT_EQ(last, xf + wd);
    EXPECT_EQ(pic.currentX, xf + wd);
}

TEST_F(Prims, FractionWithLeftTextZoomAndScale)
{
    suite().zoomLevel = 3;  // d = 10 - 1.5 = 8.5 -> 8
    suite().drawingScale = 1.28f;
    int last = 0;
    printFraction(50, 100, 10, "R", 0, true, "22", "7", last);
    const auto& t = pic.printedTexts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].text, "R =");
    const int wl = rounded(widthIn("R =", 14));
    const int wn = rounded(widthIn("22", 14));
    const int xf = 50 + wl + 8;
    EXPECT_EQ(t[1].x, xf);
    // 106 - 16 / 1.28 = 93.5 in single precision, which rounds to 94.
    EXPECT_EQ(t[1].y, std::nearbyint(94 * 1.28f));
    EXPECT_EQ(last, xf + wn);
}

TEST_F(Prims, SquareRootAndRootOfFraction)
{
    printSquareRoot(100, 100, 10, "V", 0, true, "2", 0);
    const int wl = rounded(widthIn("V =", 11));
    ASSERT_EQ(pic.printedTexts().size(), 2u);
    EXPECT_EQ(pic.printedTexts()[1].x, 100 + wl + 20);
    EXPECT_EQ(pic.printedTexts()[1].y, 100);
    const auto sign = linesAndBoxes();
    ASSERT_EQ(sign.size(), 3u);  // tick, stroke, bar
    EXPECT_DOUBLE_EQ(sign[0].x1, 100 + wl + 2.5);
    EXPECT_EQ(sign[0].y1, 115);  // yc + size
    EXPECT_EQ(sign[1].y2 - sign[1].y1, -25);
    EXPECT_EQ(sign[2].x2 - sign[2].x1, rounded(widthIn("2", 11)) + 10);

    for (auto layout : {RootLayout::A, RootLayout::B}) {
        pic.cls();
        shapes.clear();
        int bold = 0;
        printRootOfFraction(layout, 100, 100, 10, "f", 0, false, "1", "LC", bold);
        EXPECT_EQ(bold, rounded(widthIn("f", 11)));
        ASSERT_EQ(pic.printedTexts().size(), 3u);
        EXPECT_EQ(pic.printedTexts()[1].text, "1");
        EXPECT_EQ(pic.printedTexts()[2].text, "LC");
        EXPECT_GE(linesAndBoxes().size(), 4u);  // bar and the root sign
    }
}

TEST_F(Prims, BoxOrLineModes)
{
    suite().textOffset = 10;
    suite().drawingScale = 2;
    struct Case {
        int style, option;
        const char* mode;
        std::vector<DrawnShape::Kind> kinds;
    } cases[] = {
        {0, 0, "", {DrawnShape::Line}},
        {0, 0, "B", {DrawnShape::Box}},
        {0, 0, "BF", {DrawnShape::FilledBox}},
        {0, 0, "BS", {DrawnShape::FilledBox, DrawnShape::Box}},
        {0, 0, "BFS", {DrawnShape::FilledBox, DrawnShape::FilledBox}},
        {0, 0, "Q", {}},
        {0, -1, "B", {DrawnShape::Box}},
        {0, -1, "BS", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        shapes.clear();
        boxOrLine(c.style, 20, 30, c.option, 40, 5, 12, c.mode);
        ASSERT_EQ(shapes.size(), c.kinds.size());
        for (size_t i = 0; i < shapes.size(); ++i)
            EXPECT_EQ(shapes[i].kind, c.kinds[i]);
        if (!shapes.empty()) {
            const auto& s = shapes.back();
            EXPECT_EQ(s.colour, QColor(255, 0, 0));
            EXPECT_EQ(s.x1, 30);
            EXPECT_EQ(s.y1, 60);
            EXPECT_EQ(s.x2, c.option == -1 ? 50 : 70);
            EXPECT_EQ(s.y2, c.option == -1 ? 10 : 70);
        }
        expectKnownState();
    }
}

TEST_F(Prims, BoxOrLinePenStylesAndRelativeForms)
{
    boxOrLine(13, 0, 0, 0, 10, 0, 0, "");
    EXPECT_EQ(shapes.back().width, 3);
    boxOrLine(2, 0, 0, 0, 10, 0, 0, "B");
    EXPECT_EQ(shapes.back().style, 2);

    suite().textOffset = 5;
    pic.currentX = 100;
    pic.currentY = 100;
    boxOrLine(-2, 0, 0, 0, 10, 20, 4, "");
    EXPECT_EQ(shapes.back().x2, 110);
    EXPECT_EQ(shapes.back().y2, 120);
    EXPECT_EQ(pic.foreColor, QColor(128, 0, 0));  // left as drawn
    boxOrLine(-3, 0, 0, 0, 10, 20, 4, "");
    EXPECT_EQ(shapes.back().x1, 110);
    EXPECT_EQ(shapes.back().x2, 15);
    EXPECT_EQ(shapes.back().y2, 20);
}

TEST_F(Prims, BoxShadowInPixels)
{
    boxOrLine(0, 100, 100, 0, 20, 10, 14, "BFS");
    const QImage img = pic.image();
    EXPECT_EQ(img.pixelColor(105, 105), QColor(255, 255, 0));
    EXPECT_EQ(img.pixelColor(122, 112), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(99, 99), QColor(Qt::white));
}

TEST_F(Prims, CircleStyles)
{
    suite().textOffset = 10;
    suite().drawingScale = 2;
    pic.currentX = 200;
    pic.currentY = 100;
    for (double style : {-1.0, -6.0, -8.0}) {
        shapes.clear();
        pic.currentX = 200;
        pic.currentY = 100;
        circle(style, 0, 11, 5, 4);
        ASSERT_EQ(shapes.size(), 1u);
        EXPECT_EQ(shapes[0].x1, 200);
        EXPECT_EQ(shapes[0].y1, 122);
        EXPECT_EQ(shapes[0].width, style == -1 ? 1 : 2);
        EXPECT_FALSE(shapes[0].fill);
    }
    struct Case {
        double style;
        QColor outline;
        bool fill;
        double start;  // as passed to the picture for a call with 1 .. 2
    } cases[] = {
        {-9, Qt::black, false, 1}, {-2, QColor(128, 0, 0), true, 0}, {-3, Qt::black, true, 0},
        {-4, QColor(128, 0, 0), true, -1}, {-7, Qt::black, true, -1}, {0, QColor(128, 0, 0), false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        shapes.clear();
        circle(c.style, 20, 30, 5, 4, 1, 2);
        ASSERT_EQ(shapes.size(), 1u);
        EXPECT_EQ(shapes[0].x1, 30);
        EXPECT_EQ(shapes[0].y1, 60);
        EXPECT_EQ(shapes[0].colour, c.outline);
        EXPECT_EQ(shapes[0].fill, c.fill);
        if (c.fill)
            EXPECT_EQ(shapes[0].fillColour, QColor(128, 0, 0));
        EXPECT_EQ(shapes[0].start, c.start);
        expectKnownState();
    }
    shapes.clear();
    circle(-5, 20, 30, 5, 4, 1, 2);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_TRUE(shapes[0].fill);
    EXPECT_EQ(shapes[1].colour, QColor(Qt::black));
    circle(12, 0, 0, 5, 0);
    EXPECT_EQ(shapes.back().width, 2);
    EXPECT_EQ(shapes.back().start, 0);
    circle(3, 0, 0, 5, 0, 0, 1.5);
    EXPECT_EQ(shapes.back().start, 0);  // start 0: the whole circle
    EXPECT_EQ(shapes.back().style, 3);
    expectKnownState();
}

TEST_F(Prims, DotsAndArrowheads)
{
    constexpr double r = 0.017453292;
    dot(10, 10, 2);
    largeDot(10, 10, 2);
    arrowheadUp(10, 10, 0, 7);
    arrowheadDown(10, 10, 0, 7);
    arrowheadLeft(10, 10, 0, 5);
    arrowheadRight(10, 10, 0, 5);
    rotatedArrowhead(10, 10, 30, 0, 6);
    ASSERT_EQ(shapes.size(), 7u);
    EXPECT_EQ(shapes[0].radius, 2);
    EXPECT_TRUE(shapes[0].fill);
    EXPECT_EQ(shapes[1].radius, 3);
    const double spans[][2] = {{250, 290}, {70, 110}, {340, 20}, {160, 200}, {30, 75}};
    for (int i = 0; i < 5; ++i) {
        const auto& s = shapes[size_t(i) + 2];
        EXPECT_DOUBLE_EQ(s.start, -spans[i][0] * r);
        EXPECT_DOUBLE_EQ(s.end, -spans[i][1] * r);
        EXPECT_TRUE(s.fill);
    }
    // An arrowhead points at (x, y): its pixels lie on the far side.
    pic.cls();
    arrowheadRight(100, 100, 0, 10);
    const QImage img = pic.image();
    EXPECT_EQ(img.pixelColor(95, 100), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(105, 100), QColor(Qt::white));
}

TEST_F(Prims, LabelledLines)
{
    labelledLine(100, 50, 60, 4, "Address", true, true);
    const int w = rounded(widthIn("Address", 9));
    const int s = rounded(60 - w / 2.0);
    const auto lines = linesAndBoxes();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].x1, 100);
    EXPECT_EQ(lines[0].x2, 100 + s);
    EXPECT_EQ(lines[1].x1, 100 + s + w + 4);
    EXPECT_EQ(lines[1].x2, 100 + 2 * s + w + 2);
    ASSERT_EQ(pic.printedTexts().size(), 1u);
    EXPECT_EQ(pic.printedTexts()[0].x, 100 + s + 2);
    EXPECT_EQ(pic.printedTexts()[0].y, 44);
    EXPECT_EQ(shapes.back().x1, 100 + 2 * s + w + 2);  // right arrowhead at the far end

    pic.cls();
    shapes.clear();
    verticalLabelledLine(200, 300, 40, 0, true, "Data", true, true);
    const auto v = linesAndBoxes();
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].y1, 300);
    EXPECT_EQ(v[0].y2, 260);
    EXPECT_EQ(v[1].y1, 245);
    EXPECT_EQ(v[1].y2, 205);
    EXPECT_NEAR(pic.printedTexts()[0].x, 200 - widthIn("Data", 9) / 2, 0.5);
    EXPECT_EQ(pic.printedTexts()[0].y, 247);
    EXPECT_EQ(shapes[shapes.size() - 2].y1, 205);  // arrowhead up at the top
}

TEST_F(Prims, ArrowLineVerticalTextAndRule)
{
    arrowLine(10, 20, 50, 0, true);
    ASSERT_EQ(shapes.size(), 3u);
    EXPECT_EQ(shapes[2].x1, 60);

    int y = 100;
    verticalText(5, y, "ABC", 0, 0);
    EXPECT_EQ(y, 127);
    ASSERT_EQ(pic.printedTexts().size(), 3u);
    EXPECT_EQ(pic.printedTexts()[2].y, 118);

    shapes.clear();
    suite().textOffset = 60;
    horizontalRule(200, 9);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].x1, 30);
    EXPECT_EQ(shapes[0].x2, 670);
    EXPECT_EQ(shapes[0].width, 3);
    expectKnownState();
}

}  // namespace
}  // namespace orr::test
