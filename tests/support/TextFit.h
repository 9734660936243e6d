// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>

class QWidget;

namespace duplikon::test {

// The texts cut in a window: every visible label, button, check box, radio
// button, group box title and menu bar entry under window whose text needs
// more room than its control gives it (the font's advance against the
// contents rectangle; a wrapping label by its height). One line each,
// "objectName (class): text". Empty when everything fits. Call it with the
// language x-test on, at 100 % and 200 %, for each window a test shows.
QStringList cutTexts(const QWidget *window);

} // namespace duplikon::test
