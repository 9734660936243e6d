// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace duplikon {

// Task files and the settings file are small; anything larger than this is
// refused as not a file of the program.
constexpr qint64 kMaxTextFileSize = 1024 * 1024;

// Bytes to text: UTF-8 where the bytes are valid UTF-8 and hold non-ASCII
// characters, otherwise Windows-1252 (all 256 byte values).
QString decodeText(const QByteArray &bytes);
QString decodeWindows1252(const QByteArray &bytes);

// Text to bytes: Windows-1252, or UTF-8 where the text holds a character that
// Windows-1252 lacks, so that nothing is lost.
QByteArray encodeText(const QString &text);
bool fitsWindows1252(const QString &text);

// Lines end at CR LF, a lone CR or a lone LF. A line end at the very end does
// not start another (empty) line.
QStringList splitLines(const QString &text);

struct TextFileResult {
    bool ok = false;
    QString error;      // German reason when !ok
    QStringList lines;
    QByteArray bytes;   // the file as read
};

// Reads a whole file of at most maxSize bytes through the regular-file check
// (platform/RegularFile.h); refuses pipes, devices, folders, missing files and
// larger files with a German reason.
bool readFileBytes(const QString &path, qint64 maxSize, QByteArray *out, QString *error);

// Reads a text file into lines by the rules above; refuses folders, missing
// files and files larger than kMaxTextFileSize.
TextFileResult readTextLines(const QString &path);

// Lines joined with CR LF after each line, encoded by encodeText.
QByteArray linesToBytes(const QStringList &lines);

// Writes the whole file by writing a new file and then replacing the old one;
// on failure the old file is untouched and error holds a German reason.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error);

// Writes a file that must not exist yet: the bytes go to a new hidden file in
// the same folder, which is then renamed to path without replacing anything.
// Exists when path was taken (nothing written); Failed with a German reason
// when the folder cannot be written or the disk is full.
enum class NewFileResult { Written, Exists, Failed };
NewFileResult writeNewFileAtomically(const QString &path, const QByteArray &bytes, QString *error);

} // namespace duplikon
