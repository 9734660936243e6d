// SPDX-License-Identifier: GPL-3.0-or-later
// The check window as the main window uses it: created hidden by the first
// solved task, shown by the points button, kept by "Abbruch", emptied by the
// close box, and the main window's activation on the way back.
#include "TestWindow.h"

#include "app/MainWindow.h"
#include "app/SideWindows.h"
#include "lesson/TaskChoice.h"
#include "board/Board.h"
#include "check/CheckWindow.h"
#include "check/SolvedTaskLog.h"
#include "editor/EditorWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

class CheckFlowTest : public QObject {
    Q_OBJECT

private:
    // One task of one pair.
    static void fill(const ProgramFolder &pf)
    {
        pf.writeTask(QStringLiteral("PAAR.TXT"), {QStringLiteral("oben"), QStringLiteral("unten")});
        pf.makeFolder(QStringLiteral("DUPBILDER"));
    }

private slots:
    void logLivesUntilTheCloseBox()
    {
        TestWindow t(fill);
        FakePlatform &fp = t.fp;
        fp.clock.time = QStringLiteral("09:05:07");
        t.start();
        MainWindow &w = t.window();
        part<TaskChoice>(&w)->Command1_Click();
        QVERIFY(!topLevel<CheckWindow>());

        t.solve(part<TaskChoice>(&w)->selectedTaskFile());
        QPointer<CheckWindow> check = topLevel<CheckWindow>();
        QVERIFY(check);
        QVERIFY(!check->isVisible()); // created hidden
        const SolvedTaskLog *log = part<SolvedTaskLog>(&w);
        QCOMPARE(log->names(), QStringList{QStringLiteral("PAAR.TXT")});
        QCOMPARE(log->times(), QStringList{QStringLiteral("09:05:07")});

        // The points button shows it, with the user name.
        fp.dialogs.inputAnswers = {QStringLiteral("Tom")};
        child<QPushButton>(&w, "Command7")->click();
        QTest::mouseClick(child<QPushButton>(&w, "punkte"), Qt::LeftButton);
        QVERIFY(check->isVisible());
        QCOMPARE(check->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Tom"));

        // "Abbruch" hides and keeps the log; it grows while hidden.
        check->menu1_Click();
        QVERIFY(!check->isVisible());
        fp.clock.time = QStringLiteral("09:06:00");
        t.solve(part<TaskChoice>(&w)->selectedTaskFile());
        QCOMPARE(log->size(), 2);
        QCOMPARE(log->times().last(), QStringLiteral("09:06:00"));

        // The close box empties the log and destroys the window; the next task makes a new one.
        QTest::mouseClick(child<QPushButton>(&w, "punkte"), Qt::LeftButton);
        check->close();
        QTRY_VERIFY(check.isNull());
        QCOMPARE(log->size(), 0);
        t.solve(part<TaskChoice>(&w)->selectedTaskFile());
        QVERIFY(topLevel<CheckWindow>());
        QCOMPARE(log->size(), 1);
    }

    void goingBackFromTheCheckWindowActivatesTheMainWindow()
    {
        TestWindow t(fill);
        t.start();
        MainWindow &w = t.window();
        QApplication::setActiveWindow(&w);
        const int before = w.activations();
        QTest::mouseClick(child<QPushButton>(&w, "punkte"), Qt::LeftButton);
        CheckWindow *check = topLevel<CheckWindow>();
        QVERIFY(QTest::qWaitForWindowExposed(check));
        QApplication::setActiveWindow(check);
        QTRY_VERIFY(check->isActiveWindow());
        QApplication::setActiveWindow(&w);
        QTRY_COMPARE(w.activations(), before + 1);
        // A message box closing is no return from another window.
        QApplication::setActiveWindow(&w);
        QCOMPARE(w.activations(), before + 1);

        // Leaving the editor activates once, though the window manager activates the check window first.
        part<SideWindows>(&w)->openEditor();
        topLevel<EditorWindow>()->findChild<QAction *>(QStringLiteral("menu1"))->trigger();
        QApplication::setActiveWindow(check);
        QApplication::setActiveWindow(&w);
        QCOMPARE(w.activations(), before + 2);
    }
};

QTEST_MAIN(CheckFlowTest)
#include "CheckFlowTest.moc"
