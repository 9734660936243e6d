// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"

#include "pictures/GifWriter.h"
#include "platform/TextFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cmath>

namespace duplikon::test {

ProgramFolder::ProgramFolder() = default;

QString ProgramFolder::folder() const
{
    return m_dir.path() + QDir::separator();
}

QString ProgramFolder::file(const QString &relative) const
{
    QString r = relative;
    r.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return m_dir.filePath(r);
}

void ProgramFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString p = file(relative);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void ProgramFolder::writeTask(const QString &name, const QStringList &lines) const
{
    write(name, linesToBytes(lines));
}

void ProgramFolder::writePicture(const QString &relative, const QColor &colour, QSize size) const
{
    const QString p = file(relative);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    img.save(p);
}

void ProgramFolder::makeFolder(const QString &relative) const
{
    QDir().mkpath(file(relative));
}

QByteArray ProgramFolder::read(const QString &relative) const
{
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray encodePicture(const QImage &image, const char *format, int quality)
{
    if (qstrcmp(format, "gif") == 0)
        return encodeGif(quantise(image));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

QByteArray toneWave(int milliseconds, int frequency)
{
    const int rate = 22050;
    const int frames = rate * milliseconds / 1000;
    QByteArray wav("RIFF");
    const auto put32 = [&wav](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    const auto put16 = [&wav](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    put32(36 + 2 * frames);
    wav.append("WAVEfmt ");
    put32(16); put16(1); put16(1); put32(rate); put32(2 * rate); put16(2); put16(16);
    wav.append("data");
    put32(2 * frames);
    for (int i = 0; i < frames; ++i)
        put16(quint16(qint16(8000 * std::sin(2 * M_PI * frequency * i / rate))));
    return wav;
}

} // namespace duplikon::test
