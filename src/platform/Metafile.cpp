#include "platform/Metafile.h"

namespace dup {

bool looksLikeMetafile(const QByteArray &data)
{
    if (data.size() < 18)
        return false;
    const auto u8 = [&](int i) { return quint32(static_cast<unsigned char>(data[i])); };
    const quint32 key = u8(0) | (u8(1) << 8) | (u8(2) << 16) | (u8(3) << 24);
    if (key == 0x9AC6CDD7u)
        return true;
    const quint32 type = u8(0) | (u8(1) << 8);
    const quint32 headerSize = u8(2) | (u8(3) << 8);
    return (type == 1 || type == 2) && headerSize == 9;
}

MetafileResult renderMetafile(const QByteArray &, const QSize &, bool)
{
    MetafileResult r;
    r.error = QStringLiteral("Windows-Metadateien werden noch nicht unterstützt.");
    return r;
}

} // namespace dup
