// Decimal arithmetic workings.
#include "topics/numbers/decimal_working.h"

#include <algorithm>
#include <cmath>

#include "values/formatters.h"

namespace orr::numbers {

ColumnAddition columnAddition(const std::vector<long long>& values)
{
    ColumnAddition w;
    w.values = values;
    long long biggest = 0;
    for (long long v : values) {
        w.total += v;
        biggest = std::max(biggest, v);
    }
    const int columns = int(QString::number(std::max(biggest, w.total)).size());
    w.carries.assign(columns + 1, 0);
    long long place = 1;
    for (int c = 0; c < columns; ++c, place *= 10) {
        long long column = w.carries[c];
        for (long long v : values)
            column += (v / place) % 10;
        w.carries[c + 1] = int(column / 10);
    }
    return w;
}

ColumnSubtraction columnSubtraction(long long a, long long b)
{
    ColumnSubtraction w;
    w.a = a;
    w.b = b;
    w.top = std::max(a, b);
    w.bottom = std::min(a, b);
    w.difference = a - b;
    const int columns = int(QString::number(w.top).size());
    w.borrows.assign(columns, 0);
    int borrow = 0;
    long long place = 1;
    for (int c = 0; c < columns; ++c, place *= 10) {
        const int top = int((w.top / place) % 10) - borrow;
        const int bottom = int((w.bottom / place) % 10);
        borrow = top < bottom ? 1 : 0;
        if (borrow && c + 1 < columns)
            w.borrows[c + 1] = 1;
    }
    return w;
}

LongMultiplication longMultiplication(long long a, long long b)
{
    LongMultiplication w;
    w.a = a;
    w.b = b;
    const QString digits = QString::number(b);
    long long power = 1;
    for (qsizetype i = digits.size() - 1; i >= 0; --i, power *= 10) {
        PartialProduct p;
        p.digit = digits.at(i).digitValue();
        p.zeros = int(digits.size() - 1 - i);
        p.digitProduct = a * p.digit;
        p.value = p.digitProduct * power;
        w.total += p.value;
        w.rows.push_back(p);
    }
    return w;
}

LongDivision longDivision(long long dividend, long long divisor)
{
    LongDivision w;
    w.dividend = dividend;
    w.divisor = divisor < 1 ? 1 : divisor;
    const QString digits = QString::number(dividend);
    long long part = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        part = part * 10 + digits.at(i).digitValue();
        const bool last = i + 1 == digits.size();
        // Digits are brought down until the divisor goes in at least once.
        if (part < w.divisor && w.steps.empty() && !last)
            continue;
        DivisionStep s;
        s.part = part;
        s.quotientDigit = int(part / w.divisor);
        s.product = s.quotientDigit * w.divisor;
        s.remainder = part - s.product;
        s.digitIndex = int(i);
        w.steps.push_back(s);
        w.quotient = w.quotient * 10 + s.quotientDigit;
        part = s.remainder;
    }
    w.remainder = part;
    return w;
}

int decimalPlaces(double value)
{
    const QString t = numtext::general(float(std::fabs(value)));
    if (t.contains(QLatin1Char('E')))
        return 0;
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(t.size() - point - 1);
}

long long digitsOf(double value, int places)
{
    return std::llround(std::fabs(value) * std::pow(10.0, places));
}

DecimalMultiplication decimalMultiplication(double a, double b)
{
    DecimalMultiplication m;
    m.a = a;
    m.b = b;
    m.aPlaces = decimalPlaces(a);
    m.bPlaces = decimalPlaces(b);
    m.aDigits = digitsOf(a, m.aPlaces);
    m.bDigits = digitsOf(b, m.bPlaces);
    m.digitProduct = m.aDigits * m.bDigits;
    m.negative = (a < 0) != (b < 0) && a != 0 && b != 0;
    m.product = double(m.digitProduct) / std::pow(10.0, m.places()) * (m.negative ? -1 : 1);
    return m;
}

DecimalDivision decimalDivision(double a, double b)
{
    DecimalDivision d;
    d.a = a;
    d.b = b;
    if (b == 0) {
        d.divideByZero = true;
        return d;
    }
    d.power = decimalPlaces(a);
    const double scale = std::pow(10.0, d.power);
    d.scaledA = std::round(a * scale);
    d.scaledB = b * scale;
    d.answer = a / b;
    d.wholeTimes = (long long)std::floor(std::fabs(a / b) + 1e-9);
    d.remainder = std::fabs(a) - double(d.wholeTimes) * std::fabs(b);
    if (std::fabs(d.remainder) < 1e-9)
        d.remainder = 0;
    return d;
}

Sequence arithmeticSequence(double first, double difference, int count)
{
    Sequence s;
    double term = first;
    for (int i = 0; i < count; ++i) {
        s.terms.push_back(term);
        s.sum += term;
        term += difference;
    }
    return s;
}

TemperatureSteps convertTemperature(double value, bool fromCelsius)
{
    TemperatureSteps t;
    t.fromCelsius = fromCelsius;
    t.input = value;
    if (fromCelsius) {
        t.step1 = value * 9;
        t.step2 = t.step1 / 5;
        t.result = t.step2 + 32;
    } else {
        t.step1 = value - 32;
        t.step2 = t.step1 * 5;
        t.result = t.step2 / 9;
    }
    return t;
}

double directedResult(double x, double y, bool subtract) { return subtract ? x - y : x + y; }

}  // namespace orr::numbers
