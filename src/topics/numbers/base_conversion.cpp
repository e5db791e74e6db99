// Number base conversion: division, doubling, grouping and weighted sums.
#include "topics/numbers/base_conversion.h"

#include <cmath>

#include "values/formatters.h"

namespace orr::numbers {

namespace {

// Enough rounds for every fraction a double can hold; a guard, not a rule.
constexpr int kDoublingGuard = 1100;

}  // namespace

DivisionWorking repeatedDivision(double n, int maxRows)
{
    DivisionWorking w;
    long long whole = std::isfinite(n) ? static_cast<long long>(std::floor(std::fabs(n))) : 0;
    do {
        DivisionRow row;
        row.dividend = whole;
        row.quotient = whole / 2;
        row.remainder = int(whole % 2);
        w.rows.push_back(row);
        w.bits.prepend(QLatin1Char(row.remainder ? '1' : '0'));
        whole = row.quotient;
    } while (whole >= 1 && (maxRows <= 0 || int(w.rows.size()) < maxRows));
    return w;
}

DoublingWorking repeatedDoubling(double x, int maxRows)
{
    DoublingWorking w;
    double f = std::isfinite(x) ? std::fabs(x) : 0.0;
    while (int(w.rows.size()) < kDoublingGuard) {
        f -= std::floor(f);
        const double doubled = 2 * f;
        if (doubled == 0)
            break;
        if (maxRows > 0 && int(w.rows.size()) >= maxRows)
            break;
        DoublingRow row;
        row.fraction = f;
        row.doubled = doubled;
        row.bit = doubled >= 1 ? 1 : 0;
        w.rows.push_back(row);
        w.bits.append(QLatin1Char(row.bit ? '1' : '0'));
        f = doubled;
    }
    return w;
}

const std::array<QString, 16>& digitTable()
{
    static const std::array<QString, 16> table = {
        QStringLiteral("00000"), QStringLiteral("10001"), QStringLiteral("20010"), QStringLiteral("30011"),
        QStringLiteral("40100"), QStringLiteral("50101"), QStringLiteral("60110"), QStringLiteral("70111"),
        QStringLiteral("81000"), QStringLiteral("91001"), QStringLiteral("A1010"), QStringLiteral("B1011"),
        QStringLiteral("C1100"), QStringLiteral("D1101"), QStringLiteral("E1110"), QStringLiteral("F1111"),
    };
    return table;
}

QChar digitOfGroup(const QString& bits)
{
    // Octal groups match the last three bits of the first eight rows.
    const int rows = bits.size() == 3 ? 8 : 16;
    for (int i = 0; i < rows; ++i)
        if (digitTable()[i].right(bits.size()) == bits)
            return digitTable()[i].at(0);
    return QLatin1Char('?');
}

QString padLeftToMultiple(const QString& bits, int group)
{
    QString b = bits;
    while (group > 0 && b.size() % group != 0)
        b.prepend(QLatin1Char('0'));
    return b;
}

QString padRightToMultiple(const QString& bits, int group)
{
    QString b = bits;
    while (group > 0 && b.size() % group != 0)
        b.append(QLatin1Char('0'));
    return b;
}

QStringList groupsOf(const QString& bits, int group)
{
    QStringList groups;
    for (qsizetype i = 0; group > 0 && i < bits.size(); i += group)
        groups << bits.mid(i, group);
    return groups;
}

QString plainText(float value)
{
    const QString general = numtext::general(std::fabs(value));
    const qsizetype e = general.indexOf(QLatin1Char('E'));
    if (e < 0)
        return general;
    QString mantissa = general.left(e);
    const int exponent = general.mid(e + 1).toInt();
    qsizetype point = mantissa.indexOf(QLatin1Char('.'));
    if (point < 0)
        point = mantissa.size();
    QString digits = mantissa.remove(QLatin1Char('.'));
    const qsizetype newPoint = point + exponent;
    if (newPoint >= digits.size())
        return digits + QString(newPoint - digits.size(), QLatin1Char('0'));
    if (newPoint <= 0)
        return QStringLiteral("0.") + QString(-newPoint, QLatin1Char('0')) + digits;
    return digits.left(newPoint) + QLatin1Char('.') + digits.mid(newPoint);
}

GroupedConversion groupedConversion(float value, int group)
{
    GroupedConversion c;
    const QString text = plainText(value);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    c.integerText = point < 0 ? text : text.left(point);
    c.fractionText = point < 0 ? QString() : text.mid(point);

    c.integer = repeatedDivision(std::floor(std::fabs(double(value))), 14);
    c.integerGroups = groupsOf(padLeftToMultiple(c.integer.bits, group), group);
    for (const QString& g : c.integerGroups)
        c.integerDigits += digitOfGroup(g);

    // Three bits for every character of the fractional text, point included.
    c.fractionBits = repeatedDoubling(std::fabs(double(value))).bits.left(3 * c.fractionText.size());
    c.fractionGroups = groupsOf(padRightToMultiple(c.fractionBits, group), group);
    for (const QString& g : c.fractionGroups)
        c.fractionDigits += digitOfGroup(g);
    return c;
}

int digitValue(QChar c)
{
    const ushort u = c.toUpper().unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

WeightedSum weightedSum(const QString& text, int base, int maxChars, int maxFractionDigits)
{
    WeightedSum s;
    s.base = base;
    QString t = text.trimmed().toUpper();
    if (maxChars > 0)
        t = t.left(maxChars);
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    s.integerText = point < 0 ? t : t.left(point);
    s.fractionText = point < 0 ? QString() : t.mid(point + 1);
    s.fractionText.remove(QLatin1Char('.'));
    if (s.integerText.isEmpty())
        s.integerText = QStringLiteral("0");
    if (maxFractionDigits >= 0)
        s.fractionText = s.fractionText.left(maxFractionDigits);

    const int places = int(s.integerText.size());
    for (int i = 0; i < places; ++i) {
        WeightedDigit d;
        d.digit = s.integerText.at(i);
        d.position = places - 1 - i;
        d.value = std::max(0, digitValue(d.digit));
        d.weighted = d.value * std::pow(double(base), d.position);
        d.weightedText = numtext::general(d.weighted);
        s.integerPart += d.weighted;
        s.digits.push_back(d);
    }
    double denominator = 1;
    for (int k = 1; k <= int(s.fractionText.size()); ++k) {
        denominator *= base;
        WeightedDigit d;
        d.digit = s.fractionText.at(k - 1);
        d.position = -k;
        d.value = std::max(0, digitValue(d.digit));
        d.weighted = d.value / denominator;
        d.weightedText = QString::number(d.value) + QLatin1Char('/') + numtext::general(denominator);
        s.fractionalPart += d.weighted;
        s.digits.push_back(d);
    }
    return s;
}

QString hexEntryText(const QString& typed)
{
    QString t = typed.trimmed().toUpper();
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    if (point >= 4)
        t = t.left(4) + QLatin1Char('.') + t.mid(point + 1);
    return t;
}

QString toBase(double value, int base)
{
    const int group = base == 8 ? 3 : base == 16 ? 4 : 1;
    const QString integerBits = repeatedDivision(value).bits;
    const QString fractionBits = repeatedDoubling(value).bits;
    if (group == 1)
        return fractionBits.isEmpty() ? integerBits : integerBits + QLatin1Char('.') + fractionBits;
    QString out;
    for (const QString& g : groupsOf(padLeftToMultiple(integerBits, group), group))
        out += digitOfGroup(g);
    if (!fractionBits.isEmpty()) {
        out += QLatin1Char('.');
        for (const QString& g : groupsOf(padRightToMultiple(fractionBits, group), group))
            out += digitOfGroup(g);
    }
    return out;
}

double fromBase(const QString& text, int base) { return weightedSum(text, base).total(); }

}  // namespace orr::numbers
