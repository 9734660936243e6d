// SPDX-License-Identifier: GPL-3.0-or-later
// Reading task files, the picture-name test and the shuffle of the halves onto
// the board.
#include "FakePlatform.h"
#include "board/Board.h"
#include "board/TaskFile.h"
#include "pictures/PictureBox.h"
#include "platform/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
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

// The used lines of a task file with the given bytes, as the board reads them.
QStringList usedLinesOf(const QByteArray &bytes, bool *ok = nullptr)
{
    QTemporaryDir dir;
    const TextFileResult r = readTextLines(writeBytes(dir, QStringLiteral("AUFGABE.TXT"), bytes));
    if (ok)
        *ok = r.ok;
    return usedLines(r.lines);
}

QStringList numbered(const QString &prefix, int n)
{
    QStringList l;
    for (int i = 1; i <= n; ++i)
        l << prefix + QString::number(i);
    return l;
}

} // namespace

class TaskFileTest : public QObject {
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
        QVERIFY(readTextLines(writeBytes(dir, QStringLiteral("GROSS.TXT"), limit)).ok);
        limit.append('x');
        const TextFileResult big = readTextLines(writeBytes(dir, QStringLiteral("ZUGROSS.TXT"), limit));
        QVERIFY(!big.ok);
        QVERIFY(big.lines.isEmpty());
        QVERIFY(!big.error.isEmpty());

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ORDNER.TXT")));
        const TextFileResult folder = readTextLines(dir.filePath(QStringLiteral("ORDNER.TXT")));
        QVERIFY(!folder.ok);
        QVERIFY(!folder.error.isEmpty());
    }

    void aTaskFileThatCannotBeReadLeavesTheBoardEmpty()
    {
        QTemporaryDir dir;
        writeBytes(dir, QStringLiteral("GUT.TXT"), "Hund\r\nKatze\r\n");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ORDNER.TXT")));
        writeBytes(dir, QStringLiteral("ZUGROSS.TXT"), QByteArray(int(kMaxTextFileSize) + 1, 'x'));
        test::FakePlatform fake;
        QWidget client;
        Board board(&client, fake.platform());
        board.setProgramFolder(dir.path() + QLatin1Char('/'));
        for (const QString &bad : {QStringLiteral("ORDNER.TXT"), QStringLiteral("ZUGROSS.TXT")}) {
            board.AufgabeLaden(QStringLiteral("GUT.TXT"));
            QCOMPARE(board.hiddenControls(), 38);
            fake.dialogs.clear();
            board.AufgabeLaden(bad);
            QCOMPARE(board.hiddenControls(), 40);
            QCOMPARE(fake.dialogs.shown.size(), 1); // told, not silently empty
        }
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
        QCOMPARE(isPictureName(half), picture);
    }

    void aPictureIsSpokenByItsFileNameWithoutFolderAndEnding()
    {
        QCOMPARE(spokenPictureName(QStringLiteral("Tiere\\Hund.bmp")), QStringLiteral("Hund"));
        QCOMPARE(spokenPictureName(QStringLiteral("Bilder/Zwei.Drei.jpg")), QStringLiteral("Zwei.Drei"));
        QCOMPARE(spokenPictureName(QStringLiteral("a\\b/Katze.GIF")), QStringLiteral("Katze"));
        // never empty: a name that is all ending keeps it
        QCOMPARE(spokenPictureName(QStringLiteral("Tiere\\.wmf")), QStringLiteral(".wmf"));
        QCOMPARE(spokenPictureName(QStringLiteral("GIF")), QStringLiteral("GIF"));
    }

    // ---- shuffle ------------------------------------------------------------

    void workedExample()
    {
        test::ScriptedRandom random;
        random.values = {0.7, 0.5, 0.9, 0.2};
        const Shuffled s = shuffleHalves({"L1", "L2", "L3", "L4"}, random);
        QCOMPARE(s.halves, QStringList({"L4", "L2", "L3", "L1"}));
        QCOMPARE(s.keys, QStringList({"B_L4", "A_L2", "B_L3", "A_L1"}));
        QCOMPARE(random.draws, 4);
    }

    void pairKeysRunFromAToJ()
    {
        QString keys;
        for (int i = 0; i < kMaxUsedLines; ++i)
            keys += pairKey(i);
        QCOMPARE(keys, QStringLiteral("AABBCCDDEEFFGGHHIIJJ"));
        QCOMPARE(keyString(3, QStringLiteral("Hund")), QStringLiteral("B_Hund"));
        QCOMPARE(keyString(0, QStringLiteral(" ")), QStringLiteral("A_ "));
    }

    void theFirstLineEndsInTheLastCell_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<double>>("draws");
        QList<double> mixed;
        quint32 x = 12345;
        for (int i = 0; i < 20; ++i) {
            x = x * 1103515245u + 12345u;
            mixed << double(x >> 8) / double(1u << 24);
        }
        const QList<double> low(20, 0.0);
        const QList<double> high(20, 0.999999);
        for (int n : {2, 3, 6, 19, 20}) {
            QTest::addRow("%d lines, mixed draws", n) << n << mixed;
            QTest::addRow("%d lines, draws near 0", n) << n << low;
            QTest::addRow("%d lines, draws near 1", n) << n << high;
        }
    }
    void theFirstLineEndsInTheLastCell()
    {
        QFETCH(int, lines);
        QFETCH(QList<double>, draws);
        test::ScriptedRandom random;
        random.values = draws;
        const QStringList used = numbered(QStringLiteral("L"), lines);
        const Shuffled s = shuffleHalves(used, random);
        QCOMPARE(random.draws, lines); // one draw per line, the first included
        QCOMPARE(s.halves.size(), lines);
        QCOMPARE(s.halves.last(), QStringLiteral("L1"));
        QCOMPARE(s.keys.last(), QStringLiteral("A_L1"));
        // every line once, each with its own key
        QStringList sorted = s.halves;
        std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
            return a.mid(1).toInt() < b.mid(1).toInt();
        });
        QCOMPARE(sorted, used);
        for (int j = 0; j < lines; ++j) {
            const int i = s.halves.at(j).mid(1).toInt() - 1;
            QCOMPARE(s.keys.at(j), keyString(i, s.halves.at(j)));
        }
    }

    void twoLinesAlwaysGiveTheSecondInCellOne()
    {
        for (double u : {0.0, 0.3, 0.5, 0.999999}) {
            test::ScriptedRandom random;
            random.values = {u, u};
            const Shuffled s = shuffleHalves({"Hund", "Hund.bmp"}, random);
            QCOMPARE(s.halves, QStringList({"Hund.bmp", "Hund"}));
        }
    }

    void nineteenLinesLeaveOneJ()
    {
        test::ScriptedRandom random;
        random.fallback = 0.42;
        const Shuffled s = shuffleHalves(numbered(QStringLiteral("L"), 19), random);
        QString letters;
        for (const QString &k : s.keys)
            letters += k.at(0);
        QCOMPARE(letters.count(QLatin1Char('J')), 1);
        for (QChar c : QStringLiteral("ABCDEFGHI"))
            QCOMPARE(letters.count(c), 2);
    }

    void aDrawOfOneDoesNotBreakTheShuffle()
    {
        // a generator that returns the upper end of its range must not push
        // an entry past the end or leave the first line anywhere but last
        test::ScriptedRandom random;
        random.fallback = 1.0;
        const Shuffled s = shuffleHalves(numbered(QStringLiteral("L"), 6), random);
        QCOMPARE(s.halves.size(), 6);
        QCOMPARE(s.halves.last(), QStringLiteral("L1"));
        QCOMPARE(QSet<QString>(s.halves.begin(), s.halves.end()).size(), 6);
    }

    void theBoardShowsTheShuffledHalvesFromTheFile()
    {
        // Hund / Hund.bmp / Katze / Katze.bmp (no picture files): two text
        // cells, two picture cells, A_Hund in cell 4, cells 5 to 20 hidden
        QTemporaryDir dir;
        writeBytes(dir, QStringLiteral("TIERE.TXT"), "Hund\r\nHund.bmp\r\n\r\nKatze\r\nKatze.bmp");
        test::FakePlatform fake;
        fake.clock.milliseconds = 4242123;
        fake.random.values = {0.7, 0.5, 0.9, 0.2};
        QWidget client;
        Board board(&client, fake.platform());
        board.setProgramFolder(dir.path() + QLatin1Char('/'));
        board.AufgabeLaden(QStringLiteral("TIERE.TXT"));
        QCOMPARE(fake.random.seeds, QList<quint32>({4242123}));
        QCOMPARE(board.List1(), QStringList({"Hund", "Hund.bmp", "Katze", "Katze.bmp"}));
        QCOMPARE(board.List2(), QStringList({"Katze.bmp", "Hund.bmp", "Katze", "Hund"}));
        QCOMPARE(board.List3(), QStringList({"B_Katze.bmp", "A_Hund.bmp", "B_Katze", "A_Hund"}));
        QVERIFY(!board.picture(1)->isHidden() && board.label(1)->isHidden());
        QVERIFY(!board.picture(2)->isHidden() && board.label(2)->isHidden());
        QVERIFY(board.picture(3)->isHidden() && !board.label(3)->isHidden());
        QVERIFY(board.picture(4)->isHidden() && !board.label(4)->isHidden());
        QCOMPARE(board.label(3)->text(), QStringLiteral("Katze"));
        QCOMPARE(board.label(4)->text(), QStringLiteral("Hund"));
        QCOMPARE(board.hiddenControls(), 40 - 4);

        // a set-up of the same file seeds again and hides what was shown
        board.AufgabeLaden(QStringLiteral("TIERE.TXT"));
        QCOMPARE(fake.random.seeds.size(), 2);
        QCOMPARE(board.hiddenControls(), 40 - 4);
        QCOMPARE(board.List3().last(), QStringLiteral("A_Hund"));
    }

    void setUpsWithinOneSecondShuffleAnew()
    {
        // the program's own clock and generator, two set-ups a few milliseconds apart
        QTemporaryDir dir;
        writeBytes(dir, QStringLiteral("ZAHLEN.TXT"), numbered(QStringLiteral("Z"), 20).join(QLatin1Char('\r')).toLatin1());
        test::FakePlatform fake;
        SystemClock clock;
        SystemRandom random;
        Platform platform = fake.platform();
        platform.clock = &clock;
        platform.random = &random;
        QWidget client;
        Board board(&client, platform);
        board.setProgramFolder(dir.path() + QLatin1Char('/'));
        board.AufgabeLaden(QStringLiteral("ZAHLEN.TXT"));
        const QStringList first = board.List2();
        QTest::qSleep(3);
        board.AufgabeLaden(QStringLiteral("ZAHLEN.TXT"));
        QVERIFY(board.List2() != first);
    }
};

QTEST_MAIN(TaskFileTest)
#include "TaskFileTest.moc"
