// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Audio.h"

namespace duplikon {

// Speech through Qt TextToSpeech and the desktop's speech service.
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
    Status m_status = Status::Off;
    QStringList m_voices;
};

} // namespace duplikon
