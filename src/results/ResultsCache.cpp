// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsCache.h"

#include "platform/RegularFile.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace duplikon {

namespace {

constexpr qint64 kMaxCacheBytes = 1024LL * 1024 * 1024;
constexpr quint32 kCacheMagic = 0x44524337; // "DRC7"

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

void writeFileResults(QDataStream &out, const FileResults &f, StringTable &table, bool cards)
{
    out << f.size << f.modified << f.damaged << qint32(f.damagedLines) << qint32(f.runs.size());
    for (const ResultRun &r : f.runs)
        out << r.time.toMSecsSinceEpoch() << table.index(r.child) << table.index(r.task) << qint32(r.seconds)
            << qint32(r.wrongDrops) << qint32(r.matches) << qint8(r.way) << r.mandatory << qint32(r.turns)
            << qint8(r.teams);
    out << qint32(f.drops.size());
    for (const ResultDropCount &d : f.drops)
        out << qint64(d.day.toJulianDay()) << table.index(d.task) << table.index(d.half1) << table.index(d.half2)
            << d.matched << qint32(d.count);
    out << qint32(f.childDays.size());
    for (const ResultChildDay &c : f.childDays)
        out << qint64(c.day.toJulianDay()) << table.index(c.child);
    if (!cards)
        return;
    out << qint32(f.cardOutcomes.size());
    for (auto it = f.cardOutcomes.cbegin(); it != f.cardOutcomes.cend(); ++it) {
        out << table.index(it.key()) << qint32(it->size());
        for (const CardOutcome &o : *it)
            out << qint8(o.kind) << o.time.toMSecsSinceEpoch() << table.index(o.fingerprint) << table.index(o.task)
                << table.index(o.half1) << table.index(o.half2);
    }
}

// cards: the card outcomes that follow the other figures are read too (else
// the caller skips any the entry holds).
bool readFileResults(QDataStream &in, FileResults &f, const QStringList &strings, LocalTimes &times, bool cards)
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
        qint32 child = 0, task = 0, seconds = 0, wrong = 0, matches = 0, turns = 0;
        qint8 way = 0, teams = 0;
        in >> ms >> child >> task >> seconds >> wrong >> matches >> way >> r.mandatory >> turns >> teams;
        if (way < 0 || way > qint8(PlayWay::Cards) || turns < 0 || teams < 0 || !text(child, r.child)
            || !text(task, r.task))
            return false;
        r.time = times.local(ms);
        r.seconds = seconds;
        r.wrongDrops = wrong;
        r.matches = matches;
        r.turns = turns;
        r.teams = teams;
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
    qint32 childDays = 0;
    in >> childDays;
    if (in.status() != QDataStream::Ok || childDays < 0)
        return false;
    for (qint32 i = 0; i < childDays && in.status() == QDataStream::Ok; ++i) {
        ResultChildDay c;
        qint64 day = 0;
        qint32 child = 0;
        in >> day >> child;
        if (!text(child, c.child))
            return false;
        c.day = QDate::fromJulianDay(day);
        f.childDays.append(c);
    }
    if (!cards)
        return in.status() == QDataStream::Ok;
    qint32 children = 0;
    in >> children;
    if (in.status() != QDataStream::Ok || children < 0)
        return false;
    for (qint32 i = 0; i < children && in.status() == QDataStream::Ok; ++i) {
        qint32 child = 0, count = 0;
        QString name;
        in >> child >> count;
        if (count < 0 || !text(child, name))
            return false;
        QVector<CardOutcome> &outcomes = f.cardOutcomes[name];
        for (qint32 k = 0; k < count && in.status() == QDataStream::Ok; ++k) {
            CardOutcome o;
            qint8 kind = 0;
            qint64 ms = 0;
            qint32 fingerprint = 0, task = 0, half1 = 0, half2 = 0;
            in >> kind >> ms >> fingerprint >> task >> half1 >> half2;
            if (kind < CardOutcome::Met || kind > CardOutcome::Right || !text(fingerprint, o.fingerprint)
                || !text(task, o.task) || !text(half1, o.half1) || !text(half2, o.half2))
                return false;
            o.kind = CardOutcome::Kind(kind);
            o.time = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
            outcomes.append(std::move(o));
        }
    }
    return in.status() == QDataStream::Ok;
}

} // namespace

QDateTime LocalTimes::local(qint64 msSinceEpoch)
{
    const qint64 hour = msSinceEpoch / 3600000;
    int offset = 0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_offsets.constFind(hour);
        if (it == m_offsets.cend())
            it = m_offsets.insert(hour, QDateTime::fromMSecsSinceEpoch(msSinceEpoch).offsetFromUtc());
        offset = *it;
    }
    return QDateTime::fromMSecsSinceEpoch(msSinceEpoch, Qt::OffsetFromUTC, offset);
}

QHash<QString, FileResults> readCache(const QString &cacheFile, LocalTimes &times, bool cards,
                                      const std::function<bool(const QString &path)> &wanted, bool *heldCards)
{
    if (heldCards)
        *heldCards = false;
    QHash<QString, FileResults> cache;
    QByteArray bytes;
    QString error;
    if (cacheFile.isEmpty() || !readRegularFile(cacheFile, kMaxCacheBytes, &bytes, &error))
        return cache;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    bool held = false;
    QStringList strings;
    qint32 count = 0;
    qint32 stringCount = 0;
    in >> magic >> held >> stringCount;
    if (magic != kCacheMagic || stringCount < 0 || stringCount > bytes.size() / 4)
        return cache;
    // Without the card outcomes the cache is cold for the card box.
    if (cards && !held)
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
        if (!readText(in, path))
            return {};
        if (!held) { // the figures as they were before the card box: no size, nothing skipped
            if (!readFileResults(in, f, strings, times, false))
                return {}; // a damaged cache is read again from the files
            if (!wanted || wanted(path))
                cache.insert(path, std::move(f));
            continue;
        }
        // With card outcomes, each file's results follow their size, so those
        // not wanted, and the outcomes when they are not, are skipped unread.
        quint32 size = 0;
        in >> size;
        if (in.status() != QDataStream::Ok || qint64(size) > in.device()->bytesAvailable())
            return {};
        const qint64 end = in.device()->pos() + size;
        if (wanted && !wanted(path)) {
            in.skipRawData(int(size));
            continue;
        }
        if (!readFileResults(in, f, strings, times, cards) || in.device()->pos() > end
            || (cards && in.device()->pos() != end))
            return {};
        in.skipRawData(int(end - in.device()->pos()));
        cache.insert(path, std::move(f));
    }
    if (heldCards)
        *heldCards = held;
    return cache;
}

void writeCache(const QString &cacheFile, const QHash<QString, FileResults> &files, bool cards)
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
            if (!cards) {
                writeFileResults(out, it.value(), table, false);
                continue;
            }
            QByteArray entry;
            QDataStream entryOut(&entry, QIODevice::WriteOnly);
            entryOut.setVersion(QDataStream::Qt_6_0);
            writeFileResults(entryOut, it.value(), table, true);
            out << quint32(entry.size());
            out.writeRawData(entry.constData(), int(entry.size()));
        }
    }
    QDir().mkpath(QFileInfo(cacheFile).path());
    QSaveFile file(cacheFile);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << kCacheMagic << cards << qint32(table.strings().size());
    for (const QString &text : table.strings())
        writeText(out, text);
    file.write(body);
    file.commit();
}

} // namespace duplikon
