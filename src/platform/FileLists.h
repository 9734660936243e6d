// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace duplikon {

// Patterns such as "*.TXT" or "*.BMP;*.GIF;*.JPG;*.WMF" match without regard
// to letter case; the bare file names come sorted by name without regard to case.
// Hidden names (a leading dot, such as the "._TIERE.TXT" that other systems
// leave beside every file) are never listed.
QStringList listFiles(const QString &folder, const QString &patterns);

// The names of the direct subfolders, sorted without regard to case; hidden
// folders are not listed.
QStringList listSubfolders(const QString &folder);

bool isFolder(const QString &path);

// The path with "/" separators, without "." and ".." parts, doubled or
// trailing separators, so that one folder has one spelling.
QString cleanPath(const QString &path);

// Adds the native separator at the end unless the path already ends in one.
QString withTrailingSeparator(const QString &folder);

// Turns a name as written in a task file ("Tiere\Hund.bmp", relative to
// folder, or an absolute path) into the path of an existing file: "\" and "/"
// both separate folders, and where the exact name does not exist each part of
// the path is matched without regard to letter case. When nothing matches, the
// plain joined path is returned (and does not exist).
QString resolvePath(const QString &folder, const QString &name);

// The file of a picture half such as "Tiere\Hund.bmp": the folder and the half
// joined as text, so a leading separator never makes the half absolute
// ("\hund.bmp" is hund.bmp in the folder), while ".." may still lead to a
// sibling folder. Found as resolvePath finds a name.
QString resolveHalf(const QString &folder, const QString &half);

// A file name that a Windows share refuses, whatever its ending: the part
// before its first dot is a device name (CON, PRN, AUX, NUL, COM1 to COM9,
// LPT1 to LPT9) in any letter case.
bool isReservedDeviceName(const QString &fileName);
// The file name with "_" after that part when it is a device name ("con.txt"
// gives "con_.txt"), else unchanged.
QString withoutDeviceName(const QString &fileName);

// Deletes a file (never a folder); on failure error holds the reason.
bool deleteFile(const QString &path, QString *error);

} // namespace duplikon
