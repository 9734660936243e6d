// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

namespace duplikon {

// Limits for one metafile: a hostile file never takes the machine's memory or
// time. The memory limit of the player is kMaxDecodedMegabytes (PictureLoader.h).
constexpr qint64 kMaxMetafileBytes = 16 * 1024 * 1024;
constexpr int kMaxMetafileRecords = 200000;
constexpr int kMaxMetafileMilliseconds = 3000;
constexpr int kMaxMetafileSavedStates = 256;

// True when the bytes start like a Windows metafile (placeable or plain).
bool looksLikeMetafile(const QByteArray &data);

// What a check of the file's structure found, before anything is played.
struct MetafileCheck {
    bool ok = false;
    QString error;          // German reason when !ok
    bool placeable = false; // with the 22-byte header that names the frame
    QRectF frame;           // placeable: the frame in logical units
    int unitsPerInch = 0;   // placeable: logical units per inch
    QPointF windowOrigin;   // the first window origin of the records
    bool windowExtent = false; // a window extent is set: the window maps onto the frame
    int records = 0;        // records before the end record
    QByteArray cleaned;     // the file rebuilt from checked records only
};

// Reads the headers and walks every record: sizes inside the file, records
// long enough for what they hold, a bounded number of records and saved
// states. Only a file that passes is handed to the player.
MetafileCheck checkMetafile(const QByteArray &data);

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

} // namespace duplikon
