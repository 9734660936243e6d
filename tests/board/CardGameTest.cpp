// SPDX-License-Identifier: GPL-3.0-or-later
// The card game without widgets: turning, deciding, teams, the random choice
// of pairs and the grouped layout.
#include "FakePlatform.h"

#include "board/CardGame.h"

#include <QSet>
#include <QSignalSpy>
#include <QtTest>

using namespace duplikon;
using Press = CardGame::Press;
using Face = Card::Face;

namespace {
QStringList pairs(int n)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << QStringLiteral("Wort%1").arg(i) << QStringLiteral("Bild%1").arg(i);
    return lines;
}

// With every random number 0 the cards lie in the reverse order of the lines.
void deal(CardGame &g, const QStringList &lines, CardGame::Rules rules = {})
{
    test::ScriptedRandom random;
    g.deal(Task{QStringLiteral("KARTEN.TXT"), lines, {}}, QString(), random, rules);
}
} // namespace

class CardGameTest : public QObject {
    Q_OBJECT

private slots:
    void pairsAreDecidedByPairKeyAndSettledFromOutside()
    {
        CardGame g;
        QSignalSpy solved(&g, &CardGame::solvedTask);
        // cards 0 eckig (B), 1 Ball (B), 2 rund (A), 3 Ball (A)
        deal(g, {"Ball", "rund", "Ball", "eckig"});
        QCOMPARE(g.cardCount(), 4);
        QCOMPARE(g.card(1).half.half, QStringLiteral("Ball"));
        QCOMPARE(g.press(1), Press::Turned);
        QCOMPARE(g.press(1), Press::Ignored); // an open card stays open
        QCOMPARE(g.press(3), Press::Mismatch); // the same text, another pair
        QCOMPARE(g.card(3).mark, Card::Mark::Cross);
        QCOMPARE(g.press(2), Press::Covered); // the next press only turns them back
        QVERIFY(g.card(1).face == Face::Down && g.card(3).face == Face::Down && g.card(2).face == Face::Down);
        QCOMPARE(g.press(2), Press::Turned);
        QCOMPARE(g.press(3), Press::Match);
        QCOMPARE(g.card(2).mark, Card::Mark::Tick);
        QCOMPARE(g.teamPairs(0), 1);
        QCOMPARE(g.press(0), Press::Turned); // a third card ends the match and turns
        QVERIFY(g.card(2).face == Face::Gone && g.card(3).face == Face::Gone);
        QCOMPARE(g.press(3), Press::Ignored); // vanished
        QCOMPARE(g.press(1), Press::Match);
        QVERIFY(!g.solved() && solved.isEmpty()); // the tick still shows
        QVERIFY(g.settle());
        QVERIFY(!g.settle());
        QVERIFY(g.solved());
        QCOMPARE(solved.size(), 1);
        QCOMPARE(g.turns(), 3);
    }

    void anOddHalfNeverMatchesAndStaysWhenThePairsHaveGone()
    {
        CardGame g;
        deal(g, {"a", "b", "einsam"}); // cards 0 einsam, 1 b, 2 a
        QCOMPARE(g.card(0).half.partner, -1);
        QCOMPARE(g.press(0), Press::Turned);
        QCOMPARE(g.press(1), Press::Mismatch);
        g.settle();
        g.press(2);
        QCOMPARE(g.press(1), Press::Match);
        g.settle();
        QVERIFY(g.solved());
        QCOMPARE(g.card(0).face, Face::Down);
    }

    void aMismatchPassesTheTurnAndAMatchKeepsIt()
    {
        for (int teams : {1, 4}) {
            CardGame g;
            deal(g, pairs(3), {10, false, teams}); // cards 5 … 0: Bild2 Wort2 Bild1 Wort1 Bild0 Wort0
            QVector<int> onTurn;
            for (int i = 0; i < 5; ++i) {
                g.press(0);
                g.press(2); // Bild2 and Bild1
                g.settle();
                onTurn << g.team();
            }
            g.press(0);
            QCOMPARE(g.press(1), Press::Match);
            QCOMPARE(g.teamPairs(onTurn.last()), 1);
            QCOMPARE(g.team(), onTurn.last());
            QCOMPARE(onTurn, teams == 1 ? QVector<int>({0, 0, 0, 0, 0}) : QVector<int>({1, 2, 3, 0, 1}));
        }
    }

    void theEndNamesTheTeamsWithTheMostPairsOrAll()
    {
        CardGame g;
        deal(g, pairs(3), {10, false, 2}); // cards Bild2 Wort2 Bild1 Wort1 Bild0 Wort0
        g.press(0);
        g.press(1); // team 1 matches
        g.press(2);
        g.press(4); // and misses
        QCOMPARE(g.winners(), QVector<int>({0}));
        QCOMPARE(g.press(2), Press::Covered);
        g.press(2);
        g.press(3); // team 2 matches
        QCOMPARE(g.winners(), QVector<int>({0, 1}));
    }

    void aLargerTaskGivesARandomChoiceOfItsPairs()
    {
        SystemRandom random;
        QSet<QSet<int>> choices;
        for (quint32 seed = 1; seed <= 5; ++seed) {
            random.seed(seed);
            CardGame g;
            g.deal(Task{QString(), pairs(10), {}}, QString(), random, {4, false, 1});
            QCOMPARE(g.cardCount(), 8);
            QSet<int> keys;
            for (int i = 0; i < 8; ++i)
                keys << g.card(i).half.pairKey;
            QCOMPARE(keys.size(), 4);
            choices << keys;
        }
        QVERIFY(choices.size() > 1);
        CardGame all;
        deal(all, pairs(10), {10, false, 1});
        QSet<int> keys;
        for (int i = 0; i < all.cardCount(); ++i)
            keys << all.card(i).half.pairKey;
        QCOMPARE(keys.size(), 10);
        QCOMPARE(all.rows() * all.columns(), 20);
    }

    void groupedCardsPutFirstHalvesAboveSecondHalves()
    {
        for (int n : {3, 6, 8}) {
            CardGame g;
            deal(g, pairs(n), {10, true, 1});
            const int upper = g.rows() / 2 * g.columns();
            QVERIFY(upper >= n);
            for (int i = 0; i < g.cardCount(); ++i)
                QCOMPARE(g.card(i).slot < upper, g.card(i).half.half.startsWith(QLatin1String("Wort")));
        }
        QCOMPARE(cardBlock(12).rows, 4);
        QCOMPARE(cardBlock(8).columns, 4);
    }
};

QTEST_GUILESS_MAIN(CardGameTest)
#include "CardGameTest.moc"
