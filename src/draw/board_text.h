// Texts of a worked example laid out like a classroom board: a caption with
// its value, and rows of digits that line up in columns.
#pragma once

#include <QString>

namespace orr {

// Prints text as printAt does and returns its width in picture units.
int printMeasured(int x, int y, const QString& text, long colour, int size, bool bold = false);

// A black caption followed by its value in valueColour; a caption ending in
// "." or "= 0." runs straight on into the value. Returns where the value ends.
int printCaptioned(int x, int y, const QString& caption, const QString& value, int size, long valueColour,
                   bool valueBold = true, int valueSize = 0);

// One working row of digits, right-aligned at right: the suite's faces give
// every digit one width, so rows printed this way line up column by column
// (spaces between groups line up when every row groups alike). Returns the
// row's width.
int printDigitRow(int right, int y, const QString& digits, long colour, int size, bool bold = false);

// Width the text would take printed at size, without printing it.
int measuredWidth(const QString& text, int size, bool bold = false);

}  // namespace orr
