// DataAddressBus: the microprocessor's data bus (8 bits) and address bus (16 bits).
#include <QString>

#include "draw/palette.h"
#include "draw/primitives.h"
#include "topics/framework/topic_form.h"
#include "values/formatters.h"
#include "values/limit_value.h"

namespace orr {

namespace {

class DataAddressBus : public TopicForm {
public:
    DataAddressBus() : TopicForm(QStringLiteral("DataAddressBus"), 1, 0)
    {
        title = QStringLiteral("DATA/ADDRESS BUS");
        setTopicId(94);
        setDrawingFrame(60, 1.28f);
    }

    int16_t dataValue = 32;
    int32_t addressValue = 63222;

protected:
    void setDefaults() override
    {
        dataValue = 32;
        addressValue = 63222;
    }

    void setToolbarFlags(SuiteState::ToolbarFlags& f) override
    {
        f.print = true;
        f.copy = true;
        f.notes = true;
    }

    void configureExample(int e) override
    {
        if (e == 0) {
            SelectButton[0]->setCaption(QStringLiteral("Range 0-255"));
            setLabelQuietly(0, FormatNumber(dataValue, true));
        } else {
            SelectButton[0]->setCaption(QStringLiteral("Range 0-65535"));
            setLabelQuietly(0, FormatNumber(float(addressValue), true));
        }
        suite().selectorCount = 0;
    }

    QString quantityTypeFor(int, int) const override { return QStringLiteral("Positive Integer No."); }

    void takeValue(int e, int, double value) override
    {
        if (e == 0) {
            dataValue = limit_detail::convert<int16_t>(value);
            LimitValue(dataValue, 255, -1);
        } else {
            addressValue = limit_detail::convert<int32_t>(value);
            LimitValue(addressValue, 65535, -1);
        }
    }

    void drawExample(int e) override
    {
        if (e == 0)
            drawDataBus();
        else
            drawAddressBus();
    }

    void theoryParagraphs(int e, std::array<QString, 4>& p) override
    {
        if (e == 0) {
            p[0] = QStringLiteral(
                "The Data Bus in this example is just eight bits wide. However, sixteen and thirty-two bits are "
                "standard in computer systems. The data bus is not really a highway where the binary digits travel "
                "along from one place to another, although it's one way of looking at it.");
            p[1] = QStringLiteral(
                "A Bus is a series of connections linking up all the various microprocessor data pins on the, RAM, "
                "ROM, Accumulator etc. If the microprocessor generates a code of say binary 00110110, decimal 54 "
                "this is then available at all the other connections to the data bus.");
            p[2] = QStringLiteral(
                "Data can be thought of as flowing into or out of the CPU depending upon whether it is Reading the "
                "code on the bus or generating it, i.e. Writing. The data bus is bi-directional, where the address "
                "bus is one-way.");
            p[3] = QStringLiteral(
                "As our example is eight bits wide it can only accommodate values up to decimal 255 and data values "
                "greater than 11111111 have to be sent in two or more consecutive bytes, this slows up the "
                "processing. Therefore, generally the wider the data bus the faster the computer.");
        } else {
            p[0] = QStringLiteral(
                       "The other type of microprocessor bus is used for addressing. Note that in this example its "
                       "sixteen bits wide, which means it, can accommodate 65,536 different combinations of code. "
                       "However, thirty-two and even sixty-four bit address busses are available for mini and "
                       "mainframe computer systems.") +
                   QStringLiteral(
                       "Each unique code can address a different device or memory location. The address bus is one "
                       "way, i.e. unidirectional. The CPU generates the address code or location to be accessed and "
                       "the microprocessor Control pins then instruct which action is to be performed at that "
                       "location, i.e. read or write.");
            p[1] = QStringLiteral(
                "As for the data bus this group of connections is parallel to all the other microprocessor "
                "components, only when the code on the bus is identified or decoded by a particular device will "
                "that device be enabled.");
            p[2] = QStringLiteral(
                "It's because of the very wide range of values that addressing is normally carried out using "
                "hexadecimal notation, where just four alpha-numeric characters can address any one of the 65536 "
                "locations.");
            p[3] = QStringLiteral(
                "Now both AMD and Intel have 64bit processors. Previous systems could only access a maximum of 4GB of "
                "RAM with thirty-two-bit address bus. Doubling this means a 64 bit a Windows PC can now address up to "
                "a massive 32GB of RAM.");
        }
    }

private:
    // The processor: a shadowed box with its three-line label.
    void drawCpu(double y, double height)
    {
        boxOrLine(0, 0, y, 0, 150, height, colour::Cyan, QStringLiteral("BFS"));
        boxOrLine(0, 0, y, 0, 150, height, colour::Black, QStringLiteral("B"));
        const int mid = int(y + height / 2);
        printCentred(75, mid - 24, QStringLiteral("Microprocessor"), colour::Navy, 10, 1);
        printCentred(75, mid - 8, QStringLiteral("or"), colour::Navy, 10, 1);
        printCentred(75, mid + 8, QStringLiteral("CPU."), colour::Navy, 10, 1);
    }

    // Bus lines from the processor to the right, one per bit (most significant
    // at the top), each ending in a logic level box holding its bit.
    void drawBusLines(const QString& prefix, int bits, long value, double top, double pitch)
    {
        for (int i = 0; i < bits; ++i) {
            const int bit = bits - 1 - i;
            const double y = top + i * pitch;
            boxOrLine(12, 150, y, 0, 250, 0, colour::Maroon, QString());
            int w = 0;
            printAt(158, int(y - 11), prefix + QString::number(bit), colour::Black, 6, w);
            const bool one = (value >> bit) & 1;
            boxOrLine(0, 402, y - 6, 0, 16, 12 / 1.28 * 1.0, one ? colour::Maroon : colour::White,
                      QStringLiteral("BF"));
            boxOrLine(0, 402, y - 6, 0, 16, 12 / 1.28 * 1.0, colour::Black, QStringLiteral("B"));
            printCentred(410, int(y - 6), one ? QStringLiteral("1") : QStringLiteral("0"),
                         one ? colour::White : colour::Black, 7, 1);
        }
    }

    void printValueLine(int x, int y, const QString& caption, const QString& value)
    {
        int w = 0;
        printAt(x, y, caption, colour::Black, 10, w);
        int v = 0;
        printAt(x + w + 5, y, value, colour::Maroon, 10, v, 0);
    }

    void drawDataBus()
    {
        int w = 1;
        printAt(150, 4, QStringLiteral("Microprocessor Data Bus."), colour::Navy, 13, w);
        drawCpu(60, 160);
        drawBusLines(QStringLiteral("D"), 8, dataValue, 80, 18);
        drawBrace(75, QStringLiteral("c4 f10 d50 f10 g10 d50 g10"), 128, QStringLiteral("8-bit"),
                  QStringLiteral("Data Bus."));

        // Reading: data flows into the processor; writing: out of it.
        arrowLine(150, 42, 110, colour::Navy, false);
        w = 0;
        printAt(270, 35, QStringLiteral("Data into CPU."), colour::Navy, 9, w);
        drawOutwardFlow(240, QStringLiteral("Data out of CPU."));

        printValueLine(0, 262, QStringLiteral("Data value = "), FormatNumber(dataValue, true));
        printValueLine(0, 280, QStringLiteral("Binary = "), binaryText(dataValue, 8));
    }

    void drawAddressBus()
    {
        int w = 1;
        printAt(150, 4, QStringLiteral("Microprocessor Address Bus."), colour::Navy, 13, w);
        printValueLine(0, 24, QStringLiteral("Address in decimal = "), FormatNumber(float(addressValue), true));
        printValueLine(330, 24, QStringLiteral("Hexadecimal = "), hexText(addressValue));
        drawCpu(54, 226);
        drawBusLines(QStringLiteral("A"), 16, addressValue, 62, 14);
        drawBrace(57, QStringLiteral("c4 f10 d100 f10 g10 d100 g10"), 152, QStringLiteral("16-bit"),
                  QStringLiteral("Address Bus."));
        drawOutwardFlow(292, QStringLiteral("Address out of CPU."));
    }

    // The brace that gathers the bus lines, with the bus width and name beside it.
    void drawBrace(double top, const QString& drawString, int labelY, const QString& width, const QString& name)
    {
        draw(440, top, drawString);
        int w = 1;
        printAt(468, labelY, width, colour::Maroon, 11, w);
        w = 1;
        printAt(468, labelY + 16, name, colour::Maroon, 11, w);
    }

    // An arrow pointing away from the processor with its caption.
    void drawOutwardFlow(double y, const QString& caption)
    {
        boxOrLine(0, 150, y, 0, 110, 0, colour::Navy, QString());
        arrowheadRight(260, y, colour::Navy, 6);
        int w = 0;
        printAt(270, int(y - 7), caption, colour::Navy, 9, w);
    }

    static QString binaryText(long value, int digits)
    {
        return QString::number(value, 2).rightJustified(digits, QLatin1Char('0'));
    }

    static QString hexText(long value)
    {
        return QString::number(value, 16).toUpper() + QStringLiteral("h");
    }
};

RegisterForm<DataAddressBus> reg(QStringLiteral("DataAddressBus"));

}  // namespace
}  // namespace orr
