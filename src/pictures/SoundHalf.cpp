// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/SoundHalf.h"

#include "platform/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

namespace duplikon {

namespace {

// A RIFF file of type WAVE with a sensible "fmt " chunk. Other chunks may come
// first (recorders put "JUNK", "bext" or "LIST" there), so the chunks are
// walked as far as the header read reaches.
bool wavHeader(const QByteArray &h)
{
    if (h.size() < 12 || !h.startsWith("RIFF") || h.mid(8, 4) != "WAVE")
        return false;
    qsizetype at = 12;
    while (at + 8 <= h.size() && h.mid(at, 4) != "fmt ") {
        const quint32 size = qFromLittleEndian<quint32>(h.constData() + at + 4);
        if (size > quint32(h.size()))
            return false;
        at += 8 + size + (size & 1);
    }
    if (at + 24 > h.size())
        return false;
    const char *fmt = h.constData() + at + 8;
    const quint16 channels = qFromLittleEndian<quint16>(fmt + 2);
    const quint32 rate = qFromLittleEndian<quint32>(fmt + 4);
    const quint16 bits = qFromLittleEndian<quint16>(fmt + 14);
    return channels >= 1 && channels <= 8 && rate >= 1000 && rate <= 384000 && bits >= 8 && bits <= 64;
}

// An Ogg page of version 0 that begins a stream.
bool oggHeader(const QByteArray &h)
{
    return h.size() >= 28 && h.startsWith("OggS") && h.at(4) == 0 && (h.at(5) & 0x02);
}

// An ID3 tag, or an MPEG audio frame header (sync, layer and rates valid).
bool mp3Header(const QByteArray &h)
{
    if (h.size() >= 10 && h.startsWith("ID3"))
        return quint8(h.at(3)) < 0xFF && quint8(h.at(4)) < 0xFF;
    if (h.size() < 4)
        return false;
    const auto b = [&h](int i) { return quint8(h.at(i)); };
    const bool sync = b(0) == 0xFF && (b(1) & 0xE0) == 0xE0;
    const bool version = (b(1) & 0x18) != 0x08;
    const bool layer = (b(1) & 0x06) != 0;
    const bool bitrate = (b(2) & 0xF0) != 0xF0;
    const bool rate = (b(2) & 0x0C) != 0x0C;
    return sync && version && layer && bitrate && rate;
}

} // namespace

bool isSoundHeader(const QByteArray &head)
{
    // The kind is told by the contents, so a file named wrongly still plays.
    return wavHeader(head) || oggHeader(head) || mp3Header(head);
}

SoundFileState checkSoundFile(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return SoundFileState::Missing;
    // A pipe, a device or a folder is damaged and never waited on.
    QFile file;
    if (!openRegularFile(file, path, kMaxSoundFileBytes, nullptr))
        return SoundFileState::Damaged;
    return isSoundHeader(file.read(kSoundHeaderBytes)) ? SoundFileState::Playable : SoundFileState::Damaged;
}

QString soundKind(const QByteArray &head)
{
    if (wavHeader(head))
        return QStringLiteral("wav");
    if (oggHeader(head))
        return QStringLiteral("ogg");
    return mp3Header(head) ? QStringLiteral("mp3") : QString();
}

void drawSoundSymbol(QPainter &painter, const QRectF &area, const QColor &colour, bool crossed)
{
    // Drawn in a square of 100 units: a box and a cone on the left, two waves on the right.
    const qreal side = qMin(area.width(), area.height()) * 0.8;
    if (side < 4)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.center() - QPointF(side / 2, side / 2));
    painter.scale(side / 100.0, side / 100.0);

    // Crossed out, the stroke gets a gap on either side, so it reads as a
    // stroke through the loudspeaker and not as part of it.
    const QLineF stroke(QPointF(6, 94), QPointF(94, 6));
    painter.save();
    if (crossed) {
        QPainterPath line;
        line.moveTo(stroke.p1());
        line.lineTo(stroke.p2());
        QPainterPathStroker gap;
        gap.setWidth(22);
        gap.setCapStyle(Qt::RoundCap);
        QPainterPath outside;
        outside.addRect(QRectF(-10, -10, 120, 120));
        painter.setClipPath(outside.subtracted(gap.createStroke(line)), Qt::IntersectClip);
    }

    QPainterPath speaker;
    speaker.moveTo(8, 36);
    speaker.lineTo(26, 36);
    speaker.lineTo(50, 14);
    speaker.lineTo(50, 86);
    speaker.lineTo(26, 64);
    speaker.lineTo(8, 64);
    speaker.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(speaker);

    QPen wave(colour, 7, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(wave);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(40, 30, 30, 40), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(34, 16, 54, 68), -50 * 16, 100 * 16);
    painter.restore();

    if (crossed) {
        painter.setPen(QPen(colour, 8, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(stroke);
    }
    painter.restore();
}

} // namespace duplikon
