// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"

#include "pictures/GifWriter.h"
#include "platform/TextFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace duplikon::test
