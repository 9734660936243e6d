// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/KeyboardAccess.h"
#include "platform/Services.h"

#include <QObject>
#include <QStringList>

class QCheckBox;
class QFrame;
class QPushButton;

namespace duplikon {

class BoardState;
class ClickLabel;
class ClassroomConfig;
class LessonRules;
class LessonState;
class ListBox;
class TaskFolder;

// The teacher's settings panel Picture2: four switches, the two colour
// fields, the source tasks and the mandatory list, showing the lesson state
// and the board's colours. The switches go through the lesson's rules.
// Parked out of view until the rules ask for it (the menu "Einstellungen"
// answered with the right password).
class SettingsPanel : public QObject {
    Q_OBJECT
public:
    SettingsPanel(QWidget *client, Platform platform, LessonState *lesson, LessonRules *rules,
                  const BoardState *board);

    static constexpr int kShown = 2400;

    void show();
    void park();
    bool shown() const;
    // The panel's frame, which lies over the board while it is shown.
    QWidget *Picture2() const;

    // The list buttons.
    void Command4_Click();
    void Command5_Click();
    void Command9_Click();       // "Farben"

    // The folder of the source tasks File2.
    // File2 shows the task files of folder, and shows them again, keeping
    // its selection, whenever the folder is read again.
    void setTaskFolder(TaskFolder *folder);

    // The added settings, which "Weitere ..." opens. With EditorAus fixed by
    // an administrator, "Editor sperren" shows ticked and greyed, while the
    // lesson state and so the settings file keep the folder's own value.
    void setClassroomConfig(ClassroomConfig *extra);
    // "Weitere ...": the dialog "Weitere Einstellungen".
    void openExtraSettings();

signals:
    void questionColourClicked(); // farbe1
    void answerColourClicked();   // farbe2
    void okayClicked();           // "O k a y"
    void copyPageClicked();       // "Ablage ..."
    void printPageClicked();      // "Drucken ..."
    void resultsClicked();        // "Ergebnisse ..."

private:
    void retranslate();
    void showSwitches();
    void showColours();
    void showPflicht();

    Platform m_platform;
    LessonState *m_lesson;
    LessonRules *m_rules;
    const BoardState *m_board;
    QFrame *m_panel;
    QCheckBox *m_check1;
    QCheckBox *m_check2;
    QCheckBox *m_check3;
    QCheckBox *m_check5;
    ClickLabel *m_farbe1;
    ClickLabel *m_farbe2;
    TaskFolder *m_folder = nullptr;
    ListBox *m_file2;
    ListBox *m_pflicht;
    QStringList m_shownPflicht; // what pflicht shows
    PanelFocus m_focus;
    ClassroomConfig *m_extra = nullptr;
    QPushButton *m_results;      // "Ergebnisse ..."
    bool m_editorOff = false;    // EditorAus
};

} // namespace duplikon
