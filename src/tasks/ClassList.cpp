// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasks/ClassList.h"

#include "platform/TextFiles.h"
#include "tasks/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace duplikon {

namespace {

QString nameKey(const QString &name)
{
    return name.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded();
}

// The first field of a line: up to ';', ',' or a tab, or a field in double
// quotes with "" for a quote inside. Nothing for a quote never closed.
bool firstField(const QString &line, QString *field)
{
    const QString text = line.trimmed();
    if (!text.startsWith(QLatin1Char('"'))) {
        qsizetype end = 0;
        while (end < text.size() && text.at(end) != u';' && text.at(end) != u',' && text.at(end) != u'\t')
            ++end;
        *field = text.left(end);
        return true;
    }
    QString out;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text.at(i) != u'"') {
            out += text.at(i);
        } else if (i + 1 < text.size() && text.at(i + 1) == u'"') {
            out += u'"';
            ++i;
        } else {
            *field = out;
            return true;
        }
    }
    return false;
}

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return true;
    return false;
}

} // namespace

QString classListPath(const QString &programFolder)
{
    return QDir(programFolder).filePath(ProgramFolder::classListFileName());
}

ClassList readClassList(const QString &path)
{
    ClassList list;
    QByteArray bytes;
    if (!readFileBytes(path, kMaxClassListBytes, &bytes, &list.error)) {
        list.exists = QFileInfo::exists(path) || QFileInfo(path).isSymLink();
        return list;
    }
    list.exists = true;
    if (bytes.contains('\0')) {
        list.error = QCoreApplication::translate("duplikon::ClassList", "Die Klassenliste ist keine Textdatei.");
        return list;
    }
    list.ok = true;
    QSet<QString> seen;
    for (const QString &line : splitLines(decodeText(bytes))) {
        QString name;
        if (line.trimmed().isEmpty())
            continue;
        if (!firstField(line, &name) || hasControlCharacter(name)) {
            ++list.skipped;
            continue;
        }
        name = name.trimmed().normalized(QString::NormalizationForm_C);
        if (name.isEmpty())
            continue;
        if (name.size() > kMaxNameLength || list.names.size() >= kMaxClassListNames) {
            ++list.skipped;
            continue;
        }
        const QString key = nameKey(name);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        list.names.append(name);
    }
    return list;
}

QByteArray classListBytes(const QStringList &names)
{
    QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF");
    for (const QString &name : names) {
        QString field = name.trimmed();
        if (field.contains(u';') || field.contains(u',') || field.contains(u'\t') || field.startsWith(u'"'))
            field = u'"' + QString(field).replace(QLatin1String("\""), QLatin1String("\"\"")) + u'"';
        bytes += field.toUtf8() + "\r\n";
    }
    return bytes;
}

bool writeClassList(const QString &path, const QStringList &names, QString *error)
{
    return writeFileAtomically(path, classListBytes(names), error);
}

bool sameName(const QString &a, const QString &b)
{
    return nameKey(a) == nameKey(b);
}

QString listedName(const QStringList &names, const QString &typed)
{
    for (const QString &name : names)
        if (sameName(name, typed))
            return name;
    return typed;
}

} // namespace duplikon
