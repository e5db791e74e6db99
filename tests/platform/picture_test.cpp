// PictureBox: the drawing survives resizing, and a finer render scale gives
// more pixels for the same layout (what the printed page uses).
#include <gtest/gtest.h>

#include "platform/picture.h"

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
