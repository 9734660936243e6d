// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace duplikon::editor {

// What "Datei sichern" makes of the typed answer.
struct TaskFileName {
    enum Verdict { Ok, Empty, NotAllowed } verdict = Empty;
    QString name; // the upper-cased file name when Ok
};

// Upper-cases the answer; a name without any dot gets ".TXT" appended, a name
// with a dot anywhere keeps its ending. An empty answer (also a cancelled box)
// is Empty. Refused (NotAllowed): names of blanks only, names that would leave
// the program folder or that the file system cannot take ("/", "\", "..",
// control characters, only dots, longer than 255 bytes). A Windows device
// name ("CON", "LPT1.TXT") gets "_" after it, so a Windows share takes it.
TaskFileName taskFileName(const QString &answer);

// The lines of a task file made from the two pair lists: for every entry of
// list1 its text and then the entry of list2 at the same index (an empty line
// where list2 is shorter). Entries of list2 beyond list1 are left out.
QStringList pairLines(const QStringList &list1, const QStringList &list2);

// The same lines, each ended by CR LF (the text form for clipboard and printer).
QString textForm(const QStringList &list1, const QStringList &list2);

// Deals the lines of a task file into the two lists, two lines per pair; the
// last line of an odd count goes to list1. With dropEmpty an empty line is
// skipped (each list for itself), otherwise it becomes an empty entry.
void dealPairs(const QStringList &lines, bool dropEmpty, QStringList *list1, QStringList *list2);

// The index a move exchanges the selected entry with: step -1 (up) or +1
// (down), wrapping around at both ends. -1 when nothing moves (fewer than two
// entries, or no valid selection).
int moveTarget(int selected, int count, int step);

// The entry a dropped picture adds: the folder entry as shown in the folder
// list ("Prog\" or "Prog\Tiere"), cut after its first backslash, then the
// picture's name: "Hund.bmp" or "Tiere\Hund.bmp". Empty when there is no
// picture name.
QString droppedPicturePath(const QString &folderEntry, const QString &fileName);

} // namespace duplikon::editor
