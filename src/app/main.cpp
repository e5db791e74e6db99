// Orrinvale V10: starts the suite, or runs a batch file or a learner script.
#include <QApplication>
#include <cstring>

#include "app/startup.h"
#include "app/script_runner.h"

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--script") == 0)
            return orr::runScriptCommand(argc, argv);
    return orr::runSuite(argc, argv);
}
