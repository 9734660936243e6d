// SPDX-License-Identifier: GPL-3.0-or-later
#include "BmpWriter.h"

#include "pictures/LittleEndian.h"

namespace duplikon {

QByteArray encodeBmp8(const IndexedImage &indexed)
{
    if (indexed.width <= 0 || indexed.height <= 0 || indexed.palette.isEmpty()
        || indexed.palette.size() > 256 || indexed.pixels.size() != indexed.width * indexed.height)
        return QByteArray();
    const qint64 rowBytes = (qint64(indexed.width) + 3) / 4 * 4;
    const qint64 headerBytes = 14 + 40 + 4 * qint64(indexed.palette.size());
    const qint64 imageBytes = rowBytes * indexed.height;
    if (headerBytes + imageBytes > 0x7FFFFFFF)
        return QByteArray();

    QByteArray out;
    out.reserve(int(headerBytes + imageBytes));
    // File header.
    out.append("BM", 2);
    appendLe32(out, quint32(headerBytes + imageBytes));
    appendLe32(out, 0);
    appendLe32(out, quint32(headerBytes));
    // Info header: 96 dots per inch, no compression, the palette's size.
    appendLe32(out, 40);
    appendLe32(out, quint32(indexed.width));
    appendLe32(out, quint32(indexed.height));
    appendLe16(out, 1);
    appendLe16(out, 8);
    appendLe32(out, 0);
    appendLe32(out, quint32(imageBytes));
    appendLe32(out, 3780);
    appendLe32(out, 3780);
    appendLe32(out, quint32(indexed.palette.size()));
    appendLe32(out, quint32(indexed.palette.size()));
    for (QRgb c : indexed.palette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    // Rows from the bottom up, each padded with zeros to four bytes.
    const QByteArray padding(int(rowBytes - indexed.width), '\0');
    for (int y = indexed.height - 1; y >= 0; --y) {
        out.append(indexed.pixels.constData() + qsizetype(y) * indexed.width, indexed.width);
        out.append(padding);
    }
    return out;
}

} // namespace duplikon
