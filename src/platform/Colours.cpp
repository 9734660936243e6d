// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Colours.h"

#include <QApplication>
#include <QPalette>

namespace duplikon {

QColor toQColor(ColourValue value)
{
    const quint32 v = quint32(value);
    if (v & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (v & 0xFFu) {
        case 0x01: return QColor(58, 110, 165);                 // desktop
        case 0x05: return pal.color(QPalette::Active, QPalette::Base); // window background
        case 0x08: return pal.color(QPalette::Active, QPalette::Text); // window text
        case 0x0F: return pal.color(QPalette::Active, QPalette::Button); // 3D face
        case 0x13: return QColor(212, 208, 200);                // inactive caption text
        case 0x14: return pal.color(QPalette::Active, QPalette::Light); // 3D highlight
        default: return pal.color(QPalette::Active, QPalette::Window);
        }
    }
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

void setBackground(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::Base, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void setBackground(QWidget *w, ColourValue value)
{
    setBackground(w, toQColor(value));
}

void setForeground(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Text, colour);
    pal.setColor(QPalette::ButtonText, colour);
    w->setPalette(pal);
}

} // namespace duplikon
