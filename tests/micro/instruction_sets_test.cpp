// The second and third instruction sets as a model: per family of
// instructions a table of (state before, action, state after), including the
// rules in which the simulated processor deliberately differs from a real one.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <functional>
#include <map>
#include <string_view>

#include "topics/micro/cpu_state.h"
#include "topics/micro/instruction_set.h"
#include "topics/micro/micro_theory.h"
#include "topics/micro/stack_interrupts.h"

using namespace orr::micro;

namespace {

// Applies the side effects of the redraws and remembers what each flag cell showed.
class RecordingView : public CpuView {
public:
    void setFlagCell(CpuState& s, Panel flag, const QString& text) override
    {
        CpuView::setFlagCell(s, flag, text);
        shown[flag] = text;
    }
    std::map<Panel, QString> shown;
};

// A state given as "A=81 C=1 SP=01FF [01FF]=34 PC=1234 ...": registers as
// hexadecimal texts, flags, pointers and counters as hexadecimal numbers,
// memory cells in brackets.
void apply(CpuState& s, const QString& spec)
{
    for (const QString& item : spec.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = item.section(QLatin1Char('='), 0, 0);
        const QString value = item.section(QLatin1Char('='), 1);
        const int32_t number = value.toInt(nullptr, 16);
        if (key.startsWith(QLatin1Char('[')))
            s.setCell(key.mid(1, key.size() - 2).toInt(nullptr, 16), value);
        else if (key == QLatin1String("A")) s.a = value;
        else if (key == QLatin1String("X")) s.x = value;
        else if (key == QLatin1String("Y")) s.y = value;
        else if (key == QLatin1String("SP")) s.stackPointer = number;
        else if (key == QLatin1String("PC")) s.programCounter = number;
        else if (key == QLatin1String("EA")) s.effectiveAddress = number;
        else if (key == QLatin1String("OP")) s.operand = value;
        else if (key == QLatin1String("DISP")) s.displacement = value.toInt();
        else if (key == QLatin1String("ROW")) s.selectedRow = number;
        else if (key == QLatin1String("BITS")) setFlagsFromBinary(s, value);
        else for (const char* f : {"N", "V", "B", "D", "I", "Z", "C"})
            if (key == QLatin1String(f))
                s.flag(Panel(int(Panel::FlagN) + int(std::string_view("NVBDIZC").find(f[0])))) = number;
    }
}

// The same keys read back; "N=X" asks what the N cell showed.
QString read(CpuState& s, const RecordingView& view, const QString& spec)
{
    QStringList out;
    const auto hex4 = [](int32_t v) { return QString::number(v, 16).toUpper().rightJustified(4, QLatin1Char('0')); };
    for (const QString& item : spec.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = item.section(QLatin1Char('='), 0, 0);
        const QString value = item.section(QLatin1Char('='), 1);
        QString got;
        if (key.startsWith(QLatin1Char('[')))
            got = s.trimCell(key.mid(1, key.size() - 2).toInt(nullptr, 16));
        else if (key == QLatin1String("A")) got = s.a;
        else if (key == QLatin1String("X")) got = s.x;
        else if (key == QLatin1String("Y")) got = s.y;
        else if (key == QLatin1String("SP")) got = hex4(s.stackPointer);
        else if (key == QLatin1String("PC")) got = hex4(s.programCounter);
        else if (key == QLatin1String("EA")) got = hex4(s.effectiveAddress);
        else {
            const Panel f = Panel(int(Panel::FlagN) + int(std::string_view("NVBDIZC").find(key.at(0).toLatin1())));
            const auto it = view.shown.find(f);
            got = value == QLatin1String("X") && it != view.shown.end() ? it->second : QString::number(s.flag(f));
        }
        out << key + QLatin1Char('=') + got;
    }
    return out.join(QLatin1Char(' '));
}

struct Case {
    const char* before;
    std::function<void(CpuState&, RecordingView&)> action;
    const char* after;
};

void check(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        CpuState s;
        loadInstructionSetState(s);
        apply(s, QLatin1String(c.before));
        RecordingView view;
        c.action(s, view);
        EXPECT_EQ(read(s, view, QLatin1String(c.after)), QLatin1String(c.after)) << c.before;
    }
}

auto run(Op op)
{
    return [op](CpuState& s, RecordingView& v) { execute(s, op, v); };
}
auto third(Op example)
{
    return [example](CpuState& s, RecordingView& v) {
        bool selectable = true;
        executeThirdSet(s, example, v, selectable);
    };
}
auto manual(Op example)
{
    return [example](CpuState& s, RecordingView& v) {
        bool selectable = true;
        manualChange(s, example, v, selectable);
    };
}
auto entry(Op example, int index, const char* typed)
{
    return [=](CpuState& s, RecordingView& v) { enterThirdSet(s, example, index, QLatin1String(typed), v); };
}

}  // namespace

TEST(SecondSet, CompareIncrementDecrement)
{
    check({
        {"ROW=1 X=04 EA=0010 [0010]=05", run(Op::CPX), "C=0 Z=0 N=0"},
        {"ROW=3 X=05 OP=05", run(Op::CPX), "C=1 Z=1 N=0"},
        {"ROW=3 Y=00 OP=80", run(Op::CPY), "C=0 Z=0 N=1"},  // N from the magnitude of the difference
        {"ROW=2 EA=0020 [0020]=00", run(Op::DEC), "[0020]=FF"},
        {"ROW=2 EA=0020 [0020]=FF", run(Op::INC), "[0020]=0"},  // one digit, shown as 00h
        {"ROW=1 EA=0020 [0020]=41 Z=1 N=1", run(Op::INC), "[0020]=42 Z=1 N=1"},  // flags untouched
    });
}

TEST(SecondSet, ShiftsAndRotates)
{
    check({
        {"ROW=1 EA=0030 [0030]=81 C=0", run(Op::ASL), "[0030]=2 C=1"},
        {"ROW=5 A=40", run(Op::ASL), "A=80 N=1 C=0"},
        // 80h doubled is 100h: Z comes from the raw value, C from the bit shifted out.
        {"ROW=5 A=80", run(Op::ASL), "A=00 C=1 Z=0 N=0"},
        {"ROW=5 A=01", run(Op::LSR), "A=00 Z=1 C=1"},
        {"ROW=2 EA=0030 [0030]=03", run(Op::LSR), "[0030]=1 C=1"},
        {"ROW=5 A=0F C=0", run(Op::ROL), "A=1E C=0"},
        {"ROW=5 A=80 C=1", run(Op::ROL), "A=01 C=1"},
        {"ROW=5 A=01 C=0", run(Op::ROR), "A=00 C=1 Z=1"},
        // The memory form of ROR also copies the result into the accumulator.
        {"ROW=1 EA=0030 [0030]=02 C=1 A=05", run(Op::ROR), "[0030]=81 C=0 A=81"},
        {"ROW=8 EA=0030 [0030]=80 C=0", run(Op::ROL), "[0030]=0 C=1"},
    });
}

TEST(SecondSet, BitComparesTextsAndShowsXWhenTheyDiffer)
{
    check({
        {"ROW=1 A=34 EA=0040 [0040]=34 Z=1", run(Op::BIT), "Z=0 N=0 V=0"},
        {"ROW=1 A=C0 EA=0040 [0040]=C0", run(Op::BIT), "Z=0 N=1 V=1"},
        {"ROW=2 A=34 EA=0040 [0040]=35 N=1 V=1", run(Op::BIT), "Z=1 N=X V=X"},
        {"ROW=2 A=34 EA=0040 [0040]=35 N=1 V=1", run(Op::BIT), "N=0 V=0"},  // stored as clear
    });
}

TEST(SecondSet, JumpsAndSubroutineCall)
{
    check({
        {"ROW=1 EA=0600", run(Op::JMP), "PC=0600"},
        {"ROW=2 EA=0400 [0400]=00 [0401]=05", run(Op::JMP), "PC=0500 EA=0500"},
        {"ROW=2 EA=2710", run(Op::JMP), "PC=0000"},  // pointer beyond memory: skipped
        // JSR pushes the program counter itself, low byte at the stack pointer.
        {"ROW=1 PC=1234 SP=01FF EA=0700", run(Op::JSR), "[01FF]=34 [01FE]=12 SP=01FD PC=0700"},
        {"ROW=1 PC=0010", run(Op::NOP), "PC=0011"},
    });
}

TEST(ThirdSet, BranchesMoveTheEffectiveAddressNotTheProgramCounter)
{
    check({
        {"ROW=3 Z=1 EA=1234 PC=0100 DISP=-6", third(Op::Branch), "EA=122E PC=0100"},
        {"ROW=3 Z=0 EA=1234 DISP=-6", third(Op::Branch), "EA=1234"},
        {"ROW=1 C=0 EA=1234 DISP=6", third(Op::Branch), "EA=123A"},
        {"ROW=2 C=0 EA=1234 DISP=6", third(Op::Branch), "EA=1234"},
        {"ROW=6 N=0 EA=0010 DISP=6", third(Op::Branch), "EA=0016"},
        {"ROW=8 V=1 EA=0010 DISP=6", third(Op::Branch), "EA=0016"},
        {"ROW=1", entry(Op::Branch, 1, "86"), "EA=0000"},
        {"ROW=1 PC=0100", entry(Op::Branch, 0, "1234"), "EA=1234 PC=0102"},
    });
    CpuState s;
    RecordingView v;
    enterThirdSet(s, Op::Branch, 1, QStringLiteral("86"), v);
    EXPECT_EQ(s.displacement, -6);  // sign and magnitude, not two's complement
}

TEST(ThirdSet, FlagsByInstructionAndByHand)
{
    check({
        {"ROW=1 C=1 PC=0000", third(Op::ClearFlags), "C=0 PC=0001"},
        {"ROW=4 V=1", third(Op::ClearFlags), "V=0"},
        {"ROW=2", third(Op::SetFlags), "D=1"},
        {"ROW=3", third(Op::SetFlags), "I=1"},
        {"ROW=5 Z=0", manual(Op::Branch), "Z=1"},
        {"ROW=4 N=1", manual(Op::Branch), "N=0"},
        {"ROW=7 V=0", manual(Op::Branch), "V=1"},
        {"ROW=3 I=0", manual(Op::ClearFlags), "I=1"},
        {"ROW=1", entry(Op::SetFlags, 0, "11111111"), "N=1 V=1 B=1 D=1 I=1 Z=1 C=1"},
        {"ROW=1 N=1", entry(Op::SetFlags, 0, "00100001"), "N=0 V=0 B=0 C=1"},  // bit 5 has no flag
    });
}

TEST(ThirdSet, BreakAdvancesTheCounterOnceUntilReset)
{
    CpuState s;
    RecordingView v;
    s.programCounter = 0x1234;
    bool selectable = true;
    executeThirdSet(s, Op::BRK, v, selectable);
    executeThirdSet(s, Op::BRK, v, selectable);
    EXPECT_EQ(s.programCounter, 0x1236);
    EXPECT_EQ(s.b, 1);
    manualChange(s, Op::BRK, v, selectable);
    EXPECT_EQ(s.b, 0);
    executeThirdSet(s, Op::BRK, v, selectable);
    EXPECT_EQ(s.programCounter, 0x1238);
}

TEST(ThirdSet, IndexIncrementsAndDecrementsKeepTheLowByte)
{
    check({
        {"X=01 PC=0000", third(Op::DEX), "X=00 Z=1 N=0 PC=0001"},
        {"X=00", third(Op::DEX), "X=FF Z=0 N=1"},
        {"Y=FF", third(Op::INY), "Y=00 Z=1"},
        {"X=7F", third(Op::INX), "X=80 N=1"},
        {"Y=00", manual(Op::DEY), "Y=FF"},
    });
}

TEST(ThirdSet, StackPushesPullsAndReturns)
{
    check({
        {"A=AB SP=01FF PC=0000", third(Op::Push), "[01FF]=AB SP=01FE PC=0001"},
        {"ROW=2 N=1 C=1 SP=01FF", third(Op::Push), "[01FF]=81"},
        // A pull reads at the stack pointer and, like the push, moves it down.
        {"ROW=1 SP=01FF [01FF]=C3 A=00", third(Op::Pull), "A=C3 N=1 SP=01FE"},
        {"ROW=2 SP=01FF [01FF]=83", third(Op::Pull), "N=1 Z=1 C=1 V=0"},
        {"SP=1F40", entry(Op::RTS, 0, "034A"), "[01FF]=03 [01FE]=4A SP=01FF"},
        {"[01FF]=03 [01FE]=4A SP=01FF", third(Op::RTS), "PC=034A SP=01FE"},
        {"SP=1F40 BITS=10111101 N=1", third(Op::RTI), "PC=03EA SP=01FD N=1 V=0 I=1 Z=1 C=0 B=0"},
    });
}

TEST(ThirdSet, TransfersIncludingTheStatusRegister)
{
    check({
        {"ROW=1 A=22 X=00", third(Op::Transfer), "X=22"},
        {"ROW=2 A=22", third(Op::Transfer), "Y=22"},
        // TSX copies the status register into X and resets the stack pointer.
        {"ROW=3 N=1 Z=1 SP=1F40", third(Op::Transfer), "X=82 SP=01FD"},
        {"ROW=4 X=8C", third(Op::Transfer), "A=8C N=1"},
        // TXS copies X into the flags.
        {"ROW=5 X=81", third(Op::Transfer), "N=1 V=0 B=0 D=0 I=0 Z=0 C=1"},
        {"ROW=6 Y=34 PC=0000", third(Op::Transfer), "A=34 PC=0001"},
    });
}

TEST(ThirdSet, RtiFromTheStackAgreesWithTheTrigger)
{
    CpuState fromStack;
    loadStackSetState(fromStack);
    fromStack.stackPointer = 0x1FD;
    RecordingView v;
    rtiFromStack(fromStack, v);

    CpuState fromTrigger;
    loadStackSetState(fromTrigger);
    bool selectable = true;
    executeThirdSet(fromTrigger, Op::RTI, v, selectable);
    EXPECT_EQ(fromStack.summary(), fromTrigger.summary());
    EXPECT_EQ(fromStack.programCounter, 0x3EA);
}

TEST(ThirdSet, GroupedTablesFollowTheMnemonics)
{
    struct Case {
        Op example;
        int rows;
        const char* group;
        const char* mode;
    } cases[] = {{Op::Branch, 8, "BRANCH", "Relative."}, {Op::ClearFlags, 4, "CLEAR", "Implied."},
                 {Op::Push, 2, "PUSH", "Implied."},      {Op::Pull, 2, "PULL", "Implied."},
                 {Op::RTS, 1, "RTS", "Implied."},        {Op::SetFlags, 3, "SETFLAGS", "Implied."},
                 {Op::Transfer, 6, "TRANSREGS", "Implied."}};
    for (const Case& c : cases) {
        const auto rows = groupedRows(c.example);
        ASSERT_EQ(int(rows.size()), c.rows) << c.group;
        for (const GroupedRow& r : rows) {
            EXPECT_EQ(r.group, QLatin1String(c.group)) << r.mnemonic.toStdString();
            EXPECT_EQ(r.mode, QLatin1String(c.mode)) << r.mnemonic.toStdString();
            EXPECT_TRUE(r.description.startsWith(r.mnemonic + QLatin1String(". "))) << r.mnemonic.toStdString();
        }
    }
    EXPECT_EQ(groupedRows(Op::Push)[1].opCode, QStringLiteral("O8"));
    EXPECT_EQ(groupedRow(Op::Push, 5), 1);
}

TEST(ThirdSet, EveryExampleOfBothSetsHasTheory)
{
    for (int set : {2, 3}) {
        const InstructionTable table = instructionTable(set);
        for (int e = 0; e < table.count; ++e) {
            std::array<QString, 4> p;
            instructionTheory(table.at(e).op, p);
            EXPECT_GT(p[0].size(), 60) << set << "/" << e;
            EXPECT_FALSE(p[1].isEmpty()) << set << "/" << e;
        }
    }
}
