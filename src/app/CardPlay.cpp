// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CardPlay.h"

#include "board/Board.h"
#include "board/BoardState.h"
#include "board/BoardVoice.h"
#include "board/CardBoard.h"
#include "lesson/LessonState.h"
#include "output/PageOutput.h"
#include "platform/ClassroomConfig.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"
#include "tasks/Task.h"

namespace duplikon {

CardPlay::CardPlay(QWidget *client, Platform platform, Board *board, LessonState *lessonState, ClassroomConfig *config,
                   QObject *parent)
    : QObject(parent), m_platform(platform), m_board(board), m_config(config),
      m_cards(new CardBoard(client, board->voice()))
{
    const CardGame *game = m_cards->game();
    connect(game, &CardGame::pairDecided, this, [this](int, int, bool match) {
        if (match)
            m_board->state()->PunktZaehlen(PlayWay::Cards);
    });
    connect(game, &CardGame::solvedTask, this, &CardPlay::solved);
    // The faces look as the cells do.
    const auto showColours = [this] {
        const BoardState *state = m_board->state();
        m_cards->setColours(state->questionColour(), state->answerColour(), state->twoColours());
    };
    connect(board->state(), &BoardState::coloursChanged, m_cards, showColours);
    connect(lessonState, &LessonState::textStyleChanged, m_cards, [this, lessonState] {
        m_cards->setTextStyle(Board::textFont(lessonState->textSize(), lessonState->textBold()));
    });
}

bool CardPlay::active() const
{
    return m_config->value(config::playKind).is("Aufdecken");
}

void CardPlay::play(const Task &task)
{
    m_cards->setVisible(active());
    if (!active() || task.name.isEmpty()) {
        m_cards->clear();
        return;
    }
    CardGame::Rules rules;
    rules.pairs = m_config->value(config::cardPairs).number();
    rules.teams = m_config->value(config::teams).number();
    rules.grouped = m_config->value(config::grouped);
    m_cards->setRules(rules, m_config->value(config::coverAfter).number());
    const BoardState *state = m_board->state();
    m_cards->setColours(state->questionColour(), state->answerColour(), state->twoColours());
    m_platform.random->seed(quint32(m_platform.clock->millisecondsSinceMidnight()));
    m_cards->deal(task, m_board->programFolder(), *m_platform.random);
}

void CardPlay::announceWinners()
{
    const CardGame *game = m_cards->game();
    if (!active() || game->rules().teams < 2)
        return;
    const QString text = CardBoard::resultMessage(game->winners(), game->rules().teams);
    m_board->voice()->sayMessage(text);
    m_platform.dialogs->message(tr("Mannschaften"), text);
}

void CardPlay::fillPage(BoardPage &page) const
{
    const CardGame *game = m_cards->game();
    // The block lies in the middle of the page's 4 × 5 cells, as on the board.
    const int rowOffset = (4 - game->rows()) / 2;
    const int columnOffset = (5 - game->columns()) / 2;
    for (int i = 0; i < game->cardCount(); ++i) {
        const Card &c = game->card(i);
        if (c.face == Card::Face::Gone)
            continue;
        const int row = rowOffset + c.slot / game->columns();
        const int column = columnOffset + c.slot % game->columns();
        PageCell &cell = page.cells[size_t(row * 5 + column)];
        if (c.face == Card::Face::Open) {
            cell = pageCell(c.half, m_board->programFolder());
        } else {
            cell.kind = PageCell::Back;
            cell.secondBack = game->rules().grouped && c.slot >= game->rows() / 2 * game->columns();
        }
    }
}

} // namespace duplikon
