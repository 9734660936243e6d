// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureLoader.h"

#include "pictures/LittleEndian.h"
#include "pictures/Metafile.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QCache>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QLoggingCategory>
#include <QThread>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace duplikon {

namespace {

// Picture files larger than this are not pictures of the program.
constexpr qint64 kMaxPictureFileBytes = qint64(kMaxDecodedMegabytes) * 1024 * 1024;

QString unreadable() { return QCoreApplication::translate("duplikon::PictureLoader",
        "Das Bild kann nicht gelesen werden."); }
QString tooBig() { return QCoreApplication::translate("duplikon::PictureLoader", "Das Bild ist zu groß."); }

// No camera makes pictures wider or taller than this; a header that claims
// more is damaged or hostile.
constexpr int kMaxPictureSide = 16384;

bool tooLarge(const QSize &s)
{
    return qint64(s.width()) * qint64(s.height()) * 4 > qint64(kMaxDecodedMegabytes) * 1024 * 1024;
}

// Only the head and the tail of a file are read for the check of its end, so
// a large file is never read twice.
constexpr int kHeadBytes = kPictureHeadBytes;
constexpr int kTailBytes = kPictureTailBytes;

// A progressive JPEG holds the whole picture in every scan, and the decoder
// reads all scans before the first row comes out, even when only the top-left
// corner is shown. Each scan stores its blocks row by row from the top, so a
// copy whose frame header claims fewer rows decodes just those rows and skips
// the rest of every scan. One row of blocks more than shown keeps the colour
// smoothing at the lower edge of the shown part exactly as in the whole
// picture. Returns the copy and the true height, or an empty array when the
// data is no progressive JPEG taller than that.
QByteArray progressiveTop(const QByteArray &jpeg, int rows, int *trueHeight)
{
    const auto byte = [&jpeg](qsizetype i) { return int(uchar(jpeg.at(i))); };
    qsizetype pos = 2;
    while (pos + 4 <= jpeg.size()) {
        if (byte(pos) != 0xFF)
            return {};
        while (pos + 1 < jpeg.size() && byte(pos + 1) == 0xFF)
            ++pos; // fill bytes
        if (pos + 4 > jpeg.size())
            return {};
        const int marker = byte(pos + 1);
        const int length = byte(pos + 2) << 8 | byte(pos + 3);
        if (marker == 0xDA || marker == 0xD9 || length < 2 || pos + 2 + length > jpeg.size())
            return {}; // no frame header before the first scan
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (!frame) {
            pos += 2 + length;
            continue;
        }
        if (marker != 0xC2 || length < 8)
            return {};
        const int height = byte(pos + 5) << 8 | byte(pos + 6);
        const int components = byte(pos + 9);
        if (length < 8 + 3 * components)
            return {};
        int maxV = 1;
        for (int c = 0; c < components; ++c)
            maxV = qMax(maxV, byte(pos + 11 + 3 * c) & 0x0F);
        const int blockRows = 8 * maxV;
        const int wanted = (rows + blockRows - 1) / blockRows * blockRows + blockRows;
        if (height == 0 || rows <= 0 || wanted >= height)
            return {};
        QByteArray copy = jpeg;
        copy[pos + 5] = char(wanted >> 8);
        copy[pos + 6] = char(wanted & 0xFF);
        *trueHeight = height;
        return copy;
    }
    return {};
}

LoadedPicture fromReader(QImageReader &reader, const QSize &box, PictureFit fit);

// A JPEG decoded from memory; a progressive one shown in part decodes only
// the rows that are shown.
LoadedPicture fromJpegData(const QByteArray &data, const QSize &box, PictureFit fit)
{
    int trueHeight = 0;
    QByteArray top = fit == PictureFit::Clip ? progressiveTop(data, box.height(), &trueHeight) : QByteArray();
    const bool inPart = !top.isEmpty() && trueHeight <= kMaxPictureSide;
    if (inPart) {
        // The decoder calls the skipped rest of each scan extraneous bytes;
        // skipping it is the point, so its warnings would only fill the log.
        static const bool quiet = [] {
            QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg.warning=false"));
            return true;
        }();
        Q_UNUSED(quiet);
    }
    QByteArray copy = inPart ? top : data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    LoadedPicture r = fromReader(reader, box, fit);
    if (inPart && r.naturalSize.isValid())
        r.naturalSize.setHeight(trueHeight);
    return r;
}

} // namespace

bool pictureEndIsPresent(const QByteArray &head, const QByteArray &tail, qint64 size)
{
    if (head.startsWith("\xFF\xD8")) // JPEG: the end-of-image marker near the end
        return tail.contains("\xFF\xD9");
    if (head.startsWith("GIF8")) { // GIF: the trailer byte, perhaps followed by padding
        int end = tail.size() - 1;
        while (end > 0 && tail[end] == '\0')
            --end;
        return end >= 0 && tail[end] == '\x3B';
    }
    if (head.startsWith("\x89PNG\r\n\x1A\n")) // PNG: the end chunk, whose checksum never changes
        return tail.contains(QByteArray("\0\0\0\0IEND\xAE\x42\x60\x82", 12));
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
        if (width > kMaxPictureSide || height > kMaxPictureSide)
            return true; // the decoder refuses it as too large
        const qint64 stride = ((width * bits + 31) / 32) * 4;
        return qint64(offset) + stride * height <= size;
    }
    return true;
}

namespace {

// The verdict on a picture from its header alone, before anything is decoded.
PictureCost judgeHeader(QImageReader &reader, const QSize &box, PictureFit fit)
{
    PictureCost c;
    reader.setAutoTransform(false);
    // An SVG named as a picture of a task is not drawn: it could draw other
    // files or repeat its parts without end (the import checks and converts it).
    if (reader.format().startsWith("svg")) {
        c.error = unreadable();
        return c;
    }
    reader.setAllocationLimit(kMaxDecodedMegabytes);
    const QSize natural = reader.size();
    if (!natural.isValid() || natural.isEmpty()) {
        c.error = unreadable();
        return c;
    }
    c.naturalSize = natural;
    if (natural.width() > kMaxPictureSide || natural.height() > kMaxPictureSide) {
        c.error = tooBig();
        return c;
    }
    if (box.isEmpty()) {
        c.error = QCoreApplication::translate("duplikon::PictureLoader", "Kein Platz für das Bild.");
        return c;
    }
    // A decoder that can neither scale nor clip decodes the whole picture;
    // one that clips still decodes whole rows down to the clip's lower edge.
    const bool whole = !reader.supportsOption(fit == PictureFit::Stretch ? QImageIOHandler::ScaledSize
                                                                         : QImageIOHandler::ClipRect);
    if (whole && tooLarge(natural)) {
        c.error = tooBig();
        return c;
    }
    const QSize decoded = whole ? natural
        : fit == PictureFit::Stretch ? box
                                     : QSize(natural.width(), qMin(box.height(), natural.height()));
    c.decodedBytes = qint64(decoded.width()) * decoded.height() * 4;
    c.ok = true;
    return c;
}

LoadedPicture fromReader(QImageReader &reader, const QSize &box, PictureFit fit)
{
    LoadedPicture r;
    const PictureCost cost = judgeHeader(reader, box, fit);
    r.naturalSize = cost.naturalSize;
    if (!cost.ok) {
        r.error = cost.error;
        return r;
    }
    const QSize natural = cost.naturalSize;
    if (fit == PictureFit::Stretch && reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(box);
    if (fit == PictureFit::Clip && reader.supportsOption(QImageIOHandler::ClipRect))
        reader.setClipRect(QRect(0, 0, qMin(box.width(), natural.width()), qMin(box.height(), natural.height())));
    QImage img;
    if (!reader.read(&img) || img.isNull()) {
        r.error = tooLarge(natural) ? tooBig() : unreadable();
        return r;
    }
    // A damaged bitmap may use colour numbers beyond its colour table; they
    // are drawn black rather than read from behind the table.
    const int colours = img.format() == QImage::Format_Indexed8 ? 256 : img.depth() == 1 ? 2 : 0;
    if (img.colorCount() < colours) {
        QList<QRgb> table = img.colorTable();
        table.resize(colours, qRgb(0, 0, 0));
        img.setColorTable(table);
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
        r.error = QCoreApplication::translate("duplikon::PictureLoader", "Die Bilddatei ist leer.");
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
    if (!pictureEndIsPresent(data.left(kHeadBytes), data.right(kTailBytes), data.size())) {
        r.error = QCoreApplication::translate("duplikon::PictureLoader", "Die Bilddatei ist unvollständig.");
        return r;
    }
    if (data.startsWith("\xFF\xD8"))
        return fromJpegData(data, box, fit);
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return fromReader(reader, box, fit);
}

PictureCost pictureCost(const QByteArray &data, const QSize &box, PictureFit fit)
{
    PictureCost c;
    if (data.isEmpty()) {
        c.error = QCoreApplication::translate("duplikon::PictureLoader", "Die Bilddatei ist leer.");
        return c;
    }
    if (looksLikeMetafile(data)) {
        // Drawn into the box, never larger.
        c.ok = true;
        c.decodedBytes = qint64(box.width()) * box.height() * 4;
        return c;
    }
    if (!pictureEndIsPresent(data.left(kHeadBytes), data.right(kTailBytes), data.size())) {
        c.error = QCoreApplication::translate("duplikon::PictureLoader", "Die Bilddatei ist unvollständig.");
        return c;
    }
    // A GIF declares its screen in bytes 6 to 9, and every frame is drawn
    // onto a screen of that size; the decoder tells no size for a screen
    // too large for it.
    if (data.startsWith("GIF8") && data.size() >= 10) {
        const QSize screen(quint8(data.at(6)) | quint8(data.at(7)) << 8, quint8(data.at(8)) | quint8(data.at(9)) << 8);
        if (tooLarge(screen)) {
            c.naturalSize = screen;
            c.error = tooBig();
            return c;
        }
    }
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return judgeHeader(reader, box, fit);
}

namespace {

LoadedPicture decodeFile(const QString &path, const QFileInfo &info, const QSize &box, PictureFit fit)
{
    LoadedPicture r;
    if (!info.exists() || !info.isFile()) {
        r.error = QCoreApplication::translate("duplikon::PictureLoader", "Die Bilddatei ist nicht vorhanden.");
        return r;
    }
    if (info.size() == 0) {
        r.error = QCoreApplication::translate("duplikon::PictureLoader", "Die Bilddatei ist leer.");
        return r;
    }
    if (info.size() > kMaxPictureFileBytes) {
        r.error = QCoreApplication::translate("duplikon::PictureLoader", "Die Bilddatei ist zu groß.");
        return r;
    }
    // Looked at again once open: what is read is what was checked.
    QFile file;
    if (!openRegularFile(file, path, kMaxPictureFileBytes, nullptr)) {
        r.error = QCoreApplication::translate("duplikon::PictureLoader", "Die Bilddatei kann nicht geöffnet werden.");
        return r;
    }
    const qint64 size = file.size();
    const QByteArray head = file.peek(kHeadBytes);
    if (looksLikeMetafile(head)) {
        if (size > kMaxMetafileBytes) {
            r.error = QCoreApplication::translate("duplikon::PictureLoader", "Die Bilddatei ist zu groß.");
            return r;
        }
        return loadPictureData(file.readAll(), box, fit);
    }
    QByteArray tail;
    if (file.seek(qMax<qint64>(0, size - kTailBytes)))
        tail = file.read(kTailBytes);
    if (!file.seek(0)) {
        r.error = unreadable();
        return r;
    }
    if (!pictureEndIsPresent(head, tail, size)) {
        r.error = QCoreApplication::translate("duplikon::PictureLoader", "Die Bilddatei ist unvollständig.");
        return r;
    }
    if (fit == PictureFit::Clip && head.startsWith("\xFF\xD8"))
        return fromJpegData(file.readAll(), box, fit);
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

QString cacheKey(const QFileInfo &info, const QSize &box, PictureFit fit)
{
    return QStringLiteral("%1|%2|%3|%4x%5|%6")
        .arg(info.absoluteFilePath())
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(box.width())
        .arg(box.height())
        .arg(fit == PictureFit::Clip ? 'c' : 's');
}

void keep(const QString &key, const LoadedPicture &r)
{
    if (!r.ok)
        return;
    const qsizetype cost = qMax<qsizetype>(1, r.image.sizeInBytes() / 1024);
    if (cost <= decodedPictures().maxCost())
        decodedPictures().insert(key, new LoadedPicture(r), cost);
}

// Metafiles are drawn on the calling thread only: the metafile library and
// the fonts of its text records are not known to be safe on several threads.
bool isMetafileFile(const QString &path)
{
    QFile file;
    return openRegularFile(file, path, kMaxPictureFileBytes, nullptr) && looksLikeMetafile(file.peek(kHeadBytes));
}

} // namespace

void runInParallel(int count, const std::function<void(int)> &work)
{
    std::atomic<int> next{0};
    const auto worker = [&] {
        for (int i = next++; i < count; i = next++)
            work(i);
    };
    const int helpers = qMin(QThread::idealThreadCount(), count) - 1;
    std::vector<std::thread> threads;
    threads.reserve(size_t(qMax(0, helpers)));
    for (int t = 0; t < helpers; ++t)
        threads.emplace_back(worker);
    worker();
    for (std::thread &t : threads)
        t.join();
}

void clearPictureCache()
{
    decodedPictures().clear();
}

QSize pictureHeaderSize(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path, kMaxPictureFileBytes, nullptr))
        return {};
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    return reader.size();
}

QVector<LoadedPicture> loadPictures(const QVector<PictureRequest> &requests)
{
    QVector<LoadedPicture> results(requests.size());
    QVector<QFileInfo> infos(requests.size());
    QVector<QString> keys(requests.size());
    QHash<QString, int> firstOfKey; // the same picture in the same box is decoded once
    QVector<int> parallel;
    for (int i = 0; i < requests.size(); ++i) {
        const PictureRequest &q = requests.at(i);
        infos[i] = QFileInfo(q.path);
        if (!infos[i].exists() || !infos[i].isFile()) {
            results[i].error = QCoreApplication::translate("duplikon::PictureLoader",
                    "Die Bilddatei ist nicht vorhanden.");
            continue;
        }
        keys[i] = cacheKey(infos[i], q.box, q.fit);
        if (const LoadedPicture *hit = decodedPictures().object(keys[i])) {
            results[i] = *hit;
            continue;
        }
        if (firstOfKey.contains(keys[i]))
            continue;
        firstOfKey.insert(keys[i], i);
        if (requests.size() > 1 && isMetafileFile(q.path)) {
            results[i] = decodeFile(q.path, infos[i], q.box, q.fit);
            keep(keys[i], results[i]);
        } else {
            parallel << i;
        }
    }
    // Pure computation on files and images; nothing shared is touched.
    runInParallel(int(parallel.size()), [&](int k) {
        const int i = parallel.at(k);
        results[i] = decodeFile(requests.at(i).path, infos.at(i), requests.at(i).box, requests.at(i).fit);
    });
    for (int i : std::as_const(parallel))
        keep(keys.at(i), results.at(i));
    for (int i = 0; i < requests.size(); ++i) {
        const int first = keys.at(i).isEmpty() ? i : firstOfKey.value(keys.at(i), i);
        if (first != i)
            results[i] = results.at(first);
    }
    return results;
}

LoadedPicture loadPicture(const QString &path, const QSize &box, PictureFit fit)
{
    return loadPictures({PictureRequest{path, box, fit}}).constFirst();
}

} // namespace duplikon
