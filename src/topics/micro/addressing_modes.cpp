// The addressing-modes window: the register panels, the memory or stack
// panel, the example's description and data line, a chain of boxes showing
// how the address is formed, and the entries and instruction buttons.
#include "topics/micro/addressing_modes.h"

#include "draw/block_diagram.h"
#include "draw/board_text.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "platform/msgbox.h"
#include "topics/micro/conversions.h"
#include "topics/micro/register_panels.h"
#include "values/value_entry.h"

namespace orr::micro {

namespace {

constexpr float kScale = 1.28f;
constexpr int kOffset = 30;
// The width a description line may take without running into the memory panel.
constexpr double kBesidePanel = 505 - 10 - 6;

// What an entry into a selector does.
enum class Act {
    LoadA,
    LoadX,
    LoadY,
    LoadIndex,  // the absolute-indexed example's chosen index register
    Address,
    Displace,
    ZeroBase,
    StoreAcc,   // LDA with the byte, STA at the address the pointer holds
    PointerAddress,
    PointerLow,
    PointerHigh,
    JumpIndirect,
    ChangeCell,
    LdaIndexedIndirect,
    LdaIndirectIndexed,
};

struct Selector {
    const char* caption;
    Act act;
};

struct ExampleText {
    const char* caption;
    const char* data;
    const char* description1;
    const char* description2;
    const char* trigger;  // "" hidden
    std::vector<Selector> selectors;
};

const ExampleText& exampleText(Mode m)
{
    static const std::array<ExampleText, kModeCount> texts = {{
        {"Immediate Addressing", "Data. LDA #20h : LDX #FFh : LDY #1Ch.",
         "Loads a register (not a memory location) with an immediate value.", "", "",
         {{"LDA #??h", Act::LoadA}, {"LDX #??h", Act::LoadX}, {"LDY #??h", Act::LoadY}}},
        {"Implied Addressing.", "Data.  LDA  #C5h.",
         "Pushing contents of a register onto the Stack. Stack upper byte, address 01",
         "(page 1.) for this example the top of stack address is made 01FFh. Stack address is then decremented.",
         "PHA", {}},
        {"Absolute Addressing.", "Data. LDA #AAh : RAM Address 01CD. RAM available 0000h - 2710h = 10K.",
         "To access a particular RAM location. For example ", "addressing memory mapped peripherals.", "STA",
         {{"RAM addr", Act::Address}}},
        {"Offset or Relative Addressing.",
         "Data. addr = 1234h : LDA #00h : Displ = 7F to 8Fh : RAM available 0000h - 2710h = 10K.",
         "Branch to address (program counter + displacement) set by ",
         "BEQ instruction if Z (zero flag) is set.", "BEQ",
         {{"RAM addr", Act::Address}, {"Displace", Act::Displace}}},
        {"Zero Page Addressing.",
         "Data. Zero page address 90h. RAM available 0000h - 2710h = 10K. 00d - FFh include Random Data.",
         "Subset of absolute addressing. The address specified is only 8 bits wide. Upper",
         "8 bits are set to zero. Only access to addresses from 0000h to 00FFh available, i.e. zero page.",
         "LDA zpage", {{"RAM addr", Act::Address}}},
        {"Absolute Indexed Addressing.", "Data. LDA #12h : LDX #13h: LDY #10h : STA 0400h, Y.",
         "A base address is specified along with an Index Register value X or Y.",
         "The effective address is the sum the Base Address + Index Register value.", "",
         {{"", Act::LoadIndex}, {"STA ????h", Act::Address}}},
        {"Zero Page Indexed.", "Zero page addr. F0h : LDX #20h : Random zero page memory contents.",
         "Absolute indexed addressing subset. Base address range limited to 00h - FFh.",
         "Upper 8 bits of resultant address are always 00.", "", {{"Zero Addr", Act::ZeroBase}}},
        {"Indirect Addressing.",
         "LDA FF : STA 0500h : Lower byte addr 0400h : Lower byte #00h : Upper byte = #05h : JMP (0400h).",
         "Uses specified address as lower byte of the resultant address and the",
         "specified address + 1 as the HIGH byte. Therefore, 16bit address location where the data is stored.", "",
         {{"STA #??h", Act::StoreAcc},
          {"L byte addr", Act::PointerAddress},
          {"L byte #??h", Act::PointerLow},
          {"U byte #??h", Act::PointerHigh},
          {"JMP (????h)", Act::JumpIndirect}}},
        {"Indexed Indirect Addressing.",
         "Data. : LDX #06h : Addr 0096h = 00h : addr 0097h = 05h : addr 0500h = 34h : LDA (90h, X)",
         "Adds the value of the X Register to the address which is to be looked",
         "at, i.e. 90h and 91h to get the resultant address.", "",
         {{"Ram Addr", Act::Address}, {"Change ?", Act::ChangeCell}, {"LDA (??h, X)", Act::LdaIndexedIndirect}}},
        {"Indirect Indexed Addressing.",
         "Data. LDY #04h : Addr 0090h = 00h : addr 0091h = 05h : addr 0504h = 56h : LDA (90h), Y.",
         "Adds the value of the Y Register to the contents of the two address", "bytes specified.", "",
         {{"LDY #??h", Act::LoadY},
          {"Ram Addr", Act::Address},
          {"Change ?", Act::ChangeCell},
          {"LDA (??h), Y", Act::LdaIndirectIndexed}}},
    }};
    return texts[size_t(m)];
}

bool isAddress(Act a) { return a == Act::Address || a == Act::ZeroBase || a == Act::PointerAddress || a == Act::JumpIndirect; }

QString hex(int64_t v, int digits) { return padHex(numberToHex(v), digits) + QLatin1Char('h'); }
QString cellText(CpuState& s, int64_t a) { return s.inRange(a) ? padHex(s.trimCell(a), 2) + QLatin1Char('h') : QString(); }

// The address held in cells a + 1 (high) and a (low), as the pointer reads it.
QString pointerText(CpuState& s, int64_t a)
{
    if (!s.inRange(a) || !s.inRange(a + 1))
        return QStringLiteral("-");
    return padHex(s.trimCell(a + 1), 2) + padHex(s.trimCell(a), 2) + QLatin1Char('h');
}

// The displacement as the sign-and-magnitude byte it was entered as.
int32_t displacementByte(int32_t d) { return d < 0 ? (0x80 | (-d & 0x7F)) : (d & 0x7F); }

// The worked examples of the two indexed indirect modes, a line each.
const char* const kWorkedIndexedIndirect[] = {"Example.", "Load X Register #06h", "Load memory addresses",
                                              "LDA with contents of ", "(90h + #6h = 96h)",
                                              "addr 0097h and 0096h = 0500h", "content of addr 0500h = 34h"};
const char* const kWorkedIndirectIndexed[] = {"Example.", "Load Y Register #04h", "Load memory addresses",
                                              "LDA with contents of ", "addr 0091h and 0090h",
                                              "(0500h + #4h = 0504h)", "content of addr 0504h = 56h"};

}  // namespace

AddressingModes::AddressingModes() : TopicForm(QStringLiteral("AddressingModes"), 5, 1)
{
    title = QStringLiteral("ADDRESSING MODES");
    setTopicId(101);
    setDrawingFrame(kOffset, kScale);
}

Mode AddressingModes::mode() const { return Mode(std::clamp(example(), 0, kModeCount - 1)); }

void AddressingModes::formLoad()
{
    loadAddressingState(cpu(), window);
    TopicForm::formLoad();
}

void AddressingModes::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

void AddressingModes::configureExample(int e)
{
    const Mode m = Mode(std::clamp(e, 0, kModeCount - 1));
    const ExampleText& t = exampleText(m);
    // The zero-page examples work on random data, as their data lines say.
    if (m == Mode::ZeroPage || m == Mode::ZeroPageIndexed)
        fillZeroPageRandomly(cpu());
    for (size_t i = 0; i < SelectButton.size(); ++i) {
        QString caption;
        if (i < t.selectors.size())
            caption = QString::fromUtf8(t.selectors[i].caption);
        SelectButton[i]->setCaption(caption);
        setLabelQuietly(int(i), QString());
    }
    if (m == Mode::AbsoluteIndexed)
        SelectButton[0]->setCaption(window.indexY ? QStringLiteral("LDY #??h") : QStringLiteral("LDX #??h"));
    refreshLabels();
    Trigger[0]->setCaption(QString::fromUtf8(t.trigger));
    Trigger[0]->setShown(*t.trigger != '\0');
    suite().selectorCount = int16_t(int(t.selectors.size()) - 1);
}

void AddressingModes::refreshLabels()
{
    CpuState& s = cpu();
    const ExampleText& t = exampleText(mode());
    for (size_t i = 0; i < t.selectors.size() && i < InputLabel.size(); ++i) {
        QString v;
        switch (t.selectors[i].act) {
        case Act::LoadA:
        case Act::StoreAcc: v = s.a + QLatin1Char('h'); break;
        case Act::LoadX: v = s.x + QLatin1Char('h'); break;
        case Act::LoadY: v = s.y + QLatin1Char('h'); break;
        case Act::LoadIndex: v = (window.indexY ? s.y : s.x) + QLatin1Char('h'); break;
        case Act::Address: v = hex(s.effectiveAddress, 4); break;
        case Act::Displace: v = hex(displacementByte(s.displacement), 2); break;
        case Act::ZeroBase: v = hex(window.zeroPageBase, 2); break;
        case Act::PointerAddress:
        case Act::JumpIndirect: v = hex(window.pointer, 4); break;
        case Act::PointerLow: v = cellText(s, window.pointer); break;
        case Act::PointerHigh: v = cellText(s, int64_t(window.pointer) + 1); break;
        case Act::ChangeCell: v = cellText(s, s.effectiveAddress); break;
        case Act::LdaIndexedIndirect:
        case Act::LdaIndirectIndexed: v = InputLabel[i]->caption(); break;  // the operand last typed
        }
        setLabelQuietly(int(i), v);
    }
}

void AddressingModes::SelectButton_Click(int index)
{
    const ExampleText& t = exampleText(mode());
    int width = 2;
    if (index >= 0 && size_t(index) < t.selectors.size() && isAddress(t.selectors[size_t(index)].act))
        width = 4;
    cpu().entryWidth = width;
    suite().entryWidth = width;
    TopicForm::SelectButton_Click(index);
}

void AddressingModes::InputLabel_Change(int index)
{
    if (suite().entryLock)
        return;
    enterValue(index, InputValueText());
    refreshLabels();
    results();
}

void AddressingModes::enterValue(int index, const QString& typed)
{
    const Mode m = mode();
    const ExampleText& t = exampleText(m);
    if (index < 0 || size_t(index) >= t.selectors.size())
        return;
    CpuState& s = cpu();
    const Act act = t.selectors[size_t(index)].act;
    const int32_t value = hexToNumber(typed);
    if (isAddress(act) && value > addressBound(m == Mode::ZeroPageIndexed ? Mode::ZeroPage : m)) {
        // Refused: the address and everything else stay as they were.
        msgBox(addressRefusal(m), MsgButtons::Ok, QStringLiteral("Memory out of range."));
        return;
    }
    switch (act) {
    case Act::LoadA: enter(s, Entry::LoadAccumulator, typed); break;
    case Act::LoadX: enter(s, Entry::LoadX, typed); break;
    case Act::LoadY: enter(s, Entry::LoadY, typed); break;
    case Act::LoadIndex: enter(s, window.indexY ? Entry::LoadY : Entry::LoadX, typed); break;
    case Act::Address: s.effectiveAddress = value; break;
    case Act::Displace: enter(s, Entry::Displacement, typed); break;
    case Act::ZeroBase:
        window.zeroPageBase = value;
        s.effectiveAddress = zeroPageIndexedAddress(s, window);
        break;
    case Act::StoreAcc: {
        enter(s, Entry::LoadAccumulator, typed);
        settleAccumulator(s);
        CpuState probe = s;
        if (jumpIndirect(probe, window.pointer)) {
            s.effectiveAddress = probe.effectiveAddress;
            s.setCell(s.effectiveAddress, s.a);
        }
        break;
    }
    case Act::PointerAddress:
        window.pointer = value;
        s.effectiveAddress = value;
        break;
    case Act::PointerLow: s.setCell(window.pointer, padHex(typed, 2)); break;
    case Act::PointerHigh: s.setCell(int64_t(window.pointer) + 1, padHex(typed, 2)); break;
    case Act::JumpIndirect:
        window.pointer = value;
        jumpIndirect(s, value);
        break;
    case Act::ChangeCell: enter(s, Entry::SetAddressContents, typed); break;
    case Act::LdaIndexedIndirect: loadIndexedIndirect(s, typed); break;
    case Act::LdaIndirectIndexed: loadIndirectIndexed(s, typed); break;
    }
}

void AddressingModes::Trigger_Click(int)
{
    CpuState& s = cpu();
    switch (mode()) {
    case Mode::Implied: pushAccumulator(s, window); break;
    case Mode::Absolute: s.setCell(s.effectiveAddress, s.a); break;
    case Mode::Relative: branchIfEqual(s); break;
    case Mode::ZeroPage: loadFromEffectiveAddress(s); break;
    default: return;
    }
    refreshLabels();
    results();
}

void AddressingModes::Picture1_MouseDown(double x, double y)
{
    if (mode() != Mode::AbsoluteIndexed)
        return;
    // The X and Y register panels choose the index register.
    const double dx = x - kOffset, dy = y / kScale;
    if (dx < 30 || dx > 210)
        return;
    if (dy >= 82 && dy < 137)
        window.indexY = false;
    else if (dy >= 141 && dy <= 196)
        window.indexY = true;
    else
        return;
    SelectButton[0]->setCaption(window.indexY ? QStringLiteral("LDY #??h") : QStringLiteral("LDX #??h"));
    refreshLabels();
    results();
}

void AddressingModes::drawExample(int)
{
    const Mode m = mode();
    const ExampleText& t = exampleText(m);
    setCaption(title + QStringLiteral(":   ") + QString::fromUtf8(t.caption));
    Picture1->setToolTip(m == Mode::AbsoluteIndexed ? QStringLiteral("Click the X or Y register to choose the index.")
                                                     : QString());
    CpuState& s = cpu();
    drawAllRegisters(s);
    if (m == Mode::Implied)
        drawStackPanel(s);
    else
        drawMemoryPanel(s);
    drawDiagram(m);

    printMeasured(10, 268, QStringLiteral("Description."), colour::Navy, 8, true);
    printFitted(10, 280, QString::fromUtf8(t.description1), colour::Black, 8, 0, kBesidePanel);
    if (m == Mode::AbsoluteIndexed)
        printMeasured(25, 254, QStringLiteral("Click the X or Y register to choose the index."), colour::Red, 8, true);
    printFitted(10, 292, QString::fromUtf8(t.description2), colour::Black, 8, 0, kBesidePanel);
    printFitted(10, 305, QString::fromUtf8(t.data), colour::Maroon, 8, 0, 650);
}

void AddressingModes::drawDiagram(Mode m)
{
    CpuState& s = cpu();
    std::vector<ChainBox> chain;
    QString instruction;
    QStringList lines;
    const QString index = window.indexY ? s.y : s.x;
    const int32_t base = s.effectiveAddress;
    switch (m) {
    case Mode::Immediate:
        chain = {{"Op code", "A9h"}, {"Byte 2", "#" + s.a + "h"}, {"Accumulator", s.a + "h"}};
        instruction = "LDA #" + s.a + "h";
        break;
    case Mode::Implied:
        chain = {{"Op code", "48h"}, {"Accumulator", s.a + "h"}, {"Stack " + hex(s.stackPointer, 4), cellText(s, s.stackPointer)}};
        instruction = QStringLiteral("PHA");
        break;
    case Mode::Absolute:
        chain = {{"Op code", "8Dh"}, {"Address", hex(base, 4)}, {"Contents", cellText(s, base)}};
        instruction = "STA " + hex(base, 4);
        break;
    case Mode::Relative:
        chain = {{"Op code", "F0h"}, {"Displacement", hex(displacementByte(s.displacement), 2)}, {"Branch to", hex(branchTarget(s), 4)}};
        instruction = "BEQ " + hex(displacementByte(s.displacement), 2);
        lines = relativeLines(s);
        break;
    case Mode::ZeroPage:
        chain = {{"Op code", "A5h"}, {"Zero page", hex(base & 0xFF, 2)}, {"Contents", cellText(s, base)}};
        instruction = "LDA " + hex(base & 0xFF, 2);
        break;
    case Mode::AbsoluteIndexed:
        chain = {{"Base", hex(base, 4)}, {window.indexY ? "+ Index Y" : "+ Index X", index + "h"},
                 {"Effective", hex(int64_t(base) + hexToNumber(index), 4)}};
        instruction = "STA " + hex(base, 4) + (window.indexY ? ", Y" : ", X");
        lines = absoluteIndexedLines(s, window);
        break;
    case Mode::ZeroPageIndexed: {
        const int32_t r = zeroPageIndexedAddress(s, window);
        chain = {{"Zero page", hex(window.zeroPageBase, 2)}, {"+ Index X", s.x + "h"}, {"Address", hex(r, 4)}};
        instruction = "LDA " + hex(window.zeroPageBase, 2) + ", X";
        lines = zeroPageIndexedLines(s, window);
        break;
    }
    case Mode::Indirect: {
        CpuState probe = s;
        const bool ok = jumpIndirect(probe, window.pointer);
        chain = {{"Pointer", hex(window.pointer, 4)},
                 {"Holds", pointerText(s, window.pointer)},
                 {"Jump to", ok ? hex(probe.effectiveAddress, 4) : QStringLiteral("-")}};
        instruction = "JMP (" + hex(window.pointer, 4) + ")";
        break;
    }
    case Mode::IndexedIndirect:
    case Mode::IndirectIndexed: break;
    }

    if (m == Mode::IndexedIndirect || m == Mode::IndirectIndexed) {
        const bool x = m == Mode::IndexedIndirect;
        const char* const* worked = x ? kWorkedIndexedIndirect : kWorkedIndirectIndexed;
        for (int i = 0; i < 7; ++i)
            printMeasured(250, 168 + 15 * i, QString::fromUtf8(worked[i]), i == 0 ? colour::Navy : colour::Black, 8,
                          i == 0);
        // The operand, the pointer it leads to, the data address and the data.
        const QString op = padHex(s.operand, 2);
        const int32_t zp = hexToNumber(op) + (x ? hexToNumber(s.x) : 0);
        // Worked out from the operand and the registers, so that the chain
        // shows what the instruction will do as well as what it did.
        const QString pointer = pointerText(s, zp);
        const int64_t target = hexToNumber(pointer.chopped(1)) + (x ? 0 : hexToNumber(s.y));
        if (x)
            chain = {{"Operand", op + "h"}, {"+ X", hex(zp, 2)}, {"Pointer", pointer},
                     {"Data", cellText(s, target)}};
        else
            chain = {{"Operand", op + "h"}, {"Pointer", pointer}, {"+ Y", hex(target, 4)},
                     {"Data", cellText(s, target)}};
        DrawBoxChain(20, 218, 46, 18, 12, chain, colour::White, colour::Navy, colour::Purple);
        instruction = x ? "LDA (" + op + "h, X)" : "LDA (" + op + "h), Y";
        printMeasured(20, 244, instruction + "   A = " + s.a + "h", colour::Navy, 8, true);
        return;
    }
    DrawBoxChain(250, 176, 62, 18, 22, chain, colour::White, colour::Navy, colour::Purple);
    printMeasured(250, 200, instruction, colour::Navy, 8, true);
    for (int i = 0; i < lines.size(); ++i)
        printMeasured(25, 210 + 15 * i, lines[i], colour::Black, 8);
}

void AddressingModes::theoryParagraphs(int e, std::array<QString, 4>& p)
{
    addressingModesTheory(Mode(std::clamp(e, 0, kModeCount - 1)), p);
}

namespace {
RegisterForm<AddressingModes> reg(QStringLiteral("AddressingModes"));
}

}  // namespace orr::micro
