// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>

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

// Loads the pictures of one set-up at once, each exactly as loadPicture would
// and into the same cache: the raster pictures not yet decoded are decoded in
// parallel on the machine's cores, and the call returns when all are done.
// Call it from one thread at a time.
struct PictureRequest {
    QString path;
    QSize box;
    PictureFit fit = PictureFit::Clip;
};
QVector<LoadedPicture> loadPictures(const QVector<PictureRequest> &requests);

// The blocking parallel map of the program: runs work(0) … work(count - 1)
// on the calling thread and on up to one further thread per further core, and
// returns when all are done. work must touch nothing shared.
void runInParallel(int count, const std::function<void(int)> &work);

// The size a picture file's header gives, without decoding it; invalid when
// the header cannot tell (a metafile, a damaged or missing file).
QSize pictureHeaderSize(const QString &path);

// Decoded pictures are kept for the run up to this many bytes, so the same
// picture in the same box is decoded once.
constexpr qint64 kPictureCacheBytes = 48LL * 1024 * 1024;
void clearPictureCache();

// The same for bytes already in memory (fuzzing, tests).
LoadedPicture loadPictureData(const QByteArray &data, const QSize &box, PictureFit fit);

// What showing a picture in box would take, told from its header before
// anything is decoded: ok is false, with the loader's reason, when the loader
// would not show it; decodedBytes are the bytes of the pixels it would decode.
struct PictureCost {
    bool ok = false;
    QString error;
    QSize naturalSize;
    qint64 decodedBytes = 0;
};
PictureCost pictureCost(const QByteArray &data, const QSize &box, PictureFit fit);

// Decoders fill a cut-off raster file with grey and call it a success, so the
// loader first checks that the file's end is there: the first kPictureHeadBytes
// and the last kPictureTailBytes of a file of size bytes tell. True for any
// file this check cannot judge (not a bitmap, GIF, JPEG or PNG; run-length data).
constexpr int kPictureHeadBytes = 64;
constexpr int kPictureTailBytes = 4096;
bool pictureEndIsPresent(const QByteArray &head, const QByteArray &tail, qint64 size);

} // namespace duplikon
