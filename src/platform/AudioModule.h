// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Audio.h"

#include <memory>

class QLibrary;

namespace duplikon {

// Speech, sounds and the microphone through Qt TextToSpeech and Qt
// Multimedia live in a module of their own, duplikon-audio.so, loaded at
// their first use: a sound half on the board, "Vorlesen", the editor's sounds.
// A board without them never maps those libraries (about 11 MB), so the
// program starts sooner. Without the module nothing is heard and nothing
// fails: speech reports Failed, sounds stay silent, there is no microphone.
class AudioModule {
public:
    // folders: where the module may lie, looked at in turn.
    explicit AudioModule(QStringList folders);
    ~AudioModule();

    // The folders of the program: beside the program file, then the
    // installed library folder.
    static QStringList programFolders();

    Speech *makeSpeech(QObject *parent);
    SoundOutput *makeSound(QObject *parent);
    SoundRecorder *makeRecorder(QObject *parent);
    // Ends speech made by makeSpeech, waiting at most milliseconds (see QtSpeech::finish).
    bool finishSpeech(Speech *speech, int milliseconds);
    // Whether the module has been loaded (for tests and measuring).
    bool loaded() const;

private:
    QFunctionPointer resolve(const char *symbol);

    QStringList m_folders;
    std::unique_ptr<QLibrary> m_library;
    bool m_tried = false;
};

// Speech that loads the module at start().
class ModuleSpeech : public Speech {
    Q_OBJECT
public:
    ModuleSpeech(AudioModule *module, QObject *parent = nullptr);

    void start() override;
    Status status() const override;
    void say(const QString &text) override;
    void stop() override;
    QStringList voices() const override;
    void setVoice(const QString &name, int tempo) override;
    QList<QLocale::Language> languages() const override;
    void sayIn(const QString &text, QLocale::Language language) override;
    // Ends the speech thread, waiting at most milliseconds; true when there is none.
    bool finish(int milliseconds);

private:
    AudioModule *m_module;
    Speech *m_real = nullptr;
    bool m_failed = false;
    QString m_voice;
    int m_tempo = 0;
};

// Sounds that load the module at the first sound to prepare or play.
class ModuleSound : public SoundOutput {
    Q_OBJECT
public:
    ModuleSound(AudioModule *module, QObject *parent = nullptr);

    void prepare(const QStringList &paths) override;
    void play(const QString &path) override;
    void stop() override;

private:
    SoundOutput *real();

    AudioModule *m_module;
    SoundOutput *m_real = nullptr;
};

// The microphone, through the module loaded at the first question about it.
class ModuleRecorder : public SoundRecorder {
    Q_OBJECT
public:
    ModuleRecorder(AudioModule *module, QObject *parent = nullptr);

    bool hasInput() const override;
    bool isRecording() const override;
    bool start(const QString &path, int maxMilliseconds, QString *error) override;
    void stop() override;

private:
    SoundRecorder *real() const;

    AudioModule *m_module;
    mutable SoundRecorder *m_real = nullptr;
};

} // namespace duplikon
