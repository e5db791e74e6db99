// The contents window: topic tree, index list with search, and the position lookup.
#include "shell/contents_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/controls.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "topics/framework/members.h"
#include "topics/framework/topic_table.h"

namespace orr {

static RegisterForm<ComputingTreeIndex> registerContents("ComputingTreeIndex");

namespace contents {

namespace {
constexpr std::array<int, kTopicCount + 1> kHeadings = {
    4,   16,  25,  34,  40,  48,  55,  66,  75,  83,  98,  112, 125, 134, 142, 150, 159,
    166, 172, 176, 181, 190, 194, 197, 200, 203, 206, 211, 216, 219, 230, 243, 256, 270};
}

int headingPosition(int k) { return k >= 1 && k <= kTopicCount + 1 ? kHeadings[k - 1] : 0; }
int firstPosition(int k) { return headingPosition(k) + 1 + 1; }
int lastPosition(int k) { return headingPosition(k + 1) - 1 + 1; }

int topicAt(int position)
{
    for (int k = 1; k <= kTopicCount; ++k)
        if (firstPosition(k) <= position && position <= lastPosition(k))
            return k;
    return 0;
}

}  // namespace contents

// ---------------------------------------------------------------- index file

QStringList splitIndexFields(const QByteArray& data)
{
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList fields;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto isBlank = [&](qsizetype at) { return text[at] == u' ' || text[at] == u'\t'; };
    auto isLineEnd = [&](qsizetype at) { return text[at] == u'\n' || text[at] == u'\r'; };
    auto skipLineEnd = [&] {
        if (i < n && text[i] == u'\r')
            ++i;
        if (i < n && text[i] == u'\n')
            ++i;
    };
    while (i < n) {
        while (i < n && isBlank(i))
            ++i;
        QString field;
        if (i < n && text[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            field = text.mid(i + 1, end - i - 1);
            i = close < 0 ? n : close + 1;
            // Anything between the closing quote and the delimiter is not part of the field.
            while (i < n && text[i] != u',' && !isLineEnd(i))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != u',' && !isLineEnd(i))
                ++i;
            field = text.mid(start, i - start).trimmed();
        }
        fields << field;
        if (i < n && text[i] == u',') {
            ++i;
            // A comma at the end of a line closes the field; the line end starts nothing new.
            qsizetype j = i;
            while (j < n && isBlank(j))
                ++j;
            if (j < n && isLineEnd(j)) {
                i = j;
                skipLineEnd();
            }
        } else {
            skipLineEnd();
        }
    }
    return fields;
}

ContentsIndex& ContentsIndex::instance()
{
    static ContentsIndex index;
    return index;
}

QString ContentsIndex::defaultPath() { return indexPathFor(QCoreApplication::applicationDirPath()); }

QString ContentsIndex::indexPathFor(const QString& programDir)
{
    const QString installed = QDir::cleanPath(programDir + QStringLiteral("/../share/orrinvale/ComputingIndex.txt"));
    if (QFileInfo::exists(installed))
        return installed;
    return programDir + QStringLiteral("/ComputingIndex.txt");
}

void ContentsIndex::load(const QString& path)
{
    entries_.fill(QString());
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QStringList fields = splitIndexFields(file.readAll());
        const int first = suite().indexFirst;
        const int last = std::min(suite().indexLast, kMaxPosition);
        for (int p = first; p <= last && p - first < fields.size(); ++p)
            entries_[p] = fields[p - first];
    }
    loaded_ = true;
}

QString ContentsIndex::entry(int position) const
{
    return position >= 0 && position <= kMaxPosition ? entries_[position] : QString();
}

// ---------------------------------------------------------------- the tree

namespace {

struct TreeTopic {
    const char* root;
    const char* key;
    const char* text;
    std::vector<const char*> examples;
};

struct TreeRoot {
    const char* key;
    const char* text;
};

constexpr std::array<TreeRoot, 3> kRoots = {{
    {"Computing", "Computing"},
    {"Digital", "Digital Techniques"},
    {"Microprocessor", "Microprocessor"},
}};

// Topic nodes in order of adding, each with its example captions.
const std::vector<TreeTopic>& treeTopics()
{
    static const std::vector<TreeTopic> topics = {
        {"Computing", "ComputerHardware", "Hardware Devices",
         {"Character Codes", "Mouse Signals", "Additive Colour Mixing", "Flat Panel Display",
          "Simple Graphics Adaptor", "256 Intensity Levels", "Colour Monitor", "Disk Drives", "CD-ROM",
          "Serial Port Communications", "Serial and Parallel Data Transfer"}},
        {"Computing", "DataStructures", "Data Structures",
         {"Sorting", "Merging", "Searching", "Array", "Stack", "Queues", "Linked Lists", "Binary Trees"}},
        {"Computing", "DataFiles", "Data Files",
         {"Fixed Length Record", "Sequential Files", "Indexed Sequential Files", "Random Access Hash Tables",
          "Locating Individual Records", "Check Digits", "Parity Error Checking", "Cyclic Redundancy Check"}},
        {"Computing", "ComputerSystems", "Computer Systems",
         {"Computer Hardware Configuration", "Computer Operating System", "Local Area Networks",
          "Wide Area Network", "UK Telephone System"}},
        {"Computing", "DataHandling", "Data Handling",
         {"Manual Data Handling System", "Computer Data Handling System", "Data and Information",
          "Data Entry and Verification", "Data Validation", "Methods of Processing Data",
          "Data Security - Backups"}},
        {"Computing", "SystemsDevelopment", "System Development",
         {"Stages of System Development", "System Flowcharting", "Processing Strategy",
          "File Management System", "Computer Hardware", "Computer Software"}},
        {"Computing", "ComputerProgramming", "Computer Programming",
         {"Programming Structure", "Constant Values", "Data Types", "Data Strings",
          "Working with Character Strings", "Conditional Branching", "Select...Case Statement Block",
          "For...Next Loop", "Do...Until Loop", "Procedures"}},
        {"Computing", "BinaryNumbers", "Binary Numbers",
         {"Simple Decimal To Binary", "Simple Binary to Decimal", "Decimal To Binary", "Binary to Decimal",
          "Decimal to Octal", "Octal to Decimal", "Decimal to Hexadecimal", "Hexadecimal to Decimal"}},
        {"Computing", "BinaryArithmetic", "Binary Arithmetic",
         {"Sign and Magnitude", "Ones Complement Numbers", "Twos Complement Numbers", "Decimal to BCD",
          "Binary Addition", "Binary Subtraction", "Floating Point Binary Numbers"}},
        {"Computing", "NumberSystems", "Number Systems",
         {"Addition", "Subtraction", "Multiplication", "Division", "Types of Numbers", "Further Addition",
          "Further Subtraction", "Further Multiplication", "Further Division", "Directed Numbers",
          "Finding Next Number in a Sequence", "Temperature Conversion Application.", "Matrices Addition",
          "Matrices Multiplication"}},
        {"Computing", "DataAnalysis", "Data Analysis",
         {"Frequency Distribution", "Standard Deviation", "Pie Chart", "Probability Tree",
          "Probability Addition Law", "Probability Multiplication Law", "Quartiles",
          "Cumulative Frequency, Box Plot", "Continuous Even Distribution", "Sampling Theory",
          "Correlation Analysis", "Moving Average", "Seasonality"}},

        {"Digital", "LogicGates1", "Logic Gates 1",
         {"Simple OR Logic Function", "Simple AND Logic Function", "AND Gate Function", "OR Gate Function",
          "NAND Gate Function", "NOR Gate Function", "NOT Gate Function", "Exclusive OR Gate Function",
          "Equivalent Exclusive OR Circuit", "OR Function from NAND Gates", "Mixed Logic Analysis 1",
          "Logic Analysis 2"}},
        {"Digital", "LogicGates2", "Logic Gates 2",
         {"AND Gate", "OR Gate", "NOT Gate", "NAND Gate", "NOR Gate", "EXCLUSIVE OR Gate",
          "Equivalent OR Gate", "Equivalent NAND Gate"}},
        {"Digital", "LogicFamilies", "Logic Families",
         {"DL (Diode Logic)", "DTL (Diode-Transistor Logic)", "TTL (Transistor-Transistor Logic)",
          "ECL (Emitter Coupled Logic)", "I\u00B2L (Integrated Injection Logic)",
          "MOS (Metal Oxide Semiconductor Logic)", "CMOS (Complementary MOS)"}},
        {"Digital", "FlipFlop", "Flip Flops",
         {"NAND RS Flip-flop", "NOR RS Flip-flop", "Clocked RS Flip-flop", "D Type Flip-flop",
          "T Type Flip-flop", "Master Slave Flip-flop", "JK Flip-flop"}},
        {"Digital", "CombinationalLogic", "Combinational Logic",
         {"Half Adder", "Full Adder", "Parallel Adder", "2-4 Line Binary Decoder", "Decimal to BCD Encoder",
          "Binary Multiplexer", "Data Masking", "Adding a Data Parity Bit"}},
        {"Digital", "Counting", "Counting",
         {"Bistable or Flip Flop", "Clocked R,S Flip Flop", "D Type Data Latch", "Divide by Two Counter",
          "Divide-by-Four Counter", "4-Bit Binary Counter"}},
        {"Digital", "Counters", "Counters",
         {"Ripple Counter", "Up/Down Counter", "Divide By 7 Counter", "Synchronous Up Counter",
          "Synchronous Down Counter"}},
        {"Digital", "ShiftRegister", "Shift Registers",
         {"Right Shift Register", "Left Shift Register", "Parallel Load Shift Register"}},
        {"Digital", "LogicInterfacing", "Logic Interfacing",
         {"Logic Buffer Stage", "Bipolar Transistor Driver", "CMOS to TTL Logic Interface",
          "Clock Pulse Generator"}},
        {"Digital", "BooleanAlgebra", "Boolean and DeMorgan's",
         {"Boolean Postulates", "Commutative and Associative Rules", "Identity", "Absorption and Negating Rules",
          "Distributive Rules", "De Morgan's Theorems", "Simplifying using Boolean Theorem's",
          "Simplifying using DeMorgan's Theorem's"}},

        {"Microprocessor", "MicroComputers", "Micro-Computer",
         {"Basic Micro-Computer", "Micro-Computer Architecture", "Microprocessor Block Diagram"}},
        {"Microprocessor", "DataAddressBus", "Data/Address Bus",
         {"Microprocessor Data Bus", "Microprocessor Address Bus"}},
        {"Microprocessor", "MemoryAddressing", "Memory Addressing",
         {"Memory Cell Addressing", "Chip Select and Addressing"}},
        {"Microprocessor", "Alu", "A.L.U", {"Logic Unit", "Accumulator"}},
        {"Microprocessor", "MicroTiming", "Clock and Reset",
         {"Microprocessor Clock", "Microprocessor Reset Circuit"}},
        {"Microprocessor", "Instructions", "Instructions and Control",
         {"Instruction Register", "Instruction Decoder", "Control Signals", "Chip Select"}},
        {"Microprocessor", "MemoryCells", "Memory Cells",
         {"Transistor Switch", "Multi-Emitter Transistor", "Read/Write Sense Amplifier", "Bipolar Memory Cell"}},
        {"Microprocessor", "MicroMemory", "Microprocessor Memory", {"Read Only Memory", "Random Access Memory"}},
        {"Microprocessor", "AddressingModes", "Addressing Modes",
         {"Immediate Addressing", "Implied Addressing", "Absolute Addressing", "Offset or Relative Addressing",
          "Zero Page Addressing", "Absolute Indexed Addressing", "Zero Page Indexed", "Indirect Addressing",
          "Indexed Indirect Addressing", "Indirect Indexed Addressing"}},
        {"Microprocessor", "Instr_1", "Instructions Set 1",
         {"LDA Load the Accumulator", "STA Store Accumulator in Memory", "ADC Add with Carry",
          "AND Logical AND", "ORA Inclusive OR with Accumulator", "EOR Exclusive OR", "CMP Compare Accumulator",
          "SBC Subtract with Carry", "LDX Load the X Register", "LDY Load Y Register", "STX Store X in Memory",
          "STY Store Y in Memory"}},
        {"Microprocessor", "Instr_2", "Instructions Set 2",
         {"CPX Compare to X Register", "CPY Compare to Y Register", "DEC Decrement Memory",
          "INC Increment Memory", "ASL Arithmetic Shift Left", "LSR Logical Shift Right",
          "ROL Rotate Left One Bit", "ROR Rotate Right One Bit", "BIT Test Accumulator With Memory Bits",
          "JMP Jump to Address", "JSR Jump to Subroutine", "NOP No Operation Performed"}},
        {"Microprocessor", "Instr_3", "Instructions Set 3",
         {"Branching", "Clear Flags", "BRK Break", "DEX Decrement X Register", "INX Increment X Register",
          "DEY Decrement Y Register", "INY Increment Y Register", "RTI Return from Interrupt",
          "Push Register Contents", "Pull Register Contents", "RTS Return from Subroutine",
          "Set Status Register Flags", "Transfer between Registers"}},
    };
    return topics;
}

constexpr int kNodeIndexRole = Qt::UserRole;
constexpr int kNodeKeyRole = Qt::UserRole + 1;

}  // namespace

// ---------------------------------------------------------------- the window

ComputingTreeIndex::ComputingTreeIndex() : Form(QStringLiteral("ComputingTreeIndex"))
{
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setColumnCount(1);
    // Every row is one line of text: the views need not measure each item.
    TreeView1->setUniformRowHeights(true);

    Label1 = new Label(this, QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Search"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setUniformItemSizes(true);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(Label1);
    searchRow->addWidget(Text1, 1);
    auto* indexColumn = new QVBoxLayout;
    indexColumn->addLayout(searchRow);
    indexColumn->addWidget(List1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(TreeView1, 1);
    layout->addLayout(indexColumn, 1);

    connect(TreeView1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item, int) { TreeView1_NodeClick(item); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(item); });
}

void ComputingTreeIndex::formLoad()
{
    suite().indexFirst = 3;
    suite().indexLast = 270;
    setCaption(QStringLiteral("Contents : ") + suite().applicationTitle);
    buildTree();
    List1->clear();
    auto& index = ContentsIndex::instance();
    if (!index.isLoaded())
        index.load(ContentsIndex::defaultPath());
    // The list opens showing what the (empty) search box selects: every entry.
    Text1_Change();
    keepFixedSize();
}

void ComputingTreeIndex::formActivate()
{
    keepFixedSize();
    hideAllToolbarButtons();
}

void ComputingTreeIndex::formResize() { keepFixedSize(); }

void ComputingTreeIndex::keepFixedSize() { setSize(kFixedWidth, kFixedHeight); }

QTreeWidgetItem* ComputingTreeIndex::addNode(QTreeWidgetItem* parent, const QString& key, const QString& text)
{
    // A root starts apart from the tree; buildTree adds the filled roots at once.
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem;
    item->setText(0, text);
    item->setData(0, kNodeKeyRole, key);
    nodes_.push_back(item);
    item->setData(0, kNodeIndexRole, int(nodes_.size()));
    return item;
}

void ComputingTreeIndex::buildTree()
{
    TreeView1->clear();
    nodes_.clear();
    std::vector<QTreeWidgetItem*> roots;
    for (const auto& r : kRoots)
        roots.push_back(addNode(nullptr, QString::fromUtf8(r.key), QString::fromUtf8(r.text)));
    for (const auto& t : treeTopics()) {
        QTreeWidgetItem* root = nullptr;
        for (size_t i = 0; i < kRoots.size(); ++i)
            if (qstrcmp(kRoots[i].key, t.root) == 0)
                root = roots[i];
        QTreeWidgetItem* topic = addNode(root, QString::fromUtf8(t.key), QString::fromUtf8(t.text));
        for (const char* example : t.examples)
            addNode(topic, QString(), QString::fromUtf8(example));
    }
    // Filled apart and added at once, the tree is laid out once, not once per
    // node. A root holding topics opens so its topics are in view.
    TreeView1->addTopLevelItems(QList<QTreeWidgetItem*>(roots.begin(), roots.end()));
    for (QTreeWidgetItem* root : roots)
        if (root->childCount() > 0)
            root->setExpanded(true);
    // The branches stay open; the learner starts reading at the first root.
    TreeView1->scrollToTop();
}

QTreeWidgetItem* ComputingTreeIndex::node(int index) const
{
    return index >= 1 && index <= nodeCount() ? nodes_[size_t(index - 1)] : nullptr;
}

// A position whose topic window is not part of this build (the form registry
// has no such form) still becomes the contents position and still selects the
// example in the topic's entry of the selected example table, but no window
// can be shown, so the current window becomes none. Callers then bring nothing
// to the front and call no Proc_1: the previous topic is neither redrawn nor
// closed in its place, and the learner sees that nothing opened.
void ComputingTreeIndex::Contents(int& position, bool& skip, bool& enable)
{
    if (!enable)
        return;
    suite().contentsPosition = position;
    const int k = contents::topicAt(position);
    if (k == 0) {
        skip = true;
        return;
    }
    const TopicInfo& topic = topicTable()[size_t(k - 1)];
    Form* window = form(QString::fromLatin1(topic.name));
    if (window)
        window->showForm();
    if (topic.id >= 0 && topic.id < int(suite().selectedExample.size()))
        suite().selectedExample[size_t(topic.id)] = position - contents::firstPosition(k);
    suite().currentWindow = window;
}

void ComputingTreeIndex::TreeView1_NodeClick(QTreeWidgetItem* item)
{
    if (!item)
        return;
    int position = item->data(0, kNodeIndexRole).toInt() + 1;
    bool skip = false;
    bool enable = true;
    Contents(position, skip, enable);
    if (skip)
        return;
    if (Form* window = suite().currentWindow) {
        window->bringToFront();
        callByName(window, QStringLiteral("Proc_1"));
    }
}

void ComputingTreeIndex::Text1_Change()
{
    List1->clear();
    const QString search = Text1->text();
    const auto& index = ContentsIndex::instance();
    for (int p = suite().indexFirst; p <= suite().indexLast; ++p) {
        const QString entry = index.entry(p);
        // An empty entry never matches, not even an empty search.
        if (entry.isEmpty() || !entry.contains(search, Qt::CaseInsensitive))
            continue;
        auto* item = new QListWidgetItem(entry, List1);
        item->setData(Qt::UserRole, p);
    }
}

void ComputingTreeIndex::List1_Click(QListWidgetItem* item)
{
    if (item)
        openPosition(item->data(Qt::UserRole).toInt());
}

void ComputingTreeIndex::openPosition(int position)
{
    suite().contentsPosition = position;
    bool skip = false;
    bool enable = true;
    Contents(suite().contentsPosition, skip, enable);
    // A list entry that is a heading opens nothing new; the current window is
    // still brought forward and redrawn.
    if (Form* window = suite().currentWindow) {
        window->bringToFront();
        callByName(window, QStringLiteral("Proc_1"));
    }
    keepFixedSize();
}

}  // namespace orr
