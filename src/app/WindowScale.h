// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/ClassroomConfig.h"

#include <QSize>

namespace duplikon {

// The window size Fenstergroesse becomes Qt's own scaling (QT_SCALE_FACTOR):
// every window, font and picture grows as a whole, and the layout in twips
// stays the same. Qt reads the factor when the application object is
// made, so a new size takes effect at the next start.

// The scale of "Bildschirm": the largest multiple of 0.25 at which a window
// of size `window` fits into `available`, and never below 1.
double screenScale(const QSize &available, const QSize &window);

// Sets QT_SCALE_FACTOR for the application object about to be made: the
// scale of `size` times any factor already in the environment (the desktop's
// own scaling multiplies with it, as Qt applies both). For "Bildschirm" a
// short-lived probe asks the primary screen, where the main window opens,
// for its available area. Call before the application object exists; with
// the size 100 nothing is changed. Returns the scale of `size`.
double prepareWindowScale(WindowSize size, int argc, char **argv);

} // namespace duplikon
