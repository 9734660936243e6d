// SPDX-License-Identifier: GPL-3.0-or-later
// A list box runs its click handler for every change of the selected entry,
// whether the user or the program made it, and for every click of the user on
// an entry, and for nothing else.
#include "platform/ListBox.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QFile>
#include <QtTest>

using namespace duplikon;

class ListBoxTest : public QObject {
    Q_OBJECT

private slots:
    void aSelectionByTheProgramRunsTheHandler()
    {
        ListBox list;
        list.setEntries({"TIERE", "ZAHLEN", "FARBEN"});
        QSignalSpy clicked(&list, &ListBox::clicked);
        QList<int> seenIndex;
        connect(&list, &ListBox::clicked, [&] { seenIndex << list.listIndex(); });

        list.setListIndex(1);
        QCOMPARE(clicked.count(), 1);
        list.setListIndex(1); // the same entry again is no change
        QCOMPARE(clicked.count(), 1);
        list.setListIndex(0);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(seenIndex, QList<int>({1, 0})); // the handler sees the new selection
        QCOMPARE(list.selectedText(), QStringLiteral("TIERE"));

        // refilling loses the selection quietly; selecting the first entry
        // afterwards is a change and runs the handler again
        list.setEntries({"TIERE", "ZAHLEN"});
        QCOMPARE(list.listIndex(), -1);
        QCOMPARE(clicked.count(), 2);
        list.setListIndex(0);
        QCOMPARE(clicked.count(), 3);

        // new entries from a folder read again keep the selected one by its
        // text, quietly; choosing it again is no change, another entry is
        list.replaceEntries({"AFFEN", "TIERE", "ZAHLEN"});
        QCOMPARE(list.selectedText(), QStringLiteral("TIERE"));
        list.setListIndex(1);
        QCOMPARE(clicked.count(), 3);
        list.replaceEntries({"AFFEN", "ZAHLEN"}); // the selected one has gone
        QCOMPARE(list.listIndex(), -1);
        list.setListIndex(0);
        QCOMPARE(clicked.count(), 4);

        // clearing the selection runs nothing
        list.setListIndex(-1);
        QCOMPARE(list.listIndex(), -1);
        QCOMPARE(clicked.count(), 4);
    }

    void aClickOrAKeyByTheUserRunsTheHandler()
    {
        ListBox list;
        list.setEntries({"TIERE", "ZAHLEN", "FARBEN"});
        list.resize(200, 150);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicked(&list, &ListBox::clicked);

        const QPoint second = list.visualItemRect(list.item(1)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(list.listIndex(), 1);

        // the same entry again: a click of the user counts, the program's selection does not
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(clicked.count(), 2);
        list.setListIndex(1);
        QCOMPARE(clicked.count(), 2);
        // a click below the last entry is no click on an entry and keeps the selection
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, list.viewport()->height() - 3));
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(list.listIndex(), 1);

        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.listIndex(), 2);
        QCOMPARE(clicked.count(), 3);
    }

    void enterOrSpaceChoosesTheCurrentEntryAndAgainTheChosenOne()
    {
        for (const bool chooseByKey : {false, true}) {
            ListBox list;
            list.setChooseByKey(chooseByKey);
            list.setEntries({"TIERE", "ZAHLEN", "FARBEN"});
            list.show();
            QVERIFY(QTest::qWaitForWindowExposed(&list));
            list.setCurrentRow(0, QItemSelectionModel::NoUpdate);
            QSignalSpy clicked(&list, &ListBox::clicked);
            // a list that chooses by key only moves with the arrows
            QTest::keyClick(&list, Qt::Key_Down);
            QCOMPARE(clicked.count(), chooseByKey ? 0 : 1);
            QCOMPARE(list.listIndex(), chooseByKey ? -1 : 1);
            QTest::keyClick(&list, Qt::Key_Return);
            QCOMPARE(list.listIndex(), 1);
            QTest::keyClick(&list, Qt::Key_Space); // the chosen entry once more
            QCOMPARE(clicked.count(), chooseByKey ? 2 : 3);
        }
    }

    void gettingTheFocusRunsNothing()
    {
        QWidget window;
        auto *before = new QPushButton(QStringLiteral("davor"), &window);
        auto *list = new ListBox(&window);
        list->setEntries({"TIERE", "ZAHLEN"});
        before->move(0, 0);
        list->setGeometry(0, 40, 200, 100);
        window.resize(220, 160);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        before->setFocus();
        QSignalSpy clicked(list, &ListBox::clicked);

        QTest::keyClick(before, Qt::Key_Tab);
        QTRY_VERIFY(list->hasFocus());
        list->clearFocus();
        list->setFocus(Qt::OtherFocusReason);
        QVERIFY(list->hasFocus());
        QCoreApplication::processEvents();
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(list->listIndex(), -1);
    }

    void aFileListReadsItsFolderAgainWhenThePatternChanges()
    {
        QTemporaryDir dir;
        auto touch = [&](const char *n) {
            QFile f(dir.filePath(QString::fromLatin1(n)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        };
        touch("TIERE.TXT");
        FileListBox files(nullptr, QStringLiteral("*.TXT"));
        QVERIFY(files.setFolder(dir.path()));
        QVERIFY(!files.setFolder(dir.filePath(QStringLiteral("fehlt"))));
        QCOMPARE(files.folder(), dir.path());
        files.setListIndex(0);
        QSignalSpy clicked(&files, &ListBox::clicked);

        touch("affe.txt");
        QCOMPARE(files.entries(), QStringList({"TIERE.TXT"})); // not read again by itself
        files.setPattern(QStringLiteral("*.XYZ"));
        QCOMPARE(files.entries(), QStringList());
        files.setPattern(QStringLiteral("*.TXT"));
        QCOMPARE(files.entries(), QStringList({"affe.txt", "TIERE.TXT"}));
        QCOMPARE(files.listIndex(), -1);
        QCOMPARE(clicked.count(), 0);
    }
};

QTEST_MAIN(ListBoxTest)
#include "ListBoxTest.moc"
