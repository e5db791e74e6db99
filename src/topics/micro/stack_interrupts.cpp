// The third instruction set: grouped tables, branches, flags, stack and
// interrupts.
#include "topics/micro/stack_interrupts.h"

#include "topics/micro/conversions.h"

namespace orr::micro {

InstructionTable thirdSetTable()
{
    const auto grouped = [](Op op, const char* heading, const char* strip, bool stack, bool vector) {
        InstructionInfo i{op, QString(), QLatin1String(heading), QLatin1String(heading), QString(), {}};
        i.strip = QLatin1String(strip);
        i.stack = stack;
        i.vector = vector;
        i.grouped = true;
        return i;
    };
    const auto single = [](Op op, const char* m, const char* heading, const char* t1, const char* t2,
                           const char* code, const char* strip) {
        InstructionInfo i{op, QLatin1String(m), QLatin1String(heading), QLatin1String(t1), QLatin1String(t2),
                          opCodeList({code})};
        i.strip = QLatin1String(strip);
        return i;
    };
    static const InstructionInfo table[] = {
        grouped(Op::Branch, "Branching.", "addr 1234h : displacement = #06h or #86h", false, false),
        grouped(Op::ClearFlags, "Clear Flags.", "", false, false),
        single(Op::BRK, "BRK", "BRK Break.", "BRK. Force break. Program counter", "incremented by 2, set B flag.",
               "00", "Program counter = 1234h "),
        single(Op::DEX, "DEX", "DEX Decrement X Register.", "DEX. Decrements contents of", "X Register by one.",
               "CA", "LDX #7Ah"),
        single(Op::INX, "INX", "INX Increment 'X Register.", "INX. Increments contents of", "X Register by one.",
               "E8", "LDX #55h"),
        single(Op::DEY, "DEY", "DEY Decrement Y Register.", "DEY. Decrements contents of", "Y Register by one.",
               "88", "LDY #CBh"),
        single(Op::INY, "INY", "INY Increment Y Register.", "INY. Increments contents of", "Y Register by one.",
               "C8", "LDY #DCh"),
        [&] {
            InstructionInfo i = single(Op::RTI, "RTI", "RTI Return from Interrupt.",
                                       "RTI. Return from Interrupt. Status reg,", "prog counter popped from stack.",
                                       "40", "Program Counter =1234h");
            i.stack = i.vector = true;
            return i;
        }(),
        grouped(Op::Push, "Push Register Contents.", "LDA #ABh", true, true),
        grouped(Op::Pull, "Pull Register Contents.", "LDA #00h", true, true),
        grouped(Op::RTS, "RTS Return from Subroutine.", "Subroutine location in RAM 034Ah", true, false),
        grouped(Op::SetFlags, "Set Status Register Flags.", "", false, false),
        grouped(Op::Transfer, "Transfer between Registers.", "LDA #22h : LDX #8Ch : LDY #34h", false, false),
    };
    return {table, int(std::size(table))};
}

QString groupOf(const QString& m)
{
    if (m.startsWith(QLatin1Char('B')))
        return QStringLiteral("BRANCH");
    if (m.startsWith(QLatin1Char('C')))
        return QStringLiteral("CLEAR");
    if (m.startsWith(QLatin1String("PH")))
        return QStringLiteral("PUSH");
    if (m.startsWith(QLatin1String("PL")))
        return QStringLiteral("PULL");
    if (m.startsWith(QLatin1String("RT")))
        return QStringLiteral("RTS");
    if (m.startsWith(QLatin1String("SE")))
        return QStringLiteral("SETFLAGS");
    if (m.startsWith(QLatin1Char('T')))
        return QStringLiteral("TRANSREGS");
    return QString();
}

std::vector<GroupedRow> groupedRows(Op example)
{
    struct Item {
        const char* mnemonic;
        const char* opCode;
        const char* description;
    };
    std::vector<Item> items;
    switch (example) {
    case Op::Branch:
        items = {{"BCC", "90", "BCC. Branch if carry clear."},  {"BCS", "B0", "BCS. Branch if carry set."},
                 {"BEQ", "F0", "BEQ. Branch if zero."},         {"BMI", "30", "BMI. Branch if sign (-)."},
                 {"BNE", "D0", "BNE. Branch if not zero."},     {"BPL", "10", "BPL. Branch if sign (+)."},
                 {"BVC", "50", "BVC. Branch if overflow clear."}, {"BVS", "70", "BVS. Branch if overflow set."}};
        break;
    case Op::ClearFlags:
        items = {{"CLC", "18", "CLC. Clear carry flag."},
                 {"CLD", "D8", "CLD. Clear decimal flag."},
                 {"CLI", "58", "CLI. Clear Interrupt flag."},
                 {"CLV", "B8", "CLV. Clear overflow flag."}};
        break;
    case Op::Push:
        items = {{"PHA", "48", "PHA. Push accumulator to stack."}, {"PHP", "O8", "PHP. Push status register to stack."}};
        break;
    case Op::Pull:
        items = {{"PLA", "68", "PLA. Pull accumulator from stack."},
                 {"PLP", "28", "PLP. Pull status register from stack."}};
        break;
    case Op::RTS: items = {{"RTS", "60", "RTS. Return from subroutine."}}; break;
    case Op::SetFlags:
        items = {{"SEC", "38", "SEC. Set Carry."}, {"SED", "F8", "SED. Set Decimal."}, {"SEI", "78", "SEI. Set Interrupt."}};
        break;
    case Op::Transfer:
        items = {{"TAX", "AA", "TAX. Accumulator content to X register."},
                 {"TAY", "A8", "TAY. Accumulator content to Y Register."},
                 {"TSX", "BA", "TSX. Status register to X Register."},
                 {"TXA", "8A", "TXA. X Register to accumulator."},
                 {"TXS", "9A", "TXS. X Register to status register."},
                 {"TYA", "98", "TYA. Y Register to accumulator."}};
        break;
    default: break;
    }
    std::vector<GroupedRow> rows;
    for (const Item& i : items) {
        GroupedRow r{QLatin1String(i.mnemonic), QLatin1String(i.opCode), QLatin1String(i.description)};
        r.group = groupOf(r.mnemonic);
        const bool branch = r.group == QLatin1String("BRANCH");
        r.byte2 = branch ? QStringLiteral("disp.") : QString();
        r.mode = branch ? QStringLiteral("Relative.") : QStringLiteral("Implied.");
        rows.push_back(r);
    }
    return rows;
}

int groupedRow(Op example, int storedRow)
{
    const int n = int(groupedRows(example).size());
    return storedRow >= 1 && storedRow <= n ? storedRow : 1;
}

std::array<QString, 3> thirdSetCaptions(Op example, int)
{
    const auto c = [](const char* a, const char* b = "", const char* d = "") {
        return std::array<QString, 3>{QLatin1String(a), QLatin1String(b), QLatin1String(d)};
    };
    switch (example) {
    case Op::Branch: return c("addr.", "Displacement.");
    case Op::BRK:
    case Op::RTI: return c("Prog Counter");
    case Op::DEX:
    case Op::INX: return c("LDX ??h");
    case Op::DEY:
    case Op::INY: return c("LDY ??h");
    case Op::Push:
    case Op::Pull: return c("LDA #data.");
    case Op::RTS: return c("Subroutine ?");
    case Op::SetFlags: return c("Status Reg.");
    case Op::Transfer: return c("LDA #data.", "LDX #data.", "LDY #data.");
    default: return c("");
    }
}

namespace {

// The flag a row of the branch, clear-flags and set-flags tables works on.
Panel rowFlag(Op example, int row)
{
    if (example == Op::Branch) {
        static const Panel flags[8] = {Panel::FlagC, Panel::FlagC, Panel::FlagZ, Panel::FlagN,
                                       Panel::FlagZ, Panel::FlagN, Panel::FlagV, Panel::FlagV};
        return flags[(row >= 1 && row <= 8 ? row : 1) - 1];
    }
    static const Panel flags[4] = {Panel::FlagC, Panel::FlagD, Panel::FlagI, Panel::FlagV};
    return flags[(row >= 1 && row <= 4 ? row : 1) - 1];
}

QString statusHex(const CpuState& s) { return numberToHex(s.statusValue()); }

void setFlagsShown(CpuState& s, CpuView& view, const QString& bits)
{
    static const Panel order[7] = {Panel::FlagN, Panel::FlagV, Panel::FlagB, Panel::FlagD,
                                   Panel::FlagI, Panel::FlagZ, Panel::FlagC};
    static const int position[7] = {0, 1, 3, 4, 5, 6, 7};
    for (int k = 0; k < 7; ++k)
        view.setFlagCell(s, order[k], bits.mid(position[k], 1) == QLatin1String("1") ? QStringLiteral("1")
                                                                                        : QStringLiteral("0"));
}

void stepProgramCounter(CpuState& s, CpuView& view)
{
    s.programCounter += 1;
    view.show(s, Panel::ProgramCounter);
}

void transfer(CpuState& s, int row, CpuView& view)
{
    switch (row) {
    case 1: s.x = s.a; view.show(s, Panel::XRegister); break;
    case 2: s.y = s.a; view.show(s, Panel::YRegister); break;
    case 3:
        s.stackPointer = 0x1FD;
        s.x = statusHex(s);
        view.show(s, Panel::XRegister);
        break;
    case 4: s.a = s.x; view.show(s, Panel::Accumulator); break;
    case 5: setFlagsShown(s, view, numberToBinary(int64_t(hexToNumber(s.x)), 8)); break;
    default: s.a = s.y; view.show(s, Panel::Accumulator); break;
    }
    stepProgramCounter(s, view);
}

}  // namespace

QString manualCaption(Op example, int row)
{
    const auto flagCaption = [](Panel f) {
        switch (f) {
        case Panel::FlagC: return QStringLiteral("Reset Carry");
        case Panel::FlagZ: return QStringLiteral("Reset Zero");
        case Panel::FlagN: return QStringLiteral("Reset Sign");
        case Panel::FlagD: return QStringLiteral("Reset Decimal");
        case Panel::FlagI: return QStringLiteral("Reset Interrupt");
        default: return QStringLiteral("Reset Overflow");
        }
    };
    switch (example) {
    case Op::Branch:
    case Op::ClearFlags:
    case Op::SetFlags: return flagCaption(rowFlag(example, row));
    case Op::BRK: return QStringLiteral("Reset Break");
    case Op::DEX: return QStringLiteral("DEX");
    case Op::INX: return QStringLiteral("INX");
    case Op::DEY: return QStringLiteral("DEY");
    case Op::INY: return QStringLiteral("INY");
    case Op::Push: return QStringLiteral("Push");
    case Op::Pull: return QStringLiteral("Pull");
    case Op::RTS: return QStringLiteral("RTS");
    default: return QString();  // RTI and the transfers have no manual change
    }
}

bool branchTaken(const CpuState& s, const QString& m)
{
    if (m == QLatin1String("BCC")) return s.c == 0;
    if (m == QLatin1String("BCS")) return s.c == 1;
    if (m == QLatin1String("BEQ")) return s.z == 1;
    if (m == QLatin1String("BMI")) return s.n == 1;
    if (m == QLatin1String("BNE")) return s.z == 0;
    if (m == QLatin1String("BPL")) return s.n == 0;
    if (m == QLatin1String("BVC")) return s.v == 0;
    if (m == QLatin1String("BVS")) return s.v == 1;
    return false;
}

void executeThirdSet(CpuState& s, Op example, CpuView& view, bool& pcSelectable)
{
    const int row = s.selectedRow;
    switch (example) {
    case Op::Branch: {
        const auto rows = groupedRows(example);
        if (branchTaken(s, rows[size_t(groupedRow(example, row) - 1)].mnemonic))
            s.effectiveAddress += s.displacement;  // the program counter stays where it is
        view.show(s, Panel::Memory);
        break;
    }
    case Op::ClearFlags:
        view.setFlagCell(s, rowFlag(example, row), QStringLiteral("0"));
        stepProgramCounter(s, view);
        break;
    case Op::SetFlags:
        if (row <= 3)
            view.setFlagCell(s, rowFlag(example, row), QStringLiteral("1"));
        break;
    case Op::BRK:
        view.setFlagCell(s, Panel::FlagB, QStringLiteral("1"));
        if (pcSelectable) {
            s.programCounter += 2;
            view.show(s, Panel::ProgramCounter);
        }
        pcSelectable = false;
        break;
    case Op::DEX:
    case Op::INX:
    case Op::DEY:
    case Op::INY: {
        const bool x = example == Op::DEX || example == Op::INX;
        const int step = example == Op::INX || example == Op::INY ? 1 : -1;
        QString& reg = x ? s.x : s.y;
        reg = padHex(numberToHex((hexToNumber(reg) + step) & 0xFF), 2);
        view.show(s, x ? Panel::XRegister : Panel::YRegister);
        stepProgramCounter(s, view);
        break;
    }
    case Op::RTI:
        s.stackPointer = 0x1FD;
        s.programCounter = 0x3EA;
        view.show(s, Redraws{Panel::ProgramCounter, Panel::StackPointer, Panel::Stack, Panel::InterruptVector});
        setFlagsShown(s, view, QStringLiteral("10000110"));
        break;
    case Op::Push:
        // A push stores at the stack pointer and then moves it down.
        s.setCell(s.stackPointer, row == 2 ? statusHex(s) : s.a);
        view.show(s, Panel::Stack);
        s.stackPointer -= 1;
        stepProgramCounter(s, view);
        view.show(s, Panel::InterruptVector);
        break;
    case Op::Pull: {
        const QString cell = s.trimCell(s.stackPointer);
        if (row == 2) {
            setFlagsShown(s, view, numberToBinary(int64_t(hexToNumber(cell)), 8));
        } else {
            s.a = padHex(cell, 2);
            view.show(s, Panel::Accumulator);
        }
        // The pull here moves the pointer down, as the push does.
        s.stackPointer -= 1;
        view.show(s, Panel::Stack);
        stepProgramCounter(s, view);
        view.show(s, Panel::InterruptVector);
        break;
    }
    case Op::RTS:
        s.programCounter = hexToNumber(s.cell(0x1FF).trimmed() + padHex(s.cell(0x1FE).trimmed(), 2));
        s.stackPointer = 0x1FD;
        view.show(s, Panel::StackPointer);
        s.stackPointer += 1;
        view.show(s, Redraws{Panel::Stack, Panel::ProgramCounter});
        break;
    case Op::Transfer: transfer(s, row, view); break;
    default: break;
    }
}

void manualChange(CpuState& s, Op example, CpuView& view, bool& pcSelectable)
{
    switch (example) {
    case Op::Branch:
    case Op::ClearFlags:
    case Op::SetFlags: {
        const Panel f = rowFlag(example, s.selectedRow);
        view.setFlagCell(s, f, toggleFlag(s, f));
        break;
    }
    case Op::BRK:
        view.setFlagCell(s, Panel::FlagB, QStringLiteral("0"));
        pcSelectable = true;
        break;
    case Op::DEX:
    case Op::INX:
    case Op::DEY:
    case Op::INY:
        if (s.selectedRow == 1)
            executeThirdSet(s, example, view, pcSelectable);
        break;
    case Op::Push:
    case Op::Pull:
    case Op::RTS: executeThirdSet(s, example, view, pcSelectable); break;
    default: break;
    }
}

void rtiFromStack(CpuState& s, CpuView& view)
{
    const int64_t sp = s.stackPointer;
    if (!s.inRange(sp) || !s.inRange(sp + 2))
        return;
    s.programCounter = hexToNumber(s.cell(sp + 2).trimmed() + padHex(s.cell(sp + 1).trimmed(), 2));
    setFlagsShown(s, view, numberToBinary(int64_t(hexToNumber(s.cell(sp))), 8));
    view.show(s, Redraws{Panel::ProgramCounter, Panel::Stack});
}

void enterThirdSet(CpuState& s, Op example, int index, const QString& typed, CpuView& view)
{
    if (index == 3) {
        view.show(s, enter(s, Entry::SelectAddress, typed));
        return;
    }
    switch (example) {
    case Op::Branch:
        if (index == 0) {
            s.operand = padHex(typed, 4);
            s.effectiveAddress = hexToNumber(s.operand);
            s.programCounter += 2;
            view.show(s, Redraws{Panel::ProgramCounter, Panel::Memory});
        } else if (index == 1) {
            view.show(s, enter(s, Entry::Displacement, typed));
        }
        break;
    case Op::BRK:
    case Op::RTI: view.show(s, enter(s, Entry::SetProgramCounter, typed)); break;
    case Op::DEX:
    case Op::INX: view.show(s, enter(s, Entry::LoadX, typed)); break;
    case Op::DEY:
    case Op::INY: view.show(s, enter(s, Entry::LoadY, typed)); break;
    case Op::Push:
    case Op::Pull: view.show(s, enter(s, Entry::LoadAccumulator, typed)); break;
    case Op::RTS: {
        const QString t = padHex(typed, 4);
        s.setCell(0x1FF, t.left(2));
        s.setCell(0x1FE, t.right(2));
        s.stackPointer = 0x1FF;
        view.show(s, Panel::Stack);
        break;
    }
    case Op::SetFlags: {
        // Eight binary digits set every flag at once (bit 5 has no flag).
        const QString bits = (QStringLiteral("00000000") + typed.trimmed()).right(8);
        setFlagsShown(s, view, bits);
        break;
    }
    case Op::Transfer: {
        static const Entry loads[3] = {Entry::LoadAccumulator, Entry::LoadX, Entry::LoadY};
        if (index >= 0 && index <= 2)
            view.show(s, enter(s, loads[index], typed));
        break;
    }
    default: break;
    }
}

void loadStackSetState(CpuState& s)
{
    loadInstructionSetState(s);
    s.stackPointer = 0x1F40;
    s.setCell(0x1FD, QStringLiteral("86"));
    s.setCell(0x1FE, QStringLiteral("EA"));
    s.setCell(0x1FF, QStringLiteral("03"));
}

}  // namespace orr::micro
