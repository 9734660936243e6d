// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PictureImportActions.h"

#include "editor/PairLists.h"
#include "tasks/ProgramFolder.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <optional>

namespace duplikon {

namespace {

const QString kCr = QStringLiteral("\r");

QString imageFilter()
{
    QStringList patterns;
    for (const char *e : {"png", "jpg", "jpeg", "gif", "bmp", "webp", "tif", "tiff", "svg", "wmf", "heic", "heif"})
        patterns << QStringLiteral("*.%1").arg(QLatin1String(e)) << QStringLiteral("*.%1").arg(QString::fromLatin1(e).toUpper());
    return QCoreApplication::translate("duplikon::PictureImportActions",
            "Bilder (%1)").arg(patterns.join(QLatin1Char(' ')));
}

QVector<ImportSource> sourcesOf(const QMimeData *data)
{
    QVector<ImportSource> sources;
    if (!data)
        return sources;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            sources.append({url.toLocalFile(), {}});
    }
    if (sources.isEmpty() && data->hasImage())
        sources.append({QString(), qvariant_cast<QImage>(data->imageData())});
    return sources;
}

QVector<ImportSource> sourcesOf(const QStringList &files)
{
    QVector<ImportSource> sources;
    for (const QString &f : files)
        sources.append({f, {}});
    return sources;
}

} // namespace

PictureImportActions::PictureImportActions(QWidget *client, Platform platform, const QString &programFolder,
                                           const PairControls &targets)
    : QObject(client), m_client(client), m_platform(platform), m_programFolder(programFolder), m_targets(targets)
{
    // Drops from other programs: the pair lists (their viewports take the
    // events) and the preview boxes.
    for (QWidget *w : {targets.list1, targets.lupe1, targets.list2, targets.lupe2}) {
        w->setAcceptDrops(true);
        if (auto *view = qobject_cast<QAbstractScrollArea *>(w))
            w = view->viewport();
        w->setAcceptDrops(true);
        w->installEventFilter(this);
    }
}

bool PictureImportActions::holdsPictures(const QMimeData *data)
{
    return !sourcesOf(data).isEmpty();
}

bool PictureImportActions::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    if (!holdsPictures(drop->mimeData())) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && qobject_cast<QAbstractScrollArea *>(w->parentWidget()))
            w = w->parentWidget(); // a list's viewport: the list
        // The file manager's drag ends when this returns: a message about
        // the files comes after that, never inside the drop.
        m_inDrop = true;
        if (const std::optional<PairSide> side = m_targets.sideOf(w))
            importMime(drop->mimeData(), *side);
        m_inDrop = false;
    }
    return true;
}

void PictureImportActions::paste()
{
    PairSide side = PairSide::Left;
    for (QWidget *w = m_client->focusWidget(); w && w != m_client; w = w->parentWidget()) {
        if (const std::optional<PairSide> s = m_targets.sideOf(w)) {
            side = *s;
            break;
        }
    }
    importMime(m_platform.clipboard->contents(), side);
}

void PictureImportActions::importMime(const QMimeData *data, PairSide side)
{
    importInto(sourcesOf(data), side);
}

void PictureImportActions::importPicturesClick()
{
    const QStringList files = m_platform.dialogs->openFiles(tr("Bilder einfügen"), imageFilter());
    importInto(sourcesOf(files), PairSide::Left);
}

void PictureImportActions::importSolutionPicturesClick()
{
    const QStringList files = m_platform.dialogs->openFiles(tr("Lösungsbilder einfügen"), imageFilter());
    if (files.isEmpty())
        return;
    const QVector<ImportResult> results = runImport(sourcesOf(files), ImportKind::Solution);
    int stored = 0;
    for (const ImportResult &r : results)
        stored += r.fileName.isEmpty() ? 0 : 1;
    const QString done = tr("%1 von %n Lösungsbildern sind im Ordner %2.\r"
                            "Neue Lösungsbilder kommen beim nächsten Start von Duplikon dazu.", nullptr, int(results.size()))
                             .arg(QLocale().toString(stored), ProgramFolder::solutionFolderName());
    reportFailures(tr("Lösungsbilder einfügen"), results, done);
}

QVector<ImportResult> PictureImportActions::runImport(const QVector<ImportSource> &sources, ImportKind kind)
{
    // Many files take a while: progress tells how far the import is.
    const auto reportProgress = [this](int done, int total) {
        if (total > 5 && done < total)
            emit progress(tr("Bild %1 von %2 ...").arg(QLocale().toString(done + 1), QLocale().toString(total)));
    };
    reportProgress(0, int(sources.size()));
    const QVector<ImportResult> results =
        importPictures(sources, ProgramFolder::importFolders(m_programFolder, kind), kind, reportProgress);
    if (sources.size() > 5)
        emit progress(QString());
    return results;
}

void PictureImportActions::importInto(const QVector<ImportSource> &sources, PairSide side)
{
    if (sources.isEmpty())
        return;
    const QVector<ImportResult> results = runImport(sources, ImportKind::Cell);
    for (const ImportResult &r : results) {
        if (r.fileName.isEmpty())
            continue;
        // Named as the subfolder is spelled, as a picture chosen from it is.
        const QString folder = r.sound ? ProgramFolder::ownSoundsFolder(m_programFolder)
                                       : ProgramFolder::ownPicturesFolder(m_programFolder);
        emit fileAdded(side, QFileInfo(folder).fileName() + QLatin1Char('\\') + r.fileName,
                       folder + QLatin1Char('/') + r.fileName);
    }
    reportFailures(tr("Bilder einfügen"), results, QString());
}

void PictureImportActions::reportFailures(const QString &title, const QVector<ImportResult> &results,
                                          const QString &done)
{
    QStringList failures;
    bool sounds = false;
    for (const ImportResult &r : results) {
        if (r.fileName.isEmpty()) {
            failures << r.message;
            sounds = sounds || r.sound;
        }
    }
    if (failures.isEmpty() && done.isEmpty())
        return;
    QString text = done;
    if (!failures.isEmpty()) {
        if (!text.isEmpty())
            text += kCr + kCr;
        text += (sounds ? tr("Diese Dateien wurden nicht übernommen:\r%1") : tr("Diese Bilder wurden nicht übernommen:\r%1"))
                    .arg(failures.join(kCr));
    }
    const MsgIcon icon = failures.isEmpty() ? MsgIcon::Information : MsgIcon::Exclamation;
    if (m_inDrop)
        QTimer::singleShot(0, this, [this, title, text, icon] { m_platform.dialogs->message(title, text, icon); });
    else
        m_platform.dialogs->message(title, text, icon);
}

} // namespace duplikon
