// Signed and coded binary numbers and binary column arithmetic.
#include "topics/numbers/binary_working.h"

#include <cmath>

#include "topics/numbers/base_conversion.h"

namespace orr::numbers {

QString invertBits(const QString& bits)
{
    QString out = bits;
    for (QChar& c : out)
        c = c == QLatin1Char('1') ? QLatin1Char('0') : c == QLatin1Char('0') ? QLatin1Char('1') : c;
    return out;
}

BinarySum addBinary(const QString& a, const QString& b)
{
    BinarySum s;
    const qsizetype n = std::max(a.size(), b.size());
    s.a = a.rightJustified(n, QLatin1Char('0'));
    s.b = b.rightJustified(n, QLatin1Char('0'));
    s.carries = QString(n + 1, QLatin1Char('0'));
    s.sum = QString(n, QLatin1Char('0'));
    int carry = 0;
    for (qsizetype i = n - 1; i >= 0; --i) {
        const int total = (s.a.at(i) == QLatin1Char('1')) + (s.b.at(i) == QLatin1Char('1')) + carry;
        s.sum[i] = QLatin1Char(total % 2 ? '1' : '0');
        carry = total / 2;
        s.carries[i] = QLatin1Char(carry ? '1' : '0');
    }
    s.carryOut = carry != 0;
    if (s.carryOut)
        s.sum.prepend(QLatin1Char('1'));
    return s;
}

SignMagnitude signAndMagnitude(double value, int maxFractionBits, int maxIntegerBits)
{
    SignMagnitude m;
    if (!std::isfinite(value))
        value = 0;
    m.negative = value < 0;
    m.signBit = m.negative ? 1 : 0;
    const double mag = std::fabs(value);
    const double whole = std::floor(mag);
    if (whole >= std::ldexp(1.0, maxIntegerBits)) {
        m.tooLong = true;
        return m;
    }
    m.integerBits = repeatedDivision(whole).bits;
    const DoublingWorking f = repeatedDoubling(mag, maxFractionBits + 1);
    m.fractionBits = f.bits.left(maxFractionBits);
    m.fractionCut = f.bits.size() > maxFractionBits;
    m.onesInteger = m.negative ? invertBits(m.integerBits) : m.integerBits;
    m.onesFraction = m.negative ? invertBits(m.fractionBits) : m.fractionBits;
    return m;
}

TwosComplement twosComplement(int value)
{
    TwosComplement t;
    t.negative = value < 0;
    t.signBit = t.negative ? 1 : 0;
    t.binary = repeatedDivision(std::min(255, std::abs(value))).bits.rightJustified(8, QLatin1Char('0'));
    if (!t.negative) {
        t.ones = t.twos = t.binary;
        return t;
    }
    t.ones = invertBits(t.binary);
    t.addOne = addBinary(t.ones, QStringLiteral("00000001"));
    t.twos = t.addOne.sum.right(8);
    return t;
}

QString twosComplementOf(const QString& bits)
{
    const QString one = QString(bits.size() - 1, QLatin1Char('0')) + QLatin1Char('1');
    return addBinary(invertBits(bits), one).sum.right(bits.size());
}

BcdWorking bcd(long long value)
{
    BcdWorking w;
    value = std::llabs(value);
    w.digits = QString::number(value);
    w.binary = repeatedDivision(double(value)).bits;
    for (QChar d : w.digits)
        w.groups << digitTable()[d.digitValue()].mid(1);
    return w;
}

QString columnBinary(long long value)
{
    const QString bits = repeatedDivision(double(std::llabs(value))).bits;
    return bits.rightJustified(4, QLatin1Char('0'));
}

BinaryAddition binaryAddition(long long a, long long b)
{
    BinaryAddition w;
    w.a = a;
    w.b = b;
    w.sum = addBinary(columnBinary(a), columnBinary(b));
    return w;
}

BinarySubtraction binarySubtraction(long long a, long long b)
{
    BinarySubtraction w;
    w.a = a;
    w.b = b;
    const QString ab = columnBinary(a), bb = columnBinary(b);
    const qsizetype n = std::max(ab.size(), bb.size());
    w.aBits = ab.rightJustified(n, QLatin1Char('0'));
    w.bBits = bb.rightJustified(n, QLatin1Char('0'));
    w.bOnes = invertBits(w.bBits);
    w.bTwos = twosComplementOf(w.bBits);
    w.sum = addBinary(w.aBits, w.bTwos);
    w.difference = w.sum.sum.right(n);
    w.discardCarry = w.sum.carryOut;
    if (!w.discardCarry)
        w.magnitude = twosComplementOf(w.difference);
    return w;
}

long long bitsValue(const QString& bits)
{
    long long v = 0;
    for (QChar c : bits)
        if (c == QLatin1Char('0') || c == QLatin1Char('1'))
            v = v * 2 + (c == QLatin1Char('1'));
    return v;
}

}  // namespace orr::numbers
