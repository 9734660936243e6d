// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QRect>
#include <QWidget>

namespace duplikon {

// 15 twips are one logical pixel (96 dpi).
constexpr int kTwipsPerPixel = 15;
// The visible client area of the main window and the editor is 12960 twips wide:
// anything at Left 13080 or more is parked out of view.
constexpr int kVisibleWidthTwips = 12960;
// Where a panel is parked: the main window's panels, and the editor's large preview.
constexpr int kParkedLeft = 13200;
constexpr int kEditorParkedLeft = 13080;

inline int px(int twips) { return twips / kTwipsPerPixel; }
inline int twips(int pixels) { return pixels * kTwipsPerPixel; }

// Places a control at Left, Top, Width, Height given in twips.
inline void placeTwips(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(px(left), px(top), px(width), px(height));
}

inline int leftTwips(const QWidget *w) { return twips(w->x()); }

// Moves a panel to a Left in twips. A panel parked outside the visible area
// is also hidden, so it takes no focus and no clicks.
inline void moveLeftTwips(QWidget *w, int left)
{
    w->move(px(left), w->y());
    w->setVisible(left < kVisibleWidthTwips);
    if (w->isVisible())
        w->raise();
}

} // namespace duplikon
