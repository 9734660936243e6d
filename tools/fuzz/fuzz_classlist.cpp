// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the class list reader (encodings, table columns, quotes,
// limits) on a file from disk, and the list written back reads the same.
#include "FuzzEntry.h"
#include "tasks/ClassList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

namespace {
bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace duplikon;
    if (size > 2 * kMaxClassListBytes)
        return 0;
    static const QString path = QDir::tempPath() + QStringLiteral("/duplikon-fuzz-%1.csv").arg(QCoreApplication::applicationPid());
    if (!writeFile(path, QByteArray(reinterpret_cast<const char *>(data), int(size))))
        return 0;
    const ClassList list = readClassList(path);
    if (!list.exists || (!list.ok && list.error.isEmpty()) || (!list.ok && !list.names.isEmpty()))
        std::abort();
    if (list.names.size() > kMaxClassListNames)
        std::abort();
    for (int i = 0; i < list.names.size(); ++i) {
        const QString &name = list.names.at(i);
        if (name.isEmpty() || name.size() > kMaxNameLength || name != name.trimmed())
            std::abort(); // a name is trimmed, within its length
        for (int k = 0; k < i; ++k)
            if (sameName(name, list.names.at(k)))
                std::abort(); // each child once
    }
    // The list as the editor saves it gives the same names back.
    if (list.ok && writeFile(path, classListBytes(list.names))) {
        const ClassList again = readClassList(path);
        if (!again.ok || again.names != list.names)
            std::abort();
    }
    QFile::remove(path);
    return 0;
}
