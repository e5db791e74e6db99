// A picture of 701 x 420 pixels with 1:1 scale units as the current picture,
// its shape log switched on, and the suite's drawing state reset.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/picture.h"
#include "state/suite_state.h"

namespace orr::test {

class DrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pic.resize(701, 420);
        pic.setScaleWidth(701);
        pic.setScaleHeight(420);
        pic.cls();
        pic.shapeLog = &shapes;
        suite().currentPicture = &pic;
        suite().textOffset = 0;
        suite().drawingScale = 1.0f;
        suite().zoomLevel = 0;
    }
    void TearDown() override
    {
        suite().currentPicture = nullptr;
        suite().textOffset = 0;
        suite().drawingScale = 1.0f;
        suite().zoomLevel = 0;
    }

    // Width of text in Verdana at a point size, in picture units.
    double widthIn(const QString& text, double pointSize, bool bold = false, const QString& family = "Verdana")
    {
        PictureBox probe;
        probe.resize(701, 420);
        probe.setScaleWidth(701);
        probe.setScaleHeight(420);
        QFont f(family);
        f.setPointSizeF(pointSize);
        f.setBold(bold);
        probe.font = f;
        return probe.textWidth(text);
    }

    // Only the lines and boxes (circles left out), in drawing order.
    std::vector<DrawnShape> linesAndBoxes() const
    {
        std::vector<DrawnShape> out;
        for (const auto& s : shapes)
            if (s.kind != DrawnShape::Circle)
                out.push_back(s);
        return out;
    }

    void expectKnownState()
    {
        EXPECT_EQ(pic.foreColor, QColor(Qt::black));
        EXPECT_EQ(pic.drawWidth, 1);
        EXPECT_EQ(pic.drawStyle, 0);
        EXPECT_EQ(pic.fillStyle, FillStyle::Transparent);
        EXPECT_FALSE(pic.fontUnderline);
    }

    PictureBox pic;
    std::vector<DrawnShape> shapes;
};

}  // namespace orr::test
