// Start-up of the suite: fonts, the main window, and the batch mode.
#pragma once

namespace orr {
// Maps the font families the windows name to the free fonts installed with the suite.
void registerFontSubstitutes();
// Runs the suite (or, with --batch FILE, the batch driver). Returns the exit status.
int runSuite(int argc, char** argv);
}
