// SPDX-License-Identifier: GPL-3.0-or-later
// Built only with the metafile player (libwmf).
#ifdef DUPLIKON_HAVE_LIBWMF

#include "pictures/MetafilePainter.h"

#include "pictures/LittleEndian.h"
#include "pictures/MetafileRecords.h"
#include "pictures/PictureLoader.h"
#include "platform/TextFiles.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <libwmf/api.h>
#include <libwmf/macro.h>

namespace duplikon {

MetafileDevice::~MetafileDevice()
{
    for (QImage *img : bitmaps)
        delete img;
}

namespace {

MetafileDevice *deviceOf(wmfAPI *api) { return static_cast<MetafileDevice *>(api->device_data); }

QColor colour(const wmfRGB &c) { return QColor(c.r, c.g, c.b); }

double bounded(double v)
{
    if (!(v == v))
        return 0; // not a number
    return qBound(-1.0e6, v, 1.0e6);
}

// The device of a drawing callback; the first one places a placeable file.
MetafileDevice *deviceOf(wmfAPI *api, const wmfDC *dc)
{
    MetafileDevice *d = deviceOf(api);
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

QPointF at(MetafileDevice *d, const wmfD_Coord &c)
{
    return d->map.map(QPointF(bounded(c.x), bounded(c.y)));
}

QRectF box(MetafileDevice *d, const wmfD_Coord &tl, const wmfD_Coord &br)
{
    return QRectF(at(d, tl), at(d, br)).normalized();
}

QPen penOf(MetafileDevice *d, wmfDC *dc)
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
QBrush brushOf(const MetafileDevice *d, wmfDC *dc)
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
void prepare(MetafileDevice *d, wmfDC *dc, bool fill, bool stroke)
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
double angleOf(MetafileDevice *d, const wmfD_Coord &v)
{
    const QPointF o = d->map.map(QPointF(0, 0));
    const QPointF e = d->map.map(QPointF(bounded(v.x), bounded(v.y))) - o;
    return qRadiansToDegrees(std::atan2(-e.y(), e.x()));
}

enum class ArcKind { Open, Chord, Pie };

void drawArcShape(wmfAPI *api, wmfDrawArc_t *a, ArcKind kind)
{
    MetafileDevice *d = deviceOf(api, a->dc);
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
    MetafileDevice *d = deviceOf(api, a->dc);
    prepare(d, a->dc, true, true);
    d->painter->drawEllipse(box(d, a->TL, a->BR));
}

// A one-pixel line lies on the middle of its pixels, so it stays crisp.
QPointF thinOffset(MetafileDevice *d)
{
    const QPen pen = d->painter->pen();
    return pen.style() != Qt::NoPen && pen.widthF() <= 1.0 ? QPointF(0.5, 0.5) : QPointF();
}

void drawLine(wmfAPI *api, wmfDrawLine_t *l)
{
    MetafileDevice *d = deviceOf(api, l->dc);
    prepare(d, l->dc, false, true);
    const QPointF o = thinOffset(d);
    d->painter->drawLine(at(d, l->from) + o, at(d, l->to) + o);
}

QPolygonF polygonOf(MetafileDevice *d, const wmfD_Coord *pts, int count)
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
    MetafileDevice *d = deviceOf(api, pl->dc);
    prepare(d, pl->dc, false, true);
    d->painter->drawPolyline(polygonOf(d, pl->pt, pl->count).translated(thinOffset(d)));
}

void drawPolygon(wmfAPI *api, wmfPolyLine_t *pl)
{
    MetafileDevice *d = deviceOf(api, pl->dc);
    prepare(d, pl->dc, true, true);
    d->painter->drawPolygon(polygonOf(d, pl->pt, pl->count), fillRule(pl->dc));
}

void drawPolyPolygon(wmfAPI *api, wmfPolyPoly_t *pp)
{
    MetafileDevice *d = deviceOf(api, pp->dc);
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
    MetafileDevice *d = deviceOf(api, r->dc);
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
    MetafileDevice *d = deviceOf(api, px->dc);
    const QPointF p = at(d, px->pt);
    const double w = qBound(1.0, bounded(px->pixel_width) * d->scaleX, 64.0);
    const double h = qBound(1.0, bounded(px->pixel_height) * d->scaleY, 64.0);
    d->painter->fillRect(QRectF(p, QSizeF(w, h)), colour(px->color));
}

void ropDraw(wmfAPI *api, wmfROP_Draw_t *r)
{
    MetafileDevice *d = deviceOf(api, r->dc);
    const QRectF rect = box(d, r->TL, r->BR);
    switch (r->ROP) {
    case BLACKNESS: d->painter->fillRect(rect, Qt::black); break;
    case WHITENESS: d->painter->fillRect(rect, Qt::white); break;
    case DSTINVERT: break; // nothing to invert on a transparent picture
    default: d->painter->fillRect(rect, brushOf(d, r->dc)); break;
    }
}

// A device-independent bitmap of the file, read through Qt's own bitmap
// reader after its size has been checked.
void bmpRead(wmfAPI *api, wmfBMP_Read_t *r)
{
    MetafileDevice *d = deviceOf(api);
    r->bmp.data = nullptr;
    r->bmp.width = 0;
    r->bmp.height = 0;
    if (!r->buffer || r->length < 12 || r->length > kMaxMetafileBytes)
        return;
    const unsigned char *b = r->buffer;
    const qint64 len = r->length;
    const quint32 headerSize = readLe32(b);
    qint64 width, height;
    int bits;
    quint32 compression = 0, used = 0;
    int entry = 4;
    if (headerSize == 12) {
        width = readLe16(b + 4);
        height = readLe16(b + 6);
        bits = readLe16(b + 10);
        entry = 3;
    } else if (headerSize >= 40 && headerSize <= 124 && len >= qint64(headerSize)) {
        width = qint32(readLe32(b + 4));
        height = qint32(readLe32(b + 8));
        bits = readLe16(b + 14);
        compression = readLe32(b + 16);
        used = readLe32(b + 32);
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
    appendLe32(file, quint32(14 + len));
    appendLe32(file, 0);
    appendLe32(file, quint32(14 + headerSize + palette));
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
    MetafileDevice *d = deviceOf(api);
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
    MetafileDevice *d = deviceOf(api, b->dc);
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

void fontMap(wmfAPI *api, wmfFont *font)
{
    font->user_data = nullptr;
    if (MetafileDevice *d = deviceOf(api))
        d->fontFaces[font] = font->lfFaceName ? QString::fromLatin1(font->lfFaceName) : QString();
}

// A font's face from the copy made when it was mapped; a font never mapped is
// the player's own default, whose name lives as long as the player.
QString faceName(wmfAPI *api, const wmfFont *f)
{
    const std::map<const void *, QString> &faces = deviceOf(api)->fontFaces;
    const auto it = faces.find(f);
    QString face;
    if (it != faces.cend())
        face = it->second;
    else if (f->lfFaceName)
        face = QString::fromLatin1(f->lfFaceName);
    return face.isEmpty() ? QStringLiteral("Arial") : face;
}

// Width of a text in points at a font size of one point.
float stringWidth(wmfAPI *api, wmfFont *f, char *str)
{
    if (!str || !f)
        return 0;
    QFont font(faceName(api, f));
    font.setPixelSize(100);
    const QFontMetricsF fm(font);
    return float(fm.horizontalAdvance(decodeWindows1252(QByteArray(str))) / 100.0);
}

// Text with a Qt font: the face, height, weight, slant and colour of the
// metafile's font; the reference point and alignment of the record.
void drawText(wmfAPI *api, wmfDrawText_t *t)
{
    MetafileDevice *d = deviceOf(api, t->dc);
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
    QFont font(faceName(api, f));
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

QRegion regionOf(MetafileDevice *d, wmfPolyRectangle_t *r)
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
    MetafileDevice *d = deviceOf(api, r->dc);
    if (r->count == 0)
        d->painter->setClipping(false);
    else
        d->painter->setClipRegion(regionOf(d, r));
}

void regionPaint(wmfAPI *api, wmfPolyRectangle_t *r)
{
    MetafileDevice *d = deviceOf(api, r->dc);
    const QBrush brush = brushOf(d, r->dc);
    for (const QRect &rect : regionOf(d, r))
        d->painter->fillRect(rect, brush);
}

void regionFrame(wmfAPI *api, wmfPolyRectangle_t *r)
{
    MetafileDevice *d = deviceOf(api, r->dc);
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

} // namespace

bool finiteRect(const QRectF &r)
{
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) && std::isfinite(r.height());
}

void mapFrame(MetafileDevice *d, const QRectF &frame)
{
    d->scaleX = d->shown.width() / frame.width();
    d->scaleY = d->shown.height() / frame.height();
    d->map = QTransform::fromTranslate(-frame.left(), -frame.top()) * QTransform::fromScale(d->scaleX, d->scaleY);
}

void installMetafileDevice(wmfAPI *api)
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

} // namespace duplikon

#endif // DUPLIKON_HAVE_LIBWMF
