// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "tasks/PlayWay.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

#include <optional>
#include <utility>

namespace duplikon {

// The results kept for the teacher: what each child did, one file for each
// run and each child under Ergebnisse/<child>/, one JSON object a line. A file
// has one writer only, so several machines on one share never need a lock.

// The two halves of one pair of a task, as written in the task file.
using HalfPair = std::pair<QString, QString>;

struct ResultEvent {
    enum Kind { TaskSet, Drop, Solved };
    Kind kind = TaskSet;
    QDateTime time;       // read back in UTC; none: now
    QString user;         // the name as typed ("Benutzer" until one is entered)
    QString task;         // the task's file name, as the check window logs it
    QString fingerprint;  // SHA-256 (hex) of the task file's bytes
    bool mandatory = false;
    // TaskSet: every pair of the task (none in lines of older versions)
    QVector<HalfPair> pairs;
    // TaskSet of a board made of several tasks' pairs ("Meine Kartei"): each
    // pair's task file and its fingerprint, parallel to pairs; else empty.
    QVector<std::pair<QString, QString>> pairTasks;
    // Drop: the dragged half and the half it was dropped on
    QString half1;
    QString half2;
    bool matched = false;
    PlayWay way = PlayWay::Mouse; // Drop and Solved (the way of the solving drop)
    // Solved
    int seconds = 0;
    int wrongDrops = 0;
    int turns = 0;        // the card game: pairs turned, and how many teams played
    int teams = 0;
};

// One JSON object on one line, ending in '\n'.
QByteArray resultLine(const ResultEvent &event);
// The event of one line (with or without its '\n'); nothing for a damaged or
// cut line.
std::optional<ResultEvent> parseResultLine(const QByteArray &line);

} // namespace duplikon
