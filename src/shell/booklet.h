// The handout booklet: every example of the current topic window printed
// one page each, as the Print action prints one.
#pragma once

#include <functional>

class QPrinter;

namespace orr {

// Called before each page with the pages done and the total; returning false
// stops the booklet after the pages already printed.
using BookletProgress = std::function<bool(int done, int total)>;

// Prints the booklet on `printer` and returns the number of pages printed:
// none when the current window is not a topic (a tool has no examples). The
// topic is left on the example it showed, redrawn with its start values.
int printBooklet(QPrinter& printer, const BookletProgress& progress = {});

// The File menu's "Print All Examples…": the printer dialog (a printer or a
// PDF file), then the booklet with a progress dialog that can cancel it.
void printAllExamples();

}  // namespace orr
