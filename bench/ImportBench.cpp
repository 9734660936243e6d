// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a teacher's photos: one 12-megapixel JPEG (4000 × 3000, quality
// 90) and a drop of twenty of them, fitted into a cell and stored in a fresh
// folder each time. Then a task of the twenty photos passed on as one
// .duplikon file and taken into a fresh folder. Prints the median and the
// best of the repetitions.
//   build/bench/ImportBench [repetitions]
#include "pictures/PictureImport.h"
#include "tasks/ProgramFolder.h"
#include "tasks/TaskArchive.h"
#include "platform/TextFiles.h"

#include "BenchSupport.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <vector>

using namespace duplikon;
using duplikon::test::encodePicture;

namespace {

// Milliseconds for one import of sources into a fresh program folder.
double importOnce(const QVector<ImportSource> &sources)
{
    QTemporaryDir program;
    QElapsedTimer t;
    t.start();
    const QVector<ImportResult> results =
        importPictures(sources, duplikon::ProgramFolder::importFolders(program.path(), ImportKind::Cell), ImportKind::Cell);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    for (const ImportResult &r : results) {
        if (r.fileName.isEmpty())
            std::fprintf(stderr, "import failed: %s\n", qPrintable(r.message));
    }
    return ms;
}

// Milliseconds for passing the task on (read, checked, packed and written)
// and for taking the archive into a fresh program folder.
double passOnOnce(const QString &folder, const QString &archive)
{
    QElapsedTimer t;
    t.start();
    const OutgoingTask task = gatherTask(folder, QStringLiteral("FOTOS.TXT"));
    QString error;
    if (!task.ok || !task.problems.isEmpty() || !saveTaskArchive(archive, task.task, &error))
        std::fprintf(stderr, "passing on failed: %s %s\n", qPrintable(task.error), qPrintable(error));
    return double(t.nsecsElapsed()) / 1e6;
}

double takeInOnce(const QString &archive)
{
    QTemporaryDir program;
    QElapsedTimer t;
    t.start();
    const TakenInTask in = takeInTask(archive, program.path());
    const double ms = double(t.nsecsElapsed()) / 1e6;
    if (!in.ok)
        std::fprintf(stderr, "taking in failed: %s\n", qPrintable(in.message));
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const int reps = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    QVector<ImportSource> twenty;
    for (int i = 0; i < 20; ++i) {
        const QString path = dir.filePath(QStringLiteral("Foto%1.jpg").arg(i));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(encodePicture(bench::cameraPhoto(4000, 3000, quint32(i + 1)), "JPG", 90)) < 0)
            return 1;
        twenty.append({path, {}});
    }
    std::printf("cores: %d, file size of the first photo: %.1f MB\n", QThread::idealThreadCount(),
                double(QFileInfo(twenty.first().path).size()) / 1e6);
    const struct { const char *name; QVector<ImportSource> sources; double target; } cases[] = {
        {"one 12-megapixel JPEG", {twenty.first()}, 150},
        {"twenty 12-megapixel JPEGs", twenty, 1500},
    };
    const auto report = [reps](const char *name, double target, const std::function<double()> &once) {
        once(); // warm the file cache
        std::vector<double> times;
        for (int r = 0; r < reps; ++r)
            times.push_back(once());
        std::printf("%-28s median %7.1f ms  best %7.1f ms  (target %.0f ms)\n", name, bench::median(times),
                    *std::min_element(times.begin(), times.end()), target);
    };
    for (const auto &c : cases)
        report(c.name, c.target, [&c] { return importOnce(c.sources); });

    // The task: the twenty photos, one a line, read from the folder the drop came from.
    QStringList lines;
    for (const ImportSource &source : std::as_const(twenty))
        lines << QFileInfo(source.path).fileName();
    QString error;
    if (!writeFileAtomically(dir.filePath(QStringLiteral("FOTOS.TXT")), linesToBytes(lines), &error))
        return 1;
    QTemporaryDir out;
    const QString archive = out.filePath(QStringLiteral("FOTOS.duplikon"));
    report("pass on twenty photos", 2000, [&] { return passOnOnce(dir.path(), archive); });
    std::printf("archive size: %.1f MB\n", double(QFileInfo(archive).size()) / 1e6);
    report("take in twenty photos", 2000, [&] { return takeInOnce(archive); });
    return 0;
}
