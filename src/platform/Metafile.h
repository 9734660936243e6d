#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace dup {

// True when the bytes start like a Windows metafile (placeable or plain).
bool looksLikeMetafile(const QByteArray &data);

struct MetafileResult {
    bool ok = false;
    QImage image;
    QSize naturalSize; // the picture's frame in pixels at 96 dpi
    QString error;
};

// Renders a metafile. With stretch, the frame is scaled to exactly target;
// otherwise it is drawn at its natural size and cut off at target (top-left).
MetafileResult renderMetafile(const QByteArray &data, const QSize &target, bool stretch);

} // namespace dup
