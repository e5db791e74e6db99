// PictureBox: the drawing survives resizing, and every call is kept so the
// drawing can be made again at any pixel ratio with the same layout.
#include <gtest/gtest.h>

#include "platform/picture.h"

#include <cmath>

using namespace orr;

TEST(PictureBox, KeepsItsDrawingWhenMadeSmallerAndLargerAgain)
{
    PictureBox p;
    p.resize(200, 100);
    p.setScaleWidth(200);
    p.setScaleHeight(100);
    p.cls();
    p.line(10, 10, 50, 10, Qt::red, true, true);
    p.resize(50, 50);
    p.resize(200, 100);
    EXPECT_EQ(p.image().pixelColor(30, 10), QColor(Qt::red));
}

TEST(PictureBox, RenderScaleDrawsTheSameLayoutWithMorePixels)
{
    PictureBox p;
    p.resize(200, 100);
    p.setScaleWidth(200);
    p.setScaleHeight(100);
    p.cls();
    p.print(QStringLiteral("A"));
    const double width = p.textWidth(QStringLiteral("Wide text"));

    p.setRenderScale(3);
    p.cls();
    p.line(20, 20, 40, 40, Qt::blue, true, true);
    p.currentX = 0;
    p.currentY = 0;
    p.print(QStringLiteral("A"));
    const QImage fine = p.image();
    EXPECT_EQ(fine.width(), 600);
    EXPECT_EQ(fine.height(), 300);
    EXPECT_EQ(fine.pixelColor(90, 90), QColor(Qt::blue));  // logical (30, 30)
    EXPECT_DOUBLE_EQ(p.textWidth(QStringLiteral("Wide text")), width);
    ASSERT_EQ(p.printedTexts().size(), 1u);
    EXPECT_EQ(p.printedTexts()[0].x, 0);

    p.setRenderScale(1);
    EXPECT_EQ(p.image().width(), 200);
}

// One drawing of every kind of call: lines, boxes, fills, circles, arcs,
// sectors, text, a pasted image and an inverted bar.
void drawEverything(PictureBox& p)
{
    p.resize(240, 120);
    p.setScaleWidth(480);
    p.setScaleHeight(240);
    p.cls();
    p.line(10, 10, 200, 10, Qt::blue);
    p.drawWidth = 3;
    p.line(10, 30, 200, 60, Qt::darkGreen);
    p.drawWidth = 1;
    p.drawStyle = 2;
    p.line(10, 80, 200, 80, Qt::black);
    p.drawStyle = 0;
    p.line(220, 20, 300, 90, Qt::red, true);
    p.fillStyle = FillStyle::Solid;
    p.fillColor = Qt::yellow;
    p.line(310, 20, 380, 90, Qt::black, true);
    p.circle(420, 60, 40, Qt::magenta);
    p.fillStyle = FillStyle::Transparent;
    p.circle(100, 170, 50, Qt::black, 0.3, 2.5, 1.0, true);
    p.circle(250, 170, 50, Qt::darkBlue, -0.5, -2.0);
    p.line(300, 150, 300, 150, Qt::black);
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::cyan);
    p.paintPicture(tile, 400, 140);
    p.foreColor = Qt::black;
    p.currentX = 20;
    p.currentY = 200;
    p.print(QStringLiteral("Sharp text 123"));
    p.drawMode = DrawMode::NotXorPen;
    p.line(10, 195, 250, 230, Qt::magenta, true, true);
    p.drawMode = DrawMode::Copy;
}

TEST(PictureBox, ReplayDrawsWhatWasDrawnAtEveryScale)
{
    PictureBox p;
    drawEverything(p);
    // At the drawing's own scale the replay is the same pixel for pixel.
    EXPECT_EQ(p.renderImage(1.0), p.image());
    const auto log = p.printedTexts();

    for (double k : {1.5, 2.0, 4.0}) {
        SCOPED_TRACE(k);
        p.setRenderScale(k);
        const QImage fine = p.image();
        EXPECT_EQ(fine.width(), int(std::ceil(240 * k)));
        EXPECT_EQ(fine.devicePixelRatio(), k);
        // The backing image made again at the new ratio is the replay itself.
        EXPECT_EQ(fine, p.renderImage(k));
        // Same places in logical units: the yellow fill and the cyan image.
        EXPECT_EQ(fine.pixelColor(int(170 * k), int(28 * k)), QColor(Qt::yellow));
        EXPECT_EQ(fine.pixelColor(int(202 * k), int(72 * k)), QColor(Qt::cyan));
        // Nothing about the layout moves.
        ASSERT_EQ(p.printedTexts().size(), log.size());
        EXPECT_EQ(p.printedTexts()[0].x, log[0].x);
    }
    p.setRenderScale(0);  // back to the screen's ratio
    EXPECT_EQ(p.image().devicePixelRatio(), p.devicePixelRatioF());
}

TEST(PictureBox, TextAtTwiceTheScaleIsDrawnFinerNotEnlarged)
{
    PictureBox p;
    drawEverything(p);
    p.setRenderScale(2);
    const QImage fine = p.image();
    // A nearest-neighbour enlargement would make every 2 x 2 block one colour.
    int mixedBlocks = 0;
    for (int y = 2 * 100; y < 2 * 112; y += 2)
        for (int x = 2 * 10; x < 2 * 120; x += 2)
            if (fine.pixel(x, y) != fine.pixel(x + 1, y) || fine.pixel(x, y) != fine.pixel(x, y + 1))
                ++mixedBlocks;
    EXPECT_GT(mixedBlocks, 20);
}

TEST(PictureBox, ClsForgetsTheDrawingItReplays)
{
    PictureBox p;
    drawEverything(p);
    p.backColor = Qt::gray;
    p.cls();
    p.setRenderScale(2);
    const QImage fine = p.image();
    EXPECT_EQ(fine.pixelColor(20, 20), QColor(Qt::gray));
    EXPECT_EQ(fine.pixelColor(300, 100), QColor(Qt::gray));
}
