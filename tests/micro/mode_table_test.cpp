// The addressing-mode table: per-instruction rows, byte labels, skipping of
// rows without an op code, and the selector captions per instruction and row.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include "topics/micro/instruction_set.h"

using namespace orr::micro;

namespace {

std::array<QString, 8> codes(std::initializer_list<const char*> list)
{
    std::array<QString, 8> a;
    size_t i = 0;
    for (const char* c : list)
        a[i++] = QLatin1String(c);
    return a;
}

QString rowText(const ModeRow& r)
{
    return QStringList{r.mnemonic, r.operandForm, r.opCode, r.byte2, r.byte3, r.modeName}.join(QLatin1Char('|'));
}

const std::array<QString, 8> kAll = codes({"01", "02", "03", "04", "05", "06", "07", "08"});

}  // namespace

TEST(ModeTable, RowsAndByteLabels)
{
    struct Case {
        const char* title;
        int row;
        std::array<QString, 8> opCodes;
        const char* expected;
    } cases[] = {
        {"LDA. Data", 1, instructionInfo(0).opCodes, "LDA|addr|AD|Low|High|Absolute"},
        {"LDA. Data", 2, instructionInfo(0).opCodes, "LDA|zpage|A5|zpage||Zero page"},
        {"LDA. Data", 3, instructionInfo(0).opCodes, "LDA|data|A9|data||Immediate"},
        {"LDA. Data", 5, instructionInfo(0).opCodes, "LDA|addr, Y|B9|Low|High|Absolute, Y"},
        {"LDA. Data", 6, instructionInfo(0).opCodes, "LDA|(zpage, X)|A1|zpage||(Indirect, X)"},
        {"LDA. Data", 7, instructionInfo(0).opCodes, "LDA|(zpage), Y|B1|zpage||(Indirect), Y"},
        {"LDA. Data", 8, instructionInfo(0).opCodes, "LDA|zpage, X|B5|zpage||Zero Page, X"},
        {"STA. Stores", 3, instructionInfo(1).opCodes, " | ||||"},  // no such mode: blank row
        {"STX. Stores", 8, instructionInfo(10).opCodes, "STX|zpage, Y|96|zpage||Zero Page, Y"},
        {"LDX. Data", 7, instructionInfo(8).opCodes, "LDX|(zpage), Y|B6|zpage||(Indirect), Y"},
        {"JMP. Jump", 2, kAll, "JMP|(addr)|02|Low|High|Indirect"},
        {"ASL. Shift", 5, kAll, "ASL|A|05|||Accumulator"},
        {"INX. Increment", 1, kAll, "INX| |01|||Implied."},
    };
    for (const Case& c : cases) {
        const ModeTable t = buildModeTable(QLatin1String(c.title), c.opCodes);
        EXPECT_EQ(rowText(t[size_t(c.row - 1)]), QLatin1String(c.expected)) << c.title << " row " << c.row;
    }
}

TEST(ModeTable, UnavailableRowsAreSkipped)
{
    struct Case {
        int example;  // instruction of the first set
        int stored;
        int selected;
    } cases[] = {
        {1, 3, 4},   // STA has no immediate form
        {10, 4, 8},  // STX: rows 4 to 7 are empty
        {10, 9, 1},  // beyond the table starts again at row 1
        {8, 8, 1},   // LDX row 8 is empty: after 8 comes 1
        {9, 5, 8},   // LDY rows 5 to 7 are empty
        {0, 6, 6},
    };
    for (const Case& c : cases) {
        const InstructionInfo& info = instructionInfo(c.example);
        EXPECT_EQ(selectAvailableRow(buildModeTable(info.title1, info.opCodes), c.stored), c.selected)
            << info.mnemonic.toStdString() << " row " << c.stored;
    }
    const ModeTable t = buildModeTable(QStringLiteral("XYZ"), codes({"", "", "C9"}));
    EXPECT_EQ(selectAvailableRow(t, 1), 3);
}

TEST(ModeTable, SelectorCaptions)
{
    struct Case {
        const char* mnemonic;
        int row;
        const char* op;
        const char* expected;  // captions joined with '|', or "-" when not listed
    } cases[] = {
        {"LDA", 1, "addr", "||"},
        {"LDA", 2, "zpage", "zpage||"},
        {"LDA", 3, "data", "data||"},
        {"LDA", 6, "(zpage, X)", "(zpage, X)|LDX ??h|"},
        {"LDA", 7, "(zpage), Y", "(zpage), Y|LDY ??h|"},
        {"STA", 1, "addr", "addr|LDA data|"},
        {"ADC", 3, "data", "data|LDA data|"},
        {"SBC", 8, "zpage, X", "zpage, X|LDA data|LDX ??h"},
        {"CMP", 5, "addr, Y", "addr, Y|LDA data|LDY ??h"},
        {"STX", 8, "zpage, Y", "zpage, Y|LDX data|LDY ??h"},
        {"STY", 8, "zpage, X", "zpage, X|LDY data|LDX ??h"},
        {"LDY", 4, "addr, X", "addr, X|LDX ??h|"},
        {"ROL", 5, "A", "LDA ??h||"},
        {"INX", 1, " ", "LDX ??h||"},
        {"BRK", 1, " ", "Prog Counter||"},
        {"LDX", 4, "*", "-"},
        {"STX", 3, "*", "-"},
    };
    for (const Case& c : cases) {
        std::array<QString, 3> captions{QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};
        const bool listed = selectorCaptions(QLatin1String(c.mnemonic), c.row, QLatin1String(c.op), captions);
        const QString got = listed ? QStringList{captions[0], captions[1], captions[2]}.join(QLatin1Char('|'))
                                   : QStringLiteral("-");
        EXPECT_EQ(got, QLatin1String(c.expected)) << c.mnemonic << " row " << c.row;
        if (!listed)
            EXPECT_EQ(captions[0], QStringLiteral("-"));  // left as they were
    }
}
