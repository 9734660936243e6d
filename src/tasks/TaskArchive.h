// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include "tasks/Task.h"

namespace duplikon {

// A task passed on as one file, NAME.duplikon: a ZIP archive that holds
// manifest.json (the task's name, its lines in order and the names its media
// had) and every picture and sound once as media/<sha256>.<ending>, named by
// the SHA-256 of its bytes in lower-case hex.
//
// The reader trusts nothing: entries are read into memory and never written
// out by their names, sizes are counted while reading, every medium must match
// its checksum and pass the import's checks before anything is stored.

constexpr int kMaxArchiveEntries = 64;
constexpr qint64 kMaxArchiveEntryBytes = 32LL * 1024 * 1024;
constexpr qint64 kMaxArchiveBytes = 256LL * 1024 * 1024;
// An entry that inflates beyond kBombFloorBytes at more than kMaxInflateRatio
// times its packed size is refused.
constexpr qint64 kBombFloorBytes = 1024 * 1024;
constexpr qint64 kMaxInflateRatio = 200;
// The pictures of one archive decode to at most this many bytes of pixels
// together, as their headers declare before anything is decoded.
constexpr qint64 kMaxArchiveDecodedBytes = 512LL * 1024 * 1024;
// The manifest's own limits: a task has few lines, each short.
constexpr int kMaxArchiveHalves = 100;
constexpr int kMaxHalfLength = 1000;

QString archiveSuffix(); // ".duplikon"

struct TaskArchive {
    QString name;                     // the task's name, "ALPHA" for ALPHA.TXT
    QStringList halves;               // the task's lines: texts, or medium names
    QMap<QString, QByteArray> media;  // "media/<sha256>.<ending>" -> its bytes
    QMap<QString, QString> fileNames; // medium name -> the file name it had
};

// A half the board reads as a file: a picture half (its last four characters
// are in ".BMP.GIF.JPG.WMF", as the board decides) or a sound half.
bool namesMediumFile(const QString &half);

// "media/<sha256>.<ending>" for bytes with the given lower-case ending.
QString mediumName(const QByteArray &bytes, const QString &ending);

// The checks every medium passes before it is passed on or taken in, with
// the board's limits: the ending is one of bmp, gif, jpg, wmf, wav, ogg, mp3
// and matches the content; a sound passes the sound header check; a picture's
// header declares a size the board shows (checkMediumHeader, which decodes
// nothing and gives the bytes showing it decodes), and then it is shown as a
// cell shows it. Empty when the medium is fine, else a German reason. A
// metafile is drawn: call checkMedium for one on the calling thread of the
// picture loader only.
QString checkMediumHeader(const QByteArray &bytes, const QString &ending, qint64 *decodedBytes);
QString checkMedium(const QByteArray &bytes, const QString &ending);

struct ArchiveReading {
    bool ok = false;
    QString error;       // German reason when !ok
    TaskArchive task;    // every medium checked and named by its checksum
    QStringList ignored; // entries that are no part of a task, as the archive names them
};

// Reads and checks an archive in memory; touches no file.
ArchiveReading readTaskArchive(const QByteArray &bytes);

// The archive's bytes; the media are stored byte for byte. Empty when libzip fails.
QByteArray writeTaskArchive(const TaskArchive &task);

// The task file taskFile of the program folder with its media, ready to be
// passed on. A half whose file is missing or fails checkMedium is named in
// problems and comes along as its name in text ("Hund" for "Tiere\Hund.bmp"),
// so its pair keeps its place.
struct OutgoingTask {
    bool ok = false;
    QString error;       // German: the task file cannot be read, or is too large
    TaskArchive task;
    QStringList problems; // German, one line a half
};
OutgoingTask gatherTask(const QString &programFolder, const QString &taskFile);

// Writes the archive atomically; false with a German reason.
bool saveTaskArchive(const QString &path, const TaskArchive &task, QString *error);

// Takes the archive at path into the program folder: the media into "Eigene
// Bilder" and "Eigene Toene" by the pictures' name rule (an identical file is
// used again, none is replaced), the task file under a free name. A refused
// archive leaves nothing behind. A task with an odd number of halves is
// taken in, and the message names the half without a partner.
struct TakenInTask {
    bool ok = false;
    QString taskFile;     // the new task file's name in the program folder
    Task task;            // the task as it was stored there, bytes included
    QString message;      // German: what came in, or the file and why it was refused
};
TakenInTask takeInTask(const QString &archivePath, const QString &programFolder);

// Writes a new task file of bytes into the program folder under NAME.TXT,
// NAME-2.TXT … whichever is free (name without ending, made a file name as
// imported pictures are); never replaces a file. The file's name, or empty
// with a German reason.
QString storeTaskFile(const QString &programFolder, const QString &name, const QByteArray &bytes, QString *error);

} // namespace duplikon
