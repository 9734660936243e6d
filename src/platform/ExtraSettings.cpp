// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ExtraSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>

namespace duplikon {

namespace {

const QString kValuesSection = QStringLiteral("Duplikon");
const QString kFixedSection = QStringLiteral("Fest");
const QString kTapPlay = QStringLiteral("Antippen");
const QString kWindowSize = QStringLiteral("Fenstergroesse");
const QString kEditorOff = QStringLiteral("EditorAus");
const QString kSettingsOff = QStringLiteral("EinstellungenAus");
const QString kReadAloud = QStringLiteral("Vorlesen");
const QString kVoice = QStringLiteral("Stimme");
const QString kTempo = QStringLiteral("Tempo");
const QString kRecordingOff = QStringLiteral("AufnahmeAus");
const QString kSoundOff = QStringLiteral("TonAus");
const QString kFileInFolder = QStringLiteral("/duplikon/duplikon.conf");

// One section of a file: key to text.
using Section = QHash<QString, QString>;

struct FileSections {
    Section values; // [Duplikon]
    Section fixed;  // [Fest]
};

// Whether a file is there but must be ignored: unreadable, or damaged as
// QSettings sees it. QSettings says so only to the first of its objects on a
// file in a process (the others share what it read), so a file is judged once.
bool unusable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    file.close();
    return QSettings(path, QSettings::IniFormat).status() != QSettings::NoError;
}

// Both sections of a file; nothing when the file is missing or unusable
// (then *ignored is set).
FileSections readFile(const QString &path, bool *ignored = nullptr)
{
    FileSections sections;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return sections;
    if (unusable(path)) {
        if (ignored)
            *ignored = true;
        return sections;
    }
    QSettings settings(path, QSettings::IniFormat);
    const std::pair<QString, Section *> parts[] = {{kValuesSection, &sections.values}, {kFixedSection, &sections.fixed}};
    for (const auto &[name, into] : parts) {
        settings.beginGroup(name);
        for (const QString &key : settings.childKeys()) {
            const QVariant v = settings.value(key);
            // A list ("a, b") is no value of any key.
            if (v.typeId() == QMetaType::QString)
                into->insert(key, v.toString().trimmed());
        }
        settings.endGroup();
    }
    return sections;
}

std::optional<bool> boolFromText(const QString &text)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1"))
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text == QLatin1String("0"))
        return false;
    return std::nullopt;
}

// A speed from -100 to 100 (whole numbers only).
std::optional<int> tempoFromText(const QString &text)
{
    bool ok = false;
    const int tempo = text.toInt(&ok);
    if (!ok || tempo < -100 || tempo > 100)
        return std::nullopt;
    return tempo;
}

// Applies the keys of one section that hold a valid value; fixed: marks them so.
void apply(const Section &section, ExtraSettingsValues *v, bool fixed)
{
    if (const auto on = boolFromText(section.value(kTapPlay))) {
        v->tapPlay = *on;
        v->tapPlayFixed = v->tapPlayFixed || fixed;
    }
    if (const auto size = windowSizeFromText(section.value(kWindowSize))) {
        v->windowSize = *size;
        v->windowSizeFixed = v->windowSizeFixed || fixed;
    }
    if (const auto on = boolFromText(section.value(kReadAloud))) {
        v->readAloud = *on;
        v->readAloudFixed = v->readAloudFixed || fixed;
    }
    if (section.contains(kVoice)) {
        v->voice = section.value(kVoice);
        v->voiceFixed = v->voiceFixed || fixed;
    }
    if (const auto tempo = tempoFromText(section.value(kTempo))) {
        v->tempo = *tempo;
        v->tempoFixed = v->tempoFixed || fixed;
    }
    if (!fixed)
        return;
    if (const auto off = boolFromText(section.value(kRecordingOff)))
        v->recordingOff = *off;
    if (const auto off = boolFromText(section.value(kSoundOff)))
        v->soundOff = *off;
    if (const auto off = boolFromText(section.value(kEditorOff)))
        v->editorOff = *off;
    if (const auto off = boolFromText(section.value(kSettingsOff)))
        v->settingsOff = *off;
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

ExtraSettingsFiles ExtraSettingsFiles::fromEnvironment()
{
    // As the XDG base directory rules say: unset, empty or relative values
    // are ignored.
    ExtraSettingsFiles files;
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

ExtraSettingsValues readExtraSettings(const ExtraSettingsFiles &files, bool *userFileIgnored)
{
    QList<FileSections> system;
    for (const QString &path : files.system)
        system << readFile(path);
    const FileSections user = readFile(files.user, userFileIgnored);

    // From the weakest to the strongest: an administrator's defaults (the
    // earlier folder last, so it wins), the user's values, fixed values.
    ExtraSettingsValues v;
    for (auto it = system.crbegin(); it != system.crend(); ++it)
        apply(it->values, &v, false);
    apply(user.values, &v, false);
    for (auto it = system.crbegin(); it != system.crend(); ++it)
        apply(it->fixed, &v, true);
    return v;
}

ExtraSettings::ExtraSettings(const ExtraSettingsFiles &files, QObject *parent)
    : QObject(parent), m_files(files), m_values(readExtraSettings(files, &m_userFileIgnored)),
      m_windowSizeAtStart(m_values.windowSize)
{
}

bool ExtraSettings::setTapPlay(bool on, QString *error)
{
    if (m_values.tapPlayFixed || on == m_values.tapPlay)
        return true;
    if (!store(kTapPlay, on ? QStringLiteral("true") : QStringLiteral("false"), error))
        return false;
    m_values.tapPlay = on;
    emit tapPlayChanged(on);
    return true;
}

bool ExtraSettings::setWindowSize(WindowSize size, QString *error)
{
    if (m_values.windowSizeFixed || size == m_values.windowSize)
        return true;
    if (!store(kWindowSize, windowSizeText(size), error))
        return false;
    m_values.windowSize = size;
    return true;
}

bool ExtraSettings::setReadAloud(bool on, QString *error)
{
    if (m_values.readAloudFixed || on == m_values.readAloud)
        return true;
    if (!store(kReadAloud, on ? QStringLiteral("true") : QStringLiteral("false"), error))
        return false;
    m_values.readAloud = on;
    emit readAloudChanged(on);
    return true;
}

bool ExtraSettings::setVoice(const QString &name, int tempo, QString *error)
{
    tempo = qBound(-100, tempo, 100);
    const bool voiceChanges = !m_values.voiceFixed && name != m_values.voice;
    const bool tempoChanges = !m_values.tempoFixed && tempo != m_values.tempo;
    if (voiceChanges && !store(kVoice, name, error))
        return false;
    if (tempoChanges && !store(kTempo, QString::number(tempo), error))
        return false;
    if (voiceChanges)
        m_values.voice = name;
    if (tempoChanges)
        m_values.tempo = tempo;
    if (voiceChanges || tempoChanges)
        emit voiceChanged();
    return true;
}

bool ExtraSettings::store(const QString &key, const QString &value, QString *error)
{
    const QString &path = m_files.user;
    if (path.isEmpty())
        return true;
    // A damaged file stays as it is: QSettings would write back only what it
    // made of it.
    if (m_userFileIgnored) {
        if (error)
            *error = QStringLiteral("Die Datei %1 ist beschädigt oder nicht lesbar.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    // QSettings makes the folder and replaces the file as a whole.
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(kValuesSection + QLatin1Char('/') + key, value);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        if (error)
            *error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

} // namespace duplikon
