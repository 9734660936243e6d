// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ResultsRecorder.h"

#include "board/BoardState.h"
#include "lesson/LessonState.h"
#include "tasks/Task.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QStandardPaths>

namespace duplikon {

namespace {
QString folderName(const QString &programFolder)
{
    const QString name = QFileInfo(QDir::cleanPath(programFolder)).fileName();
    return name.isEmpty() ? QStringLiteral("Programm") : name;
}
} // namespace

ResultsRecorder::ResultsRecorder(QString programFolder, const BoardState *board, const LessonState *lesson,
                                 QObject *parent)
    : QObject(parent), m_programFolder(std::move(programFolder)), m_board(board), m_lesson(lesson)
{
    const QString fallback = fallbackFolder(m_programFolder);
    ResultsWriter::moveFallback(m_programFolder, fallback);
    m_writer = std::make_unique<ResultsWriter>(m_programFolder, fallback, QSysInfo::machineHostName());
    connect(board, &BoardState::pairMatching, this,
            [this](int target, int source, PlayWay way) { dropped(target, source, true, way); });
    connect(board, &BoardState::mismatched, this,
            [this](int target, int source, PlayWay way) { dropped(target, source, false, way); });
    // A new name starts a new file, which first names the task on the board.
    connect(lesson, &LessonState::userNameChanged, this, [this] {
        if (!m_task.isEmpty())
            m_writer->record(event(ResultEvent::TaskSet));
    });
}

ResultsRecorder::~ResultsRecorder() { m_writer->finish(1000); }

QString ResultsRecorder::fallbackFolder(const QString &programFolder)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/duplikon/Ergebnisse/")
        + folderName(programFolder);
}

QStringList ResultsRecorder::roots(const QString &programFolder)
{
    return {QDir(programFolder).filePath(QStringLiteral("Ergebnisse")), fallbackFolder(programFolder)};
}

QString ResultsRecorder::cacheFile(const QString &programFolder)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/duplikon/Ergebnisse-")
        + folderName(programFolder) + QStringLiteral(".cache");
}

ResultEvent ResultsRecorder::event(ResultEvent::Kind kind) const
{
    ResultEvent e;
    e.kind = kind;
    e.time = QDateTime::currentDateTime();
    e.user = m_lesson->userName();
    e.task = m_task;
    e.fingerprint = m_fingerprint;
    e.mandatory = m_mandatory;
    return e;
}

void ResultsRecorder::taskShown(const Task &task)
{
    m_sinceSetUp.start();
    m_wrongDrops = 0;
    m_task = task.name;
    m_fingerprint = QString::fromLatin1(QCryptographicHash::hash(task.bytes, QCryptographicHash::Sha256).toHex());
    m_mandatory = m_lesson->mandatoryTasks() && m_lesson->pflicht().contains(task.name, Qt::CaseInsensitive);
    m_writer->record(event(ResultEvent::TaskSet));
}

void ResultsRecorder::dropped(int target, int source, bool matched, PlayWay way)
{
    ResultEvent e = event(ResultEvent::Drop);
    e.half1 = m_board->cell(source).half;
    e.half2 = m_board->cell(target).half;
    e.matched = matched;
    e.way = way;
    if (!matched)
        ++m_wrongDrops;
    m_writer->record(e);
}

void ResultsRecorder::cardsDecided(const QString &half1, const QString &half2, bool matched)
{
    ResultEvent e = event(ResultEvent::Drop);
    e.half1 = half1;
    e.half2 = half2;
    e.matched = matched;
    e.way = PlayWay::Cards;
    if (!matched)
        ++m_wrongDrops;
    m_writer->record(e);
}

void ResultsRecorder::solved(PlayWay way, int turns, int teams)
{
    ResultEvent e = event(ResultEvent::Solved);
    e.turns = turns;
    e.teams = teams;
    e.seconds = m_sinceSetUp.isValid() ? int(m_sinceSetUp.elapsed() / 1000) : 0;
    e.wrongDrops = m_wrongDrops;
    e.way = way;
    m_writer->record(e);
}

} // namespace duplikon
