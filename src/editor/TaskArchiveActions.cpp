// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TaskArchiveActions.h"

#include "tasks/TaskArchive.h"
#include "tasks/TaskFolder.h"
#include "platform/Dialogs.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace duplikon {

namespace {

const QString kCr = QStringLiteral("\r");

QString archiveFilter()
{
    return QCoreApplication::translate("duplikon::TaskArchiveActions", "Duplikon-Aufgaben (*.duplikon *.DUPLIKON)");
}

} // namespace

TaskArchiveActions::TaskArchiveActions(QWidget *window, Platform platform, const QString &programFolder,
                                       TaskFolder *folder, const QList<QWidget *> &dropTargets)
    : QObject(window), m_platform(platform), m_programFolder(programFolder), m_folder(folder)
{
    // Filters installed later run first: a .duplikon file dropped onto a pair
    // list comes here before the list's own import sees it.
    QList<QWidget *> targets{window};
    for (QWidget *w : dropTargets) {
        targets << w;
        if (auto *view = qobject_cast<QAbstractScrollArea *>(w))
            targets << view->viewport();
    }
    for (QWidget *w : std::as_const(targets)) {
        w->setAcceptDrops(true);
        w->installEventFilter(this);
    }
}

QStringList TaskArchiveActions::archivesIn(const QMimeData *data)
{
    QStringList archives;
    if (!data)
        return archives;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(archiveSuffix(), Qt::CaseInsensitive))
            archives << url.toLocalFile();
    }
    return archives;
}

bool TaskArchiveActions::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList archives = archivesIn(drop->mimeData());
    if (archives.isEmpty()) {
        // Other files are for the pair lists; the window itself takes none.
        if (watched == parent())
            drop->ignore();
        return watched == parent();
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // The file manager's drag ends when the drop returns: the work and its
    // message come after that.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, archives] { takeIn(archives); });
    return true;
}

void TaskArchiveActions::takeInClick()
{
    takeIn(m_platform.dialogs->openFiles(tr("Aufgabe übernehmen"), archiveFilter()));
}

void TaskArchiveActions::takeIn(const QStringList &archives)
{
    for (const QString &archive : archives) {
        const TakenInTask result = m_folder->takeIn(archive);
        if (result.ok)
            emit taskTakenIn(result.taskFile);
        m_platform.dialogs->message(tr("Aufgabe übernehmen"), result.message + kCr,
                                    result.ok ? MsgIcon::Information : MsgIcon::Exclamation);
    }
}

void TaskArchiveActions::passOnClick(const QString &taskFile)
{
    Dialogs *dialogs = m_platform.dialogs;
    const QString title = tr("Aufgabe weitergeben");
    if (taskFile.isEmpty()) {
        dialogs->message(title, tr("Bitte zuerst unter „Lerndateien“ eine Aufgabe wählen.\r"));
        return;
    }
    const OutgoingTask task = gatherTask(m_programFolder, taskFile);
    if (!task.ok) {
        dialogs->message(title, task.error + kCr, MsgIcon::Exclamation);
        return;
    }
    if (!task.problems.isEmpty()
        && !dialogs->askYesNo(title, tr("Diese Bilder oder Töne fehlen oder sind beschädigt:\r%1\r\r"
                                        "Soll die Aufgabe ohne sie weitergegeben werden?\r"
                                        "(An ihrer Stelle steht dann ihr Name als Text.)")
                                         .arg(task.problems.join(kCr))))
        return;
    // The dialog adds the ending to a name typed without one, before it asks
    // whether to replace a file of that name.
    const QString path = dialogs->saveFile(title, archiveFilter(), m_programFolder + task.task.name + archiveSuffix(),
                                           archiveSuffix().mid(1));
    if (path.isEmpty())
        return;
    QString error;
    const QString shown = QFileInfo(path).fileName();
    if (!saveTaskArchive(path, task.task, &error)) {
        dialogs->message(title, tr("%1 konnte nicht gespeichert werden:\r%2\r").arg(shown, error),
                         MsgIcon::Exclamation);
        return;
    }
    dialogs->message(title, tr("Die Aufgabe %1 wurde als %2 gespeichert.\r").arg(taskFile, shown));
}

} // namespace duplikon
