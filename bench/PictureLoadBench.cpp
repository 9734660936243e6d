// SPDX-License-Identifier: GPL-3.0-or-later
// Loading pictures of every format at cell size (161 × 121, unscaled) and at
// solution size (833 × 505, stretched): small pictures, 4000 × 3000 pictures
// and a metafile with 10,000 records. Prints the median time of one load and
// the peak resident memory while loading.
//   build/bench/PictureLoadBench [repetitions]
#include "pictures/PictureLoader.h"

#include "ProgramFolder.h"
#include "WmfWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace duplikon;
using duplikon::test::encodePicture;

namespace {

QImage photo(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(30, 90, 200));
    g.setColorAt(1, QColor(240, 200, 60));
    p.fillRect(img.rect(), g);
    QRandomGenerator gen(42);
    for (int i = 0; i < 400; ++i) {
        p.setBrush(QColor::fromRgb(gen.generate() | 0xFF000000u));
        p.setPen(Qt::NoPen);
        const int r = int(gen.bounded(w / 20 + 2));
        p.drawEllipse(QPoint(int(gen.bounded(w)), int(gen.bounded(h))), r, r);
    }
    return img;
}

QByteArray metafile(int records)
{
    WmfWriter w;
    w.setPlaceable(QRect(0, 0, 8330, 5050), 960);
    w.setWindowOrg(0, 0);
    w.setWindowExt(8330, 5050);
    QRandomGenerator gen(7);
    const int pens[3] = { w.createPen(WmfWriter::PsSolid, 20, Qt::black), w.createPen(WmfWriter::PsDash, 10, Qt::red),
                          w.createPen(WmfWriter::PsNull, 0, Qt::black) };
    const int brushes[3] = { w.createBrush(WmfWriter::BsSolid, Qt::yellow),
                             w.createBrush(WmfWriter::BsHatched, Qt::darkGreen, WmfWriter::HsCross),
                             w.createBrush(WmfWriter::BsSolid, Qt::blue) };
    w.selectObject(w.createFont(-200, 700, QStringLiteral("Arial")));
    while (w.recordCount() < records) {
        const int x = int(gen.bounded(8000)), y = int(gen.bounded(4800));
        switch (w.recordCount() % 7) {
        case 0: w.selectObject(pens[gen.bounded(3)]); break;
        case 1: w.selectObject(brushes[gen.bounded(3)]); break;
        case 2: w.ellipse(QRect(x, y, 300, 200)); break;
        case 3: w.rectangle(QRect(x, y, 250, 250)); break;
        case 4: w.polygon({ QPoint(x, y), QPoint(x + 300, y + 50), QPoint(x + 100, y + 250) }); break;
        case 5: w.pie(QRect(x, y, 300, 300), QPoint(x + 300, y + 150), QPoint(x + 150, y)); break;
        default: w.textOut(x, y, QByteArray("Duplikon")); break;
        }
    }
    return w.finish();
}

qint64 peakKilobytes()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int reps = argc > 1 ? qMax(1, atoi(argv[1])) : 9;
    QTemporaryDir dir;

    struct Case { QString name; QString path; };
    std::vector<Case> cases;
    const auto keep = [&](const QString &name, const QByteArray &bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        cases.push_back({ name + QStringLiteral(" (%1 KB)").arg(bytes.size() / 1024), path });
    };
    std::fprintf(stderr, "making pictures...\n");
    {
        const QImage small = photo(320, 240), large = photo(4000, 3000);
        for (const char *fmt : { "bmp", "gif", "jpg" }) {
            keep(QStringLiteral("small.%1").arg(QLatin1String(fmt)), encodePicture(small, fmt, 85));
            keep(QStringLiteral("large.%1").arg(QLatin1String(fmt)), encodePicture(large, fmt, 85));
        }
    } // the source pictures leave memory before anything is measured
    keep(QStringLiteral("demo-like.wmf"), metafile(60));
    keep(QStringLiteral("10000-records.wmf"), metafile(10000));

    std::printf("%-28s %-22s %12s %14s\n", "picture", "shown as", "median ms", "peak RSS MB");
    for (const Case &c : cases) {
        for (int mode = 0; mode < 2; ++mode) {
            const QSize box = mode == 0 ? QSize(161, 121) : QSize(833, 505);
            const PictureFit fit = mode == 0 ? PictureFit::Clip : PictureFit::Stretch;
            std::vector<double> ms;
            resetPeak();
            bool ok = true;
            for (int i = 0; i < reps; ++i) {
                QElapsedTimer t;
                t.start();
                const LoadedPicture p = loadPicture(c.path, box, fit);
                ms.push_back(t.nsecsElapsed() / 1e6);
                ok = ok && p.ok;
            }
            std::sort(ms.begin(), ms.end());
            std::printf("%-28s %-22s %12.2f %14.1f%s\n", qPrintable(c.name),
                        mode == 0 ? "cell 161x121 clip" : "solution 833x505 str.", ms[ms.size() / 2],
                        peakKilobytes() / 1024.0, ok ? "" : "  FAILED");
        }
    }
    return 0;
}
