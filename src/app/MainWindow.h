// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Services.h"

#include <QMainWindow>

#include <array>

class QAction;
class QMenu;

namespace duplikon {

class ActivationWatcher;
class Board;
class ButtonStrip;
class CardPlay;
class ClassroomConfig;
class LessonRules;
class LessonState;
class PlaySession;
class SettingsPanel;
class SideWindows;
class SolutionPicture;
class TaskChoice;
class TaskFolder;
struct BoardPage;
struct Task;

// The main window Form1: puts the board, its button strip, the task choice,
// the settings panel, the solution picture and the menu bar together and
// connects them. It starts the program, runs the activation steps and ends
// the program after asking.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up steps; workingFolder is the program folder. extra:
    // the added settings (tap play, window size, the administrator's locks);
    // without them every added setting is at its default.
    MainWindow(Platform platform, const QString &workingFolder, ClassroomConfig *extra = nullptr,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // The client area below the menu bar, 864 × 576 pixels.
    static constexpr int kClientWidth = 864;
    static constexpr int kClientHeight = 576;
    // The window's outer size, frame and menu bar included.
    static constexpr int kOuterWidthTwips = 13050;
    static constexpr int kOuterHeightTwips = 9300;

    // The activation steps, at the first showing and on every return.
    void Form_Activate();
    int activations() const { return m_activations; }
    // Puts a task that was read already on the board, as "L a d e n" does:
    // the panel goes, the list selects it and the title names it.
    void openTask(const Task &task);

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenu();
    void retranslate();
    void connectParts();
    void centre();
    void fixSize();
    void keepResults();
    BoardPage boardPage() const; // the board as the page output sees it
    void Command8_Click();       // "Drucken ..."
    void returnFromEditor();
    bool askToEnd();
    void quitProgram();

    Platform m_platform;
    QMenu *m_menu1 = nullptr;
    std::array<QAction *, 5> m_actions{}; // Beenden, Autor, Laden, Editor, Einstellungen
    QString m_workingFolder;
    ClassroomConfig *m_extra;
    LessonState *m_lessonState;
    Board *m_board = nullptr;
    ButtonStrip *m_strip = nullptr;
    SolutionPicture *m_solution = nullptr;
    TaskChoice *m_choice = nullptr;
    SettingsPanel *m_settings = nullptr;
    LessonRules *m_lesson = nullptr;
    TaskFolder *m_folder = nullptr;
    PlaySession *m_session = nullptr;
    CardPlay *m_cards = nullptr;
    SideWindows *m_side = nullptr;
    ActivationWatcher *m_activation = nullptr;
    bool m_shownOnce = false;
    bool m_quitting = false;
    int m_activations = 0;
};

} // namespace duplikon
