// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NoLinkFolder.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace duplikon::nolink {

namespace {

// A file descriptor that closes itself.
class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    Fd(Fd &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Fd &operator=(Fd &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    bool ok() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

QByteArray encoded(const QString &name)
{
    return QFile::encodeName(name);
}

Fd openFolderIn(int dir, const QByteArray &name)
{
    return Fd(::openat(dir, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

Fd openRoot(const QString &root)
{
    return Fd(::open(encoded(root).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

// The folders of a relative path and its last part; false when a part could
// climb out.
bool split(const QString &relative, QStringList *folders, QByteArray *name)
{
    QStringList parts = relative.split(QLatin1Char('/'));
    for (const QString &part : parts)
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            return false;
    *name = encoded(parts.takeLast());
    *folders = parts;
    return true;
}

// Opens root and then each folder below it, never through a link; with
// create, missing folders are made on the way.
Fd openFolders(const QString &root, const QStringList &folders, bool create)
{
    if (create && !QDir().mkpath(root))
        return Fd();
    Fd dir = openRoot(root);
    for (const QString &folder : folders) {
        if (!dir.ok())
            break;
        const QByteArray name = encoded(folder);
        if (create)
            ::mkdirat(dir.get(), name.constData(), 0777);
        dir = openFolderIn(dir.get(), name);
    }
    return dir;
}

// The folder holding relative, opened, and the file's name in it.
Fd openParent(const QString &root, const QString &relative, bool create, QByteArray *name)
{
    QStringList folders;
    if (!split(relative, &folders, name))
        return Fd();
    return openFolders(root, folders, create);
}

void walk(int dirFd, const QString &root, const QString &prefix, int depthLeft,
          const std::function<bool(const QString &)> &wanted, Listing &out)
{
    DIR *dir = ::fdopendir(::dup(dirFd));
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw == "." || raw == "..")
            continue;
        struct stat st {};
        if (::fstatat(dirFd, raw.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const QString relative = prefix + QFile::decodeName(raw);
        if (S_ISDIR(st.st_mode)) {
            if (depthLeft <= 0)
                continue;
            const Fd sub = openFolderIn(dirFd, raw);
            if (sub.ok())
                walk(sub.get(), root, relative + QLatin1Char('/'), depthLeft - 1, wanted, out);
            else if (errno == ELOOP || errno == ENOTDIR) // a link swapped in after the look
                out.skipped.append(root + QLatin1Char('/') + relative);
        } else if (S_ISREG(st.st_mode)) {
            if (wanted(relative))
                out.files.append({relative, qint64(st.st_size),
                                  qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000});
        } else if (S_ISLNK(st.st_mode) || wanted(relative)) {
            out.skipped.append(root + QLatin1Char('/') + relative);
        }
    }
    ::closedir(dir);
}

// Reads at most maxSize bytes of an open regular file, counting what it reads.
bool readAll(int fd, qint64 maxSize, QByteArray *bytes)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxSize)
        return false;
    QByteArray data(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qint64 done = 0;
    for (;;) {
        if (done == data.size()) {
            if (done > maxSize)
                return false; // grew while it was read
            data.resize(std::min<qsizetype>(data.size() * 2, qsizetype(maxSize) + 1));
        }
        const ssize_t n = ::read(fd, data.data() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += n;
    }
    if (done > maxSize)
        return false;
    data.truncate(qsizetype(done));
    *bytes = std::move(data);
    return true;
}

// Reads the regular file name of an open folder, never through a link.
bool readIn(int dir, const QByteArray &name, qint64 maxSize, QByteArray *bytes)
{
    const Fd fd(::openat(dir, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    return fd.ok() && readAll(fd.get(), maxSize, bytes);
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool isRegular(int dir, const QByteArray &name)
{
    struct stat st {};
    return ::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
}

} // namespace

Listing list(const QString &root, const QString &below, int maxDepth,
             const std::function<bool(const QString &relative)> &wanted)
{
    Listing out;
    struct stat st {};
    if (root.isEmpty() || ::lstat(encoded(root).constData(), &st) != 0)
        return out;
    Fd dir = openRoot(root);
    if (!dir.ok()) {
        if (S_ISLNK(st.st_mode))
            out.skipped.append(root);
        return out;
    }
    QString prefix;
    if (!below.isEmpty()) {
        QStringList folders;
        QByteArray name;
        if (!split(below + QStringLiteral("/x"), &folders, &name))
            return out;
        for (const QString &folder : std::as_const(folders)) {
            const QByteArray raw = encoded(folder);
            if (::fstatat(dir.get(), raw.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
                return out;
            prefix += folder + QLatin1Char('/');
            dir = S_ISDIR(st.st_mode) ? openFolderIn(dir.get(), raw) : Fd();
            if (!dir.ok()) {
                out.skipped.append(root + QLatin1Char('/') + prefix.chopped(1));
                return out;
            }
            --maxDepth;
        }
    }
    walk(dir.get(), root, prefix, maxDepth, wanted, out);
    return out;
}

bool read(const QString &root, const QString &relative, qint64 maxSize, QByteArray *bytes)
{
    QByteArray name;
    const Fd dir = openParent(root, relative, false, &name);
    return dir.ok() && readIn(dir.get(), name, maxSize, bytes);
}

Reader::~Reader()
{
    if (m_dir >= 0)
        ::close(m_dir);
}

bool Reader::read(const QString &root, const QString &relative, qint64 maxSize, QByteArray *bytes)
{
    QStringList folders;
    QByteArray name;
    if (!split(relative, &folders, &name))
        return false;
    if (m_dir < 0 || root != m_root || folders != m_folders) {
        if (m_dir >= 0)
            ::close(m_dir);
        m_dir = openFolders(root, folders, false).release();
        m_root = root;
        m_folders = folders;
    }
    return m_dir >= 0 && readIn(m_dir, name, maxSize, bytes);
}

bool append(const QString &root, const QString &relative, const QByteArray &bytes, bool endLine)
{
    QByteArray name;
    const Fd dir = openParent(root, relative, true, &name);
    if (!dir.ok())
        return false;
    const Fd fd(::openat(dir.get(), name.constData(), O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                         0666));
    struct stat st {};
    if (!fd.ok() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    char last = '\n';
    if (endLine && st.st_size > 0 && ::pread(fd.get(), &last, 1, st.st_size - 1) == 1 && last != '\n')
        return writeAll(fd.get(), QByteArray("\n") + bytes);
    return writeAll(fd.get(), bytes);
}

bool create(const QString &root, const QString &relative, const QByteArray &bytes)
{
    QByteArray name;
    const Fd dir = openParent(root, relative, true, &name);
    const Fd fd(dir.ok() ? ::openat(dir.get(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666)
                         : -1);
    return fd.ok() && writeAll(fd.get(), bytes);
}

bool remove(const QString &root, const QString &relative)
{
    QByteArray name;
    const Fd dir = openParent(root, relative, false, &name);
    return dir.ok() && isRegular(dir.get(), name) && ::unlinkat(dir.get(), name.constData(), 0) == 0;
}

bool move(const QString &fromRoot, const QString &toRoot, const QString &relative)
{
    QByteArray name;
    const Fd from = openParent(fromRoot, relative, false, &name);
    const Fd to = from.ok() ? openParent(toRoot, relative, true, &name) : Fd();
    struct stat st {};
    return to.ok() && isRegular(from.get(), name)
        && ::fstatat(to.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT
        && ::renameat(from.get(), name.constData(), to.get(), name.constData()) == 0;
}

void removeEmptyFolders(const QString &root, const QStringList &folders)
{
    QStringList deepestFirst = folders;
    std::sort(deepestFirst.begin(), deepestFirst.end(),
              [](const QString &a, const QString &b) { return a.count(QLatin1Char('/')) > b.count(QLatin1Char('/')); });
    deepestFirst.removeDuplicates();
    for (const QString &folder : std::as_const(deepestFirst)) {
        QByteArray name;
        const Fd parent = openParent(root, folder, false, &name);
        if (parent.ok())
            ::unlinkat(parent.get(), name.constData(), AT_REMOVEDIR);
    }
}

bool writableRoot(const QString &root)
{
    const Fd dir = openFolders(root, {}, true);
    return dir.ok() && ::faccessat(dir.get(), ".", W_OK, 0) == 0;
}

} // namespace duplikon::nolink
