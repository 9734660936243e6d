// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures come back cut to the box from the top-left corner, or stretched to
// the box; files that hold no picture are failures, never an empty success.
#include "pictures/PictureLoader.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {

// A picture whose every pixel tells its position.
QImage positionPicture(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256)));
    return img;
}

const QSize kCell(159, 119);

} // namespace

class PictureLoaderFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void clipGivesTheTopLeftCornerAtMostTheBoxSize_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QSize>("expected");
        for (const char *f : {"BMP", "JPG"}) {
            QTest::addRow("%s larger than the box", f) << f << QSize(600, 400) << kCell;
            QTest::addRow("%s smaller than the box", f) << f << QSize(100, 50) << QSize(100, 50);
            QTest::addRow("%s wider than the box", f) << f << QSize(300, 60) << QSize(159, 60);
            QTest::addRow("%s exactly the box", f) << f << kCell << kCell;
        }
    }
    void clipGivesTheTopLeftCornerAtMostTheBoxSize()
    {
        QFETCH(QString, format);
        QFETCH(QSize, pictureSize);
        QFETCH(QSize, expected);
        const QImage source = positionPicture(pictureSize.width(), pictureSize.height());
        const QString path = save(source, format);
        const LoadedPicture pic = loadPicture(path, kCell, PictureFit::Clip);
        QVERIFY2(pic.ok, qPrintable(pic.error));
        QCOMPARE(pic.naturalSize, pictureSize);
        QCOMPARE(pic.image.size(), expected);
        // the same pixels as the top-left corner of the picture, not a scaled copy
        const int tolerance = format == QLatin1String("BMP") ? 0 : 24;
        for (const QPoint p : {QPoint(0, 0), QPoint(expected.width() - 1, expected.height() - 1),
                               QPoint(expected.width() / 2, 3), QPoint(5, expected.height() - 5)}) {
            const QRgb got = pic.image.pixel(p), want = source.pixel(p);
            QVERIFY2(qAbs(qRed(got) - qRed(want)) <= tolerance && qAbs(qGreen(got) - qGreen(want)) <= tolerance,
                     qPrintable(QStringLiteral("pixel %1,%2").arg(p.x()).arg(p.y())));
        }
    }

    void stretchGivesExactlyTheBoxSize_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSize>("pictureSize");
        for (const char *f : {"BMP", "JPG"}) {
            QTest::addRow("%s larger", f) << f << QSize(640, 480);
            QTest::addRow("%s smaller", f) << f << QSize(40, 30);
            QTest::addRow("%s other shape", f) << f << QSize(50, 400);
        }
    }
    void stretchGivesExactlyTheBoxSize()
    {
        QFETCH(QString, format);
        QFETCH(QSize, pictureSize);
        QImage source(pictureSize, QImage::Format_RGB32);
        source.fill(Qt::white);
        // left half red, right half blue: a stretched picture keeps that split
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width() / 2; ++x)
                source.setPixel(x, y, qRgb(255, 0, 0));
        for (int y = 0; y < source.height(); ++y)
            for (int x = source.width() / 2; x < source.width(); ++x)
                source.setPixel(x, y, qRgb(0, 0, 255));
        const QString path = save(source, format);
        const QSize box(362, 272);
        const LoadedPicture pic = loadPicture(path, box, PictureFit::Stretch);
        QVERIFY2(pic.ok, qPrintable(pic.error));
        QCOMPARE(pic.naturalSize, pictureSize);
        QCOMPARE(pic.image.size(), box);
        QVERIFY(qRed(pic.image.pixel(10, box.height() / 2)) > 200);
        QVERIFY(qBlue(pic.image.pixel(box.width() - 10, box.height() / 2)) > 200);
    }

    void filesWithoutAPictureFail_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QByteArray noise(4096, '\0');
        QRandomGenerator gen(4711);
        for (char &c : noise)
            c = char(gen.bounded(256));
        QTest::newRow("empty .bmp") << "leer.bmp" << QByteArray();
        QTest::newRow("empty .jpg") << "leer.jpg" << QByteArray();
        QTest::newRow("random bytes .bmp") << "rauschen.bmp" << noise;
        QTest::newRow("random bytes .jpg") << "rauschen.jpg" << noise;
        QTest::newRow("text named .gif") << "text.gif" << QByteArray("Hund\r\nKatze\r\n");
        QTest::newRow("bitmap header only") << "kopf.bmp" << QByteArray("BM\x36\x00\x00\x00", 6);
    }
    void filesWithoutAPictureFail()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFile f(m_dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        for (PictureFit fit : {PictureFit::Clip, PictureFit::Stretch}) {
            const LoadedPicture pic = loadPicture(f.fileName(), kCell, fit);
            QVERIFY(!pic.ok);
            QVERIFY(pic.image.isNull());
            QVERIFY(!pic.error.isEmpty());
            const LoadedPicture data = loadPictureData(bytes, kCell, fit);
            QVERIFY(!data.ok);
            QVERIFY(data.image.isNull());
        }
    }

    void missingFilesAndFoldersFail()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("ordner.bmp")));
        for (const QString &name : {QStringLiteral("fehlt.bmp"), QStringLiteral("ordner.bmp"), QString()}) {
            const LoadedPicture pic = loadPicture(name.isEmpty() ? name : m_dir.filePath(name), kCell,
                                                  PictureFit::Clip);
            QVERIFY(!pic.ok);
            QVERIFY(!pic.error.isEmpty());
        }
    }

    void theContentDecidesTheFormatNotTheName()
    {
        // a JPEG file named .bmp (renamed on Windows) still shows
        const QString jpeg = save(positionPicture(200, 150), QStringLiteral("JPG"));
        const QString renamed = m_dir.filePath(QStringLiteral("umbenannt.bmp"));
        QVERIFY(QFile::copy(jpeg, renamed));
        const LoadedPicture pic = loadPicture(renamed, kCell, PictureFit::Clip);
        QVERIFY2(pic.ok, qPrintable(pic.error));
        QCOMPARE(pic.image.size(), kCell);
    }

private:
    QString save(const QImage &img, const QString &format)
    {
        const QString path = m_dir.filePath(QStringLiteral("bild%1.%2").arg(++m_count).arg(format.toLower()));
        if (!img.save(path, format.toLatin1().constData(), 95))
            qFatal("cannot save %s", qPrintable(path));
        return path;
    }

    QTemporaryDir m_dir;
    int m_count = 0;
};

QTEST_MAIN(PictureLoaderFitTest)
#include "PictureLoaderFitTest.moc"
