// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

using namespace demogen;

namespace {

QMap<QString, QByteArray> readAll(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files.insert(QDir(folder).relativeFilePath(path), f.readAll());
    }
    return files;
}

} // namespace

class DemoGeneratorTest : public QObject {
    Q_OBJECT

private slots:
    void twoRunsWriteTheSameBytes()
    {
        QTemporaryDir a, b;
        QVERIFY(a.isValid() && b.isValid());
        QString error;
        QVERIFY2(writeDemoFolder(a.path(), nullptr, &error), qPrintable(error));
        QVERIFY2(writeDemoFolder(b.path(), nullptr, &error), qPrintable(error));
        const auto first = readAll(a.path()), second = readAll(b.path());
        QCOMPARE(first.keys(), second.keys());
        for (auto it = first.cbegin(); it != first.cend(); ++it)
            QVERIFY2(it.value() == second.value(it.key()), qPrintable(it.key()));
    }

    void otherFilesOfTheFolderAreLeftAlone()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Bilder")));
        QFile foreign(QDir(dir.path()).filePath(QStringLiteral("Bilder/Baum.wmf")));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("not ours");
        foreign.close();
        QStringList written;
        QVERIFY(writeDemoFolder(dir.path(), &written, nullptr));
        QVERIFY(!written.contains(QStringLiteral("Bilder/Baum.wmf")));
        QVERIFY(foreign.open(QIODevice::ReadOnly));
        QCOMPARE(foreign.readAll(), QByteArray("not ours"));
    }

    // The committed folder is what the generator makes: task files to the
    // byte, pictures by name, format and size (their bytes may vary with the
    // fonts and libraries of the machine).
    void theCommittedDemoFolderIsUpToDate()
    {
        const QString demo = qEnvironmentVariable("DUPLIKON_DEMO");
        QVERIFY(!demo.isEmpty());
        for (const DemoTask &task : demoTasks()) {
            QFile f(QDir(demo).filePath(task.fileName));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(task.fileName));
            QCOMPARE(f.readAll(), taskFileBytes(task.lines));
        }
        for (const DemoPicture &picture : demoPictures()) {
            QImageReader reader(QDir(demo).filePath(picture.path));
            QVERIFY2(reader.canRead(), qPrintable(picture.path));
            QCOMPARE(reader.size(), picture.draw().size());
        }
    }

    void taskFilesAreWindows1252WithCrLf()
    {
        QCOMPARE(taskFileBytes({QStringLiteral("grün"), QStringLiteral("weiß")}), QByteArray("gr\xFCn\r\nwei\xDF\r\n"));
        // A character Windows-1252 lacks, or a line end inside a half, is refused.
        QVERIFY(taskFileBytes({QStringLiteral("Kreis \u2192 rund")}).isEmpty());
        QVERIFY(taskFileBytes({QStringLiteral("zwei\r\nZeilen")}).isEmpty());
    }
};

QTEST_MAIN(DemoGeneratorTest)
#include "DemoGeneratorTest.moc"
