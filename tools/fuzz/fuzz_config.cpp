// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the reader of the configuration files (duplikon.conf).
// Whatever a file holds, every key gets a value of its type; storing a user's
// value keeps every other line and reads back as stored; a file that is no
// text is never overwritten.
#include "FuzzEntry.h"
#include "platform/ClassroomConfig.h"
#include "platform/IniFile.h"
#include "platform/TextFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdlib>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 128 * 1024)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    static const QString folder = QDir::tempPath() + QStringLiteral("/duplikon-fuzz-config-%1").arg(QCoreApplication::applicationPid());
    static const bool made = QDir().mkpath(folder);
    check(made);
    const QString user = folder + QStringLiteral("/user.conf");
    const QString admin = folder + QStringLiteral("/admin.conf");
    for (const QString &path : {user, admin}) {
        QFile f(path);
        check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size());
    }

    // As an administrator's file: every value is one of its key's values,
    // every problem names the file.
    duplikon::ClassroomConfig both({user, {admin}});
    for (int i = 0; i < duplikon::config::kKeyCount; ++i) {
        const auto key = duplikon::config::Id(i);
        const duplikon::ConfigEntry &e = both.entry(key);
        check(duplikon::config::valueText(key, e.text) == e.text);
        check(e.file.isEmpty() ? e.line == 0 && !e.fixed : e.line > 0);
    }
    for (const QString &problem : both.problems())
        check(problem.startsWith(user) || problem.startsWith(admin));

    // As the user's own file: a stored value reads back, and the lines that
    // were there stay, in their order.
    duplikon::ClassroomConfig own({user, {}});
    const int tempo = own.value(duplikon::config::tempo) == 37 ? -12 : 37;
    QString error;
    const bool stored = own.set(duplikon::config::tempo, tempo, &error);
    const QByteArray after = fileBytes(user);
    if (!stored) {
        check(after == bytes && !error.isEmpty());
        return 0;
    }
    check(duplikon::ClassroomConfig({user, {}}).value(duplikon::config::tempo) == tempo);
    const QList<duplikon::IniLine> was = duplikon::IniFile::parse(duplikon::decodeText(bytes)).lines();
    const QList<duplikon::IniLine> now = duplikon::IniFile::parse(duplikon::decodeText(after)).lines();
    int kept = 0; // was's lines found in now, in order
    int same = 0; // lines equal at the same place
    for (int i = 0; i < now.size(); ++i) {
        if (kept < was.size() && now.at(i).text == was.at(kept).text)
            ++kept;
        same += i < was.size() && now.at(i).text == was.at(i).text;
    }
    // Either one line took the new value, or up to three were added.
    check(now.size() == was.size() ? same >= was.size() - 1 : kept == was.size() && now.size() <= was.size() + 3);
    return 0;
}
