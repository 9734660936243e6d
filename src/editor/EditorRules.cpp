// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorRules.h"

#include "platform/FileLists.h"

namespace duplikon::editor {

namespace {
bool hasControlCharacter(const QString &s)
{
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029)
            return true;
    }
    return false;
}
} // namespace

TaskFileName taskFileName(const QString &answer)
{
    TaskFileName r;
    if (answer.isEmpty())
        return r;
    r.verdict = TaskFileName::NotAllowed;
    if (answer.trimmed().isEmpty() || answer.contains(QLatin1Char('/')) || answer.contains(QLatin1Char('\\'))
        || answer.contains(QLatin1String("..")) || hasControlCharacter(answer))
        return r;
    QString name = answer.toUpper();
    if (!name.endsWith(QLatin1String(".TXT")) && !name.contains(QLatin1Char('.')))
        name += QLatin1String(".TXT");
    bool onlyDots = true;
    for (QChar c : name)
        if (c != QLatin1Char('.'))
            onlyDots = false;
    if (onlyDots || name.toUtf8().size() > 255)
        return r;
    r.verdict = TaskFileName::Ok;
    r.name = withoutDeviceName(name);
    return r;
}

QStringList pairLines(const QStringList &list1, const QStringList &list2)
{
    QStringList lines;
    lines.reserve(list1.size() * 2);
    for (int i = 0; i < list1.size(); ++i) {
        lines << list1.at(i);
        lines << (i < list2.size() ? list2.at(i) : QString());
    }
    return lines;
}

QString textForm(const QStringList &list1, const QStringList &list2)
{
    QString text;
    for (const QString &line : pairLines(list1, list2)) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

void dealPairs(const QStringList &lines, bool dropEmpty, QStringList *list1, QStringList *list2)
{
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (dropEmpty && line.isEmpty())
            continue;
        (i % 2 == 0 ? list1 : list2)->append(line);
    }
}

int moveTarget(int selected, int count, int step)
{
    if (count < 2 || selected < 0 || selected >= count)
        return -1;
    int j = selected + step;
    if (j < 0)
        j = count - 1;
    if (j >= count)
        j = 0;
    return j;
}

QString droppedPicturePath(const QString &folderEntry, const QString &fileName)
{
    if (fileName.isEmpty())
        return QString();
    QString folder = folderEntry;
    if (!folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('\\');
    folder = folder.mid(folder.indexOf(QLatin1Char('\\')) + 1);
    return folder + fileName;
}

} // namespace duplikon::editor
