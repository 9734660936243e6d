// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSound.h"

#include "platform/RegularFile.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstdlib>

namespace duplikon {

struct QtSound::Sound {
    QAudioFormat format; // of the samples, set by the first decoded part
    QByteArray samples;
    bool decoded = false; // all there is (or failed: then no samples)
};

namespace {

// The kind is told by the contents, as the set-up's check does: a RIFF file
// is a WAV, which the decoder takes a moment for.
// Sound halves are never larger (pictures/SoundHalf.h says the same).
constexpr qint64 kMaxSoundBytes = 256LL * 1024 * 1024;

bool isWave(const QString &path)
{
    QFile file;
    return openRegularFile(file, path, kMaxSoundBytes, nullptr) && file.read(4) == "RIFF";
}

// Every sound is decoded to this, so that one stream plays them all.
QAudioFormat samplesFormat()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// A sound starts where it can be heard. Leading samples quieter than a
// hundredth of its loudest are dropped: silence before it, and the run-in an
// MP3 encoder puts before every sound (about 50 ms).
void dropQuietStart(const QAudioFormat &format, QByteArray &samples)
{
    if (format.sampleFormat() != QAudioFormat::Int16 || format.channelCount() < 1)
        return;
    const auto *x = reinterpret_cast<const qint16 *>(samples.constData());
    const qsizetype n = samples.size() / 2;
    int loudest = 0;
    for (qsizetype i = 0; i < n; ++i)
        loudest = std::max(loudest, std::abs(int(x[i])));
    qsizetype first = 0;
    while (first < n && std::abs(int(x[first])) * 100 < loudest)
        ++first;
    samples.remove(0, first / format.channelCount() * format.bytesPerFrame());
}


} // namespace

QtSound::QtSound(QObject *parent) : SoundOutput(parent) {}

QtSound::~QtSound()
{
    stop();
    if (m_decoder)
        m_decoder->stop();
}

void QtSound::prepare(const QStringList &paths)
{
    stop();
    QHash<QString, std::shared_ptr<Sound>> kept;
    QStringList fresh;
    for (const QString &path : paths) {
        if (path.isEmpty() || kept.contains(path) || !isReadableRegularFile(path, kMaxSoundBytes))
            continue;
        std::shared_ptr<Sound> sound = m_sounds.value(path);
        if (!sound) {
            sound = std::make_shared<Sound>();
            if (path != m_decodingPath)
                fresh << path;
        } else if (!sound->decoded && path != m_decodingPath) {
            fresh << path;
        }
        kept.insert(path, sound);
    }
    // Sounds of the set-up before that this one does not use are let go.
    m_sounds = kept;
    m_unprepared.clear();
    m_queue.clear(); // a sound being decoded and still wanted goes on
    // A WAV takes the decoder a moment only: those come first.
    for (const QString &path : std::as_const(fresh))
        queue(path, isWave(path));
}

void QtSound::queue(const QString &path, bool first)
{
    m_queue.removeAll(path);
    if (first)
        m_queue.prepend(path);
    else
        m_queue.append(path);
    // The decoder starts after the caller returns, so that the set-up shows first.
    if (!m_decoder)
        QTimer::singleShot(0, this, &QtSound::decodeNext);
}

void QtSound::decodeNext()
{
    if (m_decoder || m_queue.isEmpty())
        return;
    m_decodingPath = m_queue.takeFirst();
    m_decoder = new QAudioDecoder(this);
    m_decoder->setAudioFormat(samplesFormat());
    connect(m_decoder, &QAudioDecoder::bufferReady, this, &QtSound::takeDecoded);
    connect(m_decoder, &QAudioDecoder::finished, this, &QtSound::endDecoding);
    connect(m_decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this, &QtSound::endDecoding);
    if (!m_decodeLimit) {
        m_decodeLimit = new QTimer(this);
        m_decodeLimit->setSingleShot(true);
        m_decodeLimit->setInterval(kDecodeLimitMilliseconds);
        connect(m_decodeLimit, &QTimer::timeout, this, &QtSound::endDecoding);
    }
    m_decodeLimit->start();
    m_decoder->setSource(QUrl::fromLocalFile(m_decodingPath));
    m_decoder->start();
}

void QtSound::takeDecoded()
{
    if (!m_decoder)
        return;
    Sound *sound = m_sounds.value(m_decodingPath).get();
    if (!sound) { // no longer wanted
        endDecoding();
        return;
    }
    while (m_decoder->bufferAvailable()) {
        const QAudioBuffer buffer = m_decoder->read();
        if (!buffer.isValid())
            continue;
        if (!sound->format.isValid())
            sound->format = buffer.format();
        if (buffer.format() != sound->format)
            continue; // one stream plays one format
        const qsizetype room = sound->format.bytesForDuration(qint64(kMaxSeconds) * 1000000) - sound->samples.size();
        sound->samples.append(buffer.constData<char>(), qMin<qsizetype>(room, buffer.byteCount()));
        if (buffer.byteCount() >= room) {
            endDecoding();
            return;
        }
    }
}

void QtSound::endDecoding()
{
    if (!m_decoder)
        return;
    m_decodeLimit->stop();
    m_decoder->disconnect(this);
    m_decoder->stop();
    m_decoder->deleteLater();
    m_decoder = nullptr;
    const QString path = m_decodingPath;
    m_decodingPath.clear();
    if (const std::shared_ptr<Sound> sound = m_sounds.value(path)) {
        sound->decoded = true;
        dropQuietStart(sound->format, sound->samples);
        if (path == m_playingPath)
            startPlaying();
    }
    decodeNext();
}

void QtSound::play(const QString &path)
{
    stop();
    if (path.isEmpty())
        return;
    if (!m_sounds.contains(path)) {
        // A pipe or a device would hold the decoder.
        if (!isReadableRegularFile(path, kMaxSoundBytes))
            return;
        // Of the sounds that were not prepared (the editor's browser plays
        // any) only the latest is kept.
        if (!m_unprepared.isEmpty()) { // its decoding, if under way, ends
            m_sounds.remove(m_unprepared);
            m_queue.removeAll(m_unprepared);
        }
        m_unprepared = path;
        m_sounds.insert(path, std::make_shared<Sound>());
    }
    m_playingPath = path;
    if (m_sounds.value(path)->decoded)
        startPlaying();
    else if (path != m_decodingPath)
        queue(path, true); // next, and played as soon as it is decoded
}

void QtSound::startPlaying()
{
    const std::shared_ptr<Sound> sound = m_sounds.value(m_playingPath);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!sound || sound->samples.isEmpty() || device.isNull()) {
        m_playingPath.clear();
        return;
    }
    // Each sound gets a stream of its own: on Qt 6.4 a stream that was
    // stopped stays silent when started again.
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink->deleteLater();
    }
    m_sink = new QAudioSink(device, sound->format, this);
    connect(m_sink, &QAudioSink::stateChanged, this, &QtSound::sinkStateChanged);
    if (!m_buffer)
        m_buffer = new QBuffer(this);
    m_buffer->close();
    m_buffer->setData(sound->samples); // shared, not copied
    m_buffer->open(QIODevice::ReadOnly);
    m_announced = false;
    m_sink->start(m_buffer);
    if (!m_watch) {
        m_watch = new QTimer(this);
        m_watch->setInterval(2);
        connect(m_watch, &QTimer::timeout, this, &QtSound::watchPosition);
    }
    m_watching.start();
    m_watch->start();
    watchPosition();
}

void QtSound::sinkStateChanged()
{
    // The stream has taken the last samples: once it has played what it
    // holds, the sound is over and its stream goes.
    // (The stream keeps Qt's own size: on Qt 6.4 a smaller one stays silent.)
    if (m_sink->state() == QAudio::IdleState && m_buffer && m_buffer->atEnd()) {
        const qint64 held = m_sink->format().durationForBytes(m_sink->bufferSize()) / 1000;
        QTimer::singleShot(int(2 * held + 50), m_sink, [this, sink = m_sink] {
            if (sink == m_sink && sink->state() == QAudio::IdleState)
                stop();
        });
    }
}

void QtSound::watchPosition()
{
    if (m_announced || !m_sink || m_playingPath.isEmpty() || m_watching.elapsed() > 3000) {
        m_watch->stop();
        return;
    }
    if (m_sink->state() == QAudio::ActiveState && m_sink->processedUSecs() > 0) {
        m_announced = true;
        m_watch->stop();
        emit playingStarted(m_playingPath);
    }
}

void QtSound::stop()
{
    m_playingPath.clear();
    if (m_watch)
        m_watch->stop();
    if (m_sink && m_sink->state() != QAudio::StoppedState)
        m_sink->stop();
}

} // namespace duplikon


