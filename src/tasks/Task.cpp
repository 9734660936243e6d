// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/Task.h"

#include "pictures/SoundHalf.h"
#include "platform/FileLists.h"
#include "platform/TextFiles.h"

namespace duplikon {

bool isPictureName(const QString &half)
{
    static const QString endings = QStringLiteral(".BMP.GIF.JPG.WMF");
    const QString e = half.right(4).toUpper();
    return endings.contains(e);
}

QString halfFileName(const QString &half)
{
    const int slash = qMax(half.lastIndexOf(QLatin1Char('\\')), half.lastIndexOf(QLatin1Char('/')));
    return half.mid(slash + 1);
}

QString spokenPictureName(const QString &half)
{
    const QString file = halfFileName(half);
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? file.left(dot) : file;
}

QStringList usedLines(const QStringList &lines)
{
    QStringList used;
    for (const QString &l : lines) {
        if (l.isEmpty())
            continue;
        if (used.size() >= kMaxUsedLines)
            break;
        used << l;
    }
    return used;
}

Half Half::of(const QString &text)
{
    Half h;
    h.text = text;
    if (isPictureName(text))
        h.kind = Kind::Picture;
    else if (isSoundName(text))
        h.kind = Kind::Sound;
    return h;
}

QString Half::file(const QString &folder) const
{
    return kind == Kind::Text ? QString() : resolveHalf(folder, text);
}

QVector<Half> Task::halves() const
{
    QVector<Half> list;
    for (const QString &line : usedLines())
        list << Half::of(line);
    return list;
}

QStringList Task::files(const QString &folder) const
{
    QStringList list;
    for (const Half &h : halves()) {
        const QString path = h.file(folder);
        if (!path.isEmpty() && !list.contains(path))
            list << path;
    }
    return list;
}

TaskRead readTask(const QString &folder, const QString &name)
{
    TaskRead r;
    const TextFileResult file = readTextLines(resolvePath(folder, name));
    r.ok = file.ok;
    r.error = file.error;
    r.task.name = name;
    r.task.lines = file.lines;
    r.task.bytes = file.bytes;
    return r;
}

QByteArray taskBytes(const Task &task)
{
    return linesToBytes(task.lines);
}

bool writeTask(const QString &path, const Task &task, QString *error)
{
    return writeFileAtomically(path, taskBytes(task), error);
}

} // namespace duplikon
