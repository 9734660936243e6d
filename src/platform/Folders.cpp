// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Folders.h"

#include "platform/TextFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <sys/stat.h>

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

namespace {

// A new hidden folder beside target, with the mode every new folder gets from
// the umask; empty when none can be made.
QString makeHiddenFolder(const QString &parent, const QString &name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = parent + QStringLiteral("/.") + name
            + QStringLiteral("-%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
            return path;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

// The largest file of a folder that is copied.
constexpr qint64 kMaxCopiedFileBytes = 256LL * 1024 * 1024;

} // namespace

bool copyFolderAsNew(const QString &source, const QString &target, QString *error)
{
    if (pathKind(source) != PathKind::Folder) {
        *error = QCoreApplication::translate("duplikon::Folders", "Der Ordner „%1“ fehlt.").arg(source);
        return false;
    }
    const QString parent = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(parent)) {
        *error = QCoreApplication::translate("duplikon::Folders", "Der Ordner „%1“ kann nicht angelegt werden.").arg(parent);
        return false;
    }
    const QString copy = makeHiddenFolder(parent, QFileInfo(target).fileName());
    if (copy.isEmpty()) {
        *error = QCoreApplication::translate("duplikon::Folders", "Im Ordner „%1“ kann nichts angelegt werden.").arg(parent);
        return false;
    }
    const QDir from(source);
    QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString to = copy + QLatin1Char('/') + from.relativeFilePath(entry.filePath());
        // Each copy is a new file of the teacher's, with the umask's mode.
        QByteArray bytes;
        const bool ok = entry.isDir() ? QDir().mkpath(to)
                                      : readFileBytes(entry.filePath(), kMaxCopiedFileBytes, &bytes, nullptr)
                                            && writeNewFileAtomically(to, bytes, nullptr) == NewFileResult::Written;
        if (!ok) {
            *error = QCoreApplication::translate("duplikon::Folders", "„%1“ kann nicht nach „%2“ kopiert werden.").arg(entry.filePath(), to);
            QDir(copy).removeRecursively();
            return false;
        }
    }
    if (!QDir().rename(copy, target)) {
        *error = QCoreApplication::translate("duplikon::Folders", "Der Ordner „%1“ kann nicht angelegt werden.").arg(target);
        QDir(copy).removeRecursively();
        return false;
    }
    return true;
}

} // namespace duplikon
