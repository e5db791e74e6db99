// The Print and Copy toolbar actions' second halves: the printed page and the
// clipboard item.
#pragma once

#include <QString>

class QPrinter;

namespace orr {
// Prints the current window's page on the default printer (or on the
// printer set by setPrinterOverride, such as a PDF file in batch mode).
void printPage();
// Copies the current copy source to the clipboard and resets it to the picture.
void copyToClipboard();
// The one-line notice printed on pages and copied pictures.
QString makersNotice();
// Replaces the default printer for the next pages (nullptr restores it).
void setPrinterOverride(QPrinter* printer);
}  // namespace orr
