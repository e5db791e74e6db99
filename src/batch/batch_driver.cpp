// The batch driver's loop: reads lines, dispatches command words, reports errors.
#include "batch/batch_driver.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTextStream>
#include <cstdio>

#include "batch/batch_command.h"
#include "batch/batch_state.h"
#include "platform/form.h"
#include "state/suite_state.h"

namespace orr {

namespace {
std::vector<std::pair<QString, BatchHandler>>& commands()
{
    static std::vector<std::pair<QString, BatchHandler>> list;
    return list;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}  // namespace

BatchCommand::BatchCommand(const QString& word, BatchHandler handler)
{
    commands().emplace_back(word.toLower(), std::move(handler));
}

BatchHandler findBatchCommand(const QString& word)
{
    const QString w = word.toLower();
    for (const auto& [name, handler] : commands())
        if (name == w)
            return handler;
    return {};
}

QWidget* batchActiveWindow()
{
    // A floating dialog that is open takes the commands first.
    for (Form* f : FormRegistry::instance().loaded())
        if (f->isFloating() && f->isShown())
            return f;
    return suite().currentWindow;
}

QWidget* batchFindControl(const QString& name)
{
    QWidget* w = batchActiveWindow();
    if (!w)
        return nullptr;
    if (w->objectName().compare(name, Qt::CaseInsensitive) == 0)
        return w;
    const auto children = w->findChildren<QWidget*>();
    for (QWidget* c : children)
        if (c->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

namespace {
int runLines(const QString& text, QTextStream& os, QString& errors)
{
    BatchContext ctx{os};
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const int space = trimmed.indexOf(QLatin1Char(' '));
        const QString word = space < 0 ? trimmed : trimmed.left(space);
        // The argument is the rest of the line after the command word and one blank, verbatim.
        const int at = line.indexOf(word) + word.size();
        const QString arg = at < line.size() ? line.mid(at + 1) : QString();
        BatchHandler h = findBatchCommand(word);
        try {
            if (!h)
                throw BatchError(QStringLiteral("unknown command '%1'").arg(word));
            h(ctx, arg);
            os.flush();
            settle();
        } catch (const std::exception& e) {
            os.flush();
            errors += QStringLiteral("batch: line %1: %2\n").arg(n + 1).arg(QString::fromUtf8(e.what()));
            return 1;
        }
    }
    os.flush();
    return 0;
}
}  // namespace

int runBatchText(const QString& text, QString& out, QString& errors)
{
    QTextStream os(&out);
    return runLines(text, os, errors);
}

int runBatchFile(const QString& file)
{
    QString text;
    if (file == QLatin1String("-")) {
        QTextStream in(stdin);
        text = in.readAll();
    } else {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "batch: cannot open %s\n", qPrintable(file));
            return 1;
        }
        text = QString::fromUtf8(f.readAll());
    }
    settle();
    QString errors;
    QTextStream os(stdout);
    const int rc = runLines(text, os, errors);
    os.flush();
    std::fputs(errors.toUtf8().constData(), stderr);
    return rc;
}

}  // namespace orr

namespace orr {

namespace {
std::vector<std::pair<QString, BatchStateProvider>>& stateProviders()
{
    static std::vector<std::pair<QString, BatchStateProvider>> list;
    return list;
}
}  // namespace

BatchState::BatchState(const QString& name, BatchStateProvider provider)
{
    stateProviders().emplace_back(name.toLower(), std::move(provider));
}

BatchStateProvider findBatchState(const QString& name)
{
    for (const auto& [n, p] : stateProviders())
        if (n == name.toLower())
            return p;
    return {};
}

}  // namespace orr
