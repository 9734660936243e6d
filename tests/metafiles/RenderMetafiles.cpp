// SPDX-License-Identifier: GPL-3.0-or-later
// Renders metafiles through the program's picture loader, stretched to a
// given size, and writes each as PNG; the differential test compares them
// with another renderer's pictures.
//   render_metafiles <in.wmf> <width> <height> <out.png> [...]
#include "pictures/PictureLoader.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the text records
    if (argc < 5 || (argc - 1) % 4 != 0) {
        std::fprintf(stderr, "usage: render_metafiles <in.wmf> <width> <height> <out.png> [...]\n");
        return 2;
    }
    int failed = 0;
    for (int i = 1; i + 3 < argc; i += 4) {
        QFile in(QString::fromLocal8Bit(argv[i]));
        const QSize size(QByteArray(argv[i + 1]).toInt(), QByteArray(argv[i + 2]).toInt());
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: cannot read\n", argv[i]);
            ++failed;
            continue;
        }
        const duplikon::LoadedPicture pic = duplikon::loadPictureData(in.readAll(), size, duplikon::PictureFit::Stretch);
        if (!pic.ok || !pic.image.save(QString::fromLocal8Bit(argv[i + 3]), "PNG")) {
            std::fprintf(stderr, "%s: %s\n", argv[i], qPrintable(pic.error));
            ++failed;
        }
    }
    return failed ? 1 : 0;
}
