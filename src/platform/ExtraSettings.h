// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace duplikon {

// The settings added beyond the teacher's DUPLIKON.INI: tap play, the window
// size, reading aloud with its voice and speed, and the locks of pupils'
// machines. They live in INI files read
// through QSettings:
//   the user's file    $XDG_CONFIG_HOME/duplikon/duplikon.conf (~/.config/...)
//   administrators'    duplikon/duplikon.conf along $XDG_CONFIG_DIRS (/etc/xdg),
//                      the earlier folder winning.
// Section [Duplikon] gives values (the user's) or defaults (an administrator's);
// section [Fest] of an administrator's file fixes values for every user, and
// holds the locks EditorAus, EinstellungenAus, AufnahmeAus and TonAus. [Fest] in the user's file is
// ignored. A file that cannot be read or that QSettings finds damaged is
// ignored as a whole. Without any file every value is its default, and the
// program behaves as designed.

// The key Fenstergroesse: 100, 150, 200 or Bildschirm (the largest size that
// fits the screen).
enum class WindowSize { Normal, OneAndAHalf, Double, Screen };
QString windowSizeText(WindowSize size); // "100", "150", "200", "Bildschirm"
std::optional<WindowSize> windowSizeFromText(const QString &text);

// Where the files are.
struct ExtraSettingsFiles {
    QString user;         // empty: none (values stay in memory)
    QStringList system;   // the winning file first
    static ExtraSettingsFiles fromEnvironment();
};

// The values as the files give them, with what an administrator fixed.
struct ExtraSettingsValues {
    bool tapPlay = false;                   // Antippen
    bool tapPlayFixed = false;
    WindowSize windowSize = WindowSize::Normal; // Fenstergroesse
    bool windowSizeFixed = false;
    bool editorOff = false;                 // [Fest] EditorAus
    bool settingsOff = false;               // [Fest] EinstellungenAus
    bool readAloud = false;                 // Vorlesen
    bool readAloudFixed = false;
    QString voice;                          // Stimme: a voice's name; empty: the default German voice
    bool voiceFixed = false;
    int tempo = 0;                          // Tempo: -100 (slowest) … 100 (fastest)
    bool tempoFixed = false;
    bool recordingOff = false;              // [Fest] AufnahmeAus: no recording of voices
    bool soundOff = false;                  // [Fest] TonAus: no speech and no sound at all
};
// userFileIgnored: set when the user's file is there but unreadable or damaged.
ExtraSettingsValues readExtraSettings(const ExtraSettingsFiles &files, bool *userFileIgnored = nullptr);

// The added settings for the running program: read once, changed by the
// dialog "Weitere Einstellungen", which stores the user's values.
class ExtraSettings : public QObject {
    Q_OBJECT
public:
    explicit ExtraSettings(const ExtraSettingsFiles &files = {}, QObject *parent = nullptr);

    const ExtraSettingsFiles &files() const { return m_files; }
    const ExtraSettingsValues &values() const { return m_values; }

    // "Antippen statt Ziehen": a tap picks a cell up and another tap drops it.
    bool tapPlay() const { return m_values.tapPlay; }
    bool tapPlayFixed() const { return m_values.tapPlayFixed; }
    // The size chosen for the next start (the running program keeps the
    // size it started with).
    WindowSize windowSize() const { return m_values.windowSize; }
    WindowSize windowSizeAtStart() const { return m_windowSizeAtStart; }
    bool windowSizeFixed() const { return m_values.windowSizeFixed; }
    bool editorOff() const { return m_values.editorOff; }
    bool settingsOff() const { return m_values.settingsOff; }
    // "Vorlesen": texts and messages are spoken during play.
    bool readAloud() const { return m_values.readAloud; }
    bool readAloudFixed() const { return m_values.readAloudFixed; }
    QString voice() const { return m_values.voice; }
    int tempo() const { return m_values.tempo; }
    bool voiceFixed() const { return m_values.voiceFixed; }
    bool tempoFixed() const { return m_values.tempoFixed; }
    bool recordingOff() const { return m_values.recordingOff; }
    bool soundOff() const { return m_values.soundOff; }

    // Store a user's value in the user's file. A fixed value stays as it is
    // (true, nothing written). False with a German reason when the file
    // cannot be written; the value then stays unchanged.
    bool setTapPlay(bool on, QString *error);
    bool setWindowSize(WindowSize size, QString *error);
    bool setReadAloud(bool on, QString *error);
    // The voice (empty: the default German one) and the speed, -100..100.
    bool setVoice(const QString &name, int tempo, QString *error);

signals:
    void tapPlayChanged(bool on);
    void readAloudChanged(bool on);
    void voiceChanged();

private:
    bool store(const QString &key, const QString &value, QString *error);

    ExtraSettingsFiles m_files;
    bool m_userFileIgnored = false; // set while m_values is read
    ExtraSettingsValues m_values;
    WindowSize m_windowSizeAtStart;
};

} // namespace duplikon
