// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Audio.h"

#include <atomic>
#include <memory>

class QThread;

namespace duplikon {

class SpeechWorker;

// Speech through Qt TextToSpeech and the desktop's speech service
// (speech-dispatcher). Making its engine blocks for seconds, and a call to an
// unreachable service blocks for about one, so the engine lives on a thread
// of its own: this object only posts texts to it and learns of its state by
// queued signals. Nothing is made before start().
class QtSpeech : public Speech {
    Q_OBJECT
public:
    explicit QtSpeech(QObject *parent = nullptr);
    ~QtSpeech() override;
    void start() override;
    Status status() const override { return m_status; }
    void say(const QString &text) override;
    void stop() override;
    QStringList voices() const override { return m_voices; }
    void setVoice(const QString &name, int tempo) override;

private:
    void engineMade(const QStringList &voices);
    void engineFailed();
    void setStatus(Status status);
    void chooseVoice();

    Status m_status = Status::Off;
    QStringList m_voices;
    QString m_voice;   // the chosen voice's name; empty: the default German one
    int m_tempo = 0;
    QString m_waiting; // said while the engine is being made
    bool m_hasWaiting = false;
    // Counts the texts handed over; the worker skips a text when a newer one
    // follows, so a slow service never works off a queue of old words.
    std::shared_ptr<std::atomic<int>> m_latest = std::make_shared<std::atomic<int>>(0);
    QThread *m_thread = nullptr;
    SpeechWorker *m_worker = nullptr; // lives on m_thread
};

} // namespace duplikon
