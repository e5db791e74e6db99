// MicroMemory "MICROPROCESSOR MEMORY": a 4 x 4-bit read-only memory and a
// 4 x 4-bit random-access memory behind a 2-to-4 line decoder on A1 A0.
#include "draw/block_diagram.h"
#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "draw/symbols.h"
#include "topics/framework/topic_form.h"
#include "topics/micro/micro_theory.h"
#include "topics/micro/micro_topics_model.h"

namespace orr::micro {

namespace {

class MicroMemory : public TopicForm {
public:
    MicroMemory() : TopicForm(QStringLiteral("MicroMemory"), 2, 1)
    {
        title = QStringLiteral("MICROPROCESSOR MEMORY");
        setTopicId(100);
        setDrawingFrame(20, 1.28f);
    }

    FourByFour rom = freshRom();
    FourByFour ram = freshRam();

    void formLoad() override
    {
        rom = freshRom();
        ram = freshRam();
        TopicForm::formLoad();
    }

    void Trigger_Click(int) override
    {
        FourByFour& m = memory();
        m.write = !m.write;
        results();
    }

protected:
    FourByFour& memory() { return example() == 0 ? rom : ram; }

    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& f) override
    {
        f.print = true;
        f.copy = true;
        f.notes = true;
    }
    void configureExample(int e) override
    {
        SelectButton[0]->setCaption(QStringLiteral("Row A1 A0"));
        SelectButton[1]->setCaption(QStringLiteral("Data D3 - D0"));
        const FourByFour& m = e == 0 ? rom : ram;
        setLabelQuietly(0, fourBits(m.row).right(2));
        setLabelQuietly(1, m.rows[size_t(m.row)]);
        Trigger[0]->setCaption(e == 0 ? QStringLiteral("Re-Program") : QStringLiteral("R/W"));
        Trigger[0]->setShown(true);
        suite().selectorCount = 1;
    }
    QString quantityTypeFor(int, int) const override { return QStringLiteral("Binary No."); }

    void takeValue(int, int index, double value) override
    {
        FourByFour& m = memory();
        if (index == 0) {
            m.row = fourBits(value).right(2).toInt(nullptr, 2);
        } else if (m.write) {
            // A whole word is written at once; only its low four bits fit a row.
            m.rows[size_t(m.row)] = fourBits(value);
        }
    }

    void drawExample(int e) override
    {
        const bool ramExample = e == 1;
        setCaption(title + QStringLiteral(":   ") +
                   (ramExample ? QStringLiteral("Random Access Memory.") : QStringLiteral("Read Only Memory.")));
        const FourByFour& m = memory();
        // The decoder on A1 A0 with its four row lines.
        DrawLabelledBox(40, 60, 90, 150, QStringLiteral("2 - 4 line\ndecoder."), colour::Yellow, colour::Black, 8);
        printMeasured(-12, 110, QStringLiteral("A1"), colour::Red, 8, true);
        printMeasured(-12, 150, QStringLiteral("A0"), colour::Red, 8, true);
        boxOrLine(0, 26, 117, 0, 14, 0, colour::Red, QString());
        boxOrLine(0, 26, 157, 0, 14, 0, colour::Red, QString());
        DrawLogicBit(14, 112, colour::Red, m.row >> 1);
        DrawLogicBit(14, 152, colour::Red, m.row & 1);
        constexpr int cellX = 200, cellW = 60, rowY = 50, pitch = 45;
        for (int r = 0; r < 4; ++r) {
            const int y = rowY + pitch * r;
            const bool sel = r == m.row;
            const long line = sel ? colour::Red : colour::Grey;
            boxOrLine(0, 130, y + 15, 0, cellX - 130, 0, line, QString());
            printMeasured(140, y + 3, QStringLiteral("Row ") + QString::number(r), line, 7);
            for (int b = 0; b < 4; ++b) {
                const int x = cellX + (cellW + 10) * b;
                const QChar bit = m.rows[size_t(r)].at(b);
                DrawLabelledBox(x, y, cellW, 32, QString(bit), sel ? colour::Lime : colour::White, colour::Navy, 10,
                                true);
                if (ramExample) {
                    printMeasured(x + 3, y + 1, QStringLiteral("WS"), colour::Purple, 6);
                    printMeasured(x + cellW - 18, y + 1, QStringLiteral("R/"), colour::Purple, 6);
                    printMeasured(x + cellW - 8, y + 1, QStringLiteral("W"), colour::Purple, 6, false);
                }
            }
        }
        // The data lines D3 .. D0 under the columns, carrying the selected word.
        const QString word = m.rows[size_t(m.row)];
        for (int b = 0; b < 4; ++b) {
            const int x = cellX + (cellW + 10) * b + cellW / 2;
            DrawArrow(x, rowY + pitch * 3 + 32, x, 250, m.write ? colour::Navy : colour::Red);
            printMeasured(x - 8, 254, QStringLiteral("D") + QString::number(3 - b), colour::Navy, 8, true);
            DrawLogicBit(x - 4, 268, colour::Red, word.at(b) == QLatin1Char('1'));
        }
        printMeasured(200, 290, (m.write ? QStringLiteral("Data written = ") : QStringLiteral("Data read = ")) + word,
                      colour::Maroon, 10, true);

        // The steps for the current mode.
        QStringList steps;
        if (ramExample)
            steps = m.write ? QStringList{QStringLiteral("1. Select Write to RAM."),
                                          QStringLiteral("2. Select Row Address, A0,A1."),
                                          QStringLiteral("3. Input logic states, D0 - D3.")}
                            : QStringList{QStringLiteral("1. Select Read RAM."),
                                          QStringLiteral("2. Select Row Address, A0,A1."),
                                          QStringLiteral("3. Read data on D0 - D3.")};
        else
            steps = m.write ? QStringList{QStringLiteral("Program ROM."), QStringLiteral("Input Row Address A0,A1."),
                                          QStringLiteral("Input logic states, D0 - D3.")}
                            : QStringList{QStringLiteral("Read ROM."), QStringLiteral("Input Row Address A0,A1."),
                                          QStringLiteral("Read Data on D0 - D3."),
                                          QStringLiteral("Select Re-Program.")};
        printMeasured(500, 30, ramExample ? (m.write ? QStringLiteral("WRITE mode.") : QStringLiteral("READ mode."))
                                          : (m.write ? QStringLiteral("PROGRAM mode.") : QStringLiteral("READ mode.")),
                      colour::Red, 10, true);
        for (int i = 0; i < steps.size(); ++i)
            printMeasured(500, 50 + 15 * i, steps[i], colour::Navy, 8);
        printFitted(500, 130, QStringLiteral("Only least significant four bits shown."), colour::Maroon, 7, 0, 175);
    }

    void theoryParagraphs(int e, std::array<QString, 4>& p) override
    {
        if (e == 0)
            setParagraphs(p,
                "Read-only memory (ROM) keeps its contents when the power is switched off, so it holds the "
                "program a computer runs when it starts. This ROM has four rows (words) of four bits. The row "
                "address on A1 and A0 goes to a 2 - 4 line decoder, which activates exactly one of the four row "
                "lines, and the four bits of that row appear on the data lines D3 to D0.",
                "In normal use a ROM is only read. Programmable ROMs can be written once, or erased and written "
                "again, with special equipment; here Re-Program switches to programming so that you can store "
                "a new pattern in a row, and pressing it again returns to reading.",
                "The ROM starts with the patterns 0001, 0010, 0100 and 1000 in rows 0 to 3. Enter a row address "
                "in binary (00 to 11) and read its word. A value with more than four bits keeps only its four "
                "least significant bits.");
        else
            setParagraphs(p,
                "Random-access memory (RAM) can be written and read at any time, in any order, and loses its "
                "contents when the power goes. Each cell has a word-select input (WS), driven by the decoder's "
                "row line, and a read/write input (R/W) that says whether the cell takes the data line's level "
                "or puts its own level on it.",
                "A whole 4-bit word is written or read at once: the row address chooses the word and all four "
                "cells of it act together. To write, choose write mode, select the row and enter the four data "
                "bits. To read, switch R/W to read and select the row: its word appears on D3 to D0.",
                "The RAM starts empty (all zeros) and in write mode. An entry with more than four bits keeps only "
                "its four least significant bits.");
    }
};

RegisterForm<MicroMemory> reg(QStringLiteral("MicroMemory"));

}  // namespace
}  // namespace orr::micro
