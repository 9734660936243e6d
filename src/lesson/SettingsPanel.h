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

class ClickLabel;
class ClassroomConfig;
class LessonState;
class ListBox;
class TaskFolder;
class ListBox;

// The teacher's settings panel Picture2: four switches, the two colour
// fields, the source tasks and the mandatory list, all of them showing and
// changing the lesson state. Parked out of view until the menu
// "Einstellungen" is answered with the right password.
class SettingsPanel : public QObject {
    Q_OBJECT
public:
    SettingsPanel(QWidget *client, Platform platform, LessonState *lesson);

    static constexpr int kShown = 2400;

    void show();
    void park();
    bool shown() const;
    // The panel's frame, which lies over the board while it is shown.
    QWidget *Picture2() const;

    // The click rules of the switches and the list buttons.
    void Check1_Click();
    void Check5_Click();
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
    void refuse();
    // A switch changed by a click or by the program: its click rule runs.
    void setCheck1(bool on);
    void setCheck5(bool on);
    void showSwitches();
    void showColours();
    void showPflicht();

    Platform m_platform;
    LessonState *m_lesson;
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
