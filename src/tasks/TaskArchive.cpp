// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/TaskArchive.h"

#include "tasks/Task.h"

#include "pictures/MediaNames.h"
#include "pictures/MetafileRecords.h"
#include "pictures/PictureImport.h"
#include "pictures/PictureLoader.h"
#include "pictures/SoundHalf.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <openssl/evp.h>
#include <zip.h>

#include <memory>
#include <numeric>

namespace duplikon {

namespace {

const QString kManifest = QStringLiteral("manifest.json");
const QString kMediaFolder = QStringLiteral("media/");
constexpr int kHashDigits = 64;
constexpr qint64 kMaxManifestBytes = 1024 * 1024;
constexpr int kMaxShownName = 80;

// Media are named in lower case only.
bool isKnownEnding(const QString &ending)
{
    return ending == ending.toLower() && mediaKindOfEnding(ending) != MediaKind::None;
}

// "media/" followed by 64 lower-case hex digits, a dot and a known ending.
bool isMediumName(const QString &name)
{
    if (!name.startsWith(kMediaFolder) || name.size() < kMediaFolder.size() + kHashDigits + 2)
        return false;
    for (int i = 0; i < kHashDigits; ++i) {
        const QChar c = name.at(kMediaFolder.size() + i);
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return false;
    }
    const int dot = kMediaFolder.size() + kHashDigits;
    return name.at(dot) == u'.' && isKnownEnding(name.mid(dot + 1));
}

QString endingOf(const QString &mediumName) { return mediumName.mid(kMediaFolder.size() + kHashDigits + 1); }

// A name from inside the archive, fit to be shown in a message.
QString shownName(const QString &name)
{
    QString shown;
    for (const QChar c : name)
        shown += c.isPrint() ? c : QChar(u'?');
    return shown.size() > kMaxShownName ? shown.left(kMaxShownName) + QStringLiteral("…") : shown;
}

// A medium as the teacher knows it: by the file name it had, else by its name in the archive.
QString mediumShownName(const TaskArchive &task, const QString &medium)
{
    const QString had = task.fileNames.value(medium);
    return had.isEmpty() ? medium : shownName(had);
}

ArchiveReading refusal(const QString &reason)
{
    ArchiveReading r;
    r.error = reason;
    return r;
}

QString damagedArchive() { return QCoreApplication::translate("duplikon::TaskArchive",
        "Die Datei ist kein Duplikon-Paket oder ist beschädigt."); }

struct ZipCloser {
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

struct EntryCloser {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

// Reads entry index into memory, counting every byte against the limits,
// whatever the archive declares. Adds what was read to total.
QString readEntry(zip_t *archive, zip_uint64_t index, const zip_stat_t &stat, qint64 archiveSize, qint64 *total,
                  QByteArray *out)
{
    const QString name = shownName(QString::fromUtf8(stat.name));
    std::unique_ptr<zip_file_t, EntryCloser> file(zip_fopen_index(archive, index, 0));
    if (!file)
        return QCoreApplication::translate("duplikon::TaskArchive", "„%1“ kann nicht gelesen werden.").arg(name);
    const qint64 declared = (stat.valid & ZIP_STAT_SIZE) ? qint64(qMin<zip_uint64_t>(stat.size, kMaxArchiveBytes)) : 0;
    const qint64 packed = (stat.valid & ZIP_STAT_COMP_SIZE)
        ? qint64(qMin<zip_uint64_t>(stat.comp_size, zip_uint64_t(archiveSize))) : archiveSize;
    // Room for what the entry may hold, so it is read without moving it around.
    out->reserve(qsizetype(qMin(declared, qMin(packed * kMaxInflateRatio + kBombFloorBytes, kMaxArchiveEntryBytes)) + 1));
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), buffer, sizeof buffer);
        if (n < 0)
            return QCoreApplication::translate("duplikon::TaskArchive", "„%1“ ist beschädigt.").arg(name);
        if (n == 0)
            break;
        out->append(buffer, qsizetype(n));
        *total += n;
        if (out->size() > kMaxArchiveEntryBytes)
            return QCoreApplication::translate("duplikon::TaskArchive", "„%1“ ist größer als 32 MB.").arg(name);
        if (*total > kMaxArchiveBytes)
            return QCoreApplication::translate("duplikon::TaskArchive", "Das Paket ist ausgepackt größer als 256 MB.");
        if (out->size() > kBombFloorBytes && out->size() > packed * kMaxInflateRatio)
            return QCoreApplication::translate("duplikon::TaskArchive", "„%1“ ist verdächtig stark gepackt.").arg(name);
        if (out->size() > declared)
            return QCoreApplication::translate("duplikon::TaskArchive",
                    "„%1“ ist größer, als das Paket angibt.").arg(name);
    }
    if (out->size() != declared)
        return QCoreApplication::translate("duplikon::TaskArchive",
                "„%1“ ist kleiner, als das Paket angibt.").arg(name);
    return {};
}

// A symbolic link, a device or anything else that is no plain file, as the
// Unix attributes of the entry say.
bool isSpecialEntry(zip_t *archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) < 0)
        return true;
    if (system != ZIP_OPSYS_UNIX)
        return false;
    const zip_uint32_t type = (attributes >> 16) & 0170000;
    return type != 0 && type != 0100000;
}

QString parseManifest(const QByteArray &bytes, TaskArchive *task)
{
    QJsonParseError parsing;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parsing);
    if (parsing.error != QJsonParseError::NoError || !doc.isObject())
        return QCoreApplication::translate("duplikon::TaskArchive", "manifest.json ist beschädigt.");
    const QJsonObject manifest = doc.object();
    const QJsonValue version = manifest.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != 1.0)
        return QCoreApplication::translate("duplikon::TaskArchive",
                "Das Paket hat eine Version, die Duplikon nicht kennt.");
    const QJsonValue name = manifest.value(QStringLiteral("name"));
    const QJsonValue halves = manifest.value(QStringLiteral("halves"));
    const QJsonValue files = manifest.value(QStringLiteral("files"));
    if (!name.isString() || !halves.isArray() || !(files.isUndefined() || files.isObject()))
        return QCoreApplication::translate("duplikon::TaskArchive", "manifest.json ist unvollständig.");
    task->name = name.toString().left(kMaxHalfLength);
    const QJsonArray lines = halves.toArray();
    if (lines.size() > kMaxArchiveHalves)
        return QCoreApplication::translate("duplikon::TaskArchive", "Die Aufgabe im Paket ist zu lang.");
    for (const QJsonValue &line : lines) {
        const QString half = line.toString();
        if (!line.isString() || half.size() > kMaxHalfLength)
            return QCoreApplication::translate("duplikon::TaskArchive", "manifest.json ist beschädigt.");
        for (const QChar c : half) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                return QCoreApplication::translate("duplikon::TaskArchive",
                        "Eine Zeile der Aufgabe enthält Steuerzeichen.");
        }
        task->halves << half;
    }
    const QJsonObject names = files.toObject();
    for (auto it = names.begin(); it != names.end(); ++it) {
        if (isMediumName(it.key()) && it.value().isString())
            task->fileNames.insert(it.key(), it.value().toString().left(kMaxHalfLength));
    }
    return {};
}

} // namespace

QString archiveSuffix() { return QStringLiteral(".duplikon"); }

bool namesMediumFile(const QString &half)
{
    return !half.isEmpty() && Half::of(half).kind != Half::Kind::Text;
}

QString mediumName(const QByteArray &bytes, const QString &ending)
{
    // The system's cryptography library hashes with the processor's own
    // instructions, many times faster than a portable implementation: a task
    // of twenty photos is some 80 MB.
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!EVP_Digest(bytes.constData(), size_t(bytes.size()), digest, &length, EVP_sha256(), nullptr))
        return {};
    return kMediaFolder + QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex())
        + QLatin1Char('.') + ending;
}

QString checkMediumHeader(const QByteArray &bytes, const QString &ending, qint64 *decodedBytes)
{
    if (decodedBytes)
        *decodedBytes = 0;
    if (!isKnownEnding(ending))
        return QCoreApplication::translate("duplikon::TaskArchive",
                "Die Endung „%1“ gehört zu keinem Bild und keinem Ton.").arg(shownName(ending));
    if (bytes.isEmpty())
        return QCoreApplication::translate("duplikon::TaskArchive", "Die Datei ist leer.");
    const MediaKind kind = mediaKindOfEnding(ending);
    if (kind == MediaKind::Sound) {
        const QString heard = soundKind(bytes.left(kSoundHeaderBytes));
        if (heard.isEmpty())
            return QCoreApplication::translate("duplikon::TaskArchive",
                    "Die Datei ist kein Ton, den Duplikon abspielen kann.");
        return heard == ending ? QString() : QCoreApplication::translate("duplikon::TaskArchive",
                "Der Ton ist kein %1.").arg(ending.toUpper());
    }
    // The board reads these four formats; the ending must say which one it is.
    const bool matches = ending == QLatin1String("jpg") ? bytes.startsWith("\xFF\xD8")
        : ending == QLatin1String("gif")                ? bytes.startsWith("GIF8")
        : ending == QLatin1String("bmp")                ? bytes.startsWith("BM")
                                                        : looksLikeMetafile(bytes);
    if (!matches)
        return QCoreApplication::translate("duplikon::TaskArchive", "Das Bild ist kein %1.").arg(ending.toUpper());
    if (kind == MediaKind::Metafile && bytes.size() > kMaxMetafileBytes)
        return QCoreApplication::translate("duplikon::TaskArchive", "Das Bild ist zu groß.");
    // The limits are the board's: a picture it would not show is refused.
    const PictureCost cost = pictureCost(bytes, kCellPictureSize, PictureFit::Clip);
    if (!cost.ok)
        return cost.error;
    if (decodedBytes)
        *decodedBytes = cost.decodedBytes;
    return {};
}

QString checkMedium(const QByteArray &bytes, const QString &ending)
{
    const QString header = checkMediumHeader(bytes, ending, nullptr);
    if (!header.isEmpty() || mediaKindOfEnding(ending) == MediaKind::Sound)
        return header;
    // Shown as a cell shows it.
    const LoadedPicture shown = loadPictureData(bytes, kCellPictureSize, PictureFit::Clip);
    return shown.ok ? QString() : shown.error;
}

ArchiveReading readTaskArchive(const QByteArray &bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        return refusal(damagedArchive());
    }
    ZipHandle archive(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        return refusal(damagedArchive());
    }
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count < 0)
        return refusal(damagedArchive());
    if (count > kMaxArchiveEntries)
        return refusal(QCoreApplication::translate("duplikon::TaskArchive",
                "Das Paket hat mehr als %n Einträge.", nullptr,
                                                  kMaxArchiveEntries));

    ArchiveReading r;
    QByteArray manifest;
    bool haveManifest = false;
    qint64 total = 0;
    for (zip_uint64_t i = 0; i < zip_uint64_t(count); ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive.get(), i, 0, &stat) < 0 || !(stat.valid & ZIP_STAT_NAME))
            return refusal(damagedArchive());
        // Only plain ASCII names are ever accepted, so the raw name is compared.
        const char *raw = zip_get_name(archive.get(), i, ZIP_FL_ENC_RAW);
        const QString name = raw ? QString::fromLatin1(raw) : QString();
        if (name.endsWith(QLatin1Char('/')) && stat.size == 0)
            continue; // a folder entry, as some packers write them
        const bool wanted = name == kManifest || isMediumName(name);
        if (!wanted || isSpecialEntry(archive.get(), i)) {
            r.ignored << shownName(QString::fromUtf8(stat.name));
            continue;
        }
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
            return refusal(QCoreApplication::translate("duplikon::TaskArchive", "„%1“ ist verschlüsselt.").arg(name));
        if ((name == kManifest && haveManifest) || r.task.media.contains(name))
            return refusal(QCoreApplication::translate("duplikon::TaskArchive",
                    "„%1“ steht zweimal im Paket.").arg(name));
        QByteArray data;
        const QString problem = readEntry(archive.get(), i, stat, bytes.size(), &total, &data);
        if (!problem.isEmpty())
            return refusal(problem);
        if (name == kManifest) {
            if (data.size() > kMaxManifestBytes)
                return refusal(QCoreApplication::translate("duplikon::TaskArchive", "manifest.json ist zu groß."));
            manifest = data;
            haveManifest = true;
        } else {
            r.task.media.insert(name, data); // its checksum is checked below, in parallel
        }
    }
    if (!haveManifest)
        return refusal(QCoreApplication::translate("duplikon::TaskArchive", "Im Paket fehlt manifest.json."));
    const QString problem = parseManifest(manifest, &r.task);
    if (!problem.isEmpty())
        return refusal(problem);

    // Every medium half is in the archive; a text never names a file.
    QSet<QString> used;
    for (const QString &half : std::as_const(r.task.halves)) {
        if (isMediumName(half)) {
            if (!r.task.media.contains(half))
                return refusal(QCoreApplication::translate("duplikon::TaskArchive", "Im Paket fehlt „%1“.").arg(half));
            used.insert(half);
        } else if (namesMediumFile(half)) {
            return refusal(QCoreApplication::translate("duplikon::TaskArchive",
                    "Die Zeile „%1“ nennt eine Datei, die nicht im Paket ist.").arg(shownName(half)));
        }
    }
    // Media that no half uses are left out; the others match their checksums
    // and pass the import's checks.
    for (auto it = r.task.media.begin(); it != r.task.media.end();) {
        if (used.contains(it.key()))
            ++it;
        else
            it = r.task.media.erase(it);
    }
    const QStringList names = r.task.media.keys();
    QStringList reasons(names.size());
    const auto firstReason = [&]() -> QString {
        for (int k = 0; k < names.size(); ++k) {
            if (!reasons.at(k).isEmpty())
                return QStringLiteral("„%1“: %2").arg(mediumShownName(r.task, names.at(k)), reasons.at(k));
        }
        return {};
    };
    const auto medium = [&](int k) -> const QByteArray & { return r.task.media.constFind(names.at(k)).value(); };
    const auto isMetafile = [&](int k) { return mediaKindOfEnding(endingOf(names.at(k))) == MediaKind::Metafile; };
    // First what the headers tell, so that nothing is decoded of an archive
    // whose pictures the board would not show or would take too long to draw.
    QVector<qint64> work(names.size());
    runInParallel(int(names.size()), [&](int k) {
        const QString ending = endingOf(names.at(k));
        if (mediumName(medium(k), ending) != names.at(k))
            reasons[k] = QCoreApplication::translate("duplikon::TaskArchive",
                    "Die Datei passt nicht zu ihrer Prüfsumme.");
        else
            reasons[k] = checkMediumHeader(medium(k), ending, &work[k]);
    });
    QString refused = firstReason();
    if (!refused.isEmpty())
        return refusal(refused);
    if (std::accumulate(work.cbegin(), work.cend(), qint64(0)) > kMaxArchiveDecodedBytes)
        return refusal(QCoreApplication::translate("duplikon::TaskArchive",
                "Die Bilder des Pakets sind zusammen zu groß."));
    // Then the pictures are decoded as a cell shows them; metafiles are drawn
    // on this thread only, as the picture loader does.
    runInParallel(int(names.size()), [&](int k) {
        if (!isMetafile(k))
            reasons[k] = checkMedium(medium(k), endingOf(names.at(k)));
    });
    for (int k = 0; k < names.size(); ++k) {
        if (reasons.at(k).isEmpty() && isMetafile(k))
            reasons[k] = checkMedium(medium(k), endingOf(names.at(k)));
    }
    refused = firstReason();
    if (!refused.isEmpty())
        return refusal(refused);
    r.ok = true;
    return r;
}

QByteArray writeTaskArchive(const TaskArchive &task)
{
    QJsonArray halves;
    for (const QString &half : task.halves)
        halves.append(half);
    QJsonObject files;
    for (auto it = task.fileNames.begin(); it != task.fileNames.end(); ++it) {
        if (task.media.contains(it.key()))
            files.insert(it.key(), it.value());
    }
    QJsonObject manifest{{QStringLiteral("version"), 1}, {QStringLiteral("name"), task.name},
                         {QStringLiteral("halves"), halves}};
    if (!files.isEmpty())
        manifest.insert(QStringLiteral("files"), files);
    const QByteArray manifestBytes = QJsonDocument(manifest).toJson(QJsonDocument::Indented);

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *out = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!out) {
        zip_error_fini(&error);
        return {};
    }
    zip_t *archive = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    if (archive)
        zip_source_keep(out); // the bytes are read from it after the archive is closed
    bool ok = archive != nullptr;
    const auto add = [&](const QString &name, const QByteArray &data, bool packed) {
        if (!ok)
            return;
        zip_source_t *entry = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        const zip_int64_t index = entry ? zip_file_add(archive, name.toUtf8().constData(), entry, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(entry);
            ok = false;
            return;
        }
        ok = zip_set_file_compression(archive, zip_uint64_t(index), packed ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) == 0;
    };
    add(kManifest, manifestBytes, true);
    for (auto it = task.media.begin(); it != task.media.end(); ++it) {
        // Photos and compressed sounds would only get slower to pack.
        const QString ending = endingOf(it.key());
        add(it.key(), it.value(), ending == QLatin1String("bmp") || ending == QLatin1String("wmf")
                                      || ending == QLatin1String("wav"));
    }
    QByteArray result;
    if (archive) {
        if (ok && zip_close(archive) == 0) {
            zip_stat_t stat;
            zip_stat_init(&stat);
            if (zip_source_open(out) == 0) {
                if (zip_source_stat(out, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)) {
                    result.resize(qsizetype(stat.size));
                    if (zip_source_read(out, result.data(), stat.size) != zip_int64_t(stat.size))
                        result.clear();
                }
                zip_source_close(out);
            }
        } else {
            zip_discard(archive);
        }
    }
    zip_source_free(out);
    return result;
}

} // namespace duplikon
