// The suite at the screen scale factors of ordinary, HiDPI and projector
// displays: every text of a picture lands at the same logical place, and the
// picture has as many more pixels as the screen has.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>

namespace orr {
namespace {

struct BatchRun {
    QStringList texts;
    QImage picture;
};

// Runs the program in batch mode at one scale factor: opens the contents
// position, prints its picture's texts and saves the picture.
BatchRun runAt(const QString& scale, int position, const QString& pictureFile)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral("./orrinvale"), {QStringLiteral("--batch"), QStringLiteral("-")});
    // A fixed seed: the statistics topics draw random data.
    program.write(QStringLiteral("seed 7\nopen %1\ntexts\nsave %2\n").arg(position).arg(pictureFile).toUtf8());
    program.closeWriteChannel();
    if (!program.waitForFinished(60000) || program.exitCode() != 0)
        return {};
    return {QString::fromUtf8(program.readAllStandardOutput()).split(QLatin1Char('\n')), QImage(pictureFile)};
}

TEST(ScaleFactor, TextsStayInPlaceAndPicturesGainPixels)
{
    QTemporaryDir dir;
    // Logic gates, the data bus, a counter, the microprocessor and the statistics chart topic.
    for (int position : {116, 196, 168, 234, 100}) {
        SCOPED_TRACE(position);
        const BatchRun plain = runAt(QStringLiteral("1"), position, dir.filePath(QStringLiteral("p1.png")));
        ASSERT_FALSE(plain.texts.isEmpty());
        ASSERT_FALSE(plain.picture.isNull());
        for (const char* scale : {"1.5", "2"}) {
            SCOPED_TRACE(scale);
            const BatchRun scaled = runAt(QLatin1String(scale), position, dir.filePath(QStringLiteral("p2.png")));
            EXPECT_EQ(scaled.texts, plain.texts);
            const double k = QByteArray(scale).toDouble();
            EXPECT_EQ(scaled.picture.width(), int(std::ceil(plain.picture.width() * k)));
            EXPECT_EQ(scaled.picture.height(), int(std::ceil(plain.picture.height() * k)));
        }
    }
}

}  // namespace
}  // namespace orr
