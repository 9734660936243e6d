// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PictureImportActions.h"

#include "editor/EditorSymbols.h"
#include "editor/PairLists.h"
#include "editor/PictureBrowser.h"
#include "pictures/PictureBox.h"
#include "pictures/PictureLoader.h"
#include "platform/Dialogs.h"
#include "platform/ListBox.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

namespace duplikon {

namespace {

const QString kCr = QStringLiteral("\r");

QString imageFilter()
{
    QStringList patterns;
    for (const char *e : {"png", "jpg", "jpeg", "gif", "bmp", "webp", "tif", "tiff", "svg", "wmf", "heic", "heif"})
        patterns << QStringLiteral("*.%1").arg(QLatin1String(e)) << QStringLiteral("*.%1").arg(QString::fromLatin1(e).toUpper());
    return QStringLiteral("Bilder (%1)").arg(patterns.join(QLatin1Char(' ')));
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
                                           PairLists *pairs, PictureBrowser *browser, QLabel *hilfe)
    : QObject(client), m_client(client), m_platform(platform), m_programFolder(programFolder), m_pairs(pairs),
      m_browser(browser), m_hilfe(hilfe)
{
    // Drops from other programs: the pair lists (their viewports take the
    // events) and the preview boxes.
    for (QWidget *w : dropTargets()) {
        w->setAcceptDrops(true);
        if (auto *view = qobject_cast<QAbstractScrollArea *>(w))
            w = view->viewport();
        w->setAcceptDrops(true);
        w->installEventFilter(this);
    }
}

QList<QWidget *> PictureImportActions::dropTargets() const
{
    return {m_pairs->List1(), m_pairs->Lupe1(), m_pairs->List2(), m_pairs->Lupe2()};
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
        importMime(drop->mimeData(), w);
    }
    return true;
}

void PictureImportActions::paste()
{
    QWidget *target = m_pairs->List1();
    const QList<QWidget *> targets = dropTargets();
    for (QWidget *w = m_client->focusWidget(); w && w != m_client; w = w->parentWidget()) {
        if (targets.contains(w)) {
            target = w;
            break;
        }
    }
    importMime(m_platform.clipboard->contents(), target);
}

void PictureImportActions::importMime(const QMimeData *data, QWidget *target)
{
    importInto(sourcesOf(data), target);
}

void PictureImportActions::importPicturesClick()
{
    const QStringList files = m_platform.dialogs->openFiles(QStringLiteral("Bilder einfügen"), imageFilter());
    importInto(sourcesOf(files), m_pairs->List1());
}

void PictureImportActions::importSolutionPicturesClick()
{
    const QStringList files = m_platform.dialogs->openFiles(QStringLiteral("Lösungsbilder einfügen"), imageFilter());
    if (files.isEmpty())
        return;
    const QVector<ImportResult> results = runImport(sourcesOf(files), ImportKind::Solution);
    int stored = 0;
    for (const ImportResult &r : results)
        stored += r.fileName.isEmpty() ? 0 : 1;
    const QString done = QStringLiteral("%1 von %2 Lösungsbildern sind im Ordner DUPBILDER.").arg(stored).arg(results.size())
        + kCr + QStringLiteral("Neue Lösungsbilder kommen beim nächsten Start von Duplikon dazu.");
    reportFailures(QStringLiteral("Lösungsbilder einfügen"), results, done);
}

QVector<ImportResult> PictureImportActions::runImport(const QVector<ImportSource> &sources, ImportKind kind)
{
    const QString before = m_hilfe->text();
    // Many files take a while: the help line tells how far the import is.
    const auto progress = [this](int done, int total) {
        if (total <= 5 || done >= total)
            return;
        m_hilfe->setText(QStringLiteral("Bild %1 von %2 ...").arg(done + 1).arg(total));
        m_hilfe->repaint();
    };
    progress(0, int(sources.size()));
    const QVector<ImportResult> results = importPictures(sources, m_programFolder, kind, progress);
    m_hilfe->setText(before);
    return results;
}

void PictureImportActions::importInto(const QVector<ImportSource> &sources, QWidget *target)
{
    if (sources.isEmpty() || !target)
        return;
    const QVector<ImportResult> results = runImport(sources, ImportKind::Cell);
    bool any = false;
    for (const ImportResult &r : results) {
        if (r.fileName.isEmpty())
            continue;
        // The same as a drop of Picture1 from the new subfolder.
        const QString folderName = r.sound ? soundFolderName() : importFolderName(ImportKind::Cell);
        const QString path = m_programFolder + folderName + QLatin1Char('/') + r.fileName;
        const QImage shown = r.sound ? soundPreview(kCellPictureSize, path, r.fileName)
                                     : loadPicture(path, kCellPictureSize, PictureFit::Clip).image;
        m_pairs->dropPicture(target, folderName + QLatin1Char('\\') + r.fileName, shown, path);
        any = true;
    }
    if (any)
        m_browser->OrdnerEinrichten(); // the browser lists the new subfolder
    reportFailures(QStringLiteral("Bilder einfügen"), results, QString());
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
        text += (sounds ? QStringLiteral("Diese Dateien wurden nicht übernommen:")
                        : QStringLiteral("Diese Bilder wurden nicht übernommen:"))
            + kCr + failures.join(kCr);
    }
    m_platform.dialogs->message(title, text, failures.isEmpty() ? MsgIcon::Information : MsgIcon::Exclamation);
}

} // namespace duplikon
