// Batch commands of printing and copying: print FILE (the Print toolbar
// action into a PDF file) and clipboard (what the clipboard holds).
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPageSize>
#include <QPrinter>

#include "batch/batch_command.h"
#include "shell/main_window.h"
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

const BatchCommand printCommand(QStringLiteral("print"), [](BatchContext&, const QString& arg) {
    const QString file = arg.trimmed();
    if (file.isEmpty())
        throw BatchError(QStringLiteral("print needs a file name"));
    if (!suite().currentWindow)
        throw BatchError(QStringLiteral("there is no current window to print"));
    // A tool window with a print button of its own prints through it.
    auto* ownPrint = suite().currentWindow->findChild<QAbstractButton*>(QStringLiteral("Toolbar1(2)"));
    if (ownPrint && ownPrint->text() != QLatin1String("Print"))
        ownPrint = nullptr;
    if (!toolbarButtonVisible(1) && !ownPrint)
        throw BatchError(QStringLiteral("the Print toolbar button is not shown"));
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setCreator(suite().applicationTitle);
    PrinterOverride use(&pdf);
    if (!toolbarButtonVisible(1) && ownPrint)
        ownPrint->click();
    else
        MainWindow::instance()->Toolbar1_ButtonClick(1);
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
