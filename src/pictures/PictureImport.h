// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>

namespace duplikon {

// A teacher's own picture made to fit the board: read in any format the
// desktop has, scaled down into a cell (or the solution picture), and stored
// in one of the four formats that task files name.

// Where an imported picture goes and the box it is fitted into.
enum class ImportKind {
    Cell,     // fitted into a cell, written at the fitted size
    Solution, // fitted and centred on white at exactly the solution size
};
constexpr QSize kCellPictureSize(161, 121);
constexpr QSize kSolutionPictureSize(833, 505);
QSize importBox(ImportKind kind);

// The folders an import stores into: the pictures' folder of the kind, and for
// a cell the sounds' folder, which sounds go into unchanged. Each is made when
// the first file goes into it.
struct ImportFolders {
    QString pictures;
    QString sounds;
};

// Limits decided from the stored size before decoding.
constexpr int kMaxImportSide = 16384;
constexpr int kMaxImportMegabytes = 256; // at 4 bytes a pixel
constexpr qint64 kMaxImportFileBytes = 256LL * 1024 * 1024;

// The largest size with the aspect ratio of size that fits box; never larger
// than size itself, never less than one pixel a side.
QSize fittedSize(const QSize &size, const QSize &box);
// The same for a drawing (SVG, metafile), which is enlarged to fill the box.
QSize drawingSize(const QSize &size, const QSize &box);

// The name rule: letters (umlauts and ß spelled out), digits, '-' and '_' of
// the base name, at most 40 of them, in their letter case; fallback ("Bild")
// when nothing is left; a Windows device name ("CON") followed by '_'.
QString importBaseName(const QString &originalFileName, const QString &fallback = QStringLiteral("Bild"));

// A picture ready to be stored: the file's bytes and its upper-case ending.
struct PreparedPicture {
    bool ok = false;
    QString error;      // German reason when !ok
    QByteArray bytes;
    QString extension;  // "GIF", "JPG" or "WMF"
    QSize size;         // of the stored picture (a metafile's natural size)
    bool sound = false; // a sound file, copied as it is
};

// Decodes the bytes of one file and fits them; touches no file. sourceName
// is the original's file name and tells only the formats no content tells.
// A metafile is checked by drawing it: call that on the calling thread of
// importPictures only, as the picture loader does.
PreparedPicture preparePicture(const QByteArray &data, const QString &sourceName, ImportKind kind);

// A sound file (WAV, OGG or MP3, told by its header, which also gives the
// ending) ready to be copied unchanged; a file that is no sound is refused.
PreparedPicture prepareSound(const QString &path);

// Fits an already decoded picture (image data from the clipboard or a drop).
PreparedPicture prepareImage(const QImage &image, ImportKind kind);

// Stores a prepared picture in folder as baseName.EXT, or baseName-2.EXT … if
// that name holds a different picture; a file with the same bytes is used
// again and no file is ever replaced. Returns the file name, or an empty
// string with a German reason. written (when given) tells whether a new file was made.
QString storePicture(const QString &folder, const QString &baseName, const PreparedPicture &picture, QString *error,
                     bool *written = nullptr);

// One picture to import: a file, or image data without a file.
struct ImportSource {
    QString path;  // a file, or empty for image data
    QImage image;  // image data when path is empty
};

struct ImportResult {
    QString fileName; // the stored file in the target folder, empty on failure
    QString message;  // German: the file's name and the reason when it failed
    bool sound = false; // a sound, stored in the sounds' folder rather than the pictures'
};

// Imports the pictures into the pictures' folder of folders. For a cell, a
// file whose name ends as a sound's is copied unchanged into the sounds' folder instead. In batches of one file
// per core, decoded and fitted in parallel, then stored in order. After every
// batch progress tells how many are done. A failed file never stops the others.
QVector<ImportResult> importPictures(const QVector<ImportSource> &sources, const ImportFolders &folders,
                                     ImportKind kind,
                                     const std::function<void(int done, int total)> &progress = {});

} // namespace duplikon
