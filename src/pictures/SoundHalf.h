// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QByteArray>
#include <QRectF>
#include <QString>

class QPainter;

namespace duplikon {

// A half is a sound when its name ends in ".WAV", ".OGG" or ".MP3", in any
// letter case. Such a file is found like a picture half.
bool isSoundName(const QString &half);

// What the start of a sound file says: only the header is read.
enum class SoundFileState { Playable, Missing, Damaged };
SoundFileState checkSoundFile(const QString &path);

// The same check on the first kSoundHeadBytes of a file already in memory:
// "wav", "ogg" or "mp3" for a playable header, empty otherwise.
constexpr int kSoundHeadBytes = 4096;
QString soundKind(const QByteArray &head);

// The loudspeaker that stands for a sound, drawn in colour, centred in area
// and as large as fits; crossed: struck through, for a file that cannot play.
void drawSoundSymbol(QPainter &painter, const QRectF &area, const QColor &colour, bool crossed = false);

} // namespace duplikon
