// DescriptiveTopic: set-up of an example, the stepping trigger, the packet
// timer that runs only while the window is active, and the unit boxes.
#include "topics/systems/descriptive_topic.h"

#include <algorithm>

#include "draw/block_diagram.h"
#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"

namespace orr {

namespace {
constexpr int kPacketTickMs = 120;
}  // namespace

DescriptiveTopic::DescriptiveTopic(const QString& name, const QString& upperTitle, int id) : TopicForm(name, 1, 1)
{
    title = upperTitle;
    setTopicId(id);
    setDrawingFrame(0, 1.28f);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kPacketTickMs);
    connect(Timer1, &QTimer::timeout, this, &DescriptiveTopic::Timer1_Timer);
}

void DescriptiveTopic::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void DescriptiveTopic::configureExample(int e)
{
    setCaption(title + QStringLiteral(":   ") + exampleCaption(e));
    step = 0;
    packet = 0;
    suite().selectorCount = -1;
    triggerSetup(stepCount(e) > 1, false, false);
    Trigger[0]->setCaption(triggerCaption(e));
    Timer1->stop();
    startPacket();
}

void DescriptiveTopic::startPacket()
{
    if (packetTicks(example()) > 0)
        Timer1->start();
}

void DescriptiveTopic::formActivate()
{
    TopicForm::formActivate();
    startPacket();
}

void DescriptiveTopic::formDeactivate()
{
    Timer1->stop();
    TopicForm::formDeactivate();
}

void DescriptiveTopic::formQueryUnload()
{
    Timer1->stop();
    TopicForm::formQueryUnload();
}

void DescriptiveTopic::Trigger_Click(int)
{
    const int n = stepCount(example());
    if (n <= 1)
        return;
    step = (step + 1) % n;
    packet = 0;
    results();
}

void DescriptiveTopic::Timer1_Timer()
{
    const int ticks = packetTicks(example());
    if (ticks <= 0 || !isShown()) {
        Timer1->stop();
        return;
    }
    packet = (packet + 1) % ticks;
    results();
}

void DescriptiveTopic::Picture1_MouseDown(double x, double y)
{
    pressClickItems(currentItems(), x, y, caption());
}

void DescriptiveTopic::heading(const QString& text)
{
    printMeasured(10, 4, text, colour::Title, 10, true);
    printMeasured(540, 4, QStringLiteral("Click over for details."), colour::Red, 8, true);
}

void DescriptiveTopic::notes(int x, int y, const QStringList& lines, long colour)
{
    for (int k = 0; k < lines.size(); ++k)
        printMeasured(x, y + 14 * k, lines[k], colour, 8);
}

void DescriptiveTopic::drawUnits(const ClickItems& items, long fill, int first, int last)
{
    if (last < 0)
        last = int(items.size()) - 1;
    for (int i = first; i <= last && i < int(items.size()); ++i) {
        const ClickItem& it = items[std::size_t(i)];
        DrawLabelledBox(it.x, it.y, it.w, it.h, twoLineCaption(it.caption, it.w - 8), fill, colour::Black, 8, true);
    }
}

void DescriptiveTopic::drawLinks(const ClickItems& items, const std::vector<Link>& links, long colour)
{
    for (const Link& l : links) {
        if (l.from < 0 || l.to < 0 || l.from >= int(items.size()) || l.to >= int(items.size()))
            continue;
        const ClickItem& a = items[std::size_t(l.from)];
        const ClickItem& b = items[std::size_t(l.to)];
        const double overlapLeft = std::max(a.x, b.x), overlapRight = std::min(a.x + a.w, b.x + b.w);
        const double overlapTop = std::max(a.y, b.y), overlapBottom = std::min(a.y + a.h, b.y + b.h);
        if (overlapLeft < overlapRight) {
            // One above the other: a vertical arrow in the middle of their common width.
            const double x = (overlapLeft + overlapRight) / 2;
            DrawArrow(x, a.y < b.y ? a.y + a.h : a.y, x, a.y < b.y ? b.y : b.y + b.h, colour);
        } else if (overlapTop < overlapBottom) {
            const double y = (overlapTop + overlapBottom) / 2;
            DrawArrow(a.x < b.x ? a.x + a.w : a.x, y, a.x < b.x ? b.x : b.x + b.w, y, colour);
        } else {
            // Neither: across from the side of the first, then up or down into the second.
            const double y = a.y + a.h / 2, x = b.x + b.w / 2;
            const double startX = a.x < b.x ? a.x + a.w : a.x;
            boxOrLine(0, startX, y, 0, x - startX, 0, colour, QString());
            DrawArrow(x, y, x, a.y < b.y ? b.y : b.y + b.h, colour);
        }
    }
}

}  // namespace orr
