// SPDX-License-Identifier: GPL-3.0-or-later
// Playing a task on the board: drops by mouse, finger and keys, the points,
// sound halves.
#include "FakePlatform.h"
#include "ProgramFolder.h"
#include "TestInput.h"

#include "board/Board.h"
#include "board/BoardKeyboard.h"
#include "board/BoardState.h"
#include "board/CellLabel.h"
#include "pictures/PictureBox.h"
#include "platform/Geometry.h"
#include "platform/InWindowDrag.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

namespace {
// The board in a window of the main window's size, with its points button.
// With every random number 0 each line is inserted in front: the cells show
// the used lines in reverse order (cell 1 = last line, cell N = first line).
struct Game {
    ProgramFolder pf;
    FakePlatform fp;
    std::unique_ptr<QWidget> w = std::make_unique<QWidget>();
    Board *theBoard;
    QPushButton *button;

    explicit Game(const QStringList &task)
    {
        pf.writeTask(QStringLiteral("AUFGABE.TXT"), task);
        pf.writePicture(QStringLiteral("Hund.bmp"), Qt::red);
        w->setFixedSize(864, 576);
        theBoard = new Board(w.get(), fp.platform());
        theBoard->setProgramFolder(pf.folder());
        button = new QPushButton(QStringLiteral(" 0 Punkte"), w.get());
        placeTwips(button, 2760, 8160, 2415, 375);
        theBoard->setPointsButton(button);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            qWarning("window not exposed");
        theBoard->AufgabeLaden(readTask(theBoard->programFolder(), QStringLiteral("AUFGABE.TXT")).task);
    }
    Board *board() const { return theBoard; }
    // The visible control of cell n.
    QWidget *cell(int n) const
    {
        return board()->cellPicture(n - 1)->isHidden() ? static_cast<QWidget *>(board()->cellLabel(n - 1)) : board()->cellPicture(n - 1);
    }
    // A real drag with the mouse from cell a to cell b.
    void drag(int a, int b) const { mouseDrag(cell(a), cell(b), board()->drag()); }
    QPushButton *punkte() const { return button; }
    QString points() const { return punkte()->text(); }
};

// Pixels of a widget in colour.
int pixelsOf(QWidget *w, const QColor &colour)
{
    const QImage img = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

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
        QCOMPARE(g.board()->state()->List3(), (QStringList{"B_Mieze", "B_Katze", "A_Hund.bmp", "A_Hund"}));
        QVERIFY(!g.board()->cellPicture(2)->isHidden());
        QCOMPARE(g.board()->cellPicture(2)->accessibleName(), QStringLiteral("Hund"));
        QCOMPARE(g.board()->cellPicture(2)->accessibleDescription(), QStringLiteral("Bild, Reihe 1, Spalte 3"));
        QCOMPARE(g.board()->cellLabel(3)->accessibleDescription(), QStringLiteral("Reihe 1, Spalte 4"));
        g.drag(4, 3);
        QVERIFY(g.board()->cellLabel(3)->isHidden());
        QVERIFY(g.board()->cellPicture(2)->isHidden());
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
        QVERIFY(g.board()->cellPicture(2)->isHidden());
        QVERIFY(g.board()->cellLabel(3)->isHidden());
        QVERIFY(!g.board()->cellLabel(0)->isHidden() && !g.board()->cellLabel(1)->isHidden());
        QVERIFY(!g.board()->drag()->outlineVisible());
    }

    void losingTheWindowDuringADragLeavesNoOutline()
    {
        Game g(kTwoPairs);
        QWidget *src = g.cell(4);
        QTest::mousePress(src, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(src, QPoint(60, 60));
        QVERIFY(g.board()->drag()->outlineVisible());
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(g.w.get(), &deactivate);
        QVERIFY(!g.board()->drag()->outlineVisible());
        QVERIFY(!g.board()->drag()->isDragging());
        QCOMPARE(g.points(), QStringLiteral(" 0 Punkte"));
    }

    void tapsPickUpDropAndPutBackAsKeysDo()
    {
        Game g(kTwoPairs); // cells: 1 Mieze, 2 Katze, 3 Hund.bmp, 4 Hund
        BoardKeyboard *keys = g.board()->keyboard();
        keys->setTapPlay(true);
        const auto tap = [&](QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(30, 30)); };
        tap(g.cell(4));
        QCOMPARE(keys->carried(), g.cell(4));
        QVERIFY(g.board()->drag()->outlineVisible());
        QCOMPARE(g.cell(4)->accessibleDescription(), QStringLiteral("aufgenommen, Reihe 1, Spalte 4"));
        tap(g.cell(1)); // another pair
        QVERIFY(!keys->carried());
        QCOMPARE(g.cell(1)->accessibleDescription(), QStringLiteral("Passt nicht, Reihe 1, Spalte 1"));
        tap(g.cell(4));
        tap(g.cell(4)); // on itself
        QVERIFY(!keys->carried() && !g.board()->drag()->outlineVisible());
        // An empty place, a control, Escape, a menu, a panel and another window put it back.
        QFrame panel(g.w.get());
        panel.setGeometry(-500, 0, 100, 100);
        keys->addCover(&panel);
        QWidget other;
        const QList<std::function<void()>> causes = {
            [&] { QTest::mouseClick(g.w.get(), Qt::LeftButton, {}, QPoint(850, 400)); },
            [&] { QTest::mouseClick(g.punkte(), Qt::LeftButton); },
            [&] { QTest::keyClick(g.punkte(), Qt::Key_Escape); },
            [&] { QMenu menu; menu.addAction(QStringLiteral("x")); menu.popup(QPoint(0, 0)); menu.close(); },
            [&] { panel.move(0, 0); panel.show(); },
            [&] { other.show(); QApplication::setActiveWindow(&other); }};
        for (const auto &cause : causes) {
            panel.move(-500, 0);
            QApplication::setActiveWindow(g.w.get());
            tap(g.cell(3));
            QCOMPARE(keys->carried(), g.cell(3));
            cause();
            QVERIFY(!keys->carried());
        }
        panel.hide();
        other.close();
        QTest::qWait(20); // the window system's word on the other window comes first
        // A drag puts the picked-up cell back first and still matches.
        QApplication::setActiveWindow(g.w.get());
        QVERIFY(QTest::qWaitForWindowActive(g.w.get()));
        tap(g.cell(1));
        g.drag(4, 3);
        QVERIFY(!keys->carried());
        QCOMPARE(g.points(), QStringLiteral(" 1 Punkte"));
        // A match by taps; fingers tap as the mouse does, and a finger that
        // slides inside the cell (as on a whiteboard) still taps.
        QPointingDevice *touch = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
        const auto fingerTap = [&](int n, QPoint slide) {
            const QPoint at = g.cell(n)->mapTo(g.w.get(), QPoint(30, 30));
            QTest::touchEvent(g.w.get(), touch).press(0, at, g.w.get());
            QTest::touchEvent(g.w.get(), touch).move(0, at + slide, g.w.get());
            QTest::touchEvent(g.w.get(), touch).release(0, at + slide, g.w.get());
        };
        fingerTap(2, QPoint(0, 0));
        QCOMPARE(keys->carried(), g.cell(2));
        fingerTap(1, QPoint(15, 6));
        QVERIFY(!g.board()->drag()->isDragging());
        QCOMPARE(g.points(), QStringLiteral(" 2 Punkte"));
        QVERIFY(g.board()->state()->solved());
    }

    void soundHalvesShowTheLoudspeakerCrossedWhenTheyCannotPlayAndStillMatch()
    {
        // cells: 1 Maus.mp3 (damaged), 2 Maus, 3 Katze.ogg (missing), 4 Katze, 5 the WAV, 6 Hund
        Game g({QStringLiteral("Hund"), QStringLiteral("tiere\\HUND.WAV"), QStringLiteral("Katze"),
                QStringLiteral("Katze.ogg"), QStringLiteral("Maus"), QStringLiteral("Maus.mp3")});
        g.pf.write(QStringLiteral("Tiere/Hund.wav"), toneWave(100));
        g.pf.write(QStringLiteral("Maus.mp3"), QByteArray("kein Ton"));
        g.board()->AufgabeLaden(readTask(g.board()->programFolder(), QStringLiteral("AUFGABE.TXT")).task);
        const QString wav = g.pf.file(QStringLiteral("Tiere/Hund.wav"));
        QCOMPARE(g.fp.sound.prepared, QStringList{wav});
        QCOMPARE(g.board()->state()->cell(4).soundFile, wav);
        QVERIFY(g.board()->state()->cell(2).soundFile.isEmpty() && g.board()->state()->cell(0).soundFile.isEmpty());
        CellLabel *sound = g.board()->cellLabel(4);
        QVERIFY(!sound->isHidden() && g.board()->cellPicture(4)->isHidden());
        QVERIFY(sound->text().isEmpty());
        QCOMPARE(sound->accessibleName(), QStringLiteral("HUND"));
        QCOMPARE(sound->toolTip(), QStringLiteral("HUND"));
        QCOMPARE(sound->accessibleDescription(), QStringLiteral("Ton, Reihe 1, Spalte 5"));
        QVERIFY(sound->showsSound() && !sound->soundCrossed());
        QVERIFY(g.board()->cellLabel(2)->soundCrossed() && g.board()->cellLabel(0)->soundCrossed());
        QVERIFY(!g.board()->cellLabel(3)->showsSound() && g.board()->cellLabel(3)->toolTip().isEmpty());
        // Drawn in the cell's colours, and again when they change; crossed out, it looks otherwise.
        const QColor ink = sound->palette().color(sound->foregroundRole());
        QVERIFY(pixelsOf(sound, ink) > 500 && pixelsOf(g.board()->cellLabel(2), ink) > 500);
        QVERIFY(g.board()->cellLabel(2)->grab().toImage() != sound->grab().toImage());
        g.board()->state()->setQuestionColour(rgbValue(0, 160, 0));
        QVERIFY(pixelsOf(sound, QColor(0, 160, 0)) > 5000);
        QVERIFY(pixelsOf(sound, ink) > 500);
        // Every pair matches, whether its sound can play or not; only the
        // playable sound plays when picked up, and no message comes.
        g.drag(5, 6);
        g.drag(4, 3);
        g.drag(1, 2);
        QCOMPARE(g.points(), QStringLiteral(" 3 Punkte"));
        QVERIFY(g.fp.dialogs.shown.isEmpty());
        QCOMPARE(g.fp.sound.played, QStringList{wav});
        // The next set-up lets the sounds go; a text cell shows no loudspeaker.
        g.pf.writeTask(QStringLiteral("TEXT.TXT"), {QStringLiteral("Hund"), QStringLiteral("Wau")});
        g.board()->AufgabeLaden(readTask(g.board()->programFolder(), QStringLiteral("TEXT.TXT")).task);
        QVERIFY(g.fp.sound.prepared.isEmpty());
        QVERIFY(!g.board()->cellLabel(0)->showsSound() && !g.board()->cellLabel(1)->showsSound());
        QCOMPARE(g.board()->cellLabel(0)->text(), QStringLiteral("Wau"));
    }
};

QTEST_MAIN(MatchingTest)
#include "MatchingTest.moc"
