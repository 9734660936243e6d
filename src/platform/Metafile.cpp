// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Metafile.h"

#include "platform/PictureLoader.h"
#include "platform/TextFiles.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef DUPLIKON_HAVE_LIBWMF
// The player's own header pulls in a system header whose dup() collides with
// this program's namespace; the few calls needed are declared here as that
// header declares them.
#include <libwmf/defs.h>
#include <libwmf/ipa.h>
#include <libwmf/macro.h>
#include <libwmf/types.h>
extern "C" {
wmf_error_t wmf_lite_create(wmfAPI **, unsigned long, wmfAPI_Options *);
wmf_error_t wmf_lite_destroy(wmfAPI *);
wmf_error_t wmf_scan(wmfAPI *, unsigned long, wmfD_Rect *);
wmf_error_t wmf_play(wmfAPI *, unsigned long, wmfD_Rect *);
wmf_error_t wmf_mem_open(wmfAPI *, unsigned char *, long);
void *wmf_malloc(wmfAPI *, size_t);
void wmf_status_function(wmfAPI *, void *, wmfStatus);
}
#define WMF_OPT_ALLOC (1 << 0)
#define WMF_OPT_FUNCTION (1 << 10)
#define WMF_OPT_IGNORE_NONFATAL (1 << 14)
#define WMF_OPT_NO_ERROR (1 << 15)
#define WMF_OPT_NO_DEBUG (1 << 16)
#endif

namespace duplikon {

namespace {

const char *const kDamaged = "Die Metadatei ist beschädigt.";

quint16 rd16(const QByteArray &d, qint64 at)
{
    return quint16(quint8(d[int(at)]) | (quint8(d[int(at + 1)]) << 8));
}

quint32 rd32(const QByteArray &d, qint64 at)
{
    return quint32(rd16(d, at)) | (quint32(rd16(d, at + 2)) << 16);
}

void put16(QByteArray &b, quint16 v)
{
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

void put32(QByteArray &b, quint32 v)
{
    put16(b, quint16(v & 0xFFFF));
    put16(b, quint16(v >> 16));
}

// Parameter words that a record of this kind needs at the least; -1 for a
// record that the player never reads beyond its own checks.
int minimumParameters(quint16 function, const QByteArray &d, qint64 params, quint32 words)
{
    switch (function) {
    case 0x0102: case 0x0103: case 0x0104: case 0x0106: case 0x0107: case 0x0108:
    case 0x012E: case 0x012D: case 0x01F0: case 0x012C: case 0x012B: case 0x012A:
    case 0x0127: case 0x0521 /* TEXTOUT checks its text */: case 0x0324: case 0x0325:
        return 1;
    case 0x0201: case 0x0209: case 0x020B: case 0x020C: case 0x020D: case 0x020E:
    case 0x020F: case 0x0211: case 0x0213: case 0x0214: case 0x0220: case 0x0228:
    case 0x020A:
        return 2;
    case 0x041B: case 0x0418: case 0x0415: case 0x0416: case 0x0410: case 0x0412:
    case 0x041F: case 0x0429: case 0x0419: case 0x0A32 /* EXTTEXTOUT checks its text */:
    case 0x02FC:
        return 4;
    case 0x0548: case 0x02FA:
        return 5;
    case 0x061C: case 0x061D:
        return 6;
    case 0x0817: case 0x081A: case 0x0830:
        return 8;
    case 0x02FB: // font: the fixed part (the face name may be short)
        return 9;
    case 0x06FF: // region: header of the region object
        return 11;
    case 0x0538: { // poly-polygon: the counts first, then all points
        if (words < 1)
            return 1;
        const quint32 n = rd16(d, params);
        quint64 need = 1 + quint64(n);
        if (need <= words) {
            for (quint32 i = 0; i < n; ++i)
                need += 2 * quint64(rd16(d, params + 2 + 2 * i));
        }
        return int(qMin<quint64>(need, 0x7FFFFFFF));
    }
    // Bitmaps: the fixed part and at least a bitmap header.
    case 0x0F43: return 11 + 20; // STRETCHDIB
    case 0x0B41: return 10 + 20; // DIBSTRETCHBLT
    case 0x0940: return words == 9 ? 9 : 8 + 20; // DIBBITBLT (9 words: no bitmap)
    case 0x0D33: return 9 + 20;  // SETDIBTODEV
    case 0x0142: return 2 + 20;  // DIBCREATEPATTERNBRUSH
    case 0x0922: return words == 8 ? 8 : 7 + 20; // BITBLT
    case 0x0B23: return words == 10 ? 10 : 9 + 20; // STRETCHBLT
    default:
        return 0;
    }
}

} // namespace

bool looksLikeMetafile(const QByteArray &data)
{
    if (data.size() < 18)
        return false;
    const auto u8 = [&](int i) { return quint32(static_cast<unsigned char>(data[i])); };
    const quint32 key = u8(0) | (u8(1) << 8) | (u8(2) << 16) | (u8(3) << 24);
    if (key == 0x9AC6CDD7u)
        return true;
    const quint32 type = u8(0) | (u8(1) << 8);
    const quint32 headerSize = u8(2) | (u8(3) << 8);
    return (type == 1 || type == 2) && headerSize == 9;
}

MetafileCheck checkMetafile(const QByteArray &data)
{
    MetafileCheck c;
    c.error = QString::fromUtf8(kDamaged);
    if (data.size() > kMaxMetafileBytes) {
        c.error = QStringLiteral("Die Bilddatei ist zu groß.");
        return c;
    }
    qint64 at = 0;
    QByteArray placeableHeader;
    if (data.size() >= 4 && rd32(data, 0) == 0x9AC6CDD7u) {
        if (data.size() < 22 + 18)
            return c;
        const qint16 left = qint16(rd16(data, 6)), top = qint16(rd16(data, 8));
        const qint16 right = qint16(rd16(data, 10)), bottom = qint16(rd16(data, 12));
        const int inch = rd16(data, 14);
        if (inch == 0)
            return c;
        c.placeable = true;
        c.unitsPerInch = inch;
        c.frame = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
        placeableHeader = data.left(22);
        quint16 sum = 0; // the checksum is written new: the player may insist on it
        for (int i = 0; i < 20; i += 2)
            sum ^= rd16(placeableHeader, i);
        placeableHeader[20] = char(sum & 0xFF);
        placeableHeader[21] = char(sum >> 8);
        at = 22;
    }
    if (data.size() - at < 18)
        return c;
    const quint16 type = rd16(data, at), headerWords = rd16(data, at + 2);
    if ((type != 1 && type != 2) || headerWords != 9)
        return c;
    const quint16 version = rd16(data, at + 4);
    const quint16 objects = rd16(data, at + 10);
    at += 18;

    QByteArray records;
    quint32 maxWords = 3;
    int depth = 0;
    bool sawEnd = false;
    bool sawOrigin = false;
    while (at + 6 <= data.size()) {
        const quint32 words = rd32(data, at);
        const quint16 function = rd16(data, at + 4);
        if (words == 3 && function == 0) {
            sawEnd = true;
            break;
        }
        if (words < 3 || qint64(words) * 2 > data.size() - at)
            return c; // a record that points past the end of the file
        const quint32 params = words - 3;
        const int need = minimumParameters(function, data, at + 6, params);
        if (need < 0 || quint32(need) > params)
            return c;
        if (++c.records > kMaxMetafileRecords) {
            c.error = QStringLiteral("Die Metadatei hat zu viele Einträge.");
            return c;
        }
        bool keep = true;
        if (function == 0x020B && !sawOrigin) { // the first window origin
            c.windowOrigin = QPointF(qint16(rd16(data, at + 8)), qint16(rd16(data, at + 6)));
            sawOrigin = true;
        }
        if (function == 0x020C) // SETWINDOWEXT
            c.windowExtent = true;
        if (function == 0x001E) { // SAVEDC
            if (depth >= kMaxMetafileSavedStates) {
                c.error = QStringLiteral("Die Metadatei hat zu viele Einträge.");
                return c;
            }
            ++depth;
        } else if (function == 0x0127) { // RESTOREDC without a saved state is left out
            if (depth == 0)
                keep = false;
            else
                --depth;
        }
        if (keep) {
            records.append(data.constData() + at, int(words) * 2);
            maxWords = qMax(maxWords, words);
        }
        at += qint64(words) * 2;
    }
    if (!sawEnd)
        return c;

    QByteArray out = placeableHeader;
    const quint32 total = 9 + quint32(records.size() / 2) + 3;
    put16(out, 1);
    put16(out, 9);
    put16(out, version);
    put32(out, total);
    put16(out, objects);
    // Room behind the longest record: fixed parameter reads of the player
    // always stay inside its buffer.
    put32(out, maxWords + 64);
    put16(out, 0);
    out.append(records);
    put32(out, 3);
    put16(out, 0);
    c.cleaned = out;
    c.ok = true;
    c.error.clear();
    return c;
}

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

// ---- the QPainter device layer --------------------------------------------

struct Device {
    QPainter *painter = nullptr;
    QTransform map;       // device coordinates of the player to image pixels
    double scaleX = 1, scaleY = 1;
    // A placeable file is placed at its first drawing, by the player's mapping
    // of that moment: the window maps onto the picture when the file sets
    // one, the header's frame otherwise.
    bool placed = true;
    bool byWindow = false;
    QRectF logicalFrame;
    QSizeF shown;
    QElapsedTimer clock;
    int played = 0;
    bool overTime = false;
    std::vector<QImage *> bitmaps;

    ~Device()
    {
        for (QImage *img : bitmaps)
            delete img;
    }
};

Device *deviceOf(wmfAPI *api) { return static_cast<Device *>(api->device_data); }

QColor colour(const wmfRGB &c) { return QColor(c.r, c.g, c.b); }

double bounded(double v)
{
    if (!(v == v))
        return 0; // not a number
    return qBound(-1.0e6, v, 1.0e6);
}

bool finiteRect(const QRectF &r)
{
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) && std::isfinite(r.height());
}

// The frame (device coordinates of the player) drawn onto the shown size.
void mapFrame(Device *d, const QRectF &frame)
{
    d->scaleX = d->shown.width() / frame.width();
    d->scaleY = d->shown.height() / frame.height();
    d->map = QTransform::fromTranslate(-frame.left(), -frame.top()) * QTransform::fromScale(d->scaleX, d->scaleY);
}

// The device of a drawing callback; the first one places a placeable file.
Device *deviceOf(wmfAPI *api, const wmfDC *dc)
{
    Device *d = deviceOf(api);
    if (d->placed || !dc)
        return d;
    d->placed = true;
    QRectF logical = d->logicalFrame;
    if (d->byWindow && dc->Window.width != 0 && dc->Window.height != 0)
        logical = QRectF(dc->Window.Ox, dc->Window.Oy, dc->Window.width, dc->Window.height);
    const double pw = bounded(dc->pixel_width), ph = bounded(dc->pixel_height);
    const QRectF frame = QRectF(QPointF(bounded((logical.left() - dc->Window.Ox) * pw), bounded((logical.top() - dc->Window.Oy) * ph)),
                                QPointF(bounded((logical.right() - dc->Window.Ox) * pw), bounded((logical.bottom() - dc->Window.Oy) * ph)))
                             .normalized();
    if (frame.width() > 1e-6 && frame.height() > 1e-6)
        mapFrame(d, frame); // otherwise the header's frame in points stays
    return d;
}

QPointF at(Device *d, const wmfD_Coord &c)
{
    return d->map.map(QPointF(bounded(c.x), bounded(c.y)));
}

QRectF box(Device *d, const wmfD_Coord &tl, const wmfD_Coord &br)
{
    return QRectF(at(d, tl), at(d, br)).normalized();
}

QPen penOf(Device *d, wmfDC *dc)
{
    wmfPen *pen = dc ? WMF_DC_PEN(dc) : nullptr;
    if (!pen || WMF_PEN_STYLE(pen) == PS_NULL)
        return QPen(Qt::NoPen);
    QPen p(colour(*WMF_PEN_COLOR(pen)));
    const double width = bounded(WMF_PEN_WIDTH(pen));
    const double unit = std::abs(bounded(dc->pixel_width));
    // A pen of one logical unit or less draws one pixel wide, as on the
    // screen the file was made for.
    const bool thin = width <= unit * 1.0001;
    const double w = thin ? 1.0 : width * d->scaleX;
    p.setWidthF(qBound(1.0, w, 4000.0));
    switch (WMF_PEN_STYLE(pen)) {
    case PS_DASH: p.setStyle(Qt::DashLine); break;
    case PS_DOT: case PS_ALTERNATE: p.setStyle(Qt::DotLine); break;
    case PS_DASHDOT: p.setStyle(Qt::DashDotLine); break;
    case PS_DASHDOTDOT: p.setStyle(Qt::DashDotDotLine); break;
    default: p.setStyle(Qt::SolidLine); break;
    }
    switch (WMF_PEN_ENDCAP(pen)) {
    case PS_ENDCAP_SQUARE: p.setCapStyle(Qt::SquareCap); break;
    case PS_ENDCAP_FLAT: p.setCapStyle(Qt::FlatCap); break;
    default: p.setCapStyle(Qt::RoundCap); break;
    }
    switch (WMF_PEN_JOIN(pen)) {
    case PS_JOIN_BEVEL: p.setJoinStyle(Qt::BevelJoin); break;
    case PS_JOIN_MITER: p.setJoinStyle(Qt::MiterJoin); break;
    default: p.setJoinStyle(Qt::RoundJoin); break;
    }
    return p;
}

// A brush selected and then deleted stays in the state while its slot takes
// the next object, so its bitmap may be another object's bytes: only a
// bitmap this device read is drawn.
QBrush brushOf(const Device *d, wmfDC *dc)
{
    wmfBrush *b = dc ? WMF_DC_BRUSH(dc) : nullptr;
    if (!b)
        return QBrush(Qt::NoBrush);
    const QColor c = colour(*WMF_BRUSH_COLOR(b));
    switch (WMF_BRUSH_STYLE(b)) {
    case BS_NULL:
        return QBrush(Qt::NoBrush);
    case BS_HATCHED:
        switch (WMF_BRUSH_HATCH(b)) {
        case HS_HORIZONTAL: return QBrush(c, Qt::HorPattern);
        case HS_VERTICAL: return QBrush(c, Qt::VerPattern);
        case HS_FDIAGONAL: return QBrush(c, Qt::FDiagPattern);
        case HS_BDIAGONAL: return QBrush(c, Qt::BDiagPattern);
        case HS_CROSS: return QBrush(c, Qt::CrossPattern);
        default: return QBrush(c, Qt::DiagCrossPattern);
        }
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT:
    case BS_PATTERN:
        if (b->bmp.data && std::find(d->bitmaps.begin(), d->bitmaps.end(), b->bmp.data) != d->bitmaps.end())
            return QBrush(*static_cast<QImage *>(b->bmp.data));
        return QBrush(c);
    default:
        return QBrush(c);
    }
}

// Pen, brush and background of the current state onto the painter.
void prepare(Device *d, wmfDC *dc, bool fill, bool stroke)
{
    QPainter *p = d->painter;
    p->setPen(stroke ? penOf(d, dc) : QPen(Qt::NoPen));
    p->setBrush(fill ? brushOf(d, dc) : QBrush(Qt::NoBrush));
    if (dc && WMF_DC_OPAQUE(dc)) {
        p->setBackgroundMode(Qt::OpaqueMode);
        p->setBackground(colour(*WMF_DC_BACKGROUND(dc)));
    } else {
        p->setBackgroundMode(Qt::TransparentMode);
    }
}

Qt::FillRule fillRule(wmfDC *dc)
{
    return dc && WMF_DC_POLYFILL(dc) == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
}

// Angle of a radius (relative to the centre, device coordinates) on the image,
// counter-clockwise from three o'clock.
double angleOf(Device *d, const wmfD_Coord &v)
{
    const QPointF o = d->map.map(QPointF(0, 0));
    const QPointF e = d->map.map(QPointF(bounded(v.x), bounded(v.y))) - o;
    return qRadiansToDegrees(std::atan2(-e.y(), e.x()));
}

enum class ArcKind { Open, Chord, Pie };

void drawArcShape(wmfAPI *api, wmfDrawArc_t *a, ArcKind kind)
{
    Device *d = deviceOf(api, a->dc);
    const QRectF r = box(d, a->TL, a->BR);
    // The player hands the record's first radial as "end" and its second as
    // "start"; the figure runs counter-clockwise from the first to the second.
    const double start = angleOf(d, a->end);
    double sweep = angleOf(d, a->start) - start;
    while (sweep <= 0)
        sweep += 360;
    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(r.center());
        path.arcTo(r, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(r, start);
        path.arcTo(r, start, sweep);
        if (kind == ArcKind::Chord)
            path.closeSubpath();
    }
    prepare(d, a->dc, kind != ArcKind::Open, true);
    d->painter->drawPath(path);
}

void drawPie(wmfAPI *api, wmfDrawArc_t *a) { drawArcShape(api, a, ArcKind::Pie); }
void drawChord(wmfAPI *api, wmfDrawArc_t *a) { drawArcShape(api, a, ArcKind::Chord); }
void drawArc(wmfAPI *api, wmfDrawArc_t *a) { drawArcShape(api, a, ArcKind::Open); }

void drawEllipse(wmfAPI *api, wmfDrawArc_t *a)
{
    Device *d = deviceOf(api, a->dc);
    prepare(d, a->dc, true, true);
    d->painter->drawEllipse(box(d, a->TL, a->BR));
}

// A one-pixel line lies on the middle of its pixels, so it stays crisp.
QPointF thinOffset(Device *d)
{
    const QPen pen = d->painter->pen();
    return pen.style() != Qt::NoPen && pen.widthF() <= 1.0 ? QPointF(0.5, 0.5) : QPointF();
}

void drawLine(wmfAPI *api, wmfDrawLine_t *l)
{
    Device *d = deviceOf(api, l->dc);
    prepare(d, l->dc, false, true);
    const QPointF o = thinOffset(d);
    d->painter->drawLine(at(d, l->from) + o, at(d, l->to) + o);
}

QPolygonF polygonOf(Device *d, const wmfD_Coord *pts, int count)
{
    QPolygonF poly;
    if (!pts)
        return poly;
    poly.reserve(count);
    for (int i = 0; i < count; ++i)
        poly << at(d, pts[i]);
    return poly;
}

void polyLine(wmfAPI *api, wmfPolyLine_t *pl)
{
    Device *d = deviceOf(api, pl->dc);
    prepare(d, pl->dc, false, true);
    d->painter->drawPolyline(polygonOf(d, pl->pt, pl->count).translated(thinOffset(d)));
}

void drawPolygon(wmfAPI *api, wmfPolyLine_t *pl)
{
    Device *d = deviceOf(api, pl->dc);
    prepare(d, pl->dc, true, true);
    d->painter->drawPolygon(polygonOf(d, pl->pt, pl->count), fillRule(pl->dc));
}

void drawPolyPolygon(wmfAPI *api, wmfPolyPoly_t *pp)
{
    Device *d = deviceOf(api, pp->dc);
    QPainterPath path;
    path.setFillRule(fillRule(pp->dc));
    for (int i = 0; i < pp->npoly; ++i) {
        if (!pp->pt || !pp->count)
            break;
        const QPolygonF poly = polygonOf(d, pp->pt[i], pp->count[i]);
        if (poly.size() < 2)
            continue;
        path.addPolygon(poly);
        path.closeSubpath();
    }
    prepare(d, pp->dc, true, true);
    d->painter->drawPath(path);
}

void drawRectangle(wmfAPI *api, wmfDrawRectangle_t *r)
{
    Device *d = deviceOf(api, r->dc);
    prepare(d, r->dc, true, true);
    const QRectF rect = box(d, r->TL, r->BR);
    if (r->width > 0 && r->height > 0) {
        const double rx = qMin(bounded(r->width) * d->scaleX / 2, rect.width() / 2);
        const double ry = qMin(bounded(r->height) * d->scaleY / 2, rect.height() / 2);
        d->painter->drawRoundedRect(rect, rx, ry);
    } else {
        d->painter->drawRect(rect);
    }
}

void drawPixel(wmfAPI *api, wmfDrawPixel_t *px)
{
    Device *d = deviceOf(api, px->dc);
    const QPointF p = at(d, px->pt);
    const double w = qBound(1.0, bounded(px->pixel_width) * d->scaleX, 64.0);
    const double h = qBound(1.0, bounded(px->pixel_height) * d->scaleY, 64.0);
    d->painter->fillRect(QRectF(p, QSizeF(w, h)), colour(px->color));
}

void ropDraw(wmfAPI *api, wmfROP_Draw_t *r)
{
    Device *d = deviceOf(api, r->dc);
    const QRectF rect = box(d, r->TL, r->BR);
    switch (r->ROP) {
    case BLACKNESS: d->painter->fillRect(rect, Qt::black); break;
    case WHITENESS: d->painter->fillRect(rect, Qt::white); break;
    case DSTINVERT: break; // nothing to invert on a transparent picture
    default: d->painter->fillRect(rect, brushOf(d, r->dc)); break;
    }
}

quint32 le32(const unsigned char *b) { return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24); }
quint16 le16(const unsigned char *b) { return quint16(b[0] | (b[1] << 8)); }

// A device-independent bitmap of the file, read through Qt's own bitmap
// reader after its size has been checked.
void bmpRead(wmfAPI *api, wmfBMP_Read_t *r)
{
    Device *d = deviceOf(api);
    r->bmp.data = nullptr;
    r->bmp.width = 0;
    r->bmp.height = 0;
    if (!r->buffer || r->length < 12 || r->length > kMaxMetafileBytes)
        return;
    const unsigned char *b = r->buffer;
    const qint64 len = r->length;
    const quint32 headerSize = le32(b);
    qint64 width, height;
    int bits;
    quint32 compression = 0, used = 0;
    int entry = 4;
    if (headerSize == 12) {
        width = le16(b + 4);
        height = le16(b + 6);
        bits = le16(b + 10);
        entry = 3;
    } else if (headerSize >= 40 && headerSize <= 124 && len >= qint64(headerSize)) {
        width = qint32(le32(b + 4));
        height = qint32(le32(b + 8));
        bits = le16(b + 14);
        compression = le32(b + 16);
        used = le32(b + 32);
    } else {
        return;
    }
    height = std::llabs(height);
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767
        || width * height * 4 > qint64(kMaxDecodedMegabytes) * 1024 * 1024)
        return;
    qint64 palette = 0;
    if (bits <= 8)
        palette = qint64(used && used <= (1u << bits) ? used : (1u << bits)) * entry;
    else if (headerSize == 40 && (compression == 3 || compression == 6))
        palette = compression == 3 ? 12 : 16;
    if (qint64(headerSize) + palette > len)
        return;
    QByteArray file("BM");
    put32(file, quint32(14 + len));
    put32(file, 0);
    put32(file, quint32(14 + headerSize + palette));
    file.append(reinterpret_cast<const char *>(b), int(len));
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAllocationLimit(kMaxDecodedMegabytes);
    QImage img;
    if (!reader.read(&img) || img.isNull() || img.width() > 65535 || img.height() > 65535)
        return;
    auto *kept = new QImage(img.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    d->bitmaps.push_back(kept);
    r->bmp.data = kept;
    r->bmp.width = static_cast<U16>(kept->width());
    r->bmp.height = static_cast<U16>(kept->height());
}

void bmpFree(wmfAPI *api, wmfBMP *bmp)
{
    Device *d = deviceOf(api);
    if (!bmp || !bmp->data)
        return;
    for (auto it = d->bitmaps.begin(); it != d->bitmaps.end(); ++it) {
        if (*it == bmp->data) {
            delete *it;
            d->bitmaps.erase(it);
            break;
        }
    }
    bmp->data = nullptr;
}

void bmpDraw(wmfAPI *api, wmfBMP_Draw_t *b)
{
    Device *d = deviceOf(api, b->dc);
    const QImage *img = static_cast<const QImage *>(b->bmp.data);
    if (!img)
        return;
    // Rows of a device-independent bitmap count from the bottom.
    const QRectF src = QRectF(b->crop.x, img->height() - int(b->crop.y) - int(b->crop.h), b->crop.w, b->crop.h)
                           .intersected(QRectF(img->rect()));
    if (src.isEmpty())
        return;
    wmfD_Coord br;
    br.x = float(bounded(b->pt.x + b->crop.w * bounded(b->pixel_width)));
    br.y = float(bounded(b->pt.y + b->crop.h * bounded(b->pixel_height)));
    d->painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    d->painter->drawImage(box(d, b->pt, br), *img, src);
}

float stringWidth(wmfAPI *, wmfFont *f, char *str);

// Text with a Qt font: the face, height, weight, slant and colour of the
// metafile's font; the reference point and alignment of the record.
void drawText(wmfAPI *api, wmfDrawText_t *t)
{
    Device *d = deviceOf(api, t->dc);
    wmfDC *dc = t->dc;
    wmfFont *f = dc ? WMF_DC_FONT(dc) : nullptr;
    if (!f || !t->str)
        return;
    const QString text = decodeWindows1252(QByteArray(t->str));
    if (text.isEmpty())
        return;
    const double deviceHeight = std::abs(double(qint16(WMF_FONT_HEIGHT(f)))) * std::abs(bounded(dc->pixel_height));
    double pixels = deviceHeight * d->scaleY;
    if (pixels < 1)
        pixels = 12;
    pixels = qMin(pixels, 4000.0);
    QFont font(f->lfFaceName && *f->lfFaceName ? QString::fromLatin1(f->lfFaceName) : QStringLiteral("Arial"));
    font.setPixelSize(qMax(1, qRound(pixels)));
    font.setWeight(QFont::Weight(qBound(100, int(WMF_FONT_WEIGHT(f) ? WMF_FONT_WEIGHT(f) : 400), 900)));
    font.setItalic(WMF_FONT_ITALIC(f));
    font.setUnderline(WMF_TEXT_UNDERLINE(f));
    font.setStrikeOut(WMF_TEXT_STRIKEOUT(f));
    const QFontMetricsF fm(font);
    const double theta = WMF_TEXT_ANGLE(f); // counter-clockwise
    const double sinT = std::sin(-theta), cosT = std::cos(-theta);

    // The player moved the reference point by its own estimate of the font
    // height; undo that and place the baseline by the real font.
    QPointF ref(bounded(t->pt.x), bounded(t->pt.y));
    const double fh = bounded(t->font_height);
    const unsigned align = WMF_DC_TEXTALIGN(dc);
    double down = 0; // from the reference point to the baseline, in pixels
    if ((align & TA_BASELINE) == TA_BASELINE) {
        down = 0;
    } else if (align & TA_BOTTOM) {
        ref -= QPointF(-(-fh / 3) * sinT, (-fh / 3) * cosT);
        down = -fm.descent();
    } else {
        ref -= QPointF(-fh * sinT, fh * cosT);
        down = fm.ascent();
    }
    // The player also moved it along the text by its own width estimate.
    double along = 0;
    if ((align & TA_CENTER) == TA_CENTER || (align & TA_RIGHT)) {
        double estimate = double(stringWidth(api, f, t->str)) * fh * bounded(t->font_ratio);
        if ((align & TA_CENTER) == TA_CENTER) {
            estimate /= 2;
            along = -fm.horizontalAdvance(text) / 2;
        } else {
            along = -fm.horizontalAdvance(text);
        }
        ref += QPointF(estimate * cosT, estimate * sinT);
    }
    QPainter *p = d->painter;
    p->save();
    p->translate(d->map.map(ref));
    p->rotate(-qRadiansToDegrees(theta));
    p->translate(along, down);
    p->setFont(font);
    if (WMF_DC_OPAQUE(dc))
        p->fillRect(QRectF(0, -fm.ascent(), fm.horizontalAdvance(text), fm.height()), colour(*WMF_DC_BACKGROUND(dc)));
    p->setPen(colour(*WMF_DC_TEXTCOLOR(dc)));
    p->drawText(QPointF(0, 0), text);
    p->restore();
}

QRegion regionOf(Device *d, wmfPolyRectangle_t *r)
{
    QRegion region;
    if (!r->TL || !r->BR)
        return region;
    const QRectF room(-65536, -65536, 131072, 131072); // whole pixels, far beyond the picture
    for (unsigned i = 0; i < r->count && i < 4096; ++i) {
        const QRectF rect = box(d, r->TL[i], r->BR[i]);
        if (finiteRect(rect))
            region += rect.intersected(room).toAlignedRect();
    }
    return region;
}

void regionClip(wmfAPI *api, wmfPolyRectangle_t *r)
{
    Device *d = deviceOf(api, r->dc);
    if (r->count == 0)
        d->painter->setClipping(false);
    else
        d->painter->setClipRegion(regionOf(d, r));
}

void regionPaint(wmfAPI *api, wmfPolyRectangle_t *r)
{
    Device *d = deviceOf(api, r->dc);
    const QBrush brush = brushOf(d, r->dc);
    for (const QRect &rect : regionOf(d, r))
        d->painter->fillRect(rect, brush);
}

void regionFrame(wmfAPI *api, wmfPolyRectangle_t *r)
{
    Device *d = deviceOf(api, r->dc);
    const QBrush brush = brushOf(d, r->dc);
    const double w = qBound(1.0, bounded(r->width) * d->scaleX, 200.0);
    const double h = qBound(1.0, bounded(r->height) * d->scaleY, 200.0);
    for (const QRect &q : regionOf(d, r)) {
        const QRectF rect(q);
        d->painter->fillRect(QRectF(rect.left(), rect.top(), rect.width(), h), brush);
        d->painter->fillRect(QRectF(rect.left(), rect.bottom() - h, rect.width(), h), brush);
        d->painter->fillRect(QRectF(rect.left(), rect.top(), w, rect.height()), brush);
        d->painter->fillRect(QRectF(rect.right() - w, rect.top(), w, rect.height()), brush);
    }
}

void fontMap(wmfAPI *, wmfFont *font) { font->user_data = nullptr; }

// Width of a text in points at a font size of one point.
float stringWidth(wmfAPI *, wmfFont *f, char *str)
{
    if (!str || !f)
        return 0;
    QFont font(f->lfFaceName && *f->lfFaceName ? QString::fromLatin1(f->lfFaceName) : QStringLiteral("Arial"));
    font.setPixelSize(100);
    const QFontMetricsF fm(font);
    return float(fm.horizontalAdvance(decodeWindows1252(QByteArray(str))) / 100.0);
}

void installDevice(wmfAPI *api)
{
    auto *fr = static_cast<wmfFunctionReference *>(api->function_reference);
    fr->draw_pixel = drawPixel;
    fr->draw_pie = drawPie;
    fr->draw_chord = drawChord;
    fr->draw_arc = drawArc;
    fr->draw_ellipse = drawEllipse;
    fr->draw_line = drawLine;
    fr->poly_line = polyLine;
    fr->draw_polygon = drawPolygon;
    fr->draw_polypolygon = drawPolyPolygon;
    fr->draw_rectangle = drawRectangle;
    fr->rop_draw = ropDraw;
    fr->bmp_draw = bmpDraw;
    fr->bmp_read = bmpRead;
    fr->bmp_free = bmpFree;
    fr->draw_text = drawText;
    fr->region_frame = regionFrame;
    fr->region_paint = regionPaint;
    fr->region_clip = regionClip;
    auto *fonts = static_cast<wmfFontData *>(wmf_malloc(api, sizeof(wmfFontData)));
    if (!fonts)
        return; // the player's error state is set already
    fonts->map = fontMap;
    fonts->stringwidth = stringWidth;
    fonts->user_data = nullptr;
    api->font_data = fonts;
}

// Called after every played record: the record count and the clock stop a
// file that would take too long.
int playStatus(void *context, float)
{
    auto *d = static_cast<Device *>(context);
    ++d->played;
    if (d->played > kMaxMetafileRecords || d->clock.elapsed() > kMaxMetafileMilliseconds) {
        d->overTime = true;
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

MetafileResult renderMetafile(const QByteArray &data, const QSize &target, bool stretch)
{
    MetafileResult r;
    const MetafileCheck check = checkMetafile(data);
    if (!check.ok) {
        r.error = check.error;
        return r;
    }
    if (target.isEmpty()) {
        r.error = QStringLiteral("Kein Platz für das Bild.");
        return r;
    }
    Device device;
    device.clock.start();
    Player player;
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof options);
    options.context = &player.allowance;
    options.malloc = capMalloc;
    options.realloc = capRealloc;
    options.free = capFree;
    options.function = installDevice;
    const unsigned long flags = WMF_OPT_ALLOC | WMF_OPT_FUNCTION | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG
        | WMF_OPT_IGNORE_NONFATAL;
    if (wmf_lite_create(&player.api, flags, &options) != wmf_E_None || !player.api) {
        player.api = nullptr;
        r.error = QStringLiteral("Die Metadatei kann nicht gelesen werden.");
        return r;
    }
    wmfAPI *api = player.api;
    api->device_data = &device;
    QByteArray bytes = check.cleaned;
    wmfD_Rect bounds;
    if (wmf_mem_open(api, reinterpret_cast<unsigned char *>(bytes.data()), bytes.size()) != wmf_E_None
        || wmf_scan(api, 0, &bounds) != wmf_E_None) {
        r.error = api->err == wmf_E_InsMem ? QStringLiteral("Die Metadatei braucht zu viel Speicher.")
                                           : QString::fromUtf8(kDamaged);
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
        r.error = QString::fromUtf8(kDamaged); // the player's mapping gave no number
        return r;
    }
    if (natural.width() > 32767 || natural.height() > 32767) {
        r.error = QStringLiteral("Das Bild ist zu groß.");
        return r;
    }
    const QSize naturalPixels(qMax(1, qRound(natural.width())), qMax(1, qRound(natural.height())));
    if (qint64(naturalPixels.width()) * naturalPixels.height() * 4 > qint64(kMaxDecodedMegabytes) * 1024 * 1024) {
        r.error = QStringLiteral("Das Bild ist zu groß.");
        return r;
    }
    r.naturalSize = naturalPixels;
    const QSizeF shown = stretch ? QSizeF(target) : QSizeF(naturalPixels);
    const QSize imageSize = stretch ? target : naturalPixels.boundedTo(target);
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

    QImage image(imageSize, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        r.error = QStringLiteral("Das Bild ist zu groß.");
        return r;
    }
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        device.painter = &painter;
        wmf_status_function(api, &device, playStatus);
        const wmf_error_t err = wmf_play(api, 0, &bounds);
        device.painter = nullptr;
        if (device.overTime) {
            r.error = QStringLiteral("Die Metadatei braucht zu lange.");
            return r;
        }
        if (err != wmf_E_None) {
            r.error = err == wmf_E_InsMem ? QStringLiteral("Die Metadatei braucht zu viel Speicher.")
                                          : QString::fromUtf8(kDamaged);
            return r;
        }
    }
    r.image = image;
    r.ok = true;
    return r;
}

#else

MetafileResult renderMetafile(const QByteArray &, const QSize &, bool)
{
    MetafileResult r;
    r.error = QStringLiteral("Windows-Metadateien werden nicht unterstützt.");
    return r;
}

#endif

} // namespace duplikon
