// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace demogen {

// One picture file of the demo folder; path uses "/" and is relative to the
// folder. The format follows the extension: .bmp, .gif or .jpg.
struct DemoPicture {
    QString path;
    std::function<QImage()> draw;
};

// One task file: the halves in file order, left half then right half.
struct DemoTask {
    QString fileName;
    QStringList lines;
};

QList<DemoPicture> demoPictures();
QList<DemoTask> demoTasks();

// Task file bytes: Windows-1252, CR LF after every line. Empty when a line
// holds a character that Windows-1252 lacks.
QByteArray taskFileBytes(const QStringList &lines);

// Picture file bytes in the format of the extension of path (8-bit Windows
// bitmap, GIF, or JPEG). Empty for an unknown extension.
QByteArray pictureFileBytes(const QImage &image, const QString &path);

// Writes every picture and task file into folder (creating subfolders). Other
// files in the folder are left alone. The bytes depend only on the drawings.
bool writeDemoFolder(const QString &folder, QStringList *written, QString *error);

} // namespace demogen
