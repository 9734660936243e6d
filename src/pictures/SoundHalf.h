// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "pictures/MediaNames.h"

#include <QColor>
#include <QByteArray>
#include <QRectF>
#include <QString>

class QPainter;

namespace duplikon {

// What the start of a sound file says: only the header is read.
// A sound half is a readable regular file of at most kMaxSoundFileBytes; only
// its first kSoundHeaderBytes are read.
enum class SoundFileState { Playable, Missing, Damaged };
constexpr qint64 kMaxSoundFileBytes = 256LL * 1024 * 1024;
constexpr int kSoundHeaderBytes = 4096;
SoundFileState checkSoundFile(const QString &path);

// True when head, the start of a file, is the header of a WAV, OGG or MP3.
bool isSoundHeader(const QByteArray &head);
// The kind a header tells: "wav", "ogg" or "mp3", empty when isSoundHeader is false.
QString soundKind(const QByteArray &head);

// The loudspeaker that stands for a sound, drawn in colour, centred in area
// and as large as fits; crossed: struck through, for a file that cannot play.
void drawSoundSymbol(QPainter &painter, const QRectF &area, const QColor &colour, bool crossed = false);

} // namespace duplikon
