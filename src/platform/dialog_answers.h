// Replies waiting for the next input box or file dialog, so that a scripted
// run (the batch driver, tests) answers them instead of a learner.
#pragma once

#include <QString>
#include <optional>

namespace orr {

void pushDialogAnswer(const QString& reply);
// The oldest waiting reply, taken off the queue; none when nothing waits.
std::optional<QString> takeDialogAnswer();
void clearDialogAnswers();

}  // namespace orr
