// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the results kept for the teacher. The first byte chooses
// what the rest is: a results file read from disk (each line also parsed on
// its own, and what parses written and parsed again), or the reader's cache.
#include "FuzzEntry.h"
#include "results/ResultEvent.h"
#include "results/ResultsStatistics.h"
#include "results/ResultsTables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace duplikon;
    if (size < 1 || size > 2 * 1024 * 1024)
        return 0;
    const bool asCache = data[0] & 1;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    static const QString folder = QDir::tempPath() + QStringLiteral("/duplikon-fuzz-results-%1").arg(QCoreApplication::applicationPid());
    const QString root = folder + QStringLiteral("/Ergebnisse");
    const QString file = root + QStringLiteral("/Kind/a.jsonl");
    const QString cache = folder + QStringLiteral("/cache");
    if (asCache) {
        write(file, QByteArray());
        write(cache, bytes);
        readResults({root}, cache);
        return 0;
    }
    QFile::remove(cache);
    int parsed = 0;
    for (const QByteArray &line : bytes.split('\n')) {
        const std::optional<ResultEvent> event = parseResultLine(line);
        if (!event)
            continue;
        ++parsed;
        const QByteArray again = resultLine(*event);
        const std::optional<ResultEvent> back = parseResultLine(again);
        if (!back || back->kind != event->kind || back->user != event->user || back->task != event->task
            || back->half1 != event->half1 || back->half2 != event->half2 || back->seconds != event->seconds
            || back->wrongDrops != event->wrongDrops || back->way != event->way || again.count('\n') != 1)
            std::abort(); // what was read is written back the same, on one line
    }
    write(file, bytes);
    const ResultsData results = readResults({root}, QString());
    if (results.runs.size() + results.damagedLines > bytes.count('\n') + 1 || results.runs.size() > parsed)
        std::abort();
    runsCsv(results);
    pairsCsv(results);
    inPeriod(results, Period::ThisWeek, QDate(2026, 3, 5));
    return 0;
}
