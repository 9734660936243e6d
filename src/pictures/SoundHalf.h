// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
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

// The loudspeaker that stands for a sound, drawn in colour, centred in area
// and as large as fits; crossed: struck through, for a file that cannot play.
void drawSoundSymbol(QPainter &painter, const QRectF &area, const QColor &colour, bool crossed = false);

} // namespace duplikon
