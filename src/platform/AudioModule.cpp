// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AudioModule.h"

#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>
#include <utility>

// The installed module, relative to the folder of the program file.
#ifndef DUPLIKON_AUDIO_FROM_BINARY
#define DUPLIKON_AUDIO_FROM_BINARY "../lib/duplikon"
#endif

namespace duplikon {

namespace {
constexpr char kModuleName[] = "duplikon-audio.so";
using Make = QObject *(*)(const char *kind, QObject *parent);
using Finish = bool (*)(QObject *speech, int milliseconds);
} // namespace

AudioModule::AudioModule(QStringList folders) : m_folders(std::move(folders)) {}

AudioModule::~AudioModule() = default; // the module stays loaded until the process ends

QStringList AudioModule::programFolders()
{
    const QString here = executableFolder();
    return {here, QDir::cleanPath(here + QStringLiteral("/" DUPLIKON_AUDIO_FROM_BINARY))};
}

bool AudioModule::loaded() const
{
    return m_library && m_library->isLoaded();
}

QFunctionPointer AudioModule::resolve(const char *symbol)
{
    if (!m_tried) {
        m_tried = true;
        for (const QString &folder : std::as_const(m_folders)) {
            const QString path = QDir(folder).filePath(QLatin1String(kModuleName));
            if (!QFileInfo(path).isFile())
                continue;
            auto library = std::make_unique<QLibrary>(path);
            if (library->load()) {
                m_library = std::move(library);
                break;
            }
            std::fprintf(stderr, "duplikon: %s\n", qPrintable(library->errorString()));
        }
        if (!m_library)
            std::fprintf(stderr, "duplikon: %s nicht gefunden, es ist nichts zu hören\n", kModuleName);
    }
    return m_library ? m_library->resolve(symbol) : nullptr;
}

Speech *AudioModule::makeSpeech(QObject *parent)
{
    const auto make = reinterpret_cast<Make>(resolve("duplikon_audio_make"));
    return make ? qobject_cast<Speech *>(make("speech", parent)) : nullptr;
}

SoundOutput *AudioModule::makeSound(QObject *parent)
{
    const auto make = reinterpret_cast<Make>(resolve("duplikon_audio_make"));
    return make ? qobject_cast<SoundOutput *>(make("sound", parent)) : nullptr;
}

SoundRecorder *AudioModule::makeRecorder(QObject *parent)
{
    const auto make = reinterpret_cast<Make>(resolve("duplikon_audio_make"));
    return make ? qobject_cast<SoundRecorder *>(make("recorder", parent)) : nullptr;
}

bool AudioModule::finishSpeech(Speech *speech, int milliseconds)
{
    const auto finish = reinterpret_cast<Finish>(resolve("duplikon_audio_finish_speech"));
    return !finish || finish(speech, milliseconds);
}

// ---- speech -------------------------------------------------------------------

ModuleSpeech::ModuleSpeech(AudioModule *module, QObject *parent) : Speech(parent), m_module(module) {}

void ModuleSpeech::start()
{
    if (!m_real && !m_failed) {
        m_real = m_module->makeSpeech(this);
        if (!m_real) {
            m_failed = true;
            emit statusChanged(Status::Failed);
            return;
        }
        connect(m_real, &Speech::statusChanged, this, &Speech::statusChanged);
        connect(m_real, &Speech::speakingStarted, this, &Speech::speakingStarted);
        m_real->setVoice(m_voice, m_tempo);
    }
    if (m_real)
        m_real->start();
}

Speech::Status ModuleSpeech::status() const
{
    if (m_real)
        return m_real->status();
    return m_failed ? Status::Failed : Status::Off;
}

void ModuleSpeech::say(const QString &text)
{
    if (m_real)
        m_real->say(text);
}

void ModuleSpeech::stop()
{
    if (m_real)
        m_real->stop();
}

QList<QLocale::Language> ModuleSpeech::languages() const
{
    return m_real ? m_real->languages() : QList<QLocale::Language>();
}

void ModuleSpeech::sayIn(const QString &text, QLocale::Language language)
{
    if (m_real)
        m_real->sayIn(text, language);
}

QStringList ModuleSpeech::voices() const
{
    return m_real ? m_real->voices() : QStringList();
}

void ModuleSpeech::setVoice(const QString &name, int tempo)
{
    m_voice = name;
    m_tempo = tempo;
    if (m_real)
        m_real->setVoice(name, tempo);
}

bool ModuleSpeech::finish(int milliseconds)
{
    return !m_real || m_module->finishSpeech(m_real, milliseconds);
}

// ---- sound ----------------------------------------------------------------------

ModuleSound::ModuleSound(AudioModule *module, QObject *parent) : SoundOutput(parent), m_module(module) {}

SoundOutput *ModuleSound::real()
{
    if (!m_real) {
        m_real = m_module->makeSound(this);
        if (m_real)
            connect(m_real, &SoundOutput::playingStarted, this, &SoundOutput::playingStarted);
    }
    return m_real;
}

void ModuleSound::prepare(const QStringList &paths)
{
    // A board without sounds needs no module; one made already lets its sounds go.
    SoundOutput *sound = paths.isEmpty() ? m_real : real();
    if (sound)
        sound->prepare(paths);
}

void ModuleSound::play(const QString &path)
{
    if (SoundOutput *sound = real())
        sound->play(path);
}

void ModuleSound::stop()
{
    if (m_real)
        m_real->stop();
}

// ---- microphone -------------------------------------------------------------------

ModuleRecorder::ModuleRecorder(AudioModule *module, QObject *parent) : SoundRecorder(parent), m_module(module) {}

SoundRecorder *ModuleRecorder::real() const
{
    if (!m_real) {
        auto *self = const_cast<ModuleRecorder *>(this);
        m_real = m_module->makeRecorder(self);
        if (m_real)
            connect(m_real, &SoundRecorder::finished, self, &SoundRecorder::finished);
    }
    return m_real;
}

bool ModuleRecorder::hasInput() const
{
    const SoundRecorder *recorder = real();
    return recorder && recorder->hasInput();
}

bool ModuleRecorder::isRecording() const
{
    return m_real && m_real->isRecording();
}

bool ModuleRecorder::start(const QString &path, int maxMilliseconds, QString *error)
{
    if (SoundRecorder *recorder = real())
        return recorder->start(path, maxMilliseconds, error);
    if (error)
        *error = QCoreApplication::translate("duplikon::AudioModule", "Es ist kein Mikrofon angeschlossen.");
    return false;
}

void ModuleRecorder::stop()
{
    if (m_real)
        m_real->stop();
}

} // namespace duplikon
