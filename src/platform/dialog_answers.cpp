// The queue of scripted replies to input boxes and file dialogs.
#include "platform/dialog_answers.h"

#include <deque>

namespace orr {

namespace {
std::deque<QString>& answers()
{
    static std::deque<QString> queue;
    return queue;
}
}  // namespace

void pushDialogAnswer(const QString& reply) { answers().push_back(reply); }

std::optional<QString> takeDialogAnswer()
{
    if (answers().empty())
        return std::nullopt;
    QString reply = answers().front();
    answers().pop_front();
    return reply;
}

void clearDialogAnswers() { answers().clear(); }

}  // namespace orr
