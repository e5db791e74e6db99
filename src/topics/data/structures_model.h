// The data-structure models the DataStructures window animates: exchange sort,
// two-file merge, binary search, array sum, bounded stack, shifting queue,
// linked list with a free-space pointer and the binary search tree. Plain C++.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace orr::data {

// Text of a value in the "#0.00" cell format: two decimals, at least one integer digit.
std::string cellText(float value);

enum class Order { Ascending, Descending };

// One exchange of the sort: the values at positions i and j before they swap.
struct Exchange {
    int i = 0;
    int j = 0;
    float first = 0;   // a(i) before the exchange
    float second = 0;  // a(j) before the exchange
};

// Exchange sort of the first n values in place. For each position i, each
// later j is compared with it; ascending exchanges when a(j) <= a(i) (equal
// values too), descending when a(i) < a(j). Returns every exchange made.
std::vector<Exchange> exchangeSort(std::vector<float>& values, int n, Order order);

// One step of merging two sorted files: the current records (empty at EOF)
// and the record moved to the merged file.
struct MergeStep {
    std::optional<float> record1;
    std::optional<float> record2;
    int fromFile = 1;  // 1 or 2
    float moved = 0;
};

// Merges two files sorted in the same order, each ended by an EOF record.
// While both have records, the one that comes first in the order moves (the
// greater for descending); at the EOF of one the rest of the other is copied.
std::vector<float> mergeFiles(const std::vector<float>& file1, const std::vector<float>& file2, Order order,
                              std::vector<MergeStep>* log = nullptr);

// One comparison of a binary search over ascending values.
struct SearchStep {
    int low = 0;
    int high = 0;
    int middle = 0;
    float value = 0;  // the value at the middle
    int outcome = 0;  // -1 sought is smaller, +1 larger, 0 found
    std::string text; // the worked line: "45.00 < 62.10 move back, divide search area by 2"
};

struct SearchResult {
    std::vector<SearchStep> steps;
    int found = -1;  // position, or -1
    std::string ending;  // " found at location n" or " not found."
};

SearchResult binarySearch(const std::vector<float>& ascending, float sought);

// Approximate comparisons a binary search of n records needs: Int(log2 n).
int searchComparisons(double records);

// Sum of count cells from start (cells outside the array are skipped).
float arraySum(const std::vector<float>& cells, int start, int count);

// A stack of at most `size` items held in cells 0 to size - 1, the count
// being the stack pointer. Refused operations change nothing.
class BoundedStack {
public:
    explicit BoundedStack(int size = 8) { resize(size); }
    int size() const { return size_; }
    int count() const { return count_; }
    float cell(int i) const { return cells_.at(std::size_t(i)); }
    // A smaller size keeps the items that fit.
    void resize(int size);
    bool push(float value);
    bool pop(float& out);
    static constexpr int kMaxSize = 21;

private:
    std::array<float, 26> cells_{};
    int size_ = 0;
    int count_ = 0;
};

// A queue in cells 0 to size - 1, front at cell 0, rear at count - 1. A
// removal shifts every later item one cell towards the front.
class ShiftingQueue {
public:
    explicit ShiftingQueue(int size = 8) { resize(size); }
    int size() const { return size_; }
    int count() const { return count_; }
    float cell(int i) const { return cells_.at(std::size_t(i)); }
    void resize(int size);
    bool add(float value);
    bool remove(float& out);
    static constexpr int kMaxSize = 21;

private:
    std::array<float, 26> cells_{};
    int size_ = 0;
    int count_ = 0;
};

// A linked list kept in a table of cells 1..capacity, each holding data and
// a pointer to the next cell (0: the end pointer). Unused cells are chained
// from the free-space pointer. Each insertion can be undone.
class LinkedList {
public:
    struct Cell {
        int data = 0;
        int next = 0;
        bool used = false;
    };
    static constexpr int kCapacity = 10;

    LinkedList();
    int start() const { return start_; }
    int freePointer() const { return free_; }
    const Cell& cell(int position) const { return cells_.at(std::size_t(position)); }
    int count() const;
    // Cell positions in list order, from the start pointer to the end pointer.
    std::vector<int> traversal() const;
    // Puts value in the free cell so that it becomes item `location` (1 =
    // first) of the list; a location past the end appends. False when no cell is free.
    bool insert(int value, int location);
    // Removes the last insertion; false when there is none.
    bool undo();
    // The cell the last insertion used, or 0.
    int lastInserted() const { return history_.empty() ? 0 : history_.back().used; }

private:
    struct Saved {
        std::array<Cell, kCapacity + 1> cells;
        int start;
        int free;
        int used;
    };
    std::array<Cell, kCapacity + 1> cells_{};
    int start_ = 0;
    int free_ = 0;
    std::vector<Saved> history_;
};

// The record keys the tree example builds from, left to right.
inline constexpr std::array<int, 11> kTreeKeys = {54, 78, 12, 33, 90, 65, 21, 47, 8, 99, 60};

// A binary search tree in an array: node i is named 'A' + i in the order placed.
class BinaryTree {
public:
    struct Node {
        int key = 0;
        int left = -1;   // index of the left (LH) child, -1 none
        int right = -1;  // index of the right (RH) child
        int depth = 0;
        int parent = -1;
    };
    // Places a key: from the root, right when greater than the node's key, else left.
    void insert(int key);
    const std::vector<Node>& nodes() const { return nodes_; }
    std::vector<int> preorder() const;
    void clear() { nodes_.clear(); }

private:
    std::vector<Node> nodes_;
};

}  // namespace orr::data
