// Batch driver commands. Each subsystem registers the commands it answers in
// a file of its own: static BatchCommand reg("tree", [](BatchContext& c, const QString& arg) {...});
#pragma once

#include <QString>
#include <QTextStream>
#include <functional>
#include <stdexcept>

namespace orr {

// Thrown by a command that cannot run; the driver reports it with the line number.
struct BatchError : std::runtime_error {
    explicit BatchError(const QString& why) : std::runtime_error(why.toStdString()) {}
};

struct BatchContext {
    QTextStream& out;
};

using BatchHandler = std::function<void(BatchContext&, const QString& argument)>;

struct BatchCommand {
    BatchCommand(const QString& word, BatchHandler handler);
};

// The handler for a command word, or an empty function.
BatchHandler findBatchCommand(const QString& word);

}  // namespace orr
