// SPDX-License-Identifier: GPL-3.0-or-later
// The task document: reading a task file, the lines each user takes from it,
// the kinds of halves, and writing it back.
#include "platform/TextFiles.h"
#include "tasks/Task.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {

QString writeBytes(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

Task taskOf(const QByteArray &bytes, bool *ok = nullptr)
{
    QTemporaryDir dir;
    writeBytes(dir, QStringLiteral("AUFGABE.TXT"), bytes);
    const TaskRead r = readTask(dir.path(), QStringLiteral("AUFGABE.TXT"));
    if (ok)
        *ok = r.ok;
    return r.task;
}

// The used lines of a task file with the given bytes, as the board takes them.
QStringList usedLinesOf(const QByteArray &bytes, bool *ok = nullptr)
{
    return taskOf(bytes, ok).usedLines();
}

QStringList numbered(const QString &prefix, int n)
{
    QStringList l;
    for (int i = 1; i <= n; ++i)
        l << prefix + QString::number(i);
    return l;
}

} // namespace

class TaskTest : public QObject {
    Q_OBJECT

private slots:
    // ---- reading ------------------------------------------------------------

    void everyLineEndEndsALine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        const QStringList abc{"Hund", "Katze", "Maus"};
        QTest::newRow("CR LF") << QByteArray("Hund\r\nKatze\r\nMaus\r\n") << abc;
        QTest::newRow("lone CR") << QByteArray("Hund\rKatze\rMaus\r") << abc;
        QTest::newRow("lone LF") << QByteArray("Hund\nKatze\nMaus\n") << abc;
        QTest::newRow("mixed") << QByteArray("Hund\r\nKatze\rMaus\n") << abc;
        QTest::newRow("no line end after the last line") << QByteArray("Hund\r\nKatze\r\nMaus") << abc;
        QTest::newRow("LF CR is two line ends") << QByteArray("Hund\n\rKatze\n\rMaus") << abc;
    }
    void everyLineEndEndsALine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        bool ok = false;
        QCOMPARE(usedLinesOf(bytes, &ok), expected);
        QVERIFY(ok);
    }

    void emptyLinesAreSkippedButBlankLinesCount()
    {
        QCOMPARE(usedLinesOf("Hund\r\n\r\nHund.bmp\r\n\r\n\r\nKatze\r\nKatze.bmp\r\n"),
                 QStringList({"Hund", "Hund.bmp", "Katze", "Katze.bmp"}));
        // a line of blanks is a half like any other and keeps its blanks
        QCOMPARE(usedLinesOf("Hund\r\n   \r\n\r\n Maus \r\n"), QStringList({"Hund", "   ", " Maus "}));
        // a file of empty lines only, and an empty file, give nothing to play
        QCOMPARE(usedLinesOf("\r\n\r\n\n\r"), QStringList());
        bool ok = false;
        QCOMPARE(usedLinesOf(QByteArray(), &ok), QStringList());
        QVERIFY(ok);
    }

    void atMostTwentyLinesAreUsed()
    {
        // 22 non-empty lines with empty lines between: lines 21 and 22 are
        // dropped although they form a whole pair
        QByteArray bytes;
        for (const QString &l : numbered(QStringLiteral("Zeile "), 22))
            bytes += l.toLatin1() + "\r\n\r\n";
        const QStringList used = usedLinesOf(bytes);
        QCOMPARE(used, numbered(QStringLiteral("Zeile "), 20));
    }

    void bothEncodingsAreRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Windows-1252") << QByteArray("Gr\xFC\xDF""e\r\n\xC4pfel\r\n\x80 5\r\n\x84Hallo\x93\r\n")
                                      << QStringList({QString::fromUtf8("Grüße"), QString::fromUtf8("Äpfel"),
                                                      QString::fromUtf8("€ 5"), QString::fromUtf8("„Hallo“")});
        QTest::newRow("UTF-8") << QByteArray("Gr\xC3\xBC\xC3\x9F""e\r\n\xC3\x84pfel\r\n\xE2\x82\xAC 5\r\n")
                               << QStringList({QString::fromUtf8("Grüße"), QString::fromUtf8("Äpfel"),
                                               QString::fromUtf8("€ 5")});
        QTest::newRow("UTF-8 with byte order mark") << QByteArray("\xEF\xBB\xBFHund\r\nM\xC3\xBCtze\r\n")
                                                    << QStringList({"Hund", QString::fromUtf8("Mütze")});
        QTest::newRow("ASCII") << QByteArray("Hund\r\nTiere\\Hund.bmp\r\n")
                               << QStringList({"Hund", "Tiere\\Hund.bmp"});
        // one stray byte makes the whole file Windows-1252, never half-decoded
        QTest::newRow("UTF-8 mixed with a single byte") << QByteArray("M\xC3\xBCtze\r\nK\xE4se\r\n")
                                                        << QStringList({QString::fromUtf8("MÃ¼tze"),
                                                                        QString::fromUtf8("Käse")});
    }
    void bothEncodingsAreRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QCOMPARE(usedLinesOf(bytes), expected);
    }

    void nulBytesStayInsideTheirLine()
    {
        static const char bytes[] = "Hu\0nd\r\n\0\r\nMaus";
        const QStringList used = usedLinesOf(QByteArray(bytes, sizeof bytes - 1));
        QCOMPARE(used.size(), 3);
        QCOMPARE(used.at(0), QString(QStringLiteral("Hu") + QChar(0) + QStringLiteral("nd")));
        QCOMPARE(used.at(1), QString(QChar(0)));
        QCOMPARE(used.at(2), QStringLiteral("Maus"));
    }

    void oversizedFilesAndFoldersAreRefused()
    {
        QTemporaryDir dir;
        QByteArray limit(int(kMaxTextFileSize), 'x');
        writeBytes(dir, QStringLiteral("GROSS.TXT"), limit);
        QVERIFY(readTask(dir.path(), QStringLiteral("GROSS.TXT")).ok);
        limit.append('x');
        writeBytes(dir, QStringLiteral("ZUGROSS.TXT"), limit);
        const TaskRead big = readTask(dir.path(), QStringLiteral("ZUGROSS.TXT"));
        QVERIFY(!big.ok);
        QVERIFY(big.task.lines.isEmpty());
        QVERIFY(!big.error.isEmpty());

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ORDNER.TXT")));
        const TaskRead folder = readTask(dir.path(), QStringLiteral("ORDNER.TXT"));
        QVERIFY(!folder.ok);
        QVERIFY(!folder.error.isEmpty());
    }

    // ---- picture halves -----------------------------------------------------

    void pictureNamesByTheirLastFourCharacters_data()
    {
        QTest::addColumn<QString>("half");
        QTest::addColumn<bool>("picture");
        QTest::newRow("hund.bmp") << "hund.bmp" << true;
        QTest::newRow("HUND.BMP") << "HUND.BMP" << true;
        QTest::newRow("Tiere\\Hund.Gif") << "Tiere\\Hund.Gif" << true;
        QTest::newRow("Hund.jpg") << "Hund.jpg" << true;
        QTest::newRow("Hund.wmf") << "Hund.wmf" << true;
        QTest::newRow("Hund.jpeg") << "Hund.jpeg" << false;
        QTest::newRow("Hund.png") << "Hund.png" << false;
        QTest::newRow("Hund") << "Hund" << false;
        QTest::newRow("Hund.bmp with a blank after it") << "Hund.bmp " << false;
        QTest::newRow("GIF") << "GIF" << true;
        QTest::newRow("MP") << "MP" << true;
        QTest::newRow("P.G") << "P.G" << true;
        QTest::newRow("F") << "F" << true;
        QTest::newRow("b") << "b" << true;
        QTest::newRow(".") << "." << true;
        QTest::newRow("P.GI") << "P.GI" << true;
        QTest::newRow("ab") << "ab" << false;
        QTest::newRow("IFF") << "IFF" << false;
        QTest::newRow("Maus") << "Maus" << false;
        QTest::newRow("a blank") << " " << false;
    }
    void pictureNamesByTheirLastFourCharacters()
    {
        QFETCH(QString, half);
        QFETCH(bool, picture);
        QCOMPARE(Half::of(half).isPicture(), picture);
    }

    void aHalfKnowsItsKindFileNameAndSpokenName()
    {
        const auto spoken = [](const char *half) { return Half::of(QString::fromUtf8(half)).spokenName(); };
        QCOMPARE(spoken("Tiere\\Hund.bmp"), QStringLiteral("Hund"));
        QCOMPARE(spoken("Bilder/Zwei.Drei.jpg"), QStringLiteral("Zwei.Drei"));
        QCOMPARE(spoken("a\\b/Katze.GIF"), QStringLiteral("Katze"));
        QCOMPARE(spoken("Töne\\Bellen.wav"), QStringLiteral("Bellen"));
        QCOMPARE(spoken("Hund/Katze"), QStringLiteral("Hund/Katze")); // a text is said as it is
        // never empty: a name that is all ending keeps it
        QCOMPARE(spoken("Tiere\\.wmf"), QStringLiteral(".wmf"));
        QCOMPARE(spoken("GIF"), QStringLiteral("GIF"));
        QCOMPARE(Half::of(QStringLiteral("Töne\\Bellen.wav")).fileName(), QStringLiteral("Bellen.wav"));
        QCOMPARE(int(Half::of(QStringLiteral("a\\Kreis.Wmf")).kind), int(Half::Kind::Metafile));
        QCOMPARE(int(Half::of(QStringLiteral("Kreis.jpg")).kind), int(Half::Kind::RasterPicture));
    }


    // ---- the document ---------------------------------------------------------

    void everyLineIsKeptAsRead()
    {
        // empty lines and the lines past the twentieth stay in the task; the
        // board takes twenty, the preview and the check window see them all
        QByteArray bytes = "Hund\r\n\r\nHund.bmp\r\n";
        for (const QString &l : numbered(QStringLiteral("Z"), 22))
            bytes += l.toLatin1() + "\r\n";
        const Task task = taskOf(bytes);
        QCOMPARE(task.name, QStringLiteral("AUFGABE.TXT"));
        QCOMPARE(task.lines.size(), 25);
        QCOMPARE(task.lines.at(1), QString());
        QCOMPARE(task.lines.last(), QStringLiteral("Z22"));
        QCOMPARE(task.usedLines().size(), kMaxUsedLines);
        QCOMPARE(task.usedLines().last(), QStringLiteral("Z18"));
    }

    void halvesAndTheFilesTheyUse()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Tiere")));
        const QString dog = writeBytes(dir, QStringLiteral("Tiere/HUND.BMP"), "BM");
        const QString bark = writeBytes(dir, QStringLiteral("bellen.wav"), "RIFF");
        Task task;
        task.lines = {"Hund", "tiere\\hund.bmp", "", "Bellen", "Bellen.WAV", "Hund", "Tiere\\Hund.bmp", "Maus.gif"};
        const QVector<Half> halves = task.halves();
        QCOMPARE(halves.size(), 7);
        QCOMPARE(int(halves.at(0).kind), int(Half::Kind::Text));
        QVERIFY(halves.at(1).isPicture() && halves.at(3).isSound() && halves.at(6).isPicture());
        QVERIFY(halves.at(0).file(dir.path()).isEmpty());
        // found without regard to letter case, each file once; a missing one
        // keeps its plain path
        const QStringList files = task.files(dir.path());
        QCOMPARE(files.size(), 3);
        QCOMPARE(QFileInfo(files.at(0)).canonicalFilePath(), QFileInfo(dog).canonicalFilePath());
        QCOMPARE(QFileInfo(files.at(1)).canonicalFilePath(), QFileInfo(bark).canonicalFilePath());
        QVERIFY(files.at(2).endsWith(QStringLiteral("Maus.gif")));
    }

    void writingGivesTheBytesReadBack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("sameBytes"); // already in the form the program writes
        QTest::newRow("CR LF") << QByteArray("Hund\r\nKatze\r\nMaus\r\n") << true;
        QTest::newRow("lone CR") << QByteArray("Hund\rKatze\rMaus\r") << false;
        QTest::newRow("lone LF") << QByteArray("Hund\nKatze\nMaus\n") << false;
        QTest::newRow("mixed, no last line end") << QByteArray("Hund\r\nKatze\rMaus") << false;
        QTest::newRow("empty lines and blanks") << QByteArray("Hund\r\n\r\n   \r\n Maus \r\n") << true;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("Windows-1252") << QByteArray("Gr\xFC\xDF""e\r\n\xC4pfel\r\n\x80 5\r\n") << true;
        QTest::newRow("UTF-8 that Windows-1252 cannot hold") << QByteArray("\xE2\x86\x92 rechts\r\nK\xC3\xA4se\r\n") << true;
        QTest::newRow("UTF-8 with byte order mark") << QByteArray("\xEF\xBB\xBFHund\r\nM\xC3\xBCtze\r\n") << false;
        QTest::newRow("NUL inside a line") << QByteArray("Hu\0nd\r\n\0\r\n", 10) << true;
        QTest::newRow("paths") << QByteArray("Hund\r\nTiere\\Hund.bmp\r\nBellen\r\nbellen.wav\r\n") << true;
        const QString demo = qEnvironmentVariable("DUPLIKON_DEMO");
        for (const QString &name : QDir(demo).entryList({QStringLiteral("*.TXT")}, QDir::Files)) {
            QFile f(QDir(demo).filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QTest::addRow("demo %s", qPrintable(name)) << f.readAll() << true;
        }
    }
    void writingGivesTheBytesReadBack()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, sameBytes);
        const Task task = taskOf(bytes);
        QTemporaryDir dir;
        QString error;
        QVERIFY(writeTask(dir.filePath(QStringLiteral("NEU.TXT")), task, &error));
        QFile f(dir.filePath(QStringLiteral("NEU.TXT")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray written = f.readAll();
        QCOMPARE(written, taskBytes(task));
        if (sameBytes)
            QCOMPARE(written, bytes);
        // what is written reads as the same lines, and writes the same bytes
        const Task again = readTask(dir.path(), QStringLiteral("neu.txt")).task;
        QCOMPARE(again.lines, task.lines);
        QCOMPARE(taskBytes(again), written);
    }
};

QTEST_MAIN(TaskTest)
#include "TaskTest.moc"
