// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskFolder.h"

#include "platform/FileLists.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QTimer>

#include <sys/vfs.h>

namespace duplikon {

namespace {
const QString kPicturePattern = QStringLiteral("*.BMP;*.GIF;*.JPG;*.WMF");

// The type of the file system that holds path, -1 when it cannot be told.
qint64 fileSystemType(const QString &path)
{
    struct statfs info;
    if (statfs(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return qint64(info.f_type);
}
} // namespace

TaskFolder::TaskFolder(const QString &folder, QObject *parent) : QObject(parent), m_folder(folder)
{
    read();
    QTimer::singleShot(kWatchDelayMilliseconds, this, &TaskFolder::watch);
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
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_stale = true; });
}

void TaskFolder::read()
{
    // One listing of the folder, dealt by ending.
    m_taskFiles.clear();
    m_pictures.clear();
    m_sounds.clear();
    const QStringList names = listFiles(m_folder, QStringLiteral("*.TXT;") + kPicturePattern + QStringLiteral(";*.WAV;*.OGG;*.MP3"));
    for (const QString &name : names) {
        const QString ending = name.right(4).toUpper();
        if (ending == QLatin1String(".TXT"))
            m_taskFiles << name;
        else if (kPicturePattern.contains(ending))
            m_pictures << name;
        else
            m_sounds << name;
    }
    const QString solution = resolvePath(withTrailingSeparator(m_folder), QStringLiteral("DUPBILDER"));
    m_solutionFolder = withTrailingSeparator(solution);
    m_hasSolutionFolder = isFolder(solution);
    // Without DUPBILDER the list keeps the program folder's pictures: they
    // are drawn as before, and loading them from the missing folder fails.
    m_solutionPictures = m_hasSolutionFolder ? listFiles(m_solutionFolder, kPicturePattern) : m_pictures;
    m_stale = false;
}

void TaskFolder::refresh()
{
    const QStringList before[] = {m_taskFiles, m_pictures, m_sounds, m_solutionPictures};
    read();
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
