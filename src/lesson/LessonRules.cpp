// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/LessonRules.h"

#include "board/Board.h"
#include "board/SolutionPicture.h"
#include "lesson/SettingsPanel.h"
#include "lesson/TaskPicker.h"
#include "platform/Dialogs.h"
#include "platform/ListBox.h"

#include <QCheckBox>
#include <QPushButton>

namespace duplikon {

LessonRules::LessonRules(QObject *parent, Platform platform, Board *board, TaskPicker *choice,
                         SettingsPanel *panel, SolutionPicture *solution, QPushButton *command7)
    : QObject(parent), m_platform(platform), m_board(board), m_choice(choice), m_panel(panel),
      m_solution(solution), m_command7(command7)
{
}

QStringList LessonRules::pflichtEntries() const
{
    return m_panel->pflicht()->entries();
}

void LessonRules::Laden()
{
    m_solution->park();
    const bool mandatory = m_panel->Check1()->isChecked();
    const bool repeat = m_panel->Check5()->isChecked();
    const bool shortChoice = m_panel->Check2()->isChecked();

    if (repeat && aufgabe.isEmpty()) {
        aufgabe = pflichtEntries();
        m_platform.dialogs->message(QStringLiteral("Wiederholung"),
                                    QStringLiteral("Die Aufgaben werden wiederholt, rufe das nächste Kind.\r\r"));
        PflichtaufgabeLaden();
        return;
    }
    if (mandatory && !aufgabe.isEmpty()) {
        m_choice->parkShortList();
        PflichtaufgabeLaden();
        return;
    }
    if (shortChoice && !m_choice->shortListShown()) {
        m_choice->fillShortList();
        m_choice->showShortList();
        return;
    }
    if (shortChoice && m_choice->shortListShown())
        m_choice->parkShortList();
    if (!shortChoice) {
        if (!m_choice->taskFiles().isEmpty())
            m_choice->selectTaskFile(0);
        m_choice->showPanel();
    }
}

void LessonRules::PflichtaufgabeLaden()
{
    const QString entry = aufgabe.isEmpty() ? QString() : aufgabe.first();
    const QStringList files = m_choice->taskFiles();
    for (int i = 0; i < files.size(); ++i) {
        if (files.at(i) == entry)
            m_choice->selectTaskFile(i);
    }
    m_board->AufgabeLaden(m_choice->selectedTaskFile());
    m_platform.dialogs->message(entry.toUpper(), QStringLiteral("Dies ist eine Pflichtaufgabe für dich!\r\r"));
}

void LessonRules::Command7_Click()
{
    const QString name = m_platform.dialogs->input(QStringLiteral("Benutzername"),
                                                   QStringLiteral("Benutzername eingeben:"), QString());
    if (name.isEmpty())
        return;
    m_command7->setText(name);
    m_command7->setAccessibleName(name);
    if (m_panel->Check1()->isChecked() && m_panel->pflicht()->count() > 0)
        aufgabe = pflichtEntries();
    Laden();
}

void LessonRules::menu4_Click()
{
    const QString answer = m_platform.dialogs->input(
        QStringLiteral("Einstellungen"), QStringLiteral("Geben Sie das Passwort für diese Funktion ein:"),
        QStringLiteral("Passwort"));
    if (QLatin1Char(' ') + answer + QStringLiteral(" Punkte") == m_board->punkte()->text())
        m_panel->show();
}

void LessonRules::menu3_Click()
{
    if (m_panel->Check3()->isChecked()) {
        m_platform.dialogs->message(QStringLiteral("Abbruch"),
                                    QStringLiteral("Der Editor wurde im Zusatzmenü deaktiviert.\r\r"),
                                    MsgIcon::Exclamation);
        return;
    }
    if (openEditor)
        openEditor();
}

void LessonRules::Command3_Click()
{
    m_panel->park();
    if (writeSettings)
        writeSettings();
    if (m_panel->Check1()->isChecked())
        Laden();
}

void LessonRules::taskSolved()
{
    if (m_panel->Check1()->checkState() == Qt::Checked && !aufgabe.isEmpty())
        aufgabe.removeFirst();
}

} // namespace duplikon
