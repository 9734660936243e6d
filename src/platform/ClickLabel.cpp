// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClickLabel.h"

#include "platform/KeyboardAccess.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace duplikon {

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    if (isPressKey(event) && !event->isAutoRepeat()) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    const QChar letter = altLetter(this);
    if (!KeyboardStyle::altHeld() || letter.isNull() || !text().contains(letter, Qt::CaseInsensitive)) {
        QLabel::paintEvent(event);
    } else {
        // The caption as the label draws it, with its letter underlined.
        QPainter p(this);
        drawFrame(&p);
        QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const int indent = this->indent() >= 0 ? this->indent()
                         : frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
        const Qt::Alignment align = alignment();
        r.adjust(align & Qt::AlignLeft ? indent : 0, align & Qt::AlignTop ? indent : 0,
                 align & Qt::AlignRight ? -indent : 0, align & Qt::AlignBottom ? -indent : 0);
        const int flags = int(QStyle::visualAlignment(layoutDirection(), align)) | Qt::TextShowMnemonic
                        | (wordWrap() ? Qt::TextWordWrap : 0);
        style()->drawItemText(&p, r, flags, palette(), isEnabled(), markedCaption(text(), letter), foregroundRole());
    }
    if (hasFocus()) {
        QPainter p(this);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace duplikon
