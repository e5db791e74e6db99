// Batch commands for dialogs and files: `answer TEXT` queues the reply to the
// next input box or file dialog (with none queued an input box returns "" and
// a file dialog is cancelled); `setfile NAME FILE` puts a file's text into a
// text box, firing its change event.
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "batch/batch_command.h"
#include "batch/batch_driver.h"
#include "platform/dialog_answers.h"

namespace orr {

namespace {

const BatchCommand answerCommand(QStringLiteral("answer"), [](BatchContext&, const QString& arg) {
    pushDialogAnswer(arg);
});

const BatchCommand setfileCommand(QStringLiteral("setfile"), [](BatchContext&, const QString& arg) {
    const QString a = arg.trimmed();
    const int space = a.indexOf(QLatin1Char(' '));
    if (space < 0)
        throw BatchError(QStringLiteral("setfile needs a control name and a file"));
    const QString name = a.left(space), file = a.mid(space + 1).trimmed();
    QWidget* w = batchFindControl(name);
    if (!w)
        throw BatchError(QStringLiteral("no control '%1' in the active window").arg(name));
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw BatchError(QStringLiteral("cannot read '%1'").arg(file));
    const QString text = QString::fromUtf8(f.readAll());
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(text);
        emit e->textEdited(text);
    } else if (auto* pe = qobject_cast<QPlainTextEdit*>(w)) {
        pe->setPlainText(text);
    } else if (auto* te = qobject_cast<QTextEdit*>(w)) {
        te->setPlainText(text);
    } else {
        throw BatchError(QStringLiteral("'%1' is not a text box").arg(name));
    }
});

}  // namespace

}  // namespace orr
