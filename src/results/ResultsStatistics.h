// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/CardBox.h"
#include "tasks/PlayWay.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>

namespace duplikon {

// What the results folders hold, read back.
struct ResultRun {
    QDateTime time;       // when the task was solved, local time
    QString child;        // the name as typed
    QString task;
    int seconds = 0;
    int wrongDrops = 0;
    int matches = 0;      // matched drops of the run, as counted in its file
    PlayWay way = PlayWay::Mouse; // as recorded with the solved event
    bool mandatory = false;
    int turns = 0;        // the card game: pairs turned, and how many teams played
    int teams = 0;
};

struct ResultPair {
    QString task;
    QString half1;
    QString half2;
    int matched = 0;      // how often the pair was matched
    int wrong = 0;        // wrong drops of one of its halves, or onto one of them
};

// Drops of one kind on one day, counted: what the pair table is made of. A
// pair listed with its task on the board is a matched count of 0, so a pair
// nobody matched is known too.
struct ResultDropCount {
    QDate day;
    QString task;
    QString half1;
    QString half2;
    bool matched = false;
    int count = 0;
};

// A child that left any line on a day.
struct ResultChildDay {
    QDate day;
    QString child;
};

struct ResultsData {
    QVector<ResultRun> runs;      // in time order
    QVector<ResultPair> pairs;    // hardest first (most wrong, then fewest matched)
    QVector<ResultDropCount> drops; // the pairs' counts by day, for the periods
    QVector<ResultChildDay> childDays; // who played on which day
    QHash<QString, QVector<BoxCard>> cardBoxes; // each child's cards, from every file whatever the period
    bool cards = false;           // the card boxes were read (the card box is on)
    int damagedLines = 0;         // skipped, a cut last line included
    int damagedFiles = 0;         // could not be read at all, links included
    int files = 0;
};

// Reads every .jsonl below the roots (each a folder Ergebnisse or a fallback
// folder). cacheFile (may be empty: no cache) keeps what was read, keyed by
// each file's path, size and modification time, so only changed files are
// parsed again. progress (may be empty) is called with files done and total;
// when stop (may be null) becomes true, the read ends early with what it has.
// With cards (the card box on), each child's card box is read too, and the
// cache keeps each file's card outcomes; without, none are worked out or kept.
ResultsData readResults(const QStringList &roots, const QString &cacheFile,
                        std::function<void(int done, int total)> progress = {},
                        const std::atomic<bool> *stop = nullptr, bool cards = false);

enum class Period { Today, ThisWeek, All };
// The runs and pairs of the period ending today (a week begins on Monday).
ResultsData inPeriod(const ResultsData &data, Period period, const QDate &today);

// Every child with a line in data, sorted as people read names.
QStringList childrenOf(const ResultsData &data);

} // namespace duplikon
