// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardState.h"

#include "board/ColourCycle.h"
#include "pictures/SoundHalf.h"
#include "platform/Services.h"

#include <cmath>

namespace duplikon {

QChar pairKey(int i)
{
    static const QString alphabet = QStringLiteral("AABBCCDDEEFFGGHHIIJJKKLLMMNNOOPPQQRRSSTTUUVVWWXXYYZZ");
    return alphabet.at(i % alphabet.size());
}

QString keyString(int i, const QString &half)
{
    return QString(pairKey(i)) + QLatin1Char('_') + half;
}

QVector<int> shuffledOrder(int n, Random &random)
{
    QVector<int> order;
    for (int i = 0; i < n; ++i) {
        const int c = int(order.size());
        const double u = random.next();
        int r = int(std::floor(c * u));
        if (r < 0)
            r = 0;
        if (r > c - 1)
            r = qMax(0, c - 1); // a generator value of 1.0 must not append
        order.insert(r, i);
    }
    return order;
}

Shuffled shuffleHalves(const QStringList &used, Random &random)
{
    Shuffled s;
    for (int i : shuffledOrder(int(used.size()), random)) {
        s.halves << used.at(i);
        s.keys << keyString(i, used.at(i));
    }
    return s;
}

BoardCell cellOf(const QString &text, int pairKey, const QString &folder)
{
    BoardCell c;
    const Half half = Half::of(text);
    c.half = half.text;
    c.pairKey = pairKey;
    c.picture = half.isPicture();
    c.sound = half.isSound();
    c.file = half.file(folder);
    if (c.sound && checkSoundFile(c.file) == SoundFileState::Playable)
        c.soundFile = c.file;
    c.shown = true;
    return c;
}

BoardState::BoardState(QObject *parent) : QObject(parent), m_cells(kCells)
{
}

void BoardState::emptyCells()
{
    emit aboutToClear();
    for (int i = 0; i < kCells; ++i) {
        const ColourValue colour = m_cells.at(i).colour;
        m_cells[i] = BoardCell();
        m_cells[i].colour = colour;
    }
    m_list1.clear();
    m_task.clear();
}

void BoardState::clear()
{
    emptyCells();
    emit filled();
}

void BoardState::load(const Task &task, const QString &folder, Random &random)
{
    emptyCells();
    m_task = task.name;
    m_list1 = task.usedLines();
    const Shuffled s = shuffleHalves(m_list1, random);
    const int n = int(qMin<qsizetype>(s.halves.size(), kCells));
    for (int i = 0; i < n; ++i) {
        const ColourValue colour = m_cells.at(i).colour;
        m_cells[i] = cellOf(s.halves.at(i), s.keys.at(i).at(0).unicode() - 'A', folder);
        m_cells[i].colour = colour;
    }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (i != j && m_cells.at(i).pairKey == m_cells.at(j).pairKey)
                m_cells[i].partner = j;
    emit filled();
    recolour();
}

BoardState::DropResult BoardState::drop(int source, int target, PlayWay way)
{
    if (source < 0 || source >= kCells || target < 0 || target >= kCells)
        return DropResult::Ignored;
    if (!m_cells.at(source).shown || !m_cells.at(target).shown)
        return DropResult::Ignored;
    if (source == target)
        return DropResult::Itself;
    if (m_cells.at(source).partner != target) {
        emit mismatched(target, source, way);
        return DropResult::Mismatch;
    }
    emit pairMatching(target, source, way);
    m_cells[target].shown = false;
    m_cells[source].shown = false;
    emit pairMatched(target, source);
    PunktZaehlen(way);
    return DropResult::Match;
}

void BoardState::PunktZaehlen(PlayWay way)
{
    ++m_points;
    emit pointsChanged(m_points);
    if (solved())
        emit solvedTask(way);
}

int BoardState::cellsShown() const
{
    int n = 0;
    for (const BoardCell &c : m_cells)
        n += c.shown ? 1 : 0;
    return n;
}

bool BoardState::solved() const
{
    return !m_list1.isEmpty() && cellsShown() == 0;
}

void BoardState::setQuestionColour(ColourValue c)
{
    m_questionColour = c;
    recolour();
}

void BoardState::setAnswerColour(ColourValue c)
{
    m_answerColour = c;
    recolour();
}

void BoardState::setTwoColours(bool on)
{
    m_twoColours = on;
    recolour();
}

void BoardState::restoreQuestionColour(ColourValue c)
{
    m_questionColour = c;
    emit coloursChanged();
}

void BoardState::recolour()
{
    if (m_twoColours)
        colourTwoColours();
    else
        colourOneColour();
}

void BoardState::colourOneColour()
{
    m_colours = singleColourList(m_questionColour);
    for (int i = 0; i < kCells; ++i)
        m_cells[i].colour = m_colours.value(i, 0);
    emit coloursChanged();
}

void BoardState::colourTwoColours()
{
    m_colours = twoColourList(List3(), m_questionColour, m_answerColour);
    for (int i = 0; i < kCells; ++i)
        m_cells[i].colour = m_colours.value(i, 0);
    emit coloursChanged();
    emit answerColourApplied(m_answerColour);
}

QStringList BoardState::List2() const
{
    QStringList list;
    for (const BoardCell &c : m_cells)
        if (c.pairKey >= 0)
            list << c.half;
    return list;
}

QStringList BoardState::List3() const
{
    QStringList list;
    for (const BoardCell &c : m_cells)
        if (c.pairKey >= 0)
            list << QChar(QLatin1Char(char('A' + c.pairKey))) + QLatin1Char('_') + c.half;
    return list;
}

QStringList BoardState::farblist() const
{
    QStringList list;
    for (ColourValue c : m_colours)
        list << colourText(c);
    return list;
}

} // namespace duplikon
