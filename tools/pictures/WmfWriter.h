// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

namespace duplikon {

// Writes Windows metafiles record by record: the project's own test and demo
// pictures are made with it. Coordinates are logical units of the metafile;
// with setPlaceable() the file gets the 22-byte header that names its frame
// and its units per inch.
class WmfWriter {
public:
    // Record numbers of the metafile format.
    enum Function : quint16 {
        SetBkColor = 0x0201, SetBkMode = 0x0102, SetMapMode = 0x0103, SetRop2 = 0x0104,
        SetPolyFillMode = 0x0106, SetTextAlign = 0x012E, SetTextColor = 0x0209,
        SetWindowOrg = 0x020B, SetWindowExt = 0x020C, LineTo = 0x0213, MoveTo = 0x0214,
        Rectangle = 0x041B, RoundRect = 0x061C, Ellipse = 0x0418, Arc = 0x0817, Pie = 0x081A,
        Chord = 0x0830, Polygon = 0x0324, Polyline = 0x0325, PolyPolygon = 0x0538,
        TextOut = 0x0521, ExtTextOut = 0x0A32, PatBlt = 0x061D, StretchDib = 0x0F43,
        DibStretchBlt = 0x0B41, SetPixel = 0x041F, SelectObject = 0x012D, DeleteObject = 0x01F0,
        CreatePenIndirect = 0x02FA, CreateBrushIndirect = 0x02FC, CreateFontIndirect = 0x02FB,
        DibCreatePatternBrush = 0x0142, SaveDc = 0x001E, RestoreDc = 0x0127,
        IntersectClipRect = 0x0416, Eof = 0x0000
    };
    enum PenStyle { PsSolid = 0, PsDash = 1, PsDot = 2, PsDashDot = 3, PsDashDotDot = 4, PsNull = 5 };
    enum BrushStyle { BsSolid = 0, BsNull = 1, BsHatched = 2 };
    enum Hatch { HsHorizontal = 0, HsVertical = 1, HsFDiagonal = 2, HsBDiagonal = 3, HsCross = 4, HsDiagCross = 5 };
    enum BkMode { Transparent = 1, Opaque = 2 };
    enum FillMode { Alternate = 1, Winding = 2 };
    enum TextAlign { TaLeft = 0, TaTop = 0, TaCenter = 6, TaBaseline = 24, TaBottom = 8 };

    WmfWriter() = default;

    // A placeable file: frame in logical units and how many of them make an inch.
    void setPlaceable(const QRect &frame, int unitsPerInch);

    void setWindowOrg(int x, int y);
    void setWindowExt(int w, int h);
    void setMapMode(int mode);
    void setBkMode(BkMode mode);
    void setBkColor(const QColor &c);
    void setTextColor(const QColor &c);
    void setPolyFillMode(FillMode mode);
    void setTextAlign(int align);

    // Objects take the lowest free slot; the slot is returned for selectObject.
    int createPen(PenStyle style, int width, const QColor &c);
    int createBrush(BrushStyle style, const QColor &c, Hatch hatch = HsHorizontal);
    int createFont(int height, int weight, const QString &face, bool italic = false,
                   bool underline = false, int escapement = 0);
    int createDibPatternBrush(const QImage &pattern);
    void selectObject(int slot);
    void deleteObject(int slot);

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void rectangle(const QRect &r);
    void roundRect(const QRect &r, int cornerW, int cornerH);
    void ellipse(const QRect &r);
    void arc(const QRect &r, const QPoint &start, const QPoint &end);
    void chord(const QRect &r, const QPoint &start, const QPoint &end);
    void pie(const QRect &r, const QPoint &start, const QPoint &end);
    void polygon(const QVector<QPoint> &pts);
    void polyline(const QVector<QPoint> &pts);
    void polyPolygon(const QVector<QVector<QPoint>> &polys);
    void textOut(int x, int y, const QByteArray &text);       // text in Windows-1252
    void extTextOut(int x, int y, const QByteArray &text);
    void patBlt(const QRect &r, quint32 rop = 0x00F00021);
    void setPixel(int x, int y, const QColor &c);
    // The picture stretched into dest, as a 24-bit bottom-up device-independent bitmap.
    void stretchDib(const QRect &dest, const QImage &image);
    void dibStretchBlt(const QRect &dest, const QImage &image);
    void saveDc();
    void restoreDc();
    void intersectClipRect(const QRect &r);

    // Any record, parameters as 16-bit words (for damaged files in tests).
    void record(quint16 function, const QVector<quint16> &params);
    // Raw bytes appended after the records (damage on purpose).
    int recordCount() const { return m_count; }

    // The whole file: header, records and the end record.
    QByteArray finish() const;

    // Bytes of a device-independent bitmap (header, no palette, 24 bits).
    static QByteArray dib24(const QImage &image);

private:
    int takeSlot();
    void colourRef(QVector<quint16> &p, const QColor &c);
    static QVector<quint16> rectParams(const QRect &r);

    QByteArray m_records;
    quint32 m_maxRecordWords = 3;
    int m_count = 0;
    QVector<bool> m_slots;
    bool m_placeable = false;
    QRect m_frame;
    int m_unitsPerInch = 1440;
};

} // namespace duplikon
