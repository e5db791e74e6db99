// Shift register model: the data stream and the stage boxes after n pulses.
#include "topics/sequential/shift_model.h"

#include <algorithm>
#include <cmath>

namespace orr::seq {

QString wordDigits(double word)
{
    const double whole = std::floor(std::fabs(word) + 0.5);
    QString text = QString::number(whole, 'f', 0).right(8).rightJustified(8, QLatin1Char('0'));
    for (QChar& c : text)
        c = c == QLatin1Char('0') ? QLatin1Char('0') : QLatin1Char('1');
    return text;
}

Stages parallelBits(double word)
{
    const QString d = wordDigits(word);
    Stages bits{};
    for (int k = 0; k < 4; ++k)
        bits[size_t(k)] = d.at(7 - k) == QLatin1Char('1');
    return bits;
}

QString shiftWindow(const QString& digits, int n)
{
    QString stream = QStringLiteral("0000") + digits.left(8).rightJustified(8, QLatin1Char('0')) +
                     QStringLiteral("0000");
    std::reverse(stream.begin(), stream.end());
    return stream.mid(std::max(0, n), 4).leftJustified(4, QLatin1Char('0'));
}

Stages rightShift(const QString& digits, int n)
{
    const QString w = shiftWindow(digits, n);
    // The window reads from the newest digit backwards; box 1 holds the newest.
    return Stages{w.at(3) == QLatin1Char('1'), w.at(2) == QLatin1Char('1'), w.at(1) == QLatin1Char('1'),
                  w.at(0) == QLatin1Char('1')};
}

Stages leftShift(const QString& digits, int n)
{
    const QString w = shiftWindow(digits, n);
    return Stages{w.at(0) == QLatin1Char('1'), w.at(1) == QLatin1Char('1'), w.at(2) == QLatin1Char('1'),
                  w.at(3) == QLatin1Char('1')};
}

Stages parallelShift(const Stages& bits, int n)
{
    Stages q{};
    if (n < 1)
        return q;
    for (int k = 0; k < 4; ++k) {
        const int b = k - n + 1;
        q[size_t(k)] = b >= 0 && b <= 3 && bits[size_t(b)];
    }
    return q;
}

}  // namespace orr::seq
