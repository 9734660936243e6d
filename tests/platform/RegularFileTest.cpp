// SPDX-License-Identifier: GPL-3.0-or-later
// The one check every reader of outside files goes through.
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace duplikon;

class RegularFileTest : public QObject {
    Q_OBJECT

private slots:
    void onlyRegularFilesWithinTheSizeAreRead()
    {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("a.txt"));
        QFile f(plain);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("12345");
        f.close();
        QByteArray bytes;
        QString error;
        QVERIFY(readRegularFile(plain, 5, &bytes, &error));
        QCOMPARE(bytes, QByteArray("12345"));
        QVERIFY(!readRegularFile(plain, 4, &bytes, &error));
        QCOMPARE(error, QStringLiteral("Die Datei ist zu groß."));
        QVERIFY(!readRegularFile(dir.filePath(QStringLiteral("fehlt")), 5, &bytes, &error));
        QCOMPARE(error, QStringLiteral("Die Datei ist nicht vorhanden."));
        QVERIFY(!readRegularFile(dir.path(), 5, &bytes, &error)); // a folder
        QCOMPARE(error, QStringLiteral("Das ist keine Datei."));
        QVERIFY(!isReadableRegularFile(QStringLiteral("/dev/zero"), 1 << 20));
        // A link to a regular file is followed.
        QVERIFY(QFile::link(plain, dir.filePath(QStringLiteral("link.txt"))));
        QVERIFY(isReadableRegularFile(dir.filePath(QStringLiteral("link.txt")), 5));
    }

    void aPipeWithoutWriterIsRefusedAtOnce()
    {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("Ton.wav"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QElapsedTimer t;
        t.start();
        QFile file;
        QString error;
        QVERIFY(!openRegularFile(file, pipe, 1 << 20, &error));
        QVERIFY(!file.isOpen());
        QCOMPARE(error, QStringLiteral("Das ist keine Datei."));
        QVERIFY(t.elapsed() < 5000); // had it waited for a writer, it would never return
    }
};

QTEST_GUILESS_MAIN(RegularFileTest)
#include "RegularFileTest.moc"
