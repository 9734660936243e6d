// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultsStatistics.h"

#include <QHash>

namespace duplikon {

// What one result file holds, as kept in the reader's cache.
struct FileResults {
    qint64 size = -1;
    qint64 modified = 0;
    bool damaged = false;
    int damagedLines = 0;
    QVector<ResultRun> runs;
    QVector<ResultDropCount> drops;
    QVector<ResultChildDay> childDays;
};

// The cache of each file's results by path; a missing or damaged cache is empty.
QHash<QString, FileResults> readCache(const QString &cacheFile);
void writeCache(const QString &cacheFile, const QHash<QString, FileResults> &files);

} // namespace duplikon
