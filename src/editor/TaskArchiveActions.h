// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QObject>
#include <QStringList>

class QMimeData;
class QWidget;

namespace duplikon {

class TaskFolder;

// A task passed on as one .duplikon file and taken in again: "Aufgabe
// weitergeben ..." writes the chosen task file with its pictures and sounds,
// "Aufgabe übernehmen ..." and a .duplikon file dropped onto the editor bring
// one into the program folder; taskTakenIn names the new task file.
class TaskArchiveActions : public QObject {
    Q_OBJECT
public:
    // window takes the drops; dropTargets are its parts that take other drops
    // themselves (the pair lists) and hand a .duplikon file on to this.
    // An archive is taken in through folder, the program folder's model.
    TaskArchiveActions(QWidget *window, Platform platform, const QString &programFolder, TaskFolder *folder,
                       const QList<QWidget *> &dropTargets);

    // "Aufgabe weitergeben ...": taskFile is the task file chosen in the program folder.
    void passOnClick(const QString &taskFile);
    // "Aufgabe übernehmen ...": the file dialog, then each file taken in.
    void takeInClick();

    // The .duplikon files among dropped files.
    static QStringList archivesIn(const QMimeData *data);

signals:
    void taskTakenIn(const QString &taskFile);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takeIn(const QStringList &archives);

    Platform m_platform;
    QString m_programFolder;
    TaskFolder *m_folder;
};

} // namespace duplikon
