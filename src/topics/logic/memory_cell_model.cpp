// Memory cell model: sense amplifier notes and the bipolar memory cell.
#include "topics/logic/memory_cell_model.h"

namespace orr::logic {

QStringList senseAmplifierNotes(bool writing, bool dataHigh)
{
    if (writing) {
        if (dataHigh)
            return {QStringLiteral("Input Data High"), QStringLiteral("T1 OFF."), QStringLiteral("D1 and T2 ON."),
                    QStringLiteral("T4 ON."), QStringLiteral("D2 and T3 OFF."), QStringLiteral("To memory cell.")};
        return {QStringLiteral("Input Data Low"), QStringLiteral("T1 ON."), QStringLiteral("D1 and T2 OFF."),
                QStringLiteral("T4 OFF."), QStringLiteral("D2 and T3 ON."), QStringLiteral("To memory cell.")};
    }
    return {dataHigh ? QStringLiteral("Bitline High") : QStringLiteral("Bitline Low"), QStringLiteral("T1 ON."),
            QStringLiteral("D1 OFF."), QStringLiteral("T4 ON."), QStringLiteral("D2 OFF."),
            QStringLiteral("From memory cell.")};
}

void MemoryCell::operate()
{
    bool bit = false;
    if (writing) {
        if (selected)
            stored = bitline;
        bit = bitline;
    } else {
        if (selected)
            bitline = stored;
        bit = stored;
    }
    status_ = (selected ? QString() : QStringLiteral("(Cell disabled). Not ")) +
              (writing ? QStringLiteral("Written to ") : QStringLiteral("Read from")) + QStringLiteral(" Logic ") +
              (bit ? QStringLiteral("1") : QStringLiteral("0")) + QStringLiteral(" cell via Bitline");
}

}  // namespace orr::logic
