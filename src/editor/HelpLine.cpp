// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/HelpLine.h"

#include <QLabel>

namespace duplikon {

HelpLine::HelpLine(QLabel *label) : QObject(label), m_label(label) {}

void HelpLine::push(const QString &message)
{
    m_pushed.append({m_label->text(), message});
    m_label->setText(message);
    m_label->repaint(); // work in progress may hold up the event loop
}

void HelpLine::pop()
{
    if (m_pushed.isEmpty())
        return;
    const Pushed top = m_pushed.takeLast();
    if (m_label->text() == top.message)
        m_label->setText(top.before);
}

} // namespace duplikon
