// The addressing-modes topic: its instruction buttons and entries on the
// shared CPU state, the worked lines, and address refusal through the window.
#include <gtest/gtest.h>

#include "qstring_print.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "platform/rng.h"
#include "suite_fixture.h"
#include "topics/micro/addressing_modes.h"
#include "topics/micro/conversions.h"
#include "values/input_form.h"

using namespace orr;
using namespace orr::micro;

namespace {

CpuState loaded()
{
    CpuState s;
    AddressingState w;
    loadAddressingState(s, w);
    return s;
}

}  // namespace

TEST(AddressingModel, BranchIfEqual)
{
    struct Case {
        const char* a;
        int ea;
        const char* displacement;
        int z, eaAfter, pcAfter;
    } cases[] = {
        {"00", 0x1234, "86", 1, 0x122E, 0x122F},  // taken backwards
        {"00", 0x1234, "06", 1, 0x123A, 0x123B},  // taken forwards
        {"01", 0x1234, "86", 0, 0x1234, 0x1235},  // not taken
        {"00", 0x0003, "86", 1, 0x0000, 0x0001},  // stops at 0
    };
    for (const Case& c : cases) {
        CpuState s = loaded();
        s.a = QString::fromLatin1(c.a);
        s.effectiveAddress = c.ea;
        enter(s, Entry::Displacement, QString::fromLatin1(c.displacement));
        const QStringList before = relativeLines(s);
        branchIfEqual(s);
        EXPECT_EQ(s.z, c.z) << c.a << c.displacement;
        EXPECT_EQ(s.effectiveAddress, c.eaAfter) << c.a << c.displacement;
        EXPECT_EQ(s.programCounter, c.pcAfter) << c.a << c.displacement;
        if (c.z == 1)  // the working promised the new location the branch went to
            EXPECT_TRUE(before[2].endsWith(QStringLiteral(" = ") + padHex(numberToHex(c.eaAfter), 4) + "h"));
    }
    CpuState s = loaded();
    s.effectiveAddress = 0x1234;
    enter(s, Entry::Displacement, QStringLiteral("86"));
    EXPECT_EQ(relativeLines(s), (QStringList{"RAM address = 4660d", "displacement = -6d",
                                             "New location = 4660 + -6 = 4654d = 122Eh"}));
}

TEST(AddressingModel, PushesFillThePageOneStackDownwards)
{
    CpuState s = loaded();
    AddressingState w;
    s.stackPointer = 0x150;  // wherever it was, the first push starts at 01FFh
    for (int i = 0; i < 3; ++i)
        pushAccumulator(s, w);
    EXPECT_EQ(s.stackPointer, 0x1FD);
    for (int a : {0x1FF, 0x1FE, 0x1FD})
        EXPECT_EQ(s.cell(a), QStringLiteral("AB")) << a;
    EXPECT_EQ(s.cell(0x1FC), QStringLiteral("00"));
}

TEST(AddressingModel, IndirectModesLoadThroughThePointer)
{
    struct Case {
        bool indexedIndirect;
        const char* index;
        const char* operand;
        int pointerAt, target;
        bool ok;
    } cases[] = {
        {true, "06", "90", 0x96, 0x500, true},    // LDA (90h, X)
        {false, "04", "90", 0x90, 0x504, true},   // LDA (90h), Y
        {false, "04", "FF", 0xFF, 0x504, true},   // pointer across the page boundary
    };
    for (const Case& c : cases) {
        CpuState s = loaded();
        (c.indexedIndirect ? s.x : s.y) = QString::fromLatin1(c.index);
        s.setCell(c.pointerAt, QStringLiteral("00"));
        s.setCell(c.pointerAt + 1, QStringLiteral("05"));
        s.setCell(c.target, QStringLiteral("34"));
        const bool ok = c.indexedIndirect ? loadIndexedIndirect(s, QString::fromLatin1(c.operand))
                                          : loadIndirectIndexed(s, QString::fromLatin1(c.operand));
        EXPECT_EQ(ok, c.ok) << c.operand;
        EXPECT_EQ(s.effectiveAddress, c.target) << c.operand;
        EXPECT_EQ(s.a, QStringLiteral("34")) << c.operand;
    }
    // A pointer whose high byte lies beyond memory changes nothing.
    CpuState s = loaded();
    const CpuState before = s;
    EXPECT_FALSE(jumpIndirect(s, kLastAddress));
    EXPECT_EQ(s.summary(), before.summary());
    s.setCell(0x400, QStringLiteral("00"));
    s.setCell(0x401, QStringLiteral("05"));
    EXPECT_TRUE(jumpIndirect(s, 0x400));
    EXPECT_EQ(s.programCounter, 0x500);
}

TEST(AddressingModel, IndexedWorking)
{
    CpuState s = loaded();
    AddressingState w;
    s.effectiveAddress = 0x400;
    s.y = QStringLiteral("10");
    EXPECT_EQ(absoluteIndexedLines(s, w), (QStringList{"Base Address = 0400h + Index Y", "Index Y Index value = 10h",
                                                        "Effective Addr = 1040d or 0410h"}));
    w.zeroPageBase = 0xF0;
    s.x = QStringLiteral("20");
    EXPECT_EQ(zeroPageIndexedLines(s, w)[2], QStringLiteral("Resultant Addr = 0010h"));
}

TEST(AddressingModel, ZeroPageFillIsRepeatableAndStaysInPageZero)
{
    CpuState a = loaded(), b = loaded();
    setFixedSeed(7);
    fillZeroPageRandomly(a);
    setFixedSeed(7);
    fillZeroPageRandomly(b);
    int differing = 0;
    for (int i = 0; i <= 0xFF; ++i) {
        EXPECT_EQ(a.cell(i), b.cell(i));
        differing += a.cell(i) != QLatin1String("00");
    }
    EXPECT_GT(differing, 200);
    EXPECT_EQ(a.cell(0x100), QStringLiteral("00"));
    clearFixedSeed();
}

namespace {

// Types a value into the value-entry dialog opened by SelectButton(index) and presses OK.
void enterThroughDialog(TopicForm* w, int index, const QString& text)
{
    w->SelectButton_Click(index);
    auto* f = dynamic_cast<InputForm*>(FormRegistry::instance().loadedForm(QStringLiteral("InputForm")));
    ASSERT_NE(f, nullptr);
    f->inputValue()->setText(text);
    auto* ok = f->findChild<QAbstractButton*>(QStringLiteral("OK"));
    ASSERT_NE(ok, nullptr);
    ok->click();
}

}  // namespace

TEST(AddressingWindow, AddressEntriesAreRefusedBeyondMemory)
{
    struct Case {
        int example;
        const char* typed;
        int eaAfter;  // -1: unchanged
        const char* message;
    } cases[] = {
        {2, "2711", -1, "Addresses above 2710h (10000d) are not used\nfor this application."},
        {2, "2710", 0x2710, nullptr},
        {4, "100", -1, "Addresses above FFh (255d) are not used\nfor this application."},
        {4, "90", 0x90, nullptr},
    };
    for (const Case& c : cases) {
        auto* w = test::openTopic<AddressingModes>(QStringLiteral("AddressingModes"), c.example);
        ASSERT_NE(w, nullptr);
        takeMessages();
        const int before = cpu().effectiveAddress;
        enterThroughDialog(w, 0, QString::fromLatin1(c.typed));
        EXPECT_EQ(suite().entryWidth, 4);
        EXPECT_EQ(cpu().effectiveAddress, c.eaAfter < 0 ? before : c.eaAfter) << c.typed;
        const auto messages = takeMessages();
        if (c.message) {
            ASSERT_EQ(messages.size(), 1u) << c.typed;
            EXPECT_EQ(messages[0].title, QStringLiteral("Memory out of range."));
            EXPECT_EQ(messages[0].text, QString::fromLatin1(c.message));
        } else {
            EXPECT_TRUE(messages.empty()) << c.typed;
        }
    }
}

TEST(AddressingWindow, StatePersistsAcrossExamplesAndTriggersAct)
{
    auto* w = test::openTopic<AddressingModes>(QStringLiteral("AddressingModes"), 0);
    ASSERT_NE(w, nullptr);
    enterThroughDialog(w, 0, QStringLiteral("00"));  // LDA #00h in the immediate example
    w = test::openTopic<AddressingModes>(QStringLiteral("AddressingModes"), 3);
    enterThroughDialog(w, 0, QStringLiteral("1234"));
    enterThroughDialog(w, 1, QStringLiteral("86"));
    EXPECT_FALSE(w->Trigger[0]->isHidden());
    w->Trigger_Click(0);
    EXPECT_EQ(cpu().effectiveAddress, 0x122E);
    EXPECT_EQ(cpu().programCounter, 0x122F);
    bool printed = false;
    for (const PrintedText& t : w->Picture1->printedTexts())
        printed |= t.text == QLatin1String("New location = 4654 + -6 = 4648d = 1228h");
    EXPECT_TRUE(printed);
    // The absolute-indexed example: a press on the X panel chooses X.
    w = test::openTopic<AddressingModes>(QStringLiteral("AddressingModes"), 5);
    EXPECT_TRUE(w->Trigger[0]->isHidden());
    EXPECT_EQ(w->SelectButton[0]->caption(), QStringLiteral("LDY #??h"));
    w->Picture1_MouseDown(30 + 100, 100 * 1.28);
    EXPECT_EQ(w->SelectButton[0]->caption(), QStringLiteral("LDX #??h"));
    EXPECT_FALSE(w->window.indexY);
}
