#include "platform/PictureLoader.h"

#include "platform/Metafile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace dup {

namespace {

bool tooLarge(const QSize &s)
{
    return qint64(s.width()) * qint64(s.height()) * 4 > qint64(kMaxDecodedMegabytes) * 1024 * 1024;
}

LoadedPicture fromReader(QImageReader &reader, const QSize &box, PictureFit fit)
{
    LoadedPicture r;
    reader.setAllocationLimit(kMaxDecodedMegabytes);
    reader.setAutoTransform(false);
    const QSize natural = reader.size();
    if (!natural.isValid() || natural.isEmpty()) {
        r.error = QStringLiteral("Das Bild kann nicht gelesen werden.");
        return r;
    }
    r.naturalSize = natural;
    const bool canScale = reader.supportsOption(QImageIOHandler::ScaledSize);
    const bool canClip = reader.supportsOption(QImageIOHandler::ClipRect);
    if (box.isEmpty()) {
        r.error = QStringLiteral("Kein Platz für das Bild.");
        return r;
    }
    if (fit == PictureFit::Stretch) {
        if (!canScale && tooLarge(natural)) {
            r.error = QStringLiteral("Das Bild ist zu groß.");
            return r;
        }
        reader.setScaledSize(box);
    } else {
        const QRect clip(0, 0, qMin(box.width(), natural.width()), qMin(box.height(), natural.height()));
        if (!canClip && tooLarge(natural)) {
            r.error = QStringLiteral("Das Bild ist zu groß.");
            return r;
        }
        reader.setClipRect(clip);
    }
    QImage img;
    if (!reader.read(&img) || img.isNull()) {
        r.error = QStringLiteral("Das Bild kann nicht gelesen werden.");
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

LoadedPicture fromMetafile(const QByteArray &data, const QSize &box, PictureFit fit)
{
    LoadedPicture r;
    const MetafileResult m = renderMetafile(data, box, fit == PictureFit::Stretch);
    r.ok = m.ok;
    r.image = m.image;
    r.naturalSize = m.naturalSize;
    r.error = m.error;
    return r;
}

} // namespace

LoadedPicture loadPictureData(const QByteArray &data, const QSize &box, PictureFit fit)
{
    if (data.isEmpty()) {
        LoadedPicture r;
        r.error = QStringLiteral("Die Bilddatei ist leer.");
        return r;
    }
    if (looksLikeMetafile(data))
        return fromMetafile(data, box, fit);
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return fromReader(reader, box, fit);
}

LoadedPicture loadPicture(const QString &path, const QSize &box, PictureFit fit)
{
    LoadedPicture r;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        r.error = QStringLiteral("Die Bilddatei ist nicht vorhanden.");
        return r;
    }
    if (info.size() == 0) {
        r.error = QStringLiteral("Die Bilddatei ist leer.");
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.error = file.errorString();
        return r;
    }
    const QByteArray head = file.peek(32);
    if (looksLikeMetafile(head)) {
        // Metafiles are small vector files; refuse absurd sizes outright.
        if (info.size() > 64 * 1024 * 1024) {
            r.error = QStringLiteral("Die Bilddatei ist zu groß.");
            return r;
        }
        return fromMetafile(file.readAll(), box, fit);
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    return fromReader(reader, box, fit);
}

} // namespace dup
