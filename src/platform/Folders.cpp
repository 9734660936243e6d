// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Folders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace duplikon {

PathKind pathKind(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return PathKind::Missing;
    return info.isDir() ? PathKind::Folder : PathKind::File;
}

bool isReadableFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

QString executableFolder()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool copyFolderAsNew(const QString &source, const QString &target, QString *error)
{
    if (pathKind(source) != PathKind::Folder) {
        *error = QStringLiteral("Der Ordner „%1“ fehlt.").arg(source);
        return false;
    }
    const QString parent = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(parent)) {
        *error = QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(parent);
        return false;
    }
    QTemporaryDir copy(parent + QStringLiteral("/.") + QFileInfo(target).fileName() + QStringLiteral("-XXXXXX"));
    if (!copy.isValid()) {
        *error = QStringLiteral("Im Ordner „%1“ kann nichts angelegt werden.").arg(parent);
        return false;
    }
    const QDir from(source);
    QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString to = copy.filePath(from.relativeFilePath(entry.filePath()));
        // Copies of read-only files stay editable for their new owner.
        const bool ok = entry.isDir() ? QDir().mkpath(to)
                                      : QFile::copy(entry.filePath(), to)
                                            && QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner);
        if (!ok) {
            *error = QStringLiteral("„%1“ kann nicht nach „%2“ kopiert werden.").arg(entry.filePath(), to);
            return false;
        }
    }
    // The temporary folder is private; the teacher's folder gets the usual rights.
    QFile::setPermissions(copy.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                           | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (!QDir().rename(copy.path(), target)) {
        *error = QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.").arg(target);
        return false;
    }
    copy.setAutoRemove(false);
    return true;
}

} // namespace duplikon
