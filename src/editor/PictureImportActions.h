// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editor/PairLists.h"
#include "pictures/PictureImport.h"
#include "platform/Services.h"

#include <QObject>

class QMimeData;
class QWidget;

namespace duplikon {


// The ways a teacher's own pictures come into the editor: the menu entries
// "Bilder einfügen ..." and "Lösungsbilder einfügen ...", files or image data
// dropped from other programs onto a pair list or its preview box, and Ctrl+V.
// Each picture imported for a cell is reported by fileAdded, for the list it
// goes into; while many files come in, progress tells how far the import is.
class PictureImportActions : public QObject {
    Q_OBJECT
public:
    // client holds the pair lists (List1, List2) and their previews (Lupe1, Lupe2).
    // targets: the pair lists and their preview boxes, which take drops and pastes.
    PictureImportActions(QWidget *client, Platform platform, const QString &programFolder,
                         const PairControls &targets);

    // The menu entries: the file dialog, then the import.
    void importPicturesClick();
    void importSolutionPicturesClick();
    // Ctrl+V: into the list (or its preview) that has the focus, else the green list.
    void paste();

    // Files (file: URLs) or image data that can be imported.
    static bool holdsPictures(const QMimeData *data);

signals:
    // A file stored for a cell: entry as a task file names it, path where it is.
    void fileAdded(PairSide side, const QString &entry, const QString &path);
    // A message on the work in progress; empty when the work is done.
    void progress(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Imports what data holds into the list of side.
    void importMime(const QMimeData *data, PairSide side);
    void importInto(const QVector<ImportSource> &sources, PairSide side);
    QVector<ImportResult> runImport(const QVector<ImportSource> &sources, ImportKind kind);
    void reportFailures(const QString &title, const QVector<ImportResult> &results, const QString &done);

    QWidget *m_client;
    Platform m_platform;
    QString m_programFolder;
    PairControls m_targets;
    bool m_inDrop = false; // importing what was dropped: messages wait until the drop has returned
};

} // namespace duplikon
