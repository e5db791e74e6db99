// Instr_1: the first instruction set window.
#include "topics/micro/instr_1.h"

#include <optional>

#include "topics/micro/conversions.h"
#include "topics/micro/micro_theory.h"
#include "topics/micro/register_panels.h"
#include "values/value_entry.h"

namespace orr::micro {

namespace {

constexpr float kScale = 1.28f;
constexpr int kOffset = 30;

// Which register an entry into selector 1 or 2 loads, by instruction and row.
std::optional<Entry> loadFor(Op op, int row, int index)
{
    const bool arithmetic = op == Op::ADC || op == Op::AND || op == Op::ORA || op == Op::EOR || op == Op::CMP ||
                            op == Op::SBC;
    const bool xRows = row == 4 || row == 6 || row == 8;
    const bool yRows = row == 5 || row == 7;
    if (index == 1) {
        if (row >= 1 && row <= 3)
            return op == Op::STX ? Entry::LoadX : op == Op::STY ? Entry::LoadY : Entry::LoadAccumulator;
        if (arithmetic)
            return Entry::LoadAccumulator;
        if (xRows) {
            if (op == Op::LDA || op == Op::STA || op == Op::LDY || op == Op::STX)
                return Entry::LoadX;
            if (op == Op::STY)
                return Entry::LoadY;
        }
        if (yRows && (op == Op::LDA || op == Op::STA || op == Op::LDX))
            return Entry::LoadY;
        return std::nullopt;
    }
    if (index == 2) {
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
    case 2: return Entry::ZeroPage;
    case 3: return Entry::Immediate;
    case 4: return Entry::AbsoluteX;
    case 5: return Entry::AbsoluteY;
    case 6: return Entry::IndexedIndirect;
    case 7: return Entry::IndirectIndexed;
    default: return op == Op::STX ? Entry::ZeroPageY : Entry::ZeroPageX;
    }
}

}  // namespace

Instr_1::Instr_1() : TopicForm(QStringLiteral("Instr_1"), 5, 1)
{
    title = QStringLiteral("INSTRUCTION SET 1");
    setTopicId(102);
    setDrawingFrame(kOffset, kScale);
}

void Instr_1::formLoad()
{
    loadInstructionSetState(cpu());
    TopicForm::formLoad();
}

void Instr_1::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void Instr_1::configureExample(int e)
{
    SelectButton[3]->setCaption(QStringLiteral("Select Addr."));
    SelectButton[4]->setCaption(QStringLiteral("Addr. Contents"));
    Trigger[0]->setCaption(instructionInfo(e).mnemonic);
    Trigger[0]->setShown(true);
    suite().selectorCount = 4;
}

void Instr_1::drawExample(int e)
{
    redrawing_ = true;
    const InstructionInfo& info = instructionInfo(e);
    Picture1->setToolTip(QStringLiteral("Click mouse over instruction Op-Code."));
    setCaption(title + QStringLiteral(":   ") + info.heading);
    CpuState& s = cpu();
    drawAllRegisters(s);
    s.selectedRow = showAddressingModeTable(s, *this, info.title1, info.title2, info.opCodes);
    redrawing_ = false;
}

void Instr_1::theoryParagraphs(int e, std::array<QString, 4>& p) { instructionTheory(instructionInfo(e).op, p); }

void Instr_1::Picture1_MouseDown(double x, double y)
{
    const int row = rowAtPress(x, y, kScale);
    if (row == 0)
        return;
    // A new row gives the selectors new meanings: the old entries go.
    if (row != cpu().selectedRow)
        for (int i = 0; i < 3; ++i)
            setLabelQuietly(i, QString());
    cpu().selectedRow = row;
    results();
}

void Instr_1::SelectButton_Click(int index)
{
    const int row = cpu().selectedRow;
    const int width = index == 3 || (index == 0 && (row == 1 || row == 4 || row == 5)) ? 4 : 2;
    cpu().entryWidth = width;
    suite().entryWidth = width;
    TopicForm::SelectButton_Click(index);
}

void Instr_1::InputLabel_Change(int index)
{
    if (suite().entryLock || redrawing_)
        return;
    CpuState& s = cpu();
    const Op op = instructionInfo(example()).op;
    const int row = s.selectedRow;
    const QString typed = InputValueText();
    Redraws panels;
    if (index == 0) {
        panels = enter(s, operandEntry(op, row), typed);
        if (row == 1 || row == 2)
            panels.push_back(Panel::Memory);
    } else if (index == 1 || index == 2) {
        if (const auto load = loadFor(op, row, index))
            panels = enter(s, *load, typed);
    } else if (index == 3) {
        panels = enter(s, Entry::SelectAddress, typed);
    } else if (index == 4) {
        panels = enter(s, Entry::SetAddressContents, typed);
    }
    PanelFrame frame(Picture1, kOffset, kScale);
    drawPanels(s, panels);
}

void Instr_1::Trigger_Click(int) { run(instructionInfo(example()).op); }

void Instr_1::run(Op op)
{
    CpuState& s = cpu();
    const Redraws panels = execute(s, op);
    PanelFrame frame(Picture1, kOffset, kScale);
    drawPanels(s, panels);
}

namespace {
RegisterForm<Instr_1> reg(QStringLiteral("Instr_1"));
}

}  // namespace orr::micro
