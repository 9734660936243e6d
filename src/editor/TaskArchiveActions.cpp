// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/TaskArchiveActions.h"

#include "tasks/TaskArchive.h"
#include "tasks/TaskFolder.h"
#include "platform/Dialogs.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace duplikon {

namespace {

const QString kCr = QStringLiteral("\r");
const QString kPassOn = QStringLiteral("Aufgabe weitergeben");
const QString kTakeIn = QStringLiteral("Aufgabe übernehmen");

QString archiveFilter() { return QStringLiteral("Duplikon-Aufgaben (*.duplikon *.DUPLIKON)"); }

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
    takeIn(m_platform.dialogs->openFiles(kTakeIn, archiveFilter()));
}

void TaskArchiveActions::takeIn(const QStringList &archives)
{
    for (const QString &archive : archives) {
        const TakenInTask result = m_folder->takeIn(archive);
        if (result.ok)
            emit taskTakenIn(result.taskFile);
        m_platform.dialogs->message(kTakeIn, result.message + kCr, result.ok ? MsgIcon::Information : MsgIcon::Exclamation);
    }
}

void TaskArchiveActions::passOnClick(const QString &taskFile)
{
    Dialogs *dialogs = m_platform.dialogs;
    if (taskFile.isEmpty()) {
        dialogs->message(kPassOn, QStringLiteral("Bitte zuerst unter „Lerndateien“ eine Aufgabe wählen.") + kCr);
        return;
    }
    const OutgoingTask task = gatherTask(m_programFolder, taskFile);
    if (!task.ok) {
        dialogs->message(kPassOn, task.error + kCr, MsgIcon::Exclamation);
        return;
    }
    if (!task.problems.isEmpty()
        && !dialogs->askYesNo(kPassOn, QStringLiteral("Diese Bilder oder Töne fehlen oder sind beschädigt:") + kCr
                                           + task.problems.join(kCr) + kCr + kCr
                                           + QStringLiteral("Soll die Aufgabe ohne sie weitergegeben werden?") + kCr
                                           + QStringLiteral("(An ihrer Stelle steht dann ihr Name als Text.)")))
        return;
    // The dialog adds the ending to a name typed without one, before it asks
    // whether to replace a file of that name.
    const QString path = dialogs->saveFile(kPassOn, archiveFilter(), m_programFolder + task.task.name + archiveSuffix(),
                                           archiveSuffix().mid(1));
    if (path.isEmpty())
        return;
    QString error;
    const QString shown = QFileInfo(path).fileName();
    if (!saveTaskArchive(path, task.task, &error)) {
        dialogs->message(kPassOn, shown + QStringLiteral(" konnte nicht gespeichert werden:") + kCr + error + kCr,
                         MsgIcon::Exclamation);
        return;
    }
    dialogs->message(kPassOn, QStringLiteral("Die Aufgabe %1 wurde als %2 gespeichert.").arg(taskFile, shown) + kCr);
}

} // namespace duplikon
