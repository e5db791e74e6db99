// MicroComputers "MICRO-COMPUTERS": how a micro-computer runs a stored
// program — the basic ROM program that copies an input word to the output,
// the clocked arithmetic program, and the microprocessor's block diagram.
#include "draw/block_diagram.h"
#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "topics/framework/topic_form.h"
#include "topics/micro/conversions.h"
#include "topics/micro/micro_theory.h"
#include "topics/micro/micro_topics_model.h"
#include "values/limit_value.h"
#include "values/value_entry.h"

namespace orr::micro {

namespace {

QString hex(int v, int digits) { return padHex(numberToHex(v), digits) + QLatin1Char('h'); }

class MicroComputers : public TopicForm {
public:
    MicroComputers() : TopicForm(QStringLiteral("MicroComputers"), 2, 7)
    {
        title = QStringLiteral("MICRO-COMPUTERS");
        setTopicId(93);
        setDrawingFrame(10, 1.28f);
    }

    // Basic micro-computer.
    QString word = QStringLiteral("1010");
    int romStep = -1;  // before the first clock pulse
    QString inputRegister, ram5, outputRegister;
    // Arithmetic program.
    ArithmeticProgram program;
    // Block diagram.
    int programCounter = 0x00FC;
    int dataBus = 0xAB;
    int latch = -1;  // nothing latched yet
    int a = 0x3B, x = 0x08, y = 0x05;
    bool zero = false, carry = false;
    QString lastInstruction;

    void formLoad() override
    {
        word = QStringLiteral("1010");
        romStep = -1;
        inputRegister.clear();
        ram5.clear();
        outputRegister.clear();
        program = ArithmeticProgram();
        programCounter = 0x00FC;
        dataBus = 0xAB;
        latch = -1;
        a = 0x3B;
        x = 0x08;
        y = 0x05;
        zero = carry = false;
        lastInstruction.clear();
        TopicForm::formLoad();
    }

    void SelectButton_Click(int index) override
    {
        suite().entryWidth = index == 0 ? 4 : 2;
        TopicForm::SelectButton_Click(index);
    }

    void Trigger_Click(int index) override
    {
        const int e = example();
        if (e == 0)
            clockRom();
        else if (e == 1)
            program.clock();
        else
            blockInstruction(index);
        results();
    }

    // The index register the block diagram's LDX and INX act on.
    void IndexX() { blockInstruction(2); }
    void IndexY() { blockInstruction(3); }

protected:
    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& f) override
    {
        f.print = true;
        f.copy = true;
        f.notes = true;
    }

    void configureExample(int e) override
    {
        for (CommandButton* t : Trigger)
            t->setShown(false);
        if (e == 0) {
            SelectButton[0]->setCaption(QStringLiteral("4-bit Word."));
            setLabelQuietly(0, word);
            Trigger[0]->setCaption(QStringLiteral("Clock"));
            Trigger[0]->setShown(true);
            suite().selectorCount = 0;
        } else if (e == 1) {
            SelectButton[0]->setCaption(QStringLiteral("Input A"));
            SelectButton[1]->setCaption(QStringLiteral("Input B"));
            setLabelQuietly(0, QString::number(program.a));
            setLabelQuietly(1, QString::number(program.b));
            Trigger[0]->setCaption(QStringLiteral("Clock"));
            Trigger[0]->setShown(true);
            suite().selectorCount = 1;
        } else {
            SelectButton[0]->setCaption(QStringLiteral("Prog Counter"));
            SelectButton[1]->setCaption(QStringLiteral("Data Bus"));
            setLabelQuietly(0, hex(programCounter, 4));
            setLabelQuietly(1, hex(dataBus, 2));
            static const char* const names[] = {"Data Latch", "LDA", "LDX", "LDY", "INX", "ADC", "AND"};
            for (int i = 0; i < 7; ++i) {
                Trigger[size_t(i)]->setCaption(QString::fromLatin1(names[i]));
                Trigger[size_t(i)]->setShown(true);
            }
            suite().selectorCount = 1;
        }
    }

    QString quantityTypeFor(int e, int) const override
    {
        return e == 0 ? QStringLiteral("Binary No.") : e == 1 ? QStringLiteral("Positive Integer No.") : QStringLiteral("HEX.");
    }

    void takeValue(int e, int index, double value) override
    {
        if (e == 0) {
            word = fourBits(value);
            setLabelQuietly(0, word);
        } else if (e == 1) {
            int v = limit_detail::convert<int>(value);
            LimitValue(v, 15, -1);
            (index == 0 ? program.a : program.b) = v;
        } else {
            const int typed = hexToNumber(InputValueText());
            if (index == 0) {
                programCounter = typed & 0xFFFF;
                setLabelQuietly(0, hex(programCounter, 4));
            } else {
                dataBus = typed & 0xFF;
                setLabelQuietly(1, hex(dataBus, 2));
            }
        }
    }

    void drawExample(int e) override
    {
        static const char* const captions[] = {"Basic Micro-Computer.", "Micro-Computer Architecture.",
                                               "Microprocessor Block Diagram."};
        setCaption(title + QStringLiteral(":   ") + QString::fromLatin1(captions[std::clamp(e, 0, 2)]));
        if (e == 0)
            drawBasic();
        else if (e == 1)
            drawArithmetic();
        else
            drawBlockDiagram();
    }

    void theoryParagraphs(int e, std::array<QString, 4>& p) override;

private:
    void clockRom()
    {
        // The step after 5 is the jump: its target is the number stored at address 6.
        romStep = romStep < 0 ? 0 : romStep == 5 ? romAction(6).toInt() : romStep + 1;
        switch (romStep) {
        case 1: inputRegister = word; break;
        case 2: ram5 = inputRegister; break;
        case 3: inputRegister = QStringLiteral("0000"); break;
        case 4: outputRegister = ram5; break;
        default: break;
        }
    }

    void blockInstruction(int index)
    {
        const int m = latch < 0 ? 0 : latch;
        int* target = nullptr;
        int result = 0;
        switch (index) {
        case 0: latch = dataBus; lastInstruction = QStringLiteral("Data Latch"); return;
        case 1: a = m; target = &a; result = a; break;
        case 2: x = m; target = &x; result = x; break;
        case 3: y = m; target = &y; result = y; break;
        case 4: result = x + 1; target = &x; break;
        case 5: result = a + m + (carry ? 1 : 0); target = &a; break;
        case 6: result = a & m; target = &a; break;
        default: return;
        }
        static const char* const names[] = {"", "LDA", "LDX", "LDY", "INX", "ADC", "AND"};
        lastInstruction = QString::fromLatin1(names[index]);
        if (index == 5)
            carry = result > 0xFF;
        *target = result & 0xFF;
        zero = *target == 0;
        programCounter = (programCounter + (index == 4 ? 1 : 2)) & 0xFFFF;
    }

    void drawBasic()
    {
        printMeasured(10, 5, QStringLiteral("Input 4-bit binary word, store in RAM"), colour::Navy, 9, true);
        printMeasured(10, 19, QStringLiteral("location five. Copy to output."), colour::Navy, 9, true);
        // The ROM program, the current step lit.
        DrawLabelledBox(10, 40, 260, 130, QString(), colour::White, colour::Navy);
        printMeasured(20, 42, QStringLiteral("ROM program."), colour::Navy, 8, true);
        for (int k = 0; k <= 6; ++k) {
            const int yy = 56 + 15 * k;
            if (k == romStep)
                boxOrLine(0, 12, yy, 0, 256, 13, colour::Yellow, QStringLiteral("BF"));
            printMeasured(20, yy, QStringLiteral("ROM Address. %1.").arg(k), colour::Maroon, 8);
            printMeasured(125, yy, romAction(k), colour::Black, 8);
        }
        DrawLabelledBox(300, 40, 130, 70, QStringLiteral("CPU\nProgram Counter\n") +
                        (romStep < 0 ? QStringLiteral("-") : QString::number(romStep)), colour::Cyan, colour::Navy, 8, true);
        // Input register -> RAM location 5 -> output register.
        DrawLabelledBox(10, 210, 130, 40, QStringLiteral("INPUT.\n") + word, colour::Lime, colour::Navy, 9, true);
        printMeasured(20, 196, QStringLiteral("Input Register."), colour::Navy, 8);
        DrawLabelledBox(220, 210, 130, 40, QStringLiteral("Input reg.\n") + (inputRegister.isEmpty() ? QStringLiteral("----") : inputRegister),
                        romStep == 1 ? colour::Yellow : colour::White, colour::Navy, 9, true);
        DrawLabelledBox(430, 130, 110, 120, QString(), colour::White, colour::Navy);
        printMeasured(440, 133, QStringLiteral("RAM"), colour::Navy, 8, true);
        for (int k = 0; k < 7; ++k) {
            const int yy = 148 + 14 * k;
            const bool five = k == 5;
            if (five)
                boxOrLine(0, 432, yy, 0, 106, 13, romStep == 2 ? colour::Yellow : colour::Lime, QStringLiteral("BF"));
            printMeasured(440, yy, QStringLiteral("loc. %1").arg(k), colour::Navy, 8);
            printMeasured(495, yy, five && !ram5.isEmpty() ? ram5 : QStringLiteral("0000"), colour::Black, 8);
        }
        DrawLabelledBox(560, 210, 120, 40, QStringLiteral("OUTPUT.\n") + (outputRegister.isEmpty() ? QStringLiteral("----") : outputRegister),
                        romStep == 4 ? colour::Yellow : colour::Lime, colour::Navy, 9, true);
        printMeasured(565, 196, QStringLiteral("Output Register."), colour::Navy, 8);
        DrawArrow(140, 230, 220, 230, colour::Red);
        DrawArrow(350, 230, 430, 230, colour::Red);
        DrawArrow(540, 230, 560, 230, colour::Red);
        DrawArrow(365, 110, 365, 210, colour::Navy);
        if (romStep >= 0)
            printMeasured(10, 280, QStringLiteral("Step: ") + romAction(romStep), colour::Red, 10, true);
    }

    void drawArithmetic()
    {
        const ArithmeticProgram& p = program;
        if (p.carry())
            printMeasured(25, 25, QStringLiteral("Overflow Error."), colour::Red, 10, true);
        else if (p.zero())
            printMeasured(25, 25, QStringLiteral("Result = Zero."), colour::Green, 10, true);
        // Carry and zero cells of the status register.
        printMeasured(100, 44, QStringLiteral("C"), colour::Navy, 8, true);
        printMeasured(118, 44, QStringLiteral("Z"), colour::Navy, 8, true);
        boxOrLine(0, 100, 57, 0, 17, 12, colour::Navy, QStringLiteral("B"));
        boxOrLine(0, 117, 57, 0, 17, 12, colour::Navy, QStringLiteral("B"));
        printMeasured(105, 58, p.carry() ? QStringLiteral("1") : QStringLiteral("0"), colour::Red, 8, true);
        printMeasured(122, 58, p.zero() ? QStringLiteral("1") : QStringLiteral("0"), colour::Red, 8, true);
        printMeasured(25, 58, QStringLiteral("Status."), colour::Navy, 8);
        // The program in memory, the current pulse lit.
        DrawLabelledBox(250, 20, 170, 150, QString(), colour::White, colour::Navy);
        printMeasured(260, 22, QStringLiteral("Program memory."), colour::Navy, 8, true);
        for (int k = 1; k <= 8; ++k) {
            const int yy = 22 + 16 * k;
            if (k == p.pulse)
                boxOrLine(0, 252, yy, 0, 166, 14, colour::Yellow, QStringLiteral("BF"));
            printMeasured(262, yy, QString::number(k), colour::Maroon, 8);
            printMeasured(290, yy, programMnemonic(k), colour::Navy, 8, true);
            printMeasured(340, yy, programOperand(k), colour::Navy, 8, true);
        }
        const QString bitsA = numberToBinary(p.a, 4), bitsB = numberToBinary(p.b, 4);
        DrawLabelledBox(480, 30, 90, 36, QStringLiteral("Input A\n") + bitsA, p.pulse == 2 ? colour::Yellow : colour::Lime,
                        colour::Navy, 8, true);
        DrawLabelledBox(480, 80, 90, 36, QStringLiteral("Input B\n") + bitsB, p.pulse == 4 ? colour::Yellow : colour::Lime,
                        colour::Navy, 8, true);
        DrawLabelledBox(480, 140, 90, 36, QStringLiteral("Accumulator\n") + (p.added() ? numberToBinary(p.sum() & 15, 4) : QStringLiteral("----")),
                        p.pulse == 6 ? colour::Yellow : colour::Cyan, colour::Navy, 8, true);
        DrawLabelledBox(600, 140, 80, 36, QStringLiteral("Output P\n") + (p.pulse == 8 ? numberToBinary(p.sum() & 15, 4) : QStringLiteral("----")),
                        p.pulse == 8 ? colour::Yellow : colour::White, colour::Navy, 8, true);
        DrawArrow(420, 48, 480, 48, colour::Navy);
        DrawArrow(420, 98, 480, 98, colour::Navy);
        DrawArrow(570, 158, 600, 158, colour::Navy);
        DrawArrow(525, 116, 525, 140, colour::Navy);
        printMeasured(25, 200, QStringLiteral("Clock Pulse = ") + QString::number(p.pulse) +
                      (p.pulse > 0 ? QStringLiteral("   ") + programMnemonic(p.pulse) + QLatin1Char(' ') + programOperand(p.pulse) : QString()),
                      colour::Navy, 10, true);
        printMeasured(25, 220, QStringLiteral("Binary Value for A ") + bitsA + QStringLiteral(" : Binary Value for B ") + bitsB,
                      colour::Black, 9);
        if (p.added())
            printMeasured(25, 240, QStringLiteral("Check. %1 + %2 = %3").arg(p.a).arg(p.b).arg(p.sum()), colour::Maroon, 9, true);
        printMeasured(25, 270, QStringLiteral("A four-bit accumulator holds 0 to 15: a larger sum sets the carry."), colour::Navy, 8);
    }

    void drawBlockDiagram()
    {
        printMeasured(10, 2, QStringLiteral("Typical register values. Program Counter = 00FCh"), colour::Navy, 8);
        printMeasured(10, 14, QStringLiteral("X reg = #08h : Y reg = #05h : Accumulator = #3Bh."), colour::Navy, 8);
        static const char* const steps[] = {"Load Data bus AAh", "Click Data Latch.", "Click LDX", "Click INX"};
        for (int i = 0; i < 4; ++i)
            printMeasured(520, 2 + 12 * i, QString::fromLatin1(steps[i]), colour::Maroon, 8);
        const long lit = colour::Yellow;
        // Data bus -> buffer -> latch -> registers.
        DrawLabelledBox(20, 60, 120, 30, QStringLiteral("Data Bus\n") + hex(dataBus, 2), colour::Lime, colour::Navy, 8, true);
        DrawLabelledBox(20, 120, 120, 30, QStringLiteral("Data Bus Buffer"), colour::White, colour::Navy, 8);
        DrawLabelledBox(20, 180, 120, 30, QStringLiteral("Data Latch.\n") + (latch < 0 ? QStringLiteral("--") : hex(latch, 2)),
                        lastInstruction == QLatin1String("Data Latch") ? lit : colour::White, colour::Navy, 8, true);
        DrawArrow(80, 90, 80, 120, colour::Navy);
        DrawArrow(80, 150, 80, 180, colour::Navy);
        // The internal bus the registers hang on.
        boxOrLine(0, 140, 195, 0, 60, 0, colour::Navy, QString());
        boxOrLine(0, 200, 60, 0, 0, 235, colour::Navy, QString());
        const struct {
            const char* name;
            int value;
            int y;
            bool on;
        } regs[] = {{"Accumulator", a, 60, lastInstruction == "LDA" || lastInstruction == "ADC" || lastInstruction == "AND"},
                    {"Register X", x, 115, lastInstruction == "LDX" || lastInstruction == "INX"},
                    {"Register Y", y, 170, lastInstruction == "LDY"}};
        for (const auto& r : regs) {
            DrawLabelledBox(250, r.y, 120, 34, QString::fromLatin1(r.name) + QStringLiteral("\n") + hex(r.value, 2),
                            r.on ? lit : colour::Cyan, colour::Navy, 8, true);
            DrawArrow(200, r.y + 17, 250, r.y + 17, colour::Navy);
        }
        DrawLabelledBox(250, 225, 120, 40, QString(), colour::Magenta, colour::Purple, 8);
        printMeasured(262, 228, QStringLiteral("Status Register"), colour::White, 8, true);
        printMeasured(255, 248, QStringLiteral("  Zero.") + (zero ? QStringLiteral(" 1") : QStringLiteral(" 0")), colour::White, 8, true);
        printMeasured(315, 248, QStringLiteral("Carry.") + (carry ? QStringLiteral(" 1") : QStringLiteral(" 0")), colour::White, 8, true);
        DrawArrow(200, 245, 250, 245, colour::Navy);
        // ALU between the accumulator and the latch.
        DrawLabelledBox(420, 60, 90, 40, QStringLiteral("ALU\nADC  AND"), colour::Olive, colour::White, 8, true);
        DrawArrow(370, 77, 420, 77, colour::Navy);
        // The program counter on the address bus.
        DrawLabelledBox(420, 150, 150, 50, QStringLiteral("Prog Counter\n") + hex(programCounter, 4), colour::Red, colour::White, 8, true);
        DrawLabelledBox(420, 225, 70, 34, QStringLiteral("HIGH\n") + hex(programCounter >> 8, 2), colour::White, colour::Red, 8, true);
        DrawLabelledBox(500, 225, 70, 34, QStringLiteral("LOW\n") + hex(programCounter & 0xFF, 2), colour::White, colour::Red, 8, true);
        DrawArrow(455, 200, 455, 225, colour::Red);
        DrawArrow(535, 200, 535, 225, colour::Red);
        DrawArrow(455, 259, 455, 290, colour::Red);
        DrawArrow(535, 259, 535, 290, colour::Red);
        printMeasured(400, 292, QStringLiteral("Addr Bus High"), colour::Red, 8);
        printMeasured(540, 292, QStringLiteral("Addr Bus Low"), colour::Red, 8);
        if (!lastInstruction.isEmpty())
            printMeasured(10, 230, QStringLiteral("Last: ") + lastInstruction, colour::Red, 9, true);
    }
};

void MicroComputers::theoryParagraphs(int e, std::array<QString, 4>& p)
{
    if (e == 0)
        setParagraphs(p,
            "A micro-computer is a microprocessor with memory and input and output ports, all joined by the "
            "buses. Its program is stored in memory, here in read-only memory (ROM), and the processor fetches "
            "and carries out one instruction after another. The program counter holds the address of the next "
            "instruction and steps on at every instruction.",
            "The little program in this example copies a 4-bit word from the input port to the output port by "
            "way of RAM location 5: open the input, read it into the input register, store it in RAM, clear the "
            "input, copy location 5 to the output and jump back to the start. The jump at ROM address 5 takes "
            "its target, 0, from the next location, address 6: a jump instruction carries its destination with it.",
            "Enter a 4-bit word, then press Clock repeatedly to step through the program and watch the word "
            "travel from the input register through RAM to the output register.");
    else if (e == 1)
        setParagraphs(p,
            "The architecture of a simple computer follows the same pattern for every instruction: fetch the op "
            "code, decode it, execute it. This program adds two 4-bit numbers: RUN starts it, INP A reads the "
            "first number, STA stores it, INP B and STA do the same for the second, ADD 5 adds the stored value "
            "at location 5 to the accumulator, STA keeps the result and OUT P sends it to the output port.",
            "A 4-bit accumulator can hold only 0 to 15. When the sum is larger, the fifth bit is lost and the "
            "carry flag is set: with A = 9 and B = 9 the sum 18 does not fit and the program reports an "
            "overflow error. When the sum is 0 the zero flag is set instead.",
            "Enter A and B (0 to 15), then press Clock for each pulse. The flags and the check line stay shown "
            "from the ADD step until the program starts again.");
    else
        setParagraphs(p,
            "Inside the microprocessor, data from the data bus passes through the data bus buffer into the data "
            "latch, which holds it steady while an instruction uses it. The instruction decides where it goes "
            "next: LDA, LDX and LDY copy it into the accumulator or an index register, ADC and AND combine it "
            "with the accumulator in the arithmetic and logic unit, and INX adds one to the X register.",
            "The program counter is sixteen bits wide, so it is put on the address bus as a HIGH and a LOW byte. "
            "The status register records facts about the last result, such as zero and carry, for the "
            "conditional branches to test.",
            "Try the steps: load the data bus with AAh, click Data Latch, then LDX and INX, and watch X become "
            "AAh and then ABh. Registers are shown as two hexadecimal digits.");
}

RegisterForm<MicroComputers> reg(QStringLiteral("MicroComputers"));

}  // namespace
}  // namespace orr::micro
