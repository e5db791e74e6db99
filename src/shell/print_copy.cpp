// Print page and copy to clipboard: the current window and the companion
// window last active turned into one printed page or one clipboard item.
#include "shell/print_copy.h"
#include "topics/framework/members.h"

#include <cmath>

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <memory>

#include "platform/form.h"
#include "platform/msgbox.h"
#include "platform/picture.h"
#include "shell/chart_source.h"
#include "shell/companion_windows.h"
#include "shell/main_window.h"
#include "shell/page_layout.h"
#include "state/suite_state.h"

namespace orr {

namespace {

QPrinter* g_printerOverride = nullptr;

QString withoutTrailingBlanks(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}

PictureBox* pictureOf(Form* w, const char* name)
{
    return w ? w->findChild<PictureBox*>(QLatin1String(name)) : nullptr;
}

bool canAskTheLearner()
{
    const QString platform = QGuiApplication::platformName();
    return !messageBoxesSilent() && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// The printer a page goes to without a preview: the default printer with its
// own settings. Where no printer is configured at all, the learner gets the
// system print dialog instead (it can print to a PDF file too); cancelling
// it, or running without a screen to show it on, prints nothing, as a
// missing printer would.
std::unique_ptr<QPrinter> defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!canAskTheLearner())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), MainWindow::instance());
    dialog.setWindowTitle(QStringLiteral("Print."));
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return printer;
}

// Text and pictures placed on the page in twips.
class TwipsPage {
public:
    TwipsPage(QPainter& painter, int resolution) : p_(painter), dotsPerTwip_(resolution / double(page::kTwipsPerInch))
    {
    }

    void setFont(int pointSize)
    {
        QFont f(QStringLiteral("Verdana"));
        f.setPointSize(pointSize);
        f.setBold(false);
        f.setItalic(false);
        p_.setFont(f);
        p_.setPen(Qt::black);
    }

    // Prints with the top of the text at (x, y), as the printer's current point places it.
    void print(int x, int y, const QString& text)
    {
        const QFontMetricsF fm(p_.font(), p_.device());
        p_.drawText(QPointF(dots(x), dots(y) + fm.ascent()), text);
    }

    // A picture at its own size (15 twips to the pixel) or stretched to width x height twips.
    // Pixels are enlarged as sharp squares, never smoothed into a blur.
    void paintPicture(const QImage& image, int x, int y, int width = -1, int height = -1)
    {
        if (image.isNull())
            return;
        // Its own size counts in screen pixels, however finely the image was drawn.
        const QSizeF own = image.deviceIndependentSize() * kTwipsPerPixel;
        const double w = width < 0 ? own.width() : width;
        const double h = height < 0 ? own.height() : height;
        p_.save();
        p_.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p_.drawImage(QRectF(dots(x), dots(y), dots(w), dots(h)), sharpened(image, dots(w), dots(h)));
        p_.restore();
    }

    // A picture box's drawing made again on the page as lines, fills and real
    // text, at 15 twips to the picture's pixel, clipped to the box.
    void paintPicture(const PictureBox& picture, int x, int y)
    {
        const double pixel = dots(kTwipsPerPixel);
        p_.save();
        p_.translate(dots(x), dots(y));
        p_.scale(pixel, pixel);
        p_.setClipRect(QRectF(QPointF(0, 0), QSizeF(picture.size())));
        picture.render(p_);
        p_.restore();
    }

private:
    double dots(double twips) const { return twips * dotsPerTwip_; }

    // The image enlarged by a whole number of times, as near the printed size as
    // that goes, so that every pixel becomes an even square of printer dots and
    // no renderer down the line interpolates between pixels.
    static QImage sharpened(const QImage& image, double targetW, double targetH)
    {
        const int fx = std::max(1, int(targetW / image.width()));
        const int fy = std::max(1, int(targetH / image.height()));
        const int f = std::min({fx, fy, kMaxEnlargement});
        if (f <= 1)
            return image;
        return image.scaled(image.width() * f, image.height() * f, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    static constexpr int kMaxEnlargement = 8;

    QPainter& p_;
    double dotsPerTwip_;
};

// The picture as an image and, beside it, its texts and the theory
// paragraphs as plain text: a word processor pastes the image, a text
// editor the words.
QMimeData* pictureWithWords(const PictureBox& picture, const std::array<QString, 4>& theory)
{
    // The notice printed on the copy goes last, not into the diagram's lines.
    std::vector<PrintedText> texts;
    for (const PrintedText& t : picture.printedTexts())
        if (t.text != makersNotice())
            texts.push_back(t);
    QStringList parts{readingLines(texts, picture.textHeight() / 2).join(QLatin1Char('\n'))};
    for (const QString& p : theory)
        if (!p.trimmed().isEmpty())
            parts << p;
    parts << makersNotice();
    auto* data = new QMimeData;
    data->setImageData(picture.image());
    data->setText(parts.join(QStringLiteral("\n\n")));
    return data;
}

}  // namespace

QString makersNotice() { return QStringLiteral("Orrinvale V10 : free teaching software."); }

QStringList readingLines(std::vector<PrintedText> texts, double tolerance)
{
    std::erase_if(texts, [](const PrintedText& t) { return t.text.trimmed().isEmpty(); });
    std::stable_sort(texts.begin(), texts.end(), [](const PrintedText& a, const PrintedText& b) { return a.y < b.y; });
    QStringList lines;
    for (size_t first = 0; first < texts.size();) {
        // A line takes every text that starts within the tolerance of its first one.
        size_t end = first + 1;
        while (end < texts.size() && texts[end].y - texts[first].y <= tolerance)
            ++end;
        std::stable_sort(texts.begin() + long(first), texts.begin() + long(end),
                         [](const PrintedText& a, const PrintedText& b) { return a.x < b.x; });
        QStringList cells;
        for (size_t i = first; i < end; ++i)
            cells << texts[i].text.trimmed();
        lines << cells.join(QLatin1Char('\t'));
        first = end;
    }
    return lines;
}

void setPrinterOverride(QPrinter* printer) { g_printerOverride = printer; }

QPrinter* pagePrinter(std::unique_ptr<QPrinter>& own)
{
    if (g_printerOverride)
        return g_printerOverride;
    own = defaultPrinter();
    return own.get();
}

std::vector<PrintedLine> wrapParagraph(const QString& paragraph, int limit, int& y)
{
    std::vector<PrintedLine> lines;
    QString text = paragraph + QString(page::kAppendedBlanks, QLatin1Char(' '));
    while (text.size() >= limit) {
        qsizetype previous = -1;
        qsizetype cut = -1;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) != QLatin1Char(' '))
                continue;
            if (i >= limit) {
                // A word longer than a line has no blank before it: it goes on a line of its own.
                cut = previous >= 0 ? previous : i;
                break;
            }
            previous = i;
        }
        if (cut < 0)
            break;  // only the appended blanks reach the limit: the rest fits on one line
        lines.push_back({withoutTrailingBlanks(text.left(cut)), y});
        y += page::kLineStep;
        text = text.mid(cut + 1);
    }
    lines.push_back({withoutTrailingBlanks(text), y});
    y += page::kParagraphGap;
    return lines;
}

void paintPage(QPainter& painter, const QPrinter& printer, PageParts parts)
{
    SuiteState& s = suite();
    Form* w = s.currentWindow;
    TwipsPage pg(painter, printer.resolution());
    pg.setFont(page::kCaptionSize);
    if (w)
        pg.print(page::kCaptionX, page::kCaptionY, w->caption());
    pg.setFont(page::kNoticeSize);
    pg.print(page::kNoticeX, page::kNoticeY, makersNotice());

    if (PictureBox* picture = pictureOf(w, "Picture1"))
        pg.paintPicture(*picture, page::kPictureX, page::kPictureY);
    int y = page::kTheoryY;

    pg.setFont(page::kParagraphSize);
    for (const QString& paragraph : s.theory)
        for (const PrintedLine& line : wrapParagraph(paragraph, page::kLineLimit, y))
            pg.print(page::kParagraphX, line.y, line.text);

    if (s.toolbarFlags.calcs)
        if (PictureBox* calcbox = pictureOf(w, "Calcbox")) {
            pg.paintPicture(*calcbox, page::kPictureX, y);
            // Printing is done at the design size, where the box is drawn one to one.
            y += calcbox->height() * kTwipsPerPixel;
        }

    if (parts == PageParts::WithGraph && s.toolbarFlags.graph) {
        // The graph window left its chart on the clipboard; the hidden
        // Printing window holds it on the way to the page.
        const QImage chart = QApplication::clipboard()->image();
        if (auto* holder = formAs<PrintingWindow>(QStringLiteral("Printing")); holder && !chart.isNull()) {
            holder->Picture1->resize(chart.size());
            holder->Picture1->cls();
            holder->Picture1->paintPicture(chart, 0, 0);
            pg.paintPicture(holder->Picture1->image(), page::kGraphX, page::kGraphY, page::kGraphWidth,
                            page::kGraphHeight);
        }
    }
}

void printOn(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        reportPrinterFailure(printer);
        return;
    }
    paintPage(painter, printer, PageParts::WithGraph);
    painter.end();
}

void reportPrinterFailure(const QPrinter& printer)
{
    const QString where =
        printer.outputFileName().isEmpty() ? printer.printerName() : QFileInfo(printer.outputFileName()).fileName();
    msgBox(QStringLiteral("Nothing could be printed on %1: the printer or file cannot be opened.").arg(where),
           MsgButtons::Ok, QStringLiteral("Print"));
}

std::unique_ptr<QPrintPreviewDialog> pagePreview(QPrinter& printer, QWidget* parent)
{
    auto preview = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    preview->setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(preview.get(), &QPrintPreviewDialog::paintRequested, [](QPrinter* p) { printOn(*p); });
    return preview;
}

namespace {
// With a screen, Print shows the page as it will print first; the preview's
// own Print button offers every printer, a PDF file among them.
void previewAndPrint()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(QPrinter::HighResolution);
    if (!info.isNull())
        printer.setPrinterName(info.printerName());
    printer.setPageSize(QPageSize(QPageSize::A4));
    const std::unique_ptr<QPrintPreviewDialog> preview = pagePreview(printer, MainWindow::instance());
    preview->exec();
}
}  // namespace

void printPage()
{
    if (g_printerOverride) {
        printOn(*g_printerOverride);
    } else if (canAskTheLearner()) {
        previewAndPrint();
    } else if (const std::unique_ptr<QPrinter> printer = defaultPrinter()) {
        printOn(*printer);
    }
    QApplication::clipboard()->clear();
}

void copyToClipboard()
{
    SuiteState& s = suite();
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    Form* w = s.currentWindow;
    const QString& br = s.paragraphBreak;
    auto copyText = [&](const char* name) {
        if (auto* t = dynamic_cast<TextWindow*>(FormRegistry::instance().loadedForm(QLatin1String(name))))
            clipboard->setText(t->caption() + br + t->label()->caption());
    };
    auto copyChart = [&](Form* f) {
        auto* chart = dynamic_cast<ChartSource*>(f);
        if (!chart || !chart->showsChart())
            return false;
        chart->copyChartToClipboard();
        return true;
    };

    switch (s.copySource) {
    case 0:
        if (PictureBox* picture = pictureOf(w, "Picture1")) {
            s.currentPicture = picture;
            if (!(w->name() == QLatin1String("GraphEditor") && copyChart(w)))
                clipboard->setMimeData(pictureWithWords(*picture, s.theory));
        }
        break;
    case 1:
        if (PictureBox* calcbox = pictureOf(w, "Calcbox"))
            clipboard->setImage(calcbox->image());
        break;
    case 2:
        copyText("Theory");
        break;
    case 3:
        copyChart(FormRegistry::instance().loadedForm(QStringLiteral("Plotform")));
        break;
    case 4:
        copyText("SubText");
        break;
    default:
        break;
    }
    s.copySource = 0;
}

}  // namespace orr
