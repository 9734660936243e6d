// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace duplikon {

namespace {
bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

QString notAFile() { return QCoreApplication::translate("duplikon::RegularFile", "Das ist keine Datei."); }
QString tooLarge() { return QCoreApplication::translate("duplikon::RegularFile", "Die Datei ist zu groß."); }
} // namespace

bool openRegularFile(QFile &file, const QString &path, qint64 maxSize, QString *error)
{
    if (file.isOpen())
        file.close();
    if (path.isEmpty())
        return fail(error, QCoreApplication::translate("duplikon::RegularFile", "Die Datei ist nicht vorhanden."));
#ifdef Q_OS_UNIX
    // Non-blocking, so that opening a pipe with no writer returns at once.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return fail(error, QCoreApplication::translate("duplikon::RegularFile", "Die Datei ist nicht vorhanden."));
        return fail(error, QCoreApplication::translate("duplikon::RegularFile", "Die Datei kann nicht gelesen werden."));
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(error, notAFile());
    }
    if (st.st_size > maxSize) {
        ::close(fd);
        return fail(error, tooLarge());
    }
    // A regular file never blocks, but reads should behave as usual.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(error, QCoreApplication::translate("duplikon::RegularFile", "Die Datei kann nicht gelesen werden."));
    }
    return true;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return fail(error, QCoreApplication::translate("duplikon::RegularFile", "Die Datei ist nicht vorhanden."));
    if (!info.isFile())
        return fail(error, notAFile());
    if (info.size() > maxSize)
        return fail(error, tooLarge());
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QCoreApplication::translate("duplikon::RegularFile", "Die Datei kann nicht gelesen werden."));
    return true;
#endif
}

bool isReadableRegularFile(const QString &path, qint64 maxSize)
{
    QFile file;
    return openRegularFile(file, path, maxSize, nullptr);
}

bool readRegularFile(const QString &path, qint64 maxSize, QByteArray *out, QString *error)
{
    QFile file;
    if (!openRegularFile(file, path, maxSize, error))
        return false;
    // Read in pieces: asking for maxSize + 1 bytes at once would allocate them
    // all, whatever the size of the file.
    QByteArray bytes;
    bytes.reserve(qMin(file.size(), maxSize) + 1);
    char piece[64 * 1024];
    for (;;) {
        const qint64 n = file.read(piece, qMin<qint64>(sizeof piece, maxSize + 1 - bytes.size()));
        if (n < 0 || file.error() != QFileDevice::NoError)
            return fail(error, file.errorString());
        if (n == 0)
            break;
        bytes.append(piece, n);
        if (bytes.size() > maxSize)
            return fail(error, tooLarge());
    }
    if (out)
        *out = bytes;
    return true;
}

} // namespace duplikon
