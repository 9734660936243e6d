// SPDX-License-Identifier: GPL-3.0-or-later
// File lists by pattern and the finding of files named as on Windows.
#include "platform/FileLists.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {
void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write("x");
}
} // namespace

class FileListsTest : public QObject {
    Q_OBJECT

private slots:
    void patternsMatchWithoutRegardToCase()
    {
        QTemporaryDir dir;
        for (const char *n : {"a.txt", "B.TXT", "b.Txt", "c.bmp", "d.txt.bak", "DUPLIKON.INI"})
            touch(dir.filePath(QString::fromLatin1(n)));
        QDir(dir.path()).mkdir(QStringLiteral("ordner.txt")); // a folder is no task file
        QCOMPARE(listFiles(dir.path(), QStringLiteral("*.TXT")), QStringList({"a.txt", "B.TXT", "b.Txt"}));
        QCOMPARE(listFiles(dir.path(), QStringLiteral("*.txt")), QStringList({"a.txt", "B.TXT", "b.Txt"}));
        QCOMPARE(listFiles(dir.path(), QStringLiteral("*.XYZ")), QStringList());
        QCOMPARE(listFiles(dir.path(), QStringLiteral("*.BMP;*.GIF;*.JPG;*.WMF")), QStringList({"c.bmp"}));
        QCOMPARE(listFiles(dir.filePath(QStringLiteral("fehlt")), QStringLiteral("*.TXT")), QStringList());
        QCOMPARE(listFiles(QString(), QStringLiteral("*.TXT")), QStringList());
    }

    void namesAreSortedWithoutRegardToCase()
    {
        QTemporaryDir dir;
        // hidden names, as other systems leave them beside every file, are not listed
        for (const char *n : {"Zebra.txt", "affe.txt", "Maus.TXT", "igel.txt", "Ähre.txt", "._affe.txt"})
            touch(dir.filePath(QString::fromUtf8(n)));
        QDir(dir.path()).mkdir(QStringLiteral(".Trashes"));
        QDir(dir.path()).mkdir(QStringLiteral("tiere"));
        QDir(dir.path()).mkdir(QStringLiteral("Bilder"));
        QDir(dir.path()).mkdir(QStringLiteral("DUPBILDER"));
        const QStringList files = listFiles(dir.path(), QStringLiteral("*.TXT"));
        QCOMPARE(files.mid(0, 4), QStringList({"affe.txt", "igel.txt", "Maus.TXT", "Zebra.txt"}));
        QCOMPARE(files.size(), 5);
        QCOMPARE(listSubfolders(dir.path()), QStringList({"Bilder", "DUPBILDER", "tiere"}));
    }

    void pathsAreFoundAsWrittenOnWindows()
    {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("bilder/KREIS.BMP")));
        touch(dir.filePath(QStringLiteral("Tiere/Hund.bmp")));
        touch(dir.filePath(QStringLiteral("Tiere/HUND.BMP")));
        const QString folder = dir.path() + QLatin1Char('/');

        const QString kreis = resolvePath(folder, QStringLiteral("Bilder\\Kreis.bmp"));
        QVERIFY2(QFileInfo(kreis).isFile(), qPrintable(kreis));
        QCOMPARE(QFileInfo(kreis).canonicalFilePath(),
                 QFileInfo(dir.filePath(QStringLiteral("bilder/KREIS.BMP"))).canonicalFilePath());
        QVERIFY(QFileInfo(resolvePath(folder, QStringLiteral("BILDER/kreis.BMP"))).isFile());
        // the folder may be given without its trailing separator
        QVERIFY(QFileInfo(resolvePath(dir.path(), QStringLiteral("bilder\\kreis.bmp"))).isFile());

        // where the exact name exists it wins over a name that differs in case
        QCOMPARE(QFileInfo(resolvePath(folder, QStringLiteral("Tiere\\HUND.BMP"))).fileName(),
                 QStringLiteral("HUND.BMP"));
        QCOMPARE(QFileInfo(resolvePath(folder, QStringLiteral("Tiere\\Hund.bmp"))).fileName(),
                 QStringLiteral("Hund.bmp"));

        // nothing matches: a path that does not exist, never another file
        for (const QString &missing : {QStringLiteral("Bilder\\Quadrat.bmp"), QStringLiteral("Fehlt\\Kreis.bmp"),
                                       QStringLiteral("Kreis.bmp"), QStringLiteral("bilder\\KREIS.BMP\\x.bmp")}) {
            const QString p = resolvePath(folder, missing);
            QVERIFY2(!QFileInfo::exists(p), qPrintable(p));
        }
        // a folder is found like a file
        QVERIFY(QFileInfo(resolvePath(folder, QStringLiteral("TIERE"))).isDir());

        // a picture half never leaves the folder by a leading separator, only by ".."
        QCOMPARE(QFileInfo(resolveHalf(folder, QStringLiteral("\\tiere\\Hund.bmp"))).canonicalFilePath(),
                 QFileInfo(folder + QStringLiteral("Tiere/Hund.bmp")).canonicalFilePath());
        QVERIFY(QFileInfo(resolveHalf(folder + QStringLiteral("Tiere"), QStringLiteral("..\\Bilder\\kreis.bmp"))).isFile());
        QVERIFY(!QFileInfo::exists(resolveHalf(folder, kreis)));
    }
};

QTEST_MAIN(FileListsTest)
#include "FileListsTest.moc"
