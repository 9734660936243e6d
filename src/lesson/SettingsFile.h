// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Colours.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace duplikon {

// The teacher's settings as kept in "DUPLIKON.INI": one record per line, no
// keys. Lines 1 to 4 are the switches Check1, Check2, Check3 and Check5
// (0 or 1), line 5 the question colour (the background of board cell 1), and
// every further line one entry of the mandatory list, in list order.
struct Settings {
    int check1 = 0;
    int check2 = 0;
    int check3 = 0;
    int check5 = 0;
    ColourValue colour = 0xFFFFFF;
    QStringList pflicht;
};

// The name of the settings file in the program folder.
QString settingsFileName();

// Reads the bytes of a settings file, tolerantly:
// - lines end at CR LF, a lone CR or a lone LF;
// - a number record may have blanks around it and ends at a comma or at the
//   end of its line; a switch is on only when it reads 1;
// - records missing at the end of a short file keep their defaults (switches
//   clear, colour white);
// - a number record that is not a whole number of 32 bits marks the file as
//   damaged: nothing of it is taken, all values stay at their defaults;
// - mandatory entries come back exactly as written; empty (or blank) lines
//   are no task and are dropped;
// - more than kMaxTextFileSize bytes is not a settings file either.
// ok (when given) tells whether the bytes were taken.
Settings parseSettings(const QByteArray &bytes, bool *ok = nullptr);

// Reads the file at path. Returns false (and the defaults in out) when the file
// is missing, unreadable, too large or damaged.
bool readSettingsFile(const QString &path, Settings *out);

// The bytes the program writes: five number lines (" 1 ", "-2147483643 "),
// then the mandatory entries as they stand, each line ended by CR LF, in
// Windows-1252 (UTF-8 only when an entry holds a character that Windows-1252
// lacks).
QByteArray settingsBytes(const Settings &s);

// Writes the whole file atomically: on failure the old file stays as it was
// and error holds the reason.
bool writeSettingsFile(const QString &path, const Settings &s, QString *error);

} // namespace duplikon
