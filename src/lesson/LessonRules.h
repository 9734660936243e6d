// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QObject>
#include <QStringList>

class QPushButton;

namespace duplikon {

class BoardState;
class BoardVoice;
class ExtraSettings;
class SettingsPanel;
class SolutionPicture;
class TaskPicker;

// The lesson: the menu "Laden" that decides what comes next, the mandatory
// task queue aufgabe, repetition, the user name, the password of the settings
// panel and the lock of the editor.
class LessonRules : public QObject {
    Q_OBJECT
public:
    // command7: the button "Benutzer", whose caption shows the user name.
    LessonRules(QObject *parent, Platform platform, const BoardState *board, TaskPicker *choice,
                SettingsPanel *panel, SolutionPicture *solution, QPushButton *command7);

    void menu2_Click();          // "Laden"
    void PflichtaufgabeLaden();
    void Command7_Click();       // "Benutzer"
    void menu4_Click();          // "Einstellungen"
    void menu3_Click();          // "Editor"
    void Command3_Click();       // "O k a y"

    // A task was solved: the head of the queue goes when mandatory tasks are on.
    void taskSolved();

    // Speaks the messages of the mandatory tasks.
    void setVoice(BoardVoice *voice) { m_voice = voice; }

    // The user name, "Benutzer" until one is entered.
    QString userName() const { return m_userName; }

    // The mandatory-task queue aufgabe.
    const QStringList &aufgabe() const { return m_aufgabe; }
    void setAufgabe(const QStringList &queue) { m_aufgabe = queue; }

    // The added settings, for the administrator's locks of the menus
    // "Editor" and "Einstellungen"; without them nothing is locked.
    void setExtraSettings(const ExtraSettings *extra) { m_extra = extra; }

signals:
    // "O k a y" closed the settings panel: write the settings file.
    void settingsConfirmed();
    // The editor may open (the main window hides itself).
    void editorRequested();
    // "Benutzer" took a new user name.
    void userNameChanged(const QString &name);

private:
    Platform m_platform;
    const BoardState *m_board;
    TaskPicker *m_choice;
    SettingsPanel *m_panel;
    SolutionPicture *m_solution;
    QPushButton *m_command7;
    QStringList m_aufgabe;
    QString m_userName = QStringLiteral("Benutzer");
    const ExtraSettings *m_extra = nullptr;
    BoardVoice *m_voice = nullptr;
};

} // namespace duplikon
