// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QPushButton;

namespace duplikon {

class Board;
class SettingsPanel;
class SolutionPicture;
class TaskPicker;

// The lesson: the menu "Laden" that decides what comes next, the mandatory
// task queue aufgabe, repetition, the user name, the password of the settings
// panel and the lock of the editor.
class LessonRules : public QObject {
    Q_OBJECT
public:
    LessonRules(QObject *parent, Platform platform, Board *board, TaskPicker *choice,
                SettingsPanel *panel, SolutionPicture *solution, QPushButton *command7);

    void Laden();                // menu2 "Laden"
    void PflichtaufgabeLaden();
    void Command7_Click();       // "Benutzer"
    void menu4_Click();          // "Einstellungen"
    void menu3_Click();          // "Editor"
    void Command3_Click();       // "O k a y"

    // A task was solved: the head of the queue goes when mandatory tasks are on.
    void taskSolved();

    QStringList aufgabe;
    // Writes the settings file; set by the main window.
    std::function<void()> writeSettings;
    // Opens the editor (the main window hides itself).
    std::function<void()> openEditor;

private:
    QStringList pflichtEntries() const;

    Platform m_platform;
    Board *m_board;
    TaskPicker *m_choice;
    SettingsPanel *m_panel;
    SolutionPicture *m_solution;
    QPushButton *m_command7;
};

} // namespace duplikon
