// NumberSystems: the window, its values, selectors and limits.
#include "topics/numbers/number_systems.h"

#include <cmath>

#include "tools/equation_editor.h"
#include "topics/numbers/matrices.h"
#include "values/formatters.h"
#include "values/limit_value.h"

namespace orr {

namespace {

// Example defaults of the working values a, b and c in one table: the first
// worked example printed beside each example, or values that show the rule.
constexpr std::array<std::array<double, 3>, 10> kDefaults = {{
    {56, 125, 1000},      // addition
    {2700, 132, 0},       // subtraction
    {2527, 1234, 0},      // multiplication
    {17, 128536, 0},      // division: divisor a, dividend b
    {1234, 0, 0},         // place value count
    {23.6, -13.5, 0},     // further addition x, y
    {23.6, 13.5, 0},      // further subtraction x, y
    {2.5, 1.25, 0},       // further multiplication
    {12.75, 2.5, 0},      // further division
    {-5, 3, 0},           // directed numbers x, y
}};

// The "Equation Editor" selector of the first four examples.
int equationSelector(int e) { return e == 0 ? 3 : e < 4 ? 2 : -1; }

QString plain(double v) { return FormatDecimal(float(v), false); }

}  // namespace

NumberSystems::NumberSystems() : TopicForm(QStringLiteral("NumberSystems"), 4, 1)
{
    title = QStringLiteral("NUMBER SYSTEMS");
    setTopicId(51);
    setDrawingFrame(20, 1.28f);
}

QString NumberSystems::exampleCaption(int e)
{
    static const char* const captions[] = {
        "Addition.",
        "Subtraction.",
        "Multiplication.",
        "Division.",
        "Units, Tens, Hundreds etc.",
        "Further Addition.",
        "Further Subtraction.",
        "Further Multiplication.",
        "Further Division.",
        "Directed Numbers.",
        "Finding Next Number in a Sequence.",
        "Temperature Conversion Application.",
        "Matrices Addition.",
        "Matrices Multiplication.",
    };
    return e >= 0 && e < 14 ? QLatin1String(captions[e]) : QString();
}

std::array<double, 3> NumberSystems::exampleDefaults(int e)
{
    return e >= 0 && e < int(kDefaults.size()) ? kDefaults[e] : std::array<double, 3>{23.6, 13.5, 63.2};
}

void NumberSystems::setDefaults()
{
    const std::array<double, 3> d = exampleDefaults(example());
    a = d[0];
    b = d[1];
    c = d[2];
    firstTerm = -7;
    difference = 3;
    terms = 5;
    temperature = 100;
    celsius = true;
    subtract = false;
}

void NumberSystems::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void NumberSystems::configureExample(int e)
{
    const auto selector = [&](int i, const char* caption, const QString& value) {
        SelectButton[i]->setCaption(QLatin1String(caption));
        setLabelQuietly(i, value);
    };
    int count = 0;
    switch (e) {
    case 0:
        selector(0, "Value a", plain(a));
        selector(1, "Value b", plain(b));
        selector(2, "Value c", plain(c));
        count = 3;
        break;
    case 1: case 2: case 3: case 7: case 8:
        selector(0, "Value a", plain(a));
        selector(1, "Value b", plain(b));
        count = e < 4 ? 2 : 1;
        break;
    case 4:
        selector(0, "Count", FormatDecimal(float(a), true));
        break;
    case 5: case 6: case 9:
        selector(0, "Value x", plain(a));
        selector(1, "Value y", plain(b));
        count = 1;
        break;
    case 10:
        selector(0, "First Term", plain(firstTerm));
        selector(1, "Difference", plain(difference));
        selector(2, "No. Terms", FormatDecimal(terms, true));
        count = 2;
        break;
    case 11:
        selector(0, celsius ? "Temp. C" : "Temp. F", FormatTemperature(temperature, celsius));
        break;
    default:
        selector(0, "Next Set?",
                 QStringLiteral("Set %1").arg((e == 12 ? additionSet : multiplicationSet) + 1));
        break;
    }
    if (const int q = equationSelector(e); q >= 0) {
        SelectButton[q]->setCaption(QStringLiteral("Equation Editor"));
        setLabelQuietly(q, QString());
    }
    suite().selectorCount = count;
    triggerSetup(e == 9 || e == 11, false, false);
    setTriggerCaption(e);
}

void NumberSystems::setTriggerCaption(int e)
{
    // The caption names what a press selects.
    if (e == 9)
        Trigger[0]->setCaption(subtract ? QStringLiteral("Addition") : QStringLiteral("Subtraction"));
    else if (e == 11)
        Trigger[0]->setCaption(celsius ? QStringLiteral("Fahrenheit") : QStringLiteral("Celsius"));
}

QString NumberSystems::quantityTypeFor(int e, int index) const
{
    switch (e) {
    case 4: return QStringLiteral("Integer No.");
    case 5: case 6: case 9: return QStringLiteral("Decimal No.");
    case 7: case 8: return QStringLiteral("Positive Decimal No.");
    case 10: return index == 2 ? QStringLiteral("Positive Integer No.") : QStringLiteral("Decimal No.");
    case 11: return celsius ? QStringLiteral("Temperature C.") : QStringLiteral("Temperature F.");
    default: return QStringLiteral("Positive Integer No.");
    }
}

void NumberSystems::takeValue(int e, int index, double value)
{
    if (!std::isfinite(value))
        value = 0;
    double& v = index == 0 ? a : index == 1 ? b : c;
    switch (e) {
    case 0: case 1: case 2:
        v = std::floor(std::fabs(value));
        LimitValue(v, e == 2 ? 9999.0 : 9999999.0, -1);
        break;
    case 3:
        v = std::floor(std::fabs(value));
        if (index == 0) {
            LimitValue(v, 1.0, 2);
            LimitValue(v, 99.0, -1);
        } else {
            LimitValue(v, 999999999.0, -1);
        }
        break;
    case 4:
        a = std::trunc(value);
        LimitValue(a, 9999999.0, -1);
        break;
    case 5: case 6:
        v = double(float(value));
        LimitValue(v, 9999999.0, -1);
        break;
    case 7: case 8:
        v = double(float(std::fabs(value)));
        LimitValue(v, 100.0, -1);
        break;
    case 9:
        v = double(float(value));
        LimitValue(v, 100.0, -1);
        break;
    case 10:
        if (index == 0) {
            firstTerm = double(float(value));
            LimitValue(firstTerm, 99.0, -1);
        } else if (index == 1) {
            difference = double(float(value));
            LimitValue(difference, 100.0, -1);
        } else {
            terms = float(std::floor(std::fabs(value)));
            LimitValue(terms, 1, 2);
            LimitValue(terms, 8, -1);
        }
        break;
    case 11:
        temperature = float(value);
        if (celsius) {
            LimitValue(temperature, 100, -1);
        } else {
            LimitValue(temperature, 32, 2);
            LimitValue(temperature, 212, -1);
        }
        break;
    default: break;
    }
}

void NumberSystems::SelectButton_Click(int index)
{
    const int e = example();
    if (e == 12 || e == 13) {
        // "Next Set?" steps through the stored data sets and wraps.
        int& set = e == 12 ? additionSet : multiplicationSet;
        const int sets = int(e == 12 ? numbers::additionSets().size() : numbers::multiplicationSets().size());
        set = (set + 1) % sets;
        setLabelQuietly(0, QStringLiteral("Set %1").arg(set + 1));
        results();
        return;
    }
    if (index == equationSelector(e)) {
        // The editor checks the worked answer with the example's expression and values.
        static const char* const expressions[] = {"a + b + c", "a - b", "a * b", "b / a"};
        EquationEditor::openWith(QLatin1String(expressions[e]), a, b, c);
        return;
    }
    TopicForm::SelectButton_Click(index);
}

void NumberSystems::Trigger_Click(int index)
{
    const int e = example();
    if (index != 0)
        return;
    if (e == 9) {
        subtract = !subtract;
    } else if (e == 11) {
        // Switching the scale converts the temperature shown.
        temperature = float(celsius ? temperature * 9 / 5 + 32 : (temperature - 32) * 5 / 9);
        celsius = !celsius;
        SelectButton[0]->setCaption(celsius ? QStringLiteral("Temp. C") : QStringLiteral("Temp. F"));
        setLabelQuietly(0, FormatTemperature(temperature, celsius));
    }
    setTriggerCaption(e);
    results();
}

void NumberSystems::drawExample(int e)
{
    setCaption(title + QStringLiteral(":   ") + exampleCaption(e));
    setTriggerCaption(e);
    using namespace number_systems;
    switch (e) {
    case 0: drawAddition(a, b, c); break;
    case 1: drawSubtraction(a, b); break;
    case 2: drawMultiplication(a, b); break;
    case 3: drawDivision(a, b); break;
    case 4: drawPlaceValue(a); break;
    case 5: drawFurtherSum(a, b, false); break;
    case 6: drawFurtherSum(a, b, true); break;
    case 7: drawFurtherMultiplication(a, b); break;
    case 8: drawFurtherDivision(a, b); break;
    case 9: drawDirected(a, b, subtract); break;
    case 10: drawSequence(firstTerm, difference, int(terms)); break;
    case 11: drawTemperature(temperature, celsius); break;
    case 12: drawMatrixAddition(additionSet); break;
    case 13: drawMatrixMultiplication(multiplicationSet); break;
    default: break;
    }
    if (e < 4)
        drawEquationHint(e);
}

void NumberSystems::theoryParagraphs(int e, std::array<QString, 4>& p) { numberSystemsTheory(e, p); }

namespace {
RegisterForm<NumberSystems> reg(QStringLiteral("NumberSystems"));
}  // namespace

}  // namespace orr
