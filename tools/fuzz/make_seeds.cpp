// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of the fuzz targets: small metafiles with every
// record kind the player draws, and task files in the encodings and line
// ends the reader meets.
#include "WmfWriter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

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

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("corpus");
    const QString m = root + QStringLiteral("/metafile");
    const QString t = root + QStringLiteral("/textfile");

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
