// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "check/Results.h"

#include <QElapsedTimer>
#include <QObject>

#include <memory>

namespace duplikon {

class BoardState;
class LessonState;
struct Task;

// Hands what is played to a ResultsWriter: a task put on the board, each
// drop with its way of playing, each solved task, and a new user name, which
// starts a new file that first names the task on the board.
class ResultsRecorder : public QObject {
    Q_OBJECT
public:
    ResultsRecorder(QString programFolder, const BoardState *board, const LessonState *lesson, QObject *parent);
    ~ResultsRecorder() override; // waits at most a second for the writer

    // The folders results are read from: the program folder's and the
    // fallback folder, $XDG_DATA_HOME/duplikon/Ergebnisse/<program folder's name>.
    static QStringList roots(const QString &programFolder);
    static QString fallbackFolder(const QString &programFolder);
    // The window's cache, in $XDG_CACHE_HOME/duplikon/.
    static QString cacheFile(const QString &programFolder);

    // A task that was read is on the board now; its fingerprint comes from
    // the bytes it was read from.
    void taskShown(const Task &task);
    // The board was emptied: no task is on it.
    void taskCleared() { m_task.clear(); }
    // The task on the board was solved by the last drop, of that way; the
    // card game tells its turns and teams.
    void solved(PlayWay way, int turns = 0, int teams = 0);
    // Two cards of the card game were decided, as a drop of one on the other.
    void cardsDecided(const QString &half1, const QString &half2, bool matched);

private:
    ResultEvent event(ResultEvent::Kind kind) const;
    void dropped(int target, int source, bool matched, PlayWay way);

    QString m_programFolder;
    const BoardState *m_board;
    const LessonState *m_lesson;
    std::unique_ptr<ResultsWriter> m_writer;
    QElapsedTimer m_sinceSetUp;
    int m_wrongDrops = 0;
    QString m_task;        // the task on the board (or dealt as cards)
    QString m_fingerprint; // of the task on the board
    bool m_mandatory = false;
};

} // namespace duplikon
