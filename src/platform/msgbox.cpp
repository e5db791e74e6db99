// Message boxes over QMessageBox, with the log the batch driver reads.
#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>

#include "state/suite_state.h"

namespace orr {

namespace {
bool g_silent = false;
std::vector<LoggedMessage>& log()
{
    static std::vector<LoggedMessage> messages;
    return messages;
}
}  // namespace

void setMessageBoxesSilent(bool silent) { g_silent = silent; }
bool messageBoxesSilent() { return g_silent; }

std::vector<LoggedMessage> takeMessages()
{
    std::vector<LoggedMessage> out;
    out.swap(log());
    return out;
}

MsgResult msgBox(const QString& text, MsgButtons buttons, const QString& title)
{
    // A box without a title carries the application title, as the platform's do.
    const QString t = title.isEmpty() ? suite().applicationTitle : title;
    log().push_back({t, text});
    const MsgResult def = (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel) ? MsgResult::Yes
                                                                                               : MsgResult::Ok;
    if (g_silent)
        return def;
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(t);
    box.setText(text);
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return MsgResult::Ok;
    }
}

}  // namespace orr
