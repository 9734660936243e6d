// SPDX-License-Identifier: GPL-3.0-or-later
#include "Results.h"

#include "platform/RegularFile.h"

#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace duplikon {

namespace {

constexpr qint64 kMaxResultFileBytes = 64LL * 1024 * 1024;
constexpr qint64 kMaxCacheBytes = 1024LL * 1024 * 1024;
constexpr quint32 kCacheMagic = 0x44524333; // "DRC3"

// What one file holds, as kept in the cache.
struct FileResults {
    qint64 size = -1;
    qint64 modified = 0;
    bool damaged = false;
    int damagedLines = 0;
    QVector<ResultRun> runs;
    QVector<ResultDropCount> drops;
};

// Texts in the cache: a length and UTF-8. A length beyond what is left of
// the cache refuses it before anything is allocated.
void writeText(QDataStream &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    out << quint32(utf8.size());
    out.writeRawData(utf8.constData(), int(utf8.size()));
}

bool readText(QDataStream &in, QString &text)
{
    quint32 size = 0;
    in >> size;
    if (in.status() != QDataStream::Ok || qint64(size) > in.device()->bytesAvailable())
        return false;
    QByteArray utf8(qsizetype(size), Qt::Uninitialized);
    if (in.readRawData(utf8.data(), int(size)) != int(size))
        return false;
    text = QString::fromUtf8(utf8);
    return true;
}

// The cache keeps every text once, in a table, and refers to it by number:
// names, tasks and halves repeat in thousands of files.
class StringTable {
public:
    qint32 index(const QString &text)
    {
        auto it = m_index.constFind(text);
        if (it != m_index.cend())
            return *it;
        m_strings.append(text);
        return *m_index.insert(text, qint32(m_strings.size() - 1));
    }
    const QStringList &strings() const { return m_strings; }

private:
    QHash<QString, qint32> m_index;
    QStringList m_strings;
};

void writeFileResults(QDataStream &out, const FileResults &f, StringTable &table)
{
    out << f.size << f.modified << f.damaged << qint32(f.damagedLines) << qint32(f.runs.size());
    for (const ResultRun &r : f.runs)
        out << r.time.toMSecsSinceEpoch() << table.index(r.child) << table.index(r.task) << qint32(r.seconds)
            << qint32(r.wrongDrops) << qint8(r.way) << r.mandatory;
    out << qint32(f.drops.size());
    for (const ResultDropCount &d : f.drops)
        out << qint64(d.day.toJulianDay()) << table.index(d.task) << table.index(d.half1) << table.index(d.half2)
            << d.matched << qint32(d.count);
}

bool readFileResults(QDataStream &in, FileResults &f, const QStringList &strings)
{
    qint32 damagedLines = 0, runs = 0, drops = 0;
    in >> f.size >> f.modified >> f.damaged >> damagedLines >> runs;
    if (in.status() != QDataStream::Ok || runs < 0 || damagedLines < 0)
        return false;
    auto text = [&](qint32 i, QString &out) {
        if (i < 0 || i >= strings.size())
            return false;
        out = strings.at(i);
        return true;
    };
    f.damagedLines = damagedLines;
    for (qint32 i = 0; i < runs && in.status() == QDataStream::Ok; ++i) {
        ResultRun r;
        qint64 ms = 0;
        qint32 child = 0, task = 0, seconds = 0, wrong = 0;
        qint8 way = 0;
        in >> ms >> child >> task >> seconds >> wrong >> way >> r.mandatory;
        if (way < 0 || way > qint8(PlayWay::Cards) || !text(child, r.child) || !text(task, r.task))
            return false;
        r.time = QDateTime::fromMSecsSinceEpoch(ms);
        r.seconds = seconds;
        r.wrongDrops = wrong;
        r.way = PlayWay(way);
        f.runs.append(r);
    }
    in >> drops;
    if (in.status() != QDataStream::Ok || drops < 0)
        return false;
    for (qint32 i = 0; i < drops && in.status() == QDataStream::Ok; ++i) {
        ResultDropCount d;
        qint64 day = 0;
        qint32 task = 0, half1 = 0, half2 = 0, count = 0;
        in >> day >> task >> half1 >> half2 >> d.matched >> count;
        if (!text(task, d.task) || !text(half1, d.half1) || !text(half2, d.half2))
            return false;
        d.day = QDate::fromJulianDay(day);
        d.count = count;
        f.drops.append(d);
    }
    return in.status() == QDataStream::Ok;
}

QHash<QString, FileResults> readCache(const QString &cacheFile)
{
    QHash<QString, FileResults> cache;
    QByteArray bytes;
    QString error;
    if (cacheFile.isEmpty() || !readRegularFile(cacheFile, kMaxCacheBytes, &bytes, &error))
        return cache;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    QStringList strings;
    qint32 count = 0;
    qint32 stringCount = 0;
    in >> magic >> stringCount;
    if (magic != kCacheMagic || stringCount < 0 || stringCount > bytes.size() / 4)
        return cache;
    for (qint32 i = 0; i < stringCount; ++i) {
        QString text;
        if (!readText(in, text))
            return cache;
        strings.append(text);
    }
    in >> count;
    if (in.status() != QDataStream::Ok || count < 0)
        return cache;
    for (qint32 i = 0; i < count; ++i) {
        QString path;
        FileResults f;
        if (!readText(in, path) || !readFileResults(in, f, strings))
            return {}; // a damaged cache is read again from the files
        cache.insert(path, std::move(f));
    }
    return cache;
}

void writeCache(const QString &cacheFile, const QHash<QString, FileResults> &files)
{
    if (cacheFile.isEmpty())
        return;
    QByteArray body;
    StringTable table;
    {
        QDataStream out(&body, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << qint32(files.size());
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            writeText(out, it.key());
            writeFileResults(out, it.value(), table);
        }
    }
    QDir().mkpath(QFileInfo(cacheFile).path());
    QSaveFile file(cacheFile);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << kCacheMagic << qint32(table.strings().size());
    for (const QString &text : table.strings())
        writeText(out, text);
    file.write(body);
    file.commit();
}

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

// The local day of a time, with the offset looked up once an hour of UTC.
class LocalDays {
public:
    qint64 day(const QDateTime &time)
    {
        const qint64 ms = time.toMSecsSinceEpoch();
        const qint64 hour = ms / 3600000;
        auto it = m_offsets.constFind(hour);
        if (it == m_offsets.cend())
            it = m_offsets.insert(hour, time.toLocalTime().offsetFromUtc());
        return QDateTime::fromMSecsSinceEpoch(ms + qint64(*it) * 1000, Qt::UTC).date().toJulianDay();
    }

private:
    QHash<qint64, int> m_offsets;
};

FileResults parseFile(const QByteArray &bytes, LocalDays &days)
{
    FileResults f;
    QHash<DropKey, int> drops;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        // A last line without its line end was cut short by a crash.
        if (end < 0) {
            ++f.damagedLines;
            break;
        }
        const QByteArray line = bytes.mid(start, end - start);
        start = end + 1;
        if (line.trimmed().isEmpty())
            continue;
        const std::optional<ResultEvent> event = parseResultLine(line);
        if (!event) {
            ++f.damagedLines;
            continue;
        }
        if (event->kind == ResultEvent::Solved) {
            f.runs.append({event->time.toLocalTime(), event->user, event->task, event->seconds, event->wrongDrops,
                           event->way, event->mandatory});
        } else if (event->kind == ResultEvent::Drop) {
            // The halves in one order, so a pair dropped either way is one pair.
            QString a = event->half1, b = event->half2;
            if (b < a)
                std::swap(a, b);
            ++drops[DropKey{days.day(event->time), event->task, a, b, event->matched}];
        }
    }
    f.drops = dropList(drops);
    return f;
}

// The pair table of the drops: a matched drop names a pair; a wrong drop
// counts against the pair of each of its halves.
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

QStringList resultFiles(const QStringList &roots)
{
    QStringList files;
    for (const QString &root : roots) {
        if (root.isEmpty() || !QFileInfo(root).isDir())
            continue;
        QDirIterator it(root, {QStringLiteral("*.jsonl")}, QDir::Files | QDir::NoSymLinks | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
    }
    files.sort();
    return files;
}

// A field for a German spreadsheet: quoted when it holds a separator, a quote,
// a line break or an edge space. A field beginning with = + - @ (or a tab or
// carriage return) gets an apostrophe in front, inside quotes: the spreadsheet
// shows it as text instead of running it. An apostrophe rather than a tab,
// because importers trim leading white space, which would arm the formula
// again, and because the teacher sees that the value was guarded.
QByteArray csvField(const QString &value)
{
    QString text = value;
    bool quote = false;
    if (!text.isEmpty()) {
        const QChar c = text.front();
        if (c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r') {
            text.prepend(QLatin1Char('\''));
            quote = true;
        }
        if (text.front().isSpace() || text.back().isSpace())
            quote = true;
    }
    for (const QChar c : std::as_const(text)) {
        if (c == u';' || c == u'"' || c == u'\n' || c == u'\r') {
            quote = true;
            break;
        }
    }
    if (!quote)
        return text.toUtf8();
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return '"' + text.toUtf8() + '"';
}

QByteArray csvRow(const QStringList &fields)
{
    QByteArray row;
    for (int i = 0; i < fields.size(); ++i) {
        if (i)
            row += ';';
        row += csvField(fields.at(i));
    }
    return row + "\r\n";
}

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

ResultsData readResults(const QStringList &roots, const QString &cacheFile,
                        std::function<void(int done, int total)> progress)
{
    const QStringList paths = resultFiles(roots);
    QHash<QString, FileResults> cache = readCache(cacheFile);
    QHash<QString, FileResults> now;
    now.reserve(paths.size());
    LocalDays days;
    bool changed = cache.size() != paths.size();
    ResultsData data;
    data.files = int(paths.size());
    for (int i = 0; i < paths.size(); ++i) {
        const QString &path = paths.at(i);
        const QFileInfo info(path);
        const qint64 size = info.size();
        const qint64 modified = info.lastModified().toMSecsSinceEpoch();
        auto cached = cache.find(path);
        if (cached != cache.end() && cached->size == size && cached->modified == modified) {
            now.insert(path, std::move(*cached));
        } else {
            changed = true;
            QByteArray bytes;
            QString error;
            FileResults f;
            if (readRegularFile(path, kMaxResultFileBytes, &bytes, &error))
                f = parseFile(bytes, days);
            else
                f.damaged = true;
            f.size = size;
            f.modified = modified;
            now.insert(path, std::move(f));
        }
        if (progress && (i % 64 == 63 || i + 1 == paths.size()))
            progress(i + 1, int(paths.size()));
    }
    QHash<DropKey, int> drops;
    for (const QString &path : paths) {
        const FileResults &f = now[path];
        data.damagedFiles += f.damaged ? 1 : 0;
        data.damagedLines += f.damagedLines;
        data.runs += f.runs;
        addDrops(drops, f.drops);
    }
    data.drops = dropList(drops);
    std::stable_sort(data.runs.begin(), data.runs.end(),
                     [](const ResultRun &a, const ResultRun &b) { return a.time < b.time; });
    data.pairs = pairsOf(data.drops);
    if (changed)
        writeCache(cacheFile, now);
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
    for (const ResultRun &run : data.runs)
        if (within(run.time.date()))
            out.runs.append(run);
    for (const ResultDropCount &drop : data.drops)
        if (within(drop.day))
            out.drops.append(drop);
    out.pairs = pairsOf(out.drops);
    return out;
}

QString playWayName(PlayWay way)
{
    switch (way) {
    case PlayWay::Mouse: return QStringLiteral("Maus");
    case PlayWay::Keys: return QStringLiteral("Tasten");
    case PlayWay::Tap: return QStringLiteral("Antippen");
    case PlayWay::Cards: return QStringLiteral("Aufdecken");
    }
    return {};
}

QByteArray runsCsv(const ResultsData &data)
{
    QByteArray csv = kBom;
    csv += csvRow({QStringLiteral("Datum"), QStringLiteral("Uhrzeit"), QStringLiteral("Kind"),
                   QStringLiteral("Aufgabe"), QStringLiteral("Sekunden"), QStringLiteral("Fehlversuche"),
                   QStringLiteral("Spielweise"), QStringLiteral("Pflicht")});
    for (const ResultRun &run : data.runs)
        csv += csvRow({run.time.toString(QStringLiteral("dd.MM.yyyy")), run.time.toString(QStringLiteral("HH:mm:ss")),
                       run.child, run.task, QString::number(run.seconds), QString::number(run.wrongDrops),
                       playWayName(run.way), run.mandatory ? QStringLiteral("ja") : QStringLiteral("nein")});
    return csv;
}

QByteArray pairsCsv(const ResultsData &data)
{
    QByteArray csv = kBom;
    csv += csvRow({QStringLiteral("Aufgabe"), QStringLiteral("Hälfte 1"), QStringLiteral("Hälfte 2"),
                   QStringLiteral("Richtig"), QStringLiteral("Falsch")});
    for (const ResultPair &pair : data.pairs)
        csv += csvRow({pair.task, pair.half1, pair.half2, QString::number(pair.matched), QString::number(pair.wrong)});
    return csv;
}

int deleteResults(const QStringList &roots, const std::optional<QString> &child)
{
    int failed = 0;
    for (const QString &root : roots) {
        if (root.isEmpty() || !QFileInfo(root).isDir())
            continue;
        const QString folder = child ? QDir(root).filePath(childFolderName(*child)) : root;
        for (const QString &path : resultFiles({folder}))
            if (!QFile::remove(path))
                ++failed;
        // Empty child folders go too; the folder Ergebnisse itself stays.
        QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
        QStringList folders;
        while (it.hasNext())
            folders.append(it.next());
        for (const QString &sub : std::as_const(folders))
            QDir(root).rmdir(sub);
        if (child)
            QDir(root).rmdir(folder);
    }
    return failed;
}

} // namespace duplikon
