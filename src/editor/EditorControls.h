// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "pictures/PictureBox.h"
#include "editor/FittedLabel.h"
#include "platform/ClickLabel.h"
#include "platform/Colours.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/ListBox.h"

#include <QRect>

// The controls of the editor window: positions and sizes in twips.
namespace duplikon {

inline void placeTwips(QWidget *w, const QRect &twips)
{
    placeTwips(w, twips.x(), twips.y(), twips.width(), twips.height());
}

inline ClickLabel *editorLabel(QWidget *parent, const char *name, const QString &text, const QRect &twips,
                               const QColor &background, const QColor &foreground, const QFont &font)
{
    auto *label = new FittedLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setDesignFont(font);
    setBackground(label, background);
    setForeground(label, foreground);
    placeTwips(label, twips);
    return label;
}

// A list in 9.75 point bold with a plain frame; works for ListBox and FileListBox.
inline void styleEditorList(ListBox *list, const char *name, const QRect &twips, const QColor &background,
                            const QColor &foreground)
{
    list->setObjectName(QLatin1String(name));
    list->setFont(designFont(9.75));
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setTextElideMode(Qt::ElideNone);
    list->setFrameShape(QFrame::Box);
    list->setLineWidth(1);
    setBackground(list, background);
    setForeground(list, foreground);
    placeTwips(list, twips);
}

inline QFrame *editorShape(QWidget *parent, const char *name, const QRect &twips)
{
    auto *shape = new QFrame(parent);
    shape->setObjectName(QLatin1String(name));
    shape->setFrameShape(QFrame::Box);
    shape->setLineWidth(1);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTwips(shape, twips);
    return shape;
}

inline PictureBox *editorPictureBox(QWidget *parent, const char *name, const QRect &twips, PictureFit fit)
{
    auto *box = new PictureBox(parent, fit);
    box->setObjectName(QLatin1String(name));
    setBackground(box, kSystemWindow);
    placeTwips(box, twips);
    return box;
}

} // namespace duplikon
