// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QWidget>

namespace duplikon {

// Colours are stored and compared as the Windows numbers: 0x00BBGGRR, or a
// system colour with the top bit set (0x80000005 is the window background).
using ColourValue = qint32;

constexpr ColourValue kSystemWindow = qint32(0x80000005u);
constexpr ColourValue kSystemDesktop = qint32(0x80000001u);
constexpr ColourValue kSystemInactiveCaptionText = qint32(0x80000013u);
constexpr ColourValue kSystem3DHighlight = qint32(0x80000014u);
constexpr ColourValue kSystemWindowText = qint32(0x80000008u);

constexpr ColourValue rgbValue(int r, int g, int b) { return ColourValue(r | (g << 8) | (b << 16)); }

// The colour to paint for a stored value; system colours come from the palette.
QColor toQColor(ColourValue value);

// Sets the background (and keeps the text colour) of a plain widget or label.
void setBackground(QWidget *w, ColourValue value);
void setBackground(QWidget *w, const QColor &colour);
void setForeground(QWidget *w, const QColor &colour);

} // namespace duplikon
