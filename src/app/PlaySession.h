// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"
#include "tasks/PlayWay.h"

#include <QObject>

namespace duplikon {

class Board;
class CardPlay;
class LessonRules;
class LessonState;
class ResultsFeed;
class SolutionPicture;
class SolvedTaskLog;
struct Task;

// What happens to a task from the moment it is chosen until it is solved.
// A chosen task file is read once; the board sets it up and the results (when
// they are kept) take it from the same reading. When the last pair goes,
// Fertigkontrolle runs its steps in this order, each before the next:
//   1. record: the results keep the solved task, timed by the last match;
//   2. log: the check window's solved-task log gets the task and its time;
//   3. count: the lesson takes a mandatory task off its queue;
//   4. praise: the solution picture and the message "Prima, ...";
//   5. with teams at the cards, the message naming the winners.
// The praise box waits for the child, so nothing that must be kept waits for it.
class PlaySession : public QObject {
    Q_OBJECT
public:
    PlaySession(Platform platform, Board *board, LessonState *lessonState, LessonRules *lesson,
                SolutionPicture *solution, SolvedTaskLog *log, QObject *parent);
    ~PlaySession() override;

    // Reads the task file fileName of the program folder and puts it on the
    // board; empty: nothing chosen, the board is only emptied. A file that
    // cannot be read is reported and leaves the board empty.
    void open(const QString &fileName);
    // Puts a task that was read already on the board.
    void play(const Task &task);
    // Keeps the results of the program folder from now on, or no longer.
    void keepResults(bool on, const QString &programFolder);

    void Fertigkontrolle(PlayWay way);

    // The card game: with Spielart=Aufdecken a task is dealt as cards instead
    // of put on the cells; its decided pairs are kept as drops, and when its
    // last pair has gone the same steps run, then the teams' result.
    void setCards(CardPlay *cards);

private:
    // The steps after the record: log, count, praise.
    void finish(const QString &task);
    void cardsSolved();

    Platform m_platform;
    Board *m_board;
    LessonState *m_lessonState;
    LessonRules *m_lesson;
    SolutionPicture *m_solution;
    SolvedTaskLog *m_log;
    ResultsFeed *m_recorder = nullptr; // while results are kept
    CardPlay *m_cards = nullptr;
};

} // namespace duplikon
