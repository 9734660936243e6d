// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

namespace duplikon {

// A small INI file as administrators write it: "[Section]" lines, "Key=Value"
// lines, comments starting with ; or #, blank lines. Sections and keys are
// compared without regard to letter case. Every line is kept as it was read,
// so that writing one value leaves the rest of the file as it is.
struct IniLine {
    enum class Kind { Blank, Comment, Section, Entry, Damaged };
    Kind kind = Kind::Blank;
    QString text;      // the line as read (or as written by set())
    QString name;      // Section: its name; Entry: the key (both trimmed)
    QString value;     // Entry: the value, trimmed, without surrounding double quotes
    int section = -1;  // Entry and Damaged: index of the section line above, or -1
};

class IniFile {
public:
    // Lines end at CR LF, a lone CR or a lone LF.
    static IniFile parse(const QString &text);

    const QList<IniLine> &lines() const { return m_lines; }
    // The section name an entry line stands under; empty when it stands under
    // no section or under a damaged section line.
    QString sectionOf(const IniLine &line) const;

    // Sets key in section: the last line of that key in a section of that
    // name gets the new value; otherwise a line is added to the last such
    // section, or a new section at the end.
    void set(const QString &section, const QString &key, const QString &value);
    // The line number (1-based) of the last entry of key in section, or 0.
    int lineOf(const QString &section, const QString &key) const;

    // The lines joined with LF, as UTF-8.
    QByteArray bytes() const;

private:
    static IniLine parseLine(const QString &text);
    void reindexSections();
    QList<IniLine> m_lines;
};

} // namespace duplikon
