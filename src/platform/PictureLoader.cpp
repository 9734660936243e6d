// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureLoader.h"

#include "platform/LittleEndian.h"
#include "platform/Metafile.h"

#include <QBuffer>
#include <QCache>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace duplikon {

namespace {

// Picture files larger than this are not pictures of the program.
constexpr qint64 kMaxPictureFileBytes = qint64(kMaxDecodedMegabytes) * 1024 * 1024;

QString unreadable() { return QStringLiteral("Das Bild kann nicht gelesen werden."); }
QString tooBig() { return QStringLiteral("Das Bild ist zu groß."); }

// No camera makes pictures wider or taller than this; a header that claims
// more is damaged or hostile.
constexpr int kMaxPictureSide = 16384;

bool tooLarge(const QSize &s)
{
    return qint64(s.width()) * qint64(s.height()) * 4 > qint64(kMaxDecodedMegabytes) * 1024 * 1024;
}

// Decoders fill a cut-off file with grey and call it a success; a file whose
// end is missing is refused here. Only the head and the tail of the file are
// needed, so a large file is never read twice.
constexpr int kHeadBytes = 64;
constexpr int kTailBytes = 4096;

bool endIsPresent(const QByteArray &head, const QByteArray &tail, qint64 size)
{
    if (head.startsWith("\xFF\xD8")) // JPEG: the end-of-image marker near the end
        return tail.contains("\xFF\xD9");
    if (head.startsWith("GIF8")) { // GIF: the trailer byte, perhaps followed by padding
        int end = tail.size() - 1;
        while (end > 0 && tail[end] == '\0')
            --end;
        return end >= 0 && tail[end] == '\x3B';
    }
    if (head.startsWith("BM") && head.size() >= 34) { // bitmap: the rows the header promises
        const quint32 offset = readLe32(head, 10);
        const quint32 headerSize = readLe32(head, 14);
        if (headerSize < 40)
            return true; // old header: the decoder checks it
        const qint64 width = qAbs(qint64(qint32(readLe32(head, 18))));
        const qint64 height = qAbs(qint64(qint32(readLe32(head, 22))));
        const int bits = readLe16(head, 28);
        const quint32 compression = readLe32(head, 30);
        if (compression != 0 && compression != 3)
            return true; // run-length data has no fixed size
        const qint64 stride = ((width * bits + 31) / 32) * 4;
        return qint64(offset) + stride * height <= size;
    }
    return true;
}

LoadedPicture fromReader(QImageReader &reader, const QSize &box, PictureFit fit)
{
    LoadedPicture r;
    reader.setAllocationLimit(kMaxDecodedMegabytes);
    reader.setAutoTransform(false);
    const QSize natural = reader.size();
    if (!natural.isValid() || natural.isEmpty()) {
        r.error = unreadable();
        return r;
    }
    r.naturalSize = natural;
    if (natural.width() > kMaxPictureSide || natural.height() > kMaxPictureSide) {
        r.error = tooBig();
        return r;
    }
    if (box.isEmpty()) {
        r.error = QStringLiteral("Kein Platz für das Bild.");
        return r;
    }
    const bool canScale = reader.supportsOption(QImageIOHandler::ScaledSize);
    const bool canClip = reader.supportsOption(QImageIOHandler::ClipRect);
    if (fit == PictureFit::Stretch) {
        if (!canScale && tooLarge(natural)) {
            r.error = tooBig();
            return r;
        }
        if (canScale)
            reader.setScaledSize(box);
    } else {
        if (!canClip && tooLarge(natural)) {
            r.error = tooBig();
            return r;
        }
        if (canClip)
            reader.setClipRect(QRect(0, 0, qMin(box.width(), natural.width()), qMin(box.height(), natural.height())));
    }
    QImage img;
    if (!reader.read(&img) || img.isNull()) {
        r.error = tooLarge(natural) ? tooBig() : unreadable();
        return r;
    }
    if (fit == PictureFit::Stretch && img.size() != box)
        img = img.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (fit == PictureFit::Clip && (img.width() > box.width() || img.height() > box.height()))
        img = img.copy(0, 0, qMin(img.width(), box.width()), qMin(img.height(), box.height()));
    r.image = img;
    r.ok = true;
    return r;
}

} // namespace

LoadedPicture loadPictureData(const QByteArray &data, const QSize &box, PictureFit fit)
{
    LoadedPicture r;
    if (data.isEmpty()) {
        r.error = QStringLiteral("Die Bilddatei ist leer.");
        return r;
    }
    if (looksLikeMetafile(data)) {
        const MetafileResult m = renderMetafile(data, box, fit == PictureFit::Stretch);
        r.ok = m.ok;
        r.image = m.image;
        r.naturalSize = m.naturalSize;
        r.error = m.error;
        return r;
    }
    if (!endIsPresent(data.left(kHeadBytes), data.right(kTailBytes), data.size())) {
        r.error = QStringLiteral("Die Bilddatei ist unvollständig.");
        return r;
    }
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return fromReader(reader, box, fit);
}

namespace {

LoadedPicture decodeFile(const QString &path, const QFileInfo &info, const QSize &box, PictureFit fit)
{
    LoadedPicture r;
    if (!info.exists() || !info.isFile()) {
        r.error = QStringLiteral("Die Bilddatei ist nicht vorhanden.");
        return r;
    }
    if (info.size() == 0) {
        r.error = QStringLiteral("Die Bilddatei ist leer.");
        return r;
    }
    if (info.size() > kMaxPictureFileBytes) {
        r.error = QStringLiteral("Die Bilddatei ist zu groß.");
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.error = QStringLiteral("Die Bilddatei kann nicht geöffnet werden.");
        return r;
    }
    const QByteArray head = file.peek(kHeadBytes);
    if (looksLikeMetafile(head)) {
        if (info.size() > kMaxMetafileBytes) {
            r.error = QStringLiteral("Die Bilddatei ist zu groß.");
            return r;
        }
        return loadPictureData(file.readAll(), box, fit);
    }
    QByteArray tail;
    if (file.seek(qMax<qint64>(0, info.size() - kTailBytes)))
        tail = file.read(kTailBytes);
    if (!file.seek(0)) {
        r.error = unreadable();
        return r;
    }
    if (!endIsPresent(head, tail, info.size())) {
        r.error = QStringLiteral("Die Bilddatei ist unvollständig.");
        return r;
    }
    // Decoded straight from the file: only what is shown is kept.
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    return fromReader(reader, box, fit);
}

// Pictures already decoded for a box, so that loading the same task again (as
// every activation of the main window does) costs nothing even for pictures
// that cannot be decoded in part, such as progressive JPEGs. A file that
// changed on disk (size or time) is decoded afresh.
QCache<QString, LoadedPicture> &decodedPictures()
{
    static QCache<QString, LoadedPicture> cache(kPictureCacheBytes / 1024);
    return cache;
}

} // namespace

void clearPictureCache()
{
    decodedPictures().clear();
}

QSize pictureHeaderSize(const QString &path)
{
    return QImageReader(path).size();
}

LoadedPicture loadPicture(const QString &path, const QSize &box, PictureFit fit)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        LoadedPicture r;
        r.error = QStringLiteral("Die Bilddatei ist nicht vorhanden.");
        return r;
    }
    const QString key = QStringLiteral("%1|%2|%3|%4x%5|%6")
                            .arg(info.absoluteFilePath())
                            .arg(info.size())
                            .arg(info.lastModified().toMSecsSinceEpoch())
                            .arg(box.width())
                            .arg(box.height())
                            .arg(fit == PictureFit::Clip ? 'c' : 's');
    if (const LoadedPicture *hit = decodedPictures().object(key))
        return *hit;
    LoadedPicture r = decodeFile(path, info, box, fit);
    if (r.ok) {
        const qsizetype cost = qMax<qsizetype>(1, r.image.sizeInBytes() / 1024);
        if (cost <= decodedPictures().maxCost())
            decodedPictures().insert(key, new LoadedPicture(r), cost);
    }
    return r;
}

} // namespace duplikon
