// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FittedLabel.h"

#include <QFontMetrics>

namespace duplikon {

void FittedLabel::setDesignFont(const QFont &font)
{
    m_design = font;
    setFont(font);
}

void FittedLabel::paintEvent(QPaintEvent *event)
{
    QFont fitted = m_design;
    const QRect room = contentsRect();
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    for (qreal size = m_design.pointSizeF(); size >= 6; size -= 0.5) {
        fitted.setPointSizeF(size);
        const QRect needed = QFontMetrics(fitted).boundingRect(room, flags, text());
        if (needed.width() <= room.width() && needed.height() <= room.height())
            break;
    }
    if (font() != fitted)
        setFont(fitted); // back to the design size as soon as the text fits again
    ClickLabel::paintEvent(event);
}

} // namespace duplikon
