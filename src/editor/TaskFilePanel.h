// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"
#include "tasks/Task.h"

#include <QObject>
#include <QStringList>

class QLabel;
class QWidget;

namespace duplikon {

class EditorHost;
class ListBox;
class PairLists;
class TaskFolder;

// The task files of the editor: the red list File2 of the program folder's
// task files with its count Label9, the actions under it (Label10 "Datei
// kopieren", Label11 "Datei drucken", Label12 "Datei löschen") and the
// "Datei" menu: "aktuelle Datei", "neue Datei ...", "Datei sichern". It reads
// the pair lists; what it loads goes to them through its signals.
class TaskFilePanel : public QObject {
    Q_OBJECT
public:
    TaskFilePanel(QWidget *client, Platform platform, EditorHost *host, const PairLists *pairs);

    // Label9 := the number of files in File2.
    void showFileCount();
    // The labels in the application's language.
    void retranslate();

    void menu2a_Click(); // "aktuelle Datei"
    void menu2b_Click(); // "neue Datei ..."
    void menu2d_Click(); // "Datei sichern"

    // The task file chosen in File2, empty when none is.
    QString chosenTaskFile() const;
    // File2 reads its folder again and opens the task file name, as a click would.
    void openTaskFile(const QString &name);

    // The name of the task in the lists: the file last opened, taken over or
    // saved, without ".TXT"; empty for a new task.
    QString taskName() const { return m_taskName; }
    // File2, then "Datei kopieren", "Datei drucken" and "Datei löschen": the
    // panel's controls in Tab order.
    QList<QWidget *> tabChain() const { return m_tabChain; }

signals:
    // A task file opened by a click on File2, empty lines kept.
    void pairsOpened(const QStringList &left, const QStringList &right);
    // The task chosen in the main window, empty lines dropped.
    void pairsTakenOver(const QStringList &left, const QStringList &right);
    void newTaskStarted();

private:
    void File2_Click();
    void Label10_Click();
    void Label11_Click();
    void Label12_Click();
    // The folder is read again and File2 lists it, nothing selected; Label9
    // shows the new count.
    void showFiles();
    // The task the pair lists make.
    Task pairTask() const;

    Platform m_platform;
    EditorHost *m_host;
    const PairLists *m_pairs;
    QString m_langname;
    TaskFolder *m_folder;
    ListBox *m_file2;
    QLabel *m_label8 = nullptr;
    QLabel *m_label9;
    struct TextAndLetter {
        const char *source, *comment;
    };
    struct ActionText {
        QLabel *label;
        const char *text;
        TextAndLetter letter;
    };
    QVector<ActionText> m_actionTexts;
    QList<QWidget *> m_tabChain;
    QString m_taskName;
};

} // namespace duplikon
