// Batch commands of printing, export and copying: print FILE (the Print
// toolbar action into a PDF file), booklet FILE (every example of the topic
// into one PDF file), export FILE [SCALE] (the picture as PNG or SVG) and
// clipboard (what the clipboard holds).
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPageSize>
#include <QPrinter>

#include "batch/batch_command.h"
#include "shell/booklet.h"
#include "shell/main_window.h"
#include "shell/picture_export.h"
#include "shell/print_copy.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"

namespace orr {

namespace {

// Restores the default printer however the action ends.
struct PrinterOverride {
    explicit PrinterOverride(QPrinter* p) { setPrinterOverride(p); }
    ~PrinterOverride() { setPrinterOverride(nullptr); }
};

// An A4 PDF printer writing to `file`.
void setUpPdf(QPrinter& pdf, const QString& file)
{
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setCreator(suite().applicationTitle);
}

QString fileArgument(const QString& command, const QString& arg)
{
    const QString file = arg.trimmed();
    if (file.isEmpty())
        throw BatchError(QStringLiteral("%1 needs a file name").arg(command));
    if (!suite().currentWindow)
        throw BatchError(QStringLiteral("there is no current window to %1").arg(command));
    return file;
}

const BatchCommand printCommand(QStringLiteral("print"), [](BatchContext&, const QString& arg) {
    const QString file = fileArgument(QStringLiteral("print"), arg);
    // A tool window with a print button of its own prints through it.
    auto* ownPrint = suite().currentWindow->findChild<QAbstractButton*>(QStringLiteral("Toolbar1(2)"));
    if (ownPrint && ownPrint->text() != QLatin1String("Print"))
        ownPrint = nullptr;
    if (!toolbarButtonVisible(1) && !ownPrint)
        throw BatchError(QStringLiteral("the Print toolbar button is not shown"));
    QPrinter pdf(QPrinter::HighResolution);
    setUpPdf(pdf, file);
    PrinterOverride use(&pdf);
    if (!toolbarButtonVisible(1) && ownPrint)
        ownPrint->click();
    else
        MainWindow::instance()->Toolbar1_ButtonClick(1);
});

// Prints the number of pages; a printer that cannot open the file prints none.
const BatchCommand bookletCommand(QStringLiteral("booklet"), [](BatchContext& c, const QString& arg) {
    const QString file = fileArgument(QStringLiteral("booklet"), arg);
    QPrinter pdf(QPrinter::HighResolution);
    setUpPdf(pdf, file);
    c.out << "pages\t" << printBooklet(pdf) << '\n';
});

// A failure is shown in a message box, as the File menu's export shows it.
const BatchCommand exportCommand(QStringLiteral("export"), [](BatchContext&, const QString& arg) {
    const QStringList words = arg.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty() || words.size() > 2)
        throw BatchError(QStringLiteral("export needs a file name and, for PNG, a scale"));
    bool ok = true;
    const double scale = words.size() == 2 ? words[1].toDouble(&ok) : 1.0;
    if (!ok)
        throw BatchError(QStringLiteral("export: '%1' is not a scale").arg(words[1]));
    exportCurrentPicture(words[0], scale);
});

const BatchCommand clipboardCommand(QStringLiteral("clipboard"), [](BatchContext& c, const QString& arg) {
    if (!arg.trimmed().isEmpty())
        throw BatchError(QStringLiteral("clipboard takes no argument"));
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (data && data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        c.out << "image\t" << image.width() << 'x' << image.height() << '\n';
    } else if (data && data->hasText()) {
        QString text = data->text();
        text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
        text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        text.replace(QLatin1Char('\r'), QLatin1String("\\n"));
        c.out << "text\t" << text << '\n';
    } else {
        c.out << "empty\n";
    }
});

}  // namespace
}  // namespace orr
