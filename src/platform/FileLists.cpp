// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileLists.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace duplikon {

namespace {
void sortCaseless(QStringList &names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}
} // namespace

QStringList listFiles(const QString &folder, const QString &patterns)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    QStringList filters;
    for (const QString &p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        filters << p.trimmed();
    dir.setNameFilters(filters);
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    QStringList names;
    // QDir matches name filters case-insensitively unless told otherwise
    for (const QFileInfo &fi : dir.entryInfoList())
        if (fi.isFile())
            names << fi.fileName();
    sortCaseless(names);
    return names;
}

QStringList listSubfolders(const QString &folder)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    QStringList names = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    sortCaseless(names);
    return names;
}

bool isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

QString cleanPath(const QString &path)
{
    return QDir::cleanPath(path);
}

QString withTrailingSeparator(const QString &folder)
{
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder;
    return folder + QDir::separator();
}

QString resolvePath(const QString &folder, const QString &name)
{
    QString rel = name;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool absolute = QDir::isAbsolutePath(rel);
    const QString base = absolute ? QString() : withTrailingSeparator(folder);
    const QString plain = absolute ? rel : base + rel;
    if (QFileInfo::exists(plain))
        return plain;

    // Match each part without regard to letter case.
    QString current = absolute ? QStringLiteral("/") : base;
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        const QString exact = withTrailingSeparator(current) + part;
        if (part == QLatin1String(".") || part == QLatin1String("..") || QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        QDir dir(current);
        const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        QString found;
        for (const QString &e : entries) {
            if (e.compare(part, Qt::CaseInsensitive) == 0) {
                found = e;
                break;
            }
        }
        if (found.isEmpty())
            return plain;
        current = withTrailingSeparator(current) + found;
    }
    return current;
}

bool deleteFile(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        if (error)
            *error = QStringLiteral("Die Datei ist nicht vorhanden.");
        return false;
    }
    if (info.isDir() && !info.isSymLink()) {
        if (error)
            *error = QStringLiteral("Das ist keine Datei.");
        return false;
    }
    QFile f(path);
    if (!f.remove()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

} // namespace duplikon
