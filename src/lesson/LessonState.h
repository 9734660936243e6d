// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "lesson/SettingsFile.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace duplikon {

// The lesson as the teacher set it up and the child runs it, without any
// widget: the switches of the settings panel, the mandatory list pflicht and
// its queue aufgabe, the user name, the look of the text cells, the task file
// selected and the task being played, and which panels stand over the board.
// (The colours of the cells are the board's.) The panels and
// buttons show it and change it; the lesson rules and the settings file read
// it. Every setter signals only a real change.
class LessonState : public QObject {
    Q_OBJECT
public:
    // The panels that are parked beside the board and moved over it.
    enum class Panel { TaskChoice, ShortList, Settings };
    Q_ENUM(Panel)

    explicit LessonState(QObject *parent = nullptr);

    // The switches of the settings panel.
    bool mandatoryTasks() const { return m_check1; } // Check1 "Pflichtaufgaben"
    bool shortChoice() const { return m_check2; }    // Check2 "Kurze Dateiwahl"
    bool editorLocked() const { return m_check3; }   // Check3 "Editor sperren"
    bool repetition() const { return m_check5; }     // Check5 "Wiederholung"
    void setMandatoryTasks(bool on);
    void setShortChoice(bool on);
    void setEditorLocked(bool on);
    void setRepetition(bool on);

    // The mandatory list pflicht, in list order.
    const QStringList &pflicht() const { return m_pflicht; }
    void setPflicht(const QStringList &entries);
    // The mandatory-task queue aufgabe; its head is the next mandatory task.
    const QStringList &aufgabe() const { return m_aufgabe; }
    void setAufgabe(const QStringList &queue);

    // The user name, "Benutzer" until one is entered.
    QString userName() const { return m_userName; }
    // A name was entered (windows then show it, not their own word for "Benutzer").
    bool hasUserName() const { return m_userName != QLatin1String("Benutzer"); }
    void setUserName(const QString &name);

    // The type of the text cells.
    qreal textSize() const { return m_textSize; }
    bool textBold() const { return m_textBold; }
    void setTextSize(qreal points);
    void setTextBold(bool bold);

    // The task file selected in the file list File1, a bare file name; a
    // choice not yet loaded included; empty when none is.
    QString selectedTask() const { return m_selectedTask; }
    void setSelectedTask(const QString &fileName);
    // The task file being played, a bare file name; empty when none is.
    QString task() const { return m_task; }
    void setTask(const QString &fileName);

    bool panelShown(Panel panel) const { return m_shown[int(panel)]; }
    void setPanelShown(Panel panel, bool shown);

    // What the settings file keeps of the lesson: the four switches and
    // pflicht (the question colour is the board's). setSettings takes them as
    // stored, without any rule.
    Settings settings() const;
    void setSettings(const Settings &s);

signals:
    void switchesChanged();
    void pflichtChanged();
    void aufgabeChanged();
    void userNameChanged(const QString &name);
    void textStyleChanged();
    void selectedTaskChanged(const QString &fileName);
    void taskChanged(const QString &fileName);
    void panelShownChanged(LessonState::Panel panel, bool shown);

private:
    void setSwitch(bool *value, bool on);

    bool m_check1 = false;
    bool m_check2 = false;
    bool m_check3 = false;
    bool m_check5 = false;
    QStringList m_pflicht;
    QStringList m_aufgabe;
    QString m_userName = QStringLiteral("Benutzer");
    qreal m_textSize = 12;
    bool m_textBold = false;
    QString m_selectedTask;
    QString m_task;
    bool m_shown[3] = {false, false, false};
};

} // namespace duplikon
