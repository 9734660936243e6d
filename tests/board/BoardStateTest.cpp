// SPDX-License-Identifier: GPL-3.0-or-later
// The game without widgets: the drop rule, the points, completion, what
// shows and the cell colours.
#include "FakePlatform.h"

#include "board/BoardState.h"

#include <QSignalSpy>
#include <QtTest>

using namespace duplikon;
using namespace duplikon::test;

namespace {
using Drop = BoardState::DropResult;

// With every random number 0 the cells hold the lines in reverse order.
void setUp(BoardState &s, const QStringList &lines)
{
    ScriptedRandom random;
    s.load(Task{QStringLiteral("AUFGABE.TXT"), lines, {}}, QString(), random);
}
} // namespace

class BoardStateTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheOtherHalfOfAPairMatchesAndScoresOnce()
    {
        BoardState s;
        QSignalSpy matched(&s, &BoardState::pairMatched);
        QSignalSpy points(&s, &BoardState::pointsChanged);
        QSignalSpy wrong(&s, &BoardState::mismatched);
        QSignalSpy matching(&s, &BoardState::pairMatching);
        // cells 0 einsam (C), 1 Ball (B), 2 rund (B), 3 Ball (A), 4 Ball (A)
        setUp(s, {"Ball", "Ball", "rund", "Ball", "einsam"});
        QCOMPARE(s.List3(), (QStringList{"C_einsam", "B_Ball", "B_rund", "A_Ball", "A_Ball"}));
        QCOMPARE(s.cell(3).partner, 4);
        QCOMPARE(s.cell(0).partner, -1);
        QCOMPARE(s.drop(1, 3, PlayWay::Keys), Drop::Mismatch); // the same text, another pair
        QCOMPARE(s.drop(0, 1, PlayWay::Mouse), Drop::Mismatch); // the half without a partner
        QCOMPARE(s.drop(2, 2, PlayWay::Mouse), Drop::Itself);
        QCOMPARE(s.drop(7, 1, PlayWay::Mouse), Drop::Ignored);  // a cell without a half
        QCOMPARE(s.drop(-1, 1, PlayWay::Mouse), Drop::Ignored);
        QCOMPARE(s.points(), 0);
        QCOMPARE(s.drop(4, 3, PlayWay::Tap), Drop::Match);
        // each drop's way goes out with it
        QCOMPARE(wrong.first(), (QList<QVariant>{3, 1, QVariant::fromValue(PlayWay::Keys)}));
        QCOMPARE(matching.first(), (QList<QVariant>{3, 4, QVariant::fromValue(PlayWay::Tap)}));
        QVERIFY(!s.cell(3).shown && !s.cell(4).shown && s.cell(1).shown);
        QCOMPARE(matched.takeFirst(), (QList<QVariant>{3, 4}));
        QCOMPARE(s.drop(3, 4, PlayWay::Mouse), Drop::Ignored); // gone for good
        QCOMPARE(s.drop(2, 1, PlayWay::Mouse), Drop::Match);
        QCOMPARE(s.points(), 2);
        QCOMPARE(points.size(), 2);
        QCOMPARE(s.cellsShown(), 1);
        QVERIFY(!s.solved()); // the odd half stays
    }

    void theLastPairSolvesTheTaskAndPointsOutliveTasks()
    {
        BoardState s;
        QSignalSpy solved(&s, &BoardState::solvedTask);
        QVERIFY(!s.solved()); // nothing on the board is nothing solved
        for (int round = 1; round <= 2; ++round) {
            setUp(s, {"Hund", "Hund.bmp", "Katze", "Mieze"});
            QCOMPARE(s.task(), QStringLiteral("AUFGABE.TXT"));
            QVERIFY(s.cell(2).picture && !s.cell(3).picture);
            s.drop(3, 2, PlayWay::Mouse);
            QCOMPARE(solved.size(), round - 1);
            s.drop(0, 1, PlayWay::Keys);
            QCOMPARE(solved.size(), round);
            QCOMPARE(solved.last().first().value<PlayWay>(), PlayWay::Keys);
            QVERIFY(s.solved());
        }
        QCOMPARE(s.points(), 4);
        s.clear();
        QVERIFY(s.task().isEmpty() && s.List3().isEmpty());
        QCOMPARE(s.points(), 4);
    }

    void coloursFollowTheModeAndStayForCellsWithoutHalves()
    {
        BoardState s;
        s.setQuestionColour(0xE0E0E0);
        s.setAnswerColour(0xFFC0FF);
        setUp(s, {"L1", "L2", "L3", "L4"}); // B_L4 B_L3 A_L2 A_L1
        s.colourTwoColours();
        const ColourValue two[5] = {0xE0E0E0, 0xFFC0FF, 0xE0E0E0, 0xFFC0FF, 0};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(s.cell(i).colour, two[i]);
        QCOMPARE(s.farblist(), (QStringList{"14737632", "16761087", "14737632", "16761087"}));
        s.colourOneColour();
        QCOMPARE(s.cell(19).colour, ColourValue(0xE0E0E0));
        s.clear(); // an empty board keeps its colours until they are set again
        QCOMPARE(s.cell(0).colour, ColourValue(0xE0E0E0));
        s.colourTwoColours();
        QCOMPARE(s.cell(0).colour, ColourValue(0));
        // The colour from the settings file waits for the next colouring;
        // a change of mode or colour colours the cells at once.
        s.restoreQuestionColour(0xC0FFC0);
        QCOMPARE(s.cell(0).colour, ColourValue(0));
        s.setTwoColours(false);
        QCOMPARE(s.cell(5).colour, ColourValue(0xC0FFC0));
    }
};

QTEST_MAIN(BoardStateTest)
#include "BoardStateTest.moc"
