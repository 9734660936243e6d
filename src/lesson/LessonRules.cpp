// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/LessonRules.h"

#include "board/BoardState.h"
#include "board/BoardVoice.h"
#include "lesson/LessonState.h"
#include "lesson/SettingsFile.h"
#include "platform/ClassroomConfig.h"
#include "platform/Dialogs.h"
#include "platform/FileLists.h"
#include "platform/LatestWrite.h"
#include "tasks/ClassList.h"
#include "tasks/TaskFolder.h"

#include <QDir>

namespace duplikon {

LessonRules::LessonRules(QObject *parent, Platform platform, LessonState *lesson, TaskFolder *folder,
                         const BoardState *board)
    : QObject(parent), m_platform(platform), m_lesson(lesson), m_folder(folder), m_board(board),
      m_settingsWrites(std::make_unique<LatestWrite>())
{
    // A task file that is gone when the folder is read again is selected no more.
    connect(m_folder, &TaskFolder::changed, this, [this] {
        if (!m_folder->taskFiles().contains(m_lesson->selectedTask()))
            m_lesson->setSelectedTask(QString());
    });
}

LessonRules::~LessonRules()
{
    m_settingsWrites->finish(kSettingsEndWaitMilliseconds);
}

void LessonRules::menu2_Click()
{
    emit solutionDismissed();
    const bool mandatory = m_lesson->mandatoryTasks();
    const bool repeat = m_lesson->repetition();
    const bool shortChoice = m_lesson->shortChoice();
    const bool shortListShown = m_lesson->panelShown(LessonState::Panel::ShortList);

    if (repeat && m_lesson->aufgabe().isEmpty()) {
        m_lesson->setAufgabe(m_lesson->pflicht());
        const QString repeating = tr("Die Aufgaben werden wiederholt, rufe das nächste Kind.\r\r");
        if (m_voice)
            m_voice->sayMessage(repeating);
        m_platform.dialogs->message(tr("Wiederholung"), repeating);
        PflichtaufgabeLaden();
        return;
    }
    if (mandatory && !m_lesson->aufgabe().isEmpty()) {
        emit shortListDismissed();
        PflichtaufgabeLaden();
        return;
    }
    if (shortChoice && !shortListShown) {
        emit shortListRequested();
        return;
    }
    if (shortChoice && shortListShown)
        emit shortListDismissed();
    if (!shortChoice) {
        if (!m_folder->taskFiles().isEmpty())
            m_lesson->setSelectedTask(m_folder->taskFiles().first());
        emit taskChoiceRequested();
    }
}

void LessonRules::PflichtaufgabeLaden()
{
    // The entry as the file list names it; without one, the task that is selected.
    const QString entry = m_lesson->aufgabe().isEmpty() ? QString() : m_lesson->aufgabe().first();
    loadTask(m_folder->taskFiles().contains(entry) ? entry : m_lesson->selectedTask());
    const QString mandatory = tr("Dies ist eine Pflichtaufgabe für dich!\r\r");
    if (m_voice)
        m_voice->sayMessage(mandatory);
    m_platform.dialogs->message(entry.toUpper(), mandatory);
}

void LessonRules::loadTask(const QString &fileName)
{
    taskOpened(fileName);
    emit taskChosen(fileName);
}

void LessonRules::taskOpened(const QString &fileName)
{
    m_lesson->setSelectedTask(fileName);
    m_lesson->setTask(fileName);
}

QString LessonRules::askUserName()
{
    const QStringList names = m_classListFile.isEmpty() ? QStringList() : readClassList(m_classListFile).names;
    if (!names.isEmpty()) {
        const int chosen = m_platform.dialogs->chooseName(tr("Benutzername"), names);
        if (chosen >= 0 && chosen < names.size())
            return names.at(chosen);
        if (chosen != Dialogs::kOtherName)
            return QString();
    }
    const QString typed = m_platform.dialogs->input(tr("Benutzername"),
                                                    tr("Benutzername eingeben:"), QString());
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
        m_platform.dialogs->message(tr("Einstellungen"),
                                    tr("Die Einstellungen wurden vom Administrator gesperrt.\r"));
        return;
    }
    const QString answer = m_platform.dialogs->input(
        tr("Einstellungen"), tr("Geben Sie das Passwort für diese Funktion ein:"),
        tr("Passwort"));
    if (answer == QString::number(m_board->points()))
        emit settingsRequested();
}

void LessonRules::menu3_Click()
{
    requestEditorUnlessLocked();
}

void LessonRules::requestEditorUnlessLocked()
{
    // EditorAus locks the editor whatever the folder's settings say.
    if (m_lesson->editorLocked() || (m_extra && m_extra->value(config::editorOff))) {
        m_platform.dialogs->message(tr("Abbruch"),
                                    tr("Der Editor wurde im Zusatzmenü deaktiviert.\r\r"),
                                    MsgIcon::Exclamation);
        return;
    }
    emit editorRequested();
}

void LessonRules::Command3_Click()
{
    emit settingsDismissed();
    writeSettings();
    if (m_lesson->mandatoryTasks())
        menu2_Click();
}

void LessonRules::taskSolved()
{
    if (m_lesson->mandatoryTasks() && !m_lesson->aufgabe().isEmpty())
        m_lesson->setAufgabe(m_lesson->aufgabe().mid(1));
}

// ---- switches -------------------------------------------------------------

void LessonRules::refuse()
{
    m_platform.dialogs->message(tr("Wiederholung verweigert"),
                                tr("Es müssen erst Pflichtaufgaben gewählt werden!\r\r"));
}

void LessonRules::setCheck1(bool on)
{
    if (m_lesson->mandatoryTasks() == on)
        return;
    m_lesson->setMandatoryTasks(on);
    Check1_Click();
}

void LessonRules::setCheck5(bool on)
{
    if (m_lesson->repetition() == on)
        return;
    m_lesson->setRepetition(on);
    Check5_Click();
}

void LessonRules::Check1_Click()
{
    if (m_lesson->mandatoryTasks() && m_lesson->pflicht().isEmpty()) {
        refuse();
        setCheck1(false);
        return;
    }
    if (!m_lesson->mandatoryTasks())
        setCheck5(false);
}

void LessonRules::Check5_Click()
{
    if (m_lesson->repetition() && m_lesson->pflicht().isEmpty()) {
        refuse();
        setCheck5(false);
        return;
    }
    if (m_lesson->repetition())
        setCheck1(true);
}

// ---- settings file --------------------------------------------------------

void LessonRules::EinstellungenLesen()
{
    // A missing or damaged file gives the defaults.
    Settings s;
    readSettingsFile(resolvePath(m_folder->folder(), settingsFileName()), &s);
    m_lesson->setSettings(s);
    m_lesson->setAufgabe(s.pflicht);
    emit questionColourRead(s.colour);
}

void LessonRules::writeSettings()
{
    // The question colour: cell 1 shows it whenever a task is on the board.
    // Without a task on the board the cells are black, and storing that would
    // lose the teacher's colour (a black board with black text at the next
    // start), so the colour of farbe1 itself is stored.
    Settings s = m_lesson->settings();
    s.colour = m_board->questionColour();
    const QString path = QDir(m_folder->folder()).filePath(settingsFileName());
    QString error;
    const LatestWrite::Outcome written = m_settingsWrites->write(
        [path, s](QString *e) { return writeSettingsFile(path, s, e); }, kSettingsWaitMilliseconds, &error);
    if (written == LatestWrite::Outcome::NoAnswer)
        error = tr("Der Programmordner antwortet nicht.");
    if (written != LatestWrite::Outcome::Written) {
        m_platform.dialogs->message(tr("Einstellungen"),
                                    tr("Die Einstellungen konnten nicht gespeichert werden.\r%1\r").arg(error),
                                    MsgIcon::Exclamation);
    }
}

} // namespace duplikon
