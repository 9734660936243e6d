// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QImage>

namespace duplikon {

// A small GIF encoder for test and benchmark pictures (Qt reads GIF but does
// not write it). Colours are reduced to a 6 × 6 × 6 cube; the image data is
// stored with 9-bit codes and a clear code well before the code table fills, which
// is valid GIF without a compressor.
QByteArray encodeGif(const QImage &image);

} // namespace duplikon
