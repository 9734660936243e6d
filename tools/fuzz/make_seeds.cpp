// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of the fuzz targets: small metafiles with every
// record kind the player draws, small bitmaps, GIFs and JPEGs, task files in
// the encodings and line ends the reader meets, settings files as the
// program writes them, and sound headers.
#include "BmpWriter.h"
#include "WmfWriter.h"
#include "lesson/SettingsFile.h"
#include "pictures/GifWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

using duplikon::WmfWriter;

static void save(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(dir);
    QFile f(dir + QLatin1Char('/') + name);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

static WmfWriter canvas(bool placeable = true)
{
    WmfWriter w;
    if (placeable)
        w.setPlaceable(QRect(0, 0, 160, 120), 96);
    w.setWindowOrg(0, 0);
    w.setWindowExt(160, 120);
    return w;
}

static QByteArray written(const QImage &image, const char *format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter w(&buffer, format);
    w.setQuality(80);
    w.setProgressiveScanWrite(progressive);
    w.write(image);
    return bytes;
}

// Raster pictures as the demo folder has them, and one a copy cut short.
static void rasterSeeds(const QString &r)
{
    QImage photo(40, 30, QImage::Format_RGB32);
    QPainter p(&photo);
    p.fillRect(photo.rect(), QColor(120, 180, 240));
    p.setBrush(Qt::yellow);
    p.drawEllipse(QRect(4, 4, 14, 14));
    p.setBrush(QColor(30, 140, 40));
    p.drawRect(QRect(0, 20, 40, 10));
    p.end();
    const duplikon::IndexedImage few = duplikon::quantise(photo, 16);
    save(r, QStringLiteral("palette.bmp"), duplikon::encodeBmp8(few));
    save(r, QStringLiteral("rgb.bmp"), written(photo, "bmp"));
    save(r, QStringLiteral("picture.gif"), duplikon::encodeGif(few));
    const QByteArray jpeg = written(photo, "jpeg");
    save(r, QStringLiteral("baseline.jpg"), jpeg);
    save(r, QStringLiteral("progressive.jpg"), written(photo, "jpeg", true));
    save(r, QStringLiteral("cut.jpg"), jpeg.left(jpeg.size() / 2));
}

// The formats a teacher's own pictures come in: the raster seeds and PNG
// (palette, alpha, cut), WebP, TIFF, an SVG with an inner reference and a
// JPEG turned by its EXIF orientation.
static void importSeeds(const QString &r)
{
    rasterSeeds(r);
    QImage clear(60, 20, QImage::Format_ARGB32);
    clear.fill(QColor(200, 40, 40, 100));
    const QByteArray png = written(clear, "png");
    save(r, QStringLiteral("alpha.png"), png);
    save(r, QStringLiteral("cut.png"), png.left(png.size() - 12));
    save(r, QStringLiteral("palette.png"), written(clear.convertToFormat(QImage::Format_Indexed8), "png"));
    save(r, QStringLiteral("picture.webp"), written(clear, "webp"));
    save(r, QStringLiteral("picture.tif"), written(clear, "tiff"));
    save(r, QStringLiteral("inner.svg"), QByteArray("<svg xmlns='http://www.w3.org/2000/svg' "
        "xmlns:xlink='http://www.w3.org/1999/xlink' width='300' height='90'><defs><rect id='a' width='9' "
        "height='9' fill='red'/></defs><use xlink:href='#a'/><circle cx='50' cy='40' r='30'/></svg>"));
    // SVGs as the import's check reads them: comments, styles, entities and uses.
    save(r, QStringLiteral("styled.svg"), QByteArray("<?xml version='1.0'?><?xml-stylesheet href='#s'?>"
        "<!-- a comment with href=\"#x\" --><svg xmlns='http://www.w3.org/2000/svg' width='40' height='30'>"
        "<style id='s'><![CDATA[rect { fill: url(#g) } circle { fill: blue }]]></style><defs><linearGradient "
        "id='g'><stop offset='0' stop-color='red'/><stop offset='1' stop-color='yellow'/></linearGradient></defs>"
        "<rect width='40' height='30' style='stroke: url(\"#g\")'/><circle cx='20' cy='15' r='9'/></svg>"));
    save(r, QStringLiteral("entity.svg"), QByteArray("<!DOCTYPE svg [<!ENTITY farbe 'red'>]><svg "
        "xmlns='http://www.w3.org/2000/svg' width='20' height='20'><rect width='9' height='9' fill='&farbe;'/></svg>"));
    QByteArray uses("<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                    "width='50' height='50'><rect id='u0' width='2' height='2'/>");
    for (int level = 1; level <= 3; ++level) {
        uses += "<g id='u" + QByteArray::number(level) + "'>";
        for (int k = 0; k < 4; ++k)
            uses += "<use xlink:href='#u" + QByteArray::number(level - 1) + "' x='" + QByteArray::number(3 * k) + "'/>";
        uses += "</g>";
    }
    save(r, QStringLiteral("uses.svg"), uses + "<image href='data:image/png;base64,"
         + written(clear, "png").toBase64() + "' width='6' height='2'/></svg>");
    QByteArray turned = written(clear.convertToFormat(QImage::Format_RGB32), "jpeg");
    turned.insert(2, QByteArray("\xFF\xE1\x00\x22" "Exif\0\0" "MM\0\x2A\0\0\0\x08" "\0\x01"
                                "\x01\x12\0\x03\0\0\0\x01\0\x06\0\0" "\0\0\0\0", 36));
    save(r, QStringLiteral("exif.jpg"), turned);
}

// Sound headers: a WAV with a chunk before its format, the first page of an
// Ogg stream, an MP3 with a tag and one that starts with a frame.
static void soundSeeds(const QString &d)
{
    QByteArray wav("RIFF\x34\0\0\0WAVEJUNK\x03\0\0\0abc\0fmt \x10\0\0\0", 32);
    wav += QByteArray("\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0data\x04\0\0\0\x80\x80\x80\x80", 28);
    save(d, QStringLiteral("junk.wav"), wav);
    save(d, QStringLiteral("page.ogg"), QByteArray("OggS\0\x02", 6) + QByteArray(30, '\0'));
    save(d, QStringLiteral("tag.mp3"), QByteArray("ID3\x04\0\0\0\0\0\x0A", 10) + QByteArray(10, '\0')
         + QByteArray("\xFF\xFB\x90\x64", 4));
    save(d, QStringLiteral("frame.mp3"), QByteArray("\xFF\xFB\x90\x64", 4) + QByteArray(60, '\x55'));
}

// Settings files as the program writes them, and as a teacher may have edited
// them (LF line ends, a comma after a number, a short file).
static void settingsSeeds(const QString &s)
{
    duplikon::Settings all;
    all.check1 = 1;
    all.check3 = 1;
    all.colour = duplikon::rgbValue(255, 255, 128);
    all.pflicht = QStringList{ QStringLiteral("TIERE.TXT"), QStringLiteral("Gr\u00fcn.txt"),
                               QStringLiteral("Unterordner\\Obst.txt") };
    save(s, QStringLiteral("written.ini"), duplikon::settingsBytes(all));
    duplikon::Settings system;
    system.check2 = 1;
    system.check5 = 1;
    system.colour = duplikon::kSystemWindow;
    system.pflicht = QStringList{ QStringLiteral("\u20ac-Preise.txt") }; // beyond Windows-1252: UTF-8
    save(s, QStringLiteral("utf8.ini"), duplikon::settingsBytes(system));
    save(s, QStringLiteral("defaults.ini"), duplikon::settingsBytes(duplikon::Settings()));
    save(s, QStringLiteral("edited.ini"), QByteArray("1,0\n 0\n+1 \n0\n-2147483643\nZAHLEN.TXT\n\n  \nWORTE.TXT"));
    save(s, QStringLiteral("short.ini"), QByteArray(" 1 \r 0 \r"));
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("corpus");
    const QString m = root + QStringLiteral("/metafile");
    const QString t = root + QStringLiteral("/textfile");
    rasterSeeds(root + QStringLiteral("/raster"));
    importSeeds(root + QStringLiteral("/import"));
    settingsSeeds(root + QStringLiteral("/settings"));
    soundSeeds(root + QStringLiteral("/sound"));

    WmfWriter shapes = canvas();
    shapes.selectObject(shapes.createPen(WmfWriter::PsDash, 2, Qt::black));
    shapes.selectObject(shapes.createBrush(WmfWriter::BsSolid, Qt::red));
    shapes.rectangle(QRect(5, 5, 40, 30));
    shapes.roundRect(QRect(50, 5, 40, 30), 10, 10);
    shapes.ellipse(QRect(95, 5, 40, 30));
    shapes.arc(QRect(5, 40, 40, 40), QPoint(45, 60), QPoint(5, 60));
    shapes.chord(QRect(50, 40, 40, 40), QPoint(90, 60), QPoint(50, 60));
    shapes.pie(QRect(95, 40, 40, 40), QPoint(135, 60), QPoint(115, 40));
    shapes.moveTo(0, 0);
    shapes.lineTo(160, 120);
    shapes.setPixel(3, 3, Qt::blue);
    shapes.patBlt(QRect(0, 110, 20, 10));
    save(m, QStringLiteral("shapes.wmf"), shapes.finish());

    WmfWriter polys = canvas(false);
    polys.setPolyFillMode(WmfWriter::Winding);
    polys.selectObject(polys.createBrush(WmfWriter::BsHatched, Qt::darkGreen, WmfWriter::HsDiagCross));
    polys.polygon({ QPoint(10, 10), QPoint(80, 20), QPoint(40, 90) });
    polys.polyline({ QPoint(0, 0), QPoint(50, 50), QPoint(100, 0) });
    polys.polyPolygon({ { QPoint(90, 10), QPoint(150, 10), QPoint(150, 70) },
                        { QPoint(100, 20), QPoint(140, 20), QPoint(140, 60) } });
    save(m, QStringLiteral("polygons.wmf"), polys.finish());

    WmfWriter text = canvas();
    text.setBkMode(WmfWriter::Opaque);
    text.setBkColor(Qt::yellow);
    text.setTextColor(Qt::blue);
    text.setTextAlign(WmfWriter::TaCenter);
    const int font = text.createFont(-16, 700, QStringLiteral("Arial"), true, true, 300);
    text.selectObject(font);
    text.textOut(80, 20, QByteArray("Sonne \xFC"));
    text.extTextOut(10, 60, QByteArray("Baum"));
    text.deleteObject(font);
    save(m, QStringLiteral("text.wmf"), text.finish());

    QImage tile(4, 3, QImage::Format_RGB32);
    tile.fill(qRgb(10, 200, 30));
    tile.setPixel(1, 1, qRgb(250, 0, 0));
    WmfWriter bitmaps = canvas();
    bitmaps.stretchDib(QRect(0, 0, 80, 60), tile);
    bitmaps.dibStretchBlt(QRect(80, 0, 80, 60), tile);
    bitmaps.selectObject(bitmaps.createDibPatternBrush(tile));
    bitmaps.saveDc();
    bitmaps.intersectClipRect(QRect(10, 70, 50, 40));
    bitmaps.rectangle(QRect(0, 60, 160, 60));
    bitmaps.restoreDc();
    save(m, QStringLiteral("bitmaps.wmf"), bitmaps.finish());

    save(t, QStringLiteral("crlf.txt"), QByteArray("Sonne\r\nBilder\\Sonne.wmf\r\nRegen\r\nnass\r\n"));
    save(t, QStringLiteral("cp1252.txt"), QByteArray("M\xFC" "cke\rklein\r\xC4pfel\rBaum\r"));
    save(t, QStringLiteral("utf8.txt"), QByteArray("Gr\xC3\xBC" "n\nBlatt\n\xE2\x82\xAC\n"));
    save(t, QStringLiteral("mixed.txt"), QByteArray("a\r\n\r\nb\n\rc\r"));
    return 0;
}
