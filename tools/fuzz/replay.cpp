// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds every file of the folders (or the files) named on the command line
// once to a fuzz target's entry point, as libFuzzer does with a corpus, so the
// seeds and every finding run in the normal and the sanitizer build. A folder
// that does not exist is skipped; an input that crashes ends the program.
#include "FuzzEntry.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isFile()) {
            inputs << arg;
            continue;
        }
        QDirIterator it(arg, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            inputs << it.next();
    }
    inputs.sort();
    for (const QString &path : inputs) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        std::printf("%s (%lld bytes)\n", qPrintable(path), static_cast<long long>(bytes.size()));
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
    std::printf("%lld inputs replayed\n", static_cast<long long>(inputs.size()));
    return inputs.isEmpty() ? 1 : 0;
}
