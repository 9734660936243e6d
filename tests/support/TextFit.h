// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>

class QWidget;

namespace duplikon::test {

// The texts cut in a window: each visible label, button, check box, radio button and group
// box title under window whose text needs more room than its control gives (the font's
// advance against the contents rectangle; a wrapping label by its height), one line each.
// Call it with the language x-test on, at 100 % and 200 %, for each window a test shows.
QStringList cutTexts(const QWidget *window);

} // namespace duplikon::test
