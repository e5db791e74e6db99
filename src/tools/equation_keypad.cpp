// The equation editor's keypad: captions, tips and the editing rule of each key.
#include "tools/equation_keypad.h"

#include <QRegularExpression>

namespace orr::equation {

namespace {

struct KeyText {
    const char* caption;
    const char* tip;
};

constexpr KeyText kKeys[kKeyCount] = {
    {"0", "Numeric 0"}, {"1", "Numeric 1"}, {"2", "Numeric 2"}, {"3", "Numeric 3"}, {"4", "Numeric 4"},
    {"5", "Numeric 5"}, {"6", "Numeric 6"}, {"7", "Numeric 7"}, {"8", "Numeric 8"}, {"9", "Numeric 9"},
    {"a", "Variable a"}, {"b", "Variable b"}, {"c", "Variable c"}, {"d", "variable d"}, {"x", "Variable x"},
    {"y", "Variable y"},
    {"(", "Open brackets"}, {")", "Close brackets"},
    {"Abs(", "The absolute value of a number."},
    {"Atn(", "Inverse trigonometric function of Tan."},
    {"Cos(", "Ratio of two sides of a right triangle."},
    {"Exp(", "Complements the action of Log."},
    {"Fix(", "Removes the fractional part of number."},
    {"Int(", "Returns the integer part of a number, rounding down."},
    {"Log(", "See Graph Editor for format."},
    {"Rnd(", "Returns a value less than 1 but greater than or equal to zero."},
    {"Sgn(", "Returns value of the Sgn function."},
    {"Sin(", "Ratio of two sides of a right triangle"},
    {"Sqr(", "Square root of a number."},
    {"Tan(", "Ratio of the opposite to the adjacent side of a right triangle."},
    {".", "Decimal point."},
    {" + ", "Addition sign."},
    {" - ", "Subtraction sign."},
    {" * ", "Multiplication sign."},
    {" / ", "Divides two numbers and returns a floating-point result."},
    {" \\ ", "Divides two numbers and returns an integer result"},
    {"^ ", "Raise a number to the power of an exponent"},
    {"Mod", "Divide two numbers and return only the remainder"},
    {"<Delete", "Delete one character left."},
    {"Clear", "Clear equation."},
    {"Space", "Insert Space"},
    {"E", "To write expression in Exponent form."},
    {" = ", "Equals sign."},
};

bool isOperator(int index) { return (index >= kPlus && index <= kMod) || index == kEquals; }

QString trimmedRight(QString text)
{
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

QString trimmedLeft(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

// A number written up to its exponent letter ("2.5E"): a sign pressed now is
// the exponent's sign and is written without blanks ("2.5E-3").
bool endsInExponentLetter(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("(?:^|[^\\w.])(?:\\d+\\.?\\d*|\\.\\d+)[Ee]$"));
    return re.match(text).hasMatch();
}

}  // namespace

QString keyCaption(int index)
{
    return index >= 0 && index < kKeyCount ? QLatin1String(kKeys[index].caption) : QString();
}

QString keyTip(int index) { return index >= 0 && index < kKeyCount ? QLatin1String(kKeys[index].tip) : QString(); }

QString pressKey(const QString& text, int index)
{
    if (index < 0 || index >= kKeyCount)
        return text;
    QString t = text;
    if (index == kDelete) {
        t = trimmedRight(t);
        t.chop(1);
    } else if (index == kClear) {
        t.clear();
    } else if (index == kSpace) {
        t += QLatin1Char(' ');
    } else if ((index == kPlus || index == kMinus) && endsInExponentLetter(t)) {
        t += keyCaption(index).trimmed();
    } else if (isOperator(index)) {
        t = trimmedRight(t) + QLatin1Char(' ') + keyCaption(index).trimmed() + QLatin1Char(' ');
    } else {
        t += keyCaption(index);
    }
    return trimmedLeft(t);
}

}  // namespace orr::equation
