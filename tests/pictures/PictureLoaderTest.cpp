// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureBox.h"
#include "pictures/PictureLoader.h"

#include "ProgramFolder.h"
#include "WmfWriter.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;
using duplikon::test::encodePicture;

namespace {

QImage quarters(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 0));
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x)
            img.setPixel(x, y, qRgb(0, 0, 255));
    return img;
}

void put32(QByteArray &b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

} // namespace

class PictureLoaderTest : public QObject {
    Q_OBJECT
private slots:
    void clipAndStretchGiveTheShownSize_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QImage img = quarters(400, 300);
        QTest::newRow("bmp") << encodePicture(img, "bmp");
        QTest::newRow("gif") << encodePicture(img, "gif");
        QTest::newRow("jpg") << encodePicture(img, "jpg");
        WmfWriter w;
        w.setPlaceable(QRect(0, 0, 400, 300), 96);
        w.setWindowOrg(0, 0);
        w.setWindowExt(400, 300);
        w.selectObject(w.createPen(WmfWriter::PsNull, 0, Qt::black));
        w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(255, 0, 0)));
        w.rectangle(QRect(0, 0, 200, 300));
        w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(0, 0, 255)));
        w.rectangle(QRect(200, 0, 200, 300));
        QTest::newRow("wmf") << w.finish();
    }

    void clipAndStretchGiveTheShownSize()
    {
        QFETCH(QByteArray, bytes);
        const LoadedPicture cell = loadPictureData(bytes, QSize(161, 121), PictureFit::Clip);
        QVERIFY2(cell.ok, qPrintable(cell.error));
        QCOMPARE(cell.naturalSize, QSize(400, 300));
        QCOMPARE(cell.image.size(), QSize(161, 121)); // only the clip rectangle
        QVERIFY(qRed(cell.image.pixel(150, 60)) > 200); // still the left (red) half

        const LoadedPicture big = loadPictureData(bytes, QSize(833, 505), PictureFit::Stretch);
        QVERIFY2(big.ok, qPrintable(big.error));
        QCOMPARE(big.image.size(), QSize(833, 505));
        QVERIFY(qBlue(big.image.pixel(700, 250)) > 200); // the right half, stretched

        const LoadedPicture small = loadPictureData(bytes, QSize(1000, 1000), PictureFit::Clip);
        QCOMPARE(small.image.size(), QSize(400, 300)); // a small picture keeps its size

        QTemporaryDir dir; // the same from a file
        const QString path = dir.filePath(QStringLiteral("Bild"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QCOMPARE(loadPicture(path, QSize(161, 121), PictureFit::Clip).image.size(), QSize(161, 121));
        QCOMPARE(loadPicture(path, QSize(833, 505), PictureFit::Stretch).image.size(), QSize(833, 505));
    }

    void damagedAndHostileFilesAreDetectedFailures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QImage img = quarters(64, 48);
        const QByteArray jpg = encodePicture(img, "jpg"), gif = encodePicture(img, "gif"), bmp = encodePicture(img, "bmp");
        QTest::newRow("truncated jpeg") << jpg.left(jpg.size() / 2);
        QTest::newRow("truncated gif") << gif.left(gif.size() / 2);
        QTest::newRow("truncated bmp") << bmp.left(bmp.size() / 2);
        QByteArray random(4096, '\0');
        QRandomGenerator gen(7);
        for (char &c : random)
            c = char(gen.bounded(256));
        QTest::newRow("random bytes") << random;
        QByteArray huge = bmp;
        put32(huge, 18, 60000); // header claims 60000 × 60000 pixels
        put32(huge, 22, 60000);
        QTest::newRow("bmp claims 60000 x 60000") << huge;
        QByteArray hugeJpeg = jpg; // the size in the frame header
        const int sof = hugeJpeg.indexOf("\xFF\xC0");
        QVERIFY(sof > 0);
        hugeJpeg[sof + 5] = char(0xEA);
        hugeJpeg[sof + 6] = char(0x60);
        hugeJpeg[sof + 7] = char(0xEA);
        hugeJpeg[sof + 8] = char(0x60);
        QTest::newRow("jpeg claims 60000 x 60000") << hugeJpeg;
        QTest::newRow("an SVG that draws another file") << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='9' "
            "height='9'><image href='/usr/share/duplikon/demo/Hund.bmp' width='9' height='9'/></svg>");
    }

    void damagedAndHostileFilesAreDetectedFailures()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Bild.jpg"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        for (PictureFit fit : { PictureFit::Clip, PictureFit::Stretch }) {
            for (const LoadedPicture &p : { loadPictureData(bytes, QSize(161, 121), fit),
                                            loadPicture(path, QSize(161, 121), fit) }) {
                QVERIFY(!p.ok);
                QVERIFY(!p.error.isEmpty());
                QVERIFY(p.image.isNull());
            }
        }
    }

    void missingAndEmptyFilesGiveGermanReasons()
    {
        QTemporaryDir dir;
        const QString empty = dir.filePath(QStringLiteral("Leer.bmp"));
        QFile f(empty);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        LoadedPicture p = loadPicture(empty, QSize(161, 121), PictureFit::Clip);
        QVERIFY(!p.ok);
        QCOMPARE(p.error, QStringLiteral("Die Bilddatei ist leer."));
        p = loadPicture(dir.filePath(QStringLiteral("Fehlt.wmf")), QSize(161, 121), PictureFit::Clip);
        QVERIFY(!p.ok);
        QCOMPARE(p.error, QStringLiteral("Die Bilddatei ist nicht vorhanden."));
        p = loadPicture(dir.path(), QSize(161, 121), PictureFit::Clip);
        QVERIFY(!p.ok);
    }

    void pictureBoxShowsAMetafileAtItsSize()
    {
        QTemporaryDir dir;
        WmfWriter w;
        w.setPlaceable(QRect(0, 0, 300, 200), 96);
        w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(0, 128, 0)));
        w.ellipse(QRect(0, 0, 300, 200));
        const QString path = dir.filePath(QStringLiteral("Baum.wmf"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(w.finish());
        f.close();

        PictureBox cell(nullptr, PictureFit::Clip);
        cell.resize(161, 121);
        QVERIFY(cell.loadFile(path));
        QCOMPARE(cell.image().size(), QSize(161, 121));
        PictureBox solution(nullptr, PictureFit::Stretch);
        solution.resize(833, 505);
        QVERIFY(solution.loadFile(path));
        QCOMPARE(solution.image().size(), QSize(833, 505));
    }
};

QTEST_MAIN(PictureLoaderTest)
#include "PictureLoaderTest.moc"
