// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileLists.h"

#include <QCoreApplication>
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

bool isHiddenName(const QString &name)
{
    return name.startsWith(QLatin1Char('.'));
}

// base + rel where it exists; otherwise each part of rel matched without
// regard to letter case, or the plain joined path when nothing matches.
QString findBelow(const QString &base, const QString &rel)
{
    const QString plain = base + rel;
    if (QFileInfo::exists(plain))
        return plain;

    QString current = base;
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
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

QString withSlashes(const QString &name)
{
    QString rel = name;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return rel;
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
    dir.setFilter(QDir::Files | QDir::System);
    QStringList names;
    // QDir matches name filters case-insensitively unless told otherwise
    for (const QFileInfo &fi : dir.entryInfoList())
        if (fi.isFile() && !isHiddenName(fi.fileName()))
            names << fi.fileName();
    sortCaseless(names);
    return names;
}

QStringList listSubfolders(const QString &folder)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    QStringList names;
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!isHiddenName(name))
            names << name;
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
    const QString rel = withSlashes(name);
    if (QDir::isAbsolutePath(rel))
        return findBelow(QStringLiteral("/"), rel.mid(1));
    return findBelow(withTrailingSeparator(folder), rel);
}

QString resolveHalf(const QString &folder, const QString &half)
{
    return findBelow(withTrailingSeparator(folder), withSlashes(half));
}

bool isReservedDeviceName(const QString &fileName)
{
    const QString stem = fileName.left(fileName.indexOf(QLatin1Char('.'))).toUpper();
    for (const char *device : {"CON", "PRN", "AUX", "NUL"}) {
        if (stem == QLatin1String(device))
            return true;
    }
    return stem.size() == 4 && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT")))
        && stem.at(3) >= u'1' && stem.at(3) <= u'9';
}

QString withoutDeviceName(const QString &fileName)
{
    if (!isReservedDeviceName(fileName))
        return fileName;
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName + QLatin1Char('_') : fileName.left(dot) + QLatin1Char('_') + fileName.mid(dot);
}

bool deleteFile(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        if (error)
            *error = QCoreApplication::translate("duplikon::FileLists", "Die Datei ist nicht vorhanden.");
        return false;
    }
    if (info.isDir() && !info.isSymLink()) {
        if (error)
            *error = QCoreApplication::translate("duplikon::FileLists", "Das ist keine Datei.");
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
