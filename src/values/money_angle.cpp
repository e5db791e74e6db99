// Formatters that do not go through FormatNumber: money, angles,
// temperatures and the exponent form.
#include <cmath>

#include "values/formatters.h"

namespace orr {

QString FormatMoney(float value)
{
    // Nothing at all for a zero amount; a negative amount reads £-3.50.
    if (value == 0.0f)
        return QString();
    return QStringLiteral("\u00A3") + numtext::fixed(value, 2);
}

QString FormatAngle(float value)
{
    const QString number = value == std::floor(value) ? numtext::general(value) : numtext::fixed(value, 2);
    return number + QStringLiteral("\u00B0");
}

QString FormatTemperature(float value, bool celsius)
{
    const bool negative = value < 0;
    const float x = negative ? -value : value;
    QString t = x == std::floor(x) ? FormatNumber(x, false) : numtext::fixed(x, 2);
    if (negative)
        t = QStringLiteral("(-") + t + QLatin1Char(')');
    return t + (celsius ? QStringLiteral("\u00B0C") : QStringLiteral("\u00B0F"));
}

QString FormatScientific(float value) { return numtext::scientific(value); }

}  // namespace orr
