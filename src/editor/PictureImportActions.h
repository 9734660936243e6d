// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "pictures/PictureImport.h"
#include "platform/Services.h"

#include <QObject>

class QLabel;
class QMimeData;
class QWidget;

namespace duplikon {

class PairLists;
class PictureBrowser;

// The ways a teacher's own pictures come into the editor: the menu entries
// "Bilder einfügen ..." and "Lösungsbilder einfügen ...", files or image data
// dropped from other programs onto a pair list or its preview box, and Ctrl+V.
// Each picture imported for a cell is appended to the list as a drop from the
// picture browser would append it.
class PictureImportActions : public QObject {
    Q_OBJECT
public:
    PictureImportActions(QWidget *client, Platform platform, const QString &programFolder, PairLists *pairs,
                         PictureBrowser *browser, QLabel *hilfe);

    // The menu entries: the file dialog, then the import.
    void importPicturesClick();
    void importSolutionPicturesClick();
    // Ctrl+V: into the list (or its preview) that has the focus, else the green list.
    void paste();

    // Files (file: URLs) or image data that can be imported.
    static bool holdsPictures(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The pair lists and their preview boxes, which take drops and pastes.
    QList<QWidget *> dropTargets() const;
    // Imports what data holds into the list of target (List1, Lupe1, List2 or Lupe2).
    void importMime(const QMimeData *data, QWidget *target);
    void importInto(const QVector<ImportSource> &sources, QWidget *target);
    QVector<ImportResult> runImport(const QVector<ImportSource> &sources, ImportKind kind);
    void reportFailures(const QString &title, const QVector<ImportResult> &results, const QString &done);

    QWidget *m_client;
    Platform m_platform;
    QString m_programFolder;
    PairLists *m_pairs;
    PictureBrowser *m_browser;
    QLabel *m_hilfe;
};

} // namespace duplikon
