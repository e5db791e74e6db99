// SequentialForm: the common ground of the clocked-logic windows. It owns the
// animated clock pulse, stops it whenever the window is deactivated, closed or
// switched to another example (a dropped pulse changes nothing), and redraws
// at each step of the pulse. The windows keep their inputs and stored states
// while they are open; they start afresh when the window loads.
#pragma once

#include "topics/framework/topic_form.h"
#include "topics/sequential/clock_pulse.h"

namespace orr::seq {

class SequentialForm : public TopicForm {
public:
    // theory fills the four paragraphs of an example.
    using TheoryText = void (*)(int e, std::array<QString, 4>& paragraphs);
    SequentialForm(const QString& name, int selectors, int triggers, TheoryText theory);

    ClockPulse* pulse() const { return pulse_; }

    void Proc_1() override;
    void formDeactivate() override;
    void formQueryUnload() override;

protected:
    // Applies the state change of the trailing edge for example e.
    virtual void pulseEnded(int e) = 0;

    // Starts the pulse (the clock button); a press during a pulse is ignored.
    void clockPress();
    // The clock level as the picture shows it: high between Timer1 and Timer2.
    bool clockHigh() const { return pulse_->high(); }

    // A pulse waveform over the baseline y (low level; the high level is 25
    // above) with its caption above it: only the first half while the clock is
    // high, the complete pulse otherwise.
    void drawPulseWaveform(int x, int y, const QString& caption, const QString& rising,
                           const QString& complete, long captionColour, bool startsHigh = false);
    // The standard waveforms of the clock pulse and of the inverted pulse.
    void drawClockWaveform(int x, int y, const QString& caption = QStringLiteral("Clock pulse."));
    void drawInvertedClockWaveform(int x, int y);

    void setDefaults() override {}
    void theoryParagraphs(int e, std::array<QString, 4>& p) override { theory_(e, p); }
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    // Most of these windows take no entered values.
    QString quantityTypeFor(int, int) const override { return QString(); }
    void takeValue(int, int, double) override {}

private:
    ClockPulse* pulse_ = nullptr;
    TheoryText theory_;
};

// Two cross-coupled NAND (or NOR) gates: outputs at (x0, y0) (Q) and
// (x0, y0 + 100) (NOT Q) running on to x0 + 100, outer inputs at y0 - 13 and
// y0 + 112 entering from x0 - 120.
void drawCrossCoupledGates(bool nand, int x0, int y0);

// Small printing helpers of the clocked-logic figures.
void label(int x, int y, const QString& text, long colour, int size = 8, bool bold = false);
void heading(const QString& text);
QString bitText(bool v);

}  // namespace orr::seq
