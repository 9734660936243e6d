// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorRules.h"

#include <QtTest>

using namespace duplikon::editor;

class EditorRulesTest : public QObject {
    Q_OBJECT
private slots:
    void nameRuleAppendsTxtOnlyWithoutAnyDot_data();
    void nameRuleAppendsTxtOnlyWithoutAnyDot();
    void nameRuleRefusesNamesThatLeaveTheFolderOrTheFileSystemCannotTake_data();
    void nameRuleRefusesNamesThatLeaveTheFolderOrTheFileSystemCannotTake();
    void emptyAnswerEndsSilently();
    void textFormTakesThePairCountFromTheGreenList();
    void movesExchangeWithWrapAround();
    void dealingPairsKeepsOrDropsEmptyLinesAndPutsAnOddLastLineLeft();
    void droppedPictureIsRelativeToTheProgramFolder();
};

void EditorRulesTest::nameRuleAppendsTxtOnlyWithoutAnyDot_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("name");
    QTest::newRow("no dot") << "tiere2" << "TIERE2.TXT";
    QTest::newRow("small .txt") << "tiere.txt" << "TIERE.TXT";
    QTest::newRow("capital .TXT") << "Tiere.TXT" << "TIERE.TXT";
    QTest::newRow("other ending kept") << "tiere.doc" << "TIERE.DOC";
    QTest::newRow("dot elsewhere") << "a.b c" << "A.B C";
    QTest::newRow("umlaut") << "Bäume" << "BÄUME.TXT";
    QTest::newRow("blank inside") << "meine tiere" << "MEINE TIERE.TXT";
    QTest::newRow("device name") << "con" << "CON_.TXT";
    QTest::newRow("device name with ending") << "Lpt9.txt" << "LPT9_.TXT";
    QTest::newRow("longer than a device name") << "console" << "CONSOLE.TXT";
}

void EditorRulesTest::nameRuleAppendsTxtOnlyWithoutAnyDot()
{
    QFETCH(QString, answer);
    QFETCH(QString, name);
    const TaskFileName r = taskFileName(answer);
    QCOMPARE(r.verdict, TaskFileName::Ok);
    QCOMPARE(r.name, name);
}

void EditorRulesTest::nameRuleRefusesNamesThatLeaveTheFolderOrTheFileSystemCannotTake_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("slash") << "../x";
    QTest::newRow("subfolder") << "Tiere/neu";
    QTest::newRow("backslash") << "Tiere\\neu";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("single dot") << ".";
    QTest::newRow("line break") << QStringLiteral("a\nb");
    QTest::newRow("tab") << QStringLiteral("a\tb");
    QTest::newRow("nul") << QString(QStringLiteral("ab") + QChar(0));
    QTest::newRow("too long") << QString(300, QLatin1Char('a'));
}

void EditorRulesTest::nameRuleRefusesNamesThatLeaveTheFolderOrTheFileSystemCannotTake()
{
    QFETCH(QString, answer);
    QCOMPARE(taskFileName(answer).verdict, TaskFileName::NotAllowed);
}

void EditorRulesTest::emptyAnswerEndsSilently()
{
    QCOMPARE(taskFileName(QString()).verdict, TaskFileName::Empty);
}

void EditorRulesTest::textFormTakesThePairCountFromTheGreenList()
{
    const QStringList three{"a", "b", "c"};
    const QStringList five{"1", "2", "3", "4", "5"};
    // 3 + 5: three pairs, the last blue entries left out
    QCOMPARE(textForm(three, five), QStringLiteral("a\r\n1\r\nb\r\n2\r\nc\r\n3\r\n"));
    // 5 + 3: five pairs, the last two blue lines empty
    QCOMPARE(pairLines(five, three), (QStringList{"1", "a", "2", "b", "3", "c", "4", "", "5", ""}));
    QCOMPARE(textForm(five, three).count(QLatin1String("\r\n")), 10);
    QCOMPARE(textForm({}, {}), QString());
    // empty entries stay empty lines
    QCOMPARE(pairLines({"", "x"}, {"y", ""}), (QStringList{"", "y", "x", ""}));
}

void EditorRulesTest::movesExchangeWithWrapAround()
{
    // up from the first exchanges with the last; down from the last with the first
    QCOMPARE(moveTarget(0, 3, -1), 2);
    QCOMPARE(moveTarget(2, 3, +1), 0);
    QCOMPARE(moveTarget(1, 3, -1), 0);
    QCOMPARE(moveTarget(1, 3, +1), 2);
    QCOMPARE(moveTarget(0, 2, +1), 1);
    // nothing moves in a list of fewer than two entries or without a selection
    QCOMPARE(moveTarget(0, 1, -1), -1);
    QCOMPARE(moveTarget(0, 0, +1), -1);
    QCOMPARE(moveTarget(-1, 3, -1), -1);
    QCOMPARE(moveTarget(3, 3, +1), -1);
}

void EditorRulesTest::dealingPairsKeepsOrDropsEmptyLinesAndPutsAnOddLastLineLeft()
{
    QStringList l1, l2;
    dealPairs({"Hund", "", "Katze", "Katze.bmp", "Maus"}, false, &l1, &l2);
    QCOMPARE(l1, (QStringList{"Hund", "Katze", "Maus"}));
    QCOMPARE(l2, (QStringList{"", "Katze.bmp"}));

    l1.clear();
    l2.clear();
    // each list drops its own empty lines, which can shift later halves
    dealPairs({"Hund", "", "", "Katze.bmp", "Maus", "Maus.bmp"}, true, &l1, &l2);
    QCOMPARE(l1, (QStringList{"Hund", "Maus"}));
    QCOMPARE(l2, (QStringList{"Katze.bmp", "Maus.bmp"}));
}

void EditorRulesTest::droppedPictureIsRelativeToTheProgramFolder()
{
    QCOMPARE(droppedPicturePath("Prog\\", "Hund.bmp"), QStringLiteral("Hund.bmp"));
    QCOMPARE(droppedPicturePath("Prog\\Tiere", "Hund.bmp"), QStringLiteral("Tiere\\Hund.bmp"));
    QCOMPARE(droppedPicturePath("Prog\\Tiere", QString()), QString());
}

QTEST_MAIN(EditorRulesTest)
#include "EditorRulesTest.moc"
