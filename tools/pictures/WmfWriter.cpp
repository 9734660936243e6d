// SPDX-License-Identifier: GPL-3.0-or-later
#include "WmfWriter.h"

#include "pictures/LittleEndian.h"

namespace duplikon {

namespace {

quint16 w(int v) { return quint16(qint16(v)); }

// Text as 16-bit words, two bytes to a word, padded with a zero byte.
QVector<quint16> textWords(const QByteArray &text)
{
    QVector<quint16> out;
    for (int i = 0; i < text.size(); i += 2) {
        const quint16 lo = quint8(text[i]);
        const quint16 hi = i + 1 < text.size() ? quint8(text[i + 1]) : 0;
        out << quint16(lo | (hi << 8));
    }
    return out;
}

} // namespace

void WmfWriter::setPlaceable(const QRect &frame, int unitsPerInch)
{
    m_placeable = true;
    m_frame = frame;
    m_unitsPerInch = unitsPerInch;
}

void WmfWriter::record(quint16 function, const QVector<quint16> &params)
{
    const quint32 words = 3 + quint32(params.size());
    appendLe32(m_records, words);
    appendLe16(m_records, function);
    for (quint16 p : params)
        appendLe16(m_records, p);
    m_maxRecordWords = qMax(m_maxRecordWords, words);
    ++m_count;
}

void WmfWriter::colourRef(QVector<quint16> &p, const QColor &c)
{
    p << quint16(c.red() | (c.green() << 8)) << quint16(c.blue());
}

QVector<quint16> WmfWriter::rectParams(const QRect &r)
{
    return { w(r.y() + r.height()), w(r.x() + r.width()), w(r.y()), w(r.x()) };
}

void WmfWriter::setWindowOrg(int x, int y) { record(SetWindowOrg, { w(y), w(x) }); }
void WmfWriter::setWindowExt(int wd, int h) { record(SetWindowExt, { w(h), w(wd) }); }
void WmfWriter::setMapMode(int mode) { record(SetMapMode, { w(mode) }); }
void WmfWriter::setBkMode(BkMode mode) { record(SetBkMode, { w(mode) }); }
void WmfWriter::setPolyFillMode(FillMode mode) { record(SetPolyFillMode, { w(mode) }); }
void WmfWriter::setTextAlign(int align) { record(SetTextAlign, { w(align) }); }

void WmfWriter::setBkColor(const QColor &c)
{
    QVector<quint16> p;
    colourRef(p, c);
    record(SetBkColor, p);
}

void WmfWriter::setTextColor(const QColor &c)
{
    QVector<quint16> p;
    colourRef(p, c);
    record(SetTextColor, p);
}

int WmfWriter::takeSlot()
{
    for (int i = 0; i < m_slots.size(); ++i) {
        if (!m_slots[i]) {
            m_slots[i] = true;
            return i;
        }
    }
    m_slots.append(true);
    return m_slots.size() - 1;
}

int WmfWriter::createPen(PenStyle style, int width, const QColor &c)
{
    QVector<quint16> p { w(style), w(width), 0 };
    colourRef(p, c);
    record(CreatePenIndirect, p);
    return takeSlot();
}

int WmfWriter::createBrush(BrushStyle style, const QColor &c, Hatch hatch)
{
    QVector<quint16> p { w(style) };
    colourRef(p, c);
    p << w(hatch);
    record(CreateBrushIndirect, p);
    return takeSlot();
}

int WmfWriter::createFont(int height, int weight, const QString &face, bool italic, bool underline,
                          int escapement)
{
    QVector<quint16> p { w(height), 0, w(escapement), w(escapement), w(weight),
                         quint16((italic ? 1 : 0) | ((underline ? 1 : 0) << 8)),
                         0 /* strike-out, character set */, 0, 0 };
    QByteArray name = face.toLatin1().left(31);
    name.append(QByteArray(32 - name.size(), '\0'));
    p << textWords(name);
    record(CreateFontIndirect, p);
    return takeSlot();
}

int WmfWriter::createDibPatternBrush(const QImage &pattern)
{
    QVector<quint16> p { 5 /* BS_DIBPATTERN */, 0 /* DIB_RGB_COLORS */ };
    p << textWords(dib24(pattern));
    record(DibCreatePatternBrush, p);
    return takeSlot();
}

void WmfWriter::selectObject(int slot) { record(SelectObject, { w(slot) }); }

void WmfWriter::deleteObject(int slot)
{
    record(DeleteObject, { w(slot) });
    if (slot >= 0 && slot < m_slots.size())
        m_slots[slot] = false;
}

void WmfWriter::moveTo(int x, int y) { record(MoveTo, { w(y), w(x) }); }
void WmfWriter::lineTo(int x, int y) { record(LineTo, { w(y), w(x) }); }
void WmfWriter::rectangle(const QRect &r) { record(Rectangle, rectParams(r)); }
void WmfWriter::ellipse(const QRect &r) { record(Ellipse, rectParams(r)); }

void WmfWriter::roundRect(const QRect &r, int cornerW, int cornerH)
{
    QVector<quint16> p { w(cornerH), w(cornerW) };
    p << rectParams(r);
    record(RoundRect, p);
}

static QVector<quint16> arcParams(const QRect &r, const QPoint &start, const QPoint &end)
{
    return { w(end.y()), w(end.x()), w(start.y()), w(start.x()),
             w(r.y() + r.height()), w(r.x() + r.width()), w(r.y()), w(r.x()) };
}

void WmfWriter::arc(const QRect &r, const QPoint &s, const QPoint &e) { record(Arc, arcParams(r, s, e)); }
void WmfWriter::chord(const QRect &r, const QPoint &s, const QPoint &e) { record(Chord, arcParams(r, s, e)); }
void WmfWriter::pie(const QRect &r, const QPoint &s, const QPoint &e) { record(Pie, arcParams(r, s, e)); }

void WmfWriter::polygon(const QVector<QPoint> &pts)
{
    QVector<quint16> p { w(pts.size()) };
    for (const QPoint &pt : pts)
        p << w(pt.x()) << w(pt.y());
    record(Polygon, p);
}

void WmfWriter::polyline(const QVector<QPoint> &pts)
{
    QVector<quint16> p { w(pts.size()) };
    for (const QPoint &pt : pts)
        p << w(pt.x()) << w(pt.y());
    record(Polyline, p);
}

void WmfWriter::polyPolygon(const QVector<QVector<QPoint>> &polys)
{
    QVector<quint16> p { w(polys.size()) };
    for (const auto &poly : polys)
        p << w(poly.size());
    for (const auto &poly : polys)
        for (const QPoint &pt : poly)
            p << w(pt.x()) << w(pt.y());
    record(PolyPolygon, p);
}

void WmfWriter::textOut(int x, int y, const QByteArray &text)
{
    QVector<quint16> p { w(text.size()) };
    p << textWords(text);
    p << w(y) << w(x);
    record(TextOut, p);
}

void WmfWriter::extTextOut(int x, int y, const QByteArray &text)
{
    QVector<quint16> p { w(y), w(x), w(text.size()), 0 };
    p << textWords(text);
    record(ExtTextOut, p);
}

void WmfWriter::patBlt(const QRect &r, quint32 rop)
{
    record(PatBlt, { quint16(rop & 0xFFFF), quint16(rop >> 16), w(r.height()), w(r.width()),
                     w(r.y()), w(r.x()) });
}

void WmfWriter::setPixel(int x, int y, const QColor &c)
{
    QVector<quint16> p;
    colourRef(p, c);
    p << w(y) << w(x);
    record(SetPixel, p);
}

QByteArray WmfWriter::dib24(const QImage &image)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const int stride = ((img.width() * 3 + 3) / 4) * 4;
    QByteArray b;
    appendLe32(b, 40);
    appendLe32(b, quint32(img.width()));
    appendLe32(b, quint32(img.height()));
    appendLe16(b, 1);
    appendLe16(b, 24);
    appendLe32(b, 0);                                  // no compression
    appendLe32(b, quint32(stride * img.height()));
    appendLe32(b, 3780);
    appendLe32(b, 3780);
    appendLe32(b, 0);
    appendLe32(b, 0);
    for (int y = img.height() - 1; y >= 0; --y) { // bottom-up rows
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        QByteArray row;
        for (int x = 0; x < img.width(); ++x) {
            row.append(char(qBlue(line[x])));
            row.append(char(qGreen(line[x])));
            row.append(char(qRed(line[x])));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        b.append(row);
    }
    return b;
}

void WmfWriter::stretchDib(const QRect &dest, const QImage &image)
{
    QVector<quint16> p { 0x0020, 0x00CC, /* SRCCOPY */ 0 /* DIB_RGB_COLORS */,
                         w(image.height()), w(image.width()), 0, 0,
                         w(dest.height()), w(dest.width()), w(dest.y()), w(dest.x()) };
    p << textWords(dib24(image));
    record(StretchDib, p);
}

void WmfWriter::dibStretchBlt(const QRect &dest, const QImage &image)
{
    QVector<quint16> p { 0x0020, 0x00CC, w(image.height()), w(image.width()), 0, 0,
                         w(dest.height()), w(dest.width()), w(dest.y()), w(dest.x()) };
    p << textWords(dib24(image));
    record(DibStretchBlt, p);
}

void WmfWriter::saveDc() { record(SaveDc, {}); }
void WmfWriter::restoreDc() { record(RestoreDc, { w(-1) }); }
void WmfWriter::intersectClipRect(const QRect &r) { record(IntersectClipRect, rectParams(r)); }

QByteArray WmfWriter::finish() const
{
    QByteArray out;
    if (m_placeable) {
        QByteArray ph;
        appendLe32(ph, 0x9AC6CDD7u);
        appendLe16(ph, 0);
        appendLe16(ph, w(m_frame.left()));
        appendLe16(ph, w(m_frame.top()));
        appendLe16(ph, w(m_frame.left() + m_frame.width()));
        appendLe16(ph, w(m_frame.top() + m_frame.height()));
        appendLe16(ph, quint16(m_unitsPerInch));
        appendLe32(ph, 0);
        quint16 sum = 0;
        for (int i = 0; i < 20; i += 2)
            sum ^= readLe16(ph, i);
        appendLe16(ph, sum);
        out.append(ph);
    }
    const quint32 totalWords = 9 + quint32(m_records.size() / 2) + 3;
    appendLe16(out, 1);      // on disk
    appendLe16(out, 9);      // header words
    appendLe16(out, 0x0300); // version
    appendLe32(out, totalWords);
    appendLe16(out, quint16(m_slots.size()));
    appendLe32(out, m_maxRecordWords);
    appendLe16(out, 0);
    out.append(m_records);
    appendLe32(out, 3);
    appendLe16(out, Eof);
    return out;
}

} // namespace duplikon
