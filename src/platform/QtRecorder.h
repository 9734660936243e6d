// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Audio.h"

#include <memory>

class QAudioInput;
class QMediaCaptureSession;
class QMediaRecorder;
class QTimer;

namespace duplikon {

// Recording from the default microphone through Qt Multimedia into a WAV file
// (PCM). The capture objects are made on the first recording, and the
// microphone is looked for only when asked, so the program starts at once.
// Without a microphone start() refuses with a reason; nothing fails.
class QtRecorder : public SoundRecorder {
    Q_OBJECT
public:
    explicit QtRecorder(QObject *parent = nullptr);
    ~QtRecorder() override;
    bool hasInput() const override;
    bool isRecording() const override { return !m_path.isEmpty(); }
    bool start(const QString &path, int maxMilliseconds, QString *error) override;
    void stop() override;

private:
    void make();
    void durationChanged(qint64 milliseconds);
    void stateChanged();
    void failed(const QString &reason);
    void end(bool ok);

    std::unique_ptr<QMediaCaptureSession> m_session;
    QAudioInput *m_input = nullptr;
    QMediaRecorder *m_recorder = nullptr;
    QTimer *m_limit = nullptr; // in case the duration is never reported
    QString m_path;            // recording into; empty when not recording
    qint64 m_max = 0;
    bool m_failed = false;     // the backend reported an error during this recording
};

} // namespace duplikon
