// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/MediaNames.h"

namespace duplikon {

namespace {
const char *const kPictureEndings[] = {"bmp", "gif", "jpg", "wmf"};
const char *const kSoundEndings[] = {"wav", "ogg", "mp3"};

template <class Endings>
QString patternOf(const Endings &endings)
{
    QStringList parts;
    for (const char *e : endings)
        parts << QStringLiteral("*.") + QString::fromLatin1(e).toUpper();
    return parts.join(QLatin1Char(';'));
}
} // namespace

bool isPictureName(const QString &name)
{
    static const QString endings = QStringLiteral(".BMP.GIF.JPG.WMF");
    return endings.contains(name.right(4).toUpper());
}

bool isSoundName(const QString &name)
{
    for (const char *ending : kSoundEndings) {
        if (name.endsWith(QLatin1Char('.') + QLatin1String(ending), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

MediaKind mediaKindOfName(const QString &name)
{
    if (isPictureName(name))
        return name.right(4).toUpper() == QLatin1String(".WMF") ? MediaKind::Metafile : MediaKind::RasterPicture;
    return isSoundName(name) ? MediaKind::Sound : MediaKind::None;
}

MediaKind mediaKindOfEnding(const QString &ending)
{
    for (const char *e : kPictureEndings) {
        if (ending.compare(QLatin1String(e), Qt::CaseInsensitive) == 0)
            return ending.compare(QLatin1String("wmf"), Qt::CaseInsensitive) == 0 ? MediaKind::Metafile
                                                                                   : MediaKind::RasterPicture;
    }
    for (const char *e : kSoundEndings) {
        if (ending.compare(QLatin1String(e), Qt::CaseInsensitive) == 0)
            return MediaKind::Sound;
    }
    return MediaKind::None;
}

QString lowerEnding(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : fileName.mid(dot + 1).toLower();
}

QString picturePattern()
{
    static const QString pattern = patternOf(kPictureEndings);
    return pattern;
}

QString soundPattern()
{
    static const QString pattern = patternOf(kSoundEndings);
    return pattern;
}

} // namespace duplikon
