// SPDX-License-Identifier: GPL-3.0-or-later
// A task archive and the program folder: gathering a task file with its media
// to pass it on, and taking an archive in.
#include "tasks/TaskArchive.h"

#include "tasks/ProgramFolder.h"
#include "tasks/Task.h"
#include "pictures/MediaNames.h"
#include "pictures/PictureImport.h"
#include "pictures/PictureLoader.h"
#include "platform/FileLists.h"
#include "platform/RegularFile.h"
#include "platform/TextFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace duplikon {

namespace {

const QChar kCr(0x0D);

bool isMetafileHalf(const QString &half) { return Half::of(half).kind == Half::Kind::Metafile; }

// A file of the folder whose name is name without regard to letter case.
bool nameTaken(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    return dir.exists(name) || !dir.entryList({name}, QDir::AllEntries | QDir::Hidden | QDir::System).isEmpty();
}

} // namespace

QString storeTaskFile(const QString &programFolder, const QString &name, const QByteArray &bytes, QString *error)
{
    const QString base = importBaseName(name + QStringLiteral(".TXT"), QStringLiteral("AUFGABE")).toUpper();
    for (int n = 1; n < 10000; ++n) {
        const QString fileName = (n == 1 ? base : base + QStringLiteral("-%1").arg(n)) + QStringLiteral(".TXT");
        if (nameTaken(programFolder, fileName))
            continue;
        switch (writeNewFileAtomically(QDir(programFolder).filePath(fileName), bytes, error)) {
        case NewFileResult::Written: return fileName;
        case NewFileResult::Exists: continue;
        case NewFileResult::Failed: return {};
        }
    }
    if (error)
        *error = QCoreApplication::translate("duplikon::TaskArchiveFolder",
                "Es gibt schon zu viele Aufgaben mit diesem Namen.");
    return {};
}

OutgoingTask gatherTask(const QString &programFolder, const QString &taskFile)
{
    OutgoingTask out;
    const TaskRead read = readTask(programFolder, taskFile);
    if (!read.ok) {
        out.error = QCoreApplication::translate("duplikon::TaskArchiveFolder",
                "„%1“ kann nicht gelesen werden:\r%2").arg(taskFile, read.error);
        return out;
    }
    const Task &file = read.task;
    if (file.lines.size() > kMaxArchiveHalves) {
        out.error = QCoreApplication::translate("duplikon::TaskArchiveFolder",
                "„%1“ hat mehr als %n Zeilen.", nullptr, kMaxArchiveHalves)
                        .arg(taskFile);
        return out;
    }
    out.task.name = QFileInfo(taskFile).completeBaseName();
    out.task.halves = file.lines;

    // Each medium half's file is read and checked; raster pictures, sounds in
    // parallel, metafiles afterwards on this thread.
    QVector<int> media;
    for (int i = 0; i < file.lines.size(); ++i) {
        if (namesMediumFile(file.lines.at(i)))
            media << i;
    }
    QVector<QByteArray> bytes(media.size());
    QStringList reasons(media.size()), names(media.size());
    const auto check = [&](int k) {
        const QString &half = file.lines.at(media.at(k));
        const QString ending = lowerEnding(Half::of(half).fileName());
        QString error;
        if (!readRegularFile(resolveHalf(programFolder, half), kMaxArchiveEntryBytes, &bytes[k], &error))
            reasons[k] = error;
        else if ((reasons[k] = checkMedium(bytes.at(k), ending)).isEmpty())
            names[k] = mediumName(bytes.at(k), ending);
    };
    QVector<int> raster, metafiles;
    for (int k = 0; k < media.size(); ++k)
        (isMetafileHalf(file.lines.at(media.at(k))) ? metafiles : raster) << k;
    runInParallel(int(raster.size()), [&](int j) { check(raster.at(j)); });
    for (int k : std::as_const(metafiles))
        check(k);

    qint64 total = 0;
    for (int k = 0; k < media.size(); ++k) {
        const QString half = file.lines.at(media.at(k));
        if (!reasons.at(k).isEmpty()) {
            out.problems << QStringLiteral("„%1“: %2").arg(half, reasons.at(k));
            // The pair keeps its place, with the picture's name as its text.
            out.task.halves[media.at(k)] = Half::of(half).spokenName();
            continue;
        }
        const QString &name = names.at(k);
        out.task.halves[media.at(k)] = name;
        if (!out.task.media.contains(name))
            total += bytes.at(k).size();
        out.task.media.insert(name, bytes.at(k));
        // The name the file has, in its own letter case.
        out.task.fileNames.insert(name, QFileInfo(resolveHalf(programFolder, half)).fileName());
    }
    if (total > kMaxArchiveBytes - kMaxHalfLength * kMaxArchiveHalves) {
        out.error = QCoreApplication::translate("duplikon::TaskArchiveFolder",
                "Die Bilder und Töne von „%1“ sind zusammen größer als 256 MB.").arg(taskFile);
        return out;
    }
    out.ok = true;
    return out;
}

bool saveTaskArchive(const QString &path, const TaskArchive &task, QString *error)
{
    const QByteArray bytes = writeTaskArchive(task);
    if (bytes.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("duplikon::TaskArchiveFolder", "Das Paket kann nicht gepackt werden.");
        return false;
    }
    return writeFileAtomically(path, bytes, error);
}

TakenInTask takeInTask(const QString &archivePath, const QString &programFolder)
{
    TakenInTask result;
    const QString shown = QFileInfo(archivePath).fileName();
    const auto refuse = [&](const QString &reason) {
        result.message = QCoreApplication::translate("duplikon::TaskArchiveFolder",
                "„%1“ kann nicht übernommen werden:\r%2").arg(shown, reason);
        return result;
    };
    QByteArray bytes;
    QString error;
    // The archive can hardly be larger than what it may hold.
    if (!readRegularFile(archivePath, kMaxArchiveBytes + kBombFloorBytes, &bytes, &error))
        return refuse(error);
    const ArchiveReading reading = readTaskArchive(bytes);
    bytes.clear();
    if (!reading.ok)
        return refuse(reading.error);

    // Everything is checked: now the media, then the task file. What was
    // made is removed again when a later step fails.
    QStringList made;
    const auto undo = [&made](const QString &reason) {
        for (const QString &path : std::as_const(made))
            deleteFile(path, nullptr);
        return reason;
    };
    QMap<QString, QString> stored; // medium name -> half in the task file
    QStringList pictures, sounds;
    const TaskArchive &task = reading.task;
    for (auto it = task.media.begin(); it != task.media.end(); ++it) {
        const QString ending = lowerEnding(it.key());
        PreparedPicture p;
        p.ok = true;
        p.bytes = it.value();
        p.extension = ending.toUpper();
        p.sound = mediaKindOfEnding(ending) == MediaKind::Sound;
        // A folder there in another letter case is the one the board reads.
        const QString folder = p.sound ? ProgramFolder::ownSoundsFolder(programFolder)
                                       : ProgramFolder::ownPicturesFolder(programFolder);
        const QString folderName = QFileInfo(folder).fileName();
        if (!QDir().mkpath(folder))
            return refuse(undo(QCoreApplication::translate("duplikon::TaskArchiveFolder",
                    "Der Ordner „%1“ kann nicht angelegt werden.").arg(folderName)));
        const QString base = importBaseName(task.fileNames.value(it.key()),
                                            p.sound ? QStringLiteral("Ton") : QStringLiteral("Bild"));
        bool written = false;
        const QString name = storePicture(folder, base, p, &error, &written);
        if (name.isEmpty())
            return refuse(undo(error));
        if (written)
            made << QDir(folder).filePath(name);
        stored.insert(it.key(), folderName + QLatin1Char('\\') + name);
        (p.sound ? sounds : pictures) << name;
    }
    Task taken;
    for (const QString &half : task.halves)
        taken.lines << stored.value(half, half);
    taken.bytes = taskBytes(taken);
    result.taskFile = storeTaskFile(programFolder, task.name, taken.bytes, &error);
    if (result.taskFile.isEmpty())
        return refuse(undo(error));
    taken.name = result.taskFile;
    result.task = taken;

    result.ok = true;
    result.message = QCoreApplication::translate("duplikon::TaskArchiveFolder",
            "Die Aufgabe „%1“ wurde übernommen.").arg(result.taskFile);
    if (!pictures.isEmpty())
        result.message += kCr + QCoreApplication::translate("duplikon::TaskArchiveFolder",
                "Bilder: %1").arg(pictures.join(QStringLiteral(", ")));
    if (!sounds.isEmpty())
        result.message += kCr + QCoreApplication::translate("duplikon::TaskArchiveFolder",
                "Töne: %1").arg(sounds.join(QStringLiteral(", ")));
    if (!reading.ignored.isEmpty())
        result.message += kCr + QCoreApplication::translate("duplikon::TaskArchiveFolder",
                "Nicht übernommen, weil sie zu keiner Aufgabe gehören: %1")
                                    .arg(reading.ignored.join(QStringLiteral(", ")));
    // The board pairs the lines in turn, so the last of an odd number has no partner.
    const QStringList used = taken.usedLines();
    if (used.size() % 2 == 1)
        result.message += kCr + QCoreApplication::translate("duplikon::TaskArchiveFolder",
                "Die Hälfte „%1“ hat keinen Partner: So kann die Aufgabe nicht gelöst werden.")
                                    .arg(used.last());
    return result;
}

} // namespace duplikon
