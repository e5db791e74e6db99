// The processor model without any drawing: the flag rules of the register
// redraws, the entry handlers and the instructions, as tables of
// (state before, action, state after).
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <functional>

#include "topics/micro/conversions.h"
#include "topics/micro/cpu_state.h"
#include "topics/micro/instruction_set.h"

using namespace orr::micro;

namespace {

// The accumulator and the four flags a redraw derives.
QString flags(const CpuState& s)
{
    return QStringLiteral("A=%1 C=%2 Z=%3 V=%4 N=%5").arg(s.a).arg(s.c).arg(s.z).arg(s.v).arg(s.n);
}

// Executes op and applies the side effects of the redraws it asks for, as
// the window does when it draws them.
void runModel(CpuState& s, Op op)
{
    for (Panel p : execute(s, op))
        settle(s, p);
}

}  // namespace

TEST(CpuModel, AccumulatorRedrawDerivesFlagsFromTheRawValue)
{
    struct Case {
        const char* a;
        const char* after;
    } cases[] = {
        {"1A0", "A=A0 C=1 Z=0 V=1 N=1"},
        {"100", "A=00 C=1 Z=0 V=0 N=0"},  // a sum of exactly 100h: carry, but Z stays clear
        {"C0", "A=C0 C=0 Z=0 V=0 N=1"},   // bits 7 and 6 both set: no V
        {"40", "A=40 C=0 Z=0 V=1 N=0"},
        {"0", "A=00 C=0 Z=1 V=0 N=0"},
        {"4", "A=04 C=0 Z=0 V=0 N=0"},
        {"FFFFFFFF", "A=FF C=1 Z=0 V=0 N=1"},  // a negative difference
    };
    for (const Case& c : cases) {
        CpuState s;
        s.a = QLatin1String(c.a);
        settleAccumulator(s);
        EXPECT_EQ(flags(s), QLatin1String(c.after)) << c.a;
    }
    // Once cut to two digits a second redraw clears the carry again.
    CpuState s;
    s.a = QStringLiteral("1A0");
    settleAccumulator(s);
    settleAccumulator(s);
    EXPECT_EQ(flags(s), QStringLiteral("A=A0 C=0 Z=0 V=1 N=1"));
}

TEST(CpuModel, IndexRegisterRedrawResetsValuesAboveFF)
{
    struct Case {
        const char* value;
        const char* kept;
        int z, n;
    } cases[] = {{"1FF", "00", 1, 0}, {"80", "80", 0, 1}, {"7F", "7F", 0, 0}, {"00", "00", 1, 0}};
    for (const Case& c : cases) {
        CpuState s;
        s.x = QLatin1String(c.value);
        settleX(s);
        EXPECT_EQ(s.x, QLatin1String(c.kept));
        EXPECT_EQ(s.z, c.z) << c.value;
        EXPECT_EQ(s.n, c.n) << c.value;
        s.y = QLatin1String(c.value);
        settleY(s);
        EXPECT_EQ(s.y, QLatin1String(c.kept));
    }
}

TEST(CpuModel, MemoryCellsAreTwoCharactersAndBoundsChecked)
{
    CpuState s;
    s.setCell(5, QStringLiteral("A"));
    EXPECT_EQ(s.cell(5), QStringLiteral("A "));
    EXPECT_EQ(s.trimCell(5), QStringLiteral("A"));
    EXPECT_EQ(s.cell(5), QStringLiteral("A"));
    s.setCell(6, QStringLiteral("1A3"));
    EXPECT_EQ(s.cell(6), QStringLiteral("1A"));
    s.setCell(10001, QStringLiteral("FF"));  // skipped
    EXPECT_EQ(s.cell(10001), QString());
    s.setCell(-1, QStringLiteral("FF"));
    EXPECT_EQ(s.cell(-1), QString());
    s.setCell(10000, QStringLiteral("EE"));
    EXPECT_EQ(s.cell(10000), QStringLiteral("EE"));
}

TEST(CpuModel, StatusValueAndFlagHelpers)
{
    CpuState s;
    setFlagsFromBinary(s, QStringLiteral("11111111"));  // bit 5 has no store
    EXPECT_EQ(s.statusValue(), 128 + 64 + 16 + 8 + 4 + 2 + 1);
    setFlagsFromBinary(s, QStringLiteral("10100001"));
    EXPECT_EQ(s.statusValue(), 129);
    EXPECT_EQ(toggleFlag(s, Panel::FlagC), QStringLiteral("0"));
    EXPECT_EQ(toggleFlag(s, Panel::FlagD), QStringLiteral("1"));
    EXPECT_EQ(s.statusValue(), 128 + 8);
}

TEST(CpuModel, EntryHandlers)
{
    struct Case {
        const char* name;
        std::function<void(CpuState&)> before;
        Entry handler;
        const char* typed;
        int32_t ea, pcStep;
        const char* operand;
    } cases[] = {
        {"absolute", {}, Entry::Absolute, "1234", 0x1234, 3, "1234"},
        {"absolute short", {}, Entry::Absolute, "7", 7, 3, "0007"},
        {"absolute, X", [](CpuState& s) { s.x = "04"; }, Entry::AbsoluteX, "0500", 0x504, 3, "0500"},
        {"absolute, Y no wrap", [](CpuState& s) { s.y = "FF"; }, Entry::AbsoluteY, "2700", 0x27FF, 3, "2700"},
        {"zero page", {}, Entry::ZeroPage, "10", 0x10, 2, "10"},
        {"zero page, X wraps", [](CpuState& s) { s.x = "20"; }, Entry::ZeroPageX, "F0", 0x10, 2, "F0"},
        {"zero page, Y wraps", [](CpuState& s) { s.y = "20"; }, Entry::ZeroPageY, "F0", 0x10, 2, "F0"},
        {"(zpage, X)",
         [](CpuState& s) {
             s.x = "06";
             s.setCell(0x96, "00");
             s.setCell(0x97, "05");
         },
         Entry::IndexedIndirect, "90", 0x500, 2, "90"},
        {"(zpage), Y",
         [](CpuState& s) {
             s.y = "04";
             s.setCell(0x90, "00");
             s.setCell(0x91, "05");
         },
         Entry::IndirectIndexed, "90", 0x504, 2, "90"},
        // The pointer's second cell lies outside memory: the effective address
        // is left at z and the program counter stays.
        {"(zpage, X) beyond memory", [](CpuState& s) { s.x = "2710"; }, Entry::IndexedIndirect, "00", 10000, 0,
         "00"},
        {"immediate", [](CpuState& s) { s.effectiveAddress = 9; }, Entry::Immediate, "BC", 9, 2, "BC"},
        {"select address", {}, Entry::SelectAddress, "504", 0x504, 0, "0504"},
    };
    for (const Case& c : cases) {
        CpuState s;
        s.programCounter = 0x100;
        if (c.before)
            c.before(s);
        enter(s, c.handler, QLatin1String(c.typed));
        EXPECT_EQ(s.effectiveAddress, c.ea) << c.name;
        EXPECT_EQ(s.operand, QLatin1String(c.operand)) << c.name;
        EXPECT_EQ(s.programCounter, 0x100 + c.pcStep) << c.name;
    }
}

TEST(CpuModel, RegisterAndMemoryEntries)
{
    CpuState s;
    s.programCounter = 0;
    enter(s, Entry::LoadAccumulator, QStringLiteral("7F"));
    EXPECT_EQ(s.a, QStringLiteral("7F"));
    EXPECT_EQ(s.programCounter, 2);
    enter(s, Entry::LoadX, QStringLiteral("1FF"));  // only two digits are taken
    EXPECT_EQ(s.x, QStringLiteral("FF"));
    enter(s, Entry::SetProgramCounter, QStringLiteral("0600"));
    EXPECT_EQ(s.programCounter, 0x600);
    s.effectiveAddress = 0x504;
    enter(s, Entry::SetAddressContents, QStringLiteral("C2"));
    EXPECT_EQ(s.cell(0x504), QStringLiteral("C2"));
    s.effectiveAddress = 10001;
    EXPECT_NO_FATAL_FAILURE(enter(s, Entry::SetAddressContents, QStringLiteral("C2")));
    enter(s, Entry::Displacement, QStringLiteral("86"));
    EXPECT_EQ(s.displacement, -6);
    EXPECT_EQ(s.operand, QStringLiteral("86"));
}

TEST(CpuModel, Instructions)
{
    struct Case {
        const char* name;
        Op op;
        int row;         // 3: the operand is the typed byte, else the cell at 0504h
        const char* a;   // accumulator before
        const char* m;   // operand
        int carry;       // C before
        const char* after;
    } cases[] = {
        {"LDA F0", Op::LDA, 3, "05", "F0", 1, "A=F0 C=0 Z=0 V=0 N=1"},
        {"LDA 40", Op::LDA, 3, "05", "40", 0, "A=40 C=0 Z=0 V=1 N=0"},
        {"LDA from memory", Op::LDA, 1, "05", "00", 0, "A=00 C=0 Z=1 V=0 N=0"},
        {"ADC FF+01", Op::ADC, 3, "FF", "01", 0, "A=00 C=1 Z=0 V=0 N=0"},
        {"ADC 7F+01", Op::ADC, 3, "7F", "01", 0, "A=80 C=0 Z=0 V=1 N=1"},
        {"ADC adds the carry", Op::ADC, 1, "05", "01", 1, "A=07 C=0 Z=0 V=0 N=0"},
        {"ADC 80+80", Op::ADC, 3, "80", "80", 0, "A=00 C=1 Z=0 V=0 N=0"},
        {"ADC 00+00", Op::ADC, 3, "00", "00", 0, "A=00 C=0 Z=1 V=0 N=0"},
        {"SBC 05-05 borrow", Op::SBC, 3, "05", "05", 1, "A=FF C=1 Z=0 V=0 N=1"},
        {"SBC 05-05", Op::SBC, 3, "05", "05", 0, "A=00 C=0 Z=1 V=0 N=0"},
        {"SBC 00-01", Op::SBC, 3, "00", "01", 0, "A=FF C=1 Z=0 V=0 N=1"},
        {"SBC 80-01", Op::SBC, 3, "80", "01", 0, "A=7F C=0 Z=0 V=1 N=0"},
        {"AND clears C", Op::AND, 3, "FF", "0F", 1, "A=0F C=0 Z=0 V=0 N=0"},
        {"AND to zero", Op::AND, 1, "F0", "0F", 0, "A=00 C=0 Z=1 V=0 N=0"},
        {"ORA", Op::ORA, 3, "40", "80", 0, "A=C0 C=0 Z=0 V=0 N=1"},
        {"EOR with itself", Op::EOR, 3, "55", "55", 1, "A=00 C=0 Z=1 V=0 N=0"},
        {"EOR inverts", Op::EOR, 3, "0F", "FF", 0, "A=F0 C=0 Z=0 V=0 N=1"},
        // CMP leaves the accumulator and V alone.
        {"CMP equal", Op::CMP, 3, "05", "05", 0, "A=05 C=1 Z=1 V=0 N=0"},
        {"CMP 01 with 02", Op::CMP, 3, "01", "02", 1, "A=01 C=0 Z=0 V=0 N=0"},
        {"CMP 00 with 80", Op::CMP, 3, "00", "80", 0, "A=00 C=0 Z=0 V=0 N=1"},
        {"CMP 05 with 01", Op::CMP, 1, "05", "01", 0, "A=05 C=1 Z=0 V=0 N=0"},
    };
    for (const Case& c : cases) {
        CpuState s;
        s.a = QLatin1String(c.a);
        s.c = c.carry;
        s.selectedRow = c.row;
        s.effectiveAddress = 0x504;
        if (c.row == 3)
            s.operand = QLatin1String(c.m);
        else
            s.setCell(0x504, QLatin1String(c.m));
        runModel(s, c.op);
        EXPECT_EQ(flags(s), QLatin1String(c.after)) << c.name;
    }
}

TEST(CpuModel, StoresAndIndexLoads)
{
    struct Case {
        const char* name;
        Op op;
        int row;
        const char* cellAfter;  // cell at 0504h
        const char* x;
        const char* y;
    } cases[] = {
        {"STA absolute", Op::STA, 1, "9A", "04", "03"},
        {"STA immediate does nothing", Op::STA, 3, "56", "04", "03"},
        {"STX zero page, Y", Op::STX, 8, "04", "04", "03"},
        {"STX row 4 has no op code", Op::STX, 4, "56", "04", "03"},
        {"STY", Op::STY, 2, "03", "04", "03"},
        {"LDX addr, Y", Op::LDX, 5, "56", "56", "03"},
        {"LDX has no addr, X", Op::LDX, 4, "56", "04", "03"},
        {"LDY zpage, X", Op::LDY, 8, "56", "04", "56"},
        {"LDY has no addr, Y", Op::LDY, 5, "56", "04", "03"},
    };
    for (const Case& c : cases) {
        CpuState s;
        s.a = QStringLiteral("9A");
        s.x = QStringLiteral("04");
        s.y = QStringLiteral("03");
        s.effectiveAddress = 0x504;
        s.setCell(0x504, QStringLiteral("56"));
        s.selectedRow = c.row;
        runModel(s, c.op);
        EXPECT_EQ(s.cell(0x504), QLatin1String(c.cellAfter)) << c.name;
        EXPECT_EQ(s.x, QLatin1String(c.x)) << c.name;
        EXPECT_EQ(s.y, QLatin1String(c.y)) << c.name;
    }
}

TEST(CpuModel, LogicHelpersTakeTheMemoryCellForAnEmptySecondOperand)
{
    CpuState s;
    s.effectiveAddress = 0x10;
    s.setCell(0x10, QStringLiteral("AA"));
    EXPECT_EQ(andCalc(s, QStringLiteral("0F"), QString()), QStringLiteral("A"));
    EXPECT_EQ(orCalc(s, QStringLiteral("0F"), QString()), QStringLiteral("AF"));
    EXPECT_EQ(eorCalc(s, QStringLiteral("FF"), QStringLiteral("0F")), QStringLiteral("F0"));
}

TEST(CpuModel, LoadingStateOfTheFirstInstructionSet)
{
    CpuState s;
    s.setCell(0x200, QStringLiteral("77"));
    s.selectedRow = 6;
    loadInstructionSetState(s);
    EXPECT_EQ(s.a, QStringLiteral("05"));
    EXPECT_EQ(s.x, QStringLiteral("04"));
    EXPECT_EQ(s.y, QStringLiteral("04"));
    EXPECT_EQ(s.selectedRow, 1);
    EXPECT_EQ(s.programCounter, 0);
    EXPECT_EQ(s.selectorCount, 1);
    EXPECT_EQ(s.cell(0x200), QStringLiteral("00"));
    for (auto [address, value] : {std::pair{0x10, "AA"}, {0x91, "05"}, {0x97, "05"}, {0x500, "34"},
                                  {0x504, "56"}, {0x1234, "AB"}, {0x90, "00"}, {0x96, "00"}})
        EXPECT_EQ(s.cell(address), QLatin1String(value)) << address;
}
