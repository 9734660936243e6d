// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace duplikon {

// The endings that make a file a picture or a sound, the one rule every list,
// half and archive uses.

// What a file is by its ending.
enum class MediaKind { None, RasterPicture, Metafile, Sound };

// A name is a picture when its last four characters, upper-cased (the whole
// name when shorter), occur anywhere in ".BMP.GIF.JPG.WMF".
bool isPictureName(const QString &name);

// A name is a sound when it ends in ".WAV", ".OGG" or ".MP3", in any letter case.
bool isSoundName(const QString &name);

// A picture by isPictureName (a metafile when it ends in ".WMF"), else a sound
// by isSoundName, else None.
MediaKind mediaKindOfName(const QString &name);

// The kind an ending without its dot names, in any letter case: "bmp", "gif",
// "jpg", "wmf", "wav", "ogg" or "mp3"; None for any other.
MediaKind mediaKindOfEnding(const QString &ending);

// The ending of a file name without its dot, in lower case; empty when it has none.
QString lowerEnding(const QString &fileName);

// File list patterns: "*.BMP;*.GIF;*.JPG;*.WMF" and "*.WAV;*.OGG;*.MP3".
QString picturePattern();
QString soundPattern();

} // namespace duplikon
