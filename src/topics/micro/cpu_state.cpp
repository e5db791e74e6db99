// The simulated microprocessor's state, the panels' side effects and the
// entry handlers.
#include "topics/micro/cpu_state.h"

#include "batch/batch_state.h"
#include "topics/micro/conversions.h"

namespace orr::micro {

CpuState::CpuState() : memory_(size_t(kLastAddress) + 1, QStringLiteral("00")) {}

QString CpuState::cell(int64_t address) const
{
    return inRange(address) ? memory_[size_t(address)] : QString();
}

void CpuState::setCell(int64_t address, const QString& text)
{
    if (inRange(address))
        memory_[size_t(address)] = (text + QStringLiteral("  ")).left(2);
}

QString CpuState::trimCell(int64_t address)
{
    if (!inRange(address))
        return QString();
    QString& c = memory_[size_t(address)];
    while (c.endsWith(QLatin1Char(' ')))
        c.chop(1);
    return c;
}

void CpuState::clearMemory()
{
    for (QString& c : memory_)
        c = QStringLiteral("00");
}

int CpuState::statusValue() const { return n * 128 + v * 64 + b * 16 + d * 8 + i * 4 + z * 2 + c; }

int32_t& CpuState::flag(Panel cell)
{
    switch (cell) {
    case Panel::FlagN: return n;
    case Panel::FlagV: return v;
    case Panel::FlagB: return b;
    case Panel::FlagD: return d;
    case Panel::FlagI: return i;
    case Panel::FlagZ: return z;
    default: return c;
    }
}

QString CpuState::summary() const
{
    const auto hex4 = [](int32_t v) { return padHex(numberToHex(v), 4); };
    return QStringLiteral("A=%1 X=%2 Y=%3 SP=%4 PC=%5 EA=%6 N=%7 V=%8 B=%9 D=%10 I=%11 Z=%12 C=%13")
        .arg(a, x, y, hex4(stackPointer), hex4(programCounter), hex4(effectiveAddress))
        .arg(n)
        .arg(v)
        .arg(b)
        .arg(d)
        .arg(i)
        .arg(z)
        .arg(c);
}

CpuState& cpu()
{
    static CpuState state;
    return state;
}

namespace {
BatchState reg(QStringLiteral("cpu"), [] { return cpu().summary(); });

// Bits 7 and 6 of a register text.
int bit(const QString& reg, int n) { return (hexToNumber(reg) >> n) & 1; }
}  // namespace

void settleAccumulator(CpuState& s)
{
    const int32_t v = hexToNumber(s.a);
    s.a = (QStringLiteral("00") + s.a).right(2);
    s.c = v > 255 ? 1 : 0;
    s.z = v == 0 ? 1 : 0;
    s.v = bit(s.a, 7) != bit(s.a, 6) ? 1 : 0;
    s.n = bit(s.a, 7);
}

namespace {
void settleIndex(CpuState& s, QString& reg)
{
    if (hexToNumber(reg) > 255)
        reg = QStringLiteral("00");
    s.z = hexToNumber(reg) == 0 ? 1 : 0;
    s.n = bit(reg, 7);
}
}  // namespace

void settleX(CpuState& s) { settleIndex(s, s.x); }
void settleY(CpuState& s) { settleIndex(s, s.y); }

void settle(CpuState& s, Panel p)
{
    switch (p) {
    case Panel::Accumulator: settleAccumulator(s); break;
    case Panel::XRegister: settleX(s); break;
    case Panel::YRegister: settleY(s); break;
    case Panel::Memory: {
        const int k = s.effectiveAddress < 16 ? s.effectiveAddress : 10;
        for (int row = 0; row < 22; ++row)
            s.trimCell(int64_t(s.effectiveAddress) - k + row);
        break;
    }
    case Panel::Stack:
        for (int k = -3; k <= 8; ++k)
            s.trimCell(int64_t(s.stackPointer) + k);
        break;
    default: break;
    }
}

void setFlagsFromBinary(CpuState& s, const QString& bits)
{
    const auto at = [&](int i) { return i < bits.size() && bits.at(i) == QLatin1Char('1') ? 1 : 0; };
    s.n = at(0);
    s.v = at(1);
    s.b = at(3);
    s.d = at(4);
    s.i = at(5);
    s.z = at(6);
    s.c = at(7);
}

QString toggleFlag(CpuState& s, Panel flag)
{
    int32_t& f = s.flag(flag);
    f = f == 1 ? 0 : 1;
    return f == 1 ? QStringLiteral("1") : QStringLiteral("0");
}

namespace {

// The address held in cells z+1 (high byte) and z (low byte), as the text of
// the two cells one after the other. False when either cell is outside memory.
bool pointerAt(const CpuState& s, int64_t z, int32_t& address)
{
    if (!s.inRange(z) || !s.inRange(z + 1))
        return false;
    address = hexToNumber(s.cell(z + 1) + s.cell(z));
    return true;
}

}  // namespace

Redraws enter(CpuState& s, Entry handler, const QString& typed)
{
    const QString four = padHex(typed, 4);
    const QString two = padHex(typed, 2);
    const auto absolute = [&](int32_t index) -> Redraws {
        s.operand = four;
        s.effectiveAddress = index + hexToNumber(four);
        s.programCounter += 3;
        return Redraws{Panel::ProgramCounter, Panel::Memory};
    };
    const auto zeroPage = [&](int32_t index) -> Redraws {
        s.operand = two;
        s.effectiveAddress = (index + hexToNumber(two)) & 0xFF;
        s.programCounter += 2;
        return Redraws{Panel::ProgramCounter, Panel::Memory};
    };

    switch (handler) {
    case Entry::Absolute: {
        Redraws r = absolute(0);
        r.pop_back();
        return r;
    }
    case Entry::AbsoluteX: return absolute(hexToNumber(s.x));
    case Entry::AbsoluteY: return absolute(hexToNumber(s.y));
    case Entry::ZeroPage:
        s.operand = two;
        s.effectiveAddress = hexToNumber(two);
        s.programCounter += 2;
        return {Panel::ProgramCounter};
    case Entry::ZeroPageX: return zeroPage(hexToNumber(s.x));
    case Entry::ZeroPageY: return zeroPage(hexToNumber(s.y));
    case Entry::IndexedIndirect: {
        s.operand = two;
        const int64_t z = int64_t(hexToNumber(s.x)) + hexToNumber(two);
        s.effectiveAddress = int32_t(z);
        int32_t address = 0;
        if (!pointerAt(s, z, address))
            return {};
        s.effectiveAddress = address;
        s.programCounter += 2;
        return {Panel::Memory, Panel::ProgramCounter};
    }
    case Entry::IndirectIndexed: {
        s.operand = two;
        int32_t address = 0;
        if (!pointerAt(s, hexToNumber(two), address))
            return {};
        s.effectiveAddress = address + hexToNumber(s.y);
        s.programCounter += 2;
        return {Panel::ProgramCounter};
    }
    case Entry::Immediate:
        s.operand = two;
        s.programCounter += 2;
        return {Panel::ProgramCounter};
    case Entry::LoadAccumulator:
        s.a = two;
        s.programCounter += 2;  // shown with the next program-counter redraw
        return {Panel::Accumulator};
    case Entry::LoadX: s.x = two; return {Panel::XRegister};
    case Entry::LoadY: s.y = two; return {Panel::YRegister};
    case Entry::SetProgramCounter:
        s.programCounter = hexToNumber(four);
        return {Panel::ProgramCounter};
    case Entry::SelectAddress:
        s.operand = four;
        s.effectiveAddress = hexToNumber(four);
        return {Panel::Memory};
    case Entry::SetAddressContents:
        s.setCell(s.effectiveAddress, two);
        return {Panel::Memory};
    case Entry::Displacement:
        s.operand = two;
        s.displacement = displacementFrom(two);
        return {};
    }
    return {};
}

}  // namespace orr::micro
