// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorControls.h"

#include "platform/ClickLabel.h"
#include "platform/Colours.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"

namespace duplikon {

namespace {
void place(QWidget *w, const QRect &twips)
{
    placeTwips(w, twips.x(), twips.y(), twips.width(), twips.height());
}
} // namespace

ClickLabel *editorLabel(QWidget *parent, const char *name, const QString &text, const QRect &twips,
                        const QColor &background, const QColor &foreground, const QFont &font)
{
    auto *label = new ClickLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    setBackground(label, background);
    setForeground(label, foreground);
    place(label, twips);
    return label;
}

void styleEditorList(ListBox *list, const char *name, const QRect &twips, const QColor &background,
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
    place(list, twips);
}

QFrame *editorShape(QWidget *parent, const char *name, const QRect &twips)
{
    auto *shape = new QFrame(parent);
    shape->setObjectName(QLatin1String(name));
    shape->setFrameShape(QFrame::Box);
    shape->setLineWidth(1);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    place(shape, twips);
    return shape;
}

PictureBox *editorPictureBox(QWidget *parent, const char *name, const QRect &twips, PictureFit fit)
{
    auto *box = new PictureBox(parent, fit);
    box->setObjectName(QLatin1String(name));
    setBackground(box, kSystemWindow);
    place(box, twips);
    return box;
}

} // namespace duplikon
