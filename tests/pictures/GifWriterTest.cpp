// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/GifWriter.h"

#include "BmpWriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

using namespace duplikon;

namespace {

QImage decodeWithQt(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    QImage image;
    if (!reader.read(&image))
        qWarning() << "Qt cannot read the GIF:" << reader.errorString();
    return image.convertToFormat(QImage::Format_RGB32);
}

IndexedImage randomIndexed(int width, int height, int colours, quint32 seed, int runLength = 1)
{
    QRandomGenerator random(seed);
    IndexedImage img;
    img.width = width;
    img.height = height;
    for (int i = 0; i < colours; ++i)
        img.palette.append(qRgb(int(random.bounded(256)), int(random.bounded(256)), int(random.bounded(256))));
    img.pixels.resize(width * height);
    int value = 0;
    for (int i = 0; i < img.pixels.size(); ++i) {
        if (i % runLength == 0)
            value = int(random.bounded(colours));
        img.pixels[i] = char(value);
    }
    return img;
}

// Index of the first pixel whose decoded colour differs from its palette entry, or -1.
int firstMismatch(const IndexedImage &img, const QImage &decoded)
{
    if (decoded.size() != QSize(img.width, img.height))
        return 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const QRgb want = img.palette[quint8(img.pixels[y * img.width + x])] | 0xFF000000u;
            if (decoded.pixel(x, y) != want)
                return y * img.width + x;
        }
    return -1;
}


// A strict reading of the LZW stream: every code at the width the reader
// expects, the end code right after the last pixel, and no bytes left over.
// Qt's reader stops at the last pixel and forgives a wrong end code; others
// do not. Returns an empty string when the stream is sound.
QString strictLzwCheck(const QByteArray &gif, int pixelCount)
{
    const auto byte = [&gif](int i) { return i < gif.size() ? int(quint8(gif[i])) : -1; };
    int pos = 13 + ((byte(10) & 0x80) ? 3 * (2 << (byte(10) & 7)) : 0);
    if (byte(pos) != 0x2C)
        return QStringLiteral("no image descriptor");
    pos += 10;
    const int minCodeSize = byte(pos++);
    QByteArray data;
    while (byte(pos) > 0) {
        data.append(gif.mid(pos + 1, byte(pos)));
        pos += 1 + byte(pos);
    }
    if (byte(pos) != 0 || byte(pos + 1) != 0x3B)
        return QStringLiteral("no trailer");
    const int clearCode = 1 << minCodeSize, endCode = clearCode + 1;
    qint64 bit = 0;
    const auto read = [&](int width) {
        int v = 0;
        for (int i = 0; i < width; ++i, ++bit) {
            if (bit / 8 >= data.size())
                return -1;
            v |= ((quint8(data[int(bit / 8)]) >> (bit % 8)) & 1) << i;
        }
        return v;
    };
    QVector<int> length; // length of the string of every code
    int width = minCodeSize + 1, previous = -1, pixels = 0;
    for (;;) {
        const int code = read(width);
        if (code < 0)
            return QStringLiteral("data ends without an end code");
        if (code == clearCode) {
            length = QVector<int>(clearCode + 2, 1);
            width = minCodeSize + 1;
            previous = -1;
            continue;
        }
        if (code == endCode)
            break;
        if (length.isEmpty())
            return QStringLiteral("no clear code first");
        if (previous < 0) {
            if (code >= clearCode)
                return QStringLiteral("first code is no pixel");
            pixels += 1;
        } else {
            if (code > length.size())
                return QStringLiteral("code %1 not yet defined").arg(code);
            const int n = code < length.size() ? length[code] : length[previous] + 1;
            if (length.size() < 4096)
                length.append(length[previous] + 1);
            pixels += n;
            if (length.size() == (1 << width) && width < 12)
                ++width;
        }
        previous = code;
    }
    if (pixels != pixelCount)
        return QStringLiteral("%1 pixels instead of %2").arg(pixels).arg(pixelCount);
    if (data.size() * 8 - bit >= 8)
        return QStringLiteral("bytes left after the end code");
    return QString();
}

} // namespace

class GifWriterTest : public QObject {
    Q_OBJECT

private slots:
    void everyPixelDecodesToItsPaletteColour_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("runLength");
        QTest::newRow("one pixel") << 1 << 1 << 1 << 1;
        QTest::newRow("two colours, tiny") << 2 << 1 << 2 << 1;
        QTest::newRow("three colours, odd size") << 7 << 3 << 3 << 1;
        QTest::newRow("sixteen colours") << 64 << 64 << 16 << 1;
        QTest::newRow("seventeen colours") << 33 << 17 << 17 << 1;
        // Noise fills the code table many times over: clear codes mid-stream.
        QTest::newRow("noise, full palette") << 300 << 200 << 256 << 1;
        QTest::newRow("noise, two colours") << 513 << 257 << 2 << 1;
        // Long runs build long strings and reach the widest codes slowly.
        QTest::newRow("long runs") << 800 << 600 << 5 << 97;
        QTest::newRow("single colour, large") << 1000 << 700 << 1 << 1;
    }
    void everyPixelDecodesToItsPaletteColour()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, colours);
        QFETCH(int, runLength);
        const IndexedImage img = randomIndexed(width, height, colours, quint32(width * 31 + colours), runLength);
        const QByteArray gif = encodeGif(img);
        QVERIFY(gif.startsWith("GIF89a"));
        QCOMPARE(gif.back(), char(0x3B));
        QCOMPARE(firstMismatch(img, decodeWithQt(gif)), -1);
        QCOMPARE(strictLzwCheck(gif, width * height), QString());
    }

    // Rows of 1 to 600 pixels put the growth of the code width at every
    // place of the stream, including the very last code before the end code.
    void codeWidthChangesAtEveryPositionOfTheStream()
    {
        for (int colours : {2, 4, 8}) {
            for (int n = 1; n <= 600; n += (n < 80 ? 1 : 7)) {
                const IndexedImage img = randomIndexed(n, 1, colours, quint32(n * 7 + colours));
                const QByteArray gif = encodeGif(img);
                const int mismatch = firstMismatch(img, decodeWithQt(gif));
                if (mismatch != -1)
                    QFAIL(qPrintable(QStringLiteral("%1 pixels of %2 colours: pixel %3 wrong")
                                         .arg(n).arg(colours).arg(mismatch)));
                const QString fault = strictLzwCheck(gif, n);
                if (!fault.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("%1 pixels of %2 colours: %3").arg(n).arg(colours).arg(fault)));
            }
        }
    }

    void aPictureOfFewColoursKeepsThemExactly()
    {
        QImage picture(161, 121, QImage::Format_RGB32);
        picture.fill(qRgb(255, 250, 230));
        QPainter p(&picture);
        p.fillRect(10, 10, 60, 40, QColor(220, 30, 40));
        p.fillRect(80, 50, 70, 60, QColor(30, 90, 210));
        p.end();
        const IndexedImage indexed = quantise(picture);
        QCOMPARE(indexed.palette.size(), 3);
        const QImage decoded = decodeWithQt(encodeGif(indexed));
        QCOMPARE(decoded.size(), picture.size());
        QCOMPARE(decoded, picture);
    }

    void aPictureOfManyColoursIsReducedWithSmallError()
    {
        // Antialiased circles over a gradient: tens of thousands of colours.
        QImage picture(320, 200, QImage::Format_RGB32);
        QPainter p(&picture);
        QLinearGradient sky(0, 0, 320, 200);
        sky.setColorAt(0, QColor(120, 200, 255));
        sky.setColorAt(1, QColor(255, 240, 160));
        p.fillRect(picture.rect(), sky);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 5));
        p.setBrush(QColor(230, 40, 60));
        p.drawEllipse(QRectF(20.5, 20.5, 120, 120));
        p.setBrush(QColor(40, 180, 70));
        p.drawEllipse(QRectF(160.3, 60.7, 130, 110));
        p.end();

        const IndexedImage indexed = quantise(picture);
        QVERIFY(indexed.palette.size() <= 256);
        QVERIFY(indexed.palette.size() > 64);
        const QImage decoded = decodeWithQt(encodeGif(indexed));
        QCOMPARE(decoded.size(), picture.size());
        qint64 error = 0;
        int worst = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb a = picture.pixel(x, y), b = decoded.pixel(x, y);
                const int d = qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
                error += d;
                worst = qMax(worst, d);
            }
        const double mean = double(error) / (picture.width() * picture.height());
        QVERIFY2(mean < 6.0, qPrintable(QString::number(mean)));
        QVERIFY2(worst < 80, qPrintable(QString::number(worst)));
        // The flat fill colours of the drawing come out (almost) exactly.
        const QRgb red = decoded.pixel(80, 80);
        QVERIFY(qAbs(qRed(red) - 230) <= 3 && qAbs(qGreen(red) - 40) <= 3 && qAbs(qBlue(red) - 60) <= 3);
    }

    void transparentPixelsAreComposedOntoWhite()
    {
        QImage picture(4, 4, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        picture.setPixel(1, 1, qRgba(0, 0, 255, 255));
        const QImage decoded = decodeWithQt(encodeGif(quantise(picture)));
        QCOMPARE(decoded.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(decoded.pixel(1, 1), qRgb(0, 0, 255));
    }

    // The demo's bitmaps go through the same palette; Qt must read them back.
    void anIndexedBitmapDecodesToItsPaletteColours_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("colours");
        QTest::newRow("one pixel wide, one colour") << 1 << 1;
        QTest::newRow("cell width, seventeen colours") << 161 << 17;
        QTest::newRow("reward width, full palette") << 833 << 256;
        QTest::newRow("row without padding") << 160 << 200;
    }
    void anIndexedBitmapDecodesToItsPaletteColours()
    {
        QFETCH(int, width);
        QFETCH(int, colours);
        const IndexedImage img = randomIndexed(width, 13, colours, quint32(width + colours));
        const QByteArray bmp = encodeBmp8(img);
        QVERIFY(bmp.startsWith("BM"));
        const QImage decoded = QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(firstMismatch(img, decoded), -1);
        // Row padding is zero: the same picture always gives the same bytes.
        const int rowBytes = (width + 3) / 4 * 4;
        const int pixelsStart = 14 + 40 + 4 * colours;
        QCOMPARE(bmp.size(), pixelsStart + rowBytes * img.height);
        for (int y = 0; y < img.height; ++y)
            for (int x = width; x < rowBytes; ++x)
                QCOMPARE(int(bmp[pixelsStart + y * rowBytes + x]), 0);
    }

    void nothingIsWrittenForAnEmptyPicture()
    {
        QVERIFY(encodeGif(IndexedImage()).isEmpty());
        QVERIFY(encodeGif(quantise(QImage())).isEmpty());
        QVERIFY(encodeBmp8(IndexedImage()).isEmpty());
        QString error;
        QVERIFY(!writeGif(QImage(), QDir::temp().filePath("never.gif"), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(GifWriterTest)
#include "GifWriterTest.moc"
