// Number conversions of the simulated microprocessor.
#include "topics/micro/conversions.h"

#include <cmath>
#include <limits>

namespace orr::micro {

int32_t hexToNumber(const QString& text)
{
    const QString t = text.trimmed().toUpper();
    int64_t sum = 0;
    int64_t weight = 1;
    bool overflow = false;
    for (qsizetype i = t.size() - 1; i >= 0; --i) {
        const QChar c = t.at(i);
        int digit = -1;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = c.unicode() - '0';
        else if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            digit = c.unicode() - 'A' + 10;
        if (digit > 0) {
            if (overflow)
                return std::numeric_limits<int32_t>::max();
            sum += digit * weight;
        }
        if (weight > (int64_t(1) << 40))
            overflow = true;
        else
            weight *= 16;
    }
    // Eight digits from 8 upwards no longer fit a signed 32-bit number: such a
    // text stands for a negative result and only has to read as "above 255".
    if (sum > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return int32_t(sum);
}

QString numberToBinary(int64_t value, int digits)
{
    uint64_t v = uint64_t(value < 0 ? -value : value);
    QString bits;
    do {
        bits.prepend(QLatin1Char(v % 2 ? '1' : '0'));
        v /= 2;
    } while (v >= 1);
    if (bits.size() >= digits)
        return bits.right(digits);
    return bits.rightJustified(digits, QLatin1Char('0'));
}

QString numberToBinary(const QString& decimalText, int digits)
{
    bool ok = false;
    const double d = decimalText.trimmed().toDouble(&ok);
    return numberToBinary(ok ? int64_t(std::nearbyint(d)) : 0, digits);
}

QString numberToHex(int64_t value)
{
    if (value < 0)
        return QString::number(uint32_t(int32_t(value)), 16).toUpper();
    return QString::number(value, 16).toUpper();
}

QString decimalText(int64_t value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString padHex(const QString& text, int width) { return (QStringLiteral("0000") + text).right(width); }

int32_t displacementFrom(const QString& operand)
{
    const QString b = numberToBinary(hexToNumber(operand), 8);
    bool ok = false;
    const int magnitude = (QLatin1Char('0') + b.right(7)).toInt(&ok, 2);
    return b.at(0) == QLatin1Char('1') ? -magnitude : magnitude;
}

}  // namespace orr::micro
