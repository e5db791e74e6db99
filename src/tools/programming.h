// Programming: the workbench "BASIC Programming." in which the learner
// writes a program in the suite's BASIC or in VBScript and runs it through
// the script control, with output in the run pane.
#pragma once

#include <QMdiSubWindow>  // complete type for Form's QPointer member

#include <array>
#include <functional>

#include "platform/form.h"
#include "platform/script_control.h"

class QComboBox;
class QPainter;
class QPlainTextEdit;
class QToolButton;

namespace orr {

class ChartControl;
class CommandButton;
class Label;
class Panel3D;

class Programming : public Form {
    Q_OBJECT
public:
    static constexpr int kToolbarButtons = 9;
    static constexpr int kRunTimeoutMs = 10000;

    Programming();

    QPlainTextEdit* Program = nullptr;
    QPlainTextEdit* RunProg = nullptr;
    QPlainTextEdit* ConvertProg = nullptr;
    QComboBox* Combo1 = nullptr;
    CommandButton* RunButton = nullptr;
    Label* Label1 = nullptr;
    Label* Statement = nullptr;  // receives the line from the text-entry dialog
    Label* InputLabel = nullptr; // inserts block templates
    Panel3D* Panel3D1 = nullptr;
    std::array<CommandButton*, 19> StateMents{};
    std::array<CommandButton*, 36> Functions{};
    std::array<QToolButton*, kToolbarButtons> Toolbar1{};
    ChartControl* MSChart1 = nullptr;

    ScriptControl& ScriptControl1() { return script_; }

    void formLoad() override;
    void formActivate() override;
    void formQueryUnload() override;

    void RunButton_Click();
    void StateMents_Click(int index);
    void Functions_Click(int index);
    void Combo1_Click(int index);
    void Toolbar1_ButtonClick(int index);
    void Statement_Change();
    void InputLabel_Change();

    // Prints the programming pane (or the run pane) on one or more pages.
    void PrintCode(bool runPane = false);
    // What a print puts on paper: the maker's notice, date and time, a blank
    // line, then the pane's lines.
    QStringList printedLines(bool runPane) const;
    // Paints lines down pages of the given size; returns the number of pages.
    static int paintPages(QPainter& p, const QSize& page, const QStringList& lines,
                          const std::function<void()>& newPage);

    // ProgramClass members, called by the running program.
    void Show(const QString& text);
    void Clear();
    void Graph(const script::Variant& data, const script::Variant& labels);

    bool running() const { return running_; }
    bool programChanged() const { return changed_; }

    // Files: whole text in double quotes, inner quotes doubled.
    static QString quotedForFile(const QString& program);
    static QString fromFile(const QString& contents);
    bool saveProgram();
    void openProgram();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildControls();
    void insertAtCaret(const QString& text);
    void replaceProgram(const QString& text);
    // Asks whether to save an unsaved program first; false when the learner
    // keeps it (the save failed or was cancelled).
    bool mayReplaceProgram();
    void reportError();
    void showNotes(bool notes);

    ScriptControl script_;
    bool running_ = false;
    bool closeAfterRun_ = false;
    bool changed_ = false;
    bool settingText_ = false;
    int pendingStatement_ = -1;
};

}  // namespace orr
