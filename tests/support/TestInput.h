// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace duplikon {
class InWindowDrag;
}

namespace duplikon::test {

// A real drag with the mouse from one control onto another, through the
// window's in-window drag, which shows its outline on the way.
void mouseDrag(QWidget *from, QWidget *to, const InWindowDrag *drag);

} // namespace duplikon::test
