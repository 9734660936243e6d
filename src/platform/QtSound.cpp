// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSound.h"

#include "platform/RegularFile.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace duplikon {

namespace {

// The kind is told by the contents, as the set-up's check does: a RIFF file
// is a WAV, anything else goes to the player, which knows OGG and MP3.
// Sound halves are never larger (pictures/SoundHalf.h says the same).
constexpr qint64 kMaxSoundBytes = 256LL * 1024 * 1024;

bool isWave(const QString &path)
{
    QFile file;
    return openRegularFile(file, path, kMaxSoundBytes, nullptr) && file.read(4) == "RIFF";
}

} // namespace

QtSound::QtSound(QObject *parent) : SoundOutput(parent) {}

QtSound::~QtSound()
{
    stop();
    qDeleteAll(m_sounds);
}

void QtSound::prepare(const QStringList &paths)
{
    stop();
    QHash<QString, QObject *> kept;
    for (const QString &path : paths) {
        if (path.isEmpty() || kept.contains(path))
            continue;
        QObject *sound = m_sounds.take(path);
        kept.insert(path, sound ? sound : load(path));
    }
    // Sounds of the set-up before that this one does not use are let go.
    for (QObject *sound : std::as_const(m_sounds))
        sound->deleteLater();
    m_sounds = kept;
}

QObject *QtSound::load(const QString &path)
{
    if (!isWave(path))
        return loadPlayer(path);
    // The effect decodes the whole file away from the window's thread and
    // keeps it, so play() only starts the audio stream.
    auto *effect = new QSoundEffect(this);
    connect(effect, &QSoundEffect::statusChanged, this, [this, path] { effectStatusChanged(path); });
    // QSoundEffect tells no position, and its "playing" alone is no proof:
    // play() sets it for a file that is still loading or cannot be decoded
    // (the status then stays Loading), and on Qt 6.4 even without any output
    // device (the status is Ready all the same). Only while it is playing,
    // its status is Ready and an output device exists has the decoded sound
    // been handed to an audio stream on that device: the nearest to a
    // position past 0 that it shows.
    const auto check = [this, effect, path] {
        if (effect == m_playing && effect->isPlaying() && effect->status() == QSoundEffect::Ready
            && !QMediaDevices::defaultAudioOutput().isNull())
            announce(path);
    };
    connect(effect, &QSoundEffect::playingChanged, this, check);
    connect(effect, &QSoundEffect::statusChanged, this, check);
    effect->setSource(QUrl::fromLocalFile(path));
    return effect;
}

QObject *QtSound::loadPlayer(const QString &path)
{
    auto *player = new QMediaPlayer(this);
    player->setAudioOutput(new QAudioOutput(player));
    connect(player, &QMediaPlayer::positionChanged, this, [this, player, path](qint64 position) {
        if (player == m_playing && position > 0 && !QMediaDevices::defaultAudioOutput().isNull())
            announce(path);
    });
    // Setting the source now opens and reads the start of the file, so that
    // play() only has to start the stream.
    player->setSource(QUrl::fromLocalFile(path));
    return player;
}

void QtSound::effectStatusChanged(const QString &path)
{
    auto *effect = qobject_cast<QSoundEffect *>(m_sounds.value(path));
    if (!effect || effect->status() != QSoundEffect::Error)
        return;
    // A WAV that the effect cannot decode (a compressed one) may still play
    // through the player; without an output device the player stays silent too.
    const bool wasPlaying = effect == m_playing;
    m_sounds.insert(path, loadPlayer(path));
    effect->deleteLater();
    if (wasPlaying)
        startPlaying(m_sounds.value(path));
}

void QtSound::play(const QString &path)
{
    stop();
    if (path.isEmpty())
        return;
    QObject *sound = m_sounds.value(path);
    if (!sound) {
        if (!QFile::exists(path))
            return;
        sound = load(path);
        m_sounds.insert(path, sound);
    }
    m_playingPath = path;
    startPlaying(sound);
}

void QtSound::startPlaying(QObject *sound)
{
    m_playing = sound;
    m_announced = false;
    if (auto *effect = qobject_cast<QSoundEffect *>(sound)) {
        // On Qt 6.4 an effect that has played once stays silent when played
        // again, though it says it plays. Setting its source anew gives it a
        // new audio stream; the decoded sound comes from Qt's sample cache.
        if (effect->property("duplikonPlayed").toBool()) {
            const QUrl source = effect->source();
            effect->setSource(QUrl());
            effect->setSource(source);
        }
        effect->setProperty("duplikonPlayed", true);
        effect->play();
        if (effect->isPlaying() && effect->status() == QSoundEffect::Ready
            && !QMediaDevices::defaultAudioOutput().isNull())
            announce(m_playingPath);
    } else if (auto *player = qobject_cast<QMediaPlayer *>(sound)) {
        player->play();
        // The player reports its position every tenth of a second or so; the
        // start is told nearer to the moment it happens by asking for it.
        if (!m_watch) {
            m_watch = new QTimer(this);
            m_watch->setInterval(5);
            connect(m_watch, &QTimer::timeout, this, &QtSound::watchPosition);
        }
        m_watching.start();
        m_watch->start();
    }
}

void QtSound::watchPosition()
{
    auto *player = qobject_cast<QMediaPlayer *>(m_playing.data());
    if (!player || m_announced || m_watching.elapsed() > 3000) {
        m_watch->stop();
        return;
    }
    if (player->position() > 0 && !QMediaDevices::defaultAudioOutput().isNull())
        announce(m_playingPath);
}

void QtSound::stop()
{
    if (auto *effect = qobject_cast<QSoundEffect *>(m_playing.data()))
        effect->stop();
    else if (auto *player = qobject_cast<QMediaPlayer *>(m_playing.data()))
        player->stop();
    m_playing = nullptr;
    m_playingPath.clear();
    if (m_watch)
        m_watch->stop();
}

void QtSound::announce(const QString &path)
{
    if (m_announced || path != m_playingPath)
        return;
    m_announced = true;
    emit playingStarted(path);
}

} // namespace duplikon
