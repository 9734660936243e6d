// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextFiles.h"

#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QRandomGenerator>

#include <fcntl.h>
#include <unistd.h>

namespace duplikon {

namespace {
// The bytes 0x80 to 0x9F of Windows-1252; 0 marks the five unused values,
// which map to the C1 control of the same number.
const char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t cp1252ToUnicode(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F) {
        const char16_t u = kCp1252High[b - 0x80];
        return u ? u : char16_t(b);
    }
    return char16_t(b);
}

bool unicodeToCp1252(char16_t u, char *out)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        *out = char(u);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        const char16_t m = kCp1252High[i] ? kCp1252High[i] : char16_t(0x80 + i);
        if (m == u) {
            *out = char(0x80 + i);
            return true;
        }
    }
    return false;
}
} // namespace

QString decodeWindows1252(const QByteArray &bytes)
{
    QString s;
    s.resize(bytes.size());
    QChar *d = s.data();
    for (int i = 0; i < bytes.size(); ++i)
        d[i] = QChar(cp1252ToUnicode(static_cast<unsigned char>(bytes[i])));
    return s;
}

QString decodeText(const QByteArray &bytes)
{
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (s.startsWith(QChar(0xFEFF)))
            s.remove(0, 1);
        return s;
    }
    return decodeWindows1252(bytes);
}

bool fitsWindows1252(const QString &text)
{
    char c;
    for (QChar q : text)
        if (!unicodeToCp1252(q.unicode(), &c))
            return false;
    return true;
}

QByteArray encodeText(const QString &text)
{
    if (!fitsWindows1252(text))
        return text.toUtf8();
    QByteArray out;
    out.resize(text.size());
    for (int i = 0; i < text.size(); ++i)
        unicodeToCp1252(text.at(i).unicode(), out.data() + i);
    return out;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    int start = 0;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

bool readFileBytes(const QString &path, qint64 maxSize, QByteArray *out, QString *error)
{
    return readRegularFile(path, maxSize, out, error);
}

TextFileResult readTextLines(const QString &path)
{
    TextFileResult r;
    if (!readFileBytes(path, kMaxTextFileSize, &r.bytes, &r.error))
        return r;
    r.lines = splitLines(decodeText(r.bytes));
    r.ok = true;
    return r;
}

QByteArray linesToBytes(const QStringList &lines)
{
    QString text;
    for (const QString &l : lines) {
        text += l;
        text += QLatin1String("\r\n");
    }
    return encodeText(text);
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    if (f.write(bytes) != bytes.size()) {
        if (error)
            *error = f.errorString();
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

namespace {

// A new hidden file beside target, made with the mode every new file gets
// from the umask (0644 under umask 022), so that another login of the class
// reads it as it reads the task file. Returns the open file, or -1.
int createHiddenFile(const QFileInfo &target, QString *tempPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = target.absolutePath() + QStringLiteral("/.") + target.fileName()
            + QStringLiteral(".%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const int fd = ::open(QFile::encodeName(candidate).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0) {
            *tempPath = candidate;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

} // namespace

NewFileResult writeNewFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo target(path);
    if (target.exists())
        return NewFileResult::Exists;
    QString tempPath;
    const int fd = createHiddenFile(target, &tempPath);
    QFile temp;
    if (fd < 0 || !temp.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0) {
            ::close(fd);
            QFile::remove(tempPath);
        }
        if (error)
            *error = QCoreApplication::translate("duplikon::TextFiles", "In den Ordner kann nicht geschrieben werden.");
        return NewFileResult::Failed;
    }
    const bool written = temp.write(bytes) == bytes.size() && temp.flush() && temp.handle() >= 0
        && ::fsync(temp.handle()) == 0;
    temp.close();
    if (!written || temp.error() != QFileDevice::NoError) {
        QFile::remove(tempPath);
        if (error)
            *error = QCoreApplication::translate("duplikon::TextFiles", "Die Datei kann nicht vollständig geschrieben werden; der Datenträger ist voll.");
        return NewFileResult::Failed;
    }
    // A rename that never replaces: it fails when path appeared meanwhile.
    if (!QFile::rename(tempPath, path)) {
        QFile::remove(tempPath);
        if (QFileInfo::exists(path))
            return NewFileResult::Exists;
        if (error)
            *error = QCoreApplication::translate("duplikon::TextFiles", "Die Datei kann nicht angelegt werden.");
        return NewFileResult::Failed;
    }
    return NewFileResult::Written;
}

} // namespace duplikon
