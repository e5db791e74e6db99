// Helpers the two entry dialogs share as floating windows over the main
// window: placing, raising, and telling a real loss of the activation from
// a message box or another program taking it.
#pragma once

class QWidget;

namespace orr {

// The main window the dialogs float over; nullptr when there is none (tests).
QWidget* dialogOwner();
// Centres a dialog over the main window.
void placeOverMainWindow(QWidget* dialog);
// Brings a dialog to the front; the headless platform has no stacking to change.
void raiseWindow(QWidget* dialog);
// True when another window of the suite has taken the activation from the
// dialog: not a message box or other modal window, not another program.
bool activationMovedElsewhere(const QWidget* dialog);

}  // namespace orr
