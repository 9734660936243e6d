// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsRecorder.h"

#include "results/ResultsWriter.h"

#include <QCryptographicHash>

namespace duplikon {

QString taskFingerprint(const QByteArray &taskBytes)
{
    return taskBytes.isNull()
        ? QString()
        : QString::fromLatin1(QCryptographicHash::hash(taskBytes, QCryptographicHash::Sha256).toHex());
}

ResultsRecorder::ResultsRecorder(std::unique_ptr<ResultsSink> sink)
    : m_sink(std::move(sink)), m_user(QStringLiteral("Benutzer"))
{
}

std::unique_ptr<ResultsRecorder> ResultsRecorder::forFolder(const ResultsFolders &folders, const QString &machine)
{
    folders.moveFallback();
    return std::make_unique<ResultsRecorder>(std::make_unique<ResultsWriter>(folders, machine));
}

ResultsRecorder::~ResultsRecorder() = default;

ResultEvent ResultsRecorder::event(ResultEvent::Kind kind, const QDateTime &time) const
{
    ResultEvent e;
    e.kind = kind;
    e.time = time;
    e.user = m_user;
    e.task = m_task;
    e.fingerprint = m_fingerprint;
    e.mandatory = m_mandatory;
    return e;
}

void ResultsRecorder::userChanged(const QString &name, const QDateTime &time)
{
    if (name == m_user)
        return;
    m_user = name;
    // The new name's file begins with the task on the board.
    if (!m_task.isEmpty()) {
        ResultEvent e = event(ResultEvent::TaskSet, time);
        e.pairs = m_pairs;
        e.pairTasks = m_pairTasks;
        m_sink->record(e);
    }
}

void ResultsRecorder::taskShown(const QString &task, const QByteArray &taskBytes, const QVector<HalfPair> &pairs,
                                bool mandatory, const QDateTime &time,
                                const QVector<std::pair<QString, QString>> &pairTasks)
{
    m_task = task;
    m_fingerprint = taskFingerprint(taskBytes);
    m_pairs = pairs;
    m_pairTasks = pairTasks;
    m_mandatory = mandatory;
    m_shown = time;
    m_wrongDrops = 0;
    ResultEvent e = event(ResultEvent::TaskSet, time);
    e.pairs = pairs;
    e.pairTasks = pairTasks;
    m_sink->record(e);
}

void ResultsRecorder::taskCleared()
{
    m_task.clear();
}

void ResultsRecorder::dropped(const QString &dragged, const QString &target, bool matched, PlayWay way,
                              const QDateTime &time)
{
    if (m_task.isEmpty())
        return;
    ResultEvent e = event(ResultEvent::Drop, time);
    e.half1 = dragged;
    e.half2 = target;
    e.matched = matched;
    e.way = way;
    if (!matched)
        ++m_wrongDrops;
    m_sink->record(e);
}

void ResultsRecorder::solved(const QDateTime &time, PlayWay way, int turns, int teams)
{
    if (m_task.isEmpty())
        return;
    ResultEvent e = event(ResultEvent::Solved, time);
    e.seconds = m_shown.isValid() && time.isValid() ? int(std::max<qint64>(0, m_shown.secsTo(time))) : 0;
    e.wrongDrops = m_wrongDrops;
    e.way = way;
    e.turns = turns;
    e.teams = teams;
    m_sink->record(e);
}

} // namespace duplikon
