// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/Task.h"

#include "pictures/MediaNames.h"
#include "platform/FileLists.h"
#include "platform/TextFiles.h"

namespace duplikon {

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
    switch (mediaKindOfName(text)) {
    case MediaKind::RasterPicture: h.kind = Kind::RasterPicture; break;
    case MediaKind::Metafile: h.kind = Kind::Metafile; break;
    case MediaKind::Sound: h.kind = Kind::Sound; break;
    case MediaKind::None: break;
    }
    return h;
}

QString Half::fileName() const
{
    const qsizetype slash = qMax(text.lastIndexOf(QLatin1Char('\\')), text.lastIndexOf(QLatin1Char('/')));
    return text.mid(slash + 1);
}

QString Half::spokenName() const
{
    if (isText())
        return text;
    const QString file = fileName();
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? file.left(dot) : file;
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
