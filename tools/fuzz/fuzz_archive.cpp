// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the reader of tasks passed on as one file: the archive's
// entries, their names and sizes, the manifest, every medium's checksum and
// the import's checks of pictures, metafiles and sounds. What it accepts is
// written again and read back the same.
#include "FuzzEntry.h"
#include "tasks/TaskArchive.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_archive";
    static char *argv[] = { name, nullptr };
    static QGuiApplication app(argc, argv); // the image format plugins
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1024 * 1024)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const duplikon::ArchiveReading r = duplikon::readTaskArchive(bytes);
    if (r.ok != r.error.isEmpty())
        std::abort(); // a refusal carries its reason, an archive taken none
    if (!r.ok)
        return 0;
    for (auto it = r.task.media.begin(); it != r.task.media.end(); ++it) {
        const QString ending = it.key().mid(it.key().lastIndexOf(QLatin1Char('.')) + 1);
        if (duplikon::mediumName(it.value(), ending) != it.key() || !r.task.halves.contains(it.key()))
            std::abort(); // every medium matches its checksum and is used
    }
    const duplikon::ArchiveReading again = duplikon::readTaskArchive(duplikon::writeTaskArchive(r.task));
    if (!again.ok || again.task.halves != r.task.halves || again.task.media != r.task.media)
        std::abort(); // what was accepted is written so that it reads back the same
    return 0;
}
