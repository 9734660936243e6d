// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/PageOutput.h"

#include <QtTest>

using namespace duplikon;

class PageLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void wrapsBetweenWordsAtTheWidthOfTheFontSize();
    void theAddedBlankMakesAnEmptyLastLine();
    void everyTableSizeHasItsWidthAndOtherSizesTakeFourteen_data();
    void everyTableSizeHasItsWidthAndOtherSizesTakeFourteen();
    void aWordLongerThanALineIsCutAndContinued();
    void wrappingLosesNoCharactersAndAlwaysEnds();
    void cellsGoInReadingOrderIntoFourColumnsAndFiveRows();
};

void PageLayoutTest::wrapsBetweenWordsAtTheWidthOfTheFontSize()
{
    // 12 pt: 16 + 1 = 17 characters; bold 16. The four words are 19 characters.
    const QStringList expected{QStringLiteral("Der Hund bellt "), QStringLiteral("laut ")};
    QCOMPARE(TextUmbrechen(QStringLiteral("Der Hund bellt laut"), 12, false), expected);
    QCOMPARE(TextUmbrechen(QStringLiteral("Der Hund bellt laut"), 12, true), expected);
    // a break at exactly w characters, blank included
    QCOMPARE(TextUmbrechen(QStringLiteral("Katze und Hunde ab"), 12, true),
             (QStringList{QStringLiteral("Katze und Hunde "), QStringLiteral("ab ")}));
    QCOMPARE(TextUmbrechen(QStringLiteral("Katze und Hundes ab"), 12, true),
             (QStringList{QStringLiteral("Katze und "), QStringLiteral("Hundes ab ")}));
}

void PageLayoutTest::theAddedBlankMakesAnEmptyLastLine()
{
    QCOMPARE(TextUmbrechen(QStringLiteral("Hund"), 12, false), (QStringList{QStringLiteral("Hund "), QString()}));
    QCOMPARE(TextUmbrechen(QString(), 14, true), (QStringList{QStringLiteral(" "), QString()}));
    // 24 pt, w = 9: eight characters and the blank fill one line; nine do not
    QCOMPARE(TextUmbrechen(QStringLiteral("abcdefgh"), 24, false),
             (QStringList{QStringLiteral("abcdefgh "), QString()}));
    QCOMPARE(TextUmbrechen(QStringLiteral("abcdefghi"), 24, false),
             (QStringList{QStringLiteral("abcdefghi"), QStringLiteral(" ")}));
}

void PageLayoutTest::everyTableSizeHasItsWidthAndOtherSizesTakeFourteen_data()
{
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("width");
    const qreal sizes[] = {10, 12, 14, 16, 18, 20, 22, 24};
    const int chars[] = {20, 16, 15, 12, 11, 10, 9, 8};
    for (int i = 0; i < 8; ++i) {
        QTest::addRow("%g pt", sizes[i]) << sizes[i] << false << chars[i] + 1;
        QTest::addRow("%g pt bold", sizes[i]) << sizes[i] << true << chars[i];
    }
    QTest::addRow("14.25 pt rounded by the font system") << qreal(14.25) << false << 15;
    QTest::addRow("14.25 pt bold") << qreal(14.25) << true << 14;
    QTest::addRow("11 pt") << qreal(11) << false << 15;
    QTest::addRow("26 pt") << qreal(26) << true << 14;
}

void PageLayoutTest::everyTableSizeHasItsWidthAndOtherSizesTakeFourteen()
{
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);
    QFETCH(int, width);
    // a text without blanks is cut into pieces of w characters
    const QString text(50, QLatin1Char('x'));
    const QStringList lines = TextUmbrechen(text, pointSize, bold);
    const int whole = 50 / width;
    QCOMPARE(lines.size(), whole + 1);
    for (int i = 0; i < whole; ++i)
        QCOMPARE(lines.at(i), QString(width, QLatin1Char('x')));
    QCOMPARE(lines.last(), QString(50 - whole * width, QLatin1Char('x')) + QLatin1Char(' '));
}

void PageLayoutTest::aWordLongerThanALineIsCutAndContinued()
{
    // 12 pt regular, w = 17
    QCOMPARE(TextUmbrechen(QStringLiteral("Ein Donaudampfschifffahrtsgesellschaft fährt"), 12, false),
             (QStringList{QStringLiteral("Ein "), QStringLiteral("Donaudampfschifff"), QStringLiteral("ahrtsgesellschaft"),
                          QStringLiteral(" fährt ")}));
}

void PageLayoutTest::wrappingLosesNoCharactersAndAlwaysEnds()
{
    const QStringList texts{
        QStringLiteral("   "),
        QStringLiteral("a b c d e f g h i j k l m n o p q r s t u v w x y z"),
        QStringLiteral("Das Pferd frisst keinen Gurkensalat, sagte der Erfinder des Telefons."),
        QString(200, QLatin1Char('y')),
        QStringLiteral("Ein Bär 🐻 und ein Igel 🦔🦔🦔🦔🦔🦔🦔🦔🦔🦔 gehen"),
    };
    for (const QString &text : texts) {
        for (qreal size : {10.0, 14.0, 24.0, 13.0}) {
            for (bool bold : {false, true}) {
                const QStringList lines = TextUmbrechen(text, size, bold);
                QCOMPARE(lines.join(QString()), text + QLatin1Char(' '));
                const int w = TextUmbrechen(QString(100, QLatin1Char('z')), size, bold).first().size();
                for (const QString &line : lines) {
                    QVERIFY2(line.size() <= w, qPrintable(line));
                    QVERIFY(line.isEmpty() || !line.back().isHighSurrogate());
                }
                // only the last line may be empty
                for (int i = 0; i + 1 < lines.size(); ++i)
                    QVERIFY(!lines.at(i).isEmpty());
            }
        }
    }
}

void PageLayoutTest::cellsGoInReadingOrderIntoFourColumnsAndFiveRows()
{
    const int xs[4] = {800, 3400, 6000, 8600};
    const int ys[5] = {1000, 3000, 5000, 7000, 9000};
    for (int cell = 1; cell <= 20; ++cell) {
        const QPoint origin = pageContentOriginTwips(cell);
        QCOMPARE(origin, QPoint(xs[(cell - 1) % 4], ys[(cell - 1) / 4]));
        QCOMPARE(pageFrameTwips(cell), QRect(origin - QPoint(100, 100), QSize(2600, 2000)));
        QVERIFY(QRect(0, 0, kPageWidthTwips, kPageHeightTwips).contains(pageFrameTwips(cell)));
    }
    QCOMPARE(pageFrameTwips(1).topLeft(), QPoint(700, 900));
    QCOMPARE(pageFrameTwips(20).bottomRight() + QPoint(1, 1), QPoint(11100, 10900));
}

QTEST_MAIN(PageLayoutTest)
#include "PageLayoutTest.moc"
