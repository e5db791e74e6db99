// Helpers the two entry dialogs share as floating windows over the main
// window: placing, raising, and telling a real loss of the activation from
// a message box or another program taking it.
#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace orr {

class Form;

// The main window the dialogs float over; nullptr when there is none (tests).
QWidget* dialogOwner();
// A rectangle given in twips, in pixels: the dialogs lay out their controls in twips.
QRect twips(int left, int top, int width, int height);
// Makes a form a fixed-size dialog of the main window with the entry dialogs'
// caption and 12-pixel "Arial" face.
void setUpEntryDialog(Form* dialog, const QString& caption, int widthTwips, int heightTwips);
// Centres a dialog over the main window.
void placeOverMainWindow(QWidget* dialog);
// Brings a dialog to the front; the headless platform has no stacking to change.
void raiseWindow(QWidget* dialog);
// True when another window of the suite has taken the activation from the
// dialog: not a message box or other modal window, not another program.
bool activationMovedElsewhere(const QWidget* dialog);

}  // namespace orr
