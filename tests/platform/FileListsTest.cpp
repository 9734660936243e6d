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

    void hiddenNamesAreNeverListed()
    {
        // what another system leaves on a USB stick beside every file
        QTemporaryDir dir;
        for (const char *n : {"TIERE.TXT", "._TIERE.TXT", ".txt", "Bilder/Hund.bmp", "Bilder/._Hund.bmp"})
            touch(dir.filePath(QString::fromLatin1(n)));
        QDir(dir.path()).mkdir(QStringLiteral(".Trashes"));
        QCOMPARE(listFiles(dir.path(), QStringLiteral("*.TXT")), QStringList{QStringLiteral("TIERE.TXT")});
        QCOMPARE(listFiles(dir.filePath(QStringLiteral("Bilder")), QStringLiteral("*.BMP;*.GIF;*.JPG;*.WMF")),
                 QStringList{QStringLiteral("Hund.bmp")});
        QCOMPARE(listSubfolders(dir.path()), QStringList{QStringLiteral("Bilder")});
    }

    void namesAreSortedWithoutRegardToCase()
    {
        QTemporaryDir dir;
        for (const char *n : {"Zebra.txt", "affe.txt", "Maus.TXT", "igel.txt", "Ähre.txt"})
            touch(dir.filePath(QString::fromUtf8(n)));
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
    }

    void aHalfIsAlwaysReadBelowTheProgramFolder()
    {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("Prog/hund.bmp")));
        touch(dir.filePath(QStringLiteral("Prog/Tiere/Katze.bmp")));
        touch(dir.filePath(QStringLiteral("Bilder/Maus.bmp")));
        const QString prog = dir.filePath(QStringLiteral("Prog")) + QLatin1Char('/');
        const auto same = [](const QString &a, const QString &b) {
            return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath() && QFileInfo(a).isFile();
        };
        // a leading separator does not lead to the root of the file system
        QVERIFY(same(resolveHalf(prog, QStringLiteral("\\hund.bmp")), prog + QStringLiteral("hund.bmp")));
        QVERIFY(same(resolveHalf(prog, QStringLiteral("/HUND.BMP")), prog + QStringLiteral("hund.bmp")));
        QVERIFY(same(resolveHalf(prog, QStringLiteral("\\tiere\\katze.BMP")), prog + QStringLiteral("Tiere/Katze.bmp")));
        // ".." still names a sibling folder of pictures
        QVERIFY(same(resolveHalf(prog, QStringLiteral("..\\bilder\\maus.bmp")), dir.filePath(QStringLiteral("Bilder/Maus.bmp"))));
        // an existing absolute path is read below the folder, where it is missing
        const QString outside = dir.filePath(QStringLiteral("Bilder/Maus.bmp"));
        QVERIFY(!QFileInfo::exists(resolveHalf(prog, outside)));
        QVERIFY(same(resolvePath(prog, outside), outside)); // a plain file name may be absolute
    }
};

QTEST_MAIN(FileListsTest)
#include "FileListsTest.moc"
