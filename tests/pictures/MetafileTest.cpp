// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/Metafile.h"
#include "pictures/PictureLoader.h"

#include "WmfWriter.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace duplikon;

namespace {

// A placeable picture of 200 × 100 units at 96 units per inch: one unit is one
// pixel when shown unscaled.
WmfWriter canvas()
{
    WmfWriter w;
    w.setPlaceable(QRect(0, 0, 200, 100), 96);
    w.setWindowOrg(0, 0);
    w.setWindowExt(200, 100);
    return w;
}

QImage render(const WmfWriter &w, QSize size = QSize(200, 100), bool stretch = false)
{
    const MetafileResult r = renderMetafile(w.finish(), size, stretch);
    if (!r.ok)
        qWarning() << "render failed:" << r.error;
    if (r.ok && qEnvironmentVariableIsSet("DUPLIKON_KEEP_PICTURES"))
        r.image.save(QStringLiteral("%1/%2.png").arg(qEnvironmentVariable("DUPLIKON_KEEP_PICTURES"),
                                                      QLatin1String(QTest::currentTestFunction())));
    return r.ok ? r.image.convertToFormat(QImage::Format_ARGB32) : QImage();
}

bool near(QRgb px, const QColor &c, int tolerance = 40)
{
    return qAlpha(px) > 200 && qAbs(qRed(px) - c.red()) <= tolerance && qAbs(qGreen(px) - c.green()) <= tolerance
        && qAbs(qBlue(px) - c.blue()) <= tolerance;
}

bool clear(QRgb px) { return qAlpha(px) == 0; }

bool dark(QRgb px) { return qAlpha(px) > 128 && qMax(qRed(px), qMax(qGreen(px), qBlue(px))) < 100; }

int countDarkRows(const QImage &img, int x, int y0, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        n += dark(img.pixel(x, y)) ? 1 : 0;
    return n;
}

} // namespace

class MetafileTest : public QObject {
    Q_OBJECT
private slots:
    void filledEllipseIsFilledAndBackgroundStaysTransparent()
    {
        WmfWriter w = canvas();
        w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(0, 0, 255)));
        w.selectObject(w.createPen(WmfWriter::PsSolid, 1, Qt::black));
        w.ellipse(QRect(20, 10, 80, 60));
        const QImage img = render(w);
        QCOMPARE(img.size(), QSize(200, 100));
        QVERIFY(near(img.pixel(60, 40), QColor(0, 0, 255)));   // centre
        QVERIFY(near(img.pixel(30, 40), QColor(0, 0, 255)));   // near the left edge, inside
        QVERIFY(clear(img.pixel(22, 12)));                     // box corner, outside the ellipse
        QVERIFY(clear(img.pixel(150, 80)));                    // nothing drawn there
        const QRgb edge = img.pixel(20, 40); // the black outline darkens the edge
        QVERIFY(qAlpha(edge) > 100 && qBlue(edge) < 180);
    }

    void rectanglesRoundRectanglesAndNullPen()
    {
        WmfWriter w = canvas();
        w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(255, 0, 0)));
        w.selectObject(w.createPen(WmfWriter::PsNull, 0, Qt::black));
        w.rectangle(QRect(10, 10, 40, 40));
        w.roundRect(QRect(100, 10, 60, 60), 30, 30);
        const QImage img = render(w);
        QVERIFY(near(img.pixel(11, 11), QColor(255, 0, 0)));   // square corner is filled
        QVERIFY(near(img.pixel(130, 40), QColor(255, 0, 0)));
        QVERIFY(clear(img.pixel(101, 11)));                    // round corner is cut
        QVERIFY(!dark(img.pixel(10, 30)));                     // no outline with the null pen
    }

    void hatchedBrushShowsItsLines()
    {
        WmfWriter w = canvas();
        w.setBkMode(WmfWriter::Transparent);
        w.selectObject(w.createPen(WmfWriter::PsNull, 0, Qt::black));
        w.selectObject(w.createBrush(WmfWriter::BsHatched, QColor(0, 128, 0), WmfWriter::HsHorizontal));
        w.rectangle(QRect(10, 10, 60, 60));
        w.setBkMode(WmfWriter::Opaque);
        w.setBkColor(QColor(255, 255, 0));
        w.selectObject(w.createBrush(WmfWriter::BsHatched, QColor(0, 0, 0), WmfWriter::HsVertical));
        w.rectangle(QRect(100, 10, 60, 60));
        const QImage img = render(w);
        int lines = 0, gaps = 0;
        for (int y = 12; y < 68; ++y) {
            if (near(img.pixel(40, y), QColor(0, 128, 0), 60))
                ++lines;
            else if (clear(img.pixel(40, y)))
                ++gaps;
        }
        QVERIFY2(lines >= 4, qPrintable(QString::number(lines)));  // horizontal lines cross the column
        QVERIFY(gaps > lines);                                      // with transparent space between
        int black = 0, yellow = 0;
        for (int x = 102; x < 158; ++x) {
            const QRgb px = img.pixel(x, 40);
            black += dark(px) ? 1 : 0;
            yellow += near(px, QColor(255, 255, 0)) ? 1 : 0;
        }
        QVERIFY(black >= 4);
        QVERIFY(yellow > black); // an opaque background fills between the lines
    }

    void penWidthsAndStyles()
    {
        WmfWriter w = canvas();
        w.selectObject(w.createPen(WmfWriter::PsSolid, 1, Qt::black));
        w.moveTo(10, 20);
        w.lineTo(190, 20);
        const int thick = w.createPen(WmfWriter::PsSolid, 8, Qt::black);
        w.selectObject(thick);
        w.moveTo(10, 50);
        w.lineTo(190, 50);
        w.selectObject(w.createPen(WmfWriter::PsDash, 1, Qt::black));
        w.polyline({ QPoint(10, 85), QPoint(190, 85) });
        const QImage img = render(w);
        const int thin = countDarkRows(img, 100, 12, 30);
        const int wide = countDarkRows(img, 100, 40, 62);
        QVERIFY2(thin >= 1 && thin <= 2, qPrintable(QString::number(thin)));
        QVERIFY2(wide >= 7 && wide <= 10, qPrintable(QString::number(wide)));
        int on = 0, off = 0;
        for (int x = 12; x < 188; ++x) {
            if (dark(img.pixel(x, 85)))
                ++on;
            else
                ++off;
        }
        QVERIFY(on > 20);
        QVERIFY(off > 20); // a dashed pen leaves gaps
    }

    void polygonsAndPolyPolygonsWithHoles()
    {
        WmfWriter w = canvas();
        w.selectObject(w.createPen(WmfWriter::PsNull, 0, Qt::black));
        w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(255, 128, 0)));
        w.polygon({ QPoint(10, 90), QPoint(50, 10), QPoint(90, 90) });
        w.setPolyFillMode(WmfWriter::Alternate);
        w.polyPolygon({ { QPoint(110, 10), QPoint(190, 10), QPoint(190, 90), QPoint(110, 90) },
                        { QPoint(130, 30), QPoint(170, 30), QPoint(170, 70), QPoint(130, 70) } });
        const QImage img = render(w);
        QVERIFY(near(img.pixel(50, 70), QColor(255, 128, 0)));
        QVERIFY(clear(img.pixel(15, 20)));    // outside the triangle
        QVERIFY(near(img.pixel(115, 50), QColor(255, 128, 0))); // the ring
        QVERIFY(clear(img.pixel(150, 50)));   // the hole
    }

    void arcsChordsAndPies()
    {
        WmfWriter w = canvas();
        w.selectObject(w.createPen(WmfWriter::PsSolid, 1, Qt::black));
        w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(0, 0, 255)));
        // Pie of the upper right quarter: counter-clockwise from three to twelve o'clock.
        w.pie(QRect(10, 10, 80, 80), QPoint(90, 50), QPoint(50, 10));
        // Chord of the upper half of the second circle.
        w.chord(QRect(110, 10, 80, 80), QPoint(190, 50), QPoint(110, 50));
        const QImage img = render(w);
        QVERIFY(near(img.pixel(70, 30), QColor(0, 0, 255)));  // inside the quarter
        QVERIFY(clear(img.pixel(30, 70)));                    // opposite quarter is empty
        QVERIFY(clear(img.pixel(30, 30)));
        QVERIFY(near(img.pixel(150, 30), QColor(0, 0, 255))); // upper half of the chord
        QVERIFY(clear(img.pixel(150, 70)));                   // lower half empty

        WmfWriter a = canvas();
        a.selectObject(a.createPen(WmfWriter::PsSolid, 3, Qt::black));
        a.selectObject(a.createBrush(WmfWriter::BsSolid, QColor(0, 0, 255)));
        a.arc(QRect(10, 10, 80, 80), QPoint(90, 50), QPoint(10, 50));
        const QImage arc = render(a);
        QVERIFY(clear(arc.pixel(50, 30)));                    // an arc is never filled
        QVERIFY(countDarkRows(arc, 50, 5, 20) >= 2);          // the top of the curve is drawn
        QCOMPARE(countDarkRows(arc, 50, 80, 95), 0);          // the lower half is not
    }

    void textIsDrawnWithFontSizeWeightAndColour()
    {
        WmfWriter w = canvas();
        w.setBkMode(WmfWriter::Transparent);
        w.setTextColor(QColor(0, 0, 0));
        w.selectObject(w.createFont(-24, 700, QStringLiteral("Arial")));
        w.textOut(10, 10, QByteArray("Haus"));
        w.setTextColor(QColor(255, 0, 0));
        w.selectObject(w.createFont(-12, 400, QStringLiteral("Arial")));
        w.extTextOut(120, 60, QByteArray("\xC4pfel")); // Windows-1252
        const QImage img = render(w);
        int inside = 0, below = 0, red = 0;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 200; ++x) {
                const QRgb px = img.pixel(x, y);
                if (dark(px)) {
                    if (x >= 10 && x < 90 && y >= 10 && y < 38)
                        ++inside;
                    else
                        ++below;
                }
                if (x >= 115 && y >= 55 && y < 80 && qAlpha(px) > 128 && qRed(px) > 150 && qGreen(px) < 100)
                    ++red;
            }
        }
        QVERIFY2(inside > 80, qPrintable(QString::number(inside)));  // dark where the text stands
        QCOMPARE(below, 0);                                          // and nowhere else
        QVERIFY2(red > 15, qPrintable(QString::number(red)));        // the red text
    }

    void embeddedBitmapsAreStretchedTheRightWayUp()
    {
        QImage four(2, 2, QImage::Format_RGB32);
        four.setPixel(0, 0, qRgb(255, 0, 0));
        four.setPixel(1, 0, qRgb(0, 255, 0));
        four.setPixel(0, 1, qRgb(0, 0, 255));
        four.setPixel(1, 1, qRgb(255, 255, 0));
        WmfWriter w = canvas();
        w.stretchDib(QRect(0, 0, 100, 100), four);
        w.dibStretchBlt(QRect(100, 0, 100, 100), four);
        const QImage img = render(w);
        for (int dx : { 0, 100 }) {
            QVERIFY(near(img.pixel(dx + 20, 20), QColor(255, 0, 0)));
            QVERIFY(near(img.pixel(dx + 80, 20), QColor(0, 255, 0)));
            QVERIFY(near(img.pixel(dx + 20, 80), QColor(0, 0, 255)));
            QVERIFY(near(img.pixel(dx + 80, 80), QColor(255, 255, 0)));
        }
    }

    void patternBrushPixelsAndClipping()
    {
        QImage tile(8, 8, QImage::Format_RGB32);
        tile.fill(qRgb(0, 200, 0));
        WmfWriter w = canvas();
        w.selectObject(w.createPen(WmfWriter::PsNull, 0, Qt::black));
        w.selectObject(w.createDibPatternBrush(tile));
        w.rectangle(QRect(10, 10, 30, 30));
        w.setPixel(150, 50, QColor(255, 0, 255));
        w.saveDc();
        w.intersectClipRect(QRect(60, 10, 20, 20));
        w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(0, 0, 0)));
        w.rectangle(QRect(50, 0, 50, 50));
        w.restoreDc();
        const QImage img = render(w);
        QVERIFY(near(img.pixel(25, 25), QColor(0, 200, 0)));
        QVERIFY(near(img.pixel(150, 50), QColor(255, 0, 255)));
        QVERIFY(dark(img.pixel(70, 20)));   // inside the clip rectangle
        QVERIFY(clear(img.pixel(90, 40)));  // cut off outside it
    }

    void frameComesFromThePlaceableHeader()
    {
        WmfWriter w;
        w.setPlaceable(QRect(100, 200, 2880, 1440), 1440); // 2 × 1 inch
        w.setWindowOrg(100, 200);
        w.setWindowExt(2880, 1440);
        w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(255, 0, 0)));
        w.selectObject(w.createPen(WmfWriter::PsNull, 0, Qt::black));
        w.rectangle(QRect(100 + 1440, 200, 1440, 720)); // upper right quarter
        const MetafileResult clip = renderMetafile(w.finish(), QSize(500, 500), false);
        QVERIFY(clip.ok);
        QCOMPARE(clip.naturalSize, QSize(192, 96));
        QCOMPARE(clip.image.size(), QSize(192, 96));
        const QImage img = clip.image.convertToFormat(QImage::Format_ARGB32);
        QVERIFY(near(img.pixel(150, 20), QColor(255, 0, 0)));
        QVERIFY(clear(img.pixel(50, 20)));
        QVERIFY(clear(img.pixel(150, 70)));

        const MetafileResult cut = renderMetafile(w.finish(), QSize(100, 50), false);
        QCOMPARE(cut.image.size(), QSize(100, 50)); // unscaled, cut off at the box

        const MetafileResult big = renderMetafile(w.finish(), QSize(833, 505), true);
        QCOMPARE(big.image.size(), QSize(833, 505)); // stretched to the box
        const QImage b = big.image.convertToFormat(QImage::Format_ARGB32);
        QVERIFY(near(b.pixel(833 * 3 / 4, 505 / 4), QColor(255, 0, 0)));
        QVERIFY(clear(b.pixel(833 / 4, 505 / 4)));
    }

    void plainFileTakesTheBoundsOfItsDrawing()
    {
        WmfWriter w; // no placeable header
        w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(0, 0, 255)));
        w.selectObject(w.createPen(WmfWriter::PsNull, 0, Qt::black));
        w.rectangle(QRect(30, 40, 60, 20));
        const MetafileResult r = renderMetafile(w.finish(), QSize(161, 121), false);
        QVERIFY(r.ok);
        QVERIFY(qAbs(r.naturalSize.width() - 60) <= 2);
        QVERIFY(qAbs(r.naturalSize.height() - 20) <= 2);
        QVERIFY(near(r.image.convertToFormat(QImage::Format_ARGB32).pixel(30, 10), QColor(0, 0, 255)));
    }

    void hostileMetafilesFailWithinTheLimits_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        WmfWriter good = canvas();
        good.selectObject(good.createBrush(WmfWriter::BsSolid, Qt::red));
        good.ellipse(QRect(0, 0, 50, 50));
        const QByteArray file = good.finish();
        QTest::newRow("truncated") << file.left(file.size() - 20);
        QTest::newRow("header only") << file.left(22 + 18);

        WmfWriter huge;
        huge.setPlaceable(QRect(0, 0, 30000, 30000), 48); // claims 60000 × 60000 pixels
        huge.ellipse(QRect(0, 0, 30000, 30000));
        QTest::newRow("60000 x 60000") << huge.finish();

        WmfWriter many = canvas();
        for (int i = 0; i < 1000000; ++i)
            many.record(WmfWriter::SetBkMode, { 1 });
        QTest::newRow("a million records") << many.finish();

        QByteArray past = file;
        const int firstRecord = 22 + 18;
        past[firstRecord] = char(0xFF); // the first record claims to run far past the end
        past[firstRecord + 1] = char(0xFF);
        past[firstRecord + 2] = char(0x00);
        QTest::newRow("record past end") << past;

        WmfWriter shortPoly = canvas();
        shortPoly.record(WmfWriter::PolyPolygon, { 2000, 3, 3 }); // counts beyond the record
        QTest::newRow("poly-polygon counts past record") << shortPoly.finish();

        WmfWriter shortDib = canvas();
        shortDib.record(WmfWriter::StretchDib, { 0x20, 0xCC, 0, 2, 2 }); // no bitmap
        QTest::newRow("bitmap record without bitmap") << shortDib.finish();

        WmfWriter deep = canvas();
        for (int i = 0; i < 5000; ++i)
            deep.saveDc();
        QTest::newRow("endless saved states") << deep.finish();

        QByteArray noInch = file;
        noInch[14] = 0;
        noInch[15] = 0;
        QTest::newRow("zero units per inch") << noInch;
    }

    void hostileMetafilesFailWithinTheLimits()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(looksLikeMetafile(bytes));
        const LoadedPicture p = loadPictureData(bytes, QSize(833, 505), PictureFit::Stretch);
        QVERIFY(!p.ok);
        QVERIFY(!p.error.isEmpty());
        QVERIFY(p.image.isNull());
    }

    void bitmapClaimingHugeSizeInsideMetafileIsSkipped()
    {
        WmfWriter w = canvas();
        QVector<quint16> params { 0x20, 0xCC, 0, 100, 100, 0, 0, 50, 50, 0, 0 };
        // A bitmap header that claims 60000 × 60000 pixels, without the pixels.
        const quint16 header[20] = { 40, 0, 60000, 0, 60000, 0, 1, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 };
        for (quint16 v : header)
            params << v;
        w.record(WmfWriter::StretchDib, params);
        w.selectObject(w.createBrush(WmfWriter::BsSolid, Qt::red));
        w.rectangle(QRect(100, 10, 20, 20));
        const MetafileResult r = renderMetafile(w.finish(), QSize(200, 100), false);
        QVERIFY(r.ok); // the rest of the picture still shows
        QVERIFY(near(r.image.convertToFormat(QImage::Format_ARGB32).pixel(110, 20), QColor(255, 0, 0)));
    }
};

QTEST_MAIN(MetafileTest)
#include "MetafileTest.moc"
