// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestInput.h"

#include "platform/InWindowDrag.h"

#include <QtTest>

namespace duplikon::test {

void mouseDrag(QWidget *from, QWidget *to, const InWindowDrag *drag)
{
    const QPoint start(20, 20);
    QTest::mousePress(from, Qt::LeftButton, {}, start);
    const QPoint over = to->mapTo(from->window(), QPoint(30, 40)) - from->mapTo(from->window(), QPoint(0, 0));
    QTest::mouseMove(from, (start + over) / 2);
    QVERIFY(drag->outlineVisible());
    QTest::mouseMove(from, over);
    QTest::mouseRelease(from, Qt::LeftButton, {}, over);
    QVERIFY(!drag->outlineVisible());
}

} // namespace duplikon::test
