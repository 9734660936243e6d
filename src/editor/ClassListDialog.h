// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace duplikon {

// "Klassenliste": the children's first names of the program folder's class
// list, to add, rename, sort and remove; "Speichern" writes the file (written
// atomically, a new one with the mode of the umask), "Abbrechen" leaves it.
// The list is the dialog's own; the widget only shows it.
class ClassListDialog : public QDialog {
    Q_OBJECT
public:
    ClassListDialog(QWidget *parent, Platform platform, const QString &programFolder, const QStringList &names);

    // The menu entry: reads the class list (a file that cannot be read is
    // named and left as it is), then opens the dialog and waits for it.
    static void run(QWidget *parent, Platform platform, const QString &programFolder);

    const QStringList &names() const { return m_names; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void add();
    void rename();
    void remove();
    void sort();
    void save();
    // A name the list can take: not empty, no control characters, not too
    // long, not a name of the list (other than the one at `except`).
    bool acceptable(const QString &name, int except);
    void showNames(int select);
    int selected() const;

    Platform m_platform;
    QString m_path;
    QStringList m_names;
    QListWidget *m_list;
    QPushButton *m_rename;
    QPushButton *m_remove;
    QLabel *m_note;
    QVector<QPair<QPushButton *, const char *>> m_texts;
};

} // namespace duplikon
