// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/PictureImport.h"

#include "pictures/GifWriter.h"
#include "pictures/Metafile.h"
#include "pictures/MetafileRecords.h"
#include "pictures/PictureLoader.h"
#include "pictures/SoundHalf.h"
#include "pictures/SvgCheck.h"
#include "platform/FileLists.h"
#include "platform/TextFiles.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSet>
#include <QThread>

namespace duplikon {

namespace {

constexpr int kMaxNameLength = 40;
constexpr int kJpegQuality = 90;

QString notAPicture() { return QCoreApplication::translate("duplikon::PictureImport",
        "Die Datei ist kein Bild, das Duplikon lesen kann."); }
QString notASound() { return QCoreApplication::translate("duplikon::PictureImport",
        "Die Datei ist kein Ton, den Duplikon abspielen kann."); }
QString damaged() { return QCoreApplication::translate("duplikon::PictureImport",
        "Das Bild ist beschädigt oder unvollständig."); }
QString tooBig()
{
    return QCoreApplication::translate("duplikon::PictureImport",
            "Das Bild ist zu groß (mehr als 16384 Bildpunkte an einer Seite "
                          "oder mehr als 256 MB im Speicher).");
}

PreparedPicture failure(const QString &reason)
{
    PreparedPicture p;
    p.error = reason;
    return p;
}

bool exceedsLimits(const QSize &s)
{
    return s.width() > kMaxImportSide || s.height() > kMaxImportSide
        || qint64(s.width()) * s.height() * 4 > qint64(kMaxImportMegabytes) * 1024 * 1024;
}

// Phones store HEIC/HEIF photos in a box file whose first box names the
// brand; a file no reader knows also counts when its name says so.
bool isHeif(const QByteArray &data, const QString &sourceName, bool readable)
{
    const QString suffix = QFileInfo(sourceName).suffix().toLower();
    if (!readable && (suffix == QLatin1String("heic") || suffix == QLatin1String("heif")))
        return true;
    if (data.mid(4, 4) != "ftyp")
        return false;
    static const QSet<QByteArray> brands{"heic", "heix", "hevc", "hevx", "heim", "heis", "mif1", "msf1"};
    return brands.contains(data.mid(8, 4));
}

// Transparent parts become white; the result has no alpha channel.
QImage onWhite(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(0, 0, image);
    return out;
}

// The colours of a picture without alpha, or none when there are more than limit.
QVector<QRgb> coloursUpTo(const QImage &image, int limit)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seen.insert(line[x] | 0xFF000000u);
            if (seen.size() > limit)
                return {};
        }
    }
    QVector<QRgb> colours(seen.begin(), seen.end());
    std::sort(colours.begin(), colours.end());
    return colours;
}

// The last step for every raster picture: shown is upright and perhaps
// already reduced. A picture that may be a GIF becomes one when it has at most
// 256 colours (a drawing); its palette is made from the picture as stored, so
// the grey that smoothing left of a thin line stays grey.
PreparedPicture finish(const QImage &shown, const QSize &target, bool mayBeGif, ImportKind kind)
{
    QImage picture = onWhite(shown);
    if (picture.isNull())
        return failure(tooBig());
    const bool gif = mayBeGif && !coloursUpTo(picture, 256).isEmpty();
    if (picture.size() != target)
        picture = picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (kind == ImportKind::Solution) {
        QImage canvas(kSolutionPictureSize, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.drawImage((canvas.width() - picture.width()) / 2, (canvas.height() - picture.height()) / 2, picture);
        painter.end();
        picture = canvas;
    }
    PreparedPicture p;
    p.size = picture.size();
    if (gif) {
        p.bytes = encodeGif(quantise(picture, 256));
        p.extension = QStringLiteral("GIF");
    } else {
        QBuffer buffer(&p.bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpg");
        writer.setQuality(kJpegQuality);
        if (!writer.write(picture))
            return failure(QCoreApplication::translate("duplikon::PictureImport",
                    "Das Bild kann nicht umgewandelt werden."));
        p.extension = QStringLiteral("JPG");
    }
    p.ok = true;
    return p;
}

QString displayName(const ImportSource &source)
{
    return source.path.isEmpty() ? QCoreApplication::translate("duplikon::PictureImport",
            "Bild aus der Zwischenablage") : QFileInfo(source.path).fileName();
}

bool isSoundSource(const ImportSource &source, ImportKind kind)
{
    return kind == ImportKind::Cell && !source.path.isEmpty() && isSoundName(source.path);
}

// Metafiles are drawn on the calling thread only (see the loader), so a
// metafile is only read here and its bytes are left in metafile.
PreparedPicture prepareSource(const ImportSource &source, ImportKind kind, QByteArray *metafile)
{
    if (source.path.isEmpty())
        return prepareImage(source.image, kind);
    if (isSoundSource(source, kind))
        return prepareSound(source.path);
    QByteArray data;
    QString error;
    if (!readFileBytes(source.path, kMaxImportFileBytes, &data, &error))
        return failure(error);
    if (looksLikeMetafile(data)) {
        *metafile = data;
        return {};
    }
    return preparePicture(data, QFileInfo(source.path).fileName(), kind);
}

// A file of the folder whose name is name without regard to letter case.
QString existingName(const QDir &folder, const QString &name)
{
    if (folder.exists(name))
        return name;
    const QStringList found = folder.entryList({name}, QDir::Files | QDir::Hidden);
    return found.isEmpty() ? QString() : found.constFirst();
}

} // namespace

QSize importBox(ImportKind kind)
{
    return kind == ImportKind::Cell ? kCellPictureSize : kSolutionPictureSize;
}

QSize fittedSize(const QSize &size, const QSize &box)
{
    if (size.isEmpty() || box.isEmpty())
        return {};
    if (size.width() <= box.width() && size.height() <= box.height())
        return size;
    const QSize scaled = size.scaled(box, Qt::KeepAspectRatio);
    return QSize(qMax(1, scaled.width()), qMax(1, scaled.height()));
}

QSize drawingSize(const QSize &size, const QSize &box)
{
    if (size.isEmpty() || box.isEmpty())
        return {};
    const QSize scaled = size.scaled(box, Qt::KeepAspectRatio);
    return QSize(qMax(1, scaled.width()), qMax(1, scaled.height()));
}

QString importBaseName(const QString &originalFileName, const QString &fallback)
{
    const QString base = QFileInfo(originalFileName).completeBaseName();
    QString name;
    for (const QChar c : base) {
        QString spelled;
        switch (c.unicode()) {
        case u'ä': spelled = QStringLiteral("ae"); break;
        case u'ö': spelled = QStringLiteral("oe"); break;
        case u'ü': spelled = QStringLiteral("ue"); break;
        case u'Ä': spelled = QStringLiteral("Ae"); break;
        case u'Ö': spelled = QStringLiteral("Oe"); break;
        case u'Ü': spelled = QStringLiteral("Ue"); break;
        case u'ß': spelled = QStringLiteral("ss"); break;
        default:
            // Other accented letters keep their plain letter (é becomes e).
            spelled = QString(c).normalized(QString::NormalizationForm_D).left(1);
        }
        for (const QChar s : std::as_const(spelled)) {
            const bool allowed = (s >= u'a' && s <= u'z') || (s >= u'A' && s <= u'Z') || (s >= u'0' && s <= u'9')
                || s == u'-' || s == u'_';
            if (allowed)
                name += s;
        }
    }
    name.truncate(kMaxNameLength);
    return name.isEmpty() ? fallback : withoutDeviceName(name);
}

PreparedPicture preparePicture(const QByteArray &data, const QString &sourceName, ImportKind kind)
{
    if (data.isEmpty())
        return failure(QCoreApplication::translate("duplikon::PictureImport", "Die Datei ist leer."));
    if (looksLikeMetafile(data)) {
        // The board draws a metafile at its natural size, so its header is
        // rewritten to make that size fill the box. A file without such a
        // header is drawn into a picture of that size instead.
        const MetafileResult natural = renderMetafile(data, QSize(1, 1), false);
        if (!natural.ok)
            return failure(damaged());
        const QSize target = drawingSize(natural.naturalSize, importBox(kind));
        const QByteArray fitted = metafileFittedTo(data, importBox(kind));
        const MetafileResult drawn = fitted.isEmpty() ? renderMetafile(data, target, true)
                                                      : renderMetafile(fitted, QSize(1, 1), false);
        if (!drawn.ok)
            return failure(damaged());
        if (fitted.isEmpty())
            return finish(drawn.image, target, true, kind);
        PreparedPicture p;
        p.ok = true;
        p.bytes = fitted;
        p.extension = QStringLiteral("WMF");
        p.size = drawn.naturalSize;
        return p;
    }
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (isHeif(data, sourceName, !format.isEmpty()))
        return failure(QCoreApplication::translate("duplikon::PictureImport",
                "Das Bild ist im Format HEIC/HEIF gespeichert, das Duplikon nicht lesen kann. "
                                      "Bitte speichern Sie es als JPEG und fügen Sie es dann ein."));
    if (format.isEmpty())
        return failure(notAPicture());
    const bool svg = format.startsWith("svg");
    if (svg && data.startsWith("\x1F\x8B"))
        return failure(svgRefusal(SvgVerdict::RefersOutside)); // packed: the check cannot read it
    if (const SvgVerdict verdict = svg ? checkSvg(data) : SvgVerdict::Safe; verdict != SvgVerdict::Safe)
        return failure(svgRefusal(verdict));
    reader.setAllocationLimit(kMaxImportMegabytes);
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return failure(damaged());
    if (exceedsLimits(stored))
        return failure(tooBig());
    if (!pictureEndIsPresent(data.left(kPictureHeadBytes), data.right(kPictureTailBytes), data.size()))
        return failure(damaged());
    // The reader scales in the stored orientation and turns the picture
    // upright afterwards.
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize shown = turned ? stored.transposed() : stored;
    // A drawing is drawn to fill the box; a raster picture is never enlarged.
    const QSize target = svg ? drawingSize(shown, importBox(kind)) : fittedSize(shown, importBox(kind));
    reader.setAutoTransform(true);
    bool reduced = false;
    // Only JPEG decodes faster at a reduced size (and its colours are never
    // counted); an SVG is drawn at the target size, and its colours are counted there.
    if (svg || format == "jpeg") {
        // Twice the target, then smoothed down: the reader's own scaling is coarse.
        const QSize decodeShown = svg ? target : fittedSize(shown, target * 2);
        if (decodeShown != shown) {
            reader.setScaledSize(turned ? decodeShown.transposed() : decodeShown);
            reduced = true;
        }
    }
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return failure(damaged());
    return finish(image, target, svg || !reduced, kind);
}

PreparedPicture prepareSound(const QString &path)
{
    QByteArray data;
    QString error;
    if (!readFileBytes(path, kMaxImportFileBytes, &data, &error))
        return failure(error);
    if (!isSoundHeader(data.left(kSoundHeaderBytes)))
        return failure(notASound());
    PreparedPicture p;
    p.ok = true;
    p.sound = true;
    p.bytes = data;
    // The header tells the kind, whatever the name says.
    p.extension = data.startsWith("RIFF") ? QStringLiteral("WAV")
                : data.startsWith("OggS") ? QStringLiteral("OGG") : QStringLiteral("MP3");
    return p;
}

PreparedPicture prepareImage(const QImage &image, ImportKind kind)
{
    if (image.isNull())
        return failure(notAPicture());
    if (exceedsLimits(image.size()))
        return failure(tooBig());
    return finish(image, fittedSize(image.size(), importBox(kind)), true, kind);
}

QString storePicture(const QString &folder, const QString &baseName, const PreparedPicture &picture, QString *error,
                     bool *written)
{
    if (written)
        *written = false;
    const QDir dir(folder);
    for (int n = 1; n < 10000; ++n) {
        const QString suffix = n == 1 ? QString() : QStringLiteral("-%1").arg(n);
        const QString name = baseName.left(kMaxNameLength - suffix.size()) + suffix + QLatin1Char('.') + picture.extension;
        const QString existing = existingName(dir, name);
        if (!existing.isEmpty()) {
            QByteArray bytes;
            if (readFileBytes(dir.filePath(existing), picture.bytes.size(), &bytes, nullptr) && bytes == picture.bytes)
                return existing; // the same picture imported before
            continue;
        }
        switch (writeNewFileAtomically(dir.filePath(name), picture.bytes, error)) {
        case NewFileResult::Written:
            if (written)
                *written = true;
            return name;
        case NewFileResult::Exists: --n; continue; // appeared meanwhile: look at it again
        case NewFileResult::Failed: return {};
        }
    }
    if (error)
        *error = QCoreApplication::translate("duplikon::PictureImport",
                "Es gibt schon zu viele Bilder mit diesem Namen.");
    return {};
}

QVector<ImportResult> importPictures(const QVector<ImportSource> &sources, const ImportFolders &folders,
                                     ImportKind kind, const std::function<void(int, int)> &progress)
{
    QVector<ImportResult> results(sources.size());
    // Each folder is made when the first file goes into it.
    const auto madeFolder = [](const QString &folder, QString *error) {
        if (QDir().mkpath(folder))
            return folder;
        *error = QCoreApplication::translate("duplikon::PictureImport",
                "Der Ordner „%1“ kann nicht angelegt werden.").arg(QFileInfo(folder).fileName());
        return QString();
    };
    const int batch = qMax(1, QThread::idealThreadCount());
    for (int first = 0; first < sources.size(); first += batch) {
        const int count = qMin(batch, int(sources.size()) - first);
        QVector<PreparedPicture> prepared(count);
        QVector<QByteArray> metafiles(count);
        runInParallel(count, [&](int k) { prepared[k] = prepareSource(sources.at(first + k), kind, &metafiles[k]); });
        for (int k = 0; k < count; ++k) {
            if (!metafiles.at(k).isEmpty())
                prepared[k] = preparePicture(metafiles.at(k), sources.at(first + k).path, kind);
        }
        // Stored one after the other, so equal names of one drop count up.
        for (int k = 0; k < count; ++k) {
            const ImportSource &source = sources.at(first + k);
            const PreparedPicture &p = prepared.at(k);
            ImportResult &result = results[first + k];
            QString error = p.error;
            result.sound = isSoundSource(source, kind);
            if (p.ok) {
                const QString folder = madeFolder(p.sound ? folders.sounds : folders.pictures, &error);
                const QString base = source.path.isEmpty() ? QStringLiteral("Bild")
                    : importBaseName(source.path, p.sound ? QStringLiteral("Ton") : QStringLiteral("Bild"));
                if (!folder.isEmpty())
                    result.fileName = storePicture(folder, base, p, &error);
            }
            if (result.fileName.isEmpty())
                result.message = QStringLiteral("„%1“: %2").arg(displayName(source), error);
        }
        if (progress)
            progress(first + count, int(sources.size()));
    }
    return results;
}

} // namespace duplikon
