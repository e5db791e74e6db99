// Instructions "INSTRUCTIONS and CONTROL": how an instruction is decoded and
// carried out — instruction register and ALU, instruction decoder, control
// signals with the clock, and chip select.
#pragma once

#include <QTimer>

#include "topics/framework/topic_form.h"

namespace orr::micro {

// The ALU of the example, bit by bit over eight "0"/"1" characters: code
// "00" AND, "01" OR, "10" exclusive OR, "11" NOT of registerA (operand ignored).
QString aluResult(const QString& code, const QString& registerA, const QString& operand);

class Instructions : public TopicForm {
    Q_OBJECT
public:
    Instructions();

    QString registerA = QStringLiteral("10101111");
    QString operand = QStringLiteral("11010001");
    QString code = QStringLiteral("00");
    QString result = QStringLiteral("00000000");
    QString address = QStringLiteral("10110101");
    bool writing = false;        // read/write switch: false reads
    bool inputOutput = false;    // chip select: false the memory, true the port
    int clockPhase = 0;          // which half of the clock waveform is lit
    int clockTicks = 0;          // clock timer ticks since the page was last drawn

    QTimer* Timer1 = nullptr;  // chip-select highlight
    QTimer* Timer2 = nullptr;  // clock waveform

    void formLoad() override;
    void formActivate() override;
    void formDeactivate() override;
    void Trigger_Click(int index) override;
    void Timer1_Timer();
    void Timer2_Timer();

protected:
    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;
    QString quantityTypeFor(int, int) const override { return QStringLiteral("Binary No."); }
    void takeValue(int e, int index, double value) override;

private:
    void drawRegisterAndAlu();
    void drawDecoder();
    void drawControlSignals();
    void drawChipSelect();
    void drawClock();
    void drawReadWriteStatus();
    void drawLegend(int highlighted);
    float scaleFor(int e) const { return e == 3 ? 1.21f : 1.28f; }
};

}  // namespace orr::micro
