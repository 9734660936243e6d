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
        const QFontMetrics metrics(fitted);
        const QRect needed = metrics.boundingRect(room, flags, text());
        // One line fits when its letters do: some scripts' fonts (Arabic's)
        // have a line height far above their letters.
        const int height = wordWrap() || text().contains(QLatin1Char('\n'))
            ? needed.height()
            : metrics.tightBoundingRect(text()).height();
        if (needed.width() <= room.width() && height <= room.height())
            break;
    }
    if (font() != fitted)
        setFont(fitted); // back to the design size as soon as the text fits again
    ClickLabel::paintEvent(event);
}

} // namespace duplikon
