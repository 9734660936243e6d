// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <map>
#include <vector>

#include <libwmf/types.h>

namespace duplikon {

// Where the metafile player draws: a QPainter on the picture and the map from
// the player's device coordinates to the picture's pixels.
struct MetafileDevice {
    QPainter *painter = nullptr;
    QTransform map;
    double scaleX = 1, scaleY = 1;
    // A placeable file is placed at its first drawing, by the player's mapping
    // of that moment: the window maps onto the picture when the file sets
    // one, the header's frame otherwise.
    bool placed = true;
    bool byWindow = false;
    QRectF logicalFrame;
    QSizeF shown;
    std::vector<QImage *> bitmaps; // the file's bitmaps, as the player holds them
    // Every font's face name, copied when the player maps the font: the player
    // frees a name when the file deletes the font, even while it is still
    // selected, and may give its slot to another object.
    std::map<const void *, QString> fontFaces; // by the player's font

    MetafileDevice() = default;
    MetafileDevice(const MetafileDevice &) = delete;
    MetafileDevice &operator=(const MetafileDevice &) = delete;
    ~MetafileDevice();
};

// Gives the player its drawing functions and fonts, all done with QPainter on
// the MetafileDevice in api->device_data. Called by the player while it is
// created (its option "function").
void installMetafileDevice(wmfAPI *api);

// Maps the frame (device coordinates of the player) onto the shown size.
void mapFrame(MetafileDevice *d, const QRectF &frame);

bool finiteRect(const QRectF &r);

} // namespace duplikon
