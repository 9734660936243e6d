// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskFolder.h"

#include "tasks/ProgramFolder.h"
#include "tasks/Task.h"
#include "tasks/TaskArchive.h"
#include "pictures/MediaNames.h"
#include "platform/FileLists.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QTimer>

#include <sys/vfs.h>

namespace duplikon {

namespace {
// The type of the file system that holds path, -1 when it cannot be told.
qint64 fileSystemType(const QString &path)
{
    struct statfs info;
    if (statfs(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return qint64(info.f_type);
}
} // namespace

TaskFolder::TaskFolder(const QString &folder, QObject *parent) : QAbstractListModel(parent), m_folder(folder)
{
    read();
    QTimer::singleShot(kWatchDelayMilliseconds, this, &TaskFolder::watch);
}

int TaskFolder::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_taskFiles.size());
}

QVariant TaskFolder::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_taskFiles.size() || role != Qt::DisplayRole)
        return {};
    return m_taskFiles.at(index.row());
}

bool TaskFolder::writeTask(const QString &name, const Task &task, QString *error)
{
    const bool written = duplikon::writeTask(resolvePath(withTrailingSeparator(m_folder), name), task, error);
    if (written)
        refresh();
    return written;
}

bool TaskFolder::deleteTaskFile(const QString &name, QString *error)
{
    const bool deleted = deleteFile(withTrailingSeparator(m_folder) + name, error);
    if (deleted)
        refresh();
    return deleted;
}

TakenInTask TaskFolder::takeIn(const QString &archivePath)
{
    const TakenInTask taken = takeInTask(archivePath, m_folder);
    refresh();
    return taken;
}

bool TaskFolder::isNetworkFileSystem(qint64 type)
{
    switch (type) {
    case 0x6969:     // NFS
    case 0xFF534D42: // CIFS
    case 0xFE534D42: // SMB2
    case 0x517B:     // SMB
        return true;
    default:
        return false;
    }
}

void TaskFolder::watch()
{
    const qint64 type = fileSystemType(m_folder);
    if (type < 0 || isNetworkFileSystem(type))
        return;
    m_watcher = new QFileSystemWatcher(this);
    if (!m_watcher->addPath(m_folder)) {
        delete m_watcher;
        m_watcher = nullptr;
        return;
    }
    if (m_hasSolutionFolder)
        m_watcher->addPath(m_solutionFolder);
    // A copy of many files brings many notices: the folder is read once they settle.
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMilliseconds);
    connect(m_settle, &QTimer::timeout, this, &TaskFolder::refresh);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle, qOverload<>(&QTimer::start));
}

void TaskFolder::read()
{
    // One listing of the folder, dealt by ending.
    m_taskFiles.clear();
    m_pictures.clear();
    m_sounds.clear();
    m_media.clear();
    const QStringList names = listFiles(m_folder, ProgramFolder::taskFilePattern() + QLatin1Char(';')
                                                      + ProgramFolder::mediaPattern());
    for (const QString &name : names) {
        if (name.endsWith(ProgramFolder::taskFileEnding(), Qt::CaseInsensitive)) {
            m_taskFiles << name;
            continue;
        }
        (isSoundName(name) ? m_sounds : m_pictures) << name;
        m_media << name;
    }
    const QString solution = ProgramFolder::solutionFolder(withTrailingSeparator(m_folder));
    m_solutionFolder = withTrailingSeparator(solution);
    m_hasSolutionFolder = isFolder(solution);
    // Without DUPBILDER the list keeps the program folder's pictures: they
    // are drawn as before, and loading them from the missing folder fails.
    m_solutionPictures = m_hasSolutionFolder ? listFiles(m_solutionFolder, ProgramFolder::picturePattern()) : m_pictures;
}

void TaskFolder::refresh()
{
    const QStringList before[] = {m_taskFiles, m_pictures, m_sounds, m_solutionPictures};
    beginResetModel();
    read();
    endResetModel();
    if (m_watcher && m_hasSolutionFolder && !m_watcher->directories().contains(m_solutionFolder))
        m_watcher->addPath(m_solutionFolder);
    const QStringList after[] = {m_taskFiles, m_pictures, m_sounds, m_solutionPictures};
    for (int i = 0; i < 4; ++i) {
        if (before[i] != after[i]) {
            emit changed();
            return;
        }
    }
}

} // namespace duplikon
