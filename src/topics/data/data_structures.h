// DataStructures: sorting, merging, searching, an array, a stack, a queue, a
// linked list and a binary tree, each animated on the picture.
#pragma once

#include <array>
#include <vector>

#include "topics/data/structures_model.h"
#include "topics/framework/topic_form.h"

namespace orr {

class DataStructures : public TopicForm {
    Q_OBJECT
public:
    DataStructures();

    void Trigger_Click(int index) override;

    // The learner's values, kept while the window is open.
    struct Inputs {
        float minRange, maxRange;
        int items;
        int file1, file2;
        int searchSize;
        float searchFor;
        float mainFileSize;
        int arraySize, startIndex, counter, resultIndex;
        int stackSize;
        float stackBuffer;
        int queueSize;
        float queueData;
        int listValue, listLocation;
    };
    static const Inputs kStart;
    Inputs in = kStart;

    data::Order order = data::Order::Ascending;
    std::vector<float> sortValues;
    std::vector<float> searchValues;
    std::vector<float> arrayCells;
    std::vector<float> mergeFile1, mergeFile2;
    data::BoundedStack stack;
    data::ShiftingQueue queue;
    float stackOut = 0, queueOut = 0;
    bool stackOutShown = false, queueOutShown = false;
    data::LinkedList list;
    data::BinaryTree tree;
    int visited = 0;  // nodes of the preorder walk visited so far

protected:
    void formLoad() override;
    void setDefaults() override {}
    void setToolbarFlags(SuiteState::ToolbarFlags& f) override;
    void configureExample(int e) override;
    void drawExample(int e) override;
    void theoryParagraphs(int e, std::array<QString, 4>& p) override;
    QString quantityTypeFor(int e, int index) const override;
    void takeValue(int e, int index, double value) override;

private:
    void newSortValues();
    void newMergeFiles();
    void newSearchValues();
    void drawSort();
    void drawMerge();
    void drawSearch();
    void drawArray();
    void drawStack();
    void drawQueue();
    void drawList();
    void drawTree();
    QString orderText() const;
};

QString dataStructuresCaption(int e);
void dataStructuresTheory(int e, std::array<QString, 4>& p);

}  // namespace orr
