// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClassroomConfig.h"

#include "platform/IniFile.h"
#include "platform/Language.h"
#include "platform/RegularFile.h"
#include "platform/TextFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace duplikon {

namespace config {

namespace {
template <typename T> constexpr Type typeOf();
template <> constexpr Type typeOf<bool>() { return Type::Switch; }
template <> constexpr Type typeOf<WindowSize>() { return Type::Size; }
template <> constexpr Type typeOf<QString>() { return Type::Text; }
template <> constexpr Type typeOf<int>() { return Type::Number; }
template <> constexpr Type typeOf<Choice>() { return Type::Choice; }

#define DUPLIKON_CONFIG_ROW(handle, name, type, fallback, place) KeyRow{name, typeOf<type>(), fallback, Place::place},
const KeyRow kRows[kKeyCount] = {DUPLIKON_CONFIG_KEYS(DUPLIKON_CONFIG_ROW)};
#undef DUPLIKON_CONFIG_ROW

constexpr int kMinimum = -100;
constexpr int kMaximum = 100;
} // namespace

const KeyRow &row(Id key)
{
    return kRows[int(key)];
}

QStringList choices(Id key)
{
    switch (key) {
    case Id::playKind:
        return {QStringLiteral("Zuordnen"), QStringLiteral("Aufdecken")};
    case Id::cardPairs:
        return {QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("10")};
    case Id::coverAfter:
        return {QStringLiteral("Tippen"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                QStringLiteral("4"), QStringLiteral("5")};
    case Id::teams:
        return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
    case Id::language:
        return languageSettingValues();
    default:
        return {};
    }
}

std::optional<QString> valueText(Id key, const QString &text)
{
    const Type type = row(key).type;
    switch (type) {
    case Type::Choice:
        for (const QString &choice : choices(key))
            if (text.compare(choice, Qt::CaseInsensitive) == 0)
                return choice;
        return std::nullopt;
    case Type::Switch:
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1"))
            return QStringLiteral("true");
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text == QLatin1String("0"))
            return QStringLiteral("false");
        return std::nullopt;
    case Type::Size:
        if (const auto size = windowSizeFromText(text))
            return windowSizeText(*size);
        return std::nullopt;
    case Type::Number: {
        bool ok = false;
        const int n = text.toInt(&ok);
        if (!ok || n < kMinimum || n > kMaximum)
            return std::nullopt;
        return QString::number(n);
    }
    case Type::Text:
        break;
    }
    return text;
}

template <> bool fromText<bool>(const QString &text) { return text == QLatin1String("true"); }
template <> int fromText<int>(const QString &text) { return text.toInt(); }
template <> QString fromText<QString>(const QString &text) { return text; }
template <> WindowSize fromText<WindowSize>(const QString &text)
{
    return windowSizeFromText(text).value_or(WindowSize::Normal);
}
template <> QString toText<bool>(const bool &value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }
template <> QString toText<int>(const int &value) { return QString::number(qBound(kMinimum, value, kMaximum)); }
template <> QString toText<QString>(const QString &value) { return value; }
template <> QString toText<WindowSize>(const WindowSize &value) { return windowSizeText(value); }
template <> Choice fromText<Choice>(const QString &text) { return Choice{text}; }
template <> QString toText<Choice>(const Choice &value) { return value.text; }

} // namespace config

namespace {

const QString kValuesSection = QStringLiteral("Duplikon");
const QString kFixedSection = QStringLiteral("Fest");
const QString kFileInFolder = QStringLiteral("/duplikon/duplikon.conf");
// Far more than any configuration needs; a larger file is none.
constexpr qint64 kMaxFileSize = 64 * 1024;

std::optional<config::Id> keyNamed(const QString &name)
{
    for (int i = 0; i < config::kKeyCount; ++i) {
        if (name.compare(QLatin1String(config::row(config::Id(i)).name), Qt::CaseInsensitive) == 0)
            return config::Id(i);
    }
    return std::nullopt;
}

QString typeHint(config::Id key)
{
    switch (config::row(key).type) {
    case config::Type::Choice: {
        QStringList words = config::choices(key);
        words.removeOne(language::kTest); // for tests only, named nowhere
        const QString last = words.takeLast();
        return words.join(QStringLiteral(", ")) + QCoreApplication::translate("duplikon::ClassroomConfig", " oder ") + last;
    }
    case config::Type::Switch:
        return QCoreApplication::translate("duplikon::ClassroomConfig", "true oder false");
    case config::Type::Size:
        return QCoreApplication::translate("duplikon::ClassroomConfig", "100, 150, 200 oder Bildschirm");
    case config::Type::Number:
        return QCoreApplication::translate("duplikon::ClassroomConfig", "eine ganze Zahl von -100 bis 100");
    case config::Type::Text:
        break;
    }
    return QCoreApplication::translate("duplikon::ClassroomConfig", "ein Text");
}

// What one file sets: per key the last value understood in [Duplikon] and in [Fest].
struct FileValues {
    QString path;
    std::array<std::optional<ConfigEntry>, config::kKeyCount> values, fixed;
};

// Reads a file as text: nothing when it is missing; unusable (with a problem)
// when it is there but cannot be read, is too large or holds no text.
std::optional<IniFile> readIni(const QString &path, QStringList *problems, bool *unusable)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return std::nullopt;
    QByteArray bytes;
    QString error;
    if (!readRegularFile(path, kMaxFileSize, &bytes, &error)) {
        *problems << QCoreApplication::translate("duplikon::ClassroomConfig", "%1: %2 Die Datei gilt als nicht vorhanden.").arg(path, error);
        *unusable = true;
        return std::nullopt;
    }
    // A NUL never stands in a text file: this is a picture, an archive or
    // some other file, and none of its lines would mean anything.
    if (bytes.contains('\0')) {
        *problems << QCoreApplication::translate("duplikon::ClassroomConfig", "%1: Das ist keine Textdatei. Die Datei gilt als nicht vorhanden.").arg(path);
        *unusable = true;
        return std::nullopt;
    }
    return IniFile::parse(decodeText(bytes));
}

// The values of one file; fixed values only from an administrator's file.
FileValues readValues(const QString &path, bool administrator, QStringList *problems, bool *unusable)
{
    FileValues result;
    result.path = path;
    const std::optional<IniFile> ini = readIni(path, problems, unusable);
    if (!ini)
        return result;
    const auto skip = [&](int line, const QString &why) {
        *problems << QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(why);
    };
    const QList<IniLine> &lines = ini->lines();
    for (int i = 0; i < lines.size(); ++i) {
        const IniLine &line = lines.at(i);
        const int number = i + 1;
        if (line.kind == IniLine::Kind::Section) {
            const bool values = line.name.compare(kValuesSection, Qt::CaseInsensitive) == 0;
            const bool fixed = line.name.compare(kFixedSection, Qt::CaseInsensitive) == 0;
            if (fixed && !administrator)
                skip(number, QCoreApplication::translate("duplikon::ClassroomConfig", "[Fest] gilt nur in der Datei des Administrators, der Abschnitt wird übergangen."));
            else if (!values && !fixed)
                skip(number, QCoreApplication::translate("duplikon::ClassroomConfig", "Unbekannter Abschnitt „[%1]“ wird übergangen.").arg(line.name));
            continue;
        }
        if (line.kind == IniLine::Kind::Damaged) {
            const bool header = line.section < 0 && line.text.trimmed().startsWith(QLatin1Char('['));
            skip(number, header ? QCoreApplication::translate("duplikon::ClassroomConfig", "Beschädigte Zeile „%1“, der Abschnitt wird übergangen.").arg(line.text.trimmed())
                                : QCoreApplication::translate("duplikon::ClassroomConfig", "Beschädigte Zeile „%1“ wird übergangen.").arg(line.text.trimmed()));
            continue;
        }
        if (line.kind != IniLine::Kind::Entry)
            continue;
        if (line.section < 0) {
            skip(number, QCoreApplication::translate("duplikon::ClassroomConfig", "„%1“ steht in keinem Abschnitt und wird übergangen.").arg(line.name));
            continue;
        }
        const QString section = ini->sectionOf(line);
        const bool fixed = section.compare(kFixedSection, Qt::CaseInsensitive) == 0;
        // Lines of a skipped section were named with it.
        if ((!fixed && section.compare(kValuesSection, Qt::CaseInsensitive) != 0) || (fixed && !administrator))
            continue;
        const std::optional<config::Id> key = keyNamed(line.name);
        if (!key) {
            skip(number, QCoreApplication::translate("duplikon::ClassroomConfig", "Unbekannter Schlüssel „%1“ wird übergangen.").arg(line.name));
            continue;
        }
        const config::KeyRow &row = config::row(*key);
        if (row.place == config::Place::Lock && !fixed) {
            skip(number, QCoreApplication::translate("duplikon::ClassroomConfig", "%1 gilt nur im Abschnitt [Fest] und wird übergangen.").arg(QLatin1String(row.name)));
            continue;
        }
        const std::optional<QString> text = config::valueText(*key, line.value);
        if (!text) {
            skip(number, QCoreApplication::translate("duplikon::ClassroomConfig", "„%1“ ist kein Wert für %2 (%3) und wird übergangen.")
                             .arg(line.value, QLatin1String(row.name), typeHint(*key)));
            continue;
        }
        (fixed ? result.fixed : result.values)[std::size_t(*key)] = ConfigEntry{*text, path, number, fixed};
    }
    return result;
}

} // namespace

QString windowSizeText(WindowSize size)
{
    switch (size) {
    case WindowSize::Normal:
        return QStringLiteral("100");
    case WindowSize::OneAndAHalf:
        return QStringLiteral("150");
    case WindowSize::Double:
        return QStringLiteral("200");
    case WindowSize::Screen:
        break;
    }
    return QStringLiteral("Bildschirm");
}

std::optional<WindowSize> windowSizeFromText(const QString &text)
{
    for (WindowSize size : {WindowSize::Normal, WindowSize::OneAndAHalf, WindowSize::Double, WindowSize::Screen}) {
        if (text.compare(windowSizeText(size), Qt::CaseInsensitive) == 0)
            return size;
    }
    return std::nullopt;
}

ClassroomConfigFiles ClassroomConfigFiles::fromEnvironment()
{
    // As the XDG base directory rules say: unset, empty or relative values
    // are ignored.
    ClassroomConfigFiles files;
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(home))
        home = QDir::homePath() + QStringLiteral("/.config");
    files.user = QDir::cleanPath(home + kFileInFolder);
    for (const QString &folder : qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            files.system << QDir::cleanPath(folder + kFileInFolder);
    }
    if (files.system.isEmpty())
        files.system << QStringLiteral("/etc/xdg") + kFileInFolder;
    return files;
}

ClassroomConfig::ClassroomConfig(const ClassroomConfigFiles &files, QObject *parent)
    : QObject(parent), m_files(files)
{
    for (int i = 0; i < config::kKeyCount; ++i)
        m_entries[i].text = QLatin1String(config::row(config::Id(i)).fallback);
    QList<FileValues> system;
    bool systemUnusable = false;
    for (const QString &path : files.system)
        system << readValues(path, true, &m_problems, &systemUnusable);
    const FileValues user = readValues(files.user, false, &m_problems, &m_userFileUnusable);

    // From the weakest to the strongest: an administrator's defaults (the
    // earlier folder last, so it wins), the user's values, fixed values.
    const auto apply = [this](const std::array<std::optional<ConfigEntry>, config::kKeyCount> &from) {
        for (int i = 0; i < config::kKeyCount; ++i) {
            if (from[i])
                m_entries[i] = *from[i];
        }
    };
    for (auto it = system.crbegin(); it != system.crend(); ++it)
        apply(it->values);
    apply(user.values);
    for (auto it = system.crbegin(); it != system.crend(); ++it)
        apply(it->fixed);
    m_windowSizeAtStart = value(config::windowSize);
}

bool ClassroomConfig::setText(config::Id key, const QString &text, QString *error)
{
    ConfigEntry &entry = m_entries[std::size_t(key)];
    if (entry.fixed || config::row(key).place == config::Place::Lock || text == entry.text)
        return true;
    const QString &path = m_files.user;
    if (!path.isEmpty()) {
        const auto fail = [&](const QString &why) {
            if (error)
                *error = why.arg(QDir::toNativeSeparators(path));
            return false;
        };
        // Read again, so that what another program wrote meanwhile stays. A
        // file that is no text stays as it is.
        QStringList problems;
        bool unusable = m_userFileUnusable;
        const std::optional<IniFile> read = unusable ? std::nullopt : readIni(path, &problems, &unusable);
        if (unusable)
            return fail(QCoreApplication::translate("duplikon::ClassroomConfig", "Die Datei %1 ist beschädigt oder nicht lesbar."));
        IniFile ini = read.value_or(IniFile());
        ini.set(kValuesSection, QLatin1String(config::row(key).name), text);
        QString why;
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !writeFileAtomically(path, ini.bytes(), &why))
            return fail(QCoreApplication::translate("duplikon::ClassroomConfig", "Die Datei %1 kann nicht geschrieben werden."));
        entry = ConfigEntry{text, path, ini.lineOf(kValuesSection, QLatin1String(config::row(key).name)), false};
    } else {
        entry = ConfigEntry{text, QString(), 0, false};
    }
    emit changed(key);
    return true;
}

QString ClassroomConfig::report() const
{
    QString text;
    for (int i = 0; i < config::kKeyCount; ++i) {
        const ConfigEntry &e = m_entries[i];
        QString where = e.file.isEmpty() ? QCoreApplication::translate("duplikon::ClassroomConfig", "eingebaute Vorgabe") : QStringLiteral("%1:%2").arg(e.file).arg(e.line);
        if (e.fixed)
            where += QCoreApplication::translate("duplikon::ClassroomConfig", ", fest");
        text += QStringLiteral("%1=%2  (%3)\n").arg(QLatin1String(config::row(config::Id(i)).name), e.text, where);
    }
    for (const QString &problem : m_problems)
        text += problem + QLatin1Char('\n');
    return text;
}

} // namespace duplikon
