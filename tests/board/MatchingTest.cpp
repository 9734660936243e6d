// SPDX-License-Identifier: GPL-3.0-or-later
// Playing a task: drops, points, completion and the solution picture.
#include "FakePlatform.h"
#include "ProgramFolder.h"

#include "app/MainWindow.h"
#include "app/TaskChoice.h"
#include "board/Board.h"
#include "board/BoardKeyboard.h"
#include "board/SolutionPicture.h"
#include "lesson/LessonRules.h"
#include "lesson/SettingsPanel.h"
#include "pictures/PictureBox.h"
#include "platform/InWindowDrag.h"
#include "platform/ListBox.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

namespace {
// With every random number 0 each line is inserted in front: the cells show
// the used lines in reverse order (cell 1 = last line, cell N = first line).
struct Game {
    ProgramFolder pf;
    FakePlatform fp;
    std::unique_ptr<MainWindow> w;

    explicit Game(const QStringList &task, int pictures = 0)
    {
        pf.writeTask(QStringLiteral("AUFGABE.TXT"), task);
        pf.writePicture(QStringLiteral("Hund.bmp"), Qt::red);
        for (int i = 0; i < pictures; ++i)
            pf.writePicture(QStringLiteral("DUPBILDER/Bild%1.bmp").arg(i), QColor::fromHsv(40 * i, 200, 200), QSize(833, 505));
        if (pictures == 0)
            pf.makeFolder(QStringLiteral("DUPBILDER"));
        w = std::make_unique<MainWindow>(fp.platform(), pf.path());
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("main window not exposed");
        w->taskChoice()->Command1_Click();
        fp.dialogs.clear();
    }
    Board *board() const { return w->board(); }
    // The visible control of cell n.
    QWidget *cell(int n) const
    {
        return board()->picture(n)->isHidden() ? static_cast<QWidget *>(board()->label(n)) : board()->picture(n);
    }
    // A real drag with the mouse from cell a to cell b.
    void drag(int a, int b) const
    {
        QWidget *src = cell(a);
        QWidget *dst = cell(b);
        const QPoint start(20, 20);
        QTest::mousePress(src, Qt::LeftButton, {}, start);
        const QPoint over = dst->mapTo(src->window(), QPoint(30, 40)) - src->mapTo(src->window(), QPoint(0, 0));
        QTest::mouseMove(src, (start + over) / 2);
        QVERIFY(board()->drag()->outlineVisible());
        QTest::mouseMove(src, over);
        QTest::mouseRelease(src, Qt::LeftButton, {}, over);
        QVERIFY(!board()->drag()->outlineVisible());
    }
    QPushButton *punkte() const { return child<QPushButton>(w.get(), "punkte"); }
    QString points() const { return punkte()->text(); }
};

const QStringList kTwoPairs = {QStringLiteral("Hund"), QStringLiteral("Hund.bmp"), QStringLiteral("Katze"),
                               QStringLiteral("Mieze")};
} // namespace

class MatchingTest : public QObject {
    Q_OBJECT

private slots:
    void matchByEitherDirectionHidesBothAndAddsAPoint()
    {
        Game g(kTwoPairs);
        // cells: 1 Mieze, 2 Katze, 3 Hund.bmp, 4 Hund
        QCOMPARE(g.board()->List3(), (QStringList{"B_Mieze", "B_Katze", "A_Hund.bmp", "A_Hund"}));
        QVERIFY(!g.board()->picture(3)->isHidden());
        QCOMPARE(g.board()->picture(3)->accessibleName(), QStringLiteral("Hund"));
        QCOMPARE(g.board()->picture(3)->accessibleDescription(), QStringLiteral("Bild, Reihe 1, Spalte 3"));
        QCOMPARE(g.board()->label(4)->accessibleDescription(), QStringLiteral("Reihe 1, Spalte 4"));
        g.drag(4, 3);
        QVERIFY(g.board()->label(4)->isHidden());
        QVERIFY(g.board()->picture(3)->isHidden());
        QCOMPARE(g.points(), QStringLiteral(" 1 Punkte"));
        g.drag(1, 2); // the other direction of a pair
        QCOMPARE(g.points(), QStringLiteral(" 2 Punkte"));
    }

    void wrongDropsSelfDropsAndDropsOutsideChangeNothing()
    {
        Game g(kTwoPairs);
        g.drag(1, 3);                     // other pair
        g.drag(2, 2);                     // onto itself
        QTest::mouseClick(g.cell(1), Qt::LeftButton); // a plain click
        // Released over the button strip, and outside the window.
        QWidget *src = g.cell(4);
        QTest::mousePress(src, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(src, Qt::LeftButton, {}, g.punkte()->mapTo(g.w.get(), QPoint(5, 5)) - src->mapTo(g.w.get(), QPoint(0, 0)));
        QTest::mousePress(src, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(src, Qt::LeftButton, {}, QPoint(-500, -500));
        QCOMPARE(g.board()->hiddenControls(), 40 - 4);
        QCOMPARE(g.points(), QStringLiteral(" 0 Punkte"));
        QVERIFY(g.fp.dialogs.shown.isEmpty());
        QVERIFY(!g.board()->drag()->outlineVisible());
        // The cells never move.
        QCOMPARE(g.cell(4)->pos(), QPoint(520, 16));
    }

    void pairsMatchByKeyNeverByText()
    {
        // Equal texts in different pairs do not match; the two equal halves of one pair do.
        Game g({QStringLiteral("Ball"), QStringLiteral("Ball"), QStringLiteral("rund"), QStringLiteral("Ball"),
                QStringLiteral("einsam")});
        // cells: 1 einsam(C), 2 Ball(B), 3 rund(B), 4 Ball(A), 5 Ball(A)
        g.drag(2, 4);
        QCOMPARE(g.points(), QStringLiteral(" 0 Punkte"));
        g.drag(4, 5);
        QCOMPARE(g.points(), QStringLiteral(" 1 Punkte"));
        // The odd half never matches anything.
        g.drag(1, 2);
        g.drag(1, 3);
        QCOMPARE(g.points(), QStringLiteral(" 1 Punkte"));
    }

    void touchDragMatchesLikeTheMouseAndASecondFingerChangesNothing()
    {
        Game g(kTwoPairs);
        QPointingDevice *touch = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
        QWidget *win = g.w->window();
        const auto at = [&](int n, QPoint p) { return g.cell(n)->mapTo(win, p); };
        const QPoint from = at(4, {20, 20});
        const QPoint to = at(3, {40, 40});
        QTest::touchEvent(win, touch).press(0, from, win);
        QTest::touchEvent(win, touch).move(0, (from + to) / 2, win);
        // A second finger taps a cell and is dragged onto its partner meanwhile.
        QTest::touchEvent(win, touch).stationary(0).press(1, at(1, {30, 30}), win);
        QTest::touchEvent(win, touch).stationary(0).move(1, at(2, {30, 30}), win);
        QTest::touchEvent(win, touch).stationary(0).release(1, at(2, {30, 30}), win);
        QCOMPARE(g.points(), QStringLiteral(" 0 Punkte"));
        QVERIFY(g.board()->drag()->isDragging());
        QCOMPARE(g.board()->drag()->source(), g.cell(4));
        QTest::touchEvent(win, touch).move(0, to, win);
        QTest::touchEvent(win, touch).release(0, to, win);
        QCOMPARE(g.points(), QStringLiteral(" 1 Punkte"));
        QVERIFY(g.board()->picture(3)->isHidden());
        QVERIFY(g.board()->label(4)->isHidden());
        QVERIFY(!g.board()->label(1)->isHidden() && !g.board()->label(2)->isHidden());
        QVERIFY(!g.board()->drag()->outlineVisible());
    }

    void keysPlayBesideTheMouseAndGiveWayToPanels()
    {
        Game g(kTwoPairs); // cells: 1 Mieze, 2 Katze, 3 Hund.bmp, 4 Hund
        QVERIFY(QTest::qWaitForWindowActive(g.w.get()));
        BoardKeyboard *keys = g.board()->keyboard();
        const auto focused = [&] { return g.w->focusWidget(); };
        const auto key = [&](Qt::Key k) { QTest::keyClick(focused(), k); };
        // With the panel gone the board has the focus; its frame waits for a key.
        QCOMPARE(focused(), g.cell(1));
        QVERIFY(!keys->frameVisible());
        key(Qt::Key_Left); // at the edge the focus stays
        QCOMPARE(focused(), g.cell(1));
        QVERIFY(keys->frameVisible());

        // A mouse press puts a picked-up cell back; picking up by key ends a mouse drag.
        key(Qt::Key_Space);
        QCOMPARE(keys->carried(), g.cell(1));
        QTest::mousePress(g.cell(3), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!keys->carried() && !keys->frameVisible());
        key(Qt::Key_Return);
        QVERIFY(!g.board()->drag()->isDragging());
        QTest::mouseRelease(g.cell(3), Qt::LeftButton, {}, g.cell(4)->pos() - g.cell(3)->pos() + QPoint(9, 9));
        QCOMPARE(g.points(), QStringLiteral(" 0 Punkte"));
        QCOMPARE(keys->carried(), g.cell(1));

        // A match: the focus goes on to the next cell, which tells the points.
        key(Qt::Key_Right);
        key(Qt::Key_Space);
        QCOMPARE(g.points(), QStringLiteral(" 1 Punkte"));
        QCOMPARE(focused(), g.cell(3));
        QCOMPARE(g.cell(3)->accessibleDescription(), QStringLiteral("Richtig! 1 Punkte, Bild, Reihe 1, Spalte 3"));
        // Tab leaves the board after its last cell, and Shift+Tab comes back.
        key(Qt::Key_Tab);
        QCOMPARE(focused(), g.cell(4));
        key(Qt::Key_Tab);
        QCOMPARE(g.board()->cellNumber(focused()), 0);
        QVERIFY(!keys->frameVisible());
        key(Qt::Key_Backtab);
        QCOMPARE(focused(), g.cell(4));
        // The last pair: completion as after a mouse drop, the focus on the points.
        key(Qt::Key_Space);
        key(Qt::Key_Left);
        key(Qt::Key_Space);
        QCOMPARE(g.points(), QStringLiteral(" 2 Punkte"));
        QCOMPARE(g.fp.dialogs.titles(), QStringList{QStringLiteral("Kontrolle")});
        QCOMPARE(focused(), g.punkte());

        // A panel over the board takes its cells out of the focus chain; when it goes, the board takes the focus.
        g.board()->AufgabeLaden(QStringLiteral("AUFGABE.TXT"));
        QCOMPARE(focused(), g.cell(1));
        g.w->taskChoice()->showPanel();
        QCOMPARE(g.cell(1)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(g.board()->cellNumber(focused()), 0);
        g.w->taskChoice()->parkPanel();
        QCOMPARE(focused(), g.cell(1));
    }

    void losingTheWindowDuringADragLeavesNoOutline()
    {
        Game g(kTwoPairs);
        QWidget *src = g.cell(4);
        QTest::mousePress(src, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(src, QPoint(60, 60));
        QVERIFY(g.board()->drag()->outlineVisible());
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(g.w->centralWidget(), &deactivate);
        QVERIFY(!g.board()->drag()->outlineVisible());
        QVERIFY(!g.board()->drag()->isDragging());
        QCOMPARE(g.points(), QStringLiteral(" 0 Punkte"));
    }

    void completionLogsAdvancesTheQueueShowsThePictureAndPraises()
    {
        Game g(kTwoPairs, 1);
        child<ListBox>(g.w.get(), "pflicht")->addItem(QStringLiteral("ANDERE.TXT"));
        child<QCheckBox>(g.w.get(), "Check1")->setChecked(true);
        g.w->lesson()->setAufgabe({QStringLiteral("ANDERE.TXT"), QStringLiteral("AUFGABE.TXT")});
        QStringList order;
        g.fp.dialogs.onShow = [&](const ShownDialog &d) {
            order << d.title;
            // At the praise the log, the queue and the picture are already done.
            QCOMPARE(g.w->lesson()->aufgabe(), QStringList{QStringLiteral("AUFGABE.TXT")});
            QVERIFY(g.w->solution()->shown());
        };
        auto *loesungsbild = child<PictureBox>(g.w.get(), "loesungsbild");
        g.drag(4, 3);
        QVERIFY(order.isEmpty());
        g.drag(2, 1);
        QCOMPARE(order, QStringList{QStringLiteral("Kontrolle")});
        QCOMPARE(g.fp.dialogs.shown.last().text,
                 QStringLiteral("Prima, du hast die Aufgabe gelöst.\rWähle dir eine neue Aufgabe aus!\rKlicke dazu im Menü auf 'Laden' ...\r"));
        QCOMPARE(loesungsbild->x() * 15, 240);
        QCOMPARE(loesungsbild->size(), QSize(833, 505));
        QCOMPARE(g.points(), QStringLiteral(" 2 Punkte"));
        // "Laden" parks and clears the picture; the points stay.
        g.fp.dialogs.onShow = nullptr;
        child<QAction>(g.w.get(), "menu2")->trigger();
        QVERIFY(!g.w->solution()->shown());
        QVERIFY(!loesungsbild->hasPicture());
        QCOMPARE(g.points(), QStringLiteral(" 2 Punkte"));
    }

    void theShortListStaysInFrontOfTheSolutionPicture()
    {
        // the short list is open when the last pair is matched
        Game g(kTwoPairs, 1);
        g.drag(2, 1);
        child<QCheckBox>(g.w.get(), "Check2")->setChecked(true);
        child<QAction>(g.w.get(), "menu2")->trigger();
        auto *list5 = child<ListBox>(g.w.get(), "List5");
        QVERIFY(g.w->taskChoice()->shortListShown());
        g.drag(4, 3); // cells 3 and 4 lie beside the list
        QVERIFY(g.w->solution()->shown());
        QWidget *client = g.w->centralWidget();
        const QPoint onList = list5->geometry().center();
        QVERIFY(list5->isAncestorOf(client->childAt(onList)));
        // the picture covers the rest of the board
        QCOMPARE(client->childAt(g.cell(5)->geometry().center())->objectName(), QStringLiteral("loesungsbild"));
    }

    void pointsAccumulateOverTasks()
    {
        Game g(kTwoPairs);
        for (int round = 0; round < 2; ++round) {
            g.board()->AufgabeLaden(QStringLiteral("AUFGABE.TXT"));
            g.drag(4, 3);
            g.drag(1, 2);
        }
        QCOMPARE(g.points(), QStringLiteral(" 4 Punkte"));
        // No solution pictures: only the praise, twice.
        QCOMPARE(g.fp.dialogs.titles(), (QStringList{QStringLiteral("Kontrolle"), QStringLiteral("Kontrolle")}));
    }

    void everyPictureOnceBeforeAnyRepeats()
    {
        Game g(kTwoPairs, 3);
        SolutionPicture *s = g.w->solution();
        QSet<QString> seen;
        for (int i = 0; i < 3; ++i) {
            g.fp.random.values = {0.99};
            const QStringList before = s->List8().isEmpty() ? s->File3() : s->List8();
            s->LoesungsbildZeigen();
            const QString shown = child<PictureBox>(g.w.get(), "loesungsbild")->accessibleName();
            QVERIFY(before.contains(shown));
            QVERIFY(!seen.contains(shown));
            seen.insert(shown);
        }
        QCOMPARE(seen.size(), 3);
        QVERIFY(s->List8().isEmpty());
        s->LoesungsbildZeigen(); // the pool fills again
        QCOMPARE(s->List8().size(), 2);
    }

    void unreadableSolutionPictureStaysInThePool()
    {
        Game g(kTwoPairs, 0);
        g.pf.write(QStringLiteral("DUPBILDER/Kaputt.jpg"), "garbage");
        // The folder is read at start-up: start again with the damaged picture in it.
        g.w.reset();
        g.w = std::make_unique<MainWindow>(g.fp.platform(), g.pf.path());
        g.fp.dialogs.clear();
        SolutionPicture *s = g.w->solution();
        s->LoesungsbildZeigen();
        QCOMPARE(g.fp.dialogs.titles(), QStringList{QStringLiteral("Bildfehler")});
        QCOMPARE(g.fp.dialogs.shown.first().text, QStringLiteral("Es ist kein Lösungbild (PAARE*.*) vorhanden!\r\r"));
        QCOMPARE(s->List8(), QStringList{QStringLiteral("Kaputt.jpg")});
        QVERIFY(!s->shown());
    }
};

QTEST_MAIN(MatchingTest)
#include "MatchingTest.moc"
