// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "results/ResultsStatistics.h"

#include <QByteArray>

namespace duplikon {

// Tables for German spreadsheets: UTF-8 with a byte-order mark, ';' between
// fields, CRLF line ends, a header row.
QByteArray runsCsv(const ResultsData &data);
QByteArray pairsCsv(const ResultsData &data);
// The German name of a way of playing: "Maus", "Tasten", "Antippen",
// "Aufdecken".
QString playWayName(PlayWay way);

} // namespace duplikon
