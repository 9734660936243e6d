// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlaySession.h"

#include "app/CardPlay.h"
#include "app/ResultsFeed.h"
#include "board/Board.h"
#include "board/BoardState.h"
#include "board/BoardVoice.h"
#include "board/CardBoard.h"
#include "board/SolutionPicture.h"
#include "check/SolvedTaskLog.h"
#include "lesson/LessonRules.h"
#include "lesson/LessonState.h"
#include "platform/Dialogs.h"
#include "tasks/Task.h"

#include <utility>

namespace duplikon {

PlaySession::PlaySession(Platform platform, Board *board, LessonState *lessonState, LessonRules *lesson,
                         SolutionPicture *solution, SolvedTaskLog *log, QObject *parent)
    : QObject(parent), m_platform(platform), m_board(board), m_lessonState(lessonState), m_lesson(lesson),
      m_solution(solution), m_log(log)
{
    connect(board->state(), &BoardState::solvedTask, this, &PlaySession::Fertigkontrolle);
}

PlaySession::~PlaySession()
{
    delete m_recorder; // waits at most a second for the last lines
}

void PlaySession::open(const QString &fileName)
{
    if (fileName.isEmpty()) {
        play(Task());
        return;
    }
    const TaskRead read = readTask(m_board->programFolder(), fileName);
    if (!read.ok) {
        play(Task());
        m_platform.dialogs->message(QStringLiteral("Duplikon"),
                                    tr("Die Datei %1 kann nicht gelesen werden.\r\r").arg(fileName));
        return;
    }
    play(read.task);
}

void PlaySession::setCards(CardPlay *cards)
{
    m_cards = cards;
    connect(cards->cards()->game(), &CardGame::pairDecided, this, [this](int first, int second, bool match) {
        const CardGame *game = m_cards->cards()->game();
        if (m_recorder)
            m_recorder->cardsDecided(game->card(first).half.half, game->card(second).half.half, match);
    });
    connect(cards, &CardPlay::solved, this, &PlaySession::cardsSolved);
}

void PlaySession::play(const Task &task)
{
    const bool cards = m_cards && m_cards->active();
    m_board->AufgabeLaden(cards ? Task() : task);
    if (m_cards)
        m_cards->play(cards ? task : Task());
    // The deal drew after the board's set-up: the solution picture is
    // chosen again by what the completion will draw.
    if (cards)
        m_solution->prepare();
    if (m_recorder)
        m_recorder->taskShown(task, cards ? m_cards->cards()->game() : nullptr);
}

void PlaySession::keepResults(bool on, const QString &programFolder)
{
    if (on && !m_recorder)
        m_recorder = new ResultsFeed(programFolder, m_board->state(), m_lessonState, this);
    else if (!on && m_recorder)
        delete std::exchange(m_recorder, nullptr);
}

void PlaySession::Fertigkontrolle(PlayWay way)
{
    const BoardState *state = m_board->state();
    if (!state->solved())
        return;
    if (m_recorder)
        m_recorder->solved(way);
    finish(state->task());
}

void PlaySession::cardsSolved()
{
    const CardGame *game = m_cards->cards()->game();
    if (m_recorder)
        m_recorder->solved(PlayWay::Cards, game->turns(), game->rules().teams);
    finish(game->task());
    m_cards->announceWinners();
}

void PlaySession::finish(const QString &task)
{
    m_log->append(task, m_platform.clock->timeText());
    m_lesson->taskSolved();
    if (!m_solution->File3().isEmpty())
        m_solution->LoesungsbildZeigen();
    const QString praise = tr("Prima, du hast die Aufgabe gelöst.\r"
                              "Wähle dir eine neue Aufgabe aus!\r"
                              "Klicke dazu im Menü auf 'Laden' ...\r");
    m_board->voice()->sayMessage(praise);
    m_platform.dialogs->message(tr("Kontrolle"), praise);
}

} // namespace duplikon
