// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoFolder.h"

#include "BmpWriter.h"
#include "Painting.h"
#include "Pictures.h"
#include "pictures/GifWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace demogen {

using namespace pictures;

QList<DemoPicture> demoPictures()
{
    return {
        // Animals.
        {"Hund.gif", dog},
        {"Katze.jpg", cat},
        {"Maus.bmp", mouse},
        {"Fisch.gif", fish},
        {"Vogel.jpg", bird},
        {"Frosch.gif", frog},
        // Colours.
        {"Rot.gif", [] { return paintSplash(QColor(230, 40, 45)); }},
        {"Blau.bmp", [] { return paintSplash(QColor(40, 110, 230)); }},
        {"Gruen.jpg", [] { return paintSplash(QColor(50, 175, 60)); }},
        {"Gelb.gif", [] { return paintSplash(QColor(255, 215, 30)); }},
        {"Orange.jpg", [] { return paintSplash(QColor(255, 140, 20)); }},
        {"Lila.bmp", [] { return paintSplash(QColor(150, 70, 200)); }},
        {"Weiss.gif", [] { return paintSplash(QColor(255, 255, 255)); }},
        // Numbers.
        {"Wuerfel1.gif", [] { return die(1, QColor(255, 226, 226)); }},
        {"Punkte2.bmp", [] { return balls(2); }},
        {"Wuerfel4.jpg", [] { return die(4, QColor(220, 240, 255)); }},
        {"Punkte5.gif", [] { return balls(5); }},
        {"Wuerfel6.bmp", [] { return die(6, QColor(222, 246, 214)); }},
        {"Punkte8.jpg", [] { return balls(8); }},
        // Shapes.
        {"Bilder/Kreis.bmp", circle},
        {"Dreieck.gif", triangle},
        {"Quadrat.jpg", square},
        {"Rechteck.bmp", rectangle},
        {"Bilder/Stern.gif", star},
        {"Herz.jpg", heart},
        {"Raute.gif", diamond},
        {"Oval.jpg", oval},
        {"Sechseck.gif", hexagon},
        {"Fuenfeck.bmp", pentagon},
        // Rewards for a solved task.
        {"DUPBILDER/Sonne.jpg", sunAndRainbow},
        {"DUPBILDER/Ballons.gif", balloons},
        {"DUPBILDER/Pokal.bmp", trophy},
    };
}

QList<DemoTask> demoTasks()
{
    return {
        {"TIERE.TXT",
         {"Der Hund bellt.", "Hund.gif",
          "Katze", "Katze.jpg",
          "Maus", "Maus.bmp",
          "Der Fisch schwimmt.", "Fisch.gif",
          "Der Vogel singt.", "Vogel.jpg",
          "Frosch", "Frosch.gif"}},
        {"FARBEN.TXT",
         {"rot", "Rot.gif",
          "blau", "Blau.bmp",
          QStringLiteral("grün"), "Gruen.jpg",
          "gelb", "Gelb.gif",
          "orange", "Orange.jpg",
          "lila", "Lila.bmp",
          QStringLiteral("weiß"), "Weiss.gif"}},
        {"ZAHLEN.TXT",
         {"eins", "Wuerfel1.gif",
          "zwei", "Punkte2.bmp",
          "drei", "3",
          "vier", "Wuerfel4.jpg",
          QStringLiteral("fünf"), "Punkte5.gif",
          "sechs", "Wuerfel6.bmp",
          "sieben", "7",
          "acht", "Punkte8.jpg"}},
        {"FORMEN.TXT",
         {"Kreis", "Bilder\\Kreis.bmp",
          "Dreieck", "Dreieck.gif",
          "Quadrat", "Quadrat.jpg",
          "Rechteck", "Rechteck.bmp",
          "Stern", "Bilder\\Stern.gif",
          "Herz", "Herz.jpg",
          "Raute", "Raute.gif",
          "Oval", "Oval.jpg",
          "Sechseck", "Sechseck.gif",
          QStringLiteral("Fünfeck"), "Fuenfeck.bmp"}},
    };
}

QByteArray taskFileBytes(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        for (const QChar ch : line) {
            // Latin-1 letters are the same bytes in Windows-1252; nothing else
            // is needed for German texts.
            const ushort u = ch.unicode();
            if (u == '\r' || u == '\n' || (u >= 0x80 && u < 0xA0) || u > 0xFF)
                return QByteArray();
            out.append(char(u));
        }
        out.append("\r\n");
    }
    return out;
}

QByteArray pictureFileBytes(const QImage &image, const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("gif"))
        return duplikon::encodeGif(duplikon::quantise(image));
    // 8-bit with a palette: a third of the size of a true-colour bitmap.
    if (ext == QLatin1String("bmp"))
        return duplikon::encodeBmp8(duplikon::quantise(image));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (ext == QLatin1String("jpg")) {
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(image.width() > kCellWidth ? 88 : 92);
        writer.setOptimizedWrite(true);
        writer.setProgressiveScanWrite(false);
        if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
            return QByteArray();
    } else {
        return QByteArray();
    }
    return bytes;
}

bool writeDemoFolder(const QString &folder, QStringList *written, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QDir root(folder);
    const auto writeFile = [&](const QString &relative, const QByteArray &bytes) {
        const QString path = root.filePath(relative);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return fail(QStringLiteral("cannot create the folder of %1").arg(path));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        if (written)
            written->append(relative);
        return true;
    };

    for (const DemoPicture &picture : demoPictures()) {
        const QByteArray bytes = pictureFileBytes(picture.draw(), picture.path);
        if (bytes.isEmpty())
            return fail(QStringLiteral("cannot encode %1").arg(picture.path));
        if (!writeFile(picture.path, bytes))
            return false;
    }
    for (const DemoTask &task : demoTasks()) {
        const QByteArray bytes = taskFileBytes(task.lines);
        if (bytes.isEmpty())
            return fail(QStringLiteral("%1 holds a character outside Windows-1252").arg(task.fileName));
        if (!writeFile(task.fileName, bytes))
            return false;
    }
    return true;
}

} // namespace demogen
