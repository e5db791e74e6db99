// Combinational circuit model: adders, decoder, encoder, multiplexer, mask and
// parity as pure functions of their inputs.
#include "topics/logic/combinational_model.h"

#include <algorithm>
#include <cmath>

#include "values/formatters.h"

namespace orr::logic {

HalfAdderOut halfAdder(bool a, bool b) { return {a != b, a && b}; }

FullAdderOut fullAdder(bool a, bool b, bool carryIn)
{
    FullAdderOut f;
    const HalfAdderOut first = halfAdder(a, b);
    const HalfAdderOut second = halfAdder(first.sum, carryIn);
    f.sum1 = first.sum;
    f.carry1 = first.carry;
    f.carry2 = second.carry;
    f.sum = second.sum;
    f.carryOut = first.carry || second.carry;
    return f;
}

RippleAdd rippleAdd4(const QString& a4, const QString& b4)
{
    RippleAdd r;
    r.a = a4;
    r.b = b4;
    r.sum = QStringLiteral("0000");
    r.carryIn = QStringLiteral("0000");
    bool carry = false;
    for (int col = 3; col >= 0; --col) {
        r.carryIn[col] = carry ? u'1' : u'0';
        const FullAdderOut f = fullAdder(bitAt(a4, col), bitAt(b4, col), carry);
        r.sum[col] = f.sum ? u'1' : u'0';
        carry = f.carryOut;
    }
    r.carryOut = carry;
    return r;
}

QString lastBits(double stored, int n)
{
    double v = std::isfinite(stored) ? std::fabs(stored) : 0.0;
    v = std::min(v, 2147483647.0);
    return FormatBinary(int32_t(std::llround(v))).right(n);
}

double binaryDigitsOnly(double stored)
{
    double v = std::isfinite(stored) ? std::floor(std::fabs(stored)) : 0.0;
    double result = 0;
    double place = 1;
    // Digit by digit from the right; a value too large for a double's exact
    // digits keeps only the digits it holds exactly.
    for (int i = 0; i < 15 && v >= 1; ++i) {
        const double digit = std::fmod(v, 10.0);
        if (digit >= 1)
            result += place;
        v = std::floor(v / 10.0);
        place *= 10;
    }
    return result;
}

int decoderLine(bool a0, bool a1) { return (a1 ? 2 : 0) + (a0 ? 1 : 0); }

std::array<bool, 4> decoderOutputs(bool a0, bool a1)
{
    std::array<bool, 4> lines{};
    lines[decoderLine(a0, a1)] = true;
    return lines;
}

QString bcdOf(int digit)
{
    digit = std::clamp(digit, 0, 9);
    QString s;
    for (int weight = 8; weight >= 1; weight /= 2)
        s += (digit & weight) ? u'1' : u'0';
    return s;
}

bool multiplex(const QString& d3to0, bool a0, bool a1)
{
    // D0 is the rightmost character.
    return bitAt(d3to0, 3 - decoderLine(a0, a1));
}

QString maskBits(const QString& data, const QString& mask)
{
    QString out(data.size(), u'0');
    for (int i = 0; i < data.size(); ++i)
        out[i] = (bitAt(data, i) && bitAt(mask, i)) ? u'1' : u'0';
    return out;
}

bool evenParity(const QString& d3to0)
{
    bool p = false;
    for (int i = 0; i < d3to0.size(); ++i)
        p = p != bitAt(d3to0, i);
    return p;
}

}  // namespace orr::logic
