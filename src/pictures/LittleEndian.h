// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

// Numbers as metafiles, bitmaps and GIF files store them: the low byte first.
// The readers take the bytes as they are; the caller checks the length.
namespace duplikon {

inline quint16 readLe16(const uchar *p)
{
    return quint16(p[0] | (p[1] << 8));
}

inline quint32 readLe32(const uchar *p)
{
    return quint32(readLe16(p)) | (quint32(readLe16(p + 2)) << 16);
}

inline quint16 readLe16(const QByteArray &bytes, qint64 at)
{
    return readLe16(reinterpret_cast<const uchar *>(bytes.constData()) + at);
}

inline quint32 readLe32(const QByteArray &bytes, qint64 at)
{
    return readLe32(reinterpret_cast<const uchar *>(bytes.constData()) + at);
}

inline void appendLe16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xFF));
    out.append(char(v >> 8));
}

inline void appendLe32(QByteArray &out, quint32 v)
{
    appendLe16(out, quint16(v & 0xFFFF));
    appendLe16(out, quint16(v >> 16));
}

} // namespace duplikon
