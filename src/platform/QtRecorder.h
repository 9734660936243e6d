// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Audio.h"

namespace duplikon {

// Recording from the default microphone through Qt Multimedia.
class QtRecorder : public SoundRecorder {
    Q_OBJECT
public:
    explicit QtRecorder(QObject *parent = nullptr);
    ~QtRecorder() override;
    bool hasInput() const override;
    bool isRecording() const override { return false; }
    bool start(const QString &path, int maxMilliseconds, QString *error) override;
    void stop() override;
};

} // namespace duplikon
