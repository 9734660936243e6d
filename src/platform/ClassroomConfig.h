// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace duplikon {

// The classroom configuration: the settings added beyond the teacher's
// DUPLIKON.INI of a folder, kept for a login and a machine: tap play, the window
// size, reading aloud with its voice and speed, and the locks of pupils'
// machines. They live in INI files (platform/IniFile.h):
//   the user's file    $XDG_CONFIG_HOME/duplikon/duplikon.conf (~/.config/...)
//   administrators'    duplikon/duplikon.conf along $XDG_CONFIG_DIRS (/etc/xdg),
//                      the earlier folder winning.
// Section [Duplikon] gives values (the user's) or defaults (an administrator's);
// section [Fest] of an administrator's file fixes values for every user, and
// holds the locks. [Fest] in the user's file is ignored. Sections and keys are
// read without regard to letter case; of equal keys the last one wins. A line
// that is damaged, names an unknown key or holds a value that is not
// understood is skipped and reported (problems()), the rest applies. A file
// that cannot be read or is no text is ignored as a whole and never
// overwritten. Without any file every value is its default, and the program
// behaves as it does without the added settings.

// The key Fenstergroesse: 100, 150, 200 or Bildschirm (the largest size that
// fits the screen).
enum class WindowSize { Normal, OneAndAHalf, Double, Screen };
QString windowSizeText(WindowSize size); // "100", "150", "200", "Bildschirm"
std::optional<WindowSize> windowSizeFromText(const QString &text);

// A key that takes one of a few words or numbers (config::choices), as the
// file writes them: Spielart, Aufdeckpaare, Zudecken, Mannschaften.
struct Choice {
    QString text;
    // The number a numeric choice stands for; 0 for a word ("Tippen").
    int number() const { return text.toInt(); }
    bool is(const char *word) const { return text == QLatin1String(word); }
};

// The keys, one row each: the code's handle, the name in the file, the type of
// the value, the built-in default as written in the file, and whether it is a
// Value (in [Duplikon] of any file, fixed by an administrator's [Fest]) or a
// Lock (only in an administrator's [Fest]). Values of type bool are true or
// false, int runs from -100 to 100, QString is any text, a Choice one of its
// choices. A new key is one row.
#define DUPLIKON_CONFIG_KEYS(KEY)                                              \
    KEY(tapPlay, "Antippen", bool, "false", Value)             /* tap play */  \
    KEY(windowSize, "Fenstergroesse", WindowSize, "100", Value)                 \
    KEY(readAloud, "Vorlesen", bool, "false", Value)                            \
    KEY(voice, "Stimme", QString, "", Value) /* empty: the default German */    \
    KEY(tempo, "Tempo", int, "0", Value)     /* -100 slowest … 100 fastest */   \
    KEY(keepResults, "Ergebnisse", bool, "false", Value) /* results kept */   \
    KEY(playKind, "Spielart", Choice, "Zuordnen", Value) /* or Aufdecken */   \
    KEY(cardPairs, "Aufdeckpaare", Choice, "10", Value) /* 4, 6, 8, 10 */     \
    KEY(coverAfter, "Zudecken", Choice, "Tippen", Value) /* or 1 … 5 s */    \
    KEY(teams, "Mannschaften", Choice, "1", Value)        /* 1 … 4 */         \
    KEY(grouped, "Getrennt", bool, "false", Value) /* halves apart */         \
    KEY(cardBox, "Kartei", bool, "false", Value) /* needs Ergebnisse */       \
    KEY(language, "Sprache", Choice, "System", Value) /* or de, en, uk … */   \
    KEY(editorOff, "EditorAus", bool, "false", Lock)                            \
    KEY(settingsOff, "EinstellungenAus", bool, "false", Lock)                   \
    KEY(recordingOff, "AufnahmeAus", bool, "false", Lock)                       \
    KEY(soundOff, "TonAus", bool, "false", Lock) /* no speech, no sound */      \
    KEY(resultsOff, "ErgebnisseAus", bool, "false", Lock) /* no results */

namespace config {

#define DUPLIKON_CONFIG_ID(handle, name, type, fallback, place) handle,
enum class Id : int { DUPLIKON_CONFIG_KEYS(DUPLIKON_CONFIG_ID) };
#undef DUPLIKON_CONFIG_ID
#define DUPLIKON_CONFIG_COUNT(handle, name, type, fallback, place) +1
constexpr int kKeyCount = 0 DUPLIKON_CONFIG_KEYS(DUPLIKON_CONFIG_COUNT);
#undef DUPLIKON_CONFIG_COUNT

enum class Place { Value, Lock };
enum class Type { Switch, Size, Text, Number, Choice };

// One row of the table.
struct KeyRow {
    const char *name;
    Type type;
    const char *fallback; // the built-in default
    Place place;
};
const KeyRow &row(Id key);

// A key with the type of its value, as the code names it: config::tapPlay.
template <typename T> struct Key {
    using Value = T;
    Id id;
    friend constexpr bool operator==(Id a, Key b) { return a == b.id; }
};
#define DUPLIKON_CONFIG_HANDLE(handle, name, type, fallback, place) inline constexpr Key<type> handle{Id::handle};
DUPLIKON_CONFIG_KEYS(DUPLIKON_CONFIG_HANDLE)
#undef DUPLIKON_CONFIG_HANDLE

// Stored values are text as written in the file; these turn them into values
// of the key's type and back.
template <typename T> T fromText(const QString &text);
template <typename T> QString toText(const T &value);
template <> bool fromText<bool>(const QString &text);
template <> int fromText<int>(const QString &text);
template <> QString fromText<QString>(const QString &text);
template <> WindowSize fromText<WindowSize>(const QString &text);
template <> Choice fromText<Choice>(const QString &text);
template <> QString toText<bool>(const bool &value);
template <> QString toText<int>(const int &value); // bounded to -100..100
template <> QString toText<QString>(const QString &value);
template <> QString toText<WindowSize>(const WindowSize &value);
template <> QString toText<Choice>(const Choice &value);

// The texts a Choice key takes, in the order a dialog offers them; empty for
// a key of another type.
QStringList choices(Id key);

// A text as the value of a key, in the form the file holds ("TRUE" and "1"
// become "true", "aufdecken" "Aufdecken"); nothing when it is no value of
// the key.
std::optional<QString> valueText(Id key, const QString &text);

} // namespace config

// Where the files are.
struct ClassroomConfigFiles {
    QString user;         // empty: none (values stay in memory)
    QStringList system;   // the winning file first
    static ClassroomConfigFiles fromEnvironment();
};

// A key's value and where it comes from.
struct ConfigEntry {
    QString text;  // as written in the file
    QString file;  // empty: the built-in default
    int line = 0;  // 1-based
    bool fixed = false;
};

// The added settings for the running program: read once, changed by the
// dialog "Weitere Einstellungen", which stores the user's values.
class ClassroomConfig : public QObject {
    Q_OBJECT
public:
    explicit ClassroomConfig(const ClassroomConfigFiles &files = {}, QObject *parent = nullptr);

    const ClassroomConfigFiles &files() const { return m_files; }

    // settings.value(config::tapPlay) is a bool, config::windowSize a
    // WindowSize, config::voice a QString, config::tempo an int.
    template <typename T> T value(config::Key<T> key) const { return config::fromText<T>(entry(key.id).text); }
    // Fixed by an administrator: the user cannot change it.
    template <typename T> bool isFixed(config::Key<T> key) const { return entry(key.id).fixed; }
    const ConfigEntry &entry(config::Id key) const { return m_entries[std::size_t(key)]; }

    // Store a user's value in the user's file. A fixed value and a lock stay
    // as they are (true, nothing written). False with a German reason when the
    // file cannot be written; the value then stays unchanged.
    template <typename T> bool set(config::Key<T> key, const typename config::Key<T>::Value &value, QString *error)
    {
        return setText(key.id, config::toText<T>(value), error);
    }

    // Results are kept: Ergebnisse on and not locked off by ErgebnisseAus.
    bool resultsKept() const { return value(config::keepResults) && !value(config::resultsOff); }
    // The card box ("Kartei") is on: it is computed from the results, so it
    // needs them.
    bool cardBoxOn() const { return value(config::cardBox) && resultsKept(); }

    // The size the program started with (a changed size counts from the next start).
    WindowSize windowSizeAtStart() const { return m_windowSizeAtStart; }

    // What was skipped while reading, one line each: "file:line: reason".
    const QStringList &problems() const { return m_problems; }
    // One line per key, "Key=value  (where)", then the problems.
    QString report() const;

signals:
    void changed(duplikon::config::Id key);

private:
    bool setText(config::Id key, const QString &text, QString *error);

    ClassroomConfigFiles m_files;
    std::array<ConfigEntry, config::kKeyCount> m_entries;
    QStringList m_problems;
    bool m_userFileUnusable = false; // there, but unreadable or no text: never overwritten
    WindowSize m_windowSizeAtStart = WindowSize::Normal;
};

} // namespace duplikon
