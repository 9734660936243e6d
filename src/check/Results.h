// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "tasks/PlayWay.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

namespace duplikon {

// The results kept for the teacher: what each child did, one file for each
// run and each child under Ergebnisse/<child>/, one JSON object a line. A file
// has one writer only, so several machines on one share never need a lock.

struct ResultEvent {
    enum Kind { TaskSet, Drop, Solved };
    Kind kind = TaskSet;
    QDateTime time;       // read back in UTC; none: now
    QString user;         // the name as typed ("Benutzer" until one is entered)
    QString task;         // the task's file name, as the check window logs it
    QString fingerprint;  // SHA-256 (hex) of the task file's bytes
    bool mandatory = false;
    // Drop
    QString half1;
    QString half2;
    bool matched = false;
    PlayWay way = PlayWay::Mouse; // Drop and Solved (the way of the solving drop)
    // Solved
    int seconds = 0;
    int wrongDrops = 0;
    int turns = 0;        // the card game: pairs turned, and how many teams played
    int teams = 0;
};

// One JSON object on one line, ending in '\n'.
QByteArray resultLine(const ResultEvent &event);
// The event of one line (with or without its '\n'); nothing for a damaged or
// cut line.
std::optional<ResultEvent> parseResultLine(const QByteArray &line);

// The folder of a child: the name made safe by the pictures' name rule, then
// '-' and a short hash of the name as typed, so "Lea" and "Léa" stay apart.
QString childFolderName(const QString &name);

// Where the results of a program folder go when it cannot be written:
// $XDG_DATA_HOME/duplikon/Ergebnisse/<the folder's path made safe>-<hash>.
QString resultsFallbackFolder(const QString &programFolder);
// The reader's cache: $XDG_CACHE_HOME/duplikon/ergebnisse-<hash of the program folder>.cache.
QString resultsCacheFile(const QString &programFolder);

// Writes events on a thread of its own: record() never waits on the disk. A
// new user name ends the current file and starts another,
// Ergebnisse/<child>/<yyyy-mm-dd>T<hh-mm-ss>-<machine>-<random>.jsonl, below
// the program folder, or below the fallback folder when the program folder
// cannot be written. Each line is appended by opening, writing and closing.
class ResultsWriter : public QObject {
    Q_OBJECT
public:
    // fallbackFolder is $XDG_DATA_HOME/duplikon/Ergebnisse/<folder name>; the
    // files go below <programFolder>/Ergebnisse or directly below
    // fallbackFolder, each in its child's folder.
    ResultsWriter(QString programFolder, QString fallbackFolder, QString machine,
                  QObject *parent = nullptr);
    ~ResultsWriter() override; // finish(1000)

    // A new user name starts a new file; when a task is on the board then,
    // its TaskSet line (under the new name) comes first.
    void record(const ResultEvent &event);
    // Waits at most ms for the lines still waiting; those not written by then
    // go to the fallback folder. True when every line was written somewhere.
    // The writer takes no more events afterwards.
    bool finish(int ms);

    // For the benchmark and tests: called on the writer's thread before each
    // line is written (a slow file system).
    void setWriteHook(std::function<void()> hook);

    // At start: moves what the fallback folder holds into
    // <programFolder>/Ergebnisse when that can be written. Returns the number
    // of files that could not be moved.
    static int moveFallback(const QString &programFolder, const QString &fallbackFolder);

private:
    struct State;
    std::shared_ptr<State> m_state;
    // The calling thread's part: the current file and the task on the board.
    QString m_machine;
    QString m_user;
    QString m_file;
    bool m_started = false;
    std::optional<ResultEvent> m_taskOnBoard;
};

// What the results folders hold, read back.
struct ResultRun {
    QDateTime time;       // when the task was solved, local time
    QString child;        // the name as typed
    QString task;
    int seconds = 0;
    int wrongDrops = 0;
    PlayWay way = PlayWay::Mouse; // as recorded with the solved event
    bool mandatory = false;
};

struct ResultPair {
    QString task;
    QString half1;
    QString half2;
    int matched = 0;      // how often the pair was matched
    int wrong = 0;        // how often one of its halves was dropped wrongly
};

// Drops of one kind on one day, counted: what the pair table is made of.
struct ResultDropCount {
    QDate day;
    QString task;
    QString half1;
    QString half2;
    bool matched = false;
    int count = 0;
};

struct ResultsData {
    QVector<ResultRun> runs;      // in time order
    QVector<ResultPair> pairs;    // hardest first (most wrong, then fewest matched)
    QVector<ResultDropCount> drops; // the pairs' counts by day, for the periods
    int damagedLines = 0;         // skipped, a cut last line included
    int damagedFiles = 0;         // could not be read at all
    int files = 0;
};

// Reads every .jsonl below the roots (each a folder Ergebnisse or a fallback
// folder). cacheFile (may be empty: no cache) keeps what was read, keyed by
// each file's path, size and modification time, so only changed files are
// parsed again. progress (may be empty) is called with files done and total.
ResultsData readResults(const QStringList &roots, const QString &cacheFile,
                        std::function<void(int done, int total)> progress = {});

enum class Period { Today, ThisWeek, All };
// The runs and pairs of the period ending today (a week begins on Monday).
ResultsData inPeriod(const ResultsData &data, Period period, const QDate &today);

// Tables for German spreadsheets: UTF-8 with a byte-order mark, ';' between
// fields, CRLF line ends, a header row.
QByteArray runsCsv(const ResultsData &data);
QByteArray pairsCsv(const ResultsData &data);
// The German name of a way of playing: "Maus", "Tasten", "Antippen".
QString playWayName(PlayWay way);

// Deletes the result files below the roots, of one child (the name as typed)
// or of all. Returns the number of files that could not be deleted.
int deleteResults(const QStringList &roots, const std::optional<QString> &child);

} // namespace duplikon
