// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "pictures/PictureImport.h"

#include <QString>

namespace duplikon {

// The layout of a program folder: what its files and folders are called and
// which files its lists show. Every other place asks here.
class ProgramFolder {
public:
    ProgramFolder() = delete;

    // The teacher's settings of the folder.
    static QString settingsFileName(); // "DUPLIKON.INI"
    // The solution pictures.
    static QString solutionFolderName(); // "DUPBILDER"
    // A teacher's own pictures and sounds, made by the editor's import and
    // recorder and by taking in a task archive.
    static QString ownPicturesFolderName(); // "Eigene Bilder"
    static QString ownSoundsFolderName();   // "Eigene Toene"
    // The results kept for the teacher; it holds no pictures.
    static QString resultsFolderName(); // "Ergebnisse"
    // The children's first names that "Benutzer" offers; no task file.
    static QString classListFileName(); // "Klassenliste.csv"

    // File list patterns, matched without regard to letter case.
    static QString taskFilePattern();  // "*.TXT"
    static QString picturePattern();   // "*.BMP;*.GIF;*.JPG;*.WMF"
    static QString soundPattern();     // "*.WAV;*.OGG;*.MP3"
    static QString mediaPattern();     // the pictures' and the sounds' patterns
    static QString taskFileEnding();   // ".TXT"

    // The folders of a program folder. A folder that exists in another letter
    // case ("Dupbilder", "eigene bilder" from a stick) is the one the board
    // reads, so it is given as it is spelled; none needs to exist.
    static QString solutionFolder(const QString &folder);
    static QString ownPicturesFolder(const QString &folder);
    static QString ownSoundsFolder(const QString &folder);
    // Where an import of kind stores its pictures and sounds.
    static ImportFolders importFolders(const QString &folder, ImportKind kind);
};

} // namespace duplikon
