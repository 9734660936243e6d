// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/ResultsFolders.h"

#include "pictures/PictureImport.h"
#include "tasks/ProgramFolder.h"

#include "platform/NoLinkFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QHash>
#include <QStandardPaths>

#include <algorithm>

namespace duplikon {

namespace {

constexpr int kMaxDepth = 4; // <root>/<child>/<file> is as deep as a writer goes
constexpr qint64 kMaxOriginBytes = 64 * 1024;
const QString kOriginFile = QStringLiteral("Programmordner.txt");

bool isResultFile(const QString &relative)
{
    return relative.endsWith(QLatin1String(".jsonl"), Qt::CaseInsensitive);
}

} // namespace

QString safeFileName(const QString &text, const QString &fallback)
{
    QString plain = text;
    plain.replace(QLatin1Char('/'), QLatin1Char(' ')).replace(QLatin1Char('\\'), QLatin1Char(' '));
    // The rule strips an ending; this one keeps a dot in the text from being taken for it.
    return importBaseName(plain + QStringLiteral(".x"), fallback);
}

QString childFolderName(const QString &name)
{
    const QString safe = safeFileName(name, QStringLiteral("Kind"));
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).toHex();
    return safe + QLatin1Char('-') + QString::fromLatin1(hash.left(8));
}

ResultsFolders::ResultsFolders(const QString &programFolder)
    : m_programFolder(QDir(programFolder).absolutePath()), m_key(childFolderName(m_programFolder))
{
}

QString ResultsFolders::programRoot() const
{
    return m_programFolder + QLatin1Char('/') + ProgramFolder::resultsFolderName();
}

QString ResultsFolders::fallbackRoot() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/duplikon/") + ProgramFolder::resultsFolderName() + QLatin1Char('/') + m_key;
}

QString ResultsFolders::cacheFile() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/duplikon/ergebnisse-") + m_key + QStringLiteral(".cache");
}

ResultFileList ResultsFolders::list(const QStringList &roots, const std::optional<QString> &child)
{
    ResultFileList out;
    for (const QString &root : roots) {
        const nolink::Listing listed =
            nolink::list(root, child ? childFolderName(*child) : QString(), kMaxDepth, isResultFile);
        for (const nolink::Entry &entry : listed.files)
            out.files.append({root, entry.relative, entry.size, entry.modified});
        out.skipped += listed.skipped;
    }
    // (a root's files share its path up to the relative part)
    std::sort(out.files.begin(), out.files.end(), [](const ResultFile &a, const ResultFile &b) {
        return a.root != b.root ? a.root < b.root : a.relative < b.relative;
    });
    return out;
}

bool ResultsFolders::read(const ResultFile &file, qint64 maxSize, QByteArray *bytes)
{
    return nolink::read(file.root, file.relative, maxSize, bytes);
}

bool ResultsFolders::read(const ResultFile &file, qint64 maxSize, QByteArray *bytes, nolink::Reader &reader)
{
    return reader.read(file.root, file.relative, maxSize, bytes);
}

bool ResultsFolders::append(const QString &root, const QString &relative, const QByteArray &bytes)
{
    // A line cut short (a full disk, a crash) ends before the next begins.
    return nolink::append(root, relative, bytes, true);
}

ResultsDeleted ResultsFolders::remove(const QStringList &roots, const std::optional<QString> &child)
{
    const ResultFileList listed = list(roots, child);
    ResultsDeleted deleted;
    deleted.skipped = listed.skipped;
    QHash<QString, QStringList> folders; // root -> the folders that held files
    for (const ResultFile &file : listed.files) {
        // Only the regular files listed, each looked at again as it goes.
        if (!nolink::remove(file.root, file.relative))
            ++deleted.failed;
        const QStringList parts = file.relative.split(QLatin1Char('/'));
        for (int i = 1; i < parts.size(); ++i)
            folders[file.root].append(parts.mid(0, i).join(QLatin1Char('/')));
    }
    for (auto it = folders.cbegin(); it != folders.cend(); ++it)
        nolink::removeEmptyFolders(it.key(), it.value());
    return deleted;
}

bool ResultsFolders::markFallback() const
{
    QByteArray origin;
    return nolink::read(fallbackRoot(), kOriginFile, kMaxOriginBytes, &origin)
        || nolink::create(fallbackRoot(), kOriginFile, m_programFolder.toUtf8() + '\n');
}

int ResultsFolders::moveFallback() const
{
    const QString fallback = fallbackRoot();
    QByteArray origin;
    // Only into the folder the results came from.
    if (!nolink::read(fallback, kOriginFile, kMaxOriginBytes, &origin)
        || QString::fromUtf8(origin.trimmed()) != m_programFolder)
        return 0;
    const QString root = programRoot();
    if (!nolink::writableRoot(root))
        return 0;
    int failed = 0;
    for (const ResultFile &file : list({fallback}).files) {
        // Part of a file may have reached the program folder before it failed:
        // the rest is appended to it.
        QByteArray bytes;
        const bool moved = nolink::move(fallback, root, file.relative)
            || (read(file, qint64(1) << 30, &bytes) && append(root, file.relative, bytes)
                && nolink::remove(fallback, file.relative));
        if (!moved)
            ++failed;
    }
    return failed;
}

} // namespace duplikon
