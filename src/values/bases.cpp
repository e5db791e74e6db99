// Binary, octal and hexadecimal texts.
#include <algorithm>

#include "state/suite_state.h"
#include "values/formatters.h"

namespace orr {

QString FormatBinary(int32_t value)
{
    // The decimal digits of the value are the binary digits: 101 is 00000101.
    if (value > 1111111111)
        value = 1111111111;
    return (QStringLiteral("000000000") + QString::number(value)).right(8);
}

QString FormatMixedBinary(const QString& text) { return text.right(14); }

QString FormatOctal(float value) { return numtext::general(value) + QLatin1Char('o'); }

QString FormatHex(const QString& text) { return text.toUpper() + QLatin1Char('h'); }

QString FormatHexPadded(const QString& text) { return FormatHexPadded(text, suite().entryWidth); }

QString FormatHexPadded(const QString& text, int width)
{
    return (QStringLiteral("00") + text).right(std::max(0, width)).toUpper() + QLatin1Char('h');
}

}  // namespace orr
