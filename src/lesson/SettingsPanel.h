// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "lesson/SettingsFile.h"
#include "platform/KeyboardAccess.h"
#include "platform/Services.h"

#include <QObject>

class QCheckBox;
class QFrame;

namespace duplikon {

class ClickLabel;
class ExtraSettings;
class ListBox;
class TaskFolder;
class ListBox;

// The teacher's settings panel Picture2: four switches, the two colour
// fields, the source tasks and the mandatory list. Parked out of view until
// the menu "Einstellungen" is answered with the right password.
class SettingsPanel : public QObject {
    Q_OBJECT
public:
    SettingsPanel(QWidget *client, Platform platform);

    static constexpr int kShown = 2400;

    void show();
    void park();
    bool shown() const;

    // The click rules of the switches and the list buttons.
    void Check1_Click();
    void Check5_Click();
    void Command4_Click();
    void Command5_Click();
    void Command9_Click();       // "Farben"

    // The switches and the mandatory list as the lesson rules read them.
    bool mandatoryTasks() const; // Check1 "Pflichtaufgaben"
    bool shortChoice() const;    // Check2 "Kurze Dateiwahl"
    bool editorLocked() const;   // Check3 "Editor sperren"
    bool repetition() const;     // Check5 "Wiederholung"
    QStringList mandatoryList() const;

    // The switches and the list as the settings file keeps them (the colour
    // is the board's). Values read from the file come back as they were
    // stored, without running the click rules; farbe1 shows the colour.
    Settings settings() const;
    void setSettings(const Settings &s);
    // The colour fields farbe1 and farbe2.
    void showColours(ColourValue question, ColourValue answer);
    // The folder of the source tasks File2.
    // File2 shows the task files of folder, and shows them again, keeping
    // its selection, whenever the folder is read again.
    void setTaskFolder(TaskFolder *folder);

    // The added settings, which "Weitere ..." opens. With EditorAus fixed by
    // an administrator, "Editor sperren" shows ticked and greyed, while the
    // settings file keeps the folder's own value.
    void setExtraSettings(ExtraSettings *extra);
    // "Weitere ...": the dialog "Weitere Einstellungen".
    void openExtraSettings();

signals:
    void questionColourClicked(); // farbe1
    void answerColourClicked();   // farbe2
    void okayClicked();           // "O k a y"
    void copyPageClicked();       // "Ablage ..."
    void printPageClicked();      // "Drucken ..."

private:
    void refuse();

    Platform m_platform;
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
    PanelFocus m_focus;
    ExtraSettings *m_extra = nullptr;
    bool m_editorOff = false;    // EditorAus
    bool m_folderCheck3 = false; // Check3 as the settings file has it
};

} // namespace duplikon
