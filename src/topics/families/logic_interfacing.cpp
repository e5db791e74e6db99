// LogicInterfacing: the buffer stage, relay driver, CMOS to TTL interface and
// clock pulse generator over the interfacing models.
#include "topics/families/logic_interfacing.h"

#include "draw/primitives.h"
#include "draw/symbols.h"
#include "topics/families/families_theory.h"
#include "topics/families/family_figures.h"
#include "topics/families/family_model.h"
#include "topics/logic/circuit_figures.h"
#include "values/formatters.h"

namespace orr {

namespace {

using namespace families;
using logic::junction;
using logic::label;
using logic::wire;

// A Schmitt inverter: the inverter symbol with the hysteresis mark inside.
void schmittInverter(int x, int y)
{
    DrawNotGate(x, y);
    draw(x + 6, y + 4, QStringLiteral("c0 r8 u8 r4 bl8 bd8 bu8 r8"));
}

void logicBox(int x, int y, bool one)
{
    if (one)
        DrawLogic1(x, y, colour::InputLevel);
    else
        DrawLogic0(x, y, colour::InputLevel);
}

}  // namespace

LogicInterfacing::LogicInterfacing() : TopicForm(QStringLiteral("LogicInterfacing"), 0, 2)
{
    title = QStringLiteral("LOGIC INTERFACING");
    setTopicId(86);
    setDrawingFrame(50, 1.28f);
}

QString LogicInterfacing::exampleCaption(int e)
{
    switch (e) {
    case 0: return QStringLiteral("Logic Buffer Stage.");
    case 1: return QStringLiteral("Bipolar Transistor Driver.");
    case 2: return QStringLiteral("CMOS to TTL Logic Interface.");
    case 3: return QStringLiteral("Clock Pulse Generator.");
    default: return QString();
    }
}

// Opening an example starts it from both inputs at "0".
void LogicInterfacing::setDefaults()
{
    A = QStringLiteral("0");
    B = QStringLiteral("0");
}

void LogicInterfacing::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void LogicInterfacing::configureExample(int e)
{
    triggerSetup(true, e == 1 || e == 3, false);
    setTriggerCaptions(e);
    suite().selectorCount = -1;
}

// Each caption names what a click selects.
void LogicInterfacing::setTriggerCaptions(int e)
{
    switch (e) {
    case 0:
        Trigger[0]->setCaption(isOne(A) ? QStringLiteral("Schmitt Input 0") : QStringLiteral("Schmitt Input 1"));
        break;
    case 1:
        Trigger[0]->setCaption(QStringLiteral("Input A"));
        Trigger[1]->setCaption(QStringLiteral("Input B"));
        break;
    case 2:
        Trigger[0]->setCaption(isOne(A) ? QStringLiteral("3V Input") : QStringLiteral("15V Input"));
        break;
    case 3:
        Trigger[0]->setCaption(isOne(A) ? QStringLiteral("R1 = 56kOhms") : QStringLiteral("R1 = 10MOhms"));
        Trigger[1]->setCaption(isOne(B) ? QStringLiteral("C1 = 250nF") : QStringLiteral("C1 = 1\u00B5F"));
        break;
    default: break;
    }
}

void LogicInterfacing::Trigger_Click(int index)
{
    if (index == 0)
        A = toggled(A);
    else if (index == 1)
        B = toggled(B);
    else
        return;
    setTriggerCaptions(example());
    results();
}

void LogicInterfacing::theoryParagraphs(int e, std::array<QString, 4>& p) { interfacingTheory(e, p); }

void LogicInterfacing::drawExample(int e)
{
    if (e < 0 || e > 3)
        return;
    setCaption(title + QStringLiteral(":   ") + exampleCaption(e));
    label(0, 4, exampleCaption(e), colour::Title, 11, true);
    switch (e) {
    case 0: drawBufferStage(); break;
    case 1: drawRelayDriver(); break;
    case 2: drawLevelShifter(); break;
    case 3: drawClockGenerator(); break;
    default: break;
    }
}

// A Schmitt inverter drives a Darlington pair through R1; the pair switches
// the warning device WD1.
void LogicInterfacing::drawBufferStage()
{
    const BufferStage s = bufferStage(A);
    inputTerminal(60, 150, QStringLiteral("Schmitt Input"), QString());
    logicBox(20, 156, isOne(A));
    wire(63, 150, 37, 0);
    schmittInverter(140, 150);
    DrawLogicBit(210, 130, colour::OutputLevel, s.conducting);
    DrawResistor(203, 150, QStringLiteral("1"), colour::White, 4700);
    wire(272, 150, 28, 0);
    DrawTransistorPair(280, 150, QString());
    wire(340, 110, 120, 0);
    junction(460, 110);
    label(340, 230, QStringLiteral("Darlington"), colour::Title, 8, true);
    label(340, 244, QStringLiteral("Transistor."), colour::Title, 8, true);
    label(476, 124, QStringLiteral("Collector"), colour::Black, 7);
    label(280, 118, QStringLiteral("Base"), colour::Black, 7);
    label(430, 214, QStringLiteral("Emitter"), colour::Black, 7);
    wire(420, 211, 0, 20);
    DrawEarth(420, 231);
    // The warning device between the supply and the collectors.
    rail(460, 40, 60, QStringLiteral("+5V"));
    wire(460, 40, 0, 20);
    boxOrLine(0, 440, 60, 0, 40, 40, s.conducting ? colour::Yellow : colour::White, QStringLiteral("BF"));
    boxOrLine(0, 440, 60, 0, 40, 40, colour::Black, QStringLiteral("B"));
    label(446, 74, QStringLiteral("WD1"), colour::Black, 8, true);
    wire(460, 100, 0, 30);
    label(490, 74, s.conducting ? QStringLiteral("WD1 ON") : QStringLiteral("WD1 OFF"), stateColour(s.conducting), 8,
          true);
    stateText(340, 258, s.conducting);
    if (s.conducting) {
        nodeText(286, 160, FormatVolts(s.baseVolts));
        label(0, 262, QStringLiteral("5V - 1.4V = 3.6V"), colour::Red, 8, true);
        label(0, 276, QStringLiteral("Voltage across R1 = ") + FormatVolts(s.resistorVolts), colour::Red, 8, true);
        label(0, 296, QStringLiteral("'Sound would continue for as long as transistor conducts.'"), colour::Title, 8,
              true);
    } else {
        label(0, 262, QStringLiteral("Schmitt output 0V: no base current, the transistor is OFF."), colour::Grey, 8,
              true);
    }
}

// A NAND gate drives T1, which energises the relay RLA 1 and closes its contacts.
void LogicInterfacing::drawRelayDriver()
{
    const RelayDriver r = relayDriver(A, B);
    inputTerminal(60, 107, QStringLiteral("Input A"), QString());
    inputTerminal(60, 132, QStringLiteral("Input B"), QString());
    logicBox(20, 101, isOne(A));
    logicBox(20, 126, isOne(B));
    wire(63, 107, 47, 0);
    wire(63, 132, 47, 0);
    DrawNandGate(140, 120);
    if (r.gateOutput)
        DrawLogic1(210, 100, colour::OutputLevel);
    else
        DrawLogic0(210, 100, colour::OutputLevel);
    DrawResistor(239, 120, QStringLiteral("1"), colour::White, 2200);
    DrawNpnTransistor(308, 120, QStringLiteral("T1"));
    stateText(402, 128, r.gateOutput);
    wire(377, 161, 0, 10);
    DrawEarth(377, 171);
    // Relay coil with its protection diode.
    rail(377, 24, 80, QStringLiteral("+12V"));
    wire(377, 24, 0, 10);
    boxOrLine(0, 367, 34, 0, 20, 36, r.gateOutput ? colour::Yellow : colour::White, QStringLiteral("BF"));
    boxOrLine(0, 367, 34, 0, 20, 36, colour::Black, QStringLiteral("B"));
    wire(377, 70, 0, 11);
    label(330, 44, QStringLiteral("RLA 1."), colour::Black, 8, true);
    wire(377, 24, 60, 0);
    DrawDiodes(437, 24, QString(), 3);
    wire(437, 58, 0, 18);
    wire(437, 76, -60, 0);
    junction(377, 76);
    // The contacts switch the load circuit.
    label(480, 176, QStringLiteral("Relay Contacts."), colour::Title, 8, true);
    wire(470, 220, 30, 0);
    DrawToggleSwitch(500, 220, r.contactsClosed, QStringLiteral("RLA 1"));
    wire(530, 220, 40, 0);
    label(480, 236, r.contactsClosed ? QStringLiteral("Closed") : QStringLiteral("Open"),
          r.contactsClosed ? colour::Red : colour::Grey, 8, true);
    label(0, 262, QStringLiteral("NAND output 1 turns T1 ON; the relay coil pulls the contacts closed."),
          colour::Title, 8);
}

// A CMOS output of 3V or 15V drives T1, whose collector gives the TTL level.
void LogicInterfacing::drawLevelShifter()
{
    const LevelShifter s = levelShifter(A);
    const int barHeight = isOne(A) ? 150 : 30;
    boxOrLine(0, 20, 250 - barHeight, 0, 20, barHeight, colour::Red, QStringLiteral("BF"));
    boxOrLine(0, 20, 250 - barHeight, 0, 20, barHeight, colour::Black, QStringLiteral("B"));
    label(12, 256, FormatVolts(s.inputVolts), colour::Red, 8, true);
    label(0, 270, QStringLiteral("CMOS output"), colour::Black, 7);
    inputTerminal(100, 150, QStringLiteral("CMOS"), QString());
    wire(103, 150, 27, 0);
    DrawResistor(130, 150, QStringLiteral("1"), colour::White, 1000);
    wire(199, 150, 31, 0);
    junction(215, 150);
    nodeText(200, 160, QStringLiteral("0.6V"));
    DrawNpnTransistor(230, 150, QStringLiteral("T1"));
    label(320, 170, QStringLiteral("NPN"), colour::Black, 7);
    label(320, 182, QStringLiteral("Transistor."), colour::Black, 7);
    wire(299, 191, 0, 20);
    nodeText(306, 200, QStringLiteral("0V"));
    DrawEarth(299, 211);
    rail(299, 30, 40, QStringLiteral("+5V"));
    DrawResistorVertical(299, 30, QStringLiteral("2"), colour::White, 1000);
    wire(299, 86, 0, 25);
    junction(299, 98);
    wire(299, 98, 101, 0);
    outputTerminal(403, 98, QStringLiteral("To TTL input"), QStringLiteral("0V '0'"));
    int x = 0;
    printFraction(360, 230, 8, QStringLiteral("Base current"), colour::Black, true, QStringLiteral("VR1"),
                  QStringLiteral("R1"), x);
    printFraction(x + 6, 230, 8, QString(), colour::Black, true, FormatVolts(s.resistorVolts), QStringLiteral("1000"),
                  x);
    label(x + 4, 230, QStringLiteral(" = ") + FormatAmps(s.baseCurrent), colour::Red, 8, true);
    label(360, 268, QStringLiteral("VR1 = ") + FormatVolts(s.inputVolts) + QStringLiteral(" - 0.6V"), colour::Black,
          8);
}

// A Schmitt inverter with R1 from output to input and C1 from input to 0V
// oscillates at about 1 / (R1 C1).
void LogicInterfacing::drawClockGenerator()
{
    const ClockGenerator c = clockGenerator(A, B);
    schmittInverter(120, 90);
    label(140, 108, QStringLiteral("IC2"), colour::Black, 8, true);
    junction(80, 90);
    wire(80, 90, 0, 20);
    DrawCapacitor(80, 110, QStringLiteral("1"), colour::White, c.c1);
    DrawEarth(80, 169);
    wire(183, 90, 40, 0);
    junction(200, 90);
    wire(200, 90, 0, -50);
    wire(200, 40, -20, 0);
    DrawResistor(111, 40, QStringLiteral("1"), colour::White, c.r1);
    wire(111, 40, -31, 0);
    wire(80, 40, 0, 50);
    outputTerminal(226, 90, QStringLiteral("Clock"), QString());
    label(300, 40, QStringLiteral("R1 = ") + FormatOhms(c.r1), colour::Black, 8, true);
    label(300, 56, QStringLiteral("C1 = ") + FormatFarads(c.c1), colour::Black, 8, true);
    int x = 0;
    printFraction(300, 80, 8, QStringLiteral("Frequency"), colour::Black, true, QStringLiteral("1"),
                  QStringLiteral("R1 \u00D7 C1"), x);
    label(300, 110, QStringLiteral("Frequency = ") + FormatHertz(c.frequency), colour::Red, 8, true);

    // The capacitor voltage against time.
    constexpr int left = 60, base = 300, width = 500, steps = 250;
    constexpr float perVolt = 40;
    label(250, 160, QStringLiteral("Capacitor Charging Waveform."), colour::Title, 8, true);
    wire(left, base, width, 0);
    wire(left, base, 0, -110);
    label(left - 24, base - 110, QStringLiteral("VC"), colour::Black, 7, true);
    label(left + width + 4, base - 6, FormatSeconds(steps * 0.01f * c.r1 * c.c1), colour::Black, 7);
    const int threshold = base - int(kUpperThreshold * perVolt);
    boxOrLine(2, left, threshold, 0, width, 0, colour::Red, QString());
    label(left + width - 200, threshold - 14, QStringLiteral("1.5V Schmitt inverter threshold."), colour::Red, 7);
    const std::vector<float> v = chargingCurve(steps);
    for (size_t i = 1; i < v.size(); ++i) {
        const double x0 = left + (i - 1) * double(width) / steps;
        boxOrLine(0, x0, base - v[i - 1] * perVolt, 0, double(width) / steps, (v[i - 1] - v[i]) * perVolt,
                  colour::Blue, QString());
    }
}

namespace {
RegisterForm<LogicInterfacing> reg(QStringLiteral("LogicInterfacing"));
}

}  // namespace orr
