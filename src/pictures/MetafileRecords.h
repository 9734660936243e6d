// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace duplikon {

// Limits for one metafile: a hostile file never takes the machine's memory or
// time. The memory limit of the player is kMaxDecodedMegabytes (PictureLoader.h).
constexpr qint64 kMaxMetafileBytes = 16 * 1024 * 1024;
constexpr int kMaxMetafileRecords = 200000;
constexpr int kMaxMetafileMilliseconds = 3000;
constexpr int kMaxMetafileSavedStates = 256;

inline constexpr char kMetafileDamaged[] = QT_TRANSLATE_NOOP("duplikon::Metafile", "Die Metadatei ist beschädigt.");

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

} // namespace duplikon
