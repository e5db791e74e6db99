// NumberSystems: decimal arithmetic with the working on the picture — place
// value, column sums, long multiplication and division, decimals and signs,
// directed numbers, sequences, a temperature flowchart and matrices.
#pragma once

#include <array>

#include "topics/framework/topic_form.h"

namespace orr {

class NumberSystems : public TopicForm {
public:
    NumberSystems();

    // Working values; each example loads its own defaults when it opens.
    double a = 23.6, b = 13.5, c = 63.2;
    double firstTerm = -7, difference = 3;
    float terms = 5;
    float temperature = 100;
    bool celsius = true;
    bool subtract = false;      // directed numbers: the operation shown
    int additionSet = 0;        // the matrix data set shown
    int multiplicationSet = 0;

    static QString exampleCaption(int e);
    // The defaults of example e's working values a, b and c.
    static std::array<double, 3> exampleDefaults(int e);

    void SelectButton_Click(int index) override;
    void Trigger_Click(int index) override;

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
    void setTriggerCaption(int e);
};

// The drawings, one function per example group.
namespace number_systems {
void drawAddition(double a, double b, double c);
void drawSubtraction(double a, double b);
void drawMultiplication(double a, double b);
void drawDivision(double divisor, double dividend);
void drawPlaceValue(double count);
void drawFurtherSum(double x, double y, bool subtraction);
void drawFurtherMultiplication(double a, double b);
void drawFurtherDivision(double a, double b);
void drawDirected(double x, double y, bool subtraction);
void drawSequence(double first, double difference, int count);
void drawTemperature(double value, bool celsius);
void drawMatrixAddition(int set);
void drawMatrixMultiplication(int set);
// "Equation Editor." with the example's expression, beside the working.
void drawEquationHint(int e);
}  // namespace number_systems

void numberSystemsTheory(int e, std::array<QString, 4>& paragraphs);

}  // namespace orr
