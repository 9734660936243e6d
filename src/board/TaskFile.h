// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace duplikon {

class Random;

constexpr int kMaxUsedLines = 20;

// A half is a picture when its last four characters, upper-cased (the whole
// half when shorter), occur anywhere in ".BMP.GIF.JPG.WMF".
bool isPictureName(const QString &half);

// The file name of a picture or sound half, without its folder
// ("Tiere\\Hund.wav" gives "Hund.wav").
QString halfFileName(const QString &half);

// What a screen reader says for a picture half: its file name without folder
// and ending ("Tiere\\Hund.bmp" gives "Hund").
QString spokenPictureName(const QString &half);

// The non-empty lines of a task file, at most 20; a line of blanks counts.
QStringList usedLines(const QStringList &lines);

// The pair key of the used line at position i (from 0): "A" for lines 0 and 1,
// "B" for 2 and 3, and so on.
QChar pairKey(int i);

// The key string of a half: its pair key, "_" and the half as written.
QString keyString(int i, const QString &half);

struct Shuffled {
    QStringList halves; // board order: entry j is the half of cell j + 1
    QStringList keys;   // the key strings in the same order
};

// The insertion shuffle: line i goes to position r = integer part of c × u,
// c being the count so far and u one draw per line (the first included).
Shuffled shuffleHalves(const QStringList &used, Random &random);

} // namespace duplikon
