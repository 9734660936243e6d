// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the reader of the teacher's settings file. Whatever it
// takes, the program writes back and reads again as the same settings; what it
// refuses leaves every value at its default.
#include "FuzzEntry.h"
#include "lesson/SettingsFile.h"

#include <cstdlib>

namespace {

bool sameNumbers(const duplikon::Settings &a, const duplikon::Settings &b)
{
    return a.check1 == b.check1 && a.check2 == b.check2 && a.check3 == b.check3 && a.check5 == b.check5
           && a.colour == b.colour;
}

bool isSwitch(int v)
{
    return v == 0 || v == 1;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 2 * 1024 * 1024)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    bool ok = false;
    const duplikon::Settings s = duplikon::parseSettings(bytes, &ok);
    if (!ok) {
        if (!sameNumbers(s, duplikon::Settings()) || !s.pflicht.isEmpty())
            std::abort(); // nothing of a damaged file is taken
        return 0;
    }
    if (!isSwitch(s.check1) || !isSwitch(s.check2) || !isSwitch(s.check3) || !isSwitch(s.check5))
        std::abort(); // a switch is on or off
    for (const QString &entry : s.pflicht) {
        if (entry.trimmed().isEmpty() || entry.contains(QLatin1Char('\n')) || entry.contains(QLatin1Char('\r')))
            std::abort(); // one non-blank task per entry
    }
    bool again = false;
    const duplikon::Settings t = duplikon::parseSettings(duplikon::settingsBytes(s), &again);
    if (!again || !sameNumbers(s, t) || t.pflicht.size() != s.pflicht.size())
        std::abort(); // what was taken is written back as the same settings
    return 0;
}
