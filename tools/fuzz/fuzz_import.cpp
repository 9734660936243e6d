// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the import of a teacher's own picture: the format checks
// (HEIC, what an SVG refers to and repeats, the end of the file), the size limits, the decode in
// any format Qt reads and the fitting into a cell and the solution picture.
#include "FuzzEntry.h"
#include "pictures/Metafile.h"
#include "pictures/PictureImport.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_import";
    static char *argv[] = { name, nullptr };
    static QGuiApplication app(argc, argv); // the image format plugins
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false\nqt.svg*=false"));
    return 0;
}

namespace {

void check(const QByteArray &bytes, duplikon::ImportKind kind)
{
    const duplikon::PreparedPicture p = duplikon::preparePicture(bytes, QStringLiteral("x"), kind);
    if (p.ok != p.error.isEmpty())
        std::abort(); // a failure carries its reason, a success none
    if (!p.ok)
        return;
    const QSize box = duplikon::importBox(kind);
    if (p.extension == QLatin1String("WMF")) {
        const QSize natural = duplikon::renderMetafile(p.bytes, QSize(1, 1), false).naturalSize;
        if (!natural.isValid() || natural.width() > box.width() || natural.height() > box.height())
            std::abort(); // a metafile is written to draw within the box
        return;
    }
    const QImage stored = QImage::fromData(p.bytes);
    if (stored.isNull() || stored.width() > box.width() || stored.height() > box.height())
        std::abort(); // the stored picture is readable and fits
    if (kind == duplikon::ImportKind::Solution && stored.size() != box)
        std::abort(); // a solution picture is exactly the solution size
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1024 * 1024)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    check(bytes, duplikon::ImportKind::Cell);
    check(bytes, duplikon::ImportKind::Solution);
    return 0;
}
