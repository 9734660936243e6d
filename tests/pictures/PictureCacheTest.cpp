// SPDX-License-Identifier: GPL-3.0-or-later
// Decoded pictures are reused for the same file and box, and decoded afresh
// when the file changes on disk.
#include "pictures/PictureLoader.h"

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

    // A progressive photo shown in part decodes only its top rows; what is
    // shown is exactly the corner of the whole picture as the decoder gives it.
    void theShownCornerOfAProgressivePhotoIsExact()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Foto.jpg"));
        QImage img(600, 437, QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                img.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 5) % 256, (x * y / 3) % 256));
        QImageWriter w(path, "jpeg");
        w.setProgressiveScanWrite(true);
        QVERIFY(w.write(img));
        const QImage whole(path);
        for (const QSize box : {QSize(161, 121), QSize(160, 128), QSize(300, 421)}) {
            const LoadedPicture corner = loadPicture(path, box, PictureFit::Clip);
            QVERIFY(corner.ok);
            QCOMPARE(corner.naturalSize, QSize(600, 437));
            QCOMPARE(corner.image.convertToFormat(QImage::Format_RGB32),
                     whole.copy(QRect(QPoint(0, 0), box)).convertToFormat(QImage::Format_RGB32));
        }
    }

    // A board's pictures decoded together (on several threads) are the
    // pictures and failures that loading them one by one gives, and are kept.
    void picturesDecodedTogetherMatchOneByOne()
    {
        QTemporaryDir dir;
        QVector<PictureRequest> board;
        for (int i = 0; i < 6; ++i) {
            const QString path = dir.filePath(QStringLiteral("Bild%1.jpg").arg(i));
            writeProgressive(path, QColor::fromHsv(50 * i, 255, 255));
            board.append({path, QSize(161, 121), PictureFit::Clip});
        }
        QFile cut(dir.filePath(QStringLiteral("Bild0.jpg")));
        QVERIFY(cut.open(QIODevice::ReadOnly));
        QFile half(dir.filePath(QStringLiteral("halb.jpg")));
        QVERIFY(half.open(QIODevice::WriteOnly));
        half.write(cut.readAll().left(int(cut.size() / 2)));
        half.close();
        board.append({half.fileName(), QSize(161, 121), PictureFit::Clip});
        board.append({dir.filePath(QStringLiteral("fehlt.jpg")), QSize(161, 121), PictureFit::Clip});
        board.append(board.at(2)); // the same picture twice on one board
        board.append({board.at(3).path, QSize(80, 60), PictureFit::Stretch});

        clearPictureCache();
        const QVector<LoadedPicture> together = loadPictures(board);
        QCOMPARE(together.size(), board.size());
        for (int i = 0; i < board.size(); ++i)
            QCOMPARE(loadPicture(board.at(i).path, board.at(i).box, board.at(i).fit).image, together.at(i).image);
        for (int i = 0; i < board.size(); ++i) {
            const PictureRequest &q = board.at(i);
            clearPictureCache();
            const LoadedPicture alone = loadPicture(q.path, q.box, q.fit);
            QCOMPARE(together.at(i).ok, i < 6 || i > 7);
            QCOMPARE(together.at(i).ok, alone.ok);
            QCOMPARE(together.at(i).error, alone.error);
            QCOMPARE(together.at(i).naturalSize, alone.naturalSize);
            QCOMPARE(together.at(i).image, alone.image);
        }
    }
};

QTEST_MAIN(PictureCacheTest)
#include "PictureCacheTest.moc"
