// SystemDevelopment "SYSTEM DEVELOPMENT": the system life cycle stepped stage
// by stage, the system flowchart symbols, processing strategies, a master
// file update, and choosing hardware and software for a case study.
#include <cmath>

#include "draw/block_diagram.h"
#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "topics/systems/descriptive_topic.h"
#include "topics/systems/systems_text.h"

namespace orr {

namespace {

ClickItem item(const char* caption, double x, double y, double w, double h)
{
    return systemsItem(QString::fromUtf8(caption), x, y, w, h);
}

const char* const kSymbols[] = {"Process",      "Input/Output",   "Document",         "Manual Input",
                                "Display",      "Online Storage", "Magnetic Tape",    "Communication Link"};

// One system flowchart symbol in the 100 x 50 area from (x, y).
void drawSymbol(int k, double x, double y)
{
    const long ink = colour::Navy;
    switch (k) {
    case 0: DrawLabelledBox(x, y, 100, 50, QString(), colour::LampLit, ink); break;
    case 1: draw(x + 20, y, QStringLiteral("c1 r80 m-20,50 l80 m20,-50")); break;
    case 2: draw(x, y, QStringLiteral("c1 r100 d40 m-25,8 m-25,-8 m-25,8 m-25,-8 u40")); break;
    case 3: draw(x, y + 16, QStringLiteral("c1 m100,-16 d50 l100 u34")); break;
    case 4: draw(x + 20, y, QStringLiteral("c1 r60 m20,25 m-20,25 l60 m-20,-25 m20,-25")); break;
    case 5:
        circle(0, x + 50, y + 6, 50, ink, 0, 0, 0.15);
        circle(0, x + 50, y + 44, 50, ink, M_PI, 2 * M_PI, 0.15);
        boxOrLine(0, x, y + 6, 0, 0, 38, ink, QString());
        boxOrLine(0, x + 100, y + 6, 0, 0, 38, ink, QString());
        break;
    case 6:
        circle(0, x + 50, y + 22, 22, ink);
        boxOrLine(0, x + 50, y + 39, 0, 40, 0, ink, QString());
        break;
    default:
        draw(x + 10, y + 5, QStringLiteral("c1 m45,20 l10 m45,20"));
        arrowheadRight(x + 100, y + 45, ink, 8);
        break;
    }
}

class SystemDevelopment : public DescriptiveTopic {
public:
    SystemDevelopment()
        : DescriptiveTopic(QStringLiteral("SystemDevelopment"), QStringLiteral("SYSTEM DEVELOPMENT"), 113)
    {
    }

    QString exampleCaption(int e) const override
    {
        static const char* const captions[] = {"Stages of System Development.", "System Flowcharting.",
                                               "Processing Strategy.",          "File Management System.",
                                               "Computer Hardware.",            "Computer Software."};
        return e >= 0 && e < 6 ? QString::fromLatin1(captions[e]) : QString();
    }
    int stepCount(int e) const override { return e == 0 ? 6 : e == 2 ? 3 : 1; }
    QString triggerCaption(int e) const override
    {
        return e == 0 ? QStringLiteral("Next Stage") : e == 2 ? QStringLiteral("Next Strategy") : QString();
    }

    ClickItems items(int e, int panel) const override
    {
        switch (e) {
        case 0: {
            // The cycle, clockwise from the top.
            const double at[6][2] = {{280, 34}, {500, 84}, {500, 196}, {280, 246}, {60, 196}, {60, 84}};
            ClickItems out;
            for (int k = 0; k < 6; ++k)
                out.push_back(systemsItem(lifeCycleStage(k), at[k][0], at[k][1], 140, 36));
            return out;
        }
        case 1: {
            ClickItems out;
            for (int k = 0; k < 8; ++k)
                out.push_back(item(kSymbols[k], 40 + 170 * (k % 4), 50 + 120 * (k / 4), 100, 50));
            return out;
        }
        case 2:
            switch (panel % 3) {
            case 0:
                return {item("Source Documents", 20, 70, 110, 44), item("Data Preparation", 160, 70, 110, 44),
                        item("Transaction File", 300, 70, 110, 44), item("Processing Run", 440, 70, 110, 44),
                        item("Reports", 580, 70, 100, 44), item("Master File", 440, 170, 110, 44)};
            case 1:
                return {item("Terminal", 40, 80, 120, 44), item("Central Computer", 290, 80, 130, 44),
                        item("Database", 290, 190, 130, 44), item("Terminal", 550, 80, 120, 44)};
            default:
                return {item("Sensors", 40, 80, 120, 44), item("Control Computer", 290, 80, 130, 44),
                        item("Actuators", 550, 80, 120, 44), item("Process Being Controlled", 270, 190, 170, 44)};
            }
        case 3:
            return {item("Transaction File", 20, 40, 120, 44),  item("Sort", 20, 130, 120, 44),
                    item("Old Master File", 290, 40, 130, 44),  item("Update Run", 290, 130, 130, 44),
                    item("New Master File", 290, 230, 130, 44), item("Error Report", 540, 130, 130, 44),
                    item("Backup Copy", 540, 230, 130, 44)};
        case 4:
            return {item("Office Network Switch", 280, 130, 140, 44), item("Desktop PCs", 40, 130, 130, 44),
                    item("File Server", 285, 40, 130, 44),           item("Laser Printer", 530, 130, 130, 44),
                    item("Scanner", 40, 230, 130, 44),               item("Broadband Router", 285, 230, 130, 44),
                    item("Backup Drive", 530, 40, 130, 44)};
        default:
            return {item("Operating System", 260, 40, 180, 40),    item("Office Suite", 40, 120, 150, 40),
                    item("Property Database", 270, 120, 160, 40), item("Accounts Package", 510, 120, 150, 40),
                    item("Email and Web Browser", 40, 210, 150, 40), item("Security Software", 270, 210, 160, 40),
                    item("Backup Software", 510, 210, 150, 40)};
        }
    }

protected:
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& p) override { systemDevelopmentTheory(e, p); }
};

void SystemDevelopment::drawExample(int e)
{
    const ClickItems its = items(e, step);
    heading(exampleCaption(e));
    switch (e) {
    case 0: {
        drawLinks(its, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}}, colour::Navy);
        for (int k = 0; k < 6; ++k)
            drawUnits(its, k == step % 6 ? colour::LampLit : colour::White, k, k);
        printCentred(350, 112, QStringLiteral("Current stage: ") + lifeCycleStage(step % 6), colour::Maroon, 9, 1);
        // The description, broken into lines that fit inside the cycle.
        const QStringList words = lifeCycleDescription(step % 6).split(QLatin1Char(' '));
        QString line;
        int y = 136;
        for (const QString& w : words) {
            const QString next = line.isEmpty() ? w : line + QLatin1Char(' ') + w;
            if (measuredWidth(next, 8) > 270 && !line.isEmpty()) {
                printCentred(350, y, line, colour::Navy, 8, 0);
                y += 14;
                line = w;
            } else {
                line = next;
            }
        }
        printCentred(350, y, line, colour::Navy, 8, 0);
        break;
    }
    case 1:
        for (int k = 0; k < 8; ++k) {
            const ClickItem& it = its[std::size_t(k)];
            drawSymbol(k, it.x, it.y);
            printCentred(int(it.x + 50), int(it.y + 60), it.caption, colour::Black, 8, 1);
        }
        printMeasured(20, 290, QStringLiteral("A system flowchart shows the files, documents and runs of a whole system."),
                      colour::Navy, 8);
        break;
    case 2: {
        static const char* const names[] = {"Batch Processing.", "Online Processing.", "Real-time Processing."};
        printMeasured(10, 22, QString::fromLatin1(names[step % 3]), colour::Maroon, 9, true);
        if (step % 3 == 0) {
            drawLinks(its, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {5, 3}, {3, 5}}, colour::Navy);
            notes(20, 250, {QStringLiteral("Transactions are collected over a period and processed together, often"),
                            QStringLiteral("overnight: payroll, utility bills and bank statements.")},
                  colour::Navy);
        } else if (step % 3 == 1) {
            drawLinks(its, {{0, 1}, {1, 0}, {1, 2}, {2, 1}, {3, 1}, {1, 3}}, colour::Navy);
            notes(20, 250, {QStringLiteral("Each user works directly with the central files and gets an answer in"),
                            QStringLiteral("seconds: booking a ticket, withdrawing cash, shopping online.")},
                  colour::Navy);
        } else {
            drawLinks(its, {{0, 1}, {1, 2}}, colour::Navy);
            DrawArrow(610, 124, 610, 212, colour::Navy);
            boxOrLine(0, 610, 212, 0, -169, 0, colour::Navy, QString());
            boxOrLine(0, 270, 212, 0, -170, 0, colour::Navy, QString());
            DrawArrow(100, 212, 100, 124, colour::Navy);
            notes(20, 256, {QStringLiteral("The computer responds fast enough to control what is happening as it"),
                            QStringLiteral("happens: engine management, traffic lights, an aircraft's autopilot.")},
                  colour::Navy);
        }
        drawUnits(its, colour::LampLit);
        break;
    }
    case 3:
        drawLinks(its, {{0, 1}, {1, 3}, {2, 3}, {3, 4}, {3, 5}, {4, 6}}, colour::Navy);
        drawUnits(its, colour::LampLit, 0, 0);
        drawUnits(its, colour::Cyan, 1, 1);
        drawUnits(its, colour::LampLit, 2, 2);
        drawUnits(its, colour::Cyan, 3, 3);
        drawUnits(its, colour::LampLit, 4, 6);
        printMeasured(146, 134, QStringLiteral("Sorted into key order"), colour::Maroon, 7);
        break;
    case 4:
        printMeasured(10, 22, QStringLiteral("Case study: an estate agency with six staff and one office."),
                      colour::Maroon, 9, true);
        drawLinks(its, {{1, 0}, {2, 0}, {0, 3}, {4, 1}, {5, 0}, {2, 6}}, colour::Navy);
        drawUnits(its, colour::Cyan, 0, 0);
        drawUnits(its, colour::LampLit, 1, 6);
        break;
    default:
        printMeasured(10, 22, QStringLiteral("Case study: the software the estate agency needs."), colour::Maroon, 9,
                      true);
        drawUnits(its, colour::Cyan, 0, 0);
        drawUnits(its, colour::LampLit, 1, 6);
        printMeasured(40, 170, QStringLiteral("Applications run on the operating system."), colour::Grey, 7);
        notes(20, 270, {QStringLiteral("Off-the-shelf packages are cheap and tested; bespoke software fits the business"),
                        QStringLiteral("exactly but costs far more to write and maintain.")},
              colour::Navy);
        break;
    }
}

RegisterForm<SystemDevelopment> reg(QStringLiteral("SystemDevelopment"));

}  // namespace

}  // namespace orr
