// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QObject>

class QWidget;

namespace duplikon {

class Board;
class CardBoard;
class ClassroomConfig;
class LessonState;
struct BoardPage;
struct Task;


// The card game in the main window. With Spielart=Aufdecken every task put on
// the board is dealt as cards where the cells lie (under the solution picture
// and the panels), by the rules the classroom configuration has at that
// moment; the cells stay empty. Each match scores on punkte as a drop does;
// when the last pair has gone, solved() goes out.
class CardPlay : public QObject {
    Q_OBJECT
public:
    CardPlay(QWidget *client, Platform platform, Board *board, LessonState *lessonState, ClassroomConfig *config,
             QObject *parent);

    CardBoard *cards() const { return m_cards; }
    // Spielart=Aufdecken.
    bool active() const;
    // Deals the task, shuffled with the generator seeded from the clock as a
    // set-up of the board is; a task without a name clears the cards.
    void play(const Task &task);
    // With teams: the message naming the winning team or teams (or that all
    // have the same), spoken too. Nothing with one team.
    void announceWinners();
    // The cards on the page as they lie: each in the page cell of its place,
    // face down as its back.
    void fillPage(BoardPage &page) const;

signals:
    void solved();

private:
    Platform m_platform;
    Board *m_board;
    ClassroomConfig *m_config;
    CardBoard *m_cards;
};

} // namespace duplikon
