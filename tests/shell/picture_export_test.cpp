// Picture export: PNG at each scale, SVG as vectors with the picture's texts,
// and the failures that must leave nothing behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "platform/picture.h"
#include "shell/picture_export.h"

namespace orr {
namespace {

void drawSample(PictureBox& p)
{
    p.resize(300, 150);
    p.setScaleWidth(300);
    p.setScaleHeight(150);
    p.cls();
    p.line(10, 10, 290, 140, Qt::blue, true);
    p.circle(150, 75, 40, Qt::red);
    p.currentX = 20;
    p.currentY = 20;
    p.print(QStringLiteral("A AND B"));
    p.currentX = 20;
    p.currentY = 100;
    p.print(QStringLiteral("Q = 1 & 2 < 3"));
}

TEST(PictureExport, PngAtEachScaleKeepsThePrintedSize)
{
    PictureBox p;
    drawSample(p);
    QTemporaryDir dir;
    for (int scale : {1, 2, 4}) {
        SCOPED_TRACE(scale);
        const QString file = dir.filePath(QStringLiteral("pic%1.png").arg(scale));
        ASSERT_EQ(writePicture(p, file, scale, QStringLiteral("Gates")), QString());
        QImageReader reader(file);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(300 * scale, 150 * scale));
        // 96 dots to the inch at 1x: the same size on paper at every scale.
        EXPECT_NEAR(image.dotsPerMeterX() / double(scale), 3780, 2);
    }
}

TEST(PictureExport, SvgIsVectorsWithThePicturesTexts)
{
    PictureBox p;
    drawSample(p);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("pic.svg"));
    ASSERT_EQ(writePicture(p, file, 1, QStringLiteral("Gates")), QString());
    QSvgRenderer svg(file);
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, 300, 150));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("A AND B")));
    EXPECT_TRUE(text.contains(QStringLiteral("Q = 1 &amp; 2 &lt; 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("<title>Gates</title>")));
    EXPECT_FALSE(text.contains(QStringLiteral("<image")));  // no embedded bitmap
}

TEST(PictureExport, AnInvertedBarFramesTheTextInVectors)
{
    // On screen the bar inverts the row under it; vectors cannot invert, and a
    // solid bar would hide the row's text.
    PictureBox p;
    drawSample(p);
    p.drawMode = DrawMode::NotXorPen;
    p.line(10, 18, 200, 34, Qt::magenta, true, true);
    p.drawMode = DrawMode::Copy;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bar.svg"));
    ASSERT_EQ(writePicture(p, file, 1, QString()), QString());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("A AND B")));
    EXPECT_FALSE(text.contains(QStringLiteral("fill=\"#ff00ff\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("stroke=\"#ff00ff\"")));
}

TEST(PictureExport, FailuresSayWhyAndLeaveNoFile)
{
    PictureBox p;
    drawSample(p);
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // An administrator writes into any folder: the locked case only counts where it is locked.
    QFile probe(locked + QStringLiteral("/probe"));
    const bool lockHolds = !probe.open(QIODevice::WriteOnly);
    probe.remove();
    const struct {
        const char* what;
        QString file;
        double scale;
    } cases[] = {
        {"folder that does not exist", dir.filePath(QStringLiteral("none/pic.png")), 1},
        {"folder that cannot be written", locked + QStringLiteral("/pic.svg"), 1},
        {"unknown format", dir.filePath(QStringLiteral("pic.bmp")), 1},
        {"scale out of range", dir.filePath(QStringLiteral("big.png")), 16},
        {"scale below one", dir.filePath(QStringLiteral("small.png")), 0.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.file.startsWith(locked) && !lockHolds)
            continue;
        EXPECT_NE(writePicture(p, c.file, c.scale, QString()), QString());
        EXPECT_FALSE(QFile::exists(c.file));
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
}  // namespace orr
