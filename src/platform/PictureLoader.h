// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QSize>
#include <QString>

namespace duplikon {

// How a picture is shown: unscaled from the top-left corner and cut off at the
// box's edges, or stretched to fill the box.
enum class PictureFit { Clip, Stretch };

struct LoadedPicture {
    bool ok = false;
    QImage image;       // Clip: at most box size; Stretch: exactly box size
    QSize naturalSize;  // the picture's own size in pixels
    QString error;      // German reason when !ok
};

// Limits for one picture: hostile headers never take the machine's memory.
constexpr int kMaxDecodedMegabytes = 64;

// The one picture loader of the program (Windows bitmap, GIF, JPEG and Windows
// metafile). It decodes only what is shown: the clip rectangle for Clip, the
// target size for Stretch. A file that is missing, empty, damaged or too large
// is a detected failure.
LoadedPicture loadPicture(const QString &path, const QSize &box, PictureFit fit);

// The size a picture file's header gives, without decoding it; invalid when
// the header cannot tell (a metafile, a damaged or missing file).
QSize pictureHeaderSize(const QString &path);

// Decoded pictures are kept for the run up to this many bytes, so the same
// picture in the same box is decoded once.
constexpr qint64 kPictureCacheBytes = 48LL * 1024 * 1024;
void clearPictureCache();

// The same for bytes already in memory (fuzzing, tests).
LoadedPicture loadPictureData(const QByteArray &data, const QSize &box, PictureFit fit);

} // namespace duplikon
