// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editor/EditorHost.h"
#include "platform/Services.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace duplikon {

class CheckWindow;
class ClassroomConfig;
class EditorWindow;
class LessonState;
class SolvedTaskLog;
class TaskChoice;

// The windows beside the main window, each made at its first use: the check
// window Form3 (made hidden with the first solved task), the results window
// "Ergebnisse" and the editor Form2, which stands in for the main window
// while it is open.
class SideWindows : public QObject, public EditorHost {
    Q_OBJECT
public:
    SideWindows(Platform platform, QWidget *mainWindow, LessonState *lesson, SolvedTaskLog *log,
                TaskChoice *choice, TaskFolder *folder, ClassroomConfig *extra);
    ~SideWindows() override;

    // The check window; made hidden when asked to.
    CheckWindow *checkWindow(bool create);
    void showCheckWindow();
    // "Ergebnisse ...": the results kept for the teacher; [Fest] ErgebnisseAus removes it.
    void openResults();
    // Hides the main window and shows the editor.
    void openEditor();
    // The program ends: the check window and the editor go out of sight.
    void hideAll();

    // EditorHost
    QString programFolder() const override;
    TaskFolder *taskFolder() const override { return m_folder; }
    QString chosenTaskFile() const override;
    ClassroomConfig *classroomConfig() const override { return m_extra; }
    void editorLeft() override;
    QFont cellFont() const override;

signals:
    // The editor has been left: the main window is shown again.
    void backFromEditor();

private:
    Platform m_platform;
    QWidget *m_main;
    LessonState *m_lesson;
    SolvedTaskLog *m_log;
    TaskChoice *m_choice;
    TaskFolder *m_folder;
    ClassroomConfig *m_extra;
    QPointer<QWidget> m_check;   // the CheckWindow, while it exists
    QPointer<QWidget> m_results; // the ResultsWindow, while it exists
    QPointer<QWidget> m_editor;  // the EditorWindow, while it is loaded
};

} // namespace duplikon
