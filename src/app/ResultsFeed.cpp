// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ResultsFeed.h"

#include "board/BoardState.h"
#include "lesson/LessonState.h"
#include "platform/RegularFile.h"
#include "results/ResultsRecorder.h"

#include <QDir>
#include <QSysInfo>

namespace duplikon {

namespace {
constexpr qint64 kMaxTaskBytes = 1 << 20; // a task file is a few lines
} // namespace

ResultsFeed::ResultsFeed(const QString &programFolder, const BoardState *board, const LessonState *lesson,
                         QObject *parent)
    : QObject(parent), m_programFolder(programFolder), m_board(board), m_lesson(lesson),
      m_recorder(ResultsRecorder::forFolder(ResultsFolders(programFolder), QSysInfo::machineHostName()))
{
    m_recorder->userChanged(lesson->userName(), QDateTime::currentDateTime());
    connect(board, &BoardState::filled, this, &ResultsFeed::taskSet);
    connect(board, &BoardState::pairMatching, this, [this](int target, int source) { dropped(target, source, true); });
    connect(board, &BoardState::mismatched, this, [this](int target, int source) { dropped(target, source, false); });
    connect(board, &BoardState::solvedTask, this, [this] { m_recorder->solved(m_lastMatch, way()); });
    connect(lesson, &LessonState::userNameChanged, this,
            [this](const QString &name) { m_recorder->userChanged(name, QDateTime::currentDateTime()); });
}

ResultsFeed::~ResultsFeed() = default;

PlayWay ResultsFeed::way() const
{
    switch (m_board->way()) {
    case BoardState::Way::Keys: return PlayWay::Keys;
    case BoardState::Way::Tap: return PlayWay::Tap;
    case BoardState::Way::Mouse: break;
    }
    return PlayWay::Mouse;
}

void ResultsFeed::taskSet()
{
    const QString task = m_board->task();
    if (task.isEmpty()) {
        m_recorder->taskCleared();
        return;
    }
    QByteArray bytes;
    QString error;
    if (!readRegularFile(QDir(m_programFolder).filePath(task), kMaxTaskBytes, &bytes, &error))
        bytes = QByteArray();
    const QStringList used = m_board->List1();
    QVector<HalfPair> pairs;
    for (int i = 0; i + 1 < used.size(); i += 2)
        pairs.append({used.at(i), used.at(i + 1)});
    const bool mandatory = m_lesson->mandatoryTasks() && m_lesson->pflicht().contains(task, Qt::CaseInsensitive);
    m_recorder->taskShown(task, bytes, pairs, mandatory, QDateTime::currentDateTime());
}

void ResultsFeed::dropped(int target, int source, bool matched)
{
    const QDateTime now = QDateTime::currentDateTime();
    if (matched)
        m_lastMatch = now;
    m_recorder->dropped(m_board->cell(source).half, m_board->cell(target).half, matched, way(), now);
}

} // namespace duplikon
