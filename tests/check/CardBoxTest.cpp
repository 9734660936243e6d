// SPDX-License-Identifier: GPL-3.0-or-later
// The card box on result lines: cards move on with a task solved cleanly and
// back with a wrong drop, fall due by the calendar, and are offered lowest
// compartment first.
#include "check/CardBox.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {

// The lines of one run on one machine, written as they happen.
class Lines {
public:
    Lines(const QString &task, const QString &fingerprint) : m_task(task), m_fingerprint(fingerprint) {}
    Lines &set(const QDateTime &t) { return add(ResultEvent::TaskSet, t); }
    Lines &drop(const QDateTime &t, const QString &a, const QString &b, bool matched)
    {
        add(ResultEvent::Drop, t);
        m_events.last().half1 = a;
        m_events.last().half2 = b;
        m_events.last().matched = matched;
        return *this;
    }
    // The task's three pairs matched in a row, then solved.
    Lines &solveAll(const QDateTime &t)
    {
        drop(t, "Hund", "Hunde.bmp", true).drop(t.addSecs(1), "Katze.bmp", "Katze", true);
        drop(t.addSecs(2), "Maus", "Maus.bmp", true);
        return add(ResultEvent::Solved, t.addSecs(3));
    }
    Lines &solved(const QDateTime &t) { return add(ResultEvent::Solved, t); }
    QVector<CardOutcome> outcomes() const { return cardOutcomes(m_events); }
    QVector<ResultEvent> &events() { return m_events; }

private:
    Lines &add(ResultEvent::Kind kind, const QDateTime &t)
    {
        ResultEvent e;
        e.kind = kind;
        e.time = t;
        e.user = QStringLiteral("Lea");
        e.task = m_task;
        e.fingerprint = m_fingerprint;
        m_events.append(e);
        return *this;
    }
    QString m_task, m_fingerprint;
    QVector<ResultEvent> m_events;
};

QDateTime at(int month, int day, int hour = 9)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, 0));
}

const Card &card(const QVector<Card> &cards, const QString &half)
{
    for (const Card &c : cards)
        if (c.half1 == half || c.half2 == half)
            return c;
    qFatal("no card with %s", qPrintable(half));
}

} // namespace

class CardBoxTest : public QObject {
    Q_OBJECT

private slots:
    void cardsMoveOnWithACleanSolveAndBackWithAWrongDrop()
    {
        QVector<CardOutcome> all;
        // day 1: Hund dropped on Katze, then all solved
        Lines day1("TIERE.TXT", "f1");
        day1.set(at(3, 2)).drop(at(3, 2).addSecs(5), "Hund", "Katze", false).solveAll(at(3, 2).addSecs(10));
        all += day1.outcomes();
        QVector<Card> cards = cardsFrom(all);
        QCOMPARE(cards.size(), 3);
        QCOMPARE(card(cards, "Hund").compartment, 1);
        QCOMPARE(card(cards, "Katze").compartment, 1);
        QCOMPARE(card(cards, "Maus").compartment, 2);
        QCOMPARE(card(cards, "Maus").half1, QStringLiteral("Maus")); // halves in one order
        QCOMPARE(card(cards, "Maus").half2, QStringLiteral("Maus.bmp"));

        // five clean solves carry a card to 5, where it stays
        for (int d = 3; d <= 8; ++d) {
            Lines clean("TIERE.TXT", "f1");
            clean.set(at(3, d)).solveAll(at(3, d).addSecs(1));
            all += clean.outcomes();
        }
        cards = cardsFrom(all);
        QCOMPARE(card(cards, "Maus").compartment, 5);
        QCOMPARE(card(cards, "Hund").compartment, 5);
        QCOMPARE(card(cards, "Hund").moved, at(3, 8).addSecs(4));

        // a wrong drop in a run never solved sends back; a matched pair there stays
        Lines half("TIERE.TXT", "f1");
        half.set(at(3, 9)).drop(at(3, 9), "Maus.bmp", "Katze", false).drop(at(3, 9).addSecs(1), "Hund", "Hunde.bmp", true);
        all += half.outcomes();
        cards = cardsFrom(all);
        QCOMPARE(card(cards, "Maus").compartment, 1);
        QCOMPARE(card(cards, "Katze").compartment, 1);
        QCOMPARE(card(cards, "Hund").compartment, 5);

        // a wrong drop before the pair was first matched still counts against it
        Lines fresh("TIERE.TXT", "f2");
        fresh.set(at(3, 9)).drop(at(3, 9), "Hund", "Maus", false).solveAll(at(3, 9).addSecs(5));
        cards = cardsFrom(fresh.outcomes());
        QCOMPARE(card(cards, "Hund").compartment, 1);
        QCOMPARE(card(cards, "Maus").compartment, 1);
        QCOMPARE(card(cards, "Katze").compartment, 2);
    }

    void dueDatesFollowTheCalendarAcrossAMonth()
    {
        Card c;
        c.moved = at(1, 28, 23); // late in the evening
        const QDate day = QDate(2026, 1, 28);
        const std::pair<int, QDate> dues[] = {{1, day}, {2, QDate(2026, 1, 29)}, {3, QDate(2026, 1, 31)},
                                              {4, QDate(2026, 2, 4)}, {5, QDate(2026, 2, 11)}};
        for (const auto &[compartment, due] : dues) {
            c.compartment = compartment;
            QCOMPARE(dueDate(c), due);
            QVERIFY(isDue(c, due));
            QVERIFY(!isDue(c, due.addDays(-1)) || compartment == 1);
        }
        // a card of compartment 5 moved in February is due in March
        c.moved = at(2, 20, 8);
        QCOMPARE(dueDate(c), QDate(2026, 3, 6));
    }

    void twoMachinesLinesInterleaveInTimeOrder()
    {
        // machine A: a clean solve at 9:00 and at 9:20; machine B in between,
        // at 9:10, a wrong drop of Hund; each file keeps its own runs
        Lines a("TIERE.TXT", "f1"), b("TIERE.TXT", "f1");
        a.set(at(3, 2)).solveAll(at(3, 2).addSecs(1));
        a.set(at(3, 2).addSecs(1200)).solveAll(at(3, 2).addSecs(1201));
        b.set(at(3, 2).addSecs(500)).drop(at(3, 2).addSecs(600), "Hund", "Maus.bmp", false);
        const QVector<Card> cards = cardsFrom(b.outcomes() + a.outcomes());
        QCOMPARE(card(cards, "Hund").compartment, 2); // 2, back to 1, then 2
        QCOMPARE(card(cards, "Maus").compartment, 2);
        QCOMPARE(card(cards, "Katze").compartment, 3);
        QCOMPARE(cardsFrom(a.outcomes() + b.outcomes()).size(), 3);
        QCOMPARE(compartmentText(compartmentCounts(cards)), QStringLiteral("0 · 2 · 1 · 0 · 0"));

        // the same from the child's files; a damaged line and another child's line are left out
        QTemporaryDir dir;
        const QString folder = dir.filePath(childFolderName(QStringLiteral("Lea")));
        QVERIFY(QDir().mkpath(folder));
        a.events()[4].user = QStringLiteral("Jonas"); // the first solve is not Lea's
        const std::pair<const char *, Lines *> files[] = {{"a.jsonl", &a}, {"b.jsonl", &b}};
        for (const auto &[name, lines] : files) {
            QFile f(QDir(folder).filePath(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            for (const ResultEvent &e : lines->events())
                f.write(resultLine(e));
            f.write("{\"kind\": \"drop\", cut");
        }
        const QVector<Card> read = readCardBox({dir.path()}, QStringLiteral("Lea"));
        QCOMPARE(compartmentText(compartmentCounts(read)), QStringLiteral("0 · 3 · 0 · 0 · 0"));
    }

    void aPairInTwoTasksIsTwoCardsAndAChangedTaskKeepsItsHistory()
    {
        // Hund/Hunde.bmp in TIERE (f1) and in HAUS (f3): a wrong drop in HAUS
        // leaves the card of TIERE where it is
        Lines tiere("TIERE.TXT", "f1"), haus("HAUS.TXT", "f3");
        tiere.set(at(3, 2)).solveAll(at(3, 2).addSecs(1));
        haus.set(at(3, 2, 10)).drop(at(3, 2, 10), "Hund", "Katze", false).solveAll(at(3, 2, 10).addSecs(1));
        // TIERE edited later: its lines now carry f2; the f1 cards stay as they were
        Lines edited("TIERE.TXT", "f2");
        edited.set(at(3, 3)).drop(at(3, 3), "Hund", "Katze", false).solveAll(at(3, 3).addSecs(1));
        const QVector<Card> cards = cardsFrom(tiere.outcomes() + haus.outcomes() + edited.outcomes());
        QCOMPARE(cards.size(), 9);
        QHash<QString, int> hund;
        for (const Card &c : cards)
            if (c.half1 == "Hund")
                hund.insert(c.fingerprint, c.compartment);
        QCOMPARE(hund, (QHash<QString, int>{{"f1", 2}, {"f2", 1}, {"f3", 1}}));

        // only the cards of the task files as they are now are offered
        const QVector<Card> offer = cardOffer(cards, QDate(2026, 3, 20),
                                              [](const Card &c) { return c.fingerprint != "f1"; });
        QCOMPARE(offer.size(), 6);
        for (const Card &c : offer)
            QVERIFY(c.fingerprint != "f1");
    }

    void theOfferTakesLowCompartmentsAndOldCardsFirstUpToTen()
    {
        QVector<Card> cards;
        auto add = [&](const QString &half, int compartment, const QDateTime &moved) {
            cards.append({"f", "T.TXT", half, half + ".bmp", compartment, moved});
        };
        add("a", 3, at(3, 1));      // due 3-4
        add("b", 1, at(3, 9));      // due at once
        add("c", 1, at(3, 5));      // older: before b
        add("d", 2, at(3, 8));      // due 3-9
        add("e", 2, at(3, 9, 8));   // due 3-10: not yet
        add("f", 5, at(2, 1));      // due 2-15
        add("g", 1, at(3, 1));      // picture missing: never offered
        const auto playable = [](const Card &c) { return c.half1 != "g"; };
        QStringList order;
        for (const Card &c : cardOffer(cards, QDate(2026, 3, 9), playable))
            order << c.half1;
        QCOMPARE(order, QStringList({"c", "b", "d", "a", "f"}));
        for (int i = 0; i < 12; ++i)
            add(QString(QChar(u'h' + i)), 4, at(1, 1).addDays(i));
        const QVector<Card> ten = cardOffer(cards, QDate(2026, 3, 9), playable);
        QCOMPARE(ten.size(), 10);
        QCOMPARE(ten.at(4).half1, QStringLiteral("h")); // the oldest of compartment 4
        QCOMPARE(ten.last().half1, QStringLiteral("m"));
        QVERIFY(cardOffer(cards, QDate(2026, 3, 9), [](const Card &) { return false; }).isEmpty());
    }
};

QTEST_GUILESS_MAIN(CardBoxTest)
#include "CardBoxTest.moc"
