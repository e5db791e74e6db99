// ComputerSystems "COMPUTER SYSTEMS": the hardware configuration, the
// operating system's layers and jobs, local area network topologies with a
// moving packet, a wide area network and today's UK telephone network.
#include <QPointF>
#include <cmath>

#include "draw/block_diagram.h"
#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "topics/systems/descriptive_topic.h"
#include "topics/systems/systems_text.h"

namespace orr {

namespace {

constexpr int kPacketTicks = 30;

ClickItem item(const char* caption, double x, double y, double w, double h)
{
    return systemsItem(QString::fromUtf8(caption), x, y, w, h);
}

// The six stations of a network topology, then (star only) the switch.
ClickItems lanItems(int topology)
{
    switch (topology) {
    case 0:
        return {item("File Server", 40, 60, 110, 40),   item("Workstation 1", 210, 60, 110, 40),
                item("Workstation 2", 380, 60, 110, 40), item("Network Printer", 550, 60, 110, 40),
                item("Workstation 3", 120, 200, 110, 40), item("Workstation 4", 460, 200, 110, 40),
                item("Bus cable", 30, 146, 640, 10)};
    case 1:
        return {item("File Server", 40, 60, 110, 40),    item("Workstation 1", 550, 60, 110, 40),
                item("Workstation 2", 40, 220, 110, 40),  item("Network Printer", 295, 40, 110, 40),
                item("Workstation 3", 550, 220, 110, 40), item("Workstation 4", 295, 240, 110, 40),
                item("Switch", 295, 140, 110, 40)};
    default: {
        ClickItems out;
        const char* names[] = {"File Server", "Workstation 1", "Workstation 2", "Network Printer", "Workstation 3",
                               "Workstation 4"};
        for (int k = 0; k < 6; ++k) {
            const double a = (90 + 60 * k) * M_PI / 180;
            out.push_back(item(names[k], 295 + 250 * std::cos(a), 140 - 105 * std::sin(a), 110, 40));
        }
        return out;
    }
    }
}

QPointF centre(const ClickItem& it) { return {it.x + it.w / 2, it.y + it.h / 2}; }

// Where the line from inside a box towards a point leaves the box.
QPointF leaving(const ClickItem& box, QPointF inside, QPointF towards)
{
    for (double t = 0; t <= 1; t += 0.01) {
        const QPointF p = inside + (towards - inside) * t;
        if (p.x() < box.x || p.x() > box.x + box.w || p.y() < box.y || p.y() > box.y + box.h)
            return p;
    }
    return towards;
}

// The path a packet takes from Workstation 3 to the file server, from the
// edge of one box to the edge of the other.
std::vector<QPointF> packetPath(int topology, const ClickItems& nodes)
{
    const QPointF ws3 = centre(nodes[4]), server = centre(nodes[0]);
    std::vector<QPointF> path;
    if (topology == 0)
        path = {ws3, {ws3.x(), 151}, {server.x(), 151}, server};
    else if (topology == 1)
        path = {ws3, centre(nodes[6]), server};
    else  // round the ring the short way: Workstation 3 (index 4), 5, then the server (0)
        path = {ws3, centre(nodes[5]), server};
    path.front() = leaving(nodes[4], path[0], path[1]);
    path.back() = leaving(nodes[0], path[path.size() - 1], path[path.size() - 2]);
    return path;
}

QPointF along(const std::vector<QPointF>& path, double fraction)
{
    double total = 0;
    for (std::size_t i = 1; i < path.size(); ++i)
        total += std::hypot(path[i].x() - path[i - 1].x(), path[i].y() - path[i - 1].y());
    double left = fraction * total;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const double len = std::hypot(path[i].x() - path[i - 1].x(), path[i].y() - path[i - 1].y());
        if (left <= len && len > 0)
            return path[i - 1] + (path[i] - path[i - 1]) * (left / len);
        left -= len;
    }
    return path.back();
}

class ComputerSystems : public DescriptiveTopic {
public:
    ComputerSystems() : DescriptiveTopic(QStringLiteral("ComputerSystems"), QStringLiteral("COMPUTER SYSTEMS"), 112) {}

    QString exampleCaption(int e) const override
    {
        static const char* const captions[] = {"Computer Hardware Configuration.", "Computer Operating System.",
                                               "Local Area Networks.", "Wide Area Network.", "UK Telephone System."};
        return e >= 0 && e < 5 ? QString::fromLatin1(captions[e]) : QString();
    }
    int stepCount(int e) const override { return e == 2 ? 3 : 1; }
    QString triggerCaption(int e) const override { return e == 2 ? QStringLiteral("Next Topology") : QString(); }
    int packetTicks(int e) const override { return e == 2 ? kPacketTicks : 0; }

    ClickItems items(int e, int panel) const override
    {
        switch (e) {
        case 0:
            return {item("Input", 20, 120, 120, 50), item("Central Processing Unit (CPU)", 240, 110, 170, 70),
                    item("Output", 520, 120, 120, 50), item("Main Memory", 250, 20, 150, 46),
                    item("Backing Store", 250, 236, 150, 46)};
        case 1:
            return {item("User", 20, 40, 280, 40), item("Applications", 20, 96, 280, 40),
                    item("Operating System", 20, 152, 280, 40), item("Hardware", 20, 208, 280, 40),
                    item("Memory management", 360, 44, 150, 34), item("Processor scheduling", 530, 44, 150, 34),
                    item("File management", 360, 98, 150, 34), item("Input and output control", 530, 98, 150, 34),
                    item("Security and user accounts", 360, 152, 150, 34), item("User interface", 530, 152, 150, 34)};
        case 2: return lanItems(panel % 3);
        case 3:
            return {item("Head Office LAN", 20, 40, 140, 44),   item("Router", 180, 48, 80, 28),
                    item("Branch Office LAN", 540, 40, 140, 44), item("Router", 440, 48, 80, 28),
                    item("Leased Line", 290, 30, 120, 20),      item("Public Network (Internet)", 250, 150, 200, 60),
                    item("Remote Site LAN", 20, 240, 140, 44),   item("Router", 180, 248, 80, 28),
                    item("Home Worker", 540, 240, 140, 44)};
        default:
            return {item("Telephone Handset", 20, 60, 120, 44),   item("Local Exchange", 190, 60, 130, 44),
                    item("Trunk (Core) Network", 370, 60, 150, 44), item("International Gateway", 560, 60, 130, 44),
                    item("Mobile Network", 370, 200, 150, 44),      item("Mobile Phone", 560, 200, 130, 44),
                    item("Broadband Router", 20, 200, 120, 44)};
        }
    }

protected:
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& p) override { computerSystemsTheory(e, p); }
};

void ComputerSystems::drawExample(int e)
{
    const ClickItems its = items(e, step);
    heading(exampleCaption(e));
    switch (e) {
    case 0:
        drawLinks(its, {{0, 1}, {1, 2}, {3, 1}, {1, 3}, {1, 4}, {4, 1}}, colour::Navy);
        drawUnits(its, colour::Yellow, 0, 0);
        drawUnits(its, colour::Cyan, 1, 1);
        drawUnits(its, colour::Yellow, 2, 2);
        drawUnits(its, colour::LampLit, 3, 4);
        printMeasured(420, 72, QStringLiteral("Address, data and control buses"), colour::Maroon, 7, true);
        printMeasured(420, 200, QStringLiteral("Buses to the backing store"), colour::Maroon, 7, true);
        notes(20, 282, {QStringLiteral("Input, process, output: the processor works on data held in main memory;"),
                        QStringLiteral("the backing store keeps programs and files when the power is off.")},
              colour::Navy);
        break;
    case 1:
        drawLinks(its, {{0, 1}, {1, 2}, {2, 3}}, colour::Navy);
        drawUnits(its, colour::White, 0, 0);
        drawUnits(its, colour::LampLit, 1, 1);
        drawUnits(its, colour::Cyan, 2, 2);
        drawUnits(its, colour::ButtonFace, 3, 3);
        printMeasured(360, 24, QStringLiteral("Jobs of the operating system."), colour::Title, 8, true);
        drawUnits(its, colour::Cyan, 4, 9);
        notes(20, 266, {QStringLiteral("Each layer uses only the one below it: applications ask the operating system,"),
                        QStringLiteral("never the hardware, to read a file, draw a window or print a page.")},
              colour::Navy);
        break;
    case 2: {
        const int t = step % 3;
        static const char* const names[] = {"Topology: Bus Network.", "Topology: Star Network.",
                                            "Topology: Ring Network."};
        printMeasured(10, 22, QString::fromLatin1(names[t]), colour::Maroon, 9, true);
        if (t == 0) {
            DrawLabelledBox(30, 146, 640, 10, QString(), colour::Grey, colour::Black);
            for (int k = 0; k < 6; ++k) {
                const ClickItem& n = its[std::size_t(k)];
                const double x = n.x + n.w / 2;
                boxOrLine(0, x, n.y < 146 ? n.y + n.h : 156, 0, 0, n.y < 146 ? 146 - (n.y + n.h) : n.y - 156,
                          colour::Black, QString());
            }
            printMeasured(30, 160, QStringLiteral("Terminator"), colour::Grey, 7);
            printMeasured(610, 160, QStringLiteral("Terminator"), colour::Grey, 7);
        } else {
            for (int k = 0; k < 6; ++k) {
                const QPointF a = centre(its[std::size_t(k)]);
                const QPointF b = t == 1 ? centre(its[6]) : centre(its[std::size_t((k + 1) % 6)]);
                boxOrLine(0, a.x(), a.y(), 0, b.x() - a.x(), b.y() - a.y(), colour::Black, QString());
            }
        }
        drawUnits(its, colour::LampLit, 0, 5);
        if (t == 1)
            drawUnits(its, colour::Cyan, 6, 6);
        const QPointF p = along(packetPath(t, its), double(packet) / (kPacketTicks - 1));
        DrawLabelledBox(p.x() - 8, p.y() - 5, 16, 10, QString(), colour::Red, colour::Black);
        printMeasured(10, 290, QStringLiteral("The red packet carries data from Workstation 3 to the file server."),
                      colour::Navy, 8);
        break;
    }
    case 3:
        drawLinks(its, {{0, 1}, {2, 3}, {6, 7}, {7, 5}, {8, 5}, {1, 5}, {3, 5}}, colour::Navy);
        boxOrLine(11, 260, 62, 0, 180, 0, colour::Maroon, QString());
        drawUnits(its, colour::LampLit, 0, 0);
        drawUnits(its, colour::Cyan, 1, 1);
        drawUnits(its, colour::LampLit, 2, 2);
        drawUnits(its, colour::Cyan, 3, 3);
        drawUnits(its, colour::White, 4, 4);
        drawUnits(its, colour::ButtonFace, 5, 5);
        drawUnits(its, colour::LampLit, 6, 6);
        drawUnits(its, colour::Cyan, 7, 7);
        drawUnits(its, colour::LampLit, 8, 8);
        notes(20, 282, {QStringLiteral("Leased lines are private and always on; traffic over the public network is sent"),
                        QStringLiteral("through encrypted virtual private network (VPN) tunnels.")},
              colour::Navy);
        break;
    default:
        drawLinks(its, {{0, 1}, {1, 2}, {2, 3}, {2, 4}, {4, 5}, {6, 1}}, colour::Navy);
        drawUnits(its, colour::LampLit, 0, 0);
        drawUnits(its, colour::Cyan, 1, 3);
        drawUnits(its, colour::Cyan, 4, 4);
        drawUnits(its, colour::LampLit, 5, 6);
        printMeasured(265, 112, QStringLiteral("Fibre / copper access"), colour::Maroon, 7);
        printMeasured(530, 112, QStringLiteral("Undersea fibre"), colour::Maroon, 7);
        notes(20, 270, {QStringLiteral("Speech is digitised and carried in packets over fibre (voice over IP). The old"),
                        QStringLiteral("analogue network is being switched off, and calls reach the exchange through"),
                        QStringLiteral("the broadband line.")},
              colour::Navy);
        break;
    }
}

RegisterForm<ComputerSystems> reg(QStringLiteral("ComputerSystems"));

}  // namespace

}  // namespace orr
