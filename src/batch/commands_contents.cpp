// Batch commands of the contents window and the search steps:
// open, tree, search, list, back, forward.
#include <QListWidget>
#include <QLineEdit>
#include <QTreeWidget>

#include "batch/batch_command.h"
#include "shell/contents_window.h"
#include "shell/search_steps.h"

namespace orr {

namespace {

ComputingTreeIndex& contentsWindow()
{
    auto* w = formAs<ComputingTreeIndex>(QStringLiteral("ComputingTreeIndex"));
    if (!w)
        throw BatchError(QStringLiteral("the contents window is not available"));
    return *w;
}

int wholeNumber(const QString& arg, const char* what)
{
    bool ok = false;
    const int n = arg.trimmed().toInt(&ok);
    if (!ok)
        throw BatchError(QStringLiteral("%1 expected, got \"%2\"").arg(QLatin1String(what), arg));
    return n;
}

void noArgument(const QString& arg, const char* command)
{
    if (!arg.trimmed().isEmpty())
        throw BatchError(QStringLiteral("%1 takes no argument").arg(QLatin1String(command)));
}

const BatchCommand openCommand(QStringLiteral("open"), [](BatchContext&, const QString& arg) {
    const int position = wholeNumber(arg, "a contents position");
    auto& w = contentsWindow();
    if (position < 3 || position > 270)
        throw BatchError(QStringLiteral("contents position %1 is outside 3 to 270").arg(position));
    w.openPosition(position);
});

const BatchCommand treeCommand(QStringLiteral("tree"), [](BatchContext&, const QString& arg) {
    const int n = wholeNumber(arg, "a tree node number");
    auto& w = contentsWindow();
    QTreeWidgetItem* node = w.node(n);
    if (!node)
        throw BatchError(QStringLiteral("there is no tree node %1 (1 to %2)").arg(n).arg(w.nodeCount()));
    w.TreeView1->setCurrentItem(node);
    w.TreeView1_NodeClick(node);
});

const BatchCommand searchCommand(QStringLiteral("search"), [](BatchContext&, const QString& arg) {
    contentsWindow().Text1->setText(arg);
});

const BatchCommand listCommand(QStringLiteral("list"), [](BatchContext& c, const QString& arg) {
    noArgument(arg, "list");
    const QListWidget* list = contentsWindow().List1;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem* item = list->item(i);
        c.out << item->data(Qt::UserRole).toInt() << '\t' << item->text() << '\n';
    }
});

const BatchCommand backCommand(QStringLiteral("back"), [](BatchContext&, const QString& arg) {
    noArgument(arg, "back");
    searchBack();
});

const BatchCommand forwardCommand(QStringLiteral("forward"), [](BatchContext&, const QString& arg) {
    noArgument(arg, "forward");
    searchForward();
});

}  // namespace

}  // namespace orr
