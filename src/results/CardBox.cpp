// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/CardBox.h"

#include "results/ResultsCache.h"
#include "results/ResultsFolders.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>
#include <set>
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

// One task on the board, from its TaskSet line to the next one. A board made
// of several tasks' pairs names each pair's task: its cards are those tasks'.
class Run {
public:
    Run(const ResultEvent &set, QVector<CardOutcome> *out) : m_set(set), m_out(out)
    {
        if (set.pairTasks.size() != set.pairs.size())
            return;
        for (int i = 0; i < set.pairs.size(); ++i) {
            const Pair pair = ordered(set.pairs.at(i).first, set.pairs.at(i).second);
            m_sources.insert(pair, set.pairTasks.at(i));
            m_pairsOfHalf[pair.first].append(pair);
            if (pair.second != pair.first)
                m_pairsOfHalf[pair.second].append(pair);
        }
    }

    bool isFor(const ResultEvent &e) const { return e.fingerprint == m_set.fingerprint && e.task == m_set.task; }

    void matched(const ResultEvent &e)
    {
        const Pair pair = ordered(e.half1, e.half2);
        if (m_pairs.contains(pair))
            return;
        m_pairs.insert(pair);
        m_pairOrder.append(pair);
        const qsizetype before = m_out->size();
        emitOutcome(CardOutcome::Met, e.time, pair, pair.first, pair.second);
        m_met.append(m_out->size() > before ? int(before) : -1);
    }

    // Each half of a wrong drop counts against the cards of its task that
    // hold it; which those are, the box knows when it applies the outcome.
    void wrongDrop(const ResultEvent &e)
    {
        for (const QString &half : {e.half1, e.half2}) {
            m_wrongHalves.insert(half);
            if (m_sources.isEmpty()) {
                emitOutcome(CardOutcome::Wrong, e.time, {}, half, QString());
                continue;
            }
            // On a board of several tasks: against each task whose pair holds it.
            QSet<QString> fingerprints;
            for (const Pair &pair : m_pairsOfHalf.value(half))
                if (!fingerprints.contains(m_sources.value(pair).second)) {
                    fingerprints.insert(m_sources.value(pair).second);
                    emitOutcome(CardOutcome::Wrong, e.time, pair, half, QString());
                }
        }
    }

    void solved(const ResultEvent &e)
    {
        // A pair moved on needs no word that it was met: the move makes the
        // card as well, so that outcome goes (a school year holds many).
        QSet<int> superseded;
        for (int k = 0; k < m_pairOrder.size(); ++k) {
            const Pair &pair = m_pairOrder.at(k);
            if (m_wrongHalves.contains(pair.first) || m_wrongHalves.contains(pair.second))
                continue;
            emitOutcome(CardOutcome::Right, e.time, pair, pair.first, pair.second);
            if (m_met.at(k) >= 0)
                superseded.insert(m_met.at(k));
        }
        if (superseded.isEmpty())
            return;
        int kept = *std::min_element(superseded.cbegin(), superseded.cend());
        for (int i = kept; i < m_out->size(); ++i)
            if (!superseded.contains(i))
                (*m_out)[kept++] = std::move((*m_out)[i]);
        m_out->resize(kept);
    }

private:
    void emitOutcome(CardOutcome::Kind kind, const QDateTime &time, const Pair &card, const QString &half1,
                     const QString &half2)
    {
        if (m_sources.isEmpty()) {
            m_out->append({kind, time, m_set.fingerprint, m_set.task, half1, half2});
            return;
        }
        // A pair the board did not list belongs to no task the box knows.
        const auto source = m_sources.constFind(card);
        if (source != m_sources.cend())
            m_out->append({kind, time, source->second, source->first, half1, half2});
    }

    ResultEvent m_set;
    QVector<CardOutcome> *m_out;
    QHash<Pair, std::pair<QString, QString>> m_sources; // pair -> its task and fingerprint
    QHash<QString, QVector<Pair>> m_pairsOfHalf;
    QSet<Pair> m_pairs;
    QVector<Pair> m_pairOrder;
    QVector<int> m_met; // where each pair's Met outcome stands in m_out, or -1
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
    // Sorted by the instant alone, which is cheaper to compare than the times.
    QVector<std::pair<qint64, int>> order(outcomes.size());
    for (int i = 0; i < outcomes.size(); ++i)
        order[i] = {outcomes.at(i).time.toMSecsSinceEpoch(), i};
    std::stable_sort(order.begin(), order.end(),
                     [](const std::pair<qint64, int> &a, const std::pair<qint64, int> &b) { return a.first < b.first; });
    std::map<std::tuple<QString, QString, QString>, BoxCard> cards;
    // fingerprint and half -> the cards that hold the half
    QHash<std::pair<QString, QString>, QVector<BoxCard *>> holding;
    auto moveTo = [](BoxCard &card, int compartment, const QDateTime &time) {
        card.compartment = compartment;
        card.moved = time;
    };
    for (const auto &entry : std::as_const(order)) {
        const CardOutcome &o = outcomes.at(entry.second);
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

QVector<BoxCard> cardsFrom(const QVector<QVector<CardOutcome>> &files)
{
    qsizetype size = 0;
    for (const QVector<CardOutcome> &file : files)
        size += file.size();
    QVector<CardOutcome> all;
    all.reserve(size);
    for (const QVector<CardOutcome> &file : files)
        all += file;
    return cardsFrom(std::move(all));
}

QVector<BoxCard> readCardBox(const QStringList &roots, const QString &child, const QString &cacheFile)
{
    const QVector<ResultFile> files = ResultsFolders::list(roots, child).files;
    QSet<QString> paths;
    for (const ResultFile &file : files)
        paths.insert(file.path());
    // The cache's figures of the child's files; the others are skipped unread.
    LocalTimes times;
    const QHash<QString, FileResults> cache
        = readCache(cacheFile, times, true, [&paths](const QString &path) { return paths.contains(path); });
    QVector<QVector<CardOutcome>> outcomes;
    outcomes.reserve(files.size());
    for (const ResultFile &file : files) {
        const auto cached = cache.constFind(file.path());
        if (cached != cache.cend() && cached->size == file.size && cached->modified == file.modified) {
            outcomes.append(cached->cardOutcomes.value(child));
            continue;
        }
        QByteArray bytes;
        if (ResultsFolders::read(file, ResultsFolders::kMaxFileBytes, &bytes))
            outcomes.append(parseResultFile(bytes, times, true).cardOutcomes.value(child));
    }
    return cardsFrom(outcomes);
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

QVector<ClassPair> classPractice(const QHash<QString, QVector<BoxCard>> &boxes, int max)
{
    std::map<std::tuple<QString, QString, QString>, int> children;
    for (const QVector<BoxCard> &box : boxes) {
        // A pair counts once a child, whichever version of its task.
        std::set<std::tuple<QString, QString, QString>> own;
        for (const BoxCard &card : box)
            if (card.compartment == 1)
                own.insert({card.task, card.half1, card.half2});
        for (const auto &key : own)
            ++children[key];
    }
    QVector<ClassPair> pairs;
    for (const auto &[key, count] : children)
        pairs.append({std::get<0>(key), std::get<1>(key), std::get<2>(key), count});
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const ClassPair &a, const ClassPair &b) { return a.children > b.children; });
    return pairs.mid(0, max);
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
