// SPDX-License-Identifier: GPL-3.0-or-later
// The card box on result lines: cards move on with a task solved cleanly and
// back with a wrong drop, fall due by the calendar, and are offered lowest
// compartment first.
#include "results/CardBox.h"
#include "results/ResultsCache.h"
#include "results/ResultsFolders.h"
#include "results/ResultsStatistics.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace duplikon;

namespace {

QDateTime at(int month, int day, int hour = 9)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, 0));
}

// The lines of one run from t on, a second apart: the task set, then each
// step, "Hund/Katze" a wrong drop, "solve" its three pairs matched and solved,
// "Hund" the pair of Hund matched only.
QVector<ResultEvent> run(const QString &fingerprint, const QDateTime &t, const QStringList &steps,
                         const QString &task = QStringLiteral("TIERE.TXT"))
{
    QVector<ResultEvent> events;
    auto add = [&](ResultEvent::Kind kind, const QString &a = {}, const QString &b = {}, bool matched = false) {
        ResultEvent e;
        e.kind = kind;
        e.time = t.addSecs(events.size());
        e.user = QStringLiteral("Lea");
        e.task = task;
        e.fingerprint = fingerprint;
        e.half1 = a;
        e.half2 = b;
        e.matched = matched;
        events.append(e);
    };
    add(ResultEvent::TaskSet);
    for (const QString &step : steps) {
        const QStringList wrong = step.split(u'/');
        if (wrong.size() == 2)
            add(ResultEvent::Drop, wrong.at(0), wrong.at(1));
        for (const QString half : {"Hund", "Katze", "Maus"})
            if (step == half || step == QLatin1String("solve"))
                add(ResultEvent::Drop, half, half + ".bmp", true);
        if (step == QLatin1String("solve"))
            add(ResultEvent::Solved);
    }
    return events;
}

// "Hund 1, Katze 1, Maus 2": the compartments of one task's cards.
QString box(const QVector<BoxCard> &cards, const QString &fingerprint = QStringLiteral("f1"))
{
    QStringList parts;
    for (const BoxCard &c : cards)
        if (c.fingerprint == fingerprint)
            parts << c.half1 + u' ' + QString::number(c.compartment);
    return parts.join(QStringLiteral(", "));
}

} // namespace

class CardBoxTest : public QObject {
    Q_OBJECT

private slots:
    void cardsMoveOnWithACleanSolveAndBackWithAWrongDrop()
    {
        // the wrong drop comes before its pairs were first matched: it counts all the same
        QVector<CardOutcome> all = cardOutcomes(run("f1", at(3, 2), {"Hund/Katze.bmp", "solve"}));
        QCOMPARE(box(cardsFrom(all)), QStringLiteral("Hund 1, Katze 1, Maus 2"));
        // clean solves carry a card to 5, where it stays and is due again 14 days later
        for (int d = 3; d <= 8; ++d)
            all += cardOutcomes(run("f1", at(3, d), {"solve"}));
        QVector<BoxCard> cards = cardsFrom(all);
        QCOMPARE(box(cards), QStringLiteral("Hund 5, Katze 5, Maus 5"));
        QCOMPARE(cards.first().moved, at(3, 8).addSecs(4));
        // a run never solved: its wrong drop sends back, its matched pair stays
        all += cardOutcomes(run("f1", at(3, 9), {"Maus.bmp/Katze", "Hund"}));
        QCOMPARE(box(cardsFrom(all)), QStringLiteral("Hund 5, Katze 1, Maus 1"));
        QCOMPARE(compartmentText(compartmentCounts(cardsFrom(all))), QStringLiteral("2 · 0 · 0 · 0 · 1"));
    }

    void dueDatesFollowTheCalendarAcrossAMonth()
    {
        BoxCard c;
        c.moved = at(1, 28, 23); // late in the evening
        const QDate dues[] = {QDate(2026, 1, 28), QDate(2026, 1, 29), QDate(2026, 1, 31), QDate(2026, 2, 4),
                             QDate(2026, 2, 11)};
        for (c.compartment = 1; c.compartment <= 5; ++c.compartment) {
            QCOMPARE(dueDate(c), dues[c.compartment - 1]);
            QVERIFY(isDue(c, dues[c.compartment - 1]) && !isDue(c, QDate(2026, 1, 27)));
        }
        QVERIFY(!isDue(c = BoxCard{"f", "T", "a", "b", 2, at(1, 31)}, QDate(2026, 1, 31)));
        QVERIFY(isDue(c, QDate(2026, 2, 1)));
    }

    void twoMachinesLinesInterleaveInTimeOrder()
    {
        // machine A solves at 9:00 and 9:20, machine B drops Hund wrongly at 9:10:
        // each file keeps its own runs
        QVector<ResultEvent> a = run("f1", at(3, 2), {"solve"}) + run("f1", at(3, 2).addSecs(1200), {"solve"});
        const QVector<ResultEvent> b = run("f1", at(3, 2).addSecs(600), {"Hund/Maus.bmp"});
        QCOMPARE(box(cardsFrom(cardOutcomes(b) + cardOutcomes(a))), QStringLiteral("Hund 2, Katze 3, Maus 2"));

        // the same from the child's files; a cut line and another child's line are left out
        QTemporaryDir dir;
        const QDir folder(dir.filePath(childFolderName(QStringLiteral("Lea"))));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        a[4].user = QStringLiteral("Jonas"); // the first solve is not Lea's
        const std::pair<QString, QVector<ResultEvent>> files[] = {{"a.jsonl", a}, {"b.jsonl", b}};
        for (const auto &[name, events] : files) {
            QFile f(folder.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            for (const ResultEvent &e : events)
                f.write(resultLine(e));
            f.write("{\"kind\": \"drop\", cut");
        }
        QCOMPARE(box(readCardBox({dir.path()}, QStringLiteral("Lea"))), QStringLiteral("Hund 2, Katze 2, Maus 2"));
        // the results window's reading keeps the same box in its cache, and a warm read
        // takes it from there; a deleted file leaves the box
        const QString cache = dir.filePath(QStringLiteral("cache"));
        QCOMPARE(box(readResults({dir.path()}, cache, {}, nullptr, true).cardBoxes.value(QStringLiteral("Lea"))),
                 QStringLiteral("Hund 2, Katze 2, Maus 2"));
        QCOMPARE(box(readCardBox({dir.path()}, QStringLiteral("Lea"), cache)), QStringLiteral("Hund 2, Katze 2, Maus 2"));
        // with the card box off, the reading skips the cached outcomes and writes the
        // cache without them, which is then cold for the card box: it reads the files
        LocalTimes times;
        const ResultsData off = readResults({dir.path()}, cache);
        QVERIFY(off.runs.size() == 2 && off.cardBoxes.isEmpty() && !off.cards);
        QVERIFY(readCache(cache, times, true).isEmpty() && readCache(cache, times, false).size() == 2);
        QCOMPARE(box(readCardBox({dir.path()}, QStringLiteral("Lea"), cache)), QStringLiteral("Hund 2, Katze 2, Maus 2"));
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("a.jsonl"))));
        QCOMPARE(readCardBox({dir.path()}, QStringLiteral("Lea"), cache).size(), 0);
    }

    void aBoardOfSeveralTasksMovesEachPairsOwnCard()
    {
        // "Meine Kartei": Hund and Maus of TIERE (f1), Eins of ZAHLEN (f5), as written and read back
        QVector<ResultEvent> mixed = run("", at(3, 3), {"Eins/Maus.bmp", "Hund", "Maus"}, "Meine Kartei");
        mixed.first().pairs = {{"Hund", "Hund.bmp"}, {"Maus", "Maus.bmp"}, {"Eins", "1"}};
        mixed.first().pairTasks = {{"TIERE.TXT", "f1"}, {"TIERE.TXT", "f1"}, {"ZAHLEN.TXT", "f5"}};
        mixed.append(mixed.at(1));
        mixed.last().half1 = QStringLiteral("Eins");
        mixed.last().half2 = QStringLiteral("1");
        mixed.last().matched = true;
        mixed.append(mixed.last());
        mixed.last().kind = ResultEvent::Solved;
        for (ResultEvent &e : mixed)
            e = *parseResultLine(resultLine(e));
        const QVector<BoxCard> cards = cardsFrom(cardOutcomes(run("f1", at(3, 2), {"solve"})) + cardOutcomes(mixed));
        QCOMPARE(box(cards, "f1"), QStringLiteral("Hund 3, Katze 2, Maus 1"));
        QCOMPARE(box(cards, "f5"), QStringLiteral("1 1")); // the halves in order: "1" before "Eins"
        QCOMPARE(cards.size(), 4);
    }

    void aPairInTwoTasksIsTwoCardsAndAChangedTaskKeepsItsHistory()
    {
        // Hund/Hund.bmp in TIERE (f1) and HAUS (f3): a wrong drop in HAUS leaves TIERE's card;
        // TIERE edited later (f2) starts new cards and keeps f1's
        const QVector<BoxCard> cards = cardsFrom(cardOutcomes(run("f1", at(3, 2), {"solve"}))
                                              + cardOutcomes(run("f3", at(3, 2, 10), {"Hund/Katze", "solve"}, "HAUS.TXT"))
                                              + cardOutcomes(run("f2", at(3, 3), {"Hund/Katze", "solve"})));
        QCOMPARE(box(cards, "f1"), QStringLiteral("Hund 2, Katze 2, Maus 2"));
        QCOMPARE(box(cards, "f2"), QStringLiteral("Hund 1, Katze 1, Maus 2"));
        QCOMPARE(box(cards, "f3"), QStringLiteral("Hund 1, Katze 1, Maus 2"));
        // only the cards of the task files as they are now are offered
        const QVector<BoxCard> offer = cardOffer(cards, QDate(2026, 3, 20), [](const BoxCard &c) { return c.fingerprint != "f1"; });
        QCOMPARE(box(offer, "f2") + box(offer, "f1"), QStringLiteral("Hund 1, Katze 1, Maus 2"));
        QCOMPARE(offer.size(), 6);
    }

    void theOfferTakesLowCompartmentsAndOldCardsFirstUpToTen()
    {
        QVector<BoxCard> cards;
        auto add = [&](const QString &half, int compartment, const QDateTime &moved) {
            cards.append({"f", "T.TXT", half, half + ".bmp", compartment, moved});
        };
        add("a", 3, at(3, 1));    // due 3-4
        add("b", 1, at(3, 9));    // due at once
        add("c", 1, at(3, 5));    // older: before b
        add("d", 2, at(3, 8));    // due 3-9
        add("e", 2, at(3, 9, 8)); // due 3-10: not yet
        add("f", 5, at(2, 1));    // due 2-15
        add("g", 1, at(3, 1));    // its picture is missing: never offered
        const auto playable = [](const BoxCard &c) { return c.half1 != "g"; };
        QCOMPARE(box(cardOffer(cards, QDate(2026, 3, 9), playable), "f"), QStringLiteral("c 1, b 1, d 2, a 3, f 5"));
        for (int i = 0; i < 12; ++i)
            add(QString(QChar(u'h' + i)), 4, at(1, 1).addDays(i));
        QCOMPARE(box(cardOffer(cards, QDate(2026, 3, 9), playable), "f"),
                 QStringLiteral("c 1, b 1, d 2, a 3, h 4, i 4, j 4, k 4, l 4, m 4"));
    }
};

QTEST_GUILESS_MAIN(CardBoxTest)
#include "CardBoxTest.moc"
