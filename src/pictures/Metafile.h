// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "pictures/MetafileRecords.h"

#include <QImage>
#include <QPainter>
#include <QSize>

namespace duplikon {

struct MetafileResult {
    bool ok = false;
    QImage image;
    QSize naturalSize; // the picture's frame in pixels at 96 dpi
    QString error;
};

// Renders a metafile. With stretch, the frame is scaled to exactly target;
// otherwise it is drawn at its natural size and cut off at target (top-left).
// The background stays transparent.
MetafileResult renderMetafile(const QByteArray &data, const QSize &target, bool stretch);

// Plays a metafile onto a painter as vectors, its frame fitted into the box
// (0, 0, box) of the painter's coordinates, keeping its shape, centred. One
// unit of the painter is one pixel of the screen the file was made for.
bool drawMetafile(QPainter &painter, const QByteArray &data, const QSize &box, QString *error);

// A placeable metafile rewritten to draw at the largest size with its aspect
// that fits box, larger or smaller than before: only the units per inch of its
// header change. Empty for a file without that header or that cannot fit.
QByteArray metafileFittedTo(const QByteArray &data, const QSize &box);

} // namespace duplikon
