// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Audio.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>

class QTimer;

namespace duplikon {

// WAV through QSoundEffect, OGG and MP3 through QMediaPlayer. Nothing of Qt
// Multimedia is made before the first sound is prepared or played, so the
// program starts at once. A file that cannot play just stays silent.
class QtSound : public SoundOutput {
    Q_OBJECT
public:
    explicit QtSound(QObject *parent = nullptr);
    ~QtSound() override;
    void prepare(const QStringList &paths) override;
    void play(const QString &path) override;
    void stop() override;

private:
    // The loaded sound of one file: a QSoundEffect or a QMediaPlayer.
    QObject *load(const QString &path);
    QObject *loadPlayer(const QString &path);
    // A WAV file that QSoundEffect cannot decode is handed to a player.
    void effectStatusChanged(const QString &path);
    void startPlaying(QObject *sound);
    // Asks the playing player for its position until it has passed 0.
    void watchPosition();
    void announce(const QString &path);

    QHash<QString, QObject *> m_sounds;
    QPointer<QObject> m_playing; // the sound started last
    QString m_playingPath;
    bool m_announced = false;
    QTimer *m_watch = nullptr;
    QElapsedTimer m_watching;
};

} // namespace duplikon
