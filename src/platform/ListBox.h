// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/FileLists.h"

#include <QListWidget>

namespace duplikon {

// A list box with one selected entry (its ListIndex, -1 when none). Its
// clicked() signal fires whenever the selected entry changes, by the user or
// by the program, so both take the same path, and also when the user clicks
// the entry that is already selected. Giving the list the focus, moving its
// current item or selecting the selected entry again by program does not
// count as a selection. Space and Enter on the current entry select it, and
// on the selected entry run clicked() again, as a user choosing the entry by
// keyboard.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    int listIndex() const;
    void setListIndex(int index);
    QString selectedText() const;
    QStringList entries() const;
    void setEntries(const QStringList &entries); // clears the selection
    // New entries that keep the selected one selected where it is still
    // there, by its text; no click runs.
    void replaceEntries(const QStringList &entries);
    // Removes an entry. Afterwards nothing is selected, and the entry that
    // moves into its place is not selected either, so no click runs.
    void removeEntry(int index);
    int count() const { return QListWidget::count(); }
    // For lists whose click does more than show something (load a task, open
    // a file): the arrow keys only move the current entry, and Space or Enter
    // chooses it.
    void setChooseByKey(bool on) { m_chooseByKey = on; }
    void keyboardSearch(const QString &search) override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;

private:
    void selectionMaybeChanged();
    int m_lastIndex = -1;
    int m_clicksSent = 0;
    bool m_chooseByKey = false;
};

// A file list box: the bare names of the files of a folder that match a
// pattern. Changing the pattern reads the folder again and loses the selection.
class FileListBox : public ListBox {
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr, const QString &pattern = QStringLiteral("*.*"));

    // Fails (returns false, keeps the old folder) when the folder does not exist.
    bool setFolder(const QString &folder);
    QString folder() const { return m_folder; }
    void setPattern(const QString &pattern);
    QString pattern() const { return m_pattern; }
    void refresh();

signals:
    void patternChanged();

private:
    QString m_folder;
    QString m_pattern;
};

} // namespace duplikon
