// Instr_3: the third instruction set window.
#include "topics/micro/instr_3.h"

#include "draw/palette.h"
#include "draw/primitives.h"
#include "topics/micro/register_panels.h"
#include "topics/micro/stack_interrupts.h"

namespace orr::micro {

namespace {
constexpr float kScale = 1.28f;
constexpr int kOffset = 30;
}  // namespace

Instr_3::Instr_3() : InstructionWindow(QStringLiteral("Instr_3"), 3, 104, QStringLiteral("INSTRUCTION SET 3"), 4, 2) {}

void Instr_3::loadState() { loadStackSetState(cpu()); }

void Instr_3::configureExample(int e)
{
    InstructionWindow::configureExample(e);
    CpuState& s = cpu();
    pcSelectable_ = true;
    switch (instruction().op) {
    case Op::RTI: openingRti_ = true; break;
    case Op::Push:
    case Op::Pull:
        s.stackPointer = 0x1FF;  // these two work on the page-1 stack from its top
        break;
    default: break;
    }
    captionTriggers();
}

void Instr_3::captionTriggers()
{
    const InstructionInfo& info = instruction();
    const int row = cpu().selectedRow;
    if (info.grouped) {
        const auto rows = groupedRows(info.op);
        Trigger[0]->setCaption(rows[size_t(groupedRow(info.op, row) - 1)].mnemonic);
    } else {
        Trigger[0]->setCaption(info.mnemonic);
    }
    const QString manual = manualCaption(info.op, row);
    Trigger[1]->setCaption(manual);
    Trigger[1]->setShown(!manual.isEmpty());
    if (info.op == Op::BRK)
        SelectButton[0]->setEnabled(pcSelectable_);
}

int Instr_3::tableRows() const
{
    const InstructionInfo& info = instruction();
    return info.grouped ? int(groupedRows(info.op).size()) : 8;
}

int Instr_3::drawTable(const InstructionInfo& info)
{
    if (!info.grouped) {
        const int row = InstructionWindow::drawTable(info);
        if (openingRti_) {
            // The flags the interrupted program had, set after the registers'
            // redraw so that they stand until RTI restores those on the stack.
            openingRti_ = false;
            setFlagsFromBinary(cpu(), QStringLiteral("10111101"));
            cpu().n = 1;
            drawStatusRegisterPanel(cpu());
        }
        captionTriggers();
        return row;
    }
    return oddinst();
}

int Instr_3::oddinst()
{
    CpuState& s = cpu();
    const InstructionInfo& info = instruction();
    const auto rows = groupedRows(info.op);
    s.selectedRow = groupedRow(info.op, s.selectedRow);
    const int row = s.selectedRow;

    if (!info.stack)
        drawMemoryPanel(s);
    boxOrLine(0, 225, 165, 0, 230, 25, colour::Black, QStringLiteral("BFS"));
    boxOrLine(0, 225, 165, 0, 230, 25, colour::White, QStringLiteral("B"));
    printTitleLines(info.heading, rows.empty() ? QString() : rows[size_t(row - 1)].description);
    drawTableFrame();
    for (size_t i = 0; i < rows.size(); ++i) {
        const GroupedRow& r = rows[i];
        const int y = 217 + 10 * int(i);
        int bold = 0;
        printAt(40, y, r.mnemonic, colour::Yellow, 8, bold);
        bold = 0;
        printAt(150, y, r.opCode, colour::Yellow, 8, bold);
        bold = 0;
        printAt(235, y, r.byte2, colour::Yellow, 8, bold);
        bold = 0;
        printAt(370, y, r.mode, colour::Yellow, 8, bold);
    }
    showStrip(info.strip);
    highlightTableRow(row);

    configureSelectors(s, *this, thirdSetCaptions(info.op, row));
    captionTriggers();
    return row;
}

void Instr_3::IntAddr()
{
    PanelFrame frame(Picture1, kOffset, kScale);
    drawInterruptVector();
}

void Instr_3::RTIsub()
{
    PanelFrame frame(Picture1, kOffset, kScale);
    PanelView view(instruction().stack, instruction().vector);
    rtiFromStack(cpu(), view);
}

int Instr_3::entryWidth(int index) const
{
    if (index == 3)
        return 4;
    if (index != 0)
        return 2;
    switch (instruction().op) {
    case Op::Branch:
    case Op::BRK:
    case Op::RTI:
    case Op::RTS: return 4;  // an address or the program counter
    case Op::SetFlags: return 8;
    default: return 2;
    }
}

QString Instr_3::quantityTypeFor(int, int index) const
{
    return index == 0 && instruction().op == Op::SetFlags ? QStringLiteral("Binary No.") : QStringLiteral("HEX.");
}

void Instr_3::enterValue(int index, const QString& typed)
{
    PanelView view(instruction().stack, instruction().vector);
    enterThirdSet(cpu(), instruction().op, index, typed, view);
}

void Instr_3::Trigger_Click(int index)
{
    PanelFrame frame(Picture1, kOffset, kScale);
    PanelView view(instruction().stack, instruction().vector);
    if (index == 0)
        executeThirdSet(cpu(), instruction().op, view, pcSelectable_);
    else
        manualChange(cpu(), instruction().op, view, pcSelectable_);
    // BRK disables the program-counter selector until the break is reset.
    if (instruction().op == Op::BRK)
        SelectButton[0]->setEnabled(pcSelectable_);
}

namespace {
RegisterForm<Instr_3> reg(QStringLiteral("Instr_3"));
}

}  // namespace orr::micro
