// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder's files as one model: read once, and again when a write
// through it or its watcher tells of a change.
#include "tasks/Task.h"
#include "tasks/TaskFolder.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {
void touch(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
}
} // namespace

class TaskFolderTest : public QObject {
    Q_OBJECT

private slots:
    void filesAddedRemovedAndRenamedShowOnRefresh()
    {
        QTemporaryDir dir;
        const QDir d(dir.path());
        for (const char *name : {"TIERE.TXT", "zahlen.txt", "Hund.bmp", "Bellen.wav", ".versteckt.txt", "DUPLIKON.INI"})
            touch(d.filePath(QLatin1String(name)));
        QVERIFY(d.mkpath(QStringLiteral("DUPBILDER")));
        touch(d.filePath(QStringLiteral("DUPBILDER/Stern.gif")));
        TaskFolder folder(dir.path());
        QSignalSpy changed(&folder, &TaskFolder::changed);
        QCOMPARE(folder.taskFiles(), QStringList({"TIERE.TXT", "zahlen.txt"}));
        QCOMPARE(folder.pictures(), QStringList({"Hund.bmp"}));
        QCOMPARE(folder.sounds(), QStringList({"Bellen.wav"}));
        QCOMPARE(folder.media(), QStringList({"Bellen.wav", "Hund.bmp"}));
        QVERIFY(folder.hasSolutionFolder());
        QCOMPARE(folder.solutionPictures(), QStringList({"Stern.gif"}));
        QCOMPARE(folder.rowCount(), 2);
        QCOMPARE(folder.index(1).data().toString(), QStringLiteral("zahlen.txt"));

        // once the watcher is there, a change on disk is read by itself
        QTest::qWait(TaskFolder::kWatchDelayMilliseconds + 100);
        touch(d.filePath(QStringLiteral("NEU.TXT")));
        QTRY_COMPARE(folder.taskFiles(), QStringList({"NEU.TXT", "TIERE.TXT", "zahlen.txt"}));
        QCOMPARE(changed.count(), 1);
        folder.refresh(); // nothing new: no signal
        QCOMPARE(changed.count(), 1);

        // a write through the model is listed at once
        QString error;
        QVERIFY(folder.writeTask(QStringLiteral("tiere.txt"), Task{}, &error)); // the file there, in its case
        QVERIFY(folder.writeTask(QStringLiteral("ALT.TXT"), Task{}, &error));
        QVERIFY(folder.deleteTaskFile(QStringLiteral("zahlen.txt"), &error));
        QCOMPARE(folder.taskFiles(), QStringList({"ALT.TXT", "NEU.TXT", "TIERE.TXT"}));
        QVERIFY(QFile::rename(d.filePath(QStringLiteral("NEU.TXT")), d.filePath(QStringLiteral("Neu2.TXT"))));
        touch(d.filePath(QStringLiteral("DUPBILDER/Mond.jpg")));
        QTRY_COMPARE(folder.solutionPictures(), QStringList({"Mond.jpg", "Stern.gif"}));
        QTRY_COMPARE(folder.taskFiles(), QStringList({"ALT.TXT", "Neu2.TXT", "TIERE.TXT"}));
    }

    void aFolderThatCannotBeWatchedIsStillRead()
    {
        // a missing folder: nothing listed, nothing watched, and the
        // pictures stand in for the missing solution pictures
        QTemporaryDir dir;
        TaskFolder missing(dir.filePath(QStringLiteral("fehlt")));
        QTest::qWait(TaskFolder::kWatchDelayMilliseconds + 100);
        QVERIFY(missing.taskFiles().isEmpty());
        QVERIFY(!missing.hasSolutionFolder());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("fehlt")));
        touch(dir.filePath(QStringLiteral("fehlt/A.TXT")));
        touch(dir.filePath(QStringLiteral("fehlt/Rot.gif")));
        missing.refresh();
        QCOMPARE(missing.taskFiles(), QStringList({"A.TXT"}));
        QCOMPARE(missing.solutionPictures(), QStringList({"Rot.gif"}));

        // network shares are read on refresh only
        for (qint64 type : {0x6969LL, 0xFF534D42LL, 0xFE534D42LL, 0x517BLL})
            QVERIFY(TaskFolder::isNetworkFileSystem(type));
        for (qint64 type : {0xEF53LL, 0x01021994LL, 0x58465342LL, 0x4d44LL})
            QVERIFY(!TaskFolder::isNetworkFileSystem(type));
    }
};

QTEST_MAIN(TaskFolderTest)
#include "TaskFolderTest.moc"
