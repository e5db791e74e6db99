// Picture export: PNG through the raster replay of the drawing, SVG through
// the same replay onto Qt's SVG generator, each written with QSaveFile so a
// full disk or a folder that cannot be written leaves no half file behind.
#include "shell/picture_export.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgGenerator>

#include "platform/dialog_answers.h"
#include "platform/form.h"
#include "platform/msgbox.h"
#include "platform/picture.h"
#include "shell/main_window.h"
#include "shell/print_copy.h"
#include "shell/shell_actions.h"
#include "state/suite_state.h"
#include "topics/framework/topic_table.h"

namespace orr {

namespace {

const QString kDialogTitle = QStringLiteral("Save Picture As");

QByteArray pngBytes(const PictureBox& picture, double scale, QString& error)
{
    // Its resolution keeps the picture's printed size: 96 dots to the inch at 1x, 384 at 4x.
    const QImage image = picture.renderImage(scale);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    if (!writer.write(image))
        error = writer.errorString();
    return bytes;
}

QByteArray svgBytes(const PictureBox& picture, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = picture.size().expandedTo(QSize(1, 1));
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    // At 96 dots to the inch a point size draws as large as on the screen.
    svg.setResolution(96);
    svg.setTitle(title);
    svg.setDescription(makersNotice());
    QPainter p(&svg);
    p.setClipRect(QRect(QPoint(0, 0), size));
    picture.render(p);
    p.end();
    return bytes;
}

PictureBox* currentPicture1()
{
    Form* w = suite().currentWindow;
    return w ? w->findChild<PictureBox*>(QStringLiteral("Picture1")) : nullptr;
}

QString caption()
{
    Form* w = suite().currentWindow;
    return w ? w->caption() : QString();
}

}  // namespace

QString writePicture(const PictureBox& picture, const QString& file, double scale, const QString& title)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
        return QStringLiteral("A picture is saved as a .png or an .svg file.");
    if (!(scale >= 1 && scale <= 8))
        return QStringLiteral("A picture is saved at 1 to 8 times its size.");
    QString error;
    const QByteArray bytes = suffix == QLatin1String("svg") ? svgBytes(picture, title) : pngBytes(picture, scale, error);
    if (!error.isEmpty())
        return error;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    if (out.write(bytes) != bytes.size() || !out.commit())
        return out.errorString();
    return QString();
}

bool exportCurrentPicture(const QString& file, double scale)
{
    Form* w = suite().currentWindow;
    PictureBox* picture = currentPicture1();
    QString error = QStringLiteral("The active window has no picture to save.");
    auto write = [&] { error = writePicture(*picture, file, scale, caption()); };
    // A topic is saved as it prints, at its design size; an editor's picture
    // (a circuit, an equation) as it stands.
    if (w && picture)
        topicByName(w->name()) ? atDesignSize(w, write) : write();
    if (error.isEmpty())
        return true;
    msgBox(QStringLiteral("The picture could not be saved as %1.\n%2").arg(QFileInfo(file).fileName(), error),
           MsgButtons::Ok, kDialogTitle);
    return false;
}

void savePictureAs()
{
    if (!currentPicture1()) {
        msgBox(QStringLiteral("The active window has no picture to save."), MsgButtons::Ok, kDialogTitle);
        return;
    }
    const QString png1 = QStringLiteral("PNG image (*.png)");
    const QString png2 = QStringLiteral("PNG image, 2 × size (*.png)");
    const QString png4 = QStringLiteral("PNG image, 4 × size (*.png)");
    const QString svg = QStringLiteral("SVG drawing (*.svg)");
    QString file;
    double scale = 1;
    if (messageBoxesSilent()) {
        file = takeDialogAnswer().value_or(QString());
    } else {
        QFileDialog d(MainWindow::instance(), kDialogTitle);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setNameFilters({png1, png2, png4, svg});
        d.selectNameFilter(png2);
        d.setDefaultSuffix(QStringLiteral("png"));
        // Pictures go to the pictures folder (else home, then where the last one
        // went), named after the window.
        static QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        d.setDirectory(QDir(folder).exists() ? folder : QDir::homePath());
        d.selectFile(caption().simplified().replace(QLatin1Char('/'), QLatin1Char('-')));
        QObject::connect(&d, &QFileDialog::filterSelected, &d, [&d, svg](const QString& f) {
            d.setDefaultSuffix(f == svg ? QStringLiteral("svg") : QStringLiteral("png"));
        });
        if (d.exec() != QDialog::Accepted)
            return;
        file = d.selectedFiles().value(0);
        folder = QFileInfo(file).absolutePath();
        const QString filter = d.selectedNameFilter();
        scale = filter == png4 ? 4 : filter == png2 ? 2 : 1;
    }
    if (!file.isEmpty())
        exportCurrentPicture(file, scale);
}

}  // namespace orr
