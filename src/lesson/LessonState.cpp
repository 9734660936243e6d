// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/LessonState.h"

namespace duplikon {

LessonState::LessonState(QObject *parent) : QObject(parent) {}

void LessonState::setSwitch(bool *value, bool on)
{
    if (*value == on)
        return;
    *value = on;
    emit switchesChanged();
}

void LessonState::setMandatoryTasks(bool on) { setSwitch(&m_check1, on); }
void LessonState::setShortChoice(bool on) { setSwitch(&m_check2, on); }
void LessonState::setEditorLocked(bool on) { setSwitch(&m_check3, on); }
void LessonState::setRepetition(bool on) { setSwitch(&m_check5, on); }

void LessonState::setPflicht(const QStringList &entries)
{
    if (m_pflicht == entries)
        return;
    m_pflicht = entries;
    emit pflichtChanged();
}

void LessonState::setAufgabe(const QStringList &queue)
{
    if (m_aufgabe == queue)
        return;
    m_aufgabe = queue;
    emit aufgabeChanged();
}

void LessonState::setUserName(const QString &name)
{
    if (m_userName == name)
        return;
    m_userName = name;
    emit userNameChanged(name);
}

void LessonState::setTextSize(qreal points)
{
    if (m_textSize == points)
        return;
    m_textSize = points;
    emit textStyleChanged();
}

void LessonState::setTextBold(bool bold)
{
    if (m_textBold == bold)
        return;
    m_textBold = bold;
    emit textStyleChanged();
}

void LessonState::setSelectedTask(const QString &fileName)
{
    if (m_selectedTask == fileName)
        return;
    m_selectedTask = fileName;
    emit selectedTaskChanged(fileName);
}

void LessonState::setTask(const QString &fileName)
{
    if (m_task == fileName)
        return;
    m_task = fileName;
    emit taskChanged(fileName);
}

void LessonState::setPanelShown(Panel panel, bool shown)
{
    bool &value = m_shown[int(panel)];
    if (value == shown)
        return;
    value = shown;
    emit panelShownChanged(panel, shown);
}

Settings LessonState::settings() const
{
    Settings s;
    s.check1 = m_check1 ? 1 : 0;
    s.check2 = m_check2 ? 1 : 0;
    s.check3 = m_check3 ? 1 : 0;
    s.check5 = m_check5 ? 1 : 0;
    s.pflicht = m_pflicht;
    return s;
}

void LessonState::setSettings(const Settings &s)
{
    const bool switches = m_check1 != (s.check1 == 1) || m_check2 != (s.check2 == 1)
                          || m_check3 != (s.check3 == 1) || m_check5 != (s.check5 == 1);
    m_check1 = s.check1 == 1;
    m_check2 = s.check2 == 1;
    m_check3 = s.check3 == 1;
    m_check5 = s.check5 == 1;
    if (switches)
        emit switchesChanged();
    setPflicht(s.pflicht);
}

} // namespace duplikon
