// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ActivationWatcher.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWidget>

namespace duplikon {

ActivationWatcher::ActivationWatcher(QWidget *window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

bool ActivationWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::WindowActivate || !watched->isWidgetType() || !m_window)
        return false;
    auto *w = static_cast<QWidget *>(watched);
    const Qt::WindowType type = w->windowType();
    if (!w->isWindow() || qobject_cast<QDialog *>(w) || type == Qt::Popup || type == Qt::ToolTip)
        return false;
    if (w != m_window) {
        if (!m_awaitingOwnActivation)
            m_otherWindowWasActive = true;
        return false;
    }
    m_awaitingOwnActivation = false;
    if (m_otherWindowWasActive && m_window->isVisible()) {
        m_otherWindowWasActive = false;
        emit activatedAfterOtherWindow();
    }
    return false;
}

void ActivationWatcher::reset()
{
    m_otherWindowWasActive = false;
    m_awaitingOwnActivation = m_window && !m_window->isActiveWindow();
}

} // namespace duplikon
