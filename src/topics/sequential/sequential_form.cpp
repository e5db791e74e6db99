// SequentialForm: clock pulse ownership and the shared figure pieces.
#include "topics/sequential/sequential_form.h"

#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"

namespace orr::seq {

SequentialForm::SequentialForm(const QString& name, int selectors, int triggers, TheoryText theory)
    : TopicForm(name, selectors, triggers), pulse_(new ClockPulse(this)), theory_(theory)
{
    setDrawingFrame(50, 1.28f);
    pulse_->onRise = [this] { results(); };
    pulse_->onFall = [this] {
        pulseEnded(example());
        results();
    };
}

void SequentialForm::Proc_1()
{
    // A pulse started on another example never lands on this one.
    pulse_->cancel();
    TopicForm::Proc_1();
}

void SequentialForm::formDeactivate()
{
    if (pulse_->cancel() && loadedFlag)
        results();
    TopicForm::formDeactivate();
}

void SequentialForm::formQueryUnload()
{
    pulse_->cancel();
    TopicForm::formQueryUnload();
}

void SequentialForm::clockPress() { pulse_->start(); }

void SequentialForm::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void SequentialForm::drawPulseWaveform(int x, int y, const QString& caption, const QString& rising,
                                       const QString& complete, long captionColour, bool startsHigh)
{
    label(x, y - 42, caption, captionColour, 8, true);
    draw(x, startsHigh ? y - 25 : y, clockHigh() ? rising : complete);
}

void SequentialForm::drawClockWaveform(int x, int y, const QString& caption)
{
    drawPulseWaveform(x, y, caption, QStringLiteral("c12 r25 u25 r25"), QStringLiteral("c12 r25 u25 r25 d25 r25"),
                      colour::Red);
}

void SequentialForm::drawInvertedClockWaveform(int x, int y)
{
    drawPulseWaveform(x, y, QStringLiteral("Inverted clock pulse."), QStringLiteral("c2 r25 d25 r25 "),
                      QStringLiteral("c2 r25 d25 r25 u25 r25"), colour::Green, true);
}

void drawCrossCoupledGates(bool nand, int x0, int y0)
{
    draw(x0, y0, QStringLiteral("c0 R100 L75 D19 M-145,+50 D18 nr20 BU75 nr20 D19 M+145,50 D19 R75"));
    dot(x0 + 25, y0, colour::Black);
    dot(x0 + 25, y0 + 100, colour::Black);
    // The lower gate's output lead on to the feedback junction.
    boxOrLine(0, x0 + 9, y0 + 100, 0, 16, 0, colour::Black, QString());
    if (nand) {
        DrawNandGate(x0 - 90, y0);
        DrawNandGate(x0 - 90, y0 + 100);
    } else {
        DrawNorGate(x0 - 90, y0);
        DrawNorGate(x0 - 90, y0 + 100);
    }
}

void label(int x, int y, const QString& text, long colour, int size, bool bold)
{
    int b = bold ? 1 : 0;
    printAt(x, y, text, colour, size, b);
}

void heading(const QString& text) { label(0, 4, text, colour::Title, 11, true); }

QString bitText(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }

}  // namespace orr::seq
