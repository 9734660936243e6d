// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/SettingsFile.h"

#include "tasks/ProgramFolder.h"
#include "platform/TextFiles.h"

#include <limits>

namespace duplikon {

QString settingsFileName() { return ProgramFolder::settingsFileName(); }

namespace {

constexpr int kNumberRecords = 5;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

enum class Field { Empty, Number, NotANumber };

// A number record: blanks around it are ignored, it ends at a comma or at the
// end of the line, and it is a whole number with an optional sign that fits
// into 32 bits.
Field readNumber(const QString &line, qint32 *value)
{
    const int comma = line.indexOf(QLatin1Char(','));
    QString field = comma < 0 ? line : line.left(comma);
    int begin = 0;
    int end = field.size();
    while (begin < end && isBlank(field.at(begin)))
        ++begin;
    while (end > begin && isBlank(field.at(end - 1)))
        --end;
    if (begin == end)
        return Field::Empty;
    field = field.mid(begin, end - begin);

    int i = 0;
    bool negative = false;
    if (field.at(0) == QLatin1Char('-') || field.at(0) == QLatin1Char('+')) {
        negative = field.at(0) == QLatin1Char('-');
        ++i;
    }
    if (i == field.size())
        return Field::NotANumber;
    qint64 n = 0;
    for (; i < field.size(); ++i) {
        const QChar c = field.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Field::NotANumber;
        n = n * 10 + (c.unicode() - '0');
        if (n > qint64(std::numeric_limits<qint32>::max()) + 1)
            return Field::NotANumber;
    }
    if (negative)
        n = -n;
    if (n > std::numeric_limits<qint32>::max())
        return Field::NotANumber;
    *value = qint32(n);
    return Field::Number;
}

// A check box holds 0 or 1; any other stored number leaves the switch clear.
int switchValue(qint32 v)
{
    return v == 1 ? 1 : 0;
}

QString numberLine(qint32 v)
{
    // A value of 0 or more is written with a blank in place of the sign.
    if (v >= 0)
        return QLatin1Char(' ') + QString::number(v) + QLatin1Char(' ');
    return QString::number(v) + QLatin1Char(' ');
}

} // namespace

Settings parseSettings(const QByteArray &bytes, bool *ok)
{
    if (ok)
        *ok = false;
    if (bytes.size() > kMaxTextFileSize)
        return Settings();

    const QStringList lines = splitLines(decodeText(bytes));
    Settings s;
    int *const switches[4] = {&s.check1, &s.check2, &s.check3, &s.check5};
    for (int r = 0; r < kNumberRecords && r < lines.size(); ++r) {
        qint32 v = 0;
        const Field f = readNumber(lines.at(r), &v);
        if (f == Field::NotANumber)
            return Settings(); // damaged: take nothing of it
        if (f == Field::Empty)
            continue;          // an empty record keeps its default
        if (r < 4)
            *switches[r] = switchValue(v);
        else
            s.colour = v;
    }
    for (int i = kNumberRecords; i < lines.size(); ++i) {
        const QString &entry = lines.at(i);
        // An empty or blank line names no task file; it must not become a
        // phantom mandatory task.
        if (entry.trimmed().isEmpty())
            continue;
        s.pflicht.append(entry);
    }
    if (ok)
        *ok = true;
    return s;
}

bool readSettingsFile(const QString &path, Settings *out)
{
    Settings defaults;
    if (out)
        *out = defaults;
    QByteArray bytes;
    if (!readFileBytes(path, kMaxTextFileSize, &bytes, nullptr))
        return false;
    bool ok = false;
    const Settings s = parseSettings(bytes, &ok);
    if (out)
        *out = s;
    return ok;
}

QByteArray settingsBytes(const Settings &s)
{
    QStringList lines;
    lines << numberLine(s.check1) << numberLine(s.check2) << numberLine(s.check3)
          << numberLine(s.check5) << numberLine(s.colour);
    lines << s.pflicht;
    return linesToBytes(lines);
}

bool writeSettingsFile(const QString &path, const Settings &s, QString *error)
{
    return writeFileAtomically(path, settingsBytes(s), error);
}

} // namespace duplikon
