// The batch driver: runs the suite's real windows from a script of commands,
// one per line, and prints what it is asked.
#pragma once

#include <QString>

class QWidget;

namespace orr {

class Form;

// Runs the commands of FILE ("-" for standard input). Returns 0 when every
// line ran, 1 at the first line that could not run.
int runBatchFile(const QString& file);
// Runs commands from text; output goes to out. Used by the tests as well.
int runBatchText(const QString& text, QString& out, QString& errors);

// The window commands act on: the open dialog if there is one, else the current window.
QWidget* batchActiveWindow();
// A control of the active window by its name, such as "SelectButton(0)" or "OK".
QWidget* batchFindControl(const QString& name);

}  // namespace orr
