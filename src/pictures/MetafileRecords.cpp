// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/MetafileRecords.h"

#include <QCoreApplication>

#include "pictures/LittleEndian.h"

namespace duplikon {

namespace {

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
        const quint32 n = readLe16(d, params);
        quint64 need = 1 + quint64(n);
        if (need <= words) {
            for (quint32 i = 0; i < n; ++i)
                need += 2 * quint64(readLe16(d, params + 2 + 2 * i));
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
    if (readLe32(data, 0) == 0x9AC6CDD7u)
        return true;
    const quint16 type = readLe16(data, 0);
    return (type == 1 || type == 2) && readLe16(data, 2) == 9;
}

MetafileCheck checkMetafile(const QByteArray &data)
{
    MetafileCheck c;
    c.error = QCoreApplication::translate("duplikon::Metafile", kMetafileDamaged);
    if (data.size() > kMaxMetafileBytes) {
        c.error = QCoreApplication::translate("duplikon::MetafileRecords", "Die Bilddatei ist zu groß.");
        return c;
    }
    qint64 at = 0;
    QByteArray placeableHeader;
    if (data.size() >= 4 && readLe32(data, 0) == 0x9AC6CDD7u) {
        if (data.size() < 22 + 18)
            return c;
        const qint16 left = qint16(readLe16(data, 6)), top = qint16(readLe16(data, 8));
        const qint16 right = qint16(readLe16(data, 10)), bottom = qint16(readLe16(data, 12));
        const int inch = readLe16(data, 14);
        if (inch == 0)
            return c;
        c.placeable = true;
        c.unitsPerInch = inch;
        c.frame = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
        placeableHeader = data.left(22);
        quint16 sum = 0; // the checksum is written new: the player may insist on it
        for (int i = 0; i < 20; i += 2)
            sum ^= readLe16(placeableHeader, i);
        placeableHeader[20] = char(sum & 0xFF);
        placeableHeader[21] = char(sum >> 8);
        at = 22;
    }
    if (data.size() - at < 18)
        return c;
    const quint16 type = readLe16(data, at), headerWords = readLe16(data, at + 2);
    if ((type != 1 && type != 2) || headerWords != 9)
        return c;
    const quint16 version = readLe16(data, at + 4);
    const quint16 objects = readLe16(data, at + 10);
    at += 18;

    QByteArray records;
    quint32 maxWords = 3;
    int depth = 0;
    bool sawEnd = false;
    bool sawOrigin = false;
    while (at + 6 <= data.size()) {
        const quint32 words = readLe32(data, at);
        const quint16 function = readLe16(data, at + 4);
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
            c.error = QCoreApplication::translate("duplikon::MetafileRecords", "Die Metadatei hat zu viele Einträge.");
            return c;
        }
        bool keep = true;
        if (function == 0x020B && !sawOrigin) { // the first window origin
            c.windowOrigin = QPointF(qint16(readLe16(data, at + 8)), qint16(readLe16(data, at + 6)));
            sawOrigin = true;
        }
        if (function == 0x020C) // SETWINDOWEXT
            c.windowExtent = true;
        if (function == 0x001E) { // SAVEDC
            if (depth >= kMaxMetafileSavedStates) {
                c.error = QCoreApplication::translate("duplikon::MetafileRecords",
                        "Die Metadatei hat zu viele Einträge.");
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
    appendLe16(out, 1);
    appendLe16(out, 9);
    appendLe16(out, version);
    appendLe32(out, total);
    appendLe16(out, objects);
    // Room behind the longest record: fixed parameter reads of the player
    // always stay inside its buffer.
    appendLe32(out, maxWords + 64);
    appendLe16(out, 0);
    out.append(records);
    appendLe32(out, 3);
    appendLe16(out, 0);
    c.cleaned = out;
    c.ok = true;
    c.error.clear();
    return c;
}

} // namespace duplikon
