// The command-line script runner: orrinvale --script FILE [--timeout MS].
#pragma once

namespace orr {
// Runs the program named after --script through the script control, printing
// what it shows to standard output. Returns the process exit status.
int runScriptCommand(int argc, char** argv);
}
