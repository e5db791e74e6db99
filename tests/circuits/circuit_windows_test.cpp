// The combinational logic, arithmetic and logic unit and memory cell windows
// driven as a learner drives them: every example opened, every button
// combination pressed, values entered through the dialog (typed or pasted),
// and what the picture prints compared with the circuit models.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/msgbox.h"
#include "suite_fixture.h"
#include "topics/logic/alu.h"
#include "topics/logic/alu_model.h"
#include "topics/logic/combinational_logic.h"
#include "topics/logic/combinational_model.h"
#include "topics/logic/memory_cells.h"
#include "values/input_form.h"

using namespace orr;
using namespace orr::logic;

namespace {

bool printed(const TopicForm* w, const QString& text)
{
    for (const PrintedText& t : w->Picture1->printedTexts())
        if (t.text == text)
            return true;
    return false;
}

QString b(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }

InputForm* dialog() { return dynamic_cast<InputForm*>(FormRegistry::instance().loadedForm(QStringLiteral("InputForm"))); }

// Enters text for selector index of the current window: typed key by key, or
// pasted into the dialog's box past its key filter; then OK.
void enter(TopicForm* w, int index, const QString& text, bool paste)
{
    w->SelectButton[index]->click();
    InputForm* f = dialog();
    ASSERT_NE(f, nullptr);
    if (paste) {
        f->inputValue()->setText(text);
    } else {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, c.unicode(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(f->inputValue(), &press);
        }
    }
    auto* ok = f->findChild<QAbstractButton*>(QStringLiteral("OK"));
    ASSERT_NE(ok, nullptr);
    ok->click();
    QApplication::processEvents();
}

}  // namespace

TEST(CircuitWindows, CombinationalLogicWalksEveryButtonCombination)
{
    setMessageBoxesSilent(true);
    for (int e = 0; e < 8; ++e) {
        auto* w = test::openTopic<CombinationalLogic>(QStringLiteral("CombinationalLogic"), e);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->A && !w->B && !w->C) << "inputs reset on opening example " << e;
        const int buttons = int(!w->Trigger[0]->isHidden()) + int(!w->Trigger[1]->isHidden()) +
                            int(!w->Trigger[2]->isHidden());
        EXPECT_EQ(buttons, e == 1 ? 3 : (e == 0 || e == 3 || e == 5) ? 2 : 0) << e;
        for (int n = 0; n < (1 << buttons); ++n) {
            for (int i = 0; i < buttons; ++i)
                if (bool(n & (1 << i)) != (i == 0 ? w->A : i == 1 ? w->B : w->C))
                    w->Trigger[i]->click();
            const bool a = w->A, bb = w->B, c = w->C;
            const LevelLog& lv = w->levels();
            const std::string where = "example " + std::to_string(e) + " combination " + std::to_string(n);
            switch (e) {
            case 0:
                EXPECT_EQ(lv.level(QStringLiteral("SUM")), int(halfAdder(a, bb).sum)) << where;
                EXPECT_EQ(lv.level(QStringLiteral("CARRY")), int(halfAdder(a, bb).carry)) << where;
                EXPECT_EQ(w->Trigger[0]->text(), a ? QStringLiteral("A = 0") : QStringLiteral("A = 1"));
                break;
            case 1: {
                const FullAdderOut f = fullAdder(a, bb, c);
                EXPECT_EQ(lv.level(QStringLiteral("Sum")), int(f.sum)) << where;
                EXPECT_EQ(lv.level(QStringLiteral("Carry out")), int(f.carryOut)) << where;
                EXPECT_EQ(lv.level(QStringLiteral("S1")), int(f.sum1)) << where;
                EXPECT_EQ(lv.level(QStringLiteral("C1")), int(f.carry1)) << where;
                EXPECT_EQ(lv.level(QStringLiteral("C2")), int(f.carry2)) << where;
                EXPECT_EQ(w->Trigger[2]->text(), c ? QStringLiteral("Carry in = 0") : QStringLiteral("Carry in = 1"));
                break;
            }
            case 3:
                for (int l = 0; l < 4; ++l)
                    EXPECT_EQ(lv.level(QStringLiteral("Line ") + QString::number(l)), int(decoderLine(a, bb) == l));
                EXPECT_TRUE(printed(w, QStringLiteral("Selected line... Address = ") + b(bb) + u' ' + b(a))) << where;
                break;
            case 5:
                EXPECT_EQ(lv.level(QStringLiteral("Data out.")), int(multiplex(QStringLiteral("1011"), a, bb)));
                EXPECT_EQ(w->Trigger[0]->text(), QStringLiteral("A0"));
                break;
            default: break;
            }
        }
    }
    // The start values of the entry examples.
    auto* w = test::openTopic<CombinationalLogic>(QStringLiteral("CombinationalLogic"), 2);
    EXPECT_TRUE(printed(w, QStringLiteral("11001")));
    EXPECT_TRUE(printed(w, QStringLiteral("MSB added in result.")));
    w = test::openTopic<CombinationalLogic>(QStringLiteral("CombinationalLogic"), 6);
    EXPECT_TRUE(printed(w, QStringLiteral("10001011")));
    w = test::openTopic<CombinationalLogic>(QStringLiteral("CombinationalLogic"), 7);
    EXPECT_TRUE(printed(w, QStringLiteral("(1)")));
    EXPECT_TRUE(printed(w, QStringLiteral("(0)")));
    EXPECT_EQ(w->levels().level(QStringLiteral("Even")), 1);
}

// One table of entries: what is stored, what the label shows, what the message says.
TEST(CircuitWindows, EntriesAreCorrectedAndSimulatedAsLogicLevels)
{
    setMessageBoxesSilent(true);
    struct Row {
        const char* topic;
        int example, index;
        bool paste;
        const char* text;
        const char* label;
        const char* message;  // "" for none
        const char* shown;    // a text the picture must print afterwards
    };
    const QString restricted = QStringLiteral("Your input value is out of range and has been restricted to ");
    const Row rows[] = {
        {"CombinationalLogic", 2, 0, false, "1011", "00001011", "", "1st Binary number."},
        {"CombinationalLogic", 2, 1, false, "0110", "00000110", "", "0110"},
        {"CombinationalLogic", 2, 0, true, "1234", "00001111", "00001111", "1111"},
        {"CombinationalLogic", 2, 0, true, "1020", "00001010", "", "1010"},
        {"CombinationalLogic", 4, 0, false, "12", "9", "9", "BCD equiv. 1001"},
        {"CombinationalLogic", 4, 0, false, "3", "3", "", "BCD equiv. 0011"},
        {"CombinationalLogic", 6, 1, true, "12345678", "11111111", "11111111", "10011011"},
        {"CombinationalLogic", 6, 1, true, "1020304", "01010101", "", "00010001"},
        {"CombinationalLogic", 7, 0, true, "99999999", "11111111", "11111111", "(0)"},
        {"Alu", 0, 0, false, "101", "0101", "", "0101"},
        {"Alu", 0, 1, true, "1234", "1111", "", "1111"},
        {"Alu", 1, 0, false, "300", "255", "255", "11111111"},
        {"Alu", 1, 1, false, "100", "100", "", "01100100"},
    };
    for (const Row& r : rows) {
        auto* w = test::openTopic<TopicForm>(QLatin1String(r.topic), r.example);
        ASSERT_NE(w, nullptr);
        takeMessages();
        enter(w, r.index, QLatin1String(r.text), r.paste);
        const std::string where = std::string(r.topic) + " " + std::to_string(r.example) + " " + r.text;
        EXPECT_EQ(w->InputLabel[r.index]->text(), QLatin1String(r.label)) << where;
        const auto messages = takeMessages();
        if (*r.message) {
            ASSERT_EQ(messages.size(), 1u) << where;
            EXPECT_EQ(messages[0].text, restricted + QLatin1String(r.message)) << where;
        } else {
            EXPECT_TRUE(messages.empty()) << where;
        }
        EXPECT_TRUE(printed(w, QLatin1String(r.shown))) << where;
    }
}

TEST(CircuitWindows, AluCodesAndAccumulatorSteps)
{
    setMessageBoxesSilent(true);
    auto* w = test::openTopic<Alu>(QStringLiteral("Alu"), 0);
    for (int code = 0; code < 4; ++code) {
        w->Trigger[code]->click();
        EXPECT_EQ(w->opCode, QStringLiteral("%1%2").arg(code >> 1).arg(code & 1));
        EXPECT_TRUE(printed(w, logicUnit(w->opCode, QStringLiteral("1010"), QStringLiteral("0011")))) << code;
    }
    w = test::openTopic<Alu>(QStringLiteral("Alu"), 1);
    EXPECT_EQ(w->lastStep, 0);
    enter(w, 0, QStringLiteral("200"), false);
    enter(w, 1, QStringLiteral("100"), false);
    struct Step { int button; const char* text; const char* also; };
    for (const Step& s : {Step{0, "Accumulator = 200", "1. Load Accumulator."},
                          Step{1, "Register A = 100  01100100", "2. Load Register A."},
                          Step{2, "Result of Addition. = 300  00101100", "(1)"},
                          Step{3, "Overflow.", "Accumulator Contents  = Decimal 44 or Binary 00101100"}}) {
        w->Trigger[s.button]->click();
        EXPECT_TRUE(printed(w, QLatin1String(s.text))) << s.text;
        EXPECT_TRUE(printed(w, QLatin1String(s.also))) << s.also;
    }
    EXPECT_EQ(w->accumulator, 44);
    EXPECT_EQ(w->InputLabel[0]->text(), QStringLiteral("44"));
    // A second store adds register A again.
    w->Trigger[3]->click();
    EXPECT_EQ(w->accumulator, 144);
    EXPECT_FALSE(printed(w, QStringLiteral("Overflow.")));
}

TEST(CircuitWindows, MemoryCellsButtonsAndTheBipolarCell)
{
    auto* w = test::openTopic<MemoryCells>(QStringLiteral("MemoryCells"), 0);
    EXPECT_TRUE(printed(w, QStringLiteral("Transistor ON")));
    EXPECT_EQ(w->Trigger[0]->text(), QStringLiteral("Emitter = 5V"));
    w->Trigger[0]->click();
    EXPECT_TRUE(printed(w, QStringLiteral("5V or logic 1")));
    w = test::openTopic<MemoryCells>(QStringLiteral("MemoryCells"), 1);
    for (int n = 0; n < 4; ++n) {
        if (bool(n & 1) != w->firstEmitterHigh)
            w->Trigger[0]->click();
        if (bool(n & 2) != w->secondEmitterHigh)
            w->Trigger[1]->click();
        EXPECT_TRUE(printed(w, n == 3 ? QStringLiteral("= 0mA") : QStringLiteral("= 5mA"))) << n;
    }
    w = test::openTopic<MemoryCells>(QStringLiteral("MemoryCells"), 2);
    for (int n = 0; n < 4; ++n) {
        if (bool(n & 1) != !w->senseWriting)
            w->Trigger[0]->click();
        if (bool(n & 2) != w->senseDataHigh)
            w->Trigger[1]->click();
        for (const QString& note : senseAmplifierNotes(w->senseWriting, w->senseDataHigh))
            EXPECT_TRUE(printed(w, note)) << n << note.toStdString();
    }
    w = test::openTopic<MemoryCells>(QStringLiteral("MemoryCells"), 3);
    EXPECT_FALSE(w->cell.stored);
    w->Trigger[3]->click();  // write 1
    EXPECT_TRUE(printed(w, QStringLiteral("Written to  Logic 1 cell via Bitline")));
    EXPECT_TRUE(printed(w, QStringLiteral("stored by T1, ON and T2, OFF")));
    w->Trigger[1]->click();  // deselect
    w->Trigger[2]->click();  // bitline 0
    w->Trigger[3]->click();
    EXPECT_TRUE(w->cell.stored);
    EXPECT_TRUE(printed(w, QStringLiteral("(Cell disabled). Not Written to  Logic 0 cell via Bitline")));
    w->Trigger[1]->click();  // select again
    w->Trigger[0]->click();  // read
    EXPECT_EQ(w->Trigger[3]->text(), QStringLiteral("Read from Cell"));
    w->Trigger[3]->click();
    EXPECT_TRUE(w->cell.bitline);
    EXPECT_TRUE(printed(w, QStringLiteral("Read from Logic 1 cell via Bitline")));
}
