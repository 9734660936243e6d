// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

namespace duplikon {

// A picture as palette indices, row by row without padding.
struct IndexedImage {
    int width = 0;
    int height = 0;
    QVector<QRgb> palette;   // 1 to 256 opaque colours
    QByteArray pixels;       // width * height indices into palette
};

// Reduces a picture to at most maxColours colours (2..256). A picture with few
// enough colours keeps them exactly; otherwise median cut picks the palette
// and every pixel takes its nearest palette colour. Transparency is dropped
// (pixels are composed onto white). The result depends only on the pixels.
IndexedImage quantise(const QImage &image, int maxColours = 256);

// A complete GIF89a file: one global colour table, one picture, LZW data.
QByteArray encodeGif(const IndexedImage &indexed);

// Quantises and writes a GIF file; false with a reason on failure.
bool writeGif(const QImage &image, const QString &path, QString *error = nullptr);

} // namespace duplikon
