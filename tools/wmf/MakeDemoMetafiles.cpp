// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the metafile pictures of the demo folder and the task file that uses
// them. Run from the source tree: make_demo_metafiles demo
#include "WmfWriter.h"

#include <QDir>
#include <QFile>

#include <QtMath>

#include <cstdio>

using duplikon::WmfWriter;

namespace {

// Ten logical units to a pixel at 96 dpi: smooth curves, exact frames.
constexpr int kUnit = 10;
constexpr int kInch = 96 * kUnit;

WmfWriter picture(int widthPx, int heightPx)
{
    WmfWriter w;
    w.setPlaceable(QRect(0, 0, widthPx * kUnit, heightPx * kUnit), kInch);
    w.setWindowOrg(0, 0);
    w.setWindowExt(widthPx * kUnit, heightPx * kUnit);
    w.setBkMode(WmfWriter::Transparent);
    return w;
}

QPoint onCircle(QPoint c, double r, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return QPoint(c.x() + qRound(r * std::cos(a)), c.y() - qRound(r * std::sin(a)));
}

QByteArray sun()
{
    WmfWriter w = picture(161, 121);
    const QPoint c(805, 605);
    const int rays = w.createBrush(WmfWriter::BsSolid, QColor(255, 170, 0));
    const int rayPen = w.createPen(WmfWriter::PsSolid, 10, QColor(230, 120, 0));
    w.selectObject(rays);
    w.selectObject(rayPen);
    for (int i = 0; i < 12; ++i) {
        const double a = i * 30.0;
        w.polygon({ onCircle(c, 330, a - 9), onCircle(c, 560, a), onCircle(c, 330, a + 9) });
    }
    w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(255, 220, 0)));
    w.selectObject(w.createPen(WmfWriter::PsSolid, 25, QColor(230, 120, 0)));
    w.ellipse(QRect(c.x() - 330, c.y() - 330, 660, 660));
    // A friendly face.
    w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(60, 40, 0)));
    w.selectObject(w.createPen(WmfWriter::PsNull, 0, Qt::black));
    w.ellipse(QRect(c.x() - 140, c.y() - 130, 70, 90));
    w.ellipse(QRect(c.x() + 70, c.y() - 130, 70, 90));
    w.selectObject(w.createPen(WmfWriter::PsSolid, 22, QColor(60, 40, 0)));
    w.arc(QRect(c.x() - 180, c.y() - 170, 360, 330), QPoint(c.x() - 180, c.y() + 20), QPoint(c.x() + 180, c.y() + 20));
    return w.finish();
}

QByteArray tree()
{
    WmfWriter w = picture(161, 121);
    // Grass, hatched.
    w.selectObject(w.createPen(WmfWriter::PsNull, 0, Qt::black));
    w.selectObject(w.createBrush(WmfWriter::BsHatched, QColor(40, 150, 40), WmfWriter::HsBDiagonal));
    w.rectangle(QRect(0, 1050, 1610, 160));
    // Trunk and branches.
    w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(120, 70, 20)));
    w.selectObject(w.createPen(WmfWriter::PsSolid, 12, QColor(80, 45, 10)));
    w.polygon({ QPoint(730, 1120), QPoint(760, 620), QPoint(850, 620), QPoint(880, 1120) });
    // Crown: three overlapping circles as one poly-polygon-free group of ellipses.
    w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(50, 160, 50)));
    w.selectObject(w.createPen(WmfWriter::PsSolid, 15, QColor(20, 100, 20)));
    w.ellipse(QRect(420, 230, 520, 480));
    w.ellipse(QRect(680, 160, 520, 480));
    w.ellipse(QRect(540, 40, 520, 420));
    // Apples.
    w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(220, 20, 20)));
    w.selectObject(w.createPen(WmfWriter::PsSolid, 6, QColor(120, 0, 0)));
    for (const QPoint &p : { QPoint(560, 380), QPoint(820, 250), QPoint(1010, 420), QPoint(700, 560), QPoint(930, 600) })
        w.ellipse(QRect(p.x() - 45, p.y() - 45, 90, 90));
    return w.finish();
}

QImage moonImage()
{
    QImage img(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int dx = x - 16, dy = y - 16;
            const bool in = dx * dx + dy * dy <= 15 * 15;
            const int shade = 200 + (x + y) % 7 * 6;
            img.setPixel(x, y, in ? qRgb(shade, shade, 170) : qRgb(10, 15, 60));
        }
    return img;
}

QByteArray fireworks()
{
    WmfWriter w = picture(833, 505);
    // Night sky and a moon.
    w.selectObject(w.createPen(WmfWriter::PsNull, 0, Qt::black));
    w.selectObject(w.createBrush(WmfWriter::BsSolid, QColor(10, 15, 60)));
    w.rectangle(QRect(0, 0, 8330, 5050));
    w.stretchDib(QRect(7200, 300, 700, 700), moonImage());
    // Bursts: rays, sparks and a pie of light at the centre.
    const struct { QPoint c; int r; QColor col; } bursts[] = {
        { QPoint(1800, 1600), 1100, QColor(255, 80, 80) },
        { QPoint(4200, 1200), 1300, QColor(255, 230, 60) },
        { QPoint(6300, 2000), 1000, QColor(90, 220, 255) },
        { QPoint(3000, 3000), 800, QColor(150, 255, 120) },
    };
    int step = 0;
    for (const auto &b : bursts) {
        const int pen = w.createPen(step % 2 ? WmfWriter::PsSolid : WmfWriter::PsDash, 18, b.col);
        w.selectObject(pen);
        for (int i = 0; i < 16; ++i) {
            const double a = i * 22.5 + step * 7;
            w.moveTo(onCircle(b.c, b.r / 5, a).x(), onCircle(b.c, b.r / 5, a).y());
            w.lineTo(onCircle(b.c, b.r, a).x(), onCircle(b.c, b.r, a).y());
            const QPoint s = onCircle(b.c, b.r * 1.08, a);
            w.setPixel(s.x(), s.y(), b.col);
        }
        w.selectObject(w.createPen(WmfWriter::PsNull, 0, Qt::black));
        const int fill = w.createBrush(WmfWriter::BsSolid, b.col.lighter(130));
        w.selectObject(fill);
        w.pie(QRect(b.c.x() - 150, b.c.y() - 150, 300, 300), onCircle(b.c, 150, 30 + step * 40), onCircle(b.c, 150, 300 + step * 40));
        w.deleteObject(fill);
        w.deleteObject(pen);
        ++step;
    }
    // Rocket trails with a chord of smoke.
    w.selectObject(w.createPen(WmfWriter::PsDot, 10, QColor(255, 200, 150)));
    w.polyline({ QPoint(1800, 5050), QPoint(1750, 4000), QPoint(1800, 2800) });
    w.polyline({ QPoint(4200, 5050), QPoint(4300, 3500), QPoint(4200, 2600) });
    w.selectObject(w.createBrush(WmfWriter::BsHatched, QColor(120, 120, 160), WmfWriter::HsCross));
    w.selectObject(w.createPen(WmfWriter::PsSolid, 10, QColor(120, 120, 160)));
    w.chord(QRect(900, 4400, 1800, 1000), QPoint(2700, 4900), QPoint(900, 4900));
    // Praise in big letters.
    w.setTextColor(QColor(255, 255, 255));
    w.setTextAlign(WmfWriter::TaCenter | WmfWriter::TaBaseline);
    w.selectObject(w.createFont(-900, 700, QStringLiteral("Arial")));
    w.textOut(5600, 4500, QByteArray("Super!"));
    return w.finish();
}

bool save(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    const QString demo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("demo");
    // The task file: Windows-1252, CR LF, left half then right half.
    const QByteArray task = QByteArray("Sonne\r\nBilder\\Sonne.wmf\r\n"
                                       "Baum\r\nBilder\\Baum.wmf\r\n"
                                       "Regen\r\nnass\r\n"
                                       "Schnee\r\nkalt\r\n"
                                       "Bl\xFC" "te\r\nFr\xFC" "hling\r\n");
    const bool ok = save(demo + QStringLiteral("/Bilder/Sonne.wmf"), sun())
        && save(demo + QStringLiteral("/Bilder/Baum.wmf"), tree())
        && save(demo + QStringLiteral("/DUPBILDER/Feuerwerk.wmf"), fireworks())
        && save(demo + QStringLiteral("/NATUR.TXT"), task);
    return ok ? 0 : 1;
}
