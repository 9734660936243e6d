// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Colours.h"
#include "platform/Services.h"

#include <QObject>

#include <memory>

namespace duplikon {

class BoardState;
class BoardVoice;
class ClassroomConfig;
class LatestWrite;
class LessonState;
class TaskFolder;

// The lesson's rules on the lesson state and the folder's task files: the
// menu "Laden" that decides what comes next, the mandatory task queue
// aufgabe, repetition, the switches that imply each other, the user name,
// the password of the settings panel, the lock of the editor and the
// settings file. The rules hold no widget: the panels and the board follow
// their signals.
class LessonRules : public QObject {
    Q_OBJECT
public:
    // board: the points, which are the password, and the question colour
    // that the settings file keeps.
    LessonRules(QObject *parent, Platform platform, LessonState *lesson, TaskFolder *folder,
                const BoardState *board);
    ~LessonRules() override; // waits half a second for a settings file still being written

    // How long "O k a y" waits for the settings file, and the end of the
    // program for a write still going (the results wait a second besides).
    static constexpr int kSettingsWaitMilliseconds = 750;
    static constexpr int kSettingsEndWaitMilliseconds = 500;

    void menu2_Click();          // "Laden"
    void PflichtaufgabeLaden();
    void Command7_Click();       // "Benutzer"
    void menu4_Click();          // "Einstellungen"
    void menu3_Click();          // "Editor"
    void Command3_Click();       // "O k a y"

    // A switch of the settings panel set by a click or by the program: the
    // switch takes the value, then its click rule runs. Neither
    // "Pflichtaufgaben" (Check1) nor "Wiederholung" (Check5) goes on while
    // pflicht is empty; repetition implies mandatory tasks.
    void setCheck1(bool on);
    void setCheck5(bool on);
    void Check1_Click();
    void Check5_Click();

    // The one way a task comes onto the board: the file list selects
    // fileName (empty: none), it is the task being played from then on, and
    // taskChosen asks the board to set it up (with none, to empty itself).
    void loadTask(const QString &fileName);
    // A task that was read elsewhere (taken in from an archive) is on the
    // board: it is selected and played as loadTask makes it, without asking
    // the board again.
    void taskOpened(const QString &fileName);

    // The settings file "DUPLIKON.INI" of the program folder: read once at
    // the start, written by "O k a y". A missing or damaged file gives the
    // defaults; a file that cannot be written is reported. The write runs off
    // the user-interface thread, so a stalled server holds the program only
    // a moment; the write goes on without it, and is named once.
    void EinstellungenLesen();
    void writeSettings();

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
    // "Laden" takes the solution picture off the board.
    void solutionDismissed();
    // The task-choice panel Dateibild is to lie over the board.
    void taskChoiceRequested();
    // The short list List5, filled afresh, is to lie over the board, or to go.
    void shortListRequested();
    void shortListDismissed();
    // The settings panel Picture2 is to lie over the board, or to go.
    void settingsRequested();
    void settingsDismissed();
    // loadTask chose a task file (empty: none): put it on the board.
    void taskChosen(const QString &fileName);
    // The settings file gave the question colour: the board keeps it.
    void questionColourRead(ColourValue colour);
    // The editor may open (the main window hides itself).
    void editorRequested();

private:
    // "Editor": refused while the editor is locked, else asked for.
    void requestEditorUnlessLocked();
    void refuse();
    // The child's name: from the class list when there is one, else typed.
    // Empty when the choice was cancelled.
    QString askUserName();

    Platform m_platform;
    LessonState *m_lesson;
    TaskFolder *m_folder;
    const BoardState *m_board;
    const ClassroomConfig *m_extra = nullptr;
    BoardVoice *m_voice = nullptr;
    std::unique_ptr<LatestWrite> m_settingsWrites;
    QString m_classListFile;
};

} // namespace duplikon
