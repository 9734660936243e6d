// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the picture loader's raster path (Windows bitmap, GIF,
// JPEG): the check that a file's end is present, then the decode into a
// board cell and into a small stretched box.
#include "FuzzEntry.h"
#include "pictures/Metafile.h"
#include "pictures/PictureLoader.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_raster";
    static char *argv[] = { name, nullptr };
    static QGuiApplication app(argc, argv); // the image format plugins
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false")); // the decoders' complaints
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1024 * 1024)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    if (duplikon::looksLikeMetafile(bytes))
        return 0; // the metafile target's
    const bool complete = duplikon::pictureEndIsPresent(bytes.left(duplikon::kPictureHeadBytes),
                                                        bytes.right(duplikon::kPictureTailBytes), bytes.size());
    const duplikon::LoadedPicture cell = duplikon::loadPictureData(bytes, QSize(161, 121), duplikon::PictureFit::Clip);
    if (cell.ok != cell.error.isEmpty())
        std::abort(); // a failure carries its reason, a success none
    if (cell.ok && !complete)
        std::abort(); // a file without its end is never shown
    if (cell.ok && (cell.image.width() > 161 || cell.image.height() > 121))
        std::abort(); // an unscaled picture never exceeds its box
    const duplikon::LoadedPicture small = duplikon::loadPictureData(bytes, QSize(48, 36), duplikon::PictureFit::Stretch);
    if (small.ok && small.image.size() != QSize(48, 36))
        std::abort(); // a stretched picture is exactly the box
    return 0;
}
