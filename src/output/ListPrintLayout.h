// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>
#include <QList>
#include <QStringList>

class QPainter;
class QPaintDevice;

namespace duplikon {

// The lines of a printed task list on one page: Verdana 18 point from the
// top-left corner, one line per half. When the lines would run off the page
// the type gets smaller until they fit, so that no half is lost.
struct ListPageLayout {
    QFont font;           // pixel size for the device
    QList<int> baselines; // the baseline of each line, in device pixels from the top
};

ListPageLayout listPageLayout(int lineCount, const QPaintDevice *device, double devicePerTwip);

// Draws the lines in black by that layout.
void drawListPage(QPainter &painter, const QStringList &lines, double devicePerTwip);

} // namespace duplikon
