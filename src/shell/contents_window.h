// ComputingTreeIndex: the contents window. A tree of every topic and example,
// an index list filtered by a search box, and the lookup Contents that turns a
// contents position into an open topic window showing that example.
#pragma once

#include <QByteArray>
#include <QMdiSubWindow>  // form.h reads the frame pointer inline
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "platform/form.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;

namespace orr {

class Label;

// Where the topics sit among the contents positions. Topic k (1..33, in the
// order of topicTable()) has the heading position heading(k); its own tree
// node is at heading(k) + 1 and its examples run from heading(k) + 2 to
// heading(k + 1). Tree node n is position n + 1.
namespace contents {
constexpr int kTopicCount = 33;
int headingPosition(int k);  // k = 1..34; 34 closes the last topic
int firstPosition(int k);    // first example of topic k
int lastPosition(int k);     // last example of topic k
// The topic 1..33 whose examples include the position, or 0 (roots, topic nodes, out of range).
int topicAt(int position);
}  // namespace contents

// Splits the index file into its fields: each field is a line, or the part of
// a line up to a comma; a field that starts with a double quote runs to the
// closing quote and may hold commas. Blanks around unquoted fields are dropped.
QStringList splitIndexFields(const QByteArray& data);

// The index list's texts, one per contents position, read from the file once per run.
class ContentsIndex {
public:
    static constexpr int kMaxPosition = 400;
    static ContentsIndex& instance();
    // "ComputingIndex.txt" where the program finds it: indexPathFor its own folder.
    static QString defaultPath();
    // The index of a program in programDir: in ../share/orrinvale when the
    // suite is installed there, otherwise beside the program (the build tree).
    static QString indexPathFor(const QString& programDir);

    bool isLoaded() const { return loaded_; }
    // Fills positions 3, 4, ... up to the last index bound from the file's
    // fields; positions without a field, or all of them when the file cannot
    // be read, are left empty. Marks the index loaded either way.
    void load(const QString& path);
    QString entry(int position) const;

private:
    std::array<QString, kMaxPosition + 1> entries_;
    bool loaded_ = false;
};

class ComputingTreeIndex : public Form {
    Q_OBJECT
public:
    static constexpr int kFixedWidth = 9330;  // twips
    static constexpr int kFixedHeight = 5355;

    ComputingTreeIndex();

    QTreeWidget* TreeView1;
    Label* Label1;
    QLineEdit* Text1;
    QListWidget* List1;  // item data (Qt::UserRole): the contents position

    // Opens the topic window owning the position with that example selected
    // and makes it the current window; the caller brings it to the front and
    // calls its Proc_1. Sets skip when no topic owns the position; does
    // nothing at all when enable is false. position is never changed.
    void Contents(int& position, bool& skip, bool& enable);

    // Handlers, reached by the learner's clicks and typing and by the batch driver.
    void TreeView1_NodeClick(QTreeWidgetItem* node);
    void Text1_Change();
    void List1_Click(QListWidgetItem* item);
    // What a list click does for the item holding this contents position.
    void openPosition(int position);

    // Tree node by index (1-based, in order of adding); nullptr when there is none.
    QTreeWidgetItem* node(int index) const;
    int nodeCount() const { return int(nodes_.size()); }

    void formLoad() override;
    void formActivate() override;
    void formResize() override;

private:
    void buildTree();
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& key, const QString& text);
    void keepFixedSize();

    std::vector<QTreeWidgetItem*> nodes_;
};

}  // namespace orr
