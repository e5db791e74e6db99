// The File and View menus: printing, the booklet, picture export, copy and
// closing, then scaling, notes, the search steps and the contents search,
// each with its keyboard shortcut.
#pragma once

class QMenuBar;

namespace orr {

class MainWindow;

// Adds the two menus at the front of the main window's menu bar.
void addOutputMenus(MainWindow* main, QMenuBar* bar);

}  // namespace orr
