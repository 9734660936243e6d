// SPDX-License-Identifier: GPL-3.0-or-later
// The colour cycle of the colour fields, the colour lists of the two modes and
// the size steps of the text cells.
#include "FakePlatform.h"
#include "ProgramFolder.h"
#include "board/Board.h"
#include "board/ColourCycle.h"
#include "pictures/PictureBox.h"

#include <QLabel>
#include <QtTest>

using namespace duplikon;


class ColourCycleTest : public QObject {
    Q_OBJECT

private slots:
    void nineClicksComeBackThroughAllNineColours()
    {
        const QVector<ColourValue> &cycle = Farbfolge();
        QCOMPARE(cycle.size(), 9);
        QCOMPARE(cycle.first(), kSystemWindow);
        for (ColourValue start : cycle) {
            QSet<ColourValue> seen;
            ColourValue c = start;
            for (int i = 0; i < 9; ++i) {
                c = nextColour(c);
                seen.insert(c);
            }
            QCOMPARE(c, start);
            QCOMPARE(seen.size(), 9);
        }
        QCOMPARE(nextColour(ColourValue(0xC0FFC0)), kSystemWindow); // step 9 back to step 1
        QCOMPARE(nextColour(kSystemWindow), ColourValue(0xE0E0E0));
    }

    void aColourOutsideTheCycleGoesOnWithStepOne()
    {
        // the design white of "Fragen" and the black of a missing settings
        // file must not get stuck at black
        QCOMPARE(nextColour(ColourValue(0xFFFFFF)), kSystemWindow);
        QCOMPARE(nextColour(ColourValue(0)), kSystemWindow);
        QCOMPARE(nextColour(ColourValue(0x123456)), kSystemWindow);
    }

    void colourTextIsTheSignedDecimalNumber()
    {
        QCOMPARE(colourText(kSystemWindow), QStringLiteral("-2147483643"));
        QCOMPARE(colourText(ColourValue(0xFFFFC0)), QStringLiteral("16777152"));
        for (ColourValue c : Farbfolge())
            QCOMPARE(colourFromText(colourText(c)), c);
        QCOMPARE(colourFromText(QString()), ColourValue(0));
        QCOMPARE(colourFromText(QStringLiteral("Fragen")), ColourValue(0));
        QCOMPARE(colourFromText(QStringLiteral("1e40")), ColourValue(0));
        QCOMPARE(colourFromText(QStringLiteral("12.6")), ColourValue(13));
    }

    void oneColourModeGivesTwentyQuestionColours()
    {
        QCOMPARE(singleColourList(0xE0E0E0), QVector<ColourValue>(20, 0xE0E0E0));
    }

    void twoColourModeSplitsEveryPair()
    {
        const ColourValue f = 0xE0E0E0, a = 0xFFC0FF;
        // the lower-numbered cell of each pair gets "Fragen", whichever half it holds
        using V = QVector<ColourValue>;
        QCOMPARE(twoColourList({"B_L4", "A_L2", "B_L3", "A_L1"}, f, a), V({f, f, a, a}));
        QCOMPARE(twoColourList({"A_1", "A_2", "C_5", "B_3", "B_4", "C_6"}, f, a), V({f, a, f, f, a, a}));
        // a letter without a partner gets "Fragen"
        QCOMPARE(twoColourList({"A_1", "J_19", "A_2"}, f, a), V({f, f, a}));
        // both colours the same number: every entry is still replaced once
        QCOMPARE(twoColourList({"A_x", "A_y"}, f, f), V({f, f}));
        // nothing on the board: nothing in the list
        QCOMPARE(twoColourList({}, f, a), V());
    }

    void theBoardColoursItsCellsByMode()
    {
        test::FakePlatform fake;
        QWidget client;
        Board board(&client, fake.platform());
        board.state()->setQuestionColour(0xE0E0E0);
        board.state()->setAnswerColour(0xFFC0FF);
        // What the child sees: the cell's background.
        auto colour = [&](int n, bool picture) {
            QWidget *w = picture ? static_cast<QWidget *>(board.cellPicture(n - 1)) : board.cellLabel(n - 1);
            return w->palette().color(w->backgroundRole());
        };

        // two-colour mode with no task: all 40 cell controls black
        board.state()->setTwoColours(true);
        for (int n = 1; n <= 20; ++n) {
            QCOMPARE(colour(n, true), toQColor(0));
            QCOMPARE(colour(n, false), toQColor(0));
        }

        // two-colour mode with four halves: pairs split, cells without a half black
        test::ProgramFolder pf;
        pf.writeTask(QStringLiteral("A.TXT"), {"L1", "L2", "L3", "L4"});
        board.setProgramFolder(pf.folder());
        fake.random.values = {0, 0, 0.5, 0};
        board.AufgabeLaden(readTask(board.programFolder(), QStringLiteral("A.TXT")).task);
        QCOMPARE(board.state()->List3(), QStringList({"B_L4", "A_L2", "B_L3", "A_L1"}));
        const ColourValue expected[4] = {0xE0E0E0, 0xE0E0E0, 0xFFC0FF, 0xFFC0FF};
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(colour(n, true), toQColor(expected[n - 1]));
            QCOMPARE(colour(n, false), toQColor(expected[n - 1]));
        }
        QCOMPARE(colour(5, false), toQColor(0));

        // one-colour mode: every cell, also those without a half, "Fragen"
        board.state()->setTwoColours(false);
        for (int n = 1; n <= 20; ++n)
            QCOMPARE(colour(n, false), toQColor(0xE0E0E0));
    }

    void sizeStepsStopAtTenAndTwentyFour()
    {
        QList<qreal> down;
        qreal s = 14;
        for (int i = 0; i < 3; ++i)
            down << (s = smallerSize(s));
        QCOMPARE(down, QList<qreal>({12, 10, 10}));
        QList<qreal> up;
        s = 14;
        for (int i = 0; i < 6; ++i)
            up << (s = largerSize(s));
        QCOMPARE(up, QList<qreal>({16, 18, 20, 22, 24, 24}));
        // the limits apply before any rounding of odd sizes
        QCOMPARE(smallerSize(11), qreal(10));
        QCOMPARE(largerSize(23), qreal(24));
    }
};

QTEST_MAIN(ColourCycleTest)
#include "ColourCycleTest.moc"
