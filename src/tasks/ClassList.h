// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace duplikon {

// The class list: the children's first names, one a line, in the program
// folder. It is a table of one column, so a spreadsheet opens it too; it is no
// task file (a .TXT name would put it into every task list).

// A class has some thirty children; anything much larger is no class list.
constexpr qint64 kMaxClassListBytes = 64 * 1024;
constexpr int kMaxClassListNames = 200;
constexpr int kMaxNameLength = 100;

struct ClassList {
    bool exists = false;   // the file is there (readable or not)
    bool ok = false;       // it was read
    QString error;         // German reason when !ok
    QStringList names;     // in the file's order, each once
    int skipped = 0;       // lines left out: unusable, too long, beyond the limit
};

// Klassenliste.csv of a program folder (with or without a trailing separator).
QString classListPath(const QString &programFolder);

// Reads the class list: UTF-8 with or without a byte-order mark, or
// Windows-1252, through the regular-file check and within kMaxClassListBytes.
// A line's first field counts (';', ',' or a tab end it; a field in double
// quotes may hold them), trimmed; blank lines go, a name that repeats one
// before it (sameName) goes, as do lines with control characters.
ClassList readClassList(const QString &path);

// The file's bytes: UTF-8 with a byte-order mark, CR LF after each name, a
// name with a separator or a quote in double quotes.
QByteArray classListBytes(const QStringList &names);

// Written atomically; a new file gets the mode of the umask. False with a
// German reason.
bool writeClassList(const QString &path, const QStringList &names, QString *error);

// Two names are the same child when they differ only in letter case or in
// blanks around them ("lea ", "LEa" and "Lea").
bool sameName(const QString &a, const QString &b);

// The name of the list that typed stands for, or typed itself, unchanged, when
// it stands for none.
QString listedName(const QStringList &names, const QString &typed);

} // namespace duplikon
