// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

namespace duplikon {

// The desktop's speech service. Making the engine can block for seconds and
// an unreachable service can block each call, so the window only hands texts
// over and never waits for an answer.
class Speech : public QObject {
    Q_OBJECT
public:
    enum class Status {
        Off,      // no engine made yet
        Starting, // the engine is being made
        Ready,
        Failed,   // no speech service, or the engine reported an error: not called again
    };
    Q_ENUM(Status)

    using QObject::QObject;

    // Makes the engine, away from the window's thread; returns at once.
    // Called again, or after a failure, it does nothing.
    virtual void start() = 0;
    virtual Status status() const = 0;
    // Speaks text, cutting off whatever is being spoken. While the engine is
    // still being made the latest text waits for it; after a failure and
    // before start() nothing happens.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
    // The names of the installed German voices (of all voices when none is
    // German); empty until ready.
    virtual QStringList voices() const = 0;
    // The voice by name (empty or not installed: the default German voice)
    // and the speed from -100 (slowest) to 100 (fastest).
    virtual void setVoice(const QString &name, int tempo) = 0;
    // The languages of the installed voices; empty until ready.
    virtual QList<QLocale::Language> languages() const { return {}; }
    // Speaks the program's own words with a voice of language, as say() does;
    // German with the chosen voice. Nothing when no voice speaks language.
    virtual void sayIn(const QString &text, QLocale::Language language)
    {
        if (language == QLocale::German)
            say(text);
    }

signals:
    void statusChanged(duplikon::Speech::Status status);
    // The engine reports that it speaks (for measuring).
    void speakingStarted();
};

// Plays sound files: WAV, OGG and MP3.
class SoundOutput : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Loads the sounds of a set-up, so that each starts at once; the sounds
    // loaded before are let go. Returns at once. Paths are full paths of
    // files that exist.
    virtual void prepare(const QStringList &paths) = 0;
    // Plays one sound to its end, stopping the one playing; an unprepared
    // file is loaded first. Only the next play(), stop() or prepare() cuts
    // it off.
    virtual void play(const QString &path) = 0;
    virtual void stop() = 0;

signals:
    // The sound's position passed 0 (for measuring).
    void playingStarted(const QString &path);
};

// Records from the default microphone into a WAV file.
class SoundRecorder : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether the machine has a microphone at all.
    virtual bool hasInput() const = 0;
    virtual bool isRecording() const = 0;
    // Starts recording into path, a name no file has yet, as a WAV file for
    // at most maxMilliseconds. No other file is written or removed. False
    // with a German reason when it cannot start.
    virtual bool start(const QString &path, int maxMilliseconds, QString *error) = 0;
    // Ends the recording early; finished() follows.
    virtual void stop() = 0;

signals:
    // The recording ended; ok: the file holds it.
    void finished(const QString &path, bool ok);
};

} // namespace duplikon
