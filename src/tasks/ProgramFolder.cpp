// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/ProgramFolder.h"

#include "pictures/MediaNames.h"
#include "platform/FileLists.h"

namespace duplikon {

QString ProgramFolder::settingsFileName() { return QStringLiteral("DUPLIKON.INI"); }
QString ProgramFolder::solutionFolderName() { return QStringLiteral("DUPBILDER"); }
QString ProgramFolder::ownPicturesFolderName() { return QStringLiteral("Eigene Bilder"); }
QString ProgramFolder::ownSoundsFolderName() { return QStringLiteral("Eigene Toene"); }
QString ProgramFolder::resultsFolderName() { return QStringLiteral("Ergebnisse"); }
QString ProgramFolder::classListFileName() { return QStringLiteral("Klassenliste.csv"); }

QString ProgramFolder::taskFilePattern() { return QStringLiteral("*") + taskFileEnding(); }
QString ProgramFolder::picturePattern() { return duplikon::picturePattern(); }
QString ProgramFolder::soundPattern() { return duplikon::soundPattern(); }
QString ProgramFolder::mediaPattern() { return picturePattern() + QLatin1Char(';') + soundPattern(); }
QString ProgramFolder::taskFileEnding() { return QStringLiteral(".TXT"); }

QString ProgramFolder::solutionFolder(const QString &folder) { return resolvePath(folder, solutionFolderName()); }
QString ProgramFolder::ownPicturesFolder(const QString &folder) { return resolvePath(folder, ownPicturesFolderName()); }
QString ProgramFolder::ownSoundsFolder(const QString &folder) { return resolvePath(folder, ownSoundsFolderName()); }

ImportFolders ProgramFolder::importFolders(const QString &folder, ImportKind kind)
{
    return {kind == ImportKind::Cell ? ownPicturesFolder(folder) : solutionFolder(folder), ownSoundsFolder(folder)};
}

} // namespace duplikon
