// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "board/BoardState.h"

#include <QObject>
#include <QVector>

namespace duplikon {

class Random;

// One card of the game: a half of the task, face down, open or gone.
struct Card {
    enum class Face { Down, Open, Gone };
    enum class Mark { None, Tick, Cross };
    BoardCell half;    // the half with its pair key; partner is a card number
    int slot = 0;      // its place in the block, row by row from the top left
    Face face = Face::Down;
    Mark mark = Mark::None;
};

// The game on the same pairs with every half face down, without any widget.
// Two cards are turned at a time: the two halves of one pair (by pair key,
// never by text) score a point for the team on turn, which keeps the turn;
// any other two are marked with a cross and the turn passes on. A decided
// pair stays open until settle() is called from outside (a press, or the
// time the view waits): a match then leaves the block, a mismatch turns face
// down. The model keeps no time of its own.
class CardGame : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxTeams = 4;

    struct Rules {
        int pairs = 10;        // at most this many pairs of a task, chosen at random
        bool grouped = false;  // first halves in the upper rows, second halves in the lower
        int teams = 1;         // 1 to 4, taking turns
    };

    enum class Press { Ignored, Turned, Match, Mismatch, Covered };

    explicit CardGame(QObject *parent = nullptr);

    // Deals the used lines of `task` face down: all pairs when there are no
    // more than rules.pairs (a half without a partner included), else that
    // many complete pairs drawn with `random`; shuffled with the board's
    // shuffle. Team 1 begins, every team without pairs.
    void deal(const Task &task, const QString &folder, Random &random, const Rules &rules);
    void clear();

    // A press on card i (from 0). A decided pair still open is settled first;
    // when it was a mismatch the press does nothing more (it turned them
    // back). A face-down card turns; with it the second of two, the pair is
    // decided. An open or vanished card, and a third card, stay as they are.
    Press press(int i);
    // Ends the decided pair: a match vanishes, a mismatch turns face down.
    // False when no pair was decided.
    bool settle();
    // Two cards are open and decided, waiting for settle().
    bool deciding() const { return m_decided[0] >= 0; }
    bool decidedMatch() const { return m_decidedMatch; }

    const Card &card(int i) const { return m_cards.at(i); }
    int cardCount() const { return int(m_cards.size()); }
    // The card at a place of the block, -1 for an empty place.
    int cardAt(int slot) const;
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    QString task() const { return m_task; }
    const Rules &rules() const { return m_rules; }

    int team() const { return m_team; }          // on turn, from 0
    int teamPairs(int team) const { return m_teamPairs.value(team); }
    int turns() const { return m_turns; }        // pairs decided since the deal
    int pairsLeft() const;
    // A task was dealt and every pair has gone (an odd half may stay).
    bool solved() const;
    // The teams (from 0) with the most pairs; all of them when they are equal.
    QVector<int> winners() const;

signals:
    void dealt();
    void cardTurned(int card);
    // Two cards are decided: both open, with a tick or a cross.
    void pairDecided(int first, int second, bool match);
    // A decided pair vanished or turned back.
    void settled(int first, int second, bool match);
    void teamChanged(int team);
    // The last pair has vanished.
    void solvedTask();

private:
    void layOut(const QVector<int> &firsts, const QVector<int> &seconds, Random &random);

    QVector<Card> m_cards;
    Rules m_rules;
    QString m_task;
    int m_rows = 0;
    int m_columns = 0;
    int m_open = -1;        // the one card turned of an undecided pair
    int m_decided[2] = {-1, -1};
    bool m_decidedMatch = false;
    int m_team = 0;
    QVector<int> m_teamPairs;
    int m_turns = 0;
};

// The random choice of k of n items (all of them when k >= n), in
// ascending order, each set equally likely.
QVector<int> chooseItems(int n, int k, Random &random);

// The block of rows and columns that holds `cards` cards: two rows up to ten
// cards, else four, so that halves can be grouped into upper and lower rows.
struct CardBlock {
    int rows = 0;
    int columns = 0;
};
CardBlock cardBlock(int cards);

} // namespace duplikon
