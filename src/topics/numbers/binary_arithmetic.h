// BinaryArithmetic: signed and coded binary numbers and binary column sums —
// sign and magnitude, ones and twos complement, BCD, addition, subtraction by
// twos complement and floating point — with the working on the picture.
#pragma once

#include <array>

#include "topics/framework/topic_form.h"

namespace orr {

class BinaryArithmetic : public TopicForm {
public:
    BinaryArithmetic();

    // The window's input values.
    double decimalNumber = -56.125;  // examples 0 and 1
    float signedInteger = -87;       // example 2
    float bcdInteger = 45679;        // example 3
    float integerA = 251;            // examples 4 and 5, magnitudes
    float integerB = 37;
    double mantissa = 233.678;       // example 6
    float exponent = 9;

    static QString exampleCaption(int e);

protected:
    void setDefaults() override;
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;
    QString quantityTypeFor(int e, int index) const override;
    void takeValue(int e, int index, double value) override;
    bool takesMagnitude() const override { return false; }

private:
    void drawSignAndMagnitude(bool onesComplement);
    void drawTwosComplement();
    void drawBcd();
    void drawAddition();
    void drawSubtraction();
    void drawFloatingPoint();
};

void binaryArithmeticTheory(int e, std::array<QString, 4>& paragraphs);
// Example 6, drawn from its own file.
void drawBinaryFloatingPoint(double mantissa, int exponent);

}  // namespace orr
