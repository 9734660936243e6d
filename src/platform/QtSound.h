// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Audio.h"

namespace duplikon {

// WAV through QSoundEffect, OGG and MP3 through QMediaPlayer.
class QtSound : public SoundOutput {
    Q_OBJECT
public:
    explicit QtSound(QObject *parent = nullptr);
    ~QtSound() override;
    void prepare(const QStringList &paths) override;
    void play(const QString &path) override;
    void stop() override;
};

} // namespace duplikon
