// The shared instruction-set window.
#include "topics/micro/instruction_window.h"

#include <optional>

#include "topics/micro/micro_theory.h"
#include "topics/micro/register_panels.h"
#include "values/value_entry.h"

namespace orr::micro {

namespace {

constexpr float kScale = 1.28f;
constexpr int kOffset = 30;

bool isShift(Op op) { return op == Op::ASL || op == Op::LSR || op == Op::ROL || op == Op::ROR; }

// Which register an entry into selector 1 or 2 loads, by instruction and row.
std::optional<Entry> loadFor(Op op, int row, int index)
{
    const bool arithmetic = op == Op::ADC || op == Op::AND || op == Op::ORA || op == Op::EOR || op == Op::CMP ||
                            op == Op::SBC;
    const bool secondSet = int(op) >= int(Op::CPX);
    const bool xRows = row == 4 || row == 6 || row == 8;
    const bool yRows = row == 5 || row == 7;
    if (index == 1) {
        if (row >= 1 && row <= 3) {
            if (op == Op::STX || op == Op::CPX)
                return Entry::LoadX;
            if (op == Op::STY || op == Op::CPY)
                return Entry::LoadY;
            return Entry::LoadAccumulator;
        }
        if (arithmetic)
            return Entry::LoadAccumulator;
        if (xRows) {
            if (secondSet || op == Op::LDA || op == Op::STA || op == Op::LDY || op == Op::STX)
                return Entry::LoadX;
            if (op == Op::STY)
                return Entry::LoadY;
        }
        if (yRows && (op == Op::LDA || op == Op::STA || op == Op::LDX))
            return Entry::LoadY;
        return std::nullopt;
    }
    if (index == 2 && !secondSet) {
        if (xRows)
            return op == Op::STX ? Entry::LoadY : Entry::LoadX;
        if (yRows)
            return Entry::LoadY;
    }
    return std::nullopt;
}

Entry operandEntry(Op op, int row)
{
    switch (row) {
    case 1: return Entry::Absolute;
    case 2: return op == Op::JMP ? Entry::SelectAddress : Entry::ZeroPage;  // the indirect jump's pointer
    case 3: return Entry::Immediate;
    case 4: return Entry::AbsoluteX;
    case 5: return isShift(op) ? Entry::LoadAccumulator : Entry::AbsoluteY;
    case 6: return Entry::IndexedIndirect;
    case 7: return Entry::IndirectIndexed;
    default: return op == Op::STX ? Entry::ZeroPageY : Entry::ZeroPageX;
    }
}

}  // namespace

InstructionWindow::InstructionWindow(const QString& name, int set, int topicId, const QString& t, int selectors,
                                     int triggers)
    : TopicForm(name, selectors, triggers), table_(instructionTable(set))
{
    title = t;
    setTopicId(topicId);
    setDrawingFrame(kOffset, kScale);
}

void InstructionWindow::formLoad()
{
    loadState();
    TopicForm::formLoad();
}

void InstructionWindow::loadState() { loadInstructionSetState(cpu()); }

void InstructionWindow::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void InstructionWindow::configureExample(int e)
{
    SelectButton[3]->setCaption(QStringLiteral("Select Addr."));
    if (SelectButton.size() > 4)
        SelectButton[4]->setCaption(QStringLiteral("Addr. Contents"));
    Trigger[0]->setCaption(table_.at(e).mnemonic);
    Trigger[0]->setShown(true);
    suite().selectorCount = int16_t(SelectButton.size() - 1);
}

int InstructionWindow::drawTable(const InstructionInfo& info)
{
    return showAddressingModeTable(cpu(), *this, info.title1, info.title2, info.opCodes, info.strip, !info.stack);
}

void InstructionWindow::drawExample(int e)
{
    redrawing_ = true;
    const InstructionInfo& info = table_.at(e);
    Picture1->setToolTip(QStringLiteral("Click mouse over instruction Op-Code."));
    setCaption(title + QStringLiteral(":   ") + info.heading);
    CpuState& s = cpu();
    drawAllRegisters(s);
    s.selectedRow = drawTable(info);
    if (info.stack)
        drawStackPanel(s);
    if (info.vector)
        drawInterruptVector();
    redrawing_ = false;
}

void InstructionWindow::theoryParagraphs(int e, std::array<QString, 4>& p) { instructionTheory(table_.at(e).op, p); }

void InstructionWindow::Picture1_MouseDown(double x, double y)
{
    const int row = rowAtPress(x, y, kScale);
    if (row == 0 || row > tableRows())
        return;
    // A new row gives the selectors new meanings: the old entries go.
    if (row != cpu().selectedRow)
        for (int i = 0; i < 3; ++i)
            setLabelQuietly(i, QString());
    cpu().selectedRow = row;
    results();
}

int InstructionWindow::entryWidth(int index) const
{
    const int row = cpu().selectedRow;
    const Op op = instruction().op;
    if (index == 3)
        return 4;
    if (index != 0)
        return 2;
    if (row == 5 && isShift(op))
        return 2;  // "LDA ??h": the accumulator form loads a byte
    if (row == 2 && op == Op::JMP)
        return 4;  // the indirect jump's pointer is a full address
    return row == 1 || row == 4 || row == 5 ? 4 : 2;
}

void InstructionWindow::SelectButton_Click(int index)
{
    const int width = entryWidth(index);
    cpu().entryWidth = width;
    suite().entryWidth = width;
    TopicForm::SelectButton_Click(index);
}

void InstructionWindow::enterValue(int index, const QString& typed)
{
    CpuState& s = cpu();
    const Op op = instruction().op;
    const int row = s.selectedRow;
    Redraws panels;
    if (index == 0) {
        panels = enter(s, operandEntry(op, row), typed);
        if (row == 1 || row == 2 || int(op) >= int(Op::CPX))
            panels.push_back(Panel::Memory);
    } else if (index == 1 || index == 2) {
        if (const auto load = loadFor(op, row, index))
            panels = enter(s, *load, typed);
    } else if (index == 3) {
        panels = enter(s, Entry::SelectAddress, typed);
    } else if (index == 4) {
        panels = enter(s, Entry::SetAddressContents, typed);
    }
    PanelView view(instruction().stack, instruction().vector);
    view.show(s, panels);
}

void InstructionWindow::InputLabel_Change(int index)
{
    if (suite().entryLock || redrawing_)
        return;
    const QString typed = InputValueText();
    PanelFrame frame(Picture1, kOffset, kScale);
    enterValue(index, typed);
}

void InstructionWindow::Trigger_Click(int) { run(instruction().op); }

void InstructionWindow::run(Op op)
{
    PanelFrame frame(Picture1, kOffset, kScale);
    PanelView view(instruction().stack, instruction().vector);
    execute(cpu(), op, view);
}

}  // namespace orr::micro
