// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editor/EditorHost.h"
#include "platform/Services.h"

#include <QMainWindow>
#include <QPointer>

class QCheckBox;
class QPushButton;

namespace duplikon {

class ActivationWatcher;
class Board;
class CheckWindow;
class EditorWindow;
class ClassroomConfig;
class LessonRules;
class LessonState;
class SettingsPanel;
class SolutionPicture;
class SolvedTaskLog;
class TaskChoice;
class TaskFolder;
struct BoardPage;

// The main window Form1: the board with its button strip, the task choice,
// the settings panel, the solution picture and the menu bar. It starts the
// program, runs the activation steps and ends the program after asking.
class MainWindow : public QMainWindow, public EditorHost {
    Q_OBJECT
public:
    // Runs the start-up steps; workingFolder is the program folder. extra:
    // the added settings (tap play, window size, the administrator's locks);
    // without them every added setting is at its default.
    MainWindow(Platform platform, const QString &workingFolder, ClassroomConfig *extra = nullptr,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // The client area below the menu bar, 864 × 576 pixels as designed.
    static constexpr int kClientWidth = 864;
    static constexpr int kClientHeight = 576;
    // The window's outer size as designed, frame and menu bar included.
    static constexpr int kOuterWidthTwips = 13050;
    static constexpr int kOuterHeightTwips = 9300;

    void Form_Activate();        // the activation steps, at the first showing and on every return
    void Fertigkontrolle();
    void Command6_Click();
    void Schrift1_Click();
    void Schrift2_Click();
    void Check4_Click();
    void farbe1_Click();
    void farbe2_Click();
    void Command10_Click();       // "Ablage ..."
    void Command8_Click();        // "Drucken ..."
    void punkte_Click();
    void menu1a_Click();          // "Beenden"
    void menu1b_Click();          // "Autor ..."
    void menu3_Click();           // "Editor", once the lesson rules let it open

    // The check window, created hidden when asked to.
    CheckWindow *checkWindow(bool create);
    // The results kept for the teacher: written while "Ergebnisse" is on, shown
    // by "Ergebnisse ..."; [Fest] ErgebnisseAus removes both.
    void keepResults();
    void openResults();
    EditorWindow *editorWindow() const;

    Board *board() const { return m_board; }
    TaskChoice *taskChoice() const { return m_choice; }
    SettingsPanel *settingsPanel() const { return m_settings; }
    SolutionPicture *solution() const { return m_solution; }
    LessonRules *lesson() const { return m_lesson; }
    LessonState *lessonState() const { return m_lessonState; }
    SolvedTaskLog *solvedLog() const { return m_log; }
    ClassroomConfig *classroomConfig() const override { return m_extra; }
    int activations() const { return m_activations; }
    // The board as the page output sees it.
    BoardPage boardPage() const;

    // EditorHost
    QString programFolder() const override;
    TaskFolder *taskFolder() const override { return m_folder; }
    QString chosenTaskFile() const override;
    void editorLeft() override;
    QFont cellFont() const override;

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildStrip();
    void centre();
    void fixSize();
    // Hides the main window and shows the editor, made at its first use.
    void openEditor();
    void quitProgram();

    Platform m_platform;
    QString m_workingFolder;
    QWidget *m_client = nullptr;
    Board *m_board = nullptr;
    TaskFolder *m_folder = nullptr;
    TaskChoice *m_choice = nullptr;
    SettingsPanel *m_settings = nullptr;
    SolutionPicture *m_solution = nullptr;
    LessonRules *m_lesson = nullptr;
    LessonState *m_lessonState = nullptr;
    SolvedTaskLog *m_log = nullptr;
    ClassroomConfig *m_extra = nullptr;
    QPushButton *m_command7 = nullptr;
    QPushButton *m_punkte = nullptr;
    QCheckBox *m_check4 = nullptr;
    QPushButton *m_command6 = nullptr;
    QPointer<QWidget> m_check;   // the CheckWindow, while it exists
    QPointer<QWidget> m_results; // the ResultsWindow, while it exists
    QObject *m_recorder = nullptr; // the ResultsRecorder, while results are kept
    QPointer<QWidget> m_editor;  // the EditorWindow, while it is loaded
    bool m_shownOnce = false;
    ActivationWatcher *m_activation = nullptr;
    bool m_quitting = false;
    int m_activations = 0;
};

} // namespace duplikon
