// Models of the micro-computer, memory and memory-addressing topics.
#include "topics/micro/micro_topics_model.h"

#include <cmath>

#include "topics/micro/conversions.h"

namespace orr::micro {

AddressSplit splitAddress(int address)
{
    address &= kHighestChipAddress;
    return {address >> 10, address & 0x3FF};
}

QStringList addressLines(int address)
{
    const AddressSplit s = splitAddress(address);
    return {QStringLiteral("Hexadecimal A0 - A11 = ") + padHex(numberToHex(address), 4),
            QStringLiteral("Decimal A0 - A11 = ") + QString::number(address),
            QStringLiteral("A11 A10 = ") + numberToBinary(s.select, 2),
            QStringLiteral("A0 - A9 ") + numberToBinary(s.within, 10),
            QStringLiteral("Decimal = ") + QString::number(s.within),
            QStringLiteral("HEX = ") + numberToHex(s.within)};
}

QString fourBits(double binaryDigits)
{
    const QString digits = QString::number(std::fabs(std::round(binaryDigits)), 'f', 0);
    return (QStringLiteral("0000") + digits).right(4);
}

bool beyondFourBits(double binaryDigits) { return std::fabs(std::round(binaryDigits)) > 1111; }

FourByFour freshRom()
{
    FourByFour m;
    m.rows = {QStringLiteral("0001"), QStringLiteral("0010"), QStringLiteral("0100"), QStringLiteral("1000")};
    m.write = false;
    return m;
}

FourByFour freshRam()
{
    FourByFour m;
    m.rows.fill(QStringLiteral("0000"));
    m.write = true;
    return m;
}

QString programMnemonic(int pulse)
{
    static const char* const m[] = {"", "RUN", "INP", "STA", "INP", "STA", "ADD", "STA", "OUT"};
    return pulse >= 1 && pulse <= 8 ? QString::fromLatin1(m[pulse]) : QString();
}

QString programOperand(int pulse)
{
    switch (pulse) {
    case 2: return QStringLiteral("A");
    case 4: return QStringLiteral("B");
    case 6: return QStringLiteral("5");
    case 8: return QStringLiteral("P");
    default: return QString();
    }
}

QString romAction(int step)
{
    static const char* const a[] = {"Open I/P", "Read I/P", "Store RAM loc. 5.", "Clear I/P",
                                    "Copy loc. 5. to O/P.", "Jump to Start.", "0"};
    return step >= 0 && step <= 6 ? QString::fromLatin1(a[step]) : QString();
}

}  // namespace orr::micro
