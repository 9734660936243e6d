// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace duplikon {

// What the command line asks for.
struct StartArguments {
    enum class Action { Run, Help, Version, Usage, ShowSettings };
    Action action = Action::Run;
    // Started by the desktop entry (--menue): without a path the program works
    // in the teacher's folder, and errors are shown as a message as well.
    bool menu = false;
    QString path;  // the folder or task file named on the command line, or empty
    // A task archive (PAKET.duplikon) named on the command line: it is taken
    // into the current folder, or from the menu into the teacher's folder.
    QString archive;
    QString error; // Usage: what is wrong with the command line
    // --sprache CODE: the language of this run (a value of the setting
    // Sprache); empty: the setting's.
    QString language;
};

// arguments without the program name.
StartArguments parseStartArguments(const QStringList &arguments);

// The folder the program works in, or the error that stops it (then nothing
// has been written).
struct StartFolder {
    QString folder;
    QString error;
};

// The teacher's own task folder: "Duplikon" in the documents folder.
QString teacherFolder(const QString &documentsFolder);

// A named folder or the folder of a named file; without a path the current
// folder, or from the menu the teacher's folder, which the first start makes
// as a copy of demoFolder and which is never changed afterwards.
StartFolder chooseStartFolder(const StartArguments &arguments, const QString &currentFolder,
                              const QString &documentsFolder, const QString &demoFolder);

QString helpText();
QString versionText(const QString &version);

} // namespace duplikon
