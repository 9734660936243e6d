// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Audio.h"

#include <QList>
#include <QLocale>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace duplikon {

class SpeechWorker;

// The speech service as the speech thread sees it: made, called and deleted
// on that thread only. Any call may block for as long as the service keeps
// it waiting.
class SpeechEngine : public QObject {
    Q_OBJECT
public:
    struct Voice {
        QString name;
        QLocale locale;
    };
    using QObject::QObject;
    // Connects to the service; false when there is none or it failed.
    virtual bool open() = 0;
    // Every installed voice.
    virtual QList<Voice> voices() = 0;
    virtual void choose(const Voice &voice, double rate) = 0;
    // Cuts off what is spoken and speaks text.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;

signals:
    void speaking();
    // The service reported an error: the engine is not called again.
    void broken();
};

// Makes an engine; called on the speech thread.
using SpeechEngineFactory = std::function<SpeechEngine *()>;

// Speech through Qt TextToSpeech and the desktop's speech service
// (speech-dispatcher). Making its engine blocks for seconds, and a call to an
// unreachable service blocks for about one, so the engine lives on a thread
// of its own: this object only posts texts to it and learns of its state by
// queued signals. Nothing is made before start().
class QtSpeech : public Speech {
    Q_OBJECT
public:
    // factory: the engine to speak with; none: the desktop's speech service.
    explicit QtSpeech(QObject *parent = nullptr, SpeechEngineFactory factory = {});
    ~QtSpeech() override;
    void start() override;
    Status status() const override { return m_status; }
    void say(const QString &text) override;
    void stop() override;
    QStringList voices() const override { return m_voices; }
    void setVoice(const QString &name, int tempo) override;
    QList<QLocale::Language> languages() const override { return m_languages; }
    void sayIn(const QString &text, QLocale::Language language) override;

    // Ends the speech thread, waiting at most milliseconds. False when the
    // thread is still held in the service: the engine is then neither
    // deleted nor waited for, the thread ends by itself once the service
    // lets it go, and the program must end without unloading what that
    // thread may still run (the process ends it). Later calls return at once.
    bool finish(int milliseconds);
    // How long the program's end waits for the speech thread.
    static constexpr int kEndWaitMilliseconds = 1500;

private:
    void engineMade(const QStringList &voices, const QList<int> &languages);
    void engineFailed();
    void setStatus(Status status);
    void chooseVoice();

    SpeechEngineFactory m_factory;
    Status m_status = Status::Off;
    QStringList m_voices;
    QList<QLocale::Language> m_languages;
    QString m_voice;   // the chosen voice's name; empty: the default German one
    int m_tempo = 0;
    QString m_waiting; // said while the engine is being made
    QLocale::Language m_waitingLanguage = QLocale::German;
    bool m_hasWaiting = false;
    // Counts the texts handed over; the worker skips a text when a newer one
    // follows, so a slow service never works off a queue of old words.
    std::shared_ptr<std::atomic<int>> m_latest = std::make_shared<std::atomic<int>>(0);
    QThread *m_thread = nullptr;
    SpeechWorker *m_worker = nullptr; // lives on m_thread
    bool m_finished = false;
    bool m_threadEnded = true;
};

} // namespace duplikon
