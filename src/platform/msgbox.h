// Message boxes. Every box is logged; in batch mode none is shown and each is
// answered with its default button.
#pragma once

#include <QString>
#include <vector>

namespace orr {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

struct LoggedMessage {
    QString title;
    QString text;
};

MsgResult msgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok, const QString& title = QString());

// When set, boxes are not shown: they are logged and answered with the default button.
void setMessageBoxesSilent(bool silent);
bool messageBoxesSilent();
// The boxes shown since the last call; the log is emptied.
std::vector<LoggedMessage> takeMessages();

}  // namespace orr
