// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/CardBox.h"

#include "results/ResultsFolders.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace duplikon {

namespace {

constexpr int kDueAfterDays[kCompartments] = {0, 1, 3, 7, 14};

using Pair = std::pair<QString, QString>;

Pair ordered(const QString &a, const QString &b)
{
    return a <= b ? Pair(a, b) : Pair(b, a);
}

// One task on the board, from its TaskSet line to the next one.
class Run {
public:
    Run(const ResultEvent &set, QVector<CardOutcome> *out) : m_set(set), m_out(out) {}

    bool isFor(const ResultEvent &e) const { return e.fingerprint == m_set.fingerprint && e.task == m_set.task; }

    void matched(const ResultEvent &e)
    {
        const Pair pair = ordered(e.half1, e.half2);
        if (m_pairs.contains(pair))
            return;
        m_pairs.insert(pair);
        m_pairOrder.append(pair);
        emitOutcome(CardOutcome::Met, e.time, pair.first, pair.second);
    }

    // Each half of a wrong drop counts against the cards of its task that
    // hold it; which those are, the box knows when it applies the outcome.
    void wrongDrop(const ResultEvent &e)
    {
        for (const QString &half : {e.half1, e.half2}) {
            m_wrongHalves.insert(half);
            emitOutcome(CardOutcome::Wrong, e.time, half, QString());
        }
    }

    void solved(const ResultEvent &e)
    {
        for (const Pair &pair : std::as_const(m_pairOrder))
            if (!m_wrongHalves.contains(pair.first) && !m_wrongHalves.contains(pair.second))
                emitOutcome(CardOutcome::Right, e.time, pair.first, pair.second);
    }

private:
    void emitOutcome(CardOutcome::Kind kind, const QDateTime &time, const QString &half1, const QString &half2)
    {
        m_out->append({kind, time, m_set.fingerprint, m_set.task, half1, half2});
    }

    ResultEvent m_set;
    QVector<CardOutcome> *m_out;
    QSet<Pair> m_pairs;
    QVector<Pair> m_pairOrder;
    QSet<QString> m_wrongHalves;
};

} // namespace

QVector<CardOutcome> cardOutcomes(const QVector<ResultEvent> &fileEvents)
{
    QVector<CardOutcome> out;
    std::optional<Run> run;
    for (const ResultEvent &e : fileEvents) {
        if (e.kind == ResultEvent::TaskSet) {
            run.emplace(e, &out);
            continue;
        }
        // A line of another task than the one set (a damaged TaskSet line)
        // belongs to no run the box can trust.
        if (!run || !run->isFor(e))
            continue;
        if (e.kind == ResultEvent::Drop) {
            if (e.matched)
                run->matched(e);
            else
                run->wrongDrop(e);
        } else if (e.kind == ResultEvent::Solved) {
            run->solved(e);
            run.reset();
        }
    }
    return out;
}

QVector<BoxCard> cardsFrom(QVector<CardOutcome> outcomes)
{
    std::stable_sort(outcomes.begin(), outcomes.end(),
                     [](const CardOutcome &a, const CardOutcome &b) { return a.time < b.time; });
    std::map<std::tuple<QString, QString, QString>, BoxCard> cards;
    // fingerprint and half -> the cards that hold the half
    QHash<std::pair<QString, QString>, QVector<BoxCard *>> holding;
    auto moveTo = [](BoxCard &card, int compartment, const QDateTime &time) {
        card.compartment = compartment;
        card.moved = time;
    };
    for (const CardOutcome &o : std::as_const(outcomes)) {
        if (o.kind == CardOutcome::Wrong) {
            for (BoxCard *card : holding.value({o.fingerprint, o.half1}))
                moveTo(*card, 1, o.time);
            continue;
        }
        auto [it, isNew] = cards.try_emplace({o.fingerprint, o.half1, o.half2});
        BoxCard &card = it->second;
        if (isNew) {
            card = {o.fingerprint, o.task, o.half1, o.half2, 1, o.time};
            holding[{o.fingerprint, o.half1}].append(&card);
            if (o.half2 != o.half1)
                holding[{o.fingerprint, o.half2}].append(&card);
        }
        card.task = o.task;
        // A card that stays in the last compartment comes back after as long again.
        if (o.kind == CardOutcome::Right)
            moveTo(card, std::min(card.compartment + 1, kCompartments), o.time);
    }
    QVector<BoxCard> out;
    out.reserve(int(cards.size()));
    for (auto &entry : cards)
        out.append(std::move(entry.second));
    return out;
}

QVector<BoxCard> readCardBox(const QStringList &roots, const QString &child)
{
    QVector<CardOutcome> outcomes;
    for (const ResultFile &file : ResultsFolders::list(roots, child).files) {
        QByteArray bytes;
        if (!ResultsFolders::read(file, ResultsFolders::kMaxFileBytes, &bytes))
            continue;
        QVector<ResultEvent> events;
        qsizetype start = 0;
        // A last line without its line end was cut short: left out.
        for (qsizetype end = bytes.indexOf('\n'); end >= 0; end = bytes.indexOf('\n', start)) {
            std::optional<ResultEvent> event = parseResultLine(bytes.mid(start, end - start));
            start = end + 1;
            if (event && event->user == child)
                events.append(std::move(*event));
        }
        outcomes += cardOutcomes(events);
    }
    return cardsFrom(std::move(outcomes));
}

QDate dueDate(const BoxCard &card)
{
    const int compartment = std::clamp(card.compartment, 1, kCompartments);
    return card.moved.toLocalTime().date().addDays(kDueAfterDays[compartment - 1]);
}

bool isDue(const BoxCard &card, const QDate &today)
{
    return dueDate(card) <= today;
}

QVector<BoxCard> cardOffer(const QVector<BoxCard> &cards, const QDate &today,
                        const std::function<bool(const BoxCard &)> &playable, int max)
{
    QVector<BoxCard> due;
    for (const BoxCard &card : cards)
        if (isDue(card, today))
            due.append(card);
    std::stable_sort(due.begin(), due.end(), [](const BoxCard &a, const BoxCard &b) {
        if (a.compartment != b.compartment)
            return a.compartment < b.compartment;
        return a.moved < b.moved;
    });
    QVector<BoxCard> offer;
    for (const BoxCard &card : std::as_const(due)) {
        if (offer.size() >= max)
            break;
        if (!playable || playable(card))
            offer.append(card);
    }
    return offer;
}

std::array<int, kCompartments> compartmentCounts(const QVector<BoxCard> &cards)
{
    std::array<int, kCompartments> counts{};
    for (const BoxCard &card : cards)
        ++counts[std::clamp(card.compartment, 1, kCompartments) - 1];
    return counts;
}

QString compartmentText(const std::array<int, kCompartments> &counts)
{
    QStringList parts;
    for (int n : counts)
        parts.append(QString::number(n));
    return parts.join(QStringLiteral(" · "));
}

} // namespace duplikon
