// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/CardBox.h"
#include "results/ResultsStatistics.h"

#include <QHash>

#include <functional>
#include <mutex>

namespace duplikon {

// Local times of instants, with the offset from UTC looked up once an hour
// of UTC: looking it up for each of a school year's events costs seconds.
// The readers of several threads share one.
class LocalTimes {
public:
    // The time in local wall-clock terms (a fixed offset from UTC).
    QDateTime local(qint64 msSinceEpoch);
    qint64 day(const QDateTime &time) { return local(time.toMSecsSinceEpoch()).date().toJulianDay(); }

private:
    std::mutex m_mutex;
    QHash<qint64, int> m_offsets;
};

// What one result file holds, as kept in the reader's cache.
struct FileResults {
    qint64 size = -1;
    qint64 modified = 0;
    bool damaged = false;
    int damagedLines = 0;
    QVector<ResultRun> runs;
    QVector<ResultDropCount> drops;
    QVector<ResultChildDay> childDays;
    // What the file's lines did to each child's cards (a file is one
    // child's, but a line of another name counts for that name).
    QHash<QString, QVector<CardOutcome>> cardOutcomes;
};

// What one result file's bytes hold; damaged lines are counted and left out.
// The card outcomes are worked out only when cards is true (the card box is on).
FileResults parseResultFile(const QByteArray &bytes, LocalTimes &days, bool cards);

// The cache of each file's results by path; a missing or damaged cache is
// empty. The cache says whether it holds the files' card outcomes: when cards
// is true, one without them is empty (cold) as well; when false, outcomes it
// holds are skipped unread, and *heldCards (may be null) tells that there
// were some. wanted (may be empty: all) chooses the paths to read; the others
// are skipped unread.
QHash<QString, FileResults> readCache(const QString &cacheFile, LocalTimes &times, bool cards,
                                      const std::function<bool(const QString &path)> &wanted = {},
                                      bool *heldCards = nullptr);
// Writes the files' results, their card outcomes only when cards is true.
void writeCache(const QString &cacheFile, const QHash<QString, FileResults> &files, bool cards);

} // namespace duplikon
