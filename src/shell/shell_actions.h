// Shell procedures shared by the main window, the contents window and the
// topic framework: the toolbar's visibility rules and the sponsor window's place.
#pragma once

#include <functional>

namespace orr {

class Form;

// Sets the drawing scale to 1 and hides toolbar buttons 1 to 7 (the contents
// window and every tool window call it when they activate).
void hideAllToolbarButtons();
// Hides toolbar buttons 1 to 7 when no topic window is loaded.
void toolbarHideCheck();
// True when the current window is a tool window (it runs the hide check too).
bool isToolWindow();
// Shows or hides toolbar button 1..7.
void setToolbarButtonVisible(int button, bool visible);
bool toolbarButtonVisible(int button);
// Redraws the window at its design size and zoom level 0, runs the action
// (print, copy, export: every output is made at the one size), then restores
// the learner's size and zoom and redraws again.
void atDesignSize(Form* w, const std::function<void()>& action);
// Keeps the sponsor window placed inside the main window.
void placeSponsorWindow();

}  // namespace orr
