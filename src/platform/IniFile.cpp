// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniFile.h"

#include "platform/TextFiles.h"

namespace duplikon {

namespace {
bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A value as written: quoted when it would otherwise lose its spaces or quotes.
QString valueText(const QString &value)
{
    if (value != value.trimmed() || value.startsWith(QLatin1Char('"')))
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}
} // namespace

IniLine IniFile::parseLine(const QString &text)
{
    IniLine line;
    line.text = text;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return line;
    if (t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'))) {
        line.kind = IniLine::Kind::Comment;
        return line;
    }
    if (t.startsWith(QLatin1Char('['))) {
        const QString name = t.mid(1, t.size() - 2).trimmed();
        const bool closed = t.size() >= 2 && t.endsWith(QLatin1Char(']'));
        if (closed && !name.isEmpty() && !name.contains(QLatin1Char('[')) && !name.contains(QLatin1Char(']'))) {
            line.kind = IniLine::Kind::Section;
            line.name = name;
        } else {
            line.kind = IniLine::Kind::Damaged;
        }
        return line;
    }
    const int equals = t.indexOf(QLatin1Char('='));
    line.name = t.left(equals).trimmed();
    if (equals <= 0 || line.name.isEmpty()) {
        line.kind = IniLine::Kind::Damaged;
        line.name.clear();
        return line;
    }
    line.kind = IniLine::Kind::Entry;
    line.value = t.mid(equals + 1).trimmed();
    if (line.value.size() >= 2 && line.value.startsWith(QLatin1Char('"')) && line.value.endsWith(QLatin1Char('"')))
        line.value = line.value.mid(1, line.value.size() - 2);
    return line;
}

IniFile IniFile::parse(const QString &text)
{
    IniFile file;
    const QStringList lines = splitLines(text);
    file.m_lines.reserve(lines.size());
    for (const QString &l : lines)
        file.m_lines << parseLine(l);
    file.reindexSections();
    return file;
}

void IniFile::reindexSections()
{
    int section = -1;
    for (int i = 0; i < m_lines.size(); ++i) {
        IniLine &line = m_lines[i];
        const bool header = line.kind == IniLine::Kind::Section
            || (line.kind == IniLine::Kind::Damaged && line.text.trimmed().startsWith(QLatin1Char('[')));
        if (header)
            section = i;
        line.section = header ? -1 : section;
    }
}

QString IniFile::sectionOf(const IniLine &line) const
{
    if (line.section < 0 || line.section >= m_lines.size())
        return QString();
    const IniLine &header = m_lines.at(line.section);
    return header.kind == IniLine::Kind::Section ? header.name : QString();
}

int IniFile::lineOf(const QString &section, const QString &key) const
{
    for (int i = m_lines.size() - 1; i >= 0; --i) {
        const IniLine &line = m_lines.at(i);
        if (line.kind == IniLine::Kind::Entry && sameName(line.name, key) && sameName(sectionOf(line), section))
            return i + 1;
    }
    return 0;
}

void IniFile::set(const QString &section, const QString &key, const QString &value)
{
    const QString text = key + QLatin1Char('=') + valueText(value);
    if (const int at = lineOf(section, key)) {
        m_lines[at - 1] = parseLine(text);
        reindexSections();
        return;
    }
    // After the last entry of the last section of that name (a comment
    // that follows it may be about the next section).
    int header = -1;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).kind == IniLine::Kind::Section && sameName(m_lines.at(i).name, section))
            header = i;
    }
    int insertAt = header + 1;
    for (int i = header + 1; header >= 0 && i < m_lines.size() && m_lines.at(i).section == header; ++i) {
        if (m_lines.at(i).kind == IniLine::Kind::Entry || m_lines.at(i).kind == IniLine::Kind::Damaged)
            insertAt = i + 1;
    }
    if (header < 0) {
        if (!m_lines.isEmpty() && m_lines.constLast().kind != IniLine::Kind::Blank)
            m_lines << parseLine(QString());
        m_lines << parseLine(QLatin1Char('[') + section + QLatin1Char(']'));
        insertAt = m_lines.size();
    }
    m_lines.insert(insertAt, parseLine(text));
    reindexSections();
}

QByteArray IniFile::bytes() const
{
    QString text;
    for (const IniLine &line : m_lines) {
        text += line.text;
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace duplikon
