// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/CardGame.h"

#include "platform/Services.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <cmath>

namespace duplikon {

QVector<int> chooseItems(int n, int k, Random &random)
{
    QVector<int> items(qMax(0, n));
    std::iota(items.begin(), items.end(), 0);
    if (k >= n)
        return items;
    // The first k places of a partial shuffle: place i takes one of the items
    // not yet placed.
    for (int i = 0; i < k; ++i) {
        const int left = n - i;
        const int j = i + qBound(0, int(std::floor(left * random.next())), left - 1);
        std::swap(items[i], items[j]);
    }
    items.resize(qMax(0, k));
    std::sort(items.begin(), items.end());
    return items;
}

CardBlock cardBlock(int cards)
{
    if (cards <= 0)
        return {};
    const int rows = cards == 1 ? 1 : cards <= 10 ? 2 : 4;
    return {rows, (cards + rows - 1) / rows};
}

CardGame::CardGame(QObject *parent) : QObject(parent)
{
}

void CardGame::clear()
{
    m_cards.clear();
    m_task.clear();
    m_rows = m_columns = 0;
    m_open = m_decided[0] = m_decided[1] = -1;
    m_decidedMatch = false;
    m_team = 0;
    m_teamPairs.fill(0, m_rules.teams);
    m_turns = 0;
}

void CardGame::deal(const Task &task, const QString &folder, Random &random, const Rules &rules)
{
    m_rules = rules;
    m_rules.teams = qBound(1, rules.teams, kMaxTeams);
    m_rules.pairs = qMax(1, rules.pairs);
    clear();
    m_task = task.name;
    const QStringList used = task.usedLines();
    const int complete = int(used.size()) / 2;
    QVector<int> lines;
    if (complete <= m_rules.pairs) {
        for (int i = 0; i < used.size(); ++i)
            lines << i;
    } else {
        for (int pair : chooseItems(complete, m_rules.pairs, random))
            lines << 2 * pair << 2 * pair + 1;
    }
    QVector<int> firsts, seconds;
    for (int line : std::as_const(lines)) {
        Card c;
        c.half = cellOf(used.at(line), line / 2, folder);
        (line % 2 == 0 ? firsts : seconds) << int(m_cards.size());
        m_cards << c;
    }
    layOut(firsts, seconds, random);
    emit dealt();
    emit teamChanged(m_team);
}

void CardGame::layOut(const QVector<int> &firsts, const QVector<int> &seconds, Random &random)
{
    const CardBlock block = cardBlock(int(m_cards.size()));
    m_rows = block.rows;
    m_columns = block.columns;
    const auto place = [&](const QVector<int> &cards, int firstSlot) {
        const QVector<int> order = shuffledOrder(int(cards.size()), random);
        for (int j = 0; j < order.size(); ++j)
            m_cards[cards.at(order.at(j))].slot = firstSlot + j;
    };
    if (m_rules.grouped) {
        place(firsts, 0);
        place(seconds, m_rows / 2 * m_columns);
    } else {
        QVector<int> all(m_cards.size());
        std::iota(all.begin(), all.end(), 0);
        place(all, 0);
    }
    // Cards are numbered in reading order.
    std::sort(m_cards.begin(), m_cards.end(), [](const Card &a, const Card &b) { return a.slot < b.slot; });
    for (int i = 0; i < m_cards.size(); ++i)
        for (int j = 0; j < m_cards.size(); ++j)
            if (i != j && m_cards.at(i).half.pairKey == m_cards.at(j).half.pairKey)
                m_cards[i].half.partner = j;
}

int CardGame::cardAt(int slot) const
{
    for (int i = 0; i < m_cards.size(); ++i)
        if (m_cards.at(i).slot == slot)
            return i;
    return -1;
}

CardGame::Press CardGame::press(int i)
{
    if (deciding()) {
        const bool match = m_decidedMatch;
        settle();
        if (!match)
            return Press::Covered;
    }
    if (i < 0 || i >= m_cards.size() || m_cards.at(i).face != Card::Face::Down)
        return Press::Ignored;
    m_cards[i].face = Card::Face::Open;
    m_cards[i].half.shown = true;
    emit cardTurned(i);
    if (m_open < 0) {
        m_open = i;
        return Press::Turned;
    }
    const int first = std::exchange(m_open, -1);
    m_decided[0] = first;
    m_decided[1] = i;
    m_decidedMatch = m_cards.at(first).half.partner == i;
    ++m_turns;
    const Card::Mark mark = m_decidedMatch ? Card::Mark::Tick : Card::Mark::Cross;
    m_cards[first].mark = m_cards[i].mark = mark;
    if (m_decidedMatch)
        ++m_teamPairs[m_team];
    emit pairDecided(first, i, m_decidedMatch);
    if (!m_decidedMatch) {
        m_team = (m_team + 1) % m_rules.teams;
        emit teamChanged(m_team);
    }
    return m_decidedMatch ? Press::Match : Press::Mismatch;
}

bool CardGame::settle()
{
    if (!deciding())
        return false;
    const int a = std::exchange(m_decided[0], -1);
    const int b = std::exchange(m_decided[1], -1);
    const bool match = m_decidedMatch;
    for (int i : {a, b}) {
        m_cards[i].face = match ? Card::Face::Gone : Card::Face::Down;
        m_cards[i].half.shown = !match;
        m_cards[i].mark = Card::Mark::None;
    }
    emit settled(a, b, match);
    if (match && solved())
        emit solvedTask();
    return true;
}

int CardGame::pairsLeft() const
{
    int halves = 0;
    for (const Card &c : m_cards)
        halves += c.face != Card::Face::Gone && c.half.partner >= 0 ? 1 : 0;
    return halves / 2;
}

bool CardGame::solved() const
{
    return !m_cards.isEmpty() && !deciding() && pairsLeft() == 0;
}

QVector<int> CardGame::winners() const
{
    const int best = m_teamPairs.isEmpty() ? 0 : *std::max_element(m_teamPairs.begin(), m_teamPairs.end());
    QVector<int> teams;
    for (int t = 0; t < m_teamPairs.size(); ++t)
        if (m_teamPairs.at(t) == best)
            teams << t;
    return teams;
}

} // namespace duplikon
