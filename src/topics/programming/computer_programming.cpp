// ComputerProgramming: the window, its drawing of each example, the live
// loops and the clicks on listing lines and symbols.
#include "topics/programming/computer_programming.h"

#include <QDateTime>
#include <cmath>

#include "draw/block_diagram.h"
#include "draw/flowchart.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "platform/controls.h"
#include "platform/picture.h"
#include "platform/rng.h"
#include "topics/programming/programming_model.h"

namespace orr {

QString dataTypeName(int row);

namespace {

using namespace colour;

const char* const kStorage[12] = {"1 byte", "2 bytes", "2 bytes", "4 bytes", "4 bytes", "8 bytes", "8 bytes",
                                  "8 bytes", "10 bytes + string length", "Length of string", "16 bytes",
                                  "22 bytes + string length"};
const char* const kRanges[12] = {
    "0 to 255", "True or False", "-32,768 to 32,767", "-2,147,483,648 to 2,147,483,647",
    "-3.40E38 to -1.40E-45 and +1.40E-45 to +3.40E38", "-1.79E308 to -4.94E-324 and +4.94E-324 to +1.79E308",
    "-922,337,203,685,477.5808 to 922,337,203,685,477.5807", "January 1, 100 to December 31, 9999",
    "0 to approximately 2 billion", "1 to approximately 65,400", "Any numeric value up to the range of a Double",
    "As for variable-length String"};

void say(double x, double y, const QString& s, long c = Navy, int size = 8, bool bold = false)
{
    int b = bold ? 1 : 0;
    printAt(int(x), int(y), s, c, size, b);
}

QString money(double v) { return QString::number(v, 'f', 2); }

void drawItems(const std::vector<ProgramItem>& items)
{
    for (const ProgramItem& p : items) {
        const ClickItem& c = p.item;
        switch (p.kind) {
        case ProgramItem::Code: say(c.x, c.y, p.shown, Navy, 8); break;
        case ProgramItem::Terminal: DrawFlowSymbol(FlowShape::Terminal, c.x, c.y, c.w, c.h, p.shown, Maroon); break;
        case ProgramItem::InputOutput:
            DrawFlowSymbol(FlowShape::InputOutput, c.x, c.y, c.w, c.h, p.shown, Maroon);
            break;
        case ProgramItem::Process: DrawFlowSymbol(FlowShape::Process, c.x, c.y, c.w, c.h, p.shown, Maroon); break;
        case ProgramItem::Decision: DrawFlowSymbol(FlowShape::Decision, c.x, c.y, c.w, c.h, p.shown, Maroon); break;
        case ProgramItem::Box:
            if (!p.shown.isEmpty())
                DrawLabelledBox(c.x, c.y, c.w, c.h, p.shown, -1, Navy, 7);
            break;
        }
    }
}

// Flow lines joining symbols i and i + 1 of a vertical flowchart, down its centre.
void joinDown(const std::vector<ProgramItem>& items, size_t first, size_t last)
{
    for (size_t i = first; i < last && i + 1 < items.size(); ++i) {
        const ClickItem& a = items[i].item;
        const ClickItem& b = items[i + 1].item;
        DrawFlowLine(a.x + a.w / 2, a.y + a.h, b.y, Black);
    }
}

// The loop of the counting flowcharts: the decision's NO exit runs back up
// from fromY to toY; the YES exit is labelled below the decision.
void loopBack(double fromY, double toY)
{
    DrawFlowReturn(240, fromY, toY, 40, Black);
    say(188, fromY + 24, QStringLiteral("YES"), Green, 7, true);
    say(245, fromY - 12, QStringLiteral("NO"), Red, 7, true);
}

}  // namespace

ComputerProgramming::ComputerProgramming() : TopicForm(QStringLiteral("ComputerProgramming"), 1, 3)
{
    title = QStringLiteral("COMPUTER PROGRAMMING");
    setTopicId(114);
    setDrawingFrame(0, 1.28f);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void ComputerProgramming::setDefaults()
{
    principal = 10000;
    ledAngle = 360;
    toggle = false;
    count = 0;
    stepTwo = false;
}

void ComputerProgramming::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void ComputerProgramming::newExampleValues()
{
    Randomize();
    exampleValues[0] = QString::number(int(Rnd() * 255));
    exampleValues[1] = Rnd() > 0.5 ? QStringLiteral("True") : QStringLiteral("False");
    exampleValues[2] = QString::number(std::lround(Rnd() * 32767));
    exampleValues[3] = QString::number(std::llround(Rnd() * 2147483647.0));
    exampleValues[4] = QString::number(Rnd() * 3.4E38, 'E', 6);
    exampleValues[5] = QString::number(Rnd() * 1.79E308, 'E', 14);
    exampleValues[6] = QString::number(Rnd() * 922337203685478.0, 'f', 4);
    exampleValues[7] = QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    exampleValues[8] = QStringLiteral("This string of characters can be any length..........");
    exampleValues[9] = QStringLiteral("This string has a fixed number of characters").left(int(std::lround(Rnd() * 45 + 33)));
    exampleValues[10] = QString::number(Rnd() * 1.79E308, 'E', 14);
    exampleValues[11] = QStringLiteral("This string of characters can be any length.");
}

void ComputerProgramming::configureExample(int e)
{
    setCaption(title + QStringLiteral(":   ") + computerProgrammingHeading(e));
    Picture1->setToolTip(e == 9 ? QStringLiteral("Click over code for details.") : QStringLiteral("Click over for details."));
    Timer1->stop();
    Panel3D1->setVisible(e != 1);  // the constants example has nothing to set
    Trigger[1]->setCaption(QStringLiteral("New Values"));
    suite().selectorCount = e == 6 ? 0 : -1;
    switch (e) {
    case 1: triggerSetup(false, false, false); break;
    case 2:
        newExampleValues();
        triggerSetup(true, true, false);
        break;
    case 7:
        triggerSetup(true, true, false);
        Trigger[0]->setCaption(QStringLiteral("RUN"));
        Trigger[1]->setCaption(QStringLiteral("STEP"));
        break;
    case 8:
        triggerSetup(true, true, false);
        Trigger[0]->setCaption(QStringLiteral("RUN"));
        Trigger[1]->setCaption(QStringLiteral("STOP"));
        break;
    default:
        triggerSetup(true, false, false);
        Trigger[0]->setCaption(e == 9 ? QStringLiteral("New Values") : QStringLiteral("Redraw"));
        break;
    }
    if (e == 0)
        Trigger[0]->setCaption(toggle ? QStringLiteral("Single Pass") : QStringLiteral("Loop"));
    if (e == 2) {
        // "New Values" is offered while the example values are shown.
        Trigger[0]->setCaption(toggle ? QStringLiteral("Range") : QStringLiteral("Examples"));
        Trigger[1]->setShown(toggle);
    }
    if (e == 6) {
        Trigger[0]->setCaption(QStringLiteral("Principal"));
        SelectButton[0]->setCaption(QStringLiteral("Principal Amount."));
        setLabelQuietly(0, QStringLiteral("£") + money(principal));
        if (auto c = programming::interestFor(principal)) {
            interest = c->interest;
            highlightedRow = c->row;
        } else {
            highlightedRow = -1;
        }
    }
}

void ComputerProgramming::takeValue(int e, int, double value)
{
    if (e != 6)
        return;
    principal = std::fabs(value);
    setLabelQuietly(0, QStringLiteral("£") + money(principal));
    if (auto c = programming::interestFor(principal)) {
        interest = c->interest;
        highlightedRow = c->row;
    } else {
        highlightedRow = -1;  // no case: the interest keeps its last value
    }
}

std::vector<ProgramItem> ComputerProgramming::currentItems() const
{
    return computerProgrammingItems(example(), toggle, stepTwo);
}

void ComputerProgramming::drawExample(int e)
{
    const std::vector<ProgramItem> items = currentItems();
    switch (e) {
    case 0:
        say(300, 20, QStringLiteral("Computer Program"), Title, 9, true);
        joinDown(items, 0, 5);
        if (toggle)
            draw(130, 251, QStringLiteral("c0 l95 u230 r95"));
        say(130, 280, toggle ? QStringLiteral("Loop") : QStringLiteral("Single Pass"), Maroon, 8, true);
        boxOrLine(0, 320, 199, 0, 318, 65, Black, QStringLiteral("B"));
        say(330, 204, QStringLiteral("Dimensioned Variables."), Title, 8, true);
        say(330, 220, QStringLiteral("FIRST_NUMBER as number"), Navy, 7);
        say(330, 234, QStringLiteral("SECOND_NUMBER as number"), Navy, 7);
        say(330, 248, QStringLiteral("RESULT as number"), Navy, 7);
        say(530, 220, QStringLiteral("Memory"), Teal, 7);
        say(530, 234, QStringLiteral("Locations (RAM)"), Teal, 7);
        say(530, 248, QStringLiteral("Computer"), Teal, 7);
        say(320, 280, QStringLiteral("Operators used."), Title, 8, true);
        say(320, 294, QStringLiteral("Addition +"), Navy, 8);
        break;
    case 1:
        say(300, 20, QStringLiteral("Computer Program"), Title, 9, true);
        joinDown(items, 0, 5);
        break;
    case 2: {
        say(10, 18, QStringLiteral("Data type"), Title, 8, true);
        say(238, 18, QStringLiteral("Storage size"), Title, 8, true);
        say(380, 18, toggle ? QStringLiteral("Example Data Values and Format.") : QStringLiteral("Range"), Title, 8, true);
        for (int r = 0; r < 12; ++r) {
            const double y = 37 + 15.0 * r;
            say(10, y, dataTypeName(r), Navy, 7);
            say(238, y, QLatin1String(kStorage[r]), Navy, 7);
            say(380, y, toggle ? exampleValues[size_t(r)] : QLatin1String(kRanges[r]), toggle ? Maroon : Navy, 6);
            boxOrLine(0, 10, y + 12, 0, 680, 0, Grey, QString());
        }
        say(10, 230, QStringLiteral("Negative values are not shown."), Maroon, 7);
        break;
    }
    case 3: {
        const QString first = QStringLiteral("This is a string of characters ...");
        const QString second = QStringLiteral("Some more characters...123456789");
        for (int i = 0; i < first.size(); ++i)
            DrawLabelledBox(20 + 18.0 * i, 44, 18, 18, first.mid(i, 1), White, Navy, 7);
        for (int i = 0; i < second.size(); ++i)
            DrawLabelledBox(20 + 18.0 * i, 68, 18, 18, second.mid(i, 1), White, Navy, 7);
        say(20, 24, QStringLiteral("Characters stored in memory, one to a location."), Title, 8, true);
        say(20, 165, QStringLiteral("This is a string of characters ..."), Maroon, 8);
        say(100, 205, QStringLiteral("This is a string of characters ..."), Maroon, 8);
        say(38, 245, QStringLiteral("This is a string of characters ..."), Maroon, 8);
        say(20, 275, QStringLiteral("String can be joined together with '+' character in program code."), Teal, 8);
        break;
    }
    case 4:
        say(20, 80, QStringLiteral("Data string containing a list of names."), Teal, 7);
        say(20, 95, QStringLiteral("Recreate the string with just the first, 5th"), Title, 8, true);
        say(20, 107, QStringLiteral("and last names using string functions."), Title, 8, true);
        say(300, 205, QStringLiteral("JamesPatBen"), Maroon, 8, true);
        say(20, 228, QStringLiteral("Now reformatted in program code."), Title, 8, true);
        say(20, 265, QStringLiteral("James, Pat, Ben"), Maroon, 8, true);
        break;
    case 5: {
        joinDown(items, 0, 1);
        joinDown(items, 1, 2);
        joinDown(items, 2, 3);
        joinDown(items, 3, 5);
        // Yes: from the decision's right corner round the process box to Print.
        boxOrLine(0, 240, 121, 0, 30, 0, Black, QString());
        boxOrLine(0, 270, 121, 0, 0, 102, Black, QString());
        DrawArrow(270, 223, 240, 223, Black);
        say(244, 108, QStringLiteral("Yes"), Green, 7, true);
        say(190, 150, QStringLiteral("No"), Red, 7, true);
        break;
    }
    case 6: {
        DrawFlowLine(80, 50, 70, Black);
        // Each case not taken passes down to the next test.
        DrawFlowLine(80, 110, 130, Black);
        DrawFlowLine(80, 170, 190, Black);
        for (int k = 0; k < 3; ++k) {
            say(134, 78 + 60.0 * k, QStringLiteral("Yes"), Green, 6, true);
            if (k < 2)
                say(84, 112 + 60.0 * k, QStringLiteral("No"), Red, 6, true);
        }
        draw(130, 90, QStringLiteral("c0 r10 br105 r20 nd175 d60 l20 bl105 l10 bd60 r10 br105 r20 d58 l120"));
        if (highlightedRow >= 0) {
            const double y = 70 + 40.0 * highlightedRow;
            boxOrLine(0, 296, y - 2, 0, 330, 36, Red, QStringLiteral("B"));
        }
        say(300, 232, QStringLiteral("Two numeric variables named 'Principal' and 'Interest'."), Teal, 7);
        say(300, 256, QStringLiteral("Interest Added to £") + money(principal) + QStringLiteral(" = £") + money(interest),
            Maroon, 9, true);
        say(300, 280, QStringLiteral("Example inputs £34000, £5000, £15000"), Teal, 7);
        break;
    }
    case 7:
        joinDown(items, 0, 5);
        loopBack(212, 71);
        say(505, 192, QStringLiteral("Seven Segment LED Display."), Title, 7, true);
        drawDigit();
        break;
    case 8:
        joinDown(items, 0, 5);
        loopBack(204, 63);
        say(520, 180, QStringLiteral("Objective. To program"), Title, 8, true);
        say(520, 194, QStringLiteral("a circular array of"), Title, 8, true);
        say(520, 208, QStringLiteral("Light Emitting Diodes."), Title, 8, true);
        drawRing();
        break;
    case 9: {
        Randomize();
        A = int(8 * Rnd() + 1);
        B = int(8 * Rnd() + 1);
        const int C = A + B, Dv = A * B;
        say(20, 40, QStringLiteral("Main Program."), Title, 8, true);
        say(250, 40, QStringLiteral("Sub Procedure."), Title, 8, true);
        say(480, 40, QStringLiteral("Function Procedure."), Title, 8, true);
        say(20, 160, QStringLiteral("Summary."), Title, 8, true);
        say(20, 174, QStringLiteral("Sub: Program block of statements."), Navy, 7);
        say(20, 186, QStringLiteral("Function: Program block of statements, which"), Navy, 7);
        say(20, 198, QStringLiteral("also returns a value to calling program."), Navy, 7);
        say(300, 160, QStringLiteral("Dimensioned Variables  A, B, C and D."), Title, 8, true);
        say(300, 174, QStringLiteral("Assign random values between 1 and 9 to "), Navy, 7);
        say(300, 186, QStringLiteral("A and B. Store Results in C and D."), Navy, 7);
        say(300, 204, QStringLiteral("A = ") + QString::number(A) + QStringLiteral(" : B = ") + QString::number(B), Maroon, 8, true);
        say(20, 230, QStringLiteral("Print Output."), Title, 8, true);
        say(20, 246, QStringLiteral("Results.   C = ") + QString::number(C), Maroon, 8, true);
        say(20, 262, QStringLiteral("Results.   D = ") + QString::number(Dv), Maroon, 8, true);
        break;
    }
    default: break;
    }
    drawItems(items);
}

void ComputerProgramming::drawDigit()
{
    DrawSevenSegmentDigit(580, 210, programming::segmentsFor(count), Red, ButtonFace, Teal);
}

void ComputerProgramming::drawRing()
{
    constexpr double kPi = 3.14159265358979;
    for (int k = 0; k < 8; ++k) {
        const double a = 45.0 * (k + 1);
        const double x = 400 + 60 * std::cos(a * kPi / 180);
        const double y = 250 - 60 * std::sin(a * kPi / 180) / 1.28;
        circle(-2, x, y, 8, Grey);
        circle(-2, x, y, 5, std::fabs(a - ledAngle) < 1 ? Red : ButtonFace);
    }
}

void ComputerProgramming::Trigger_Click(int index)
{
    const int e = example();
    switch (e) {
    case 0:
    case 2:
    case 3:
    case 4:
    case 5:
        if (index == 0)
            toggle = !toggle;
        else if (index == 1)
            newExampleValues();
        configureExample(e);
        results();
        break;
    case 6: SelectButton_Click(0); break;
    case 7:
        if (index == 0) {
            Timer1->start();
            Trigger[1]->setEnabled(false);
        } else {
            stepTwo = !stepTwo;
            results();
        }
        break;
    case 8:
        if (index == 0) {
            Timer1->start();
            Trigger[0]->setShown(false);
            Trigger[1]->setShown(true);
        } else {
            Timer1->stop();
            ledAngle = 360;
            Trigger[1]->setShown(false);
            Trigger[0]->setShown(true);
        }
        break;
    case 9: results(); break;
    default: break;
    }
}

void ComputerProgramming::Timer1_Timer()
{
    const int e = example();
    if (e == 7) {
        results();
        const programming::LoopStep s = programming::nextCount(count, stepTwo);
        count = s.next;
        if (s.finished) {
            Timer1->stop();
            Trigger[1]->setEnabled(true);
        }
    } else if (e == 8) {
        results();
        ledAngle = programming::nextLedAngle(ledAngle);
    } else {
        Timer1->stop();
    }
}

void ComputerProgramming::formDeactivate()
{
    Timer1->stop();
    TopicForm::formDeactivate();
}

void ComputerProgramming::Picture1_MouseDown(double x, double y)
{
    ClickItems items;
    for (const ProgramItem& p : currentItems())
        items.push_back(p.item);
    pressClickItems(items, x, y, caption());
}

void ComputerProgramming::theoryParagraphs(int e, std::array<QString, 4>& p) { computerProgrammingTheory(e, p); }

namespace {
RegisterForm<ComputerProgramming> reg(QStringLiteral("ComputerProgramming"));
}

}  // namespace orr
