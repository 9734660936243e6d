// SPDX-License-Identifier: GPL-3.0-or-later
// Decoded pictures are reused for the same file and box, and decoded afresh
// when the file changes on disk.
#include "platform/PictureLoader.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

class PictureCacheTest : public QObject {
    Q_OBJECT

private:
    static void writeProgressive(const QString &path, const QColor &colour)
    {
        QImage img(400, 300, QImage::Format_RGB32);
        img.fill(colour);
        QImageWriter w(path, "jpeg");
        w.setProgressiveScanWrite(true);
        QVERIFY(w.write(img));
    }

private slots:
    void aChangedFileIsDecodedAfresh()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Bild.jpg"));
        writeProgressive(path, Qt::red);
        const LoadedPicture first = loadPicture(path, QSize(161, 121), PictureFit::Clip);
        QVERIFY(first.ok);
        QVERIFY(first.image.pixelColor(10, 10).red() > 240);
        // The same picture again, also at another size and fit.
        QCOMPARE(loadPicture(path, QSize(161, 121), PictureFit::Clip).image, first.image);
        QCOMPARE(loadPicture(path, QSize(80, 60), PictureFit::Stretch).image.size(), QSize(80, 60));

        // Replaced by the teacher: same name, other picture, other time.
        writeProgressive(path, Qt::blue);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        f.close();
        const LoadedPicture second = loadPicture(path, QSize(161, 121), PictureFit::Clip);
        QVERIFY(second.ok);
        QVERIFY(second.image.pixelColor(10, 10).blue() > 240);

        // A file that went away is a failure, whatever was decoded before.
        QVERIFY(QFile::remove(path));
        QVERIFY(!loadPicture(path, QSize(161, 121), PictureFit::Clip).ok);
    }
};

QTEST_MAIN(PictureCacheTest)
#include "PictureCacheTest.moc"
