// The instruction set: addressing-mode rows, instruction data, selector
// captions and execution.
#include "topics/micro/instruction_set.h"

#include "topics/micro/conversions.h"

namespace orr::micro {

namespace {

bool isOneOf(const QString& m, std::initializer_list<const char*> names)
{
    for (const char* n : names)
        if (m == QLatin1String(n))
            return true;
    return false;
}

}  // namespace

ModeTable buildModeTable(const QString& titleLine1, const std::array<QString, 8>& opCodes)
{
    static const char* const forms[8] = {"addr",       "zpage",      "data",       "addr, X",
                                         "addr, Y",    "(zpage, X)", "(zpage), Y", "zpage, X"};
    static const char* const names[8] = {"Absolute",    "Zero page",     "Immediate",     "Absolute, X",
                                         "Absolute, Y", "(Indirect, X)", "(Indirect), Y", "Zero Page, X"};
    const QString m = titleLine1.left(3);
    ModeTable t;
    for (int i = 0; i < 8; ++i) {
        t[i].operandForm = QLatin1String(forms[i]);
        t[i].modeName = QLatin1String(names[i]);
        t[i].opCode = opCodes[size_t(i)];
        t[i].mnemonic = m;
    }
    if (m == QLatin1String("JMP")) {
        t[1].operandForm = QStringLiteral("(addr)");
        t[1].modeName = QStringLiteral("Indirect");
    } else if (isOneOf(m, {"ROR", "ROL", "LSR", "ASL"})) {
        t[4].operandForm = QStringLiteral("A");
    } else if (m == QLatin1String("STX")) {
        t[7].operandForm = QStringLiteral("zpage, Y");
        t[7].modeName = QStringLiteral("Zero Page, Y");
    } else if (isOneOf(m, {"INY", "DEY", "INX", "DEX", "RTI", "BRK", "NOP"})) {
        t[0].operandForm = QStringLiteral(" ");
        t[0].modeName = QStringLiteral("Implied.");
    }
    for (ModeRow& r : t)
        if (!r.available())
            r.operandForm = QStringLiteral("*");

    // Byte 2 and byte 3 labels; each later rule overrides the earlier ones.
    for (ModeRow& r : t) {
        const QString& op = r.operandForm;
        if (r.available()) {
            r.byte2 = QStringLiteral("Low");
            r.byte3 = QStringLiteral("High");
        }
        if (op == t[1].operandForm || op == t[5].operandForm || op == t[6].operandForm || op == t[7].operandForm) {
            r.byte2 = QStringLiteral("zpage");
            r.byte3.clear();
        }
        if (op == QLatin1String("data")) {
            r.byte2 = QStringLiteral("data");
            r.byte3.clear();
        }
        if (op == QLatin1String("A")) {
            r.byte2.clear();
            r.byte3.clear();
            t[4].modeName = QStringLiteral("Accumulator");
        }
        if (op == QLatin1String("(addr)")) {
            r.byte2 = QStringLiteral("Low");
            r.byte3 = QStringLiteral("High");
        }
        if (op == QLatin1String(" ")) {
            r.byte2.clear();
            r.byte3.clear();
        }
        if (op == QLatin1String("*")) {
            r.mnemonic = QStringLiteral(" ");
            r.operandForm = QStringLiteral(" ");
            r.byte2.clear();
            r.byte3.clear();
            r.modeName.clear();
        }
    }
    return t;
}

int selectAvailableRow(const ModeTable& table, int storedRow)
{
    int row = storedRow > 8 || storedRow < 1 ? 1 : storedRow;
    for (int tries = 0; tries < 8 && !table[size_t(row - 1)].available(); ++tries)
        row = row == 8 ? 1 : row + 1;
    return row;
}

bool selectorCaptions(const QString& m, int row, const QString& op, std::array<QString, 3>& c)
{
    const auto set = [&](const QString& a, const char* b, const char* d) {
        c = {a, QLatin1String(b), QLatin1String(d)};
        return true;
    };
    const auto in = [&](std::initializer_list<int> rows) {
        for (int r : rows)
            if (r == row)
                return true;
        return false;
    };
    if (m == QLatin1String("LDA")) {
        if (row == 1) return set(QString(), "", "");
        if (row == 2) return set(op, "", "");
        if (row == 3) return set(QStringLiteral("data"), "", "");
        if (in({4, 6, 8})) return set(op, "LDX ??h", "");
        if (in({5, 7})) return set(op, "LDY ??h", "");
    } else if (m == QLatin1String("STA")) {
        if (in({1, 2, 3})) return set(op, "LDA data", "");
        if (in({4, 6, 8})) return set(op, "LDX ??h", "");
        if (in({5, 7})) return set(op, "LDY ??h", "");
    } else if (m == QLatin1String("LDX")) {
        if (in({1, 2, 3})) return set(op, "", "");
        if (in({5, 7})) return set(op, "LDY ??h", "");
    } else if (m == QLatin1String("LDY")) {
        if (in({1, 2, 3})) return set(op, "", "");
        if (in({4, 8})) return set(op, "LDX ??h", "");
    } else if (m == QLatin1String("STX")) {
        if (in({1, 2})) return set(op, "LDX data", "");
        if (row == 8) return set(op, "LDX data", "LDY ??h");
    } else if (m == QLatin1String("STY")) {
        if (in({1, 2})) return set(op, "LDY data", "");
        if (row == 8) return set(op, "LDY data", "LDX ??h");
    } else if (isOneOf(m, {"ADC", "SBC", "AND", "ORA", "EOR", "CMP"})) {
        if (in({1, 2, 3})) return set(op, "LDA data", "");
        if (in({4, 6, 8})) return set(op, "LDA data", "LDX ??h");
        if (in({5, 7})) return set(op, "LDA data", "LDY ??h");
    } else if (m == QLatin1String("BIT")) {
        if (in({1, 2})) return set(op, "LDA data", "");
    } else if (m == QLatin1String("CPX")) {
        if (in({1, 2, 3})) return set(op, "LDX data", "");
    } else if (m == QLatin1String("CPY")) {
        if (in({1, 2, 3})) return set(op, "LDY data", "");
    } else if (isOneOf(m, {"DEC", "INC"})) {
        if (in({1, 2})) return set(op, "", "");
        if (in({4, 8})) return set(op, "LDX ??h", "");
    } else if (isOneOf(m, {"ASL", "LSR", "ROL", "ROR"})) {
        if (in({1, 2})) return set(op, "", "");
        if (in({4, 8})) return set(op, "LDX ??h", "");
        if (row == 5) return set(QStringLiteral("LDA ??h"), "", "");
    } else if (m == QLatin1String("JMP")) {
        if (in({1, 2})) return set(op, "", "");
    } else if (m == QLatin1String("JSR")) {
        if (row == 1) return set(op, "", "");
    } else if (m == QLatin1String("NOP")) {
        if (row == 1) return set(QStringLiteral("NOP"), "", "");
    } else if (isOneOf(m, {"BRK", "RTI"})) {
        if (row == 1) return set(QStringLiteral("Prog Counter"), "", "");
    } else if (isOneOf(m, {"DEX", "INX"})) {
        return set(QStringLiteral("LDX ??h"), "", "");
    } else if (isOneOf(m, {"DEY", "INY"})) {
        return set(QStringLiteral("LDY ??h"), "", "");
    }
    return false;
}

QString workedExample(int row)
{
    static const char* const texts[8] = {
        "addr(0504h) = 56h : LDA = C2h : addr(1234h).",
        "addr(0010) = AAh : zpage(10h) : LDA = C2h.",
        "data = BCh.",
        "addr(0504h) = 34h : LDX = 04h : addr,X = 0500h.",
        "addr(0500h) = 34h : LDY = 04h : LDA = 7Ah : addr,Y = 0500h.",
        "addr(0096h) = 00h : addr(0097h) = 05h : addr(0500h) = 34h : LDX = 06h. : (zpage,X) = 90h.",
        "addr(0090h) = 00h : addr(0091h) = 05h : addr(0504h) = 56h : LDY = 04h. : (zpage),Y = 90h.",
        "addr(0010h) = AAh : LDX = 20h : LDY = 20h : zpage,X = F0h.",
    };
    return row >= 1 && row <= 8 ? QLatin1String(texts[row - 1]) : QString();
}

namespace {

const std::array<InstructionInfo, kInstructionCount>& firstSet()
{
    static const std::array<InstructionInfo, kInstructionCount> table = {{
        {Op::LDA, "LDA", "LDA Load the Accumulator.", "LDA. Data replaces previous", "accumulator contents.",
         opCodeList({"AD", "A5", "A9", "BD", "B9", "A1", "B1", "B5"})},
        {Op::STA, "STA", "STA Store Accumulator in Memory.", "STA. Stores the accumulator",
         "contents at selected address.", opCodeList({"8D", "85", "", "9D", "99", "81", "91", "95"})},
        {Op::ADC, "ADC", "ADC Add with Carry.", "ADC. Adds content of specified", "address to Accumulator with carry",
         opCodeList({"6D", "65", "69", "7D", "79", "61", "71", "75"})},
        {Op::AND, "AND", "AND Logical AND.", "AND. Logical AND accumulator", "and specified data or address.",
         opCodeList({"2D", "25", "29", "3D", "39", "21", "31", "35"})},
        {Op::ORA, "ORA", "ORA Inclusive OR with Accumulator.", "ORA. Logical OR accumulator",
         "and specified data or address.", opCodeList({"0D", "05", "09", "1D", "19", "01", "11", "15"})},
        {Op::EOR, "EOR", "EOR Exclusive OR.", "EOR. Logical Exclusive OR accum", "and specified data or address.",
         opCodeList({"4D", "45", "49", "5D", "59", "41", "51", "55"})},
        {Op::CMP, "CMP", "CMP Compare Accumulator.", "CMP. Compares accumulator with", "specified data, sets flags.",
         opCodeList({"CD", "C5", "C9", "DD", "D9", "C1", "D1", "D5"})},
        {Op::SBC, "SBC", "SBC Subtract with Carry.", "SBC. Subtracts content of specified",
         "address from accum with borrrow.", opCodeList({"ED", "E5", "E9", "FD", "F9", "E1", "F1", "F5"})},
        {Op::LDX, "LDX", "LDX Load the X Register.", "LDX. Data replaces previous", "X Register contents.",
         opCodeList({"AE", "A6", "A2", "", "BE", "", "B6", ""})},
        {Op::LDY, "LDY", "LDY Load the Y Register.", "LDY. Data replaces previous", "Y Register contents.",
         opCodeList({"AC", "A4", "A0", "BC", "", "", "", "B4"})},
        {Op::STX, "STX", "STX Store X in Memory.", "STX. Stores the X Register", "contents at selected address.",
         opCodeList({"8E", "86", "", "", "", "", "", "96"})},
        {Op::STY, "STY", "STY Store Y in Memory.", "STY. Stores the Y Register", "contents at selected address.",
         opCodeList({"8C", "84", "", "", "", "", "", "94"})},
    }};
    return table;
}

}  // namespace

InstructionTable instructionTable(int set)
{
    if (set == 2)
        return secondSetTable();
    if (set == 3)
        return thirdSetTable();
    return {firstSet().data(), kInstructionCount};
}

const InstructionInfo& instructionInfo(int example) { return instructionTable(1).at(example); }

std::array<QString, 8> opCodeList(std::initializer_list<const char*> list)
{
    std::array<QString, 8> a;
    size_t i = 0;
    for (const char* c : list)
        if (i < a.size())
            a[i++] = QLatin1String(c);
    return a;
}

QString operandM(const CpuState& s)
{
    return s.selectedRow == 3 ? s.operand : s.cell(s.effectiveAddress);
}

namespace {

QString bitwise(const CpuState& s, const QString& first, const QString& second, int which)
{
    const int32_t a = hexToNumber(first);
    const int32_t b = hexToNumber(second.isEmpty() ? s.cell(s.effectiveAddress) : second);
    return numberToHex(which == 0 ? (a & b) : which == 1 ? (a | b) : (a ^ b));
}

bool rowIn(int row, std::initializer_list<int> rows)
{
    for (int r : rows)
        if (r == row)
            return true;
    return false;
}

}  // namespace

QString andCalc(const CpuState& s, const QString& first, const QString& second) { return bitwise(s, first, second, 0); }
QString orCalc(const CpuState& s, const QString& first, const QString& second) { return bitwise(s, first, second, 1); }
QString eorCalc(const CpuState& s, const QString& first, const QString& second) { return bitwise(s, first, second, 2); }

Redraws compare(CpuState& s, int32_t r, int32_t m)
{
    const int32_t d = int16_t(r - m);
    const QString b = numberToBinary(d, 8);
    s.n = b.at(0) == QLatin1Char('1') ? 1 : 0;
    s.z = r == m ? 1 : 0;
    s.c = r >= m ? 1 : 0;
    return {Panel::FlagN, Panel::FlagZ, Panel::FlagC};
}

Redraws execute(CpuState& s, Op op)
{
    const int row = s.selectedRow;
    const QString m = operandM(s);
    const int32_t a = hexToNumber(s.a);
    const int32_t mv = hexToNumber(m);
    switch (op) {
    case Op::LDA: s.a = m; return {Panel::Memory, Panel::Accumulator};
    case Op::STA:
        if (row == 3)
            return {};
        s.setCell(s.effectiveAddress, s.a);
        return {Panel::Accumulator, Panel::Memory};
    case Op::ADC: s.a = numberToHex(int64_t(a) + mv + s.c); return {Panel::Accumulator, Panel::Memory};
    case Op::AND: s.a = andCalc(s, s.a, m); return {Panel::Accumulator, Panel::Memory};
    case Op::ORA: s.a = orCalc(s, s.a, m); return {Panel::Accumulator, Panel::Memory};
    case Op::EOR: s.a = eorCalc(s, s.a, m); return {Panel::Accumulator, Panel::Memory};
    case Op::CMP: {
        Redraws r = compare(s, a, mv);
        r.push_back(Panel::Memory);
        return r;
    }
    case Op::SBC: s.a = numberToHex(int64_t(a) - mv - s.c); return {Panel::Accumulator, Panel::Memory};
    case Op::LDX:
        if (!rowIn(row, {1, 2, 3, 5, 7}))
            return {};
        s.x = m;
        return {Panel::Memory, Panel::XRegister};
    case Op::LDY:
        if (!rowIn(row, {1, 2, 3, 4, 8}))
            return {};
        s.y = m;
        return {Panel::YRegister, Panel::Memory};
    case Op::STX:
    case Op::STY:
        if (!rowIn(row, {1, 2, 8}))
            return {};
        s.setCell(s.effectiveAddress, op == Op::STX ? s.x : s.y);
        return {Panel::Memory};
    default: break;
    }
    return {};
}

void execute(CpuState& s, Op op, CpuView& view)
{
    if (int(op) <= int(Op::STY))
        view.show(s, execute(s, op));
    else
        executeSecondSet(s, op, view);
}

void loadInstructionSetState(CpuState& s)
{
    s.selectedRow = 1;
    s.programCounter = 0;
    s.a = QStringLiteral("05");
    s.x = QStringLiteral("04");
    s.y = QStringLiteral("04");
    s.clearMemory();
    s.setCell(0x0010, QStringLiteral("AA"));
    s.setCell(0x0091, QStringLiteral("05"));
    s.setCell(0x0097, QStringLiteral("05"));
    s.setCell(0x0500, QStringLiteral("34"));
    s.setCell(0x0504, QStringLiteral("56"));
    s.setCell(0x1234, QStringLiteral("AB"));
    s.selectorCount = 1;
}

}  // namespace orr::micro
