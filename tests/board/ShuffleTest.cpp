// SPDX-License-Identifier: GPL-3.0-or-later
// The shuffle of the halves onto the board, and the board set up from a task
// file.
#include "FakePlatform.h"
#include "board/Board.h"
#include "board/BoardState.h"
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

QStringList numbered(const QString &prefix, int n)
{
    QStringList l;
    for (int i = 1; i <= n; ++i)
        l << prefix + QString::number(i);
    return l;
}

} // namespace

class ShuffleTest : public QObject {
    Q_OBJECT

private slots:
    // ---- the board from a task file ---------------------------------------

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
        board.AufgabeLaden(readTask(board.programFolder(), QStringLiteral("TIERE.TXT")).task);
        QCOMPARE(fake.random.seeds, QList<quint32>({4242123}));
        QCOMPARE(board.state()->List1(), QStringList({"Hund", "Hund.bmp", "Katze", "Katze.bmp"}));
        QCOMPARE(board.state()->List2(), QStringList({"Katze.bmp", "Hund.bmp", "Katze", "Hund"}));
        QCOMPARE(board.state()->List3(), QStringList({"B_Katze.bmp", "A_Hund.bmp", "B_Katze", "A_Hund"}));
        QVERIFY(!board.cellPicture(0)->isHidden() && board.cellLabel(0)->isHidden());
        QVERIFY(!board.cellPicture(1)->isHidden() && board.cellLabel(1)->isHidden());
        QVERIFY(board.cellPicture(2)->isHidden() && !board.cellLabel(2)->isHidden());
        QVERIFY(board.cellPicture(3)->isHidden() && !board.cellLabel(3)->isHidden());
        QCOMPARE(board.cellLabel(2)->text(), QStringLiteral("Katze"));
        QCOMPARE(board.cellLabel(3)->text(), QStringLiteral("Hund"));
        QCOMPARE(board.hiddenControls(), 40 - 4);

        // a set-up of the same file seeds again and hides what was shown
        board.AufgabeLaden(readTask(board.programFolder(), QStringLiteral("TIERE.TXT")).task);
        QCOMPARE(fake.random.seeds.size(), 2);
        QCOMPARE(board.hiddenControls(), 40 - 4);
        QCOMPARE(board.state()->List3().last(), QStringLiteral("A_Hund"));
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
        board.AufgabeLaden(readTask(board.programFolder(), QStringLiteral("ZAHLEN.TXT")).task);
        const QStringList first = board.state()->List2();
        QTest::qSleep(3);
        board.AufgabeLaden(readTask(board.programFolder(), QStringLiteral("ZAHLEN.TXT")).task);
        QVERIFY(board.state()->List2() != first);
    }
};

QTEST_MAIN(ShuffleTest)
#include "ShuffleTest.moc"
