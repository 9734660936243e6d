// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultsFolders.h"
#include "results/ResultsSink.h"

#include <QByteArray>
#include <QDateTime>

#include <memory>

namespace duplikon {

// The fingerprint of a task file's bytes: SHA-256 in hex; empty for none.
QString taskFingerprint(const QByteArray &taskBytes);

// Turns what is played into the events the results keep: a task put on the
// board, each drop with its way of playing, each solved task, and a new user
// name, which starts a new file that first names the task on the board. The
// caller says when each thing happened; the recorder reads no clock.
class ResultsRecorder {
public:
    explicit ResultsRecorder(std::unique_ptr<ResultsSink> sink);
    // Moves what the fallback of the program folder holds back into it, then
    // records through a ResultsWriter for the folder.
    static std::unique_ptr<ResultsRecorder> forFolder(const ResultsFolders &folders, const QString &machine);
    ~ResultsRecorder(); // a writer waits at most a second for its last lines

    // The name of the child playing ("Benutzer" until one is entered).
    void userChanged(const QString &name, const QDateTime &time);
    // A task put on the board: its file name, the bytes read from its file
    // (for the fingerprint), its pairs, and whether it is a mandatory task.
    // A board of several tasks' pairs names each pair's task and fingerprint.
    void taskShown(const QString &task, const QByteArray &taskBytes, const QVector<HalfPair> &pairs, bool mandatory,
                   const QDateTime &time, const QVector<std::pair<QString, QString>> &pairTasks = {});
    // The board was cleared: no task on it.
    void taskCleared();
    // The dragged half was dropped on the target half.
    void dropped(const QString &dragged, const QString &target, bool matched, PlayWay way, const QDateTime &time);
    // The task on the board is solved; time is the time of its last match.
    // The card game (way Cards) tells its turns and how many teams played.
    void solved(const QDateTime &time, PlayWay way, int turns = 0, int teams = 0);

private:
    ResultEvent event(ResultEvent::Kind kind, const QDateTime &time) const;

    std::unique_ptr<ResultsSink> m_sink;
    QString m_user;
    QString m_task; // empty: no task on the board
    QString m_fingerprint;
    QVector<HalfPair> m_pairs;
    QVector<std::pair<QString, QString>> m_pairTasks;
    bool m_mandatory = false;
    QDateTime m_shown; // when the task on the board was put there
    int m_wrongDrops = 0;
};

} // namespace duplikon
