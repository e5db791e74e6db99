// The addressing-modes model.
#include "topics/micro/addressing_model.h"

#include <algorithm>

#include "platform/rng.h"
#include "topics/micro/conversions.h"

namespace orr::micro {

namespace {
QString hex(int64_t v, int digits) { return padHex(numberToHex(v), digits) + QLatin1Char('h'); }
QString dec(int64_t v) { return QString::number(v) + QLatin1Char('d'); }
}  // namespace

void loadAddressingState(CpuState& s, AddressingState& w)
{
    s = CpuState();
    s.a = QStringLiteral("AB");
    s.x = QStringLiteral("02");
    s.y = QStringLiteral("05");
    s.effectiveAddress = 123;
    s.entryWidth = 2;
    s.selectedRow = 1;
    w = AddressingState();
}

int32_t addressBound(Mode m) { return m == Mode::ZeroPage || m == Mode::ZeroPageIndexed ? 255 : kLastAddress; }

QString addressRefusal(Mode m)
{
    const QString first = addressBound(m) == 255 ? QStringLiteral("Addresses above FFh (255d) are not used")
                                                 : QStringLiteral("Addresses above 2710h (10000d) are not used");
    return first + QStringLiteral("\nfor this application.");
}

void pushAccumulator(CpuState& s, AddressingState& w)
{
    if (!w.stackStarted) {
        s.stackPointer = 0x1FF;
        w.stackStarted = true;
    } else {
        s.stackPointer = std::max(0, s.stackPointer - 1);
    }
    s.setCell(s.stackPointer, s.a);
}

int32_t branchTarget(const CpuState& s) { return std::max(0, s.effectiveAddress + s.displacement); }

void branchIfEqual(CpuState& s)
{
    settleAccumulator(s);
    if (s.z == 1) {
        s.programCounter += 2;
        s.effectiveAddress = branchTarget(s);
    }
    s.programCounter = s.effectiveAddress + 1;
}

void loadFromEffectiveAddress(CpuState& s)
{
    if (s.inRange(s.effectiveAddress))
        s.a = padHex(s.trimCell(s.effectiveAddress), 2);
    settleAccumulator(s);
}

bool jumpIndirect(CpuState& s, int32_t pointer)
{
    if (!s.inRange(pointer) || !s.inRange(int64_t(pointer) + 1))
        return false;
    const int32_t target = hexToNumber(s.trimCell(pointer + 1) + padHex(s.trimCell(pointer), 2));
    s.operand = padHex(numberToHex(pointer), 4);
    s.effectiveAddress = target;
    s.programCounter = target;
    return true;
}

namespace {
bool loadThrough(CpuState& s, Entry entry, const QString& operand)
{
    const CpuState before = s;
    if (enter(s, entry, operand).empty() || !s.inRange(s.effectiveAddress)) {
        s = before;  // a pointer outside memory leaves everything as it was
        return false;
    }
    loadFromEffectiveAddress(s);
    return true;
}
}  // namespace

bool loadIndexedIndirect(CpuState& s, const QString& operand)
{
    return loadThrough(s, Entry::IndexedIndirect, operand);
}

bool loadIndirectIndexed(CpuState& s, const QString& operand)
{
    return loadThrough(s, Entry::IndirectIndexed, operand);
}

void fillZeroPageRandomly(CpuState& s)
{
    for (int a = 0; a <= 0xFF; ++a)
        s.setCell(a, padHex(numberToHex(std::min(255, int(Rnd() * 256))), 2));
}

QStringList relativeLines(const CpuState& s)
{
    const int32_t target = branchTarget(s);
    return {QStringLiteral("RAM address = ") + dec(s.effectiveAddress),
            QStringLiteral("displacement = ") + dec(s.displacement),
            QStringLiteral("New location = %1 + %2 = %3 = %4")
                .arg(s.effectiveAddress)
                .arg(s.displacement)
                .arg(dec(target), hex(target, 4))};
}

QStringList absoluteIndexedLines(const CpuState& s, const AddressingState& w)
{
    const QString name = w.indexY ? QStringLiteral("Index Y") : QStringLiteral("Index X");
    const int32_t index = hexToNumber(w.indexY ? s.y : s.x);
    const int64_t sum = int64_t(s.effectiveAddress) + index;
    return {QStringLiteral("Base Address = ") + hex(s.effectiveAddress, 4) + QStringLiteral(" + ") + name,
            name + QStringLiteral(" Index value = ") + hex(index, 2),
            QStringLiteral("Effective Addr = ") + dec(sum) + QStringLiteral(" or ") + hex(sum, 4)};
}

int32_t zeroPageIndexedAddress(const CpuState& s, const AddressingState& w)
{
    return (w.zeroPageBase + hexToNumber(s.x)) & 0xFF;
}

QStringList zeroPageIndexedLines(const CpuState& s, const AddressingState& w)
{
    return {QStringLiteral("Zero page address = ") + hex(w.zeroPageBase, 2) +
                QStringLiteral(" (lower address byte.)"),
            QStringLiteral("Index value = ") + hex(hexToNumber(s.x), 2),
            QStringLiteral("Resultant Addr = ") + hex(zeroPageIndexedAddress(s, w), 4)};
}

}  // namespace orr::micro
