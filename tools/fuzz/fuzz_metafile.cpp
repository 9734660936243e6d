// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the picture loader's metafile path. Every input must give
// a result (ok or a German reason) without a crash, a leak or a runaway.
#include "FuzzEntry.h"
#include "pictures/Metafile.h"
#include "pictures/PictureLoader.h"

#include <QGuiApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_metafile";
    static char *argv[] = { name, nullptr };
    static QGuiApplication app(argc, argv); // fonts for the text records
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1024 * 1024)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    if (!duplikon::looksLikeMetafile(bytes))
        return 0;
    const duplikon::LoadedPicture cell = duplikon::loadPictureData(bytes, QSize(161, 121), duplikon::PictureFit::Clip);
    if (!cell.ok && cell.error.isEmpty())
        std::abort(); // a failure must carry its reason
    if (cell.ok && (cell.image.width() > 161 || cell.image.height() > 121))
        std::abort(); // an unscaled picture never exceeds its box
    const duplikon::LoadedPicture big = duplikon::loadPictureData(bytes, QSize(240, 150), duplikon::PictureFit::Stretch);
    if (big.ok && big.image.size() != QSize(240, 150))
        std::abort(); // a stretched picture is exactly the box
    return 0;
}
