// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>

class QWidget;

namespace duplikon::test {

// The texts cut in a window, one line each: every visible label, button, check box, radio button
// and group box title whose text needs more room than its contents rectangle (a wrapping label:
// its height). Call it with the language x-test on, at 100 % and 200 %, for each window shown.
QStringList cutTexts(const QWidget *window);

} // namespace duplikon::test
