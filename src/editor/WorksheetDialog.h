// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "output/Worksheet.h"
#include "platform/Services.h"

#include <QDialog>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;

namespace duplikon {

class EditorHost;
class PairLists;

// "Arbeitsblatt": paper from the pairs as they stand in the editor's lists,
// unsaved changes included. The teacher picks the kind, sees the pages, prints
// them or saves them as a PDF, and may shuffle again; the dialog stays open
// for the next kind until "Schließen" or Escape.
class WorksheetDialog : public QDialog {
    Q_OBJECT
public:
    // left and right: the lists' entries, as many on each side; at most the
    // first ten pairs go on paper.
    WorksheetDialog(QWidget *parent, Platform platform, const QString &programFolder, const QString &taskName,
                    const QStringList &left, const QStringList &right, const QFont &cellFont);

    // The menu entry: refuses lists of different length as "Datei sichern"
    // does, and empty lists; otherwise opens the dialog and waits for it.
    static void run(QWidget *parent, Platform platform, EditorHost *host, const PairLists *pairs,
                     const QString &taskName);

    WorksheetKind kind() const;
    const Worksheet &sheet() const { return m_sheet; }
    QList<SheetPage> pages() const;

    // The same lists give the same first shuffle.
    static quint32 taskSeed(const QStringList &left, const QStringList &right);

protected:
    void changeEvent(QEvent *event) override;

private:
    enum class Status { None, Printing, Saved };
    void retranslate();
    void showStatus(Status kind, const QString &name = QString());
    void shuffleAgain();
    void print();
    void savePdf();
    void showPreview();
    Printer::DrawNumberedPage drawPages(const QList<SheetPage> &pages) const;
    QString kindName() const;

    Platform m_platform;
    QString m_folder;
    Worksheet m_sheet;
    QButtonGroup *m_kinds;
    QLabel *m_preview;
    QLabel *m_status;
    QGroupBox *m_kindsBox;
    QLabel *m_soundNote;
    QVector<QPair<QAbstractButton *, const char *>> m_texts;
    QString m_taskName;
    Status m_statusKind = Status::None;
    QString m_statusName; // the file last saved
};

} // namespace duplikon
