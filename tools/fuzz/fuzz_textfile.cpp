// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the task-file text reader (decoding, line splitting and
// reading a file from disk).
#include "FuzzEntry.h"
#include "platform/TextFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 2 * 1024 * 1024)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const QString text = duplikon::decodeText(bytes);
    const QStringList lines = duplikon::splitLines(text);
    for (const QString &line : lines) {
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
            std::abort(); // a line never holds a line end
    }
    static const QString path = QDir::tempPath() + QStringLiteral("/duplikon-fuzz-%1.txt").arg(QCoreApplication::applicationPid());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
        f.close();
        const duplikon::TextFileResult r = duplikon::readTextLines(path);
        if (r.ok && r.lines != lines)
            std::abort(); // the file gives the same lines as the bytes
        if (!r.ok && r.error.isEmpty())
            std::abort();
    }
    return 0;
}
