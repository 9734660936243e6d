// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsStatistics.h"

#include "results/ResultEvent.h"
#include "results/ResultsCache.h"
#include "results/ResultsFolders.h"

#include "pictures/PictureLoader.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>
#include <thread>
#include <tuple>
#include <utility>

namespace duplikon {

namespace {

constexpr int kBatchFiles = 64;
constexpr qsizetype kSlices = 4;

struct DropKey {
    qint64 day;
    QString task;
    QString half1;
    QString half2;
    bool matched;
    bool operator==(const DropKey &o) const
    {
        return day == o.day && matched == o.matched && task == o.task && half1 == o.half1 && half2 == o.half2;
    }
};

size_t qHash(const DropKey &k, size_t seed = 0)
{
    return qHashMulti(seed, k.day, k.task, k.half1, k.half2, k.matched);
}

void addDrops(QHash<DropKey, int> &counts, const QVector<ResultDropCount> &drops)
{
    for (const ResultDropCount &d : drops)
        counts[DropKey{d.day.toJulianDay(), d.task, d.half1, d.half2, d.matched}] += d.count;
}

QVector<ResultDropCount> dropList(const QHash<DropKey, int> &counts)
{
    QVector<ResultDropCount> drops;
    drops.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        drops.append({QDate::fromJulianDay(it.key().day), it.key().task, it.key().half1, it.key().half2,
                      it.key().matched, it.value()});
    return drops;
}

// The halves in one order, so a pair dropped either way is one pair.
DropKey dropKey(qint64 day, const QString &task, QString a, QString b, bool matched)
{
    if (b < a)
        std::swap(a, b);
    return DropKey{day, task, std::move(a), std::move(b), matched};
}

// The pair table of the drops: a matched drop or a task's list names a
// pair; a wrong drop counts against the pair of the dragged half and against
// the pair of the half it was dropped on.
QVector<ResultPair> pairsOf(const QVector<ResultDropCount> &drops)
{
    using PairKey = std::tuple<QString, QString, QString>;
    std::map<PairKey, ResultPair> pairs;
    // (sorted by key first, so equal counts keep one order whatever the hash)
    QHash<QString, QHash<QString, PairKey>> pairOfHalf; // task -> half -> pair
    for (const ResultDropCount &d : drops) {
        if (!d.matched)
            continue;
        const PairKey key(d.task, d.half1, d.half2);
        ResultPair &pair = pairs[key];
        pair.task = d.task;
        pair.half1 = d.half1;
        pair.half2 = d.half2;
        pair.matched += d.count;
        pairOfHalf[d.task].insert(d.half1, key);
        pairOfHalf[d.task].insert(d.half2, key);
    }
    for (const ResultDropCount &d : drops) {
        if (d.matched)
            continue;
        const QHash<QString, PairKey> halves = pairOfHalf.value(d.task);
        const auto first = halves.constFind(d.half1);
        const auto second = halves.constFind(d.half2);
        if (first != halves.cend())
            pairs[*first].wrong += d.count;
        if (second != halves.cend() && (first == halves.cend() || *second != *first))
            pairs[*second].wrong += d.count;
    }
    QVector<ResultPair> out;
    out.reserve(int(pairs.size()));
    for (const auto &entry : pairs)
        out.append(entry.second);
    std::stable_sort(out.begin(), out.end(), [](const ResultPair &a, const ResultPair &b) {
        if (a.wrong != b.wrong)
            return a.wrong > b.wrong;
        return a.matched < b.matched;
    });
    return out;
}

} // namespace

FileResults parseResultFile(const QByteArray &bytes, LocalTimes &days, bool cards)
{
    FileResults f;
    QHash<DropKey, int> drops;
    drops.reserve(64);
    QSet<std::pair<qint64, QString>> childDays;
    QHash<QString, QVector<ResultEvent>> events; // by child, for the cards
    int matches = 0; // since the task was set
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        // A last line without its line end was cut short by a crash.
        if (end < 0) {
            ++f.damagedLines;
            break;
        }
        const QByteArray line = QByteArray::fromRawData(bytes.constData() + start, end - start);
        start = end + 1;
        if (line.trimmed().isEmpty())
            continue;
        std::optional<ResultEvent> event = parseResultLine(line);
        if (!event) {
            ++f.damagedLines;
            continue;
        }
        const qint64 day = days.day(event->time);
        childDays.insert({day, event->user});
        if (event->kind == ResultEvent::Solved) {
            f.runs.append({days.local(event->time.toMSecsSinceEpoch()), event->user, event->task, event->seconds, event->wrongDrops,
                           matches, event->way, event->mandatory, event->turns, event->teams});
            matches = 0;
        } else if (event->kind == ResultEvent::Drop) {
            ++drops[dropKey(day, event->task, event->half1, event->half2, event->matched)];
            matches += event->matched ? 1 : 0;
        } else {
            matches = 0;
            for (const HalfPair &pair : event->pairs)
                drops[dropKey(day, event->task, pair.first, pair.second, true)] += 0;
        }
        if (cards)
            events[event->user].append(std::move(*event));
    }
    f.drops = dropList(drops);
    for (const auto &[day, child] : childDays)
        f.childDays.append({QDate::fromJulianDay(day), child});
    for (auto it = events.cbegin(); it != events.cend(); ++it)
        f.cardOutcomes.insert(it.key(), cardOutcomes(*it));
    return f;
}

ResultsData readResults(const QStringList &roots, const QString &cacheFile,
                        std::function<void(int done, int total)> progress, const std::atomic<bool> *stop, bool cards)
{
    const ResultFileList listed = ResultsFolders::list(roots);
    const QVector<ResultFile> &files = listed.files;
    LocalTimes days;
    bool heldCards = false;
    QHash<QString, FileResults> cache = readCache(cacheFile, days, cards, {}, &heldCards);
    QHash<QString, FileResults> now;
    now.reserve(files.size());
    // A cache with card outcomes no longer wanted is written again without them.
    bool changed = cache.size() != files.size() || heldCards;
    ResultsData data;
    data.cards = cards;
    data.files = int(files.size());
    data.damagedFiles = int(listed.skipped.size());
    QHash<DropKey, int> drops;
    QHash<QString, QVector<QVector<CardOutcome>>> outcomes; // by child, file by file
    // A batch at a time, so that a stop is heard and the progress told; the
    // files of a batch that the cache lacks are read and parsed in parallel.
    for (int from = 0; from < files.size(); from += kBatchFiles) {
        if (stop && *stop)
            return data;
        const int to = std::min(int(files.size()), from + kBatchFiles);
        QStringList paths;
        QVector<int> missing;
        for (int i = from; i < to; ++i) {
            const ResultFile &file = files.at(i);
            paths.append(file.path());
            const auto cached = cache.constFind(paths.last());
            if (cached == cache.cend() || cached->size != file.size || cached->modified != file.modified)
                missing.append(i);
        }
        QVector<FileResults> fresh(missing.size());
        // A few slices, each reading its files through one reader.
        const int slices = int(std::min<qsizetype>(missing.size(), kSlices));
        runInParallel(slices, [&](int slice) {
            nolink::Reader reader;
            for (qsizetype k = missing.size() * slice / slices; k < missing.size() * (slice + 1) / slices; ++k) {
                const ResultFile &file = files.at(missing.at(k));
                FileResults &f = fresh[k];
                QByteArray bytes;
                if (ResultsFolders::read(file, ResultsFolders::kMaxFileBytes, &bytes, reader))
                    f = parseResultFile(bytes, days, cards);
                else
                    f.damaged = true;
                f.size = file.size;
                f.modified = file.modified;
            }
        });
        for (int k = 0; k < missing.size(); ++k)
            cache.insert(paths.at(missing.at(k) - from), std::move(fresh[k]));
        changed = changed || !missing.isEmpty();
        for (int i = from; i < to; ++i) {
            const auto cached = cache.find(paths.at(i - from));
            const FileResults &f = *cached;
            data.damagedFiles += f.damaged ? 1 : 0;
            data.damagedLines += f.damagedLines;
            data.runs += f.runs;
            data.childDays += f.childDays;
            addDrops(drops, f.drops);
            for (auto it = f.cardOutcomes.cbegin(); it != f.cardOutcomes.cend(); ++it)
                outcomes[it.key()].append(*it);
            now.insert(paths.at(i - from), std::move(*cached));
        }
        if (progress)
            progress(to, int(files.size()));
    }
    // The cache is written, and the files' results freed, beside the tables.
    std::thread cacheWriter;
    if (changed)
        cacheWriter = std::thread([&cacheFile, cards, files = std::move(now)]() mutable {
            writeCache(cacheFile, files, cards);
            files = {};
        });
    data.drops = dropList(drops);
    std::stable_sort(data.runs.begin(), data.runs.end(),
                     [](const ResultRun &a, const ResultRun &b) { return a.time < b.time; });
    data.pairs = pairsOf(data.drops);
    // Each child's box on its own, on all cores.
    const QStringList children = outcomes.keys();
    QVector<QVector<QVector<CardOutcome>>> lists;
    for (const QString &child : children)
        lists.append(std::move(outcomes[child]));
    QVector<QVector<BoxCard>> boxes(children.size());
    runInParallel(int(children.size()), [&](int i) { boxes[i] = cardsFrom(lists.at(i)); });
    for (int i = 0; i < children.size(); ++i)
        data.cardBoxes.insert(children.at(i), std::move(boxes[i]));
    if (cacheWriter.joinable())
        cacheWriter.join();
    return data;
}

ResultsData inPeriod(const ResultsData &data, Period period, const QDate &today)
{
    if (period == Period::All)
        return data;
    const QDate first = period == Period::Today ? today : today.addDays(1 - today.dayOfWeek());
    auto within = [&](const QDate &day) { return day >= first && day <= today; };
    ResultsData out;
    out.damagedLines = data.damagedLines;
    out.damagedFiles = data.damagedFiles;
    out.files = data.files;
    out.cardBoxes = data.cardBoxes;
    out.cards = data.cards;
    for (const ResultRun &run : data.runs)
        if (within(run.time.date()))
            out.runs.append(run);
    for (const ResultDropCount &drop : data.drops)
        if (within(drop.day))
            out.drops.append(drop);
    for (const ResultChildDay &childDay : data.childDays)
        if (within(childDay.day))
            out.childDays.append(childDay);
    out.pairs = pairsOf(out.drops);
    return out;
}

QStringList childrenOf(const ResultsData &data)
{
    QSet<QString> seen;
    for (const ResultChildDay &childDay : data.childDays)
        seen.insert(childDay.child);
    for (const ResultRun &run : data.runs)
        seen.insert(run.child);
    QStringList children(seen.cbegin(), seen.cend());
    std::sort(children.begin(), children.end(),
              [](const QString &a, const QString &b) { return QString::localeAwareCompare(a, b) < 0; });
    return children;
}

} // namespace duplikon
