// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/LessonRules.h"

#include "board/BoardState.h"
#include "board/BoardVoice.h"
#include "board/SolutionPicture.h"
#include "lesson/LessonState.h"
#include "lesson/SettingsPanel.h"
#include "lesson/TaskPicker.h"
#include "platform/Dialogs.h"
#include "platform/ClassroomConfig.h"
#include "tasks/ClassList.h"

namespace duplikon {

LessonRules::LessonRules(QObject *parent, Platform platform, LessonState *lesson, const BoardState *board,
                         TaskPicker *choice, SettingsPanel *panel, SolutionPicture *solution)
    : QObject(parent), m_platform(platform), m_lesson(lesson), m_board(board), m_choice(choice), m_panel(panel),
      m_solution(solution)
{
}

void LessonRules::menu2_Click()
{
    m_solution->park();
    const bool mandatory = m_lesson->mandatoryTasks();
    const bool repeat = m_lesson->repetition();
    const bool shortChoice = m_lesson->shortChoice();
    const bool shortListShown = m_lesson->panelShown(LessonState::Panel::ShortList);

    if (repeat && m_lesson->aufgabe().isEmpty()) {
        m_lesson->setAufgabe(m_lesson->pflicht());
        const QString repeating = QStringLiteral("Die Aufgaben werden wiederholt, rufe das nächste Kind.\r\r");
        if (m_voice)
            m_voice->sayMessage(repeating);
        m_platform.dialogs->message(QStringLiteral("Wiederholung"), repeating);
        PflichtaufgabeLaden();
        return;
    }
    if (mandatory && !m_lesson->aufgabe().isEmpty()) {
        m_choice->parkShortList();
        PflichtaufgabeLaden();
        return;
    }
    if (shortChoice && !shortListShown) {
        m_choice->fillShortList();
        m_choice->showShortList();
        return;
    }
    if (shortChoice && shortListShown)
        m_choice->parkShortList();
    if (!shortChoice) {
        if (!m_choice->taskFiles().isEmpty())
            m_choice->selectTaskFile(0);
        m_choice->showPanel();
    }
}

void LessonRules::PflichtaufgabeLaden()
{
    // The last entry of that name; without one, the task that is selected.
    const QString entry = m_lesson->aufgabe().isEmpty() ? QString() : m_lesson->aufgabe().first();
    const int index = m_choice->taskFiles().lastIndexOf(entry);
    m_choice->loadTask(index >= 0 ? index : m_choice->selectedIndex());
    const QString mandatory = QStringLiteral("Dies ist eine Pflichtaufgabe für dich!\r\r");
    if (m_voice)
        m_voice->sayMessage(mandatory);
    m_platform.dialogs->message(entry.toUpper(), mandatory);
}

QString LessonRules::askUserName()
{
    const QStringList names = m_classListFile.isEmpty() ? QStringList() : readClassList(m_classListFile).names;
    if (!names.isEmpty()) {
        const int chosen = m_platform.dialogs->chooseName(QStringLiteral("Benutzername"), names);
        if (chosen >= 0 && chosen < names.size())
            return names.at(chosen);
        if (chosen != Dialogs::kOtherName)
            return QString();
    }
    const QString typed = m_platform.dialogs->input(QStringLiteral("Benutzername"),
                                                    QStringLiteral("Benutzername eingeben:"), QString());
    // "lea " is the listed "Lea", so her results stay one child's.
    return typed.isEmpty() ? typed : listedName(names, typed);
}

void LessonRules::Command7_Click()
{
    const QString name = askUserName();
    if (name.isEmpty())
        return;
    m_lesson->setUserName(name);
    if (m_lesson->mandatoryTasks() && !m_lesson->pflicht().isEmpty())
        m_lesson->setAufgabe(m_lesson->pflicht());
    menu2_Click();
}

void LessonRules::menu4_Click()
{
    // EinstellungenAus: the panel, and "Ablage ..." and "Drucken ..." in it,
    // stay out of reach.
    if (m_extra && m_extra->value(config::settingsOff)) {
        m_platform.dialogs->message(QStringLiteral("Einstellungen"),
                                    QStringLiteral("Die Einstellungen wurden vom Administrator gesperrt.\r"));
        return;
    }
    const QString answer = m_platform.dialogs->input(
        QStringLiteral("Einstellungen"), QStringLiteral("Geben Sie das Passwort für diese Funktion ein:"),
        QStringLiteral("Passwort"));
    if (answer == QString::number(m_board->points()))
        m_panel->show();
}

void LessonRules::menu3_Click()
{
    requestEditorUnlessLocked();
}

void LessonRules::requestEditorUnlessLocked()
{
    // EditorAus locks the editor whatever the folder's settings say.
    if (m_lesson->editorLocked() || (m_extra && m_extra->value(config::editorOff))) {
        m_platform.dialogs->message(QStringLiteral("Abbruch"),
                                    QStringLiteral("Der Editor wurde im Zusatzmenü deaktiviert.\r\r"),
                                    MsgIcon::Exclamation);
        return;
    }
    emit editorRequested();
}

void LessonRules::Command3_Click()
{
    m_panel->park();
    emit settingsConfirmed();
    if (m_lesson->mandatoryTasks())
        menu2_Click();
}

void LessonRules::taskSolved()
{
    if (m_lesson->mandatoryTasks() && !m_lesson->aufgabe().isEmpty())
        m_lesson->setAufgabe(m_lesson->aufgabe().mid(1));
}

} // namespace duplikon
