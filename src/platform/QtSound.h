// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Audio.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QStringList>

#include <memory>

class QAudioDecoder;
class QAudioSink;
class QBuffer;
class QTimer;

namespace duplikon {

// Every kind of sound is decoded to samples when it is prepared (at most its
// first kMaxSeconds), one file after the other away from the window's
// thread, and played through one audio stream that starts at once: no
// player holds back its first samples. prepare() returns at once; a sound
// that is played before it is decoded starts as soon as it is. Nothing of Qt
// Multimedia is made before the first sound is prepared or played, so the
// program starts at once. A file that cannot be decoded just stays silent.
// A sound plays to its end unless play() or stop() cuts it off.
class QtSound : public SoundOutput {
    Q_OBJECT
public:
    explicit QtSound(QObject *parent = nullptr);
    ~QtSound() override;
    void prepare(const QStringList &paths) override;
    void play(const QString &path) override;
    void stop() override;

    static constexpr int kMaxSeconds = 30;
    // A file whose decoding takes longer than this is given up.
    static constexpr int kDecodeLimitMilliseconds = 10000;

private:
    struct Sound; // the decoded samples of one file
    void queue(const QString &path, bool first);
    void decodeNext();
    void takeDecoded();
    void endDecoding();
    void startPlaying();
    void sinkStateChanged();
    // Asks the stream how far it has played until it has passed 0.
    void watchPosition();

    QHash<QString, std::shared_ptr<Sound>> m_sounds;
    QStringList m_queue;      // waiting for the decoder, the next first
    QString m_decodingPath;   // being decoded
    QString m_unprepared;     // the one sound played without being prepared
    QAudioDecoder *m_decoder = nullptr;
    QTimer *m_decodeLimit = nullptr;
    QAudioSink *m_sink = nullptr;
    QBuffer *m_buffer = nullptr;
    QString m_playingPath;    // playing, or waiting to be decoded
    bool m_announced = false;
    QTimer *m_watch = nullptr;
    QElapsedTimer m_watching;
};

} // namespace duplikon
