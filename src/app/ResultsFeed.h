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

// Tells the results recorder what the board and the lesson report: the task
// set up, each drop, the solved task (timed by its last match) and a new
// user name.
class ResultsFeed : public QObject {
    Q_OBJECT
public:
    ResultsFeed(const QString &programFolder, const BoardState *board, const LessonState *lesson, QObject *parent);
    ~ResultsFeed() override; // waits at most a second for the writer

private:
    void taskSet();
    void dropped(int target, int source, bool matched);
    PlayWay way() const;

    QString m_programFolder;
    const BoardState *m_board;
    const LessonState *m_lesson;
    std::unique_ptr<ResultsRecorder> m_recorder;
    QDateTime m_lastMatch;
};

} // namespace duplikon
