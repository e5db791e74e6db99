// The script control: runs learner code in the engine with a time-out, an interrupt and live events.
#include "platform/script_control.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>

#include <atomic>

#include "platform/dialog_answers.h"
#include "platform/msgbox.h"

namespace orr {
namespace {

std::atomic<bool> interruptRequested{false};

qint64 nowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

constexpr qint64 kEventsEveryMs = 15;  // keeps the window responsive while a script runs

// MsgBox through the platform's message boxes (logged, and answered by default in
// batch mode); InputBox through a text dialog, or its default text with no window.
class PlatformDialogs final : public script::DialogHost {
public:
    int msgBox(const std::string& prompt, int buttons, const std::string& title) override
    {
        MsgButtons b = MsgButtons::Ok;
        switch (buttons & 7) {
        case 1: b = MsgButtons::OkCancel; break;
        case 3: b = MsgButtons::YesNoCancel; break;
        case 4: b = MsgButtons::YesNo; break;
        default: break;
        }
        switch (orr::msgBox(QString::fromStdString(prompt), b, QString::fromStdString(title))) {
        case MsgResult::Cancel: return 2;
        case MsgResult::Yes: return 6;
        case MsgResult::No: return 7;
        default: return 1;
        }
    }
    bool inputBox(const std::string& prompt, const std::string& title, const std::string& def,
                  std::string& answer) override
    {
        answer = def;
        if (messageBoxesSilent()) {
            // A scripted run answers from its queue of replies.
            if (std::optional<QString> reply = takeDialogAnswer()) answer = reply->toStdString();
            return true;
        }
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
        bool ok = false;
        QString text = QInputDialog::getText(nullptr, QString::fromStdString(title), QString::fromStdString(prompt),
                                             QLineEdit::Normal, QString::fromStdString(def), &ok);
        if (!ok) return false;
        answer = text.toStdString();
        return true;
    }
};

PlatformDialogs platformDialogs;

} // namespace

ScriptFailure::ScriptFailure(const ScriptErrorInfo& e)
    : std::runtime_error(e.Description.toStdString()), info(e) {}

ScriptControl::ScriptControl()
{
    engine_.setPollHook([this] { pollHook(); }, 8192);
    engine_.setDialogHost(&platformDialogs);
}

void ScriptControl::interrupt() { interruptRequested = true; }

void ScriptControl::pollHook()
{
    qint64 now = nowMs();
    if (now - lastEventsMs_ >= kEventsEveryMs) {
        lastEventsMs_ = now;
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
    }
    if (interruptRequested.exchange(false)) throw script::ScriptError(script::ErrInterrupted);
    if (timeoutMs_ >= 0 && now - startedMs_ > timeoutMs_)
        throw script::ScriptError(script::ErrTimeout,
                                  "Script timed out after " + std::to_string(timeoutMs_) + " ms");
}

template <typename F>
auto ScriptControl::guarded(F&& body)
{
    error_.Clear();
    startedMs_ = nowMs();
    lastEventsMs_ = startedMs_;
    interruptRequested = false;
    try {
        return body();
    } catch (const script::ScriptError& e) {
        error_.Number = e.number;
        error_.Description = QString::fromStdString(e.description);
        error_.Source = QString::fromStdString(e.source.empty()
                                                   ? (e.number >= 1000 && e.number < 1100 ? "Microsoft VBScript compilation error"
                                                                                          : "Microsoft VBScript runtime error")
                                                   : e.source);
        error_.Line = e.line;
        error_.Column = e.column;
        throw ScriptFailure(error_);
    }
}

void ScriptControl::ExecuteStatement(const QString& statement)
{
    guarded([&] { engine_.addCode(statement.toStdString()); });
}

script::Variant ScriptControl::Eval(const QString& expression)
{
    return guarded([&] { return engine_.eval(expression.toStdString()); });
}

void ScriptControl::AddCode(const QString& code)
{
    guarded([&] { engine_.addCode(code.toStdString()); });
}

script::Variant ScriptControl::Run(const QString& procedure, std::vector<script::Variant> args)
{
    return guarded([&] { return engine_.run(procedure.toStdString(), std::move(args)); });
}

void ScriptControl::AddObject(const QString& name, std::shared_ptr<script::HostObject> object, bool membersGlobal)
{
    engine_.addObject(name.toStdString(), std::move(object), membersGlobal);
}

void ScriptControl::Reset()
{
    engine_.reset();
    error_.Clear();
}

} // namespace orr
