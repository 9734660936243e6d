// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SideWindows.h"

#include "lesson/TaskChoice.h"
#include "board/Board.h"
#include "check/CheckWindow.h"
#include "check/SolvedTaskLog.h"
#include "editor/EditorWindow.h"
#include "lesson/LessonState.h"
#include "platform/ClassroomConfig.h"
#include "results/ResultsFolders.h"
#include "results/ResultsWindow.h"

namespace duplikon {

namespace {
void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

SideWindows::SideWindows(Platform platform, QWidget *mainWindow, LessonState *lesson, SolvedTaskLog *log,
                         TaskChoice *choice, TaskFolder *folder, ClassroomConfig *extra)
    : QObject(mainWindow), m_platform(platform), m_main(mainWindow), m_lesson(lesson), m_log(log), m_choice(choice),
      m_folder(folder), m_extra(extra)
{
    // The check window shows the log from the first solved task on.
    connect(log, &SolvedTaskLog::appended, this, [this] { checkWindow(true); });
}

SideWindows::~SideWindows()
{
    delete m_check;
    delete m_results;
    delete m_editor;
}

CheckWindow *SideWindows::checkWindow(bool create)
{
    if (!m_check && create) {
        auto *check = new CheckWindow(m_platform, programFolder(), m_log);
        if (m_lesson->hasUserName())
            check->setUserName(m_lesson->userName());
        connect(m_lesson, &LessonState::userNameChanged, check, &CheckWindow::setUserName);
        m_check = check;
    }
    return static_cast<CheckWindow *>(m_check.data());
}

void SideWindows::showCheckWindow()
{
    bringUp(checkWindow(true));
}

void SideWindows::openResults()
{
    if (m_extra->value(config::resultsOff))
        return;
    if (!m_results) {
        const ResultsFolders folders(programFolder());
        m_results = new ResultsWindow(m_platform, folders.roots(), folders.cacheFile());
        m_results->setAttribute(Qt::WA_DeleteOnClose);
    }
    static_cast<ResultsWindow *>(m_results.data())->setCardBox(m_extra->cardBoxOn(), programFolder());
    bringUp(m_results);
}

void SideWindows::openEditor()
{
    if (!m_editor)
        m_editor = new EditorWindow(m_platform, this);
    m_main->hide();
    bringUp(m_editor);
}

void SideWindows::hideAll()
{
    if (m_check)
        m_check->hide();
    if (m_editor)
        m_editor->hide();
}

QString SideWindows::programFolder() const
{
    return m_choice->programFolder();
}

QString SideWindows::chosenTaskFile() const
{
    return m_choice->selectedTaskFile();
}

void SideWindows::editorLeft()
{
    emit backFromEditor();
}

QFont SideWindows::cellFont() const
{
    return Board::textFont(m_lesson->textSize(), m_lesson->textBold()); // as the board's page prints it
}

} // namespace duplikon
