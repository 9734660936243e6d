// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder's files as one model: read once, read again on refresh,
// a watcher's notice only marks it stale.
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
        QVERIFY(folder.hasSolutionFolder());
        QCOMPARE(folder.solutionPictures(), QStringList({"Stern.gif"}));
        QTRY_VERIFY(folder.watched());
        QVERIFY(!folder.stale());

        // a change on disk only marks the model stale: nothing is read
        touch(d.filePath(QStringLiteral("NEU.TXT")));
        QTRY_VERIFY(folder.stale());
        QCOMPARE(folder.taskFiles().size(), 2);
        QCOMPARE(changed.count(), 0);
        folder.refresh();
        QVERIFY(!folder.stale());
        QCOMPARE(folder.taskFiles(), QStringList({"NEU.TXT", "TIERE.TXT", "zahlen.txt"}));
        QCOMPARE(changed.count(), 1);
        folder.refresh(); // nothing new: no signal
        QCOMPARE(changed.count(), 1);

        QVERIFY(QFile::rename(d.filePath(QStringLiteral("NEU.TXT")), d.filePath(QStringLiteral("ALT.TXT"))));
        QVERIFY(QFile::remove(d.filePath(QStringLiteral("zahlen.txt"))));
        touch(d.filePath(QStringLiteral("DUPBILDER/Mond.jpg")));
        folder.refresh();
        QCOMPARE(folder.taskFiles(), QStringList({"ALT.TXT", "TIERE.TXT"}));
        QCOMPARE(folder.solutionPictures(), QStringList({"Mond.jpg", "Stern.gif"}));
        QCOMPARE(changed.count(), 2);
    }

    void aFolderThatCannotBeWatchedIsStillRead()
    {
        // a missing folder: nothing listed, nothing watched, and the
        // pictures stand in for the missing solution pictures
        QTemporaryDir dir;
        TaskFolder missing(dir.filePath(QStringLiteral("fehlt")));
        QTest::qWait(TaskFolder::kWatchDelayMilliseconds + 100);
        QVERIFY(!missing.watched());
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
