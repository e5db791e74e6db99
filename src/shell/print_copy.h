// The Print and Copy toolbar actions' second halves: the printed page and the
// clipboard item.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "platform/picture.h"

class QPainter;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace orr {
// Prints the current window's page: on the printer set by setPrinterOverride
// (a PDF file in batch mode) when there is one, else through a print preview
// when there is a screen to show it on, else on the default printer.
void printPage();
// Paints the current window's page (caption, notice, picture, theory
// paragraphs, calculations and, when asked, the graph) on a painter that is
// open on `printer`. The picture is drawn as vectors with real text.
enum class PageParts { WithGraph, WithoutGraph };
void paintPage(QPainter& painter, const QPrinter& printer, PageParts parts);
// The current window's page, whole, on `printer`; a printer or file that
// cannot be opened is reported in a message box.
void printOn(QPrinter& printer);
void reportPrinterFailure(const QPrinter& printer);
// The print preview of the current window's page; its Print button prints
// on the printer the learner picks.
std::unique_ptr<QPrintPreviewDialog> pagePreview(QPrinter& printer, QWidget* parent);
// Copies the current copy source to the clipboard and resets it to the picture.
void copyToClipboard();
// A picture's texts as a reader goes through them: top to bottom, texts that
// start within `tolerance` of each other in height on one line, left to right
// and separated by tabs (a truth table pastes as rows of cells).
QStringList readingLines(std::vector<PrintedText> texts, double tolerance);
// The one-line notice printed on pages and copied pictures.
QString makersNotice();
// Replaces the default printer for the next pages (nullptr restores it).
void setPrinterOverride(QPrinter* printer);
// The printer the next page goes to: the override, or the default printer
// (kept alive by `own`); null when there is none.
QPrinter* pagePrinter(std::unique_ptr<QPrinter>& own);
}  // namespace orr
