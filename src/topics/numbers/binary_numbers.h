// BinaryNumbers: conversions between decimal and the binary, octal and
// hexadecimal bases, with every step of the working drawn on the picture.
#pragma once

#include <array>

#include "topics/framework/topic_form.h"

namespace orr {

class BinaryNumbers : public TopicForm {
public:
    BinaryNumbers();

    // The window's input values; each example reads one of them.
    float smallInteger = 125;                     // example 0
    QString binaryInteger = QStringLiteral("11011011");  // example 1
    float decimalNumber = 25.479f;                // examples 2, 4 and 6
    float binaryFraction = 1101.101f;             // example 3: decimal digits are binary digits
    float octalNumber = 127.521f;                 // example 5: decimal digits are octal digits
    QString hexNumber = QStringLiteral("AA23.16");  // example 7

    // The example captions shown after the title.
    static QString exampleCaption(int e);

protected:
    void setDefaults() override;
    void setToolbarFlags(SuiteState::ToolbarFlags& flags) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& paragraphs) override;
    QString quantityTypeFor(int e, int index) const override;
    void takeValue(int e, int index, double value) override;

private:
    QString inputCaption(int e) const;

    void drawSimpleDecimalToBinary();
    void drawDecimalToBinary();
    void drawDecimalToGroups(int group);
    void drawToDecimal(const QString& text, int base, int maxChars, int maxFractionDigits, bool withTable,
                       int padTo);
    void drawDivisionRows(double n, int top, int maxRows);
    void drawDigitTable(int x, int y, int group, const QString& usedDigits);
};

// The theory paragraphs of example e (the topic's own tutorial prose).
void binaryNumbersTheory(int e, std::array<QString, 4>& paragraphs);

}  // namespace orr
