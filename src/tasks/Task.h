// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace duplikon {

constexpr int kMaxUsedLines = 20;

// The non-empty lines of a task file, at most 20; a line of blanks counts.
QStringList usedLines(const QStringList &lines);

// One half of a pair as written in a task file: a picture by its name's
// ending (pictures/MediaNames.h, isPictureName), else a sound by its name's
// ending, else text.
struct Half {
    enum class Kind { Text, RasterPicture, Metafile, Sound };
    QString text;
    Kind kind = Kind::Text;

    static Half of(const QString &text);
    bool isPicture() const { return kind == Kind::RasterPicture || kind == Kind::Metafile; }
    bool isSound() const { return kind == Kind::Sound; }
    bool isText() const { return kind == Kind::Text; }
    // The file name without its folder ("Tiere\\Hund.wav" gives "Hund.wav").
    QString fileName() const;
    // What a screen reader says: for a picture or sound the file name without
    // folder and ending ("Tiere\\Hund.bmp" gives "Hund"), for a text the text.
    QString spokenName() const;
    // The file of a picture or sound half in folder, found as the board finds
    // it (platform/FileLists.h, resolveHalf); empty for a text half.
    QString file(const QString &folder) const;
};

// Where a pair of a board made of several task files comes from ("Meine
// Kartei"): the task file's name and the fingerprint of the bytes it had.
struct PairSource {
    QString task;
    QString fingerprint;
};

// A task file as it was read: every line, empty lines and lines past the
// twentieth included. Each user takes what it needs from the lines.
struct Task {
    QString name;      // the file name it was read from, as listed
    QStringList lines; // every line, in file order
    QByteArray bytes;  // the file's bytes as they were read; empty for a task made in memory
    // A board made of pairs of several task files: each used pair's task, in
    // the order of the pairs; empty for a task file's own pairs.
    QVector<PairSource> sources = {};

    // The lines that go on the board: the non-empty ones, at most 20.
    QStringList usedLines() const { return duplikon::usedLines(lines); }
    // The used lines as halves.
    QVector<Half> halves() const;
    // The files of its picture and sound halves in folder, each once, in the
    // order of the used lines.
    QStringList files(const QString &folder) const;
};

struct TaskRead {
    bool ok = false;
    QString error; // German reason when !ok
    Task task;
};

// Reads the task file `name` of folder (found as platform/FileLists.h's
// resolvePath finds it) through the regular-file check.
TaskRead readTask(const QString &folder, const QString &name);

// The bytes of a task file: each line ended by CR LF, in Windows-1252 or,
// where a character needs it, UTF-8.
QByteArray taskBytes(const Task &task);

// Writes the task file at path in one step; on failure the old file is kept
// and error holds a German reason.
bool writeTask(const QString &path, const Task &task, QString *error);

} // namespace duplikon
