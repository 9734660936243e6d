// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

class QFile;

namespace duplikon {

// Every file the program reads from outside goes through this check: it is
// opened only when it is a readable regular file of at most maxSize bytes. A
// named pipe, a device or a folder is refused without ever waiting on it (the
// file is opened non-blocking and then looked at, so nothing can be swapped in
// between the look and the open). On success `file` is open for reading; on
// failure it is closed and error holds a German reason.
bool openRegularFile(QFile &file, const QString &path, qint64 maxSize, QString *error);

// True when path is a regular file of at most maxSize bytes that can be opened.
bool isReadableRegularFile(const QString &path, qint64 maxSize);

// Reads at most maxSize bytes of a regular file, counting what it reads: a
// file that grows while it is read is refused as too large.
bool readRegularFile(const QString &path, qint64 maxSize, QByteArray *out, QString *error);

} // namespace duplikon
