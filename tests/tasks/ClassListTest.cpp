// SPDX-License-Identifier: GPL-3.0-or-later
// The class list as teachers and spreadsheets write it, damaged files
// included, and the rule that makes "lea " the listed "Lea".
#include "tasks/ClassList.h"
#include "tasks/ProgramFolder.h"

#include "ProgramFolder.h"

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace duplikon;
using duplikon::test::ProgramFolder;

class ClassListTest : public QObject {
    Q_OBJECT

    ClassList read(const QByteArray &bytes)
    {
        m_folder.write(duplikon::ProgramFolder::classListFileName(), bytes);
        return readClassList(classListPath(m_folder.path()));
    }
    test::ProgramFolder m_folder;

private slots:
    void namesInEveryEncodingAndTableForm()
    {
        // UTF-8 with a byte-order mark, Windows-1252 with lone LFs, a decomposed name
        QCOMPARE(read("\xEF\xBB\xBFLea\r\nJonas\r\n\r\n  Zo\xC3\xAB  \r\n").names, QStringList({"Lea", "Jonas", "Zoë"}));
        QCOMPARE(read("J\xFCrgen\nLea\n").names, QStringList({"Jürgen", "Lea"}));
        QCOMPARE(read(QStringLiteral("Zoe\u0308\nZoë\n").toUtf8()).names, QStringList({"Zoë"}));
        // a table of several columns gives its first; quotes keep a separator; a child twice counts once
        QCOMPARE(read("Lea;M\xFCller;2b\n\"Ben, der Kleine\";x\n\"Ali \"\"A\"\"\"\nTom\tT\nlea \n").names,
                 QStringList({"Lea", "Ben, der Kleine", "Ali \"A\"", "Tom"}));

        // what the editor writes reads back as it was, a new file with the umask's mode
        const QStringList names = {"Lea", "Ben, der Kleine", "\"Kiki\"", "Jürgen", "Ali;B"};
        const QString path = classListPath(m_folder.path());
        QFile::remove(path);
        const mode_t old = ::umask(022);
        QVERIFY(writeClassList(path, names, nullptr));
        ::umask(old);
        QCOMPARE(readClassList(path).names, names);
        QCOMPARE(QFile::permissions(path) & 0x0777, QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    }

    void damagedFilesAreRefusedOrKeepTheirGoodLines()
    {
        const QString path = classListPath(m_folder.path());
        QFile::remove(path);
        ClassList list = readClassList(path);
        QVERIFY(!list.exists);
        QVERIFY(list.names.isEmpty());

        // binary junk, a file too large, a folder, a pipe: refused, with a reason
        list = read(QByteArray("Lea\n\0\x01\x02", 7));
        QVERIFY(list.exists && !list.ok && !list.error.isEmpty());
        list = read(QByteArray(kMaxClassListBytes + 1, 'a'));
        QVERIFY(!list.ok && !list.error.isEmpty());
        QFile::remove(path);
        QVERIFY(QDir(m_folder.path()).mkdir(duplikon::ProgramFolder::classListFileName()));
        list = readClassList(path);
        QVERIFY(list.exists && !list.ok);
        QVERIFY(QDir(m_folder.path()).rmdir(duplikon::ProgramFolder::classListFileName()));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        list = readClassList(path); // must not wait for a writer
        QVERIFY(list.exists && !list.ok);
        QFile::remove(path);

        // control characters, an open quote, an endless name, too many names
        QByteArray lines = "Lea\n\"Ben\nM\x1B[2Jia\nTom\n" + QByteArray(kMaxNameLength + 1, 'x') + "\n";
        for (int i = 0; i < kMaxClassListNames; ++i)
            lines += "Kind " + QByteArray::number(i) + "\n";
        list = read(lines);
        QVERIFY(list.ok);
        QCOMPARE(list.names.size(), kMaxClassListNames);
        QCOMPARE(list.names.mid(0, 3), QStringList({"Lea", "Tom", "Kind 0"}));
        QCOMPARE(list.skipped, 3 + 2);
    }

    void aTypedNameCountsAsTheListedOneItStandsFor()
    {
        const QStringList names = {"Lea", "Jürgen", "Zoë"};
        QCOMPARE(listedName(names, "lea"), QStringLiteral("Lea"));
        QCOMPARE(listedName(names, " LEa  "), QStringLiteral("Lea"));
        QCOMPARE(listedName(names, "JÜRGEN"), QStringLiteral("Jürgen"));
        QCOMPARE(listedName(names, QStringLiteral("zoe\u0308")), QStringLiteral("Zoë"));
        // another name stays as typed
        QCOMPARE(listedName(names, "Leah"), QStringLiteral("Leah"));
        QCOMPARE(listedName(names, "Le a"), QStringLiteral("Le a"));
        QCOMPARE(listedName({}, " lea"), QStringLiteral(" lea"));
    }
};

QTEST_GUILESS_MAIN(ClassListTest)
#include "ClassListTest.moc"
