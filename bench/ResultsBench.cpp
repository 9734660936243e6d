// SPDX-License-Identifier: GPL-3.0-or-later
// A school year of one class: 30 children × 200 runs, 6 000 files of 50
// events each (300 000 events) on the local disk. Reads them the first time
// (no cache) and again with the cache, with the card box off and on. Then the cost of recording an event to
// the calling thread while every write takes 500 ms, and the card box of one
// child from that child's files. Prints the median and the best of the
// repetitions, and the processor time of the first reading.
//   build/bench/ResultsBench [repetitions]
#include "results/CardBox.h"
#include "results/ResultEvent.h"
#include "results/ResultsFolders.h"
#include "results/ResultsStatistics.h"
#include "results/ResultsWriter.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <thread>
#include <vector>

using namespace duplikon;

namespace {

// One run of a child: five tasks, each set, dropped eight times (two wrong)
// and solved: 50 events.
QByteArray runFile(const QString &child, int run)
{
    QByteArray bytes;
    QDateTime time(QDate(2025, 9, 1).addDays(run), QTime(8, 0));
    for (int task = 0; task < 5; ++task) {
        ResultEvent e;
        e.user = child;
        e.task = QStringLiteral("AUFGABE%1.TXT").arg((run + task) % 40);
        e.fingerprint = QStringLiteral("%1").arg(task, 64, 16, QLatin1Char('0'));
        e.time = time;
        bytes += resultLine(e);
        e.kind = ResultEvent::Drop;
        for (int drop = 0; drop < 8; ++drop) {
            const int pair = drop < 6 ? drop : (drop + run) % 6;
            e.half1 = QStringLiteral("Bild%1.GIF").arg(pair);
            e.half2 = drop < 6 ? QStringLiteral("Wort %1").arg(pair) : QStringLiteral("Wort %1").arg((pair + 1) % 6);
            e.matched = drop < 6;
            e.time = e.time.addSecs(5);
            bytes += resultLine(e);
        }
        e.kind = ResultEvent::Solved;
        e.seconds = 40;
        e.wrongDrops = 2;
        bytes += resultLine(e);
        time = e.time.addSecs(10);
    }
    return bytes;
}

double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString root = ResultsFolders(dir.path()).programRoot();
    for (int child = 0; child < 30; ++child) {
        const QString name = QStringLiteral("Kind %1").arg(child);
        const QString folder = root + QLatin1Char('/') + childFolderName(name);
        QDir().mkpath(folder);
        for (int run = 0; run < 200; ++run) {
            QFile f(folder + QStringLiteral("/2025-09-01T08-00-00-pc-%1.jsonl").arg(run, 8, 16, QLatin1Char('0')));
            if (!f.open(QIODevice::WriteOnly) || f.write(runFile(name, run)) < 0)
                return 1;
        }
    }
    const QString cache = dir.filePath(QStringLiteral("cache/results"));
    // Without the card box, then with it (the cache left behind holds the card outcomes).
    for (const bool cards : {false, true}) {
        std::vector<double> first, firstCpu, cached;
        int runs = 0;
        for (int i = 0; i < repetitions; ++i) {
            QFile::remove(cache);
            QElapsedTimer t;
            t.start();
            const std::clock_t cpu = std::clock();
            runs = int(readResults({root}, cache, {}, nullptr, cards).runs.size());
            first.push_back(msSince(t));
            firstCpu.push_back(1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC);
            t.start();
            readResults({root}, cache, {}, nullptr, cards);
            cached.push_back(msSince(t));
        }
        std::printf("Kartei %s: read 6000 files, 300000 events (%d runs): first %.0f ms (best %.0f, processor time of "
                    "all threads %.0f ms), with the cache %.0f ms (best %.0f), cache %lld bytes\n",
                    cards ? "on" : "off", runs, bench::median(first), *std::min_element(first.begin(), first.end()),
                    bench::median(firstCpu), bench::median(cached), *std::min_element(cached.begin(), cached.end()),
                    QFileInfo(cache).size());
    }

    // The card box of one child: that child's 200 files, as "Laden" needs it,
    // read from the files (cold) and with the cache the reading above left.
    for (const bool warm : {false, true}) {
        std::vector<double> box;
        int cards = 0;
        for (int i = 0; i < std::max(repetitions, 5); ++i) {
            QElapsedTimer t;
            t.start();
            const QVector<BoxCard> all = readCardBox({root}, QStringLiteral("Kind 7"), warm ? cache : QString());
            cards = int(cardOffer(all, QDate(2026, 6, 1), {}).size() + all.size());
            box.push_back(msSince(t));
        }
        std::printf("card box of one child (200 files, 10000 events, %d cards and offered) %s: first %.1f ms, "
                    "median %.1f ms (best %.1f)\n",
                    cards, warm ? "with the cache" : "from the files", box.front(), bench::median(box),
                    *std::min_element(box.begin(), box.end()));
    }

    // A file system that takes 500 ms for every write.
    QTemporaryDir program;
    ResultsWriter writer(ResultsFolders(program.path()), QStringLiteral("pc"));
    writer.setWriteHook([] { std::this_thread::sleep_for(std::chrono::milliseconds(500)); });
    std::vector<double> record;
    ResultEvent e;
    e.kind = ResultEvent::Drop;
    e.user = QStringLiteral("Lea");
    e.task = QStringLiteral("TIERE.TXT");
    e.half1 = QStringLiteral("Hund.GIF");
    e.half2 = QStringLiteral("Wau");
    for (int i = 0; i < 1000; ++i) {
        e.time = QDateTime::currentDateTime();
        QElapsedTimer t;
        t.start();
        writer.record(e);
        record.push_back(msSince(t));
        if (i % 100 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    QElapsedTimer t;
    t.start();
    writer.finish(1000);
    std::printf("record an event with 500 ms writes: median %.4f ms, worst %.4f ms; finish(1000) took %.0f ms\n",
                bench::median(record), *std::max_element(record.begin(), record.end()), msSince(t));
    return 0;
}
