// SPDX-License-Identifier: GPL-3.0-or-later
// A "Paarkarten" PDF of a task of twenty 12-megapixel photos (4000 × 3000,
// JPEG quality 90): the layout, the photos decoded at the cards' size and the
// PDF written, with the picture cache emptied before each repetition. Prints
// the median and the best time and the file's size.
//   build/bench/WorksheetBench [repetitions]
#include "output/Worksheet.h"
#include "pictures/PictureLoader.h"
#include "platform/Services.h"

#include "BenchSupport.h"
#include "ProgramFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace duplikon;
using duplikon::test::encodePicture;

namespace {

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int reps = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    Worksheet sheet;
    sheet.title = QStringLiteral("Fotos");
    sheet.cellFont = QFont(QStringLiteral("Courier New"));
    sheet.cellFont.setPointSizeF(12);
    for (int i = 0; i < 20; ++i) {
        const QString path = dir.filePath(QStringLiteral("Foto%1.jpg").arg(i));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(encodePicture(bench::cameraPhoto(4000, 3000, quint32(i + 1)), "JPG", 90)) < 0)
            return 1;
        (i < 10 ? sheet.left : sheet.right) << SheetHalf{SheetHalf::Picture, QString(), path};
    }
    std::printf("cores: %d\n", QThread::idealThreadCount());
    const QString pdf = dir.filePath(QStringLiteral("Karten.pdf"));
    QtPrinter printer;
    std::vector<double> times, cpuTimes;
    for (int r = 0; r <= reps; ++r) {
        clearPictureCache();
        QElapsedTimer t;
        t.start();
        const std::clock_t cpu = std::clock();
        const QList<SheetPage> pages = layoutWorksheet(WorksheetKind::Cards, sheet);
        preparePictures(pages);
        QString error;
        const bool ok = printer.writePdf(
            pdf, sheet.title, QSizeF(kSheetWidthTwips, kSheetHeightTwips), int(pages.size()),
            [&pages](QPainter &p, int page, double devicePerTwip) { drawSheetPage(p, pages.at(page), devicePerTwip); },
            &error);
        if (!ok) {
            std::fprintf(stderr, "PDF not written: %s\n", qPrintable(error));
            return 1;
        }
        if (r > 0) { // the first run warms the file cache
            times.push_back(double(t.nsecsElapsed()) / 1e6);
            cpuTimes.push_back(double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
        }
    }
    std::printf("Paarkarten, twenty 12-megapixel photos: median %.1f ms  best %.1f ms  (target 1000 ms)\n",
                bench::median(times), *std::min_element(times.begin(), times.end()));
    // On a shared machine the processor time of all threads tells what the work costs.
    std::printf("processor time of all threads: median %.1f ms\n", bench::median(cpuTimes));
    std::printf("PDF size: %.2f MB  (target 5 MB)\n", double(QFileInfo(pdf).size()) / 1e6);
    return 0;
}
