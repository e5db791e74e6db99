// MemoryAddressing "MEMORY ADDRESSING": how a 12-bit address picks one cell
// of a 1K chip (A9 to A0) and one of four chips (A11 A10 through a 2 - 4 line
// decoder).
#include "draw/block_diagram.h"
#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "platform/msgbox.h"
#include "topics/framework/topic_form.h"
#include "topics/micro/conversions.h"
#include "topics/micro/micro_theory.h"
#include "topics/micro/micro_topics_model.h"
#include "values/value_entry.h"

namespace orr::micro {

namespace {

class MemoryAddressing : public TopicForm {
public:
    MemoryAddressing() : TopicForm(QStringLiteral("MemoryAddressing"), 1, 0)
    {
        title = QStringLiteral("MEMORY ADDRESSING");
        setTopicId(95);
        setDrawingFrame(10, 1.28f);
    }

    int address = 0x7B0;

    // The chip the address selects (A11 A10).
    int CPUselectaddress() const { return splitAddress(address).select; }

    void formLoad() override
    {
        address = 0x7B0;
        TopicForm::formLoad();
    }

    void SelectButton_Click(int index) override
    {
        suite().entryWidth = 4;
        TopicForm::SelectButton_Click(index);
    }

protected:
    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& f) override
    {
        f.print = true;
        f.copy = true;
        f.notes = true;
    }
    void configureExample(int) override
    {
        SelectButton[0]->setCaption(QStringLiteral("Address"));
        setLabelQuietly(0, padHex(numberToHex(address), 4) + QLatin1Char('h'));
        suite().selectorCount = 0;
    }
    QString quantityTypeFor(int, int) const override { return QStringLiteral("HEX."); }

    void takeValue(int, int, double) override
    {
        // The number is the typed hexadecimal text, not its decimal reading.
        const int typed = hexToNumber(InputValueText());
        if (typed > kHighestChipAddress) {
            address = kHighestChipAddress;
            msgBox(QStringLiteral("Your input value is out of range and has been restricted to 0FFFh"),
                   MsgButtons::Ok, QStringLiteral("Input range limited."));
            setLabelQuietly(0, QStringLiteral("0FFFh"));
        } else {
            address = std::max(0, typed);
            setLabelQuietly(0, padHex(numberToHex(address), 4) + QLatin1Char('h'));
        }
    }

    void drawExample(int e) override
    {
        setCaption(title + QStringLiteral(":   ") +
                   (e == 0 ? QStringLiteral("Memory Cell Addressing.") : QStringLiteral("Chip Select and Addressing.")));
        if (e == 0)
            drawCells();
        else
            drawChipSelect();
    }

    void theoryParagraphs(int e, std::array<QString, 4>& p) override
    {
        if (e == 0)
            setParagraphs(p,
                "A memory chip is a grid of cells. A 1K chip holds 1024 cells, which need ten address lines, A0 "
                "to A9 (2 to the power 10 = 1024). Inside the chip the address is split: five lines go to a row "
                "decoder that picks one of 32 rows and five go to a column decoder that picks one of 32 columns. "
                "Only the cell where the chosen row and column cross is read or written.",
                "A processor with twelve address lines, A0 to A11, can reach 4096 locations, four times what one "
                "chip holds. The two highest lines, A11 and A10, are therefore not sent to the chip; they go to a "
                "2 - 4 line decoder whose four outputs select one of four chips.",
                "For the address 07B0h the binary form is 0111 1011 0000. A11 A10 = 01 selects the second chip, "
                "and A9 to A0 = 11 1011 0000 = 3B0h (944) picks the cell inside it: row 29, column 16.",
                "Enter any address from 000h to FFFh and follow the selected row, column and chip. An address "
                "above FFFh needs more than twelve lines and is limited to 0FFFh.");
        else
            setParagraphs(p,
                "A small computer shares one address bus and one data bus between several devices: ROM for the "
                "program, RAM for data and an input/output port. Every device is connected to A0 to A9 and to "
                "the data lines D0 to D7, so each would answer every address if nothing chose between them.",
                "The choice is made by chip select. Address lines A10 and A11 drive a 2 - 4 line decoder, and "
                "each decoder output goes to the chip-select input of one device. Only the device whose line is "
                "active connects itself to the data bus; the others leave it alone.",
                "With this wiring the ROM answers 000h to 3FFh, the RAM 400h to 7FFh, the I/O port 800h to BFFh, "
                "and the fourth output is kept for another device at C00h to FFFh. The address 07B0h has "
                "A11 A10 = 01 and reaches location 3B0h of the RAM.",
                "Enter addresses such as 02B5, 07B0, 0872 and 0E0F and watch the chip-select line move.");
    }

private:
    // The working lines and the legend, from (x, y).
    void printWorking(int x, int y)
    {
        const QStringList lines = addressLines(address);
        for (int i = 0; i < lines.size(); ++i)
            printMeasured(x, y + 14 * i, lines[i], i == 2 ? colour::Red : colour::Navy, 9, i == 2);
        printFitted(x, y + 92, QStringLiteral("HEX Addresses. 02B5 : 07B0 : 0872 : 0E0F"), colour::Maroon, 8, 0, 690 - x);
    }

    // The 2 - 4 line decoder at (x, y) with its outputs ending at outX; the
    // selected output in colour 12, the others in colour 8. Returns the
    // output y positions.
    std::array<int, 4> drawDecoder(int x, int y, int outX)
    {
        DrawLabelledBox(x, y, 80, 50, QStringLiteral("2 - 4 line\ndecoder."), colour::Yellow, colour::Black, 8);
        printMeasured(x - 50, y + 14, QStringLiteral("A10 A11"), colour::Black, 7);
        boxOrLine(0, x - 10, y + 25, 0, 10, 0, colour::Black, QString());
        std::array<int, 4> ys{};
        const int chip = CPUselectaddress();
        for (int k = 0; k < 4; ++k) {
            ys[size_t(k)] = y + 8 + 11 * k;
            const long c = k == chip ? colour::Red : colour::Grey;
            boxOrLine(0, x + 80, ys[size_t(k)], 0, outX - x - 80, 0, c, QString());
            printMeasured(x + 84, ys[size_t(k)] - 9, numberToBinary(k, 2), c, 6);
        }
        return ys;
    }

    void drawLegend(int x, int y)
    {
        const struct {
            long colour;
            const char* text;
        } items[] = {{colour::Grey, "Not used."}, {colour::Red, "Chip Select."}, {colour::Lime, "Valid Addresses."}};
        for (int i = 0; i < 3; ++i) {
            boxOrLine(0, x, y + 14 * i + 2, 0, 12, 8, items[i].colour, QStringLiteral("BF"));
            printMeasured(x + 18, y + 14 * i, QString::fromLatin1(items[i].text), colour::Black, 8);
        }
    }

    void drawCells()
    {
        printWorking(10, 10);
        const AddressSplit s = splitAddress(address);
        const int row = s.within >> 5, col = s.within & 31;
        constexpr int gx = 400, gy = 40, cell = 6;
        // The 32 x 32 cells of the 1K chip, the selected row and column lit.
        boxOrLine(0, gx, gy, 0, 32 * cell, 32 * cell, colour::White, QStringLiteral("BF"));
        boxOrLine(0, gx, gy + row * cell, 0, 32 * cell, cell, colour::Lime, QStringLiteral("BF"));
        boxOrLine(0, gx + col * cell, gy, 0, cell, 32 * cell, colour::Lime, QStringLiteral("BF"));
        for (int k = 0; k <= 32; ++k) {
            boxOrLine(0, gx, gy + k * cell, 0, 32 * cell, 0, colour::Grey, QString());
            boxOrLine(0, gx + k * cell, gy, 0, 0, 32 * cell, colour::Grey, QString());
        }
        boxOrLine(0, gx + col * cell, gy + row * cell, 0, cell, cell, colour::Red, QStringLiteral("BF"));
        printMeasured(gx + 40, gy - 14, QStringLiteral("1K memory chip (32 x 32 cells)"), colour::Navy, 8, true);
        // Row decoder on A9 - A5 at the left, column decoder on A4 - A0 below.
        DrawLabelledBox(gx - 70, gy, 50, 32 * cell, QStringLiteral("Row\ndecoder\nA9 - A5"), colour::Cyan, colour::Navy, 7);
        DrawArrow(gx - 20, gy + row * cell + cell / 2, gx, gy + row * cell + cell / 2, colour::Red);
        DrawLabelledBox(gx + 50, gy + 32 * cell + 14, 90, 26, QStringLiteral("Column decoder\nA4 - A0"), colour::Cyan,
                        colour::Navy, 7);
        boxOrLine(0, gx + col * cell + cell / 2, gy + 32 * cell, 0, 0, 14, colour::Red, QString());
        printMeasured(gx - 150, gy + 140, QStringLiteral("Row ") + QString::number(row), colour::Red, 8, true);
        printMeasured(gx - 150, gy + 154, QStringLiteral("Column ") + QString::number(col), colour::Red, 8, true);
        // Which of the four chips A11 A10 select.
        const std::array<int, 4> ys = drawDecoder(80, 160, 260);
        static const char* const chips[] = {"Chip 0", "Chip 1", "Chip 2", "Chip 3"};
        for (int k = 0; k < 4; ++k)
            printMeasured(265, ys[size_t(k)] - 5, QString::fromLatin1(chips[k]), k == CPUselectaddress() ? colour::Red : colour::Grey, 7);
        drawLegend(10, 240);
    }

    void drawChipSelect()
    {
        // The processor with its buses.
        DrawLabelledBox(20, 40, 90, 190, QStringLiteral("CPU"), colour::Cyan, colour::Navy, 12, true);
        static const char* const names[] = {"ROM", "RAM", "I/O", "another device."};
        static const char* const ranges[] = {"000 - 3FF", "400 - 7FF", "800 - BFF", "C00 - FFF"};
        const int chip = CPUselectaddress();
        constexpr int devX = 290, devW = 110, devH = 46;
        // Address bus A0 - A9 and data bus D0 - D7 run down beside the devices.
        boxOrLine(0, 110, 60, 0, 150, 0, colour::Navy, QString());
        printMeasured(130, 48, QStringLiteral("A0 - A9"), colour::Navy, 8, true);
        boxOrLine(0, 110, 110, 0, 130, 0, colour::Green, QString());
        printMeasured(130, 98, QStringLiteral("D0 - D7"), colour::Green, 8, true);
        boxOrLine(0, 260, 25, 0, 0, 225, colour::Navy, QString());
        boxOrLine(0, 240, 25, 0, 0, 225, colour::Green, QString());
        const std::array<int, 4> ys = drawDecoder(130, 250, 420);
        for (int k = 0; k < 4; ++k) {
            const int top = 20 + 58 * k;
            const bool on = k == chip;
            DrawLabelledBox(devX, top, devW, devH, QString::fromLatin1(names[k]) + QStringLiteral("\n") + ranges[k],
                            on ? colour::Lime : colour::White, colour::Navy, 7, on);
            DrawArrow(260, top + 12, devX, top + 12, colour::Navy);
            boxOrLine(0, 240, top + 32, 0, devX - 240, 0, colour::Green, QString());
            // The chip-select line climbs from the decoder to the device's right side.
            const long c = on ? colour::Red : colour::Grey;
            const int lineX = 420 + 12 * k;
            boxOrLine(0, 420, ys[size_t(k)], 0, lineX - 420, 0, c, QString());
            boxOrLine(0, lineX, top + devH / 2, 0, 0, ys[size_t(k)] - top - devH / 2, c, QString());
            DrawArrow(lineX, top + devH / 2, devX + devW, top + devH / 2, c);
            printMeasured(devX + devW - 18, top + devH / 2 - 15, QStringLiteral("CS"), c, 6);
        }
        // A10 and A11 from the processor to the decoder.
        boxOrLine(0, 65, 230, 0, 0, 45, colour::Black, QString());
        boxOrLine(0, 65, 275, 0, 55, 0, colour::Black, QString());
        printWorking(480, 20);
        drawLegend(480, 140);
    }
};

RegisterForm<MemoryAddressing> reg(QStringLiteral("MemoryAddressing"));

}  // namespace
}  // namespace orr::micro
