// DataStructures: the eight structure examples, their inputs, buttons and diagrams.
#include "topics/data/data_structures.h"

#include <QStringList>
#include <algorithm>

#include "draw/board_text.h"
#include "draw/block_diagram.h"
#include "draw/palette.h"
#include "draw/primitives.h"
#include "platform/msgbox.h"
#include "platform/rng.h"
#include "values/limit_value.h"

namespace orr {

using data::cellText;

namespace {

QString cell(float v) { return QString::fromStdString(cellText(v)); }
const QString kEmptyCell = QStringLiteral("00.00");

void text(int x, int y, const QString& t, long c = colour::Black, int size = 8, bool bold = false)
{
    printMeasured(x, y, t, c, size, bold);
}

void heading(int x, int y, const QString& t) { text(x, y, t, colour::Title, 10, true); }

void rightText(int x, int y, const QString& t, long c, int size)
{
    int bold = 0;
    printRightAligned(x, y, t, c, size, bold);
}

// A column of cells from (x, y) down, with their positions to the left.
void cellColumn(int x, int y, const std::vector<QString>& cells, long fill, int firstIndex = 0)
{
    for (int i = 0; i < int(cells.size()); ++i) {
        DrawLabelledBox(x, y + 14 * i, 56, 14, cells[std::size_t(i)], fill, colour::Black, 7);
        rightText(x - 4, y + 14 * i + 1, QString::number(firstIndex + i), colour::Grey, 6);
    }
}

}  // namespace

// Start values of every input: a class-sized sort, files short enough to
// follow by eye, a stack and a queue of eight.
const DataStructures::Inputs DataStructures::kStart = {
    10, 99, 12,     // sort: range and items
    6, 5,           // merge file sizes
    16, 0, 35000,   // search: array size, value sought (set with the values), main file size
    8, 2, 3, 7,     // array: size, start index, counter, result index
    8, 25,          // stack size, data in buffer
    8, 15,          // queue size, data to add
    50, 3,          // linked list value and insert location
};

QString dataStructuresCaption(int e)
{
    static const char* const captions[] = {"Data Sorting.", "Data Merging.", "Data Searching.", "Data Array.",
                                           "Data Stack.",   "Data Queues.",  "Linked Lists.",   "Binary Trees."};
    return e >= 0 && e < 8 ? QString::fromLatin1(captions[e]) : QString();
}

DataStructures::DataStructures() : TopicForm(QStringLiteral("DataStructures"), 4, 3)
{
    title = QStringLiteral("DATA STRUCTURES");
    setTopicId(122);
    setDrawingFrame(0, 1.0f);
}

void DataStructures::formLoad()
{
    in = kStart;
    order = data::Order::Ascending;
    stack.resize(in.stackSize);
    queue.resize(in.queueSize);
    newSortValues();
    newMergeFiles();
    newSearchValues();
    arrayCells.assign(21, 0);
    for (int i = 0; i < 21; ++i)
        arrayCells[std::size_t(i)] = float(int(Rnd() * 900 + 100));
    TopicForm::formLoad();
}

void DataStructures::setToolbarFlags(SuiteState::ToolbarFlags& f)
{
    f.print = true;
    f.copy = true;
    f.notes = true;
}

QString DataStructures::orderText() const
{
    return order == data::Order::Ascending ? QStringLiteral("Ascending order") : QStringLiteral("Descending order");
}

void DataStructures::configureExample(int e)
{
    setCaption(title + QStringLiteral(":   ") + dataStructuresCaption(e));
    const auto sel = [this](int i, const char* caption, const QString& value) {
        SelectButton[std::size_t(i)]->setCaption(QString::fromUtf8(caption));
        setLabelQuietly(i, value);
    };
    const auto num = [](double v) { return QString::number(v, 'g', 10); };
    // "Descending" while ascending is in force: the button names what a press selects.
    const QString orderButton = order == data::Order::Ascending ? QStringLiteral("Descending") : QStringLiteral("Ascending");
    int shown = 0;
    switch (e) {
    case 0:
        sel(0, "Min Range", num(in.minRange));
        sel(1, "Max Range", num(in.maxRange));
        sel(2, "No. Data Items", num(in.items));
        shown = 2;
        triggerSetup(true, true, false);
        Trigger[0]->setCaption(QStringLiteral("New Values"));
        Trigger[1]->setCaption(orderButton);
        break;
    case 1:
        sel(0, "Size File #1.", num(in.file1));
        sel(1, "Size File #2.", num(in.file2));
        shown = 1;
        triggerSetup(true, true, false);
        Trigger[0]->setCaption(QStringLiteral("New Values"));
        Trigger[1]->setCaption(orderButton);
        break;
    case 2:
        sel(0, "Array Size", num(in.searchSize));
        sel(1, "Search for?", cell(in.searchFor));
        sel(2, "Main File Size", num(in.mainFileSize));
        shown = 2;
        triggerSetup(true, false, false);
        Trigger[0]->setCaption(QStringLiteral("New Values"));
        break;
    case 3:
        sel(0, "Array Size", num(in.arraySize));
        sel(1, "Start Index", num(in.startIndex));
        sel(2, "Counter", num(in.counter));
        sel(3, "Result Index", num(in.resultIndex));
        shown = 3;
        triggerSetup(false, false, false);
        break;
    case 4:
        sel(0, "Stack Size", num(in.stackSize));
        sel(1, "Data In Buffer", cell(in.stackBuffer));
        shown = 1;
        triggerSetup(true, true, false);
        Trigger[0]->setCaption(QStringLiteral("PUSH to Stack"));
        Trigger[1]->setCaption(QStringLiteral("POP from Stack"));
        break;
    case 5:
        sel(0, "Queue Size", num(in.queueSize));
        sel(1, "Data to Add", cell(in.queueData));
        shown = 1;
        triggerSetup(true, true, false);
        Trigger[0]->setCaption(QStringLiteral("ADD to Queue"));
        Trigger[1]->setCaption(QStringLiteral("REMOVE Data"));
        break;
    case 6:
        sel(0, "Data Value", num(in.listValue));
        sel(1, "Insert Location", num(in.listLocation));
        shown = 1;
        triggerSetup(true, true, false);
        Trigger[0]->setCaption(QStringLiteral("Insert Data"));
        Trigger[1]->setCaption(QStringLiteral("Undo"));
        break;
    default:
        shown = -1;
        triggerSetup(true, true, false);
        Trigger[0]->setCaption(QStringLiteral("Build Tree"));
        Trigger[1]->setCaption(QStringLiteral("Traverse"));
        break;
    }
    // -1: no inputs, the selector row is emptied.
    suite().selectorCount = shown;
}

QString DataStructures::quantityTypeFor(int e, int index) const
{
    if ((e == 2 && index == 1) || (e == 4 && index == 1) || (e == 5 && index == 1))
        return QStringLiteral("Positive Decimal No.");
    if (e == 0 && index < 2)
        return QStringLiteral("Integer No.");
    return QStringLiteral("Positive Integer No.");
}

void DataStructures::takeValue(int e, int index, double v)
{
    using limit_detail::convert;
    auto whole = [&](int& field, int high, int low) {
        field = convert<int>(v);
        LimitValue(field, high, 1);
        if (low > 0)
            LimitValue(field, low, 2);
    };
    switch (e * 10 + index) {
    case 0: in.minRange = convert<float>(v); LimitValue(in.minRange, 99, 1); newSortValues(); break;
    case 1: in.maxRange = convert<float>(v); LimitValue(in.maxRange, 99, 1); newSortValues(); break;
    case 2: whole(in.items, 25, 2); break;
    case 10: whole(in.file1, 12, 1); newMergeFiles(); break;
    case 11: whole(in.file2, 12, 1); newMergeFiles(); break;
    case 20: whole(in.searchSize, 24, 1); break;
    case 21: in.searchFor = convert<float>(v); LimitValue(in.searchFor, 99, 1); break;
    case 22: in.mainFileSize = convert<float>(v); LimitValue(in.mainFileSize, 1, 2); break;
    case 30: whole(in.arraySize, 21, 1); break;
    case 31: whole(in.startIndex, in.arraySize - 1, 0); break;
    case 32: whole(in.counter, in.arraySize, 1); break;
    case 33: whole(in.resultIndex, in.arraySize - 1, 0); break;
    case 40: whole(in.stackSize, 21, 1); stack.resize(in.stackSize); break;
    case 41: in.stackBuffer = convert<float>(v); LimitValue(in.stackBuffer, 255, 1); break;
    case 50: whole(in.queueSize, 21, 1); queue.resize(in.queueSize); break;
    case 51: in.queueData = convert<float>(v); LimitValue(in.queueData, 255, 1); break;
    case 60: whole(in.listValue, 1000, 0); break;
    case 61: whole(in.listLocation, data::LinkedList::kCapacity, 1); break;
    default: break;
    }
}

void DataStructures::Trigger_Click(int index)
{
    const int e = example();
    switch (e * 10 + index) {
    case 0: newSortValues(); break;
    case 10: newMergeFiles(); break;
    case 20: newSearchValues(); break;
    case 1:
    case 11:
        order = order == data::Order::Ascending ? data::Order::Descending : data::Order::Ascending;
        newMergeFiles();
        configureExample(e);
        break;
    case 40:
        if (!stack.push(in.stackBuffer)) {
            msgBox(QStringLiteral("Increase stack size or POP data."), MsgButtons::Ok, QStringLiteral("Stack Full."));
            return;
        }
        break;
    case 41:
        if (!stack.pop(stackOut)) {
            msgBox(QStringLiteral("No data left in stack."), MsgButtons::Ok, QStringLiteral("Stack Empty."));
            return;
        }
        stackOutShown = true;
        break;
    case 50:
        if (!queue.add(in.queueData)) {
            msgBox(QStringLiteral("Increase queue size or remove data."), MsgButtons::Ok,
                   QStringLiteral("Buffer Full."));
            return;
        }
        break;
    case 51:
        if (!queue.remove(queueOut)) {
            msgBox(QStringLiteral("No data left in queue."), MsgButtons::Ok, QStringLiteral("Buffer Empty."));
            return;
        }
        queueOutShown = true;
        break;
    case 60: list.insert(in.listValue, in.listLocation); break;
    case 61: list.undo(); break;
    case 70:
        if (int(tree.nodes().size()) < int(data::kTreeKeys.size()))
            tree.insert(data::kTreeKeys[tree.nodes().size()]);
        break;
    case 71:
        if (visited < int(tree.nodes().size()))
            ++visited;
        else
            visited = tree.nodes().empty() ? 0 : 1;
        break;
    default: return;
    }
    results();
}

void DataStructures::newSortValues()
{
    Randomize();
    float lo = in.minRange, hi = in.maxRange;
    sortValues.assign(26, 0);
    // Every position a sort can take is filled, so any number of items sorts fresh values.
    for (int i = 0; i < 25; ++i)
        sortValues[std::size_t(i)] = float((hi - lo) * Rnd() + lo);
}

void DataStructures::newMergeFiles()
{
    Randomize();
    const auto make = [this](int n) {
        std::vector<float> f;
        for (int i = 0; i < n; ++i)
            f.push_back(float(int(89 * Rnd() + 10)));
        std::sort(f.begin(), f.end());
        if (order == data::Order::Descending)
            std::reverse(f.begin(), f.end());
        return f;
    };
    mergeFile1 = make(in.file1);
    mergeFile2 = make(in.file2);
}

void DataStructures::newSearchValues()
{
    Randomize();
    searchValues.assign(25, 0);
    for (auto& v : searchValues)
        v = std::stof(cellText(float(89 * Rnd() + 10)));
    std::sort(searchValues.begin(), searchValues.end());
    // The value sought starts as one that is held, so the first search succeeds.
    in.searchFor = searchValues[std::size_t(std::min(in.searchSize, 25) / 3)];
}

void DataStructures::drawExample(int e)
{
    switch (e) {
    case 0: drawSort(); break;
    case 1: drawMerge(); break;
    case 2: drawSearch(); break;
    case 3: drawArray(); break;
    case 4: drawStack(); break;
    case 5: drawQueue(); break;
    case 6: drawList(); break;
    default: drawTree(); break;
    }
}

void DataStructures::drawSort()
{
    const int n = std::clamp(in.items, 1, 25);
    std::vector<float> values(sortValues.begin(), sortValues.begin() + n);
    std::vector<QString> before, after;
    for (float v : values)
        before.push_back(cell(v));
    const auto log = data::exchangeSort(values, n, order);
    for (float v : values)
        after.push_back(cell(v));
    text(20, 4, QStringLiteral("Unsorted."), colour::Title, 9, true);
    text(110, 4, QStringLiteral("Sorted."), colour::Title, 9, true);
    cellColumn(30, 24, before, colour::White);
    cellColumn(120, 24, after, colour::Yellow);
    text(230, 2, orderText(), colour::Title, 9, true);
    text(470, 80, QStringLiteral("Exchanges made = %1").arg(log.size()), colour::Black, 8, true);
    for (int k = 0; k < int(log.size()) && k < 16; ++k)
        text(230, 20 + 14 * k,
             QStringLiteral("%1.  exchange %2 with %3").arg(k + 1).arg(cell(log[std::size_t(k)].first), cell(log[std::size_t(k)].second)),
             colour::Maroon, 7);
    if (log.size() > 16)
        text(230, 20 + 14 * 16, QStringLiteral("... %1 more exchanges made.").arg(log.size() - 16), colour::Grey, 7);
    text(470, 22, QStringLiteral("Each position is compared"), colour::Navy, 8);
    text(470, 38, QStringLiteral("with every later position;"), colour::Navy, 8);
    text(470, 54, QStringLiteral("values out of order swap."), colour::Navy, 8);
}

void DataStructures::drawMerge()
{
    std::vector<data::MergeStep> log;
    const auto merged = data::mergeFiles(mergeFile1, mergeFile2, order, &log);
    const auto column = [](const std::vector<float>& f) {
        std::vector<QString> c;
        for (float v : f)
            c.push_back(cell(v));
        c.push_back(QStringLiteral("EOF"));
        return c;
    };
    cellColumn(30, 24, column(mergeFile1), colour::Cyan);
    cellColumn(110, 24, column(mergeFile2), colour::Lime);
    cellColumn(190, 24, column(merged), colour::Yellow);
    text(40, 6, QStringLiteral("#1"), colour::Black, 8, true);
    text(120, 6, QStringLiteral("#2"), colour::Black, 8, true);
    text(200, 6, QStringLiteral("#3"), colour::Black, 8, true);
    heading(290, 4, orderText());
    text(470, 4, QStringLiteral("#1  Sorted data file #1."), colour::Navy, 7, true);
    text(470, 18, QStringLiteral("#2  Sorted data file #2."), colour::Green, 7, true);
    text(470, 32, QStringLiteral("#3  Merged data file #3."), colour::Black, 7, true);
    for (int k = 0; k < int(log.size()); ++k) {
        const auto& s = log[std::size_t(k)];
        QString line;
        if (s.record1 && s.record2)
            line = cell(*s.record1) + (*s.record1 > *s.record2 ? QStringLiteral(" is > ") : QStringLiteral(" is <= ")) +
                   cell(*s.record2) + QStringLiteral(",  ");
        else
            line = QStringLiteral("File #%1 at EOF,  ").arg(s.record1 ? 2 : 1);
        line += QStringLiteral("merge ") + cell(s.moved) + QStringLiteral(" to file #3");
        text(290, 52 + 14 * k, line, s.fromFile == 1 ? colour::Navy : colour::Green, 7);
    }
}

void DataStructures::drawSearch()
{
    const int n = std::clamp(in.searchSize, 1, 24);
    std::vector<float> a(searchValues.begin(), searchValues.begin() + n);
    std::vector<QString> cells;
    for (float v : a)
        cells.push_back(cell(v));
    const data::SearchResult r = data::binarySearch(a, in.searchFor);
    text(20, 4, QStringLiteral("Ascending data."), colour::Title, 9, true);
    cellColumn(40, 24, cells, colour::White);
    for (const auto& s : r.steps)
        DrawLabelledBox(40, 24 + 14 * s.middle, 56, 14, cell(s.value), s.outcome == 0 ? colour::Lime : colour::Yellow,
                  colour::Black, 7);
    heading(150, 4, QStringLiteral("Binary search for ") + cell(in.searchFor));
    int y = 28;
    for (const auto& s : r.steps) {
        text(150, y, QStringLiteral("Area %1 to %2, middle %3:").arg(s.low).arg(s.high).arg(s.middle), colour::Grey, 7);
        text(330, y, QString::fromStdString(s.text), s.outcome == 0 ? colour::Green : colour::Maroon, 7);
        y += 16;
    }
    text(150, y + 4, QString::fromStdString(r.ending), r.found >= 0 ? colour::Green : colour::Red, 9, true);
    const int n2 = data::searchComparisons(in.mainFileSize);
    text(150, 300, QStringLiteral("Approximate number of comparisons to"), colour::Navy, 9);
    text(150, 318, QStringLiteral("search a file containing %1 records.").arg(QString::number(in.mainFileSize, 'f', 0)),
         colour::Navy, 9);
    int x = 150 + printMeasured(150, 340, QStringLiteral("= Log"), colour::Navy, 9);
    x += printMeasured(x, 347, QStringLiteral("2"), colour::Navy, 6);
    printMeasured(x + 2, 340, QStringLiteral(" (No records)  = %1").arg(n2), colour::Navy, 9);
}

void DataStructures::drawArray()
{
    const int n = std::clamp(in.arraySize, 1, 21);
    text(20, 4, QStringLiteral("Index."), colour::Title, 8, true);
    text(110, 4, QStringLiteral("Content."), colour::Title, 8, true);
    const int s = std::clamp(in.startIndex, 0, n - 1);
    const int stop = std::min(n, s + std::max(1, in.counter));
    std::vector<float> cells(arrayCells.begin(), arrayCells.begin() + n);
    const int r = std::clamp(in.resultIndex, 0, n - 1);
    const float sum = data::arraySum(cells, s, stop - s);
    cells[std::size_t(r)] = sum;
    for (int i = 0; i < n; ++i) {
        const int y = 22 + 16 * i;
        text(10, y + 2, QStringLiteral("Sales ( %1 )").arg(i), colour::Black, 7);
        const long fill = i == r ? colour::Lime : (i >= s && i < stop ? colour::Yellow : colour::White);
        DrawLabelledBox(100, y, 70, 16, cell(cells[std::size_t(i)]), fill, colour::Black, 7);
    }
    heading(230, 4, QStringLiteral("Add a group of numbers from"));
    heading(230, 20, QStringLiteral("the array and store result in location 'n'"));
    int y = 50;
    for (int i = s; i < stop; ++i, y += 15)
        text(250, y, QStringLiteral("Index %1 = %2").arg(i).arg(cell(arrayCells[std::size_t(i)])), colour::Maroon, 8);
    text(250, y + 2, QStringLiteral("Total = ") + cell(sum), colour::Black, 8, true);
    text(250, y + 18, QStringLiteral("   Stored in location %1").arg(r), colour::Green, 8, true);
    const char* steps[] = {"1. Select size of array.", "2. First location (index).", "3. Add selected range (counter).",
                           "4. Location of result (index)."};
    for (int k = 0; k < 4; ++k)
        text(470, 60 + 18 * k, QString::fromLatin1(steps[k]), colour::Navy, 8);
}

void DataStructures::drawStack()
{
    const int S = stack.size(), c = stack.count();
    const int bottom = 370, x = 260;
    for (int i = 0; i < S; ++i)
        DrawLabelledBox(x, bottom - 16 * (i + 1), 70, 16, i < c ? cell(stack.cell(i)) : kEmptyCell,
                  i < c ? colour::Yellow : colour::White, i < c ? colour::Black : colour::Grey, 7);
    rightText(x - 6, bottom - 14, QStringLiteral("Bottom"), colour::Grey, 7);
    // The stack pointer marks the next free cell: data comes in there and a
    // pop takes the item below it, so both buffers stand at its row.
    const int row = bottom - 16 * (c + 1);
    boxOrLine(0, x, row, 0, 70, 16, colour::Red, QStringLiteral("B"));
    DrawLabelledBox(430, row, 70, 16, cell(in.stackBuffer), colour::Cyan, colour::Black, 7);
    text(506, row + 1, QStringLiteral("Data in Buffer"), colour::Title, 8, true);
    DrawArrow(428, row + 8, x + 71, row + 8, colour::Navy);
    DrawLabelledBox(120, row, 70, 16, stackOutShown ? cell(stackOut) : kEmptyCell, colour::Cyan, colour::Black, 7);
    rightText(114, row + 1, QStringLiteral("Data out Buffer"), colour::Title, 8);
    DrawArrow(x - 1, row + 8, 192, row + 8, colour::Navy);
    text(20, 10, QStringLiteral("Stack size = %1").arg(S), colour::Black, 9, true);
    text(20, 30, QStringLiteral("Stacked data items = %1").arg(c), colour::Black, 9, true);
    text(20, 50, QStringLiteral("Stack Pointer"), colour::Red, 9, true);
    text(130, 50, QStringLiteral("= %1 (the red cell)").arg(c), colour::Red, 9);
    text(430, 10, QStringLiteral("Last in, first out:"), colour::Navy, 8);
    text(430, 26, QStringLiteral("PUSH adds at the pointer,"), colour::Navy, 8);
    text(430, 42, QStringLiteral("POP takes the item below it."), colour::Navy, 8);
}

void DataStructures::drawQueue()
{
    const int Q = queue.size(), c = queue.count();
    const int top = 40, x = 260;
    for (int i = 0; i < Q; ++i)
        DrawLabelledBox(x, top + 16 * i, 70, 16, i < c ? cell(queue.cell(i)) : kEmptyCell,
                  i < c ? colour::Yellow : colour::White, i < c ? colour::Black : colour::Grey, 7);
    text(250, top - 30, QStringLiteral("Front"), colour::Red, 8, true);
    text(250, top - 17, QStringLiteral("Pointer"), colour::Red, 8, true);
    boxOrLine(0, x, top, 0, 70, 16, colour::Red, QStringLiteral("B"));
    // Removal takes cell 0 out to the left; new data joins behind the rear.
    DrawLabelledBox(120, top, 70, 16, queueOutShown ? cell(queueOut) : kEmptyCell, colour::Cyan, colour::Black, 7);
    rightText(114, top + 1, QStringLiteral("Data out Buffer"), colour::Title, 8);
    DrawArrow(x - 1, top + 8, 192, top + 8, colour::Navy);
    if (c > 0) {
        const int rear = top + 16 * (c - 1);
        boxOrLine(0, x, rear, 0, 70, 16, colour::Green, QStringLiteral("B"));
        text(340, rear + 1, QStringLiteral("\u25C4 Rear Pointer"), colour::Green, 8, true);
    }
    const int next = top + 16 * std::min(c, Q);
    DrawLabelledBox(470, next, 70, 16, cell(in.queueData), colour::Cyan, colour::Black, 7);
    text(546, next + 1, QStringLiteral("Data in Buffer"), colour::Title, 8, true);
    DrawArrow(468, next + 8, c < Q ? x + 71 : 440, next + 8, colour::Navy);
    text(20, 340, QStringLiteral("Queue size = %1").arg(Q), colour::Black, 9, true);
    text(20, 360, QStringLiteral("Queued data items = %1").arg(c), colour::Black, 9, true);
    text(430, 340, QStringLiteral("First in, first out: a removal moves"), colour::Navy, 8);
    text(430, 356, QStringLiteral("every item one cell towards the front."), colour::Navy, 8);
}

void DataStructures::drawList()
{
    const int cap = data::LinkedList::kCapacity;
    text(20, 6, QStringLiteral("Position."), colour::Title, 8, true);
    text(100, 6, QStringLiteral("Data."), colour::Title, 8, true);
    text(170, 6, QStringLiteral("Pointer."), colour::Title, 8, true);
    for (int p = 1; p <= cap; ++p) {
        const auto& c = list.cell(p);
        const int y = 6 + 20 * p;
        const long fill = p == list.lastInserted() ? colour::Lime : (c.used ? colour::Yellow : colour::White);
        DrawLabelledBox(20, y, 60, 20, QString::number(p), colour::ButtonFace, colour::Black, 8);
        DrawLabelledBox(90, y, 60, 20, c.used ? QString::number(c.data) : QStringLiteral("FREE"), fill,
                  c.used ? colour::Black : colour::Grey, 8);
        DrawLabelledBox(160, y, 60, 20, QString::number(c.next), colour::White, colour::Maroon, 8);
    }
    text(20, 240, QStringLiteral("Start."), colour::Red, 8, true);
    DrawLabelledBox(80, 238, 40, 18, QString::number(list.start()), colour::White, colour::Red, 8, true);
    text(130, 240, QStringLiteral("F.P."), colour::Green, 8, true);
    DrawLabelledBox(170, 238, 40, 18, QString::number(list.freePointer()), colour::White, colour::Green, 8, true);
    text(20, 264, QStringLiteral("End Pointer. = 0"), colour::Maroon, 8);

    heading(280, 6, QStringLiteral("Traversed by Pointer."));
    const auto order = list.traversal();
    // The list as a chain, four boxes a row: Start, then each item, then Finish.
    const auto place = [](int k, int& x, int& y) {
        x = 285 + (k % 4) * 92;
        y = 50 + (k / 4) * 70;
    };
    text(280, 28, QStringLiteral("Start"), colour::Red, 8, true);
    for (int k = 0; k < int(order.size()); ++k) {
        int x, y;
        place(k, x, y);
        const int p = order[std::size_t(k)];
        DrawLabelledBox(x, y, 40, 20, QString::number(list.cell(p).data), p == list.lastInserted() ? colour::Lime : colour::Yellow,
                  colour::Black, 8);
        DrawLabelledBox(x + 40, y, 18, 20, QString::number(list.cell(p).next), colour::White, colour::Maroon, 7);
        int nx, ny;
        place(k + 1, nx, ny);
        if (k + 1 < int(order.size())) {
            if (ny == y)
                DrawArrow(x + 58, y + 10, nx - 1, ny + 10, colour::Navy);
            else
                DrawArrow(x + 49, y + 20, nx + 20, ny - 1, colour::Navy);
        } else {
            text(x + 64, y + 4, QStringLiteral("Finish"), colour::Red, 8, true);
        }
        text(x + 10, y + 22, QStringLiteral("(%1)").arg(p), colour::Grey, 6);
    }
    text(290, 330, QStringLiteral("Insert Data places the value in the free cell (F.P.) and"), colour::Navy, 8);
    text(290, 346, QStringLiteral("changes two pointers; no data item is moved."), colour::Navy, 8);
    if (list.freePointer() == 0)
        text(290, 366, QStringLiteral("No free cell left: Undo frees the last one used."), colour::Red, 8);
}

void DataStructures::drawTree()
{
    QStringList keys;
    for (int k : data::kTreeKeys)
        keys << QString::number(k);
    text(10, 4, QStringLiteral("Record keys ") + keys.join(QStringLiteral(", ")), colour::Title, 9, true);
    const auto& nodes = tree.nodes();
    const auto pre = tree.preorder();
    // Node positions: the root in the middle, each level halving the spread.
    std::vector<double> xs(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const auto& n = nodes[i];
        if (n.parent < 0)
            xs[i] = 330;
        else {
            const double spread = 160.0 / (1 << (n.depth - 1));
            const bool right = nodes[std::size_t(n.parent)].right == int(i);
            xs[i] = xs[std::size_t(n.parent)] + (right ? spread : -spread);
        }
    }
    const auto yOf = [](int depth) { return 50 + 62 * depth; };
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const auto& n = nodes[i];
        if (n.parent < 0)
            continue;
        const double px = xs[std::size_t(n.parent)], py = yOf(n.depth - 1) + 24;
        boxOrLine(0, px, py, 0, xs[i] - px, yOf(n.depth) - py, colour::Grey, QString());
        const bool right = nodes[std::size_t(n.parent)].right == int(i);
        printCentred(int((px + xs[i]) / 2 + (right ? 10 : -10)), int((py + yOf(n.depth)) / 2 - 8),
                     right ? QStringLiteral("RH") : QStringLiteral("LH"), colour::Grey, 6, 0);
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const bool seen = std::find(pre.begin(), pre.begin() + std::min<int>(visited, int(pre.size())), int(i)) !=
                          pre.begin() + std::min<int>(visited, int(pre.size()));
        const bool current = visited > 0 && visited <= int(pre.size()) && pre[std::size_t(visited - 1)] == int(i);
        DrawLabelledBox(xs[i] - 18, yOf(nodes[i].depth), 36, 24, QString::number(nodes[i].key),
                  current ? colour::Red : (seen ? colour::Lime : colour::Yellow), current ? colour::White : colour::Black, 8,
                  true);
        text(int(xs[i]) + 20, yOf(nodes[i].depth) - 8, QString(QChar('A' + int(i))), colour::Navy, 7, true);
    }
    if (!nodes.empty())
        text(372, 52, QStringLiteral("Root Node."), colour::Red, 8, true);
    if (nodes.size() < data::kTreeKeys.size())
        text(10, 24, QStringLiteral("Build Tree places the next key."), colour::Grey, 8);
    else if (visited == 0)
        text(10, 24, QStringLiteral("Traverse visits the next node in preorder."), colour::Grey, 8);
    // The array form of the tree, and the walk so far.
    heading(10, 272, QStringLiteral("Binary Tree stored in an Array."));
    const char* heads[] = {"Position.", "Left Pointer.", "Data.", "Right Pointer."};
    for (int c = 0; c < 4; ++c)
        text(10, 292 + 18 * c, QString::fromLatin1(heads[c]), colour::Black, 7, true);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const int x = 110 + int(i) * 36;
        const auto ptr = [&](int child) { return child < 0 ? QStringLiteral("0") : QString(QChar('A' + child)); };
        DrawLabelledBox(x, 290, 34, 18, QString(QChar('A' + int(i))), colour::ButtonFace, colour::Black, 7, true);
        DrawLabelledBox(x, 308, 34, 18, ptr(nodes[i].left), colour::White, colour::Maroon, 7);
        DrawLabelledBox(x, 326, 34, 18, QString::number(nodes[i].key), colour::Yellow, colour::Black, 7);
        DrawLabelledBox(x, 344, 34, 18, ptr(nodes[i].right), colour::White, colour::Maroon, 7);
    }
    heading(500, 272, QStringLiteral("Preorder Traversal."));
    QStringList seenKeys;
    for (int k = 0; k < visited && k < int(pre.size()); ++k)
        seenKeys << QString::number(nodes[std::size_t(pre[std::size_t(k)])].key);
    text(10, 372, QStringLiteral("Visited: ") + seenKeys.join(QStringLiteral(", ")), colour::Green, 8, true);
}

void DataStructures::theoryParagraphs(int e, std::array<QString, 4>& p) { dataStructuresTheory(e, p); }

namespace {
RegisterForm<DataStructures> reg(QStringLiteral("DataStructures"));
}

}  // namespace orr
