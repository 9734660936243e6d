// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ResultsFeed.h"

#include "board/BoardState.h"
#include "board/CardGame.h"
#include "lesson/LessonState.h"
#include "results/ResultsRecorder.h"
#include "tasks/Task.h"

#include <QSysInfo>

namespace duplikon {

ResultsFeed::ResultsFeed(const QString &programFolder, const BoardState *board, const LessonState *lesson,
                         QObject *parent)
    : QObject(parent), m_board(board), m_lesson(lesson),
      m_recorder(ResultsRecorder::forFolder(ResultsFolders(programFolder), QSysInfo::machineHostName()))
{
    m_recorder->userChanged(lesson->userName(), QDateTime::currentDateTime());
    connect(board, &BoardState::pairMatching, this,
            [this](int target, int source, PlayWay way) { droppedOnCell(target, source, true, way); });
    connect(board, &BoardState::mismatched, this,
            [this](int target, int source, PlayWay way) { droppedOnCell(target, source, false, way); });
    connect(lesson, &LessonState::userNameChanged, this,
            [this](const QString &name) { m_recorder->userChanged(name, QDateTime::currentDateTime()); });
}

ResultsFeed::~ResultsFeed() = default;

void ResultsFeed::taskShown(const Task &task, const CardGame *cards)
{
    if (task.name.isEmpty()) {
        m_recorder->taskCleared();
        return;
    }
    // The pairs as the board uses them: its used lines, two by two; the cards
    // lie in the same order, each pair's first half first.
    QStringList used = m_board->List1();
    if (cards) {
        used.clear();
        for (int i = 0; i < cards->cardCount(); ++i)
            used << cards->card(i).half.half;
    }
    QVector<HalfPair> pairs;
    for (int i = 0; i + 1 < used.size(); i += 2)
        pairs.append({used.at(i), used.at(i + 1)});
    const bool mandatory = m_lesson->mandatoryTasks() && m_lesson->pflicht().contains(task.name, Qt::CaseInsensitive);
    m_recorder->taskShown(task.name, task.bytes, pairs, mandatory, QDateTime::currentDateTime(),
                          pairTasks(task, pairs));
}

QVector<std::pair<QString, QString>> ResultsFeed::pairTasks(const Task &task, const QVector<HalfPair> &pairs)
{
    if (task.sources.isEmpty())
        return {};
    // The pairs on the board, found by their halves among the task's pairs.
    const QStringList used = task.usedLines();
    QHash<HalfPair, PairSource> sourceOf;
    for (int i = 0; i + 1 < used.size() && i / 2 < task.sources.size(); i += 2)
        sourceOf.insert({used.at(i), used.at(i + 1)}, task.sources.at(i / 2));
    QVector<std::pair<QString, QString>> out;
    for (const HalfPair &pair : pairs) {
        const PairSource source = sourceOf.value(pair);
        out.append({source.task, source.fingerprint});
    }
    return out;
}

void ResultsFeed::droppedOnCell(int target, int source, bool matched, PlayWay way)
{
    dropped(m_board->cell(source).half, m_board->cell(target).half, matched, way);
}

void ResultsFeed::dropped(const QString &dragged, const QString &target, bool matched, PlayWay way)
{
    const QDateTime now = QDateTime::currentDateTime();
    if (matched)
        m_lastMatch = now;
    m_recorder->dropped(dragged, target, matched, way, now);
}

void ResultsFeed::cardsDecided(const QString &half1, const QString &half2, bool matched)
{
    dropped(half1, half2, matched, PlayWay::Cards);
}

void ResultsFeed::solved(PlayWay way, int turns, int teams)
{
    m_recorder->solved(m_lastMatch.isValid() ? m_lastMatch : QDateTime::currentDateTime(), way, turns, teams);
}

} // namespace duplikon
