// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging a control onto another control of the same window, by mouse and by
// finger, the way the child plays the board.
#include "platform/InWindowDrag.h"

#include <QLabel>
#include <QPointingDevice>
#include <QWindow>
#include <QtTest>

using namespace duplikon;

namespace {

// A window with two cells that are sources and targets, a label that is
// neither, and an empty area.
struct DragWindow {
    QWidget window;
    QLabel *a = nullptr;
    QLabel *b = nullptr;
    QLabel *other = nullptr;
    InWindowDrag *drag = nullptr;
    QList<QPair<QWidget *, QWidget *>> drops;

    DragWindow()
    {
        window.resize(400, 300);
        a = new QLabel(QStringLiteral("Hund"), &window);
        a->setGeometry(10, 10, 161, 121);
        b = new QLabel(QStringLiteral("Katze"), &window);
        b->setGeometry(200, 10, 161, 121);
        other = new QLabel(QStringLiteral("Punkte"), &window);
        other->setGeometry(10, 200, 161, 40);
        drag = new InWindowDrag(&window);
        QObject::connect(drag, &InWindowDrag::dropped, [this](QWidget *s, QWidget *t) { drops.append(qMakePair(s, t)); });
        for (QLabel *cell : {a, b}) {
            drag->addSource(cell);
            drag->addTarget(cell);
        }
        window.show();
        window.activateWindow();
    }

    QWindow *handle() const { return window.windowHandle(); }
    QPoint centre(QWidget *w) const { return w->geometry().center(); }

    void press(const QPoint &p) { QTest::mousePress(handle(), Qt::LeftButton, {}, p); }
    void move(const QPoint &p) { QTest::mouseMove(handle(), p); }
    void release(const QPoint &p) { QTest::mouseRelease(handle(), Qt::LeftButton, {}, p); }
};

using Drop = QPair<QWidget *, QWidget *>;

} // namespace

class InWindowDragTest : public QObject {
    Q_OBJECT

private slots:
    void dragOntoATargetDropsThere()
    {
        DragWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.press(w.centre(w.a));
        QVERIFY(w.drag->isDragging());
        QCOMPARE(w.drag->source(), w.a);
        w.move(w.centre(w.a) + QPoint(60, 5));
        w.move(w.centre(w.b));
        QVERIFY(w.drops.isEmpty()); // nothing happens before the release
        w.release(w.centre(w.b));
        QCOMPARE(w.drops, QList<Drop>({{w.a, w.b}}));
        QVERIFY(!w.drag->isDragging());

        // and the other way round
        w.press(w.centre(w.b));
        w.move(w.centre(w.a));
        w.release(w.centre(w.a) + QPoint(70, 50)); // near the corner still counts
        QCOMPARE(w.drops.last(), Drop(w.b, w.a));
        QCOMPARE(w.drops.size(), 2);
    }

    void aPlainClickDropsOnItself()
    {
        DragWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QTest::mouseClick(w.handle(), Qt::LeftButton, {}, w.centre(w.a));
        QCOMPARE(w.drops, QList<Drop>({{w.a, w.a}}));
    }

    void aReleaseOutsideEveryTargetDropsNothing()
    {
        DragWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        const QList<QPoint> places = {
            w.centre(w.other),          // a control that takes no drop
            QPoint(390, 290),           // an empty place of the window
            QPoint(500, 100),           // right of the window
            QPoint(100, -40),           // above the window
        };
        for (const QPoint &p : places) {
            w.press(w.centre(w.a));
            w.move(p);
            w.release(p);
            QVERIFY(!w.drag->isDragging());
            QVERIFY(!w.drag->outlineVisible());
        }
        QVERIFY(w.drops.isEmpty());

        // a hidden target takes no drop either
        w.b->hide();
        w.press(w.centre(w.a));
        w.move(w.centre(w.b));
        w.release(w.centre(w.b));
        QVERIFY(w.drops.isEmpty());
    }

    void theOutlineFollowsThePointerWhileDragging()
    {
        DragWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QVERIFY(!w.drag->outlineVisible());
        w.press(w.centre(w.a));
        QVERIFY(w.drag->outlineVisible());
        QWidget *outline = nullptr;
        for (QWidget *c : w.window.findChildren<QWidget *>())
            if (c != w.a && c != w.b && c != w.other && c->isVisible())
                outline = c;
        QVERIFY(outline);
        QCOMPARE(outline->geometry(), w.a->geometry());
        w.move(w.centre(w.a) + QPoint(30, 40));
        QCOMPARE(outline->geometry(), w.a->geometry().translated(30, 40));
        QCOMPARE(outline->size(), w.a->size());
        w.release(w.centre(w.a) + QPoint(30, 40));
        QVERIFY(!w.drag->outlineVisible());
        QVERIFY(!outline->isVisible());
        QCOMPARE(w.a->geometry(), QRect(10, 10, 161, 121)); // the cell itself never moves
    }

    void losingTheWindowEndsTheDrag()
    {
        DragWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.press(w.centre(w.a));
        w.move(w.centre(w.a) + QPoint(20, 0));
        QVERIFY(w.drag->outlineVisible());

        QWidget other;
        other.resize(100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_VERIFY(!w.drag->outlineVisible());
        QVERIFY(!w.drag->isDragging());

        // the release that comes later, back in the window, drops nothing
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.release(w.centre(w.b));
        QVERIFY(w.drops.isEmpty());

        // and the next drag works as usual
        w.press(w.centre(w.a));
        w.move(w.centre(w.b));
        w.release(w.centre(w.b));
        QCOMPARE(w.drops, QList<Drop>({{w.a, w.b}}));
    }

    void aFingerDragsLikeTheMouse()
    {
        DragWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QPointingDevice *screen = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);

        QTest::touchEvent(w.handle(), screen).press(0, w.centre(w.b));
        QVERIFY(w.drag->isDragging());
        QVERIFY(w.drag->outlineVisible());
        QTest::touchEvent(w.handle(), screen).move(0, w.centre(w.b) - QPoint(60, 0));
        QTest::touchEvent(w.handle(), screen).move(0, w.centre(w.a));
        QTest::touchEvent(w.handle(), screen).release(0, w.centre(w.a));
        QCOMPARE(w.drops, QList<Drop>({{w.b, w.a}}));
        QVERIFY(!w.drag->outlineVisible());

        // a tap is a drop on itself; a finger lifted outside drops nothing
        QTest::touchEvent(w.handle(), screen).press(0, w.centre(w.a));
        QTest::touchEvent(w.handle(), screen).release(0, w.centre(w.a));
        QCOMPARE(w.drops.last(), Drop(w.a, w.a));
        QTest::touchEvent(w.handle(), screen).press(0, w.centre(w.a));
        QTest::touchEvent(w.handle(), screen).move(0, w.centre(w.other));
        QTest::touchEvent(w.handle(), screen).release(0, w.centre(w.other));
        QCOMPARE(w.drops.size(), 2);
        QVERIFY(!w.drag->isDragging());
    }
};

QTEST_MAIN(InWindowDragTest)
#include "InWindowDragTest.moc"
