// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace duplikon {

// Files below a root folder, reached without ever following a link: the
// root itself is refused when it is a link, and each folder below it is
// opened relative to the one above it, refused when it is a link as it is
// opened. So a link planted in a shared folder cannot lead a reader, a move
// or a deletion anywhere else. Relative paths use '/' and may not climb out
// ("", "." and ".." are refused).
namespace nolink {

struct Entry {
    QString relative;
    qint64 size = 0;
    qint64 modified = 0; // ms since the epoch
};

struct Listing {
    QVector<Entry> files; // regular files that `wanted` accepts, in no order
    // Links anywhere below (the root and `below` included) and entries that
    // `wanted` accepts but are no regular file: never followed, by path.
    QStringList skipped;
};

// The regular files below root/below (below may be empty), at most maxDepth
// folders deep, whose relative path `wanted` accepts.
Listing list(const QString &root, const QString &below, int maxDepth,
             const std::function<bool(const QString &relative)> &wanted);
// Reads a regular file of at most maxSize bytes.
bool read(const QString &root, const QString &relative, qint64 maxSize, QByteArray *bytes);
// Reads file after file as read() does, keeping the folder of the last one
// open, so the files of one folder cost one opening of it. One thread's.
class Reader {
public:
    Reader() = default;
    ~Reader();
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;
    bool read(const QString &root, const QString &relative, qint64 maxSize, QByteArray *bytes);

private:
    QString m_root;
    QStringList m_folders;
    int m_dir = -1;
};
// Appends bytes to a regular file, making it, root and the folders between
// as needed (new ones get the mode the umask gives). With endLine, a file
// whose last line was cut gets its line end before the bytes.
bool append(const QString &root, const QString &relative, const QByteArray &bytes, bool endLine);
// Makes a new regular file holding bytes; false when one exists.
bool create(const QString &root, const QString &relative, const QByteArray &bytes);
// Deletes a regular file (never a link or a folder).
bool remove(const QString &root, const QString &relative);
// Moves a regular file to the same place below another root; false when the
// target exists or the two are on different file systems.
bool move(const QString &fromRoot, const QString &toRoot, const QString &relative);
// Removes the folders below root when empty, the deepest first.
void removeEmptyFolders(const QString &root, const QStringList &folders);
// The root can be opened (not through a link) and written.
bool writableRoot(const QString &root);

} // namespace nolink
} // namespace duplikon
