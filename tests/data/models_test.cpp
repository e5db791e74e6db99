// The data-structure and data-file models, as tables of cases.
#include <gtest/gtest.h>

#include "topics/data/files_model.h"
#include "topics/data/structures_model.h"

namespace orr::data {
namespace {

TEST(DataStructuresModel, ExchangeSortAndItsLog)
{
    const struct {
        std::vector<float> in;
        int n;
        Order order;
        std::vector<float> out;
        std::vector<std::pair<float, float>> exchanges;
    } cases[] = {
        {{30, 10, 20}, 3, Order::Ascending, {10, 20, 30}, {{30, 10}, {30, 20}}},
        {{30, 10, 20}, 3, Order::Descending, {30, 20, 10}, {{10, 20}}},
        // Equal values are exchanged in ascending order, never in descending.
        {{5, 5}, 2, Order::Ascending, {5, 5}, {{5, 5}}},
        {{5, 5}, 2, Order::Descending, {5, 5}, {}},
        // Only the first n values take part.
        {{9, 8, 1}, 2, Order::Ascending, {8, 9, 1}, {{9, 8}}},
        {{4}, 1, Order::Ascending, {4}, {}},
    };
    for (const auto& c : cases) {
        std::vector<float> v = c.in;
        const auto log = exchangeSort(v, c.n, c.order);
        EXPECT_EQ(v, c.out);
        ASSERT_EQ(log.size(), c.exchanges.size());
        for (std::size_t k = 0; k < log.size(); ++k) {
            EXPECT_EQ(log[k].first, c.exchanges[k].first);
            EXPECT_EQ(log[k].second, c.exchanges[k].second);
        }
    }
}

TEST(DataStructuresModel, MergeCopiesTheRestAtEof)
{
    std::vector<MergeStep> log;
    EXPECT_EQ(mergeFiles({12, 40, 41}, {20, 30}, Order::Ascending, &log),
              (std::vector<float>{12, 20, 30, 40, 41}));
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0].fromFile, 1);
    EXPECT_FALSE(log[3].record2.has_value());  // file 2 at EOF: file 1 copied
    EXPECT_EQ(mergeFiles({41, 40, 12}, {30, 20}, Order::Descending), (std::vector<float>{41, 40, 30, 20, 12}));
    EXPECT_EQ(mergeFiles({}, {3, 4}, Order::Ascending), (std::vector<float>{3, 4}));
}

TEST(DataStructuresModel, BinarySearchSteps)
{
    const std::vector<float> a = {10, 20, 30, 40, 50, 60, 70};
    const struct {
        float sought;
        int found;
        std::vector<int> outcomes;
        const char* ending;
    } cases[] = {
        {40, 3, {0}, "40.00 found at location 3"},
        {10, 0, {-1, -1, 0}, "10.00 found at location 0"},
        {70, 6, {1, 1, 0}, "70.00 found at location 6"},
        {35, -1, {-1, 1, 1}, "35.00 not found."},
        {99, -1, {1, 1, 1}, "99.00 not found."},
    };
    for (const auto& c : cases) {
        const SearchResult r = binarySearch(a, c.sought);
        EXPECT_EQ(r.found, c.found);
        std::vector<int> outcomes;
        for (const auto& s : r.steps)
            outcomes.push_back(s.outcome);
        EXPECT_EQ(outcomes, c.outcomes) << c.sought;
        EXPECT_EQ(r.ending, c.ending);
    }
    EXPECT_EQ(binarySearch(a, 35).steps[0].text, "35.00 < 40.00 move back, divide search area by 2");
    EXPECT_EQ(searchComparisons(35000), 15);
    EXPECT_EQ(searchComparisons(1024), 10);
    EXPECT_EQ(arraySum({1, 2, 3, 4}, 1, 2), 5.0f);
    EXPECT_EQ(arraySum({1, 2, 3, 4}, 3, 5), 4.0f);
}

TEST(DataStructuresModel, StackAndQueueSequences)
{
    BoundedStack s(2);
    float out = -1;
    EXPECT_FALSE(s.pop(out));
    EXPECT_TRUE(s.push(1.5f));
    EXPECT_TRUE(s.push(2.5f));
    EXPECT_FALSE(s.push(3.5f));  // full: nothing changes
    EXPECT_EQ(s.count(), 2);
    EXPECT_TRUE(s.pop(out));
    EXPECT_EQ(out, 2.5f);
    s.resize(40);
    EXPECT_EQ(s.size(), 21);
    s.resize(0);
    EXPECT_EQ(s.size(), 1);
    EXPECT_EQ(s.count(), 1);  // the item that fits is kept

    ShiftingQueue q(3);
    for (float v : {1.f, 2.f, 3.f})
        EXPECT_TRUE(q.add(v));
    EXPECT_FALSE(q.add(4));
    EXPECT_TRUE(q.remove(out));
    EXPECT_EQ(out, 1.f);
    EXPECT_EQ(q.cell(0), 2.f);
    EXPECT_EQ(q.cell(1), 3.f);
    EXPECT_EQ(q.cell(2), 0.f);
    EXPECT_EQ(q.count(), 2);
    q.resize(1);
    EXPECT_EQ(q.count(), 1);
    EXPECT_TRUE(q.remove(out));
    EXPECT_FALSE(q.remove(out));
}

TEST(DataStructuresModel, LinkedListInsertAndUndo)
{
    auto values = [](const LinkedList& l) {
        std::vector<int> v;
        for (int p : l.traversal())
            v.push_back(l.cell(p).data);
        return v;
    };
    LinkedList l;
    EXPECT_EQ(values(l), (std::vector<int>{12, 30, 45, 60, 78}));
    EXPECT_EQ(l.freePointer(), 6);
    const struct {
        int value, location;
        std::vector<int> after;
    } inserts[] = {
        {50, 4, {12, 30, 45, 50, 60, 78}},
        {5, 1, {5, 12, 30, 45, 50, 60, 78}},
        {99, 40, {5, 12, 30, 45, 50, 60, 78, 99}},
    };
    for (const auto& c : inserts) {
        ASSERT_TRUE(l.insert(c.value, c.location));
        EXPECT_EQ(values(l), c.after);
    }
    EXPECT_EQ(l.freePointer(), 9);
    EXPECT_EQ(l.start(), 7);
    EXPECT_TRUE(l.undo());
    EXPECT_EQ(values(l), inserts[1].after);
    EXPECT_EQ(l.freePointer(), 8);
    EXPECT_TRUE(l.insert(1, 1) && l.insert(2, 1) && l.insert(3, 1));
    EXPECT_FALSE(l.insert(4, 1));  // no free cell
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(l.undo());
    EXPECT_FALSE(l.undo());
    EXPECT_EQ(values(l), (std::vector<int>{12, 30, 45, 60, 78}));
}

TEST(DataStructuresModel, TreeShapeAndPreorder)
{
    BinaryTree t;
    for (int k : kTreeKeys)
        t.insert(k);
    const auto& n = t.nodes();
    // key: left child key, right child key (0 none)
    const int shape[][3] = {{54, 12, 78}, {78, 65, 90}, {12, 8, 33}, {33, 21, 47}, {65, 60, 0}, {90, 0, 99}};
    for (const auto& s : shape) {
        const auto it = std::find_if(n.begin(), n.end(), [&](const auto& x) { return x.key == s[0]; });
        ASSERT_NE(it, n.end());
        EXPECT_EQ(it->left < 0 ? 0 : n[std::size_t(it->left)].key, s[1]) << s[0];
        EXPECT_EQ(it->right < 0 ? 0 : n[std::size_t(it->right)].key, s[2]) << s[0];
    }
    std::vector<int> keys;
    for (int i : t.preorder())
        keys.push_back(n[std::size_t(i)].key);
    EXPECT_EQ(keys, (std::vector<int>{54, 12, 8, 33, 21, 47, 78, 65, 60, 90, 99}));
}

TEST(DataFilesModel, IndexSequentialDisk)
{
    const struct {
        int key, cylinder, surface, sector;
    } cases[] = {{452, 2, 2, 4}, {1, 0, 0, 0}, {200, 0, 9, 7}, {201, 1, 0, 0}, {2000, 9, 9, 7}, {1801, 9, 0, 0}};
    for (const auto& c : cases) {
        const DiskLocation d = indexSequentialLocate(c.key);
        EXPECT_EQ(d.cylinder, c.cylinder) << c.key;
        EXPECT_EQ(d.surface, c.surface) << c.key;
        EXPECT_EQ(d.sector, c.sector) << c.key;
    }
}

TEST(DataFilesModel, HashingAddresses)
{
    EXPECT_EQ(squareAddress(1234), "522756");
    EXPECT_EQ(squareAddress(10), "000100");
    const HashAddress a = splitAddress("522756");
    EXPECT_EQ(a.cylinder, 52);
    EXPECT_EQ(a.surface, 27);
    EXPECT_EQ(a.sector, 56);
    EXPECT_EQ(squareAddress(collidingKey(123456)), squareAddress(123456));
    EXPECT_EQ(squareAddress(collidingKey(723456)), squareAddress(723456));
    const auto placed = placeRecords({123456, 2, collidingKey(123456)});
    EXPECT_FALSE(placed[0].overflow);
    EXPECT_TRUE(placed[2].overflow);
    EXPECT_EQ(placed[2].overflowEntry, 0);
    EXPECT_EQ(primeDivisionAddress(123456), 216);
    EXPECT_EQ(squareRootAddress(123456), 352);
}

TEST(DataFilesModel, BucketLocation)
{
    const struct {
        double first, bucket, per, key;
        double location;
        int inBucket, position;
        const char* text;
    } cases[] = {
        {100, 125, 12, 1234, 219.5, 219, 6, "219.5"},
        {2000, 125, 12, 1234, 125, 125, 1, "125"},  // first key lowered to the key
        {100, 125, 7, 1234, 287, 287, 1, "287"},
        {100, 125, 9, 1234, 251, 251, 1, "251"},
        {0, 0, 3, 10, 3.33, 3, 4, "3.33"},
    };
    for (const auto& c : cases) {
        const BucketResult r = locateInBucket(c.first, c.bucket, c.per, c.key);
        EXPECT_DOUBLE_EQ(r.location, c.location) << c.key;
        EXPECT_EQ(r.bucket, c.inBucket);
        EXPECT_EQ(r.position, c.position) << c.per;
        EXPECT_EQ(locationText(r.location), c.text);
    }
}

TEST(DataFilesModel, CheckDigits)
{
    const struct {
        const char* digits;
        int sum, check;
    } cases[] = {{"12345", 35, 2}, {"0", 0, 0}, {"55443320", 144, 1}, {"19", 11, 0}, {"28", 12, 1}, {"5", 5, 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(weightedSum(std::string(c.digits)), c.sum) << c.digits;
        EXPECT_EQ(checkDigit(c.sum), c.check);
    }
    // 42 leaves remainder 10 (2 + 4 * 2): it is passed over for the next number drawn.
    EXPECT_EQ(checkDigit(weightedSum(int64_t(42))), 10);
    const double values[] = {4.15e-7, 0.5};
    int k = 0;
    EXPECT_EQ(drawCustomerNumber([&] { return values[k++]; }), 50000001);
    EXPECT_EQ(k, 2);
    EXPECT_EQ(operatorDigits("123", 5), "00123");
    EXPECT_EQ(operatorDigits("55443320", 6), "443320");
}

TEST(DataFilesModel, ParityAndCrc)
{
    const int byte = byteFromBinaryDigits(10011011);
    EXPECT_EQ(byte, 0x9B);
    EXPECT_EQ(byteDigits(byte), "10011011");
    const struct {
        ParityMode mode;
        bool error;
        int parityBit, sent, receivedOnes;
        bool correct;
    } cases[] = {
        {ParityMode::Even, false, 1, 6, 6, true},
        {ParityMode::Odd, false, 0, 5, 5, true},
        {ParityMode::None, false, -1, 5, 5, true},
        {ParityMode::Even, true, 1, 6, 5, false},
        {ParityMode::Odd, true, 0, 5, 4, false},
    };
    for (const auto& c : cases) {
        const ParityResult r = checkParity(byte, c.mode, c.error, 4);
        EXPECT_EQ(r.parityBit, c.parityBit);
        EXPECT_EQ(r.sentOnes, c.sent);
        EXPECT_EQ(r.receivedOnes, c.receivedOnes);
        EXPECT_EQ(r.correct, c.correct);
    }
    EXPECT_EQ(byteDigits(checkParity(byte, ParityMode::Even, true, 4).received), "10001011");
    EXPECT_EQ(crcPolynomial({1, 2, 3}, 4), 4 * (1 + 4 + 9));
    EXPECT_EQ(crcPolynomial({255, 255, 255, 255, 255, 255, 255, 255}, 9), int64_t(9) * 8 * 65025);
}

}  // namespace
}  // namespace orr::data
