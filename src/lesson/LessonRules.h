// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QObject>

namespace duplikon {

class BoardState;
class BoardVoice;
class ClassroomConfig;
class LessonState;
class SettingsPanel;
class SolutionPicture;
class TaskPicker;

// The lesson's rules on the lesson state: the menu "Laden" that decides what
// comes next, the mandatory task queue aufgabe, repetition, the user name, the
// password of the settings panel and the lock of the editor.
class LessonRules : public QObject {
    Q_OBJECT
public:
    LessonRules(QObject *parent, Platform platform, LessonState *lesson, const BoardState *board,
                TaskPicker *choice, SettingsPanel *panel, SolutionPicture *solution);

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

    // The added settings, for the administrator's locks of the menus
    // "Editor" and "Einstellungen"; without them nothing is locked.
    void setClassroomConfig(const ClassroomConfig *extra) { m_extra = extra; }

    // The class list (tasks/ClassList.h) that "Benutzer" offers; read afresh
    // at each "Benutzer". Without the file, "Benutzer" asks as before.
    void setClassListFile(const QString &path) { m_classListFile = path; }

signals:
    // "O k a y" closed the settings panel: write the settings file.
    void settingsConfirmed();
    // The editor may open (the main window hides itself).
    void editorRequested();

private:
    // "Editor": refused while the editor is locked, else asked for.
    void requestEditorUnlessLocked();
    // The child's name: from the class list when there is one, else typed.
    // Empty when the choice was cancelled.
    QString askUserName();

    Platform m_platform;
    LessonState *m_lesson;
    const BoardState *m_board;
    TaskPicker *m_choice;
    SettingsPanel *m_panel;
    SolutionPicture *m_solution;
    const ClassroomConfig *m_extra = nullptr;
    BoardVoice *m_voice = nullptr;
    QString m_classListFile;
};

} // namespace duplikon
