// The script control: the VBScript engine behind the interface the tools program against.
#pragma once
#include <QString>

#include <memory>
#include <stdexcept>
#include <vector>

#include "script/engine.h"

namespace orr {

// What the last failed call reported; Number is 0 after a call that succeeded.
struct ScriptErrorInfo {
    int Number = 0;
    QString Description;
    QString Source;
    int Line = 0;
    int Column = 0;
    void Clear() { *this = ScriptErrorInfo{}; }
};

// Thrown by every call that fails; Error() holds the same details afterwards.
class ScriptFailure : public std::runtime_error {
public:
    explicit ScriptFailure(const ScriptErrorInfo& e);
    ScriptErrorInfo info;
};

class ScriptControl {
public:
    ScriptControl();

    void setLanguage(const QString& language) { language_ = language; }
    QString Language() const { return language_; }
    // Milliseconds a single call may run; a negative value means no limit.
    void setTimeout(int ms) { timeoutMs_ = ms; }
    int Timeout() const { return timeoutMs_; }

    void ExecuteStatement(const QString& statement);
    script::Variant Eval(const QString& expression);
    void AddCode(const QString& code);
    script::Variant Run(const QString& procedure, std::vector<script::Variant> args = {});
    void AddObject(const QString& name, std::shared_ptr<script::HostObject> object, bool membersGlobal = false);
    void Reset();
    const ScriptErrorInfo& Error() const { return error_; }

    // Where MsgBox and InputBox go; by default the platform message boxes and a text dialog.
    void setDialogHost(script::DialogHost* host) { engine_.setDialogHost(host); }

    // Stops the script that is running now (from an event handler while it runs).
    static void interrupt();

    script::Engine& engine() { return engine_; }

private:
    template <typename F> auto guarded(F&& body);
    void pollHook();

    script::Engine engine_;
    QString language_ = QStringLiteral("VBScript");
    int timeoutMs_ = 10000;
    ScriptErrorInfo error_;
    qint64 startedMs_ = 0;
    qint64 lastEventsMs_ = 0;
};

} // namespace orr
