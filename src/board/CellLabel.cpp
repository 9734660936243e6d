// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/CellLabel.h"

#include "pictures/SoundHalf.h"

#include <QPainter>

namespace duplikon {

void CellLabel::showSound(bool crossed)
{
    m_sound = true;
    m_crossed = crossed;
    setText(QString());
    update();
}

void CellLabel::clearSound()
{
    if (!m_sound)
        return;
    m_sound = false;
    m_crossed = false;
    update();
}

void CellLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_sound)
        return;
    QPainter painter(this);
    // A little in from the frame, so the symbol never touches it.
    const QRect area = contentsRect().adjusted(6, 6, -6, -6);
    drawSoundSymbol(painter, area, palette().color(foregroundRole()), m_crossed);
}

} // namespace duplikon
