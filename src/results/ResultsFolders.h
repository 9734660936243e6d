// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/NoLinkFolder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace duplikon {

// Any text made safe for a file name by the pictures' name rule (fallback
// when nothing of it is left).
QString safeFileName(const QString &text, const QString &fallback);

// The folder of a child: the name made safe by the pictures' name rule, then
// '-' and a short hash of the name as typed, so "Lea" and "Léa" stay apart.
QString childFolderName(const QString &name);

// A result file (*.jsonl) found below a root, as it was found: its path
// below the root and what the folder entry said.
struct ResultFile {
    QString root;
    QString relative; // "<child>/<name>.jsonl", '/' between the parts
    qint64 size = 0;
    qint64 modified = 0; // ms since the epoch
    QString path() const { return root + QLatin1Char('/') + relative; }
};

struct ResultFileList {
    QVector<ResultFile> files; // sorted by root, then by the path below it
    // Links and other entries that are neither a folder nor a regular file:
    // never followed, counted among the damaged files and named.
    QStringList skipped;
};

// What a deletion did.
struct ResultsDeleted {
    int failed = 0;       // listed files that could not be deleted
    QStringList skipped;  // links left alone, by path
};

// Every place the results of one program folder live, and every walk over
// them. Nothing below a root is ever reached through a link, the root
// itself included: each folder is opened relative to the one above it and
// refused when it is a link, so a link planted in Ergebnisse cannot lead a
// reader, a move or a deletion anywhere else.
class ResultsFolders {
public:
    explicit ResultsFolders(const QString &programFolder);

    QString programFolder() const { return m_programFolder; } // absolute, no trailing separator
    // <program folder>/Ergebnisse
    QString programRoot() const;
    // Where the results go when the program folder cannot be written:
    // $XDG_DATA_HOME/duplikon/Ergebnisse/<key>. The key is the program
    // folder's full path, readable and hashed, so two folders of one name
    // never share it; the folder holds a file naming the program folder too.
    QString fallbackRoot() const;
    // The reader's cache: $XDG_CACHE_HOME/duplikon/ergebnisse-<key>.cache.
    QString cacheFile() const;
    // The program folder's root, then the fallback.
    QStringList roots() const { return {programRoot(), fallbackRoot()}; }

    // The result files below each root (below roots/<child>/ when only one
    // child is asked for, the name as typed).
    static ResultFileList list(const QStringList &roots, const std::optional<QString> &child = std::nullopt);
    // The largest result file that is read; a larger one counts as damaged.
    static constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
    // Reads a listed file: a regular file of at most maxSize bytes.
    static bool read(const ResultFile &file, qint64 maxSize, QByteArray *bytes);
    // The same for many files, one after another, through one reader.
    static bool read(const ResultFile &file, qint64 maxSize, QByteArray *bytes, nolink::Reader &reader);
    // Appends bytes to root/relative, making root and the folders below it as
    // needed; a file whose last line was cut gets its line end first.
    static bool append(const QString &root, const QString &relative, const QByteArray &bytes);
    // Deletes the listed result files (of one child or of all) and the
    // folders they leave empty; the roots themselves stay.
    static ResultsDeleted remove(const QStringList &roots, const std::optional<QString> &child);

    // Moves what the fallback holds into the program folder's root, when the
    // fallback came from this program folder and the root can be written.
    // Returns the number of files that could not be moved.
    int moveFallback() const;
    // Notes in the fallback which program folder it belongs to.
    bool markFallback() const;

private:
    QString m_programFolder;
    QString m_key;
};

} // namespace duplikon
