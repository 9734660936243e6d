// SPDX-License-Identifier: GPL-3.0-or-later
// The command line and the folder the program starts in.
#include "ProgramFolder.h"

#include "app/StartFolder.h"

#include <QDir>
#include <QtTest>

#include <sys/stat.h>

using namespace duplikon;
using namespace duplikon::test;

class StartFolderTest : public QObject {
    Q_OBJECT

private:
    static StartFolder start(const QStringList &args, const QString &current, const QString &documents = QString(),
                             const QString &demo = QString())
    {
        return chooseStartFolder(parseStartArguments(args), current, documents, demo);
    }

private slots:
    void commandLine()
    {
        StartArguments a = parseStartArguments({});
        QCOMPARE(a.action, StartArguments::Action::Run);
        QVERIFY(!a.menu);
        QVERIFY(a.path.isNull());

        a = parseStartArguments({QStringLiteral("--menue"), QStringLiteral("/mnt/stick")});
        QCOMPARE(a.action, StartArguments::Action::Run);
        QVERIFY(a.menu);
        QCOMPARE(a.path, QStringLiteral("/mnt/stick"));

        QCOMPARE(parseStartArguments({QStringLiteral("x"), QStringLiteral("--help")}).action,
                 StartArguments::Action::Help);
        QCOMPARE(parseStartArguments({QStringLiteral("--version")}).action, StartArguments::Action::Version);
        QCOMPARE(parseStartArguments({QStringLiteral("--"), QStringLiteral("-ordner")}).path,
                 QStringLiteral("-ordner"));

        a = parseStartArguments({QStringLiteral("--farbe")});
        QCOMPARE(a.action, StartArguments::Action::Usage);
        QVERIFY(a.error.contains(QStringLiteral("--farbe")));
        a = parseStartArguments({QStringLiteral("eins"), QStringLiteral("zwei")});
        QCOMPARE(a.action, StartArguments::Action::Usage);
        QVERIFY(a.error.contains(QStringLiteral("zwei")));
    }

    void folderOrTaskFileNamed()
    {
        ProgramFolder pf;
        pf.writeTask(QStringLiteral("Klasse 2/TIERE.TXT"), {QStringLiteral("Hund"), QStringLiteral("Wau")});
        const QString klasse = QDir(pf.path()).filePath(QStringLiteral("Klasse 2"));

        QCOMPARE(start({}, pf.path()).folder, pf.path()); // no argument: the current folder
        QCOMPARE(start({QStringLiteral("Klasse 2")}, pf.path()).folder, klasse);
        QCOMPARE(start({klasse + QStringLiteral("/")}, QStringLiteral("/")).folder, klasse);
        QCOMPARE(start({QStringLiteral("Klasse 2/TIERE.TXT")}, pf.path()).folder, klasse);
        // A named folder wins over the teacher's folder of a menu start.
        const StartFolder named = start({QStringLiteral("--menue"), klasse}, QStringLiteral("/"), pf.file("Dokumente"));
        QCOMPARE(named.folder, klasse);
        QVERIFY(!QFileInfo::exists(pf.file("Dokumente")));
    }

    void missingFolderStopsWithoutWriting()
    {
        ProgramFolder pf;
        const QString missing = pf.file("Klasse 3");
        StartFolder s = start({QStringLiteral("Klasse 3")}, pf.path());
        QVERIFY(s.folder.isEmpty());
        QCOMPARE(s.error, QStringLiteral("Der Ordner „%1“ wurde nicht gefunden.").arg(missing));
        s = start({QStringLiteral("--menue"), QStringLiteral("FEHLT.TXT")}, pf.path(), pf.file("Dokumente"));
        QCOMPARE(s.error, QStringLiteral("Die Aufgabendatei „%1“ wurde nicht gefunden.").arg(pf.file("FEHLT.TXT")));
        QCOMPARE(QDir(pf.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    void menuStartMakesTheTeachersFolderOnce()
    {
        ProgramFolder pf;
        pf.writeTask(QStringLiteral("demo/TIERE.TXT"), {QStringLiteral("Hund"), QStringLiteral("Hund.bmp")});
        pf.writePicture(QStringLiteral("demo/Hund.bmp"), Qt::red);
        pf.writePicture(QStringLiteral("demo/DUPBILDER/Sonne.bmp"), Qt::yellow);
        const QString documents = pf.file("home/Dokumente"); // not there yet either
        const QString teacher = documents + QStringLiteral("/Duplikon");
        const QStringList menu{QStringLiteral("--menue")};

        // Without the demo folder nothing is made.
        StartFolder s = start(menu, pf.path(), documents, pf.file("fehlt"));
        QVERIFY(s.folder.isEmpty());
        QVERIFY(s.error.contains(teacher));
        QVERIFY(!QFileInfo::exists(teacher));

        QFile::setPermissions(pf.file("demo/TIERE.TXT"), QFile::ReadOwner | QFile::WriteOwner);
        const mode_t umask = ::umask(022); // the copies get the umask's mode, whatever the demo's
        s = start(menu, pf.path(), documents, pf.file("demo"));
        ::umask(umask);
        QCOMPARE(s.error, QString());
        QCOMPARE(s.folder, teacher);
        QCOMPARE(pf.read("home/Dokumente/Duplikon/TIERE.TXT"), pf.read("demo/TIERE.TXT"));
        QCOMPARE(pf.read("home/Dokumente/Duplikon/DUPBILDER/Sonne.bmp"), pf.read("demo/DUPBILDER/Sonne.bmp"));
        QCOMPARE(QDir(documents).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("Duplikon")}); // no temporary copy left beside it
        QVERIFY(QFileInfo(teacher).permissions().testFlag(QFile::ReadOther));
        QCOMPARE(int(QFileInfo(teacher + QStringLiteral("/TIERE.TXT")).permissions() & 0x0FFF), 0x644); // rw-r--r--

        // The teacher's changes stay; a newer demo folder adds nothing.
        pf.writeTask(QStringLiteral("home/Dokumente/Duplikon/TIERE.TXT"), {QStringLiteral("Maus"), QStringLiteral("Piep")});
        QFile::remove(pf.file("home/Dokumente/Duplikon/Hund.bmp"));
        pf.writeTask(QStringLiteral("demo/NEU.TXT"), {QStringLiteral("a"), QStringLiteral("b")});
        s = start(menu, QStringLiteral("/"), documents, pf.file("demo"));
        QCOMPARE(s.folder, teacher);
        QCOMPARE(QDir(teacher).entryList(QDir::Files), QStringList{QStringLiteral("TIERE.TXT")});
        QVERIFY(pf.read("home/Dokumente/Duplikon/TIERE.TXT").startsWith("Maus"));
    }
};

QTEST_MAIN(StartFolderTest)
#include "StartFolderTest.moc"
