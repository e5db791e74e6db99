// DescriptiveTopic: the window of a descriptive topic whose examples are
// labelled diagrams of click items, some stepped through by a trigger button
// and one with a packet moving on a timer.
#pragma once

#include <QTimer>

#include "topics/framework/click_items.h"
#include "topics/framework/topic_form.h"

namespace orr {

class DescriptiveTopic : public TopicForm {
    Q_OBJECT
public:
    DescriptiveTopic(const QString& name, const QString& upperTitle, int id);

    QTimer* Timer1 = nullptr;  // moves the packet of an animated example
    int step = 0;              // panel of a stepped example
    int packet = 0;            // how far the packet has gone along its path

    void Trigger_Click(int index) override;
    void Picture1_MouseDown(double x, double y) override;
    void Timer1_Timer();
    void formActivate() override;
    void formDeactivate() override;
    void formQueryUnload() override;
    // The click items of the example as shown now.
    ClickItems currentItems() const { return items(example(), step); }

    virtual QString exampleCaption(int e) const = 0;
    virtual ClickItems items(int e, int step) const = 0;
    // How many panels the trigger steps through (1: no trigger), and its caption.
    virtual int stepCount(int) const { return 1; }
    virtual QString triggerCaption(int) const { return QString(); }
    // Whether the example moves a packet on the timer, and how many ticks one trip takes.
    virtual int packetTicks(int) const { return 0; }

protected:
    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& f) override;
    void configureExample(int e) override;
    QString quantityTypeFor(int, int) const override { return QStringLiteral("Positive Integer No."); }
    void takeValue(int, int, double) override {}

    // The items drawn as filled, outlined boxes with their captions (broken
    // over two lines when too long); the links as arrows between box edges.
    struct Link {
        int from;
        int to;
    };
    static void drawUnits(const ClickItems& items, long fill, int first = 0, int last = -1);
    static void drawLinks(const ClickItems& items, const std::vector<Link>& links, long colour);
    static void heading(const QString& text);
    // Notes printed as lines from (x, y), 14 units apart.
    static void notes(int x, int y, const QStringList& lines, long colour);

private:
    void startPacket();
};

}  // namespace orr
