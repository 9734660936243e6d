// SPDX-License-Identifier: GPL-3.0-or-later
// The cards on the window: backs, faces, the tick and the cross, keys, taps
// and what a screen reader hears.
#include "FakePlatform.h"

#include "board/BoardVoice.h"
#include "board/CardBoard.h"

#include <QLabel>
#include <QPainter>
#include <QtTest>

using namespace duplikon;

namespace {
QImage shot(QWidget *w, qreal scale)
{
    QImage image(w->size() * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    w->render(&image);
    // To look at: DUPLIKON_SHOTS=folder keeps every picture taken.
    if (const QString folder = qEnvironmentVariable("DUPLIKON_SHOTS"); !folder.isEmpty())
        image.save(QStringLiteral("%1/%2-%3.png").arg(folder, w->objectName()).arg(scale * 100));
    return image;
}

QColor at(const QImage &image, qreal x, qreal y)
{
    return image.pixelColor(int(x * image.width()), int(y * image.height()));
}

struct Table {
    test::FakePlatform fake;
    BoardState state;
    BoardVoice voice{&state, fake.platform()};
    QWidget client;
    CardBoard *cards;

    // With every random number 0 the cards lie in the reverse order of the lines.
    explicit Table(CardGame::Rules rules, const QStringList &lines = {"Hund", "Wauwau", "Katze", "Miau"})
    {
        client.resize(864, 576);
        cards = new CardBoard(&client, &voice);
        cards->setRules(rules, 0);
        cards->deal(Task{QStringLiteral("T.TXT"), lines, {}}, QString(), fake.random);
        cards->show();
        client.show();
        QVERIFY(QTest::qWaitForWindowExposed(&client));
    }
};
} // namespace

class CardBoardTest : public QObject {
    Q_OBJECT

private slots:
    void backsShowAShapeOnADarkGroundAtEverySize()
    {
        Table t({10, true, 1}); // cards: Wauwau Hund | Miau Katze
        for (qreal scale : {1.0, 2.0}) {
            const QImage first = shot(t.cards->cardWidget(0), scale);
            const QImage second = shot(t.cards->cardWidget(3), scale);
            QCOMPARE(first.size(), QSize(161, 121) * scale);
            QCOMPARE(at(first, 0.5, 0.5), QColor(Qt::white));        // a circle …
            QCOMPARE(at(first, 0.3, 0.3), QColor(15, 40, 110));       // … on dark blue
            QCOMPARE(at(second, 0.5, 0.5), QColor(255, 210, 0));      // a diamond …
            QCOMPARE(at(second, 0.5, 0.3), QColor(255, 210, 0));
            QCOMPARE(at(second, 0.4, 0.3), QColor(125, 20, 20));      // … on dark red, no circle
        }
        QCOMPARE(t.cards->cardWidget(0)->accessibleName(), QStringLiteral("Karte 1, verdeckt"));
        QVERIFY(!t.cards->turnLine()->isVisible()); // one team: no line
    }

    void aMismatchShowsCrossesAndAMatchTicksThenItGoes()
    {
        Table t({10, false, 2}); // cards: Miau Katze Wauwau Hund
        QTest::mouseClick(t.cards->cardWidget(0), Qt::LeftButton);
        QCOMPARE(t.cards->cardWidget(0)->accessibleName(), QStringLiteral("Karte 1, Miau"));
        QCOMPARE(t.cards->cardWidget(0)->findChild<QLabel *>()->text(), QStringLiteral("Miau"));
        QTest::mouseClick(t.cards->cardWidget(2), Qt::LeftButton);
        const QImage cross = shot(t.cards->cardWidget(2), 1);
        const QRectF disc(161 - 121 * 0.42 - 4, 4, 121 * 0.42, 121 * 0.42);
        QCOMPARE(cross.pixelColor(disc.center().toPoint()), QColor(200, 0, 0));
        QCOMPARE(t.cards->turnLine()->text(), QStringLiteral("Mannschaft 2 ist dran"));
        QTest::mouseClick(t.cards->cardWidget(3), Qt::LeftButton); // only turns them back
        QCOMPARE(t.cards->cardWidget(2)->accessibleName(), QStringLiteral("Karte 3, verdeckt"));
        QCOMPARE(t.cards->game()->card(3).face, Card::Face::Down);
        // A tap of a finger turns a card as a click does.
        QPointingDevice *finger = QTest::createTouchDevice();
        QTest::touchEvent(&t.client, finger).press(0, t.cards->cardWidget(2)->geometry().center() + t.cards->pos());
        QTest::touchEvent(&t.client, finger).release(0, t.cards->cardWidget(2)->geometry().center() + t.cards->pos());
        QCOMPARE(t.cards->game()->card(2).face, Card::Face::Open);
        QTest::mouseClick(t.cards->cardWidget(3), Qt::LeftButton);
        const QImage tick = shot(t.cards->cardWidget(3), 1);
        const auto inDisc = [&](qreal x, qreal y) { return (disc.topLeft() + QPointF(x, y) * disc.width()).toPoint(); };
        QCOMPARE(cross.pixelColor(inDisc(0.35, 0.35)), QColor(200, 0, 0));
        QCOMPARE(tick.pixelColor(inDisc(0.35, 0.35)), QColor(Qt::white)); // not a cross in another colour
        QCOMPARE(tick.pixelColor(inDisc(0.43, 0.69)), QColor(0, 130, 0));
        QVERIFY(t.cards->cardWidget(3)->isVisible());
        QTRY_VERIFY(!t.cards->cardWidget(3)->isVisible()); // gone after about a second
        QCOMPARE(t.cards->findChild<QLabel *>(QStringLiteral("teamPairs2"))->text(), QStringLiteral("Mannschaft 2\n1 Paar"));
    }

    void theArrowsMoveOverTheCardsAndSpaceTurns()
    {
        Table t({10, false, 1}, {"a", "b", "c", "d", "e", "f"}); // 2 rows of 3
        QWidget *first = t.cards->cardWidget(0);
        first->setFocus(Qt::TabFocusReason);
        QTest::keyClick(first, Qt::Key_Right);
        QVERIFY(t.cards->cardWidget(1)->hasFocus());
        QTest::keyClick(t.cards->cardWidget(1), Qt::Key_Down);
        QVERIFY(t.cards->cardWidget(4)->hasFocus());
        QTest::keyClick(t.cards->cardWidget(4), Qt::Key_Space);
        QCOMPARE(t.cards->game()->card(4).face, Card::Face::Open);
        QTest::mousePress(t.cards->cardWidget(5), Qt::LeftButton);
        QTest::mouseMove(t.cards->cardWidget(0));
        QTest::mouseRelease(t.cards->cardWidget(0), Qt::LeftButton); // a drag is a press, no more
        QCOMPARE(t.cards->game()->card(0).face, Card::Face::Down);
        QCOMPARE(CardBoard::resultMessage({1}, 2), QStringLiteral("Mannschaft 2 hat gewonnen!\r"));
        QCOMPARE(CardBoard::resultMessage({0, 2}, 3), QStringLiteral("Die Mannschaften 1 und 3 haben gewonnen!\r"));
    }
};

QTEST_MAIN(CardBoardTest)
#include "CardBoardTest.moc"
