// MicroTiming "MICROPROCESSOR TIMING": the crystal clock halved by a JK
// flip-flop, with its waveforms moving along a strip, and the power-on reset
// circuit whose capacitor charges past the Schmitt input's threshold.
#include <QTimer>

#include "draw/block_diagram.h"
#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "draw/timing_symbols.h"
#include "topics/framework/topic_form.h"
#include "topics/micro/micro_theory.h"

namespace orr::micro {

namespace {

constexpr int kStripStart = 200, kStripEnd = 480, kStep = 5, kStepsPerTick = 8;
constexpr int kFullCharge = 6, kThreshold = 5;  // ticks of charge; the threshold is crossed at five

class MicroTiming : public TopicForm {
public:
    MicroTiming() : TopicForm(QStringLiteral("MicroTiming"), 1, 1)
    {
        title = QStringLiteral("MICROPROCESSOR TIMING");
        setTopicId(97);
        setDrawingFrame(10, 1.28f);
        Timer1 = new QTimer(this);
        Timer1->setInterval(1000);
        connect(Timer1, &QTimer::timeout, this, &MicroTiming::Timer1_Timer);
        Timer2 = new QTimer(this);
        Timer2->setInterval(1000);
        connect(Timer2, &QTimer::timeout, this, &MicroTiming::Timer2_Timer);
    }

    QTimer* Timer1 = nullptr;  // reset circuit: one step of charge
    QTimer* Timer2 = nullptr;  // clock waveforms
    int waveSteps = 0;         // how far the waveforms have moved along the strip
    bool charging = true;      // S1 open: the capacitor charges
    int charge = 0;

    void formLoad() override
    {
        waveSteps = 0;
        charging = true;
        charge = 0;
        TopicForm::formLoad();
    }
    void formActivate() override
    {
        TopicForm::formActivate();
        Timer1->start();
        Timer2->start();
    }
    void formDeactivate() override
    {
        Timer1->stop();
        Timer2->stop();
        TopicForm::formDeactivate();
    }
    void formQueryUnload() override
    {
        Timer1->stop();
        Timer2->stop();
        TopicForm::formQueryUnload();
    }

    void Trigger_Click(int) override
    {
        charging = !charging;
        Trigger[0]->setCaption(charging ? QStringLiteral("Set") : QStringLiteral("Reset"));
        results();
    }

    void Timer1_Timer()
    {
        if (example() != 1 || !isShown())
            return;
        // Charging climbs one step a second; the diode empties the capacitor at once.
        charge = charging ? std::min(kFullCharge, charge + 1) : 0;
        results();
    }

    void Timer2_Timer()
    {
        if (example() != 0 || !isShown())
            return;
        waveSteps += kStepsPerTick;
        if (kStripStart + waveSteps * kStep > kStripEnd)
            waveSteps = kStepsPerTick;  // the strip is cleared and the waves start again
        results();
    }

protected:
    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& f) override
    {
        f.print = true;
        f.copy = true;
        f.notes = true;
    }
    void configureExample(int e) override
    {
        Trigger[0]->setCaption(charging ? QStringLiteral("Set") : QStringLiteral("Reset"));
        Trigger[0]->setShown(e == 1);
        suite().selectorCount = -1;
    }
    QString quantityTypeFor(int, int) const override { return QStringLiteral("Positive Integer No."); }
    void takeValue(int, int, double) override {}

    void drawExample(int e) override
    {
        setCaption(title + QStringLiteral(":   ") +
                   (e == 0 ? QStringLiteral("Microprocessor Clock.") : QStringLiteral("Microprocessor Reset Circuit.")));
        if (e == 0)
            drawClock();
        else
            drawReset();
    }

    void theoryParagraphs(int e, std::array<QString, 4>& p) override
    {
        if (e == 0)
            setParagraphs(p,
                "Every step a microprocessor takes is timed by its clock. A quartz crystal, cut to vibrate at one "
                "exact frequency, keeps an oscillator running at that frequency; here the crystal runs at 2 MHz, "
                "two million cycles a second, and each cycle lasts 0.5 microseconds.",
                "Many processors need a clock at half the crystal's rate, or two clocks in step. A JK flip-flop "
                "with J and K held high toggles on every clock edge, so its output Q changes once per input cycle "
                "and completes one cycle for every two: the 2 MHz input becomes a 1 MHz output, exactly in step.",
                "The waveforms show the 2 MHz clock and the 1 MHz output moving along the strip, slowed down "
                "enormously so that you can follow them: each 1 MHz cycle spans two 2 MHz cycles.");
        else
            setParagraphs(p,
                "When the power is switched on the processor must start from a known state, so its reset input is "
                "held active until the supply has settled. A resistor and a capacitor do this: at switch-on the "
                "capacitor is empty and holds the reset input low, then it charges through the resistor and the "
                "voltage rises.",
                "The reset input is a Schmitt input: it changes state only when the voltage crosses its threshold, "
                "and it does so cleanly even though the voltage rises slowly. Once the capacitor has charged past "
                "the threshold the reset ends and the processor starts running its program from the reset vector.",
                "Switch S1 lets the user reset by hand: closing it discharges the capacitor at once, through S1 and "
                "the diode D1, and the reset is applied again. Press Reset to discharge the capacitor and Set to "
                "let it charge; in this model it takes five one-second ticks to cross the threshold.");
    }

private:
    void drawClock()
    {
        DrawLabelledBox(30, 80, 90, 44, QStringLiteral("Xtal 1\n2MHz"), colour::Cyan, colour::Navy, 9, true);
        DrawFlipFlopBlock(300, 50, 80, 110, {{20, QStringLiteral("J")}, {55, QStringLiteral("CP"), true}, {90, QStringLiteral("K")}},
                          {{55, QStringLiteral("Q")}}, colour::Yellow);
        // The crystal drives the clock input; J and K are held high.
        boxOrLine(0, 120, 105, 0, 155, 0, colour::Navy, QString());
        boxOrLine(0, 240, 70, 0, 35, 0, colour::Red, QString());
        boxOrLine(0, 240, 140, 0, 35, 0, colour::Red, QString());
        boxOrLine(0, 240, 55, 0, 0, 15, colour::Red, QString());
        boxOrLine(0, 240, 140, 0, 0, 15, colour::Red, QString());
        printMeasured(225, 43, QStringLiteral("+5V"), colour::Red, 8, true);
        printMeasured(225, 156, QStringLiteral("+5V"), colour::Red, 8, true);
        printMeasured(150, 90, QStringLiteral("2 MHz"), colour::Navy, 8, true);
        printMeasured(420, 90, QStringLiteral("1 MHz"), colour::Maroon, 8, true);
        printMeasured(300, 170, QStringLiteral("JK flip-flop divides by two."), colour::Navy, 8);
        // The strip the waveforms move along.
        boxOrLine(0, 180, 238, 0, 450, 55, colour::White, QStringLiteral("BF"));
        boxOrLine(0, 180, 238, 0, 450, 55, colour::Grey, QStringLiteral("B"));
        printMeasured(120, 244, QStringLiteral("2 MHz"), colour::Navy, 8, true);
        printMeasured(120, 270, QStringLiteral("1 MHz"), colour::Maroon, 8, true);
        QString fast, slow;
        for (int i = 0; i < waveSteps; ++i) {
            fast += (i % 2 == 0) ? QLatin1Char('1') : QLatin1Char('0');
            slow += (i % 4 < 2) ? QLatin1Char('1') : QLatin1Char('0');
        }
        if (!fast.isEmpty()) {
            DrawWaveform(kStripStart, 244, fast, kStep, 14, colour::Navy);
            DrawWaveform(kStripStart, 270, slow, kStep, 14, colour::Maroon);
        }
        printMeasured(180, 300, QStringLiteral("Time runs left to right: one 1 MHz cycle = two 2 MHz cycles."), colour::Navy, 8);
    }

    void drawReset()
    {
        // +5V -> R -> node -> C -> 0V; S1 across C; D1 back to the supply; node -> Schmitt input.
        printMeasured(85, 8, QStringLiteral("+5V"), colour::Red, 8, true);
        boxOrLine(0, 60, 22, 0, 160, 0, colour::Red, QString());
        DrawResistorVertical(100, 22, QStringLiteral("1"), colour::Navy, 10000);
        boxOrLine(0, 100, 78, 0, 0, 22, colour::Navy, QString());
        boxOrLine(0, 40, 100, 0, 180, 0, colour::Navy, QString());
        DrawCapacitor(100, 100, QStringLiteral("1"), colour::Navy, 1e-5f);
        DrawEarth(100, 159);
        // S1 closes across the capacitor.
        boxOrLine(0, 40, 100, 0, 0, 30, colour::Navy, QString());
        DrawPushSwitch(40, 130, QStringLiteral("S1"), !charging);
        boxOrLine(0, 40, 153, 0, 0, 16, colour::Navy, QString());
        boxOrLine(0, 40, 169, 0, 60, 0, colour::Navy, QString());
        // D1 from the node back to the supply.
        boxOrLine(0, 180, 74, 0, 0, 26, colour::Navy, QString());
        DrawDiodes(180, 40, QStringLiteral("D1"), 3);
        boxOrLine(0, 180, 22, 0, 0, 18, colour::Navy, QString());
        // The Schmitt input and the processor's reset.
        DrawLabelledBox(220, 80, 90, 40, QStringLiteral("Schmitt\ninput"), colour::Yellow, colour::Navy, 8, true);
        const bool running = charge >= kThreshold;
        DrawArrow(310, 100, 360, 100, running ? colour::Green : colour::Red);
        DrawLabelledBox(360, 75, 80, 50, QStringLiteral("CPU\nRESET"), colour::Cyan, colour::Navy, 8, true);

        // The capacitor's voltage against the threshold.
        constexpr int mx = 520, my = 40, mh = 180, mw = 40;
        boxOrLine(0, mx, my, 0, mw, mh, colour::White, QStringLiteral("BF"));
        const int level = mh * charge / kFullCharge;
        if (level > 0)
            boxOrLine(0, mx, my + mh - level, 0, mw, level, charging ? colour::Lime : colour::Red, QStringLiteral("BF"));
        boxOrLine(0, mx, my, 0, mw, mh, colour::Navy, QStringLiteral("B"));
        const int ty = my + mh - mh * kThreshold / kFullCharge;
        boxOrLine(0, mx - 30, ty, 0, mw + 40, 0, colour::Red, QString());
        printMeasured(mx - 175, ty - 5, QStringLiteral("Schmitt input threshold."), colour::Red, 8);
        printMeasured(mx - 5, my + mh + 4, QStringLiteral("Capacitor"), colour::Navy, 8, true);
        printMeasured(mx - 5, my + mh + 18, charging ? QStringLiteral("Charging.") : QStringLiteral("Discharging."),
                      charging ? colour::Green : colour::Red, 8, true);
        printMeasured(20, 200, running ? QStringLiteral("Reset released: the processor runs.")
                                       : QStringLiteral("Reset held: the processor waits."),
                      running ? colour::Green : colour::Red, 10, true);
        printMeasured(20, 222, QStringLiteral("Charge = %1 of %2 ticks, threshold at %3.").arg(charge).arg(kFullCharge).arg(kThreshold),
                      colour::Navy, 8);
    }
};

RegisterForm<MicroTiming> reg(QStringLiteral("MicroTiming"));

}  // namespace
}  // namespace orr::micro
