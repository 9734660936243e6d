// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/SolvedTaskLog.h"

namespace duplikon {

void SolvedTaskLog::append(const QString &task, const QString &timeText)
{
    m_names.append(task);
    m_times.append(timeText);
    emit appended(task, timeText);
}

void SolvedTaskLog::clear()
{
    if (m_names.isEmpty())
        return;
    m_names.clear();
    m_times.clear();
    emit cleared();
}

} // namespace duplikon
