// Arithmetic and logic unit model: the logic unit and the accumulator add.
#include "topics/logic/alu_model.h"

#include <cmath>

#include "topics/logic/combinational_model.h"

namespace orr::logic {

QString logicUnit(const QString& code, const QString& a4, const QString& b4)
{
    QString out(4, u'0');
    for (int i = 0; i < 4; ++i) {
        const bool a = bitAt(a4, i), b = bitAt(b4, i);
        bool q = false;
        if (code == QLatin1String("00"))
            q = a && b;
        else if (code == QLatin1String("01"))
            q = a || b;
        else if (code == QLatin1String("10"))
            q = a != b;
        else
            q = !a;
        out[i] = q ? u'1' : u'0';
    }
    return out;
}

QString fourBitWord(double entered)
{
    const double v = std::isfinite(entered) ? std::fmod(std::floor(std::fabs(entered)), 10000.0) : 0.0;
    const QString digits = QString::number(qint64(binaryDigitsOnly(v)));
    return (QStringLiteral("0000") + digits).right(4);
}

AccumulatorAdd accumulatorAdd(int accumulator, int registerA)
{
    AccumulatorAdd r;
    r.sum = accumulator + registerA;
    r.carry = r.sum > 255;
    r.stored = r.sum & 0xFF;
    return r;
}

QString eightBits(int value)
{
    QString s(8, u'0');
    for (int i = 0; i < 8; ++i)
        if (value & (1 << (7 - i)))
            s[i] = u'1';
    return s;
}

}  // namespace orr::logic
