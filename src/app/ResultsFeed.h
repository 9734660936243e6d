// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "tasks/PlayWay.h"

#include <QDateTime>
#include <QObject>

#include <memory>

namespace duplikon {

class BoardState;
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
    // emptied); its fingerprint comes from the bytes it was read from.
    void taskShown(const Task &task);
    // The task on the board was solved by its last drop, of that way.
    void solved(PlayWay way);

private:
    void dropped(int target, int source, bool matched, PlayWay way);

    const BoardState *m_board;
    const LessonState *m_lesson;
    std::unique_ptr<ResultsRecorder> m_recorder;
    QDateTime m_lastMatch;
};

} // namespace duplikon
