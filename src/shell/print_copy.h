// The Print and Copy toolbar actions' second halves: the printed page and the
// clipboard item.
#pragma once

#include <QString>
#include <memory>

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
// The printer the next page goes to: the override, or the default printer
// (kept alive by `own`); null when there is none.
QPrinter* pagePrinter(std::unique_ptr<QPrinter>& own);
}  // namespace orr
