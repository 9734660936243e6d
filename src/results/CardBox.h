// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultEvent.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVector>

#include <array>
#include <functional>

namespace duplikon {

// The card box of one child ("Lernkartei"), computed from the child's result
// lines alone, so it can never disagree with them. Every pair the child met is
// a card, keyed by the task's fingerprint and the pair's two halves, so it is
// the same card on every machine and every day. A card starts in compartment
// 1; a task solved with no wrong drop that involved the pair moves it one on,
// up to 5; a wrong drop of one of its halves sends it back to 1.

constexpr int kCompartments = 5;

// What one run (one result file) did to the cards, each at its time.
struct CardOutcome {
    enum Kind {
        Met,   // a pair matched: the card is there from now on
        Wrong, // a half dropped wrongly: every card of the task with it goes to 1
        Right  // a pair of a task solved with no wrong drop that involved it
    };
    Kind kind = Met;
    QDateTime time;
    QString fingerprint;
    QString task;       // the task file's name when it was played
    QString half1;      // the halves in one order (half1 <= half2); Wrong: the half
    QString half2;      // Wrong: empty
};

struct BoxCard {
    QString fingerprint;
    QString task;       // the task file's name when last played
    QString half1;      // half1 <= half2
    QString half2;
    int compartment = 1;
    QDateTime moved;    // when it came into its compartment
};

// The outcomes of the lines of one result file, in the file's order: a
// matched drop names a pair, a wrong drop counts against the pairs of its
// halves in the task then on the board, and a solved task moves on each of its
// pairs that no wrong drop involved. The runs in one file are kept apart by
// their TaskSet lines. What a file gives depends on that file alone, so it can
// be kept in the results cache with the file's other figures.
QVector<CardOutcome> cardOutcomes(const QVector<ResultEvent> &fileEvents);

// The cards from the outcomes of every file of the child, applied in time
// order (files of several machines interleave); sorted by their key. A card
// solved again in compartment 5 stays there, due fourteen days later again.
QVector<BoxCard> cardsFrom(QVector<CardOutcome> outcomes);
// The same from the outcomes of each file, kept apart until here (a school
// year is thousands of files: joined once, not file by file).
QVector<BoxCard> cardsFrom(const QVector<QVector<CardOutcome>> &files);

// The cards of one child (the name as typed) from that child's result files
// below the roots (each a folder Ergebnisse or a fallback folder), read
// through the regular-file check; damaged lines and files are left out, as
// the results window leaves them out. cacheFile (may be empty) is the results
// window's cache: a file it holds unchanged is not read again. The card box
// does not write it.
QVector<BoxCard> readCardBox(const QStringList &roots, const QString &child, const QString &cacheFile = {});

// The day a card is due: compartment 1 at once (the day it moved), 2 to 5 one,
// three, seven and fourteen days after it moved, by the local calendar.
QDate dueDate(const BoxCard &card);
bool isDue(const BoxCard &card, const QDate &today);

// Up to max due cards that can be played (playable decides: the task file is
// unchanged, its pictures are there), lowest compartment first, within a
// compartment the one that moved longest ago first.
QVector<BoxCard> cardOffer(const QVector<BoxCard> &cards, const QDate &today,
                        const std::function<bool(const BoxCard &)> &playable, int max = 10);

// A pair that children keep in compartment 1, and how many of them.
struct ClassPair {
    QString task;
    QString half1; // half1 <= half2
    QString half2;
    int children = 0;
};
// The pairs in compartment 1 for the most children (each child's box by its
// name), most first, then by task and halves; at most max.
QVector<ClassPair> classPractice(const QHash<QString, QVector<BoxCard>> &boxes, int max = 10);

// How many cards lie in each compartment, 1 to 5.
std::array<int, kCompartments> compartmentCounts(const QVector<BoxCard> &cards);
// "12 · 5 · 3 · 0 · 1"
QString compartmentText(const std::array<int, kCompartments> &counts);

} // namespace duplikon
