// The data and address bus pictures: every bus line leaves the processor's
// box from its right-hand edge.
#include <gtest/gtest.h>

#include "suite_fixture.h"
#include "topics/framework/topic_form.h"

using namespace orr;

TEST(DataAddressBusPicture, EveryBusLineStartsOnTheProcessorBox)
{
    const struct {
        int example;
        int lines;
    } cases[] = {{0, 8}, {1, 16}};
    for (const auto& c : cases) {
        auto* w = test::openTopic<TopicForm>(QStringLiteral("DataAddressBus"), c.example);
        ASSERT_NE(w, nullptr);
        std::vector<DrawnShape> shapes;
        w->Picture1->shapeLog = &shapes;
        w->results();
        w->Picture1->shapeLog = nullptr;
        const DrawnShape* cpu = nullptr;
        for (const DrawnShape& s : shapes)
            if (s.kind == DrawnShape::FilledBox && s.colour.rgb() == qRgb(0, 255, 255))
                cpu = &s;
        ASSERT_NE(cpu, nullptr) << c.example;
        const double right = std::max(cpu->x1, cpu->x2);
        const double top = std::min(cpu->y1, cpu->y2), bottom = std::max(cpu->y1, cpu->y2);
        int lines = 0;
        for (const DrawnShape& s : shapes)
            if (s.kind == DrawnShape::Line && s.width > 1 && std::fabs(std::min(s.x1, s.x2) - right) < 1) {
                ++lines;
                EXPECT_EQ(s.y1, s.y2) << c.example;
                EXPECT_GT(s.y1, top) << c.example;
                EXPECT_LT(s.y1, bottom) << c.example;
            }
        EXPECT_EQ(lines, c.lines) << c.example;
    }
}
