// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "tasks/PlayWay.h"

#include <QDateTime>
#include <QObject>

#include <memory>

namespace duplikon {

class BoardState;
class CardGame;
class LessonState;
class ResultsRecorder;
struct Task;

// Tells the results recorder what is played: each drop and a new user name as
// the board and the lesson report them, and, from the play session, the task
// put on the board and the solved task, timed by its last match.
class ResultsFeed : public QObject {
    Q_OBJECT
public:
    ResultsFeed(const QString &programFolder, const BoardState *board, const LessonState *lesson, QObject *parent);
    ~ResultsFeed() override; // waits at most a second for the writer

    // A task that was read is on the board now (an empty one: the board was
    // emptied); its fingerprint comes from the bytes it was read from. Dealt
    // as cards, its pairs are those of the cards.
    void taskShown(const Task &task, const CardGame *cards = nullptr);
    // Two cards were decided, kept as a drop of one on the other.
    void cardsDecided(const QString &half1, const QString &half2, bool matched);
    // The task on the board was solved by its last drop, of that way; the
    // card game tells its turns and teams.
    void solved(PlayWay way, int turns = 0, int teams = 0);

private:
    // A board of several tasks' pairs: the task and fingerprint of each pair.
    static QVector<std::pair<QString, QString>> pairTasks(const Task &task, const QVector<QPair<QString, QString>> &pairs);
    void droppedOnCell(int target, int source, bool matched, PlayWay way);
    void dropped(const QString &dragged, const QString &target, bool matched, PlayWay way);

    const BoardState *m_board;
    const LessonState *m_lesson;
    std::unique_ptr<ResultsRecorder> m_recorder;
    QDateTime m_lastMatch;
};

} // namespace duplikon
