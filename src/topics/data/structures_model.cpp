// Data-structure models: sorting, merging, searching, stack, queue, linked list, tree.
#include "topics/data/structures_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orr::data {

std::string cellText(float value)
{
    char buf[48];
    // Half away from zero on the decimal value, as the cell format rounds.
    const double r = std::round(double(value) * 100.0) / 100.0;
    std::snprintf(buf, sizeof buf, "%.2f", r);
    return buf;
}

std::vector<Exchange> exchangeSort(std::vector<float>& a, int n, Order order)
{
    std::vector<Exchange> log;
    n = std::clamp(n, 0, int(a.size()));
    for (int i = 0; i + 1 < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const bool swap = order == Order::Ascending ? a[j] <= a[i] : a[i] < a[j];
            if (!swap)
                continue;
            log.push_back({i, j, a[i], a[j]});
            std::swap(a[i], a[j]);
        }
    return log;
}

std::vector<float> mergeFiles(const std::vector<float>& f1, const std::vector<float>& f2, Order order,
                              std::vector<MergeStep>* log)
{
    std::vector<float> out;
    std::size_t i = 0, j = 0;
    while (i < f1.size() || j < f2.size()) {
        MergeStep s;
        if (i < f1.size())
            s.record1 = f1[i];
        if (j < f2.size())
            s.record2 = f2[j];
        bool takeFirst;
        if (!s.record2)
            takeFirst = true;
        else if (!s.record1)
            takeFirst = false;
        else if (order == Order::Ascending)
            takeFirst = !(*s.record1 > *s.record2);
        else
            takeFirst = *s.record1 > *s.record2;
        s.fromFile = takeFirst ? 1 : 2;
        s.moved = takeFirst ? f1[i++] : f2[j++];
        out.push_back(s.moved);
        if (log)
            log->push_back(s);
    }
    return out;
}

SearchResult binarySearch(const std::vector<float>& a, float sought)
{
    SearchResult r;
    int low = 0, high = int(a.size()) - 1;
    const std::string target = cellText(sought);
    while (low <= high) {
        SearchStep s;
        s.low = low;
        s.high = high;
        s.middle = (low + high) / 2;
        s.value = a[std::size_t(s.middle)];
        if (sought < s.value) {
            s.outcome = -1;
            s.text = target + " < " + cellText(s.value) + " move back, divide search area by 2";
            high = s.middle - 1;
        } else if (sought > s.value) {
            s.outcome = 1;
            s.text = target + " > " + cellText(s.value) + " move forward, divide search area by 2";
            low = s.middle + 1;
        } else {
            s.outcome = 0;
            s.text = target + " = " + cellText(s.value);
            r.found = s.middle;
        }
        r.steps.push_back(s);
        if (r.found >= 0)
            break;
    }
    r.ending = r.found >= 0 ? target + " found at location " + std::to_string(r.found) : target + " not found.";
    return r;
}

int searchComparisons(double records)
{
    if (records < 1)
        return 0;
    return int(std::floor(std::log(records) / std::log(2.0) + 1e-9));
}

float arraySum(const std::vector<float>& cells, int start, int count)
{
    float sum = 0;
    for (int k = 0; k < count; ++k) {
        const int i = start + k;
        if (i >= 0 && i < int(cells.size()))
            sum += cells[std::size_t(i)];
    }
    return sum;
}

void BoundedStack::resize(int size)
{
    size_ = std::clamp(size, 1, kMaxSize);
    count_ = std::min(count_, size_);
    for (int i = count_; i < int(cells_.size()); ++i)
        cells_[std::size_t(i)] = 0;
}

bool BoundedStack::push(float value)
{
    if (count_ + 1 > size_)
        return false;
    cells_[std::size_t(count_++)] = value;
    return true;
}

bool BoundedStack::pop(float& out)
{
    if (count_ < 1)
        return false;
    out = cells_[std::size_t(--count_)];
    cells_[std::size_t(count_)] = 0;
    return true;
}

void ShiftingQueue::resize(int size)
{
    size_ = std::clamp(size, 1, kMaxSize);
    count_ = std::min(count_, size_);
    for (int i = count_; i < int(cells_.size()); ++i)
        cells_[std::size_t(i)] = 0;
}

bool ShiftingQueue::add(float value)
{
    if (count_ + 1 > size_)
        return false;
    cells_[std::size_t(count_++)] = value;
    return true;
}

bool ShiftingQueue::remove(float& out)
{
    if (count_ < 1)
        return false;
    out = cells_[0];
    for (int i = 1; i < count_; ++i)
        cells_[std::size_t(i - 1)] = cells_[std::size_t(i)];
    cells_[std::size_t(--count_)] = 0;
    return true;
}

LinkedList::LinkedList()
{
    // Five values stored as they arrived, linked in ascending order:
    // cells 2, 4, 1, 5, 3; cells 6 to 10 are free.
    const int data[] = {45, 12, 78, 30, 60};
    const int next[] = {5, 4, 0, 1, 3};
    for (int p = 1; p <= 5; ++p)
        cells_[std::size_t(p)] = {data[p - 1], next[p - 1], true};
    for (int p = 6; p <= kCapacity; ++p)
        cells_[std::size_t(p)] = {0, p < kCapacity ? p + 1 : 0, false};
    start_ = 2;
    free_ = 6;
}

int LinkedList::count() const { return int(traversal().size()); }

std::vector<int> LinkedList::traversal() const
{
    std::vector<int> order;
    for (int p = start_; p > 0 && int(order.size()) < kCapacity; p = cells_[std::size_t(p)].next)
        order.push_back(p);
    return order;
}

bool LinkedList::insert(int value, int location)
{
    if (free_ == 0)
        return false;
    history_.push_back({cells_, start_, free_, free_});
    const int p = free_;
    Cell& c = cells_[std::size_t(p)];
    free_ = c.next;
    c.data = value;
    c.used = true;
    const std::vector<int> order = traversal();
    location = std::clamp(location, 1, int(order.size()) + 1);
    if (location == 1) {
        c.next = start_;
        start_ = p;
    } else {
        Cell& before = cells_[std::size_t(order[std::size_t(location - 2)])];
        c.next = before.next;
        before.next = p;
    }
    return true;
}

bool LinkedList::undo()
{
    if (history_.empty())
        return false;
    const Saved& s = history_.back();
    cells_ = s.cells;
    start_ = s.start;
    free_ = s.free;
    history_.pop_back();
    return true;
}

void BinaryTree::insert(int key)
{
    Node n;
    n.key = key;
    const int index = int(nodes_.size());
    if (nodes_.empty()) {
        nodes_.push_back(n);
        return;
    }
    int at = 0;
    for (;;) {
        Node& cur = nodes_[std::size_t(at)];
        int& branch = key > cur.key ? cur.right : cur.left;
        if (branch < 0) {
            branch = index;
            n.depth = cur.depth + 1;
            n.parent = at;
            break;
        }
        at = branch;
    }
    nodes_.push_back(n);
}

std::vector<int> BinaryTree::preorder() const
{
    std::vector<int> order;
    if (nodes_.empty())
        return order;
    std::vector<int> pending{0};
    while (!pending.empty()) {
        const int i = pending.back();
        pending.pop_back();
        order.push_back(i);
        const Node& n = nodes_[std::size_t(i)];
        if (n.right >= 0)
            pending.push_back(n.right);
        if (n.left >= 0)
            pending.push_back(n.left);
    }
    return order;
}

}  // namespace orr::data
