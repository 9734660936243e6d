// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "pictures/GifWriter.h"

#include <QByteArray>

namespace duplikon {

// An uncompressed 8-bit Windows bitmap (BITMAPINFOHEADER, bottom-up rows) with
// the palette of the picture. Every byte is defined, the row padding too, so
// the same picture always gives the same file. Empty for an invalid picture.
QByteArray encodeBmp8(const IndexedImage &indexed);

} // namespace duplikon
