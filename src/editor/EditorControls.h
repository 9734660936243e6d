// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/PictureLoader.h"

#include <QColor>
#include <QRect>
#include <QFont>
#include <QString>

class QFrame;
class QWidget;

namespace duplikon {

class ClickLabel;
class ListBox;
class PictureBox;

// The controls of the editor window as designed: positions and sizes in twips.
ClickLabel *editorLabel(QWidget *parent, const char *name, const QString &text, const QRect &twips,
                        const QColor &background, const QColor &foreground, const QFont &font);
// A list in 9.75 point bold with a plain frame; works for ListBox and FileListBox.
void styleEditorList(ListBox *list, const char *name, const QRect &twips, const QColor &background,
                     const QColor &foreground);
QFrame *editorShape(QWidget *parent, const char *name, const QRect &twips);
PictureBox *editorPictureBox(QWidget *parent, const char *name, const QRect &twips, PictureFit fit);

} // namespace duplikon
