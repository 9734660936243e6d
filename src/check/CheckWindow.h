// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QLabel;

namespace duplikon {

class ListBox;
class PictureBox;
class SolvedTaskLog;

// The check window Form3: the log of the tasks solved in this run (List1 names,
// List3 times, a view of the solved-task log), the user name (Label1) and a
// viewer for a logged task file's lines (List2) and pictures (Picture1).
//
// It is created hidden and centred. "Abbruch" hides it and keeps the log; the
// close box empties the log, hides the window and then destroys it (the owner
// holds it in a QPointer and creates a new one when needed).
class CheckWindow : public QMainWindow {
    Q_OBJECT
public:
    // programFolder is the folder that relative file names are resolved against;
    // log is the solved-task log it shows, owned by the caller.
    CheckWindow(Platform platform, QString programFolder, SolvedTaskLog *log, QWidget *parent = nullptr);

    // The caption of the main window's Command7 ("Benutzer", in the
    // application's language, until a name is entered); Label1 takes it at
    // the next activation.
    void setUserName(const QString &name) { m_userName = name; }

    // The outer size in twips; the client area below the menu bar.
    static constexpr int kWidthTwips = 13065;
    static constexpr int kHeightTwips = 9300;
    static constexpr int kClientWidth = 864;
    static constexpr int kClientHeight = 576;

    // Handlers, named after their control and event. They run on the window's own events; they
    // are public so that the owner and tests can name them.
    void Form_Load();      // centre on the screen
    void Form_Activate();  // size, and Label1 := the user name
    void List1_Click();    // show the chosen task file's lines in List2
    void List2_Click();    // show the chosen picture line in Picture1, or clear it
    void menu1_Click();    // "Abbruch": hide

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void retranslate();

    Platform m_platform;
    SolvedTaskLog *m_log;
    QString m_userName; // null: "Benutzer"
    QString m_programFolder;

    QLabel *m_label1 = nullptr;
    ListBox *m_list1 = nullptr;
    ListBox *m_list2 = nullptr;
    ListBox *m_list3 = nullptr;
    PictureBox *m_picture1 = nullptr;
    QAction *m_menu1 = nullptr;
};

} // namespace duplikon
