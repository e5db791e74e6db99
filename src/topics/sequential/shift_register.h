// ShiftRegister "SHIFT REGISTERS": four D flip-flops shifting a serial word to
// the right or to the left, and a register loaded with a 4-bit parallel word
// through OR gates and then shifted right. Trigger(0) is the clock; the
// "8 bit word" entry sets the word.
#pragma once

#include "topics/sequential/sequential_form.h"
#include "topics/sequential/shift_model.h"

namespace orr::seq {

class ShiftRegister : public SequentialForm {
public:
    ShiftRegister();

    float serialWord = 11101011;
    float parallelWord = 1101;
    int shiftPosition = 0;
    int lastLoadedWord = 0;

    void formLoad() override;
    void Proc_1() override;
    void Trigger_Click(int index) override;

protected:
    void configureExample(int e) override;
    void drawExample(int e) override;
    QString quantityTypeFor(int, int) const override { return QStringLiteral("Binary No."); }
    void takeValue(int e, int index, double value) override;
    void pulseEnded(int e) override;

private:
    void drawStages(bool mirrored);
    void drawSerial(bool left);
    void drawParallel();
    void drawIncomingWord();
};

}  // namespace orr::seq
