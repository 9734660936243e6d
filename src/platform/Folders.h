// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace duplikon {

// What a path names on disk.
enum class PathKind { Missing, Folder, File };
PathKind pathKind(const QString &path);

// The folder's entries can be listed.
bool isReadableFolder(const QString &path);

// The folder that holds the running program file ("/usr/bin").
QString executableFolder();

// The user's documents folder as the desktop names it (~/Dokumente on a
// German desktop, ~/Documents without one).
QString documentsFolder();

// Makes target, which must not exist yet, a copy of the folder source with all
// its files and subfolders. The copy is made under a hidden name beside target
// and renamed at the end, so target never exists half filled. On failure
// nothing is left behind and error holds the reason.
bool copyFolderAsNew(const QString &source, const QString &target, QString *error);

} // namespace duplikon
