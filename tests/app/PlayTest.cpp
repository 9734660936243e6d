// SPDX-License-Identifier: GPL-3.0-or-later
// Playing in the main window: completion with its log, queue, solution
// picture and praise; keys beside the mouse; the board under the panels.
#include "TestWindow.h"

#include "app/CardPlay.h"
#include "app/MainWindow.h"
#include "tasks/TaskFolder.h"
#include "lesson/TaskChoice.h"
#include "board/Board.h"
#include "tasks/Task.h"
#include "board/BoardKeyboard.h"
#include "board/CardBoard.h"
#include "board/SolutionPicture.h"
#include "check/CheckWindow.h"
#include "check/SolvedTaskLog.h"
#include "lesson/LessonRules.h"
#include "lesson/LessonState.h"
#include "output/PageOutput.h"
#include "platform/InWindowDrag.h"
#include "platform/ClassroomConfig.h"
#include "platform/ListBox.h"
#include "pictures/PictureBox.h"
#include "results/CardBox.h"

#include <QAction>
#include <QCheckBox>
#include <QDirIterator>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

namespace {
// A task of two pairs on the board, the task choice closed. With every random
// number 0 the cells show the lines in reverse order: 1 Mieze, 2 Katze,
// 3 Hund.bmp, 4 Hund. `pictures` solution pictures lie in DUPBILDER.
struct Game : TestWindow {
    explicit Game(const QStringList &task, int pictures = 0)
    {
        pf.writeTask(QStringLiteral("AUFGABE.TXT"), task);
        pf.writePicture(QStringLiteral("Hund.bmp"), Qt::red);
        for (int i = 0; i < pictures; ++i)
            pf.writePicture(QStringLiteral("DUPBILDER/Bild%1.bmp").arg(i), QColor::fromHsv(40 * i, 200, 200), QSize(833, 505));
        if (pictures == 0)
            pf.makeFolder(QStringLiteral("DUPBILDER"));
        start();
        part<TaskChoice>(w.get())->Command1_Click();
        fp.dialogs.clear();
    }
};

const QStringList kTwoPairs = {QStringLiteral("Hund"), QStringLiteral("Hund.bmp"), QStringLiteral("Katze"),
                               QStringLiteral("Mieze")};
} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private slots:
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

        // A mouse press puts a picked-up cell back; after the mouse, Return
        // does nothing until an arrow key; picking up by key ends a mouse drag.
        key(Qt::Key_Space);
        QCOMPARE(keys->carried(), g.cell(1));
        QTest::mousePress(g.cell(3), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!keys->carried() && !keys->frameVisible());
        key(Qt::Key_Return);
        QVERIFY(!keys->carried() && g.board()->drag()->isDragging());
        key(Qt::Key_Left);
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
        QCOMPARE(g.board()->cellIndex(focused()), -1);
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
        g.load(QStringLiteral("AUFGABE.TXT"));
        QCOMPARE(focused(), g.cell(1));
        part<TaskChoice>(g.w.get())->showPanel();
        QCOMPARE(g.cell(1)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(g.board()->cellIndex(focused()), -1);
        part<TaskChoice>(g.w.get())->parkPanel();
        QCOMPARE(focused(), g.cell(1));
    }

    void completionLogsAdvancesTheQueueShowsThePictureAndPraises()
    {
        Game g(kTwoPairs, 1);
        part<LessonState>(g.w.get())->setPflicht({QStringLiteral("ANDERE.TXT")});
        child<QCheckBox>(g.w.get(), "Check1")->setChecked(true);
        part<LessonState>(g.w.get())->setAufgabe({QStringLiteral("ANDERE.TXT"), QStringLiteral("AUFGABE.TXT")});
        QVERIFY(g.extra->set(config::keepResults, true, nullptr)); // results kept from now on
        g.load(QStringLiteral("AUFGABE.TXT"));
        const auto solvedKept = [&g] {
            qsizetype kept = 0;
            QDirIterator it(g.pf.file(QStringLiteral("Ergebnisse")), {QStringLiteral("*.jsonl")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                kept += file.open(QIODevice::ReadOnly) ? file.readAll().count("\"kind\":\"solved\"") : 0;
            }
            return kept;
        };
        // The steps of a solved task, each before the next: record, log, count, praise.
        QStringList order;
        connect(part<SolvedTaskLog>(g.w.get()), &SolvedTaskLog::appended, this, [&] {
            QTRY_COMPARE(solvedKept(), 1); // the writer keeps it off the window's thread
            order << QStringLiteral("log");
        });
        connect(part<LessonState>(g.w.get()), &LessonState::aufgabeChanged, this, [&] { order << QStringLiteral("count"); });
        g.fp.dialogs.onShow = [&](const ShownDialog &d) {
            order << d.title;
            // At the praise the solution picture stands over the board.
            QVERIFY(part<SolutionPicture>(g.w.get())->shown());
        };
        auto *loesungsbild = child<PictureBox>(g.w.get(), "loesungsbild");
        g.drag(4, 3);
        QVERIFY(order.isEmpty());
        g.drag(2, 1);
        QCOMPARE(order, (QStringList{QStringLiteral("log"), QStringLiteral("count"), QStringLiteral("Kontrolle")}));
        QCOMPARE(solvedKept(), 1);
        QCOMPARE(part<LessonState>(g.w.get())->aufgabe(), QStringList{QStringLiteral("AUFGABE.TXT")});
        QCOMPARE(g.fp.dialogs.shown.last().text,
                 QStringLiteral("Prima, du hast die Aufgabe gelöst.\rWähle dir eine neue Aufgabe aus!\rKlicke dazu im Menü auf 'Laden' ...\r"));
        QCOMPARE(loesungsbild->x() * 15, 240);
        QCOMPARE(loesungsbild->size(), QSize(833, 505));
        QCOMPARE(g.points(), QStringLiteral(" 2 Punkte"));
        // "Laden" parks and clears the picture; the points stay.
        g.fp.dialogs.onShow = nullptr;
        child<QAction>(g.w.get(), "menu2")->trigger();
        QVERIFY(!part<SolutionPicture>(g.w.get())->shown());
        QVERIFY(!loesungsbild->hasPicture());
        QCOMPARE(g.points(), QStringLiteral(" 2 Punkte"));
    }

    void meineKarteiOffersTheChildsWrongPairsAsABoardOfItsOwn()
    {
        Game g(kTwoPairs);
        QVERIFY(g.extra->set(config::keepResults, true, nullptr) && g.extra->set(config::cardBox, true, nullptr));
        auto *button = child<QPushButton>(g.w.get(), "meineKartei");
        auto *panel = part<TaskChoice>(g.w.get())->Dateibild();
        const auto laden = [&] { child<QAction>(g.w.get(), "menu2")->trigger(); };
        laden(); // no name yet: no offer
        QVERIFY(!button->isVisibleTo(panel));
        part<LessonState>(g.w.get())->setUserName(QStringLiteral("Lea"));
        laden();
        QVERIFY(button->isVisibleTo(panel) && !button->isEnabled());
        QCOMPARE(button->text(), QStringLiteral("Meine Kartei\nKeine Karte fällig"));
        part<TaskChoice>(g.w.get())->Command1_Click();
        g.load(QStringLiteral("AUFGABE.TXT"));
        const auto written = [&](const char *what, int times) {
            QDirIterator it(g.pf.file(QStringLiteral("Ergebnisse")), {QStringLiteral("*.jsonl")}, QDir::Files,
                            QDirIterator::Subdirectories);
            QFile file(it.next());
            return file.open(QIODevice::ReadOnly) && file.readAll().count(what) == times;
        };
        const auto solved = [&](int runs) { return written("\"kind\":\"solved\"", runs); };
        g.drag(4, 3); // one pair matched, the task left: that card alone is due
        QTRY_VERIFY(written("\"matched\":true", 1));
        laden();
        QCOMPARE(button->text(), QStringLiteral("Meine Kartei\n1 Karte"));
        part<TaskChoice>(g.w.get())->Command1_Click();
        g.load(QStringLiteral("AUFGABE.TXT"));
        g.drag(4, 2); // Hund on Katze: both pairs go back to compartment 1
        g.drag(4, 3);
        g.drag(2, 1);
        QTRY_VERIFY(solved(1));
        laden();
        QVERIFY(button->isVisibleTo(panel) && button->isEnabled());
        QCOMPARE(button->text(), QStringLiteral("Meine Kartei\n2 Karten"));
        button->click();
        QVERIFY(!part<TaskChoice>(g.w.get())->panelShown());
        QCOMPARE(g.w->windowTitle(), QStringLiteral("Duplikon (Meine Kartei)"));
        QCOMPARE(g.visibleHalves(), (QStringList{"Mieze", "Katze", "Hund.bmp", "Hund"}));
        g.drag(4, 3);
        g.drag(2, 1);
        QTRY_VERIFY(solved(2));
        // solved cleanly: both cards moved on, due tomorrow
        laden();
        QCOMPARE(button->text(), QStringLiteral("Meine Kartei\nKeine Karte fällig"));
        const QVector<BoxCard> box = readCardBox({g.pf.file(QStringLiteral("Ergebnisse"))}, QStringLiteral("Lea"));
        QVERIFY(box.size() == 2 && box.at(0).compartment == 2 && box.at(1).compartment == 2);
    }

    void cardsScoreOnPunkteAndTheEndNamesTheWinningTeam()
    {
        Game g(kTwoPairs);
        QVERIFY(g.extra->set(config::playKind, Choice{QStringLiteral("Aufdecken")}, nullptr));
        QVERIFY(g.extra->set(config::teams, Choice{QStringLiteral("2")}, nullptr));
        g.load(QStringLiteral("AUFGABE.TXT")); // cards: Mieze Katze / Hund.bmp Hund
        auto *cards = part<CardBoard>(g.w.get());
        QVERIFY(cards->isVisible());
        QCOMPARE(g.board()->hiddenControls(), 40); // the cells stay empty
        const auto page = [&g] {
            BoardPage p;
            part<CardPlay>(g.w.get())->fillPage(p);
            return p;
        };
        QCOMPARE(page().cells[6].kind, PageCell::Back); // the block in the page's middle
        const auto press = [&](int card) { QTest::mouseClick(cards->cardWidget(card), Qt::LeftButton); };
        press(0);
        press(2);
        press(0); // the wrong pair turns back, team 2 is on
        press(2);
        press(3);
        QCOMPARE(g.points(), QStringLiteral(" 1 Punkte"));
        QCOMPARE(page().cells[11].kind, PageCell::Picture); // open as it lies
        press(0);
        press(1);
        QVERIFY(g.fp.dialogs.shown.isEmpty());
        cards->game()->settle(); // the last pair goes
        QCOMPARE(g.points(), QStringLiteral(" 2 Punkte"));
        QCOMPARE(g.fp.dialogs.titles(), (QStringList{QStringLiteral("Kontrolle"), QStringLiteral("Mannschaften")}));
        QCOMPARE(g.fp.dialogs.shown.last().text, QStringLiteral("Mannschaft 2 hat gewonnen!\r"));
        QCOMPARE(part<SolvedTaskLog>(g.w.get())->size(), 1);
        // Back to matching: the next task lies on the cells.
        QVERIFY(g.extra->set(config::playKind, Choice{QStringLiteral("Zuordnen")}, nullptr));
        g.load(QStringLiteral("AUFGABE.TXT"));
        QVERIFY(!cards->isVisible() && g.board()->hiddenControls() == 36);
    }

    void theShortListStaysInFrontOfTheSolutionPicture()
    {
        // the short list is open when the last pair is matched
        Game g(kTwoPairs, 1);
        g.drag(2, 1);
        child<QCheckBox>(g.w.get(), "Check2")->setChecked(true);
        child<QAction>(g.w.get(), "menu2")->trigger();
        auto *list5 = child<ListBox>(g.w.get(), "List5");
        QVERIFY(part<TaskChoice>(g.w.get())->shortListShown());
        g.drag(4, 3); // cells 3 and 4 lie beside the list
        QVERIFY(part<SolutionPicture>(g.w.get())->shown());
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
            g.load(QStringLiteral("AUFGABE.TXT"));
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
        SolutionPicture *s = part<SolutionPicture>(g.w.get());
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

    void theSolutionPictureIsChosenAndDecodedAtSetUp()
    {
        // The completion draws as before; the set-up looks at that value
        // ahead and decodes the picture it names. Once the board is set up the
        // folder may stop answering: the praise still shows that picture.
        Game g(kTwoPairs, 3);
        g.fp.random.values = {0, 0, 0, 0, 0.99}; // the shuffle's four, then the completion's
        g.board()->AufgabeLaden(readTask(g.board()->programFolder(), QStringLiteral("AUFGABE.TXT")).task);
        SolutionPicture *s = part<SolutionPicture>(g.w.get());
        QVERIFY(s->preparedPicture().endsWith(QStringLiteral("Bild2.bmp")));
        QVERIFY(s->preparedReady(5000));
        QVERIFY(QDir(g.pf.file(QStringLiteral("DUPBILDER"))).removeRecursively());
        const int drawn = g.fp.random.draws;
        g.drag(4, 3);
        g.drag(2, 1);
        QCOMPARE(g.fp.random.draws, drawn + 1);
        QCOMPARE(g.fp.dialogs.titles(), QStringList{QStringLiteral("Kontrolle")});
        QVERIFY(s->shown());
        QCOMPARE(s->loesungsbild()->accessibleName(), QStringLiteral("Bild2.bmp"));
        QCOMPARE(s->List8(), (QStringList{QStringLiteral("Bild0.bmp"), QStringLiteral("Bild1.bmp")}));
    }

    void unreadableSolutionPictureStaysInThePool()
    {
        Game g(kTwoPairs, 0);
        g.pf.write(QStringLiteral("DUPBILDER/Kaputt.jpg"), "garbage");
        // The folder is read at start-up: start again with the damaged picture in it.
        g.start(false);
        g.fp.dialogs.clear();
        SolutionPicture *s = part<SolutionPicture>(g.w.get());
        s->LoesungsbildZeigen();
        QCOMPARE(g.fp.dialogs.titles(), QStringList{QStringLiteral("Bildfehler")});
        QCOMPARE(g.fp.dialogs.shown.first().text, QStringLiteral("Es ist kein Lösungbild (PAARE*.*) vorhanden!\r\r"));
        QCOMPARE(s->List8(), QStringList{QStringLiteral("Kaputt.jpg")});
        QVERIFY(!s->shown());
    }
    void keysPressedByAccidentAfterMousePlayDoNothing()
    {
        Game g(kTwoPairs);
        QVERIFY(QTest::qWaitForWindowActive(g.w.get()));
        const auto focused = [&] { return g.w->focusWidget(); };
        g.drag(4, 3);
        // After the mouse, Space on the focused cell picks nothing up.
        QCOMPARE(focused(), g.cell(1));
        QTest::keyClick(focused(), Qt::Key_Space);
        QVERIFY(!g.board()->keyboard()->carried());
        // The last pair by mouse leaves the focus off every button.
        g.drag(2, 1);
        QCOMPARE(g.fp.dialogs.titles(), QStringList{QStringLiteral("Kontrolle")});
        QVERIFY(focused() != g.punkte());
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return); // to the focus, wherever it is
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Space);
        QVERIFY(!topLevel<CheckWindow>() || !topLevel<CheckWindow>()->isVisible());
        // A held key presses no button and chooses no entry; an arrow brings the keys back.
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(g.punkte(), &held);
        QVERIFY(!topLevel<CheckWindow>() || !topLevel<CheckWindow>()->isVisible());
        g.box("Check2")->setChecked(true);
        g.menu("menu2")->trigger();
        auto *list5 = child<ListBox>(g.w.get(), "List5");
        QKeyEvent heldSpace(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(list5, &heldSpace);
        QVERIFY(part<TaskChoice>(g.w.get())->shortListShown());
        QTest::keyClick(list5, Qt::Key_Space);
        QVERIFY(!part<TaskChoice>(g.w.get())->shortListShown());
        QCOMPARE(focused(), g.cell(1));
        QTest::keyClick(focused(), Qt::Key_Right);
        QTest::keyClick(focused(), Qt::Key_Space);
        QCOMPARE(g.board()->keyboard()->carried(), g.cell(2));
    }

    void cancellingTheChoiceNamesTheTaskOnTheBoardAgainAndTheLogSaysIt()
    {
        Game g(kTwoPairs);
        g.pf.writeTask(QStringLiteral("BETA.TXT"), {QStringLiteral("x"), QStringLiteral("y")});
        g.menu("menu2")->trigger(); // the task choice, first entry chosen
        auto *file1 = child<ListBox>(g.w.get(), "File1");
        part<TaskFolder>(g.w.get())->refresh();
        file1->setListIndex(file1->entries().indexOf(QStringLiteral("BETA.TXT")));
        part<TaskChoice>(g.w.get())->Command1_Click(); // "Abbruch": nothing loaded
        QCOMPARE(part<TaskChoice>(g.w.get())->selectedTaskFile(), QStringLiteral("AUFGABE.TXT"));
        QCOMPARE(g.board()->state()->List3().size(), 4);
        g.drag(4, 3);
        g.drag(2, 1);
        QCOMPARE(child<ListBox>(topLevel<CheckWindow>(), "List1")->entries(), QStringList{QStringLiteral("AUFGABE.TXT")});
        // Without a task on the board the choice stays as it is.
        g.load(QString());
        g.menu("menu2")->trigger();
        file1->setListIndex(1);
        part<TaskChoice>(g.w.get())->Command1_Click();
        QCOMPARE(file1->listIndex(), 1);
    }
};

QTEST_MAIN(PlayTest)
#include "PlayTest.moc"
