// SPDX-License-Identifier: GPL-3.0-or-later
// The player: libwmf plays the checked records onto the QPainter device of
// MetafilePainter, with its memory counted and capped and its records and
// time limited.
#include "pictures/Metafile.h"

#include "pictures/LittleEndian.h"
#include "pictures/PictureLoader.h"

#include <cmath>

#ifdef DUPLIKON_HAVE_LIBWMF
#include "pictures/MetafilePainter.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include <libwmf/api.h>
#endif

namespace duplikon {

#ifdef DUPLIKON_HAVE_LIBWMF

namespace {

// ---- memory of the player, counted and capped --------------------------------

struct Allowance {
    size_t used = 0;
    size_t limit = size_t(kMaxDecodedMegabytes) * 1024 * 1024;
};

constexpr size_t kHead = 16; // keeps the size in front of every block

void *capMalloc(void *ctx, size_t n)
{
    auto *a = static_cast<Allowance *>(ctx);
    if (n > a->limit - a->used)
        return nullptr;
    auto *p = static_cast<unsigned char *>(std::malloc(n + kHead));
    if (!p)
        return nullptr;
    std::memcpy(p, &n, sizeof n);
    a->used += n;
    return p + kHead;
}

void capFree(void *ctx, void *mem)
{
    if (!mem)
        return;
    auto *a = static_cast<Allowance *>(ctx);
    auto *p = static_cast<unsigned char *>(mem) - kHead;
    size_t n;
    std::memcpy(&n, p, sizeof n);
    a->used -= n;
    std::free(p);
}

void *capRealloc(void *ctx, void *mem, size_t n)
{
    if (!mem)
        return capMalloc(ctx, n);
    auto *a = static_cast<Allowance *>(ctx);
    auto *p = static_cast<unsigned char *>(mem) - kHead;
    size_t old;
    std::memcpy(&old, p, sizeof old);
    if (n > old && n - old > a->limit - a->used)
        return nullptr;
    auto *q = static_cast<unsigned char *>(std::realloc(p, n + kHead));
    if (!q)
        return nullptr;
    std::memcpy(q, &n, sizeof n);
    a->used = a->used - old + n;
    return q + kHead;
}

// How far the player has come: the record count and the clock stop a file
// that would take too long.
struct Progress {
    QElapsedTimer clock;
    int played = 0;
    bool overTime = false;
};

// Called after every played record.
int playStatus(void *context, float)
{
    auto *progress = static_cast<Progress *>(context);
    ++progress->played;
    if (progress->played > kMaxMetafileRecords || progress->clock.elapsed() > kMaxMetafileMilliseconds) {
        progress->overTime = true;
        return 1;
    }
    return 0;
}

struct Player {
    Allowance allowance;
    wmfAPI *api = nullptr;
    ~Player()
    {
        if (api)
            wmf_lite_destroy(api);
    }
};

} // namespace

namespace {

// Plays the metafile into a new transparent image, or with onto straight onto
// that painter: the frame fitted into (0, 0, target) keeping its shape, centred,
// as vectors.
MetafileResult playMetafile(const QByteArray &data, const QSize &target, bool stretch, QPainter *onto)
{
    MetafileResult r;
    const MetafileCheck check = checkMetafile(data);
    if (!check.ok) {
        r.error = check.error;
        return r;
    }
    if (target.isEmpty()) {
        r.error = QCoreApplication::translate("duplikon::Metafile", "Kein Platz für das Bild.");
        return r;
    }
    MetafileDevice device;
    Progress progress;
    progress.clock.start();
    Player player;
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof options);
    options.context = &player.allowance;
    options.malloc = capMalloc;
    options.realloc = capRealloc;
    options.free = capFree;
    options.function = installMetafileDevice;
    const unsigned long flags = WMF_OPT_ALLOC | WMF_OPT_FUNCTION | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG
        | WMF_OPT_IGNORE_NONFATAL;
    if (wmf_lite_create(&player.api, flags, &options) != wmf_E_None || !player.api) {
        player.api = nullptr;
        r.error = QCoreApplication::translate("duplikon::Metafile", "Die Metadatei kann nicht gelesen werden.");
        return r;
    }
    wmfAPI *api = player.api;
    api->device_data = &device;
    QByteArray bytes = check.cleaned;
    wmfD_Rect bounds;
    if (wmf_mem_open(api, reinterpret_cast<unsigned char *>(bytes.data()), bytes.size()) != wmf_E_None
        || wmf_scan(api, 0, &bounds) != wmf_E_None) {
        r.error = api->err == wmf_E_InsMem ? QCoreApplication::translate("duplikon::Metafile",
                "Die Metadatei braucht zu viel Speicher.")
                                           : QCoreApplication::translate("duplikon::Metafile", kMetafileDamaged);
        return r;
    }
    // The frame on the player's device: the placeable header's, or the
    // bounds of everything drawn.
    QRectF frame(QPointF(bounds.TL.x, bounds.TL.y), QPointF(bounds.BR.x, bounds.BR.y));
    frame = frame.normalized();
    QSizeF natural;
    if (check.placeable && check.frame.width() > 0 && check.frame.height() > 0) {
        natural = QSizeF(check.frame.width() * 96.0 / check.unitsPerInch,
                         check.frame.height() * 96.0 / check.unitsPerInch);
        // For a placeable file the player's device unit is the point, counted
        // from the window origin.
        const double k = 72.0 / check.unitsPerInch;
        frame = QRectF((check.frame.left() - check.windowOrigin.x()) * k,
                       (check.frame.top() - check.windowOrigin.y()) * k,
                       check.frame.width() * k, check.frame.height() * k);
    } else {
        // The player's device unit for a plain file is the logical unit.
        natural = frame.size();
    }
    if (!finiteRect(frame) || !std::isfinite(natural.width()) || !std::isfinite(natural.height())) {
        r.error = QCoreApplication::translate("duplikon::Metafile",
                kMetafileDamaged); // the player's mapping gave no number
        return r;
    }
    if (natural.width() > 32767 || natural.height() > 32767) {
        r.error = QCoreApplication::translate("duplikon::Metafile", "Das Bild ist zu groß.");
        return r;
    }
    const QSize naturalPixels(qMax(1, qRound(natural.width())), qMax(1, qRound(natural.height())));
    if (qint64(naturalPixels.width()) * naturalPixels.height() * 4 > qint64(kMaxDecodedMegabytes) * 1024 * 1024) {
        r.error = QCoreApplication::translate("duplikon::Metafile", "Das Bild ist zu groß.");
        return r;
    }
    r.naturalSize = naturalPixels;
    QSizeF shown = stretch ? QSizeF(target) : QSizeF(naturalPixels);
    if (onto)
        shown = QSizeF(naturalPixels).scaled(QSizeF(target), Qt::KeepAspectRatio);
    const QSize imageSize = stretch ? target : naturalPixels.boundedTo(target);
    if (onto && (frame.width() < 1e-6 || frame.height() < 1e-6)) {
        r.ok = true; // nothing to draw
        return r;
    }
    if (frame.width() < 1e-6 || frame.height() < 1e-6) {
        // Nothing drawn (or a speck): an empty, transparent picture.
        QImage empty(imageSize, QImage::Format_ARGB32_Premultiplied);
        empty.fill(Qt::transparent);
        r.image = empty;
        r.ok = true;
        return r;
    }
    device.shown = shown;
    mapFrame(&device, frame);
    if (check.placeable) {
        device.placed = false;
        device.byWindow = check.windowExtent;
        device.logicalFrame = check.frame;
    }

    QImage image;
    if (!onto) {
        image = QImage(imageSize, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) {
            r.error = QCoreApplication::translate("duplikon::Metafile", "Das Bild ist zu groß.");
            return r;
        }
        image.fill(Qt::transparent);
    }
    {
        QPainter own;
        if (!onto)
            own.begin(&image);
        QPainter &painter = onto ? *onto : own;
        painter.save();
        if (onto) {
            painter.translate((target.width() - shown.width()) / 2, (target.height() - shown.height()) / 2);
            painter.setClipRect(QRectF(QPointF(0, 0), shown), Qt::IntersectClip);
        }
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        device.painter = &painter;
        wmf_status_function(api, &progress, playStatus);
        const wmf_error_t err = wmf_play(api, 0, &bounds);
        device.painter = nullptr;
        painter.restore();
        if (progress.overTime) {
            r.error = QCoreApplication::translate("duplikon::Metafile", "Die Metadatei braucht zu lange.");
            return r;
        }
        if (err != wmf_E_None) {
            r.error = err == wmf_E_InsMem ? QCoreApplication::translate("duplikon::Metafile",
                    "Die Metadatei braucht zu viel Speicher.")
                                          : QCoreApplication::translate("duplikon::Metafile", kMetafileDamaged);
            return r;
        }
    }
    r.image = image;
    r.ok = true;
    return r;
}

} // namespace

MetafileResult renderMetafile(const QByteArray &data, const QSize &target, bool stretch)
{
    return playMetafile(data, target, stretch, nullptr);
}

bool drawMetafile(QPainter &painter, const QByteArray &data, const QSize &box, QString *error)
{
    const MetafileResult r = playMetafile(data, box, true, &painter);
    if (!r.ok && error)
        *error = r.error;
    return r.ok;
}

#else

MetafileResult renderMetafile(const QByteArray &, const QSize &, bool)
{
    MetafileResult r;
    r.error = QCoreApplication::translate("duplikon::Metafile", "Windows-Metadateien werden nicht unterstützt.");
    return r;
}

bool drawMetafile(QPainter &, const QByteArray &, const QSize &, QString *error)
{
    if (error)
        *error = QCoreApplication::translate("duplikon::Metafile", "Windows-Metadateien werden nicht unterstützt.");
    return false;
}

#endif

QByteArray metafileFittedTo(const QByteArray &data, const QSize &box)
{
    const MetafileCheck check = checkMetafile(data);
    if (!check.ok || !check.placeable || box.isEmpty() || check.frame.width() < 1 || check.frame.height() < 1)
        return {};
    // The natural size is the frame times 96 over the units per inch.
    const double inch = std::ceil(qMax(check.frame.width() * 96.0 / box.width(),
                                       check.frame.height() * 96.0 / box.height()));
    if (!(inch >= 1 && inch <= 0xFFFF))
        return {};
    QByteArray out = check.cleaned;
    out[14] = char(int(inch) & 0xFF);
    out[15] = char(int(inch) >> 8);
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= readLe16(out, i);
    out[20] = char(sum & 0xFF);
    out[21] = char(sum >> 8);
    return out;
}

} // namespace duplikon
